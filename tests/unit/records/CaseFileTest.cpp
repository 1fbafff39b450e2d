#include "records/CaseFile.h"

#include "calc/KeptInputs.h"
#include "calc/SafetyCheckHandlers.h"
#include "model/MainForm.h"
#include "support/KovexError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace kovex;
using namespace kovex::casefile;

namespace {

// Texts a user may type: other scripts, quotes and escapes of JSON, line
// breaks, blanks at either end, nothing at all.
const QStringList kHostileTexts{QString::fromUtf8("Ελληνικά ✓ 日本 🛰"),
                                "\"quoted\" \\ back\\slash",
                                "line\nbreak\r\tend",
                                "  blanks  ",
                                "",
                                QString(QChar(0x7f))};

KeptControl keptFor(const Control& control, int seed) {
    KeptControl kept;
    kept.text = kHostileTexts[seed % kHostileTexts.size()];
    kept.visible = seed % 3 != 0;
    kept.color = seed % 2 == 0 ? kRed : 0xff123456;
    kept.bold = seed % 4 == 0;
    switch (control.kind) {
    case ControlKind::CheckBox:
    case ControlKind::Radio:
        kept.checked = seed % 2 == 0;
        break;
    case ControlKind::Combo:
        // no item chosen: a text of its own; else the item's text
        kept.itemIndex = seed % 3 == 0 ? -1 : seed % static_cast<int>(control.items.size());
        if (kept.itemIndex >= 0)
            kept.text = control.items[kept.itemIndex];
        break;
    case ControlKind::Lookup:
        kept.key = QString::number(seed);
        break;
    default:
        break;
    }
    return kept;
}

KeptControls keptGroup(const MainForm& form, const std::vector<QString>& names, int seed) {
    KeptControls kept;
    for (const QString& name : names)
        kept.emplace_back(name, keptFor(form.ctl(name), seed++));
    return kept;
}

CaseContent hostileCase(const MainForm& form) {
    CaseContent content;
    content.administrative = keptGroup(form, administrativeNames(), 0);
    content.antennaNumber = QStringLiteral(" 3 ");
    for (int column : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16, 17}) {
        QStringList rows;
        for (int row = 1; row <= 46; ++row)
            rows << kHostileTexts[(column + row) % kHostileTexts.size()];
        content.summaryColumns.emplace(column, rows);
    }
    content.antennas.keep(2, keptGroup(form, antennaPageNames(), 2));
    content.antennas.keep(12, keptGroup(form, antennaPageNames(), 5));
    content.antennas.setLast(2);
    content.together = keptGroup(form, togetherNames(), 7);
    return content;
}

QByteArray edited(const QByteArray& bytes, const std::function<void(QJsonObject&)>& edit) {
    QJsonObject top = QJsonDocument::fromJson(bytes).object();
    edit(top);
    return QJsonDocument(top).toJson();
}

QString refusal(const QByteArray& bytes, const MainForm& form) {
    try {
        readCase(bytes, form, QStringLiteral("c.kovex"));
    } catch (const KovexError& error) {
        return error.text();
    }
    return QStringLiteral("(read)");
}

QJsonObject member(const QJsonObject& object, const QString& key) {
    return object.value(key).toObject();
}

// An edit of one member of the object at `path` below the top object.
std::function<void(QJsonObject&)> setAt(const QStringList& path, const QString& key,
                                        const QJsonValue& value) {
    return [=](QJsonObject& top) {
        std::function<void(QJsonObject&, int)> edit = [&](QJsonObject& object, int depth) {
            if (depth == path.size()) {
                object.insert(key, value);
                return;
            }
            QJsonObject inner = member(object, path[depth]);
            edit(inner, depth + 1);
            object.insert(path[depth], inner);
        };
        edit(top, 0);
    };
}

} // namespace

TEST(CaseFile, EveryTextAndStateReadsBackAsWritten) {
    const MainForm form;
    const CaseContent content = hostileCase(form);
    const QByteArray bytes = caseBytes(content);
    EXPECT_EQ(readCase(bytes, form, "c.kovex"), content);
    // written the same way every time, so that an unchanged case is told
    // from a changed one by its bytes
    EXPECT_EQ(caseBytes(readCase(bytes, form, "c.kovex")), bytes);
    // a byte-order mark from an editor is no fault
    EXPECT_EQ(readCase("\xEF\xBB\xBF" + bytes, form, "c.kovex"), content);
}

TEST(CaseFile, FormatNameAndVersionComeFirst) {
    const QList<QByteArray> lines = caseBytes(hostileCase(MainForm())).split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], "{");
    EXPECT_EQ(lines[1], "    \"format\": \"kovex case\",");
    EXPECT_EQ(lines[2], "    \"version\": 2,");
}

// The file's own members in the order they are read, each on a line of its
// own at the first level; the members of the objects in the order of their
// names, whatever the order of the case.
TEST(CaseFile, MembersComeInTheirOrder) {
    CaseContent content = hostileCase(MainForm());
    std::reverse(content.administrative.begin(), content.administrative.end());
    const QByteArray bytes = caseBytes(content);
    QStringList top;
    for (const QByteArray& line : bytes.split('\n'))
        if (line.startsWith("    \"") && !line.startsWith("     "))
            top << QString::fromUtf8(line.mid(5, line.indexOf('"', 5) - 5));
    EXPECT_EQ(top, (QStringList{"format", "version", "administrative", "antennaNumber", "lastComputedAntenna",
                                "summary", "antennas", "together"}));
    const qsizetype name = bytes.indexOf("\"edtName\"");
    const qsizetype address = bytes.indexOf("\"edtAddress\"");
    EXPECT_LT(address, name);
    EXPECT_LT(bytes.indexOf("\"bold\""), bytes.indexOf("\"visible\""));
}

// A file edited by hand is read only when every value is where and what a
// case holds; each refusal names what is wrong.
TEST(CaseFile, RefusesHandEditedFilesNamingTheFault) {
    const MainForm form;
    const QByteArray bytes = caseBytes(hostileCase(form));
    const QString damaged = QStringLiteral("The case \"c.kovex\" is damaged and was not opened: ");
    const std::vector<std::pair<std::function<void(QJsonObject&)>, QString>> cases{
        {setAt({}, "extra", 1), "the file holds \"extra\", which a case does not have."},
        {[](QJsonObject& top) { top.remove("summary"); }, "the file lacks \"summary\"."},
        {setAt({}, "lastComputedAntenna", 5),
         "\"lastComputedAntenna\" names antenna 5, which keeps no inputs."},
        {setAt({}, "lastComputedAntenna", 2.5),
         "\"lastComputedAntenna\" is not a whole number from 0 to 12."},
        {[](QJsonObject& top) { setAt({"antennas"}, "13", member(top, "antennas").value("2"))(top); },
         "the list of antennas holds \"13\", which a case does not have."},
        {setAt({"antennas", "2", "cmbMode"}, "item", 13),
         "the item of \"cmbMode\" of antenna 2 is not a whole number from -1 to 12."},
        {[](QJsonObject& top) {
             QJsonObject two = member(member(top, "antennas"), "2");
             two.remove("edtD7");
             setAt({"antennas"}, "2", two)(top);
         },
         "antenna 2 lacks \"edtD7\"."},
        {setAt({"administrative", "edtName"}, "text", 42),
         "the text of \"edtName\" of the administrative record is not a text."},
        {setAt({"antennas", "2", "edtE3"}, "colour", "red"),
         "the colour of \"edtE3\" of antenna 2 is not a colour written as #rrggbb."},
        {setAt({"antennas", "2", "edtAntennaHeight"}, "checked", true),
         "\"edtAntennaHeight\" of antenna 2 holds \"checked\", which a case does not have."},
        {[](QJsonObject& top) {
             QJsonArray rows = member(top, "summary").value("14").toArray();
             rows.removeLast();
             setAt({"summary"}, "14", rows)(top);
         },
         "column 14 of the summary is not a list of 46 texts."},
    };
    for (const auto& [edit, expected] : cases)
        EXPECT_EQ(refusal(edited(bytes, edit), form), damaged + expected);
}

TEST(CaseFile, TellsOtherFilesNewerVersionsAndCutFilesApart) {
    const MainForm form;
    const QByteArray bytes = caseBytes(hostileCase(form));
    const QString notACase = QStringLiteral("The file \"c.kovex\" is not a kovex case; nothing was opened.");
    EXPECT_EQ(refusal("", form), notACase);
    EXPECT_EQ(refusal("[1, 2]", form), notACase);
    EXPECT_EQ(refusal("{\"format\": \"other\", \"version\": 1}", form), notACase);
    EXPECT_EQ(
        refusal(edited(bytes, [](QJsonObject& top) { top.insert("version", 7); }), form),
        "The case \"c.kovex\" was saved in version 7 of the case format, which this kovex does not know "
        "(it reads version 2); nothing was opened.");
    EXPECT_TRUE(refusal(bytes.left(bytes.size() / 2), form)
                    .startsWith("The case \"c.kovex\" is damaged and was not opened: "));
}

// A file of version 1 kept no safety check: it opens with the checked
// fields, marks and distances of every antenna empty and no antenna on the
// air together, and it must not hold what only version 2 keeps.
TEST(CaseFile, VersionOneFilesOpenWithoutTheSafetyCheck) {
    const MainForm form;
    const CaseContent content = hostileCase(form);
    const auto asVersionOne = [](QJsonObject& top) {
        top.insert("version", 1);
        top.remove("together");
        QJsonObject antennas = member(top, "antennas");
        for (const QString& number : antennas.keys()) {
            QJsonObject antenna = member(antennas, number);
            for (const QString& name : safetyCheckNames())
                antenna.remove(name);
            antennas.insert(number, antenna);
        }
        top.insert("antennas", antennas);
    };
    const QByteArray older = edited(caseBytes(content), asVersionOne);
    const CaseContent read = readCase(older, form, "c.kovex");
    EXPECT_EQ(read.administrative, content.administrative);
    EXPECT_EQ(read.summaryColumns, content.summaryColumns);
    const KeptControls* antenna = read.antennas.find(12);
    ASSERT_NE(antenna, nullptr);
    for (const auto& [name, state] : *antenna) {
        if (safetyCheckNames().contains(name)) {
            EXPECT_EQ(state.text, QString()) << name.toStdString();
            EXPECT_EQ(state.color, form.ctl(name).color) << name.toStdString();
        } else {
            const auto kept =
                std::find_if(content.antennas.find(12)->begin(), content.antennas.find(12)->end(),
                             [&wanted = name](const auto& entry) { return entry.first == wanted; });
            EXPECT_EQ(state, kept->second) << name.toStdString();
        }
    }
    ASSERT_EQ(read.together.size(), 12u);
    for (const auto& [name, state] : read.together)
        EXPECT_FALSE(state.checked) << name.toStdString();

    const QString damaged = QStringLiteral("The case \"c.kovex\" is damaged and was not opened: ");
    EXPECT_EQ(refusal(edited(older, setAt({}, "together", QJsonObject())), form),
              damaged + "the file holds \"together\", which a case does not have.");
    EXPECT_EQ(refusal(edited(caseBytes(content), [](QJsonObject& top) { top.remove("together"); }), form),
              damaged + "the file lacks \"together\".");
    EXPECT_EQ(refusal(edited(caseBytes(content), setAt({"antennas", "2"}, "edtCheckE4", QJsonValue())), form),
              damaged + "\"edtCheckE4\" of antenna 2 is not an object.");
}
