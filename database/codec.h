#pragma once
// Windows-1251, the resource's code page: one byte is one character.

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

namespace zentaloger::cp1251 {

namespace detail {

// Bytes 0x80..0xBF; 0x00..0x7F are ASCII and 0xC0..0xFF are А..я in one run.
inline constexpr std::array<char16_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

inline constexpr char16_t kCyrillicA = 0x0410;
inline constexpr char16_t kUndefined = 0xFFFD;

// All 256 bytes, so the loader's inner loop is a single lookup.
inline constexpr std::array<char16_t, 256> kDecodeTable = [] {
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b) {
        table[static_cast<size_t>(b)] = b < 0x80    ? static_cast<char16_t>(b)
                                        : b >= 0xC0 ? static_cast<char16_t>(kCyrillicA + (b - 0xC0))
                                                    : kHighHalf[static_cast<size_t>(b - 0x80)];
    }
    return table;
}();

}  // namespace detail

// The character of byte b; 0x98, which the code page leaves undefined, decodes to U+FFFD.
inline char16_t Decode(unsigned char b) {
    return detail::kDecodeTable[b];
}

// The byte of character c, or nothing when the code page has no byte for it
// (U+FFFD included: it stands for the undefined byte and has no code of its own).
std::optional<unsigned char> Encode(char16_t c);

QString DecodeBytes(const QByteArray& bytes);

// The bytes of `text`, or nothing if any character has no Windows-1251 byte; `badIndex`
// receives the index of the first such character.
std::optional<QByteArray> EncodeText(QStringView text, qsizetype* badIndex = nullptr);

}  // namespace zentaloger::cp1251
