#pragma once

namespace kovex {

class EventTable;
class Program;

void ComputeCorrectionMode(Program& p);
void ComputeCorrectionTime(Program& p);
void ComputeFeederLosses(Program& p);
void ComputeAdditionalLosses(Program& p);
void btnPowerResultsClick(Program& p);
void chkFeederCalculatorClick(Program& p);
void chkAddLossCalculatorClick(Program& p);
void cmbFrequencyChange(Program& p);

void bindPowerChainHandlers(EventTable& events);

} // namespace kovex
