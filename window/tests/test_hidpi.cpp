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
    // The logo and the card's picture of three species are drawn whole wherever nothing lies
    // over them, also where the edition marks cut the card's region into pieces.
    void windowDoubles() {
        Window w;
        QCOMPARE(w.form->size(), QSize(377, 349));
        for (const auto& [name, number] : {std::pair{"imgLOGO", 1},
                                           {"imgZENTARI", 1},
                                           {"imgZENTARI", 128},
                                           {"imgZENTARI", 251}}) {
            w.show(number);
            QImage shot = w.form->grab().toImage().convertToFormat(QImage::Format_RGB32);
            shot.setDevicePixelRatio(1);  // compared pixel for pixel
            QCOMPARE(shot.size(), QSize(754, 698));
            // The name box's 1-px border at x = 8 covers device columns 16 and 17.
            QCOMPARE(shot.pixelColor(16, 28), QColor(Qt::black));
            QCOMPARE(shot.pixelColor(17, 28), QColor(Qt::black));
            QCOMPARE(shot.pixelColor(18, 28), QColor(0xFF8000));
            auto* picture = w.get<zentaloger::toolkit::Image>(name);
            const QRect box(picture->mapTo(w.form, QPoint(0, 0)), picture->size());
            QRegion uncovered(box);
            for (QWidget* other : w.form->findChildren<QWidget*>()) {
                if (other != picture && other->isVisible() && other->objectName() != "shpZENTARI" &&
                    !qobject_cast<zentaloger::toolkit::Frame*>(other)) {
                    uncovered -= QRect(other->mapTo(w.form, QPoint(0, 0)), other->size());
                }
            }
            // Some of the logo shows; the card's marks cut its picture.
            QVERIFY(uncovered.rectCount() > (picture->objectName() == "imgLOGO" ? 0 : 1));
            const QImage expected =
                QImage(QStringLiteral(":/BITMAP/%1").arg(picture->pictureNumber()))
                    .convertToFormat(QImage::Format_RGB32);
            for (const QRect& part : uncovered) {
                QCOMPARE(shot.copy(QRect(part.topLeft() * 2, part.size() * 2)),
                         expected.copy(part.translated(-box.topLeft())).scaled(part.size() * 2));
            }
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
