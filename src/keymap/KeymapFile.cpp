#include "keymap/KeymapFile.h"

#include "device/Protocol.h"
#include "keymap/KeymapLog.h"
#include "keymap/KeymapStore.h"
#include "ui/FileSaver.h"
#include "ui/LocalFile.h"

#include <QBuffer>
#include <QDomDocument>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QString kDevice = QStringLiteral("DEVICE");
const QString kKeyboardName = QStringLiteral("KEYBOARD_NAME");
const QString kLayerNumElement = QStringLiteral("LAYERNUM");
const QString kLayerNumber = QStringLiteral("LAYER_NUMBER");
const QString kRowNumElement = QStringLiteral("ROWNUM");
const QString kRowNumber = QStringLiteral("ROW_NUMBER");
const QString kColNumElement = QStringLiteral("COLNUM");
const QString kColNumber = QStringLiteral("COL_NUMBER");
const QString kKeymapElement = QStringLiteral("KEYMAP");
const QString kLayerElement = QStringLiteral("LAYER");
const QString kLayerIndex = QStringLiteral("LAYER_INDEX");
const QString kRowElement = QStringLiteral("ROW");
const QString kRowIndex = QStringLiteral("ROW_INDEX");
const QString kColumnElement = QStringLiteral("COLUMN");
const QString kColIndex = QStringLiteral("COL_INDEX");
const QString kKeyCode = QStringLiteral("KEYCODE");

// A keymap file has no DTD, no entities and a shallow tree. Anything else is refused before a DOM
// is built, so a crafted file cannot make the reader expand entities or recurse deeply.
bool isPlainKeymapXml(const QByteArray& content)
{
    QXmlStreamReader reader(content);
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            qCDebug(lcKeymap) << "Keymap File Has DTD";
            return false;
        case QXmlStreamReader::StartElement:
            if (++depth > KeymapFile::kMaxDepth) {
                qCDebug(lcKeymap) << "Keymap File Too Deep";
                return false;
            }
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return !reader.hasError();
}

bool readContent(const QString& path, QByteArray* content)
{
    const LocalFile::Result result = LocalFile::Read(path, KeymapFile::kMaxFileSize, content);
    if (result == LocalFile::Result::TooLarge)
        qCDebug(lcKeymap) << "Keymap File Too Large";
    return result == LocalFile::Result::Ok;
}

} // namespace

bool KeymapFile::Save(
    const QString& path, const QString& keyboardName, const KeymapStore& store, int keymap, QString* error)
{
    auto fail = [&](const QString& reason) {
        if (error)
            *error = reason;
        qCDebug(lcKeymap) << "Save Keymap File Failed" << path << reason;
        return false;
    };
    if (keymap < 0 || keymap >= Protocol::kKeymapCount)
        return fail(tr("no such keymap"));

    QByteArray content;
    QBuffer buffer(&content);
    buffer.open(QIODevice::WriteOnly | QIODevice::Text);

    // Written with a stream writer rather than QDomDocument::save(), which puts attributes in
    // hash order and so would write them in a different order from run to run.
    QXmlStreamWriter writer(&buffer);
    writer.setCodec("UTF-8");
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(4);
    writer.writeStartDocument(QStringLiteral("1.0"));
    writer.writeStartElement(kDevice);
    writer.writeAttribute(kKeyboardName, keyboardName);
    writer.writeEmptyElement(kLayerNumElement);
    writer.writeAttribute(kLayerNumber, QString::number(Protocol::kLayerCount));
    writer.writeEmptyElement(kRowNumElement);
    writer.writeAttribute(kRowNumber, QString::number(store.RowNum()));
    writer.writeEmptyElement(kColNumElement);
    writer.writeAttribute(kColNumber, QString::number(store.ColNum()));
    writer.writeStartElement(kKeymapElement);
    for (int layer = 0; layer < Protocol::kLayerCount; ++layer) {
        writer.writeStartElement(kLayerElement);
        writer.writeAttribute(kLayerIndex, QString::number(layer));
        for (int row = 0; row < store.RowNum(); ++row) {
            writer.writeStartElement(kRowElement);
            writer.writeAttribute(kRowIndex, QString::number(row));
            for (int col = 0; col < store.ColNum(); ++col) {
                writer.writeEmptyElement(kColumnElement);
                writer.writeAttribute(kColIndex, QString::number(col));
                writer.writeAttribute(kKeyCode, QString::number(store.KeymapCode(keymap, layer, row, col)));
            }
            writer.writeEndElement();
        }
        writer.writeEndElement();
    }
    writer.writeEndElement();
    writer.writeEndElement();
    writer.writeEndDocument();

    if (writer.hasError())
        return fail(tr("The keymap could not be written out."));
    const FileSaver::Result saved = FileSaver::Save(path, content);
    return saved.ok || fail(saved.error);
}

KeymapFile::LoadResult KeymapFile::Load(
    const QString& path, const QString& keyboardName, KeymapStore& store, int keymap)
{
    if (keymap < 0 || keymap >= Protocol::kKeymapCount)
        return NotRead;
    QByteArray content;
    if (!readContent(path, &content) || !isPlainKeymapXml(content))
        return NotRead;
    QDomDocument doc;
    if (!doc.setContent(content, true))
        return NotRead;

    const QDomElement device = doc.documentElement();
    if (device.attribute(kKeyboardName) != keyboardName) {
        qCDebug(lcKeymap) << "NOT EQUAL";
        return Refused;
    }

    // The reader goes by position (first child, next sibling) and by attributes, not by names.
    QDomElement element = device.firstChildElement();
    const int layerNum = element.attribute(kLayerNumber, QStringLiteral("0")).toInt();
    qCDebug(lcKeymap).nospace() << "LayerNum=" << layerNum;
    if (layerNum != Protocol::kLayerCount) {
        qCDebug(lcKeymap) << "Read LayerNum Failed";
        return Refused;
    }
    qCDebug(lcKeymap) << "Read LayerNum Success";

    element = element.nextSiblingElement();
    const int rowNum = element.attribute(kRowNumber, QStringLiteral("0")).toInt();
    qCDebug(lcKeymap).nospace() << "RowNum=" << rowNum;
    if (rowNum != store.RowNum()) {
        qCDebug(lcKeymap) << "Read RowNum Failed";
        return Refused;
    }
    qCDebug(lcKeymap) << "Read RowNum Success";

    element = element.nextSiblingElement();
    const int colNum = element.attribute(kColNumber, QStringLiteral("0")).toInt();
    qCDebug(lcKeymap).nospace() << "ColNum=" << colNum;
    if (colNum != store.ColNum()) {
        qCDebug(lcKeymap) << "Read ColNum Failed";
        return Refused;
    }
    qCDebug(lcKeymap) << "Read ColNum Success";

    // Codes go into a copy first: a file that fails half-way leaves the keymap as it was.
    KeymapStore::KeymapCodes codes = store.KeymapCopy(keymap);
    QDomElement layer = element.nextSiblingElement().firstChildElement();
    for (int i = 0; i < Protocol::kLayerCount; ++i) {
        if (layer.attribute(kLayerIndex, QStringLiteral("0")).toUShort() != i) {
            qCDebug(lcKeymap).noquote().nospace() << QStringLiteral("读取层序号错误,Layer = ") << i;
            return Refused;
        }
        QDomElement row = layer.firstChildElement();
        for (int j = 0; j < store.RowNum(); ++j) {
            // A row left out of the file keeps its codes; the same element is tried on the next row.
            if (row.attribute(kRowIndex, QStringLiteral("0")).toUShort() != j)
                continue;
            QDomElement column = row.firstChildElement();
            for (int k = 0; k < store.ColNum(); ++k) {
                if (column.attribute(kColIndex).toUShort() != k) {
                    qCDebug(lcKeymap).nospace() << "Read KeyCode Failed,i=" << i << ",j=" << j << ",k=" << k;
                    return Refused;
                }
                // Out of range or not a number reads as 0.
                codes[i][j][k] = column.attribute(kKeyCode).toUShort();
                column = column.nextSiblingElement();
            }
            row = row.nextSiblingElement();
        }
        layer = layer.nextSiblingElement();
    }
    store.ReplaceKeymap(keymap, codes);
    return Loaded;
}
