#pragma once

#include "drawing/Dossier.h"

#include <QString>

namespace kovex {

class Session;

// The dossier of the station as the window holds it, in the help language:
// the administrative record, the validation, the summary and every kept
// antenna with its zone drawing, made on a copy of the case so that the
// pages the user has open stay as they are.
dossier::Content dossierContent(const Session& p);

// The working folder's callsign + "_dossier.pdf", or "dossier.pdf" for a
// callsign that is no plain file name.
QString suggestedDossierPath(const Session& p);

// File > Export dossier (PDF): asks where to write it, then writes the whole
// file or, on a failure, leaves an earlier one as it was.
void mnuExportDossierClick(Session& p);

} // namespace kovex
