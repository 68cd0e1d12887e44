#include "viewer.h"

namespace zentaloger {

Viewer::Viewer(const Database& db, ViewState& view, toolkit::Pages& pages,
               std::function<void(int)> end)
    : form_(db, view, pages), end_(std::move(end)) {
    QObject::connect(&form_, &Form::exitRequested, &wheel_, [this] { Exit(); });
    QObject::connect(&wheel_, &wheel::WheelCapture::WheelScroll, &form_.navigation(),
                     &Navigation::WheelScroll);
}

void Viewer::Load() {
    form_.Load();
    wheel_.setHWndCapture(form_.element<toolkit::ListBox>("lstZENTARI"));
    wheel_.EnableWheel();
}

void Viewer::Exit() {
    wheel_.DisableWheel();
    end_(0);
}

}  // namespace zentaloger
