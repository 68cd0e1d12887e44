// The Windows-1251 table checked against the C library's own converter, in both directions.
#include <iconv.h>
#include <QtTest>
#include <cerrno>
#include <optional>

#include "codec.h"

using namespace zentaloger;

namespace {

// One conversion through iconv(3); nothing when iconv finds no counterpart (EILSEQ).
class Iconv {
  public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv() {
        if (ok()) {
            iconv_close(cd_);
        }
    }
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    std::optional<QByteArray> Convert(const QByteArray& in) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
        QByteArray input = in;
        QByteArray out(16, '\0');
        char* inPtr = input.data();
        std::size_t inLeft = input.size();
        char* outPtr = out.data();
        std::size_t outLeft = out.size();
        if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            return std::nullopt;
        }
        out.truncate(out.size() - outLeft);
        return out;
    }

  private:
    iconv_t cd_;
};

QByteArray Utf32(char32_t c) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i) {
        b[i] = static_cast<char>((c >> (8 * i)) & 0xFF);
    }
    return b;
}

char32_t FromUtf32(const QByteArray& b) {
    char32_t c = 0;
    for (int i = 3; i >= 0; --i) {
        c = (c << 8) | static_cast<unsigned char>(b[i]);
    }
    return c;
}

}  // namespace

class TestCodec : public QObject {
    Q_OBJECT

  private slots:
    void decodeAgreesWithIconvOnAll256Bytes() {
        Iconv conv("UTF-32LE", "CP1251");
        QVERIFY(conv.ok());
        int undefined = 0;
        for (int b = 0; b < 256; ++b) {
            const char16_t ours = cp1251::Decode(static_cast<unsigned char>(b));
            const std::optional<QByteArray> theirs = conv.Convert(QByteArray(1, char(b)));
            if (!theirs) {
                ++undefined;
                QCOMPARE(b, 0x98);
                QCOMPARE(ours, char16_t(0xFFFD));
                continue;
            }
            QCOMPARE(theirs->size(), 4);
            QVERIFY2(ours == FromUtf32(*theirs),
                     qPrintable(QStringLiteral("byte 0x%1: ours U+%2, iconv U+%3")
                                    .arg(b, 2, 16)
                                    .arg(int(ours), 4, 16)
                                    .arg(int(FromUtf32(*theirs)), 4, 16)));
        }
        QCOMPARE(undefined, 1);
    }

    // Every BMP character: we give a byte exactly when iconv does, and the same byte.
    void encodeAgreesWithIconvOnTheWholeBmp() {
        Iconv conv("CP1251", "UTF-32LE");
        QVERIFY(conv.ok());
        int encodable = 0;
        for (char32_t c = 0; c <= 0xFFFF; ++c) {
            const std::optional<unsigned char> ours = cp1251::Encode(char16_t(c));
            const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
            const std::optional<QByteArray> theirs =
                surrogate ? std::nullopt : conv.Convert(Utf32(c));
            QVERIFY2(ours.has_value() == theirs.has_value(),
                     qPrintable(QStringLiteral("U+%1: ours %2, iconv %3")
                                    .arg(int(c), 4, 16, QLatin1Char('0'))
                                    .arg(ours ? "a byte" : "none")
                                    .arg(theirs ? "a byte" : "none")));
            if (ours) {
                ++encodable;
                QCOMPARE(theirs->size(), 1);
                QCOMPARE(*ours, static_cast<unsigned char>(theirs->at(0)));
            }
        }
        QCOMPARE(encodable, 255);
    }

    void everyDefinedByteSurvivesARoundTrip() {
        QByteArray all;
        for (int b = 0; b < 256; ++b) {
            if (b != 0x98) {
                all.append(char(b));
            }
        }
        const QString text = cp1251::DecodeBytes(all);
        QCOMPARE(text.size(), all.size());
        const std::optional<QByteArray> back = cp1251::EncodeText(text);
        QVERIFY(back.has_value());
        QCOMPARE(*back, all);
    }

    void undefinedByteDecodesInPlace() {
        const QString text = cp1251::DecodeBytes(QByteArray("a\x98z", 3));
        QCOMPARE(text, QStringLiteral("a\uFFFDz"));
    }

    void encodeText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");  // empty when rejected
        QTest::addColumn<qsizetype>("badIndex");
        const QByteArray none;
        QTest::newRow("empty") << QString() << none << qsizetype(-1);
        QTest::newRow("typographic marks")
            << QStringLiteral("ёЁ№€–—«»’") << QByteArray("\xB8\xA8\xB9\x88\x96\x97\xAB\xBB\x92")
            << qsizetype(-1);
        QTest::newRow("Cyrillic bounds")
            << QStringLiteral("Аая") << QByteArray("\xC0\xE0\xFF") << qsizetype(-1);
        QTest::newRow("replacement character")
            << QStringLiteral("AB\uFFFD") << none << qsizetype(2);
        QTest::newRow("Latin accent") << QStringLiteral("café") << none << qsizetype(3);
        QTest::newRow("Cyrillic outside the page") << QStringLiteral("Ѐ") << none << qsizetype(0);
        QTest::newRow("C1 control") << QStringLiteral("x\u0080") << none << qsizetype(1);
        QTest::newRow("first of two bad")
            << QStringLiteral("ok\u00E9\u00E8") << none << qsizetype(2);
        QTest::newRow("surrogate pair") << QStringLiteral("Я\U0001F600") << none << qsizetype(1);
    }

    void encodeText() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(qsizetype, badIndex);
        qsizetype reported = -1;
        const std::optional<QByteArray> encoded = cp1251::EncodeText(text, &reported);
        if (badIndex >= 0) {
            QVERIFY(!encoded.has_value());
            QCOMPARE(reported, badIndex);
        } else {
            QVERIFY(encoded.has_value());
            QCOMPARE(*encoded, bytes);
            QCOMPARE(reported, qsizetype(-1));
        }
    }
};

QTEST_GUILESS_MAIN(TestCodec)
#include "test_codec.moc"
