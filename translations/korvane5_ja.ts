<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Countdown</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n 日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n 時間</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>残り 1 分未満</translation>
    </message>
    <message>
        <source>The countdown has ended.</source>
        <translation>カウントダウンが終了しました。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of the parts</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the other parts</comment>
        <translation> </translation>
    </message>
    <message>
        <source>%1 left</source>
        <comment>the parts</comment>
        <translation>残り %1</translation>
    </message>
    <message>
        <source>Less than a minute since the end</source>
        <translation>終了から 1 分未満</translation>
    </message>
    <message>
        <source>%1 since the end</source>
        <comment>the parts</comment>
        <translation>終了から %1</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
</context>
<context>
    <name>TCalendarText</name>
    <message>
        <source>this is not a calendar file (iCalendar, .ics)</source>
        <translation>カレンダー ファイル (iCalendar、.ics) ではありません</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; cannot be read: %2</source>
        <translation>イベント &quot;%1&quot; を読み取れません: %2</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has no start (DTSTART)</source>
        <translation>イベント &quot;%1&quot; に開始日時 (DTSTART) がありません</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; names the unknown time zone %2</source>
        <translation>イベント &quot;%1&quot; に不明なタイム ゾーン %2 が指定されています</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has a %2 line without a moment</source>
        <translation>イベント &quot;%1&quot; に日時のない %2 行があります</translation>
    </message>
    <message>
        <source>the file is larger than 16 MiB</source>
        <translation>ファイルが 16 MiB を超えています</translation>
    </message>
    <message>
        <source>the calendar holds no event</source>
        <translation>カレンダーにイベントがありません</translation>
    </message>
    <message>
        <source>the calendar&apos;s repeat rules take too long to work out; pick an event by its UID</source>
        <translation>カレンダーの繰り返しルールの計算に時間がかかりすぎます。UID でイベントを選択してください</translation>
    </message>
    <message>
        <source>the calendar holds no event with the UID %1</source>
        <translation>カレンダーに UID %1 のイベントがありません</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読み取れません: %2</translation>
    </message>
</context>
<context>
    <name>TClockEvent</name>
    <message>
        <source>Clock %1</source>
        <translation>時計 %1</translation>
    </message>
    <message>
        <source>%1 — since %2</source>
        <translation>%1 — %2 から</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>The event of clock %1 cannot be worked out (%2): the clock counts to its first moment.</source>
        <translation>時計 %1 のイベントを計算できません（%2）。時計は最初の日時までカウントします。</translation>
    </message>
</context>
<context>
    <name>TClockNotifier</name>
    <message>
        <source>Right-click the clock to choose the moment to count down to.</source>
        <translation>時計を右クリックして、カウントダウンする日時を選択してください。</translation>
    </message>
    <message>
        <source>%1 — the countdown has ended</source>
        <translation>%1 — カウントダウンが終了しました</translation>
    </message>
    <message>
        <source>The countdown to %1 %2 has ended.</source>
        <translation>%1 %2 までのカウントダウンが終了しました。</translation>
    </message>
</context>
<context>
    <name>TClockSettings</name>
    <message>
        <source>Clock %1: %2</source>
        <translation>時計 %1: %2</translation>
    </message>
</context>
<context>
    <name>TClockStore</name>
    <message>
        <source>Korvane5 Clock %1</source>
        <translation>Korvane5 時計 %1</translation>
    </message>
    <message>
        <source>The start-up entry %1 could not be written: the clock does not start at log-on as chosen.</source>
        <translation>スタートアップ項目 %1 を書き込めませんでした。選択したとおりにログイン時に時計が起動しません。</translation>
    </message>
    <message>
        <source>the settings store %1 could not be written: what was changed in this run is not kept (%2)</source>
        <translation>設定ファイル %1 に書き込めませんでした。今回の変更は保持されません (%2)</translation>
    </message>
</context>
<context>
    <name>TDateTimePickForm</name>
    <message>
        <source>Choose Date/Time</source>
        <translation>日付と時刻の選択</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>時刻:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>プリセット:</translation>
    </message>
    <message>
        <source>Click to get dates...</source>
        <translation>クリックして日付を取得...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>接続中...</translation>
    </message>
    <message>
        <source>Unrecognized response format!</source>
        <translation>応答の形式を認識できません</translation>
    </message>
    <message>
        <source>Error connecting!</source>
        <translation>接続エラー</translation>
    </message>
    <message>
        <source>Error downloading!</source>
        <translation>ダウンロードエラー</translation>
    </message>
</context>
<context>
    <name>TEventCommands</name>
    <message>
        <source>Import Event</source>
        <translation>イベントのインポート</translation>
    </message>
    <message>
        <source>Calendar files (*.ics);;All files (*)</source>
        <translation>カレンダー ファイル (*.ics);;すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>TEventForm</name>
    <message>
        <source>Event</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;First moment:</source>
        <translation>最初の日時(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>繰り返し(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>曜日(&amp;D):</translation>
    </message>
    <message>
        <source>&amp;Ends:</source>
        <translation>終了(&amp;E):</translation>
    </message>
    <message>
        <source>never</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>on a date</source>
        <translation>指定日</translation>
    </message>
    <message>
        <source>after a number of times</source>
        <translation>指定回数の後</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>タイム ゾーン(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;After the end:</source>
        <translation>終了後(&amp;A):</translation>
    </message>
    <message>
        <source>Count to the last pick of the date/time dialog</source>
        <translation>日付と時刻ダイアログで最後に選んだ日時までカウント</translation>
    </message>
    <message>
        <source>Count up (time since)</source>
        <translation>カウントアップ (経過時間)</translation>
    </message>
    <message>
        <source>Count to the next occurrence</source>
        <translation>次の回までカウント</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>ローカル時刻</translation>
    </message>
</context>
<context>
    <name>TEventWords</name>
    <message>
        <source>does not repeat</source>
        <translation>繰り返さない</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>毎年</translation>
    </message>
    <message>
        <source>every month on the same day</source>
        <translation>毎月同じ日</translation>
    </message>
    <message>
        <source>last</source>
        <translation>最終</translation>
    </message>
    <message>
        <source>first</source>
        <translation>第1</translation>
    </message>
    <message>
        <source>second</source>
        <translation>第2</translation>
    </message>
    <message>
        <source>third</source>
        <translation>第3</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>第4</translation>
    </message>
    <message>
        <source>every month on the %1 %2</source>
        <extracomment>%1 is &quot;first&quot; to &quot;fourth&quot; or &quot;last&quot;, %2 a weekday: &quot;every month on the second Tuesday&quot;</extracomment>
        <translation>毎月%1%2</translation>
    </message>
    <message>
        <source>every week on %1</source>
        <translation>毎週 %1</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1、%2 まで</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n time(s)</source>
        <translation>
            <numerusform>%1、%n 回</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TImportEventForm</name>
    <message>
        <source>Import Event</source>
        <translation>イベントのインポート</translation>
    </message>
    <message>
        <source>&amp;Events of the calendar:</source>
        <translation>カレンダーのイベント(&amp;E):</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次回</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(名前なし)</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Select &amp;Clock</source>
        <translation>時計を選択(&amp;C)</translation>
    </message>
    <message>
        <source>Choose &amp;Date/Time...</source>
        <translation>日付と時刻を選択(&amp;D)...</translation>
    </message>
    <message>
        <source>Choose &amp;Skin...</source>
        <translation>スキンを選択(&amp;S)...</translation>
    </message>
    <message>
        <source>R&amp;andom Skin Change Time</source>
        <translation>スキンのランダム変更間隔(&amp;A)</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n Minutes</source>
        <translation>
            <numerusform>&amp;%n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Opacity</source>
        <translation>不透明度(&amp;O)</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n Percent</source>
        <translation>
            <numerusform>&amp;%n%</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Run This Clock At Startup</source>
        <translation>ログイン時にこの時計を起動(&amp;R)</translation>
    </message>
    <message>
        <source>S&amp;tick To Desktop</source>
        <translation>デスクトップに固定(&amp;T)</translation>
    </message>
    <message>
        <source>A&amp;lways On Top</source>
        <translation>常に手前に表示(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Hide Tray Icon</source>
        <translation>トレイアイコンを隠す(&amp;H)</translation>
    </message>
    <message>
        <source>A&amp;bout...</source>
        <translation>バージョン情報(&amp;B)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Korvane5, Clock %1</source>
        <translation>Korvane5 - 時計 %1</translation>
    </message>
    <message>
        <source>L&amp;et Clicks Through</source>
        <translation>クリックを透過(&amp;E)</translation>
    </message>
    <message>
        <source>E&amp;vent...</source>
        <translation>イベント(&amp;V)...</translation>
    </message>
    <message>
        <source>&amp;Import Event...</source>
        <translation>イベントのインポート(&amp;I)...</translation>
    </message>
</context>
<context>
    <name>TRegistry</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>「%1」のデータ型が無効です</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>「%1」のデータを取得できませんでした</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>「%1」のデータを設定できませんでした</translation>
    </message>
</context>
<context>
    <name>TScheduleText</name>
    <message>
        <source>the repeat rule has more than %1 moments before the one asked for; the clock cannot follow it</source>
        <translation>繰り返しルールで、求める日時の前に %1 回を超える日時があります。時計はこのルールに従えません</translation>
    </message>
    <message>
        <source>the repeat rule %1 has no moment within %2 of its steps; the clock cannot follow it</source>
        <translation>繰り返しルール %1 には %2 ステップ以内に日時がありません。時計はこのルールに従えません</translation>
    </message>
    <message>
        <source>a repeat rule holds RRULE, EXDATE and RDATE lines and time zones, not %1</source>
        <translation>繰り返しルールに含められるのは RRULE、EXDATE、RDATE 行とタイム ゾーンで、%1 は含められません</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule nests too deep</source>
        <translation>繰り返しルール内のタイム ゾーンの入れ子が深すぎます</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule has no end</source>
        <translation>繰り返しルール内のタイム ゾーンに終わりがありません</translation>
    </message>
    <message>
        <source>unknown time zone %1</source>
        <translation>不明なタイム ゾーン %1</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read</source>
        <translation>繰り返しルールを読み取れません</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read: %1</source>
        <translation>繰り返しルールを読み取れません: %1</translation>
    </message>
    <message>
        <source>the first moment is no date</source>
        <translation>最初の日時が日付ではありません</translation>
    </message>
    <message>
        <source>a repeat rule needs FREQ</source>
        <translation>繰り返しルールには FREQ が必要です</translation>
    </message>
    <message>
        <source>libical cannot repeat by %1</source>
        <translation>libical は %1 による繰り返しに対応していません</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <source>The settings store %1 can only be read (%2): what you change is not kept.</source>
        <translation>設定ファイル %1 は読み取り専用です (%2)。変更内容は保存されません。</translation>
    </message>
    <message>
        <source>The settings store %1 could not be opened (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>設定ファイル %1 を開けませんでした (%2)。時計は既定の設定で表示され、読み取れなかった内容は上書きされません。</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read. It was kept as %2 and a fresh store was started.</source>
        <translation>設定ファイル %1 を読み取れませんでした。元のファイルは %2 として保存され、新しい設定ファイルが作成されました。</translation>
    </message>
    <message>
        <source>The settings store %1 cannot be written (%2): what you change is not kept.</source>
        <translation>設定ファイル %1 に書き込めません (%2)。変更内容は保存されません。</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>設定ファイル %1 を読み取れませんでした (%2)。時計は既定の設定で表示され、読み取れなかった内容は上書きされません。</translation>
    </message>
</context>
<context>
    <name>TSettingsTool</name>
    <message>
        <source>set needs exactly one of --dword, --binary, --string</source>
        <translation>set には --dword、--binary、--string のいずれか 1 つだけを指定してください</translation>
    </message>
    <message>
        <source>--dword takes a 32-bit number, decimal or 0x hexadecimal</source>
        <translation>--dword には 32 ビットの数値 (10 進数、または 0x で始まる 16 進数) を指定します</translation>
    </message>
    <message>
        <source>--binary takes pairs of hexadecimal digits</source>
        <translation>--binary には 2 桁ずつの 16 進数を指定します</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>export takes at most one key</source>
        <translation>export に指定できるキーは 1 つまでです</translation>
    </message>
    <message>
        <source>only keys of HKEY_CURRENT_USER are kept here</source>
        <translation>ここで扱えるのは HKEY_CURRENT_USER のキーだけです</translation>
    </message>
    <message>
        <source>no key %1</source>
        <translation>キー %1 がありません</translation>
    </message>
    <message>
        <source>import takes one file</source>
        <translation>import にはファイルを 1 つ指定します</translation>
    </message>
    <message>
        <source>cannot read %1: %2 (nothing was changed)</source>
        <translation>%1 を読み取れません: %2 (何も変更されていません)</translation>
    </message>
    <message>
        <source> (nothing was changed)</source>
        <translation> (何も変更されていません)</translation>
    </message>
    <message>
        <source>get takes a key and a value name</source>
        <translation>get にはキーと値の名前を指定します</translation>
    </message>
    <message>
        <source>no value %1 in %2</source>
        <translation>%2 に値 %1 がありません</translation>
    </message>
    <message>
        <source>set takes a key, a value name and the data</source>
        <translation>set にはキー、値の名前、データを指定します</translation>
    </message>
    <message>
        <source>delete takes a key and at most one value name</source>
        <translation>delete にはキーと、最大 1 つの値の名前を指定します</translation>
    </message>
    <message>
        <source>the whole store cannot be deleted</source>
        <translation>設定全体を削除することはできません</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>不明なコマンド %1</translation>
    </message>
    <message>
        <source>%1 needs a key</source>
        <translation>%1 にはキーが必要です</translation>
    </message>
    <message>
        <source>a key name cannot hold line breaks or other control characters</source>
        <translation>キー名に改行やその他の制御文字を含めることはできません</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>コマンドが指定されていません</translation>
    </message>
    <message>
        <source>the settings store %1 can only be read (%2); nothing was changed</source>
        <translation>設定ファイル %1 は読み取り専用です (%2)。何も変更されていません</translation>
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
        <translation>使用法: korvane5-settings export [KEY]
        korvane5-settings import FILE          (- は標準入力から読み込み)
        korvane5-settings get KEY NAME
        korvane5-settings set KEY NAME --dword N | --binary HEX | --string TEXT
        korvane5-settings delete KEY [NAME]
        korvane5-settings event N
        korvane5-settings occurrences N [--from &quot;YYYY-MM-DD HH:MM:SS&quot;] [--count K]
        korvane5-settings import-event N FILE.ics [--uid UID]
        korvane5-settings --help | --version
Korvane5 の時計の設定 ($XDG_CONFIG_HOME/korvane5/
settings.db) を、レジストリ エクスポートのテキスト形式で参照・修復します。
KEY は Software\Korvane5\0\ のようなパスです (先頭に HKEY_CURRENT_USER\ を付けてもかまいません)。
NAME に @ を指定すると、キーの名前のない値を表します。N は時計の番号 (0 ～ 4) です。
</translation>
    </message>
    <message>
        <source>event takes a clock number, 0 to 4</source>
        <translation>event には時計の番号 (0 ～ 4) を指定します</translation>
    </message>
    <message>
        <source>occurrences takes a clock number, 0 to 4</source>
        <translation>occurrences には時計の番号 (0 ～ 4) を指定します</translation>
    </message>
    <message>
        <source>--from takes a local time as &quot;YYYY-MM-DD HH:MM:SS&quot;</source>
        <translation>--from にはローカル時刻を &quot;YYYY-MM-DD HH:MM:SS&quot; の形式で指定します</translation>
    </message>
    <message>
        <source>--count takes a number from 1 to 100000</source>
        <translation>--count には 1 ～ 100000 の数値を指定します</translation>
    </message>
    <message>
        <source>occurrences takes --from and --count</source>
        <translation>occurrences に指定できるのは --from と --count です</translation>
    </message>
    <message>
        <source>import-event takes a clock number, 0 to 4, a file and --uid UID</source>
        <translation>import-event には時計の番号 (0 ～ 4)、ファイル、--uid UID を指定します</translation>
    </message>
</context>
<context>
    <name>TSkinChooserForm</name>
    <message>
        <source>Choose Skin</source>
        <translation>スキンの選択</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>更新(&amp;R)</translation>
    </message>
    <message>
        <source>Get &amp;Skins...</source>
        <translation>スキンを入手(&amp;S)...</translation>
    </message>
    <message>
        <source>Error searching for skins.</source>
        <translation>スキンの検索中にエラーが発生しました。</translation>
    </message>
</context>
<context>
    <name>TTrayIcon</name>
    <message>
        <source>Cannot Create System Shell Notification Icon</source>
        <translation>通知領域にアイコンを作成できません</translation>
    </message>
    <message>
        <source>Cannot Remove System Shell Notification Icon</source>
        <translation>通知領域からアイコンを削除できません</translation>
    </message>
</context>
<context>
    <name>regfile</name>
    <message>
        <source>unterminated string</source>
        <translation>文字列が閉じられていません</translation>
    </message>
    <message>
        <source>a dword needs 1 to 8 hexadecimal digits</source>
        <translation>dword には 1～8 桁の 16 進数が必要です</translation>
    </message>
    <message>
        <source>hex data needs a colon</source>
        <translation>hex データにはコロンが必要です</translation>
    </message>
    <message>
        <source>unknown value type &quot;%1&quot;</source>
        <translation>不明な値の型 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>hex data must be bytes of two hexadecimal digits</source>
        <translation>hex データは 2 桁の 16 進数で表したバイトの並びでなければなりません</translation>
    </message>
    <message>
        <source>unknown value data &quot;%1&quot;</source>
        <translation>不明な値のデータ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a key line must end with &quot;]&quot;</source>
        <translation>キーの行は &quot;]&quot; で終わる必要があります</translation>
    </message>
    <message>
        <source>only keys below HKEY_CURRENT_USER can be imported</source>
        <translation>インポートできるのは HKEY_CURRENT_USER 以下のキーだけです</translation>
    </message>
    <message>
        <source>a key name cannot hold control characters</source>
        <translation>キー名に制御文字を含めることはできません</translation>
    </message>
    <message>
        <source>the whole hive cannot be deleted</source>
        <translation>ハイブ全体を削除することはできません</translation>
    </message>
    <message>
        <source>expected a key in brackets or a value name in double quotes</source>
        <translation>角かっこで囲んだキー、または二重引用符で囲んだ値の名前が必要です</translation>
    </message>
    <message>
        <source>expected &quot;=&quot; after the value name</source>
        <translation>値の名前の後に &quot;=&quot; が必要です</translation>
    </message>
    <message>
        <source>a value must follow a key line</source>
        <translation>値はキーの行の後に置く必要があります</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>not a registry export: the first line must be &quot;%1&quot; or &quot;%2&quot;</source>
        <translation>レジストリのエクスポート ファイルではありません: 最初の行は &quot;%1&quot; または &quot;%2&quot; である必要があります</translation>
    </message>
</context>
</TS>
