#include "help/DossierWords.h"

namespace kovex {

namespace {

DossierWords english() {
    DossierWords w;
    w.title = "Radio-frequency exposure dossier";
    w.pageOfPages = "page %1 of %2";
    w.nothingKept = "There is nothing to put in a dossier yet.\rCompute the fields of each antenna first "
                    "(Test points page, \"Compute fields\"): the dossier holds every antenna whose fields "
                    "were computed.";
    w.saved = "%1 saved !";
    w.applicant = "Applicant";
    w.callsign = "Callsign";
    w.personalAddress = "Address";
    w.phone = "Phone number";
    w.email = "E-mail";
    w.stationAddress = "Antenna location";
    w.lambert = "Lambert coordinates";
    w.wgs84 = "WGS84 coordinates";
    w.longitude = "longitude (East)";
    w.latitude = "latitude (North)";
    w.otherOperators = "Other operators on the site";
    w.site = "Site";
    w.existingSite = "there is already an antenna on this site";
    w.newSite = "new site, no antenna yet";
    w.date = "Date";
    w.version = "Program version";
    w.enclosures = "Enclosures for the BIPT";
    w.held = "[in this dossier]";
    w.notHeld = "[to be added]";
    w.accessFile = "the access file %1";
    w.scalePlan =
        "a scale plan of the site (house, antennas, neighbouring houses, places open to the public)";
    w.pictures = "pictures of the critical test points";
    w.drawings = "the zone drawing (PH02) of every antenna and frequency: %1 antenna(s)";
    w.letter = "a covering letter";
    w.fieldStudy = "a field study of the site, wherever a field exceeds 5 % of its limit";
    w.overview = "an overview of all data and results";
    w.fieldStudyNeeded = "A field study is needed: a field exceeds 5 % of its limit for antenna(s) %1.";
    w.fieldStudyNotNeeded = "No field exceeds 5 % of its limit: no field study is needed.";
    w.validation = "Validation of the data";
    w.nothingMissing = "Nothing is missing: all the elements seem to be valid.";
    w.validationStopped = "The validation stops: %1";
    w.summary = "Summary for all antennas";
    w.limits = "Limits, thresholds and highest fields";
    w.antenna = "Antenna";
    w.band = "Band";
    w.limit = "Limit (V/m)";
    w.field5 = "5 % (V/m)";
    w.field80 = "80 % (V/m)";
    w.highestField = "Highest field (V/m)";
    w.atPoint = "at test point";
    w.fieldShare = "share of the limit (field)";
    w.powerShare = "share of the limit (power density)";
    w.antennaHeading = "Antenna n° %1";
    w.inputs = "Inputs";
    w.outputPower = "Output power (W)";
    w.mode = "Mode";
    w.time = "Time in 6 minutes";
    w.feederLoss = "Total feeder loss (dB)";
    w.feederSection = "Feeder section %1";
    w.meter = "Power or SWR meter (dB)";
    w.lowPass = "Low pass filter (dB)";
    w.tuner = "Antenna tuner (dB)";
    w.connectors = "Pairs of connectors";
    w.otherLosses = "Total other losses (dB)";
    w.antennaRecord = "Antenna (record)";
    w.remark = "Remark";
    w.height = "Antenna height (m)";
    w.polarization = "Polarization";
    w.tilt = "Minimum tilt (degrees)";
    w.noTilt = "none";
    w.results = "Results";
    w.inputPower = "Input power";
    w.gain = "Antenna gain";
    w.eirp = "EIRP";
    w.verticalOpening = "Vertical opening angle";
    w.drawing = "Field strength zones in the vertical plane, antenna n° %1";
    w.drawingFailed = "The drawing cannot be made: %1";
    w.nothingToDraw = "there is no input power or no field limit to draw from.";
    w.points = "Test points and fields";
    w.point = "Nr";
    w.distance = "Dist. (m)";
    w.pointHeight = "Height (m)";
    w.description = "Description of the location";
    w.wall = "Wall or roof";
    w.field = "Field (V/m)";
    w.recordsMissing = "Not every kept record is in the reference databases: %1";
    w.fieldsDiffer = "The fields computed again for the drawing differ from the kept fields: the reference "
                     "data have changed since. Compute this antenna again before sending the dossier.";
    return w;
}

DossierWords french() {
    DossierWords w;
    w.title = "Dossier d'exposition aux champs électromagnétiques";
    w.pageOfPages = "page %1 de %2";
    w.nothingKept = "Il n'y a encore rien à mettre dans un dossier.\rCalculez d'abord les champs de chaque "
                    "antenne (page des points de test, \"Compute fields\") : le dossier reprend chaque "
                    "antenne dont les champs ont été calculés.";
    w.saved = "%1 enregistré !";
    w.applicant = "Demandeur";
    w.callsign = "Indicatif";
    w.personalAddress = "Adresse";
    w.phone = "Téléphone";
    w.email = "E-mail";
    w.stationAddress = "Emplacement de l'antenne";
    w.lambert = "Coordonnées Lambert";
    w.wgs84 = "Coordonnées WGS84";
    w.longitude = "longitude (Est)";
    w.latitude = "latitude (Nord)";
    w.otherOperators = "Autres opérateurs sur le site";
    w.site = "Site";
    w.existingSite = "il y a déjà une antenne sur ce site";
    w.newSite = "nouveau site, pas encore d'antenne";
    w.date = "Date";
    w.version = "Version du programme";
    w.enclosures = "Annexes pour l'IBPT";
    w.held = "[dans ce dossier]";
    w.notHeld = "[à joindre]";
    w.accessFile = "le fichier access %1";
    w.scalePlan = "un plan à l'échelle du site (maison, antennes, maisons voisines, lieux accessibles au "
                  "public)";
    w.pictures = "des photos des points de test critiques";
    w.drawings = "le diagramme des zones (PH02) de chaque antenne et fréquence : %1 antenne(s)";
    w.letter = "une lettre d'accompagnement";
    w.fieldStudy = "une étude de terrain du site, là où un champ dépasse 5 % de sa limite";
    w.overview = "un aperçu de toutes les données et de tous les résultats";
    w.fieldStudyNeeded = "Une étude de terrain est nécessaire : un champ dépasse 5 % de sa limite pour "
                         "l'antenne ou les antennes %1.";
    w.fieldStudyNotNeeded =
        "Aucun champ ne dépasse 5 % de sa limite : aucune étude de terrain n'est nécessaire.";
    w.validation = "Validation des données";
    w.nothingMissing = "Rien ne manque : tous les éléments semblent valables.";
    w.validationStopped = "La validation s'arrête : %1";
    w.summary = "Résumé de toutes les antennes";
    w.limits = "Limites, seuils et champs les plus élevés";
    w.antenna = "Antenne";
    w.band = "Bande";
    w.limit = "Limite (V/m)";
    w.field5 = "5 % (V/m)";
    w.field80 = "80 % (V/m)";
    w.highestField = "Champ le plus élevé (V/m)";
    w.atPoint = "au point de test";
    w.fieldShare = "part de la limite (champ)";
    w.powerShare = "part de la limite (densité de puissance)";
    w.antennaHeading = "Antenne n° %1";
    w.inputs = "Données";
    w.outputPower = "Puissance de sortie (W)";
    w.mode = "Mode";
    w.time = "Temps sur 6 minutes";
    w.feederLoss = "Perte totale du câble (dB)";
    w.feederSection = "Tronçon de câble %1";
    w.meter = "Wattmètre ou ROS-mètre (dB)";
    w.lowPass = "Filtre passe-bas (dB)";
    w.tuner = "Boîte d'accord (dB)";
    w.connectors = "Paires de connecteurs";
    w.otherLosses = "Total des autres pertes (dB)";
    w.antennaRecord = "Antenne (fiche)";
    w.remark = "Remarque";
    w.height = "Hauteur de l'antenne (m)";
    w.polarization = "Polarisation";
    w.tilt = "Inclinaison minimale (degrés)";
    w.noTilt = "aucune";
    w.results = "Résultats";
    w.inputPower = "Puissance à l'entrée de l'antenne";
    w.gain = "Gain de l'antenne";
    w.eirp = "PIRE";
    w.verticalOpening = "Angle d'ouverture vertical";
    w.drawing = "Zones de champ dans le plan vertical, antenne n° %1";
    w.drawingFailed = "Le diagramme ne peut pas être tracé : %1";
    w.nothingToDraw = "il n'y a pas de puissance d'entrée ou pas de limite de champ à représenter.";
    w.points = "Points de test et champs";
    w.point = "N°";
    w.distance = "Dist. (m)";
    w.pointHeight = "Hauteur (m)";
    w.description = "Description de l'endroit";
    w.wall = "Mur ou toit";
    w.field = "Champ (V/m)";
    w.recordsMissing = "Toutes les fiches gardées ne sont pas dans les bases de référence : %1";
    w.fieldsDiffer = "Les champs recalculés pour le diagramme diffèrent des champs gardés : les données de "
                     "référence ont changé depuis. Recalculez cette antenne avant d'envoyer le dossier.";
    return w;
}

DossierWords dutch() {
    DossierWords w;
    w.title = "Dossier blootstelling aan elektromagnetische velden";
    w.pageOfPages = "pagina %1 van %2";
    w.nothingKept = "Er is nog niets om in een dossier te zetten.\rBereken eerst de velden van elke antenne "
                    "(pagina van de testpunten, \"Compute fields\"): het dossier bevat elke antenne "
                    "waarvan de velden berekend zijn.";
    w.saved = "%1 opgeslagen !";
    w.applicant = "Aanvrager";
    w.callsign = "Roepnaam";
    w.personalAddress = "Adres";
    w.phone = "Telefoon";
    w.email = "E-mail";
    w.stationAddress = "Plaats van de antenne";
    w.lambert = "Lambert-coördinaten";
    w.wgs84 = "WGS84-coördinaten";
    w.longitude = "lengte (Oost)";
    w.latitude = "breedte (Noord)";
    w.otherOperators = "Andere operatoren op de site";
    w.site = "Site";
    w.existingSite = "er staat al een antenne op deze site";
    w.newSite = "nieuwe site, nog geen antenne";
    w.date = "Datum";
    w.version = "Versie van het programma";
    w.enclosures = "Bijlagen voor het BIPT";
    w.held = "[in dit dossier]";
    w.notHeld = "[bij te voegen]";
    w.accessFile = "het access-bestand %1";
    w.scalePlan = "een plan op schaal van de site (huis, antennes, naburige huizen, publiek toegankelijke "
                  "plaatsen)";
    w.pictures = "foto's van de kritieke testpunten";
    w.drawings = "het zonediagram (PH02) van elke antenne en frequentie: %1 antenne(s)";
    w.letter = "een begeleidende brief";
    w.fieldStudy = "een terreinstudie van de site, waar een veld 5 % van zijn limiet overschrijdt";
    w.overview = "een overzicht van alle gegevens en resultaten";
    w.fieldStudyNeeded = "Een terreinstudie is nodig: een veld overschrijdt 5 % van zijn limiet voor "
                         "antenne(s) %1.";
    w.fieldStudyNotNeeded = "Geen veld overschrijdt 5 % van zijn limiet: een terreinstudie is niet nodig.";
    w.validation = "Validatie van de gegevens";
    w.nothingMissing = "Er ontbreekt niets: alle elementen lijken geldig.";
    w.validationStopped = "De validatie stopt: %1";
    w.summary = "Overzicht van alle antennes";
    w.limits = "Limieten, drempels en hoogste velden";
    w.antenna = "Antenne";
    w.band = "Band";
    w.limit = "Limiet (V/m)";
    w.field5 = "5 % (V/m)";
    w.field80 = "80 % (V/m)";
    w.highestField = "Hoogste veld (V/m)";
    w.atPoint = "in testpunt";
    w.fieldShare = "deel van de limiet (veld)";
    w.powerShare = "deel van de limiet (vermogensdichtheid)";
    w.antennaHeading = "Antenne nr. %1";
    w.inputs = "Gegevens";
    w.outputPower = "Uitgangsvermogen (W)";
    w.mode = "Modulatie";
    w.time = "Zendtijd in 6 minuten";
    w.feederLoss = "Totaal kabelverlies (dB)";
    w.feederSection = "Kabelsectie %1";
    w.meter = "Vermogens- of SWR-meter (dB)";
    w.lowPass = "Laagdoorlaatfilter (dB)";
    w.tuner = "Antennetuner (dB)";
    w.connectors = "Paren connectoren";
    w.otherLosses = "Totaal andere verliezen (dB)";
    w.antennaRecord = "Antenne (record)";
    w.remark = "Opmerking";
    w.height = "Hoogte van de antenne (m)";
    w.polarization = "Polarisatie";
    w.tilt = "Minimale helling (graden)";
    w.noTilt = "geen";
    w.results = "Resultaten";
    w.inputPower = "Vermogen aan de ingang van de antenne";
    w.gain = "Antennewinst";
    w.eirp = "EIRP";
    w.verticalOpening = "Verticale openingshoek";
    w.drawing = "Veldsterktezones in het verticale vlak, antenne nr. %1";
    w.drawingFailed = "Het diagram kan niet getekend worden: %1";
    w.nothingToDraw = "er is geen ingangsvermogen of geen veldlimiet om te tekenen.";
    w.points = "Testpunten en velden";
    w.point = "Nr";
    w.distance = "Afst. (m)";
    w.pointHeight = "Hoogte (m)";
    w.description = "Beschrijving van de plaats";
    w.wall = "Muur of dak";
    w.field = "Veld (V/m)";
    w.recordsMissing = "Niet elk bewaard record staat in de referentiedatabanken: %1";
    w.fieldsDiffer = "De voor het diagram opnieuw berekende velden verschillen van de bewaarde velden: de "
                     "referentiegegevens zijn sindsdien veranderd. Bereken deze antenne opnieuw voor u het "
                     "dossier verstuurt.";
    return w;
}

DossierWords german() {
    DossierWords w;
    w.title = "Dossier zur Exposition gegenüber elektromagnetischen Feldern";
    w.pageOfPages = "Seite %1 von %2";
    w.nothingKept = "Es gibt noch nichts für ein Dossier.\rBerechnen Sie zuerst die Felder jeder Antenne "
                    "(Seite der Testpunkte, \"Compute fields\"): das Dossier enthält jede Antenne, deren "
                    "Felder berechnet wurden.";
    w.saved = "%1 gespeichert !";
    w.applicant = "Antragsteller";
    w.callsign = "Rufzeichen";
    w.personalAddress = "Adresse";
    w.phone = "Telefon";
    w.email = "E-Mail";
    w.stationAddress = "Standort der Antenne";
    w.lambert = "Lambert-Koordinaten";
    w.wgs84 = "WGS84-Koordinaten";
    w.longitude = "Länge (Ost)";
    w.latitude = "Breite (Nord)";
    w.otherOperators = "Andere Betreiber am Standort";
    w.site = "Standort";
    w.existingSite = "an diesem Standort steht schon eine Antenne";
    w.newSite = "neuer Standort, noch keine Antenne";
    w.date = "Datum";
    w.version = "Programmversion";
    w.enclosures = "Anlagen für das BIPT";
    w.held = "[in diesem Dossier]";
    w.notHeld = "[beizulegen]";
    w.accessFile = "die Access-Datei %1";
    w.scalePlan = "ein maßstabsgetreuer Plan des Standorts (Haus, Antennen, Nachbarhäuser, öffentlich "
                  "zugängliche Orte)";
    w.pictures = "Fotos der kritischen Testpunkte";
    w.drawings = "das Zonendiagramm (PH02) jeder Antenne und Frequenz: %1 Antenne(n)";
    w.letter = "ein Begleitschreiben";
    w.fieldStudy = "eine Feldstudie des Standorts, wo ein Feld 5 % seines Grenzwerts überschreitet";
    w.overview = "eine Übersicht aller Daten und Ergebnisse";
    w.fieldStudyNeeded = "Eine Feldstudie ist nötig: ein Feld überschreitet 5 % seines Grenzwerts bei "
                         "Antenne(n) %1.";
    w.fieldStudyNotNeeded = "Kein Feld überschreitet 5 % seines Grenzwerts: eine Feldstudie ist nicht nötig.";
    w.validation = "Prüfung der Daten";
    w.nothingMissing = "Es fehlt nichts: alle Angaben scheinen gültig.";
    w.validationStopped = "Die Prüfung bricht ab: %1";
    w.summary = "Übersicht aller Antennen";
    w.limits = "Grenzwerte, Schwellen und höchste Felder";
    w.antenna = "Antenne";
    w.band = "Band";
    w.limit = "Grenzwert (V/m)";
    w.field5 = "5 % (V/m)";
    w.field80 = "80 % (V/m)";
    w.highestField = "Höchstes Feld (V/m)";
    w.atPoint = "im Testpunkt";
    w.fieldShare = "Anteil am Grenzwert (Feld)";
    w.powerShare = "Anteil am Grenzwert (Leistungsdichte)";
    w.antennaHeading = "Antenne Nr. %1";
    w.inputs = "Eingaben";
    w.outputPower = "Ausgangsleistung (W)";
    w.mode = "Betriebsart";
    w.time = "Sendezeit in 6 Minuten";
    w.feederLoss = "Gesamte Kabeldämpfung (dB)";
    w.feederSection = "Kabelabschnitt %1";
    w.meter = "Leistungs- oder SWR-Meter (dB)";
    w.lowPass = "Tiefpassfilter (dB)";
    w.tuner = "Antennentuner (dB)";
    w.connectors = "Steckverbinderpaare";
    w.otherLosses = "Gesamte andere Verluste (dB)";
    w.antennaRecord = "Antenne (Datensatz)";
    w.remark = "Bemerkung";
    w.height = "Höhe der Antenne (m)";
    w.polarization = "Polarisation";
    w.tilt = "Minimale Neigung (Grad)";
    w.noTilt = "keine";
    w.results = "Ergebnisse";
    w.inputPower = "Leistung am Antenneneingang";
    w.gain = "Antennengewinn";
    w.eirp = "EIRP";
    w.verticalOpening = "Vertikaler Öffnungswinkel";
    w.drawing = "Feldstärkezonen in der vertikalen Ebene, Antenne Nr. %1";
    w.drawingFailed = "Das Diagramm kann nicht gezeichnet werden: %1";
    w.nothingToDraw = "es gibt keine Eingangsleistung oder keinen Feldgrenzwert zum Zeichnen.";
    w.points = "Testpunkte und Felder";
    w.point = "Nr";
    w.distance = "Abst. (m)";
    w.pointHeight = "Höhe (m)";
    w.description = "Beschreibung des Ortes";
    w.wall = "Wand oder Dach";
    w.field = "Feld (V/m)";
    w.recordsMissing = "Nicht jeder gespeicherte Datensatz steht in den Referenzdatenbanken: %1";
    w.fieldsDiffer = "Die für das Diagramm neu berechneten Felder weichen von den gespeicherten ab: die "
                     "Referenzdaten haben sich seitdem geändert. Berechnen Sie diese Antenne neu, bevor Sie "
                     "das Dossier senden.";
    return w;
}

} // namespace

const DossierWords& dossierWords(int helpLanguage) {
    static const DossierWords words[]{french(), dutch(), german(), english()};
    return words[helpLanguage >= 0 && helpLanguage <= 2 ? helpLanguage : 3];
}

} // namespace kovex
