#include "database/codec.h"

#include <array>

namespace zentaloger::cp1251 {
using detail::kCyrillicA;
using detail::kHighHalf;
using detail::kUndefined;

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
