<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Countdown</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дні</numerusform>
            <numerusform>%n днів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n година</numerusform>
            <numerusform>%n години</numerusform>
            <numerusform>%n годин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n хвилина</numerusform>
            <numerusform>%n хвилини</numerusform>
            <numerusform>%n хвилин</numerusform>
        </translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>Залишилося менше хвилини</translation>
    </message>
    <message>
        <source>The countdown has ended.</source>
        <translation>Зворотний відлік завершено.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of the parts</comment>
        <translation>%1 і %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the other parts</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 left</source>
        <comment>the parts</comment>
        <translation>Залишилося: %1</translation>
    </message>
    <message>
        <source>Less than a minute since the end</source>
        <translation>Менше хвилини після завершення</translation>
    </message>
    <message>
        <source>%1 since the end</source>
        <comment>the parts</comment>
        <translation>%1 після завершення</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
</context>
<context>
    <name>TCalendarText</name>
    <message>
        <source>this is not a calendar file (iCalendar, .ics)</source>
        <translation>це не файл календаря (iCalendar, .ics)</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; cannot be read: %2</source>
        <translation>не вдається прочитати подію &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has no start (DTSTART)</source>
        <translation>подія &quot;%1&quot; не має початку (DTSTART)</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; names the unknown time zone %2</source>
        <translation>подія &quot;%1&quot; посилається на невідомий часовий пояс %2</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has a %2 line without a moment</source>
        <translation>подія &quot;%1&quot; має рядок %2 без дати й часу</translation>
    </message>
    <message>
        <source>the file is larger than 16 MiB</source>
        <translation>файл більший за 16 МіБ</translation>
    </message>
    <message>
        <source>the calendar holds no event</source>
        <translation>у календарі немає жодної події</translation>
    </message>
    <message>
        <source>the calendar&apos;s repeat rules take too long to work out; pick an event by its UID</source>
        <translation>правила повторення календаря обчислюються надто довго; виберіть подію за її UID</translation>
    </message>
    <message>
        <source>the calendar holds no event with the UID %1</source>
        <translation>у календарі немає події з UID %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не вдається прочитати %1: %2</translation>
    </message>
</context>
<context>
    <name>TClockEvent</name>
    <message>
        <source>Clock %1</source>
        <translation>Годинник %1</translation>
    </message>
    <message>
        <source>%1 — since %2</source>
        <translation>%1 — від %2</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>The event of clock %1 cannot be worked out (%2): the clock counts to its first moment.</source>
        <translation>Не вдається обчислити подію годинника %1 (%2): годинник відлічує час до її першого моменту.</translation>
    </message>
</context>
<context>
    <name>TClockNotifier</name>
    <message>
        <source>Right-click the clock to choose the moment to count down to.</source>
        <translation>Клацніть правою кнопкою миші на годиннику, щоб вибрати момент, до якого вести відлік.</translation>
    </message>
    <message>
        <source>%1 — the countdown has ended</source>
        <translation>%1 — зворотний відлік завершено</translation>
    </message>
    <message>
        <source>The countdown to %1 %2 has ended.</source>
        <translation>Зворотний відлік завершено: %1 %2.</translation>
    </message>
</context>
<context>
    <name>TClockSettings</name>
    <message>
        <source>Clock %1: %2</source>
        <translation>Годинник %1: %2</translation>
    </message>
</context>
<context>
    <name>TClockStore</name>
    <message>
        <source>Korvane5 Clock %1</source>
        <translation>Korvane5 — Годинник %1</translation>
    </message>
    <message>
        <source>The start-up entry %1 could not be written: the clock does not start at log-on as chosen.</source>
        <translation>Не вдалося записати елемент автозапуску %1: годинник не запускатиметься під час входу, як було вибрано.</translation>
    </message>
    <message>
        <source>the settings store %1 could not be written: what was changed in this run is not kept (%2)</source>
        <translation>не вдалося записати сховище налаштувань %1: зміни, зроблені за цей сеанс, не збережено (%2)</translation>
    </message>
</context>
<context>
    <name>TDateTimePickForm</name>
    <message>
        <source>Choose Date/Time</source>
        <translation>Вибір дати й часу</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Час:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Гаразд</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Подія:</translation>
    </message>
    <message>
        <source>Click to get dates...</source>
        <translation>Клацніть, щоб отримати дати...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>З’єднання...</translation>
    </message>
    <message>
        <source>Unrecognized response format!</source>
        <translation>Нерозпізнаний формат відповіді!</translation>
    </message>
    <message>
        <source>Error connecting!</source>
        <translation>Помилка з’єднання!</translation>
    </message>
    <message>
        <source>Error downloading!</source>
        <translation>Помилка завантаження!</translation>
    </message>
</context>
<context>
    <name>TEventCommands</name>
    <message>
        <source>Import Event</source>
        <translation>Імпорт події</translation>
    </message>
    <message>
        <source>Calendar files (*.ics);;All files (*)</source>
        <translation>Файли календаря (*.ics);;Усі файли (*)</translation>
    </message>
</context>
<context>
    <name>TEventForm</name>
    <message>
        <source>Event</source>
        <translation>Подія</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Назва:</translation>
    </message>
    <message>
        <source>&amp;First moment:</source>
        <translation>&amp;Початок:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>П&amp;овторення:</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Дні:</translation>
    </message>
    <message>
        <source>&amp;Ends:</source>
        <translation>&amp;Закінчення:</translation>
    </message>
    <message>
        <source>never</source>
        <translation>ніколи</translation>
    </message>
    <message>
        <source>on a date</source>
        <translation>у вказану дату</translation>
    </message>
    <message>
        <source>after a number of times</source>
        <translation>після заданої кількості разів</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>&amp;Часовий пояс:</translation>
    </message>
    <message>
        <source>&amp;After the end:</source>
        <translation>Після з&amp;акінчення:</translation>
    </message>
    <message>
        <source>Count to the last pick of the date/time dialog</source>
        <translation>Відлік до останнього вибору у вікні дати й часу</translation>
    </message>
    <message>
        <source>Count up (time since)</source>
        <translation>Прямий відлік (скільки минуло)</translation>
    </message>
    <message>
        <source>Count to the next occurrence</source>
        <translation>Відлік до наступного повторення</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Гаразд</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Місцевий час</translation>
    </message>
</context>
<context>
    <name>TEventWords</name>
    <message>
        <source>does not repeat</source>
        <translation>не повторюється</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>особливе правило</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>щороку</translation>
    </message>
    <message>
        <source>every month on the same day</source>
        <translation>щомісяця того самого дня</translation>
    </message>
    <message>
        <source>last</source>
        <translation>останнього</translation>
    </message>
    <message>
        <source>first</source>
        <translation>першого</translation>
    </message>
    <message>
        <source>second</source>
        <translation>другого</translation>
    </message>
    <message>
        <source>third</source>
        <translation>третього</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>четвертого</translation>
    </message>
    <message>
        <source>every month on the %1 %2</source>
        <extracomment>%1 is &quot;first&quot; to &quot;fourth&quot; or &quot;last&quot;, %2 a weekday: &quot;every month on the second Tuesday&quot;</extracomment>
        <translation>щомісяця: %2 %1 тижня</translation>
    </message>
    <message>
        <source>every week on %1</source>
        <translation>щотижня: %1</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>щодня</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1, до %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n time(s)</source>
        <translation>
            <numerusform>%1, %n раз</numerusform>
            <numerusform>%1, %n рази</numerusform>
            <numerusform>%1, %n разів</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TImportEventForm</name>
    <message>
        <source>Import Event</source>
        <translation>Імпорт події</translation>
    </message>
    <message>
        <source>&amp;Events of the calendar:</source>
        <translation>&amp;Події календаря:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Найближча</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Гаразд</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(без назви)</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Select &amp;Clock</source>
        <translation>Вибрати &amp;годинник</translation>
    </message>
    <message>
        <source>Choose &amp;Date/Time...</source>
        <translation>Вибрати &amp;дату й час...</translation>
    </message>
    <message>
        <source>Choose &amp;Skin...</source>
        <translation>Вибрати &amp;обкладинку...</translation>
    </message>
    <message>
        <source>R&amp;andom Skin Change Time</source>
        <translation>&amp;Інтервал випадкової зміни обкладинки</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n Minutes</source>
        <translation>
            <numerusform>&amp;%n хвилина</numerusform>
            <numerusform>&amp;%n хвилини</numerusform>
            <numerusform>&amp;%n хвилин</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Opacity</source>
        <translation>&amp;Непрозорість</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n Percent</source>
        <translation>
            <numerusform>&amp;%n відсоток</numerusform>
            <numerusform>&amp;%n відсотки</numerusform>
            <numerusform>&amp;%n відсотків</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Run This Clock At Startup</source>
        <translation>&amp;Запускати цей годинник під час входу</translation>
    </message>
    <message>
        <source>S&amp;tick To Desktop</source>
        <translation>Прикріпити до &amp;стільниці</translation>
    </message>
    <message>
        <source>A&amp;lways On Top</source>
        <translation>Зав&amp;жди згори</translation>
    </message>
    <message>
        <source>&amp;Hide Tray Icon</source>
        <translation>С&amp;ховати значок у лотку</translation>
    </message>
    <message>
        <source>A&amp;bout...</source>
        <translation>&amp;Про програму...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Ви&amp;йти</translation>
    </message>
    <message>
        <source>Korvane5, Clock %1</source>
        <translation>Korvane5, Годинник %1</translation>
    </message>
    <message>
        <source>L&amp;et Clicks Through</source>
        <translation>Пропускати &amp;клацання</translation>
    </message>
    <message>
        <source>E&amp;vent...</source>
        <translation>Поді&amp;я...</translation>
    </message>
    <message>
        <source>&amp;Import Event...</source>
        <translation>І&amp;мпортувати подію...</translation>
    </message>
</context>
<context>
    <name>TRegistry</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Неправильний тип даних для «%1»</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Не вдалося отримати дані для «%1»</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Не вдалося записати дані для «%1»</translation>
    </message>
</context>
<context>
    <name>TScheduleText</name>
    <message>
        <source>the repeat rule has more than %1 moments before the one asked for; the clock cannot follow it</source>
        <translation>правило повторення має понад %1 повторень до запитаного; годинник не може за ним стежити</translation>
    </message>
    <message>
        <source>the repeat rule %1 has no moment within %2 of its steps; the clock cannot follow it</source>
        <translation>правило повторення %1 не має жодного повторення за %2 своїх кроків; годинник не може за ним стежити</translation>
    </message>
    <message>
        <source>a repeat rule holds RRULE, EXDATE and RDATE lines and time zones, not %1</source>
        <translation>правило повторення містить рядки RRULE, EXDATE і RDATE та часові пояси, а не %1</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule nests too deep</source>
        <translation>часовий пояс у правилі повторення вкладено надто глибоко</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule has no end</source>
        <translation>часовий пояс у правилі повторення не має кінця</translation>
    </message>
    <message>
        <source>unknown time zone %1</source>
        <translation>невідомий часовий пояс %1</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read</source>
        <translation>не вдається прочитати правило повторення</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read: %1</source>
        <translation>не вдається прочитати правило повторення: %1</translation>
    </message>
    <message>
        <source>the first moment is no date</source>
        <translation>перший момент не є датою</translation>
    </message>
    <message>
        <source>a repeat rule needs FREQ</source>
        <translation>правилу повторення потрібен FREQ</translation>
    </message>
    <message>
        <source>libical cannot repeat by %1</source>
        <translation>libical не вміє повторювати за %1</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <source>The settings store %1 can only be read (%2): what you change is not kept.</source>
        <translation>Сховище налаштувань %1 доступне лише для читання (%2): ваші зміни не буде збережено.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be opened (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>Не вдалося відкрити сховище налаштувань %1 (%2). Годинник показує типові налаштування і нічого не записує поверх того, що не вдалося прочитати.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read. It was kept as %2 and a fresh store was started.</source>
        <translation>Не вдалося прочитати сховище налаштувань %1. Його збережено як %2 і створено нове сховище.</translation>
    </message>
    <message>
        <source>The settings store %1 cannot be written (%2): what you change is not kept.</source>
        <translation>Не вдається записати до сховища налаштувань %1 (%2): ваші зміни не буде збережено.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>Не вдалося прочитати сховище налаштувань %1 (%2). Годинник показує типові налаштування і нічого не записує поверх того, що не вдалося прочитати.</translation>
    </message>
</context>
<context>
    <name>TSettingsTool</name>
    <message>
        <source>set needs exactly one of --dword, --binary, --string</source>
        <translation>set потребує рівно одного з параметрів --dword, --binary, --string</translation>
    </message>
    <message>
        <source>--dword takes a 32-bit number, decimal or 0x hexadecimal</source>
        <translation>--dword приймає 32-бітове число, десяткове або шістнадцяткове з 0x</translation>
    </message>
    <message>
        <source>--binary takes pairs of hexadecimal digits</source>
        <translation>--binary приймає пари шістнадцяткових цифр</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>невідомий параметр %1</translation>
    </message>
    <message>
        <source>export takes at most one key</source>
        <translation>export приймає не більше одного ключа</translation>
    </message>
    <message>
        <source>only keys of HKEY_CURRENT_USER are kept here</source>
        <translation>тут зберігаються лише ключі HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>no key %1</source>
        <translation>немає ключа %1</translation>
    </message>
    <message>
        <source>import takes one file</source>
        <translation>import приймає один файл</translation>
    </message>
    <message>
        <source>cannot read %1: %2 (nothing was changed)</source>
        <translation>не вдалося прочитати %1: %2 (нічого не змінено)</translation>
    </message>
    <message>
        <source> (nothing was changed)</source>
        <translation> (нічого не змінено)</translation>
    </message>
    <message>
        <source>get takes a key and a value name</source>
        <translation>get приймає ключ і назву значення</translation>
    </message>
    <message>
        <source>no value %1 in %2</source>
        <translation>немає значення %1 у %2</translation>
    </message>
    <message>
        <source>set takes a key, a value name and the data</source>
        <translation>set приймає ключ, назву значення і дані</translation>
    </message>
    <message>
        <source>delete takes a key and at most one value name</source>
        <translation>delete приймає ключ і не більше однієї назви значення</translation>
    </message>
    <message>
        <source>the whole store cannot be deleted</source>
        <translation>усе сховище вилучити неможливо</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>невідома команда %1</translation>
    </message>
    <message>
        <source>%1 needs a key</source>
        <translation>%1 потребує ключа</translation>
    </message>
    <message>
        <source>a key name cannot hold line breaks or other control characters</source>
        <translation>назва ключа не може містити розривів рядків чи інших керівних символів</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>не вказано команди</translation>
    </message>
    <message>
        <source>the settings store %1 can only be read (%2); nothing was changed</source>
        <translation>сховище налаштувань %1 доступне лише для читання (%2); нічого не змінено</translation>
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
        <translation>Використання: korvane5-settings export [KEY]
              korvane5-settings import FILE          (- читає стандартний вхід)
              korvane5-settings get KEY NAME
              korvane5-settings set KEY NAME --dword N | --binary HEX | --string TEXT
              korvane5-settings delete KEY [NAME]
              korvane5-settings event N
              korvane5-settings occurrences N [--from &quot;YYYY-MM-DD HH:MM:SS&quot;] [--count K]
              korvane5-settings import-event N FILE.ics [--uid UID]
              korvane5-settings --help | --version
Переглядає та виправляє налаштування годинників Korvane5 ($XDG_CONFIG_HOME/korvane5/
settings.db) у текстовому форматі експорту реєстру.
KEY — шлях на кшталт Software\Korvane5\0\ (можна з HKEY_CURRENT_USER\ на початку).
NAME @ позначає безіменне значення ключа. N — номер годинника, від 0 до 4.
</translation>
    </message>
    <message>
        <source>event takes a clock number, 0 to 4</source>
        <translation>event приймає номер годинника, від 0 до 4</translation>
    </message>
    <message>
        <source>occurrences takes a clock number, 0 to 4</source>
        <translation>occurrences приймає номер годинника, від 0 до 4</translation>
    </message>
    <message>
        <source>--from takes a local time as &quot;YYYY-MM-DD HH:MM:SS&quot;</source>
        <translation>--from приймає місцевий час у вигляді &quot;YYYY-MM-DD HH:MM:SS&quot;</translation>
    </message>
    <message>
        <source>--count takes a number from 1 to 100000</source>
        <translation>--count приймає число від 1 до 100000</translation>
    </message>
    <message>
        <source>occurrences takes --from and --count</source>
        <translation>occurrences приймає --from і --count</translation>
    </message>
    <message>
        <source>import-event takes a clock number, 0 to 4, a file and --uid UID</source>
        <translation>import-event приймає номер годинника, від 0 до 4, файл і --uid UID</translation>
    </message>
</context>
<context>
    <name>TSkinChooserForm</name>
    <message>
        <source>Choose Skin</source>
        <translation>Вибір обкладинки</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Гаразд</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Оновити</translation>
    </message>
    <message>
        <source>Get &amp;Skins...</source>
        <translation>Отримати о&amp;бкладинки...</translation>
    </message>
    <message>
        <source>Error searching for skins.</source>
        <translation>Помилка пошуку обкладинок.</translation>
    </message>
</context>
<context>
    <name>TTrayIcon</name>
    <message>
        <source>Cannot Create System Shell Notification Icon</source>
        <translation>Не вдалося створити значок в області сповіщень</translation>
    </message>
    <message>
        <source>Cannot Remove System Shell Notification Icon</source>
        <translation>Не вдалося вилучити значок з області сповіщень</translation>
    </message>
</context>
<context>
    <name>regfile</name>
    <message>
        <source>unterminated string</source>
        <translation>незавершений рядок</translation>
    </message>
    <message>
        <source>a dword needs 1 to 8 hexadecimal digits</source>
        <translation>dword потребує від 1 до 8 шістнадцяткових цифр</translation>
    </message>
    <message>
        <source>hex data needs a colon</source>
        <translation>дані hex потребують двокрапки</translation>
    </message>
    <message>
        <source>unknown value type &quot;%1&quot;</source>
        <translation>невідомий тип значення &quot;%1&quot;</translation>
    </message>
    <message>
        <source>hex data must be bytes of two hexadecimal digits</source>
        <translation>дані hex мають складатися з байтів по дві шістнадцяткові цифри</translation>
    </message>
    <message>
        <source>unknown value data &quot;%1&quot;</source>
        <translation>невідомі дані значення &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a key line must end with &quot;]&quot;</source>
        <translation>рядок ключа має закінчуватися символом &quot;]&quot;</translation>
    </message>
    <message>
        <source>only keys below HKEY_CURRENT_USER can be imported</source>
        <translation>імпортувати можна лише ключі всередині HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>a key name cannot hold control characters</source>
        <translation>назва ключа не може містити керівних символів</translation>
    </message>
    <message>
        <source>the whole hive cannot be deleted</source>
        <translation>увесь кореневий розділ реєстру вилучити неможливо</translation>
    </message>
    <message>
        <source>expected a key in brackets or a value name in double quotes</source>
        <translation>очікувався ключ у квадратних дужках або назва значення в подвійних лапках</translation>
    </message>
    <message>
        <source>expected &quot;=&quot; after the value name</source>
        <translation>після назви значення очікувався символ &quot;=&quot;</translation>
    </message>
    <message>
        <source>a value must follow a key line</source>
        <translation>значення має йти після рядка ключа</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>файл порожній</translation>
    </message>
    <message>
        <source>not a registry export: the first line must be &quot;%1&quot; or &quot;%2&quot;</source>
        <translation>це не експорт реєстру: перший рядок має бути &quot;%1&quot; або &quot;%2&quot;</translation>
    </message>
</context>
</TS>
