<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Backup</name>
    <message>
        <source>La sauvegarde ne peut pas être le fichier de l&apos;ostrel lui-même : le programme est lancé depuis l&apos;ostrel. Copiez-le sur votre ordinateur pour sauvegarder.</source>
        <translation>The backup cannot be the player&apos;s own file: the program was started from the player. Copy the program to your computer to save a backup.</translation>
    </message>
    <message>
        <source>La sauvegarde n&apos;est pas écrite : %1 est un lien vers le fichier de l&apos;ostrel. Supprimez ce lien pour sauvegarder.</source>
        <translation>The backup was not written: %1 is a link to the player&apos;s file. Delete that link to save a backup.</translation>
    </message>
    <message>
        <source>La sauvegarde n&apos;est pas écrite : %1 est un autre nom (un lien physique) du fichier de l&apos;ostrel. Supprimez ce nom pour sauvegarder.</source>
        <translation>The backup was not written: %1 is another name (a hard link) of the player&apos;s file. Delete that name to save a backup.</translation>
    </message>
    <message>
        <source>La sauvegarde n&apos;a pas pu être écrite : le dossier %1 n&apos;existe pas et ne peut pas être créé. Aucun fichier n&apos;a été créé.</source>
        <translation>The backup could not be written: the folder %1 does not exist and cannot be created. No file was created.</translation>
    </message>
</context>
<context>
    <name>DialogMessages</name>
    <message>
        <source>Paramètrage ostrel</source>
        <translation>Ostrel Settings</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>EditorCommandLine</name>
    <message>
        <source>usage : ostrel-settings [--volume DOSSIER]...

Éditeur des réglages du baladeur Ostrel : préréglages FM, égaliseur, SRS WOW,
options du lecteur et contraste. Il cherche l&apos;ostrel parmi les volumes montés
(jamais les partages réseau), ouvre son settings.dat et l&apos;y réécrit.

Options :
  --volume DOSSIER  cherche aussi l&apos;ostrel dans DOSSIER (répétable)
  --help            cette aide
  --version         la version

La liste des villes, station_fm2.csv, est prise à côté du programme, sinon dans
../share/ostrel-settings/. Un programme copié (sa liste à côté de lui) garde la
sauvegarde à côté de lui quand ce dossier peut être écrit ; sinon, et toujours
pour un programme installé, elle va dans le dossier de données de l&apos;utilisateur
(~/.local/share/ostrel-settings/).
</source>
        <translation>usage: ostrel-settings [--volume FOLDER]...

Settings editor for the Ostrel music player: FM presets, equalizer, SRS WOW,
player options and contrast. It looks for the player among the mounted volumes
(never network shares), opens its settings.dat and writes it back there.

Options:
  --volume FOLDER   also look for the player in FOLDER (repeatable)
  --help            this help
  --version         the version

The list of cities, station_fm2.csv, is taken beside the program, else from
../share/ostrel-settings/. A copied program (its list beside it) keeps the
backup beside itself when that folder can be written; otherwise, and always for
an installed program, the backup goes to the user&apos;s data folder
(~/.local/share/ostrel-settings/).

The language follows the user&apos;s settings (LANGUAGE, LC_ALL, LC_MESSAGES, LANG):
English is used when English comes before French in the user&apos;s languages,
French otherwise.
</translation>
    </message>
    <message>
        <source>option inconnue : %1
usage : ostrel-settings [--volume DOSSIER]... | --help | --version</source>
        <translation>Unknown option: %1
usage: ostrel-settings [--volume FOLDER]... | --help | --version</translation>
    </message>
</context>
<context>
    <name>EqualizerCurves</name>
    <message>
        <source>normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>jazz</source>
        <translation>Jazz</translation>
    </message>
    <message>
        <source>pop</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>rock</source>
        <translation>Rock</translation>
    </message>
    <message>
        <source>classique</source>
        <translation>Classical</translation>
    </message>
    <message>
        <source>extrème basses</source>
        <translation>Extra bass</translation>
    </message>
    <message>
        <source>techno</source>
        <translation>Techno</translation>
    </message>
    <message>
        <source>danse</source>
        <translation>Dance</translation>
    </message>
    <message>
        <source>live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Reggae</source>
        <translation>Reggae</translation>
    </message>
    <message>
        <source>perso</source>
        <translation>Custom</translation>
    </message>
</context>
<context>
    <name>EqualizerPage</name>
    <message>
        <source>Egaliseur</source>
        <translation>Equalizer</translation>
    </message>
    <message>
        <source>Courbe de l&apos;égaliseur</source>
        <translation>Equalizer curve</translation>
    </message>
    <message>
        <source>Valeurs par défaut</source>
        <translation>Factory defaults</translation>
    </message>
    <message>
        <source>Mise à normal</source>
        <translation>Set to flat</translation>
    </message>
    <message>
        <source>Egaliseur actif</source>
        <translation>Active equalizer</translation>
    </message>
</context>
<context>
    <name>FmPage</name>
    <message>
        <source>Sélectionnez une des 15 fréquences FM puisSélectionnez votre ville , puis sélectionnez une station de radio. Vous pouvez alors double-cliquer sur le nom de la station  choisie  pour transférer la fréquence radio. dans la case sélectionnée. Vous pouvez également modifier à la main chacune des cases.</source>
        <translation>Select one of the FM presets, then your city, then a radio station. Double-click the station&apos;s name to put its frequency in the selected box. You can also type a frequency into any box.</translation>
    </message>
    <message>
        <source>Fréquences FM</source>
        <translation>FM presets</translation>
    </message>
    <message>
        <source>Préréglage écouté %1</source>
        <translation>Tuned preset %1</translation>
    </message>
    <message>
        <source>Ville</source>
        <translation>City</translation>
    </message>
    <message>
        <source>Stations de la ville</source>
        <translation>Stations of the city</translation>
    </message>
    <message>
        <source>    valide les fréquences FM</source>
        <translation>    Apply the FM presets</translation>
    </message>
    <message>
        <source>mauvaise valeur pour la fréquence  %1</source>
        <translation>Wrong value for preset %2 (%1)</translation>
    </message>
    <message>
        <source>erreur</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Paramètrage ostrel plus 116.036</source>
        <translation>Ostrel Settings plus 116.036</translation>
    </message>
    <message>
        <source>Fin</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Ecrire ostrel</source>
        <translation>Write to player</translation>
    </message>
    <message>
        <source>lire ostrel</source>
        <translation>Read player</translation>
    </message>
    <message>
        <source>Lire sauvegarde</source>
        <translation>Read backup</translation>
    </message>
    <message>
        <source>Sauvegarde </source>
        <translation>Save backup</translation>
    </message>
    <message>
        <source>Général</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Fréquences FM</source>
        <translation>FM presets</translation>
    </message>
    <message>
        <source>Paramètres</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Egaliseur</source>
        <translation>Equalizer</translation>
    </message>
    <message>
        <source>WOW-SRS-3D</source>
        <translation>SRS WOW 3D</translation>
    </message>
    <message>
        <source>questions et bugs : ostrel@example.com</source>
        <translation>Questions and bugs: ostrel@example.com</translation>
    </message>
    <message>
        <source>Mise à jour éventuelle : https://www.example.com/ostrel</source>
        <translation>Updates, if any: https://www.example.com/ostrel</translation>
    </message>
    <message>
        <source>Disque ostrel trouvé :</source>
        <translation>Player found at:</translation>
    </message>
    <message>
        <source>En appuyant sur ce bouton, vous rechargez les infos qui sont stockées sur l&apos;OSTREL</source>
        <translation>Press this button to read again the settings stored on the player</translation>
    </message>
    <message>
        <source>En appuyant sur ce bouton, vous chargez les informations que vous aviez sauvegardée sur votre disque dur</source>
        <translation>Press this button to load the settings you saved on your computer</translation>
    </message>
    <message>
        <source>En appuyant sur ce bouton, vous avez accès aux modifications de différents paramètres</source>
        <translation>Press this button to change the player&apos;s options</translation>
    </message>
    <message>
        <source>En appuyant sur ce bouton, vous avez accès à la page d&apos;accueil du programme</source>
        <translation>Press this button to go to the General page</translation>
    </message>
    <message>
        <source>En appuyant sur ce bouton, vous avez accès aux modifications des fréquences FM</source>
        <translation>Press this button to change the FM presets</translation>
    </message>
    <message>
        <source>En appuyant sur ce bouton, vous sauvegardez les informations courantes sur votre disque dur</source>
        <translation>Press this button to save the current settings on your computer</translation>
    </message>
    <message>
        <source>En appuyant sur ce bouton, vous avez accès aux modifications des paramêtres son 3D</source>
        <translation>Press this button to change the 3D sound settings</translation>
    </message>
    <message>
        <source>en appuyant sur ce bouton, vous enregistrez vos modifications sur l&apos;OSTREL</source>
        <translation>Press this button to write your changes to the player</translation>
    </message>
    <message>
        <source>En appuyant sur ce bouton, vous mettez fin au programme de paramétrage de votre OSTREL</source>
        <translation>Press this button to quit the player&apos;s settings program</translation>
    </message>
    <message>
        <source>En appuyant sur ce bouton, vous avez accès aux modifications de l&apos;égaliseur</source>
        <translation>Press this button to change the equalizer</translation>
    </message>
    <message>
        <source>Vous pouvez envoyer toutes remarques ou suggestions à cette adresse</source>
        <translation>Send any comments or suggestions to this address</translation>
    </message>
    <message>
        <source>fichier bien chargé</source>
        <translation>Settings loaded</translation>
    </message>
    <message>
        <source> vos modifications on été effectués sur l&apos;ostrel</source>
        <translation> Your changes were written to the player</translation>
    </message>
    <message>
        <source>fichier sauvegardé</source>
        <translation>Backup saved</translation>
    </message>
    <message>
        <source>l&apos;ostrel n&apos;a pas été trouvé</source>
        <translation>No Ostrel player was found</translation>
    </message>
    <message>
        <source>l&apos;ostrel est déjà ouvert dans une autre fenêtre</source>
        <translation>The player is already open in another window</translation>
    </message>
    <message>
        <source>Une commande ostrelctl écrit sur l&apos;ostrel depuis plusieurs secondes : recommencez quand elle aura fini.</source>
        <translation>An ostrelctl command has been writing to the player for several seconds: try again when it has finished.</translation>
    </message>
    <message>
        <source>Le verrou qui réserve l&apos;ostrel à cette fenêtre n&apos;a pas pu être créé (%1). La fenêtre fonctionne, mais rien n&apos;empêchera une autre fenêtre ou une commande ostrelctl d&apos;écrire sur l&apos;ostrel en même temps.</source>
        <translation>The lock that keeps the player for this window could not be made (%1). The window works, but nothing will stop another window or an ostrelctl command from writing to the player at the same time.</translation>
    </message>
    <message>
        <source>Les réglages qui sont sur l&apos;ostrel n&apos;ont pas pu être gardés dans l&apos;historique avant d&apos;être remplacés (%1) : cette écriture ne pourra pas être défaite.

Écrire quand même sur l&apos;ostrel ?</source>
        <translation>The settings on the player could not be kept in the history before being replaced (%1): this write cannot be undone.

Write to the player anyway?</translation>
    </message>
    <message>
        <source>Historique...</source>
        <translation>History...</translation>
    </message>
    <message>
        <source>En appuyant sur ce bouton, vous voyez ce que chaque écriture a remplacé sur l&apos;OSTREL, et vous pouvez le remettre</source>
        <translation>Press this button to see what each write replaced on the player, and to put it back</translation>
    </message>
    <message>
        <source>Remettre sur l&apos;ostrel les réglages gardés le %1 ?

Ceux de la fenêtre et de l&apos;ostrel seront remplacés ; ce qui est sur l&apos;ostrel sera d&apos;abord gardé dans l&apos;historique.</source>
        <translation>Put the settings kept on %1 back on the player?

The window&apos;s and the player&apos;s settings will be replaced; what is on the player will be kept in the history first.</translation>
    </message>
    <message>
        <source>Les réglages gardés le %1 viennent d&apos;un autre ostrel (%2) que celui-ci (%3).

Les remettre quand même sur cet ostrel ?</source>
        <translation>The settings kept on %1 come from another player (%2) than this one (%3).

Put them back on this player anyway?</translation>
    </message>
    <message>
        <source>réglages du %1 remis sur l&apos;ostrel</source>
        <translation>Settings of %1 put back on the player</translation>
    </message>
    <message>
        <source>Les réglages de l&apos;ostrel ont changé depuis que cette fenêtre les a lus (l&apos;ostrel lui-même, ou un autre programme, les a-t-il écrits ?).</source>
        <translation>The player&apos;s settings have changed since this window read them (did the player itself, or another program, write them?).</translation>
    </message>
    <message>
        <source>Le fichier settings.dat de l&apos;ostrel n&apos;est plus celui que cette fenêtre a lu (un autre ostrel est-il branché à sa place ?).</source>
        <translation>The player&apos;s settings.dat is no longer the file this window read (is another player plugged in in its place?).</translation>
    </message>
    <message>
        <source>Écrire ceux de la fenêtre</source>
        <translation>Write the window&apos;s settings</translation>
    </message>
    <message>
        <source>Charger ceux de l&apos;ostrel</source>
        <translation>Load the player&apos;s settings</translation>
    </message>
    <message>
        <source>Ne rien faire</source>
        <translation>Do nothing</translation>
    </message>
    <message>
        <source>%1 : %2 sur l&apos;ostrel, %3 dans la fenêtre</source>
        <translation>%1: %2 on the player, %3 in the window</translation>
    </message>
    <message>
        <source>Les réglages de l&apos;ostrel sont les mêmes que ceux de la fenêtre.</source>
        <translation>The player&apos;s settings are the same as the window&apos;s.</translation>
    </message>
    <message>
        <source>... et %1 autres réglages</source>
        <translation>... and %1 other settings</translation>
    </message>
    <message>
        <source>Les réglages qui diffèrent :</source>
        <translation>The settings that differ:</translation>
    </message>
    <message>
        <source>l&apos;ostrel a été débranché : vos modifications restent dans la fenêtre ; rebranchez-le pour les écrire</source>
        <translation>The player was unplugged: your changes stay in the window; plug it back in to write them</translation>
    </message>
    <message>
        <source>l&apos;ostrel est de retour : %1</source>
        <translation>The player is back: %1</translation>
    </message>
    <message>
        <source>l&apos;ostrel est déjà ouvert dans une fenêtre de %1</source>
        <translation>The player is already open in a window of %1</translation>
    </message>
    <message>
        <source>Une commande ostrelctl de %1 écrit sur l&apos;ostrel depuis plusieurs secondes : recommencez quand elle aura fini.</source>
        <translation>An ostrelctl command of %1 has been writing to the player for several seconds: try again when it has finished.</translation>
    </message>
    <message>
        <source>L&apos;ostrel n&apos;est pas branché : ses réglages ne peuvent pas être relus. Rebranchez-le ; ceux de la fenêtre restent.</source>
        <translation>The player is not plugged in: its settings cannot be read again. Plug it back in; the window&apos;s stay.</translation>
    </message>
    <message>
        <source>Le fichier settings.dat de l&apos;ostrel est endommagé (%1) : il sera remplacé en entier.</source>
        <translation>The player&apos;s settings.dat is damaged (%1): it will be replaced whole.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>endommagée : on ne sait pas de quel ostrel elle vient</source>
        <translation>Damaged: which player it came from is unknown</translation>
    </message>
    <message>
        <source>aucun dossier pour l&apos;historique</source>
        <translation>no folder for the history</translation>
    </message>
    <message>
        <source>le dossier %1 ne peut pas être créé</source>
        <translation>the folder %1 cannot be created</translation>
    </message>
    <message>
        <source>endommagée : elle n&apos;a plus la taille qu&apos;elle avait</source>
        <translation>Damaged: it no longer has the size it had</translation>
    </message>
    <message>
        <source>un fichier de l&apos;ostrel endommagé : %1 octets au lieu de %2</source>
        <translation>A damaged player file: %1 bytes instead of %2</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Historique de l&apos;ostrel</source>
        <translation>Player history</translation>
    </message>
    <message>
        <source>Aucune écriture n&apos;a encore été gardée pour cet ostrel.</source>
        <translation>No write has been kept for this player yet.</translation>
    </message>
    <message>
        <source>Avant chaque écriture, ce qui était sur l&apos;ostrel est gardé ici, du plus récent au plus ancien. Choisissez les réglages à remettre :</source>
        <translation>Before each write, what was on the player is kept here, newest first. Choose the settings to put back:</translation>
    </message>
    <message>
        <source>Gardés le</source>
        <translation>Kept on</translation>
    </message>
    <message>
        <source>Ce qui changerait dans la fenêtre</source>
        <translation>What would change in the window</translation>
    </message>
    <message>
        <source>Remettre sur l&apos;ostrel</source>
        <translation>Put back on the player</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>date inconnue</source>
        <translation>Unknown date</translation>
    </message>
    <message>
        <source>%1 : %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>les mêmes réglages que la fenêtre</source>
        <translation>The same settings as the window</translation>
    </message>
</context>
<context>
    <name>NamedSettings</name>
    <message>
        <source>erreur : %1 n&apos;est pas entre 87.5 et 108.0 MHz</source>
        <translation>error: %1 is not between 87.5 and 108.0 MHz</translation>
    </message>
    <message>
        <source>mauvaise valeur pour la fréquence  %1 (des MHz avec une décimale, comme 101.1)</source>
        <translation>wrong value for preset %1 (MHz with one decimal, such as 101.1)</translation>
    </message>
    <message>
        <source>valeurs possibles : %1 (ou leur numéro, de 0 à %2)</source>
        <translation>possible values: %1 (or their number, 0 to %2)</translation>
    </message>
    <message>
        <source>il faut un niveau entier de 0 à 10</source>
        <translation>a whole level from 0 to 10 is needed</translation>
    </message>
    <message>
        <source>il faut cinq niveaux entiers de %1 à %2, 62 Hz d&apos;abord</source>
        <translation>five whole levels from %1 to %2 are needed, 62 Hz first</translation>
    </message>
    <message>
        <source>(hors plage)</source>
        <translation>(out of range)</translation>
    </message>
    <message>
        <source>il faut un texte</source>
        <translation>a text is needed</translation>
    </message>
    <message>
        <source>il faut une liste de cinq niveaux</source>
        <translation>a list of five levels is needed</translation>
    </message>
    <message>
        <source>Fréquences FM %1</source>
        <translation>FM preset %1</translation>
    </message>
    <message>
        <source>Courbe %1</source>
        <translation>%1 curve</translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>Parametres</source>
        <translation>Options</translation>
    </message>
</context>
<context>
    <name>PlayerIdentity</name>
    <message>
        <source>disque %1</source>
        <translation>disk %1</translation>
    </message>
    <message>
        <source>UUID %1</source>
        <translation>UUID %1</translation>
    </message>
</context>
<context>
    <name>PlayerLock</name>
    <message>
        <source>aucun dossier pour le verrou</source>
        <translation>no folder for the lock</translation>
    </message>
    <message>
        <source>%1 : ce dossier n&apos;est pas à vous seul</source>
        <translation>%1: this folder is not yours alone</translation>
    </message>
    <message>
        <source>%1 : le verrou change sans cesse</source>
        <translation>%1: the lock keeps changing</translation>
    </message>
    <message>
        <source>root</source>
        <translation>root</translation>
    </message>
    <message>
        <source>l&apos;utilisateur %1</source>
        <translation>user %1</translation>
    </message>
    <message>
        <source>les droits de root n&apos;ont pas pu être repris</source>
        <translation>root&apos;s rights could not be taken back</translation>
    </message>
    <message>
        <source>%1 est un lien, là où il faut un dossier</source>
        <translation>%1 is a link where a folder must be</translation>
    </message>
    <message>
        <source>un fichier, %1, est là où il faut un dossier</source>
        <translation>a file, %1, is where a folder must be</translation>
    </message>
    <message>
        <source>un dossier, %1, est là où il faut le fichier du verrou</source>
        <translation>a folder, %1, is where the lock file must be</translation>
    </message>
</context>
<context>
    <name>PlayerSession</name>
    <message>
        <source>L&apos;ostrel n&apos;est plus branché : rien n&apos;a été écrit. Rebranchez-le ; vos modifications restent dans la fenêtre.</source>
        <translation>The player is no longer plugged in: nothing was written. Plug it back in; your changes stay in the window.</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas écrit : la fenêtre d&apos;ostrel-settings qui tient l&apos;ostrel a les droits de root, et n&apos;écrit rien pour un autre programme. Fermez-la, puis recommencez.</source>
        <translation>%1 is not written: the ostrel-settings window that holds the ostrel has root&apos;s rights, and writes nothing for another program. Close it, then try again.</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>fichier absent</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire (un dossier, un tube, un périphérique...)</source>
        <translation>not a regular file (a folder, a pipe, a device...)</translation>
    </message>
    <message>
        <source>trop grand</source>
        <translation>too large</translation>
    </message>
    <message>
        <source>lecture impossible</source>
        <translation>cannot be read</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Jazz</source>
        <translation>Jazz</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Rock</translation>
    </message>
    <message>
        <source>Classique</source>
        <translation>Classical</translation>
    </message>
    <message>
        <source>Extrême basse</source>
        <translation>Extra bass</translation>
    </message>
    <message>
        <source>Techno</source>
        <translation>Techno</translation>
    </message>
    <message>
        <source>Dance</source>
        <translation>Dance</translation>
    </message>
    <message>
        <source>Live (concert)</source>
        <translation>Live (concert)</translation>
    </message>
    <message>
        <source>Reggae</source>
        <translation>Reggae</translation>
    </message>
    <message>
        <source>Personnel</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Répéter 1</source>
        <translation>Repeat one</translation>
    </message>
    <message>
        <source>Répéter tout</source>
        <translation>Repeat all</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Shuffle</translation>
    </message>
    <message>
        <source>Shuffle répété</source>
        <translation>Shuffle repeat</translation>
    </message>
    <message>
        <source>Aléatoire répété</source>
        <translation>Random repeat</translation>
    </message>
    <message>
        <source>désactivé</source>
        <translation>Never</translation>
    </message>
    <message>
        <source>1 mn</source>
        <translation>1 min</translation>
    </message>
    <message>
        <source>2 mn</source>
        <translation>2 min</translation>
    </message>
    <message>
        <source>5 mn</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>10 mn</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>3 S</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>5 Sec.</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>10 Sec.</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>20 Sec</source>
        <translation>20 s</translation>
    </message>
    <message>
        <source>Toujours allumé</source>
        <translation>Always on</translation>
    </message>
    <message>
        <source>Aucun éclairage</source>
        <translation>No backlight</translation>
    </message>
    <message>
        <source>Ostrel +charge</source>
        <translation>Ostrel +charging</translation>
    </message>
    <message>
        <source>Clef USB +charge</source>
        <translation>USB stick +charging</translation>
    </message>
    <message>
        <source>8 Khz</source>
        <translation>8 kHz</translation>
    </message>
    <message>
        <source>11 Khz</source>
        <translation>11 kHz</translation>
    </message>
    <message>
        <source>16 Khz</source>
        <translation>16 kHz</translation>
    </message>
    <message>
        <source>22 Khz</source>
        <translation>22 kHz</translation>
    </message>
    <message>
        <source>32 Khz</source>
        <translation>32 kHz</translation>
    </message>
    <message>
        <source>44 Khz</source>
        <translation>44 kHz</translation>
    </message>
    <message>
        <source>48 Khz</source>
        <translation>48 kHz</translation>
    </message>
    <message>
        <source>X 1</source>
        <translation>X 1</translation>
    </message>
    <message>
        <source>X 2</source>
        <translation>X 2</translation>
    </message>
    <message>
        <source>X 3</source>
        <translation>X 3</translation>
    </message>
    <message>
        <source>X 4</source>
        <translation>X 4</translation>
    </message>
    <message>
        <source>X 6</source>
        <translation>X 6</translation>
    </message>
    <message>
        <source>X 8</source>
        <translation>X 8</translation>
    </message>
    <message>
        <source>SRS-WOW</source>
        <translation>SRS WOW</translation>
    </message>
    <message>
        <source>Enregistrement</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>Dossier suivant</source>
        <translation>Next folder</translation>
    </message>
    <message>
        <source>Saut 10 titres</source>
        <translation>Skip 10 tracks</translation>
    </message>
    <message>
        <source>recule 6 secondes</source>
        <translation>Back 6 seconds</translation>
    </message>
    <message>
        <source>avance 6 secondes</source>
        <translation>Forward 6 seconds</translation>
    </message>
    <message>
        <source>graves</source>
        <translation>Bass</translation>
    </message>
    <message>
        <source>Aigües</source>
        <translation>Treble</translation>
    </message>
    <message>
        <source>Mini écouteurs</source>
        <translation>Earbuds</translation>
    </message>
    <message>
        <source>Ecouteurs</source>
        <translation>Earphones</translation>
    </message>
    <message>
        <source>Casque</source>
        <translation>Headphones</translation>
    </message>
    <message>
        <source>Baffles</source>
        <translation>Small speakers</translation>
    </message>
    <message>
        <source>Enceintes</source>
        <translation>Speakers</translation>
    </message>
    <message>
        <source>Grandes enceintes</source>
        <translation>Large speakers</translation>
    </message>
    <message>
        <source>indice de fréquence FM en dehors de la plage</source>
        <translation>Tuned FM preset index out of range</translation>
    </message>
    <message>
        <source>indice d&apos;égaliseur en dehors de la plage</source>
        <translation>Equalizer index out of range</translation>
    </message>
    <message>
        <source>indice de mode de répétition en dehors de la plage</source>
        <translation>Repeat mode index out of range</translation>
    </message>
    <message>
        <source>indice extinction ostrel en dehors de la plage</source>
        <translation>Player switch-off index out of range</translation>
    </message>
    <message>
        <source>indice rétroéclairage ostrel en dehors de la plage</source>
        <translation>Player backlight index out of range</translation>
    </message>
    <message>
        <source>indice mode usb ostrel en dehors de la plage</source>
        <translation>Player USB mode index out of range</translation>
    </message>
    <message>
        <source>indice qualité d&apos;enregistrement ostrel en dehors de la plage</source>
        <translation>Player recording quality index out of range</translation>
    </message>
    <message>
        <source>indice vitesse de défilement ostrel en dehors de la plage</source>
        <translation>Player scrolling speed index out of range</translation>
    </message>
    <message>
        <source>indice abrec ostrel en dehors de la plage</source>
        <translation>Player A&lt;&gt;B-Rec index out of range</translation>
    </message>
    <message>
        <source>indice focus ostrel en dehors de la plage</source>
        <translation>Player focus index out of range</translation>
    </message>
    <message>
        <source>indice type d&apos;écouteurs ostrel en dehors de la plage</source>
        <translation>Player headphone type index out of range</translation>
    </message>
    <message>
        <source>True bass</source>
        <translation>True bass</translation>
    </message>
    <message>
        <source>niveau True bass ostrel en dehors de la plage</source>
        <translation>Player True bass level out of range</translation>
    </message>
    <message>
        <source>Son 3D</source>
        <translation>3D sound</translation>
    </message>
    <message>
        <source>niveau son 3D ostrel en dehors de la plage</source>
        <translation>Player 3D sound level out of range</translation>
    </message>
    <message>
        <source>Contraste</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>indice contraste ostrel en dehors de la plage</source>
        <translation>Player contrast index out of range</translation>
    </message>
    <message>
        <source>attention %1</source>
        <translation>Warning: %1 bytes</translation>
    </message>
    <message>
        <source>je ne reconnait pas l&apos;ostrel</source>
        <translation>This Ostrel player is not recognised</translation>
    </message>
    <message>
        <source>je ne reconnais pas un OSTREL muni du firmware 2,226</source>
        <translation>Not recognised as an OSTREL with firmware 2.226</translation>
    </message>
    <message>
        <source>Préréglage écouté</source>
        <translation>Tuned preset</translation>
    </message>
    <message>
        <source>Egaliseur</source>
        <translation>Equalizer</translation>
    </message>
    <message>
        <source>Modes répétition</source>
        <translation>Repeat modes</translation>
    </message>
    <message>
        <source>extinction automatique</source>
        <translation>Automatic switch-off</translation>
    </message>
    <message>
        <source>Extinction rétroéclairage</source>
        <translation>Backlight timeout</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Qualité d&apos;enregistrement</source>
        <translation>Recording quality</translation>
    </message>
    <message>
        <source>Vitesse défilement des titres</source>
        <translation>Title scrolling speed</translation>
    </message>
    <message>
        <source>A&lt;&gt;B-Rec</source>
        <translation>A&lt;&gt;B-Rec</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Focus</translation>
    </message>
    <message>
        <source>Type d&apos;écouteurs</source>
        <translation>Headphone type</translation>
    </message>
</context>
<context>
    <name>SettingsDocument</name>
    <message>
        <source>ce n&apos;est pas un document ostrel-settings (&quot;format&quot;: &quot;ostrel-settings&quot;)</source>
        <translation>not an ostrel-settings document (&quot;format&quot;: &quot;ostrel-settings&quot;)</translation>
    </message>
    <message>
        <source>%1 : clé donnée deux fois</source>
        <translation>%1: key given twice</translation>
    </message>
    <message>
        <source>version : seule la version %1 est connue</source>
        <translation>version: only version %1 is known</translation>
    </message>
    <message>
        <source>%1 : clé inconnue</source>
        <translation>%1: unknown key</translation>
    </message>
    <message>
        <source>bytes : il faut les %1 octets du fichier en hexadécimal</source>
        <translation>bytes: the file&apos;s %1 bytes in hexadecimal are needed</translation>
    </message>
    <message>
        <source>settings : il faut un objet</source>
        <translation>settings: an object is needed</translation>
    </message>
    <message>
        <source>settings.%1 : réglage inconnu</source>
        <translation>settings.%1: unknown setting</translation>
    </message>
    <message>
        <source>settings.%1 : null (une valeur est nécessaire)</source>
        <translation>settings.%1: null (a value is needed)</translation>
    </message>
    <message>
        <source>settings.%1 : %2</source>
        <translation>settings.%1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>le fichier settings.dat n&apos;existe plus sur l&apos;ostrel (le lecteur a-t-il été débranché ?)</source>
        <translation>settings.dat is no longer on the player (was it unplugged?)</translation>
    </message>
    <message>
        <source>settings.dat est un dossier sur l&apos;ostrel, pas un fichier</source>
        <translation>settings.dat on the player is a folder, not a file</translation>
    </message>
    <message>
        <source>settings.dat est un lien sur l&apos;ostrel, pas un fichier</source>
        <translation>settings.dat on the player is a link, not a file</translation>
    </message>
    <message>
        <source>le disque de l&apos;ostrel est protégé en écriture</source>
        <translation>the player&apos;s disk is write-protected</translation>
    </message>
    <message>
        <source>l&apos;écriture dans settings.dat est refusée</source>
        <translation>writing to settings.dat is not allowed</translation>
    </message>
    <message>
        <source>le disque de l&apos;ostrel est plein</source>
        <translation>the player&apos;s disk is full</translation>
    </message>
    <message>
        <source>erreur d&apos;entrée-sortie sur le disque de l&apos;ostrel (le lecteur a-t-il été débranché ?)</source>
        <translation>input/output error on the player&apos;s disk (was it unplugged?)</translation>
    </message>
    <message>
        <source>erreur du système n° %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>le disque est plein</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>le dossier %1 ne peut pas être écrit</source>
        <translation>the folder %1 cannot be written</translation>
    </message>
    <message>
        <source>le dossier %1 n&apos;existe pas</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>un dossier porte le nom de la sauvegarde</source>
        <translation>a folder has the backup&apos;s name</translation>
    </message>
    <message>
        <source>erreur d&apos;entrée-sortie sur le disque</source>
        <translation>input/output error on the disk</translation>
    </message>
    <message>
        <source>Vos modifications n&apos;ont pas été écrites sur l&apos;ostrel : %1.</source>
        <translation>Your changes were not written to the player: %1.</translation>
    </message>
    <message>
        <source>le fichier relu sur l&apos;ostrel ne correspond pas à ce qui a été écrit (le lecteur a-t-il été débranché ?)</source>
        <translation>the file read back from the player is not what was written (was it unplugged?)</translation>
    </message>
    <message>
        <source>Vos modifications ont été écrites sur l&apos;ostrel, mais settings.dat n&apos;a pas pu être remis en lecture seule.</source>
        <translation>Your changes were written to the player, but settings.dat could not be made read-only again.</translation>
    </message>
    <message>
        <source>La sauvegarde n&apos;a pas pu être écrite dans %1 : %2. %3</source>
        <translation>The backup could not be written to %1: %2. %3</translation>
    </message>
    <message>
        <source>L&apos;ancienne sauvegarde est inchangée.</source>
        <translation>The previous backup is unchanged.</translation>
    </message>
    <message>
        <source>Aucun fichier n&apos;a été créé.</source>
        <translation>No file was created.</translation>
    </message>
    <message>
        <source>vous ne pouvez pas écrire settings.dat vous-même, et les droits de root ne servent que si seul root peut modifier les dossiers qui y mènent : %1 peut l&apos;être par un autre</source>
        <translation>you cannot write settings.dat yourself, and root&apos;s rights serve only when no one but root can change the folders that lead to it: someone else can change %1</translation>
    </message>
</context>
<context>
    <name>SrsPage</name>
    <message>
        <source>WOW-SRS</source>
        <translation>SRS WOW</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>attention votre modification n&apos;est pas enregistée dans l&apos;ostrel</source>
        <translation>Warning: your change is not on the player yet</translation>
    </message>
    <message>
        <source>ostrelctl a écrit sur l&apos;ostrel</source>
        <translation>ostrelctl wrote to the ostrel</translation>
    </message>
    <message>
        <source>ostrelctl a changé sur l&apos;ostrel : %1</source>
        <translation>ostrelctl changed on the ostrel: %1</translation>
    </message>
    <message>
        <source>%1 ; %2</source>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>UserAccount</name>
    <message>
        <source>Lancé par sudo, le programme n&apos;a pas pu prendre l&apos;identité de l&apos;utilisateur qui l&apos;a lancé : il s&apos;arrête plutôt que de tout faire avec les droits de root.</source>
        <translation>Run through sudo, the program could not take on the identity of the user who ran it: it stops rather than do everything with root&apos;s rights.</translation>
    </message>
</context>
<context>
    <name>ostrelctl</name>
    <message>
        <source>aucun ostrel trouvé : aucun volume ne porte settings.dat à sa racine (branchez l&apos;ostrel, ou nommez le fichier)</source>
        <translation>no player found: no volume has settings.dat at its root (plug the player in, or name the file)</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas examiné : le nom de son dossier n&apos;est pas de l&apos;UTF-8 valide</source>
        <translation>%1 is not looked at: its folder&apos;s name is not valid UTF-8</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 : %2 -&gt; %3</source>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>1 autre octet diffère</source>
        <translation>1 other byte differs</translation>
    </message>
    <message>
        <source>%1 autres octets diffèrent</source>
        <translation>%1 other bytes differ</translation>
    </message>
    <message>
        <source>1 octet diffère, hors des réglages</source>
        <translation>1 byte differs, outside the settings</translation>
    </message>
    <message>
        <source>%1 octets diffèrent, hors des réglages</source>
        <translation>%1 bytes differ, outside the settings</translation>
    </message>
    <message>
        <source>--volume : il manque le dossier</source>
        <translation>--volume: the folder is missing</translation>
    </message>
    <message>
        <source>option inconnue : %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>Noms et valeurs :
  fm.A ... fm.T    préréglage en MHz : 101.1 (ou 101,1)
  fm.tuned         lettre du préréglage écouté : A ... T
  equalizer        égaliseur actif, par sa légende : Jazz, Live (concert), Auto...
  curve.NOM        courbe en dB, 62 Hz d&apos;abord : 18,-4,-2,14,14 ; NOM parmi normal,
                   jazz, pop, rock, classique, extreme-basses, techno, danse,
                   live, reggae, perso
  trubass, son3d, contrast
                   niveau de 0 à 10
  focus, headphones, repeat, recordQuality, scrollSpeed, autoOff, backlight,
  usb, abRec       légende du bouton choisi (casse et accents libres), ou son
                   numéro (0 pour le premier)
</source>
        <translation>Names and values:
  fm.A ... fm.T    preset in MHz: 101.1 (or 101,1)
  fm.tuned         letter of the tuned preset: A ... T
  equalizer        active equalizer, by its caption: Jazz, Live (concert), Auto...
  curve.NAME       curve in dB, 62 Hz first: 18,-4,-2,14,14; NAME among normal,
                   jazz, pop, rock, classique, extreme-basses, techno, danse,
                   live, reggae, perso (the same in every language: the
                   English window&apos;s Classical, Extra bass, Dance and Custom
                   curves are classique, extreme-basses, danse and perso)
  trubass, son3d, contrast
                   level from 0 to 10
  focus, headphones, repeat, recordQuality, scrollSpeed, autoOff, backlight,
  usb, abRec       caption of the chosen button, in English or French (any
                   case, accents or not), or its number (0 for the first)

Setting and curve names are the same in every language; only the captions the
window shows are translated.
</translation>
    </message>
    <message>
        <source>usage : ostrelctl find [--volume DOSSIER]...

Écrit le chemin du settings.dat de l&apos;ostrel branché.
Code 1 quand aucun volume n&apos;en porte un à sa racine.
</source>
        <translation>usage: ostrelctl find [--volume FOLDER]...

Prints the path of the attached player&apos;s settings.dat.
Exit code 1 when no volume has one at its root.
</translation>
    </message>
    <message>
        <source>usage : ostrelctl show [FICHIER] [--json]

Écrit chaque réglage que la fenêtre comprend, une ligne NOM=VALEUR par réglage
(avec --json : un objet JSON). Un réglage que la fenêtre refuse s&apos;écrit
&quot;(hors plage)&quot; (null en JSON) ; ce que la fenêtre en dirait va sur l&apos;erreur.
</source>
        <translation>usage: ostrelctl show [FILE] [--json]

Prints every setting the window understands, one NAME=VALUE line per setting
(with --json: a JSON object). A setting the window refuses is printed as
&quot;(out of range)&quot; (null in JSON); what the window would say of it goes to the
standard error.
</translation>
    </message>
    <message>
        <source>usage : ostrelctl check [FICHIER]

Code 0 quand la fenêtre ouvrirait le fichier sans message et laisserait
&quot;Ecrire ostrel&quot; le réécrire ; sinon code 1 et une ligne par problème, dans les
mots de la fenêtre (la taille, chaque réglage hors plage).
</source>
        <translation>usage: ostrelctl check [FILE]

Exit code 0 when the window would open the file without a message and let
&quot;Write to player&quot; write it back; otherwise exit code 1 and one line per
problem, in the window&apos;s words (the size, each setting out of range).
</translation>
    </message>
    <message>
        <source>usage : ostrelctl diff A B [--bytes]

Une ligne par réglage qui diffère (nom : valeur dans A -&gt; valeur dans B), puis
le nombre des autres octets qui diffèrent ; --bytes donne chacun d&apos;eux.
Code 0 quand les fichiers sont identiques, 1 sinon.
</source>
        <translation>usage: ostrelctl diff A B [--bytes]

One line per setting that differs (name: value in A -&gt; value in B), then the
number of other bytes that differ; --bytes lists each of them.
Exit code 0 when the files are identical, 1 otherwise.
</translation>
    </message>
    <message>
        <source>usage : ostrelctl set [FICHIER] NOM=VALEUR... [--dry-run] [--no-history]

Change les réglages nommés en une seule écriture, comme &quot;Ecrire ostrel&quot;.
Chaque valeur est vérifiée comme la fenêtre la vérifie : si une seule est
refusée, rien n&apos;est écrit et chaque refus est donné (code 2). Seul un fichier
que check accepte est écrit (sinon code 1). --dry-run montre ce qui changerait.
Le fichier est réservé avant d&apos;être lu et jusqu&apos;à ce qu&apos;il soit écrit : une
autre commande qui l&apos;écrit est attendue quelques secondes ; tant que la fenêtre
d&apos;ostrel-settings a ce fichier ouvert, rien n&apos;est écrit (code 2).
</source>
        <translation>usage: ostrelctl set [FILE] NAME=VALUE... [--dry-run] [--no-history]

Changes the named settings in one write, as &quot;Write to player&quot; does. Each value
is checked as the window checks it: if any is refused, nothing is written and
each refusal is given (exit code 2). Only a file that check accepts is written
(otherwise exit code 1). --dry-run shows what would change.
The file is reserved before it is read and until it is written: another
command writing it is waited for a few seconds; while the ostrel-settings
window has this file open, nothing is written (exit code 2).
</translation>
    </message>
    <message>
        <source>usage : ostrelctl export [FICHIER]

Écrit le fichier en document JSON : {&quot;format&quot;: &quot;ostrel-settings&quot;,
&quot;version&quot;: 1, &quot;settings&quot;: {...}, &quot;bytes&quot;: &quot;&lt;les 699 octets en hexadécimal&gt;&quot;}.
Un réglage que la fenêtre refuse vaut null ; ses octets restent dans &quot;bytes&quot;.
</source>
        <translation>usage: ostrelctl export [FILE]

Prints the file as a JSON document: {&quot;format&quot;: &quot;ostrel-settings&quot;,
&quot;version&quot;: 1, &quot;settings&quot;: {...}, &quot;bytes&quot;: &quot;&lt;the 699 bytes in hexadecimal&gt;&quot;}.
A setting the window refuses is null; its bytes stay in &quot;bytes&quot;. The document
is the same whatever the language.
</translation>
    </message>
    <message>
        <source>usage : ostrelctl import DOCUMENT|- [FICHIER] [--dry-run] [--no-history]

Écrit un document d&apos;export (- : l&apos;entrée standard) : ses octets, puis chaque
réglage qui diffère de ce qu&apos;ils disent. Un null, une clé inconnue, un mauvais
type, une valeur refusée, une clé donnée deux fois ou des octets qui ne sont
pas exactement 1398 chiffres hexadécimaux : rien n&apos;est écrit (code 2). Un
FICHIER existant doit être accepté par check et est écrit comme &quot;Ecrire ostrel&quot;
l&apos;écrit ; un FICHIER absent est créé comme une sauvegarde. Réservé comme pour
set : refusé tant que la fenêtre d&apos;ostrel-settings a ce fichier ouvert.
</source>
        <translation>usage: ostrelctl import DOCUMENT|- [FILE] [--dry-run] [--no-history]

Writes an export document (-: the standard input): its bytes, then each
setting that differs from what they say. A null, an unknown key, a wrong type,
a refused value, a key given twice or bytes that are not exactly 1398
hexadecimal digits: nothing is written (exit code 2). An existing FILE must be
accepted by check and is written as &quot;Write to player&quot; writes; a missing FILE is
created as a backup is saved. Reserved as for set: refused while the
ostrel-settings window has this file open.
</translation>
    </message>
    <message>
        <source>1 octet hors des réglages</source>
        <translation>1 byte outside the settings</translation>
    </message>
    <message>
        <source>%1 octets hors des réglages</source>
        <translation>%1 bytes outside the settings</translation>
    </message>
    <message>
        <source>(identique)</source>
        <translation>(identical)</translation>
    </message>
    <message>
        <source>(date inconnue)</source>
        <translation>(unknown date)</translation>
    </message>
    <message>
        <source>%1 : pas d&apos;entrée de ce numéro ; l&apos;historique de %2 en a %3 (ostrelctl history les donne)</source>
        <translation>%1: no entry of that number; the history of %2 has %3 (ostrelctl history lists them)</translation>
    </message>
    <message>
        <source>l&apos;entrée %1 (%2) est %3 ; elle n&apos;est pas reprise</source>
        <translation>entry %1 (%2) is %3; it was not restored</translation>
    </message>
    <message>
        <source>%1 :</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>ostrel inconnu</source>
        <translation>unknown player</translation>
    </message>
    <message>
        <source>aucune écriture gardée pour %1</source>
        <translation>no write kept for %1</translation>
    </message>
    <message>
        <source>l&apos;entrée %1 n&apos;est pas reprise : la fenêtre ne l&apos;écrirait pas.</source>
        <translation>entry %1 was not restored: the window would not write it.</translation>
    </message>
    <message>
        <source>ostrelctl : %1
(ostrelctl --help donne l&apos;usage)</source>
        <translation>ostrelctl: %1
(ostrelctl --help gives the usage)</translation>
    </message>
    <message>
        <source>ostrelctl : commande inconnue : %1</source>
        <translation>ostrelctl: unknown command: %1</translation>
    </message>
    <message>
        <source>ostrelctl %1 : %2 ne s&apos;applique pas ici</source>
        <translation>ostrelctl %1: %2 does not apply here</translation>
    </message>
    <message>
        <source>ostrelctl : commande inconnue : %1
(ostrelctl --help donne les commandes)</source>
        <translation>ostrelctl: unknown command: %1
(ostrelctl --help lists the commands)</translation>
    </message>
    <message>
        <source>%1 : un seul fichier à la fois (%2)</source>
        <translation>%1: one file at a time (%2)</translation>
    </message>
    <message>
        <source>%1 : plus de %2 octets, ce n&apos;est pas un fichier de réglages</source>
        <translation>%1: more than %2 bytes, not a settings file</translation>
    </message>
    <message>
        <source>find ne prend pas de fichier</source>
        <translation>find takes no file</translation>
    </message>
    <message>
        <source>diff compare deux fichiers : ostrelctl diff A B</source>
        <translation>diff compares two files: ostrelctl diff A B</translation>
    </message>
    <message>
        <source>octet %1 : %2 -&gt; %3</source>
        <translation>byte %1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas écrit : la fenêtre ne l&apos;écrirait pas non plus.</source>
        <translation>%1 was not written: the window would not write it either.</translation>
    </message>
    <message>
        <source>rien n&apos;est écrit (--dry-run)</source>
        <translation>nothing was written (--dry-run)</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas écrit : l&apos;ostrel est ouvert dans la fenêtre d&apos;ostrel-settings, dont la prochaine écriture déferait celle-ci sans un mot. Fermez la fenêtre, puis recommencez.</source>
        <translation>%1 was not written: the player is open in the ostrel-settings window, whose next write would silently undo this one. Close the window, then try again.</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas écrit : une autre commande ostrelctl l&apos;écrit depuis plus de %2 s. Recommencez plus tard.</source>
        <translation>%1 was not written: another ostrelctl command has been writing it for more than %2 s. Try again later.</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas écrit : le verrou qui empêche deux programmes de l&apos;écrire à la fois n&apos;a pas pu être créé (%2).</source>
        <translation>%1 was not written: the lock that stops two programs writing it at once could not be made (%2).</translation>
    </message>
    <message>
        <source>%1 : trop grand pour un document ostrel-settings</source>
        <translation>%1: too large for an ostrel-settings document</translation>
    </message>
    <message>
        <source>réglage inconnu (ostrelctl show donne les noms)</source>
        <translation>unknown setting (ostrelctl show gives the names)</translation>
    </message>
    <message>
        <source>il faut NOM=VALEUR</source>
        <translation>NAME=VALUE is needed</translation>
    </message>
    <message>
        <source>%1 : réglage donné deux fois</source>
        <translation>%1: setting given twice</translation>
    </message>
    <message>
        <source>set : rien à changer ; usage : ostrelctl set [FICHIER] NOM=VALEUR...</source>
        <translation>set: nothing to change; usage: ostrelctl set [FILE] NAME=VALUE...</translation>
    </message>
    <message>
        <source>rien n&apos;est écrit :</source>
        <translation>nothing was written:</translation>
    </message>
    <message>
        <source>rien à changer</source>
        <translation>nothing to change</translation>
    </message>
    <message>
        <source>usage : ostrelctl import DOCUMENT.json|- [FICHIER]</source>
        <translation>usage: ostrelctl import DOCUMENT.json|- [FILE]</translation>
    </message>
    <message>
        <source>rien n&apos;est écrit, %1 est refusé :</source>
        <translation>nothing was written, %1 was refused:</translation>
    </message>
    <message>
        <source>%1 : serait créé</source>
        <translation>%1: would be created</translation>
    </message>
    <message>
        <source>%1 : créé</source>
        <translation>%1: created</translation>
    </message>
    <message>
        <source>ostrelctl : %1 : ce nom n&apos;est pas de l&apos;UTF-8 valide ; ostrelctl ne saurait pas nommer ce fichier sans en nommer un autre. Renommez-le.</source>
        <translation>ostrelctl: %1: this name is not valid UTF-8; ostrelctl could not name this file without naming another. Rename it.</translation>
    </message>
    <message>
        <source>ostrelctl : la sortie standard n&apos;a pas pu être écrite (%1)</source>
        <translation>ostrelctl: the standard output could not be written (%1)</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas écrit : l&apos;historique n&apos;a pas pu être gardé (%2).
(--no-history l&apos;écrit sans garder ce qu&apos;il remplace)</source>
        <translation>%1 was not written: the history could not be kept (%2).
(--no-history writes it without keeping what it replaces)</translation>
    </message>
    <message>
        <source>%1 : aucune entrée de l&apos;historique n&apos;a cet identifiant (ostrelctl history --all les donne)</source>
        <translation>%1: no history entry has this id (ostrelctl history --all lists them)</translation>
    </message>
    <message>
        <source>usage : ostrelctl history [FICHIER] | history --all | history --show N|ID [FICHIER] | history --export N|ID [FICHIER]</source>
        <translation>usage: ostrelctl history [FILE] | history --all | history --show N|ID [FILE] | history --export N|ID [FILE]</translation>
    </message>
    <message>
        <source>usage : ostrelctl restore N|ID [FICHIER] [--dry-run] [--other-player]</source>
        <translation>usage: ostrelctl restore N|ID [FILE] [--dry-run] [--other-player]</translation>
    </message>
    <message>
        <source>l&apos;entrée %1 n&apos;est pas remise : elle vient d&apos;un autre ostrel (%2) que %3 (%4). --other-player la remet quand même.</source>
        <translation>entry %1 was not put back: it comes from another player (%2) than %3 (%4). --other-player puts it back anyway.</translation>
    </message>
    <message>
        <source>entrée %1, gardée le %2 :</source>
        <translation>entry %1, kept on %2:</translation>
    </message>
    <message>
        <source>%1 : l&apos;historique n&apos;a pas pu être gardé (%2) ; écrit quand même (--no-history), cette écriture ne pourra pas être défaite</source>
        <translation>%1: the history could not be kept (%2); written anyway (--no-history), this write cannot be undone</translation>
    </message>
    <message>
        <source>usage : ostrelctl [--volume DOSSIER]... COMMANDE [ARGUMENTS]

Les réglages de l&apos;ostrel en ligne de commande, lus et écrits comme la fenêtre
d&apos;ostrel-settings les lit et les écrit.

Commandes :
  find                         chemin du settings.dat de l&apos;ostrel branché
  show [FICHIER] [--json]      chaque réglage, nommé, avec sa valeur
  check [FICHIER]              la fenêtre l&apos;ouvrirait-elle sans message ?
  diff A B [--bytes]           les réglages qui diffèrent entre deux fichiers
  set [FICHIER] NOM=VALEUR...  change des réglages en une seule écriture
  export [FICHIER]             le fichier en document JSON
  import DOCUMENT|- [FICHIER]  écrit un document JSON dans le fichier
  history [FICHIER] [--all]    ce que chaque écriture a remplacé, du plus récent
  restore N|ID [FICHIER]       remet une entrée de l&apos;historique

Sans FICHIER, la commande prend le settings.dat de l&apos;ostrel, cherché comme la
fenêtre le cherche : les dossiers donnés par --volume, puis les volumes montés
(jamais les partages réseau).

Avant d&apos;écrire, set, import et restore gardent le fichier qu&apos;ils remplacent
dans l&apos;historique (~/.local/share/ostrel-settings/history/), comme la fenêtre :
toute écriture peut être défaite avec restore. --no-history écrit même
quand l&apos;historique ne peut pas être écrit.

Options :
  --volume DOSSIER  cherche aussi l&apos;ostrel dans DOSSIER (répétable)
  --help            cette aide ; ostrelctl COMMANDE --help : l&apos;aide d&apos;une commande
  --version         la version

Codes de sortie :
  0  fait
  1  la réponse est non : pas d&apos;ostrel, fichier refusé, fichiers différents
  2  mauvais usage, valeur refusée, fichier illisible ou impossible à écrire
</source>
        <translation>usage: ostrelctl [--volume FOLDER]... COMMAND [ARGUMENTS]

The Ostrel player&apos;s settings from the command line, read and written as the
ostrel-settings window reads and writes them.

Commands:
  find                         path of the attached player&apos;s settings.dat
  show [FILE] [--json]         every setting, by name, with its value
  check [FILE]                 would the window open it without a message?
  diff A B [--bytes]           the settings that differ between two files
  set [FILE] NAME=VALUE...     change settings in one write
  export [FILE]                the file as a JSON document
  import DOCUMENT|- [FILE]     write a JSON document into the file
  history [FILE] [--all]       what each write replaced, newest first
  restore N|ID [FILE]          put an entry of the history back

Without a FILE, a command takes the player&apos;s settings.dat, found as the window
finds it: the folders given with --volume, then the mounted volumes (never
network shares).

Before writing, set, import and restore keep the file they replace in the
history (~/.local/share/ostrel-settings/history/), as the window does: any
write can be undone with restore. --no-history writes even when the history
cannot be written.

Options:
  --volume FOLDER   also look for the player in FOLDER (repeatable)
  --help            this help; ostrelctl COMMAND --help: the help of a command
  --version         the version

Exit codes:
  0  done
  1  the answer is no: no player, a refused file, files that differ
  2  bad usage, a refused value, a file that cannot be read or written

The language follows the user&apos;s settings (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
setting names and JSON documents are the same in every language.
</translation>
    </message>
    <message>
        <source>usage : ostrelctl history [FICHIER] | history --all | history --show N|ID [FICHIER]
        | history --export N|ID [FICHIER]

Les fichiers que les écritures sur l&apos;ostrel (ou sur celui qui porte FICHIER)
ont remplacés, du plus récent au plus ancien : le numéro de chacun (1 est le
plus récent, et les numéros changent à chaque écriture), son identifiant
(six lettres et chiffres qui ne changent jamais), la date où il a été gardé
et les réglages où il diffère du fichier qui l&apos;a remplacé. --all : ceux de
chaque ostrel, branché ou non. --show écrit une entrée comme show, --export
comme export ; par son identifiant, c&apos;est une entrée de n&apos;importe quel ostrel.
Une entrée endommagée est signalée, jamais reprise. Les 100 entrées les plus
récentes de chaque ostrel sont gardées.
</source>
        <translation>usage: ostrelctl history [FILE] | history --all | history --show N|ID [FILE]
        | history --export N|ID [FILE]

The files that writes to the player (or to the one holding FILE) replaced,
newest first: the number of each (1 is the newest, and numbers change with
every write), its id (six letters and digits that never change), when it was
kept and the settings in which it differs from the file that replaced it.
--all: those of every player, attached or not. --show prints an entry as show
does, --export as export does; by its id, it is an entry of any player.
A damaged entry is reported, never restored. The newest 100 entries of each
player are kept.
</translation>
    </message>
    <message>
        <source>usage : ostrelctl restore N|ID [FICHIER] [--dry-run] [--no-history] [--other-player]

Remet une entrée de l&apos;historique (son numéro ou son identifiant, que
ostrelctl history donne) sur l&apos;ostrel, comme import l&apos;écrit : mêmes
vérifications, et le fichier remplacé est gardé d&apos;abord, si bien qu&apos;un
restore se défait par un autre (restore 1). Dit quelle entrée il remet.
Une entrée d&apos;un autre ostrel est refusée (code 2) sauf avec --other-player :
des ostrels d&apos;un même modèle peuvent avoir le même nom et le même numéro de
volume. Un fichier de l&apos;ostrel endommagé (trop court, trop long, refusé ou
illisible) est remplacé en entier, après avoir été gardé quand il peut être lu.
--dry-run montre ce qui changerait.
</source>
        <translation>usage: ostrelctl restore N|ID [FILE] [--dry-run] [--no-history] [--other-player]

Puts an entry of the history (its number or its id, which ostrelctl history
gives) back on the player, as import writes: the same checks, and the file it
replaces is kept first, so that a restore is undone by another one
(restore 1). Says which entry it puts back. An entry of another player is
refused (code 2) unless --other-player is given: players of one model may
share a name and a volume serial. A damaged player file (too short, too long,
refused or unreadable) is replaced whole, after being kept when it can be
read. --dry-run shows what would change.
</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas écrit : l&apos;ostrel est ouvert dans une fenêtre d&apos;ostrel-settings de %2, dont la prochaine écriture déferait celle-ci sans un mot.</source>
        <translation>%1 was not written: the player is open in an ostrel-settings window of %2, whose next write would silently undo this one.</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas écrit : une commande ostrelctl de %3 l&apos;écrit depuis plus de %2 s. Recommencez plus tard.</source>
        <translation>%1 was not written: an ostrelctl command of %3 has been writing it for more than %2 s. Try again later.</translation>
    </message>
    <message>
        <source>%1 ne peut pas être lu (%2) : il serait remplacé en entier, sans pouvoir être gardé</source>
        <translation>%1 cannot be read (%2): it would be replaced whole, without being kept</translation>
    </message>
    <message>
        <source>%1 ne pouvait pas être lu (%2) : il a été remplacé en entier, sans pouvoir être gardé</source>
        <translation>%1 could not be read (%2): it was replaced whole, without being kept</translation>
    </message>
    <message>
        <source>%1 est endommagé (%2) : il serait gardé dans l&apos;historique, puis remplacé en entier</source>
        <translation>%1 is damaged (%2): it would be kept in the history, then replaced whole</translation>
    </message>
    <message>
        <source>%1 était endommagé (%2) : il a été gardé dans l&apos;historique, puis remplacé en entier</source>
        <translation>%1 was damaged (%2): it was kept in the history, then replaced whole</translation>
    </message>
    <message>
        <source>%1 est endommagé (%2) : il serait remplacé en entier, sans être gardé</source>
        <translation>%1 is damaged (%2): it would be replaced whole, without being kept</translation>
    </message>
    <message>
        <source>%1 était endommagé (%2) : il a été remplacé en entier, sans être gardé</source>
        <translation>%1 was damaged (%2): it was replaced whole, without being kept</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas écrit : il a changé depuis que la commande l&apos;a lu. Recommencez.</source>
        <translation>%1 was not written: it changed since the command read it. Try again.</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas écrit : %2 a été modifié dans la fenêtre d&apos;ostrel-settings et n&apos;y est pas encore écrit. Écrivez-le (ou relisez l&apos;ostrel) dans la fenêtre, puis recommencez.</source>
        <translation>%1 is not written: %2 was changed in the ostrel-settings window and is not written yet. Write it (or read the ostrel again) in the window, then try again.</translation>
    </message>
</context>
</TS>
