<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Countdown</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>Falta menos de um minuto</translation>
    </message>
    <message>
        <source>The countdown has ended.</source>
        <translation>A contagem regressiva terminou.</translation>
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
        <translation>Tempo restante: %1</translation>
    </message>
    <message>
        <source>Less than a minute since the end</source>
        <translation>Menos de um minuto desde o fim</translation>
    </message>
    <message>
        <source>%1 since the end</source>
        <comment>the parts</comment>
        <translation>%1 desde o fim</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>TCalendarText</name>
    <message>
        <source>this is not a calendar file (iCalendar, .ics)</source>
        <translation>este não é um arquivo de calendário (iCalendar, .ics)</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; cannot be read: %2</source>
        <translation>não é possível ler o evento &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has no start (DTSTART)</source>
        <translation>o evento &quot;%1&quot; não tem início (DTSTART)</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; names the unknown time zone %2</source>
        <translation>o evento &quot;%1&quot; indica o fuso horário desconhecido %2</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has a %2 line without a moment</source>
        <translation>o evento &quot;%1&quot; tem uma linha %2 sem data e hora</translation>
    </message>
    <message>
        <source>the file is larger than 16 MiB</source>
        <translation>o arquivo tem mais de 16 MiB</translation>
    </message>
    <message>
        <source>the calendar holds no event</source>
        <translation>o calendário não contém nenhum evento</translation>
    </message>
    <message>
        <source>the calendar&apos;s repeat rules take too long to work out; pick an event by its UID</source>
        <translation>as regras de repetição do calendário demoram demais para ser calculadas; escolha um evento pelo UID</translation>
    </message>
    <message>
        <source>the calendar holds no event with the UID %1</source>
        <translation>o calendário não contém nenhum evento com o UID %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>não é possível ler %1: %2</translation>
    </message>
</context>
<context>
    <name>TClockEvent</name>
    <message>
        <source>Clock %1</source>
        <translation>Relógio %1</translation>
    </message>
    <message>
        <source>%1 — since %2</source>
        <translation>%1 — desde %2</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>The event of clock %1 cannot be worked out (%2): the clock counts to its first moment.</source>
        <translation>O evento do relógio %1 não pode ser calculado (%2): o relógio conta até o seu primeiro momento.</translation>
    </message>
</context>
<context>
    <name>TClockNotifier</name>
    <message>
        <source>Right-click the clock to choose the moment to count down to.</source>
        <translation>Clique com o botão direito no relógio para escolher o momento da contagem regressiva.</translation>
    </message>
    <message>
        <source>%1 — the countdown has ended</source>
        <translation>%1 — a contagem regressiva terminou</translation>
    </message>
    <message>
        <source>The countdown to %1 %2 has ended.</source>
        <translation>A contagem regressiva para %1, às %2, terminou.</translation>
    </message>
</context>
<context>
    <name>TClockSettings</name>
    <message>
        <source>Clock %1: %2</source>
        <translation>Relógio %1: %2</translation>
    </message>
</context>
<context>
    <name>TClockStore</name>
    <message>
        <source>Korvane5 Clock %1</source>
        <translation>Korvane5 – Relógio %1</translation>
    </message>
    <message>
        <source>The start-up entry %1 could not be written: the clock does not start at log-on as chosen.</source>
        <translation>Não foi possível gravar a entrada de inicialização %1: o relógio não será iniciado com a sessão, como escolhido.</translation>
    </message>
    <message>
        <source>the settings store %1 could not be written: what was changed in this run is not kept (%2)</source>
        <translation>não foi possível gravar o arquivo de configurações %1: as alterações desta sessão não serão mantidas (%2)</translation>
    </message>
</context>
<context>
    <name>TDateTimePickForm</name>
    <message>
        <source>Choose Date/Time</source>
        <translation>Escolher data e hora</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Evento:</translation>
    </message>
    <message>
        <source>Click to get dates...</source>
        <translation>Clique para obter as datas...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Unrecognized response format!</source>
        <translation>Formato de resposta não reconhecido!</translation>
    </message>
    <message>
        <source>Error connecting!</source>
        <translation>Erro ao conectar!</translation>
    </message>
    <message>
        <source>Error downloading!</source>
        <translation>Erro ao baixar!</translation>
    </message>
</context>
<context>
    <name>TEventCommands</name>
    <message>
        <source>Import Event</source>
        <translation>Importar evento</translation>
    </message>
    <message>
        <source>Calendar files (*.ics);;All files (*)</source>
        <translation>Arquivos de calendário (*.ics);;Todos os arquivos (*)</translation>
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
        <translation>&amp;Início:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>&amp;Repetir:</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Dias:</translation>
    </message>
    <message>
        <source>&amp;Ends:</source>
        <translation>&amp;Termina:</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>on a date</source>
        <translation>em uma data</translation>
    </message>
    <message>
        <source>after a number of times</source>
        <translation>após um número de vezes</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>&amp;Fuso horário:</translation>
    </message>
    <message>
        <source>&amp;After the end:</source>
        <translation>&amp;Após o fim:</translation>
    </message>
    <message>
        <source>Count to the last pick of the date/time dialog</source>
        <translation>Contar até a última escolha da caixa de data e hora</translation>
    </message>
    <message>
        <source>Count up (time since)</source>
        <translation>Contar progressivamente (tempo decorrido)</translation>
    </message>
    <message>
        <source>Count to the next occurrence</source>
        <translation>Contar até a próxima ocorrência</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Hora local</translation>
    </message>
</context>
<context>
    <name>TEventWords</name>
    <message>
        <source>does not repeat</source>
        <translation>não se repete</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>personalizado</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>todo ano</translation>
    </message>
    <message>
        <source>every month on the same day</source>
        <translation>todo mês no mesmo dia</translation>
    </message>
    <message>
        <source>last</source>
        <translation>última</translation>
    </message>
    <message>
        <source>first</source>
        <translation>primeira</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segunda</translation>
    </message>
    <message>
        <source>third</source>
        <translation>terceira</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quarta</translation>
    </message>
    <message>
        <source>every month on the %1 %2</source>
        <extracomment>%1 is &quot;first&quot; to &quot;fourth&quot; or &quot;last&quot;, %2 a weekday: &quot;every month on the second Tuesday&quot;</extracomment>
        <translation>todo mês: %2 da %1 semana</translation>
    </message>
    <message>
        <source>every week on %1</source>
        <translation>toda semana: %1</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>todo dia</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1, até %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n time(s)</source>
        <translation>
            <numerusform>%1, %n vez</numerusform>
            <numerusform>%1, %n vezes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TImportEventForm</name>
    <message>
        <source>Import Event</source>
        <translation>Importar evento</translation>
    </message>
    <message>
        <source>&amp;Events of the calendar:</source>
        <translation>&amp;Eventos do calendário:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sem nome)</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Select &amp;Clock</source>
        <translation>Selecionar &amp;relógio</translation>
    </message>
    <message>
        <source>Choose &amp;Date/Time...</source>
        <translation>Escolher &amp;data e hora...</translation>
    </message>
    <message>
        <source>Choose &amp;Skin...</source>
        <translation>Escolher &amp;tema...</translation>
    </message>
    <message>
        <source>R&amp;andom Skin Change Time</source>
        <translation>Intervalo de troca &amp;aleatória de tema</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n Minutes</source>
        <translation>
            <numerusform>&amp;%n minuto</numerusform>
            <numerusform>&amp;%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Opacity</source>
        <translation>&amp;Opacidade</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n Percent</source>
        <translation>
            <numerusform>&amp;%n por cento</numerusform>
            <numerusform>&amp;%n por cento</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Run This Clock At Startup</source>
        <translation>&amp;Iniciar este relógio com a sessão</translation>
    </message>
    <message>
        <source>S&amp;tick To Desktop</source>
        <translation>&amp;Fixar na área de trabalho</translation>
    </message>
    <message>
        <source>A&amp;lways On Top</source>
        <translation>Sempre &amp;visível</translation>
    </message>
    <message>
        <source>&amp;Hide Tray Icon</source>
        <translation>Ocultar í&amp;cone da bandeja do sistema</translation>
    </message>
    <message>
        <source>A&amp;bout...</source>
        <translation>So&amp;bre...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Korvane5, Clock %1</source>
        <translation>Korvane5, Relógio %1</translation>
    </message>
    <message>
        <source>L&amp;et Clicks Through</source>
        <translation>Deixar os c&amp;liques passarem</translation>
    </message>
    <message>
        <source>E&amp;vent...</source>
        <translation>Eve&amp;nto...</translation>
    </message>
    <message>
        <source>&amp;Import Event...</source>
        <translation>I&amp;mportar evento...</translation>
    </message>
</context>
<context>
    <name>TRegistry</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de dado inválido para “%1”</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Falha ao obter os dados de “%1”</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Falha ao definir os dados de “%1”</translation>
    </message>
</context>
<context>
    <name>TScheduleText</name>
    <message>
        <source>the repeat rule has more than %1 moments before the one asked for; the clock cannot follow it</source>
        <translation>a regra de repetição tem mais de %1 ocorrências antes da pedida; o relógio não consegue segui-la</translation>
    </message>
    <message>
        <source>the repeat rule %1 has no moment within %2 of its steps; the clock cannot follow it</source>
        <translation>a regra de repetição %1 não tem nenhuma ocorrência em %2 de seus passos; o relógio não consegue segui-la</translation>
    </message>
    <message>
        <source>a repeat rule holds RRULE, EXDATE and RDATE lines and time zones, not %1</source>
        <translation>uma regra de repetição contém linhas RRULE, EXDATE e RDATE e fusos horários, não %1</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule nests too deep</source>
        <translation>um fuso horário na regra de repetição está aninhado profundamente demais</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule has no end</source>
        <translation>um fuso horário na regra de repetição não tem fim</translation>
    </message>
    <message>
        <source>unknown time zone %1</source>
        <translation>fuso horário desconhecido %1</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read</source>
        <translation>não é possível ler a regra de repetição</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read: %1</source>
        <translation>não é possível ler a regra de repetição: %1</translation>
    </message>
    <message>
        <source>the first moment is no date</source>
        <translation>o primeiro momento não é uma data</translation>
    </message>
    <message>
        <source>a repeat rule needs FREQ</source>
        <translation>uma regra de repetição precisa de FREQ</translation>
    </message>
    <message>
        <source>libical cannot repeat by %1</source>
        <translation>a libical não consegue repetir por %1</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <source>The settings store %1 can only be read (%2): what you change is not kept.</source>
        <translation>O arquivo de configurações %1 está disponível somente para leitura (%2): as alterações não serão mantidas.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be opened (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>Não foi possível abrir o arquivo de configurações %1 (%2). O relógio usa os valores padrão e não grava nada por cima do que não conseguiu ler.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read. It was kept as %2 and a fresh store was started.</source>
        <translation>Não foi possível ler o arquivo de configurações %1. Ele foi guardado como %2 e um novo arquivo de configurações foi criado.</translation>
    </message>
    <message>
        <source>The settings store %1 cannot be written (%2): what you change is not kept.</source>
        <translation>Não é possível gravar no arquivo de configurações %1 (%2): as alterações não serão mantidas.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>Não foi possível ler o arquivo de configurações %1 (%2). O relógio usa os valores padrão e não grava nada por cima do que não conseguiu ler.</translation>
    </message>
</context>
<context>
    <name>TSettingsTool</name>
    <message>
        <source>set needs exactly one of --dword, --binary, --string</source>
        <translation>set precisa de exatamente uma das opções --dword, --binary, --string</translation>
    </message>
    <message>
        <source>--dword takes a 32-bit number, decimal or 0x hexadecimal</source>
        <translation>--dword recebe um número de 32 bits, decimal ou hexadecimal com 0x</translation>
    </message>
    <message>
        <source>--binary takes pairs of hexadecimal digits</source>
        <translation>--binary recebe pares de dígitos hexadecimais</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>export takes at most one key</source>
        <translation>export recebe no máximo uma chave</translation>
    </message>
    <message>
        <source>only keys of HKEY_CURRENT_USER are kept here</source>
        <translation>somente chaves de HKEY_CURRENT_USER são guardadas aqui</translation>
    </message>
    <message>
        <source>no key %1</source>
        <translation>a chave %1 não existe</translation>
    </message>
    <message>
        <source>import takes one file</source>
        <translation>import recebe um arquivo</translation>
    </message>
    <message>
        <source>cannot read %1: %2 (nothing was changed)</source>
        <translation>não foi possível ler %1: %2 (nada foi alterado)</translation>
    </message>
    <message>
        <source> (nothing was changed)</source>
        <translation> (nada foi alterado)</translation>
    </message>
    <message>
        <source>get takes a key and a value name</source>
        <translation>get recebe uma chave e um nome de valor</translation>
    </message>
    <message>
        <source>no value %1 in %2</source>
        <translation>o valor %1 não existe em %2</translation>
    </message>
    <message>
        <source>set takes a key, a value name and the data</source>
        <translation>set recebe uma chave, um nome de valor e os dados</translation>
    </message>
    <message>
        <source>delete takes a key and at most one value name</source>
        <translation>delete recebe uma chave e no máximo um nome de valor</translation>
    </message>
    <message>
        <source>the whole store cannot be deleted</source>
        <translation>não é possível excluir todas as configurações de uma vez</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>comando desconhecido %1</translation>
    </message>
    <message>
        <source>%1 needs a key</source>
        <translation>%1 precisa de uma chave</translation>
    </message>
    <message>
        <source>a key name cannot hold line breaks or other control characters</source>
        <translation>um nome de chave não pode conter quebras de linha nem outros caracteres de controle</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nenhum comando informado</translation>
    </message>
    <message>
        <source>the settings store %1 can only be read (%2); nothing was changed</source>
        <translation>o arquivo de configurações %1 está disponível somente para leitura (%2); nada foi alterado</translation>
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
        <translation>uso: korvane5-settings export [KEY]
     korvane5-settings import FILE          (- lê da entrada padrão)
     korvane5-settings get KEY NAME
     korvane5-settings set KEY NAME --dword N | --binary HEX | --string TEXT
     korvane5-settings delete KEY [NAME]
     korvane5-settings event N
     korvane5-settings occurrences N [--from &quot;YYYY-MM-DD HH:MM:SS&quot;] [--count K]
     korvane5-settings import-event N FILE.ics [--uid UID]
     korvane5-settings --help | --version
Examina e repara as configurações dos relógios Korvane5 ($XDG_CONFIG_HOME/korvane5/
settings.db), no formato de texto das exportações do registro.
KEY é um caminho como Software\Korvane5\0\ (pode começar com HKEY_CURRENT_USER\).
NAME @ representa o valor sem nome da chave. N é o número de um relógio, de 0 a 4.
</translation>
    </message>
    <message>
        <source>event takes a clock number, 0 to 4</source>
        <translation>event espera o número de um relógio, de 0 a 4</translation>
    </message>
    <message>
        <source>occurrences takes a clock number, 0 to 4</source>
        <translation>occurrences espera o número de um relógio, de 0 a 4</translation>
    </message>
    <message>
        <source>--from takes a local time as &quot;YYYY-MM-DD HH:MM:SS&quot;</source>
        <translation>--from espera uma hora local no formato &quot;YYYY-MM-DD HH:MM:SS&quot;</translation>
    </message>
    <message>
        <source>--count takes a number from 1 to 100000</source>
        <translation>--count espera um número de 1 a 100000</translation>
    </message>
    <message>
        <source>occurrences takes --from and --count</source>
        <translation>occurrences aceita --from e --count</translation>
    </message>
    <message>
        <source>import-event takes a clock number, 0 to 4, a file and --uid UID</source>
        <translation>import-event espera o número de um relógio, de 0 a 4, um arquivo e --uid UID</translation>
    </message>
</context>
<context>
    <name>TSkinChooserForm</name>
    <message>
        <source>Choose Skin</source>
        <translation>Escolher tema</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Atualizar</translation>
    </message>
    <message>
        <source>Get &amp;Skins...</source>
        <translation>Obter &amp;temas...</translation>
    </message>
    <message>
        <source>Error searching for skins.</source>
        <translation>Erro ao procurar temas.</translation>
    </message>
</context>
<context>
    <name>TTrayIcon</name>
    <message>
        <source>Cannot Create System Shell Notification Icon</source>
        <translation>Não foi possível criar o ícone na bandeja do sistema</translation>
    </message>
    <message>
        <source>Cannot Remove System Shell Notification Icon</source>
        <translation>Não foi possível remover o ícone da bandeja do sistema</translation>
    </message>
</context>
<context>
    <name>regfile</name>
    <message>
        <source>unterminated string</source>
        <translation>cadeia de caracteres não terminada</translation>
    </message>
    <message>
        <source>a dword needs 1 to 8 hexadecimal digits</source>
        <translation>um dword precisa de 1 a 8 dígitos hexadecimais</translation>
    </message>
    <message>
        <source>hex data needs a colon</source>
        <translation>dados hex precisam de dois-pontos</translation>
    </message>
    <message>
        <source>unknown value type &quot;%1&quot;</source>
        <translation>tipo de valor desconhecido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>hex data must be bytes of two hexadecimal digits</source>
        <translation>dados hex devem ser bytes de dois dígitos hexadecimais</translation>
    </message>
    <message>
        <source>unknown value data &quot;%1&quot;</source>
        <translation>dados de valor desconhecidos &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a key line must end with &quot;]&quot;</source>
        <translation>uma linha de chave deve terminar com &quot;]&quot;</translation>
    </message>
    <message>
        <source>only keys below HKEY_CURRENT_USER can be imported</source>
        <translation>somente chaves abaixo de HKEY_CURRENT_USER podem ser importadas</translation>
    </message>
    <message>
        <source>a key name cannot hold control characters</source>
        <translation>um nome de chave não pode conter caracteres de controle</translation>
    </message>
    <message>
        <source>the whole hive cannot be deleted</source>
        <translation>não é possível excluir o hive inteiro do registro</translation>
    </message>
    <message>
        <source>expected a key in brackets or a value name in double quotes</source>
        <translation>esperava-se uma chave entre colchetes ou um nome de valor entre aspas duplas</translation>
    </message>
    <message>
        <source>expected &quot;=&quot; after the value name</source>
        <translation>esperava-se &quot;=&quot; após o nome do valor</translation>
    </message>
    <message>
        <source>a value must follow a key line</source>
        <translation>um valor deve vir depois de uma linha de chave</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>not a registry export: the first line must be &quot;%1&quot; or &quot;%2&quot;</source>
        <translation>não é uma exportação do registro: a primeira linha deve ser &quot;%1&quot; ou &quot;%2&quot;</translation>
    </message>
</context>
</TS>
