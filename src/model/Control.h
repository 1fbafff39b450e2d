#pragma once

#include <QRgb>
#include <QString>
#include <QStringList>

namespace kovex {

enum class ControlKind {
    Page,       // a tab page; its text is the tab caption
    Group,      // a group box; its text is the caption
    Label,      // a label; its text is the caption
    Edit,       // an edit field; `label` is the caption of a labelled edit
    Combo,      // a drop-down list of `items`
    Lookup,     // a list of the shown column of a reference table
    DbField,    // a field bound to a column of a reference table
    CheckBox,   // text is the caption, `checked` the state
    Radio,      // text is the caption, `checked` the state
    RadioGroup, // `items` are the choices, `itemIndex` the chosen one
    Button,     // text is the caption
    Grid,       // the summary grid; its cells live in StringGrid
    UpDown,     // the up-down control beside an edit
    Image,      // a picture drawn by the program
    Menu,       // a menu of the menu bar, or of the menu `label` names; text is its title
    MenuItem,   // an item of the menu `label` names, else of the menu bar's menu before it
};

inline constexpr QRgb kBlack = 0xff000000;
inline constexpr QRgb kBlue = 0xff0000ff;
inline constexpr QRgb kRed = 0xffff0000;

// The state of one control of a window, as the user sees it.
struct Control {
    QString name;
    ControlKind kind = ControlKind::Label;
    QString text;
    QString label;
    QStringList items;
    int itemIndex = -1;
    bool checked = false;
    bool visible = true;
    QRgb color = kBlack;
    bool bold = false;
    // A list whose text may be typed over to something no item holds; the
    // others refuse such text and keep their item.
    bool freeText = false;
    // The key sequence of a menu item, as "Ctrl+O".
    QString shortcut;
    // The page of the main window the control lies on, 0 for the first;
    // -1 for none.
    int page = -1;
    // A control whose state the case file keeps as it stands; a change of it
    // through the window model's setters is a change of the case.
    bool keptInCase = false;
};

} // namespace kovex
