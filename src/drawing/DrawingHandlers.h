#pragma once

#include "drawing/ZonePicture.h"

namespace kovex {

class Session;

// "Show Diagram": the field computation as "Compute fields" runs it, then the
// drawing window; a computation that fails shows no window.
void btnShowDiagramClick(Session& p);
// The drawing window's show handler: the picture is drawn each time the
// window becomes visible, once there is an input power and a limit.
void DrawingFormShow(Session& p);
// "Return" hides the drawing window.
void btnReturnClick(Session& p);

// The values of the picture as the case and the fields hold them; throws the
// conversion error of a pattern value or test point that is no number.
ZonePictureInput zonePictureInput(const Session& p);

} // namespace kovex
