#include "Commands.h"

namespace {
const char* const kProgramHelp = QT_TRANSLATE_NOOP(
    "ostrelctl", R"help(usage : ostrelctl [--volume DOSSIER]... COMMANDE [ARGUMENTS]

Les réglages de l'ostrel en ligne de commande, lus et écrits comme la fenêtre
d'ostrel-settings les lit et les écrit.

Commandes :
  find                         chemin du settings.dat de l'ostrel branché
  show [FICHIER] [--json]      chaque réglage, nommé, avec sa valeur
  check [FICHIER]              la fenêtre l'ouvrirait-elle sans message ?
  diff A B [--bytes]           les réglages qui diffèrent entre deux fichiers
  set [FICHIER] NOM=VALEUR...  change des réglages en une seule écriture
  export [FICHIER]             le fichier en document JSON
  import DOCUMENT|- [FICHIER]  écrit un document JSON dans le fichier
  history [FICHIER] [--all]    ce que chaque écriture a remplacé, du plus récent
  restore N|ID [FICHIER]       remet une entrée de l'historique

Sans FICHIER, la commande prend le settings.dat de l'ostrel, cherché comme la
fenêtre le cherche : les dossiers donnés par --volume, puis les volumes montés
(jamais les partages réseau).

Avant d'écrire, set, import et restore gardent le fichier qu'ils remplacent
dans l'historique (~/.local/share/ostrel-settings/history/), comme la fenêtre :
toute écriture peut être défaite avec restore. --no-history écrit même
quand l'historique ne peut pas être écrit.

Options :
  --volume DOSSIER  cherche aussi l'ostrel dans DOSSIER (répétable)
  --help            cette aide ; ostrelctl COMMANDE --help : l'aide d'une commande
  --version         la version

Codes de sortie :
  0  fait
  1  la réponse est non : pas d'ostrel, fichier refusé, fichiers différents
  2  mauvais usage, valeur refusée, fichier illisible ou impossible à écrire
)help");

const char* const kNamesHelp = QT_TRANSLATE_NOOP("ostrelctl", R"help(Noms et valeurs :
  fm.A ... fm.T    préréglage en MHz : 101.1 (ou 101,1)
  fm.tuned         lettre du préréglage écouté : A ... T
  equalizer        égaliseur actif, par sa légende : Jazz, Live (concert), Auto...
  curve.NOM        courbe en dB, 62 Hz d'abord : 18,-4,-2,14,14 ; NOM parmi normal,
                   jazz, pop, rock, classique, extreme-basses, techno, danse,
                   live, reggae, perso
  trubass, son3d, contrast
                   niveau de 0 à 10
  focus, headphones, repeat, recordQuality, scrollSpeed, autoOff, backlight,
  usb, abRec       légende du bouton choisi (casse et accents libres), ou son
                   numéro (0 pour le premier)
)help");

struct CommandHelp {
    const char* name;
    const char* text;
};

const CommandHelp kCommandHelp[] = {
    {"find", QT_TRANSLATE_NOOP("ostrelctl", R"help(usage : ostrelctl find [--volume DOSSIER]...

Écrit le chemin du settings.dat de l'ostrel branché.
Code 1 quand aucun volume n'en porte un à sa racine.
)help")},
    {"show", QT_TRANSLATE_NOOP("ostrelctl", R"help(usage : ostrelctl show [FICHIER] [--json]

Écrit chaque réglage que la fenêtre comprend, une ligne NOM=VALEUR par réglage
(avec --json : un objet JSON). Un réglage que la fenêtre refuse s'écrit
"(hors plage)" (null en JSON) ; ce que la fenêtre en dirait va sur l'erreur.
)help")},
    {"check", QT_TRANSLATE_NOOP("ostrelctl", R"help(usage : ostrelctl check [FICHIER]

Code 0 quand la fenêtre ouvrirait le fichier sans message et laisserait
"Ecrire ostrel" le réécrire ; sinon code 1 et une ligne par problème, dans les
mots de la fenêtre (la taille, chaque réglage hors plage).
)help")},
    {"diff", QT_TRANSLATE_NOOP("ostrelctl", R"help(usage : ostrelctl diff A B [--bytes]

Une ligne par réglage qui diffère (nom : valeur dans A -> valeur dans B), puis
le nombre des autres octets qui diffèrent ; --bytes donne chacun d'eux.
Code 0 quand les fichiers sont identiques, 1 sinon.
)help")},
    {"set", QT_TRANSLATE_NOOP(
                "ostrelctl",
                R"help(usage : ostrelctl set [FICHIER] NOM=VALEUR... [--dry-run] [--no-history]

Change les réglages nommés en une seule écriture, comme "Ecrire ostrel".
Chaque valeur est vérifiée comme la fenêtre la vérifie : si une seule est
refusée, rien n'est écrit et chaque refus est donné (code 2). Seul un fichier
que check accepte est écrit (sinon code 1). --dry-run montre ce qui changerait.
Le fichier est réservé avant d'être lu et jusqu'à ce qu'il soit écrit : une
autre commande qui l'écrit est attendue quelques secondes ; tant que la fenêtre
d'ostrel-settings a ce fichier ouvert, rien n'est écrit (code 2).
)help")},
    {"export", QT_TRANSLATE_NOOP("ostrelctl", R"help(usage : ostrelctl export [FICHIER]

Écrit le fichier en document JSON : {"format": "ostrel-settings",
"version": 1, "settings": {...}, "bytes": "<les 699 octets en hexadécimal>"}.
Un réglage que la fenêtre refuse vaut null ; ses octets restent dans "bytes".
)help")},
    {"import", QT_TRANSLATE_NOOP(
                   "ostrelctl",
                   R"help(usage : ostrelctl import DOCUMENT|- [FICHIER] [--dry-run] [--no-history]

Écrit un document d'export (- : l'entrée standard) : ses octets, puis chaque
réglage qui diffère de ce qu'ils disent. Un null, une clé inconnue, un mauvais
type, une valeur refusée, une clé donnée deux fois ou des octets qui ne sont
pas exactement 1398 chiffres hexadécimaux : rien n'est écrit (code 2). Un
FICHIER existant doit être accepté par check et est écrit comme "Ecrire ostrel"
l'écrit ; un FICHIER absent est créé comme une sauvegarde. Réservé comme pour
set : refusé tant que la fenêtre d'ostrel-settings a ce fichier ouvert.
)help")},
    {"history",
     QT_TRANSLATE_NOOP(
         "ostrelctl",
         R"help(usage : ostrelctl history [FICHIER] | history --all | history --show N|ID [FICHIER]
        | history --export N|ID [FICHIER]

Les fichiers que les écritures sur l'ostrel (ou sur celui qui porte FICHIER)
ont remplacés, du plus récent au plus ancien : le numéro de chacun (1 est le
plus récent, et les numéros changent à chaque écriture), son identifiant
(six lettres et chiffres qui ne changent jamais), la date où il a été gardé
et les réglages où il diffère du fichier qui l'a remplacé. --all : ceux de
chaque ostrel, branché ou non. --show écrit une entrée comme show, --export
comme export ; par son identifiant, c'est une entrée de n'importe quel ostrel.
Une entrée endommagée est signalée, jamais reprise. Les 100 entrées les plus
récentes de chaque ostrel sont gardées.
)help")},
    {"restore",
     QT_TRANSLATE_NOOP(
         "ostrelctl",
         R"help(usage : ostrelctl restore N|ID [FICHIER] [--dry-run] [--no-history] [--other-player]

Remet une entrée de l'historique (son numéro ou son identifiant, que
ostrelctl history donne) sur l'ostrel, comme import l'écrit : mêmes
vérifications, et le fichier remplacé est gardé d'abord, si bien qu'un
restore se défait par un autre (restore 1). Dit quelle entrée il remet.
Une entrée d'un autre ostrel est refusée (code 2) sauf avec --other-player :
des ostrels d'un même modèle peuvent avoir le même nom et le même numéro de
volume. Un fichier de l'ostrel endommagé (trop court, trop long, refusé ou
illisible) est remplacé en entier, après avoir été gardé quand il peut être lu.
--dry-run montre ce qui changerait.
)help")},
};
} // namespace

QString helpText(const QString& command) {
    if (command.isEmpty()) {
        return CliText::tr(kProgramHelp) + u'\n' + CliText::tr(kNamesHelp);
    }
    for (const CommandHelp& help : kCommandHelp) {
        if (command == QLatin1String(help.name)) {
            const bool named = command == QLatin1String("show") ||
                               command == QLatin1String("set") || command == QLatin1String("diff");
            return CliText::tr(help.text) + (named ? u'\n' + CliText::tr(kNamesHelp) : QString());
        }
    }
    return QString();
}
