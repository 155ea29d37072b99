<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>kestrune::AboutBox</name>
    <message>
        <source>Version %1.%2.</source>
        <translation>Version %1.%2.</translation>
    </message>
    <message>
        <source>Written by the Kestrune developers.</source>
        <translation>Geschrieben von den Kestrune-Entwicklern.</translation>
    </message>
    <message>
        <source>Kestrune is free software: copy it and give it away.</source>
        <translation>Kestrune ist freie Software: Sie dürfen sie kopieren und weitergeben.</translation>
    </message>
</context>
<context>
    <name>kestrune::CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
</context>
<context>
    <name>kestrune::ErrorReport</name>
    <message>
        <source>Application Error!</source>
        <translation>Anwendungsfehler!</translation>
    </message>
    <message>
        <source>Err.Num: (%1), Err.Des: (%2) Err.Src: (%3)</source>
        <translation>Fehlernr.: (%1), Beschreibung: (%2) Quelle: (%3)</translation>
    </message>
    <message>
        <source>A serious internal error occurred in the &quot;%1&quot; module!<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
If the problem persists, report full details to your software support personnel.</source>
        <translation>Im Modul „%1“ ist ein schwerer interner Fehler aufgetreten!<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Wenn das Problem bestehen bleibt, melden Sie alle Einzelheiten Ihrem Software-Support.</translation>
    </message>
</context>
<context>
    <name>kestrune::LocationRules</name>
    <message>
        <source>&quot;%1&quot; or &quot;.&quot;</source>
        <translation>„%1“ oder „.“</translation>
    </message>
    <message>
        <source>Only digits, a minus and %1 as the decimal separator can be entered here: &quot;%2&quot; cannot.</source>
        <translation>Hier sind nur Ziffern, ein Minuszeichen und %1 als Dezimaltrennzeichen möglich, „%2“ nicht.</translation>
    </message>
    <message>
        <source>Only digits and %1 as the decimal separator can be entered here: &quot;%2&quot; cannot.</source>
        <translation>Hier sind nur Ziffern und %1 als Dezimaltrennzeichen möglich, „%2“ nicht.</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, but the time difference entered is %2. Use %3?</source>
        <translation>%1, die eingetragene Zeitdifferenz ist aber %2. %3 verwenden?</translation>
    </message>
</context>
<context>
    <name>kestrune::LocationScreen</name>
    <message>
        <source>Please enter the following details as best describes your current location.</source>
        <translation>Bitte machen Sie die folgenden Angaben zu Ihrem jetzigen Standort so genau wie möglich.</translation>
    </message>
    <message>
        <source>Latitude (###.####)</source>
        <translation>Breite (###,####)</translation>
    </message>
    <message>
        <source>Your latitude. Eg. 37.3567</source>
        <translation>Ihr Breitengrad, z. B. 37,3567</translation>
    </message>
    <message>
        <source>Longitude (###.####)</source>
        <translation>Länge (###,####)</translation>
    </message>
    <message>
        <source>Your longitude. Eg. 144.67</source>
        <translation>Ihr Längengrad, z. B. 144,67</translation>
    </message>
    <message>
        <source>Time Diff. from UTC</source>
        <translation>Zeitdifferenz zu UTC</translation>
    </message>
    <message>
        <source>The time difference from GMT. Eg. London is 0 (+1 in summer), New York is -5 (-4 in summer) and Sydney is +10 (+11 in summer) etc.</source>
        <translation>Die Zeitdifferenz zu GMT, z. B. London 0 (im Sommer +1), New York -5 (im Sommer -4) und Sydney +10 (im Sommer +11).</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>The serial port number, where you Earthmate is plugged in to. Eg. 1 or 2 etc.</source>
        <translation>Die Nummer der seriellen Schnittstelle, an der Ihr Earthmate angeschlossen ist, z. B. 1 oder 2.</translation>
    </message>
    <message>
        <source>&amp;Continue &gt;&gt;</source>
        <translation>&amp;Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Please enter a valid number for latitude.</source>
        <translation>Bitte geben Sie für den Breitengrad eine gültige Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter a valid number for Longitude.</source>
        <translation>Bitte geben Sie für den Längengrad eine gültige Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter a valid time difference from UTC: hours east of Greenwich, from %1 to %2.</source>
        <translation>Bitte geben Sie eine gültige Zeitdifferenz zu UTC ein: Stunden östlich von Greenwich, von %1 bis %2.</translation>
    </message>
    <message>
        <source>Latitude hemisphere</source>
        <translation>Hemisphäre der Breite</translation>
    </message>
    <message>
        <source>Longitude hemisphere</source>
        <translation>Hemisphäre der Länge</translation>
    </message>
</context>
<context>
    <name>kestrune::MonitorScreen</name>
    <message>
        <source>Auto exit on a fix</source>
        <translation>Bei Fix automatisch beenden</translation>
    </message>
    <message>
        <source>Auto exit on fix</source>
        <translation>Beenden bei Fix</translation>
    </message>
    <message>
        <source>Waiting for the receiver...</source>
        <translation>Warte auf den Empfänger...</translation>
    </message>
    <message>
        <source>Nothing from the receiver for %1 seconds. Is it switched on, are its batteries charged, is this the right port, and is no other program (gpsd, say) reading it?</source>
        <translation>Seit %1 Sekunden nichts vom Empfänger. Ist er eingeschaltet, sind seine Batterien geladen, ist dies die richtige Schnittstelle, und liest kein anderes Programm (etwa gpsd) ihn aus?</translation>
    </message>
    <message>
        <source>Unable to connect to Earthmate on port number %1 is not correct!<byte value="xd"/>
<byte value="xd"/>
Check the cable and the port number. Also make sure another program is not using port number %1.</source>
        <translation>Keine Verbindung zum Earthmate an Schnittstelle %1: Die Nummer stimmt nicht!<byte value="xd"/>
<byte value="xd"/>
Prüfen Sie das Kabel und die Schnittstellennummer. Stellen Sie auch sicher, dass kein anderes Programm die Schnittstelle %1 benutzt.</translation>
    </message>
    <message>
        <source>Status: </source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>UTC Date:</source>
        <translation>UTC-Datum:</translation>
    </message>
    <message>
        <source>UTC Time:</source>
        <translation>UTC-Zeit:</translation>
    </message>
    <message>
        <source>Co-ord:</source>
        <translation>Koord.:</translation>
    </message>
    <message>
        <source>Quality: </source>
        <translation>Qualität:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satelliten:</translation>
    </message>
    <message>
        <source>Precision:</source>
        <translation>Präzision:</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Leerlauf</translation>
    </message>
    <message>
        <source>Attempting to connect to the GPS...</source>
        <translation>Verbindung zum GPS wird hergestellt...</translation>
    </message>
    <message>
        <source>Receiving data...</source>
        <translation>Daten werden empfangen...</translation>
    </message>
    <message>
        <source>Acceptable</source>
        <translation>Akzeptabel</translation>
    </message>
    <message numerus="yes">
        <source>Auto exiting in... %n seconds.</source>
        <translation>
            <numerusform>Beenden in %n Sekunde.</numerusform>
            <numerusform>Beenden in %n Sekunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Warning, attempting to obtain a fix!</source>
        <translation>Achtung, noch kein Fix, Suche läuft!</translation>
    </message>
    <message>
        <source>Receiver lost: %1 went away</source>
        <translation>Empfänger verloren: %1 ist verschwunden</translation>
    </message>
    <message>
        <source>Receiver lost: %1</source>
        <translation>Empfänger verloren: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n used in the fix</source>
        <translation>
            <numerusform>%n für den Fix genutzt</numerusform>
            <numerusform>%n für den Fix genutzt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kestrune::SatelliteBar</name>
    <message>
        <source>Satellite %1: %2 dB-Hz, used in the fix</source>
        <translation>Satellit %1: %2 dB-Hz, für den Fix genutzt</translation>
    </message>
    <message>
        <source>Satellite %1: %2 dB-Hz, tracked</source>
        <translation>Satellit %1: %2 dB-Hz, verfolgt</translation>
    </message>
</context>
<context>
    <name>kestrune::SatelliteBars</name>
    <message>
        <source>Tracked: %1, used in the fix: %2</source>
        <translation>Verfolgt: %1, für den Fix genutzt: %2</translation>
    </message>
</context>
<context>
    <name>kestrune::Screen</name>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
</context>
<context>
    <name>kestrune::SettingsFile</name>
    <message>
        <source>Kestrune will not change its settings file %1: %2. Your settings will not be saved.</source>
        <translation>Kestrune ändert seine Einstellungsdatei %1 nicht: %2. Ihre Einstellungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Kestrune cannot read its settings file %1: %2. Your settings will not be saved.</source>
        <translation>Kestrune kann seine Einstellungsdatei %1 nicht lesen: %2. Ihre Einstellungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Kestrune could not save your settings in %1: %2.</source>
        <translation>Kestrune konnte Ihre Einstellungen nicht in %1 speichern: %2.</translation>
    </message>
</context>
<context>
    <name>kestrune::StartPosition</name>
    <message>
        <source>From this computer&apos;s time zone, %1: correct it if you are far from there</source>
        <translation>Aus der Zeitzone dieses Computers, %1: Korrigieren Sie den Wert, wenn Sie weit davon entfernt sind</translation>
    </message>
</context>
<context>
    <name>kestrune::WelcomeScreen</name>
    <message>
        <source>Kestrune will initialize your Earthmate with a predefined set of co-ordinates.  This will speed up the time it takes your Earthmate unit to lock in to the satellites.</source>
        <translation>Kestrune initialisiert Ihren Earthmate mit vorgegebenen Koordinaten. So findet Ihr Earthmate die Satelliten schneller.</translation>
    </message>
    <message>
        <source>Kestrune will retain the co-ordinates as long as the unit has good batteries or power is applied to the unit.</source>
        <translation>Die Koordinaten bleiben erhalten, solange das Gerät gute Batterien hat oder mit Strom versorgt wird.</translation>
    </message>
    <message>
        <source>&amp;Continue &gt;&gt;</source>
        <translation>&amp;Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>vx</name>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>kann nicht auf %1 schreiben: %2</translation>
    </message>
    <message>
        <source>Device or resource busy (is another program using it?)</source>
        <translation>Gerät oder Ressource belegt (benutzt ein anderes Programm es?)</translation>
    </message>
    <message>
        <source>Permission denied (is the user in the dialout group?)</source>
        <translation>Keine Berechtigung (ist der Benutzer in der Gruppe dialout?)</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Class does not support Automation</source>
        <translation>Klasse unterstützt keine Automatisierung</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Objekt unterstützt diese Eigenschaft oder Methode nicht</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Falsche Anzahl an Argumenten oder ungültige Zuweisung an eine Eigenschaft</translation>
    </message>
    <message>
        <source>Property is read-only</source>
        <translation>Eigenschaft ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Property is write-only</source>
        <translation>Eigenschaft kann nur geschrieben werden</translation>
    </message>
    <message>
        <source>it has woken the receiver without the time and position, so the first fix comes late</source>
        <extracomment>Follows &quot;gpsd is reading /dev/ttyUSB0: &quot;; &quot;it&quot; is gpsd.</extracomment>
        <translation>er hat den Empfänger ohne Uhrzeit und Position geweckt, deshalb kommt der erste Fix spät</translation>
    </message>
    <message>
        <source>it will wake the receiver without the time and position as soon as the receiver speaks, so the first fix will come late</source>
        <translation>er weckt den Empfänger ohne Uhrzeit und Position, sobald dieser sendet, deshalb kommt der erste Fix spät</translation>
    </message>
    <message>
        <source>gpsd is reading %1: %2. To have it initialised: sudo gpsdctl remove %1, switch the receiver off and on, initialise it, then sudo gpsdctl add %1. Or, with %3 installed, simply unplug the receiver and plug it in again.</source>
        <translation>gpsd liest %1: %2. Zum Initialisieren: sudo gpsdctl remove %1, den Empfänger aus- und wieder einschalten, initialisieren, dann sudo gpsdctl add %1. Oder, wenn %3 installiert ist, den Empfänger einfach ab- und wieder anstecken.</translation>
    </message>
    <message>
        <source>gpsd was reading %1 and %2. It is taken from gpsd (gpsdctl remove %1) and given back when the port closes. Switch the receiver off and on to have it initialised.</source>
        <extracomment>%2 says what gpsd did or would have done: &quot;had woken the receiver ...&quot;.</extracomment>
        <translation>gpsd las %1 und %2. Das Gerät wird gpsd entzogen (gpsdctl remove %1) und zurückgegeben, sobald die Schnittstelle geschlossen wird. Schalten Sie den Empfänger aus und wieder ein, damit er initialisiert wird.</translation>
    </message>
    <message>
        <source>had woken the receiver without the time and position</source>
        <translation>hatte den Empfänger ohne Uhrzeit und Position geweckt</translation>
    </message>
    <message>
        <source>would have woken the receiver without the time and position</source>
        <translation>hätte den Empfänger ohne Uhrzeit und Position geweckt</translation>
    </message>
    <message>
        <source>%1 given back to gpsd (gpsdctl add %1)</source>
        <translation>%1 an gpsd zurückgegeben (gpsdctl add %1)</translation>
    </message>
    <message>
        <source>gpsd did not take %1 back: it heard no GPS on it. Add it again with sudo gpsdctl add %1</source>
        <translation>gpsd hat %1 nicht zurückgenommen: Es hat dort kein GPS gehört. Fügen Sie es mit sudo gpsdctl add %1 wieder hinzu</translation>
    </message>
    <message>
        <source>cannot give %1 back to gpsd: its control socket %2 does not answer. Add it again with sudo gpsdctl add %1</source>
        <translation>%1 kann nicht an gpsd zurückgegeben werden: Sein Steuer-Socket %2 antwortet nicht. Fügen Sie es mit sudo gpsdctl add %1 wieder hinzu</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>kein Gerät</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>serielles Gerät</translation>
    </message>
    <message>
        <source>pseudo-terminal</source>
        <translation>Pseudoterminal</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>kein serielles Gerät</translation>
    </message>
    <message>
        <source>USB serial adapter</source>
        <translation>USB-Seriell-Adapter</translation>
    </message>
    <message>
        <source>USB serial adapters here: %1. To make %2 port %3: %4</source>
        <translation>Vorhandene USB-Seriell-Adapter: %1. So wird %2 zur Schnittstelle %3: %4</translation>
    </message>
    <message>
        <source>cannot create &quot;%1&quot;: no control library holding it was found in %2</source>
        <translation>„%1“ kann nicht erzeugt werden: In %2 wurde keine Steuerelement-Bibliothek gefunden, die es enthält</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is on UTC</source>
        <translation>Die Uhr dieses Computers läuft auf UTC</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is 1 hour ahead of UTC</source>
        <translation>Die Uhr dieses Computers geht gegenüber UTC 1 Stunde vor</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is %1 hours ahead of UTC</source>
        <translation>Die Uhr dieses Computers geht gegenüber UTC %1 Stunden vor</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is 1 hour behind UTC</source>
        <translation>Die Uhr dieses Computers geht gegenüber UTC 1 Stunde nach</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is %1 hours behind UTC</source>
        <translation>Die Uhr dieses Computers geht gegenüber UTC %1 Stunden nach</translation>
    </message>
    <message>
        <source>A program that had borrowed a device ended without giving it back: %1</source>
        <extracomment>%1 tells how giving the device back went: &quot;/dev/ttyUSB0 given back to gpsd ...&quot;.</extracomment>
        <translation>Ein Programm, das sich ein Gerät von gpsd geliehen hatte, wurde beendet, ohne es zurückzugeben: %1</translation>
    </message>
</context>
</TS>
