#pragma once

#include "model/Control.h"

#include <QImage>
#include <QString>
#include <map>

namespace kovex {

// Model of the drawing window: hidden until the diagram is asked for.
class DrawingForm {
  public:
    DrawingForm();

    Control& ctl(const QString& name);
    bool hasControl(const QString& name) const { return m_controls.count(name) != 0; }
    const std::map<QString, Control>& controls() const { return m_controls; }

    bool visible = false;
    QImage imgPH;
    bool BracketNoteFlag = false;

  private:
    std::map<QString, Control> m_controls;
};

} // namespace kovex
