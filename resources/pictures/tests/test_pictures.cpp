// The pictures as the viewer gets them: embedded under their bitmap numbers, in the exact
// sizes and 256-colour format, identical to what the generator draws from the embedded
// database, and distinct from one another.
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>

#include "database/database.h"
#include "tools/art/art.h"

using namespace zentaloger;
using namespace zentaloger::art;

namespace {

QByteArray Resource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Bitmap(int number) {
    return Resource(QStringLiteral(":/BITMAP/%1").arg(number));
}

int Le32(const QByteArray& b, int at) {
    return qFromLittleEndian<qint32>(b.constData() + at);
}

}  // namespace

class TestPictures : public QObject {
    Q_OBJECT

  private slots:
    // The header fields the viewer's bitmap reader relies on: 8 bits a pixel, uncompressed.
    void bitmaps_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("large species pictures") << 101 << 351 << kLargeWidth << kLargeHeight;
        QTest::newRow("small species pictures") << 501 << 751 << kSmallSize << kSmallSize;
        QTest::newRow("logos") << 1000 << 1001 << kLogoWidth << kLogoHeight;
    }
    void bitmaps() {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, width);
        QFETCH(int, height);
        for (int n = first; n <= last; ++n) {
            const QByteArray bmp = Bitmap(n);
            QVERIFY2(bmp.size() > 54, qPrintable(QStringLiteral("bitmap %1 is missing").arg(n)));
            QCOMPARE(bmp.left(2), QByteArray("BM"));
            QCOMPARE(Le32(bmp, 18), width);
            QCOMPARE(Le32(bmp, 22), height);
            QCOMPARE(static_cast<quint8>(bmp[28]), quint8(8));
            QCOMPARE(Le32(bmp, 30), 0);    // not compressed
            QCOMPARE(Le32(bmp, 46), 256);  // colours used
        }
        QVERIFY(Bitmap(first - 1).isEmpty());
        QVERIFY(Bitmap(last + 1).isEmpty());
    }

    // The icon is transparent round the creature; each language has a logo of its own.
    void iconsAndLogos() {
        for (int size : kIconSizes) {
            QImage icon;
            QVERIFY(icon.loadFromData(Resource(QStringLiteral(":/ICON/%1.png").arg(size)), "PNG"));
            QCOMPARE(icon.size(), QSize(size, size));
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        }
        QVERIFY(Bitmap(1000) != Bitmap(1001));
    }

    // Drawn again here from the embedded database, in another process than the build's: the
    // same bytes, and no two species alike.
    void embeddedPicturesAreTheGeneratorsOutput() {
        DeclaredBodies bodies;  // as the build reads them, when it compiles the sources
        if (const QString sources = QStringLiteral(ZENTALOGER_DATABASE_SOURCES);
            !sources.isEmpty()) {
            const QString error = ReadDeclaredBodies(sources, &bodies);
            QVERIFY2(error.isEmpty(), qPrintable(error));
        }
        const ArtSet art =
            GenerateArt(*LoadDatabase(Resource(QStringLiteral(":/CUSTOM/101"))), bodies);
        std::vector<Mask> masks;
        for (int i = 0; i < kSpeciesCount; ++i) {
            QVERIFY2(Bitmap(101 + i) == EncodeImage(art.species[i].large, "BMP") &&
                         Bitmap(501 + i) == EncodeImage(art.species[i].small, "BMP"),
                     qPrintable(QStringLiteral("species %1").arg(i + 1)));
            masks.push_back(MaskOf(art.species[i].large));
        }
        QCOMPARE(Bitmap(1000), EncodeImage(art.logo[0], "BMP"));
        QCOMPARE(Bitmap(1001), EncodeImage(art.logo[1], "BMP"));
        for (int a = 0; a < kSpeciesCount; ++a) {
            for (int b = a + 1; b < kSpeciesCount; ++b) {
                if (SilhouetteDifference(masks[a], masks[b]) < kMinSilhouetteDifference) {
                    QFAIL(qPrintable(
                        QStringLiteral("species %1 and %2 look alike").arg(a + 1).arg(b + 1)));
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestPictures)
#include "test_pictures.moc"
