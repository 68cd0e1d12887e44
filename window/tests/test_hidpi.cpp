// At a desktop scale factor of 2 the window doubles in device pixels, its layout stays in
// logical pixels, borders double with it, and the pictures stay crisp: each picture pixel
// becomes a 2 x 2 block of its own colour, never a blend.
#include <QApplication>
#include <QtTest>

#include "tests/support/fixture.h"

using namespace zentaloger::testing;

class TestHiDpi : public QObject {
    Q_OBJECT

  private slots:
    void windowDoubles() {
        Window w;
        const QImage shot = w.form->grab().toImage();
        QCOMPARE(shot.size(), QSize(754, 698));
        QCOMPARE(w.form->size(), QSize(377, 349));
        // The name box's 1-px border at x = 8 covers device columns 16 and 17.
        QCOMPARE(shot.pixelColor(16, 28), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(17, 28), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(18, 28), QColor(0xFF8000));
        // The large picture (rows 9 to 175: the name box and the height line lie in front of
        // the rest) and the logo, at their places in logical pixels.
        for (const auto& [bitmap, origin, rows] :
             {std::tuple{101, QPoint(10, 12), std::pair{9, 175}},
              {1001, QPoint(264, 291), std::pair{0, 37}}}) {
            const QImage picture = QImage(QStringLiteral(":/BITMAP/%1").arg(bitmap))
                                       .convertToFormat(QImage::Format_RGB32);
            int wrong = 0;
            for (int y = rows.first; y <= rows.second; ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    const QPoint d = (origin + QPoint(x, y)) * 2;
                    for (QPoint o : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                        wrong += (shot.pixel(d + o) ^ picture.pixel(x, y)) & 0xFFFFFF ? 1 : 0;
                    }
                }
            }
            QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1: %2 wrong").arg(bitmap).arg(wrong)));
        }
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_hidpi.moc"
