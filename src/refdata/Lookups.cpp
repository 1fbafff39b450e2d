#include "refdata/Lookups.h"

#include "model/ControlNames.h"
#include "refdata/Session.h"
#include "support/KovexError.h"

#include <array>
#include <cmath>

namespace kovex {

namespace {

struct Binding {
    QString control;
    const char* tableObject;
    const char* column;
};

const std::array<Binding, 5> kLookups{{
    {ui::dblFeeder[1], "feederCable1", "cable"},
    {ui::dblFeeder[2], "feederCable2", "cable"},
    {ui::dblFeeder[3], "feederCable3", "cable"},
    {ui::dblAntennaType, "antennaPattern", "TYPE"},
    {ui::dblAntennaRmk, "antennaPattern", "RMK"},
}};

const std::array<Binding, 31> kFields{{
    {ui::dbeAs[1], "feederCable1", "As"},      {ui::dbeAs[2], "feederCable2", "As"},
    {ui::dbeAs[3], "feederCable3", "As"},      {ui::dbeAntNr, "antennaPattern", "Numéro"},
    {ui::dbeV00, "antennaPattern", "V00"},     {ui::dbeV10, "antennaPattern", "V10"},
    {ui::dbeV20, "antennaPattern", "V20"},     {ui::dbeV30, "antennaPattern", "V30"},
    {ui::dbeV40, "antennaPattern", "V40"},     {ui::dbeV50, "antennaPattern", "V50"},
    {ui::dbeV60, "antennaPattern", "V60"},     {ui::dbeV70, "antennaPattern", "V70"},
    {ui::dbeV80, "antennaPattern", "V80"},     {ui::dbeV90, "antennaPattern", "V90"},
    {ui::dbeVback, "antennaPattern", "VBACK"}, {ui::dbeVangle, "antennaPattern", "V ANGLE"},
    {ui::dbeH00, "antennaPattern", "H00"},     {ui::dbeH10, "antennaPattern", "H10"},
    {ui::dbeH20, "antennaPattern", "H20"},     {ui::dbeH30, "antennaPattern", "H30"},
    {ui::dbeH40, "antennaPattern", "H40"},     {ui::dbeH50, "antennaPattern", "H50"},
    {ui::dbeH60, "antennaPattern", "H60"},     {ui::dbeH70, "antennaPattern", "H70"},
    {ui::dbeH80, "antennaPattern", "H80"},     {ui::dbeH90, "antennaPattern", "H90"},
    {ui::dbeHback, "antennaPattern", "HBACK"}, {ui::dbeHangle, "antennaPattern", "H ANGLE"},
    {ui::dbeDir, "antennaPattern", "DIR"},     {ui::dbePol, "antennaPattern", "POL"},
    {ui::dbeFreq, "antennaPattern", "FREQ"},
}};

const QString kKeyColumn = QStringLiteral("Numéro");

const Binding* lookupBinding(const QString& control) {
    for (const Binding& binding : kLookups)
        if (control == binding.control)
            return &binding;
    return nullptr;
}

void showLookup(Control& list, const TableCursor& cursor, const QString& column) {
    list.items.clear();
    if (cursor.isOpen())
        for (int row = 0; row < cursor.table->rowCount(); ++row)
            list.items << columnValueText(cursor.table->value(row, column));
    list.itemIndex = cursor.hasRecord() ? cursor.row : -1;
    list.text = cursor.hasRecord() ? list.items[cursor.row] : QString();
}

// The antenna record's polarization presets the polarization list; any
// other text than "H" or "V" leaves the user's choice alone.
void presetPolarization(Session& p) {
    const QString pol = p.mainForm.text(ui::dbePol);
    if (pol == QLatin1String("H"))
        p.mainForm.setItemIndex(ui::cmbPolarization, 0);
    else if (pol == QLatin1String("V"))
        p.mainForm.setItemIndex(ui::cmbPolarization, 1);
}

// Far beyond any antenna of an amateur station (a 3 m dish at 10 GHz has
// about 48 dBi): a gain past it is a typing error in the database, and a
// computation with it would understate or overstate the field by orders of
// magnitude.
constexpr double kMaxGainMagnitudedBi = 60;

QString recordOf(const TableCursor& cursor) {
    return columnValueText(cursor.value(kKeyColumn));
}

void checkGain(const TableCursor& cursor, const QString& column) {
    const QVariant value = cursor.value(column);
    bool ok = false;
    const double gain = value.toDouble(&ok);
    if (ok && std::fabs(gain) > kMaxGainMagnitudedBi)
        throw KovexError("ant.mdb, record " + recordOf(cursor) + ", column \"" + column +
                         "\": " + columnValueText(value) + " dBi is outside the range of -60 to 60 dBi.");
}

void checkAttenuation(const TableCursor& cursor) {
    const QVariant value = cursor.value(QStringLiteral("As"));
    bool ok = false;
    if (value.toDouble(&ok) < 0 && ok)
        throw KovexError("cableloss.mdb, record " + recordOf(cursor) +
                         ", column \"As\": " + columnValueText(value) + " dB is a negative attenuation.");
}

} // namespace

void checkCurrentRecord(const Session& p, const QString& tableObject) {
    const TableCursor& cursor = p.data.cursor(tableObject);
    if (!cursor.hasRecord())
        return;
    if (tableObject != QLatin1String("antennaPattern")) {
        checkAttenuation(cursor);
        return;
    }
    for (int angle = 0; angle <= 90; angle += 10)
        checkGain(cursor, QStringLiteral("V%1").arg(angle, 2, 10, QLatin1Char('0')));
    checkGain(cursor, QStringLiteral("VBACK"));
}

void showTables(MainForm& form, const DataModule& data) {
    for (const Binding& binding : kLookups)
        showLookup(form.ctl(binding.control), data.cursor(QString::fromUtf8(binding.tableObject)),
                   QString::fromUtf8(binding.column));
    for (const Binding& binding : kFields)
        form.setText(binding.control, columnValueText(data.cursor(QString::fromUtf8(binding.tableObject))
                                                          .value(QString::fromUtf8(binding.column))));
}

void setLookupKey(Session& p, const QString& lookup, const QString& key) {
    TableCursor& cursor = p.data.cursor(QString::fromUtf8(lookupBinding(lookup)->tableObject));
    if (!cursor.isOpen())
        return;
    const int row = cursor.table->findKey(kKeyColumn, key);
    if (row >= 0)
        cursor.row = row;
    showTables(p.mainForm, p.data);
}

void setLookupRow(Session& p, const QString& lookup, int row) {
    TableCursor& cursor = p.data.cursor(QString::fromUtf8(lookupBinding(lookup)->tableObject));
    if (cursor.isOpen() && row >= 0 && row < cursor.table->rowCount())
        cursor.row = row;
    showTables(p.mainForm, p.data);
}

QString lookupKey(const Session& p, const QString& lookup) {
    return columnValueText(
        p.data.cursor(QString::fromUtf8(lookupBinding(lookup)->tableObject)).value(kKeyColumn));
}

QVariant antennaColumnValue(const Session& p, const QString& column) {
    return p.data.cursor(QStringLiteral("antennaPattern")).value(column);
}

void dblAntennaTypeEnter(Session& p) {
    setLookupKey(p, ui::dblAntennaType, QStringLiteral("1"));
}

void dblAntennaRmkEnter(Session& p) {
    setLookupKey(p, ui::dblAntennaRmk, QStringLiteral("1"));
}

// Both antenna lists stand on the one antenna table, so the other list
// already shows the same record; only the polarization preset remains.
void dblAntennaTypeClick(Session& p) {
    showTables(p.mainForm, p.data);
    presetPolarization(p);
    checkCurrentRecord(p, QStringLiteral("antennaPattern"));
}

void dblAntennaRmkClick(Session& p) {
    showTables(p.mainForm, p.data);
    presetPolarization(p);
    checkCurrentRecord(p, QStringLiteral("antennaPattern"));
}

} // namespace kovex
