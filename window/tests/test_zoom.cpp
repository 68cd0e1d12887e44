// The window at a zoom of 2 or 3 is the 1x window with every pixel repeated, as far as its
// pictures and shapes go; a pointer lands on the same element and moves the same twips; the
// view state, the list and the open page survive a zoom change. The screen is 1600 x 1200, so
// 3x (1131 x 1047) fits and 4x (1508 x 1396) does not.
#include <QApplication>
#include <QtTest>

#include "tests/support/fixture.h"
#include "window/placement.h"

using namespace zentaloger;
using namespace zentaloger::testing;

namespace {

// `image` with each pixel a zoom x zoom block.
QImage Repeated(const QImage& image, int zoom) {
    return image.scaled(image.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void Send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, w->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

}  // namespace

class TestZoom : public QObject {
    Q_OBJECT
  private slots:
    void picturesRepeatEachPixel() {
        Window w;
        w.show(7);
        auto* picture = w.get<toolkit::Image>("imgZENTARI");
        const QImage at1 = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int zoom : {2, 3}) {
            QVERIFY(w.form->setZoom(zoom));
            QCOMPARE(picture->grab().toImage().convertToFormat(QImage::Format_RGB32),
                     Repeated(at1, zoom));
        }
    }

    // A click at three times an element's 1x place reaches that element.
    void clicksReachTheSameElements() {
        Window w;
        const struct {
            const char* name;
            QWidget* (*element)(const Window&);
            QPoint (*at)(const Window&);  // in the element's 1x pixels
            bool (*chosen)(const Window&);
        } rows[] = {
            {"a tab", [](const Window& w) -> QWidget* { return w.label("lblTM"); },
             [](const Window&) { return QPoint(20, 5); },
             [](const Window& w) { return w.label("lblTM")->chosen(); }},
            {"a language label", [](const Window& w) -> QWidget* { return w.label("lblLANG", 0); },
             [](const Window&) { return QPoint(3, 3); },
             [](const Window& w) { return w.view.language == Language::Russian; }},
            {"a list line", [](const Window& w) -> QWidget* { return w.list()->viewport(); },
             [](const Window& w) { return w.list()->visualItemRect(w.list()->item(9)).center(); },
             [](const Window& w) { return w.list()->currentRow() == 9; }},
            {"an order option",
             [](const Window& w) -> QWidget* { return w.get<toolkit::OptionButton>("optMODE", 2); },
             [](const Window&) { return QPoint(40, 4); },
             [](const Window& w) { return w.view.listOrder == Order(2); }},
        };
        std::vector<QPoint> at1;
        for (const auto& row : rows) {
            at1.push_back(row.element(w)->mapTo(w.form, row.at(w)));
            QVERIFY2(!row.chosen(w), row.name);
        }
        QVERIFY(w.form->setZoom(3));
        for (std::size_t i = 0; i < at1.size(); ++i) {
            QTest::mouseClick(w.form->windowHandle(), Qt::LeftButton, {},
                              at1[i] * 3 + QPoint(1, 2));
            QVERIFY2(rows[i].chosen(w), rows[i].name);
        }
    }

    // The same drags, in pixels three times as long, move the list and the window alike.
    void dragsAtZoom3() {
        Window w;
        auto* thumb = w.label("lblSCROLLER");
        std::vector<int> topRows;
        for (int zoom : {1, 3}) {
            QVERIFY(w.form->setZoom(zoom));
            w.at(1, 1);
            Send(thumb, QEvent::MouseButtonPress, QPoint(2, 2) * zoom, Qt::LeftButton);
            Send(thumb, QEvent::MouseMove, QPoint(2, 62) * zoom, Qt::LeftButton);
            Send(thumb, QEvent::MouseButtonRelease, QPoint(2, 62) * zoom, Qt::NoButton);
            topRows.push_back(w.view.topRow);
        }
        QVERIFY(topRows[0] > 1);
        QCOMPARE(topRows[1], topRows[0]);

        auto* picture = w.get<toolkit::Image>("imgZENTARI");
        const QPoint before = w.form->pos();
        Send(picture, QEvent::MouseButtonPress, QPoint(60, 60), Qt::LeftButton);
        Send(picture, QEvent::MouseMove, QPoint(90, 45), Qt::LeftButton);
        Send(picture, QEvent::MouseButtonRelease, QPoint(90, 45), Qt::NoButton);
        QCOMPARE(w.form->pos(), before + QPoint(30, -15));
    }

    // Everything but the size stays through a zoom change, by call or by the keys with the
    // list focused; a step that would not fit the screen is not taken.
    void stateSurvives() {
        Window w;
        w.clickLabel("lblLANG", 0);
        w.clickOrder(2);
        w.at(40, 45);
        w.list()->setSelected(5);
        w.clickLabel("lblTM");
        const ViewState view = w.view;
        const int page = w.pages.openPage();
        const QPoint corner(100, 50);
        w.form->move(corner);
        const auto same = [&] {
            return w.view.topRow == view.topRow && w.view.selectedRow == view.selectedRow &&
                   w.view.language == view.language && w.view.listOrder == view.listOrder &&
                   w.list()->currentRow() == 5 && w.pages.openPage() == page &&
                   w.label("lblNAME")->caption() == w.list()->list(5);
        };
        QVERIFY(same());
        w.list()->setFocus();
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, pad = ctrl | Qt::KeypadModifier;
        for (auto [key, modifiers, zoom] : {std::tuple{Qt::Key_Equal, ctrl, 2},
                                            {Qt::Key_Plus, pad, 3},
                                            {Qt::Key_Equal, ctrl, 3},
                                            {Qt::Key_Minus, ctrl, 2},
                                            {Qt::Key_0, ctrl, 1}}) {
            QTest::keyClick(w.list(), key, modifiers);
            QCOMPARE(w.form->zoom(), zoom);
            QCOMPARE(w.form->size(), QSize(377, 349) * zoom);
            QVERIFY(same());
        }
        QCOMPARE(w.form->pos(), corner);

        // Ctrl and the wheel zoom over the window; over the list they scroll it. (Qt passes a
        // turn from an element on to the window only as the window system sends it: the real
        // window's script turns the wheel over the card's picture.)
        const auto wheel = [&](QWidget* over, int delta) {
            QWheelEvent event(QPointF(5, 5), over->mapToGlobal(QPoint(5, 5)), {}, {0, delta},
                              Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(over, &event);
        };
        wheel(w.form, 120);
        QCOMPARE(w.form->zoom(), 2);
        wheel(w.list()->viewport(), -120);
        QCOMPARE(w.form->zoom(), 2);
        QCOMPARE(w.view.topRow, view.topRow + 1);
        wheel(w.form, -60);  // half a notch turns nothing yet
        QCOMPARE(w.form->zoom(), 2);
        wheel(w.form, -60);
        QCOMPARE(w.form->zoom(), 1);
    }

    // A window grown by a zoom step keeps its corner where it can, and stays on the screen.
    void resizedPosition() {
        const struct {
            const char* name;
            QPoint topLeft;
            QSize size;
            QPoint placed;
        } rows[] = {
            {"room: the corner stays", {100, 50}, {754, 698}, {100, 50}},
            {"past the right and bottom: moved back", {1000, 700}, {754, 698}, {846, 502}},
            {"left of the screen: moved on", {-20, 10}, {377, 349}, {0, 10}},
            {"wider than the screen: its right end on it", {30, 30}, {1700, 600}, {-100, 30}},
        };
        for (const auto& row : rows) {
            QVERIFY2(ResizedPosition({0, 0, 1600, 1200}, row.topLeft, row.size) == row.placed,
                     row.name);
        }
    }
};

int main(int argc, char* argv[]) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(R"({"screens": [{"name": "big", "x": 0, "y": 0, "width": 1600,
                       "height": 1200, "logicalDpiX": 96, "logicalDpiY": 96, "dpr": 1}]})") < 0) {
        return 1;
    }
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    QApplication app(argc, argv);
    TestZoom test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_zoom.moc"
