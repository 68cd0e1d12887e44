#include "window/toolkit/captions.h"

#include "window/toolkit/toolkit.h"

namespace zentaloger::toolkit {

void Captions::bind(const Elements& elements, std::span<const CaptionRow> rows) {
    for (const CaptionRow& row : rows) {
        Target target;
        target.label = elements.find<Label>(row.name, row.index);
        if (!target.label) {
            target.option = elements.require<OptionButton>(row.name, row.index);
        }
        target.text[0] = QString::fromUtf16(row.russian);
        target.text[1] = QString::fromUtf16(row.english);
        targets_.push_back(std::move(target));
    }
}

void Captions::apply(int language) const {
    for (const Target& target : targets_) {
        if (target.label) {
            target.label->setCaption(target.text[language]);
        } else {
            target.option->setCaption(target.text[language]);
        }
    }
}

}  // namespace zentaloger::toolkit
