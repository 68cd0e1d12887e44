#pragma once
// Captions that follow the language. Each owner of elements declares its caption rows; the
// window binds them all once and applies them, in the order bound, on every switch.

#include <span>
#include <vector>

#include "window/toolkit/elements.h"

namespace zentaloger::toolkit {

class Label;
class OptionButton;

struct CaptionRow {
    const char* name;
    int index;
    const char16_t* english;
    const char16_t* russian;
};

class Captions {
  public:
    // Binds each row to its label or option button; a row naming neither throws.
    void bind(const Elements& elements, std::span<const CaptionRow> rows);
    // Sets every bound caption to its text in `language` (0 Russian, 1 English).
    void apply(int language) const;

  private:
    struct Target {
        Label* label = nullptr;
        OptionButton* option = nullptr;
        QString text[2];
    };
    std::vector<Target> targets_;
};

}  // namespace zentaloger::toolkit
