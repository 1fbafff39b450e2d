#pragma once

#include <QString>

namespace kovex {

// The words of the station's dossier in one help language. A "%1" stands
// for a number or a name filled in when the dossier is made.
struct DossierWords {
    QString title;
    QString pageOfPages; // %1 of %2
    QString nothingKept; // the box shown instead of an empty dossier
    QString saved;       // %1 is the file's name

    // The cover page.
    QString applicant;
    QString callsign;
    QString personalAddress;
    QString phone;
    QString email;
    QString stationAddress;
    QString lambert;
    QString wgs84;
    QString longitude;
    QString latitude;
    QString otherOperators;
    QString site;
    QString existingSite;
    QString newSite;
    QString date;
    QString version;
    QString enclosures;
    QString held;
    QString notHeld;
    QString accessFile; // %1 is the access file's name
    QString scalePlan;
    QString pictures;
    QString drawings; // %1 is the number of antennas in this dossier
    QString letter;
    QString fieldStudy;
    QString overview;
    QString fieldStudyNeeded; // %1 lists the antennas
    QString fieldStudyNotNeeded;

    // Validation and summary.
    QString validation;
    QString nothingMissing;
    QString validationStopped; // %1 is the conversion error
    QString summary;
    QString limits;
    QString antenna;
    QString band;
    QString limit;
    QString field5;
    QString field80;
    QString highestField;
    QString atPoint;
    QString fieldShare;
    QString powerShare;

    // One antenna.
    QString antennaHeading; // %1 is its number
    QString inputs;
    QString outputPower;
    QString mode;
    QString time;
    QString feederLoss;
    QString feederSection; // %1 is its number
    QString meter;
    QString lowPass;
    QString tuner;
    QString connectors;
    QString otherLosses;
    QString antennaRecord;
    QString remark;
    QString height;
    QString polarization;
    QString tilt;
    QString noTilt;
    QString results;
    QString inputPower;
    QString gain;
    QString eirp;
    QString verticalOpening;
    QString drawing;       // %1 is the antenna's number
    QString drawingFailed; // %1 is the reason
    QString nothingToDraw; // the reason when power or limit is 0
    QString points;
    QString point;
    QString distance;
    QString pointHeight;
    QString description;
    QString wall;
    QString field;
    QString recordsMissing; // %1 lists the lists
    QString fieldsDiffer;   // the kept fields and the drawing's disagree
};

// 0 French, 1 Dutch, 2 German, anything else English.
const DossierWords& dossierWords(int helpLanguage);

} // namespace kovex
