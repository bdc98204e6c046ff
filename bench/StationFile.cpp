#include "StationFile.h"

#include <QString>

#include <array>
#include <cstdint>

namespace {
// A small fixed generator: the same file on every machine and library.
class Draw {
public:
    int below(int bound) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return int((state_ >> 33) % std::uint64_t(bound));
    }
    template <typename T, std::size_t N> const T& pick(const std::array<T, N>& items) {
        return items[std::size_t(below(int(N)))];
    }

private:
    std::uint64_t state_ = 0x5eed;
};

using Words = std::array<const char*, 40>;

constexpr Words kSaints{
    "Martin",   "Germain", "Jean",    "Pierre",  "Laurent",    "Étienne", "Aubin",   "Hilaire",
    "Georges",  "Julien",  "Denis",   "Sulpice", "Maurice",    "Médard",  "Rémy",    "Vincent",
    "André",    "Michel",  "Cyr",     "Genès",   "Amand",      "Loup",    "Gervais", "Sauveur",
    "Bonnet",   "Paul",    "Pardoux", "Privat",  "Christophe", "Ouen",    "Marcel",  "Front",
    "Affrique", "Geniès",  "Léger",   "Quentin", "Brice",      "Clément", "Félix",   "Hippolyte"};
constexpr Words kRoots{"Beau", "Belle", "Mont",  "Ville",  "Château", "Bois", "Fontaine", "Roche",
                       "Val",  "Champ", "Font",  "Mesnil", "Neuf",    "Haut", "Brou",     "Vaux",
                       "Cour", "Pré",   "Aigue", "Bourg",  "Tour",    "Lonc", "Mar",      "Ker",
                       "Plou", "Trév",  "Sauve", "Mérin",  "Cœur",    "Fréc", "Épin",     "Arg",
                       "Vern", "Chaum", "Sèvre", "Lagr",   "Esp",     "Gour", "Nœux",     "Bréh"};
constexpr Words kEndings{"ville", "court", "mont", "ac",  "y",    "ay",    "ières",  "ignac",
                         "ange",  "heim",  "ourt", "eux", "elle", "ard",   "ette",   "an",
                         "ès",    "iers",  "on",   "ol",  "aux",  "ençon", "argues", "olles",
                         "ec",    "ouët",  "enne", "ieu", "in",   "ais",   "ault",   "ois",
                         "euil",  "astel", "ède",  "oz",  "ains", "ade",   "ère",    "œuvre"};
constexpr Words kQualifiers{
    "-sur-Loire",   "-sur-Mer",     "-en-Bresse", "-le-Château",   "-lès-Bains",   "-de-Comminges",
    "-la-Forêt",    "-sur-Saône",   "-en-Vexin",  "-le-Grand",     "-le-Petit",    "-sous-Bois",
    "-d'Azergues",  "-du-Var",      "-en-Retz",   "-sur-Marne",    "-aux-Bois",    "-le-Vieux",
    "-la-Rivière",  "-des-Champs",  "-en-Auge",   "-sur-Dordogne", "-de-Provence", "-l'Abbaye",
    "-sur-Vienne",  "-en-Brie",     "-lès-Nancy", "-Saint-Denis",  "-du-Lac",      "-sur-Ognon",
    "-en-Royans",   "-de-Bretagne", "-sur-Isère", "-la-Campagne",  "-le-Haut",     "-les-Mines",
    "-sur-Aveyron", "-en-Gâtinais", "-d'Oléron",  "-du-Mont-d'Or"};
constexpr Words kNational{"France Inter",
                          "France Culture",
                          "France Musique",
                          "FIP",
                          "Mouv'",
                          "franceinfo",
                          "RTL",
                          "Europe 1",
                          "RMC",
                          "NRJ",
                          "Fun Radio",
                          "Skyrock",
                          "Nostalgie",
                          "Chérie FM",
                          "RFM",
                          "Virgin Radio",
                          "Rire & Chansons",
                          "RTL2",
                          "Radio Classique",
                          "BFM Business",
                          "Sud Radio",
                          "Radio Nova",
                          "RCF",
                          "Jazz Radio",
                          "M Radio",
                          "Radio Scoop",
                          "Hit West",
                          "Alouette",
                          "Tendance Ouest",
                          "Radio Espace",
                          "Kiss FM",
                          "Voltage",
                          "Top Music",
                          "Radio Star",
                          "Radio FG",
                          "TSF Jazz",
                          "Ouï FM",
                          "Latina",
                          "Radio Notre Dame",
                          "Champagne FM"};
constexpr std::array<const char*, 44> kRegions{"Alsace",
                                               "Armorique",
                                               "Azur",
                                               "Béarn Bigorre",
                                               "Berry",
                                               "Besançon",
                                               "Bourgogne",
                                               "Breizh Izel",
                                               "Champagne-Ardenne",
                                               "Cotentin",
                                               "Creuse",
                                               "Drôme Ardèche",
                                               "Elsass",
                                               "Gard Lozère",
                                               "Gascogne",
                                               "Gironde",
                                               "Hérault",
                                               "Isère",
                                               "Isère",
                                               "La Rochelle",
                                               "Limousin",
                                               "Loire Océan",
                                               "Lorraine",
                                               "Maine",
                                               "Mayenne",
                                               "Nord",
                                               "Normandie",
                                               "Occitanie",
                                               "Orléans",
                                               "Paris",
                                               "Pays Basque",
                                               "Pays d'Auvergne",
                                               "Pays de Savoie",
                                               "Périgord",
                                               "Picardie",
                                               "Poitou",
                                               "Provence",
                                               "RCFM",
                                               "Roussillon",
                                               "Saint-Étienne Loire",
                                               "Sud Lorraine",
                                               "Touraine",
                                               "Vaucluse",
                                               "Pays Catalan"};

QString communeName(Draw& draw) {
    QString name;
    switch (draw.below(10)) {
    case 0:
    case 1:
        name = QStringLiteral("Saint-") + QString::fromUtf8(draw.pick(kSaints));
        break;
    case 2:
        name = QStringLiteral("Le ");
        break;
    case 3:
        name = QStringLiteral("La ");
        break;
    case 4:
        name = QStringLiteral("Les ");
        break;
    default:
        break;
    }
    if (!name.startsWith(QStringLiteral("Saint-"))) {
        name += QString::fromUtf8(draw.pick(kRoots)) + QString::fromUtf8(draw.pick(kEndings));
    }
    if (draw.below(3) == 0) {
        name += QString::fromUtf8(draw.pick(kQualifiers));
    }
    return name;
}

QString department(Draw& draw) {
    const int number = 1 + draw.below(98);
    if (number == 20) {
        return draw.below(2) == 0 ? QStringLiteral("2A") : QStringLiteral("2B");
    }
    if (number > 95) {
        return QString::number(971 + draw.below(6));
    }
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString station(Draw& draw, const QString& town) {
    switch (draw.below(8)) {
    case 0:
        return QStringLiteral("ici ") + QString::fromUtf8(draw.pick(kRegions));
    case 1:
        return QStringLiteral("Radio ") + town;
    default:
        return QString::fromUtf8(draw.pick(kNational));
    }
}

QByteArray toCp1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case 0x0152: // Œ
            bytes += '\x8C';
            break;
        case 0x0153: // œ
            bytes += '\x9C';
            break;
        default:
            bytes += char(c.unicode() < 0x100 ? c.unicode() : '?');
        }
    }
    return bytes;
}
} // namespace

QByteArray frenchStationFile(int cities) {
    Draw draw;
    QString text;
    text.reserve(qsizetype(cities) * 280);
    for (int city = 0; city < cities; ++city) {
        const QString name = communeName(draw);
        text += name + QStringLiteral("_;") + department(draw);
        // Between 6 and 30 stations, about 18: a town lists what it receives.
        const int count = 6 + draw.below(13) + draw.below(13);
        for (int k = 0; k < count; ++k) {
            const int tenths = 875 + draw.below(206);
            text +=
                QStringLiteral(";%1.%2;").arg(tenths / 10).arg(tenths % 10) + station(draw, name);
        }
        text += QStringLiteral("\r\n");
    }
    return toCp1252(text);
}
