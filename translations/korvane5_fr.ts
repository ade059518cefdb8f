<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Countdown</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>Il reste moins d&apos;une minute</translation>
    </message>
    <message>
        <source>The countdown has ended.</source>
        <translation>Le compte à rebours est terminé.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of the parts</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the other parts</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 left</source>
        <comment>the parts</comment>
        <translation>Il reste %1</translation>
    </message>
    <message>
        <source>Less than a minute since the end</source>
        <translation>Moins d&apos;une minute depuis la fin</translation>
    </message>
    <message>
        <source>%1 since the end</source>
        <comment>the parts</comment>
        <translation>%1 depuis la fin</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>TCalendarText</name>
    <message>
        <source>this is not a calendar file (iCalendar, .ics)</source>
        <translation>ce n&apos;est pas un fichier de calendrier (iCalendar, .ics)</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; cannot be read: %2</source>
        <translation>l&apos;événement &quot;%1&quot; ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has no start (DTSTART)</source>
        <translation>l&apos;événement &quot;%1&quot; n&apos;a pas de début (DTSTART)</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; names the unknown time zone %2</source>
        <translation>l&apos;événement &quot;%1&quot; indique le fuseau horaire inconnu %2</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has a %2 line without a moment</source>
        <translation>l&apos;événement &quot;%1&quot; a une ligne %2 sans date ni heure</translation>
    </message>
    <message>
        <source>the file is larger than 16 MiB</source>
        <translation>le fichier dépasse 16&#xa0;Mio</translation>
    </message>
    <message>
        <source>the calendar holds no event</source>
        <translation>le calendrier ne contient aucun événement</translation>
    </message>
    <message>
        <source>the calendar&apos;s repeat rules take too long to work out; pick an event by its UID</source>
        <translation>les règles de répétition du calendrier prennent trop de temps à calculer&#xa0;; choisissez un événement par son UID</translation>
    </message>
    <message>
        <source>the calendar holds no event with the UID %1</source>
        <translation>le calendrier ne contient aucun événement avec l&apos;UID %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TClockEvent</name>
    <message>
        <source>Clock %1</source>
        <translation>Horloge %1</translation>
    </message>
    <message>
        <source>%1 — since %2</source>
        <translation>%1 — depuis %2</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>The event of clock %1 cannot be worked out (%2): the clock counts to its first moment.</source>
        <translation>L&apos;événement de l&apos;horloge %1 ne peut pas être calculé (%2)&#xa0;: l&apos;horloge compte jusqu&apos;à son premier moment.</translation>
    </message>
</context>
<context>
    <name>TClockNotifier</name>
    <message>
        <source>Right-click the clock to choose the moment to count down to.</source>
        <translation>Faites un clic droit sur l&apos;horloge pour choisir l&apos;échéance du compte à rebours.</translation>
    </message>
    <message>
        <source>%1 — the countdown has ended</source>
        <translation>%1 — le compte à rebours est terminé</translation>
    </message>
    <message>
        <source>The countdown to %1 %2 has ended.</source>
        <translation>Le compte à rebours jusqu&apos;au %1 à %2 est terminé.</translation>
    </message>
</context>
<context>
    <name>TClockSettings</name>
    <message>
        <source>Clock %1: %2</source>
        <translation>Horloge %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TClockStore</name>
    <message>
        <source>Korvane5 Clock %1</source>
        <translation>Horloge %1 de Korvane5</translation>
    </message>
    <message>
        <source>The start-up entry %1 could not be written: the clock does not start at log-on as chosen.</source>
        <translation>L&apos;entrée de démarrage %1 n&apos;a pas pu être écrite&#xa0;: l&apos;horloge ne démarrera pas à l&apos;ouverture de session comme demandé.</translation>
    </message>
    <message>
        <source>the settings store %1 could not be written: what was changed in this run is not kept (%2)</source>
        <translation>le fichier de paramètres %1 n&apos;a pas pu être écrit&#xa0;: les modifications de cette session ne sont pas conservées (%2)</translation>
    </message>
</context>
<context>
    <name>TDateTimePickForm</name>
    <message>
        <source>Choose Date/Time</source>
        <translation>Choisir la date et l&apos;heure</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Heure&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Événement&#xa0;:</translation>
    </message>
    <message>
        <source>Click to get dates...</source>
        <translation>Cliquez pour obtenir les dates...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion en cours...</translation>
    </message>
    <message>
        <source>Unrecognized response format!</source>
        <translation>Format de réponse non reconnu&#xa0;!</translation>
    </message>
    <message>
        <source>Error connecting!</source>
        <translation>Erreur de connexion&#xa0;!</translation>
    </message>
    <message>
        <source>Error downloading!</source>
        <translation>Erreur de téléchargement&#xa0;!</translation>
    </message>
</context>
<context>
    <name>TEventCommands</name>
    <message>
        <source>Import Event</source>
        <translation>Importer un événement</translation>
    </message>
    <message>
        <source>Calendar files (*.ics);;All files (*)</source>
        <translation>Fichiers de calendrier (*.ics);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>TEventForm</name>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;First moment:</source>
        <translation>&amp;Début&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>&amp;Répétition&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Jours&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Ends:</source>
        <translation>&amp;Fin&#xa0;:</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>on a date</source>
        <translation>à une date</translation>
    </message>
    <message>
        <source>after a number of times</source>
        <translation>après un nombre de fois</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>Fuseau &amp;horaire&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;After the end:</source>
        <translation>A&amp;près la fin&#xa0;:</translation>
    </message>
    <message>
        <source>Count to the last pick of the date/time dialog</source>
        <translation>Compter jusqu&apos;au dernier choix de la boîte Date et heure</translation>
    </message>
    <message>
        <source>Count up (time since)</source>
        <translation>Compter le temps écoulé depuis</translation>
    </message>
    <message>
        <source>Count to the next occurrence</source>
        <translation>Compter jusqu&apos;à la prochaine occurrence</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Heure locale</translation>
    </message>
</context>
<context>
    <name>TEventWords</name>
    <message>
        <source>does not repeat</source>
        <translation>ne se répète pas</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>personnalisé</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>chaque année</translation>
    </message>
    <message>
        <source>every month on the same day</source>
        <translation>chaque mois le même jour</translation>
    </message>
    <message>
        <source>last</source>
        <translation>dernier</translation>
    </message>
    <message>
        <source>first</source>
        <translation>premier</translation>
    </message>
    <message>
        <source>second</source>
        <translation>deuxième</translation>
    </message>
    <message>
        <source>third</source>
        <translation>troisième</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quatrième</translation>
    </message>
    <message>
        <source>every month on the %1 %2</source>
        <extracomment>%1 is &quot;first&quot; to &quot;fourth&quot; or &quot;last&quot;, %2 a weekday: &quot;every month on the second Tuesday&quot;</extracomment>
        <translation>chaque mois le %1 %2</translation>
    </message>
    <message>
        <source>every week on %1</source>
        <translation>chaque semaine le %1</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>chaque jour</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1, jusqu&apos;au %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n time(s)</source>
        <translation>
            <numerusform>%1, %n fois</numerusform>
            <numerusform>%1, %n fois</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TImportEventForm</name>
    <message>
        <source>Import Event</source>
        <translation>Importer un événement</translation>
    </message>
    <message>
        <source>&amp;Events of the calendar:</source>
        <translation>&amp;Événements du calendrier&#xa0;:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Prochaine</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Select &amp;Clock</source>
        <translation>&amp;Sélectionner l&apos;horloge</translation>
    </message>
    <message>
        <source>Choose &amp;Date/Time...</source>
        <translation>Choisir la &amp;date et l&apos;heure...</translation>
    </message>
    <message>
        <source>Choose &amp;Skin...</source>
        <translation>Choisir l&apos;&amp;habillage...</translation>
    </message>
    <message>
        <source>R&amp;andom Skin Change Time</source>
        <translation>Changement &amp;aléatoire d&apos;habillage</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n Minutes</source>
        <translation>
            <numerusform>&amp;%n minute</numerusform>
            <numerusform>&amp;%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Opacity</source>
        <translation>&amp;Opacité</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n Percent</source>
        <translation>
            <numerusform>&amp;%n pour cent</numerusform>
            <numerusform>&amp;%n pour cent</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Run This Clock At Startup</source>
        <translation>&amp;Lancer cette horloge à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>S&amp;tick To Desktop</source>
        <translation>&amp;Fixer sur le bureau</translation>
    </message>
    <message>
        <source>A&amp;lways On Top</source>
        <translation>&amp;Toujours au premier plan</translation>
    </message>
    <message>
        <source>&amp;Hide Tray Icon</source>
        <translation>&amp;Masquer l&apos;icône de la zone de notification</translation>
    </message>
    <message>
        <source>A&amp;bout...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Korvane5, Clock %1</source>
        <translation>Korvane5, horloge %1</translation>
    </message>
    <message>
        <source>L&amp;et Clicks Through</source>
        <translation>Laisser passer les &amp;clics</translation>
    </message>
    <message>
        <source>E&amp;vent...</source>
        <translation>É&amp;vénement...</translation>
    </message>
    <message>
        <source>&amp;Import Event...</source>
        <translation>&amp;Importer un événement...</translation>
    </message>
</context>
<context>
    <name>TRegistry</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Type de données non valide pour &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Impossible de lire les données de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible d&apos;enregistrer les données de &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>TScheduleText</name>
    <message>
        <source>the repeat rule has more than %1 moments before the one asked for; the clock cannot follow it</source>
        <translation>la règle de répétition a plus de %1 occurrences avant celle demandée&#xa0;; l&apos;horloge ne peut pas la suivre</translation>
    </message>
    <message>
        <source>the repeat rule %1 has no moment within %2 of its steps; the clock cannot follow it</source>
        <translation>la règle de répétition %1 n&apos;a aucune occurrence en %2 de ses pas&#xa0;; l&apos;horloge ne peut pas la suivre</translation>
    </message>
    <message>
        <source>a repeat rule holds RRULE, EXDATE and RDATE lines and time zones, not %1</source>
        <translation>une règle de répétition contient des lignes RRULE, EXDATE et RDATE et des fuseaux horaires, pas %1</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule nests too deep</source>
        <translation>un fuseau horaire de la règle de répétition est imbriqué trop profondément</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule has no end</source>
        <translation>un fuseau horaire de la règle de répétition n&apos;a pas de fin</translation>
    </message>
    <message>
        <source>unknown time zone %1</source>
        <translation>fuseau horaire inconnu %1</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read</source>
        <translation>la règle de répétition ne peut pas être lue</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read: %1</source>
        <translation>la règle de répétition ne peut pas être lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>the first moment is no date</source>
        <translation>le premier moment n&apos;est pas une date</translation>
    </message>
    <message>
        <source>a repeat rule needs FREQ</source>
        <translation>une règle de répétition nécessite FREQ</translation>
    </message>
    <message>
        <source>libical cannot repeat by %1</source>
        <translation>libical ne sait pas répéter par %1</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <source>The settings store %1 can only be read (%2): what you change is not kept.</source>
        <translation>Le fichier de paramètres %1 est en lecture seule (%2)&#xa0;: vos modifications ne seront pas conservées.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be opened (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas pu être ouvert (%2). L&apos;horloge utilise ses paramètres par défaut et n&apos;écrase rien de ce qu&apos;elle n&apos;a pas pu lire.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read. It was kept as %2 and a fresh store was started.</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas pu être lu. Il a été conservé sous le nom %2 et un nouveau fichier de paramètres a été créé.</translation>
    </message>
    <message>
        <source>The settings store %1 cannot be written (%2): what you change is not kept.</source>
        <translation>Impossible d&apos;écrire dans le fichier de paramètres %1 (%2)&#xa0;: vos modifications ne seront pas conservées.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas pu être lu (%2). L&apos;horloge utilise ses paramètres par défaut et n&apos;écrase rien de ce qu&apos;elle n&apos;a pas pu lire.</translation>
    </message>
</context>
<context>
    <name>TSettingsTool</name>
    <message>
        <source>set needs exactly one of --dword, --binary, --string</source>
        <translation>set nécessite exactement une des options --dword, --binary, --string</translation>
    </message>
    <message>
        <source>--dword takes a 32-bit number, decimal or 0x hexadecimal</source>
        <translation>--dword attend un nombre de 32 bits, en décimal ou en hexadécimal avec 0x</translation>
    </message>
    <message>
        <source>--binary takes pairs of hexadecimal digits</source>
        <translation>--binary attend des paires de chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>export takes at most one key</source>
        <translation>export accepte au plus une clé</translation>
    </message>
    <message>
        <source>only keys of HKEY_CURRENT_USER are kept here</source>
        <translation>seules les clés de HKEY_CURRENT_USER sont conservées ici</translation>
    </message>
    <message>
        <source>no key %1</source>
        <translation>clé %1 introuvable</translation>
    </message>
    <message>
        <source>import takes one file</source>
        <translation>import attend un seul fichier</translation>
    </message>
    <message>
        <source>cannot read %1: %2 (nothing was changed)</source>
        <translation>impossible de lire %1 : %2 (rien n&apos;a été modifié)</translation>
    </message>
    <message>
        <source> (nothing was changed)</source>
        <translation> (rien n&apos;a été modifié)</translation>
    </message>
    <message>
        <source>get takes a key and a value name</source>
        <translation>get attend une clé et un nom de valeur</translation>
    </message>
    <message>
        <source>no value %1 in %2</source>
        <translation>valeur %1 introuvable dans %2</translation>
    </message>
    <message>
        <source>set takes a key, a value name and the data</source>
        <translation>set attend une clé, un nom de valeur et les données</translation>
    </message>
    <message>
        <source>delete takes a key and at most one value name</source>
        <translation>delete attend une clé et au plus un nom de valeur</translation>
    </message>
    <message>
        <source>the whole store cannot be deleted</source>
        <translation>impossible de supprimer l&apos;ensemble des paramètres</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>commande inconnue %1</translation>
    </message>
    <message>
        <source>%1 needs a key</source>
        <translation>%1 nécessite une clé</translation>
    </message>
    <message>
        <source>a key name cannot hold line breaks or other control characters</source>
        <translation>un nom de clé ne peut contenir ni sauts de ligne ni autres caractères de contrôle</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>the settings store %1 can only be read (%2); nothing was changed</source>
        <translation>le fichier de paramètres %1 est en lecture seule (%2) ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>usage: korvane5-settings export [KEY]
       korvane5-settings import FILE          (- reads standard input)
       korvane5-settings get KEY NAME
       korvane5-settings set KEY NAME --dword N | --binary HEX | --string TEXT
       korvane5-settings delete KEY [NAME]
       korvane5-settings event N
       korvane5-settings occurrences N [--from &quot;YYYY-MM-DD HH:MM:SS&quot;] [--count K]
       korvane5-settings import-event N FILE.ics [--uid UID]
       korvane5-settings --help | --version
Looks into and repairs the settings of the Korvane5 clocks ($XDG_CONFIG_HOME/korvane5/
settings.db), in the text form of registry exports.
KEY is a path such as Software\Korvane5\0\ (HKEY_CURRENT_USER\ in front is allowed).
NAME @ stands for the key&apos;s unnamed value. N is a clock&apos;s number, 0 to 4.
</source>
        <translation>Utilisation : korvane5-settings export [KEY]
              korvane5-settings import FILE          (- lit l&apos;entrée standard)
              korvane5-settings get KEY NAME
              korvane5-settings set KEY NAME --dword N | --binary HEX | --string TEXT
              korvane5-settings delete KEY [NAME]
              korvane5-settings event N
              korvane5-settings occurrences N [--from &quot;YYYY-MM-DD HH:MM:SS&quot;] [--count K]
              korvane5-settings import-event N FILE.ics [--uid UID]
              korvane5-settings --help | --version
Examine et répare les paramètres des horloges Korvane5 ($XDG_CONFIG_HOME/korvane5/
settings.db), sous la forme texte des exports du registre.
KEY est un chemin tel que Software\Korvane5\0\ (HKEY_CURRENT_USER\ peut être placé devant).
NAME @ désigne la valeur sans nom de la clé. N est le numéro d&apos;une horloge, de 0 à 4.
</translation>
    </message>
    <message>
        <source>event takes a clock number, 0 to 4</source>
        <translation>event attend un numéro d&apos;horloge, de 0 à 4</translation>
    </message>
    <message>
        <source>occurrences takes a clock number, 0 to 4</source>
        <translation>occurrences attend un numéro d&apos;horloge, de 0 à 4</translation>
    </message>
    <message>
        <source>--from takes a local time as &quot;YYYY-MM-DD HH:MM:SS&quot;</source>
        <translation>--from attend une heure locale au format &quot;YYYY-MM-DD HH:MM:SS&quot;</translation>
    </message>
    <message>
        <source>--count takes a number from 1 to 100000</source>
        <translation>--count attend un nombre de 1 à 100000</translation>
    </message>
    <message>
        <source>occurrences takes --from and --count</source>
        <translation>occurrences accepte --from et --count</translation>
    </message>
    <message>
        <source>import-event takes a clock number, 0 to 4, a file and --uid UID</source>
        <translation>import-event attend un numéro d&apos;horloge, de 0 à 4, un fichier et --uid UID</translation>
    </message>
</context>
<context>
    <name>TSkinChooserForm</name>
    <message>
        <source>Choose Skin</source>
        <translation>Choisir un habillage</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Ac&amp;tualiser</translation>
    </message>
    <message>
        <source>Get &amp;Skins...</source>
        <translation>Obtenir des &amp;habillages...</translation>
    </message>
    <message>
        <source>Error searching for skins.</source>
        <translation>Erreur lors de la recherche d&apos;habillages.</translation>
    </message>
</context>
<context>
    <name>TTrayIcon</name>
    <message>
        <source>Cannot Create System Shell Notification Icon</source>
        <translation>Impossible de créer l&apos;icône dans la zone de notification</translation>
    </message>
    <message>
        <source>Cannot Remove System Shell Notification Icon</source>
        <translation>Impossible de retirer l&apos;icône de la zone de notification</translation>
    </message>
</context>
<context>
    <name>regfile</name>
    <message>
        <source>unterminated string</source>
        <translation>chaîne non terminée</translation>
    </message>
    <message>
        <source>a dword needs 1 to 8 hexadecimal digits</source>
        <translation>un dword nécessite de 1 à 8 chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>hex data needs a colon</source>
        <translation>les données hex nécessitent un deux-points</translation>
    </message>
    <message>
        <source>unknown value type &quot;%1&quot;</source>
        <translation>type de valeur inconnu &quot;%1&quot;</translation>
    </message>
    <message>
        <source>hex data must be bytes of two hexadecimal digits</source>
        <translation>les données hex doivent être des octets de deux chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>unknown value data &quot;%1&quot;</source>
        <translation>données de valeur inconnues &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a key line must end with &quot;]&quot;</source>
        <translation>une ligne de clé doit se terminer par &quot;]&quot;</translation>
    </message>
    <message>
        <source>only keys below HKEY_CURRENT_USER can be imported</source>
        <translation>seules les clés situées sous HKEY_CURRENT_USER peuvent être importées</translation>
    </message>
    <message>
        <source>a key name cannot hold control characters</source>
        <translation>un nom de clé ne peut pas contenir de caractères de contrôle</translation>
    </message>
    <message>
        <source>the whole hive cannot be deleted</source>
        <translation>impossible de supprimer la ruche entière</translation>
    </message>
    <message>
        <source>expected a key in brackets or a value name in double quotes</source>
        <translation>clé entre crochets ou nom de valeur entre guillemets doubles attendu</translation>
    </message>
    <message>
        <source>expected &quot;=&quot; after the value name</source>
        <translation>&quot;=&quot; attendu après le nom de valeur</translation>
    </message>
    <message>
        <source>a value must follow a key line</source>
        <translation>une valeur doit suivre une ligne de clé</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>not a registry export: the first line must be &quot;%1&quot; or &quot;%2&quot;</source>
        <translation>ce n&apos;est pas un export du registre : la première ligne doit être &quot;%1&quot; ou &quot;%2&quot;</translation>
    </message>
</context>
</TS>
