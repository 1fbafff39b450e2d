#pragma once

namespace kovex {

class Session;

void ComputeCorrectionMode(Session& p);
void ComputeCorrectionTime(Session& p);
void ComputeFeederLosses(Session& p);
void ComputeAdditionalLosses(Session& p);
// The input power from the output power, the corrections and the losses as
// the page shows them; the last step of the power chain.
void showInputPower(Session& p);
void chkFeederCalculatorClick(Session& p);
void chkAddLossCalculatorClick(Session& p);
void cmbFrequencyChange(Session& p);

} // namespace kovex
