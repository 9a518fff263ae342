// Feeds arbitrary bytes to the program's picture reader. A crash, a hang, a
// leak or an oversized allocation is reported by libFuzzer and the
// sanitizers; a decoded picture must also keep to the reader's size bound.
#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "ui/qt/DibLoader.h"

namespace {
constexpr int kLargestSide = 4096;

// The decoders are Debian's Qt, built without coverage, so on its own
// libFuzzer would see only the reader's checks and throw away every seed
// that differs from another only in what Qt makes of it. These counters,
// which libFuzzer reads as extra coverage, tell it which format the bytes
// were taken for and what came out: format of the result and its size.
constexpr std::array<const char*, 10> kFormats = {"bmp", "png", "jpeg", "gif", "ico",
                                                  "pbm", "pgm", "ppm",  "xbm", "xpm"};
constexpr std::size_t kFormatSlots = kFormats.size() + 1;
constexpr std::size_t kResultSlots = QImage::NImageFormats + 1;
constexpr std::size_t kSizeSlots = 14; // bit lengths of 0 to 4096 and beyond
__attribute__((section("__libfuzzer_extra_counters")))
std::uint8_t outcomes[kFormatSlots * kResultSlots + kFormatSlots * kSizeSlots * kSizeSlots];

std::size_t formatSlot(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader::imageFormat(&buffer);
    for (std::size_t i = 0; i < kFormats.size(); ++i)
        if (format == kFormats[i])
            return i;
    return kFormats.size();
}

std::size_t sizeSlot(int side) {
    return std::min<std::size_t>(std::bit_width(static_cast<unsigned>(side)), kSizeSlots - 1);
}

void count(std::size_t slot) {
    std::uint8_t& counter = outcomes[slot];
    if (counter < 255)
        ++counter;
}

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The decoders report bad data through Qt's message handler; printing
    // every complaint would cost more than the decoding.
    qInstallMessageHandler(quiet);
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<QImage> image = decodeDibPicture(bytes);
    if (image && (image->isNull() || image->width() > kLargestSide || image->height() > kLargestSide))
        std::abort();

    const std::size_t format = formatSlot(bytes);
    count(format * kResultSlots + (image ? static_cast<std::size_t>(image->format()) : QImage::NImageFormats));
    if (image)
        count(kFormatSlots * kResultSlots + (format * kSizeSlots + sizeSlot(image->width())) * kSizeSlots +
              sizeSlot(image->height()));
    return 0;
}
