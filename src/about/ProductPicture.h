#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A product picture of the catalogue. Only the formats the catalogue uses are read, JPEG and PNG,
// told apart by their content and decoded by that format's reader alone: other readers (icons,
// for one) let a small file hold an enormous picture behind a small header. The size is checked
// in the header before decoding and again on the decoded picture.
class ProductPicture final
{
public:
    // Tiles are 110 pixels wide; anything far larger is not a product picture.
    static constexpr qint64 kMaxFileSize = 512 * 1024;
    static constexpr int kMaxSide = 1024;

    // The picture in data, or a null image when it is none of the above.
    static QImage Decode(const QByteArray& data);
    // The picture in the file at path, read with the same checks; null when missing or refused.
    static QImage Load(const QString& path);
};
