<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>kestrune::AboutBox</name>
    <message>
        <source>Version %1.%2.</source>
        <translation>Versión %1.%2.</translation>
    </message>
    <message>
        <source>Written by the Kestrune developers.</source>
        <translation>Escrito por los desarrolladores de Kestrune.</translation>
    </message>
    <message>
        <source>Kestrune is free software: copy it and give it away.</source>
        <translation>Kestrune es software libre: cópielo y compártalo.</translation>
    </message>
</context>
<context>
    <name>kestrune::CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
</context>
<context>
    <name>kestrune::ErrorReport</name>
    <message>
        <source>Application Error!</source>
        <translation>¡Error de la aplicación!</translation>
    </message>
    <message>
        <source>Err.Num: (%1), Err.Des: (%2) Err.Src: (%3)</source>
        <translation>N.º de error: (%1), descripción: (%2) origen: (%3)</translation>
    </message>
    <message>
        <source>A serious internal error occurred in the &quot;%1&quot; module!<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
If the problem persists, report full details to your software support personnel.</source>
        <translation>¡Se ha producido un error interno grave en el módulo «%1»!<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Si el problema persiste, comunique todos los detalles a su servicio de asistencia técnica.</translation>
    </message>
</context>
<context>
    <name>kestrune::LocationRules</name>
    <message>
        <source>&quot;%1&quot; or &quot;.&quot;</source>
        <translation>«%1» o «.»</translation>
    </message>
    <message>
        <source>Only digits, a minus and %1 as the decimal separator can be entered here: &quot;%2&quot; cannot.</source>
        <translation>Aquí solo se pueden escribir dígitos, un signo menos y %1 como separador decimal; «%2» no.</translation>
    </message>
    <message>
        <source>Only digits and %1 as the decimal separator can be entered here: &quot;%2&quot; cannot.</source>
        <translation>Aquí solo se pueden escribir dígitos y %1 como separador decimal; «%2» no.</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>%1, but the time difference entered is %2. Use %3?</source>
        <translation>%1, pero la diferencia horaria introducida es %2. ¿Usar %3?</translation>
    </message>
</context>
<context>
    <name>kestrune::LocationScreen</name>
    <message>
        <source>Please enter the following details as best describes your current location.</source>
        <translation>Introduzca a continuación los datos de su ubicación actual lo más exactos que pueda.</translation>
    </message>
    <message>
        <source>Latitude (###.####)</source>
        <translation>Latitud (###,####)</translation>
    </message>
    <message>
        <source>Your latitude. Eg. 37.3567</source>
        <translation>Su latitud, p. ej. 37,3567</translation>
    </message>
    <message>
        <source>Longitude (###.####)</source>
        <translation>Longitud (###,####)</translation>
    </message>
    <message>
        <source>Your longitude. Eg. 144.67</source>
        <translation>Su longitud, p. ej. 144,67</translation>
    </message>
    <message>
        <source>Time Diff. from UTC</source>
        <translation>Diferencia con UTC</translation>
    </message>
    <message>
        <source>The time difference from GMT. Eg. London is 0 (+1 in summer), New York is -5 (-4 in summer) and Sydney is +10 (+11 in summer) etc.</source>
        <translation>La diferencia horaria con GMT, p. ej. Londres 0 (+1 en verano), Nueva York -5 (-4 en verano) y Sídney +10 (+11 en verano).</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <source>The serial port number, where you Earthmate is plugged in to. Eg. 1 or 2 etc.</source>
        <translation>El número del puerto serie al que está conectado su Earthmate, p. ej. 1 o 2.</translation>
    </message>
    <message>
        <source>&amp;Continue &gt;&gt;</source>
        <translation>Se&amp;guir &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Please enter a valid number for latitude.</source>
        <translation>Introduzca un número válido para la latitud.</translation>
    </message>
    <message>
        <source>Please enter a valid number for Longitude.</source>
        <translation>Introduzca un número válido para la longitud.</translation>
    </message>
    <message>
        <source>Please enter a valid time difference from UTC: hours east of Greenwich, from %1 to %2.</source>
        <translation>Introduzca una diferencia horaria con UTC válida: horas al este de Greenwich, de %1 a %2.</translation>
    </message>
    <message>
        <source>Latitude hemisphere</source>
        <translation>Hemisferio de la latitud</translation>
    </message>
    <message>
        <source>Longitude hemisphere</source>
        <translation>Hemisferio de la longitud</translation>
    </message>
</context>
<context>
    <name>kestrune::MonitorScreen</name>
    <message>
        <source>Auto exit on a fix</source>
        <translation>Salir al obtener la posición</translation>
    </message>
    <message>
        <source>Auto exit on fix</source>
        <translation>Salir con la posición</translation>
    </message>
    <message>
        <source>Waiting for the receiver...</source>
        <translation>Esperando al receptor...</translation>
    </message>
    <message>
        <source>Nothing from the receiver for %1 seconds. Is it switched on, are its batteries charged, is this the right port, and is no other program (gpsd, say) reading it?</source>
        <translation>Nada del receptor desde hace %1 segundos. ¿Está encendido, tiene las pilas cargadas, es este el puerto correcto y no lo está leyendo otro programa (gpsd, por ejemplo)?</translation>
    </message>
    <message>
        <source>Unable to connect to Earthmate on port number %1 is not correct!<byte value="xd"/>
<byte value="xd"/>
Check the cable and the port number. Also make sure another program is not using port number %1.</source>
        <translation>No se puede conectar con el Earthmate en el puerto %1: ¡el número no es correcto!<byte value="xd"/>
<byte value="xd"/>
Compruebe el cable y el número de puerto. Asegúrese también de que ningún otro programa esté usando el puerto %1.</translation>
    </message>
    <message>
        <source>Status: </source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>UTC Date:</source>
        <translation>Fecha UTC:</translation>
    </message>
    <message>
        <source>UTC Time:</source>
        <translation>Hora UTC:</translation>
    </message>
    <message>
        <source>Co-ord:</source>
        <translation>Coord.:</translation>
    </message>
    <message>
        <source>Quality: </source>
        <translation>Calidad:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satélites:</translation>
    </message>
    <message>
        <source>Precision:</source>
        <translation>Precisión:</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inactivo</translation>
    </message>
    <message>
        <source>Attempting to connect to the GPS...</source>
        <translation>Intentando conectar con el GPS...</translation>
    </message>
    <message>
        <source>Receiving data...</source>
        <translation>Recibiendo datos...</translation>
    </message>
    <message>
        <source>Acceptable</source>
        <translation>Aceptable</translation>
    </message>
    <message numerus="yes">
        <source>Auto exiting in... %n seconds.</source>
        <translation>
            <numerusform>Se cerrará en %n segundo.</numerusform>
            <numerusform>Se cerrará en %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Warning, attempting to obtain a fix!</source>
        <translation>¡Atención, buscando la posición!</translation>
    </message>
    <message>
        <source>Receiver lost: %1 went away</source>
        <translation>Receptor perdido: %1 ha desaparecido</translation>
    </message>
    <message>
        <source>Receiver lost: %1</source>
        <translation>Receptor perdido: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n used in the fix</source>
        <translation>
            <numerusform>%n usado para la posición</numerusform>
            <numerusform>%n usados para la posición</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kestrune::SatelliteBar</name>
    <message>
        <source>Satellite %1: %2 dB-Hz, used in the fix</source>
        <translation>Satélite %1: %2 dB-Hz, usado para la posición</translation>
    </message>
    <message>
        <source>Satellite %1: %2 dB-Hz, tracked</source>
        <translation>Satélite %1: %2 dB-Hz, en seguimiento</translation>
    </message>
</context>
<context>
    <name>kestrune::SatelliteBars</name>
    <message>
        <source>Tracked: %1, used in the fix: %2</source>
        <translation>En seguimiento: %1, usados para la posición: %2</translation>
    </message>
</context>
<context>
    <name>kestrune::Screen</name>
    <message>
        <source>&amp;About...</source>
        <translation>Acerca &amp;de...</translation>
    </message>
</context>
<context>
    <name>kestrune::SettingsFile</name>
    <message>
        <source>Kestrune will not change its settings file %1: %2. Your settings will not be saved.</source>
        <translation>Kestrune no modificará su archivo de configuración %1: %2. Su configuración no se guardará.</translation>
    </message>
    <message>
        <source>Kestrune cannot read its settings file %1: %2. Your settings will not be saved.</source>
        <translation>Kestrune no puede leer su archivo de configuración %1: %2. Su configuración no se guardará.</translation>
    </message>
    <message>
        <source>Kestrune could not save your settings in %1: %2.</source>
        <translation>Kestrune no pudo guardar su configuración en %1: %2.</translation>
    </message>
</context>
<context>
    <name>kestrune::StartPosition</name>
    <message>
        <source>From this computer&apos;s time zone, %1: correct it if you are far from there</source>
        <translation>Según la zona horaria de este ordenador, %1: corríjala si está lejos de allí</translation>
    </message>
</context>
<context>
    <name>kestrune::WelcomeScreen</name>
    <message>
        <source>Kestrune will initialize your Earthmate with a predefined set of co-ordinates.  This will speed up the time it takes your Earthmate unit to lock in to the satellites.</source>
        <translation>Kestrune inicializará su Earthmate con unas coordenadas predefinidas. Así su Earthmate tardará menos en captar los satélites.</translation>
    </message>
    <message>
        <source>Kestrune will retain the co-ordinates as long as the unit has good batteries or power is applied to the unit.</source>
        <translation>Las coordenadas se conservan mientras el aparato tenga pilas en buen estado o esté alimentado.</translation>
    </message>
    <message>
        <source>&amp;Continue &gt;&gt;</source>
        <translation>Se&amp;guir &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>vx</name>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>no se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>Device or resource busy (is another program using it?)</source>
        <translation>Dispositivo o recurso ocupado (¿lo está usando otro programa?)</translation>
    </message>
    <message>
        <source>Permission denied (is the user in the dialout group?)</source>
        <translation>Permiso denegado (¿pertenece el usuario al grupo dialout?)</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válido</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Class does not support Automation</source>
        <translation>La clase no admite automatización</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>El objeto no admite esta propiedad o método</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Número de argumentos incorrecto o asignación de propiedad no válida</translation>
    </message>
    <message>
        <source>Property is read-only</source>
        <translation>La propiedad es de solo lectura</translation>
    </message>
    <message>
        <source>Property is write-only</source>
        <translation>La propiedad es de solo escritura</translation>
    </message>
    <message>
        <source>it has woken the receiver without the time and position, so the first fix comes late</source>
        <extracomment>Follows &quot;gpsd is reading /dev/ttyUSB0: &quot;; &quot;it&quot; is gpsd.</extracomment>
        <translation>ha despertado al receptor sin la hora ni la posición, así que la primera posición tardará</translation>
    </message>
    <message>
        <source>it will wake the receiver without the time and position as soon as the receiver speaks, so the first fix will come late</source>
        <translation>despertará al receptor sin la hora ni la posición en cuanto este emita, así que la primera posición tardará</translation>
    </message>
    <message>
        <source>gpsd is reading %1: %2. To have it initialised: sudo gpsdctl remove %1, switch the receiver off and on, initialise it, then sudo gpsdctl add %1. Or, with %3 installed, simply unplug the receiver and plug it in again.</source>
        <translation>gpsd está leyendo %1: %2. Para inicializarlo: sudo gpsdctl remove %1, apague y vuelva a encender el receptor, inicialícelo y después sudo gpsdctl add %1. O bien, con %3 instalado, simplemente desconecte el receptor y vuelva a conectarlo.</translation>
    </message>
    <message>
        <source>gpsd was reading %1 and %2. It is taken from gpsd (gpsdctl remove %1) and given back when the port closes. Switch the receiver off and on to have it initialised.</source>
        <extracomment>%2 says what gpsd did or would have done: &quot;had woken the receiver ...&quot;.</extracomment>
        <translation>gpsd estaba leyendo %1 y %2. Se le retira a gpsd (gpsdctl remove %1) y se le devuelve al cerrarse el puerto. Apague y vuelva a encender el receptor para que se inicialice.</translation>
    </message>
    <message>
        <source>had woken the receiver without the time and position</source>
        <translation>había despertado al receptor sin la hora ni la posición</translation>
    </message>
    <message>
        <source>would have woken the receiver without the time and position</source>
        <translation>habría despertado al receptor sin la hora ni la posición</translation>
    </message>
    <message>
        <source>%1 given back to gpsd (gpsdctl add %1)</source>
        <translation>%1 devuelto a gpsd (gpsdctl add %1)</translation>
    </message>
    <message>
        <source>gpsd did not take %1 back: it heard no GPS on it. Add it again with sudo gpsdctl add %1</source>
        <translation>gpsd no ha vuelto a aceptar %1: no ha oído ningún GPS en él. Vuelva a añadirlo con sudo gpsdctl add %1</translation>
    </message>
    <message>
        <source>cannot give %1 back to gpsd: its control socket %2 does not answer. Add it again with sudo gpsdctl add %1</source>
        <translation>no se puede devolver %1 a gpsd: su socket de control %2 no responde. Vuelva a añadirlo con sudo gpsdctl add %1</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>ningún dispositivo</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>dispositivo serie</translation>
    </message>
    <message>
        <source>pseudo-terminal</source>
        <translation>pseudoterminal</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>no es un dispositivo serie</translation>
    </message>
    <message>
        <source>USB serial adapter</source>
        <translation>adaptador serie USB</translation>
    </message>
    <message>
        <source>USB serial adapters here: %1. To make %2 port %3: %4</source>
        <translation>Adaptadores serie USB presentes: %1. Para que %2 sea el puerto %3: %4</translation>
    </message>
    <message>
        <source>cannot create &quot;%1&quot;: no control library holding it was found in %2</source>
        <translation>no se puede crear «%1»: no se ha encontrado en %2 ninguna biblioteca de controles que lo contenga</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is on UTC</source>
        <translation>El reloj de este ordenador está en UTC</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is 1 hour ahead of UTC</source>
        <translation>El reloj de este ordenador va 1 hora por delante de UTC</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is %1 hours ahead of UTC</source>
        <translation>El reloj de este ordenador va %1 horas por delante de UTC</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is 1 hour behind UTC</source>
        <translation>El reloj de este ordenador va 1 hora por detrás de UTC</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is %1 hours behind UTC</source>
        <translation>El reloj de este ordenador va %1 horas por detrás de UTC</translation>
    </message>
    <message>
        <source>A program that had borrowed a device ended without giving it back: %1</source>
        <extracomment>%1 tells how giving the device back went: &quot;/dev/ttyUSB0 given back to gpsd ...&quot;.</extracomment>
        <translation>Un programa que había tomado prestado un dispositivo de gpsd terminó sin devolverlo: %1</translation>
    </message>
</context>
</TS>
