#include "help/HelpTexts.h"

namespace kovex::help {

using namespace Qt::StringLiterals;

QString germanText(Topic topic, const FileNames& files) {
    switch (topic) {
    case Topic::General:
        return u"KOVEX hilft Ihnen, das elektrische Feld zu berechnen, das Ihre Amateurfunkstation\r"
               u"rund um ihre Antennen erzeugt, und es mit dem Grenzwert der Vorschriften zu vergleichen.\r"
               u"\r"
               u"Das Programm besteht aus vier Modulen:\r"
               u" 1. die Leistung am Antennenanschluss;\r"
               u" 2. die Antennendaten: Strahlungsdiagramm, Gewinn und Höhe;\r"
               u" 3. die Wahl der Messpunkte auf einem Plan oder einem Luftbild des Standorts;\r"
               u" 4. das Feld an jedem Messpunkt und sein Vergleich mit dem Grenzwert.\r"
               u"Die Module 1 und 2 bilden zusammen mit den Verwaltungsdaten den Hauptteil\r"
               u"der Akte für das BIPT.\r"
               u"\r"
               u"Eine Station mit mehreren Antennen, Sendern und Bändern wird in Kombinationen\r"
               u"Antenne/Sender aufgeteilt, die jeweils auf einem einzigen Band arbeiten;\r"
               u"diese werden der Reihe nach bearbeitet.\r"
               u"Mit diesem Programm können die Daten von 12 verschiedenen Kombinationen Antenne/Sender\r"
               u"eingegeben werden.\r"
               u"Unterhalb von 10 MHz ist keine Berechnung nötig, da die Vorschriften dort nichts "
               u"festlegen.\r"
               u"\r"
               u"Beispiel: eine Station mit vier Antennen.\r"
               u" - ein Dreiband-Beam für 20, 15 und 10 m: 3 Kombinationen, eine je Band;\r"
               u" - eine Vertikalantenne für 40 und 30 m: 1 Kombination (30 m; 40 m liegt unter 10 MHz);\r"
               u" - ein Dipol für 80 m: keine Kombination, das Band liegt unter 10 MHz;\r"
               u" - eine Kollinearantenne für 2 m und 70 cm: 2 Kombinationen, eine je Band.\r"
               u"Insgesamt sind 6 Kombinationen Antenne/Sender einzugeben, nummeriert von 1 bis 6."_s;
    case Topic::InputPower:
        return u"Geben Sie die Ausgangsleistung der Endstufe in Watt ein.\r"
               u"Ohne Endstufe geben Sie die Ausgangsleistung des Senders ein."_s;
    case Topic::Mode:
        return u"Wählen Sie die Betriebsart oder die Kombination von Betriebsarten, die der Nutzung\r"
               u"der Station entspricht.\r"
               u"Jede Betriebsart hat ihren eigenen Tastgrad: ein SSB- oder CW-Signal sendet nicht\r"
               u"ständig mit voller Leistung, ein FM- oder Digitalsignal dagegen schon.\r"
               u"Arbeitet die Station in mehreren Betriebsarten, wählen Sie die Kombination,\r"
               u"die sie alle abdeckt."_s;
    case Topic::SixMinutes:
        return u"Die Expositionsgrenzwerte sind Mittelwerte über jeden Zeitraum von 6 Minuten.\r"
               u"Wer in keinem 6-Minuten-Intervall die vollen 6 Minuten sendet, darf einen Zeitfaktor\r"
               u"anwenden, der nie unter 0.5 angesetzt wird.\r"
               u"Die meisten Funkamateure senden in 6 Minuten weniger als 3 Minuten;\r"
               u"dann gilt der Faktor 0.5.\r"
               u"Er hängt von Ihrer Betriebsweise (gewöhnliche Verbindungen oder Contests) und von\r"
               u"der Betriebsart ab.\r"
               u"Geben Sie an, wie viele Minuten Sie in einem beliebigen Zeitraum von 6 Minuten\r"
               u"„auf Sendung“ sind."_s;
    case Topic::FeederLoss:
        return u"Geben Sie die Gesamtdämpfung der Speiseleitung in dB ein oder lassen Sie sie\r"
               u"vom Rechner ermitteln.\r"
               u"Der Rechner addiert bis zu drei Längen verschiedener Kabel, zum Beispiel ein langes\r"
               u"Stück dickes Kabel und ein kurzes flexibles Stück am Rotor.\r"
               u"Die Dämpfung eines Kabels hängt von der Frequenz ab: der Rechner nimmt das gewählte Band.\r"
               u"Der Rechner ist optional: schalten Sie ihn aus, um Ihren eigenen Wert einzugeben."_s;
    case Topic::AddLoss:
        return u"Alle Verluste außer denen der Speiseleitung werden hier addiert.\r"
               u"Typische Werte:\r"
               u" - SWR- oder Leistungsmesser: 0.03 dB auf HF, 0.05 dB auf VHF, bis 0.1 dB auf UHF;\r"
               u" - Antennentuner: 0.1 bis 0.3 dB;\r"
               u" - je Steckverbinderpaar (Stecker und Buchse): 0.005 bis 0.05 dB auf HF,\r"
               u"   0.01 bis 0.05 dB auf VHF, 0.02 bis 0.1 dB auf UHF.\r"
               u"Der Rechner ist optional: schalten Sie ihn aus, um die Summe selbst einzugeben."_s;
    case Topic::Frequency:
        return u"Die Frequenz dient nur dazu, den Feldgrenzwert und die Kabeldämpfung zu bestimmen;\r"
               u"eine Genauigkeit auf das kHz ist daher unnötig.\r"
               u"So zählt das 20-m-Band sowohl für die untere als auch für die obere Frequenz\r"
               u"als 14 MHz, auch wenn das Senden natürlich auf 14.000 bis 14.350 MHz beschränkt bleibt."_s;
    case Topic::AntennaType:
        return u"Die Antennendaten stammen aus drei Sammlungen:\r"
               u" - den Daten der eigenen Berechnungstabelle des Verbandes;\r"
               u" - weiteren Daten von VHF- und UHF-Antennen, beigesteuert von einem seiner Mitglieder;\r"
               u" - Daten zahlreicher handelsüblicher Antennen, gesammelt von zwei weiteren\r"
               u"   Funkamateuren.\r"
               u"Manche Datensätze gelten für alle Bänder. Bei einer handelsüblichen Mehrbandantenne\r"
               u"ist das Modell für die verwendete Frequenz zu wählen."_s;
    case Topic::AntennaHeight:
        return u"Wählen Sie zuerst eine Null-Bezugshöhe: den Mastfuß, die Straße, den Garten, ...\r"
               u"Die Antennenhöhe und die Höhen aller Messpunkte werden von dieser Höhe aus gemessen.\r"
               u"Tiefer liegende Messpunkte erhalten eine negative Höhe."_s;
    case Topic::Tilt:
        return u"Bei den meisten Stationen beträgt die Elevation (Tilt) 0°.\r"
               u"Nur Antennen, die Satelliten nachgeführt werden oder für Erde-Mond-Erde (EME)\r"
               u"dienen, haben eine Elevation.\r"
               u"Sie ist positiv, wenn die Antenne nach oben zeigt, und negativ, wenn sie nach unten zeigt."_s;
    case Topic::TestPoints:
        return u"Sie benötigen einen maßstabsgetreuen Plan des Hauses, der Antennen, der Nachbarhäuser\r"
               u"und aller öffentlich zugänglichen Orte in der Umgebung.\r"
               u"Wählen Sie darauf zwischen 4 und 12 kritische Punkte, dort wo das Feld am stärksten\r"
               u"sein kann, und geben Sie für jeden an:\r"
               u" - den Abstand zur Antenne, am Boden gemessen;\r"
               u" - die Höhe, von der Null-Bezugshöhe aus gemessen;\r"
               u" - eine Beschreibung: Adresse, Garten, Terrasse, Dach, Bürgersteig, ...\r"
               u"Die Messpunkte können in einer Datei gespeichert und später wieder geladen werden."_s;
    case Topic::GeoCoordinates:
        return u"Das BIPT bevorzugt Lambert-Koordinaten: X und Y in Metern, etwa zwischen\r"
               u"20000 und 300000.\r"
               u"Koordinaten in Grad, Minuten und Sekunden müssen im Bezugssystem WGS84 angegeben\r"
               u"werden: das ältere ED50 ergibt Fehler bis zu etwa 130 m.\r"
               u"Quellen für Koordinaten:\r"
               u" - ein GPS-Empfänger, auf WGS84 eingestellt;\r"
               u" - die topografischen Karten des Nationalen Geografischen Instituts mit ihrem\r"
               u"   Lambert-Gitter;\r"
               u" - der Katasterplan Ihres Grundstücks;\r"
               u" - Online-Kartendienste, die die Lambert- oder WGS84-Koordinaten eines Punktes anzeigen."_s;
    case Topic::RegulatorFiles:
        return u"Die „Validierung“ prüft, ob die wesentlichen Daten vorhanden sind: sie sucht nach\r"
               u"wichtigen Fehlern und fehlenden Daten, nicht nach jeder Einzelheit.\r"
               u"\r"
               u"Beim Speichern wird die Access-Datei geschrieben.\r"
               u"Die Datei "_s +
               files.access +
               u" wird dem BIPT mit den hiernach aufgführten Anlagen zugeschickt.\r"
               u" - ein maßstabsgetreuer Plan des Standorts;\r"
               u" - Fotos der kritischen Punkte;\r"
               u" - die PH02-Diagramme jeder Antenne und jeder Frequenz;\r"
               u" - ein Begleitschreiben;\r"
               u" - eine Feldstudie des Standorts, überall, wo ein Feld 5 % des Grenzwerts überschreitet\r"
               u"   (3.07 V/m auf HF).\r"
               u"\r"
               u"Für mehrere Fallstudien sollte das Rufzeichen\r"
               u"jeweils mit einer laufenden Nummer (Endung) versehen werden, z.B. ZZ0ZZ_01, ZZ0ZZ_02,....usw."_s;
    case Topic::TpaiFile:
        // The German TPAI text has not been translated yet; until it is, the
        // French one is shown behind a German note saying so.
        return u" NOCH ZU ÜBERZETSEN : "_s + frenchText(Topic::TpaiFile, files);
    case Topic::SafetyCheck:
        return u"Das angezeigte Feld ist die Schätzung des BIPT: eine Punktquelle im freien Raum,\r"
               u"deren Gewinn alle 10° aus dem Diagramm gelesen wird. Daneben zeigt die\r"
               u"Sicherheitsprüfung, wo diese Schätzung zu niedrig sein kann; die Zahlen für das BIPT,\r"
               u"der Bericht und die Dateien ändern sich nicht.\r"
               u"\r"
               u" - Prüfung (V/m): die Schätzung nimmt den Winkel eines Punktes über der Antenne, als\r"
               u"   läge er darunter, und addiert die Neigung in beiden Fällen. Die Prüfung liest das\r"
               u"   Diagramm auch beim wirklichen Winkel zwischen Punkt und geneigter Hauptkeule und\r"
               u"   behält den größeren Gewinn. Ohne Neigung ist sie gleich der Schätzung.\r"
               u" - \"near field\" (Nahfeld): der Punkt liegt näher als λ/2π bei der unteren\r"
               u"   Bandgrenze (4.77 m bei 10 MHz) oder als die Größe der Antenne; dort beschreibt eine\r"
               u"   Punktquelle die Antenne nicht, und das wirkliche Feld kann höher sein.\r"
               u" - Sicherheitsabstände: vom Mast aus, 1.5 m und 4 m über dem Nullniveau, jenseits\r"
               u"   derer das geprüfte Feld unter 100 %, 80 % und 5 % des Grenzwerts bleibt.\r"
               u" - Auf der Seite Summary die Antennen ankreuzen, die gleichzeitig senden: in jedem\r"
               u"   Testpunkt addiert das Expositionsverhältnis ihre (E/L)². Über 1 ist der Grenzwert\r"
               u"   überschritten, auch wenn jedes einzelne Feld darunter liegt."_s;
    }
    return {};
}

} // namespace kovex::help
