<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Countdown</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n 小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>还剩不到一分钟</translation>
    </message>
    <message>
        <source>The countdown has ended.</source>
        <translation>倒计时已结束。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of the parts</comment>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the other parts</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 left</source>
        <comment>the parts</comment>
        <translation>还剩 %1</translation>
    </message>
    <message>
        <source>Less than a minute since the end</source>
        <translation>结束已不到一分钟</translation>
    </message>
    <message>
        <source>%1 since the end</source>
        <comment>the parts</comment>
        <translation>已结束 %1</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
</context>
<context>
    <name>TCalendarText</name>
    <message>
        <source>this is not a calendar file (iCalendar, .ics)</source>
        <translation>这不是日历文件（iCalendar，.ics）</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取事件 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has no start (DTSTART)</source>
        <translation>事件 &quot;%1&quot; 没有开始时间（DTSTART）</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; names the unknown time zone %2</source>
        <translation>事件 &quot;%1&quot; 使用了未知的时区 %2</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has a %2 line without a moment</source>
        <translation>事件 &quot;%1&quot; 有一行 %2 没有时间</translation>
    </message>
    <message>
        <source>the file is larger than 16 MiB</source>
        <translation>文件大于 16 MiB</translation>
    </message>
    <message>
        <source>the calendar holds no event</source>
        <translation>日历中没有任何事件</translation>
    </message>
    <message>
        <source>the calendar&apos;s repeat rules take too long to work out; pick an event by its UID</source>
        <translation>计算日历的重复规则耗时过长；请按 UID 选择事件</translation>
    </message>
    <message>
        <source>the calendar holds no event with the UID %1</source>
        <translation>日历中没有 UID 为 %1 的事件</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
</context>
<context>
    <name>TClockEvent</name>
    <message>
        <source>Clock %1</source>
        <translation>时钟 %1</translation>
    </message>
    <message>
        <source>%1 — since %2</source>
        <translation>%1 — 自 %2 起</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>The event of clock %1 cannot be worked out (%2): the clock counts to its first moment.</source>
        <translation>无法计算时钟 %1 的事件（%2）：时钟将倒数到其首次时间。</translation>
    </message>
</context>
<context>
    <name>TClockNotifier</name>
    <message>
        <source>Right-click the clock to choose the moment to count down to.</source>
        <translation>右键单击时钟，选择要倒计时的目标时刻。</translation>
    </message>
    <message>
        <source>%1 — the countdown has ended</source>
        <translation>%1 — 倒计时已结束</translation>
    </message>
    <message>
        <source>The countdown to %1 %2 has ended.</source>
        <translation>距 %1 %2 的倒计时已结束。</translation>
    </message>
</context>
<context>
    <name>TClockSettings</name>
    <message>
        <source>Clock %1: %2</source>
        <translation>时钟 %1：%2</translation>
    </message>
</context>
<context>
    <name>TClockStore</name>
    <message>
        <source>Korvane5 Clock %1</source>
        <translation>Korvane5 时钟 %1</translation>
    </message>
    <message>
        <source>The start-up entry %1 could not be written: the clock does not start at log-on as chosen.</source>
        <translation>无法写入启动项 %1：时钟不会按所选在登录时启动。</translation>
    </message>
    <message>
        <source>the settings store %1 could not be written: what was changed in this run is not kept (%2)</source>
        <translation>无法写入设置存储 %1：本次运行中的更改不会保留（%2）</translation>
    </message>
</context>
<context>
    <name>TDateTimePickForm</name>
    <message>
        <source>Choose Date/Time</source>
        <translation>选择日期/时间</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>时间：</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>预设：</translation>
    </message>
    <message>
        <source>Click to get dates...</source>
        <translation>点击获取日期...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>Unrecognized response format!</source>
        <translation>无法识别的响应格式！</translation>
    </message>
    <message>
        <source>Error connecting!</source>
        <translation>连接出错！</translation>
    </message>
    <message>
        <source>Error downloading!</source>
        <translation>下载出错！</translation>
    </message>
</context>
<context>
    <name>TEventCommands</name>
    <message>
        <source>Import Event</source>
        <translation>导入事件</translation>
    </message>
    <message>
        <source>Calendar files (*.ics);;All files (*)</source>
        <translation>日历文件 (*.ics);;所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>TEventForm</name>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名称(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;First moment:</source>
        <translation>首次时间(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>重复(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>星期(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;Ends:</source>
        <translation>结束(&amp;E)：</translation>
    </message>
    <message>
        <source>never</source>
        <translation>从不</translation>
    </message>
    <message>
        <source>on a date</source>
        <translation>于指定日期</translation>
    </message>
    <message>
        <source>after a number of times</source>
        <translation>重复指定次数后</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>时区(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;After the end:</source>
        <translation>结束后(&amp;A)：</translation>
    </message>
    <message>
        <source>Count to the last pick of the date/time dialog</source>
        <translation>倒计时到日期/时间对话框中最后选择的时间</translation>
    </message>
    <message>
        <source>Count up (time since)</source>
        <translation>正计时（已过去的时间）</translation>
    </message>
    <message>
        <source>Count to the next occurrence</source>
        <translation>倒计时到下一次</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>本地时间</translation>
    </message>
</context>
<context>
    <name>TEventWords</name>
    <message>
        <source>does not repeat</source>
        <translation>不重复</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>每年</translation>
    </message>
    <message>
        <source>every month on the same day</source>
        <translation>每月同一天</translation>
    </message>
    <message>
        <source>last</source>
        <translation>最后一个</translation>
    </message>
    <message>
        <source>first</source>
        <translation>第一个</translation>
    </message>
    <message>
        <source>second</source>
        <translation>第二个</translation>
    </message>
    <message>
        <source>third</source>
        <translation>第三个</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>第四个</translation>
    </message>
    <message>
        <source>every month on the %1 %2</source>
        <extracomment>%1 is &quot;first&quot; to &quot;fourth&quot; or &quot;last&quot;, %2 a weekday: &quot;every month on the second Tuesday&quot;</extracomment>
        <translation>每月%1%2</translation>
    </message>
    <message>
        <source>every week on %1</source>
        <translation>每周%1</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1，直到 %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n time(s)</source>
        <translation>
            <numerusform>%1，共 %n 次</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TImportEventForm</name>
    <message>
        <source>Import Event</source>
        <translation>导入事件</translation>
    </message>
    <message>
        <source>&amp;Events of the calendar:</source>
        <translation>日历中的事件(&amp;E)：</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一次</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>（无名称）</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Select &amp;Clock</source>
        <translation>选择时钟(&amp;C)</translation>
    </message>
    <message>
        <source>Choose &amp;Date/Time...</source>
        <translation>选择日期/时间(&amp;D)...</translation>
    </message>
    <message>
        <source>Choose &amp;Skin...</source>
        <translation>选择皮肤(&amp;S)...</translation>
    </message>
    <message>
        <source>R&amp;andom Skin Change Time</source>
        <translation>随机更换皮肤间隔(&amp;A)</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n Minutes</source>
        <translation>
            <numerusform>&amp;%n 分钟</numerusform>
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
        <translation>登录时运行此时钟(&amp;R)</translation>
    </message>
    <message>
        <source>S&amp;tick To Desktop</source>
        <translation>固定在桌面上(&amp;T)</translation>
    </message>
    <message>
        <source>A&amp;lways On Top</source>
        <translation>总在最前(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Hide Tray Icon</source>
        <translation>隐藏托盘图标(&amp;H)</translation>
    </message>
    <message>
        <source>A&amp;bout...</source>
        <translation>关于(&amp;B)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Korvane5, Clock %1</source>
        <translation>Korvane5 - 时钟 %1</translation>
    </message>
    <message>
        <source>L&amp;et Clicks Through</source>
        <translation>让点击穿透(&amp;E)</translation>
    </message>
    <message>
        <source>E&amp;vent...</source>
        <translation>事件(&amp;V)...</translation>
    </message>
    <message>
        <source>&amp;Import Event...</source>
        <translation>导入事件(&amp;I)...</translation>
    </message>
</context>
<context>
    <name>TRegistry</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>“%1”的数据类型无效</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>无法获取“%1”的数据</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>无法设置“%1”的数据</translation>
    </message>
</context>
<context>
    <name>TScheduleText</name>
    <message>
        <source>the repeat rule has more than %1 moments before the one asked for; the clock cannot follow it</source>
        <translation>重复规则在所求时间之前有超过 %1 次；时钟无法跟随</translation>
    </message>
    <message>
        <source>the repeat rule %1 has no moment within %2 of its steps; the clock cannot follow it</source>
        <translation>重复规则 %1 在 %2 步内没有任何时间；时钟无法跟随</translation>
    </message>
    <message>
        <source>a repeat rule holds RRULE, EXDATE and RDATE lines and time zones, not %1</source>
        <translation>重复规则只能包含 RRULE、EXDATE 和 RDATE 行以及时区，不能包含 %1</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule nests too deep</source>
        <translation>重复规则中的时区嵌套过深</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule has no end</source>
        <translation>重复规则中的时区没有结尾</translation>
    </message>
    <message>
        <source>unknown time zone %1</source>
        <translation>未知的时区 %1</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read</source>
        <translation>无法读取重复规则</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read: %1</source>
        <translation>无法读取重复规则：%1</translation>
    </message>
    <message>
        <source>the first moment is no date</source>
        <translation>首次时间不是日期</translation>
    </message>
    <message>
        <source>a repeat rule needs FREQ</source>
        <translation>重复规则需要 FREQ</translation>
    </message>
    <message>
        <source>libical cannot repeat by %1</source>
        <translation>libical 无法按 %1 重复</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <source>The settings store %1 can only be read (%2): what you change is not kept.</source>
        <translation>设置文件 %1 为只读（%2）：您所做的更改不会被保存。</translation>
    </message>
    <message>
        <source>The settings store %1 could not be opened (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>无法打开设置文件 %1（%2）。时钟将使用默认设置，并且不会覆盖无法读取的内容。</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read. It was kept as %2 and a fresh store was started.</source>
        <translation>无法读取设置文件 %1。原文件已保留为 %2，并已新建一个设置文件。</translation>
    </message>
    <message>
        <source>The settings store %1 cannot be written (%2): what you change is not kept.</source>
        <translation>无法写入设置文件 %1（%2）：您所做的更改不会被保存。</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>无法读取设置文件 %1（%2）。时钟将使用默认设置，并且不会覆盖无法读取的内容。</translation>
    </message>
</context>
<context>
    <name>TSettingsTool</name>
    <message>
        <source>set needs exactly one of --dword, --binary, --string</source>
        <translation>set 需要且只能使用 --dword、--binary、--string 中的一个</translation>
    </message>
    <message>
        <source>--dword takes a 32-bit number, decimal or 0x hexadecimal</source>
        <translation>--dword 接受一个 32 位数字，可以是十进制或以 0x 开头的十六进制</translation>
    </message>
    <message>
        <source>--binary takes pairs of hexadecimal digits</source>
        <translation>--binary 接受成对的十六进制数字</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>export takes at most one key</source>
        <translation>export 最多接受一个键</translation>
    </message>
    <message>
        <source>only keys of HKEY_CURRENT_USER are kept here</source>
        <translation>此处只保存 HKEY_CURRENT_USER 下的键</translation>
    </message>
    <message>
        <source>no key %1</source>
        <translation>键 %1 不存在</translation>
    </message>
    <message>
        <source>import takes one file</source>
        <translation>import 只接受一个文件</translation>
    </message>
    <message>
        <source>cannot read %1: %2 (nothing was changed)</source>
        <translation>无法读取 %1：%2（未做任何更改）</translation>
    </message>
    <message>
        <source> (nothing was changed)</source>
        <translation>（未做任何更改）</translation>
    </message>
    <message>
        <source>get takes a key and a value name</source>
        <translation>get 需要一个键和一个值名称</translation>
    </message>
    <message>
        <source>no value %1 in %2</source>
        <translation>%2 中没有值 %1</translation>
    </message>
    <message>
        <source>set takes a key, a value name and the data</source>
        <translation>set 需要一个键、一个值名称和数据</translation>
    </message>
    <message>
        <source>delete takes a key and at most one value name</source>
        <translation>delete 需要一个键，以及最多一个值名称</translation>
    </message>
    <message>
        <source>the whole store cannot be deleted</source>
        <translation>不能删除全部设置</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>未知命令 %1</translation>
    </message>
    <message>
        <source>%1 needs a key</source>
        <translation>%1 需要一个键</translation>
    </message>
    <message>
        <source>a key name cannot hold line breaks or other control characters</source>
        <translation>键名不能包含换行符或其他控制字符</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>未指定命令</translation>
    </message>
    <message>
        <source>the settings store %1 can only be read (%2); nothing was changed</source>
        <translation>设置文件 %1 为只读（%2）；未做任何更改</translation>
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
        <translation>用法：korvane5-settings export [KEY]
      korvane5-settings import FILE          (- 表示从标准输入读取)
      korvane5-settings get KEY NAME
      korvane5-settings set KEY NAME --dword N | --binary HEX | --string TEXT
      korvane5-settings delete KEY [NAME]
      korvane5-settings event N
      korvane5-settings occurrences N [--from &quot;YYYY-MM-DD HH:MM:SS&quot;] [--count K]
      korvane5-settings import-event N FILE.ics [--uid UID]
      korvane5-settings --help | --version
查看并修复 Korvane5 时钟的设置（$XDG_CONFIG_HOME/korvane5/
settings.db），使用注册表导出文件的文本格式。
KEY 是形如 Software\Korvane5\0\ 的路径（允许在前面加上 HKEY_CURRENT_USER\）。
NAME 为 @ 时表示该键的未命名值。N 是时钟编号，0 到 4。
</translation>
    </message>
    <message>
        <source>event takes a clock number, 0 to 4</source>
        <translation>event 需要一个时钟编号，0 到 4</translation>
    </message>
    <message>
        <source>occurrences takes a clock number, 0 to 4</source>
        <translation>occurrences 需要一个时钟编号，0 到 4</translation>
    </message>
    <message>
        <source>--from takes a local time as &quot;YYYY-MM-DD HH:MM:SS&quot;</source>
        <translation>--from 需要 &quot;YYYY-MM-DD HH:MM:SS&quot; 格式的本地时间</translation>
    </message>
    <message>
        <source>--count takes a number from 1 to 100000</source>
        <translation>--count 需要 1 到 100000 之间的数字</translation>
    </message>
    <message>
        <source>occurrences takes --from and --count</source>
        <translation>occurrences 接受 --from 和 --count</translation>
    </message>
    <message>
        <source>import-event takes a clock number, 0 to 4, a file and --uid UID</source>
        <translation>import-event 需要一个时钟编号（0 到 4）、一个文件和 --uid UID</translation>
    </message>
</context>
<context>
    <name>TSkinChooserForm</name>
    <message>
        <source>Choose Skin</source>
        <translation>选择皮肤</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>Get &amp;Skins...</source>
        <translation>获取皮肤(&amp;S)...</translation>
    </message>
    <message>
        <source>Error searching for skins.</source>
        <translation>搜索皮肤时出错。</translation>
    </message>
</context>
<context>
    <name>TTrayIcon</name>
    <message>
        <source>Cannot Create System Shell Notification Icon</source>
        <translation>无法创建通知区域图标</translation>
    </message>
    <message>
        <source>Cannot Remove System Shell Notification Icon</source>
        <translation>无法移除通知区域图标</translation>
    </message>
</context>
<context>
    <name>regfile</name>
    <message>
        <source>unterminated string</source>
        <translation>字符串未结束</translation>
    </message>
    <message>
        <source>a dword needs 1 to 8 hexadecimal digits</source>
        <translation>dword 需要 1 到 8 位十六进制数字</translation>
    </message>
    <message>
        <source>hex data needs a colon</source>
        <translation>hex 数据需要冒号</translation>
    </message>
    <message>
        <source>unknown value type &quot;%1&quot;</source>
        <translation>未知的值类型 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>hex data must be bytes of two hexadecimal digits</source>
        <translation>hex 数据必须是由两位十六进制数字组成的字节</translation>
    </message>
    <message>
        <source>unknown value data &quot;%1&quot;</source>
        <translation>未知的值数据 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a key line must end with &quot;]&quot;</source>
        <translation>键行必须以 &quot;]&quot; 结尾</translation>
    </message>
    <message>
        <source>only keys below HKEY_CURRENT_USER can be imported</source>
        <translation>只能导入 HKEY_CURRENT_USER 下的键</translation>
    </message>
    <message>
        <source>a key name cannot hold control characters</source>
        <translation>键名不能包含控制字符</translation>
    </message>
    <message>
        <source>the whole hive cannot be deleted</source>
        <translation>不能删除整个配置单元</translation>
    </message>
    <message>
        <source>expected a key in brackets or a value name in double quotes</source>
        <translation>此处应为方括号括起的键或双引号括起的值名称</translation>
    </message>
    <message>
        <source>expected &quot;=&quot; after the value name</source>
        <translation>值名称后应为 &quot;=&quot;</translation>
    </message>
    <message>
        <source>a value must follow a key line</source>
        <translation>值必须位于键行之后</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>not a registry export: the first line must be &quot;%1&quot; or &quot;%2&quot;</source>
        <translation>不是注册表导出文件：第一行必须是 &quot;%1&quot; 或 &quot;%2&quot;</translation>
    </message>
</context>
</TS>
