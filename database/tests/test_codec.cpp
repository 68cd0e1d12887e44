// The Windows-1251 table checked against the C library's own converter, in both directions,
// and the text encoder's report of the first character it cannot write.
#include <iconv.h>
#include <QtTest>
#include <optional>

#include "database/codec.h"

using namespace zentaloger;

namespace {

// One conversion through iconv(3); nothing when iconv finds no counterpart.
std::optional<QByteArray> Iconv(const char* to, const char* from, QByteArray in) {
    const iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        qFatal("iconv has no %s to %s", from, to);
    }
    QByteArray out(16, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size(), outLeft = out.size();
    const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    return ok ? std::optional(out.left(out.size() - outLeft)) : std::nullopt;
}

}  // namespace

class TestCodec : public QObject {
    Q_OBJECT

  private slots:
    // Every byte decodes, alone and in a text, to the character that encodes back to it (the
    // encoder is checked against iconv below); 0x98, which iconv refuses, gives U+FFFD.
    void decodeReversesEncode() {
        QByteArray all;
        for (int b = 0; b < 256; ++b) {
            all.append(char(b));
        }
        const QString text = cp1251::DecodeBytes(all);
        QCOMPARE(text.size(), 256);
        for (int b = 0; b < 256; ++b) {
            const char16_t c = cp1251::Decode(static_cast<unsigned char>(b));
            QCOMPARE(text[b].unicode(), c);
            QVERIFY2(
                b == 0x98 ? c == 0xFFFD : cp1251::Encode(c) == static_cast<unsigned char>(b),
                qPrintable(QStringLiteral("byte 0x%1: U+%2").arg(b, 2, 16).arg(int(c), 4, 16)));
        }
    }

    // Every BMP character: we give a byte exactly when iconv does, and the same byte.
    void encodeAgreesWithIconv() {
        int encodable = 0;
        for (char32_t c = 0; c <= 0xFFFF; ++c) {
            const std::optional<unsigned char> ours = cp1251::Encode(char16_t(c));
            const char utf16[] = {char(c & 0xFF), char(c >> 8)};
            const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
            const auto theirs =
                surrogate ? std::nullopt : Iconv("CP1251", "UTF-16LE", QByteArray(utf16, 2));
            QVERIFY2(ours.has_value() == theirs.has_value() &&
                         (!ours || QByteArray(1, char(*ours)) == *theirs),
                     qPrintable(QStringLiteral("U+%1").arg(int(c), 4, 16, QLatin1Char('0'))));
            encodable += ours.has_value();
        }
        QCOMPARE(encodable, 255);
    }

    // Rejected texts: the index of the first character without a byte. (What the encoder
    // writes is every loader test's input.)
    void encodeText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qsizetype>("badIndex");
        QTest::newRow("replacement character") << u"AB\uFFFD"_qs << qsizetype(2);
        QTest::newRow("first of two bad") << u"ok\u00E9\u00E8"_qs << qsizetype(2);
        QTest::newRow("surrogate pair") << u"Я\U0001F600"_qs << qsizetype(1);
    }

    void encodeText() {
        QFETCH(QString, text);
        qsizetype reported = -1;
        QVERIFY(!cp1251::EncodeText(text, &reported));
        QTEST(reported, "badIndex");
    }
};

QTEST_GUILESS_MAIN(TestCodec)
#include "test_codec.moc"
