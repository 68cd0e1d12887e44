// The element layer's behaviours that the form's handlers rely on, each checked through real
// widgets and real (synthetic) input: when Click is raised, the order of mouse events, the
// list's own keys, accents inside their rows. (The window's tests cover the rest in place.)
// And the fast reader of the embedded pictures against Qt's own image reader: every shipped
// picture pixel for pixel, and damaged or foreign bitmaps refused (then Qt's reader decides).
#include <QBuffer>
#include <QtTest>

#include "window/toolkit/bitmap.h"
#include "window/toolkit/toolkit.h"

using namespace zentaloger::toolkit;

namespace {

// A 200 x 200 window with a 16-line list at the top left and a second focusable widget.
struct ListWindow {
    QWidget window, *other = new QWidget(&window);
    ListBox* list = new ListBox(&window, 11, Font(9, false));
    ListWindow() {
        window.resize(200, 200);
        list->setGeometry(0, 0, 105, 178);
        other->setGeometry(150, 0, 20, 20);
        other->setFocusPolicy(Qt::StrongFocus);
        for (int i = 0; i < 16; ++i) {
            list->addItem(QStringLiteral("%1 - LINE").arg(i + 1, 3, 10, QLatin1Char('0')));
        }
        window.show();
        list->setFocus();
    }
};

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

}  // namespace

class TestToolkit : public QObject {
    Q_OBJECT

  private slots:
    // From line `from` (-1: none), one action: "code N" (setSelected), "clear", "focus" (the
    // focus leaves and comes back), a left or right click on line N ("mouse N", "right N"),
    // or a key with modifiers ("C+Down"). Click comes once per new line, before the call that
    // chose it returns, with the new line already reported; the line moved to is the one
    // selected. The list's own keys are a standard single-selection list's whatever the
    // modifier: one line per arrow (Left as Up, Right as Down), Page Up and Home to the first
    // line, Page Down and End to the last.
    void listClick_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("line");
        QTest::newRow("from code") << "code 5" << -1 << 1 << 5;
        QTest::newRow("from code, same line") << "code 5" << 5 << 0 << 5;
        QTest::newRow("from code, out of range") << "code 16" << 3 << 0 << 3;
        QTest::newRow("clearing") << "clear" << 3 << 0 << -1;
        QTest::newRow("focus with no line chooses none") << "focus" << -1 << 0 << -1;
        QTest::newRow("mouse") << "mouse 7" << 3 << 1 << 7;
        QTest::newRow("mouse on the selected line") << "mouse 3" << 3 << 0 << 3;
        QTest::newRow("right button chooses nothing") << "right 7" << 3 << 0 << 3;
        QTest::newRow("Ctrl+click keeps the selected line") << "C+mouse 3" << 3 << 0 << 3;
        QTest::newRow("Ctrl+Space keeps the selected line") << "C+Space" << 3 << 0 << 3;
        QTest::newRow("Down") << "Down" << 3 << 1 << 4;
        QTest::newRow("Ctrl+Right steps down") << "C+Right" << 3 << 1 << 4;
        QTest::newRow("Shift+Left steps up") << "S+Left" << 3 << 1 << 2;
        QTest::newRow("Page Up from the last line") << "PgUp" << 15 << 1 << 0;
        QTest::newRow("Page Down from the first line") << "PgDown" << 0 << 1 << 15;
        QTest::newRow("no line: Up chooses the first") << "Up" << -1 << 1 << 0;
        QTest::newRow("no line: Down chooses the first") << "Down" << -1 << 1 << 0;
        QTest::newRow("no line: End chooses the last") << "End" << -1 << 1 << 15;
    }
    void listClick() {
        QFETCH(QString, how);
        QFETCH(int, from);
        QFETCH(int, line);
        ListWindow w;
        w.list->setCurrentRow(from);
        int clicks = 0;
        int lineSeen = -2;
        connect(w.list, &ListBox::click, w.list, [&] {
            ++clicks;
            lineSeen = w.list->listIndex();
        });
        const int n = how.section(u' ', 1).toInt();
        const Qt::KeyboardModifiers modifiers = how.startsWith(u"C+")   ? Qt::ControlModifier
                                                : how.startsWith(u"S+") ? Qt::ShiftModifier
                                                                        : Qt::NoModifier;
        how = how.section(u'+', -1);
        if (how.startsWith(u"code")) {
            w.list->setSelected(n);
            QCOMPARE(lineSeen, clicks ? line : -2);  // already inside the call
        } else if (how == u"clear") {
            w.list->clear();
        } else if (how == u"focus") {
            w.other->setFocus();
            w.list->setFocus();
        } else if (how.startsWith(u"mouse") || how.startsWith(u"right")) {
            QTest::mouseClick(w.list->viewport(), how[0] == u'r' ? Qt::RightButton : Qt::LeftButton,
                              modifiers, w.list->visualItemRect(w.list->item(n)).center());
        } else {
            const QHash<QString, Qt::Key> keys{
                {"Up", Qt::Key_Up},       {"Down", Qt::Key_Down},   {"Left", Qt::Key_Left},
                {"Right", Qt::Key_Right}, {"PgUp", Qt::Key_PageUp}, {"PgDown", Qt::Key_PageDown},
                {"Home", Qt::Key_Home},   {"End", Qt::Key_End},     {"Space", Qt::Key_Space}};
            QTest::keyClick(w.list, keys.value(how), modifiers);
        }
        QTEST(clicks, "clicks");
        QCOMPARE(w.list->listIndex(), line);
        QCOMPARE(w.list->selectedItems().size(), line < 0 ? 0 : 1);
        QVERIFY(line < 0 || w.list->item(line)->isSelected());
    }

    // A label's mouse events for a left click, then for a press carried outside it before
    // the release (no Click then), with the positions in twips; a right click gives no Click.
    void labelMouse() {
        QWidget window;
        window.resize(200, 100);
        auto* label = new Label(&window, 3);
        label->setGeometry(10, 10, 50, 20);
        window.show();
        QStringList events;
        auto record = [&events](const char* what) {
            return [&events, what](int index, int b, int s, int x, int y) {
                events << QString::asprintf("%s %d %d %d %d %d", what, index, b, s, x, y);
            };
        };
        connect(label, &Label::mouseDown, label, record("down"));
        connect(label, &Label::mouseUp, label, record("up"));
        connect(label, &Label::mouseMove, label, record("move"));
        connect(label, &Label::click, label, [&events](int) { events << "click"; });
        QWindow* handle = window.windowHandle();
        QTest::mouseClick(handle, Qt::LeftButton, Qt::ShiftModifier, QPoint(13, 14));
        QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(13, 14));
        QTest::mouseMove(handle, QPoint(80, 14));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(80, 14));
        QTest::mouseClick(handle, Qt::RightButton, {}, QPoint(13, 14));
        QCOMPARE(events, (QStringList{"down 3 1 1 45 60", "up 3 1 1 45 60", "click",
                                      "down 3 1 0 45 60", "move 3 1 0 1050 60", "up 3 1 0 1050 60",
                                      "down 3 2 0 45 60", "up 3 2 0 45 60"}));
    }

    // The tallest accents (the breve of Й, the dots of Ё) stay inside an 11-px list row and an
    // 11-px bordered label: each letter draws differently from its plain form.
    void accentsFitTheRow() {
        auto listRow = [](const QString& text) {
            ListWindow w;
            w.list->item(0)->setText(text);
            return w.list->viewport()->grab(w.list->visualItemRect(w.list->item(0))).toImage();
        };
        auto label = [](const QString& text) {
            QWidget window;
            auto* l = new Label(&window);
            l->setFont(Font(9, true));
            l->setBorder(true);
            l->setGeometry(0, 0, 40, 13);
            l->setCaption(text);
            window.show();
            // Only the rows inside the border: ink clipped by it would not count.
            return l->grab(QRect(1, 1, 38, 11)).toImage();
        };
        for (const auto& [accented, plain] : {std::pair{u"Й", u"И"}, {u"Ё", u"Е"}}) {
            const QString a = QString::fromUtf16(accented), p = QString::fromUtf16(plain);
            QVERIFY2(listRow(a) != listRow(p), qPrintable(a));
            QVERIFY2(label(a) != label(p), qPrintable(a));
        }
    }

    void everyEmbeddedPicture() {
        QList<int> numbers{1000, 1001};
        for (int n = 101; n <= 351; ++n) {
            numbers << n << n + 400;
        }
        auto expected = [](int n) {
            return QImage(QStringLiteral(":/BITMAP/%1").arg(n))
                .convertToFormat(QImage::Format_RGB32);
        };
        for (int n : numbers) {
            const QString path = QStringLiteral(":/BITMAP/%1").arg(n);
            QVERIFY2(!expected(n).isNull(), qPrintable(path));
            QVERIFY2(ReadEmbeddedPicture(path) == expected(n), qPrintable(path));
            // Through the store of decoded pictures, which stays within its budget.
            QVERIFY2(EmbeddedPixmap(n).toImage() == expected(n), qPrintable(path));
            QVERIFY(PictureStoreBytes() <= kPictureStoreBudget + expected(n).sizeInBytes());
        }
        // Back over the last ones, now from the store: each still its own picture.
        for (qsizetype k = numbers.size() - 1; k >= numbers.size() - 6; --k) {
            QVERIFY2(EmbeddedPixmap(numbers[k]).toImage() == expected(numbers[k]),
                     qPrintable(QString::number(numbers[k])));
        }
        QVERIFY(ReadEmbeddedPicture(QStringLiteral(":/BITMAP/99")).isNull());
        QVERIFY(EmbeddedPixmap(99).isNull());
    }

    // The small bitmap with one little-endian field of its header set (at -1: cut to that
    // many bytes instead).
    void damaged_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("read");
        const QByteArray good = SmallBitmap();
        const struct {
            const char* name;
            int at;
            qint32 value;
            bool read;
        } rows[] = {{"as written", -1, qint32(good.size()), true},
                    {"rows top down", 22, -3, true},
                    {"last pixel row cut", -1, qint32(good.size() - 1), false},
                    {"header only", -1, 54, false},
                    {"palette over the pixels", 46, 300, false},
                    {"huge width", 18, 1 << 30, false},
                    {"run-length coded", 30, 1, false},
                    {"4 bits a pixel", 28, 4, false},
                    {"not a bitmap", 0, 'P', false}};
        for (const auto& row : rows) {
            QByteArray b = row.at < 0 ? good.left(row.value) : good;
            for (int i = 0; row.at >= 0 && i < 4; ++i) {
                b[row.at + i] = char((quint32(row.value) >> (8 * i)) & 0xff);
            }
            QTest::newRow(row.name) << b << row.read;
        }
    }
    void damaged() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, read);
        const QImage image = ReadPaletteBitmap(bytes);
        QCOMPARE(!image.isNull(), read);
        if (read) {  // as Qt's own reader reads the same bytes
            QCOMPARE(image, QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32));
        }
    }
};

QTEST_MAIN(TestToolkit)
#include "test_toolkit.moc"
