<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>kestrune::AboutBox</name>
    <message>
        <source>Version %1.%2.</source>
        <translation>Versie %1.%2.</translation>
    </message>
    <message>
        <source>Written by the Kestrune developers.</source>
        <translation>Geschreven door de ontwikkelaars van Kestrune.</translation>
    </message>
    <message>
        <source>Kestrune is free software: copy it and give it away.</source>
        <translation>Kestrune is vrije software: kopieer het en geef het door.</translation>
    </message>
</context>
<context>
    <name>kestrune::CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument ‘%1’.</translation>
    </message>
</context>
<context>
    <name>kestrune::ErrorReport</name>
    <message>
        <source>Application Error!</source>
        <translation>Toepassingsfout!</translation>
    </message>
    <message>
        <source>Err.Num: (%1), Err.Des: (%2) Err.Src: (%3)</source>
        <translation>Foutnr.: (%1), omschrijving: (%2) bron: (%3)</translation>
    </message>
    <message>
        <source>A serious internal error occurred in the &quot;%1&quot; module!<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
If the problem persists, report full details to your software support personnel.</source>
        <translation>Er is een ernstige interne fout opgetreden in de module ‘%1’!<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Als het probleem blijft bestaan, meld dan alle details aan uw softwareondersteuning.</translation>
    </message>
</context>
<context>
    <name>kestrune::LocationRules</name>
    <message>
        <source>&quot;%1&quot; or &quot;.&quot;</source>
        <translation>‘%1’ of ‘.’</translation>
    </message>
    <message>
        <source>Only digits, a minus and %1 as the decimal separator can be entered here: &quot;%2&quot; cannot.</source>
        <translation>Hier kunnen alleen cijfers, een minteken en %1 als decimaalteken worden ingevoerd, ‘%2’ niet.</translation>
    </message>
    <message>
        <source>Only digits and %1 as the decimal separator can be entered here: &quot;%2&quot; cannot.</source>
        <translation>Hier kunnen alleen cijfers en %1 als decimaalteken worden ingevoerd, ‘%2’ niet.</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>%1, but the time difference entered is %2. Use %3?</source>
        <translation>%1, maar het ingevoerde tijdverschil is %2. %3 gebruiken?</translation>
    </message>
</context>
<context>
    <name>kestrune::LocationScreen</name>
    <message>
        <source>Please enter the following details as best describes your current location.</source>
        <translation>Vul hieronder zo nauwkeurig mogelijk uw huidige locatie in.</translation>
    </message>
    <message>
        <source>Latitude (###.####)</source>
        <translation>Breedte (###,####)</translation>
    </message>
    <message>
        <source>Your latitude. Eg. 37.3567</source>
        <translation>Uw breedtegraad, bijv. 37,3567</translation>
    </message>
    <message>
        <source>Longitude (###.####)</source>
        <translation>Lengte (###,####)</translation>
    </message>
    <message>
        <source>Your longitude. Eg. 144.67</source>
        <translation>Uw lengtegraad, bijv. 144,67</translation>
    </message>
    <message>
        <source>Time Diff. from UTC</source>
        <translation>Tijdverschil met UTC</translation>
    </message>
    <message>
        <source>The time difference from GMT. Eg. London is 0 (+1 in summer), New York is -5 (-4 in summer) and Sydney is +10 (+11 in summer) etc.</source>
        <translation>Het tijdverschil met GMT, bijv. Londen 0 (in de zomer +1), New York -5 (in de zomer -4) en Sydney +10 (in de zomer +11).</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Seriële poort</translation>
    </message>
    <message>
        <source>The serial port number, where you Earthmate is plugged in to. Eg. 1 or 2 etc.</source>
        <translation>Het nummer van de seriële poort waarop uw Earthmate is aangesloten, bijv. 1 of 2.</translation>
    </message>
    <message>
        <source>&amp;Continue &gt;&gt;</source>
        <translation>&amp;Verder &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Please enter a valid number for latitude.</source>
        <translation>Voer een geldig getal in voor de breedtegraad.</translation>
    </message>
    <message>
        <source>Please enter a valid number for Longitude.</source>
        <translation>Voer een geldig getal in voor de lengtegraad.</translation>
    </message>
    <message>
        <source>Please enter a valid time difference from UTC: hours east of Greenwich, from %1 to %2.</source>
        <translation>Voer een geldig tijdverschil met UTC in: uren ten oosten van Greenwich, van %1 tot %2.</translation>
    </message>
    <message>
        <source>Latitude hemisphere</source>
        <translation>Halfrond van de breedte</translation>
    </message>
    <message>
        <source>Longitude hemisphere</source>
        <translation>Halfrond van de lengte</translation>
    </message>
</context>
<context>
    <name>kestrune::MonitorScreen</name>
    <message>
        <source>Auto exit on a fix</source>
        <translation>Automatisch afsluiten bij fix</translation>
    </message>
    <message>
        <source>Auto exit on fix</source>
        <translation>Afsluiten bij fix</translation>
    </message>
    <message>
        <source>Waiting for the receiver...</source>
        <translation>Wachten op de ontvanger...</translation>
    </message>
    <message>
        <source>Nothing from the receiver for %1 seconds. Is it switched on, are its batteries charged, is this the right port, and is no other program (gpsd, say) reading it?</source>
        <translation>Al %1 seconden niets van de ontvanger. Staat hij aan, zijn de batterijen opgeladen, is dit de juiste poort, en leest geen ander programma (gpsd bijvoorbeeld) hem uit?</translation>
    </message>
    <message>
        <source>Unable to connect to Earthmate on port number %1 is not correct!<byte value="xd"/>
<byte value="xd"/>
Check the cable and the port number. Also make sure another program is not using port number %1.</source>
        <translation>Geen verbinding met de Earthmate op poort %1: dit poortnummer klopt niet!<byte value="xd"/>
<byte value="xd"/>
Controleer de kabel en het poortnummer. Zorg er ook voor dat geen ander programma poort %1 gebruikt.</translation>
    </message>
    <message>
        <source>Status: </source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>UTC Date:</source>
        <translation>UTC-datum:</translation>
    </message>
    <message>
        <source>UTC Time:</source>
        <translation>UTC-tijd:</translation>
    </message>
    <message>
        <source>Co-ord:</source>
        <translation>Coörd.:</translation>
    </message>
    <message>
        <source>Quality: </source>
        <translation>Kwaliteit:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satellieten:</translation>
    </message>
    <message>
        <source>Precision:</source>
        <translation>Precisie:</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inactief</translation>
    </message>
    <message>
        <source>Attempting to connect to the GPS...</source>
        <translation>Verbinding maken met de GPS...</translation>
    </message>
    <message>
        <source>Receiving data...</source>
        <translation>Gegevens worden ontvangen...</translation>
    </message>
    <message>
        <source>Acceptable</source>
        <translation>Acceptabel</translation>
    </message>
    <message numerus="yes">
        <source>Auto exiting in... %n seconds.</source>
        <translation>
            <numerusform>Afsluiten over %n seconde.</numerusform>
            <numerusform>Afsluiten over %n seconden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Warning, attempting to obtain a fix!</source>
        <translation>Let op, nog geen fix, bezig met zoeken!</translation>
    </message>
    <message>
        <source>Receiver lost: %1 went away</source>
        <translation>Ontvanger kwijt: %1 is verdwenen</translation>
    </message>
    <message>
        <source>Receiver lost: %1</source>
        <translation>Ontvanger kwijt: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n used in the fix</source>
        <translation>
            <numerusform>%n gebruikt voor de fix</numerusform>
            <numerusform>%n gebruikt voor de fix</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kestrune::SatelliteBar</name>
    <message>
        <source>Satellite %1: %2 dB-Hz, used in the fix</source>
        <translation>Satelliet %1: %2 dB-Hz, gebruikt voor de fix</translation>
    </message>
    <message>
        <source>Satellite %1: %2 dB-Hz, tracked</source>
        <translation>Satelliet %1: %2 dB-Hz, gevolgd</translation>
    </message>
</context>
<context>
    <name>kestrune::SatelliteBars</name>
    <message>
        <source>Tracked: %1, used in the fix: %2</source>
        <translation>Gevolgd: %1, gebruikt voor de fix: %2</translation>
    </message>
</context>
<context>
    <name>kestrune::Screen</name>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
</context>
<context>
    <name>kestrune::SettingsFile</name>
    <message>
        <source>Kestrune will not change its settings file %1: %2. Your settings will not be saved.</source>
        <translation>Kestrune wijzigt zijn instellingenbestand %1 niet: %2. Uw instellingen worden niet opgeslagen.</translation>
    </message>
    <message>
        <source>Kestrune cannot read its settings file %1: %2. Your settings will not be saved.</source>
        <translation>Kestrune kan zijn instellingenbestand %1 niet lezen: %2. Uw instellingen worden niet opgeslagen.</translation>
    </message>
    <message>
        <source>Kestrune could not save your settings in %1: %2.</source>
        <translation>Kestrune kon uw instellingen niet opslaan in %1: %2.</translation>
    </message>
</context>
<context>
    <name>kestrune::StartPosition</name>
    <message>
        <source>From this computer&apos;s time zone, %1: correct it if you are far from there</source>
        <translation>Uit de tijdzone van deze computer, %1: pas dit aan als u daar ver vandaan bent</translation>
    </message>
</context>
<context>
    <name>kestrune::WelcomeScreen</name>
    <message>
        <source>Kestrune will initialize your Earthmate with a predefined set of co-ordinates.  This will speed up the time it takes your Earthmate unit to lock in to the satellites.</source>
        <translation>Kestrune initialiseert uw Earthmate met vooraf ingestelde coördinaten. Zo vindt uw Earthmate de satellieten sneller.</translation>
    </message>
    <message>
        <source>Kestrune will retain the co-ordinates as long as the unit has good batteries or power is applied to the unit.</source>
        <translation>De coördinaten blijven bewaard zolang het apparaat goede batterijen heeft of stroom krijgt.</translation>
    </message>
    <message>
        <source>&amp;Continue &gt;&gt;</source>
        <translation>&amp;Verder &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
</context>
<context>
    <name>vx</name>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>kan niet schrijven naar %1: %2</translation>
    </message>
    <message>
        <source>Device or resource busy (is another program using it?)</source>
        <translation>Apparaat of bron bezet (gebruikt een ander programma het?)</translation>
    </message>
    <message>
        <source>Permission denied (is the user in the dialout group?)</source>
        <translation>Toegang geweigerd (zit de gebruiker in de groep dialout?)</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Bestand of map bestaat niet</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>kan %1 niet openen: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ongeldige procedure-aanroep of ongeldig argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen komen niet overeen</translation>
    </message>
    <message>
        <source>Class does not support Automation</source>
        <translation>Klasse ondersteunt geen automatisering</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Object ondersteunt deze eigenschap of methode niet</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Onjuist aantal argumenten of ongeldige toewijzing aan een eigenschap</translation>
    </message>
    <message>
        <source>Property is read-only</source>
        <translation>Eigenschap is alleen-lezen</translation>
    </message>
    <message>
        <source>Property is write-only</source>
        <translation>Eigenschap is alleen-schrijven</translation>
    </message>
    <message>
        <source>it has woken the receiver without the time and position, so the first fix comes late</source>
        <extracomment>Follows &quot;gpsd is reading /dev/ttyUSB0: &quot;; &quot;it&quot; is gpsd.</extracomment>
        <translation>hij heeft de ontvanger zonder tijd en positie gewekt, dus de eerste fix laat op zich wachten</translation>
    </message>
    <message>
        <source>it will wake the receiver without the time and position as soon as the receiver speaks, so the first fix will come late</source>
        <translation>hij wekt de ontvanger zonder tijd en positie zodra die iets zendt, dus de eerste fix laat op zich wachten</translation>
    </message>
    <message>
        <source>gpsd is reading %1: %2. To have it initialised: sudo gpsdctl remove %1, switch the receiver off and on, initialise it, then sudo gpsdctl add %1. Or, with %3 installed, simply unplug the receiver and plug it in again.</source>
        <translation>gpsd leest %1: %2. Om hem te initialiseren: sudo gpsdctl remove %1, zet de ontvanger uit en weer aan, initialiseer hem en daarna sudo gpsdctl add %1. Of, als %3 geïnstalleerd is, koppel de ontvanger gewoon los en sluit hem weer aan.</translation>
    </message>
    <message>
        <source>gpsd was reading %1 and %2. It is taken from gpsd (gpsdctl remove %1) and given back when the port closes. Switch the receiver off and on to have it initialised.</source>
        <extracomment>%2 says what gpsd did or would have done: &quot;had woken the receiver ...&quot;.</extracomment>
        <translation>gpsd las %1 en %2. Het apparaat wordt bij gpsd weggehaald (gpsdctl remove %1) en teruggegeven zodra de poort sluit. Zet de ontvanger uit en weer aan om hem te laten initialiseren.</translation>
    </message>
    <message>
        <source>had woken the receiver without the time and position</source>
        <translation>had de ontvanger zonder tijd en positie gewekt</translation>
    </message>
    <message>
        <source>would have woken the receiver without the time and position</source>
        <translation>zou de ontvanger zonder tijd en positie hebben gewekt</translation>
    </message>
    <message>
        <source>%1 given back to gpsd (gpsdctl add %1)</source>
        <translation>%1 teruggegeven aan gpsd (gpsdctl add %1)</translation>
    </message>
    <message>
        <source>gpsd did not take %1 back: it heard no GPS on it. Add it again with sudo gpsdctl add %1</source>
        <translation>gpsd heeft %1 niet teruggenomen: het hoorde er geen GPS op. Voeg het opnieuw toe met sudo gpsdctl add %1</translation>
    </message>
    <message>
        <source>cannot give %1 back to gpsd: its control socket %2 does not answer. Add it again with sudo gpsdctl add %1</source>
        <translation>kan %1 niet teruggeven aan gpsd: de besturingssocket %2 antwoordt niet. Voeg het opnieuw toe met sudo gpsdctl add %1</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>geen apparaat</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>serieel apparaat</translation>
    </message>
    <message>
        <source>pseudo-terminal</source>
        <translation>pseudoterminal</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>geen serieel apparaat</translation>
    </message>
    <message>
        <source>USB serial adapter</source>
        <translation>USB-serieeladapter</translation>
    </message>
    <message>
        <source>USB serial adapters here: %1. To make %2 port %3: %4</source>
        <translation>Aanwezige USB-serieeladapters: %1. Zo maakt u van %2 poort %3: %4</translation>
    </message>
    <message>
        <source>cannot create &quot;%1&quot;: no control library holding it was found in %2</source>
        <translation>kan ‘%1’ niet aanmaken: in %2 is geen bibliotheek met dit besturingselement gevonden</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is on UTC</source>
        <translation>De klok van deze computer staat op UTC</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is 1 hour ahead of UTC</source>
        <translation>De klok van deze computer loopt 1 uur voor op UTC</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is %1 hours ahead of UTC</source>
        <translation>De klok van deze computer loopt %1 uur voor op UTC</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is 1 hour behind UTC</source>
        <translation>De klok van deze computer loopt 1 uur achter op UTC</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is %1 hours behind UTC</source>
        <translation>De klok van deze computer loopt %1 uur achter op UTC</translation>
    </message>
    <message>
        <source>A program that had borrowed a device ended without giving it back: %1</source>
        <extracomment>%1 tells how giving the device back went: &quot;/dev/ttyUSB0 given back to gpsd ...&quot;.</extracomment>
        <translation>Een programma dat een apparaat van gpsd had geleend, is beëindigd zonder het terug te geven: %1</translation>
    </message>
</context>
</TS>
