#pragma once
// The viewer's parts joined: the window with its pages, the wheel capture on its list, and
// the one way out. The close box, F4 and a window manager's close all end here: the capture
// is removed first, then the program ends with status 0.

#include <functional>

#include "form.h"
#include "wheelcapture.h"

namespace zentaloger {

class Viewer {
  public:
    // `end` ends the program with a status; `db`, `view` and `pages` outlive the viewer.
    Viewer(const Database& db, ViewState& view, toolkit::Pages& pages,
           std::function<void(int)> end);

    // The window's load: the list, the card and the first page, then the capture of the
    // list's wheel turns.
    void Load();
    void Exit();

    Form& form() { return form_; }
    wheel::WheelCapture& wheel() { return wheel_; }

  private:
    Form form_;
    wheel::WheelCapture wheel_;
    std::function<void(int)> end_;
};

}  // namespace zentaloger
