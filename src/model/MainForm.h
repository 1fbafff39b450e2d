#pragma once

#include "model/CaseValues.h"
#include "model/ChangeCount.h"
#include "model/Control.h"
#include "model/ControlNames.h"
#include "model/ControlSet.h"
#include "model/KeptAntennas.h"
#include "model/Limits.h"
#include "model/StringGrid.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace kovex {

// Model of the main window: every named control with its state, the summary
// grid and the case values. Setting a property here runs no handler.
class MainForm {
  public:
    MainForm();

    bool hasControl(const QString& name) const;
    Control& ctl(const QString& name);
    const Control& ctl(const QString& name) const;
    // Names in the order the controls were created, page by page.
    const std::vector<QString>& controlNames() const { return m_controls.names(); }

    // The setters count a change of a control the case keeps; what is
    // written through ctl() is not counted.
    QString text(const QString& name) const { return ctl(name).text; }
    void setText(const QString& name, const QString& text) { set(name, &Control::text, text); }
    bool checked(const QString& name) const { return ctl(name).checked; }
    void setChecked(const QString& name, bool checked) { set(name, &Control::checked, checked); }
    bool visible(const QString& name) const { return ctl(name).visible; }
    void setVisible(const QString& name, bool visible) { set(name, &Control::visible, visible); }
    void setColor(const QString& name, QRgb color) { set(name, &Control::color, color); }
    void setBold(const QString& name, bool bold) { set(name, &Control::bold, bold); }
    int itemIndex(const QString& name) const { return ctl(name).itemIndex; }
    // Selects an item of a list or radio group; -1 selects none and, for a
    // list, empties its text.
    void setItemIndex(const QString& name, int index);

    // Marks the controls whose state the case file keeps.
    void keepInCase(const std::vector<QString>& names);
    // Grows with every change of what the case file keeps: a kept control's
    // state, the summary grid, the kept antennas. Writing a value a control
    // already has changes nothing.
    std::uint64_t revision() const {
        return m_changes.value() + sgdTP.changes().value() + keptAntennas.changes().value();
    }

    // The text of a field read as a real or as a whole number; a text that is
    // no number throws the conversion error naming it.
    double number(const QString& name) const;
    std::int32_t integer(const QString& name) const;

    int activePage() const;
    void setActivePage(int index);

    // The computed values of the current antenna.
    CaseValues values;
    StringGrid sgdTP;
    // The inputs behind each summary column, and the case file of the station.
    KeptAntennas keptAntennas;
    CaseFileState caseFile;
    // The status bar's message: which files the last save wrote, by their
    // full paths.
    QString statusMessage;
    // The control whose number failed to convert in the last action, for the
    // view to give the focus back to; empty when none did.
    QString failedControl;
    void noteWrittenFiles(const QStringList& paths);
    // Set when whole pages were put back, their results with the inputs they
    // were computed from (an antenna recalled, a case opened).
    bool pagesPutBack = false;

    // The menu bar's menus and items, in order; not among the pages' controls.
    const std::vector<QString>& menuNames() const { return m_menus.names(); }

  private:
    void addMenuBar();
    template <typename T, typename V> void set(const QString& name, T Control::*property, const V& value) {
        Control& control = ctl(name);
        if (control.*property == value)
            return;
        control.*property = value;
        if (control.keptInCase)
            m_changes.bump();
    }

    ControlSet m_controls;
    ControlSet m_menus;
    ChangeCount m_changes;
};

// The name of control `base` of test-point slot k (1..12), "edtD" -> "edtD7".
inline QString slotName(const char* base, int k) {
    return QString::fromLatin1(base) + QString::number(k);
}

} // namespace kovex
