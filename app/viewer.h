#pragma once
// The viewer's one composition: the window, the detail pages it hosts and the wheel capture
// on its list, built together by BuildViewer and owned together. main, the benchmarks, the
// random run and the test fixtures all build it here, so there is one wiring to read.
//
// The one way out: the close box, F4 and a window manager's close all end in Exit(), which
// removes the capture first, then ends the program with status 0.

#include <functional>
#include <memory>

#include "database/startup.h"
#include "pages/detailpages.h"
#include "wheel/wheelcapture.h"
#include "window/form.h"

namespace zentaloger {

// Ends the program with a status (main ends its event loop; tests and tools count).
using Ending = std::function<void(int)>;
// Makes the pages the window hosts; empty for the viewer's own. A test passes pages that
// watch what the window asks of them.
using PagesMaker = std::function<std::unique_ptr<pages::DetailPages>(const Database&, ViewState&)>;

class Viewer {
  public:
    // The window's load: the list, the card and the first page, then the capture of the
    // list's wheel turns.
    void Load();
    void Exit();

    Form& form() { return form_; }
    pages::DetailPages& pages() { return *pages_; }
    wheel::WheelCapture& wheel() { return wheel_; }

  private:
    friend std::unique_ptr<Viewer> BuildViewer(const Database&, ViewState&, Ending,
                                               const PagesMaker&);
    Viewer(const Database& db, ViewState& view, std::unique_ptr<pages::DetailPages> pages,
           Ending end);

    std::unique_ptr<pages::DetailPages> pages_;  // first: the form uses them until it is gone
    Form form_;
    wheel::WheelCapture wheel_;
    Ending end_;
};

// `db` and `view` outlive the viewer. Load() must run once before the window is shown.
std::unique_ptr<Viewer> BuildViewer(const Database& db, ViewState& view, Ending end = {},
                                    const PagesMaker& makePages = {});
// Over the start-up state, which outlives the viewer.
std::unique_ptr<Viewer> BuildViewer(StartupState& state, Ending end = {});

}  // namespace zentaloger
