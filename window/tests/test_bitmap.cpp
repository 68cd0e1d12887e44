// The fast reader of the embedded pictures against Qt's own image reader: every shipped
// picture pixel for pixel, and damaged or foreign bitmaps refused (then Qt's reader decides).
#include <QBuffer>
#include <QtTest>

#include "toolkit/bitmap.h"

using zentaloger::toolkit::ReadEmbeddedPicture;
using zentaloger::toolkit::ReadPaletteBitmap;

namespace {

// A 5 x 3 bitmap of 20 colours (so 8 bits a pixel, rows padded to 8 bytes) as Qt writes it.
QByteArray SmallBitmap() {
    QImage image(5, 3, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int i = 0; i < 20; ++i) {
        colours << qRgb(10 * i, 255 - 7 * i, (i * 53) % 256);
    }
    image.setColorTable(colours);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            image.setPixel(x, y, (x + 7 * y) % 20);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

void Put32(QByteArray& b, int at, qint32 v) {
    for (int i = 0; i < 4; ++i) {
        b[at + i] = char((quint32(v) >> (8 * i)) & 0xff);
    }
}

}  // namespace

class TestBitmap : public QObject {
    Q_OBJECT

  private slots:
    void everyEmbeddedPicture() {
        QList<int> numbers{1000, 1001};
        for (int n = 101; n <= 351; ++n) {
            numbers << n << n + 400;
        }
        for (int n : numbers) {
            const QString path = QStringLiteral(":/BITMAP/%1").arg(n);
            const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
            QVERIFY2(!expected.isNull(), qPrintable(path));
            QVERIFY2(ReadEmbeddedPicture(path) == expected, qPrintable(path));
        }
        QVERIFY(ReadEmbeddedPicture(QStringLiteral(":/BITMAP/99")).isNull());
    }

    void damaged_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("read");
        const QByteArray good = SmallBitmap();
        QTest::newRow("as written") << good << true;
        QByteArray topDown = good;
        Put32(topDown, 22, -3);
        QTest::newRow("rows top down") << topDown << true;
        QTest::newRow("last pixel row cut") << good.chopped(1) << false;
        QTest::newRow("header only") << good.left(54) << false;
        QByteArray b = good;
        Put32(b, 46, 300);
        QTest::newRow("palette over the pixels") << b << false;
        b = good;
        Put32(b, 18, 1 << 30);
        QTest::newRow("huge width") << b << false;
        b = good;
        Put32(b, 30, 1);
        QTest::newRow("run-length coded") << b << false;
        b = good;
        b[28] = 4;
        QTest::newRow("4 bits a pixel") << b << false;
        b = good;
        b[0] = 'P';
        QTest::newRow("not a bitmap") << b << false;
    }

    void damaged() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, read);
        const QImage image = ReadPaletteBitmap(bytes);
        QCOMPARE(!image.isNull(), read);
        if (read) {
            QImage expected = QImage::fromData(SmallBitmap()).convertToFormat(QImage::Format_RGB32);
            if (QTest::currentDataTag() == QByteArrayLiteral("rows top down")) {
                expected = expected.mirrored();
            }
            QCOMPARE(image, expected);
        }
    }
};

QTEST_MAIN(TestBitmap)
#include "test_bitmap.moc"
