<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Countdown</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
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
        <translation>Queda menos de un minuto</translation>
    </message>
    <message>
        <source>The countdown has ended.</source>
        <translation>La cuenta atrás ha terminado.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of the parts</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the other parts</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 left</source>
        <comment>the parts</comment>
        <translation>Tiempo restante: %1</translation>
    </message>
    <message>
        <source>Less than a minute since the end</source>
        <translation>Menos de un minuto desde el final</translation>
    </message>
    <message>
        <source>%1 since the end</source>
        <comment>the parts</comment>
        <translation>%1 desde el final</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>TCalendarText</name>
    <message>
        <source>this is not a calendar file (iCalendar, .ics)</source>
        <translation>no es un archivo de calendario (iCalendar, .ics)</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; cannot be read: %2</source>
        <translation>no se puede leer el evento &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has no start (DTSTART)</source>
        <translation>el evento &quot;%1&quot; no tiene inicio (DTSTART)</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; names the unknown time zone %2</source>
        <translation>el evento &quot;%1&quot; indica la zona horaria desconocida %2</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot; has a %2 line without a moment</source>
        <translation>el evento &quot;%1&quot; tiene una línea %2 sin fecha ni hora</translation>
    </message>
    <message>
        <source>the file is larger than 16 MiB</source>
        <translation>el archivo ocupa más de 16 MiB</translation>
    </message>
    <message>
        <source>the calendar holds no event</source>
        <translation>el calendario no contiene ningún evento</translation>
    </message>
    <message>
        <source>the calendar&apos;s repeat rules take too long to work out; pick an event by its UID</source>
        <translation>calcular las reglas de repetición del calendario lleva demasiado tiempo; elija un evento por su UID</translation>
    </message>
    <message>
        <source>the calendar holds no event with the UID %1</source>
        <translation>el calendario no contiene ningún evento con el UID %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
</context>
<context>
    <name>TClockEvent</name>
    <message>
        <source>Clock %1</source>
        <translation>Reloj %1</translation>
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
        <translation>El evento del reloj %1 no se puede calcular (%2): el reloj cuenta hasta su primer momento.</translation>
    </message>
</context>
<context>
    <name>TClockNotifier</name>
    <message>
        <source>Right-click the clock to choose the moment to count down to.</source>
        <translation>Haga clic derecho en el reloj para elegir el momento final de la cuenta atrás.</translation>
    </message>
    <message>
        <source>%1 — the countdown has ended</source>
        <translation>%1 — la cuenta atrás ha terminado</translation>
    </message>
    <message>
        <source>The countdown to %1 %2 has ended.</source>
        <translation>La cuenta atrás hasta el %1 a las %2 ha terminado.</translation>
    </message>
</context>
<context>
    <name>TClockSettings</name>
    <message>
        <source>Clock %1: %2</source>
        <translation>Reloj %1: %2</translation>
    </message>
</context>
<context>
    <name>TClockStore</name>
    <message>
        <source>Korvane5 Clock %1</source>
        <translation>Reloj %1 de Korvane5</translation>
    </message>
    <message>
        <source>The start-up entry %1 could not be written: the clock does not start at log-on as chosen.</source>
        <translation>No se pudo escribir la entrada de inicio %1: el reloj no se iniciará al iniciar sesión como se eligió.</translation>
    </message>
    <message>
        <source>the settings store %1 could not be written: what was changed in this run is not kept (%2)</source>
        <translation>no se pudo escribir el archivo de configuración %1: los cambios de esta sesión no se conservan (%2)</translation>
    </message>
</context>
<context>
    <name>TDateTimePickForm</name>
    <message>
        <source>Choose Date/Time</source>
        <translation>Elegir fecha y hora</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
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
        <translation>Pulse para obtener las fechas...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Unrecognized response format!</source>
        <translation>¡Formato de respuesta no reconocido!</translation>
    </message>
    <message>
        <source>Error connecting!</source>
        <translation>¡Error al conectar!</translation>
    </message>
    <message>
        <source>Error downloading!</source>
        <translation>¡Error al descargar!</translation>
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
        <translation>Archivos de calendario (*.ics);;Todos los archivos (*)</translation>
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
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;First moment:</source>
        <translation>&amp;Inicio:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>&amp;Repetir:</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Días:</translation>
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
        <translation>en una fecha</translation>
    </message>
    <message>
        <source>after a number of times</source>
        <translation>tras un número de veces</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>&amp;Zona horaria:</translation>
    </message>
    <message>
        <source>&amp;After the end:</source>
        <translation>Al &amp;finalizar:</translation>
    </message>
    <message>
        <source>Count to the last pick of the date/time dialog</source>
        <translation>Contar hasta la última elección del diálogo de fecha y hora</translation>
    </message>
    <message>
        <source>Count up (time since)</source>
        <translation>Contar hacia arriba (tiempo transcurrido)</translation>
    </message>
    <message>
        <source>Count to the next occurrence</source>
        <translation>Contar hasta la siguiente repetición</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
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
        <translation>no se repite</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>personalizado</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>cada año</translation>
    </message>
    <message>
        <source>every month on the same day</source>
        <translation>cada mes el mismo día</translation>
    </message>
    <message>
        <source>last</source>
        <translation>último</translation>
    </message>
    <message>
        <source>first</source>
        <translation>primer</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>third</source>
        <translation>tercer</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>cuarto</translation>
    </message>
    <message>
        <source>every month on the %1 %2</source>
        <extracomment>%1 is &quot;first&quot; to &quot;fourth&quot; or &quot;last&quot;, %2 a weekday: &quot;every month on the second Tuesday&quot;</extracomment>
        <translation>cada mes el %1 %2</translation>
    </message>
    <message>
        <source>every week on %1</source>
        <translation>cada semana el %1</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>cada día</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1, hasta el %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n time(s)</source>
        <translation>
            <numerusform>%1, %n vez</numerusform>
            <numerusform>%1, %n veces</numerusform>
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
        <translation>&amp;Eventos del calendario:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Select &amp;Clock</source>
        <translation>Seleccionar &amp;reloj</translation>
    </message>
    <message>
        <source>Choose &amp;Date/Time...</source>
        <translation>Elegir &amp;fecha y hora...</translation>
    </message>
    <message>
        <source>Choose &amp;Skin...</source>
        <translation>Elegir &amp;tema...</translation>
    </message>
    <message>
        <source>R&amp;andom Skin Change Time</source>
        <translation>Cambio &amp;aleatorio de tema</translation>
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
        <translation>&amp;Opacidad</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n Percent</source>
        <translation>
            <numerusform>&amp;%n por ciento</numerusform>
            <numerusform>&amp;%n por ciento</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Run This Clock At Startup</source>
        <translation>&amp;Iniciar este reloj al iniciar sesión</translation>
    </message>
    <message>
        <source>S&amp;tick To Desktop</source>
        <translation>Fijar en el &amp;escritorio</translation>
    </message>
    <message>
        <source>A&amp;lways On Top</source>
        <translation>Siempre en primer &amp;plano</translation>
    </message>
    <message>
        <source>&amp;Hide Tray Icon</source>
        <translation>O&amp;cultar el icono del área de notificación</translation>
    </message>
    <message>
        <source>A&amp;bout...</source>
        <translation>Acerca &amp;de...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Korvane5, Clock %1</source>
        <translation>Korvane5, reloj %1</translation>
    </message>
    <message>
        <source>L&amp;et Clicks Through</source>
        <translation>Dejar pasar los c&amp;lics</translation>
    </message>
    <message>
        <source>E&amp;vent...</source>
        <translation>E&amp;vento...</translation>
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
        <translation>Tipo de datos no válido para &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>No se pudieron leer los datos de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>No se pudieron guardar los datos de &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>TScheduleText</name>
    <message>
        <source>the repeat rule has more than %1 moments before the one asked for; the clock cannot follow it</source>
        <translation>la regla de repetición tiene más de %1 repeticiones antes de la pedida; el reloj no puede seguirla</translation>
    </message>
    <message>
        <source>the repeat rule %1 has no moment within %2 of its steps; the clock cannot follow it</source>
        <translation>la regla de repetición %1 no tiene ninguna repetición en %2 de sus pasos; el reloj no puede seguirla</translation>
    </message>
    <message>
        <source>a repeat rule holds RRULE, EXDATE and RDATE lines and time zones, not %1</source>
        <translation>una regla de repetición contiene líneas RRULE, EXDATE y RDATE y zonas horarias, no %1</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule nests too deep</source>
        <translation>una zona horaria de la regla de repetición está anidada a demasiada profundidad</translation>
    </message>
    <message>
        <source>a time zone in the repeat rule has no end</source>
        <translation>una zona horaria de la regla de repetición no tiene final</translation>
    </message>
    <message>
        <source>unknown time zone %1</source>
        <translation>zona horaria desconocida %1</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read</source>
        <translation>no se puede leer la regla de repetición</translation>
    </message>
    <message>
        <source>the repeat rule cannot be read: %1</source>
        <translation>no se puede leer la regla de repetición: %1</translation>
    </message>
    <message>
        <source>the first moment is no date</source>
        <translation>el primer momento no es una fecha</translation>
    </message>
    <message>
        <source>a repeat rule needs FREQ</source>
        <translation>una regla de repetición necesita FREQ</translation>
    </message>
    <message>
        <source>libical cannot repeat by %1</source>
        <translation>libical no puede repetir por %1</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <source>The settings store %1 can only be read (%2): what you change is not kept.</source>
        <translation>El archivo de configuración %1 es de solo lectura (%2): los cambios que haga no se guardarán.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be opened (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>No se pudo abrir el archivo de configuración %1 (%2). El reloj usa sus valores predeterminados y no sobrescribe nada de lo que no pudo leer.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read. It was kept as %2 and a fresh store was started.</source>
        <translation>No se pudo leer el archivo de configuración %1. Se ha conservado como %2 y se ha creado un archivo de configuración nuevo.</translation>
    </message>
    <message>
        <source>The settings store %1 cannot be written (%2): what you change is not kept.</source>
        <translation>No se puede escribir en el archivo de configuración %1 (%2): los cambios que haga no se guardarán.</translation>
    </message>
    <message>
        <source>The settings store %1 could not be read (%2). The clock shows its defaults and writes nothing over what it could not read.</source>
        <translation>No se pudo leer el archivo de configuración %1 (%2). El reloj usa sus valores predeterminados y no sobrescribe nada de lo que no pudo leer.</translation>
    </message>
</context>
<context>
    <name>TSettingsTool</name>
    <message>
        <source>set needs exactly one of --dword, --binary, --string</source>
        <translation>set necesita exactamente una de las opciones --dword, --binary, --string</translation>
    </message>
    <message>
        <source>--dword takes a 32-bit number, decimal or 0x hexadecimal</source>
        <translation>--dword requiere un número de 32 bits, decimal o hexadecimal con 0x</translation>
    </message>
    <message>
        <source>--binary takes pairs of hexadecimal digits</source>
        <translation>--binary requiere pares de dígitos hexadecimales</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>export takes at most one key</source>
        <translation>export admite como máximo una clave</translation>
    </message>
    <message>
        <source>only keys of HKEY_CURRENT_USER are kept here</source>
        <translation>aquí solo se guardan claves de HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>no key %1</source>
        <translation>no existe la clave %1</translation>
    </message>
    <message>
        <source>import takes one file</source>
        <translation>import admite un único archivo</translation>
    </message>
    <message>
        <source>cannot read %1: %2 (nothing was changed)</source>
        <translation>no se puede leer %1: %2 (no se ha cambiado nada)</translation>
    </message>
    <message>
        <source> (nothing was changed)</source>
        <translation> (no se ha cambiado nada)</translation>
    </message>
    <message>
        <source>get takes a key and a value name</source>
        <translation>get requiere una clave y un nombre de valor</translation>
    </message>
    <message>
        <source>no value %1 in %2</source>
        <translation>no existe el valor %1 en %2</translation>
    </message>
    <message>
        <source>set takes a key, a value name and the data</source>
        <translation>set requiere una clave, un nombre de valor y los datos</translation>
    </message>
    <message>
        <source>delete takes a key and at most one value name</source>
        <translation>delete requiere una clave y como máximo un nombre de valor</translation>
    </message>
    <message>
        <source>the whole store cannot be deleted</source>
        <translation>no se puede eliminar toda la configuración</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>orden desconocida %1</translation>
    </message>
    <message>
        <source>%1 needs a key</source>
        <translation>%1 necesita una clave</translation>
    </message>
    <message>
        <source>a key name cannot hold line breaks or other control characters</source>
        <translation>un nombre de clave no puede contener saltos de línea ni otros caracteres de control</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se ha indicado ninguna orden</translation>
    </message>
    <message>
        <source>the settings store %1 can only be read (%2); nothing was changed</source>
        <translation>el archivo de configuración %1 es de solo lectura (%2); no se ha cambiado nada</translation>
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
     korvane5-settings import FILE          (- lee la entrada estándar)
     korvane5-settings get KEY NAME
     korvane5-settings set KEY NAME --dword N | --binary HEX | --string TEXT
     korvane5-settings delete KEY [NAME]
     korvane5-settings event N
     korvane5-settings occurrences N [--from &quot;YYYY-MM-DD HH:MM:SS&quot;] [--count K]
     korvane5-settings import-event N FILE.ics [--uid UID]
     korvane5-settings --help | --version
Examina y repara la configuración de los relojes de Korvane5 ($XDG_CONFIG_HOME/korvane5/
settings.db), en el formato de texto de las exportaciones del registro.
KEY es una ruta como Software\Korvane5\0\ (se permite anteponer HKEY_CURRENT_USER\).
NAME @ representa el valor sin nombre de la clave. N es el número de un reloj, de 0 a 4.
</translation>
    </message>
    <message>
        <source>event takes a clock number, 0 to 4</source>
        <translation>event espera el número de un reloj, de 0 a 4</translation>
    </message>
    <message>
        <source>occurrences takes a clock number, 0 to 4</source>
        <translation>occurrences espera el número de un reloj, de 0 a 4</translation>
    </message>
    <message>
        <source>--from takes a local time as &quot;YYYY-MM-DD HH:MM:SS&quot;</source>
        <translation>--from espera una hora local con el formato &quot;YYYY-MM-DD HH:MM:SS&quot;</translation>
    </message>
    <message>
        <source>--count takes a number from 1 to 100000</source>
        <translation>--count espera un número de 1 a 100000</translation>
    </message>
    <message>
        <source>occurrences takes --from and --count</source>
        <translation>occurrences admite --from y --count</translation>
    </message>
    <message>
        <source>import-event takes a clock number, 0 to 4, a file and --uid UID</source>
        <translation>import-event espera el número de un reloj, de 0 a 4, un archivo y --uid UID</translation>
    </message>
</context>
<context>
    <name>TSkinChooserForm</name>
    <message>
        <source>Choose Skin</source>
        <translation>Elegir tema</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Ac&amp;tualizar</translation>
    </message>
    <message>
        <source>Get &amp;Skins...</source>
        <translation>&amp;Obtener temas...</translation>
    </message>
    <message>
        <source>Error searching for skins.</source>
        <translation>Error al buscar temas.</translation>
    </message>
</context>
<context>
    <name>TTrayIcon</name>
    <message>
        <source>Cannot Create System Shell Notification Icon</source>
        <translation>No se puede crear el icono en el área de notificación</translation>
    </message>
    <message>
        <source>Cannot Remove System Shell Notification Icon</source>
        <translation>No se puede quitar el icono del área de notificación</translation>
    </message>
</context>
<context>
    <name>regfile</name>
    <message>
        <source>unterminated string</source>
        <translation>cadena sin terminar</translation>
    </message>
    <message>
        <source>a dword needs 1 to 8 hexadecimal digits</source>
        <translation>un dword necesita de 1 a 8 dígitos hexadecimales</translation>
    </message>
    <message>
        <source>hex data needs a colon</source>
        <translation>los datos hex necesitan dos puntos</translation>
    </message>
    <message>
        <source>unknown value type &quot;%1&quot;</source>
        <translation>tipo de valor desconocido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>hex data must be bytes of two hexadecimal digits</source>
        <translation>los datos hex deben ser bytes de dos dígitos hexadecimales</translation>
    </message>
    <message>
        <source>unknown value data &quot;%1&quot;</source>
        <translation>datos de valor desconocidos &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a key line must end with &quot;]&quot;</source>
        <translation>una línea de clave debe terminar en &quot;]&quot;</translation>
    </message>
    <message>
        <source>only keys below HKEY_CURRENT_USER can be imported</source>
        <translation>solo se pueden importar claves que estén bajo HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>a key name cannot hold control characters</source>
        <translation>un nombre de clave no puede contener caracteres de control</translation>
    </message>
    <message>
        <source>the whole hive cannot be deleted</source>
        <translation>no se puede eliminar el subárbol completo</translation>
    </message>
    <message>
        <source>expected a key in brackets or a value name in double quotes</source>
        <translation>se esperaba una clave entre corchetes o un nombre de valor entre comillas dobles</translation>
    </message>
    <message>
        <source>expected &quot;=&quot; after the value name</source>
        <translation>se esperaba &quot;=&quot; después del nombre del valor</translation>
    </message>
    <message>
        <source>a value must follow a key line</source>
        <translation>un valor debe ir detrás de una línea de clave</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>not a registry export: the first line must be &quot;%1&quot; or &quot;%2&quot;</source>
        <translation>no es una exportación del registro: la primera línea debe ser &quot;%1&quot; o &quot;%2&quot;</translation>
    </message>
</context>
</TS>
