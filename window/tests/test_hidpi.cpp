// At a desktop scale factor of 2 the window doubles in device pixels and the pictures stay
// crisp: each picture pixel becomes a 2 x 2 block of its own colour, never a blend.
#include <QApplication>
#include <QtTest>

#include "fixture.h"

using namespace zentaloger;
using namespace zentaloger::testing;

class TestHiDpi : public QObject {
    Q_OBJECT

  private slots:
    void windowDoubles() {
        Window w;
        QCOMPARE(w.form->devicePixelRatio(), 2.0);
        const QPixmap shot = w.form->grab();
        QCOMPARE(shot.size(), QSize(754, 698));
        // The layout stays in logical pixels.
        QCOMPARE(w.form->size(), QSize(377, 349));
    }

    void picturePixelsAreBlocks_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<int>("bitmap");
        QTest::addColumn<QPoint>("origin");  // logical pixels in the window
        QTest::newRow("large picture") << "imgZENTARI" << 101 << QPoint(10, 12);
        QTest::newRow("logo") << "imgLOGO" << 1001 << QPoint(264, 291);
    }
    void picturePixelsAreBlocks() {
        QFETCH(int, bitmap);
        QFETCH(QPoint, origin);
        Window w;
        const QImage shot = w.form->grab().toImage();
        const QImage picture =
            QImage(QStringLiteral(":/BITMAP/%1").arg(bitmap)).convertToFormat(QImage::Format_RGB32);
        int wrong = 0;
        // Rows 9 to 175 of the large picture: the name box and the height line lie in front
        // of the rest.
        const int firstRow = bitmap == 101 ? 9 : 0;
        const int lastRow = bitmap == 101 ? 175 : picture.height() - 1;
        for (int y = firstRow; y <= lastRow; ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb want = picture.pixel(x, y);
                const QPoint d = (origin + QPoint(x, y)) * 2;
                for (QPoint o : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                    wrong += (shot.pixel(d + o) & 0xFFFFFF) != (want & 0xFFFFFF);
                }
            }
        }
        QCOMPARE(wrong, 0);
    }

    void bordersScaleWithTheWindow() {
        Window w;
        const QImage shot = w.form->grab().toImage();
        // The name box's 1-px border at x = 8 covers device columns 16 and 17.
        QCOMPARE(shot.pixelColor(16, 28), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(17, 28), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(18, 28), QColor(0xFF8000));
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_hidpi.moc"
