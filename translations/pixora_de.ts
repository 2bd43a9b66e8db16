<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Bits</name>
    <message>
        <source>error dec2bits overflow</source>
        <translation>Fehler: Überlauf in dec2bits</translation>
    </message>
</context>
<context>
    <name>EditorActions</name>
    <message>
        <source>More toolbar buttons</source>
        <translation>Weitere Schaltflächen der Symbolleiste</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Can&apos;t save this file.</source>
        <translation>Diese Datei kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
has not been saved yet.<byte value="xd"/>
<byte value="xd"/>
Do you want to save it now?</source>
        <translation><byte value="xd"/>
wurde noch nicht gespeichert.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie die Datei jetzt speichern?</translation>
    </message>
    <message>
        <source>This is no picture message this editor can open:<byte value="xd"/>
</source>
        <translation>Dies ist keine Bildnachricht, die dieser Editor öffnen kann:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Can&apos;t find this file. Try another file.</source>
        <translation>Diese Datei wurde nicht gefunden. Versuchen Sie eine andere Datei.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>file too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>|All pictures (</source>
        <translation>|Alle Bilder (</translation>
    </message>
    <message>
        <source>Nokia Picture Message (*.npm)|*.npm</source>
        <translation>Nokia-Bildnachricht (*.npm)|*.npm</translation>
    </message>
    <message>
        <source>Nokia Graphics|*.npm;*.ngg;*.nol;*.nlm;*.gms;*.nsl;*.otb;*.ngl;*.i61;*.wbmp;*.wbm|Nokia Picture Message (*.npm)|*.npm|Nokia Group Graphic (*.ngg)|*.ngg|Nokia Operator Logo (*.nol)|*.nol</source>
        <translation>Nokia-Grafiken|*.npm;*.ngg;*.nol;*.nlm;*.gms;*.nsl;*.otb;*.ngl;*.i61;*.wbmp;*.wbm|Nokia-Bildnachricht (*.npm)|*.npm|Nokia-Gruppengrafik (*.ngg)|*.ngg|Nokia-Betreiberlogo (*.nol)|*.nol</translation>
    </message>
    <message>
        <source>Pictures (*.bmp;*.gif;*.jpg;*.ico;*.rle;*.wmf;*.emf)|*.bmp;*.gif;*.jpg;*.ico;*.rle;*.wmf;*.emf</source>
        <translation>Bilder (*.bmp;*.gif;*.jpg;*.ico;*.rle;*.wmf;*.emf)|*.bmp;*.gif;*.jpg;*.ico;*.rle;*.wmf;*.emf</translation>
    </message>
    <message>
        <source>too large a file</source>
        <translation>eine zu große Datei</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp</source>
        <translation>Bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Wireless Bitmap (*.wbmp)|*.wbmp;*.wbm</source>
        <translation>Wireless Bitmap (*.wbmp)|*.wbmp;*.wbm</translation>
    </message>
    <message>
        <source>Black-and-white Bitmap (*.bmp)|*.bmp</source>
        <translation>Schwarzweiß-Bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Over-the-air Bitmap (*.otb)|*.otb</source>
        <translation>Over-the-Air-Bitmap (*.otb)|*.otb</translation>
    </message>
    <message>
        <source>Nokia Logo Manager (*.nlm)|*.nlm</source>
        <translation>Nokia Logo Manager (*.nlm)|*.nlm</translation>
    </message>
    <message>
        <source>Nokia Group Graphic (*.ngg)|*.ngg</source>
        <translation>Nokia-Gruppengrafik (*.ngg)|*.ngg</translation>
    </message>
    <message>
        <source>Nokia Operator Logo (*.nol)|*.nol</source>
        <translation>Nokia-Betreiberlogo (*.nol)|*.nol</translation>
    </message>
    <message>
        <source>Picture Message Payload (*.gms)|*.gms</source>
        <translation>Nutzdaten einer Bildnachricht (*.gms)|*.gms</translation>
    </message>
    <message>
        <source>Nokia Startup Logo (*.nsl)|*.nsl</source>
        <translation>Nokia-Startlogo (*.nsl)|*.nsl</translation>
    </message>
    <message>
        <source>Nokia Logo Text (*.ngl)|*.ngl</source>
        <translation>Nokia-Logotext (*.ngl)|*.ngl</translation>
    </message>
    <message>
        <source>Portable Network Graphics (*.png)|*.png</source>
        <translation>Portable Network Graphics (*.png)|*.png</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source> has<byte value="xd"/>
the wrong size for a picture-message.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation> hat<byte value="xd"/>
die falsche Größe für eine Bildnachricht.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Select &apos;Yes&apos; if you want to resize the image.<byte value="xd"/>
</source>
        <translation>Wählen Sie „Ja“, wenn Sie die Größe des Bildes anpassen möchten.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Select &apos;No&apos; to use only top/left part of the image.</source>
        <translation>Wählen Sie „Nein“, um nur den oberen linken Teil des Bildes zu verwenden.</translation>
    </message>
    <message>
        <source>The data from clipboard</source>
        <translation>Die Daten aus der Zwischenablage</translation>
    </message>
</context>
<context>
    <name>Open</name>
    <message>
        <source>Can&apos;t read this NLM file. Try another file.</source>
        <translation>Diese NLM-Datei kann nicht gelesen werden. Versuchen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>Can&apos;t read this GMS file. Try another file.</source>
        <translation>Diese GMS-Datei kann nicht gelesen werden. Versuchen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>Can&apos;t read this NSL file. Try another file.</source>
        <translation>Diese NSL-Datei kann nicht gelesen werden. Versuchen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>Can&apos;t read this NGL file. Try another file.</source>
        <translation>Diese NGL-Datei kann nicht gelesen werden. Versuchen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>Can&apos;t read this OTB file. Try another file.</source>
        <translation>Diese OTB-Datei kann nicht gelesen werden. Versuchen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>Can&apos;t read this WBMP file.<byte value="xd"/>
Maximum supported size is 127x127 pixel.</source>
        <translation>Diese WBMP-Datei kann nicht gelesen werden.<byte value="xd"/>
Die größte unterstützte Größe ist 127 x 127 Pixel.</translation>
    </message>
    <message>
        <source>Can&apos;t read this file. Try another file.</source>
        <translation>Diese Datei kann nicht gelesen werden. Versuchen Sie eine andere Datei.</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>The graphic is empty.<byte value="xd"/>
<byte value="xd"/>
Do you want to continue anyway?</source>
        <translation>Die Grafik ist leer.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie trotzdem fortfahren?</translation>
    </message>
</context>
<context>
    <name>Phone</name>
    <message>
        <source>User break.</source>
        <translation>Abbruch durch den Benutzer.</translation>
    </message>
    <message>
        <source>Error while talking to COM</source>
        <translation>Fehler bei der Verbindung mit COM</translation>
    </message>
    <message>
        <source>Please configure the Nokia GSM Serial Port<byte value="xd"/>
in menu &apos;Edit/Options&apos;</source>
        <translation>Bitte richten Sie den seriellen Nokia-GSM-Anschluss<byte value="xd"/>
im Menü „Bearbeiten/Optionen“ ein.</translation>
    </message>
    <message>
        <source>Phone says that memory is full (322).<byte value="xd"/>
Either it really is or you should try to get a firmware upgrade.</source>
        <translation>Das Telefon meldet, dass der Speicher voll ist (322).<byte value="xd"/>
Entweder ist er das wirklich, oder Sie sollten ein Firmware-Update versuchen.</translation>
    </message>
    <message>
        <source>Something else uses SMS in phone right now (301).<byte value="xd"/>
Please wait or reset phone, then try again.</source>
        <translation>Etwas anderes verwendet gerade die SMS-Funktion des Telefons (301).<byte value="xd"/>
Bitte warten Sie oder starten Sie das Telefon neu, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Phone reports unspecified protocol error (111).<byte value="xd"/>
Please wait a moment and try again.</source>
        <translation>Das Telefon meldet einen nicht näher bezeichneten Protokollfehler (111).<byte value="xd"/>
Bitte warten Sie einen Moment und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Phone reports unspecified command error (166).<byte value="xd"/>
Please wait a moment and try again.</source>
        <translation>Das Telefon meldet einen nicht näher bezeichneten Befehlsfehler (166).<byte value="xd"/>
Bitte warten Sie einen Moment und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Network out of order (38).<byte value="xd"/>
Maybe wrong number or wrong SMS-Center.<byte value="xd"/>
Did you enter all numbers with intl. prefix?</source>
        <translation>Netz außer Betrieb (38).<byte value="xd"/>
Vielleicht ist die Nummer oder die SMS-Zentrale falsch.<byte value="xd"/>
Haben Sie alle Nummern mit internationaler Vorwahl eingegeben?</translation>
    </message>
    <message>
        <source>Short message transfer rejected (21).<byte value="xd"/>
The SMS-Center does not allow sending.</source>
        <translation>Übertragung der Kurzmitteilung abgelehnt (21).<byte value="xd"/>
Die SMS-Zentrale lässt das Senden nicht zu.</translation>
    </message>
    <message>
        <source>Unidentified subscriber (28).<byte value="xd"/>
Maybe wrong number or wrong SMS-Center.<byte value="xd"/>
Did you enter all numbers with intl. prefix?</source>
        <translation>Unbekannter Teilnehmer (28).<byte value="xd"/>
Vielleicht ist die Nummer oder die SMS-Zentrale falsch.<byte value="xd"/>
Haben Sie alle Nummern mit internationaler Vorwahl eingegeben?</translation>
    </message>
    <message>
        <source>Can&apos;t talk to COM{port}.</source>
        <translation>Keine Verbindung mit COM{port}.</translation>
    </message>
    <message>
        <source>Can&apos;t set phonebook-read to SIM-memory.</source>
        <translation>Das Lesen des Telefonbuchs kann nicht auf den SIM-Speicher umgestellt werden.</translation>
    </message>
    <message>
        <source>Can&apos;t read phonebook-size from SIM.</source>
        <translation>Die Größe des Telefonbuchs kann nicht von der SIM gelesen werden.</translation>
    </message>
    <message>
        <source>Can&apos;t read phonebook-entries from SIM.</source>
        <translation>Die Telefonbucheinträge können nicht von der SIM gelesen werden.</translation>
    </message>
    <message>
        <source>Can&apos;t set phonebook-read to phone-memory.</source>
        <translation>Das Lesen des Telefonbuchs kann nicht auf den Telefonspeicher umgestellt werden.</translation>
    </message>
    <message>
        <source>Can&apos;t read phonebook-size from phone.</source>
        <translation>Die Größe des Telefonbuchs kann nicht vom Telefon gelesen werden.</translation>
    </message>
    <message>
        <source>Can&apos;t read phonebook-entries from phonebook.</source>
        <translation>Die Telefonbucheinträge können nicht aus dem Telefonbuch gelesen werden.</translation>
    </message>
    <message>
        <source>Can&apos;t save the phonebook to<byte value="xd"/>
</source>
        <translation>Das Telefonbuch kann nicht gespeichert werden unter<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Phonebook read.</source>
        <translation>Telefonbuch gelesen.</translation>
    </message>
    <message>
        <source>- Initializing</source>
        <translation>- Initialisierung</translation>
    </message>
    <message>
        <source>- Reading from SIM</source>
        <translation>- Lesen von der SIM</translation>
    </message>
    <message>
        <source>- Reading from Phone</source>
        <translation>- Lesen vom Telefon</translation>
    </message>
    <message>
        <source> Last used number</source>
        <translation> Zuletzt verwendete Nummer</translation>
    </message>
    <message>
        <source>No phonebook</source>
        <translation>Kein Telefonbuch</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>ein anderes Programm</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (Prozess %2)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>You may not open %1 (permission denied).</source>
        <translation>Sie dürfen %1 nicht öffnen (Zugriff verweigert).</translation>
    </message>
    <message>
        <source>You may not open %1 (permission denied), although you are in its group %2.</source>
        <translation>Sie dürfen %1 nicht öffnen (Zugriff verweigert), obwohl Sie Mitglied seiner Gruppe %2 sind.</translation>
    </message>
    <message>
        <source>You may not open %1 yet: you are in its group %2, but not in this session. Log in again.</source>
        <translation>Sie dürfen %1 noch nicht öffnen: Sie sind Mitglied seiner Gruppe %2, aber nicht in dieser Sitzung. Melden Sie sich erneut an.</translation>
    </message>
    <message>
        <source>You may not open %1: it belongs to the group %2. Add yourself to the group %2: sudo usermod -aG %2 $USER, then log in again.</source>
        <translation>Sie dürfen %1 nicht öffnen: Es gehört der Gruppe %2. Nehmen Sie sich in die Gruppe %2 auf (sudo usermod -aG %2 $USER) und melden Sie sich dann erneut an.</translation>
    </message>
    <message>
        <source>%1 is locked by %2.</source>
        <translation>%1 ist von %2 gesperrt.</translation>
    </message>
    <message>
        <source>%1 is also open in %2, which may take the phone&apos;s answers.</source>
        <translation>%1 ist auch in %2 geöffnet, das die Antworten des Telefons abfangen kann.</translation>
    </message>
    <message>
        <source>%1 does not exist: is the phone or its cable plugged in?</source>
        <translation>%1 existiert nicht: Ist das Telefon oder sein Kabel angeschlossen?</translation>
    </message>
    <message>
        <source>No device answers behind %1: is the phone or its cable plugged in?</source>
        <translation>Hinter %1 antwortet kein Gerät: Ist das Telefon oder sein Kabel angeschlossen?</translation>
    </message>
    <message>
        <source>%1 is in use by %2.</source>
        <translation>%1 wird von %2 verwendet.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 has no device: the system reports no serial port. Is the phone or its cable plugged in?</source>
        <translation>%1 hat kein Gerät: Das System meldet keinen seriellen Anschluss. Ist das Telefon oder sein Kabel angeschlossen?</translation>
    </message>
    <message>
        <source>%1 has no device: the system reports %2 serial port.</source>
        <translation>%1 hat kein Gerät: Das System meldet %2 seriellen Anschluss.</translation>
    </message>
    <message>
        <source>%1 has no device: the system reports %2 serial ports.</source>
        <translation>%1 hat kein Gerät: Das System meldet %2 serielle Anschlüsse.</translation>
    </message>
    <message>
        <source>ModemManager manages %1 and may be talking to the phone itself.</source>
        <translation>ModemManager verwaltet %1 und spricht möglicherweise selbst mit dem Telefon.</translation>
    </message>
    <message>
        <source>COM%1 does not return valid data at the moment.</source>
        <translation>COM%1 liefert im Moment keine gültigen Daten.</translation>
    </message>
    <message>
        <source>COM%1 is &quot;Data Suite compatible&quot;.</source>
        <translation>COM%1 ist „Data-Suite-kompatibel“.</translation>
    </message>
    <message>
        <source>COM%1 is probably not &quot;Data Suite compatible&quot;.</source>
        <translation>COM%1 ist wahrscheinlich nicht „Data-Suite-kompatibel“.</translation>
    </message>
    <message>
        <source>COM%1 is not available or in use.</source>
        <translation>COM%1 ist nicht verfügbar oder belegt.</translation>
    </message>
    <message>
        <source>Could not read Number.</source>
        <translation>Die Nummer konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Number has been read.</source>
        <translation>Die Nummer wurde gelesen.</translation>
    </message>
    <message>
        <source>Could not find Number.</source>
        <translation>Die Nummer wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Please add the international country-code<byte value="xd"/>
to your Message Center Number</source>
        <translation>Bitte ergänzen Sie die Nummer der SMS-Zentrale<byte value="xd"/>
um die internationale Ländervorwahl.</translation>
    </message>
    <message>
        <source>Could not find the Message Center Number.<byte value="xd"/>
<byte value="xd"/>
Please go to Message settings in your phone,<byte value="xd"/>
read your Message Center Number there and<byte value="xd"/>
enter it here with the international country-code.</source>
        <translation>Die Nummer der SMS-Zentrale wurde nicht gefunden.<byte value="xd"/>
<byte value="xd"/>
Bitte öffnen Sie die Mitteilungseinstellungen Ihres Telefons,<byte value="xd"/>
lesen Sie dort die Nummer der SMS-Zentrale ab und<byte value="xd"/>
geben Sie sie hier mit der internationalen Ländervorwahl ein.</translation>
    </message>
    <message>
        <source>Can&apos;t talk to COM{port} driver.</source>
        <translation>Keine Verbindung mit dem Treiber von COM{port}.</translation>
    </message>
    <message>
        <source>Can&apos;t set params.</source>
        <translation>Die Parameter können nicht gesetzt werden.</translation>
    </message>
    <message>
        <source>Can&apos;t initiate sending (1/3).</source>
        <translation>Das Senden kann nicht begonnen werden (1/3).</translation>
    </message>
    <message>
        <source>Can&apos;t send SMS (1/3).</source>
        <translation>Die SMS kann nicht gesendet werden (1/3).</translation>
    </message>
    <message>
        <source>Can&apos;t initiate sending (2/3).</source>
        <translation>Das Senden kann nicht begonnen werden (2/3).</translation>
    </message>
    <message>
        <source>Can&apos;t send SMS (2/3).</source>
        <translation>Die SMS kann nicht gesendet werden (2/3).</translation>
    </message>
    <message>
        <source>Can&apos;t initiate sending (3/3).</source>
        <translation>Das Senden kann nicht begonnen werden (3/3).</translation>
    </message>
    <message>
        <source>Can&apos;t send SMS (3/3).</source>
        <translation>Die SMS kann nicht gesendet werden (3/3).</translation>
    </message>
    <message>
        <source>Please enter a valid number with<byte value="xd"/>
the international country-code<byte value="xd"/>
<byte value="xd"/>
It could look like </source>
        <translation>Bitte geben Sie eine gültige Nummer mit<byte value="xd"/>
der internationalen Ländervorwahl ein.<byte value="xd"/>
<byte value="xd"/>
Sie könnte so aussehen: </translation>
    </message>
    <message>
        <source>Sending (</source>
        <translation>Senden (</translation>
    </message>
    <message>
        <source>) ...</source>
        <translation>) ...</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Error: </source>
        <translation><byte value="xd"/>
Fehler: </translation>
    </message>
    <message>
        <source>Data sent.</source>
        <translation>Daten gesendet.</translation>
    </message>
    <message>
        <source>Sending ...</source>
        <translation>Wird gesendet ...</translation>
    </message>
    <message>
        <source>Please configure your Message Center Number<byte value="xd"/>
in menu &apos;Edit/Options&apos;</source>
        <translation>Bitte richten Sie die Nummer der SMS-Zentrale<byte value="xd"/>
im Menü „Bearbeiten/Optionen“ ein.</translation>
    </message>
    <message>
        <source>Can&apos;t set the phone to PDU mode.</source>
        <translation>Das Telefon kann nicht in den PDU-Modus geschaltet werden.</translation>
    </message>
    <message>
        <source>Can&apos;t set message-read to SIM-memory.</source>
        <translation>Das Lesen der Nachrichten kann nicht auf den SIM-Speicher umgestellt werden.</translation>
    </message>
    <message>
        <source>Can&apos;t read messages from SIM.</source>
        <translation>Die Nachrichten können nicht von der SIM gelesen werden.</translation>
    </message>
    <message>
        <source>Can&apos;t set message-read to phone-memory.</source>
        <translation>Das Lesen der Nachrichten kann nicht auf den Telefonspeicher umgestellt werden.</translation>
    </message>
    <message>
        <source>Can&apos;t read messages from phone.</source>
        <translation>Die Nachrichten können nicht vom Telefon gelesen werden.</translation>
    </message>
</context>
<context>
    <name>PhoneCommands</name>
    <message>
        <source>Reading messages ...</source>
        <translation>Nachrichten werden gelesen ...</translation>
    </message>
    <message>
        <source>These picture messages on the phone cannot be opened:</source>
        <translation>Diese Bildnachrichten auf dem Telefon können nicht geöffnet werden:</translation>
    </message>
    <message>
        <source>No picture messages were found on the phone.</source>
        <translation>Auf dem Telefon wurden keine Bildnachrichten gefunden.</translation>
    </message>
</context>
<context>
    <name>ReceivedMessage</name>
    <message>
        <source>section [%1]: UDH and Text must be hex</source>
        <translation>Abschnitt [%1]: UDH und Text müssen hexadezimal sein</translation>
    </message>
    <message>
        <source>section [%1]: the UDH does not hold together</source>
        <translation>Abschnitt [%1]: der UDH ist in sich nicht stimmig</translation>
    </message>
    <message>
        <source>the picture&apos;s header is cut short</source>
        <translation>der Kopf des Bildes ist abgeschnitten</translation>
    </message>
    <message>
        <source>the picture is not black and white (depth %1)</source>
        <translation>das Bild ist nicht schwarz-weiß (Tiefe %1)</translation>
    </message>
    <message>
        <source>the picture is cut short</source>
        <translation>das Bild ist abgeschnitten</translation>
    </message>
    <message>
        <source>not a PDU in hex</source>
        <translation>keine PDU in Hexadezimalschreibweise</translation>
    </message>
    <message>
        <source>not an SMS-DELIVER or SMS-SUBMIT PDU (it does not hold together)</source>
        <translation>keine SMS-DELIVER- oder SMS-SUBMIT-PDU (sie ist in sich nicht stimmig)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the message is empty</source>
        <translation>die Nachricht ist leer</translation>
    </message>
    <message>
        <source>unknown picture-message version %1</source>
        <translation>unbekannte Version der Bildnachricht: %1</translation>
    </message>
    <message>
        <source>the message ends inside an item&apos;s header</source>
        <translation>die Nachricht endet im Kopf eines Elements</translation>
    </message>
    <message>
        <source>the message ends inside an item (type %1)</source>
        <translation>die Nachricht endet innerhalb eines Elements (Typ %1)</translation>
    </message>
    <message>
        <source>the message carries no picture</source>
        <translation>die Nachricht enthält kein Bild</translation>
    </message>
    <message>
        <source>no message found</source>
        <translation>keine Nachricht gefunden</translation>
    </message>
    <message>
        <source>the input holds %1 picture messages; give one at a time</source>
        <translation>die Eingabe enthält %1 Bildnachrichten; geben Sie jeweils nur eine an</translation>
    </message>
    <message>
        <source>the input holds %1 messages and none is a picture message</source>
        <translation>die Eingabe enthält %1 Nachrichten, aber keine davon ist eine Bildnachricht</translation>
    </message>
    <message>
        <source>not a picture message (no application port)</source>
        <translation>keine Bildnachricht (kein Anwendungsport)</translation>
    </message>
    <message>
        <source>not a picture message (port %1)</source>
        <translation>keine Bildnachricht (Port %1)</translation>
    </message>
    <message>
        <source>the message announces no parts</source>
        <translation>die Nachricht kündigt keine Teile an</translation>
    </message>
    <message>
        <source>not a picture message (text coding %1, not 8-bit data)</source>
        <translation>keine Bildnachricht (Textkodierung %1, keine 8-Bit-Daten)</translation>
    </message>
    <message>
        <source>part %1 of %2 cannot be</source>
        <translation>Teil %1 von %2 kann es nicht geben</translation>
    </message>
    <message>
        <source>part %1 of %2 is missing</source>
        <translation>Teil %1 von %2 fehlt</translation>
    </message>
    <message>
        <source>parts %1 of %2 are missing</source>
        <translation>Teile %1 von %2 fehlen</translation>
    </message>
    <message>
        <source>unknown sender</source>
        <translation>unbekannter Absender</translation>
    </message>
    <message>
        <source>, reference </source>
        <translation>, Referenz </translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>ModemManager manages </source>
        <translation>ModemManager verwaltet </translation>
    </message>
    <message>
        <source> and talks to the phone there itself.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation> und spricht dort selbst mit dem Telefon.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Let </source>
        <translation>Soll </translation>
    </message>
    <message>
        <source> have the port while it talks to the phone?</source>
        <translation> den Anschluss nutzen dürfen, solange es mit dem Telefon spricht?</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Some Nokia logo filetypes are not associated with the correct application.<byte value="xd"/>
<byte value="xd"/>
Would you like to associate them now?</source>
        <translation>Einige Dateitypen für Nokia-Logos sind nicht dem richtigen Programm zugeordnet.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie sie jetzt zuordnen?</translation>
    </message>
    <message>
        <source>,<byte value="xd"/>
so Pixora can&apos;t tell whether it is running already.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>,<byte value="xd"/>
daher kann Pixora nicht erkennen, ob es bereits läuft.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Can&apos;t find a folder for the lock file that only you can use</source>
        <translation>Es gibt keinen Ordner für die Sperrdatei, den nur Sie verwenden können</translation>
    </message>
    <message>
        <source>Every start opens a window of its own.</source>
        <translation>Jeder Start öffnet ein eigenes Fenster.</translation>
    </message>
    <message>
        <source>Can&apos;t use the lock file </source>
        <translation>Die Sperrdatei kann nicht verwendet werden: </translation>
    </message>
    <message>
        <source>Please remove it; until then every start opens a window of its own.</source>
        <translation>Bitte entfernen Sie sie; bis dahin öffnet jeder Start ein eigenes Fenster.</translation>
    </message>
    <message>
        <source>Please enter the Message Center Number<byte value="xd"/>
with the international country-code<byte value="xd"/>
<byte value="xd"/>
It could look like </source>
        <translation>Bitte geben Sie die Nummer der SMS-Zentrale<byte value="xd"/>
mit der internationalen Ländervorwahl ein.<byte value="xd"/>
<byte value="xd"/>
Sie könnte so aussehen: </translation>
    </message>
    <message>
        <source>Send to &amp;</source>
        <translation>Senden an &amp;</translation>
    </message>
    <message>
        <source>Send to ...</source>
        <translation>Senden an ...</translation>
    </message>
    <message>
        <source>Can&apos;t find a supported version of %1.<byte value="xd"/>
<byte value="xd"/>
Please download and install the latest version, then try again.</source>
        <translation>Es wurde keine unterstützte Version von %1 gefunden.<byte value="xd"/>
<byte value="xd"/>
Bitte laden Sie die neueste Version herunter, installieren Sie sie und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Can&apos;t send your image to %1,<byte value="xd"/>
It seems that the application is busy right now.<byte value="xd"/>
<byte value="xd"/>
Please check and then try again.</source>
        <translation>Ihr Bild kann nicht an %1 gesendet werden,<byte value="xd"/>
das Programm scheint gerade beschäftigt zu sein.<byte value="xd"/>
<byte value="xd"/>
Bitte prüfen Sie das und versuchen Sie es dann erneut.</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Can&apos;t find a temporary folder that only you can use.<byte value="xd"/>
<byte value="xd"/>
Please check that the temporary folder (TMPDIR) exists and can be written, then try again.</source>
        <translation>Es gibt keinen temporären Ordner, den nur Sie verwenden können.<byte value="xd"/>
<byte value="xd"/>
Bitte prüfen Sie, ob der temporäre Ordner (TMPDIR) existiert und beschreibbar ist, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>All important objects of this program support &apos;ToolTips&apos;.<byte value="xd"/>
<byte value="xd"/>
Move your mouse over an object and wait a while, then<byte value="xd"/>
a small yellow box with a short explanation will appear.</source>
        <translation>Alle wichtigen Elemente dieses Programms haben Tooltips.<byte value="xd"/>
<byte value="xd"/>
Bewegen Sie die Maus über ein Element und warten Sie einen Moment,<byte value="xd"/>
dann erscheint ein kleines gelbes Feld mit einer kurzen Erklärung.</translation>
    </message>
</context>
<context>
    <name>frmEdit</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Received Message...</source>
        <translation>&amp;Empfangene Nachricht öffnen...</translation>
    </message>
    <message>
        <source>Read &amp;Messages from Phone...</source>
        <translation>Nachrichten vom &amp;Telefon lesen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Sen&amp;d as SMS...</source>
        <translation>Als SM&amp;S senden...</translation>
    </message>
    <message>
        <source>Send via In&amp;ternet</source>
        <translation>Über &amp;Internet senden</translation>
    </message>
    <message>
        <source>Im&amp;port BMP, GIF, JPG...</source>
        <translation>BMP, GIF, JPG im&amp;portieren...</translation>
    </message>
    <message>
        <source>Import with Pre&amp;view...</source>
        <translation>Import mit &amp;Vorschau...</translation>
    </message>
    <message>
        <source>&amp;Export BMP, WBMP...</source>
        <translation>Als BMP, WBMP e&amp;xportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>Verschie&amp;ben</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>Nach &amp;links</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>Nach &amp;rechts</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Invertieren</translation>
    </message>
    <message>
        <source>Flip &amp;Horizontal</source>
        <translation>&amp;Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Flip &amp;Vertical</source>
        <translation>&amp;Vertikal spiegeln</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Mo&amp;nitor Clipboard</source>
        <translation>&amp;Zwischenablage überwachen</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>An &amp;Fenster anpassen</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Raster</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Pencil</source>
        <translation>&amp;Stift</translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Linie</translation>
    </message>
    <message>
        <source>&amp;Rectangle</source>
        <translation>&amp;Rechteck</translation>
    </message>
    <message>
        <source>F&amp;illed Rectangle</source>
        <translation>&amp;Gefülltes Rechteck</translation>
    </message>
    <message>
        <source>&amp;Ellipse</source>
        <translation>&amp;Ellipse</translation>
    </message>
    <message>
        <source>Filled Elli&amp;pse</source>
        <translation>Gefüllte Elli&amp;pse</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Füllen</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>Text &amp;Font</source>
        <translation>Schrift&amp;art</translation>
    </message>
    <message>
        <source>&amp;Tiny (4 x 6)</source>
        <translation>&amp;Winzig (4 x 6)</translation>
    </message>
    <message>
        <source>&amp;Normal (5 x 7)</source>
        <translation>&amp;Normal (5 x 7)</translation>
    </message>
    <message>
        <source>&amp;Bold (6 x 8)</source>
        <translation>&amp;Fett (6 x 8)</translation>
    </message>
    <message>
        <source>Ex&amp;tras</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Send to &amp;Tamsel Editor</source>
        <translation>Senden an &amp;Tamsel Editor</translation>
    </message>
    <message>
        <source>Send to &amp;Vornik Uploader</source>
        <translation>Senden an &amp;Vornik Uploader</translation>
    </message>
    <message>
        <source>Send to ...</source>
        <translation>Senden an ...</translation>
    </message>
    <message>
        <source>Send other SMS via Internet</source>
        <translation>Andere SMS über Internet senden</translation>
    </message>
    <message>
        <source>Flash SMS (160 chars)</source>
        <translation>Flash-SMS (160 Zeichen)</translation>
    </message>
    <message>
        <source>Blink SMS (70 chars)</source>
        <translation>Blink-SMS (70 Zeichen)</translation>
    </message>
    <message>
        <source>Extralarge SMS (459 chars)</source>
        <translation>Extralange SMS (459 Zeichen)</translation>
    </message>
    <message>
        <source>Special SMS (&quot;SMS Virus&quot;)</source>
        <translation>Spezial-SMS („SMS-Virus“)</translation>
    </message>
    <message>
        <source>Partnerprogram for Webmasters</source>
        <translation>Partnerprogramm für Webmaster</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Informationen</translation>
    </message>
    <message>
        <source>&amp;Help on Website</source>
        <translation>&amp;Hilfe auf der Website</translation>
    </message>
    <message>
        <source>&amp;Free Newsletter</source>
        <translation>&amp;Kostenloser Newsletter</translation>
    </message>
    <message>
        <source>&amp;Download Samples</source>
        <translation>Bei&amp;spiele herunterladen</translation>
    </message>
    <message>
        <source>&amp;Check for Updates</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Monitoring clipboard</source>
        <translation>Zwischenablage wird überwacht</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Send as SMS</source>
        <translation>Als SMS senden</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Send via Internet</source>
        <translation>Über Internet senden</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>%1 px per cell</source>
        <translation>%1 px pro Zelle</translation>
    </message>
    <message>
        <source>Picture, %1 by %2 cells</source>
        <translation>Bild, %1 mal %2 Zellen</translation>
    </message>
    <message>
        <source>Phone display preview</source>
        <translation>Vorschau der Telefonanzeige</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben verschieben</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Nach links verschieben</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Nach rechts verschieben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten verschieben</translation>
    </message>
    <message>
        <source>Text for Picture-Message (121 chars)</source>
        <translation>Text der Bildnachricht (121 Zeichen)</translation>
    </message>
    <message>
        <source>Position of cursor OR chars left in text</source>
        <translation>Position des Cursors ODER verbleibende Zeichen im Text</translation>
    </message>
    <message>
        <source>Before you start to use this Editor, please<byte value="xd"/>
enter your name here:</source>
        <translation>Bevor Sie diesen Editor verwenden, geben Sie<byte value="xd"/>
bitte hier Ihren Namen ein:</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
The editor for Smart Messaging picture messages.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Der Editor für Bildnachrichten (Smart Messaging).</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Über </translation>
    </message>
    <message>
        <source>Left button sets a cell, right button clears it; the arrow keys move the picture. K switches the keyboard cursor on and off: the arrow keys then move it, Space sets the cell under it, Backspace clears it and Esc switches it off.</source>
        <translation>Die linke Maustaste setzt ein Feld, die rechte löscht es; die Pfeiltasten verschieben das Bild. K schaltet den Tastaturcursor ein und aus: Die Pfeiltasten bewegen ihn dann, die Leertaste setzt das Feld darunter, die Rücktaste löscht es und Esc schaltet ihn aus.</translation>
    </message>
    <message>
        <source>The picture at its true size, as a phone shows it. Drop a file here to open it.</source>
        <translation>Das Bild in Originalgröße, wie ein Telefon es zeigt. Ziehen Sie eine Datei hierher, um sie zu öffnen.</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Opens the web site in the browser.</source>
        <translation>Öffnet die Website im Browser.</translation>
    </message>
    <message>
        <source>Picture message text</source>
        <translation>Text der Bildnachricht</translation>
    </message>
    <message>
        <source>Up to 121 characters sent with the picture.</source>
        <translation>Bis zu 121 Zeichen, die mit dem Bild gesendet werden.</translation>
    </message>
    <message>
        <source>Cell position or characters left</source>
        <translation>Feldposition oder verbleibende Zeichen</translation>
    </message>
    <message>
        <source>Branding picture</source>
        <translation>Markenbild</translation>
    </message>
    <message>
        <source>&amp;Keyboard Cursor</source>
        <translation>&amp;Tastaturcursor</translation>
    </message>
</context>
<context>
    <name>frmOpenReceived</name>
    <message>
        <source>Received messages (*.txt;*.smsbackup)|*.txt;*.smsbackup;*.pdu|All files (*.*)|*.*</source>
        <translation>Empfangene Nachrichten (*.txt;*.smsbackup)|*.txt;*.smsbackup;*.pdu|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Can&apos;t read </source>
        <translation>Fehler beim Lesen von </translation>
    </message>
</context>
<context>
    <name>frmSend</name>
    <message>
        <source>Phonebook has already been read.<byte value="xd"/>
<byte value="xd"/>
Do you want to read it again?</source>
        <translation>Das Telefonbuch wurde bereits gelesen.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie es erneut lesen?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Nothing to remove.</source>
        <translation>Nichts zu entfernen.</translation>
    </message>
</context>
<context>
    <name>pixora::PMTextEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
</context>
<context>
    <name>pixora::frmImportPreview</name>
    <message>
        <source>Import with Preview</source>
        <translation>Import mit Vorschau</translation>
    </message>
    <message>
        <source>Source picture</source>
        <translation>Quellbild</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>With &quot;Fill and crop&quot;, drag or use the arrow keys to choose the part kept</source>
        <translation>Bei „Füllen und zuschneiden“ wählen Sie den behaltenen Ausschnitt durch Ziehen oder mit den Pfeiltasten</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>Keep proportions</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>Fill and crop</source>
        <translation>Füllen und zuschneiden</translation>
    </message>
    <message>
        <source>Top-left, unscaled</source>
        <translation>Oben links, nicht skaliert</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Schwellenwert</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>Rasterung</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Floyd-Steinberg</source>
        <translation>Floyd-Steinberg</translation>
    </message>
    <message>
        <source>Atkinson</source>
        <translation>Atkinson</translation>
    </message>
    <message>
        <source>Ordered (Bayer 4 x 4)</source>
        <translation>Geordnet (Bayer 4 x 4)</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Invertieren</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Fit:</source>
        <translation>&amp;Einpassen:</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Schwellenwert:</translation>
    </message>
    <message>
        <source>&amp;Brightness:</source>
        <translation>&amp;Helligkeit:</translation>
    </message>
    <message>
        <source>&amp;Contrast:</source>
        <translation>&amp;Kontrast:</translation>
    </message>
    <message>
        <source>&amp;Dithering:</source>
        <translation>&amp;Rasterung:</translation>
    </message>
</context>
<context>
    <name>pixora::frmOpenReceived</name>
    <message>
        <source>Open Received Message</source>
        <translation>Empfangene Nachricht öffnen</translation>
    </message>
    <message>
        <source>Paste the message&apos;s PDU lines, the phone&apos;s AT+CMGL or AT+CMGR output, or a gammu SMS backup:</source>
        <translation>Fügen Sie die PDU-Zeilen der Nachricht, die Ausgabe von AT+CMGL oder AT+CMGR des Telefons oder eine SMS-Sicherung von gammu ein:</translation>
    </message>
    <message>
        <source>&amp;From File...</source>
        <translation>Aus &amp;Datei...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Received message</source>
        <translation>Empfangene Nachricht</translation>
    </message>
</context>
<context>
    <name>pixora::frmOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Serieller Anschluss</translation>
    </message>
    <message>
        <source>Nokia Data Suite / Virtual serial port for cable or IR</source>
        <translation>Nokia Data Suite / virtueller serieller Anschluss für Kabel oder IR</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>Short Message Service</source>
        <translation>Kurzmitteilungsdienst</translation>
    </message>
    <message>
        <source>Message Center Number:</source>
        <translation>Nummer der SMS-Zentrale:</translation>
    </message>
    <message>
        <source>Read Message Center Number from phone</source>
        <translation>Nummer der SMS-Zentrale aus dem Telefon lesen</translation>
    </message>
    <message>
        <source>Status &amp;Report</source>
        <translation>Status&amp;bericht</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>Display Warning</source>
        <translation>Warnung anzeigen</translation>
    </message>
    <message>
        <source>If image is not saved</source>
        <translation>Wenn das Bild nicht gespeichert ist</translation>
    </message>
    <message>
        <source>If image is not saved before saving, sending or quitting</source>
        <translation>Wenn das Bild vor dem Speichern, Senden oder Beenden nicht gespeichert ist</translation>
    </message>
    <message>
        <source>If image is empty</source>
        <translation>Wenn das Bild leer ist</translation>
    </message>
    <message>
        <source>If image is empty before saving or sending</source>
        <translation>Wenn das Bild vor dem Speichern oder Senden leer ist</translation>
    </message>
    <message>
        <source>Before adjusting size</source>
        <translation>Vor dem Anpassen der Größe</translation>
    </message>
    <message>
        <source>Before adjusting size of too big/small images when loading</source>
        <translation>Vor dem Anpassen der Größe zu großer/kleiner Bilder beim Laden</translation>
    </message>
    <message>
        <source>Filetype registration</source>
        <translation>Dateitypen-Zuordnung</translation>
    </message>
    <message>
        <source>If not all known Nokia logo filetypes are associated to the correct application</source>
        <translation>Wenn nicht alle bekannten Dateitypen für Nokia-Logos dem richtigen Programm zugeordnet sind</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Read phonebook from:</source>
        <translation>Telefonbuch lesen aus:</translation>
    </message>
    <message>
        <source>SIM</source>
        <translation>SIM</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>First establish cable/IR connection, then test COM%1</source>
        <translation>Stellen Sie zuerst die Kabel- oder IR-Verbindung her und testen Sie dann COM%1</translation>
    </message>
    <message>
        <source>Select the virtual Nokia COM-port.</source>
        <translation>Wählen Sie den virtuellen Nokia-COM-Anschluss.</translation>
    </message>
    <message>
        <source>No device is connected as COM%1.</source>
        <translation>Als COM%1 ist kein Gerät angeschlossen.</translation>
    </message>
    <message>
        <source>Testing COM%1 ... please wait!</source>
        <translation>COM%1 wird getestet ... bitte warten!</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Wird geprüft...</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>Einstellungsseiten</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>The port of the cable or infrared link to the phone.</source>
        <translation>Die Schnittstelle des Kabels oder der Infrarotverbindung zum Telefon.</translation>
    </message>
    <message>
        <source>Asks the phone on the selected port to answer.</source>
        <translation>Fordert das Telefon an der gewählten Schnittstelle auf zu antworten.</translation>
    </message>
    <message>
        <source>Port test picture</source>
        <translation>Bild des Schnittstellentests</translation>
    </message>
    <message>
        <source>Port test result</source>
        <translation>Ergebnis des Schnittstellentests</translation>
    </message>
    <message>
        <source>Port details</source>
        <translation>Angaben zur Schnittstelle</translation>
    </message>
    <message>
        <source>Message center number</source>
        <translation>Nummer der SMS-Zentrale</translation>
    </message>
    <message>
        <source>In international form, without the plus sign or a leading zero.</source>
        <translation>In internationaler Form, ohne Pluszeichen oder führende Null.</translation>
    </message>
    <message>
        <source>Read message center number from phone</source>
        <translation>Nummer der SMS-Zentrale aus dem Telefon lesen</translation>
    </message>
    <message>
        <source>Message center read result</source>
        <translation>Ergebnis des Lesens der SMS-Zentrale</translation>
    </message>
</context>
<context>
    <name>pixora::frmReading</name>
    <message>
        <source>Reading phonebook ...</source>
        <translation>Telefonbuch wird gelesen ...</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>pixora::frmReceivedMessages</name>
    <message>
        <source>Picture Messages on the Phone</source>
        <translation>Bildnachrichten auf dem Telefon</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Picture messages on the phone</source>
        <translation>Bildnachrichten auf dem Telefon</translation>
    </message>
    <message>
        <source>Sender, time and text of each message.</source>
        <translation>Absender, Zeit und Text jeder Nachricht.</translation>
    </message>
</context>
<context>
    <name>pixora::frmSend</name>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Destination number</source>
        <translation>Zielnummer</translation>
    </message>
    <message>
        <source>Select number from phonebook.</source>
        <translation>Nummer aus dem Telefonbuch wählen.</translation>
    </message>
    <message>
        <source>Read phonebook from phone</source>
        <translation>Telefonbuch aus dem Telefon lesen</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>: no device</source>
        <translation>: kein Gerät</translation>
    </message>
    <message>
        <source>In international form, without the plus sign or a leading zero.</source>
        <translation>In internationaler Form, ohne Pluszeichen oder führende Null.</translation>
    </message>
    <message>
        <source>Phonebook</source>
        <translation>Telefonbuch</translation>
    </message>
    <message>
        <source>Choosing an entry fills in its number.</source>
        <translation>Die Wahl eines Eintrags setzt seine Nummer ein.</translation>
    </message>
    <message>
        <source>Phone port</source>
        <translation>Schnittstelle des Telefons</translation>
    </message>
</context>
<context>
    <name>pixora::frmSending</name>
    <message>
        <source>Sending ...</source>
        <translation>Wird gesendet ...</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Sending progress</source>
        <translation>Fortschritt des Sendens</translation>
    </message>
</context>
</TS>
