#pragma once

#include <QString>
#include <cstdint>

namespace kovex {

struct PowerAndGainRecord {
    double InputPowerdBW = 0;
    double AntennaGaindBi = 0;
};

struct BandAndTiltRecord {
    double TiltDeg = 0;
    double VertOpeningAngleDeg = 0;
    std::int32_t FreqMinMHz = 0;
    std::int32_t FreqMaxMHz = 0;
};

// The computed values of the current antenna, held beside the controls.
struct CaseValues {
    double ModeFactor = 0;
    double ModeCorrectiondB = 0;
    double TimeFactor = 0;
    double TimeCorrectiondB = 0;
    PowerAndGainRecord PowerAndGain;
    double InputPowerW = 0;
    BandAndTiltRecord BandAndTilt;
    std::int32_t AntennaHeightM = 0;
    std::int32_t AntennaAzimuthDeg = 0;
    std::int32_t HorOpeningAngleDeg = 0;
    double EIRPdBW = 0;
    QString PolarizationCode;
    QString AntennaTypeName;
    double FieldLimitVm = 0;
    double Field5PercentVm = 0;
    double Field80PercentVm = 0;
    QString AccessFileName;
    QString ReportFileName;
    std::int32_t DrawingAntennaNumber = 0;

    // The extent of the test points of the last field computation and the
    // summary column it wrote.
    double MaxTestPointDistanceM = 0;
    double MaxTestPointHeightM = 0;
    double MinTestPointHeightM = 0;
    std::int32_t SummaryAntennaColumn = 0;

    // The TPAI file last written or read, as the confirmations name it.
    QString TpaiFileName;

    // Scratch texts of the help topic being shown.
    QString HelpTextFr;
    QString HelpTextNl;
    QString HelpTextDe;
    QString HelpTextEn;
};

} // namespace kovex
