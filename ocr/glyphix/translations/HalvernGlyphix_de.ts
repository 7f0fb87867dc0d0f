<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>HalvernGlyphix</name>
    <message>
        <location filename="../halvernglyphix.cpp" line="25" />
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="26" />
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="27" />
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="28" />
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="29" />
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="30" />
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="31" />
        <source>Portuguese (Brazilian)</source>
        <translation>Portugiesisch (Brasilien)</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="32" />
        <source>Vietnamese</source>
        <translation>Vietnamesisch</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="96" />
        <source>TIFF Images (*.tif *.tiff)</source>
        <translation>TIFF-Bilder (*.tif *.tiff)</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="97" />
        <source>Other Images (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.pbm *.pgm *.ppm *.pnm *.jp2)</source>
        <translation>Andere Bilder (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.pbm *.pgm *.ppm *.pnm *.jp2)</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="99" />
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="100" />
        <source>Select TIFF File</source>
        <translation>TIFF-Datei auswählen</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="111" />
        <location filename="../halvernglyphix.cpp" line="156" />
        <location filename="../halvernglyphix.cpp" line="203" />
        <location filename="../halvernglyphix.cpp" line="220" />
        <location filename="../halvernglyphix.cpp" line="223" />
        <location filename="../halvernglyphix.cpp" line="227" />
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="112" />
        <source>Please select a TIFF file before continuing.</source>
        <translation>Bitte wählen Sie zuerst eine TIFF-Datei aus.</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="141" />
        <source>Save as Text File</source>
        <translation>Als Textdatei speichern</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="141" />
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="141" />
        <source>Text Document (*.txt)</source>
        <translation>Textdokument (*.txt)</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="157" />
        <source>Failed to open %1
%2</source>
        <translation>%1 konnte nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="165" />
        <source>Halvern </source>
        <translation>Halvern </translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="165" />
        <source>®</source>
        <translation>®</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="165" />
        <source> Glyphix</source>
        <translation> Glyphix</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="168" />
        <source>The conversion process is currently running.

Do you really want to terminate it?</source>
        <translation>Die Texterkennung läuft gerade.

Möchten Sie sie wirklich abbrechen?</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="204" />
        <source>Unable to start the conversion process.</source>
        <translation>Die Texterkennung konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="220" />
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="224" />
        <source>Unable to open TIFF file. Make sure it an uncompressed TIFF file.</source>
        <translation>Die TIFF-Datei kann nicht geöffnet werden. Stellen Sie sicher, dass es eine unkomprimierte TIFF-Datei ist.</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.cpp" line="228" />
        <source>The conversion process terminated with error code %1.
Important: The TIFF file must be of the UNCOMPRESSED TIFF file format.
Please check file 'tesseract.log' in the program directory for more information about this error.</source>
        <translation>Die Texterkennung wurde mit dem Fehlercode %1 beendet.
Wichtig: Die TIFF-Datei muss im UNKOMPRIMIERTEN TIFF-Format vorliegen.
Weitere Informationen zu diesem Fehler finden Sie in der Datei 'tesseract.log' im Programmverzeichnis.</translation>
    </message>
</context>
<context>
    <name>HalvernGlyphixClass</name>
    <message>
        <location filename="../halvernglyphix.ui" line="16" />
        <source>Halvern ® Glyphix</source>
        <translation>Halvern ® Glyphix</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.ui" line="19" />
        <source>1. Select a TIFF file (scanned document) by hitting the "Browse..." button.
Note: Only uncompressed TIFF or G3 compressed TIFF files supported.

2. Select the document language.

3. Hit "Extract Text" and wait for the text to populate in the text area.

4. Clean the extracted text.

5. Hit "Copy to Clipboard" (or "Save to Text File" if you prefer).</source>
        <translation>1. Wählen Sie mit der Schaltfläche "Durchsuchen..." eine TIFF-Datei (ein gescanntes Dokument) aus.
Hinweis: Nur unkomprimierte oder G3-komprimierte TIFF-Dateien werden unterstützt.

2. Wählen Sie die Sprache des Dokuments aus.

3. Klicken Sie auf "Text erkennen" und warten Sie, bis der Text im Textbereich erscheint.

4. Bereinigen Sie den erkannten Text.

5. Klicken Sie auf "In die Zwischenablage kopieren" (oder auf "Als Textdatei speichern", wenn Sie das vorziehen).</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.ui" line="34" />
        <source>Select TIFF file</source>
        <translation>TIFF-Datei auswählen</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.ui" line="53" />
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.ui" line="62" />
        <source>Select Document Language</source>
        <translation>Sprache des Dokuments auswählen</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.ui" line="84" />
        <source>Extract Text</source>
        <translation>Text erkennen</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.ui" line="94" />
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.ui" line="104" />
        <source>Save to Text File</source>
        <translation>Als Textdatei speichern</translation>
    </message>
    <message>
        <location filename="../halvernglyphix.ui" line="114" />
        <source>Cancel Process</source>
        <translation>Vorgang abbrechen</translation>
    </message>
</context>
</TS>