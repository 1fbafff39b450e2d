#include "model/DrawingForm.h"

#include <stdexcept>

namespace kovex {

DrawingForm::DrawingForm() {
    auto add = [this](const QString& name, ControlKind kind, const QString& text) {
        Control& control = m_controls[name];
        control.name = name;
        control.kind = kind;
        control.text = text;
    };
    add("TForm2", ControlKind::Page, "Field strength zones in the vertical plane ");
    add("imgPH", ControlKind::Image, {});
    add("btnReturn", ControlKind::Button, "&Return");
    add("btnSaveDrawing", ControlKind::Button, "&Save drawing");
    add("btnPrintDrawing", ControlKind::Button, "&Print drawing");
}

Control& DrawingForm::ctl(const QString& name) {
    auto found = m_controls.find(name);
    if (found == m_controls.end())
        throw std::logic_error("no control named " + name.toStdString());
    return found->second;
}

} // namespace kovex
