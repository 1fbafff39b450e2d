#include "records/AdministrativeRecord.h"

#include "model/MainForm.h"
#include "records/AccessDatabase.h"
#include "records/CaseFile.h"
#include "records/ReportFile.h"
#include "records/TpaiFile.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace kovex;

namespace {

TEST(AdministrativeRecord, EveryFieldIsAControlOfTheWindowAndKeptByTheCase) {
    const MainForm form;
    std::set<std::string> controls;
    for (const AdministrativeField& field : kAdministrativeFields) {
        EXPECT_TRUE(form.hasControl(field.control)) << field.control.text;
        EXPECT_TRUE(controls.insert(field.control.text).second) << field.control.text;
    }
    EXPECT_EQ(casefile::administrativeNames().size(), controls.size());
}

// A TPAI key names one field; a report key or an access column names one
// field or a run of neighbours that share the line or the column.
TEST(AdministrativeRecord, KeysNameOneFieldOrOneRunOfNeighbours) {
    std::set<std::string> tpai;
    for (const AdministrativeField& field : kAdministrativeFields)
        if (field.tpaiKey != nullptr) {
            EXPECT_TRUE(tpai.insert(field.tpaiKey).second) << field.tpaiKey;
        }
    for (const auto entry : {&AdministrativeField::reportKey, &AdministrativeField::accessColumn}) {
        std::set<std::string> ended;
        const char* previous = nullptr;
        for (const AdministrativeField& field : kAdministrativeFields) {
            const char* key = field.*entry;
            if (previous != nullptr && (key == nullptr || std::string(key) != previous))
                ended.insert(previous);
            if (key != nullptr) {
                EXPECT_EQ(ended.count(key), 0u) << key;
            }
            previous = key;
        }
    }
}

// A field that names itself to the user can be told in the errors; the
// others are written by none of the text files.
TEST(AdministrativeRecord, FieldsOfTheTextFilesHaveAName) {
    for (const AdministrativeField& field : kAdministrativeFields)
        if (field.reportKey != nullptr && !isLanguage(field)) {
            EXPECT_NE(field.shownAs, nullptr) << field.control.text;
        }
}

// The report and the access file lay out their own lines and columns; each
// key of the table must be among them, or its field would be lost.
TEST(AdministrativeRecord, EveryKeyIsWrittenByItsUser) {
    MainForm form;
    form.setItemIndex(ui::cmbLanguage, 0);
    form.setChecked(ui::chkOtherOperator, true);
    for (const AdministrativeField& field : kAdministrativeFields)
        if (form.ctl(field.control).kind == ControlKind::Edit)
            form.setText(field.control, QStringLiteral("1"));
    QString report;
    for (const report::Line& line : report::fileLines(form, QStringLiteral("today")))
        report += line.text + '\n';
    QStringList columns;
    for (const access::Table& table : access::fileTables(form))
        for (const access::TableRow& row : table.rows)
            for (const access::ColumnValue& value : row)
                columns << value.column;
    QString tpai;
    for (const tpai::Line& line : tpai::fileLines(form, QStringLiteral("today")))
        tpai += line.text + '\n';
    for (const AdministrativeField& field : kAdministrativeFields) {
        if (field.reportKey != nullptr) {
            EXPECT_TRUE(report.contains(QLatin1String(field.reportKey))) << field.reportKey;
        }
        if (field.accessColumn != nullptr) {
            EXPECT_TRUE(columns.contains(QLatin1String(field.accessColumn))) << field.accessColumn;
        }
        if (field.tpaiKey != nullptr) {
            EXPECT_TRUE(tpai.contains(QLatin1String(field.tpaiKey))) << field.tpaiKey;
        }
    }
}

} // namespace
