#include "help/HelpTexts.h"

namespace kovex::help {

using namespace Qt::StringLiterals;

TopicTexts topicTexts(Topic topic, const FileNames& files) {
    return {frenchText(topic, files), dutchText(topic, files), germanText(topic, files),
            englishText(topic, files)};
}

// Shown as it is whatever the help language: the notice binds users of every
// language alike, so it is one text in the country's two main languages.
QString conditionsText() {
    return u"GEBRUIKSVOORWAARDEN\r"
           u"\r"
           u"Dit programma is een hulpmiddel bij de berekening van de elektromagnetische velden\r"
           u"rond een amateurradiostation. Het vervangt de kennis en het oordeel van de gebruiker niet.\r"
           u"De zendamateur blijft als vergunninghouder zelf verantwoordelijk voor de naleving van\r"
           u"de blootstellingsnormen en voor de juistheid van de gegevens die hij aan het BIPT bezorgt.\r"
           u"Controleer de resultaten altijd kritisch en, bij twijfel, met een andere methode.\r"
           u"Het programma wordt geleverd zoals het is, zonder enige waarborg; de auteurs zijn niet\r"
           u"aansprakelijk voor fouten in het programma, noch voor de gevolgen van het gebruik ervan.\r"
           u"Radioamateurs mogen het programma vrij en kosteloos gebruiken.\r"
           u"\r"
           u"============================================================\r"
           u"\r"
           u"CONDITIONS D'UTILISATION\r"
           u"\r"
           u"Ce programme est une aide au calcul des champs électromagnétiques autour d'une station\r"
           u"de radioamateur. Il ne remplace ni les connaissances ni le jugement de l'utilisateur.\r"
           u"En tant que titulaire de la licence, le radioamateur reste seul responsable du respect\r"
           u"des normes d'exposition et de l'exactitude des données qu'il transmet à l'IBPT.\r"
           u"Vérifiez toujours les résultats d'un œil critique et, en cas de doute, par une autre\r"
           u"méthode.\r"
           u"Le programme est fourni tel quel, sans aucune garantie ; ses auteurs ne sont\r"
           u"responsables ni des erreurs du programme ni des conséquences de son utilisation.\r"
           u"Les radioamateurs peuvent utiliser le programme librement et gratuitement."_s;
}

} // namespace kovex::help
