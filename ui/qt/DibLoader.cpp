#include "ui/qt/DibLoader.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <cstdint>
#include <cstdlib>

namespace {
// Far above any picture the table uses, far below anything that could hurt.
constexpr qint64 kMaxFileBytes = 32 * 1024 * 1024;
constexpr int kMaxSide = 4096;
// The largest picture the sides allow at 4 bytes a pixel. A header of a few
// bytes can claim more than that: a 16-bit PNG of 4096 x 4096 takes 128 MiB.
constexpr int kMaxPictureMiB = kMaxSide * kMaxSide * 4 / (1024 * 1024);

constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderMinBytes = 12; // the oldest bitmap header
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

template <typename T>
T readLittle(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

// A bitmap that was cut short decodes without complaint, its missing rows
// black; so check that the file holds every row its header promises.
bool bitmapIsWhole(const QByteArray& bytes) {
    if (bytes.size() < kFileHeaderBytes + kInfoHeaderMinBytes)
        return false;
    const auto pixelOffset = readLittle<std::uint32_t>(bytes, 10);
    const auto infoSize = readLittle<std::uint32_t>(bytes, 14);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t compression = kUncompressed;
    if (infoSize == kInfoHeaderMinBytes) {
        width = readLittle<std::uint16_t>(bytes, 18);
        height = readLittle<std::uint16_t>(bytes, 20);
        bitsPerPixel = readLittle<std::uint16_t>(bytes, 24);
    } else {
        if (bytes.size() < kFileHeaderBytes + 40)
            return false;
        width = readLittle<std::int32_t>(bytes, 18);
        height = std::llabs(readLittle<std::int32_t>(bytes, 22));
        bitsPerPixel = readLittle<std::uint16_t>(bytes, 28);
        compression = readLittle<std::uint32_t>(bytes, 30);
    }
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        return false;
    if (bitsPerPixel == 0 || bitsPerPixel > 32)
        return false;
    if (compression != kUncompressed && compression != kBitFields && compression != kAlphaBitFields)
        return true; // run-length data has no fixed size; its decoder stops at the end of the data
    const std::int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return static_cast<std::int64_t>(pixelOffset) + rowBytes * height <= bytes.size();
}

std::optional<QImage> decodeBounded(const QByteArray& bytes, const char* format) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // Qt's decoders refuse to allocate a picture above this limit. It holds
    // for every reader in the process, and the program reads no larger one.
    QImageReader::setAllocationLimit(kMaxPictureMiB);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kMaxSide || size.height() > kMaxSide))
        return std::nullopt;
    QImage image = reader.read();
    if (image.isNull() || image.width() > kMaxSide || image.height() > kMaxSide)
        return std::nullopt;
    return image;
}
} // namespace

std::optional<QImage> loadDibPicture(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile() || !info.isReadable() || info.size() > kMaxFileBytes)
        return std::nullopt;
    // A file nobody may read is treated as unreadable even by an account that
    // could read it anyway, so the program behaves the same for everyone.
    constexpr auto anyRead = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if ((info.permissions() & anyRead) == 0)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeDibPicture(file.read(kMaxFileBytes + 1));
}

std::optional<QImage> decodeDibPicture(const QByteArray& bytes) {
    if (bytes.isEmpty() || bytes.size() > kMaxFileBytes)
        return std::nullopt;
    if (bytes.startsWith("BM")) {
        if (!bitmapIsWhole(bytes))
            return std::nullopt;
        return decodeBounded(bytes, "BMP");
    }
    return decodeBounded(bytes, nullptr);
}
