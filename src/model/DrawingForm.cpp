#include "model/DrawingForm.h"

#include "model/ControlNames.h"

namespace kovex {

DrawingForm::DrawingForm() {
    m_controls.add(ui::TForm2, ControlKind::Page, "Field strength zones in the vertical plane ");
    m_controls.add(ui::imgPH, ControlKind::Image);
    m_controls.add(ui::btnReturn, ControlKind::Button, "&Return");
    m_controls.add(ui::btnSaveDrawing, ControlKind::Button, "&Save drawing");
    m_controls.add(ui::btnPrintDrawing, ControlKind::Button, "&Print drawing");
}

} // namespace kovex
