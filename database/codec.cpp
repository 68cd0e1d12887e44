#include "codec.h"

#include <array>

namespace zentaloger::cp1251 {
namespace {

// Bytes 0x80..0xBF; 0x00..0x7F are ASCII and 0xC0..0xFF are А..я in one run.
constexpr std::array<char16_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

constexpr char16_t kCyrillicA = 0x0410;
constexpr char16_t kUndefined = 0xFFFD;

}  // namespace

char16_t Decode(unsigned char b) {
    if (b < 0x80) {
        return b;
    }
    if (b >= 0xC0) {
        return static_cast<char16_t>(kCyrillicA + (b - 0xC0));
    }
    return kHighHalf[b - 0x80];
}

std::optional<unsigned char> Encode(char16_t c) {
    if (c < 0x80) {
        return static_cast<unsigned char>(c);
    }
    if (c >= kCyrillicA && c < kCyrillicA + 64) {
        return static_cast<unsigned char>(0xC0 + (c - kCyrillicA));
    }
    if (c == kUndefined) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
        if (kHighHalf[i] == c) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

QString DecodeBytes(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (unsigned char b : bytes) {
        *out++ = Decode(b);
    }
    return text;
}

std::optional<QByteArray> EncodeText(QStringView text, qsizetype* badIndex) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        std::optional<unsigned char> b = Encode(text[i].unicode());
        if (!b) {
            if (badIndex) {
                *badIndex = i;
            }
            return std::nullopt;
        }
        bytes.append(static_cast<char>(*b));
    }
    return bytes;
}

}  // namespace zentaloger::cp1251
