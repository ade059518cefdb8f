<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Countdown</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>Manca meno di un minuto</translation>
    </message>
    <message>
        <source>The countdown has ended.</source>
        <translation>Il conto alla rovescia è terminato.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of the parts</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the other parts</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 left</source>
        <comment>the parts</comment>
        <translation>Tempo rimanente: %1</translation>
    </message>
    <message>
        <source>Less than a minute since the end</source>
        <translation>Meno di un minuto dalla fine</translation>
    </message>
    <message>
        <source>%1 since the end</source>
        <comment>the parts</comment>
        <translation>%1 dalla fine</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
</context>
<context>
    <name>TCalendarText</name>
    <message>
        <source>this is not a calendar file (iCalendar, .ics)</source>
        <translation>questo non è un file di calendario (iCalendar, .ics)</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; cannot be read: %2</source>
        <translation>impossibile leggere l&apos;evento &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has no start (DTSTART)</source>
        <translation>l&apos;evento &quot;%1&quot; non ha un inizio (DTSTART)</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; names the unknown time zone %2</source>
        <translation>l&apos;evento &quot;%1&quot; indica il fuso orario sconosciuto %2</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has a %2 line without a moment</source>
        <translation>l&apos;evento &quot;%1&quot; ha una riga %2 senza data e ora</translation>
    </message>
    <message>
        <source>the file is larger than 16 MiB</source>
        <translation>il file supera i 16 MiB</translation>
    </message>
    <message>
        <source>the calendar holds no event</source>
        <translation>il calendario non contiene alcun evento</translation>
    </message>
    <message>
        <source>the calendar&apos;s repeat rules take too long to work out; pick an event by its UID</source>
        <translation>il calcolo delle regole di ripetizione del calendario richiede troppo tempo; scegli un evento in base al suo UID</translation>
    </message>
    <message>
        <source>the calendar holds no event with the UID %1</source>
        <translation>il calendario non contiene alcun evento con UID %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
</context>
<context>
    <name>TClockEvent</name>
    <message>
        <source>Clock %1</source>
        <translation>Orologio %1</translation>
    </message>
    <message>
        <source>%1 — since %2</source>
        <translation>%1 — da %2</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>The event of clock %1 cannot be worked out (%2): the clock counts to its first moment.</source>
        <translation>L&apos;evento dell&apos;orologio %1 non può essere calcolato (%2): l&apos;orologio conta fino al suo primo momento.</translation>
    </message>
</context>
<context>
    <name>TClockNotifier</name>
    <message>
        <source>Right-click the clock to choose the moment to count down to.</source>
        <translation>Fai clic destro sull&apos;orologio per scegliere il momento in cui terminerà il conto alla rovescia.</translation>
    </message>
    <message>
        <source>%1 — the countdown has ended</source>
        <translation>%1 — il conto alla rovescia è terminato</translation>
    </message>
    <message>
        <source>The countdown to %1 %2 has ended.</source>
        <translation>Il conto alla rovescia fino a %1 alle %2 è terminato.</translation>
    </message>
</context>
<context>
    <name>TClockSettings</name>
    <message>
        <source>Clock %1: %2</source>
        <translation>Orologio %1: %2</translation>
    </message>
</context>
<context>
    <name>TClockStore</name>
    <message>
        <source>Korvane5 Clock %1</source>
        <translation>Orologio %1 di Korvane5</translation>
    </message>
    <message>
        <source>The start-up entry %1 could not be written: the clock does not start at log-on as chosen.</source>
        <translation>Impossibile scrivere la voce di avvio %1: l&apos;orologio non si avvierà all&apos;accesso come scelto.</translation>
    </message>
    <message>
        <source>the settings store %1 could not be written: what was changed in this run is not kept (%2)</source>
        <translation>impossibile scrivere il file delle impostazioni %1: le modifiche di questa sessione non vengono conservate (%2)</translation>
    </message>
</context>
<context>
    <name>TDateTimePickForm</name>
    <message>
        <source>Choose Date/Time</source>
        <translation>Scegli data e ora</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Ora:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Evento:</translation>
    </message>
    <message>
        <source>Click to get dates...</source>
        <translation>Fai clic per ottenere le date...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connessione in corso...</translation>
    </message>
    <message>
        <source>Unrecognized response format!</source>
        <translation>Formato della risposta non riconosciuto!</translation>
    </message>
    <message>
        <source>Error connecting!</source>
        <translation>Errore di connessione!</translation>
    </message>
    <message>
        <source>Error downloading!</source>
        <translation>Errore durante lo scaricamento!</translation>
    </message>
</context>
<context>
    <name>TEventCommands</name>
    <message>
        <source>Import Event</source>
        <translation>Importa evento</translation>
    </message>
    <message>
        <source>Calendar files (*.ics);;All files (*)</source>
        <translation>File di calendario (*.ics);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>TEventForm</name>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;First moment:</source>
        <translation>&amp;Inizio:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>&amp;Ripetizione:</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Giorni:</translation>
    </message>
    <message>
        <source>&amp;Ends:</source>
        <translation>&amp;Termina:</translation>
    </message>
    <message>
        <source>never</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>on a date</source>
        <translation>in una data</translation>
    </message>
    <message>
        <source>after a number of times</source>
        <translation>dopo un numero di volte</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>&amp;Fuso orario:</translation>
    </message>
    <message>
        <source>&amp;After the end:</source>
        <translation>&amp;Dopo la fine:</translation>
    </message>
    <message>
        <source>Count to the last pick of the date/time dialog</source>
        <translation>Conta fino all&apos;ultima scelta della finestra Data e ora</translation>
    </message>
    <message>
        <source>Count up (time since)</source>
        <translation>Conta in avanti (tempo trascorso)</translation>
    </message>
    <message>
        <source>Count to the next occurrence</source>
        <translation>Conta fino alla prossima ricorrenza</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Ora locale</translation>
    </message>
</context>
<context>
    <name>TEventWords</name>
    <message>
        <source>does not repeat</source>
        <translation>non si ripete</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>personalizzata</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>ogni anno</translation>
    </message>
    <message>
        <source>every month on the same day</source>
        <translation>ogni mese lo stesso giorno</translation>
    </message>
    <message>
        <source>last</source>
        <translation>ultima</translation>
    </message>
    <message>
        <source>first</source>
        <translation>prima</translation>
    </message>
    <message>
        <source>second</source>
        <translation>seconda</translation>
    </message>
    <message>
        <source>third</source>
        <translation>terza</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quarta</translation>
    </message>
    <message>
        <source>every month on the %1 %2</source>
        <extracomment>%1 is &quot;first&quot; to &quot;fourth&quot; or &quot;last&quot;, %2 a weekday: &quot;every month on the second Tuesday&quot;</extracomment>
        <translation>ogni mese, di %2 nella %1 settimana</translation>
    </message>
    <message>
        <source>every week on %1</source>
        <translation>ogni settimana di %1</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>ogni giorno</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1, fino al %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n time(s)</source>
        <translation>
            <numerusform>%1, %n volta</numerusform>
            <numerusform>%1, %n volte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TImportEventForm</name>
    <message>
        <source>Import Event</source>
        <translation>Importa evento</translation>
    </message>
    <message>
        <source>&amp;Events of the calendar:</source>
        <translation>&amp;Eventi del calendario:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Prossimo</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(senza nome)</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Select &amp;Clock</source>
        <translation>Seleziona &amp;orologio</translation>
    </message>
    <message>
        <source>Choose &amp;Date/Time...</source>
        <translation>Scegli &amp;data e ora...</translation>
    </message>
    <message>
        <source>Choose &amp;Skin...</source>
        <translation>Scegli &amp;skin...</translation>
    </message>
    <message>
        <source>R&amp;andom Skin Change Time</source>
        <translation>Cambio &amp;casuale della skin</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n Minutes</source>
        <translation>
            <numerusform>&amp;%n minuto</numerusform>
            <numerusform>&amp;%n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Opacity</source>
        <translation>Opaci&amp;tà</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n Percent</source>
        <translation>
            <numerusform>&amp;%n per cento</numerusform>
            <numerusform>&amp;%n per cento</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Run This Clock At Startup</source>
        <translation>&amp;Avvia questo orologio all&apos;accesso</translation>
    </message>
    <message>
        <source>S&amp;tick To Desktop</source>
        <translation>&amp;Fissa sul desktop</translation>
    </message>
    <message>
        <source>A&amp;lways On Top</source>
        <translation>Sempre in &amp;primo piano</translation>
    </message>
    <message>
        <source>&amp;Hide Tray Icon</source>
        <translation>&amp;Nascondi l&apos;icona dall&apos;area di notifica</translation>
    </message>
    <message>
        <source>A&amp;bout...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Korvane5, Clock %1</source>
        <translation>Korvane5, orologio %1</translation>
    </message>
    <message>
        <source>L&amp;et Clicks Through</source>
        <translation>&amp;Lascia passare i clic</translation>
    </message>
    <message>
        <source>E&amp;vent...</source>
        <translation>E&amp;vento...</translation>
    </message>
    <message>
        <source>&amp;Import Event...</source>
        <translation>I&amp;mporta evento...</translation>
    </message>
</context>
<context>
    <name>TRegistry</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo di dati non valido per &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Impossibile leggere i dati di &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossibile salvare i dati di &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>TScheduleText</name>
    <message>
        <source>the repeat rule has more than %1 moments before the one asked for; the clock cannot follow it</source>
        <translation>la regola di ripetizione ha più di %1 ricorrenze prima di quella richiesta; l&apos;orologio non può seguirla</translation>
    </message>
    <message>
        <source>the repeat rule %1 has no moment within %2 of its steps; the clock cannot follow it</source>
        <translation>la regola di ripetizione %1 non ha ricorrenze entro %2 dei suoi passi; l&apos;orologio non può seguirla</translation>
    </message>
    <message>
        <source>a repeat rule holds RRULE, EXDATE and RDATE lines and time zones, not %1</source>
        <translation>una regola di ripetizione contiene righe RRULE, EXDATE e RDATE e fusi orari, non %1</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule nests too deep</source>
        <translation>un fuso orario della regola di ripetizione è annidato troppo in profondità</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule has no end</source>
        <translation>un fuso orario della regola di ripetizione non ha una fine</translation>
    </message>
    <message>
        <source>unknown time zone %1</source>
        <translation>fuso orario sconosciuto %1</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read</source>
        <translation>impossibile leggere la regola di ripetizione</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read: %1</source>
        <translation>impossibile leggere la regola di ripetizione: %1</translation>
    </message>
    <message>
        <source>the first moment is no date</source>
        <translation>il primo momento non è una data</translation>
    </message>
    <message>
        <source>a repeat rule needs FREQ</source>
        <translation>una regola di ripetizione richiede FREQ</translation>
    </message>
    <message>
        <source>libical cannot repeat by %1</source>
        <translation>libical non può ripetere per %1</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <source>The settings store %1 can only be read (%2): what you change is not kept.</source>
        <translation>Il file delle impostazioni %1 è di sola lettura (%2): le modifiche non verranno conservate.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be opened (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>Impossibile aprire il file delle impostazioni %1 (%2). L&apos;orologio usa le impostazioni predefinite e non sovrascrive nulla di ciò che non è riuscito a leggere.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read. It was kept as %2 and a fresh store was started.</source>
        <translation>Impossibile leggere il file delle impostazioni %1. È stato conservato come %2 ed è stato creato un nuovo file delle impostazioni.</translation>
    </message>
    <message>
        <source>The settings store %1 cannot be written (%2): what you change is not kept.</source>
        <translation>Impossibile scrivere nel file delle impostazioni %1 (%2): le modifiche non verranno conservate.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>Impossibile leggere il file delle impostazioni %1 (%2). L&apos;orologio usa le impostazioni predefinite e non sovrascrive nulla di ciò che non è riuscito a leggere.</translation>
    </message>
</context>
<context>
    <name>TSettingsTool</name>
    <message>
        <source>set needs exactly one of --dword, --binary, --string</source>
        <translation>set richiede esattamente una delle opzioni --dword, --binary, --string</translation>
    </message>
    <message>
        <source>--dword takes a 32-bit number, decimal or 0x hexadecimal</source>
        <translation>--dword richiede un numero a 32 bit, decimale o esadecimale con 0x</translation>
    </message>
    <message>
        <source>--binary takes pairs of hexadecimal digits</source>
        <translation>--binary richiede coppie di cifre esadecimali</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>export takes at most one key</source>
        <translation>export accetta al massimo una chiave</translation>
    </message>
    <message>
        <source>only keys of HKEY_CURRENT_USER are kept here</source>
        <translation>qui sono conservate solo le chiavi di HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>no key %1</source>
        <translation>la chiave %1 non esiste</translation>
    </message>
    <message>
        <source>import takes one file</source>
        <translation>import accetta un solo file</translation>
    </message>
    <message>
        <source>cannot read %1: %2 (nothing was changed)</source>
        <translation>impossibile leggere %1: %2 (non è stato modificato nulla)</translation>
    </message>
    <message>
        <source> (nothing was changed)</source>
        <translation> (non è stato modificato nulla)</translation>
    </message>
    <message>
        <source>get takes a key and a value name</source>
        <translation>get richiede una chiave e un nome di valore</translation>
    </message>
    <message>
        <source>no value %1 in %2</source>
        <translation>il valore %1 non esiste in %2</translation>
    </message>
    <message>
        <source>set takes a key, a value name and the data</source>
        <translation>set richiede una chiave, un nome di valore e i dati</translation>
    </message>
    <message>
        <source>delete takes a key and at most one value name</source>
        <translation>delete richiede una chiave e al massimo un nome di valore</translation>
    </message>
    <message>
        <source>the whole store cannot be deleted</source>
        <translation>impossibile eliminare tutte le impostazioni</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>comando sconosciuto %1</translation>
    </message>
    <message>
        <source>%1 needs a key</source>
        <translation>%1 richiede una chiave</translation>
    </message>
    <message>
        <source>a key name cannot hold line breaks or other control characters</source>
        <translation>un nome di chiave non può contenere interruzioni di riga o altri caratteri di controllo</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nessun comando specificato</translation>
    </message>
    <message>
        <source>the settings store %1 can only be read (%2); nothing was changed</source>
        <translation>il file delle impostazioni %1 è di sola lettura (%2); non è stato modificato nulla</translation>
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
        <translation>Uso: korvane5-settings export [KEY]
     korvane5-settings import FILE          (- legge lo standard input)
     korvane5-settings get KEY NAME
     korvane5-settings set KEY NAME --dword N | --binary HEX | --string TEXT
     korvane5-settings delete KEY [NAME]
     korvane5-settings event N
     korvane5-settings occurrences N [--from &quot;YYYY-MM-DD HH:MM:SS&quot;] [--count K]
     korvane5-settings import-event N FILE.ics [--uid UID]
     korvane5-settings --help | --version
Esamina e ripara le impostazioni degli orologi di Korvane5 ($XDG_CONFIG_HOME/korvane5/
settings.db), nel formato testuale delle esportazioni del registro.
KEY è un percorso come Software\Korvane5\0\ (è consentito anteporre HKEY_CURRENT_USER\).
NAME @ indica il valore senza nome della chiave. N è il numero di un orologio, da 0 a 4.
</translation>
    </message>
    <message>
        <source>event takes a clock number, 0 to 4</source>
        <translation>event richiede il numero di un orologio, da 0 a 4</translation>
    </message>
    <message>
        <source>occurrences takes a clock number, 0 to 4</source>
        <translation>occurrences richiede il numero di un orologio, da 0 a 4</translation>
    </message>
    <message>
        <source>--from takes a local time as &quot;YYYY-MM-DD HH:MM:SS&quot;</source>
        <translation>--from richiede un&apos;ora locale nel formato &quot;YYYY-MM-DD HH:MM:SS&quot;</translation>
    </message>
    <message>
        <source>--count takes a number from 1 to 100000</source>
        <translation>--count richiede un numero da 1 a 100000</translation>
    </message>
    <message>
        <source>occurrences takes --from and --count</source>
        <translation>occurrences accetta --from e --count</translation>
    </message>
    <message>
        <source>import-event takes a clock number, 0 to 4, a file and --uid UID</source>
        <translation>import-event richiede il numero di un orologio, da 0 a 4, un file e --uid UID</translation>
    </message>
</context>
<context>
    <name>TSkinChooserForm</name>
    <message>
        <source>Choose Skin</source>
        <translation>Scegli skin</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ggiorna</translation>
    </message>
    <message>
        <source>Get &amp;Skins...</source>
        <translation>&amp;Scarica skin...</translation>
    </message>
    <message>
        <source>Error searching for skins.</source>
        <translation>Errore durante la ricerca delle skin.</translation>
    </message>
</context>
<context>
    <name>TTrayIcon</name>
    <message>
        <source>Cannot Create System Shell Notification Icon</source>
        <translation>Impossibile creare l&apos;icona nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Cannot Remove System Shell Notification Icon</source>
        <translation>Impossibile rimuovere l&apos;icona dall&apos;area di notifica</translation>
    </message>
</context>
<context>
    <name>regfile</name>
    <message>
        <source>unterminated string</source>
        <translation>stringa non terminata</translation>
    </message>
    <message>
        <source>a dword needs 1 to 8 hexadecimal digits</source>
        <translation>un dword richiede da 1 a 8 cifre esadecimali</translation>
    </message>
    <message>
        <source>hex data needs a colon</source>
        <translation>i dati hex richiedono i due punti</translation>
    </message>
    <message>
        <source>unknown value type &quot;%1&quot;</source>
        <translation>tipo di valore sconosciuto &quot;%1&quot;</translation>
    </message>
    <message>
        <source>hex data must be bytes of two hexadecimal digits</source>
        <translation>i dati hex devono essere byte di due cifre esadecimali</translation>
    </message>
    <message>
        <source>unknown value data &quot;%1&quot;</source>
        <translation>dati di valore sconosciuti &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a key line must end with &quot;]&quot;</source>
        <translation>una riga di chiave deve terminare con &quot;]&quot;</translation>
    </message>
    <message>
        <source>only keys below HKEY_CURRENT_USER can be imported</source>
        <translation>si possono importare solo le chiavi sotto HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>a key name cannot hold control characters</source>
        <translation>un nome di chiave non può contenere caratteri di controllo</translation>
    </message>
    <message>
        <source>the whole hive cannot be deleted</source>
        <translation>impossibile eliminare l&apos;intero hive</translation>
    </message>
    <message>
        <source>expected a key in brackets or a value name in double quotes</source>
        <translation>attesa una chiave tra parentesi quadre o un nome di valore tra virgolette doppie</translation>
    </message>
    <message>
        <source>expected &quot;=&quot; after the value name</source>
        <translation>atteso &quot;=&quot; dopo il nome del valore</translation>
    </message>
    <message>
        <source>a value must follow a key line</source>
        <translation>un valore deve seguire una riga di chiave</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>not a registry export: the first line must be &quot;%1&quot; or &quot;%2&quot;</source>
        <translation>non è un&apos;esportazione del registro: la prima riga deve essere &quot;%1&quot; o &quot;%2&quot;</translation>
    </message>
</context>
</TS>
