#pragma once
// The one window of the viewer. It is built from the layout table and carries the handlers
// of the list, the card, the two languages, moving and closing. All state is the ViewState
// and the elements' own properties: the species on the card is the number at the start of
// lblNAME, the list's selected line is the list's own.
//
// The pages and the wheel attach through FormHooks: the form calls each hook, if set, at the
// point where that part's work belongs.

#include <QWidget>
#include <array>
#include <functional>

#include "database.h"
#include "formlayout.h"
#include "toolkit/toolkit.h"
#include "viewstate.h"

namespace zentaloger {

struct FormHooks {
    // ShowSpecies, after the card: edition marks and every page for species `number`.
    std::function<void(int number)> refreshPages;
    // Window load, after the card: open the first page; attach the wheel to the list.
    std::function<void()> openFirstPage;
    std::function<void()> attachWheel;
    // Language switch: remember the highlighted page entries before, restore them after.
    std::function<void()> rememberPageEntries;
    std::function<void()> restorePageEntries;
    // Exit, before the program ends: give the list its own wheel handling back.
    std::function<void()> detachWheel;
};

class Form : public QWidget {
    Q_OBJECT
  public:
    // `db` and `view` outlive the form. Load() must run once before the form is shown.
    Form(const Database& db, ViewState& view, FormHooks hooks = {});

    const Elements& elements() const { return elements_; }
    template <typename T>
    T* element(const char* name, int index = -1) const {
        return elements_.get<T>(name, index);
    }

    // The window's load event.
    void Load();

    void RefillList(bool recaption);
    void ApplyLanguageCaptions();
    void ShowSpecies();

    void lblLANG_Click(int index);
    void optMODE_Click(int index);
    void lstZENTARI_Click();
    void lblEXIT_Click();

  signals:
    // The close box was clicked: the program ends now.
    void exitRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    // A left-button drag on the background or the large picture: the press grabs the window
    // at the pointer's global position, each move with the button held drags it.
    void GrabWindow(QPoint global);
    void DragWindow(QPoint global);
    void FixLook();
    void SetIcon();
    void Centre();

    const Database& db_;
    ViewState& view_;
    FormHooks hooks_;
    Elements elements_;

    toolkit::ListBox* list_ = nullptr;
    toolkit::Label* name_ = nullptr;
    toolkit::Label* type_ = nullptr;
    toolkit::Label* height_ = nullptr;
    toolkit::Label* weight_ = nullptr;
    toolkit::Label* description_ = nullptr;
    toolkit::Label* scroller_ = nullptr;
    toolkit::Image* picture_ = nullptr;
    toolkit::Image* logo_ = nullptr;
    std::array<toolkit::OptionButton*, kOrderCount> orders_{};
    std::array<toolkit::Label*, kLanguageCount> languages_{};

    struct CaptionTarget {
        toolkit::Label* label = nullptr;
        toolkit::OptionButton* option = nullptr;
        PerLanguage<QString> text;
    };
    std::vector<CaptionTarget> captions_;

    bool iconSet_ = false;
    bool dragging_ = false;
    bool systemMove_ = false;
    QPoint grabPointer_, grabWindow_;
};

}  // namespace zentaloger
