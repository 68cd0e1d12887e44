#pragma once
// Every element of a window, found by name and index. Handlers and pages bind the elements
// they use once, with require(): a misspelt name or a wrong kind is a programming error and
// fails at once, naming the element.

#include <QHash>
#include <QObject>
#include <QString>
#include <stdexcept>

namespace zentaloger::toolkit {

// "lblTM_TM(12)" for an indexed element, the plain name otherwise: each element's objectName.
QString ElementName(const char* name, int index = -1);

class Elements {
  public:
    // The element, or nullptr if there is none of that name and kind.
    template <typename T>
    T* find(const char* name, int index = -1) const {
        return qobject_cast<T*>(byName_.value(ElementName(name, index)));
    }
    // The element; throws std::logic_error naming it if there is none of that name and kind.
    template <typename T>
    T* require(const char* name, int index = -1) const {
        QObject* element = byName_.value(ElementName(name, index));
        if (T* typed = qobject_cast<T*>(element)) {
            return typed;
        }
        Fail(name, index, T::staticMetaObject.className(), element);
    }
    // Registers an element under its objectName; a second element of the same name throws.
    void add(QObject* element);
    qsizetype size() const { return byName_.size(); }
    template <typename F>
    void forEach(F f) const {
        for (QObject* element : byName_) {
            f(element);
        }
    }

    // The zoom every element is drawn at (see ApplyZoom in builder.h).
    int zoom() const { return zoom_; }
    void setZoom(int zoom) { zoom_ = zoom; }

  private:
    [[noreturn]] static void Fail(const char* name, int index, const char* kind, QObject* found);
    QHash<QString, QObject*> byName_;
    int zoom_ = 1;
};

}  // namespace zentaloger::toolkit
