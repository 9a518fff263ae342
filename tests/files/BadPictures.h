#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>

#include <vector>

// The picture files the reader must refuse, shared by its tests and by the
// fuzzer's seed corpus so both start from the same bad files.
namespace bad_pictures {

inline QByteArray bitmapBytes(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(QColor(173, 201, 167));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

inline void putLittle32(QByteArray& bytes, int offset, qint32 value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xff);
}

struct BadFile {
    const char* what;
    const char* fileName;
    QByteArray bytes;
};

inline std::vector<BadFile> badFiles() {
    const QByteArray whole = bitmapBytes(655, 400);

    QByteArray huge = bitmapBytes(4, 4);
    putLittle32(huge, 18, 100000);
    putLittle32(huge, 22, 100000);

    QByteArray negativeWidth = bitmapBytes(4, 4);
    putLittle32(negativeWidth, 18, -4);

    return {
        {"empty", "empty.dib", {}},
        {"truncated", "short.dib", whole.left(whole.size() / 2)},
        {"header only", "header.dib", whole.left(54)},
        {"text", "text.dib", "This is not a picture at all.\n"},
        {"claims 100000 x 100000", "huge.dib", huge},
        {"negative width", "negative.dib", negativeWidth},
    };
}

} // namespace bad_pictures
