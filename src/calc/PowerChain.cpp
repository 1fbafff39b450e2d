#include "calc/PowerChain.h"

#include "calc/PowerTables.h"
#include "refdata/Lookups.h"
#include "refdata/Session.h"
#include "support/NumberText.h"

namespace kovex {

namespace {

QString correctionText(double factor, double correctiondB, const char* gap) {
    return "Correction = " + num::shortest(factor) + "x" + QString::fromLatin1(gap) + "(" +
           num::fixed2(correctiondB) + " dB)";
}

void putAdditionalLossDefaults(MainForm& f) {
    const AdditionalLossDefaults defaults = additionalLossDefaults(f.BandAndTilt.FreqMinMHz);
    f.setText("edtPWRmeter", defaults.powerMeterdB);
    f.setText("edtLPF", defaults.lowPassFilterdB);
    f.setText("edtATU", defaults.antennaTunerdB);
    f.setText("edtdBPerConnector", defaults.perConnectorPairdB);
}

} // namespace

void ComputeCorrectionMode(Session& p) {
    MainForm& f = p.form1;
    f.ModeFactor = modeFactor(f.itemIndex("cmbMode"));
    f.ModeCorrectiondB = 10 * num::log10(f.ModeFactor);
    f.setText("lblkMode", correctionText(f.ModeFactor, f.ModeCorrectiondB, "   "));
}

void ComputeCorrectionTime(Session& p) {
    MainForm& f = p.form1;
    f.TimeFactor = timeFactor(f.itemIndex("cmb6min"));
    f.TimeCorrectiondB = 10 * num::log10(f.TimeFactor);
    f.setText("lblk6min", correctionText(f.TimeFactor, f.TimeCorrectiondB, "    "));
}

void ComputeFeederLosses(Session& p) {
    MainForm& f = p.form1;
    f.BandAndTilt.FreqMinMHz = bandFreqMinMHz(f.itemIndex("cmbFrequency"));
    f.setText("gpbFeederLossCalculator",
              " Feeder loss calculator at " + QString::number(f.BandAndTilt.FreqMinMHz) + " MHz ");
    if (!f.checked("chkFeederCalculator"))
        return;
    double totaldB = 0;
    for (int k = 1; k <= 3; ++k) {
        const double lengthM = f.number(slotName("edtLengthF", k));
        checkCurrentRecord(p, slotName("ADOTable", k));
        const double attenuation = f.number(slotName("dbeAs", k));
        const double lossdB = sectionLossdB(lengthM, attenuation, f.BandAndTilt.FreqMinMHz);
        f.setText(slotName("lblLoss", k), "= " + num::fixed2(lossdB) + " dB");
        totaldB = num::finite(totaldB + lossdB);
    }
    f.setText("edtFeederLoss", num::fixed2(totaldB));
}

void ComputeAdditionalLosses(Session& p) {
    MainForm& f = p.form1;
    if (!f.checked("chkAddLossCalculator"))
        return;
    f.setText("edtNConnectors", QString::number(num::roundToInt(f.number("edtNConnectors"))));
    const double totaldB = num::finite(f.number("edtPWRmeter") + f.number("edtLPF") + f.number("edtATU") +
                                       f.integer("edtNConnectors") * f.number("edtdBPerConnector"));
    f.setText("edtAddLoss", num::fixed2(totaldB));
}

void btnPowerResultsClick(Session& p) {
    MainForm& f = p.form1;
    ComputeCorrectionMode(p);
    ComputeCorrectionTime(p);
    ComputeFeederLosses(p);
    ComputeAdditionalLosses(p);
    // The totals enter as shown, rounded to two decimals; the corrections
    // enter unrounded.
    const double outputPowerdBW = 10 * num::log10(f.number("edtOutputPower"));
    const double inputPowerdBW = num::finite(outputPowerdBW + f.TimeCorrectiondB + f.ModeCorrectiondB -
                                             f.number("edtFeederLoss") - f.number("edtAddLoss"));
    f.PowerAndGain.InputPowerdBW = inputPowerdBW;
    f.setText("lblInputPower_calc", "Input power = " + num::fixed(inputPowerdBW, 3, 2) + " dBW");
    f.InputPowerW = num::pow10(inputPowerdBW / 10);
}

void chkFeederCalculatorClick(Session& p) {
    MainForm& f = p.form1;
    f.setText("edtFeederLoss", "0");
    const bool on = f.checked("chkFeederCalculator");
    f.setVisible("gpbFeederLossCalculator", on);
    if (on)
        ComputeFeederLosses(p);
}

void chkAddLossCalculatorClick(Session& p) {
    MainForm& f = p.form1;
    f.setText("edtAddLoss", "0");
    const bool on = f.checked("chkAddLossCalculator");
    f.setVisible("gpbAddLossCalculator", on);
    if (!on)
        return;
    putAdditionalLossDefaults(f);
    ComputeAdditionalLosses(p);
}

// With the feeder calculator off the lower band edge is not refreshed, so the
// loss defaults follow the band of the last feeder-loss run.
void cmbFrequencyChange(Session& p) {
    MainForm& f = p.form1;
    if (f.checked("chkFeederCalculator"))
        ComputeFeederLosses(p);
    putAdditionalLossDefaults(f);
    if (f.checked("chkAddLossCalculator"))
        ComputeAdditionalLosses(p);
}

} // namespace kovex
