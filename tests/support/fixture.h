#pragma once
// A form over a test database whose orders are simple enough to work out by hand:
//   numerical     row r holds species r (1-based rows and numbers), both languages;
//   evolutionary  the same rows, but species 5's label there reads "005 - <name> (II)", so
//                 its label text differs between the two orders;
//   alphabetical  Russian: row r holds species 252 - r (the reverse);
//                 English: row r holds species ((r + 99) mod 251) + 1, so species n stands
//                 on row ((n - 101) mod 251) + 1: species 101 on row 1, species 100 on 251.

#include <QListWidget>
#include <QTest>
#include <functional>
#include <memory>

#include "app/viewer.h"
#include "database/database.h"
#include "database/layout.h"
#include "database/testdata/testdata.h"
#include "database/writer.h"
#include "pages/detailpages.h"

namespace zentaloger::testing {

inline QString LabelOf(int number, int language, const QString& suffix = QString()) {
    return QStringLiteral("%1 - ").arg(number, 3, 10, QLatin1Char('0')) +
           testdata::TestSpeciesName(number - 1, language) + suffix;
}

// A mouse event sent to `to` at `at` (its pixels) with `held` down; a press or release is the
// left button's.
inline void SendMouse(QWidget* to, QEvent::Type type, QPointF at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, to->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, {});
    QApplication::sendEvent(to, &event);
}

using FieldEdit = std::function<void(std::vector<QString>&)>;

inline std::unique_ptr<Database> HandOrderedDatabase(const FieldEdit& edit = {}) {
    std::vector<QString> f = testdata::TestDatabaseFields();
    for (int row = 1; row <= kSpeciesCount; ++row) {
        for (int language = 0; language < kLanguageCount; ++language) {
            auto at = [&](int order) -> QString& {
                return f[ListLabelField(row - 1, language, order) - 1];
            };
            at(0) = LabelOf(row, language);
            at(1) = LabelOf(row, language, row == 5 ? QStringLiteral(" (II)") : QString());
            at(2) =
                language == 0 ? LabelOf(252 - row, 0) : LabelOf((row + 99) % kSpeciesCount + 1, 1);
        }
    }
    if (edit) {
        edit(f);
    }
    return LoadDatabase(EncodeResource(f));
}

// The viewer's pages, counting the card's rebuilds (each ShowSpecies refreshes the pages).
struct CountingPages : pages::DetailPages {
    using DetailPages::DetailPages;
    int refreshes = 0;
    void refresh(int number) override {
        ++refreshes;
        DetailPages::refresh(number);
    }
};

// The viewer as main builds it, shown and loaded over the hand-ordered database (with `edit`
// applied to its fields first), counting card rebuilds, list refills and the exits it asks for.
struct Window {
    std::unique_ptr<Database> db;
    ViewState view;
    std::unique_ptr<Viewer> viewer;
    CountingPages& pages;
    Form* form;
    int refills = 0, exits = 0;

    explicit Window(const FieldEdit& edit = {})
        : db(HandOrderedDatabase(edit)),
          viewer(BuildViewer(*db, view, {},
                             [](const Database& d, ViewState& v) {
                                 return std::make_unique<CountingPages>(d, v);
                             })),
          pages(static_cast<CountingPages&>(viewer->pages())),
          form(&viewer->form()) {
        viewer->Load();
        form->show();
        if (!QTest::qWaitForWindowExposed(form)) {
            qWarning("the test window was not exposed");
        }
        pages.refreshes = 0;
        QObject::connect(list()->model(), &QAbstractItemModel::modelReset, form,
                         [this] { ++refills; });
        QObject::connect(form, &Form::exitRequested, form, [this] { ++exits; });
    }

    template <typename T>
    T* get(const char* name, int index = -1) const {
        return form->element<T>(name, index);
    }
    toolkit::ListBox* list() const { return get<toolkit::ListBox>("lstZENTARI"); }
    toolkit::Label* label(const char* name, int index = -1) const {
        return get<toolkit::Label>(name, index);
    }

    static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    void clickLabel(const char* name, int index = -1) const { click(label(name, index)); }
    void clickOrder(int order) const { click(get<toolkit::OptionButton>("optMODE", order)); }
    void clickLine(int line) const {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(list()->item(line)).center());
    }
    // What scrolling does: a new first row, then a refill.
    void scrollTo(int topRow) {
        view.topRow = topRow;
        form->RefillList(false);
    }
    int shownNumber() const { return SpeciesNumberOfLabel(label("lblNAME")->caption()); }
    // The card shows species `number`, as a click on its line would show it.
    void show(int number) {
        view.selectedRow = FindRowOfSpecies(*db, view.language, view.listOrder, number) + 1;
        form->ShowSpecies();
    }
    // Row `selectedRow` chosen and the page from `topRow`, as scrolling and clicking reach it;
    // the counts start from here.
    void at(int topRow, int selectedRow) {
        view.selectedRow = selectedRow;
        scrollTo(topRow);
        form->ShowSpecies();
        refills = pages.refreshes = 0;
    }
    bool anyTimer() const {
        const auto on = [this](const char* bar, int i) {
            return get<toolkit::Timer>(bar, i)->enabled();
        };
        return on("tUP", 0) || on("tUP", 1) || on("tDOWN", 0) || on("tDOWN", 1);
    }
};

}  // namespace zentaloger::testing
