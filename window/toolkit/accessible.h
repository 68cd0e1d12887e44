#pragma once
// What a screen reader hears of the painted elements. Qt bridges its accessibility interfaces
// to the desktop's bus; the elements paint themselves, so Qt alone would see unnamed plain
// widgets. InstallAccessibility() registers one interface per element kind; the few facts
// that are not the element's own (that a label is a tab, a push button, a radio button or a
// page entry; the value a row reads; what a picture shows) its owner declares once, as the
// row's role or with setSpokenValue() at attach time.
//
// Nothing of this runs while no reader is listening: Qt creates interfaces only when asked,
// and the elements post their change events only when QAccessible::isActive().

#include <QString>

class QObject;

namespace zentaloger::toolkit {

// What a label is to a reader. Text is a plain label; a PageTab, RadioButton or Entry is
// selected or checked while the label is chosen; a PushButton does what its click does.
enum class Role { Text, PageTab, PushButton, RadioButton, Entry };

// Registers the interfaces of the elements; once per program, before the window is built.
void InstallAccessibility();

// A caption as a person reads it: runs of blanks (and line breaks) as one blank, none at the
// ends. The shown caption keeps the design's blanks.
QString Spoken(const QString& text);

// Posts `event` (a QAccessible::Event) for `element` to a listening reader; nothing without
// one. StateChanged stands for a change of the checked state.
void TellReader(QObject* element, int event);

}  // namespace zentaloger::toolkit
