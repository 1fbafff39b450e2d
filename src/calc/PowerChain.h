#pragma once

namespace kovex {

class Session;

void ComputeCorrectionMode(Session& p);
void ComputeCorrectionTime(Session& p);
void ComputeFeederLosses(Session& p);
void ComputeAdditionalLosses(Session& p);
void btnPowerResultsClick(Session& p);
void chkFeederCalculatorClick(Session& p);
void chkAddLossCalculatorClick(Session& p);
void cmbFrequencyChange(Session& p);

} // namespace kovex
