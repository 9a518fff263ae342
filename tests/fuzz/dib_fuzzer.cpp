// Feeds arbitrary bytes to the program's picture reader. A crash, a hang, a
// leak or an oversized allocation is reported by libFuzzer and the
// sanitizers; a decoded picture must also keep to the reader's size bound.
#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QImage>

#include <algorithm>
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
// start like and what came out: format of the result and its size. The
// signatures are the ones the decoders look for; asking Qt instead would
// detect the format a second time for every input.
struct Signature {
    QByteArrayView start;
    std::size_t slot;
};
const std::array<Signature, 14> kSignatures = {{
    {"BM", 0},
    {"\x89PNG", 1},
    {"\xff\xd8", 2},
    {"GIF8", 3},
    {QByteArrayView("\0\0\1\0", 4), 4},
    {QByteArrayView("\0\0\2\0", 4), 4},
    {"P1", 5},
    {"P4", 5},
    {"P2", 6},
    {"P5", 6},
    {"P3", 7},
    {"P6", 7},
    {"#define", 8},
    {"/* XPM", 9},
}};
constexpr std::size_t kFormatSlots = 11; // the ten above and anything else
constexpr std::size_t kResultSlots = QImage::NImageFormats + 1;
constexpr std::size_t kSizeSlots = 14; // bit lengths of 0 to 4096 and beyond
__attribute__((section("__libfuzzer_extra_counters")))
std::uint8_t outcomes[kFormatSlots * kResultSlots + kFormatSlots * kSizeSlots * kSizeSlots];

std::size_t formatSlot(const QByteArray& bytes) {
    for (const Signature& signature : kSignatures)
        if (bytes.startsWith(signature.start))
            return signature.slot;
    return kFormatSlots - 1;
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
