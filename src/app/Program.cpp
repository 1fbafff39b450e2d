#include "app/Program.h"

#include "app/StartUp.h"
#include "calc/PowerChain.h"
#include "model/ControlNames.h"
#include "model/Limits.h"
#include "records/CaseFile.h"
#include "refdata/Lookups.h"
#include "support/KovexError.h"
#include "support/NumberText.h"
#include "support/PendingFile.h"

#include <QDir>
#include <algorithm>
#include <utility>

namespace kovex {

void EventTable::bind(const QString& control, Event event, Handler handler) {
    m_handlers[{control, event}].push_back(std::move(handler));
}

const std::vector<Handler>& EventTable::handlers(const QString& control, Event event) const {
    static const std::vector<Handler> none;
    auto found = m_handlers.find({control, event});
    return found == m_handlers.end() ? none : found->second;
}

std::vector<std::pair<QString, Event>> EventTable::bound() const {
    std::vector<std::pair<QString, Event>> all;
    for (const auto& entry : m_handlers)
        all.push_back(entry.first);
    return all;
}

Program::Program(Platform given) : Session(given) {
    bindAllHandlers(events);
}

void Program::start(const QString& referenceFolder) {
    // Temporaries of saves that a killed program left behind hold personal
    // data and would never be removed otherwise.
    wholefile::removeStaleTemporaries(QDir::currentPath());
    guarded([this] { FormCreate(*this); });
    guarded([&] { data.open(referenceFolder.isEmpty() ? QDir::currentPath() : referenceFolder); });
    // The TPAI files lie in the working folder, wherever the reference
    // databases were read from.
    data.dialogFolder = QDir::currentPath();
    guarded([this] { showTables(mainForm, data); });
}

void Program::firstShow() {
    guarded([this] { FormShow(*this); });
    // The case as the program starts it is a new one, with nothing to save.
    startNewCase(*this);
    staleResults.allCurrent(mainForm);
}

bool Program::guarded(const std::function<void()>& work) {
    mainForm.failedControl.clear();
    try {
        work();
        return true;
    } catch (const KovexError& error) {
        platform.dialogs.error(error.text());
        mainForm.failedControl = error.control();
    } catch (const std::exception& error) {
        platform.dialogs.error(QString::fromStdString(error.what()));
    }
    return false;
}

bool Program::fire(const QString& name, Event event) {
    const std::vector<Handler>& handlers = events.handlers(name, event);
    if (handlers.empty())
        return false;
    return guarded([&] {
        for (const Handler& handler : handlers)
            handler(*this);
    });
}

void Program::click(const QString& name) {
    if (mainForm.hasControl(name)) {
        const Control& control = mainForm.ctl(name);
        if (control.kind == ControlKind::CheckBox)
            mainForm.setChecked(name, !control.checked);
        else if (control.kind == ControlKind::Radio)
            mainForm.setChecked(name, true);
    }
    mainForm.pagesPutBack = false;
    if (!fire(name, Event::Click))
        return;
    if (std::exchange(mainForm.pagesPutBack, false))
        staleResults.allCurrent(mainForm);
    else
        staleResults.computed(mainForm, name);
}

void Program::select(const QString& name, int index) {
    Control& control = mainForm.ctl(name);
    switch (control.kind) {
    case ControlKind::Lookup:
        setLookupRow(*this, name, index);
        fire(name, Event::Click);
        break;
    case ControlKind::RadioGroup:
        if (index == control.itemIndex || index < 0 || index >= control.items.size())
            return;
        mainForm.setItemIndex(name, index);
        fire(name, Event::Click);
        break;
    default:
        if (index < 0 || index >= control.items.size())
            return;
        mainForm.setItemIndex(name, index);
        fire(name, Event::Change);
    }
}

void Program::selectKey(const QString& name, const QString& key) {
    setLookupKey(*this, name, key);
    fire(name, Event::Click);
}

// A list takes typed text that names one of its items as a pick of that
// item; other text only a free-text list keeps, with no item selected.
void Program::type(const QString& name, const QString& text) {
    const Control& control = mainForm.ctl(name);
    if (control.kind != ControlKind::Combo && control.kind != ControlKind::Lookup) {
        mainForm.setText(name, text);
        fire(name, Event::Change);
        return;
    }
    const int item = static_cast<int>(control.items.indexOf(text));
    if (item >= 0) {
        select(name, item);
    } else if (control.freeText) {
        if (control.itemIndex >= 0)
            mainForm.setItemIndex(name, -1);
        mainForm.setText(name, text);
        fire(name, Event::Change);
    }
}

void Program::leave(const QString& name) {
    fire(name, Event::Exit);
}

void Program::focus(const QString& name) {
    fire(name, Event::Enter);
}

void Program::showPage(const QString& pageName) {
    static const QStringList pages{ui::TabSheet1, ui::TabSheet2, ui::TabSheet3,
                                   ui::TabSheet4, ui::TabSheet5, ui::TabSheet6};
    const int index = static_cast<int>(pages.indexOf(pageName));
    if (index < 0)
        return;
    mainForm.setActivePage(index);
    fire(pageName, Event::Show);
    fire(pageName, Event::Enter);
}

// The up-down control starts from the number its edit shows and stays
// within the antenna numbers.
void Program::upDown(bool up) {
    Control& position = mainForm.ctl(ui::UpDown1);
    const QString shown = mainForm.text(ui::edtAntNr);
    int current = position.itemIndex;
    try {
        current = num::toInt(shown);
    } catch (const KovexError&) {
    }
    position.itemIndex = std::clamp(current + (up ? 1 : -1), 1, kMaxAntennas);
    mainForm.setText(ui::edtAntNr, QString::number(position.itemIndex));
    fire(ui::UpDown1, Event::Click);
}

} // namespace kovex
