<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>HalvernGlyphix</name>
    <message>
        <location filename="../halvernglyphix.cpp" line="+27"/>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portuguese (Brazilian)</source>
        <translation>Portugiesisch (Brasilien)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vietnamese</source>
        <translation>Vietnamesisch</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>TIFF Images (*.tif *.tiff)</source>
        <translation>TIFF-Bilder (*.tif *.tiff)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other Images (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.pbm *.pgm *.ppm *.pnm *.jp2)</source>
        <translation>Andere Bilder (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.pbm *.pgm *.ppm *.pnm *.jp2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select TIFF File</source>
        <translation>TIFF-Datei wählen</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+44"/>
        <location line="+47"/>
        <location line="+17"/>
        <location line="+3"/>
        <location line="+4"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="-114"/>
        <source>Please select a TIFF file before continuing.</source>
        <translation>Bitte wählen Sie zuerst eine TIFF-Datei aus.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Save as Text File</source>
        <translation>Als Textdatei speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Text Document (*.txt)</source>
        <translation>Textdokument (*.txt)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Failed to open %1
%2</source>
        <translation>%1 konnte nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Halvern </source>
        <translation>Halvern </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>®</source>
        <translation>®</translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Glyphix</source>
        <translation> Glyphix</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The conversion process is currently running.

Do you really want to terminate it?</source>
        <translation>Die Texterkennung läuft gerade.

Möchten Sie sie wirklich abbrechen?</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Unable to start the conversion process.</source>
        <translation>Die Texterkennung konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unable to open TIFF file. Make sure it an uncompressed TIFF file.</source>
        <translation>Die TIFF-Datei kann nicht geöffnet werden. Stellen Sie sicher, dass es eine unkomprimierte TIFF-Datei ist.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The conversion process terminated with error code %1.
Important: The TIFF file must be of the UNCOMPRESSED TIFF file format.
Please check file &apos;%2&apos; for more information about this error.</source>
        <translation>Die Texterkennung wurde mit dem Fehlercode %1 beendet.
Wichtig: Die TIFF-Datei muss im UNKOMPRIMIERTEN TIFF-Format vorliegen.
Weitere Informationen zu diesem Fehler finden Sie in der Datei „%2“.</translation>
    </message>
</context>
<context>
    <name>HalvernGlyphixClass</name>
    <message>
        <location filename="../halvernglyphix.ui" line="+16"/>
        <source>Halvern ® Glyphix</source>
        <translation>Halvern ® Glyphix</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1. Select a TIFF file (scanned document) by hitting the &quot;Browse...&quot; button.
Note: Only uncompressed TIFF or G3 compressed TIFF files supported.

2. Select the document language.

3. Hit &quot;Extract Text&quot; and wait for the text to populate in the text area.

4. Clean the extracted text.

5. Hit &quot;Copy to Clipboard&quot; (or &quot;Save to Text File&quot; if you prefer).</source>
        <translation>1. Wählen Sie mit der Schaltfläche „Durchsuchen ...“ eine TIFF-Datei (ein gescanntes Dokument) aus.
Hinweis: Nur unkomprimierte oder G3-komprimierte TIFF-Dateien werden unterstützt.

2. Wählen Sie die Dokumentsprache aus.

3. Klicken Sie auf „Text erkennen“ und warten Sie, bis der Text im Textbereich erscheint.

4. Bereinigen Sie den erkannten Text.

5. Klicken Sie auf „In die Zwischenablage kopieren“ (oder auf „Als Textdatei speichern“, wenn Sie das vorziehen).</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Select TIFF file</source>
        <translation>TIFF-Datei wählen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Browse...</source>
        <translation>Durchsuchen ...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Select Document Language</source>
        <translation>Dokumentsprache wählen</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Extract Text</source>
        <translation>Text erkennen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Save to Text File</source>
        <translation>Als Textdatei speichern</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel Process</source>
        <translation>Vorgang abbrechen</translation>
    </message>
</context>
</TS>
