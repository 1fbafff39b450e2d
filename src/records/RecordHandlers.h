#pragma once

namespace kovex {

class Session;

// The four buttons of the TPAI file, two on the test points page and two on
// the administrative page, each pair doing the same.
void Button1Click(Session& p);
void btnSaveTPAIClick(Session& p);
void btnLoadTPClick(Session& p);
void btnLoadTPAIClick(Session& p);

} // namespace kovex
