#pragma once

#include "app/StaleResults.h"
#include "refdata/Session.h"

#include <QString>
#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace kovex {

using Handler = std::function<void(Session&)>;

// The events a user action raises on a control.
enum class Event {
    Click,  // button, check box, radio button, radio group, lookup list pick
    Change, // drop-down list pick or typed text
    Exit,   // the focus leaves the control
    Enter,  // the control receives the focus
    Show,   // a page is shown
};

// Which handlers run on which event of which control.
class EventTable {
  public:
    void bind(const QString& control, Event event, Handler handler);
    const std::vector<Handler>& handlers(const QString& control, Event event) const;
    // Every control and event that has a handler, in a fixed order.
    std::vector<std::pair<QString, Event>> bound() const;

  private:
    std::map<std::pair<QString, Event>, std::vector<Handler>> m_handlers;
};

// The running program: the shared state, and the event table that binds the
// handlers of every subsystem to the controls. User actions come in here;
// each runs its handlers under the general error handler, which shows a
// failure's text and lets the program go on.
class Program : public Session {
  public:
    explicit Program(Platform given);

    // The program entry up to the message loop: the main window's creation,
    // the drawing window, the data module. `firstShow` follows. The reference
    // databases open from `referenceFolder`, by default the working folder.
    void start(const QString& referenceFolder = QString());
    void firstShow();

    // User actions.
    void click(const QString& name);
    void select(const QString& name, int index);
    void selectKey(const QString& name, const QString& key);
    void type(const QString& name, const QString& text);
    void leave(const QString& name);
    void focus(const QString& name);
    void showPage(const QString& pageName) override;
    void upDown(bool up);

    // Runs `work` under the general error handler; false when it failed.
    bool guarded(const std::function<void()>& work);

    EventTable events;
    // The results the pages show that no longer match their inputs.
    StaleResults staleResults;

  private:
    bool fire(const QString& name, Event event);
};

// Binds every handler of the program to its control and event.
void bindAllHandlers(EventTable& events);

} // namespace kovex
