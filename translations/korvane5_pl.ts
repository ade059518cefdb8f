<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Countdown</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dzień</numerusform>
            <numerusform>%n dni</numerusform>
            <numerusform>%n dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n godzina</numerusform>
            <numerusform>%n godziny</numerusform>
            <numerusform>%n godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>Pozostała niecała minuta</translation>
    </message>
    <message>
        <source>The countdown has ended.</source>
        <translation>Odliczanie zakończyło się.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of the parts</comment>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the other parts</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 left</source>
        <comment>the parts</comment>
        <translation>Pozostało: %1</translation>
    </message>
    <message>
        <source>Less than a minute since the end</source>
        <translation>Mniej niż minuta od końca</translation>
    </message>
    <message>
        <source>%1 since the end</source>
        <comment>the parts</comment>
        <translation>%1 od końca</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
</context>
<context>
    <name>TCalendarText</name>
    <message>
        <source>this is not a calendar file (iCalendar, .ics)</source>
        <translation>to nie jest plik kalendarza (iCalendar, .ics)</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; cannot be read: %2</source>
        <translation>nie można odczytać wydarzenia &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has no start (DTSTART)</source>
        <translation>wydarzenie &quot;%1&quot; nie ma początku (DTSTART)</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; names the unknown time zone %2</source>
        <translation>wydarzenie &quot;%1&quot; podaje nieznaną strefę czasową %2</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has a %2 line without a moment</source>
        <translation>wydarzenie &quot;%1&quot; ma wiersz %2 bez daty i godziny</translation>
    </message>
    <message>
        <source>the file is larger than 16 MiB</source>
        <translation>plik jest większy niż 16 MiB</translation>
    </message>
    <message>
        <source>the calendar holds no event</source>
        <translation>kalendarz nie zawiera żadnego wydarzenia</translation>
    </message>
    <message>
        <source>the calendar&apos;s repeat rules take too long to work out; pick an event by its UID</source>
        <translation>obliczenie reguł powtarzania kalendarza trwa zbyt długo; wybierz wydarzenie według jego UID</translation>
    </message>
    <message>
        <source>the calendar holds no event with the UID %1</source>
        <translation>kalendarz nie zawiera wydarzenia o UID %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
</context>
<context>
    <name>TClockEvent</name>
    <message>
        <source>Clock %1</source>
        <translation>Zegar %1</translation>
    </message>
    <message>
        <source>%1 — since %2</source>
        <translation>%1 — od %2</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>The event of clock %1 cannot be worked out (%2): the clock counts to its first moment.</source>
        <translation>Nie można obliczyć wydarzenia zegara %1 (%2): zegar odlicza do jego pierwszego momentu.</translation>
    </message>
</context>
<context>
    <name>TClockNotifier</name>
    <message>
        <source>Right-click the clock to choose the moment to count down to.</source>
        <translation>Kliknij zegar prawym przyciskiem myszy, aby wybrać chwilę, do której ma odliczać.</translation>
    </message>
    <message>
        <source>%1 — the countdown has ended</source>
        <translation>%1 — odliczanie zakończone</translation>
    </message>
    <message>
        <source>The countdown to %1 %2 has ended.</source>
        <translation>Odliczanie zakończone: %1, %2.</translation>
    </message>
</context>
<context>
    <name>TClockSettings</name>
    <message>
        <source>Clock %1: %2</source>
        <translation>Zegar %1: %2</translation>
    </message>
</context>
<context>
    <name>TClockStore</name>
    <message>
        <source>Korvane5 Clock %1</source>
        <translation>Korvane5 – Zegar %1</translation>
    </message>
    <message>
        <source>The start-up entry %1 could not be written: the clock does not start at log-on as chosen.</source>
        <translation>Nie udało się zapisać wpisu autostartu %1: zegar nie uruchomi się po zalogowaniu, jak wybrano.</translation>
    </message>
    <message>
        <source>the settings store %1 could not be written: what was changed in this run is not kept (%2)</source>
        <translation>nie udało się zapisać pliku ustawień %1: zmiany z tej sesji nie zostaną zachowane (%2)</translation>
    </message>
</context>
<context>
    <name>TDateTimePickForm</name>
    <message>
        <source>Choose Date/Time</source>
        <translation>Wybór daty i godziny</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Godzina:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Wydarzenie:</translation>
    </message>
    <message>
        <source>Click to get dates...</source>
        <translation>Kliknij, aby pobrać daty...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Łączenie...</translation>
    </message>
    <message>
        <source>Unrecognized response format!</source>
        <translation>Nierozpoznany format odpowiedzi!</translation>
    </message>
    <message>
        <source>Error connecting!</source>
        <translation>Błąd połączenia!</translation>
    </message>
    <message>
        <source>Error downloading!</source>
        <translation>Błąd pobierania!</translation>
    </message>
</context>
<context>
    <name>TEventCommands</name>
    <message>
        <source>Import Event</source>
        <translation>Importuj wydarzenie</translation>
    </message>
    <message>
        <source>Calendar files (*.ics);;All files (*)</source>
        <translation>Pliki kalendarza (*.ics);;Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>TEventForm</name>
    <message>
        <source>Event</source>
        <translation>Wydarzenie</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message>
        <source>&amp;First moment:</source>
        <translation>&amp;Początek:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>Po&amp;wtarzanie:</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Dni:</translation>
    </message>
    <message>
        <source>&amp;Ends:</source>
        <translation>&amp;Koniec:</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nigdy</translation>
    </message>
    <message>
        <source>on a date</source>
        <translation>w dniu</translation>
    </message>
    <message>
        <source>after a number of times</source>
        <translation>po określonej liczbie razy</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>Strefa &amp;czasowa:</translation>
    </message>
    <message>
        <source>&amp;After the end:</source>
        <translation>Po &amp;zakończeniu:</translation>
    </message>
    <message>
        <source>Count to the last pick of the date/time dialog</source>
        <translation>Odliczaj do ostatniego wyboru w oknie daty i godziny</translation>
    </message>
    <message>
        <source>Count up (time since)</source>
        <translation>Licz w górę (czas od)</translation>
    </message>
    <message>
        <source>Count to the next occurrence</source>
        <translation>Odliczaj do następnego wystąpienia</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Czas lokalny</translation>
    </message>
</context>
<context>
    <name>TEventWords</name>
    <message>
        <source>does not repeat</source>
        <translation>bez powtarzania</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>niestandardowe</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>co roku</translation>
    </message>
    <message>
        <source>every month on the same day</source>
        <translation>co miesiąc tego samego dnia</translation>
    </message>
    <message>
        <source>last</source>
        <translation>ostatnim</translation>
    </message>
    <message>
        <source>first</source>
        <translation>pierwszym</translation>
    </message>
    <message>
        <source>second</source>
        <translation>drugim</translation>
    </message>
    <message>
        <source>third</source>
        <translation>trzecim</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>czwartym</translation>
    </message>
    <message>
        <source>every month on the %1 %2</source>
        <extracomment>%1 is &quot;first&quot; to &quot;fourth&quot; or &quot;last&quot;, %2 a weekday: &quot;every month on the second Tuesday&quot;</extracomment>
        <translation>co miesiąc: %2 w %1 tygodniu</translation>
    </message>
    <message>
        <source>every week on %1</source>
        <translation>co tydzień: %1</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>codziennie</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1, do %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n time(s)</source>
        <translation>
            <numerusform>%1, %n raz</numerusform>
            <numerusform>%1, %n razy</numerusform>
            <numerusform>%1, %n razy</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TImportEventForm</name>
    <message>
        <source>Import Event</source>
        <translation>Importuj wydarzenie</translation>
    </message>
    <message>
        <source>&amp;Events of the calendar:</source>
        <translation>&amp;Wydarzenia w kalendarzu:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Następne</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(bez nazwy)</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Select &amp;Clock</source>
        <translation>Wybierz ze&amp;gar</translation>
    </message>
    <message>
        <source>Choose &amp;Date/Time...</source>
        <translation>Wybierz &amp;datę i godzinę...</translation>
    </message>
    <message>
        <source>Choose &amp;Skin...</source>
        <translation>Wybierz &amp;skórkę...</translation>
    </message>
    <message>
        <source>R&amp;andom Skin Change Time</source>
        <translation>&amp;Czas losowej zmiany skórki</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n Minutes</source>
        <translation>
            <numerusform>&amp;%n minuta</numerusform>
            <numerusform>&amp;%n minuty</numerusform>
            <numerusform>&amp;%n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Opacity</source>
        <translation>&amp;Nieprzezroczystość</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n Percent</source>
        <translation>
            <numerusform>&amp;%n procent</numerusform>
            <numerusform>&amp;%n procent</numerusform>
            <numerusform>&amp;%n procent</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Run This Clock At Startup</source>
        <translation>&amp;Uruchamiaj ten zegar po zalogowaniu</translation>
    </message>
    <message>
        <source>S&amp;tick To Desktop</source>
        <translation>&amp;Przypnij do pulpitu</translation>
    </message>
    <message>
        <source>A&amp;lways On Top</source>
        <translation>Zawsze na &amp;wierzchu</translation>
    </message>
    <message>
        <source>&amp;Hide Tray Icon</source>
        <translation>Ukryj &amp;ikonę w zasobniku systemowym</translation>
    </message>
    <message>
        <source>A&amp;bout...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Korvane5, Clock %1</source>
        <translation>Korvane5, Zegar %1</translation>
    </message>
    <message>
        <source>L&amp;et Clicks Through</source>
        <translation>Przepuszczaj &amp;kliknięcia</translation>
    </message>
    <message>
        <source>E&amp;vent...</source>
        <translation>Wyd&amp;arzenie...</translation>
    </message>
    <message>
        <source>&amp;Import Event...</source>
        <translation>I&amp;mportuj wydarzenie...</translation>
    </message>
</context>
<context>
    <name>TRegistry</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Nieprawidłowy typ danych dla „%1”</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Nie udało się odczytać danych dla „%1”</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Nie udało się zapisać danych dla „%1”</translation>
    </message>
</context>
<context>
    <name>TScheduleText</name>
    <message>
        <source>the repeat rule has more than %1 moments before the one asked for; the clock cannot follow it</source>
        <translation>reguła powtarzania ma więcej niż %1 wystąpień przed żądanym; zegar nie może za nią nadążyć</translation>
    </message>
    <message>
        <source>the repeat rule %1 has no moment within %2 of its steps; the clock cannot follow it</source>
        <translation>reguła powtarzania %1 nie ma żadnego wystąpienia w ciągu %2 swoich kroków; zegar nie może za nią nadążyć</translation>
    </message>
    <message>
        <source>a repeat rule holds RRULE, EXDATE and RDATE lines and time zones, not %1</source>
        <translation>reguła powtarzania zawiera wiersze RRULE, EXDATE i RDATE oraz strefy czasowe, a nie %1</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule nests too deep</source>
        <translation>strefa czasowa w regule powtarzania jest zagnieżdżona zbyt głęboko</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule has no end</source>
        <translation>strefa czasowa w regule powtarzania nie ma końca</translation>
    </message>
    <message>
        <source>unknown time zone %1</source>
        <translation>nieznana strefa czasowa %1</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read</source>
        <translation>nie można odczytać reguły powtarzania</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read: %1</source>
        <translation>nie można odczytać reguły powtarzania: %1</translation>
    </message>
    <message>
        <source>the first moment is no date</source>
        <translation>pierwszy moment nie jest datą</translation>
    </message>
    <message>
        <source>a repeat rule needs FREQ</source>
        <translation>reguła powtarzania wymaga FREQ</translation>
    </message>
    <message>
        <source>libical cannot repeat by %1</source>
        <translation>libical nie potrafi powtarzać według %1</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <source>The settings store %1 can only be read (%2): what you change is not kept.</source>
        <translation>Plik ustawień %1 jest dostępny tylko do odczytu (%2): wprowadzane zmiany nie zostaną zachowane.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be opened (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>Nie udało się otworzyć pliku ustawień %1 (%2). Zegar używa ustawień domyślnych i nie nadpisuje danych, których nie udało się odczytać.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read. It was kept as %2 and a fresh store was started.</source>
        <translation>Nie udało się odczytać pliku ustawień %1. Zachowano go jako %2 i utworzono nowy plik ustawień.</translation>
    </message>
    <message>
        <source>The settings store %1 cannot be written (%2): what you change is not kept.</source>
        <translation>Nie można zapisać pliku ustawień %1 (%2): wprowadzane zmiany nie zostaną zachowane.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>Nie udało się odczytać pliku ustawień %1 (%2). Zegar używa ustawień domyślnych i nie nadpisuje danych, których nie udało się odczytać.</translation>
    </message>
</context>
<context>
    <name>TSettingsTool</name>
    <message>
        <source>set needs exactly one of --dword, --binary, --string</source>
        <translation>set wymaga dokładnie jednej z opcji --dword, --binary, --string</translation>
    </message>
    <message>
        <source>--dword takes a 32-bit number, decimal or 0x hexadecimal</source>
        <translation>--dword przyjmuje liczbę 32-bitową, dziesiętną lub szesnastkową z przedrostkiem 0x</translation>
    </message>
    <message>
        <source>--binary takes pairs of hexadecimal digits</source>
        <translation>--binary przyjmuje pary cyfr szesnastkowych</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>export takes at most one key</source>
        <translation>export przyjmuje co najwyżej jeden klucz</translation>
    </message>
    <message>
        <source>only keys of HKEY_CURRENT_USER are kept here</source>
        <translation>przechowywane są tu tylko klucze HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>no key %1</source>
        <translation>brak klucza %1</translation>
    </message>
    <message>
        <source>import takes one file</source>
        <translation>import przyjmuje jeden plik</translation>
    </message>
    <message>
        <source>cannot read %1: %2 (nothing was changed)</source>
        <translation>nie można odczytać %1: %2 (niczego nie zmieniono)</translation>
    </message>
    <message>
        <source> (nothing was changed)</source>
        <translation> (niczego nie zmieniono)</translation>
    </message>
    <message>
        <source>get takes a key and a value name</source>
        <translation>get przyjmuje klucz i nazwę wartości</translation>
    </message>
    <message>
        <source>no value %1 in %2</source>
        <translation>brak wartości %1 w %2</translation>
    </message>
    <message>
        <source>set takes a key, a value name and the data</source>
        <translation>set przyjmuje klucz, nazwę wartości i dane</translation>
    </message>
    <message>
        <source>delete takes a key and at most one value name</source>
        <translation>delete przyjmuje klucz i co najwyżej jedną nazwę wartości</translation>
    </message>
    <message>
        <source>the whole store cannot be deleted</source>
        <translation>nie można usunąć wszystkich ustawień naraz</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>nieznane polecenie %1</translation>
    </message>
    <message>
        <source>%1 needs a key</source>
        <translation>%1 wymaga klucza</translation>
    </message>
    <message>
        <source>a key name cannot hold line breaks or other control characters</source>
        <translation>nazwa klucza nie może zawierać znaków końca wiersza ani innych znaków sterujących</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nie podano polecenia</translation>
    </message>
    <message>
        <source>the settings store %1 can only be read (%2); nothing was changed</source>
        <translation>plik ustawień %1 jest dostępny tylko do odczytu (%2); niczego nie zmieniono</translation>
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
        <translation>użycie: korvane5-settings export [KEY]
        korvane5-settings import FILE          (- czyta ze standardowego wejścia)
        korvane5-settings get KEY NAME
        korvane5-settings set KEY NAME --dword N | --binary HEX | --string TEXT
        korvane5-settings delete KEY [NAME]
        korvane5-settings event N
        korvane5-settings occurrences N [--from &quot;YYYY-MM-DD HH:MM:SS&quot;] [--count K]
        korvane5-settings import-event N FILE.ics [--uid UID]
        korvane5-settings --help | --version
Przegląda i naprawia ustawienia zegarów Korvane5 ($XDG_CONFIG_HOME/korvane5/
settings.db) w tekstowym formacie eksportu rejestru.
KEY to ścieżka, np. Software\Korvane5\0\ (przedrostek HKEY_CURRENT_USER\ jest dozwolony).
NAME @ oznacza nienazwaną wartość klucza. N to numer zegara, od 0 do 4.
</translation>
    </message>
    <message>
        <source>event takes a clock number, 0 to 4</source>
        <translation>event wymaga numeru zegara, od 0 do 4</translation>
    </message>
    <message>
        <source>occurrences takes a clock number, 0 to 4</source>
        <translation>occurrences wymaga numeru zegara, od 0 do 4</translation>
    </message>
    <message>
        <source>--from takes a local time as &quot;YYYY-MM-DD HH:MM:SS&quot;</source>
        <translation>--from wymaga czasu lokalnego w postaci &quot;YYYY-MM-DD HH:MM:SS&quot;</translation>
    </message>
    <message>
        <source>--count takes a number from 1 to 100000</source>
        <translation>--count wymaga liczby od 1 do 100000</translation>
    </message>
    <message>
        <source>occurrences takes --from and --count</source>
        <translation>occurrences przyjmuje --from i --count</translation>
    </message>
    <message>
        <source>import-event takes a clock number, 0 to 4, a file and --uid UID</source>
        <translation>import-event wymaga numeru zegara, od 0 do 4, pliku i --uid UID</translation>
    </message>
</context>
<context>
    <name>TSkinChooserForm</name>
    <message>
        <source>Choose Skin</source>
        <translation>Wybór skórki</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>O&amp;dśwież</translation>
    </message>
    <message>
        <source>Get &amp;Skins...</source>
        <translation>Pobierz &amp;skórki...</translation>
    </message>
    <message>
        <source>Error searching for skins.</source>
        <translation>Błąd podczas wyszukiwania skórek.</translation>
    </message>
</context>
<context>
    <name>TTrayIcon</name>
    <message>
        <source>Cannot Create System Shell Notification Icon</source>
        <translation>Nie można utworzyć ikony w zasobniku systemowym</translation>
    </message>
    <message>
        <source>Cannot Remove System Shell Notification Icon</source>
        <translation>Nie można usunąć ikony z zasobnika systemowego</translation>
    </message>
</context>
<context>
    <name>regfile</name>
    <message>
        <source>unterminated string</source>
        <translation>niezakończony ciąg znaków</translation>
    </message>
    <message>
        <source>a dword needs 1 to 8 hexadecimal digits</source>
        <translation>dword wymaga od 1 do 8 cyfr szesnastkowych</translation>
    </message>
    <message>
        <source>hex data needs a colon</source>
        <translation>dane hex wymagają dwukropka</translation>
    </message>
    <message>
        <source>unknown value type &quot;%1&quot;</source>
        <translation>nieznany typ wartości &quot;%1&quot;</translation>
    </message>
    <message>
        <source>hex data must be bytes of two hexadecimal digits</source>
        <translation>dane hex muszą składać się z bajtów po dwie cyfry szesnastkowe</translation>
    </message>
    <message>
        <source>unknown value data &quot;%1&quot;</source>
        <translation>nieznane dane wartości &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a key line must end with &quot;]&quot;</source>
        <translation>wiersz klucza musi kończyć się znakiem &quot;]&quot;</translation>
    </message>
    <message>
        <source>only keys below HKEY_CURRENT_USER can be imported</source>
        <translation>importować można tylko klucze w gałęzi HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>a key name cannot hold control characters</source>
        <translation>nazwa klucza nie może zawierać znaków sterujących</translation>
    </message>
    <message>
        <source>the whole hive cannot be deleted</source>
        <translation>nie można usunąć całej gałęzi rejestru</translation>
    </message>
    <message>
        <source>expected a key in brackets or a value name in double quotes</source>
        <translation>oczekiwano klucza w nawiasach kwadratowych lub nazwy wartości w cudzysłowie</translation>
    </message>
    <message>
        <source>expected &quot;=&quot; after the value name</source>
        <translation>po nazwie wartości oczekiwano &quot;=&quot;</translation>
    </message>
    <message>
        <source>a value must follow a key line</source>
        <translation>wartość musi występować po wierszu klucza</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>plik jest pusty</translation>
    </message>
    <message>
        <source>not a registry export: the first line must be &quot;%1&quot; or &quot;%2&quot;</source>
        <translation>to nie jest plik eksportu rejestru: pierwszy wiersz musi mieć postać &quot;%1&quot; lub &quot;%2&quot;</translation>
    </message>
</context>
</TS>
