#pragma once

#include "model/ControlSet.h"

#include <QImage>
#include <QString>
#include <vector>

namespace kovex {

// Model of the drawing window: hidden until the diagram is asked for.
class DrawingForm {
  public:
    DrawingForm();

    Control& ctl(const QString& name) { return m_controls.find(name); }
    const Control& ctl(const QString& name) const { return m_controls.find(name); }
    bool hasControl(const QString& name) const { return m_controls.has(name); }
    // Names in the order the controls were created.
    const std::vector<QString>& controlNames() const { return m_controls.names(); }

    bool visible = false;
    QImage imgPH;
    bool BracketNoteFlag = false;

  private:
    ControlSet m_controls;
};

} // namespace kovex
