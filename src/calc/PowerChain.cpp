#include "calc/PowerChain.h"

#include "calc/PowerTables.h"
#include "model/ControlNames.h"
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
    const AdditionalLossDefaults defaults = additionalLossDefaults(f.values.BandAndTilt.FreqMinMHz);
    f.setText(ui::edtPWRmeter, defaults.powerMeterdB);
    f.setText(ui::edtLPF, defaults.lowPassFilterdB);
    f.setText(ui::edtATU, defaults.antennaTunerdB);
    f.setText(ui::edtdBPerConnector, defaults.perConnectorPairdB);
}

} // namespace

void ComputeCorrectionMode(Session& p) {
    MainForm& f = p.mainForm;
    f.values.ModeFactor = modeFactor(f.itemIndex(ui::cmbMode));
    f.values.ModeCorrectiondB = 10 * num::log10(f.values.ModeFactor);
    f.setText(ui::lblkMode, correctionText(f.values.ModeFactor, f.values.ModeCorrectiondB, "   "));
}

void ComputeCorrectionTime(Session& p) {
    MainForm& f = p.mainForm;
    f.values.TimeFactor = timeFactor(f.itemIndex(ui::cmb6min));
    f.values.TimeCorrectiondB = 10 * num::log10(f.values.TimeFactor);
    f.setText(ui::lblk6min, correctionText(f.values.TimeFactor, f.values.TimeCorrectiondB, "    "));
}

void ComputeFeederLosses(Session& p) {
    MainForm& f = p.mainForm;
    f.values.BandAndTilt.FreqMinMHz = bandFreqMinMHz(f.itemIndex(ui::cmbFrequency));
    f.setText(ui::gpbFeederLossCalculator,
              " Feeder loss calculator at " + QString::number(f.values.BandAndTilt.FreqMinMHz) + " MHz ");
    if (!f.checked(ui::chkFeederCalculator))
        return;
    double totaldB = 0;
    for (int k = 1; k <= 3; ++k) {
        const double lengthM = f.number(ui::edtLengthF[k]);
        checkCurrentRecord(p, slotName("feederCable", k));
        const double attenuation = f.number(ui::dbeAs[k]);
        const double lossdB = sectionLossdB(lengthM, attenuation, f.values.BandAndTilt.FreqMinMHz);
        f.setText(ui::lblLoss[k], "= " + num::fixed2(lossdB) + " dB");
        totaldB = num::finite(totaldB + lossdB);
    }
    f.setText(ui::edtFeederLoss, num::fixed2(totaldB));
}

void ComputeAdditionalLosses(Session& p) {
    MainForm& f = p.mainForm;
    if (!f.checked(ui::chkAddLossCalculator))
        return;
    f.setText(ui::edtNConnectors, QString::number(num::roundToInt(f.number(ui::edtNConnectors))));
    const double totaldB =
        num::finite(f.number(ui::edtPWRmeter) + f.number(ui::edtLPF) + f.number(ui::edtATU) +
                    f.integer(ui::edtNConnectors) * f.number(ui::edtdBPerConnector));
    f.setText(ui::edtAddLoss, num::fixed2(totaldB));
}

void showInputPower(Session& p) {
    MainForm& f = p.mainForm;
    // The totals enter as shown, rounded to two decimals; the corrections
    // enter unrounded.
    const double outputPowerdBW = 10 * num::log10(f.number(ui::edtOutputPower));
    const double inputPowerdBW =
        num::finite(outputPowerdBW + f.values.TimeCorrectiondB + f.values.ModeCorrectiondB -
                    f.number(ui::edtFeederLoss) - f.number(ui::edtAddLoss));
    f.values.PowerAndGain.InputPowerdBW = inputPowerdBW;
    f.setText(ui::lblInputPower_calc, "Input power = " + num::fixed(inputPowerdBW, 3, 2) + " dBW");
    f.values.InputPowerW = num::pow10(inputPowerdBW / 10);
}

void chkFeederCalculatorClick(Session& p) {
    MainForm& f = p.mainForm;
    f.setText(ui::edtFeederLoss, "0");
    const bool on = f.checked(ui::chkFeederCalculator);
    f.setVisible(ui::gpbFeederLossCalculator, on);
    if (on)
        ComputeFeederLosses(p);
}

void chkAddLossCalculatorClick(Session& p) {
    MainForm& f = p.mainForm;
    f.setText(ui::edtAddLoss, "0");
    const bool on = f.checked(ui::chkAddLossCalculator);
    f.setVisible(ui::gpbAddLossCalculator, on);
    if (!on)
        return;
    putAdditionalLossDefaults(f);
    ComputeAdditionalLosses(p);
}

// With the feeder calculator off the lower band edge is not refreshed, so the
// loss defaults follow the band of the last feeder-loss run.
void cmbFrequencyChange(Session& p) {
    MainForm& f = p.mainForm;
    if (f.checked(ui::chkFeederCalculator))
        ComputeFeederLosses(p);
    putAdditionalLossDefaults(f);
    if (f.checked(ui::chkAddLossCalculator))
        ComputeAdditionalLosses(p);
}

} // namespace kovex
