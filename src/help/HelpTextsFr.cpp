#include "help/HelpTexts.h"

namespace kovex::help {

using namespace Qt::StringLiterals;

QString frenchText(Topic topic, const FileNames& files) {
    switch (topic) {
    case Topic::General:
        return u"KOVEX vous aide à calculer le champ électrique que votre station de radioamateur\r"
               u"produit autour de ses antennes, et à le comparer à la limite fixée par la réglementation.\r"
               u"\r"
               u"Le programme comporte quatre modules :\r"
               u" 1. la puissance fournie au connecteur de l'antenne ;\r"
               u" 2. les données de l'antenne : diagramme de rayonnement, gain et hauteur ;\r"
               u" 3. le choix des points de test, sur un plan ou une photo aérienne du site ;\r"
               u" 4. le champ en chaque point de test et sa comparaison avec la limite.\r"
               u"Les modules 1 et 2, avec les données administratives, forment l'essentiel\r"
               u"du dossier destiné à l'IBPT.\r"
               u"\r"
               u"Une station comptant plusieurs antennes, émetteurs et bandes se décompose en\r"
               u"combinaisons antenne/émetteur travaillant chacune sur une seule bande,\r"
               u"que l'on traite l'une après l'autre.\r"
               u"Ce programme permet d'introduire les données de 12 combinaisons antenne/émetteur\r"
               u"différentes.\r"
               u"Aucun calcul n'est nécessaire en dessous de 10 MHz : la réglementation n'y fixe rien.\r"
               u"\r"
               u"Exemple : une station équipée de quatre antennes.\r"
               u" - une Yagi trois bandes pour le 20, le 15 et le 10 m : 3 combinaisons, une par bande ;\r"
               u" - une verticale pour le 40 et le 30 m : 1 combinaison (30 m ; le 40 m est sous 10 MHz) ;\r"
               u" - un dipôle pour le 80 m : aucune combinaison, la bande est sous 10 MHz ;\r"
               u" - une colinéaire pour le 2 m et le 70 cm : 2 combinaisons, une par bande.\r"
               u"Au total, 6 combinaisons antenne/émetteur à introduire, numérotées de 1 à 6."_s;
    case Topic::InputPower:
        return u"Introduisez la puissance de sortie de l'amplificateur final, en watts.\r"
               u"Si vous n'utilisez pas d'amplificateur, introduisez la puissance de sortie de l'émetteur."_s;
    case Topic::Mode:
        return u"Choisissez le mode, ou la combinaison de modes, qui correspond à l'utilisation\r"
               u"de la station.\r"
               u"Chaque mode a son propre facteur d'utilisation : un signal BLU ou CW n'émet pas\r"
               u"sa pleine puissance en permanence, un signal FM ou numérique, si.\r"
               u"Si la station travaille dans plusieurs modes, choisissez la combinaison qui les couvre."_s;
    case Topic::SixMinutes:
        return u"Les limites d'exposition sont des moyennes sur toute période de 6 minutes.\r"
               u"Si vous n'émettez jamais pendant les 6 minutes complètes d'un intervalle de 6 minutes,\r"
               u"vous pouvez appliquer un facteur de temps, qui ne descend jamais sous 0.5.\r"
               u"La plupart des radioamateurs émettent moins de 3 minutes sur 6 :\r"
               u"le facteur 0.5 s'applique alors.\r"
               u"Il dépend de votre façon de trafiquer (contacts ordinaires ou concours) et du mode.\r"
               u"Indiquez le nombre de minutes « en émission » sur toute période de 6 minutes."_s;
    case Topic::FeederLoss:
        return u"Introduisez la perte totale de la ligne d'alimentation en dB, ou laissez\r"
               u"le calculateur la déterminer.\r"
               u"Le calculateur additionne jusqu'à trois longueurs de câbles différents, par exemple\r"
               u"une longue section de gros câble et un court câble souple au rotor.\r"
               u"La perte d'un câble dépend de la fréquence : le calculateur utilise la bande choisie.\r"
               u"Le calculateur est facultatif : désactivez-le pour introduire votre propre valeur."_s;
    case Topic::AddLoss:
        return u"Toutes les pertes autres que celles de la ligne d'alimentation sont additionnées ici.\r"
               u"Valeurs typiques :\r"
               u" - TOS-mètre ou wattmètre : 0.03 dB en HF, 0.05 dB en VHF, jusqu'à 0.1 dB en UHF ;\r"
               u" - boîte d'accord : 0.1 à 0.3 dB ;\r"
               u" - par paire de connecteurs (fiche et embase) : 0.005 à 0.05 dB en HF,\r"
               u"   0.01 à 0.05 dB en VHF, 0.02 à 0.1 dB en UHF.\r"
               u"Le calculateur est facultatif : désactivez-le pour introduire vous-même le total."_s;
    case Topic::Frequency:
        return u"La fréquence sert uniquement à déterminer la limite de champ et la perte du câble ;\r"
               u"une précision au kHz est donc inutile.\r"
               u"Ainsi, la bande des 20 m compte pour 14 MHz, tant pour la fréquence inférieure\r"
               u"que pour la fréquence supérieure, même si l'émission reste bien sûr limitée\r"
               u"à la plage de 14.000 à 14.350 MHz."_s;
    case Topic::AntennaType:
        return u"Les données d'antennes proviennent de trois collections :\r"
               u" - les données de la feuille de calcul de l'association ;\r"
               u" - des données complémentaires d'antennes VHF et UHF, fournies par un de ses membres ;\r"
               u" - les données de nombreuses antennes commerciales, rassemblées par deux autres\r"
               u"   radioamateurs.\r"
               u"Certains enregistrements valent pour toutes les bandes. Pour une antenne commerciale\r"
               u"multibande, veillez à choisir le modèle qui correspond à la fréquence utilisée."_s;
    case Topic::AntennaHeight:
        return u"Choisissez d'abord un niveau de référence zéro : le pied du mât, la rue, le jardin, ...\r"
               u"La hauteur de l'antenne et celles de tous les points de test se mesurent\r"
               u"à partir de ce niveau.\r"
               u"Les points de test situés plus bas reçoivent une hauteur négative."_s;
    case Topic::Tilt:
        return u"Pour la plupart des stations, l'inclinaison (tilt) est de 0°.\r"
               u"Seules les antennes qui suivent des satellites ou servent à la réflexion lunaire (EME)\r"
               u"ont une inclinaison.\r"
               u"Elle est positive quand l'antenne pointe vers le haut, négative quand elle pointe\r"
               u"vers le bas."_s;
    case Topic::TestPoints:
        return u"Il vous faut un plan à l'échelle de la maison, des antennes, des maisons voisines\r"
               u"et de tous les lieux accessibles au public alentour.\r"
               u"Choisissez-y entre 4 et 12 points critiques, là où le champ risque d'être le plus fort,\r"
               u"et donnez pour chacun :\r"
               u" - la distance à l'antenne, mesurée au sol ;\r"
               u" - la hauteur, mesurée à partir du niveau de référence zéro ;\r"
               u" - une description : adresse, jardin, terrasse, toit, trottoir, ...\r"
               u"Les points de test peuvent être enregistrés dans un fichier et rechargés plus tard."_s;
    case Topic::GeoCoordinates:
        return u"L'IBPT préfère les coordonnées Lambert : X et Y en mètres, comprises environ\r"
               u"entre 20000 et 300000.\r"
               u"Les coordonnées en degrés, minutes et secondes doivent être données dans le système\r"
               u"WGS84 : l'ancien système ED50 donne des erreurs allant jusqu'à environ 130 m.\r"
               u"Où trouver des coordonnées :\r"
               u" - un récepteur GPS réglé sur WGS84 ;\r"
               u" - les cartes topographiques de l'Institut géographique national, avec leur\r"
               u"   quadrillage Lambert ;\r"
               u" - le plan cadastral de votre parcelle ;\r"
               u" - les services de cartographie en ligne qui affichent les coordonnées Lambert\r"
               u"   ou WGS84 d'un point."_s;
    case Topic::RegulatorFiles:
        return u"La « validation » vérifie que les données essentielles sont présentes : elle recherche\r"
               u"les erreurs importantes et les données manquantes, pas chaque détail.\r"
               u"\r"
               u"L'enregistrement crée le fichier "_s +
               files.access +
               u"  qu'il faudra envoyer à l'IBPT, accompagné de :\r"
               u" - un plan à l'échelle du site ;\r"
               u" - des photos des points critiques ;\r"
               u" - les diagrammes PH02 de chaque antenne et de chaque fréquence ;\r"
               u" - une lettre d'accompagnement ;\r"
               u" - une étude de champ du site, partout où un champ dépasse 5 % de la limite\r"
               u"   (3.07 V/m en HF).\r"
               u" Vous pouvez aussi ajouter le fichier "_s +
               files.report +
               u" qui permet d'avoir un apperçu rapide\r"
               u" de votre dossier. \r"
               u"\r"
               u"Vous pouvez réaliser plusieurs études ; il est alors conseillé d'ajouter un suffixe\r"
               u"à votre indicatif, par exemple ZZ0ZZ_01 , ZZ0ZZ_02, etc ... "_s;
    case Topic::TpaiFile:
        return u"Le fichier TPAI contient les points de test et vos données personnelles,\r"
               u"ce qui vous évite de les retaper pour chaque dossier.\r"
               u"L'IBPT n'a pas besoin de ce fichier.\r"
               u"C'est un simple fichier texte : n'importe quel éditeur de texte permet de le modifier."_s;
    case Topic::SafetyCheck:
        return u"Le champ affiché est l'estimation de l'IBPT : une source ponctuelle en espace libre,\r"
               u"dont le gain est lu dans le diagramme tous les 10°. À côté, le contrôle de sécurité\r"
               u"montre où cette estimation peut être trop basse ; les chiffres de l'IBPT, le rapport\r"
               u"et les fichiers ne changent pas.\r"
               u"\r"
               u" - Contrôle (V/m) : l'estimation prend l'angle d'un point au-dessus de l'antenne comme\r"
               u"   s'il était en dessous et ajoute l'inclinaison dans les deux cas. Le contrôle lit aussi\r"
               u"   le diagramme à l'angle réel entre le point et le faisceau incliné et garde le gain le\r"
               u"   plus élevé. Sans inclinaison, il est égal à l'estimation.\r"
               u" - \"near field\" (champ proche) : le point est plus près que λ/2π à la fréquence\r"
               u"   inférieure de la bande (4.77 m à 10 MHz) ou que la taille de l'antenne ; une source\r"
               u"   ponctuelle ne décrit plus l'antenne et le champ réel peut dépasser l'estimation.\r"
               u" - Distances de conformité : depuis le mât, à 1.5 m et à 4 m au-dessus du niveau zéro,\r"
               u"   au-delà desquelles le champ contrôlé reste sous 100 %, 80 % et 5 % de la limite.\r"
               u" - Sur la page Summary, cochez les antennes qui émettent en même temps : en chaque\r"
               u"   point, le rapport d'exposition additionne les (E/L)². Au-delà de 1, la limite est\r"
               u"   dépassée même si chaque champ est sous sa limite."_s;
    }
    return {};
}

} // namespace kovex::help
