#pragma once

#include "device/DeviceTypes.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// The product catalogue "store.xml": a root element whose children are read by position, their
// names unchecked. The first carries "PRIVERSION", the second "SUBVERSION", the third
// "SALE_NUMBER", and each following child one product ("SALE_INDEX", "SALENAME", "SALELINK").
class StoreCatalogue final
{
public:
    struct Product
    {
        tdu1 index = 0; // number of its picture, n.jpg
        QString name;
        QString link;
    };

    // A real catalogue is a few kilobytes and two levels deep. Qt's DOM parser recurses once per
    // level, so deep nesting is refused before it gets there.
    static constexpr qint64 kMaxFileSize = 64 * 1024;
    static constexpr int kMaxDepth = 8;
    static constexpr int kMaxTiles = 12;

    // False (with the position of the error when there is one) when xml is not a usable
    // catalogue, including one whose version or product count is not a number 0 ... 255; this
    // catalogue is then empty.
    bool Parse(const QByteArray& xml);

    tdu1 priversion = 0;
    tdu1 subversion = 0;
    tdu1 saleNum = 0;
    // The first products in order, at most kMaxTiles and at most saleNum, up to the first one
    // without a picture number 0 ... 255.
    QVector<Product> products;
    int errorLine = 0;
    int errorColumn = 0;
};
