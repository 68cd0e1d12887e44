#pragma once
// Windows-1251, the resource's code page: one byte is one character.

#include <QByteArray>
#include <QString>
#include <optional>

namespace zentaloger::cp1251 {

// The character of byte b; 0x98, which the code page leaves undefined, decodes to U+FFFD.
char16_t Decode(unsigned char b);

// The byte of character c, or nothing when the code page has no byte for it
// (U+FFFD included: it stands for the undefined byte and has no code of its own).
std::optional<unsigned char> Encode(char16_t c);

QString DecodeBytes(const QByteArray& bytes);

// The bytes of `text`, or nothing if any character has no Windows-1251 byte; `badIndex`
// receives the index of the first such character.
std::optional<QByteArray> EncodeText(QStringView text, qsizetype* badIndex = nullptr);

}  // namespace zentaloger::cp1251
