#include "about/StoreCatalogue.h"

#include "about/AboutLog.h"

#include <QDomDocument>
#include <QDomElement>
#include <QXmlStreamReader>
#include <limits>

namespace {
// A decimal number 0 ... 255, or -1.
int ReadByte(const QDomElement& element, const QString& attribute)
{
    bool ok = false;
    const uint value = element.attribute(attribute).toUInt(&ok);
    return ok && value <= std::numeric_limits<tdu1>::max() ? int(value) : -1;
}

// Streams through xml without building anything: false for a document type declaration (the
// catalogue has no use for entities) or nesting deeper than maxDepth.
bool IsShallowPlainXml(const QByteArray& xml, int maxDepth, int* line, int* column)
{
    QXmlStreamReader reader(xml);
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            qCDebug(lcAbout) << "store.xml has a document type declaration";
            return false;
        case QXmlStreamReader::StartElement:
            if (++depth > maxDepth) {
                qCDebug(lcAbout) << "store.xml nested too deep";
                return false;
            }
            break;
        case QXmlStreamReader::EndElement:
            depth--;
            break;
        default:
            break;
        }
    }
    if (reader.hasError()) {
        *line = int(reader.lineNumber());
        *column = int(reader.columnNumber());
        qCDebug(lcAbout) << "line: " << *line << "col: " << *column;
        return false;
    }
    return true;
}
} // namespace

bool StoreCatalogue::Parse(const QByteArray& xml)
{
    *this = StoreCatalogue();
    if (xml.size() > kMaxFileSize) {
        qCDebug(lcAbout) << "store.xml too large" << xml.size();
        return false;
    }
    if (!IsShallowPlainXml(xml, kMaxDepth, &errorLine, &errorColumn))
        return false;
    QDomDocument document;
    QString message;
    if (!document.setContent(xml, &message, &errorLine, &errorColumn)) {
        qCDebug(lcAbout) << message << "line: " << errorLine << "col: " << errorColumn;
        return false;
    }
    // The three header children make a catalogue; without them it is some other document, such
    // as an error page.
    QDomElement child = document.documentElement().firstChildElement();
    const int major = ReadByte(child, QStringLiteral("PRIVERSION"));
    child = child.nextSiblingElement();
    const int minor = ReadByte(child, QStringLiteral("SUBVERSION"));
    child = child.nextSiblingElement();
    const int count = ReadByte(child, QStringLiteral("SALE_NUMBER"));
    if (major < 0 || minor < 0 || count < 0) {
        qCDebug(lcAbout) << "store.xml without version and product count";
        return false;
    }
    priversion = tdu1(major);
    subversion = tdu1(minor);
    saleNum = tdu1(count);
    qCDebug(lcAbout) << "Version" << priversion << "." << subversion;
    qCDebug(lcAbout) << "SaleNum" << saleNum;

    const int tiles = qMin(int(saleNum), kMaxTiles);
    for (child = child.nextSiblingElement(); !child.isNull() && products.size() < tiles;
         child = child.nextSiblingElement()) {
        const int index = ReadByte(child, QStringLiteral("SALE_INDEX"));
        if (index < 0)
            break;
        products.append(
            {tdu1(index), child.attribute(QStringLiteral("SALENAME")), child.attribute(QStringLiteral("SALELINK"))});
    }
    return true;
}
