#include "window/toolkit/accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "window/toolkit/toolkit.h"

namespace zentaloger::toolkit {

namespace {

// Hidden elements are not showing (Qt's own state); neither is an element that a shown shape
// stacked in front of it covers whole, as the blank cover hides a move panel with no move.
bool Covered(const QWidget* element) {
    const QWidget* parent = element->parentWidget();
    if (!parent) {
        return false;
    }
    // A parent's children are in stacking order, the front one last.
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(element) + 1; i > 0 && i < siblings.size(); ++i) {
        const auto* shape = qobject_cast<const Shape*>(siblings[i]);
        if (shape && !shape->isHidden() && shape->geometry().contains(element->geometry())) {
            return true;
        }
    }
    return false;
}

// Every element kind: Qt's widget interface, with covered elements not showing and the
// element's role's press action raising its click.
class ElementAccessible : public QAccessibleWidget {
  public:
    ElementAccessible(MouseElement* element, QAccessible::Role role)
        : QAccessibleWidget(element, role), element_(element) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (!state.invisible && Covered(element_)) {
            state.invisible = true;
        }
        return state;
    }

    QStringList actionNames() const override {
        return pressable() ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (pressable() && action == pressAction()) {
            press();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  protected:
    virtual bool pressable() const { return false; }
    virtual void press() { emit element_->click(element_->index()); }

  private:
    MouseElement* element_;
};

QAccessible::Role RoleOf(Role role) {
    switch (role) {
        case Role::PageTab:
            return QAccessible::PageTab;
        case Role::PushButton:
            return QAccessible::Button;
        case Role::RadioButton:
            return QAccessible::RadioButton;
        case Role::Entry:
            return QAccessible::ListItem;
        case Role::Text:
            break;
    }
    return QAccessible::StaticText;
}

// A label reads its caption, or its tooltip when it has none (the close mark, the edition
// marks); a value its owner gives follows the caption ("ATTACK: 2 of 3").
class LabelAccessible : public ElementAccessible {
  public:
    explicit LabelAccessible(Label* label)
        : ElementAccessible(label, RoleOf(label->role())), label_(label) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name: {
                const QString name =
                    Spoken(label_->caption().isEmpty() ? label_->toolTip() : label_->caption());
                const QString value = Spoken(label_->spokenValue());
                return value.isEmpty() ? name : name + QStringLiteral(": ") + value;
            }
            case QAccessible::Description:
            case QAccessible::Value:
                return Spoken(label_->spokenValue());
            default:
                return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = ElementAccessible::state();
        switch (label_->role()) {
            case Role::PageTab:
            case Role::Entry:
                state.selectable = true;
                state.selected = label_->chosen();
                break;
            case Role::RadioButton:
                state.checkable = true;
                state.checked = label_->chosen();
                break;
            case Role::Text:
            case Role::PushButton:
                break;
        }
        return state;
    }

  protected:
    bool pressable() const override { return label_->role() != Role::Text; }

  private:
    Label* label_;
};

class OptionAccessible : public ElementAccessible {
  public:
    explicit OptionAccessible(OptionButton* option)
        : ElementAccessible(option, QAccessible::RadioButton), option_(option) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? Spoken(option_->caption()) : QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = ElementAccessible::state();
        state.checkable = true;
        state.checked = option_->value();
        return state;
    }

  protected:
    bool pressable() const override { return true; }
    void press() override { option_->setValue(true); }

  private:
    OptionButton* option_;
};

// A picture reads as what it shows, which its owner tells.
class ImageAccessible : public ElementAccessible {
  public:
    explicit ImageAccessible(Image* image)
        : ElementAccessible(image, QAccessible::Graphic), image_(image) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name || t == QAccessible::Description) {
            return Spoken(image_->spokenValue());
        }
        return QAccessibleWidget::text(t);
    }

  private:
    Image* image_;
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* label = qobject_cast<Label*>(object)) {
        return new LabelAccessible(label);
    }
    if (auto* option = qobject_cast<OptionButton*>(object)) {
        return new OptionAccessible(option);
    }
    if (auto* image = qobject_cast<Image*>(object)) {
        return new ImageAccessible(image);
    }
    if (auto* frame = qobject_cast<Frame*>(object)) {
        return new ElementAccessible(frame, QAccessible::Pane);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

QString Spoken(const QString& text) {
    return text.simplified();
}

void TellReader(QObject* element, int event) {
    if (!QAccessible::isActive()) {
        return;
    }
    if (event == QAccessible::StateChanged) {
        // The one state the elements change: checked (an option, a language). A tab's or an
        // entry's selected state goes out as a Selection event.
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent change(element, changed);
        QAccessible::updateAccessibility(&change);
        return;
    }
    QAccessibleEvent plain(element, QAccessible::Event(event));
    QAccessible::updateAccessibility(&plain);
}

}  // namespace zentaloger::toolkit
