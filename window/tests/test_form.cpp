// The form through its real widgets: the language switch and the order change at the clamps,
// when the card is rebuilt, the start-up state with the stacking and the element look-up,
// moving the window, and what the grabbed window shows where.
#include <QScrollBar>
#include <QtTest>

#include "tests/support/fixture.h"

using namespace zentaloger;
using namespace zentaloger::testing;

namespace {

// The threads of Qt's worker pool that this process has started (Linux names them so).
int WorkerThreads() {
    int count = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(task + QStringLiteral("/comm")));
        count += name.open(QIODevice::ReadOnly) && name.readAll().startsWith("Thread (pooled)");
    }
    return count;
}

}  // namespace

class TestForm : public QObject {
    Q_OBJECT

  private slots:
    // Painting never hands work to worker threads and waits for them: waking one costs more
    // than a whole step through the list. Qt starts them only when first needed, so this
    // runs first, before anything else in this process could have started them.
    void paintsWithoutWorkerThreads() {
        Window w;
        for (int page = 0; page < pages::kPageCount; ++page) {
            w.pages.ShowPage(page);
            for (int step = 0; step < 20; ++step) {
                QTest::keyClick(w.list(), Qt::Key_Down);
                w.form->repaint();
            }
        }
        QCOMPARE(WorkerThreads(), 0);
    }

    // The clicks reach the rules (their arithmetic: test_browse) and the card follows. Start
    // in English, in order `order`: page from `top`, click line `line`; then, counting the
    // card's rebuilds, what `clicks` names in turn: a language label ("ru", "en"), an order
    // option ("o0" to "o2"; "x2" with the right button), a line ("l4") or a scroll ("s1").
    // English alphabetical row of species n: ((n - 101) mod 251) + 1; Russian: 252 - n.
    void switches_data() {
        for (const char* column : {"order", "top", "line"}) {
            QTest::addColumn<int>(column);
        }
        QTest::addColumn<QString>("clicks");
        for (const char* column : {"number", "selectedRow", "topRow", "builds"}) {
            QTest::addColumn<int>(column);
        }
        // clang-format off
        QTest::newRow("start, the selected line clicked") << 0 << 1 << 0 << "l0" << 1 << 1 << 1 << 0;
        QTest::newRow("another line clicked") << 0 << 1 << 0 << "l4" << 5 << 5 << 1 << 1;
        QTest::newRow("scrolled off and back") << 0 << 1 << 0 << "s50 s1" << 1 << 1 << 1 << 0;
        // English alphabetical row 15 is species 115; Russian puts it on row 137.
        QTest::newRow("language, alphabetical, keeps its line") << 2 << 10 << 5 << "ru" << 115 << 137 << 132 << 2;
        QTest::newRow("language there and back") << 2 << 10 << 5 << "ru en" << 115 << 15 << 10 << 4;
        QTest::newRow("order keeps line 5") << 0 << 145 << 5 << "o2" << 150 << 50 << 45 << 0;
        QTest::newRow("order, right button does nothing") << 0 << 145 << 5 << "x2" << 150 << 150 << 145 << 0;
        QTest::newRow("order where the label differs") << 0 << 1 << 4 << "o1" << 5 << 5 << 1 << 1;
        QTest::newRow("order where it agrees again") << 0 << 1 << 5 << "o1" << 6 << 6 << 1 << 0;
        // clang-format on
    }
    void switches() {
        QFETCH(int, order);
        QFETCH(int, top);
        QFETCH(int, line);
        QFETCH(QString, clicks);
        QFETCH(int, number);
        Window w;
        w.clickOrder(order);
        w.scrollTo(top);
        w.clickLine(line);
        w.pages.refreshes = 0;
        int language = 1;
        for (const QString& click : clicks.split(u' ')) {
            const int n = click.mid(1).toInt();
            if (click[0] == u'o') {
                w.clickOrder(order = n);
            } else if (click[0] == u'l') {
                w.clickLine(n);
            } else if (click[0] == u's') {
                w.scrollTo(n);
            } else if (click[0] == u'x') {
                QTest::mouseClick(w.get<toolkit::OptionButton>("optMODE", n), Qt::RightButton);
            } else {
                w.clickLabel("lblLANG", language = click == u"en");
            }
        }
        QTEST(w.pages.refreshes, "builds");
        QCOMPARE(std::pair(Index(w.view.language), Index(w.view.listOrder)),
                 std::pair(language, order));
        QTEST(w.view.selectedRow, "selectedRow");
        QTEST(w.view.topRow, "topRow");
        // The marked line shows the species (where lines and rows stand the random session checks).
        QCOMPARE(SpeciesNumberOfLabel(w.list()->list(w.list()->listIndex())), number);
        // The card shows the species in the language. (The list's lines, the card's name, type
        // and picture and the order options the random session checks after every event.)
        const SpeciesRecord& species = w.db->species[number - 1];
        QCOMPARE(w.label("lblHEIGHT")->caption(), species.heightLabel[language].toString());
        QCOMPARE(w.label("lblWEIGHT")->caption(), species.weightLabel[language].toString());
        // The window's own captions and logo follow the language.
        auto* option = w.get<toolkit::OptionButton>("optMODE", 1);
        QCOMPARE(w.label("lblUP")->caption(), QString(language == 0 ? "ВВЕРХ" : "UP"));
        QCOMPARE(option->caption(), QString(language == 0 ? "ЭВОЛЮЦИОННЫЙ" : "EVOLUTIONARY"));
        QCOMPARE(w.get<toolkit::Image>("imgLOGO")->pictureNumber(), 1000 + language);
        // The chosen language label in the selection's colours, the other in the idle ones.
        const auto colours = [&](int index) {
            const toolkit::Label* label = w.label("lblLANG", index);
            return std::pair(label->foreColor().rgb() & 0xFFFFFF,
                             label->backColor().rgb() & 0xFFFFFF);
        };
        QCOMPARE(colours(language), std::pair(toolkit::kSelection.fore, toolkit::kSelection.back));
        QCOMPARE(colours(1 - language), std::pair(toolkit::kIdle.fore, toolkit::kIdle.back));
    }

    // The list has the focus from the start, so the keys work at once; the icon follows the
    // first frame; the list shows exactly its 16 rows; a held bar steps every 100 ms; where
    // elements of different owners overlap, the earlier of two in the design is later among
    // the children; a misspelt name or a wrong kind is reported at once by name; the close box
    // works.
    void startUp() {
        Window w;
        QCOMPARE(QApplication::focusWidget(), w.list());
        QCoreApplication::processEvents();
        QVERIFY(w.form->windowIcon().availableSizes().contains(QSize(256, 256)));
        QListWidget* list = w.list();
        QCOMPARE(list->visualItemRect(list->item(15)).bottom(), list->viewport()->height() - 1);
        QVERIFY(!list->verticalScrollBar()->isVisible());
        for (const char* bar : {"tUP", "tDOWN"}) {
            for (int index : {0, 1}) {
                QCOMPARE(w.get<toolkit::Timer>(bar, index)->interval(), 100);
            }
        }
        const QObjectList children = w.form->children();
        auto at = [&](const char* name) {
            return children.indexOf(
                w.form->findChild<QObject*>(QLatin1String(name), Qt::FindDirectChildrenOnly));
        };
        for (const auto& [front, back] : {std::pair{"lblTM_TM(36)", "shpHEIGHT"},
                                          {"lblEVOLUTION_EVOLUTION(0)", "imgZENTARI"},
                                          {"lblVERSION(5)", "imgZENTARI"},
                                          {"fraSTATISTICS", "lblTYPE"},
                                          {"lstZENTARI", "lblSCROLLER"}}) {
            QVERIFY2(at(front) > at(back) && at(back) >= 0, front);
        }
        for (const auto& [name, index, message] :
             {std::tuple{"lblNAMES", -1, "no element is named lblNAMES"},
              {"shpNAME", -1,
               "shpNAME is a zentaloger::toolkit::Shape, not a zentaloger::toolkit::Label"},
              {"lblVERSION", 6, "no element is named lblVERSION(6)"}}) {
            try {
                w.form->element<toolkit::Label>(name, index);
                QFAIL(name);
            } catch (const std::logic_error& error) {
                QCOMPARE(error.what(), message);
            }
        }
        // A click through the window on the close box, its cross lying over it, ends the
        // program.
        QTest::mouseClick(w.form->windowHandle(), Qt::LeftButton, {}, QPoint(364, 12));
        QCOMPARE(w.exits, 1);
    }

    // A left drag on the background or the large picture moves the window by the pointer's
    // travel (no window manager here, so the window follows the pointer itself); a drag on a
    // label or with the right button does not. A held thumb moves the list instead, until a
    // right click on it ends its drag (`ended`): then the move is the background's.
    void dragMovesTheWindow_data() {
        QTest::addColumn<QString>("on");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("ended");
        QTest::addColumn<QPoint>("moved");
        const Qt::MouseButton left = Qt::LeftButton;
        QTest::newRow("background") << "ZENTALOG" << left << false << QPoint(30, 20);
        QTest::newRow("background under a shape") << "shpORDER" << left << false << QPoint(30, 20);
        QTest::newRow("large picture") << "imgZENTARI" << left << false << QPoint(30, 20);
        QTest::newRow("right button") << "ZENTALOG" << Qt::RightButton << false << QPoint(0, 0);
        QTest::newRow("a label") << "lblTYPE" << left << false << QPoint(0, 0);
        QTest::newRow("held thumb") << "lblSCROLLER" << left << false << QPoint(0, 0);
        QTest::newRow("thumb after its drag ended")
            << "lblSCROLLER" << left << true << QPoint(30, 20);
    }
    void dragMovesTheWindow() {
        QFETCH(QString, on);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, ended);
        Window w;
        QWidget* element = on == u"ZENTALOG" ? w.form : w.form->findChild<QWidget*>(on);
        // The press goes through the window, so what lies at that point gets it.
        const QPoint start = element->mapTo(w.form, QPoint(3, 3));
        const QPoint before = w.form->pos();
        QWindow* window = w.form->windowHandle();
        // The pointer travels on the screen; each event is given where it is in the window
        // as the window is at that moment.
        const QPoint pointer = w.form->mapToGlobal(start);
        auto at = [&w, pointer](QPoint travel) { return w.form->mapFromGlobal(pointer + travel); };
        QTest::mousePress(window, button, {}, start);
        if (ended) {
            QTest::mousePress(window, Qt::RightButton, {}, start);
            QTest::mouseRelease(window, Qt::RightButton, {}, start);
        }
        QTest::mouseMove(window, at(QPoint(10, 5)));
        QTest::mouseMove(window, at(QPoint(30, 20)));
        QTest::mouseRelease(window, button, {}, at(QPoint(30, 20)));
        QTEST(w.form->pos() - before, "moved");
    }

    // Probes of the grabbed window at layout points: stacking, transparency, borders and
    // colours. (Where the thumb stands for each first row the random session checks.)
    void pixels_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");
        const QColor back(0xC00000), orange(0xFF8000), yellow(0xFFFF00), black(Qt::black);
        // clang-format off
        QTest::newRow("window background") << QPoint(2, 2) << back;
        QTest::newRow("name box through its transparent label") << QPoint(130, 14) << orange;
        QTest::newRow("height box through its label") << QPoint(130, 193) << QColor(0xFFFF80);
        QTest::newRow("open tab") << QPoint(10, 302) << yellow;
        QTest::newRow("closed tab") << QPoint(134, 302) << QColor(0x800000);
        QTest::newRow("English label chosen") << QPoint(265, 9) << yellow;
        QTest::newRow("statistics page background") << QPoint(12, 298) << QColor(Qt::white);
        QTest::newRow("order box behind the options") << QPoint(265, 225) << orange;
        QTest::newRow("type line") << QPoint(12, 218) << orange;
        QTest::newRow("type line's left border") << QPoint(8, 218) << black;
        QTest::newRow("type line's bottom right corner") << QPoint(256, 224) << black;
        QTest::newRow("UP bar") << QPoint(268, 29) << yellow;
        QTest::newRow("credits line, transparent") << QPoint(4, 342) << back;
        QTest::newRow("close cross") << QPoint(364, 12) << black;
        QTest::newRow("selected line") << QPoint(365, 37) << QColor(0x000080);
        QTest::newRow("other line") << QPoint(365, 48) << QColor(Qt::white);
        QTest::newRow("thumb at the top") << QPoint(370, 40) << yellow;
        QTest::newRow("track below the thumb") << QPoint(370, 120) << back;
        // clang-format on
    }
    void pixels() {
        QFETCH(QPoint, at);
        Window w;
        QTEST(w.form->grab().toImage().pixelColor(at), "colour");
    }
};

QTEST_MAIN(TestForm)
#include "test_form.moc"
