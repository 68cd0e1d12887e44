#pragma once
// The one window of the viewer. It is built from its own rows and the pages' rows and
// carries the handlers of the list, the card, the two languages, moving and closing. All state
// is the ViewState and the elements' own properties: the species on the card is the number at
// the start of lblNAME, the list's selected line is the list's own.
//
// The detail pages attach through the pages interface: the form calls them where their work
// belongs and knows nothing of any one page.

#include <QTimer>
#include <QWidget>
#include <array>

#include "database/database.h"
#include "database/viewstate.h"
#include "window/navigation.h"
#include "window/toolkit/captions.h"
#include "window/toolkit/elements.h"
#include "window/toolkit/pages.h"
#include "window/toolkit/toolkit.h"

namespace zentaloger {

class Form : public QWidget {
    Q_OBJECT
  public:
    // `db`, `view` and `pages` outlive the form. Load() must run once before it is shown.
    Form(const Database& db, ViewState& view, toolkit::Pages& pages);

    const toolkit::Elements& elements() const { return elements_; }
    template <typename T>
    T* element(const char* name, int index = -1) const {
        return elements_.require<T>(name, index);
    }

    // The bars, the thumb, the keys and the wheel.
    Navigation& navigation() { return *navigation_; }

    // The window's load event.
    void Load();

    void RefillList(bool recaption);
    void ApplyLanguageCaptions();
    void ShowSpecies();

    void lblLANG_Click(int index);
    void optMODE_Click(int index);
    void lstZENTARI_Click();
    void lblEXIT_Click();

    // The whole window drawn at `zoom` (kMinZoom..kMaxZoom) times its size, everything else
    // as it was. A zoom at which the window would not fit on its screen is not taken (false).
    // Shown, the window keeps its top-left corner as far as it stays on the screen; not yet
    // shown, it is centred at its new size.
    int zoom() const { return elements_.zoom(); }
    bool setZoom(int zoom);
    // Ctrl+= and Ctrl++ (+1), Ctrl+- (-1) and Ctrl+0 (0, back to 1x); Ctrl and the wheel
    // outside the list.
    bool StepZoom(int step);

  signals:
    // The close box, F4 or the window manager's close: the program ends now.
    void exitRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // A left-button drag on the background or the large picture: the press grabs the window
    // at the pointer's global position, each move with the button held drags it.
    void GrabWindow(QPoint global);
    void DragWindow(QPoint global);
    // A move on the background, or on the thumb while no drag holds it, with the buttons
    // `button` held: the left button alone drags the window.
    void BackgroundMove(int button, QPoint global);
    void FixLook();
    void SetIcon();
    // Decodes the large pictures of the rows above and below the selected one while the
    // window is idle, so that stepping through the list only swaps pictures in.
    void PrepareNeighbours();
    void Centre();
    // The window's fixed size at `zoom`.
    static QSize WindowSize(int zoom);

    const Database& db_;
    ViewState& view_;
    toolkit::Pages& pages_;
    toolkit::Elements elements_;
    toolkit::Captions captions_;
    Navigation* navigation_ = nullptr;

    toolkit::ListBox* list_ = nullptr;
    toolkit::Label* name_ = nullptr;
    toolkit::Label* type_ = nullptr;
    toolkit::Label* height_ = nullptr;
    toolkit::Label* weight_ = nullptr;
    toolkit::Label* scroller_ = nullptr;
    toolkit::Image* picture_ = nullptr;
    toolkit::Image* logo_ = nullptr;
    std::array<toolkit::OptionButton*, kOrderCount> orders_{};
    std::array<toolkit::Label*, kLanguageCount> languages_{};

    QTimer prepare_;
    bool iconSet_ = false;
    bool dragging_ = false;
    bool systemMove_ = false;
    QPoint grabPointer_, grabWindow_;
    int zoomWheel_ = 0;  // 120ths of a notch of Ctrl and the wheel not yet turned into a step
};

}  // namespace zentaloger
