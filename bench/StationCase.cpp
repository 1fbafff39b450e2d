#include "StationCase.h"

#include "model/MainForm.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kovex::bench {

RunningProgram::RunningProgram() : program(std::make_unique<Program>(fake.platform())) {
    program->start();
    program->firstShow();
}

void typeStation(Program& p) {
    p.type("edtOutputPower", "100");
    p.type("cmbMode", "FM (F3E)");
    p.type("cmb6min", "6 minutes");
    p.click("chkAddLossCalculator");
    p.type("cmbFrequency", "  2 m : 144 - 146 MHz");
}

void typeTwelveTestPoints(Program& p) {
    for (int k = 1; k <= kTestPointSlots; ++k) {
        p.type(slotName("edtLocation", k), "point " + QString::number(k));
        p.type(slotName("edtD", k), QString::number(2.5 * k));
        p.type(slotName("edtH", k), QString::number(1.5 * (k % 5) - 1.5));
        // Every other point behind a wall, of each type in turn.
        p.select(slotName("cmbSA", k), k % 2 == 0 ? (k / 2) % 9 : 9);
    }
}

void typeAdministrativeRecord(Program& p) {
    const std::pair<const char*, const char*> fields[]{
        {"edtName", "Peeters"},           {"edtFirstName", "Jan"},     {"edtAddress", "Kerkstraat 12"},
        {"edtZipCode", "2000"},           {"edtCity", "Antwerpen"},    {"edtPhoneNr", "03 123 45 67"},
        {"edtEmail", "on4xx@example.be"}, {"edtCallsign", "ON4XX"},    {"edtAntAddress", "Kerkstraat 12"},
        {"edtAntZipCode", "2000"},        {"edtAntCity", "Antwerpen"}, {"edtLambertX", "152000"},
        {"edtLambertY", "212000"},
    };
    for (const auto& [name, text] : fields) {
        p.type(name, text);
        p.leave(name);
    }
    p.select("cmbLanguage", 1);
}

void computeAntenna(Program& p, int number) {
    p.showPage("TabSheet3");
    p.focus("dblAntennaType");
    p.selectKey("dblAntennaType", QString::number(number));
    p.type("edtAntennaHeight", QString::number(6 + number));
    p.showPage("TabSheet4");
    p.click("btnFieldResults");
}

void computeCase(Program& p, int antennas) {
    p.type("edtAntNr", "1");
    for (int a = 1; a <= antennas; ++a) {
        computeAntenna(p, a);
        if (a < antennas) {
            p.showPage("TabSheet5");
            p.click("btnNextAntenna");
        }
    }
    p.showPage("TabSheet5");
}

bool onlyInformationShown(benchmark::State& state, test::FakeDialogs& dialogs, const QStringList& expected) {
    for (const test::ShownMessage& box : dialogs.shown) {
        if (box.kind != QLatin1String("information") && !expected.contains(box.text)) {
            state.SkipWithError(qPrintable("the action showed a " + box.kind + " box: " + box.text));
            dialogs.shown.clear();
            return false;
        }
    }
    dialogs.shown.clear();
    return true;
}

void enterSeededWorkingFolder(const QString& dataFolder, const QString& folder) {
    QDir().mkpath(folder);
    for (const QFileInfo& database : QDir(dataFolder).entryInfoList({QStringLiteral("*.mdb")}, QDir::Files)) {
        const QString target = QDir(folder).filePath(database.fileName());
        QFile::remove(target);
        QFile::copy(database.filePath(), target);
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    }
    QDir::setCurrent(folder);
}

} // namespace kovex::bench
