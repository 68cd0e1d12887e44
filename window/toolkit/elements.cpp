#include "window/toolkit/elements.h"

namespace zentaloger::toolkit {

QString ElementName(const char* name, int index) {
    const QString plain = QString::fromLatin1(name);
    return index < 0 ? plain : plain + u'(' + QString::number(index) + u')';
}

void Elements::add(QObject* element) {
    const QString name = element->objectName();
    if (byName_.contains(name)) {
        throw std::logic_error("two elements are named " + name.toStdString());
    }
    byName_.insert(name, element);
}

void Elements::Fail(const char* name, int index, const char* kind, QObject* found) {
    const std::string element = ElementName(name, index).toStdString();
    if (!found) {
        throw std::logic_error("no element is named " + element);
    }
    throw std::logic_error(element + " is a " + found->metaObject()->className() + ", not a " +
                           kind);
}

}  // namespace zentaloger::toolkit
