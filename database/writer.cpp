#include "database/writer.h"

#include "database/codec.h"
#include "database/layout.h"

namespace zentaloger {

EncodeError::EncodeError(int field, const QString& detail)
    : std::runtime_error(
          QString(QStringLiteral("field ") + GroupThousands(field) + QStringLiteral(": ") + detail)
              .toStdString()),
      field_(field) {}

QByteArray EncodeResource(const std::vector<QString>& fields) {
    QByteArray bytes;
    qsizetype total = 1 + kTrailingNuls;
    for (const QString& f : fields) {
        total += f.size() + 1;
    }
    bytes.reserve(total);
    bytes.append('\0');
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const int field = static_cast<int>(i) + 1;
        if (fields[i].contains(QChar(0))) {
            throw EncodeError(field, QStringLiteral("a field cannot hold a NUL"));
        }
        qsizetype bad = -1;
        std::optional<QByteArray> encoded = cp1251::EncodeText(fields[i], &bad);
        if (!encoded) {
            throw EncodeError(field, QStringLiteral("character U+%1 has no Windows-1251 byte")
                                         .arg(fields[i][bad].unicode(), 4, 16, QLatin1Char('0'))
                                         .toUpper());
        }
        bytes.append(*encoded);
        bytes.append('\0');
    }
    bytes.append(kTrailingNuls, '\0');
    return bytes;
}

std::vector<QString> SplitResource(const QByteArray& bytes, int count) {
    std::vector<QString> fields;
    fields.reserve(count);
    qsizetype begin = 1;
    while (static_cast<int>(fields.size()) < count && begin < bytes.size()) {
        qsizetype end = bytes.indexOf('\0', begin);
        if (end < 0) {
            end = bytes.size();
        }
        fields.push_back(cp1251::DecodeBytes(bytes.mid(begin, end - begin)));
        begin = end + 1;
    }
    return fields;
}

}  // namespace zentaloger
