// The form through its real widgets: the start-up state, the language switch and the order
// change at the clamps, when the card is rebuilt, and what the grabbed window shows where.
#include <QAccessible>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "fixture.h"
#include "placement.h"
#include "thumb.h"
#include "windowlayout.h"

using namespace zentaloger;
using namespace zentaloger::testing;

namespace {

// The species numbers on the 16 list lines.
QList<int> LineNumbers(const toolkit::ListBox* list) {
    QList<int> numbers;
    for (int i = 0; i < list->count(); ++i) {
        numbers << SpeciesNumberOfLabel(list->list(i));
    }
    return numbers;
}

QList<int> Numbers(int first, int count) {
    QList<int> numbers;
    for (int i = 0; i < count; ++i) {
        numbers << first + i;
    }
    return numbers;
}

}  // namespace

class TestForm : public QObject {
    Q_OBJECT

  private slots:
    void startUpState() {
        Window w;
        QCOMPARE(LineNumbers(w.list()), Numbers(1, 16));
        QCOMPARE(w.list()->listIndex(), 0);
        QCOMPARE(w.label("lblNAME")->caption(), LabelOf(1, 1));
        QCOMPARE(w.label("lblTYPE")->caption(), w.db->species[0].typeLabel[1].toString());
        QCOMPARE(w.label("lblHEIGHT")->caption(), w.db->species[0].heightLabel[1].toString());
        QCOMPARE(w.label("lblWEIGHT")->caption(), w.db->species[0].weightLabel[1].toString());
        QCOMPARE(w.label("lblDESCRIPTION_DESCRIPTION")->caption(),
                 w.db->species[0].description[1].toString());
        QCOMPARE(w.get<toolkit::Image>("imgZENTARI")->pictureNumber(), 101);
        QCOMPARE(w.get<toolkit::Image>("imgLOGO")->pictureNumber(), 1001);
        QCOMPARE(w.label("lblSCROLLER")->top(), 525);
        QVERIFY(w.get<toolkit::OptionButton>("optMODE", 0)->value());
        QVERIFY(!w.get<toolkit::OptionButton>("optMODE", 1)->value());
        QCOMPARE(w.label("lblUP")->caption(), QStringLiteral("UP"));
        QCOMPARE(w.label("lblMOVES_PP", 0)->caption(), QStringLiteral("POWER   POINTS   (PP)"));
        QCOMPARE(w.label("lblLANG", 1)->backColor(), QColor(0xFFFF00));
        QCOMPARE(w.label("lblLANG", 0)->backColor(), QColor(0x800000));
        QCOMPARE(QApplication::focusWidget(), w.list());
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Zentaloger"));
        QCOMPARE(w.form->size(), QSize(377, 349));
        QCOMPARE(w.label("lblEXIT")->toolTip(), QStringLiteral("Close"));
        QCoreApplication::processEvents();  // the icon follows the first frame
        QVERIFY(w.form->windowIcon().availableSizes().contains(QSize(256, 256)));
    }

    // Start in English, in `order`: page from `top`, click line `line`, then optionally
    // scroll to `scroll`; then click the language label `language`.
    void languageSwitch_data() {
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("scroll");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<int>("topRow");
        QTest::addColumn<int>("expectedLine");
        // English alphabetical row 15 is species 115; Russian puts it on row 137.
        QTest::newRow("alphabetical, keeps its line")
            << 2 << 10 << 5 << 0 << 0 << 115 << 137 << 132 << 5;
        QTest::newRow("alphabetical, clamped at the top")
            << 2 << 145 << 5 << 0 << 0 << 250 << 2 << 1 << 1;
        QTest::newRow("alphabetical, clamped at the bottom")
            << 2 << 151 << 2 << 0 << 0 << 2 << 250 << 236 << 14;
        QTest::newRow("alphabetical, off the page")
            << 2 << 1 << 0 << 50 << 0 << 101 << 151 << 151 << 0;
        QTest::newRow("alphabetical, off the page near the end")
            << 2 << 150 << 4 << 1 << 0 << 3 << 249 << 236 << 13;
        QTest::newRow("same language, on the page")
            << 2 << 10 << 5 << 0 << 1 << 115 << 15 << 10 << 5;
        QTest::newRow("same language, off the page")
            << 2 << 10 << 5 << 100 << 1 << 115 << 15 << 15 << 0;
        QTest::newRow("numerical keeps row and page")
            << 0 << 20 << 7 << 0 << 0 << 27 << 27 << 20 << 7;
        QTest::newRow("evolutionary keeps row and page")
            << 1 << 230 << 15 << 0 << 0 << 245 << 245 << 230 << 15;
    }

    void languageSwitch() {
        QFETCH(int, order);
        QFETCH(int, top);
        QFETCH(int, line);
        QFETCH(int, scroll);
        QFETCH(int, language);
        Window w;
        w.clickOrder(order);
        w.scrollTo(top);
        w.clickLine(line);
        if (scroll) {
            w.scrollTo(scroll);
        }
        w.clickLabel("lblLANG", language);

        QFETCH(int, number);
        QTEST(w.view.language, "language");
        QTEST(w.view.selectedRow, "selectedRow");
        QTEST(w.view.topRow, "topRow");
        QTEST(w.list()->listIndex(), "expectedLine");
        QCOMPARE(w.shownNumber(), number);
        QCOMPARE(SpeciesNumberOfLabel(w.list()->list(w.list()->listIndex())), number);
        QCOMPARE(w.label("lblNAME")->caption(), LabelOf(number, language));
        // Every line of the card follows the language.
        const SpeciesRecord& species = w.db->species[number - 1];
        QCOMPARE(w.label("lblTYPE")->caption(), species.typeLabel[language].toString());
        QCOMPARE(w.label("lblHEIGHT")->caption(), species.heightLabel[language].toString());
        QCOMPARE(w.label("lblWEIGHT")->caption(), species.weightLabel[language].toString());
        QCOMPARE(w.label("lblDESCRIPTION_DESCRIPTION")->caption(),
                 species.description[language].toString());
        QCOMPARE(w.label("lblUP")->caption(),
                 language == 0 ? QStringLiteral("ВВЕРХ") : QStringLiteral("UP"));
        QCOMPARE(w.get<toolkit::OptionButton>("optMODE", 1)->caption(),
                 language == 0 ? QStringLiteral("ЭВОЛЮЦИОННЫЙ") : QStringLiteral("EVOLUTIONARY"));
        QCOMPARE(w.get<toolkit::Image>("imgLOGO")->pictureNumber(), 1000 + language);
        QCOMPARE(w.label("lblLANG", language)->backColor(), QColor(0xFFFF00));
        QCOMPARE(w.label("lblLANG", 1 - language)->foreColor(), QColor(0x808080));
        QVERIFY(w.get<toolkit::OptionButton>("optMODE", order)->value());
        // The picture follows the species, not the language.
        QCOMPARE(w.get<toolkit::Image>("imgZENTARI")->pictureNumber(), 100 + number);
    }

    void bothSwitchesBack() {
        Window w;
        w.clickOrder(2);
        w.scrollTo(10);
        w.clickLine(5);
        w.clickLabel("lblLANG", 0);
        w.clickLabel("lblLANG", 1);
        QCOMPARE(w.view.selectedRow, 15);
        QCOMPARE(w.view.topRow, 10);
        QCOMPARE(w.list()->listIndex(), 5);
        QCOMPARE(w.label("lblNAME")->caption(), LabelOf(115, 1));
    }

    // From the numerical order, English: page from `top`, line `line`, optionally scroll,
    // then choose `order`. English alphabetical row of species n: ((n - 101) mod 251) + 1.
    void orderChange_data() {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("scroll");
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<int>("topRow");
        QTest::addColumn<int>("expectedLine");
        QTest::newRow("keeps line 5") << 145 << 5 << 0 << 2 << 150 << 50 << 45 << 5;
        QTest::newRow("clamped at the top") << 98 << 5 << 0 << 2 << 103 << 3 << 1 << 2;
        QTest::newRow("clamped at the bottom") << 94 << 5 << 0 << 2 << 99 << 250 << 236 << 14;
        QTest::newRow("off the page starts the page") << 145 << 5 << 1 << 2 << 150 << 50 << 50 << 0;
        QTest::newRow("off the page, last row") << 95 << 5 << 1 << 2 << 100 << 251 << 236 << 15;
        QTest::newRow("same order, on the page") << 145 << 5 << 0 << 0 << 150 << 150 << 145 << 5;
        QTest::newRow("same order, off the page") << 145 << 5 << 1 << 0 << 150 << 150 << 150 << 0;
        QTest::newRow("same order, off the page past 236")
            << 236 << 15 << 1 << 0 << 251 << 251 << 236 << 15;
        QTest::newRow("evolutionary keeps row and page")
            << 200 << 9 << 0 << 1 << 209 << 209 << 200 << 9;
    }

    void orderChange() {
        QFETCH(int, top);
        QFETCH(int, line);
        QFETCH(int, scroll);
        QFETCH(int, order);
        QFETCH(int, number);
        QFETCH(int, topRow);
        Window w;
        w.scrollTo(top);
        w.clickLine(line);
        if (scroll) {
            w.scrollTo(scroll);
        }
        w.clickOrder(order);
        QCOMPARE(w.view.listOrder, order);
        QTEST(w.view.selectedRow, "selectedRow");
        QCOMPARE(w.view.topRow, topRow);
        QTEST(w.list()->listIndex(), "expectedLine");
        QCOMPARE(w.shownNumber(), number);
        QCOMPARE(SpeciesNumberOfLabel(w.list()->list(w.list()->listIndex())), number);
        QCOMPARE(w.list()->list(0), w.db->listLabel[topRow - 1][1][order].toString());
        for (int i = 0; i < kOrderCount; ++i) {
            QCOMPARE(w.get<toolkit::OptionButton>("optMODE", i)->value(), i == order);
        }
        const double thumb = 525 + 2505.0 * (topRow - 1) / 235;
        QVERIFY2(qAbs(w.label("lblSCROLLER")->top() - thumb) <= 15, "thumb within a pixel");
    }

    // How often the card is rebuilt by each action, after a start at species 1 on line 0.
    void cardRebuilds_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("builds");
        QTest::addColumn<QString>("name");
        QTest::newRow("click the selected line") << "line 0" << 0 << LabelOf(1, 1);
        QTest::newRow("click another line") << "line 4" << 1 << LabelOf(5, 1);
        QTest::newRow("scroll it off and back") << "scroll" << 0 << LabelOf(1, 1);
        QTest::newRow("order with the same label") << "alphabetical" << 0 << LabelOf(1, 1);
        QTest::newRow("order where the label differs")
            << "evolutionary at 5" << 1 << LabelOf(5, 1, QStringLiteral(" (II)"));
        QTest::newRow("order where it agrees again") << "evolutionary at 6" << 0 << LabelOf(6, 1);
        // The marking after the refill finds the old language's label, then the switch runs
        // the card itself.
        QTest::newRow("language switch") << "russian" << 2 << LabelOf(1, 0);
        QTest::newRow("same language") << "english" << 1 << LabelOf(1, 1);
    }

    void cardRebuilds() {
        QFETCH(QString, action);
        Window w;
        auto pickThenCount = [&w](int line) {
            w.clickLine(line);
            w.cardBuilds = 0;
        };
        if (action == u"line 0") {
            w.clickLine(0);
        } else if (action == u"line 4") {
            w.clickLine(4);
        } else if (action == u"scroll") {
            w.scrollTo(50);
            QCOMPARE(w.list()->listIndex(), -1);
            w.scrollTo(1);
            QCOMPARE(w.list()->listIndex(), 0);
        } else if (action == u"alphabetical") {
            w.clickOrder(2);
        } else if (action == u"evolutionary at 5") {
            pickThenCount(4);
            w.clickOrder(1);
        } else if (action == u"evolutionary at 6") {
            pickThenCount(5);
            w.clickOrder(1);
        } else if (action == u"russian") {
            w.clickLabel("lblLANG", 0);
        } else if (action == u"english") {
            w.clickLabel("lblLANG", 1);
        }
        QTEST(w.cardBuilds, "builds");
        QTEST(w.label("lblNAME")->caption(), "name");
    }

    // The list's own arrow keys choose a line, which shows its species.
    void listKeysShowTheSpecies() {
        Window w;
        QTest::keyClick(w.list(), Qt::Key_Down);
        QTest::keyClick(w.list(), Qt::Key_Down);
        QCOMPARE(w.view.selectedRow, 3);
        QCOMPARE(w.shownNumber(), 3);
        QCOMPARE(w.cardBuilds, 2);
        QTest::keyClick(w.list(), Qt::Key_End);
        QCOMPARE(w.shownNumber(), 251);
    }

    void closeBoxEndsTheProgram() {
        Window w;
        QSignalSpy exit(w.form.get(), &Form::exitRequested);
        w.clickLabel("lblEXIT");
        QCOMPARE(exit.count(), 1);
        w.clickLabel("lblNAME");
        QCOMPARE(exit.count(), 1);
    }

    // A left drag on the background or the large picture moves the window by the pointer's
    // travel (no window manager here, so the window follows the pointer itself); a drag on a
    // label or a right drag does not.
    void dragMovesTheWindow_data() {
        QTest::addColumn<QString>("on");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("moved");
        QTest::newRow("background") << "ZENTALOG" << Qt::LeftButton << QPoint(30, 20);
        QTest::newRow("background under a shape") << "shpORDER" << Qt::LeftButton << QPoint(30, 20);
        QTest::newRow("large picture") << "imgZENTARI" << Qt::LeftButton << QPoint(30, 20);
        QTest::newRow("right button") << "ZENTALOG" << Qt::RightButton << QPoint(0, 0);
        QTest::newRow("a label") << "lblTYPE" << Qt::LeftButton << QPoint(0, 0);
        QTest::newRow("the list") << "lstZENTARI" << Qt::LeftButton << QPoint(0, 0);
        QTest::newRow("a page") << "fraSTATISTICS" << Qt::LeftButton << QPoint(0, 0);
    }

    void dragMovesTheWindow() {
        QFETCH(QString, on);
        QFETCH(Qt::MouseButton, button);
        Window w;
        QWidget* element = on == u"ZENTALOG" ? w.form.get() : w.form->findChild<QWidget*>(on);
        QVERIFY(element);
        // The press goes through the window, so what lies at that point gets it.
        const QPoint start =
            element == w.form.get() ? QPoint(2, 2) : element->mapTo(w.form.get(), QPoint(3, 3));
        if (on == u"fraSTATISTICS") {
            QCOMPARE(w.form->childAt(start), element);
        }
        const QPoint before = w.form->pos();
        QWindow* window = w.form->windowHandle();
        // The pointer travels on the screen; each event is given where it is in the window
        // as the window is at that moment.
        const QPoint pointer = w.form->mapToGlobal(start);
        auto at = [&w, pointer](QPoint travel) { return w.form->mapFromGlobal(pointer + travel); };
        QTest::mousePress(window, button, {}, start);
        QTest::mouseMove(window, at(QPoint(10, 5)));
        QTest::mouseMove(window, at(QPoint(30, 20)));
        QTest::mouseRelease(window, button, {}, at(QPoint(30, 20)));
        QTEST(w.form->pos() - before, "moved");
    }

    // Probes of the grabbed window at layout points: stacking, transparency and colours.
    void pixels_data() {
        QTest::addColumn<int>("topRow");
        QTest::addColumn<int>("language");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("window background") << 1 << 1 << QPoint(2, 2) << QColor(0xC00000);
        QTest::newRow("background beside the list")
            << 1 << 1 << QPoint(262, 100) << QColor(0xC00000);
        QTest::newRow("name box left of its label") << 1 << 1 << QPoint(11, 14) << QColor(0xFF8000);
        QTest::newRow("name box through its transparent label")
            << 1 << 1 << QPoint(130, 14) << QColor(0xFF8000);
        QTest::newRow("name box border") << 1 << 1 << QPoint(8, 14) << QColor(Qt::black);
        QTest::newRow("picture box left of the picture")
            << 1 << 1 << QPoint(9, 100) << QColor(0xFFFFFF);
        QTest::newRow("picture box below the picture")
            << 1 << 1 << QPoint(200, 210) << QColor(0xFFFFFF);
        QTest::newRow("height box through its label")
            << 1 << 1 << QPoint(130, 193) << QColor(0xFFFF80);
        QTest::newRow("open tab") << 1 << 1 << QPoint(10, 302) << QColor(0xFFFF00);
        QTest::newRow("closed tab") << 1 << 1 << QPoint(134, 302) << QColor(0x800000);
        QTest::newRow("English label chosen") << 1 << 1 << QPoint(265, 9) << QColor(0xFFFF00);
        QTest::newRow("Russian label idle") << 1 << 1 << QPoint(313, 9) << QColor(0x800000);
        QTest::newRow("Russian label chosen") << 1 << 0 << QPoint(313, 9) << QColor(0xFFFF00);
        QTest::newRow("English label idle") << 1 << 0 << QPoint(265, 9) << QColor(0x800000);
        QTest::newRow("statistics page background")
            << 1 << 1 << QPoint(12, 300 - 2) << QColor(0xFFFFFF);
        QTest::newRow("order box behind the options")
            << 1 << 1 << QPoint(265, 225) << QColor(0xFF8000);
        QTest::newRow("type line") << 1 << 1 << QPoint(12, 218) << QColor(0xFF8000);
        QTest::newRow("order caption") << 1 << 1 << QPoint(268, 278) << QColor(0xFF8000);
        QTest::newRow("order option") << 1 << 1 << QPoint(360, 237) << QColor(0xFF8000);
        QTest::newRow("UP bar") << 1 << 1 << QPoint(268, 29) << QColor(0xFFFF00);
        QTest::newRow("DOWN bar") << 1 << 1 << QPoint(268, 218) << QColor(0xFFFF00);
        QTest::newRow("weight box through its label")
            << 1 << 1 << QPoint(130, 206) << QColor(0xFFFF80);
        QTest::newRow("credits line, transparent") << 1 << 1 << QPoint(4, 342) << QColor(0xC00000);
        QTest::newRow("close box") << 1 << 1 << QPoint(364, 9) << QColor(0xFFFFFF);
        QTest::newRow("close cross") << 1 << 1 << QPoint(364, 12) << QColor(Qt::black);
        QTest::newRow("selected line") << 1 << 1 << QPoint(365, 37) << QColor(0x000080);
        QTest::newRow("other line") << 1 << 1 << QPoint(365, 48) << QColor(0xFFFFFF);
        QTest::newRow("thumb at the top") << 1 << 1 << QPoint(370, 40) << QColor(0xFFFF00);
        QTest::newRow("track below the thumb") << 1 << 1 << QPoint(370, 120) << QColor(0xC00000);
        QTest::newRow("thumb at the bottom") << 236 << 1 << QPoint(370, 207) << QColor(0xFFFF00);
        QTest::newRow("track above the thumb") << 236 << 1 << QPoint(370, 40) << QColor(0xC00000);
        QTest::newRow("no selected line off the page")
            << 236 << 1 << QPoint(365, 37) << QColor(0xFFFFFF);
    }

    void pixels() {
        QFETCH(int, topRow);
        QFETCH(int, language);
        QFETCH(QPoint, at);
        Window w;
        if (language != 1) {
            w.clickLabel("lblLANG", language);
        }
        if (topRow != 1) {
            w.scrollTo(topRow);
        }
        const QImage image = w.form->grab().toImage();
        QTEST(image.pixelColor(at), "colour");
    }

    // The picture is drawn at natural size from the box's corner, pixel for pixel.
    void pictureAtNaturalSize() {
        Window w;
        const QImage image = w.form->grab().toImage();
        const QImage picture(QStringLiteral(":/BITMAP/101"));
        QCOMPARE(picture.size(), QSize(245, 196));
        const QPoint origin(10, 12);
        // Points the name, height and weight boxes in front do not cover.
        for (QPoint p : {QPoint(0, 9), QPoint(244, 0), QPoint(244, 175), QPoint(0, 175),
                         QPoint(122, 98), QPoint(60, 150), QPoint(200, 30)}) {
            QCOMPARE(image.pixel(origin + p), picture.pixel(p));
        }
    }

    // A screen reader reads each label's caption, the list's lines, and the window's title.
    void accessibleText_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("name") << "lblNAME";
        QTest::newRow("type") << "lblTYPE";
        QTest::newRow("height") << "lblHEIGHT";
        QTest::newRow("description") << "lblDESCRIPTION_DESCRIPTION";
        QTest::newRow("tab") << "lblSTATISTICS";
        QTest::newRow("order option") << "optMODE(2)";
    }

    void accessibleText() {
        QFETCH(QString, name);
        Window w;
        w.clickLabel("lblLANG", 0);
        QObject* element = w.form->findChild<QObject*>(name);
        QVERIFY(element);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(element);
        QVERIFY(face);
        const QString caption = qobject_cast<toolkit::Label*>(element)
                                    ? qobject_cast<toolkit::Label*>(element)->caption()
                                    : qobject_cast<toolkit::OptionButton*>(element)->caption();
        QVERIFY(!caption.isEmpty());
        QCOMPARE(face->text(QAccessible::Name), caption);
    }

    // Every row of the window and of the pages is one element under its name, and where
    // elements of different owners overlap, the design's stacking holds.
    void everyRowIsOneElement() {
        Window w;
        std::vector<toolkit::RowGroup> groups = w.pages.rows();
        groups.push_back({nullptr, WindowControlRows()});
        groups.push_back({nullptr, WindowCardRows()});
        int elements = 0;
        for (const toolkit::RowGroup& group : groups) {
            for (const toolkit::ElementRow& row : group.rows) {
                for (int k = 0; k < row.count; ++k) {
                    const QString name =
                        toolkit::ElementName(row.name, row.index < 0 ? -1 : row.index + k);
                    QVERIFY2(w.form->findChildren<QObject*>(name).size() == 1, qPrintable(name));
                    ++elements;
                }
            }
        }
        QCOMPARE(elements, w.form->elements().size());
        // The earlier of two overlapping siblings in the design is later among the children.
        const QObjectList children = w.form->children();
        auto above = [&](const char* front, const char* back) {
            auto at = [&](const char* name) {
                return children.indexOf(
                    w.form->findChild<QObject*>(QLatin1String(name), Qt::FindDirectChildrenOnly));
            };
            return at(front) > at(back) && at(back) >= 0;
        };
        QVERIFY(above("lblTM_TM(36)", "shpHEIGHT"));
        QVERIFY(above("lblEVOLUTION_EVOLUTION(0)", "imgZENTARI"));
        QVERIFY(above("lblVERSION(5)", "imgZENTARI"));
        QVERIFY(above("fraSTATISTICS", "lblTYPE"));
        QVERIFY(above("lstZENTARI", "lblSCROLLER"));
    }

    // A misspelt name or a wrong kind is a programming error, reported at once by name.
    void lookUpFailsByName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("misspelt") << "lblNAMES"
                                  << "no element is named lblNAMES";
        QTest::newRow("wrong kind")
            << "shpNAME"
            << "shpNAME is a zentaloger::toolkit::Shape, not a zentaloger::toolkit::Label";
        QTest::newRow("index out of the group") << "lblVERSION(6)"
                                                << "no element is named lblVERSION(6)";
    }
    void lookUpFailsByName() {
        QFETCH(QString, name);
        Window w;
        const int open = name.indexOf(u'(');
        const QByteArray plain = name.left(open).toLatin1();
        const int index = open < 0 ? -1 : name.mid(open + 1).chopped(1).toInt();
        try {
            w.form->element<toolkit::Label>(plain.constData(), index);
            QFAIL("no exception");
        } catch (const std::logic_error& error) {
            QTEST(QString::fromUtf8(error.what()), "message");
        }
    }

    // The thumb's track: row 1 at its top, row 236 at its bottom, the rows between at their
    // exact share; the label stands at the nearest pixel.
    void thumbTrack_data() {
        QTest::addColumn<int>("topRow");
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixel");
        QTest::newRow("first row") << 1 << 525.0 << 35;
        QTest::newRow("second row") << 2 << 525 + 2505.0 / 235 << 36;
        QTest::newRow("row 48, exactly a fifth") << 48 << 1026.0 << 68;
        QTest::newRow("last first row") << 236 << 3030.0 << 202;
    }
    void thumbTrack() {
        QFETCH(int, topRow);
        QTEST(ThumbTop(topRow), "twips");
        Window w;
        w.scrollTo(topRow);
        QTEST(w.label("lblSCROLLER")->y(), "pixel");
    }

    // Centred where it fits; on a smaller screen its top edge and close box stay on it.
    void placement_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("1024 x 768") << QRect(0, 0, 1024, 768) << QPoint(323, 209);
        QTest::newRow("a second screen to the right")
            << QRect(1024, 0, 800, 600) << QPoint(1024 + 211, 125);
        QTest::newRow("320 x 240") << QRect(0, 0, 320, 240) << QPoint(320 - 377, 0);
        QTest::newRow("1024 x 768 at scale 3") << QRect(0, 0, 341, 256) << QPoint(341 - 377, 0);
        QTest::newRow("wide but low") << QRect(0, 0, 800, 300) << QPoint(211, 0);
    }
    void placement() {
        QFETCH(QRect, screen);
        QTEST(WindowPosition(screen, QSize(377, 349)), "at");
    }

    void listShowsExactlySixteenRows() {
        Window w;
        toolkit::ListBox* list = w.list();
        QCOMPARE(list->size(), QSize(105, 178));
        QCOMPARE(list->visualItemRect(list->item(0)).height(), 11);
        QCOMPARE(list->visualItemRect(list->item(15)).bottom(), list->viewport()->height() - 1);
        QVERIFY(!list->verticalScrollBar()->isVisible());
    }
};

QTEST_MAIN(TestForm)
#include "test_form.moc"
