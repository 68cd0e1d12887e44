#include "window/toolkit/bitmap.h"

#include <QResource>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace zentaloger::toolkit {

namespace {

uint32_t U32(QByteArrayView b, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.data()) + at;
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t U16(QByteArrayView b, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.data()) + at;
    return uint16_t(p[0] | p[1] << 8);
}

constexpr qsizetype kFileHeader = 14;
constexpr qsizetype kInfoHeader = 40;
constexpr int64_t kMaxSide = 32767;

}  // namespace

QImage ReadPaletteBitmap(QByteArrayView bytes) {
    const qsizetype size = bytes.size();
    if (size < kFileHeader + kInfoHeader || bytes[0] != 'B' || bytes[1] != 'M') {
        return {};
    }
    const int64_t pixelsAt = U32(bytes, 10);
    const int64_t infoSize = U32(bytes, 14);
    const int64_t width = int32_t(U32(bytes, 18));
    const int64_t signedHeight = int32_t(U32(bytes, 22));
    const int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    int64_t colours = U32(bytes, 46);
    if (infoSize < kInfoHeader || U16(bytes, 26) != 1 || U16(bytes, 28) != 8 ||
        U32(bytes, 30) != 0 || width < 1 || width > kMaxSide || height < 1 || height > kMaxSide) {
        return {};
    }
    colours = colours == 0 ? 256 : colours;
    const int64_t paletteAt = kFileHeader + infoSize;
    const int64_t stride = (width + 3) & ~int64_t(3);
    if (colours > 256 || paletteAt + 4 * colours > pixelsAt || pixelsAt + stride * height > size) {
        return {};
    }
    std::array<QRgb, 256> palette;
    palette.fill(qRgb(0, 0, 0));
    for (int64_t i = 0; i < colours; ++i) {
        const auto* entry =
            reinterpret_cast<const unsigned char*>(bytes.data()) + paletteAt + 4 * i;
        palette[size_t(i)] = qRgb(entry[2], entry[1], entry[0]);
    }
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    const auto* pixels = reinterpret_cast<const unsigned char*>(bytes.data()) + pixelsAt;
    for (int64_t y = 0; y < height; ++y) {
        // Rows are stored bottom-up unless the height is negative.
        const unsigned char* in = pixels + stride * (signedHeight < 0 ? y : height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
        const unsigned char* const end = in + width;
        for (; in + 4 <= end; in += 4, out += 4) {
            out[0] = palette[in[0]];
            out[1] = palette[in[1]];
            out[2] = palette[in[2]];
            out[3] = palette[in[3]];
        }
        for (; in < end; ++in, ++out) {
            *out = palette[*in];
        }
    }
    return image;
}

QImage ReadEmbeddedPicture(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid() || resource.data() == nullptr) {
        return {};
    }
    // Uncompressed resources are read in place; compressed ones are unpacked once.
    QByteArray unpacked;
    QByteArrayView bytes;
    if (resource.compressionAlgorithm() == QResource::NoCompression) {
        bytes = QByteArrayView(reinterpret_cast<const char*>(resource.data()), resource.size());
    } else {
        unpacked = resource.uncompressedData();
        bytes = unpacked;
    }
    QImage image = ReadPaletteBitmap(bytes);
    if (image.isNull()) {
        image = QImage::fromData(bytes);
    }
    return image;
}

namespace {

struct Stored {
    int number;
    QPixmap picture;
    std::size_t bytes;
};

std::vector<Stored>& Store() {  // most recently used first
    static std::vector<Stored> store;
    return store;
}

}  // namespace

QPixmap EmbeddedPixmap(int number) {
    std::vector<Stored>& store = Store();
    const auto found = std::find_if(store.begin(), store.end(),
                                    [number](const Stored& s) { return s.number == number; });
    if (found != store.end()) {
        std::rotate(store.begin(), found, found + 1);
        return store.front().picture;
    }
    QImage image = ReadEmbeddedPicture(QStringLiteral(":/BITMAP/%1").arg(number));
    if (image.isNull()) {
        return {};
    }
    const std::size_t bytes = std::size_t(image.sizeInBytes());
    store.insert(store.begin(), {number, QPixmap::fromImage(std::move(image)), bytes});
    std::size_t total = 0;
    const auto kept = std::find_if(store.begin() + 1, store.end(), [&total](const Stored& s) {
        total += s.bytes;
        return total > kPictureStoreBudget;
    });
    store.erase(kept, store.end());
    return store.front().picture;
}

void PreparePicture(int number) {
    EmbeddedPixmap(number);
}

std::size_t PictureStoreBytes() {
    std::size_t total = 0;
    for (const Stored& s : Store()) {
        total += s.bytes;
    }
    return total;
}

}  // namespace zentaloger::toolkit
