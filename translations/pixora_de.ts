<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Bits</name>
    <message>
        <source>error dec2bits overflow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Can&apos;t save this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
has not been saved yet.<byte value="xd"/>
<byte value="xd"/>
Do you want to save it now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is no picture message this editor can open:<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find this file. Try another file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>file too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|All pictures (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nokia Picture Message (*.npm)|*.npm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nokia Graphics|*.npm;*.ngg;*.nol;*.nlm;*.gms;*.nsl;*.otb;*.ngl;*.i61;*.wbmp;*.wbm|Nokia Picture Message (*.npm)|*.npm|Nokia Group Graphic (*.ngg)|*.ngg|Nokia Operator Logo (*.nol)|*.nol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures (*.bmp;*.gif;*.jpg;*.ico;*.rle;*.wmf;*.emf)|*.bmp;*.gif;*.jpg;*.ico;*.rle;*.wmf;*.emf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless Bitmap (*.wbmp)|*.wbmp;*.wbm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black-and-white Bitmap (*.bmp)|*.bmp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over-the-air Bitmap (*.otb)|*.otb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nokia Logo Manager (*.nlm)|*.nlm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nokia Group Graphic (*.ngg)|*.ngg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nokia Operator Logo (*.nol)|*.nol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture Message Payload (*.gms)|*.gms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nokia Startup Logo (*.nsl)|*.nsl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nokia Logo Text (*.ngl)|*.ngl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portable Network Graphics (*.png)|*.png</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source> has<byte value="xd"/>
the wrong size for a picture-message.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &apos;Yes&apos; if you want to resize the image.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &apos;No&apos; to use only top/left part of the image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data from clipboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Open</name>
    <message>
        <source>Can&apos;t read this NLM file. Try another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read this GMS file. Try another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read this NSL file. Try another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read this NGL file. Try another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read this OTB file. Try another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read this WBMP file.<byte value="xd"/>
Maximum supported size is 127x127 pixel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read this file. Try another file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>The graphic is empty.<byte value="xd"/>
<byte value="xd"/>
Do you want to continue anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Phone</name>
    <message>
        <source>User break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error while talking to COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please configure the Nokia GSM Serial Port<byte value="xd"/>
in menu &apos;Edit/Options&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone says that memory is full (322).<byte value="xd"/>
Either it really is or you should try to get a firmware upgrade.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something else uses SMS in phone right now (301).<byte value="xd"/>
Please wait or reset phone, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone reports unspecified protocol error (111).<byte value="xd"/>
Please wait a moment and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone reports unspecified command error (166).<byte value="xd"/>
Please wait a moment and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network out of order (38).<byte value="xd"/>
Maybe wrong number or wrong SMS-Center.<byte value="xd"/>
Did you enter all numbers with intl. prefix?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short message transfer rejected (21).<byte value="xd"/>
The SMS-Center does not allow sending.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unidentified subscriber (28).<byte value="xd"/>
Maybe wrong number or wrong SMS-Center.<byte value="xd"/>
Did you enter all numbers with intl. prefix?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t talk to COM{port}.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t set phonebook-read to SIM-memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read phonebook-size from SIM.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read phonebook-entries from SIM.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t set phonebook-read to phone-memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read phonebook-size from phone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read phonebook-entries from phonebook.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save the phonebook to<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phonebook read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Initializing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Reading from SIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Reading from Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Last used number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No phonebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may not open %1 (permission denied).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may not open %1 (permission denied), although you are in its group %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may not open %1 yet: you are in its group %2, but not in this session. Log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may not open %1: it belongs to the group %2. Add yourself to the group %2: sudo usermod -aG %2 $USER, then log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is locked by %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is also open in %2, which may take the phone&apos;s answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist: is the phone or its cable plugged in?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device answers behind %1: is the phone or its cable plugged in?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use by %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no device: the system reports no serial port. Is the phone or its cable plugged in?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no device: the system reports %2 serial port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no device: the system reports %2 serial ports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ModemManager manages %1 and may be talking to the phone itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 does not return valid data at the moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 is &quot;Data Suite compatible&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 is probably not &quot;Data Suite compatible&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 is not available or in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read Number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number has been read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find Number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please add the international country-code<byte value="xd"/>
to your Message Center Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find the Message Center Number.<byte value="xd"/>
<byte value="xd"/>
Please go to Message settings in your phone,<byte value="xd"/>
read your Message Center Number there and<byte value="xd"/>
enter it here with the international country-code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t talk to COM{port} driver.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t set params.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t initiate sending (1/3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t send SMS (1/3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t initiate sending (2/3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t send SMS (2/3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t initiate sending (3/3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t send SMS (3/3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a valid number with<byte value="xd"/>
the international country-code<byte value="xd"/>
<byte value="xd"/>
It could look like </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>) ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Error: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please configure your Message Center Number<byte value="xd"/>
in menu &apos;Edit/Options&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t set the phone to PDU mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t set message-read to SIM-memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read messages from SIM.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t set message-read to phone-memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read messages from phone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhoneCommands</name>
    <message>
        <source>Reading messages ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These picture messages on the phone cannot be opened:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No picture messages were found on the phone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReceivedMessage</name>
    <message>
        <source>section [%1]: UDH and Text must be hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>section [%1]: the UDH does not hold together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture&apos;s header is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is not black and white (depth %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a PDU in hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an SMS-DELIVER or SMS-SUBMIT PDU (it does not hold together)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the message is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown picture-message version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the message ends inside an item&apos;s header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the message ends inside an item (type %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the message carries no picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no message found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the input holds %1 picture messages; give one at a time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the input holds %1 messages and none is a picture message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a picture message (no application port)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a picture message (port %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the message announces no parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a picture message (text coding %1, not 8-bit data)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>part %1 of %2 cannot be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>part %1 of %2 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>parts %1 of %2 are missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown sender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, reference </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>ModemManager manages </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and talks to the phone there itself.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> have the port while it talks to the phone?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Some Nokia logo filetypes are not associated with the correct application.<byte value="xd"/>
<byte value="xd"/>
Would you like to associate them now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>,<byte value="xd"/>
so Pixora can&apos;t tell whether it is running already.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find a folder for the lock file that only you can use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every start opens a window of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t use the lock file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please remove it; until then every start opens a window of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the Message Center Number<byte value="xd"/>
with the international country-code<byte value="xd"/>
<byte value="xd"/>
It could look like </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to &amp;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find a supported version of %1.<byte value="xd"/>
<byte value="xd"/>
Please download and install the latest version, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t send your image to %1,<byte value="xd"/>
It seems that the application is busy right now.<byte value="xd"/>
<byte value="xd"/>
Please check and then try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Can&apos;t find a temporary folder that only you can use.<byte value="xd"/>
<byte value="xd"/>
Please check that the temporary folder (TMPDIR) exists and can be written, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All important objects of this program support &apos;ToolTips&apos;.<byte value="xd"/>
<byte value="xd"/>
Move your mouse over an object and wait a while, then<byte value="xd"/>
a small yellow box with a short explanation will appear.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmEdit</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Received Message...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read &amp;Messages from Phone...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sen&amp;d as SMS...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send via In&amp;ternet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Im&amp;port BMP, GIF, JPG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import with Pre&amp;view...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export BMP, WBMP...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip &amp;Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip &amp;Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo&amp;nitor Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pencil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;illed Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ellipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filled Elli&amp;pse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text &amp;Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tiny (4 x 6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Normal (5 x 7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bold (6 x 8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ex&amp;tras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to &amp;Tamsel Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to &amp;Vornik Uploader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send other SMS via Internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash SMS (160 chars)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blink SMS (70 chars)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extralarge SMS (459 chars)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special SMS (&quot;SMS Virus&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partnerprogram for Webmasters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help on Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Free Newsletter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Download Samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check for Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitoring clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send as SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send via Internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 px per cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture, %1 by %2 cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone display preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text for Picture-Message (121 chars)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position of cursor OR chars left in text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before you start to use this Editor, please<byte value="xd"/>
enter your name here:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
The editor for Smart Messaging picture messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOpenReceived</name>
    <message>
        <source>Received messages (*.txt;*.smsbackup)|*.txt;*.smsbackup;*.pdu|All files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSend</name>
    <message>
        <source>Phonebook has already been read.<byte value="xd"/>
<byte value="xd"/>
Do you want to read it again?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pixora::PMTextEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pixora::frmImportPreview</name>
    <message>
        <source>Import with Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With &quot;Fill and crop&quot;, drag or use the arrow keys to choose the part kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep proportions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill and crop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top-left, unscaled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floyd-Steinberg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atkinson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordered (Bayer 4 x 4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Brightness:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contrast:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dithering:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pixora::frmOpenReceived</name>
    <message>
        <source>Open Received Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste the message&apos;s PDU lines, the phone&apos;s AT+CMGL or AT+CMGR output, or a gammu SMS backup:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pixora::frmOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nokia Data Suite / Virtual serial port for cable or IR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short Message Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message Center Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Message Center Number from phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status &amp;Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If image is not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If image is not saved before saving, sending or quitting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If image is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If image is empty before saving or sending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before adjusting size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before adjusting size of too big/small images when loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filetype registration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If not all known Nokia logo filetypes are associated to the correct application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read phonebook from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First establish cable/IR connection, then test COM%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the virtual Nokia COM-port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device is connected as COM%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testing COM%1 ... please wait!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pixora::frmReading</name>
    <message>
        <source>Reading phonebook ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pixora::frmReceivedMessages</name>
    <message>
        <source>Picture Messages on the Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pixora::frmSend</name>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select number from phonebook.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read phonebook from phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: no device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pixora::frmSending</name>
    <message>
        <source>Sending ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
