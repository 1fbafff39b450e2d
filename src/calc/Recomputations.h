#pragma once

#include <initializer_list>

// The chained recomputations, each written once as its steps in order. The
// buttons that compute run one of them; no handler runs another handler.
namespace kovex {

class Session;

using Step = void (*)(Session&);

// Runs the steps in order; a failing step throws and ends the sequence, and
// what the steps before it wrote stays.
void runSteps(std::initializer_list<Step> steps, Session& p);

// The power chain: the corrections, the feeder and other losses, the input
// power.
void recomputePower(Session& p);
// The antenna results, the power chain run between the antenna's inputs and
// its gain.
void recomputeAntenna(Session& p);
// The fields: the power chain, the antenna results, the walls of every test
// point, then the fields themselves.
void recomputeFields(Session& p);

void btnPowerResultsClick(Session& p);
void btnAntennaResultsClick(Session& p);
void btnFieldResultsClick(Session& p);

} // namespace kovex
