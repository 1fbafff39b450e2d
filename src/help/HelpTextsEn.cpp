#include "help/HelpTexts.h"

namespace kovex::help {

using namespace Qt::StringLiterals;

QString englishText(Topic topic, const FileNames& files) {
    switch (topic) {
    case Topic::General:
        return u"KOVEX helps you work out the electric field that your amateur station produces around\r"
               u"its antennas, and check it against the limit set by the regulation.\r"
               u"\r"
               u"The program has four modules:\r"
               u" 1. the power delivered to the antenna connector;\r"
               u" 2. the antenna data: radiation pattern, gain and height;\r"
               u" 3. the choice of test points, on a plan or an aerial photograph of the site;\r"
               u" 4. the field at each test point and its check against the limit.\r"
               u"Modules 1 and 2, together with the administrative data, make up the main part\r"
               u"of the file for the BIPT.\r"
               u"\r"
               u"A station with several antennas, transmitters and bands is split into\r"
               u"antenna/transmitter combinations that each work on a single band;\r"
               u"these are then worked through one by one.\r"
               u"With this program we can now enter the data for 12 different antenna/transmitter "
               u"combinations.\r"
               u"Nothing needs to be computed below 10 MHz, since the regulation sets no limit there.\r"
               u"\r"
               u"Example: a station with four antennas.\r"
               u" - a three-band beam for 20, 15 and 10 m: 3 combinations, one per band;\r"
               u" - a vertical for 40 and 30 m: 1 combination (30 m; 40 m lies below 10 MHz);\r"
               u" - a dipole for 80 m: no combination, the band lies below 10 MHz;\r"
               u" - a collinear for 2 m and 70 cm: 2 combinations, one per band.\r"
               u"In all, 6 antenna/transmitter combinations to enter, numbered 1 to 6."_s;
    case Topic::InputPower:
        return u"Enter the output power of the final amplifier, in watts.\r"
               u"If you use no amplifier, enter the output power of the transmitter."_s;
    case Topic::Mode:
        return u"Choose the mode, or the combination of modes, that matches the way the station is used.\r"
               u"Each mode has its own duty factor: an SSB or CW signal does not send its full power\r"
               u"all the time, an FM or digital signal does.\r"
               u"When the station works in several modes, choose the combination that covers them."_s;
    case Topic::SixMinutes:
        return u"The exposure limits are averages over any period of 6 minutes.\r"
               u"If you never transmit for the full 6 minutes of any 6-minute interval, you may use\r"
               u"a time factor, which is never taken below 0.5.\r"
               u"Most radio amateurs transmit less than 3 minutes in any 6, so the factor 0.5 applies.\r"
               u"It depends on your operating style (ordinary contacts or contests) and on the mode.\r"
               u"Enter the number of minutes \"on the air\" in any 6-minute period."_s;
    case Topic::FeederLoss:
        return u"Type the total loss of the feeder line in dB, or let the calculator work it out.\r"
               u"The calculator adds up to three lengths of different cables, for instance a long run\r"
               u"of thick cable and a short flexible piece at the rotator.\r"
               u"The loss of a cable depends on the frequency: the calculator uses the band you chose.\r"
               u"The calculator is optional: switch it off to type your own figure."_s;
    case Topic::AddLoss:
        return u"All losses other than those of the feeder line are added up here.\r"
               u"Typical figures:\r"
               u" - SWR or power meter: 0.03 dB on HF, 0.05 dB on VHF, up to 0.1 dB on UHF;\r"
               u" - antenna tuner: 0.1 to 0.3 dB;\r"
               u" - per pair of connectors (plug and socket): 0.005 to 0.05 dB on HF,\r"
               u"   0.01 to 0.05 dB on VHF, 0.02 to 0.1 dB on UHF.\r"
               u"The calculator is optional: switch it off to type the total yourself."_s;
    case Topic::Frequency:
        return u"The frequency only serves to find the field limit and the feeder loss,\r"
               u"so it needs no precision in kHz.\r"
               u"The 20 m band, for instance, counts as 14 MHz for both its lower and its upper\r"
               u"frequency, although you may of course only transmit from 14.000 to 14.350 MHz."_s;
    case Topic::AntennaType:
        return u"The antenna data come from three collections:\r"
               u" - the data of the association's own calculation spreadsheet;\r"
               u" - further data of VHF and UHF antennas, provided by one of its members;\r"
               u" - data of many commercial antennas, collected by two other radio amateurs.\r"
               u"Some records hold for all bands. For a commercial multiband antenna, take care\r"
               u"to choose the model that matches the frequency you work on."_s;
    case Topic::AntennaHeight:
        return u"First choose a zero reference level: the foot of the mast, the street, the garden, ...\r"
               u"The antenna height and the heights of all test points are measured from that level.\r"
               u"Test points lying below it get a negative height."_s;
    case Topic::Tilt:
        return u"For most stations the tilt is 0°.\r"
               u"Only antennas that track satellites or serve moon-bounce (EME) have a tilt.\r"
               u"It is positive when the antenna points upward, negative when it points downward."_s;
    case Topic::TestPoints:
        return u"You need a plan to scale of the house, the antennas, the neighbouring houses\r"
               u"and all places open to the public around them.\r"
               u"On it, choose between 4 and 12 critical points, where the field is likely to be\r"
               u"strongest, and give for each:\r"
               u" - the distance to the antenna, measured along the ground;\r"
               u" - the height, measured from the zero reference level;\r"
               u" - a description: address, garden, terrace, roof, pavement, ...\r"
               u"The test points can be saved in a file and loaded again later."_s;
    case Topic::GeoCoordinates:
        return u"The BIPT prefers Lambert coordinates: X and Y in metres, both roughly between\r"
               u"20000 and 300000.\r"
               u"Coordinates in degrees, minutes and seconds must be given on the WGS84 datum:\r"
               u"the older ED50 datum gives errors of up to about 130 m.\r"
               u"Where to find coordinates:\r"
               u" - a GPS receiver set to WGS84;\r"
               u" - the topographic maps of the National Geographic Institute, with their Lambert grid;\r"
               u" - the cadastral plan of your plot;\r"
               u" - online map services that show the Lambert or WGS84 coordinates of a point."_s;
    case Topic::RegulatorFiles:
        return u"\"Validation\" checks that the essential data are present: it looks for important\r"
               u"errors and missing data, not for every detail.\r"
               u"\r"
               u"Saving writes the access file, which you send to the BIPT together with:\r"
               u" - a plan to scale of the site;\r"
               u" - pictures of the critical points;\r"
               u" - the PH02 diagrams of every antenna and every frequency;\r"
               u" - a covering letter;\r"
               u" - a field study of the site, wherever a field exceeds 5 % of the limit\r"
               u"   (3.07 V/m on HF).\r"
               u"You may also add the file "_s +
               files.report +
               u" allowing a quick overview of all data and results\r"
               u" concerning your case. \r"
               u"\r"
               u"You can make several case studies, it is recommended you then add a suffix to you "
               u"callssign, \r"
               u"e.g. ZZ0ZZ_01 , ZZ0ZZ_02, etc ... "_s;
    case Topic::TpaiFile:
        return u"The TPAI file holds the test points and your personal data, so that you need not\r"
               u"type them again for each case.\r"
               u"The BIPT does not need this file.\r"
               u"It is a plain text file: any text editor can change it."_s;
    case Topic::SafetyCheck:
        return u"The field shown is the regulator's estimate: a point source in free space, its gain\r"
               u"read from the pattern every 10°. Beside it the safety check shows where that estimate\r"
               u"may be too low; the regulator's figures, the report and the files do not change.\r"
               u"\r"
               u" - Check (V/m): the estimate takes the angle of a point above the antenna as if it were\r"
               u"   below it and adds the tilt either way. The check also reads the pattern at the real\r"
               u"   angle between the point and the tilted beam and keeps the larger gain. Without a\r"
               u"   tilt it is the estimate itself.\r"
               u" - \"near field\": the point is closer than λ/2π at the lower band edge\r"
               u"   (4.77 m at 10 MHz) or than the antenna's own size; there a point source does not\r"
               u"   describe the antenna, and the real field can be several times the estimate.\r"
               u" - Compliance distances: from the mast, at 1.5 m and 4 m above the zero reference,\r"
               u"   beyond which the checked field stays below 100 %, 80 % and 5 % of the limit.\r"
               u" - On the Summary page, tick the antennas that are on the air at the same time: at each\r"
               u"   test point the exposure ratio adds (E/L)² over them. Above 1 the limit is exceeded\r"
               u"   even when every single field is below its limit."_s;
    }
    return {};
}

} // namespace kovex::help
