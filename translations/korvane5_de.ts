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
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
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
    <name>TMainForm</name>
    <message>
        <source>Korvane5 Clock %1</source>
        <translation>Korvane5-Uhr %1</translation>
    </message>
    <message>
        <source>Select &amp;Clock</source>
        <translation>&amp;Uhr auswählen</translation>
    </message>
    <message>
        <source>Clock %1</source>
        <translation>Uhr %1</translation>
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
        <source>Right-click the clock to choose the moment to count down to.</source>
        <translation>Klicken Sie mit der rechten Maustaste auf die Uhr, um den Zeitpunkt zu wählen, bis zu dem heruntergezählt wird.</translation>
    </message>
    <message>
        <source>The countdown to %1 %2 has ended.</source>
        <translation>Der Countdown bis %1 um %2 ist abgelaufen.</translation>
    </message>
    <message>
        <source>L&amp;et Clicks Through</source>
        <translation>Klicks durch&amp;lassen</translation>
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
        <source>usage: korvane5-settings export [KEY]
       korvane5-settings import FILE          (- reads standard input)
       korvane5-settings get KEY NAME
       korvane5-settings set KEY NAME --dword N | --binary HEX | --string TEXT
       korvane5-settings delete KEY [NAME]
       korvane5-settings --help | --version
Looks into and repairs the settings of the Korvane5 clocks ($XDG_CONFIG_HOME/korvane5/
settings.db), in the text form of registry exports.
KEY is a path such as Software\Korvane5\0\ (HKEY_CURRENT_USER\ in front is allowed).
NAME @ stands for the key&apos;s unnamed value.
</source>
        <translation>Aufruf: korvane5-settings export [KEY]
        korvane5-settings import FILE          (- liest die Standardeingabe)
        korvane5-settings get KEY NAME
        korvane5-settings set KEY NAME --dword N | --binary HEX | --string TEXT
        korvane5-settings delete KEY [NAME]
        korvane5-settings --help | --version
Untersucht und repariert die Einstellungen der Korvane5-Uhren ($XDG_CONFIG_HOME/korvane5/
settings.db) in der Textform von Registry-Exporten.
KEY ist ein Pfad wie Software\Korvane5\0\ (ein vorangestelltes HKEY_CURRENT_USER\ ist erlaubt).
NAME @ steht für den unbenannten Wert des Schlüssels.
</translation>
    </message>
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
