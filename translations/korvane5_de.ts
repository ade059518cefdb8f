<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Countdown</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>Noch weniger als eine Minute</translation>
    </message>
    <message>
        <source>The countdown has ended.</source>
        <translation>Der Countdown ist abgelaufen.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of the parts</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the other parts</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 left</source>
        <comment>the parts</comment>
        <translation>Noch %1</translation>
    </message>
    <message>
        <source>Less than a minute since the end</source>
        <translation>Weniger als eine Minute seit dem Ende</translation>
    </message>
    <message>
        <source>%1 since the end</source>
        <comment>the parts</comment>
        <translation>%1 seit dem Ende</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>TCalendarText</name>
    <message>
        <source>this is not a calendar file (iCalendar, .ics)</source>
        <translation>dies ist keine Kalenderdatei (iCalendar, .ics)</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; cannot be read: %2</source>
        <translation>der Termin &quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has no start (DTSTART)</source>
        <translation>der Termin &quot;%1&quot; hat keinen Beginn (DTSTART)</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; names the unknown time zone %2</source>
        <translation>der Termin &quot;%1&quot; nennt die unbekannte Zeitzone %2</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has a %2 line without a moment</source>
        <translation>der Termin &quot;%1&quot; hat eine %2-Zeile ohne Zeitpunkt</translation>
    </message>
    <message>
        <source>the file is larger than 16 MiB</source>
        <translation>die Datei ist größer als 16 MiB</translation>
    </message>
    <message>
        <source>the calendar holds no event</source>
        <translation>der Kalender enthält keinen Termin</translation>
    </message>
    <message>
        <source>the calendar&apos;s repeat rules take too long to work out; pick an event by its UID</source>
        <translation>die Wiederholungsregeln des Kalenders lassen sich nicht schnell genug auswerten; wählen Sie einen Termin über seine UID</translation>
    </message>
    <message>
        <source>the calendar holds no event with the UID %1</source>
        <translation>der Kalender enthält keinen Termin mit der UID %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>TClockEvent</name>
    <message>
        <source>Clock %1</source>
        <translation>Uhr %1</translation>
    </message>
    <message>
        <source>%1 — since %2</source>
        <translation>%1 – seit %2</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>The event of clock %1 cannot be worked out (%2): the clock counts to its first moment.</source>
        <translation>Der Termin von Uhr %1 lässt sich nicht berechnen (%2): Die Uhr zählt bis zu seinem ersten Zeitpunkt.</translation>
    </message>
</context>
<context>
    <name>TClockNotifier</name>
    <message>
        <source>Right-click the clock to choose the moment to count down to.</source>
        <translation>Klicken Sie mit der rechten Maustaste auf die Uhr, um den Zeitpunkt zu wählen, bis zu dem heruntergezählt wird.</translation>
    </message>
    <message>
        <source>%1 — the countdown has ended</source>
        <translation>%1 – der Countdown ist abgelaufen</translation>
    </message>
    <message>
        <source>The countdown to %1 %2 has ended.</source>
        <translation>Der Countdown bis %1 um %2 ist abgelaufen.</translation>
    </message>
</context>
<context>
    <name>TClockSettings</name>
    <message>
        <source>Clock %1: %2</source>
        <translation>Uhr %1: %2</translation>
    </message>
</context>
<context>
    <name>TClockStore</name>
    <message>
        <source>Korvane5 Clock %1</source>
        <translation>Korvane5-Uhr %1</translation>
    </message>
    <message>
        <source>The start-up entry %1 could not be written: the clock does not start at log-on as chosen.</source>
        <translation>Der Autostart-Eintrag %1 konnte nicht geschrieben werden: Die Uhr startet nicht wie gewählt bei der Anmeldung.</translation>
    </message>
    <message>
        <source>the settings store %1 could not be written: what was changed in this run is not kept (%2)</source>
        <translation>die Einstellungsdatei %1 konnte nicht geschrieben werden: Was in dieser Sitzung geändert wurde, bleibt nicht erhalten (%2)</translation>
    </message>
</context>
<context>
    <name>TDateTimePickForm</name>
    <message>
        <source>Choose Date/Time</source>
        <translation>Datum/Uhrzeit wählen</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Ereignis:</translation>
    </message>
    <message>
        <source>Click to get dates...</source>
        <translation>Klicken, um Termine abzurufen...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <source>Unrecognized response format!</source>
        <translation>Unbekanntes Antwortformat!</translation>
    </message>
    <message>
        <source>Error connecting!</source>
        <translation>Fehler beim Verbinden!</translation>
    </message>
    <message>
        <source>Error downloading!</source>
        <translation>Fehler beim Herunterladen!</translation>
    </message>
</context>
<context>
    <name>TEventCommands</name>
    <message>
        <source>Import Event</source>
        <translation>Termin importieren</translation>
    </message>
    <message>
        <source>Calendar files (*.ics);;All files (*)</source>
        <translation>Kalenderdateien (*.ics);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>TEventForm</name>
    <message>
        <source>Event</source>
        <translation>Termin</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;First moment:</source>
        <translation>&amp;Erster Zeitpunkt:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>&amp;Wiederholung:</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Tage:</translation>
    </message>
    <message>
        <source>&amp;Ends:</source>
        <translation>En&amp;de:</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>on a date</source>
        <translation>an einem Datum</translation>
    </message>
    <message>
        <source>after a number of times</source>
        <translation>nach einer Anzahl von Malen</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>&amp;Zeitzone:</translation>
    </message>
    <message>
        <source>&amp;After the end:</source>
        <translation>Na&amp;ch dem Ende:</translation>
    </message>
    <message>
        <source>Count to the last pick of the date/time dialog</source>
        <translation>Bis zur letzten Wahl im Datum/Uhrzeit-Dialog zählen</translation>
    </message>
    <message>
        <source>Count up (time since)</source>
        <translation>Aufwärts zählen (Zeit seitdem)</translation>
    </message>
    <message>
        <source>Count to the next occurrence</source>
        <translation>Bis zum nächsten Termin zählen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Ortszeit</translation>
    </message>
</context>
<context>
    <name>TEventWords</name>
    <message>
        <source>does not repeat</source>
        <translation>keine Wiederholung</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>benutzerdefiniert</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>jedes Jahr</translation>
    </message>
    <message>
        <source>every month on the same day</source>
        <translation>jeden Monat am selben Tag</translation>
    </message>
    <message>
        <source>last</source>
        <translation>letzten</translation>
    </message>
    <message>
        <source>first</source>
        <translation>ersten</translation>
    </message>
    <message>
        <source>second</source>
        <translation>zweiten</translation>
    </message>
    <message>
        <source>third</source>
        <translation>dritten</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>vierten</translation>
    </message>
    <message>
        <source>every month on the %1 %2</source>
        <extracomment>%1 is &quot;first&quot; to &quot;fourth&quot; or &quot;last&quot;, %2 a weekday: &quot;every month on the second Tuesday&quot;</extracomment>
        <translation>jeden Monat am %1 %2</translation>
    </message>
    <message>
        <source>every week on %1</source>
        <translation>jede Woche am %1</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>jeden Tag</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1, bis %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n time(s)</source>
        <translation>
            <numerusform>%1, %n-mal</numerusform>
            <numerusform>%1, %n-mal</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TImportEventForm</name>
    <message>
        <source>Import Event</source>
        <translation>Termin importieren</translation>
    </message>
    <message>
        <source>&amp;Events of the calendar:</source>
        <translation>&amp;Termine im Kalender:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Select &amp;Clock</source>
        <translation>&amp;Uhr auswählen</translation>
    </message>
    <message>
        <source>Choose &amp;Date/Time...</source>
        <translation>&amp;Datum/Uhrzeit wählen...</translation>
    </message>
    <message>
        <source>Choose &amp;Skin...</source>
        <translation>&amp;Skin wählen...</translation>
    </message>
    <message>
        <source>R&amp;andom Skin Change Time</source>
        <translation>Intervall für &amp;zufälligen Skinwechsel</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n Minutes</source>
        <translation>
            <numerusform>&amp;%n Minute</numerusform>
            <numerusform>&amp;%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Opacity</source>
        <translation>Dec&amp;kkraft</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n Percent</source>
        <translation>
            <numerusform>&amp;%n Prozent</numerusform>
            <numerusform>&amp;%n Prozent</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Run This Clock At Startup</source>
        <translation>Diese Uhr beim &amp;Anmelden starten</translation>
    </message>
    <message>
        <source>S&amp;tick To Desktop</source>
        <translation>Auf dem Desktop &amp;fixieren</translation>
    </message>
    <message>
        <source>A&amp;lways On Top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Hide Tray Icon</source>
        <translation>Symbol im &amp;Infobereich ausblenden</translation>
    </message>
    <message>
        <source>A&amp;bout...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Korvane5, Clock %1</source>
        <translation>Korvane5, Uhr %1</translation>
    </message>
    <message>
        <source>L&amp;et Clicks Through</source>
        <translation>Klicks durch&amp;lassen</translation>
    </message>
    <message>
        <source>E&amp;vent...</source>
        <translation>&amp;Termin...</translation>
    </message>
    <message>
        <source>&amp;Import Event...</source>
        <translation>Termin i&amp;mportieren...</translation>
    </message>
</context>
<context>
    <name>TRegistry</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Daten für &apos;%1&apos; konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Daten für &apos;%1&apos; konnten nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>TScheduleText</name>
    <message>
        <source>the repeat rule has more than %1 moments before the one asked for; the clock cannot follow it</source>
        <translation>die Wiederholungsregel hat mehr als %1 Zeitpunkte vor dem gesuchten; die Uhr kann ihr nicht folgen</translation>
    </message>
    <message>
        <source>the repeat rule %1 has no moment within %2 of its steps; the clock cannot follow it</source>
        <translation>die Wiederholungsregel %1 hat innerhalb von %2 ihrer Schritte keinen Zeitpunkt; die Uhr kann ihr nicht folgen</translation>
    </message>
    <message>
        <source>a repeat rule holds RRULE, EXDATE and RDATE lines and time zones, not %1</source>
        <translation>eine Wiederholungsregel enthält RRULE-, EXDATE- und RDATE-Zeilen sowie Zeitzonen, nicht %1</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule nests too deep</source>
        <translation>eine Zeitzone in der Wiederholungsregel ist zu tief verschachtelt</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule has no end</source>
        <translation>eine Zeitzone in der Wiederholungsregel hat kein Ende</translation>
    </message>
    <message>
        <source>unknown time zone %1</source>
        <translation>unbekannte Zeitzone %1</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read</source>
        <translation>die Wiederholungsregel kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read: %1</source>
        <translation>die Wiederholungsregel kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the first moment is no date</source>
        <translation>der erste Zeitpunkt ist kein Datum</translation>
    </message>
    <message>
        <source>a repeat rule needs FREQ</source>
        <translation>eine Wiederholungsregel benötigt FREQ</translation>
    </message>
    <message>
        <source>libical cannot repeat by %1</source>
        <translation>libical kann nicht nach %1 wiederholen</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <source>The settings store %1 can only be read (%2): what you change is not kept.</source>
        <translation>Die Einstellungsdatei %1 kann nur gelesen werden (%2): Ihre Änderungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be opened (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht geöffnet werden (%2). Die Uhr verwendet ihre Standardeinstellungen und überschreibt nichts, was sie nicht lesen konnte.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read. It was kept as %2 and a fresh store was started.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden. Sie wurde als %2 aufbewahrt, und eine neue Einstellungsdatei wurde angelegt.</translation>
    </message>
    <message>
        <source>The settings store %1 cannot be written (%2): what you change is not kept.</source>
        <translation>In die Einstellungsdatei %1 kann nicht geschrieben werden (%2): Ihre Änderungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden (%2). Die Uhr verwendet ihre Standardeinstellungen und überschreibt nichts, was sie nicht lesen konnte.</translation>
    </message>
</context>
<context>
    <name>TSettingsTool</name>
    <message>
        <source>set needs exactly one of --dword, --binary, --string</source>
        <translation>set benötigt genau eine der Optionen --dword, --binary, --string</translation>
    </message>
    <message>
        <source>--dword takes a 32-bit number, decimal or 0x hexadecimal</source>
        <translation>--dword erwartet eine 32-Bit-Zahl, dezimal oder hexadezimal mit 0x</translation>
    </message>
    <message>
        <source>--binary takes pairs of hexadecimal digits</source>
        <translation>--binary erwartet Paare von Hexadezimalziffern</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>export takes at most one key</source>
        <translation>export akzeptiert höchstens einen Schlüssel</translation>
    </message>
    <message>
        <source>only keys of HKEY_CURRENT_USER are kept here</source>
        <translation>hier werden nur Schlüssel von HKEY_CURRENT_USER gespeichert</translation>
    </message>
    <message>
        <source>no key %1</source>
        <translation>Schlüssel %1 existiert nicht</translation>
    </message>
    <message>
        <source>import takes one file</source>
        <translation>import erwartet genau eine Datei</translation>
    </message>
    <message>
        <source>cannot read %1: %2 (nothing was changed)</source>
        <translation>%1 kann nicht gelesen werden: %2 (es wurde nichts geändert)</translation>
    </message>
    <message>
        <source> (nothing was changed)</source>
        <translation> (es wurde nichts geändert)</translation>
    </message>
    <message>
        <source>get takes a key and a value name</source>
        <translation>get erwartet einen Schlüssel und einen Wertnamen</translation>
    </message>
    <message>
        <source>no value %1 in %2</source>
        <translation>kein Wert %1 in %2</translation>
    </message>
    <message>
        <source>set takes a key, a value name and the data</source>
        <translation>set erwartet einen Schlüssel, einen Wertnamen und die Daten</translation>
    </message>
    <message>
        <source>delete takes a key and at most one value name</source>
        <translation>delete erwartet einen Schlüssel und höchstens einen Wertnamen</translation>
    </message>
    <message>
        <source>the whole store cannot be deleted</source>
        <translation>die gesamten Einstellungen können nicht gelöscht werden</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>%1 needs a key</source>
        <translation>%1 benötigt einen Schlüssel</translation>
    </message>
    <message>
        <source>a key name cannot hold line breaks or other control characters</source>
        <translation>ein Schlüsselname darf keine Zeilenumbrüche oder anderen Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>the settings store %1 can only be read (%2); nothing was changed</source>
        <translation>die Einstellungsdatei %1 kann nur gelesen werden (%2); es wurde nichts geändert</translation>
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
        <translation>Aufruf: korvane5-settings export [KEY]
        korvane5-settings import FILE          (- liest die Standardeingabe)
        korvane5-settings get KEY NAME
        korvane5-settings set KEY NAME --dword N | --binary HEX | --string TEXT
        korvane5-settings delete KEY [NAME]
        korvane5-settings event N
        korvane5-settings occurrences N [--from &quot;YYYY-MM-DD HH:MM:SS&quot;] [--count K]
        korvane5-settings import-event N FILE.ics [--uid UID]
        korvane5-settings --help | --version
Untersucht und repariert die Einstellungen der Korvane5-Uhren ($XDG_CONFIG_HOME/korvane5/
settings.db) in der Textform von Registry-Exporten.
KEY ist ein Pfad wie Software\Korvane5\0\ (ein vorangestelltes HKEY_CURRENT_USER\ ist erlaubt).
NAME @ steht für den unbenannten Wert des Schlüssels. N ist die Nummer einer Uhr, 0 bis 4.
</translation>
    </message>
    <message>
        <source>event takes a clock number, 0 to 4</source>
        <translation>event erwartet die Nummer einer Uhr, 0 bis 4</translation>
    </message>
    <message>
        <source>occurrences takes a clock number, 0 to 4</source>
        <translation>occurrences erwartet die Nummer einer Uhr, 0 bis 4</translation>
    </message>
    <message>
        <source>--from takes a local time as &quot;YYYY-MM-DD HH:MM:SS&quot;</source>
        <translation>--from erwartet eine Ortszeit als &quot;YYYY-MM-DD HH:MM:SS&quot;</translation>
    </message>
    <message>
        <source>--count takes a number from 1 to 100000</source>
        <translation>--count erwartet eine Zahl von 1 bis 100000</translation>
    </message>
    <message>
        <source>occurrences takes --from and --count</source>
        <translation>occurrences akzeptiert --from und --count</translation>
    </message>
    <message>
        <source>import-event takes a clock number, 0 to 4, a file and --uid UID</source>
        <translation>import-event erwartet die Nummer einer Uhr, 0 bis 4, eine Datei und --uid UID</translation>
    </message>
</context>
<context>
    <name>TSkinChooserForm</name>
    <message>
        <source>Choose Skin</source>
        <translation>Skin wählen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <source>Get &amp;Skins...</source>
        <translation>&amp;Skins herunterladen...</translation>
    </message>
    <message>
        <source>Error searching for skins.</source>
        <translation>Fehler bei der Suche nach Skins.</translation>
    </message>
</context>
<context>
    <name>TTrayIcon</name>
    <message>
        <source>Cannot Create System Shell Notification Icon</source>
        <translation>Symbol im Infobereich kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Cannot Remove System Shell Notification Icon</source>
        <translation>Symbol im Infobereich kann nicht entfernt werden</translation>
    </message>
</context>
<context>
    <name>regfile</name>
    <message>
        <source>unterminated string</source>
        <translation>nicht abgeschlossene Zeichenkette</translation>
    </message>
    <message>
        <source>a dword needs 1 to 8 hexadecimal digits</source>
        <translation>ein dword benötigt 1 bis 8 Hexadezimalziffern</translation>
    </message>
    <message>
        <source>hex data needs a colon</source>
        <translation>hex-Daten benötigen einen Doppelpunkt</translation>
    </message>
    <message>
        <source>unknown value type &quot;%1&quot;</source>
        <translation>unbekannter Werttyp &quot;%1&quot;</translation>
    </message>
    <message>
        <source>hex data must be bytes of two hexadecimal digits</source>
        <translation>hex-Daten müssen aus Bytes mit je zwei Hexadezimalziffern bestehen</translation>
    </message>
    <message>
        <source>unknown value data &quot;%1&quot;</source>
        <translation>unbekannte Wertdaten &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a key line must end with &quot;]&quot;</source>
        <translation>eine Schlüsselzeile muss mit &quot;]&quot; enden</translation>
    </message>
    <message>
        <source>only keys below HKEY_CURRENT_USER can be imported</source>
        <translation>nur Schlüssel unterhalb von HKEY_CURRENT_USER können importiert werden</translation>
    </message>
    <message>
        <source>a key name cannot hold control characters</source>
        <translation>ein Schlüsselname darf keine Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>the whole hive cannot be deleted</source>
        <translation>die gesamte Struktur (Hive) kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>expected a key in brackets or a value name in double quotes</source>
        <translation>Schlüssel in eckigen Klammern oder Wertname in doppelten Anführungszeichen erwartet</translation>
    </message>
    <message>
        <source>expected &quot;=&quot; after the value name</source>
        <translation>&quot;=&quot; nach dem Wertnamen erwartet</translation>
    </message>
    <message>
        <source>a value must follow a key line</source>
        <translation>ein Wert muss auf eine Schlüsselzeile folgen</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>not a registry export: the first line must be &quot;%1&quot; or &quot;%2&quot;</source>
        <translation>kein Registry-Export: die erste Zeile muss &quot;%1&quot; oder &quot;%2&quot; lauten</translation>
    </message>
</context>
</TS>
