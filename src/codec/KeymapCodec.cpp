#include "codec/KeymapCodec.h"

#include <QtEndian>

int KeymapCodec::PayloadSize(int rows, int cols)
{
    return Protocol::KeymapPayloadSize(rows, cols);
}

bool KeymapCodec::Transferable(int rows, int cols)
{
    return rows > 0 && cols > 0 && rows <= Protocol::kMaxRows && cols <= Protocol::kMaxCols
        && PayloadSize(rows, cols) <= Protocol::kMaxPayload;
}

QByteArray KeymapCodec::Pack(const KeymapCodes& codes, int rows, int cols)
{
    if (rows < 0 || cols < 0 || rows > Protocol::kMaxRows || cols > Protocol::kMaxCols)
        return QByteArray();
    QByteArray payload(PayloadSize(rows, cols), Qt::Uninitialized);
    uchar* out = reinterpret_cast<uchar*>(payload.data());
    for (const LayerCodes& layer : codes) {
        for (int row = 0; row < rows; ++row) {
            for (int col = 0; col < cols; ++col) {
                qToLittleEndian<quint16>(layer[size_t(row)][size_t(col)], out);
                out += sizeof(quint16);
            }
        }
    }
    return payload;
}

bool KeymapCodec::Unpack(const tdu1* data, int len, int rows, int cols, KeymapCodes* codes)
{
    if (rows < 0 || cols < 0 || rows > Protocol::kMaxRows || cols > Protocol::kMaxCols)
        return false;
    const int needed = PayloadSize(rows, cols);
    if (len < needed || (needed > 0 && data == nullptr))
        return false;
    const tdu1* in = data;
    for (LayerCodes& layer : *codes) {
        for (int row = 0; row < rows; ++row) {
            for (int col = 0; col < cols; ++col) {
                layer[size_t(row)][size_t(col)] = qFromLittleEndian<quint16>(in);
                in += sizeof(quint16);
            }
        }
    }
    return true;
}

bool KeymapCodec::Same(const KeymapCodes& a, const KeymapCodes& b, int rows, int cols)
{
    for (size_t layer = 0; layer < a.size(); ++layer) {
        for (int row = 0; row < rows && row < Protocol::kMaxRows; ++row) {
            for (int col = 0; col < cols && col < Protocol::kMaxCols; ++col) {
                if (a[layer][size_t(row)][size_t(col)] != b[layer][size_t(row)][size_t(col)])
                    return false;
            }
        }
    }
    return true;
}
