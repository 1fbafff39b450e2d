#include "help/HelpTexts.h"

namespace kovex::help {

using namespace Qt::StringLiterals;

QString dutchText(Topic topic, const FileNames& files) {
    switch (topic) {
    case Topic::General:
        return u"KOVEX helpt u het elektrische veld te berekenen dat uw amateurstation rond zijn\r"
               u"antennes opwekt, en het te toetsen aan de grenswaarde van de regelgeving.\r"
               u"\r"
               u"Het programma bestaat uit vier modules:\r"
               u" 1. het vermogen dat aan de antenneaansluiting wordt geleverd;\r"
               u" 2. de antennegegevens: stralingsdiagram, winst en hoogte;\r"
               u" 3. de keuze van de testpunten, op een plan of een luchtfoto van de omgeving;\r"
               u" 4. het veld in elk testpunt en de toetsing ervan aan de grenswaarde.\r"
               u"De modules 1 en 2 vormen samen met de administratieve gegevens het hoofddeel\r"
               u"van het dossier voor het BIPT.\r"
               u"\r"
               u"Een station met meerdere antennes, zenders en banden wordt opgesplitst in\r"
               u"combinaties antenne/zender die elk op één enkele band werken;\r"
               u"die worden een voor een behandeld.\r"
               u"Met dit programma kunt u de gegevens van 12 verschillende combinaties antenne/zender\r"
               u"invoeren.\r"
               u"Onder 10 MHz hoeft niets berekend te worden: de regelgeving legt daar niets vast.\r"
               u"\r"
               u"Voorbeeld: een station met vier antennes.\r"
               u" - een driebandbeam voor 20, 15 en 10 m: 3 combinaties, één per band;\r"
               u" - een verticale antenne voor 40 en 30 m: 1 combinatie (30 m; 40 m ligt onder 10 MHz);\r"
               u" - een dipool voor 80 m: geen combinatie, de band ligt onder 10 MHz;\r"
               u" - een collineaire antenne voor 2 m en 70 cm: 2 combinaties, één per band.\r"
               u"In totaal zijn er 6 combinaties antenne/zender in te voeren, genummerd van 1 tot 6."_s;
    case Topic::InputPower:
        return u"Geef het uitgangsvermogen van de eindversterker in watt in.\r"
               u"Gebruikt u geen versterker, geef dan het uitgangsvermogen van de zender in."_s;
    case Topic::Mode:
        return u"Kies de modulatiesoort, of de combinatie van modulatiesoorten, die overeenkomt met\r"
               u"het gebruik van het station.\r"
               u"Elke modulatiesoort heeft haar eigen inschakelfactor: een SSB- of CW-signaal zendt\r"
               u"niet voortdurend het volle vermogen uit, een FM- of digitaal signaal wel.\r"
               u"Werkt het station in meerdere modulatiesoorten, kies dan de combinatie die ze dekt."_s;
    case Topic::SixMinutes:
        return u"De blootstellingslimieten zijn gemiddelden over elke periode van 6 minuten.\r"
               u"Wie nooit de volle 6 minuten van een interval van 6 minuten uitzendt, mag een\r"
               u"tijdsfactor toepassen, die nooit kleiner dan 0.5 genomen wordt.\r"
               u"De meeste radioamateurs zenden minder dan 3 minuten op 6 uit; dan geldt de factor 0.5.\r"
               u"Hij hangt af van uw manier van werken (gewone verbindingen of contests) en van\r"
               u"de modulatiesoort.\r"
               u"Geef in hoeveel minuten u \"in de lucht\" bent binnen eender welke periode van 6 minuten."_s;
    case Topic::FeederLoss:
        return u"Geef het totale verlies van de voedingslijn in dB in, of laat de rekenhulp het berekenen.\r"
               u"De rekenhulp telt tot drie lengtes van verschillende kabels op, bijvoorbeeld een lang\r"
               u"stuk dikke kabel en een kort soepel stuk aan de rotor.\r"
               u"Het verlies van een kabel hangt af van de frequentie: de rekenhulp neemt de gekozen band.\r"
               u"De rekenhulp is facultatief: schakel hem uit om uw eigen waarde in te geven."_s;
    case Topic::AddLoss:
        return u"Alle verliezen buiten die van de voedingslijn worden hier opgeteld.\r"
               u"Gangbare waarden:\r"
               u" - SWR- of vermogensmeter: 0.03 dB op HF, 0.05 dB op VHF, tot 0.1 dB op UHF;\r"
               u" - antennetuner: 0.1 tot 0.3 dB;\r"
               u" - per paar connectoren (stekker en chassisdeel): 0.005 tot 0.05 dB op HF,\r"
               u"   0.01 tot 0.05 dB op VHF, 0.02 tot 0.1 dB op UHF.\r"
               u"De rekenhulp is facultatief: schakel hem uit om het totaal zelf in te geven."_s;
    case Topic::Frequency:
        return u"De frequentie dient enkel om de grenswaarde van het veld en het kabelverlies te bepalen;\r"
               u"een nauwkeurigheid tot op de kHz is dus niet nodig.\r"
               u"Zo telt de 20 m-band als 14 MHz, zowel voor de onderste als voor de bovenste frequentie,\r"
               u"ook al blijft het uitzenden uiteraard beperkt tot het gebied van 14.000 tot 14.350 MHz."_s;
    case Topic::AntennaType:
        return u"De antennegegevens komen uit drie verzamelingen:\r"
               u" - de gegevens van het eigen rekenblad van de vereniging;\r"
               u" - aanvullende gegevens van VHF- en UHF-antennes, bezorgd door een van haar leden;\r"
               u" - gegevens van talrijke commerciële antennes, verzameld door twee andere radioamateurs.\r"
               u"Sommige records gelden voor alle banden. Kies bij een commerciële meerbandantenne\r"
               u"het model dat bij de gebruikte frequentie hoort."_s;
    case Topic::AntennaHeight:
        return u"Kies eerst een nulreferentieniveau: de voet van de mast, de straat, de tuin, ...\r"
               u"De antennehoogte en de hoogten van alle testpunten worden vanaf dat niveau gemeten.\r"
               u"Testpunten die lager liggen, krijgen een negatieve hoogte."_s;
    case Topic::Tilt:
        return u"Voor de meeste stations is de elevatiehoek (tilt) 0°.\r"
               u"Alleen antennes die satellieten volgen of voor maanreflectie (EME) dienen,\r"
               u"hebben een tilt.\r"
               u"Hij is positief wanneer de antenne omhoog wijst en negatief wanneer ze omlaag wijst."_s;
    case Topic::TestPoints:
        return u"U hebt een plan op schaal nodig van het huis, de antennes, de naburige huizen\r"
               u"en alle voor het publiek toegankelijke plaatsen in de omgeving.\r"
               u"Kies daarop tussen 4 en 12 kritieke punten, daar waar het veld het sterkst kan zijn,\r"
               u"en geef voor elk punt:\r"
               u" - de afstand tot de antenne, gemeten langs de grond;\r"
               u" - de hoogte, gemeten vanaf het nulreferentieniveau;\r"
               u" - een beschrijving: adres, tuin, terras, dak, voetpad, ...\r"
               u"De testpunten kunnen in een bestand bewaard en later opnieuw geladen worden."_s;
    case Topic::GeoCoordinates:
        return u"Het BIPT verkiest Lambertcoördinaten: X en Y in meter, ruwweg tussen\r"
               u"20000 en 300000.\r"
               u"Coördinaten in graden, minuten en seconden moeten in het WGS84-stelsel gegeven\r"
               u"worden: het oudere ED50-stelsel geeft fouten tot ongeveer 130 m.\r"
               u"Bronnen van coördinaten:\r"
               u" - een GPS-ontvanger, ingesteld op WGS84;\r"
               u" - de topografische kaarten van het Nationaal Geografisch Instituut, met hun\r"
               u"   Lambertraster;\r"
               u" - het kadastraal plan van uw perceel;\r"
               u" - online kaartdiensten die de Lambert- of WGS84-coördinaten van een punt tonen."_s;
    case Topic::RegulatorFiles:
        return u"De \"validatie\" gaat na of de essentiële gegevens aanwezig zijn: ze zoekt naar\r"
               u"belangrijke fouten en ontbrekende gegevens, niet naar elk detail.\r"
               u"\r"
               u"Bij het bewaren wordt het Access-bestand geschreven, dat u naar het BIPT stuurt\r"
               u"samen met:\r"
               u" - een plan op schaal van de site;\r"
               u" - foto's van de kritieke punten;\r"
               u" - de PH02-diagrammen van elke antenne en elke frequentie;\r"
               u" - een begeleidende brief;\r"
               u" - een veldstudie van de site, overal waar een veld 5 % van de grenswaarde\r"
               u"   overschrijdt (3.07 V/m op HF).\r"
               u"U kunt ook het bestand\r"_s +
               files.report +
               u" bijvoegen wat een snel en eenvoudig overzicht van de gegegvens en resultaten geeft.\r"
               u"\r"
               u"U kunt meerdere studies maken; voeg dan best een achtervoegsel aan uw roepletters toe,\r"
               u"zoals ZZ0ZZ_01 , ZZ0ZZ_02, enz... "_s;
    case Topic::TpaiFile:
        return u"Het TPAI-bestand bevat de testpunten en uw persoonlijke gegevens, zodat u ze niet\r"
               u"voor elk dossier opnieuw hoeft in te typen.\r"
               u"Het BIPT heeft dit bestand niet nodig.\r"
               u"Het is een gewoon tekstbestand: u kunt het met elke teksteditor wijzigen."_s;
    case Topic::SafetyCheck:
        return u"Het getoonde veld is de schatting van het BIPT: een puntbron in de vrije ruimte,\r"
               u"met de winst om de 10° uit het stralingsdiagram. Ernaast toont de veiligheidscontrole\r"
               u"waar die schatting te laag kan zijn; de cijfers voor het BIPT, het verslag en de\r"
               u"bestanden veranderen niet.\r"
               u"\r"
               u" - Controle (V/m): de schatting neemt de hoek van een punt boven de antenne alsof het\r"
               u"   eronder lag en telt de elevatie er in beide gevallen bij. De controle leest het\r"
               u"   diagram ook bij de echte hoek tussen het punt en de gekantelde bundel en houdt de\r"
               u"   grootste winst. Zonder elevatie is ze gelijk aan de schatting.\r"
               u" - \"near field\" (nabije veld): het punt ligt dichter dan λ/2π bij de onderste\r"
               u"   bandfrequentie (4.77 m bij 10 MHz) of dan de afmeting van de antenne; daar beschrijft\r"
               u"   een puntbron de antenne niet en kan het echte veld hoger zijn dan de schatting.\r"
               u" - Afstanden van naleving: vanaf de mast, op 1.5 m en 4 m boven het nulniveau, waarna\r"
               u"   het gecontroleerde veld onder 100 %, 80 % en 5 % van de limiet blijft.\r"
               u" - Vink op de pagina Summary de antennes aan die tegelijk zenden: in elk testpunt telt\r"
               u"   de blootstellingsverhouding hun (E/L)² op. Boven 1 is de limiet overschreden, ook\r"
               u"   als elk veld afzonderlijk onder zijn limiet blijft."_s;
    }
    return {};
}

} // namespace kovex::help
