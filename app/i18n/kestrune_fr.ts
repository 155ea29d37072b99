<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>kestrune::AboutBox</name>
    <message>
        <source>Version %1.%2.</source>
        <translation>Version %1.%2.</translation>
    </message>
    <message>
        <source>Written by the Kestrune developers.</source>
        <translation>Écrit par les développeurs de Kestrune.</translation>
    </message>
    <message>
        <source>Kestrune is free software: copy it and give it away.</source>
        <translation>Kestrune est un logiciel libre : copiez-le et partagez-le.</translation>
    </message>
</context>
<context>
    <name>kestrune::CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
</context>
<context>
    <name>kestrune::ErrorReport</name>
    <message>
        <source>Application Error!</source>
        <translation>Erreur de l’application !</translation>
    </message>
    <message>
        <source>Err.Num: (%1), Err.Des: (%2) Err.Src: (%3)</source>
        <translation>N° d’erreur : (%1), description : (%2) source : (%3)</translation>
    </message>
    <message>
        <source>A serious internal error occurred in the &quot;%1&quot; module!<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
If the problem persists, report full details to your software support personnel.</source>
        <translation>Une grave erreur interne s’est produite dans le module « %1 » !<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Si le problème persiste, transmettez tous ces détails à votre service d’assistance.</translation>
    </message>
</context>
<context>
    <name>kestrune::LocationRules</name>
    <message>
        <source>&quot;%1&quot; or &quot;.&quot;</source>
        <translation>« %1 » ou « . »</translation>
    </message>
    <message>
        <source>Only digits, a minus and %1 as the decimal separator can be entered here: &quot;%2&quot; cannot.</source>
        <translation>Seuls les chiffres, le signe moins et %1 comme séparateur décimal peuvent être saisis ici, pas « %2 ».</translation>
    </message>
    <message>
        <source>Only digits and %1 as the decimal separator can be entered here: &quot;%2&quot; cannot.</source>
        <translation>Seuls les chiffres et %1 comme séparateur décimal peuvent être saisis ici, pas « %2 ».</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1, but the time difference entered is %2. Use %3?</source>
        <translation>%1, mais le décalage horaire saisi est %2. Utiliser %3 ?</translation>
    </message>
</context>
<context>
    <name>kestrune::LocationScreen</name>
    <message>
        <source>Please enter the following details as best describes your current location.</source>
        <translation>Veuillez indiquer ci-dessous votre position actuelle aussi précisément que possible.</translation>
    </message>
    <message>
        <source>Latitude (###.####)</source>
        <translation>Latitude (###,####)</translation>
    </message>
    <message>
        <source>Your latitude. Eg. 37.3567</source>
        <translation>Votre latitude, par ex. 37,3567</translation>
    </message>
    <message>
        <source>Longitude (###.####)</source>
        <translation>Longitude (###,####)</translation>
    </message>
    <message>
        <source>Your longitude. Eg. 144.67</source>
        <translation>Votre longitude, par ex. 144,67</translation>
    </message>
    <message>
        <source>Time Diff. from UTC</source>
        <translation>Décalage horaire UTC</translation>
    </message>
    <message>
        <source>The time difference from GMT. Eg. London is 0 (+1 in summer), New York is -5 (-4 in summer) and Sydney is +10 (+11 in summer) etc.</source>
        <translation>Le décalage horaire par rapport à GMT, par ex. Londres 0 (+1 en été), New York -5 (-4 en été) et Sydney +10 (+11 en été).</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Port série</translation>
    </message>
    <message>
        <source>The serial port number, where you Earthmate is plugged in to. Eg. 1 or 2 etc.</source>
        <translation>Le numéro du port série sur lequel votre Earthmate est branché, par ex. 1 ou 2.</translation>
    </message>
    <message>
        <source>&amp;Continue &gt;&gt;</source>
        <translation>&amp;Suivant &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Please enter a valid number for latitude.</source>
        <translation>Veuillez saisir un nombre valide pour la latitude.</translation>
    </message>
    <message>
        <source>Please enter a valid number for Longitude.</source>
        <translation>Veuillez saisir un nombre valide pour la longitude.</translation>
    </message>
    <message>
        <source>Please enter a valid time difference from UTC: hours east of Greenwich, from %1 to %2.</source>
        <translation>Veuillez saisir un décalage horaire valide par rapport à UTC : en heures à l’est de Greenwich, de %1 à %2.</translation>
    </message>
    <message>
        <source>Latitude hemisphere</source>
        <translation>Hémisphère de la latitude</translation>
    </message>
    <message>
        <source>Longitude hemisphere</source>
        <translation>Hémisphère de la longitude</translation>
    </message>
</context>
<context>
    <name>kestrune::MonitorScreen</name>
    <message>
        <source>Auto exit on a fix</source>
        <translation>Quitter dès la position trouvée</translation>
    </message>
    <message>
        <source>Auto exit on fix</source>
        <translation>Quitter à la position trouvée</translation>
    </message>
    <message>
        <source>Waiting for the receiver...</source>
        <translation>En attente du récepteur...</translation>
    </message>
    <message>
        <source>Nothing from the receiver for %1 seconds. Is it switched on, are its batteries charged, is this the right port, and is no other program (gpsd, say) reading it?</source>
        <translation>Rien reçu du récepteur depuis %1 secondes. Est-il allumé, ses piles sont-elles chargées, est-ce le bon port, et aucun autre programme (gpsd, par exemple) ne le lit-il ?</translation>
    </message>
    <message>
        <source>Unable to connect to Earthmate on port number %1 is not correct!<byte value="xd"/>
<byte value="xd"/>
Check the cable and the port number. Also make sure another program is not using port number %1.</source>
        <translation>Impossible de se connecter à l’Earthmate sur le port %1 : ce numéro n’est pas le bon !<byte value="xd"/>
<byte value="xd"/>
Vérifiez le câble et le numéro de port. Assurez-vous aussi qu’aucun autre programme n’utilise le port %1.</translation>
    </message>
    <message>
        <source>Status: </source>
        <translation>État :</translation>
    </message>
    <message>
        <source>UTC Date:</source>
        <translation>Date UTC :</translation>
    </message>
    <message>
        <source>UTC Time:</source>
        <translation>Heure UTC :</translation>
    </message>
    <message>
        <source>Co-ord:</source>
        <translation>Coord. :</translation>
    </message>
    <message>
        <source>Quality: </source>
        <translation>Qualité :</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satellites :</translation>
    </message>
    <message>
        <source>Precision:</source>
        <translation>Précision :</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>Attempting to connect to the GPS...</source>
        <translation>Connexion au GPS en cours...</translation>
    </message>
    <message>
        <source>Receiving data...</source>
        <translation>Réception des données...</translation>
    </message>
    <message>
        <source>Acceptable</source>
        <translation>Acceptable</translation>
    </message>
    <message numerus="yes">
        <source>Auto exiting in... %n seconds.</source>
        <translation>
            <numerusform>Fermeture dans %n seconde.</numerusform>
            <numerusform>Fermeture dans %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Warning, attempting to obtain a fix!</source>
        <translation>Attention, recherche de la position en cours !</translation>
    </message>
    <message>
        <source>Receiver lost: %1 went away</source>
        <translation>Récepteur perdu : %1 a disparu</translation>
    </message>
    <message>
        <source>Receiver lost: %1</source>
        <translation>Récepteur perdu : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n used in the fix</source>
        <translation>
            <numerusform>%n utilisé pour la position</numerusform>
            <numerusform>%n utilisés pour la position</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kestrune::SatelliteBar</name>
    <message>
        <source>Satellite %1: %2 dB-Hz, used in the fix</source>
        <translation>Satellite %1 : %2 dB-Hz, utilisé pour la position</translation>
    </message>
    <message>
        <source>Satellite %1: %2 dB-Hz, tracked</source>
        <translation>Satellite %1 : %2 dB-Hz, suivi</translation>
    </message>
</context>
<context>
    <name>kestrune::SatelliteBars</name>
    <message>
        <source>Tracked: %1, used in the fix: %2</source>
        <translation>Suivis : %1, utilisés pour la position : %2</translation>
    </message>
</context>
<context>
    <name>kestrune::Screen</name>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
</context>
<context>
    <name>kestrune::SettingsFile</name>
    <message>
        <source>Kestrune will not change its settings file %1: %2. Your settings will not be saved.</source>
        <translation>Kestrune ne modifiera pas son fichier de réglages %1 : %2. Vos réglages ne seront pas enregistrés.</translation>
    </message>
    <message>
        <source>Kestrune cannot read its settings file %1: %2. Your settings will not be saved.</source>
        <translation>Kestrune ne peut pas lire son fichier de réglages %1 : %2. Vos réglages ne seront pas enregistrés.</translation>
    </message>
    <message>
        <source>Kestrune could not save your settings in %1: %2.</source>
        <translation>Kestrune n’a pas pu enregistrer vos réglages dans %1 : %2.</translation>
    </message>
</context>
<context>
    <name>kestrune::StartPosition</name>
    <message>
        <source>From this computer&apos;s time zone, %1: correct it if you are far from there</source>
        <translation>D’après le fuseau horaire de cet ordinateur, %1 : corrigez-la si vous en êtes loin</translation>
    </message>
</context>
<context>
    <name>kestrune::WelcomeScreen</name>
    <message>
        <source>Kestrune will initialize your Earthmate with a predefined set of co-ordinates.  This will speed up the time it takes your Earthmate unit to lock in to the satellites.</source>
        <translation>Kestrune initialise votre Earthmate avec des coordonnées prédéfinies. Votre Earthmate capte ainsi plus vite les satellites.</translation>
    </message>
    <message>
        <source>Kestrune will retain the co-ordinates as long as the unit has good batteries or power is applied to the unit.</source>
        <translation>Les coordonnées sont conservées tant que l’appareil a de bonnes piles ou reste alimenté.</translation>
    </message>
    <message>
        <source>&amp;Continue &gt;&gt;</source>
        <translation>&amp;Suivant &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>vx</name>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>impossible d’écrire sur %1 : %2</translation>
    </message>
    <message>
        <source>Device or resource busy (is another program using it?)</source>
        <translation>Périphérique ou ressource occupé (un autre programme l’utilise-t-il ?)</translation>
    </message>
    <message>
        <source>Permission denied (is the user in the dialout group?)</source>
        <translation>Permission refusée (l’utilisateur fait-il partie du groupe dialout ?)</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce nom</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d’ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Class does not support Automation</source>
        <translation>Cette classe ne prend pas en charge l’automatisation</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Cet objet ne gère pas cette propriété ou méthode</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Nombre d’arguments incorrect ou affectation de propriété non valide</translation>
    </message>
    <message>
        <source>Property is read-only</source>
        <translation>Propriété en lecture seule</translation>
    </message>
    <message>
        <source>Property is write-only</source>
        <translation>Propriété en écriture seule</translation>
    </message>
    <message>
        <source>it has woken the receiver without the time and position, so the first fix comes late</source>
        <extracomment>Follows &quot;gpsd is reading /dev/ttyUSB0: &quot;; &quot;it&quot; is gpsd.</extracomment>
        <translation>il a réveillé le récepteur sans l’heure ni la position, la première position sera donc longue à venir</translation>
    </message>
    <message>
        <source>it will wake the receiver without the time and position as soon as the receiver speaks, so the first fix will come late</source>
        <translation>il réveillera le récepteur sans l’heure ni la position dès que celui-ci émettra, la première position sera donc longue à venir</translation>
    </message>
    <message>
        <source>gpsd is reading %1: %2. To have it initialised: sudo gpsdctl remove %1, switch the receiver off and on, initialise it, then sudo gpsdctl add %1. Or, with %3 installed, simply unplug the receiver and plug it in again.</source>
        <translation>gpsd lit %1 : %2. Pour l’initialiser : sudo gpsdctl remove %1, éteignez et rallumez le récepteur, initialisez-le, puis sudo gpsdctl add %1. Ou, si %3 est installé, débranchez simplement le récepteur et rebranchez-le.</translation>
    </message>
    <message>
        <source>gpsd was reading %1 and %2. It is taken from gpsd (gpsdctl remove %1) and given back when the port closes. Switch the receiver off and on to have it initialised.</source>
        <extracomment>%2 says what gpsd did or would have done: &quot;had woken the receiver ...&quot;.</extracomment>
        <translation>gpsd lisait %1 et %2. Le périphérique est retiré à gpsd (gpsdctl remove %1) et lui sera rendu à la fermeture du port. Éteignez et rallumez le récepteur pour qu’il soit initialisé.</translation>
    </message>
    <message>
        <source>had woken the receiver without the time and position</source>
        <translation>avait réveillé le récepteur sans l’heure ni la position</translation>
    </message>
    <message>
        <source>would have woken the receiver without the time and position</source>
        <translation>aurait réveillé le récepteur sans l’heure ni la position</translation>
    </message>
    <message>
        <source>%1 given back to gpsd (gpsdctl add %1)</source>
        <translation>%1 rendu à gpsd (gpsdctl add %1)</translation>
    </message>
    <message>
        <source>gpsd did not take %1 back: it heard no GPS on it. Add it again with sudo gpsdctl add %1</source>
        <translation>gpsd n’a pas repris %1 : il n’y a entendu aucun GPS. Ajoutez-le de nouveau avec sudo gpsdctl add %1</translation>
    </message>
    <message>
        <source>cannot give %1 back to gpsd: its control socket %2 does not answer. Add it again with sudo gpsdctl add %1</source>
        <translation>impossible de rendre %1 à gpsd : son socket de contrôle %2 ne répond pas. Ajoutez-le de nouveau avec sudo gpsdctl add %1</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>aucun périphérique</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>périphérique série</translation>
    </message>
    <message>
        <source>pseudo-terminal</source>
        <translation>pseudo-terminal</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>pas un périphérique série</translation>
    </message>
    <message>
        <source>USB serial adapter</source>
        <translation>adaptateur série USB</translation>
    </message>
    <message>
        <source>USB serial adapters here: %1. To make %2 port %3: %4</source>
        <translation>Adaptateurs série USB présents : %1. Pour faire de %2 le port %3 : %4</translation>
    </message>
    <message>
        <source>cannot create &quot;%1&quot;: no control library holding it was found in %2</source>
        <translation>impossible de créer « %1 » : aucune bibliothèque de contrôles le contenant n’a été trouvée dans %2</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is on UTC</source>
        <translation>L’horloge de cet ordinateur est à l’heure UTC</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is 1 hour ahead of UTC</source>
        <translation>L’horloge de cet ordinateur a 1 heure d’avance sur UTC</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is %1 hours ahead of UTC</source>
        <translation>L’horloge de cet ordinateur a %1 heures d’avance sur UTC</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is 1 hour behind UTC</source>
        <translation>L’horloge de cet ordinateur a 1 heure de retard sur UTC</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is %1 hours behind UTC</source>
        <translation>L’horloge de cet ordinateur a %1 heures de retard sur UTC</translation>
    </message>
    <message>
        <source>A program that had borrowed a device ended without giving it back: %1</source>
        <extracomment>%1 tells how giving the device back went: &quot;/dev/ttyUSB0 given back to gpsd ...&quot;.</extracomment>
        <translation>Un programme qui avait emprunté un périphérique à gpsd s’est terminé sans le rendre : %1</translation>
    </message>
</context>
</TS>
