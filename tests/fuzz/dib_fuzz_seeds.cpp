// Writes the fuzzer's seed corpus: small pieces of the program's own picture
// files in every encoding the reader meets (bitmaps of each depth, the old
// short header, run-length data, and the other formats Qt reads), the files
// themselves, and the bad files the reader's tests refuse. Usage:
//   dib_fuzz_seeds <corpus folder> <picture file>...
#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QtEndian>

#include <cstdint>
#include <cstdio>

#include "BadPictures.h"

namespace {

QDir corpus;
int failures = 0;

void writeSeed(const QString& name, const QByteArray& bytes) {
    QFile file(corpus.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "dib_fuzz_seeds: cannot write %s\n", qPrintable(file.fileName()));
        ++failures;
    }
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format)) {
        std::fprintf(stderr, "dib_fuzz_seeds: cannot encode %s\n", format);
        ++failures;
    }
    return bytes;
}

template <typename T>
void append(QByteArray& bytes, T value) {
    char little[sizeof(T)];
    qToLittleEndian(value, little);
    bytes.append(little, sizeof(T));
}

// A bitmap with a palette of grey levels around the given pixel data. Qt
// writes neither the short header nor run-length data, so these are built
// by hand.
QByteArray handMadeBitmap(bool shortHeader, std::int32_t width, std::int32_t height, std::uint16_t bitsPerPixel,
                          std::uint32_t compression, const QByteArray& pixels) {
    const int colours = bitsPerPixel <= 8 ? 1 << bitsPerPixel : 0;
    const int entryBytes = shortHeader ? 3 : 4;
    const std::uint32_t infoBytes = shortHeader ? 12 : 40;
    const std::uint32_t pixelOffset = 14 + infoBytes + colours * entryBytes;
    QByteArray bytes("BM");
    append<std::uint32_t>(bytes, pixelOffset + pixels.size());
    append<std::uint32_t>(bytes, 0);
    append<std::uint32_t>(bytes, pixelOffset);
    append<std::uint32_t>(bytes, infoBytes);
    if (shortHeader) {
        append<std::uint16_t>(bytes, static_cast<std::uint16_t>(width));
        append<std::uint16_t>(bytes, static_cast<std::uint16_t>(height));
        append<std::uint16_t>(bytes, 1);
        append<std::uint16_t>(bytes, bitsPerPixel);
    } else {
        append<std::int32_t>(bytes, width);
        append<std::int32_t>(bytes, height);
        append<std::uint16_t>(bytes, 1);
        append<std::uint16_t>(bytes, bitsPerPixel);
        append<std::uint32_t>(bytes, compression);
        append<std::uint32_t>(bytes, static_cast<std::uint32_t>(pixels.size()));
        append<std::int32_t>(bytes, 2835);
        append<std::int32_t>(bytes, 2835);
        append<std::uint32_t>(bytes, static_cast<std::uint32_t>(colours));
        append<std::uint32_t>(bytes, 0);
    }
    for (int i = 0; i < colours; ++i) {
        const char grey = static_cast<char>(i * 255 / (colours - 1));
        bytes.append(QByteArray(3, grey));
        if (!shortHeader)
            bytes.append('\0');
    }
    return bytes + pixels;
}

void writeHandMadeSeeds() {
    // Four rows of four 8-bit pixels: a run, literal pixels, an end of line
    // each, an offset jump, and the end of the picture.
    const QByteArray rle8("\x04\x01\x00\x00"
                          "\x00\x04\x02\x03\x04\x05\x00\x00"
                          "\x00\x02\x01\x01\x02\x06\x00\x00"
                          "\x00\x01",
                          22);
    writeSeed("rle8.bmp", handMadeBitmap(false, 4, 4, 8, 1, rle8));
    const QByteArray rle4("\x04\x12\x00\x00"
                          "\x00\x04\x34\x56\x00\x00"
                          "\x04\x78\x00\x00\x04\x9a\x00\x01",
                          18);
    writeSeed("rle4.bmp", handMadeBitmap(false, 4, 4, 4, 2, rle4));
    const QByteArray rows8(4 * 4, '\x07');
    writeSeed("short-header8.bmp", handMadeBitmap(true, 4, 4, 8, 0, rows8));
    writeSeed("top-down8.bmp", handMadeBitmap(false, 4, -4, 8, 0, rows8));
    // 16-bit pixels with the default five bits a channel.
    writeSeed("rows16.bmp", handMadeBitmap(false, 2, 2, 16, 0, QByteArray("\x1f\x00\xe0\x03\x00\x7c\xff\x7f", 8)));
}

// A piece of a picture in each encoding: small enough to decode quickly,
// with the real pictures' colours in it.
void writeEncodings(const QString& stem, const QImage& picture) {
    // Four fifths across and half way down lies inside the drawn table of
    // the table pictures, not on their plain background.
    const QImage piece = picture.copy(picture.width() * 4 / 5, picture.height() / 2, 12, 9);
    const QImage rgb = piece.convertToFormat(QImage::Format_RGB32);
    writeSeed(stem + "-24.bmp", encoded(rgb, "BMP"));
    writeSeed(stem + "-32.bmp", encoded(piece.convertToFormat(QImage::Format_ARGB32), "BMP"));
    writeSeed(stem + "-8.bmp", encoded(rgb.convertToFormat(QImage::Format_Indexed8), "BMP"));
    writeSeed(stem + "-1.bmp", encoded(rgb.convertToFormat(QImage::Format_Mono), "BMP"));
    writeSeed(stem + ".png", encoded(rgb, "PNG"));
    writeSeed(stem + ".jpg", encoded(rgb, "JPG"));
    writeSeed(stem + ".ico", encoded(rgb, "ICO"));
    writeSeed(stem + ".ppm", encoded(rgb, "PPM"));
    writeSeed(stem + ".pgm", encoded(rgb, "PGM"));
    writeSeed(stem + ".pbm", encoded(rgb, "PBM"));
    writeSeed(stem + ".xpm", encoded(rgb.convertToFormat(QImage::Format_Indexed8), "XPM"));
    writeSeed(stem + ".xbm", encoded(rgb, "XBM"));
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <corpus folder> <picture file>...\n", argv[0]);
        return 2;
    }
    corpus.setPath(QString::fromLocal8Bit(argv[1]));
    if (!corpus.mkpath(".")) {
        std::fprintf(stderr, "dib_fuzz_seeds: cannot make %s\n", argv[1]);
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        QFile file(path);
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const QImage picture = QImage::fromData(bytes);
        if (picture.isNull()) {
            std::fprintf(stderr, "dib_fuzz_seeds: cannot read %s\n", argv[i]);
            return 1;
        }
        const QString stem = QFileInfo(path).completeBaseName();
        writeSeed(stem + ".dib", bytes);
        writeEncodings(stem, picture);
    }
    writeHandMadeSeeds();
    for (const bad_pictures::BadFile& bad : bad_pictures::badFiles())
        writeSeed(QStringLiteral("bad-") + QString::fromLatin1(bad.fileName), bad.bytes);
    return failures == 0 ? 0 : 1;
}
