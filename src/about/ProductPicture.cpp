#include "about/ProductPicture.h"

#include "about/AboutLog.h"
#include "ui/LocalFile.h"

#include <QBuffer>
#include <QImageReader>

namespace {
// The format whose signature starts data: "jpeg", "png", or nothing.
QByteArray FormatOf(const QByteArray& data)
{
    if (data.startsWith("\xFF\xD8\xFF"))
        return QByteArrayLiteral("jpeg");
    if (data.startsWith("\x89PNG\r\n\x1A\n"))
        return QByteArrayLiteral("png");
    return QByteArray();
}

bool FitsSide(const QSize& size)
{
    return size.isValid() && size.width() <= ProductPicture::kMaxSide && size.height() <= ProductPicture::kMaxSide;
}
} // namespace

QImage ProductPicture::Decode(const QByteArray& data)
{
    const QByteArray format = FormatOf(data);
    if (data.size() > kMaxFileSize || format.isEmpty()) {
        qCDebug(lcAbout) << "picture refused: not JPEG or PNG, or too large" << data.size();
        return QImage();
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    if (!FitsSide(reader.size())) {
        qCDebug(lcAbout) << "picture refused: size" << reader.size();
        return QImage();
    }
    const QImage image = reader.read();
    if (image.isNull() || !FitsSide(image.size())) {
        qCDebug(lcAbout) << "picture refused: decoded" << image.size() << reader.errorString();
        return QImage();
    }
    return image;
}

QImage ProductPicture::Load(const QString& path)
{
    QByteArray data;
    if (LocalFile::Read(path, kMaxFileSize, &data) != LocalFile::Result::Ok)
        return QImage();
    return Decode(data);
}
