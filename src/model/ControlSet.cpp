#include "model/ControlSet.h"

#include <stdexcept>

namespace kovex {

Control& ControlSet::add(const QString& name, ControlKind kind, const QString& text) {
    Control& control = m_controls[name];
    control.name = name;
    control.kind = kind;
    control.text = text;
    m_order.push_back(name);
    return control;
}

Control& ControlSet::find(const QString& name) {
    Control* const found = tryFind(name);
    if (!found)
        throw std::logic_error("no control named " + name.toStdString());
    return *found;
}

Control* ControlSet::tryFind(const QString& name) {
    const auto found = m_controls.find(name);
    return found == m_controls.end() ? nullptr : &found->second;
}

const Control& ControlSet::find(const QString& name) const {
    return const_cast<ControlSet*>(this)->find(name);
}

} // namespace kovex
