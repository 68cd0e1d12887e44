#include "app/viewer.h"

#include "window/windowlayout.h"

namespace zentaloger {

Viewer::Viewer(const Database& db, ViewState& view, std::unique_ptr<pages::DetailPages> pages,
               Ending end)
    : pages_(std::move(pages)), form_(db, view, *pages_), end_(std::move(end)) {
    QObject::connect(&form_, &Form::exitRequested, &wheel_, [this] { Exit(); });
    QObject::connect(&wheel_, &wheel::WheelCapture::WheelScroll, &form_.navigation(),
                     &Navigation::WheelScroll);
}

void Viewer::Load() {
    form_.Load();
    wheel_.setHWndCapture(form_.element<toolkit::ListBox>(kSpeciesList));
    wheel_.EnableWheel();
}

void Viewer::Exit() {
    wheel_.DisableWheel();
    if (end_) {
        end_(0);
    }
}

std::unique_ptr<Viewer> BuildViewer(const Database& db, ViewState& view, Ending end,
                                    const PagesMaker& makePages) {
    std::unique_ptr<pages::DetailPages> pages =
        makePages ? makePages(db, view) : std::make_unique<pages::DetailPages>(db, view);
    return std::unique_ptr<Viewer>(new Viewer(db, view, std::move(pages), std::move(end)));
}

std::unique_ptr<Viewer> BuildViewer(StartupState& state, Ending end) {
    return BuildViewer(*state.database, state.view, std::move(end));
}

}  // namespace zentaloger
