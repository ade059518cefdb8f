<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Countdown</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n час</numerusform>
            <numerusform>%n часа</numerusform>
            <numerusform>%n часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>Осталось меньше минуты</translation>
    </message>
    <message>
        <source>The countdown has ended.</source>
        <translation>Обратный отсчёт завершён.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of the parts</comment>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the other parts</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 left</source>
        <comment>the parts</comment>
        <translation>Осталось: %1</translation>
    </message>
    <message>
        <source>Less than a minute since the end</source>
        <translation>Меньше минуты после окончания</translation>
    </message>
    <message>
        <source>%1 since the end</source>
        <comment>the parts</comment>
        <translation>%1 после окончания</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
</context>
<context>
    <name>TCalendarText</name>
    <message>
        <source>this is not a calendar file (iCalendar, .ics)</source>
        <translation>это не файл календаря (iCalendar, .ics)</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; cannot be read: %2</source>
        <translation>не удаётся прочитать событие &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has no start (DTSTART)</source>
        <translation>у события &quot;%1&quot; нет начала (DTSTART)</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; names the unknown time zone %2</source>
        <translation>событие &quot;%1&quot; ссылается на неизвестный часовой пояс %2</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has a %2 line without a moment</source>
        <translation>у события &quot;%1&quot; есть строка %2 без даты и времени</translation>
    </message>
    <message>
        <source>the file is larger than 16 MiB</source>
        <translation>файл больше 16 МиБ</translation>
    </message>
    <message>
        <source>the calendar holds no event</source>
        <translation>в календаре нет ни одного события</translation>
    </message>
    <message>
        <source>the calendar&apos;s repeat rules take too long to work out; pick an event by its UID</source>
        <translation>правила повторения календаря вычисляются слишком долго; выберите событие по его UID</translation>
    </message>
    <message>
        <source>the calendar holds no event with the UID %1</source>
        <translation>в календаре нет события с UID %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
</context>
<context>
    <name>TClockEvent</name>
    <message>
        <source>Clock %1</source>
        <translation>Часы %1</translation>
    </message>
    <message>
        <source>%1 — since %2</source>
        <translation>%1 — с %2</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>The event of clock %1 cannot be worked out (%2): the clock counts to its first moment.</source>
        <translation>Не удаётся вычислить событие часов %1 (%2): часы отсчитывают время до его первого момента.</translation>
    </message>
</context>
<context>
    <name>TClockNotifier</name>
    <message>
        <source>Right-click the clock to choose the moment to count down to.</source>
        <translation>Щёлкните по часам правой кнопкой мыши, чтобы выбрать момент для обратного отсчёта.</translation>
    </message>
    <message>
        <source>%1 — the countdown has ended</source>
        <translation>%1 — обратный отсчёт завершён</translation>
    </message>
    <message>
        <source>The countdown to %1 %2 has ended.</source>
        <translation>Обратный отсчёт завершён: %1, %2.</translation>
    </message>
</context>
<context>
    <name>TClockSettings</name>
    <message>
        <source>Clock %1: %2</source>
        <translation>Часы %1: %2</translation>
    </message>
</context>
<context>
    <name>TClockStore</name>
    <message>
        <source>Korvane5 Clock %1</source>
        <translation>Korvane5 — Часы %1</translation>
    </message>
    <message>
        <source>The start-up entry %1 could not be written: the clock does not start at log-on as chosen.</source>
        <translation>Не удалось записать элемент автозапуска %1: часы не будут запускаться при входе в систему, как было выбрано.</translation>
    </message>
    <message>
        <source>the settings store %1 could not be written: what was changed in this run is not kept (%2)</source>
        <translation>не удалось записать хранилище настроек %1: изменения, сделанные за этот сеанс, не сохранены (%2)</translation>
    </message>
</context>
<context>
    <name>TDateTimePickForm</name>
    <message>
        <source>Choose Date/Time</source>
        <translation>Выбор даты и времени</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>От&amp;мена</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Событие:</translation>
    </message>
    <message>
        <source>Click to get dates...</source>
        <translation>Нажмите, чтобы загрузить даты...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Подключение...</translation>
    </message>
    <message>
        <source>Unrecognized response format!</source>
        <translation>Нераспознанный формат ответа!</translation>
    </message>
    <message>
        <source>Error connecting!</source>
        <translation>Ошибка подключения!</translation>
    </message>
    <message>
        <source>Error downloading!</source>
        <translation>Ошибка загрузки!</translation>
    </message>
</context>
<context>
    <name>TEventCommands</name>
    <message>
        <source>Import Event</source>
        <translation>Импорт события</translation>
    </message>
    <message>
        <source>Calendar files (*.ics);;All files (*)</source>
        <translation>Файлы календаря (*.ics);;Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>TEventForm</name>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Название:</translation>
    </message>
    <message>
        <source>&amp;First moment:</source>
        <translation>Н&amp;ачало:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>&amp;Повтор:</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Дни:</translation>
    </message>
    <message>
        <source>&amp;Ends:</source>
        <translation>О&amp;кончание:</translation>
    </message>
    <message>
        <source>never</source>
        <translation>никогда</translation>
    </message>
    <message>
        <source>on a date</source>
        <translation>в указанную дату</translation>
    </message>
    <message>
        <source>after a number of times</source>
        <translation>после заданного числа повторений</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>&amp;Часовой пояс:</translation>
    </message>
    <message>
        <source>&amp;After the end:</source>
        <translation>По&amp;сле окончания:</translation>
    </message>
    <message>
        <source>Count to the last pick of the date/time dialog</source>
        <translation>Отсчёт до последнего выбора в окне даты и времени</translation>
    </message>
    <message>
        <source>Count up (time since)</source>
        <translation>Прямой отсчёт (сколько прошло)</translation>
    </message>
    <message>
        <source>Count to the next occurrence</source>
        <translation>Отсчёт до следующего повторения</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>От&amp;мена</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Местное время</translation>
    </message>
</context>
<context>
    <name>TEventWords</name>
    <message>
        <source>does not repeat</source>
        <translation>не повторяется</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>особое правило</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>каждый год</translation>
    </message>
    <message>
        <source>every month on the same day</source>
        <translation>каждый месяц в тот же день</translation>
    </message>
    <message>
        <source>last</source>
        <translation>последней</translation>
    </message>
    <message>
        <source>first</source>
        <translation>первой</translation>
    </message>
    <message>
        <source>second</source>
        <translation>второй</translation>
    </message>
    <message>
        <source>third</source>
        <translation>третьей</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>четвёртой</translation>
    </message>
    <message>
        <source>every month on the %1 %2</source>
        <extracomment>%1 is &quot;first&quot; to &quot;fourth&quot; or &quot;last&quot;, %2 a weekday: &quot;every month on the second Tuesday&quot;</extracomment>
        <translation>каждый месяц: %2 %1 недели</translation>
    </message>
    <message>
        <source>every week on %1</source>
        <translation>каждую неделю: %1</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>каждый день</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1, до %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n time(s)</source>
        <translation>
            <numerusform>%1, %n раз</numerusform>
            <numerusform>%1, %n раза</numerusform>
            <numerusform>%1, %n раз</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TImportEventForm</name>
    <message>
        <source>Import Event</source>
        <translation>Импорт события</translation>
    </message>
    <message>
        <source>&amp;Events of the calendar:</source>
        <translation>&amp;События календаря:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Ближайшее</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>От&amp;мена</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(без названия)</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Select &amp;Clock</source>
        <translation>Выбрать &amp;часы</translation>
    </message>
    <message>
        <source>Choose &amp;Date/Time...</source>
        <translation>Выбрать &amp;дату и время...</translation>
    </message>
    <message>
        <source>Choose &amp;Skin...</source>
        <translation>Выбрать об&amp;ложку...</translation>
    </message>
    <message>
        <source>R&amp;andom Skin Change Time</source>
        <translation>&amp;Интервал случайной смены обложки</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n Minutes</source>
        <translation>
            <numerusform>&amp;%n минута</numerusform>
            <numerusform>&amp;%n минуты</numerusform>
            <numerusform>&amp;%n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Opacity</source>
        <translation>&amp;Непрозрачность</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n Percent</source>
        <translation>
            <numerusform>&amp;%n процент</numerusform>
            <numerusform>&amp;%n процента</numerusform>
            <numerusform>&amp;%n процентов</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Run This Clock At Startup</source>
        <translation>&amp;Запускать эти часы при входе в систему</translation>
    </message>
    <message>
        <source>S&amp;tick To Desktop</source>
        <translation>Закрепить на &amp;рабочем столе</translation>
    </message>
    <message>
        <source>A&amp;lways On Top</source>
        <translation>&amp;Поверх всех окон</translation>
    </message>
    <message>
        <source>&amp;Hide Tray Icon</source>
        <translation>&amp;Скрыть значок в области уведомлений</translation>
    </message>
    <message>
        <source>A&amp;bout...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Korvane5, Clock %1</source>
        <translation>Korvane5, Часы %1</translation>
    </message>
    <message>
        <source>L&amp;et Clicks Through</source>
        <translation>Пропускать &amp;щелчки</translation>
    </message>
    <message>
        <source>E&amp;vent...</source>
        <translation>Со&amp;бытие...</translation>
    </message>
    <message>
        <source>&amp;Import Event...</source>
        <translation>И&amp;мпортировать событие...</translation>
    </message>
</context>
<context>
    <name>TRegistry</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Недопустимый тип данных для «%1»</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Не удалось получить данные для «%1»</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Не удалось записать данные для «%1»</translation>
    </message>
</context>
<context>
    <name>TScheduleText</name>
    <message>
        <source>the repeat rule has more than %1 moments before the one asked for; the clock cannot follow it</source>
        <translation>у правила повторения больше %1 повторений до запрошенного; часы не могут следовать ему</translation>
    </message>
    <message>
        <source>the repeat rule %1 has no moment within %2 of its steps; the clock cannot follow it</source>
        <translation>у правила повторения %1 нет ни одного повторения за %2 шагов; часы не могут следовать ему</translation>
    </message>
    <message>
        <source>a repeat rule holds RRULE, EXDATE and RDATE lines and time zones, not %1</source>
        <translation>правило повторения содержит строки RRULE, EXDATE и RDATE и часовые пояса, а не %1</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule nests too deep</source>
        <translation>часовой пояс в правиле повторения вложен слишком глубоко</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule has no end</source>
        <translation>у часового пояса в правиле повторения нет конца</translation>
    </message>
    <message>
        <source>unknown time zone %1</source>
        <translation>неизвестный часовой пояс %1</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read</source>
        <translation>не удаётся прочитать правило повторения</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read: %1</source>
        <translation>не удаётся прочитать правило повторения: %1</translation>
    </message>
    <message>
        <source>the first moment is no date</source>
        <translation>первый момент не является датой</translation>
    </message>
    <message>
        <source>a repeat rule needs FREQ</source>
        <translation>правилу повторения нужен FREQ</translation>
    </message>
    <message>
        <source>libical cannot repeat by %1</source>
        <translation>libical не умеет повторять по %1</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <source>The settings store %1 can only be read (%2): what you change is not kept.</source>
        <translation>Хранилище настроек %1 доступно только для чтения (%2): изменения не будут сохранены.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be opened (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>Не удалось открыть хранилище настроек %1 (%2). Часы используют значения по умолчанию и не перезаписывают то, что не удалось прочитать.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read. It was kept as %2 and a fresh store was started.</source>
        <translation>Не удалось прочитать хранилище настроек %1. Оно сохранено как %2, и создано новое хранилище.</translation>
    </message>
    <message>
        <source>The settings store %1 cannot be written (%2): what you change is not kept.</source>
        <translation>Запись в хранилище настроек %1 невозможна (%2): изменения не будут сохранены.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>Не удалось прочитать хранилище настроек %1 (%2). Часы используют значения по умолчанию и не перезаписывают то, что не удалось прочитать.</translation>
    </message>
</context>
<context>
    <name>TSettingsTool</name>
    <message>
        <source>set needs exactly one of --dword, --binary, --string</source>
        <translation>для set нужен ровно один из параметров --dword, --binary, --string</translation>
    </message>
    <message>
        <source>--dword takes a 32-bit number, decimal or 0x hexadecimal</source>
        <translation>--dword принимает 32-битное число, десятичное или шестнадцатеричное с префиксом 0x</translation>
    </message>
    <message>
        <source>--binary takes pairs of hexadecimal digits</source>
        <translation>--binary принимает пары шестнадцатеричных цифр</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>export takes at most one key</source>
        <translation>export принимает не более одного ключа</translation>
    </message>
    <message>
        <source>only keys of HKEY_CURRENT_USER are kept here</source>
        <translation>здесь хранятся только ключи HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>no key %1</source>
        <translation>нет ключа %1</translation>
    </message>
    <message>
        <source>import takes one file</source>
        <translation>import принимает один файл</translation>
    </message>
    <message>
        <source>cannot read %1: %2 (nothing was changed)</source>
        <translation>не удаётся прочитать %1: %2 (ничего не изменено)</translation>
    </message>
    <message>
        <source> (nothing was changed)</source>
        <translation> (ничего не изменено)</translation>
    </message>
    <message>
        <source>get takes a key and a value name</source>
        <translation>get принимает ключ и имя значения</translation>
    </message>
    <message>
        <source>no value %1 in %2</source>
        <translation>нет значения %1 в %2</translation>
    </message>
    <message>
        <source>set takes a key, a value name and the data</source>
        <translation>set принимает ключ, имя значения и данные</translation>
    </message>
    <message>
        <source>delete takes a key and at most one value name</source>
        <translation>delete принимает ключ и не более одного имени значения</translation>
    </message>
    <message>
        <source>the whole store cannot be deleted</source>
        <translation>нельзя удалить всё хранилище целиком</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>неизвестная команда %1</translation>
    </message>
    <message>
        <source>%1 needs a key</source>
        <translation>для %1 нужен ключ</translation>
    </message>
    <message>
        <source>a key name cannot hold line breaks or other control characters</source>
        <translation>имя ключа не может содержать переводы строк и другие управляющие символы</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>не указана команда</translation>
    </message>
    <message>
        <source>the settings store %1 can only be read (%2); nothing was changed</source>
        <translation>хранилище настроек %1 доступно только для чтения (%2); ничего не изменено</translation>
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
        <translation>использование: korvane5-settings export [KEY]
               korvane5-settings import FILE          (- читает стандартный ввод)
               korvane5-settings get KEY NAME
               korvane5-settings set KEY NAME --dword N | --binary HEX | --string TEXT
               korvane5-settings delete KEY [NAME]
               korvane5-settings event N
               korvane5-settings occurrences N [--from &quot;YYYY-MM-DD HH:MM:SS&quot;] [--count K]
               korvane5-settings import-event N FILE.ics [--uid UID]
               korvane5-settings --help | --version
Просматривает и исправляет настройки часов Korvane5 ($XDG_CONFIG_HOME/korvane5/
settings.db) в текстовом формате экспорта реестра.
KEY — путь вида Software\Korvane5\0\ (префикс HKEY_CURRENT_USER\ допускается).
NAME @ обозначает безымянное значение ключа. N — номер часов, от 0 до 4.
</translation>
    </message>
    <message>
        <source>event takes a clock number, 0 to 4</source>
        <translation>event принимает номер часов, от 0 до 4</translation>
    </message>
    <message>
        <source>occurrences takes a clock number, 0 to 4</source>
        <translation>occurrences принимает номер часов, от 0 до 4</translation>
    </message>
    <message>
        <source>--from takes a local time as &quot;YYYY-MM-DD HH:MM:SS&quot;</source>
        <translation>--from принимает местное время в виде &quot;YYYY-MM-DD HH:MM:SS&quot;</translation>
    </message>
    <message>
        <source>--count takes a number from 1 to 100000</source>
        <translation>--count принимает число от 1 до 100000</translation>
    </message>
    <message>
        <source>occurrences takes --from and --count</source>
        <translation>occurrences принимает --from и --count</translation>
    </message>
    <message>
        <source>import-event takes a clock number, 0 to 4, a file and --uid UID</source>
        <translation>import-event принимает номер часов, от 0 до 4, файл и --uid UID</translation>
    </message>
</context>
<context>
    <name>TSkinChooserForm</name>
    <message>
        <source>Choose Skin</source>
        <translation>Выбор обложки</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>От&amp;мена</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>О&amp;бновить</translation>
    </message>
    <message>
        <source>Get &amp;Skins...</source>
        <translation>&amp;Загрузить обложки...</translation>
    </message>
    <message>
        <source>Error searching for skins.</source>
        <translation>Ошибка при поиске обложек.</translation>
    </message>
</context>
<context>
    <name>TTrayIcon</name>
    <message>
        <source>Cannot Create System Shell Notification Icon</source>
        <translation>Не удалось создать значок в области уведомлений</translation>
    </message>
    <message>
        <source>Cannot Remove System Shell Notification Icon</source>
        <translation>Не удалось удалить значок из области уведомлений</translation>
    </message>
</context>
<context>
    <name>regfile</name>
    <message>
        <source>unterminated string</source>
        <translation>незавершённая строка</translation>
    </message>
    <message>
        <source>a dword needs 1 to 8 hexadecimal digits</source>
        <translation>для dword нужно от 1 до 8 шестнадцатеричных цифр</translation>
    </message>
    <message>
        <source>hex data needs a colon</source>
        <translation>для данных hex нужно двоеточие</translation>
    </message>
    <message>
        <source>unknown value type &quot;%1&quot;</source>
        <translation>неизвестный тип значения &quot;%1&quot;</translation>
    </message>
    <message>
        <source>hex data must be bytes of two hexadecimal digits</source>
        <translation>данные hex должны состоять из байтов по две шестнадцатеричные цифры</translation>
    </message>
    <message>
        <source>unknown value data &quot;%1&quot;</source>
        <translation>неизвестные данные значения &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a key line must end with &quot;]&quot;</source>
        <translation>строка ключа должна заканчиваться символом &quot;]&quot;</translation>
    </message>
    <message>
        <source>only keys below HKEY_CURRENT_USER can be imported</source>
        <translation>импортировать можно только ключи внутри HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>a key name cannot hold control characters</source>
        <translation>имя ключа не может содержать управляющие символы</translation>
    </message>
    <message>
        <source>the whole hive cannot be deleted</source>
        <translation>нельзя удалить куст реестра целиком</translation>
    </message>
    <message>
        <source>expected a key in brackets or a value name in double quotes</source>
        <translation>ожидался ключ в квадратных скобках или имя значения в двойных кавычках</translation>
    </message>
    <message>
        <source>expected &quot;=&quot; after the value name</source>
        <translation>после имени значения ожидался &quot;=&quot;</translation>
    </message>
    <message>
        <source>a value must follow a key line</source>
        <translation>значение должно следовать за строкой ключа</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>файл пуст</translation>
    </message>
    <message>
        <source>not a registry export: the first line must be &quot;%1&quot; or &quot;%2&quot;</source>
        <translation>это не файл экспорта реестра: первая строка должна быть &quot;%1&quot; или &quot;%2&quot;</translation>
    </message>
</context>
</TS>
