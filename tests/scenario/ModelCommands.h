#pragma once

#include <QString>
#include <QStringList>

namespace kovex {
class Program;
}

// The commands that act on the program's model and check it: controls by
// name, their properties, the summary grid's cells and the case values.
namespace kovex::scenario {

// A command on a control that no window holds would test nothing: a
// misspelt name fails, naming it. `name` may carry a property (".text") or
// a grid cell ("[2,15]").
void requireKnownControl(Program& p, const QString& name);

// "select CONTROL ITEM": an item by its text, "#index" or "key=KEY".
void selectItem(Program& p, const QString& name, const QString& item);

// "set CONTROL.PROPERTY VALUE", as the view would set it without an event.
void setProperty(Program& p, const QString& target, const QString& value);

// "expect CONTROL[.PROPERTY] VALUE", "expect sgdTP[COLUMN,ROW] TEXT",
// "expect TForm2.visible BOOL".
void expectProperty(Program& p, const QString& target, const QString& expected);

// "expect-value NAME TEXT" or "expect-value NAME NUMBER TOLERANCE".
void expectValue(Program& p, const QStringList& words);

// The names "expect-value" knows.
QStringList caseValueNames();

} // namespace kovex::scenario
