#pragma once
// What must hold of the entry pages after any event: an entry shows exactly when its page is
// open and its caption is not empty; a page with entries has exactly one chosen entry (the
// evolution page at most one, none for a final form), a page without has none; and a move
// panel that is not covered shows the chosen entry's move in the current language.

#include <QStringList>

#include "database/database.h"
#include "pages/evolution.h"
#include "pages/machinepage.h"
#include "pages/movepanel.h"
#include "pages/movespage.h"
#include "window/toolkit/elements.h"
#include "window/toolkit/toolkit.h"
#include "window/windowlayout.h"

namespace zentaloger::testing {

// What is wrong with the entry pages of `elements`, one line per fault; empty when all holds.
inline QStringList EntryPageFaults(const toolkit::Elements& elements, const Database& db,
                                   Language language) {
    using toolkit::Label;
    QStringList faults;
    const int number = SpeciesNumberOfLabel(elements.require<Label>(kSpeciesName)->caption());
    const SpeciesRecord& species = db.species[number - 1];
    const auto chosen = [](const Label* entry) { return entry->chosen(); };
    // A chosen entry in the selection colours, any other in the entry colours.
    const auto inItsLook = [](const Label* entry) {
        const toolkit::Colours look = entry->chosen() ? toolkit::kSelection : toolkit::kEntry;
        return entry->foreColor() == toolkit::Color(look.fore) &&
               entry->backColor() == toolkit::Color(look.back);
    };
    const struct {
        const char* frame;
        const char* group;
        const char* twin;  // the second cell of a row, chosen with the first
        int count;
        const Number* moves;
        const char* blank;
        const char* title;
    } pages[] = {
        {pages::kEvolutionFrame, pages::kEvolutionEntries, nullptr, kEvolutionSlots, nullptr,
         nullptr, nullptr},
        {pages::kMovesFrame, pages::kMovesLevelEntries, pages::kMovesMoveEntries, kLevelMoveSlots,
         species.levelMoveMove.data(), pages::kMovesPanel.blank, pages::kMovesPanel.title},
        {pages::kTmFrame, pages::kTmMachineEntries, nullptr, kTmSlots, species.tmMove.data(),
         pages::kTmPanel.blank, pages::kTmPanel.title},
        {pages::kHmFrame, pages::kHmMachineEntries, nullptr, kHmSlots, species.hmMove.data(),
         pages::kHmPanel.blank, pages::kHmPanel.title},
    };
    for (const auto& page : pages) {
        const bool open = !elements.require<toolkit::Frame>(page.frame)->isHidden();
        QList<int> picked;
        for (int i = 0; i < page.count; ++i) {
            for (const char* group : {page.group, page.twin}) {
                if (!group) {
                    continue;
                }
                const Label* entry = elements.require<Label>(group, i);
                if (entry->isHidden() != (!open || entry->caption().isEmpty())) {
                    faults << QStringLiteral("%1(%2) %3")
                                  .arg(group)
                                  .arg(i)
                                  .arg(entry->isHidden() ? "hidden" : "shown");
                }
                if (!inItsLook(entry)) {
                    faults << QStringLiteral("%1(%2) not in its look").arg(group).arg(i);
                }
            }
            const Label* entry = elements.require<Label>(page.group, i);
            if (chosen(entry)) {
                picked << i;
            }
            if (page.twin && chosen(entry) != chosen(elements.require<Label>(page.twin, i))) {
                faults << QStringLiteral("row %1 chosen in one cell only").arg(i);
            }
        }
        const bool hasEntries = !elements.require<Label>(page.group, 0)->caption().isEmpty();
        if (!page.moves) {
            if (picked.size() > 1) {
                faults << QStringLiteral("%1: %2 chosen").arg(page.group).arg(picked.size());
            }
            continue;
        }
        if (picked.size() != (hasEntries ? 1 : 0)) {
            faults << QStringLiteral("%1: %2 chosen").arg(page.group).arg(picked.size());
        }
        const bool blank = !elements.require<toolkit::Shape>(page.blank)->isHidden();
        if (blank == hasEntries) {
            faults << QStringLiteral("%1 %2").arg(page.blank, blank ? "shown" : "hidden");
        }
        if (!blank && picked.size() == 1) {
            const Number move = page.moves[picked.front()];
            const QString title = elements.require<Label>(page.title)->caption();
            if (move >= 0 && title != db.moves[move].moveName[language]) {
                faults << QStringLiteral("%1 shows \"%2\", not move %3")
                              .arg(page.title, title)
                              .arg(move);
            }
        }
    }
    return faults;
}

}  // namespace zentaloger::testing
