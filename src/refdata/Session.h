#pragma once

#include "model/DrawingForm.h"
#include "model/MainForm.h"
#include "model/Platform.h"
#include "refdata/DataModule.h"

#include <QString>

namespace kovex {

// The state every handler shares: both window models, the data module and
// the platform. It sits below the subsystems, so a handler of any of them
// reaches the case without knowing the program that binds it to a control.
class Session {
  public:
    explicit Session(Platform given) : platform(given) {}
    virtual ~Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Brings a page of the main window to the front as if the user had
    // clicked its tab; the program runs the page's handlers too.
    virtual void showPage(const QString& pageName) = 0;

    Platform platform;
    MainForm mainForm;
    DrawingForm drawingForm;
    DataModule data;
    // Set when the user closes the main window, which ends the program.
    bool mainWindowClosed = false;
};

} // namespace kovex
