#pragma once

#include "model/Control.h"

#include <QString>
#include <unordered_map>
#include <vector>

namespace kovex {

// The controls of one window by name, in the order they were added. Both
// window models add and find their controls through one of these.
class ControlSet {
  public:
    Control& add(const QString& name, ControlKind kind, const QString& text = {});
    bool has(const QString& name) const { return m_controls.count(name) != 0; }
    // The control of that name; a name no control has is a fault of the
    // program and throws std::logic_error naming it.
    Control& find(const QString& name);
    // The control of that name, or none.
    Control* tryFind(const QString& name);
    const Control& find(const QString& name) const;
    const std::vector<QString>& names() const { return m_order; }

  private:
    // Looked up by name many times per action: hashed, not ordered.
    std::unordered_map<QString, Control> m_controls;
    std::vector<QString> m_order;
};

} // namespace kovex
