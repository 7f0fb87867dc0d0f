<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>QApplication</name>
    <message>
        <location filename="../app/document/qvt2sdocument.cpp" line="+183"/>
        <location line="+8"/>
        <location filename="../app/editing/vocalynedocumentedit.cpp" line="+152"/>
        <location filename="../app/editing/vocalynespeechelementeditor.cpp" line="+107"/>
        <location filename="../app/editing/vocalynespeechsectioneditor.cpp" line="+28"/>
        <location filename="../app/export/vocalyneexportreporter.cpp" line="+15"/>
        <location filename="../app/exportwizard/vocalyneexporterbatch.cpp" line="+375"/>
        <location line="+22"/>
        <location line="+7"/>
        <location filename="../app/language/vocalynemanagescdictdlg.cpp" line="+45"/>
        <location filename="../app/language/vocalynepronunciationcorrectordlg.cpp" line="+72"/>
        <location line="+78"/>
        <location line="+37"/>
        <location line="+12"/>
        <location line="+16"/>
        <location filename="../app/language/vocalynespellcheckerdlg.cpp" line="+191"/>
        <location filename="../app/language/vocalyneuserdictionary.cpp" line="+91"/>
        <location filename="../app/language/vocalynevendorlexicons.cpp" line="+80"/>
        <location line="+11"/>
        <location filename="../app/shell/vocalynehistoryactions.cpp" line="+52"/>
        <location filename="../app/shell/vocalynemainwindow.cpp" line="+145"/>
        <location line="+9"/>
        <location filename="../app/shell/vocalynemainwindowauthoring.cpp" line="+100"/>
        <location line="+10"/>
        <location line="+22"/>
        <location filename="../app/shell/vocalynemainwindowdocuments.cpp" line="+153"/>
        <location line="+43"/>
        <location line="+54"/>
        <location line="+52"/>
        <location line="+29"/>
        <location filename="../app/shell/vocalynemainwindowexport.cpp" line="+41"/>
        <location line="+310"/>
        <location filename="../app/shell/vocalynemainwindowimport.cpp" line="+97"/>
        <location filename="../app/shell/vocalynemainwindowlayout.cpp" line="+78"/>
        <location line="+15"/>
        <location line="+11"/>
        <location filename="../app/shell/vocalynemainwindowspeech.cpp" line="+165"/>
        <location filename="../app/shell/vocalynemainwindowspelling.cpp" line="+33"/>
        <location filename="../app/shell/vocalynemainwindowtools.cpp" line="+106"/>
        <location line="+33"/>
        <location line="+26"/>
        <location line="+13"/>
        <location filename="../app/shell/vocalynepreferencesdlg.cpp" line="+208"/>
        <location filename="../app/speech/vocalynespeakcontroller.cpp" line="+181"/>
        <location line="+283"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+46"/>
        <location filename="../app/shell/vocalynemainwindowauthoring.cpp" line="-31"/>
        <location line="+32"/>
        <source>Please select a text fragment before creating a speech section.</source>
        <translation>Bitte markieren Sie einen Textabschnitt, bevor Sie einen Sprachabschnitt erstellen.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Please select a text fragment before bookmarking.</source>
        <translation>Bitte markieren Sie einen Textabschnitt, bevor Sie ein Lesezeichen setzen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../app/shell/vocalynemainwindowauthoring.cpp" line="-22"/>
        <source>Embedding a speech entity within another speech entity of the same type is not allowed.
Please select a different text section or remove the current speech entity and try again.</source>
        <translation>Ein Sprachobjekt darf nicht in ein anderes Sprachobjekt desselben Typs eingebettet werden.
Bitte markieren Sie einen anderen Textabschnitt oder entfernen Sie das vorhandene Sprachobjekt und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../app/editing/vocalynedocumentedit.cpp" line="+1"/>
        <location filename="../app/speech/vocalynespeakcontroller.cpp" line="+7"/>
        <source>Unable to set the default speech settings.</source>
        <translation>Die Standard-Spracheinstellungen können nicht gesetzt werden.</translation>
    </message>
    <message>
        <location filename="../app/editing/vocalynefindreplacedlg.cpp" line="+106"/>
        <location line="+54"/>
        <location filename="../app/export/vocalyneexportprocess.cpp" line="+71"/>
        <location filename="../app/export/vocalyneexportreporter.cpp" line="+3"/>
        <location filename="../app/exportwizard/vocalyneexporterbatch.cpp" line="+10"/>
        <location line="+49"/>
        <location filename="../app/language/vocalynemanagescdictdlg.cpp" line="+134"/>
        <location line="+45"/>
        <location filename="../app/shell/vocalynehistoryactions.cpp" line="+30"/>
        <location line="+16"/>
        <location filename="../app/shell/vocalynehistorytree.cpp" line="+185"/>
        <location filename="../app/shell/vocalynemainwindowexport.cpp" line="-19"/>
        <location filename="../app/shell/vocalynemainwindowimport.cpp" line="-17"/>
        <location filename="../app/shell/vocalynemainwindowspelling.cpp" line="+24"/>
        <location filename="../app/shell/vocalynepreferencesdlg.cpp" line="+64"/>
        <source>Vocalyne</source>
        <translation>Vocalyne</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>Cannot find: &apos;%1&apos;</source>
        <translation>Nicht gefunden: „%1“</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Replaced %1 occurrence(s) of &apos;%2&apos;</source>
        <translation>%1 Vorkommen von „%2“ ersetzt</translation>
    </message>
    <message>
        <location filename="../app/editing/vocalynespeechelementeditor.cpp" line="+1"/>
        <source>Invalid element data. The element will be removed.</source>
        <translation>Ungültige Elementdaten. Das Element wird entfernt.</translation>
    </message>
    <message>
        <location filename="../app/editing/vocalynespeechsectioneditor.cpp" line="+5"/>
        <source>Unable to get the voice combo box settings.</source>
        <translation>Die Einstellungen der Stimmenauswahl können nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../app/shell/vocalynemainwindow.cpp" line="-8"/>
        <location filename="../app/shell/vocalynepreferencesdlg.cpp" line="-63"/>
        <source>No voices can be found on your system! Please download and install at least 1 voice!</source>
        <translation>Auf Ihrem System wurden keine Stimmen gefunden! Bitte laden Sie mindestens eine Stimme herunter und installieren Sie sie!</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../app/speech/vocalynespeakcontroller.cpp" line="-6"/>
        <source>The voice saved into the document is not installed.
Reverting to default voice settings....</source>
        <translation>Die im Dokument gespeicherte Stimme ist nicht installiert.
Die Standard-Stimmeneinstellungen werden wiederhergestellt ...</translation>
    </message>
    <message>
        <location line="+147"/>
        <location filename="../app/speech/vocalynespeakcontroller.cpp" line="-232"/>
        <source>Please enter text to be spoken.</source>
        <translation>Bitte geben Sie den Text ein, der vorgelesen werden soll.</translation>
    </message>
    <message>
        <location filename="../app/export/vocalyneexportexitcodes.cpp" line="+17"/>
        <source>Export successful!</source>
        <translation>Export erfolgreich!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid parameters specified.</source>
        <translation>Ungültige Parameter angegeben.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to access the text for the conversion.</source>
        <translation>Auf den Text für die Umwandlung kann nicht zugegriffen werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MP3 file conversion error.</source>
        <translation>Fehler bei der Umwandlung in MP3.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to open input file.</source>
        <translation>Die Eingabedatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../app/shell/vocalynemainwindowimport.cpp" line="-16"/>
        <source>Access to the specified file denied. This may be due to a sharing violation.</source>
        <translation>Der Zugriff auf die angegebene Datei wurde verweigert. Möglicherweise wird sie von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../app/shell/vocalynemainwindowimport.cpp" line="-3"/>
        <source>Text content not found.</source>
        <translation>Kein Textinhalt gefunden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../app/export/vocalyneexportstarter.cpp" line="+75"/>
        <location filename="../app/shell/vocalynemainwindowimport.cpp" line="+8"/>
        <source>General access failure.</source>
        <translation>Allgemeiner Zugriffsfehler.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../app/export/vocalyneexportstarter.cpp" line="-19"/>
        <location filename="../app/shell/vocalynemainwindowimport.cpp" line="+7"/>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../app/shell/vocalynemainwindowimport.cpp" line="-3"/>
        <source>Access denied. The document may be protected.</source>
        <translation>Zugriff verweigert. Das Dokument ist möglicherweise geschützt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../app/shell/vocalynemainwindowimport.cpp" line="+21"/>
        <source>Unspecified error.</source>
        <translation>Nicht näher bezeichneter Fehler.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Export failed with error code: %1.
Either the process terminated unexpectedly or the voice does not support the selected audio format.</source>
        <translation>Der Export ist mit dem Fehlercode %1 fehlgeschlagen.
Entweder wurde der Vorgang unerwartet beendet oder die Stimme unterstützt das gewählte Audioformat nicht.</translation>
    </message>
    <message>
        <location filename="../app/export/vocalyneexportprocess.cpp" line="-2"/>
        <source>Exporting speech to audio file...</source>
        <translation>Sprache wird in eine Audiodatei exportiert ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>The export process failed to start. Either the invoked program is missing, or you may have insufficient permissions to invoke the program.</source>
        <translation>Der Exportvorgang konnte nicht gestartet werden. Entweder fehlt das aufgerufene Programm oder Ihnen fehlen die Rechte, es zu starten.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>An unknown error occurred.</source>
        <translation>Ein unbekannter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>pitch</source>
        <translation>Tonhöhe</translation>
    </message>
    <message>
        <location filename="../app/exportwizard/vocalyneexporterbatch.cpp" line="-87"/>
        <source>Invalid %1!
Please enter a valid number between %2 and %3.</source>
        <translation>Ungültiger Wert für „%1“!
Bitte geben Sie eine Zahl zwischen %2 und %3 ein.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>You must select an output folder in order to continue.</source>
        <translation>Sie müssen einen Ausgabeordner wählen, um fortzufahren.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>You must select at least 1 input file in order to continue.</source>
        <translation>Sie müssen mindestens eine Eingabedatei wählen, um fortzufahren.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>File &apos;%1&apos; already exists in the output folder.
Override?</source>
        <translation>Die Datei „%1“ ist im Ausgabeordner bereits vorhanden.
Überschreiben?</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Batch Export Finished!
Hit &quot;Next&quot; to view the export log.</source>
        <translation>Der Stapelexport ist abgeschlossen!
Klicken Sie auf „Weiter“, um das Exportprotokoll anzuzeigen.</translation>
    </message>
    <message>
        <location filename="../app/history/vocalynehistorymessages.cpp" line="+12"/>
        <source>The history database cannot be created. Message # %1 (&apos;</source>
        <translation>Die Verlaufsdatenbank kann nicht angelegt werden. Meldung Nr. %1 („</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The history database cannot be opened. Message # %1. (&apos;</source>
        <translation>Die Verlaufsdatenbank kann nicht geöffnet werden. Meldung Nr. %1. („</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The history database cannot be updated.
Message # %1. (&apos;</source>
        <translation>Die Verlaufsdatenbank kann nicht aktualisiert werden.
Meldung Nr. %1. („</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&apos;).</source>
        <translation>“).</translation>
    </message>
    <message>
        <location filename="../app/language/vocalynemanagescdictdlg.cpp" line="-91"/>
        <source>You must select a dictionary file in order to continue.</source>
        <translation>Sie müssen eine Wörterbuchdatei wählen, um fortzufahren.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You must enter a dictionary name in order to continue.</source>
        <translation>Sie müssen einen Namen für das Wörterbuch eingeben, um fortzufahren.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The dictionary &apos;%1&apos; has the same file path (&apos;%2&apos;).
You cannot load more than 1 dictionary with the same dictionary file path.</source>
        <translation>Das Wörterbuch „%1“ hat denselben Dateipfad („%2“).
Sie können nicht mehrere Wörterbücher mit demselben Dateipfad laden.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A dictionary with the name &apos;%1&apos; already exists.
You cannot load more than 1 dictionary with the same name.</source>
        <translation>Ein Wörterbuch mit dem Namen „%1“ ist bereits vorhanden.
Sie können nicht mehrere Wörterbücher mit demselben Namen laden.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>You cannot delete the default dictionary!</source>
        <translation>Das Standardwörterbuch kann nicht gelöscht werden!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Are you sure you want to remove the selected dictionary from the list?
Your changes will take effect when you hit &quot;OK&quot;</source>
        <translation>Möchten Sie das ausgewählte Wörterbuch wirklich aus der Liste entfernen?
Ihre Änderungen werden wirksam, wenn Sie auf „OK“ klicken.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>You cannot disable the default dictionary!</source>
        <translation>Das Standardwörterbuch kann nicht deaktiviert werden!</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Your changes will apply when you restart Vocalyne.</source>
        <translation>Ihre Änderungen werden beim nächsten Start von Vocalyne wirksam.</translation>
    </message>
    <message>
        <location filename="../app/language/vocalynepronunciationcorrectordlg.cpp" line="-142"/>
        <source>No voices that support pronunciation corrections can be found on your system!</source>
        <translation>Auf Ihrem System wurden keine Stimmen gefunden, die Aussprachekorrekturen unterstützen!</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Invalid target field phonemes!
Each phoneme must be valid and all phonemes must be separated by a space.

Please use the phoneme buttons to aviod errors.</source>
        <translation>Ungültige Phoneme im Feld „Zielwort“!
Jedes Phonem muss gültig sein, und die Phoneme müssen durch Leerzeichen getrennt sein.

Bitte verwenden Sie die Phonem-Schaltflächen, um Fehler zu vermeiden.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>The source word and the target word fields must not be empty!</source>
        <translation>Die Felder „Ausgangswort“ und „Zielwort“ dürfen nicht leer sein!</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Failed to get the speech role.</source>
        <translation>Die Wortart kann nicht ermittelt werden.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>An entry with the specified source word, language and role already exists!</source>
        <translation>Ein Eintrag mit diesem Ausgangswort, dieser Sprache und dieser Wortart ist bereits vorhanden!</translation>
    </message>
    <message>
        <location line="+44"/>
        <location filename="../app/shell/vocalynemainwindowauthoring.cpp" line="+131"/>
        <location filename="../app/shell/vocalynemainwindowexport.cpp" line="-62"/>
        <location line="+7"/>
        <location line="+21"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you really want to remove this entry?</source>
        <translation>Möchten Sie diesen Eintrag wirklich entfernen?</translation>
    </message>
    <message>
        <location filename="../app/language/vocalynespellcheckdictionaries.cpp" line="+62"/>
        <source>English (U.S. and U.K.)</source>
        <translation>Englisch (USA und Großbritannien)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The spell checker dictionary &apos;%1&apos; (path: &apos;%2&apos;) cannot be loaded.
Please make sure that the file exists.</source>
        <translation>Das Wörterbuch der Rechtschreibprüfung „%1“ (Pfad: „%2“) kann nicht geladen werden.
Bitte stellen Sie sicher, dass die Datei vorhanden ist.</translation>
    </message>
    <message>
        <location filename="../app/language/vocalynespellcheckerdlg.cpp" line="+1"/>
        <location filename="../app/shell/vocalynemainwindowdocuments.cpp" line="-177"/>
        <location line="+178"/>
        <location filename="../app/shell/vocalynemainwindowexport.cpp" line="+54"/>
        <location filename="../app/shell/vocalynemainwindowlayout.cpp" line="-25"/>
        <location line="+15"/>
        <source>Failed to open %1
%2</source>
        <translation>%1 kann nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <location filename="../app/language/vocalyneuserdictionary.cpp" line="+1"/>
        <source>Failed to update the lexicon for word %1 (error code: %2).</source>
        <translation>Das Lexikon kann für das Wort %1 nicht aktualisiert werden (Fehlercode: %2).</translation>
    </message>
    <message>
        <location filename="../app/settings/vocalynefirstrundefaults.cpp" line="+123"/>
        <source>Unable to set the default speech settings from the list of voices.</source>
        <translation>Die Standard-Spracheinstellungen können nicht aus der Liste der Stimmen übernommen werden.</translation>
    </message>
    <message>
        <location filename="../app/shell/vocalynehistoryactions.cpp" line="-15"/>
        <source>Are you sure you want to clear all documents from history?
Warning: This action cannot be undone!</source>
        <translation>Möchten Sie wirklich alle Dokumente aus dem Verlauf entfernen?
Warnung: Dieser Vorgang kann nicht rückgängig gemacht werden!</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Are you sure you want to compact and repair the history?
Warning: This action could take a long time depending on the size of the history!</source>
        <translation>Möchten Sie den Verlauf wirklich komprimieren und reparieren?
Warnung: Je nach Größe des Verlaufs kann dieser Vorgang lange dauern!</translation>
    </message>
    <message>
        <location filename="../app/shell/vocalynehistorytree.cpp" line="+1"/>
        <source>Are you sure you want to delete the selected history item?
Warning: The item and all its sub-items will be permanently deleted and this action cannot be undone!</source>
        <translation>Möchten Sie den ausgewählten Verlaufseintrag wirklich löschen?
Warnung: Der Eintrag und alle Untereinträge werden endgültig gelöscht. Dieser Vorgang kann nicht rückgängig gemacht werden!</translation>
    </message>
    <message>
        <location filename="../app/shell/vocalynemainwindowauthoring.cpp" line="+1"/>
        <source>Are you sure you want to delete the selected item(s)?
This action cannot be undone!</source>
        <translation>Möchten Sie die ausgewählten Einträge wirklich löschen?
Dieser Vorgang kann nicht rückgängig gemacht werden!</translation>
    </message>
    <message>
        <location filename="../app/shell/vocalynemainwindowdocuments.cpp" line="-135"/>
        <source>Invalid T2S file format!</source>
        <translation>Ungültiges T2S-Dateiformat!</translation>
    </message>
    <message>
        <location line="+54"/>
        <location filename="../app/shell/vocalynemainwindowtools.cpp" line="-38"/>
        <source>No default web browser could be found.</source>
        <translation>Es wurde kein Standard-Webbrowser gefunden.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Cannot save with the name of a file that is open in another tab!</source>
        <translation>Unter dem Namen einer Datei, die in einem anderen Register geöffnet ist, kann nicht gespeichert werden!</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Save Document</source>
        <translation>Dokument speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; has been modified.
Do you want to save your changes?</source>
        <translation>„%1“ wurde geändert.
Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <location filename="../app/shell/vocalynemainwindowexport.cpp" line="-310"/>
        <source>Please enter text to be exported to audio.</source>
        <translation>Bitte geben Sie den Text ein, der als Audio exportiert werden soll.</translation>
    </message>
    <message>
        <location line="+212"/>
        <source>Export in progress...</source>
        <translation>Export läuft ...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Failed to open %1
%2!
Only raw text will be extracted and converted to audio!</source>
        <translation>%1 kann nicht geöffnet werden.
%2!
Nur der reine Text wird entnommen und in Audio umgewandelt!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Invalid T2S format for file &apos;%1&apos;!
Only raw text will be extracted and converted to audio!</source>
        <translation>Ungültiges T2S-Format in der Datei „%1“!
Nur der reine Text wird entnommen und in Audio umgewandelt!</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>The batch export has been canceled.
If there were any successfully exported documents, their audio files are still in the output folder.</source>
        <translation>Der Stapelexport wurde abgebrochen.
Die Audiodateien bereits erfolgreich exportierter Dokumente bleiben im Ausgabeordner.</translation>
    </message>
    <message>
        <location filename="../app/shell/vocalynemainwindowimport.cpp" line="-13"/>
        <source>Text extraction failed.
Would you like to extract the raw file data?</source>
        <translation>Der Text konnte nicht entnommen werden.
Möchten Sie die Rohdaten der Datei entnehmen?</translation>
    </message>
    <message>
        <location filename="../app/shell/vocalynemainwindowlayout.cpp" line="+11"/>
        <source>Error reading %1</source>
        <translation>Fehler beim Lesen von %1</translation>
    </message>
    <message>
        <location filename="../app/shell/vocalynemainwindowspelling.cpp" line="+1"/>
        <source>The spelling check is complete.</source>
        <translation>Die Rechtschreibprüfung ist abgeschlossen.</translation>
    </message>
    <message>
        <location filename="../app/shell/vocalynemainwindowtools.cpp" line="-33"/>
        <source>Help cannot be found.</source>
        <translation>Die Hilfe wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>No mail client can be found on your system.</source>
        <translation>Auf Ihrem System wurde kein E-Mail-Programm gefunden.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Halvern </source>
        <translation>Halvern </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Glyphix cannot be found on your system.</source>
        <translation> Glyphix wurde auf Ihrem System nicht gefunden.</translation>
    </message>
    <message>
        <location filename="../app/shell/vocalynepreferencesdlg.cpp" line="+64"/>
        <source>Are you sure you want to clear the recent document menu list?
Warning: This action cannot be undone!</source>
        <translation>Möchten Sie die Liste der zuletzt geöffneten Dokumente wirklich leeren?
Warnung: Dieser Vorgang kann nicht rückgängig gemacht werden!</translation>
    </message>
    <message>
        <location filename="../app/speech/vocalynespeakcontroller.cpp" line="-186"/>
        <source>Unable to secure channel memory!</source>
        <translation>Der Speicher für den Übertragungskanal kann nicht reserviert werden!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid text provided!</source>
        <translation>Ungültiger Text übergeben!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zero-length text provided!</source>
        <translation>Leerer Text übergeben!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Voice database not loaded!</source>
        <translation>Die Stimmendatenbank ist nicht geladen!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sound card failure!</source>
        <translation>Fehler der Soundkarte!</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+36"/>
        <source>Function is not (yet) implemented.</source>
        <translation>Die Funktion ist (noch) nicht implementiert.</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+36"/>
        <source>Engine internal error.</source>
        <translation>Interner Fehler der Sprachausgabe.</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+36"/>
        <source>Invalid parameter.</source>
        <translation>Ungültiger Parameter.</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+36"/>
        <source>Invalid data in parameter.</source>
        <translation>Ungültige Daten im Parameter.</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+38"/>
        <source>Unknown text/audio encoding.</source>
        <translation>Unbekannte Text- oder Audiokodierung.</translation>
    </message>
    <message>
        <location line="-36"/>
        <location line="+34"/>
        <source>Object not found.</source>
        <translation>Objekt nicht gefunden.</translation>
    </message>
    <message>
        <location line="-32"/>
        <location line="+36"/>
        <source>Operation interrupted.</source>
        <translation>Vorgang unterbrochen.</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+36"/>
        <source>Voice not present or corrupted.</source>
        <translation>Die Stimme ist nicht vorhanden oder beschädigt.</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+36"/>
        <source>Wrong event type for the data requested.</source>
        <translation>Falscher Ereignistyp für die angeforderten Daten.</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+36"/>
        <source>Engine still in use.</source>
        <translation>Die Sprachausgabe ist noch in Gebrauch.</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+36"/>
        <source>Network communication failed.</source>
        <translation>Die Netzwerkverbindung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+36"/>
        <source>The utterance queue is full.</source>
        <translation>Die Warteschlange der Äußerungen ist voll.</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+36"/>
        <source>Get concurrency token timed out.</source>
        <translation>Zeitüberschreitung beim Warten auf die Sprachausgabe.</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+36"/>
        <location line="+2"/>
        <source>Undefined error!</source>
        <translation>Undefinierter Fehler!</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Please place the cursor before existing text and try again.</source>
        <translation>Bitte setzen Sie den Cursor vor vorhandenen Text und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../app/language/vocalynevendorlexicons.cpp" line="-10"/>
        <source>Failed to open lexicon %1
%2
Please make sure you have WRITE permissions for the file.</source>
        <translation>Das Lexikon %1 kann nicht geöffnet werden.
%2
Bitte stellen Sie sicher, dass Sie SCHREIBRECHTE für die Datei haben.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Failed to update lexicon %1
%2</source>
        <translation>Das Lexikon %1 kann nicht aktualisiert werden.
%2</translation>
    </message>
</context>
<context>
    <name>VocalyneDocConverter</name>
    <message>
        <location filename="../app/import/vocalynedocconverter.cpp" line="+51"/>
        <source>Extracting text from document parts...</source>
        <translation>Text wird aus den Dokumentteilen entnommen ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vocalyne</source>
        <translation>Vocalyne</translation>
    </message>
</context>
<context>
    <name>VocalyneDocPropertiesDlg</name>
    <message>
        <location filename="../app/shell/vocalynedocpropertiesdlg.ui" line="+8"/>
        <source>Document Properties</source>
        <translation>Dokumenteigenschaften</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>[Name]</source>
        <translation>[Name]</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Path:</source>
        <translation>Pfad:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Global Voice:</source>
        <translation>Stimme des Dokuments:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>[Voice]</source>
        <translation>[Stimme]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Global Speed:</source>
        <translation>Geschwindigkeit des Dokuments:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>[Speed]</source>
        <translation>[Geschwindigkeit]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Global Volume:</source>
        <translation>Lautstärke des Dokuments:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>[Volume]</source>
        <translation>[Lautstärke]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Global Pitch:</source>
        <translation>Tonhöhe des Dokuments:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>[Pitch]</source>
        <translation>[Tonhöhe]</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Bookmarks:</source>
        <translation>Lesezeichen:</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+6"/>
        <location line="+6"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Speech Sections:</source>
        <translation>Sprachabschnitte:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Speech Elements:</source>
        <translation>Sprachelemente:</translation>
    </message>
    <message>
        <location filename="../app/shell/vocalynedocpropertiesdlg.cpp" line="+21"/>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>VocalyneDocumentEdit</name>
    <message>
        <location filename="../app/editing/vocalynedocumentedit.cpp" line="+53"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear Selection</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
</context>
<context>
    <name>VocalyneDocumentExtractor</name>
    <message>
        <location filename="../app/import/vocalynedocumentextractor.cpp" line="+168"/>
        <source>All Supported Documents (%1)</source>
        <translation>Alle unterstützten Dokumente (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Halvern T2S Document (*.t2s)</source>
        <translation>Halvern-T2S-Dokument (*.t2s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF Documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Word Documents (*.docx *.docm *.dotx *.rtf)</source>
        <translation>Word-Dokumente (*.docx *.docm *.dotx *.rtf)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Presentations (*.pptx *.pptm *.ppsx *.odp)</source>
        <translation>Präsentationen (*.pptx *.pptm *.ppsx *.odp)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spreadsheets (*.xlsx *.xlsm *.ods)</source>
        <translation>Tabellendokumente (*.xlsx *.xlsm *.ods)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OpenDocument Text (*.odt *.ott)</source>
        <translation>OpenDocument-Text (*.odt *.ott)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E-books (*.epub)</source>
        <translation>E-Books (*.epub)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>VocalyneEntityTooltip</name>
    <message>
        <location filename="../app/editing/vocalyneentitytooltip.cpp" line="+7"/>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;b&gt;Bookmark&lt;/b&gt;&lt;br&gt;Start Position: %1&lt;br&gt;End Position: %2&lt;br&gt;%3</source>
        <translation>&lt;b&gt;Lesezeichen&lt;/b&gt;&lt;br&gt;Anfangsposition: %1&lt;br&gt;Endposition: %2&lt;br&gt;%3</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&lt;b&gt;Speech Section&lt;/b&gt;&lt;br&gt;Start Position: %1&lt;br&gt;End Position: %2&lt;br&gt;Voice: %3&lt;br&gt;Pitch: %4&lt;br&gt;Speed: %5&lt;br&gt;Volume: %6&lt;br&gt;Sentence Pause: %7&lt;br&gt;%8</source>
        <translation>&lt;b&gt;Sprachabschnitt&lt;/b&gt;&lt;br&gt;Anfangsposition: %1&lt;br&gt;Endposition: %2&lt;br&gt;Stimme: %3&lt;br&gt;Tonhöhe: %4&lt;br&gt;Geschwindigkeit: %5&lt;br&gt;Lautstärke: %6&lt;br&gt;Satzpause: %7&lt;br&gt;%8</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;b&gt;Speech Element&lt;/b&gt;&lt;br&gt;Type: %1&lt;br&gt;After Position: %2&lt;br&gt;Value: %3&lt;br&gt;%4</source>
        <translation>&lt;b&gt;Sprachelement&lt;/b&gt;&lt;br&gt;Typ: %1&lt;br&gt;Nach Position: %2&lt;br&gt;Wert: %3&lt;br&gt;%4</translation>
    </message>
</context>
<context>
    <name>VocalyneExportCatalogue</name>
    <message>
        <location filename="../app/export/vocalyneexportcatalogue.cpp" line="+27"/>
        <source>AIFF (Audio Interchange File Format)</source>
        <translation>AIFF (Audio Interchange File Format)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 8 KHz 8 bit Mono</source>
        <translation>WAV 8 kHz 8 Bit Mono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WAV 8 KHz 8 bit Stereo</source>
        <translation>WAV 8 kHz 8 Bit Stereo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WAV 8 KHz 16 bit Mono</source>
        <translation>WAV 8 kHz 16 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 8 KHz 16 bit Stereo</source>
        <translation>WAV 8 kHz 16 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 11.025 KHz 8 bit Mono</source>
        <translation>WAV 11,025 kHz 8 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 11.025 KHz 8 bit Stereo</source>
        <translation>WAV 11,025 kHz 8 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 11.025 KHz 16 bit Mono</source>
        <translation>WAV 11,025 kHz 16 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 11.025 KHz 16 bit Stereo</source>
        <translation>WAV 11,025 kHz 16 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 12 KHz 8 bit Mono</source>
        <translation>WAV 12 kHz 8 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 12 KHz 8 bit Stereo</source>
        <translation>WAV 12 kHz 8 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 12 KHz 16 bit Mono</source>
        <translation>WAV 12 kHz 16 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 12 KHz 16 bit Stereo</source>
        <translation>WAV 12 kHz 16 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 16 KHz 8 bit Mono</source>
        <translation>WAV 16 kHz 8 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 16 KHz 8 bit Stereo</source>
        <translation>WAV 16 kHz 8 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 16 KHz 16 bit Mono</source>
        <translation>WAV 16 kHz 16 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 16 KHz 16 bit Stereo</source>
        <translation>WAV 16 kHz 16 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 22.05 KHz 8 bit Mono</source>
        <translation>WAV 22,05 kHz 8 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 22.05 KHz 8 bit Stereo</source>
        <translation>WAV 22,05 kHz 8 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 22.05 KHz 16 bit Mono</source>
        <translation>WAV 22,05 kHz 16 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 22.05 KHz 16 bit Stereo</source>
        <translation>WAV 22,05 kHz 16 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 24 KHz 8 bit Mono</source>
        <translation>WAV 24 kHz 8 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 24 KHz 8 bit Stereo</source>
        <translation>WAV 24 kHz 8 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 24 KHz 16 bit Mono</source>
        <translation>WAV 24 kHz 16 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 24 KHz 16 bit Stereo</source>
        <translation>WAV 24 kHz 16 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 32 KHz 8 bit Mono</source>
        <translation>WAV 32 kHz 8 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 32 KHz 8 bit Stereo</source>
        <translation>WAV 32 kHz 8 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 32 KHz 16 bit Mono</source>
        <translation>WAV 32 kHz 16 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 32 KHz 16 bit Stereo</source>
        <translation>WAV 32 kHz 16 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 44.1 KHz 8 bit Mono</source>
        <translation>WAV 44,1 kHz 8 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 44.1 KHz 8 bit Stereo</source>
        <translation>WAV 44,1 kHz 8 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 44.1 KHz 16 bit Mono</source>
        <translation>WAV 44,1 kHz 16 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 44.1 KHz 16 bit Stereo</source>
        <translation>WAV 44,1 kHz 16 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 48 KHz 8 bit Mono</source>
        <translation>WAV 48 kHz 8 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 48 KHz 8 bit Stereo</source>
        <translation>WAV 48 kHz 8 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 48 KHz 16 bit Mono</source>
        <translation>WAV 48 kHz 16 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV 48 KHz 16 bit Stereo</source>
        <translation>WAV 48 kHz 16 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV TrueSpeech 8 kHz 1 bit Mono</source>
        <translation>WAV TrueSpeech 8 kHz 1 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV CCITT A-Law 8 KHz 8 bit Mono</source>
        <translation>WAV CCITT A-Law 8 kHz 8 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV CCITT A-Law 8 KHz 8 bit Stereo</source>
        <translation>WAV CCITT A-Law 8 kHz 8 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV CCITT A-Law 11.025 KHz 8 bit Mono</source>
        <translation>WAV CCITT A-Law 11,025 kHz 8 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV CCITT A-Law 11.025 KHz 8 bit Stereo</source>
        <translation>WAV CCITT A-Law 11,025 kHz 8 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV CCITT A-Law 22.05 KHz 8 bit Mono</source>
        <translation>WAV CCITT A-Law 22,05 kHz 8 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV CCITT A-Law 22.05 KHz 8 bit Stereo</source>
        <translation>WAV CCITT A-Law 22,05 kHz 8 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV CCITT A-Law 44.1 KHz 8 bit Mono</source>
        <translation>WAV CCITT A-Law 44,1 kHz 8 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV CCITT A-Law 44.1 KHz 8 bit Stereo</source>
        <translation>WAV CCITT A-Law 44,1 kHz 8 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV CCITT u-Law 8 KHz 8 bit Mono</source>
        <translation>WAV CCITT u-Law 8 kHz 8 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV CCITT u-Law 8 KHz 8 bit Stereo</source>
        <translation>WAV CCITT u-Law 8 kHz 8 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV CCITT u-Law 11.025 KHz 8 bit Mono</source>
        <translation>WAV CCITT u-Law 11,025 kHz 8 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV CCITT u-Law 11.025 KHz 8 bit Stereo</source>
        <translation>WAV CCITT u-Law 11,025 kHz 8 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV CCITT u-Law 22.05 KHz 8 bit Mono</source>
        <translation>WAV CCITT u-Law 22,05 kHz 8 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV CCITT u-Law 22.05 KHz 8 bit Stereo</source>
        <translation>WAV CCITT u-Law 22,05 kHz 8 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV CCITT u-Law 44.1 KHz 8 bit Mono</source>
        <translation>WAV CCITT u-Law 44,1 kHz 8 Bit Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV CCITT u-Law 44.1 KHz 8 bit Stereo</source>
        <translation>WAV CCITT u-Law 44,1 kHz 8 Bit Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV ADPCM 8 kHz Mono</source>
        <translation>WAV ADPCM 8 kHz Mono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WAV ADPCM 8 kHz Stereo</source>
        <translation>WAV ADPCM 8 kHz Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV ADPCM 11.025 kHz Mono</source>
        <translation>WAV ADPCM 11,025 kHz Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV ADPCM 11.025 kHz Stereo</source>
        <translation>WAV ADPCM 11,025 kHz Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV ADPCM 22.05 kHz Mono</source>
        <translation>WAV ADPCM 22,05 kHz Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV ADPCM 22.05 kHz Stereo</source>
        <translation>WAV ADPCM 22,05 kHz Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV ADPCM 44.1 kHz Mono</source>
        <translation>WAV ADPCM 44,1 kHz Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WAV ADPCM 44.1 kHz Stereo</source>
        <translation>WAV ADPCM 44,1 kHz Stereo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GSM 8 kHz Mono</source>
        <translation>GSM 8 kHz Mono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GSM 11.025 kHz Mono</source>
        <translation>GSM 11,025 kHz Mono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GSM 22.05 kHz Mono</source>
        <translation>GSM 22,05 kHz Mono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GSM 44.1 kHz Mono</source>
        <translation>GSM 44,1 kHz Mono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AU / SND (Sun/NeXT audio) 8 kHz 16 bit</source>
        <translation>AU / SND (Sun/NeXT-Audio) 8 kHz 16 Bit</translation>
    </message>
</context>
<context>
    <name>VocalyneExporter</name>
    <message>
        <location filename="../app/exportwizard/vocalynebatchnames.cpp" line="+75"/>
        <source>Export Status: %1</source>
        <translation>Exportstatus: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output folder: %1</source>
        <translation>Ausgabeordner: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Input file: %1</source>
        <translation>Eingabedatei: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output file: %1</source>
        <translation>Ausgabedatei: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Voice: %1</source>
        <translation>Stimme: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed: %1</source>
        <translation>Geschwindigkeit: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume: %1</source>
        <translation>Lautstärke: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pitch: %1</source>
        <translation>Tonhöhe: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speech XML: %1</source>
        <translation>Sprach-XML: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format: %1</source>
        <translation>Format: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MP3: %1</source>
        <translation>MP3: %1</translation>
    </message>
    <message>
        <location filename="../app/exportwizard/vocalyneexporter.cpp" line="+37"/>
        <location line="+3"/>
        <source>Vocalyne Export Wizard</source>
        <translation>Vocalyne-Exportassistent</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This wizard will help you export the speech from the current document in the audio format of your choice.

Hit &quot;Next&quot; to continue.</source>
        <translation>Dieser Assistent hilft Ihnen, die Sprachausgabe des aktuellen Dokuments im Audioformat Ihrer Wahl zu exportieren.

Klicken Sie auf „Weiter“, um fortzufahren.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Audio Format</source>
        <translation>Audioformat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select the audio format for the audio file you wish to create:</source>
        <translation>Bitte wählen Sie das Audioformat der Audiodatei, die Sie erstellen möchten:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Convert resulting audio file to MP3 (may take longer time)</source>
        <translation>Erzeugte Audiodatei in MP3 umwandeln (kann länger dauern)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>

Hit &quot;Next&quot; to continue.</source>
        <translation>

Klicken Sie auf „Weiter“, um fortzufahren.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Review and Finish</source>
        <translation>Überprüfen und abschließen</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>(will be converted to an MP3 file)</source>
        <translation>(wird in eine MP3-Datei umgewandelt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You selected %1 %2 for the format of your audio file.&lt;p&gt;Hit &quot;Finish&quot; to start the conversion process or hit &quot;Back&quot; to modify your selection.&lt;/p&gt;</source>
        <translation>Sie haben %1 %2 als Format Ihrer Audiodatei gewählt.&lt;p&gt;Klicken Sie auf „Abschließen“, um die Umwandlung zu starten, oder auf „Zurück“, um Ihre Auswahl zu ändern.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;ol&gt;&lt;li&gt;Select your preferred audio format for the output file from the drop-down.&lt;br&gt;Note: Not all formats are supported by all voices.&lt;/li&gt;&lt;li&gt;Check the check box if you wish the resulting file to be in MP3 format. This will take a little longer than non-MP3 conversions.&lt;/li&gt;&lt;li&gt;Hit &quot;Next&quot; to review your choice and start the conversion process.&lt;br&gt;Note: You will be required to specify a file name and location.&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;Wählen Sie in der Auswahlliste das gewünschte Audioformat der Ausgabedatei.&lt;br&gt;Hinweis: Nicht alle Stimmen unterstützen alle Formate.&lt;/li&gt;&lt;li&gt;Kreuzen Sie das Kontrollkästchen an, wenn die erzeugte Datei im MP3-Format sein soll. Das dauert etwas länger als eine Umwandlung ohne MP3.&lt;/li&gt;&lt;li&gt;Klicken Sie auf „Weiter“, um Ihre Auswahl zu überprüfen und die Umwandlung zu starten.&lt;br&gt;Hinweis: Sie werden nach einem Dateinamen und Speicherort gefragt.&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <location filename="../app/exportwizard/vocalyneexporterbatch.cpp" line="-407"/>
        <location line="+4"/>
        <source>Vocalyne Batch Export Wizard</source>
        <translation>Vocalyne-Assistent für den Stapelexport</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This wizard will help you export the speech from selected documents in the audio formats of your choice in a batch mode.

Hit &quot;Next&quot; to continue.</source>
        <translation>Dieser Assistent hilft Ihnen, die Sprachausgabe ausgewählter Dokumente im Stapel in Audioformaten Ihrer Wahl zu exportieren.

Klicken Sie auf „Weiter“, um fortzufahren.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add Files and Set Audio Formats</source>
        <translation>Dateien hinzufügen und Audioformate festlegen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select output folder: </source>
        <translation>Ausgabeordner wählen: </translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+3"/>
        <source>Browse...</source>
        <translation>Durchsuchen ...</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Add files: </source>
        <translation>Dateien hinzufügen: </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>File Path</source>
        <translation>Dateipfad</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Output File</source>
        <translation>Ausgabedatei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pitch</source>
        <translation>Tonhöhe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speech XML?</source>
        <translation>Sprach-XML?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make MP3?</source>
        <translation>MP3 erzeugen?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Batch Export Finished</source>
        <translation>Stapelexport abgeschlossen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Batch export log</source>
        <translation>Protokoll des Stapelexports</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save log to file</source>
        <translation>Protokoll in Datei speichern</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>&lt;ol&gt;&lt;li&gt;Select the folder where you want the audio files to be created by hitting the &quot;Browse...&quot; button.&lt;/li&gt;&lt;li&gt;Add document files for the conversion from the file dialog by hitting the second &quot;Browse...&quot; button.&lt;br&gt;Note: Multiple selections are supported.&lt;/li&gt;&lt;li&gt;You can remove file entries by hitting the first cell in the list (image of a document with a red cross on top) for the desired input file.&lt;/li&gt;&lt;li&gt;The following format parameters can be modified:&lt;ul&gt;&lt;li&gt;Voice: hit the desired cell in the Voice column and select your desired voice from the menu;&lt;/li&gt;&lt;li&gt;Speed, Volume, Pitch: focus and enter your desired value (the wizard will prompt you to correct any errors);&lt;/li&gt;&lt;li&gt;Speech XML?: double-click to enable / disable (it is recommended that you leave it on);&lt;/li&gt;&lt;li&gt;Format: hit the desired cell in the Format column and select your desired format. Note: not all voices support all formats;&lt;/li&gt;&lt;li&gt;Make MP3?: double-click to enable / disable (MP3 conversion takes longer time and it only works with WAV file formats);&lt;/li&gt;&lt;li&gt;Important: Any speech XML or speech sections that change the voice properties in the document will override your settings where the XML or speech sections take effect;&lt;/li&gt;&lt;/ul&gt;&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;Wählen Sie mit der Schaltfläche „Durchsuchen ...“ den Ordner, in dem die Audiodateien erstellt werden sollen.&lt;/li&gt;&lt;li&gt;Fügen Sie mit der zweiten Schaltfläche „Durchsuchen ...“ die Dokumente hinzu, die umgewandelt werden sollen.&lt;br&gt;Hinweis: Sie können mehrere Dateien auf einmal auswählen.&lt;/li&gt;&lt;li&gt;Einen Eintrag entfernen Sie mit einem Klick auf seine erste Zelle in der Liste (das Dokumentsymbol mit dem roten Kreuz).&lt;/li&gt;&lt;li&gt;Die folgenden Formatangaben können geändert werden:&lt;ul&gt;&lt;li&gt;Stimme: Klicken Sie auf die gewünschte Zelle der Spalte „Stimme“ und wählen Sie die Stimme aus dem Menü;&lt;/li&gt;&lt;li&gt;Geschwindigkeit, Lautstärke, Tonhöhe: Zelle auswählen und den gewünschten Wert eingeben (der Assistent weist Sie auf fehlerhafte Werte hin);&lt;/li&gt;&lt;li&gt;Sprach-XML?: Doppelklick schaltet ein bzw. aus (es wird empfohlen, es eingeschaltet zu lassen);&lt;/li&gt;&lt;li&gt;Format: Klicken Sie auf die gewünschte Zelle der Spalte „Format“ und wählen Sie das Format. Hinweis: Nicht alle Stimmen unterstützen alle Formate;&lt;/li&gt;&lt;li&gt;MP3 erzeugen?: Doppelklick schaltet ein bzw. aus (die MP3-Umwandlung dauert länger und ist nur mit WAV-Formaten möglich);&lt;/li&gt;&lt;li&gt;Wichtig: Sprach-XML oder Sprachabschnitte im Dokument, die die Stimmeneigenschaften ändern, haben dort, wo sie wirken, Vorrang vor Ihren Einstellungen;&lt;/li&gt;&lt;/ul&gt;&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Select output folder:</source>
        <translation>Ausgabeordner wählen:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Select one or more files to convert</source>
        <translation>Eine oder mehrere Dateien zum Umwandeln wählen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>enabled</source>
        <translation>aktiviert</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>disabled</source>
        <translation>deaktiviert</translation>
    </message>
</context>
<context>
    <name>VocalyneFindReplaceDlg</name>
    <message>
        <location filename="../app/editing/vocalynefindreplacedlg.ui" line="+8"/>
        <source>Find and Replace</source>
        <translation>Suchen und Ersetzen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find what: Enter search term.

Replace with: Enter replace term if applicable.

Match case: Case-sensitive search.

Match whole words: Find only whole words that match the search term.

Search up: Search in a direction above the current position of the cursor.</source>
        <translation>Suchen nach: Geben Sie den Suchbegriff ein.

Ersetzen durch: Geben Sie gegebenenfalls den Ersatztext ein.

Groß-/Kleinschreibung beachten: Die Suche unterscheidet Groß- und Kleinbuchstaben.

Nur ganze Wörter: Findet nur ganze Wörter, die dem Suchbegriff entsprechen.

Aufwärts suchen: Sucht vom Cursor aus in Richtung Textanfang.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+123"/>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <location line="-94"/>
        <source>Find what:</source>
        <translation>Suchen nach:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Replace with:</source>
        <translation>Ersetzen durch:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Find options</source>
        <translation>Suchoptionen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Match whole words</source>
        <translation>Nur ganze Wörter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Search up</source>
        <translation>Aufwärts suchen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Replace All</source>
        <translation>Alle ersetzen</translation>
    </message>
</context>
<context>
    <name>VocalyneHistoryTree</name>
    <message>
        <location filename="../app/shell/vocalynehistorytree.cpp" line="-106"/>
        <source>Dates</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>VocalyneMainWindow</name>
    <message>
        <location filename="../app/exportwizard/vocalyneexporterbatch.cpp" line="-165"/>
        <location filename="../app/shell/vocalynemainwindow.cpp" line="-56"/>
        <location line="+226"/>
        <location filename="../app/shell/vocalynemainwindowauthoring.cpp" line="-122"/>
        <location line="+21"/>
        <location filename="../app/speech/vocalynespeakcontroller.cpp" line="+93"/>
        <location line="+19"/>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <location filename="../app/shell/vocalynemainwindow.cpp" line="-249"/>
        <location filename="../app/shell/vocalynemainwindowdocuments.cpp" line="-238"/>
        <location line="+234"/>
        <location filename="../app/shell/vocalynemainwindowexport.cpp" line="-197"/>
        <location filename="../app/shell/vocalynemainwindowview.cpp" line="+43"/>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <location line="+36"/>
        <source> Voice </source>
        <translation> Stimme </translation>
    </message>
    <message>
        <location line="+20"/>
        <source> Speed </source>
        <translation> Geschwindigkeit </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Volume </source>
        <translation> Lautstärke </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Pitch </source>
        <translation> Tonhöhe </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highlight words</source>
        <translation>Wörter hervorheben</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Close Current Document</source>
        <translation>Aktuelles Dokument schließen</translation>
    </message>
    <message>
        <location line="+152"/>
        <location filename="../app/speech/vocalynespeakcontroller.cpp" line="-36"/>
        <location line="+38"/>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <location filename="../app/shell/vocalynemainwindowauthoring.cpp" line="-103"/>
        <source>Speech Break Manager Dock</source>
        <translation>Fenster Lesezeichenverwaltung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Section Speech Properties Dock</source>
        <translation>Fenster Sprachabschnitte</translation>
    </message>
    <message>
        <location filename="../app/shell/vocalynemainwindowdocuments.cpp" line="-220"/>
        <source>Open Document</source>
        <translation>Dokument öffnen</translation>
    </message>
    <message>
        <location line="+170"/>
        <location filename="../app/shell/vocalynemainwindowexport.cpp" line="+206"/>
        <source>Save Document</source>
        <translation>Dokument speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NewDocument.t2s</source>
        <translation>NeuesDokument.t2s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Halvern T2S Document (*.t2s)</source>
        <translation>Halvern-T2S-Dokument (*.t2s)</translation>
    </message>
    <message>
        <location filename="../app/shell/vocalynemainwindowexport.cpp" line="-281"/>
        <source>MP3 files (*.mp3)</source>
        <translation>MP3-Dateien (*.mp3)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AIFF files (*.aiff)</source>
        <translation>AIFF-Dateien (*.aiff)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GSM files (*.gsm)</source>
        <translation>GSM-Dateien (*.gsm)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AU SND files (*.au)</source>
        <translation>AU-/SND-Dateien (*.au)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WAV files (*.wav)</source>
        <translation>WAV-Dateien (*.wav)</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Export to Audio</source>
        <translation>Als Audio exportieren</translation>
    </message>
    <message>
        <location line="+206"/>
        <source>Comma-Delimited File (*.csv)</source>
        <translation>Kommagetrennte Datei (*.csv)</translation>
    </message>
    <message>
        <location filename="../app/shell/vocalynemainwindowlayout.cpp" line="-59"/>
        <source>VocalyneCurrentLayout</source>
        <translation>VocalyneCurrentLayout</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Save Layout</source>
        <translation>Layout speichern</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Load layout</source>
        <translation>Layout laden</translation>
    </message>
    <message>
        <location filename="../app/shell/vocalynemainwindowspeech.cpp" line="+3"/>
        <location filename="../app/speech/vocalynespeakcontroller.cpp" line="-68"/>
        <location line="+28"/>
        <location line="+42"/>
        <source>Speaking</source>
        <translation>Wird vorgelesen</translation>
    </message>
    <message>
        <location filename="../app/shell/vocalynemainwindowtray.cpp" line="+39"/>
        <source>Vocalyne</source>
        <translation>Vocalyne</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Vocalyne has been minimized to the system tray</source>
        <translation>Vocalyne wurde in den Infobereich minimiert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you wish to completely exit the application, right-click on this icon and choose &quot;Exit&quot;.</source>
        <translation>Um das Programm ganz zu beenden, klicken Sie mit der rechten Maustaste auf dieses Symbol und wählen Sie „Beenden“.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The text you just copied has been transferred to Vocalyne</source>
        <translation>Der soeben kopierte Text wurde an Vocalyne übergeben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you wish to change your Clipboard Watch settings access Preferences in Vocalyne and select the &quot;Clipboard Watch&quot; tab.</source>
        <translation>Um die Einstellungen der Zwischenablage-Überwachung zu ändern, öffnen Sie in Vocalyne die Einstellungen und wählen Sie das Register „Zwischenablage-Überwachung“.</translation>
    </message>
    <message>
        <location filename="../app/shell/vocalynemainwindowview.cpp" line="+45"/>
        <source>Go to Line</source>
        <translation>Gehe zu Zeile</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Line Number: </source>
        <translation>Zeilennummer: </translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Print Document</source>
        <translation>Dokument drucken</translation>
    </message>
</context>
<context>
    <name>VocalyneMainWindowBase</name>
    <message>
        <location filename="../app/shell/vocalynemainwindowbase.ui" line="+8"/>
        <source>Vocalyne</source>
        <translation>Vocalyne</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>&amp;Speech</source>
        <translation>&amp;Sprachausgabe</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Document Functions Style</source>
        <translation>Stil der Dokumentfunktionen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Speech Functions Style</source>
        <translation>Stil der Sprachfunktionen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Tools Style</source>
        <translation>Stil der Werkzeuge</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Document Functions</source>
        <translation>Dokumentfunktionen</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Speech Functions</source>
        <translation>Sprachfunktionen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Bookmark Manager</source>
        <translation>Lesezeichenverwaltung</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+41"/>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+41"/>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+46"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>Document History</source>
        <translation>Dokumentverlauf</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Dates</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Section Speech Properties</source>
        <translation>Sprachabschnitte</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed</source>
        <translation>Geschw.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume</source>
        <translation>Lautst.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pitch</source>
        <translation>Tonh.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sent. Pause</source>
        <translation>Satzpause</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close All</source>
        <translation>Alle schließen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save As...</source>
        <translation>Speichern unter ...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save All</source>
        <translation>Alle speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Shift+P</source>
        <translation>Ctrl+Shift+P</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>(Empty)</source>
        <translation>(Leer)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Speak</source>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+F1</source>
        <translation>Ctrl+F1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Speak from Cursor</source>
        <translation>Ab Cursor vorlesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+F2</source>
        <translation>Ctrl+F2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Speak Punctuation</source>
        <translation>Satzzeichen vorlesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+F3</source>
        <translation>Ctrl+F3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pause / Resume</source>
        <translation>Pause / Fortsetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+F5</source>
        <translation>Ctrl+F5</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+F6</source>
        <translation>Ctrl+F6</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Export to Audio</source>
        <translation>Als Audio exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+F7</source>
        <translation>Ctrl+F7</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quick Export to Audio</source>
        <translation>Schnellexport als Audio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Shift+F7</source>
        <translation>Ctrl+Shift+F7</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set Selection Speech Properties</source>
        <translation>Spracheigenschaften der Auswahl festlegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Alt+P</source>
        <translation>Ctrl+Alt+P</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add Speech Element</source>
        <translation>Sprachelement einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Alt+A</source>
        <translation>Ctrl+Alt+A</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Bookmark Selection</source>
        <translation>Auswahl als Lesezeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Alt+B</source>
        <translation>Ctrl+Alt+B</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pronunciation Corrector</source>
        <translation>Aussprachekorrektur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Go to...</source>
        <translation>Gehe zu ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Email Reader</source>
        <translation>E-Mail vorlesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Web Browser</source>
        <translation>Webbrowser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Batch Converter</source>
        <translation>Stapelkonverter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Extract Text from Image</source>
        <translation>Text aus Bild erkennen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Spell Check</source>
        <translation>Rechtschreibprüfung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tutorial</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quick Reference</source>
        <translation>Kurzreferenz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About...</source>
        <translation>Über ...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Get more voices...</source>
        <translation>Weitere Stimmen ...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save Layout</source>
        <translation>Layout speichern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Load Layout</source>
        <translation>Layout laden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset to Default Layout</source>
        <translation>Standardlayout wiederherstellen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Document Properties...</source>
        <translation>Dokumenteigenschaften ...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show Vocalyne</source>
        <translation>Vocalyne anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hide Vocalyne</source>
        <translation>Vocalyne ausblenden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enable Bookmark(s)</source>
        <translation>Lesezeichen aktivieren</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Disable Bookmark(s)</source>
        <translation>Lesezeichen deaktivieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delete Bookmark(s)</source>
        <translation>Lesezeichen löschen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enable Section(s)</source>
        <translation>Abschnitte aktivieren</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Disable Section(s)</source>
        <translation>Abschnitte deaktivieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delete Section(s)</source>
        <translation>Abschnitte löschen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit Section</source>
        <translation>Abschnitt bearbeiten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Display</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+24"/>
        <location line="+24"/>
        <source>Small Icons</source>
        <translation>Kleine Symbole</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+24"/>
        <location line="+24"/>
        <source>Medium Icons</source>
        <translation>Mittelgroße Symbole</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+24"/>
        <location line="+24"/>
        <source>Large Icons</source>
        <translation>Große Symbole</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+24"/>
        <location line="+24"/>
        <source>Icons and Text</source>
        <translation>Symbole und Text</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+24"/>
        <location line="+24"/>
        <source>Icons Only</source>
        <translation>Nur Symbole</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+24"/>
        <location line="+24"/>
        <source>Text Only</source>
        <translation>Nur Text</translation>
    </message>
</context>
<context>
    <name>VocalyneManageSCDictDlg</name>
    <message>
        <location filename="../app/language/vocalynemanagescdictdlg.ui" line="+9"/>
        <source>Manage Dictionaries</source>
        <translation>Wörterbücher verwalten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add Dictionary</source>
        <translation>Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Dictionary name:</source>
        <translation>Name des Wörterbuchs:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Select dictionary file:</source>
        <translation>Wörterbuchdatei wählen:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Browse...</source>
        <translation>Durchsuchen ...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Dictionary</source>
        <translation>Wörterbuch</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location filename="../app/language/vocalynemanagescdictdlg.cpp" line="-197"/>
        <source>enabled</source>
        <translation>aktiviert</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Default?</source>
        <translation>Standard?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>disabled</source>
        <translation>deaktiviert</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Add spell check dictionary</source>
        <translation>Wörterbuch für die Rechtschreibprüfung hinzufügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Halvern SCD File (*.scd)</source>
        <translation>Halvern-SCD-Datei (*.scd)</translation>
    </message>
</context>
<context>
    <name>VocalyneManagerTables</name>
    <message>
        <location filename="../app/editing/vocalynemanagertables.cpp" line="+164"/>
        <source>enabled</source>
        <translation>aktiviert</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>disabled</source>
        <translation>deaktiviert</translation>
    </message>
</context>
<context>
    <name>VocalynePreferencesDlg</name>
    <message>
        <location filename="../app/shell/vocalynepreferencesdlg.ui" line="+8"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Speech</source>
        <translation>Sprachausgabe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select default voice settings to be used for each new document.

Speed, volume and pitch are percentage-based, 100% being the default recommended value.</source>
        <translation>Wählen Sie die Stimmeneinstellungen, mit denen jedes neue Dokument beginnt.

Geschwindigkeit, Lautstärke und Tonhöhe sind Prozentwerte; 100 % ist der empfohlene Standardwert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default Voices Settings</source>
        <translation>Standard-Stimmeneinstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default Voice:</source>
        <translation>Standardstimme:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default Speed:</source>
        <translation>Standardgeschwindigkeit:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default Volume:</source>
        <translation>Standardlautstärke:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default Pitch:</source>
        <translation>Standardtonhöhe:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Voice Format:</source>
        <translation>Ausgabeformat der Stimme:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Highlight words while speaking</source>
        <translation>Wörter beim Vorlesen hervorheben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Treat text as speech XML</source>
        <translation>Text als Sprach-XML behandeln</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select the audio format used by default when speech is exported to audio files, and how many files are exported at the same time in batch mode.

WAV files can also be converted to MP3 format once they are written.</source>
        <translation>Wählen Sie das Audioformat, in dem Sprache standardmäßig in Audiodateien exportiert wird, und wie viele Dateien beim Stapelexport gleichzeitig exportiert werden.

WAV-Dateien können nach dem Schreiben zusätzlich in das MP3-Format umgewandelt werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default Export Settings</source>
        <translation>Standard-Exporteinstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default Audio Format:</source>
        <translation>Standard-Audioformat:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Simult. Exports (Batch Mode):</source>
        <translation>Gleichzeitige Exporte (Stapel):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Convert resulting files to MP3 format (WAV files only)</source>
        <translation>Erzeugte Dateien in MP3 umwandeln (nur WAV-Dateien)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set the font type and size for the document view container.</source>
        <translation>Legen Sie Schriftart und Schriftgröße der Dokumentansicht fest.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Font Settings</source>
        <translation>Schrifteinstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change document default font settings</source>
        <translation>Standardschrift der Dokumente ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change Font...</source>
        <translation>Schrift ändern ...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lets you enable / disable and modify document history and recent menu settings.</source>
        <translation>Hier können Sie den Dokumentverlauf und die Liste der zuletzt geöffneten Dokumente ein- und ausschalten und einstellen.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>History Settings</source>
        <translation>Verlaufseinstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save accessed documents to history</source>
        <translation>Geöffnete Dokumente im Verlauf speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all entries in History (irreversible process)</source>
        <translation>Alle Einträge im Verlauf löschen (nicht umkehrbar)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear History</source>
        <translation>Verlauf löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compact and repair History for faster access</source>
        <translation>Verlauf für schnelleren Zugriff komprimieren und reparieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compact...</source>
        <translation>Komprimieren ...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number of Recent Menu Items:</source>
        <translation>Anzahl zuletzt geöffneter Dokumente:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear Recent Menu items (irreversible)</source>
        <translation>Liste der zuletzt geöffneten Dokumente leeren (nicht umkehrbar)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear Recent Menu</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clipboard Watch</source>
        <translation>Zwischenablage-Überwachung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If enabled, watches when you copy text from any program (or window) and transfers the text to a new document.

You can choose to be notified each time text is transferred  (system tray balloon notification).

You can also specify a limit of the copied text length (in number of characters). All copied text below the specified length will not be transferred.</source>
        <translation>Wenn eingeschaltet, bemerkt Vocalyne, wenn Sie in einem beliebigen Programm (oder Fenster) Text kopieren, und übernimmt den Text in ein neues Dokument.

Sie können sich bei jeder Übernahme benachrichtigen lassen (Sprechblase im Infobereich).

Sie können außerdem eine Mindestlänge des kopierten Textes (in Zeichen) festlegen. Kürzerer Text wird nicht übernommen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clipboard Watch Settings</source>
        <translation>Einstellungen der Zwischenablage-Überwachung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enable Clipboard Watch</source>
        <translation>Zwischenablage-Überwachung einschalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notify when text is transferred to Vocalyne</source>
        <translation>Benachrichtigen, wenn Text an Vocalyne übergeben wird</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Activate copied text legth constraint</source>
        <translation>Mindestlänge für kopierten Text verwenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copied Text Limit (min number of characters to activate Watch):</source>
        <translation>Mindestlänge des kopierten Textes (in Zeichen):</translation>
    </message>
</context>
<context>
    <name>VocalynePronunciationCorrectorDlg</name>
    <message>
        <location filename="../app/language/vocalynepronunciationcorrectordlg.ui" line="+6"/>
        <source>Pronunciation Corrector</source>
        <translation>Aussprachekorrektur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1. Enter the word that you need to change the pronunciation for in the &quot;Source word&quot; box.
2. Compose its pronunciation with the phoneme buttons of the language of the word; the phonemes appear in the &quot;Target word&quot; box.
3. Choose the speech role of the word.
4. Choose a voice of that language and press &quot;Read Word&quot; to hear the pronunciation.
5. Change the phonemes until the word sounds right.
6. Press &quot;Add Word&quot; to add the word to the correction list.
7. Click &quot;remove&quot; to delete an entry, &quot;read&quot; to hear it, and double-click its status to enable or disable it.
8. Press OK to save the list and apply it to the voices.</source>
        <translation>1. Geben Sie das Wort, dessen Aussprache Sie ändern möchten, in das Feld „Ausgangswort“ ein.
2. Setzen Sie seine Aussprache mit den Phonem-Schaltflächen der Sprache des Wortes zusammen; die Phoneme erscheinen im Feld „Zielwort“.
3. Wählen Sie die Wortart.
4. Wählen Sie eine Stimme dieser Sprache und klicken Sie auf „Wort vorlesen“, um die Aussprache zu hören.
5. Ändern Sie die Phoneme, bis das Wort richtig klingt.
6. Klicken Sie auf „Wort hinzufügen“, um das Wort in die Korrekturliste aufzunehmen.
7. Klicken Sie auf „entfernen“, um einen Eintrag zu löschen, auf „vorlesen“, um ihn zu hören, und doppelklicken Sie auf seinen Status, um ihn zu aktivieren oder zu deaktivieren.
8. Klicken Sie auf „OK“, um die Liste zu speichern und auf die Stimmen anzuwenden.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Source word:</source>
        <translation>Ausgangswort:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Target word:</source>
        <translation>Zielwort:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speech role: </source>
        <translation>Wortart: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read using voice: </source>
        <translation>Vorlesen mit Stimme: </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&lt;p&gt;&lt;b&gt;Note:&lt;/b&gt; some voices read their pronunciations only when they start: restart Vocalyne before new pronunciations take effect for them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Hinweis:&lt;/b&gt; Manche Stimmen lesen ihre Aussprachen nur beim Start: Starten Sie Vocalyne neu, damit neue Aussprachen für diese Stimmen wirksam werden.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Read Word</source>
        <translation>Wort vorlesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Word</source>
        <translation>Wort hinzufügen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Phonemes</source>
        <translation>Phoneme</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>aa</source>
        <translation>aa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ae</source>
        <translation>ae</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+164"/>
        <source>ah</source>
        <translation>ah</translation>
    </message>
    <message>
        <location line="-163"/>
        <location line="+98"/>
        <location line="+66"/>
        <location line="+63"/>
        <source>ao</source>
        <translation>ao</translation>
    </message>
    <message>
        <location line="-226"/>
        <location line="+165"/>
        <source>aw</source>
        <translation>aw</translation>
    </message>
    <message>
        <location line="-164"/>
        <location line="+99"/>
        <source>ax</source>
        <translation>ax</translation>
    </message>
    <message>
        <location line="-98"/>
        <location line="+164"/>
        <source>ay</source>
        <translation>ay</translation>
    </message>
    <message>
        <location line="-163"/>
        <location line="+51"/>
        <location line="+47"/>
        <location line="+66"/>
        <location line="+60"/>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <location line="-223"/>
        <location line="+51"/>
        <location line="+47"/>
        <location line="+67"/>
        <location line="+59"/>
        <source>ch</source>
        <translation>ch</translation>
    </message>
    <message>
        <location line="-223"/>
        <location line="+51"/>
        <location line="+47"/>
        <location line="+67"/>
        <location line="+59"/>
        <source>d</source>
        <translation>d</translation>
    </message>
    <message>
        <location line="-223"/>
        <source>dh</source>
        <translation>dh</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+99"/>
        <location line="+67"/>
        <location line="+59"/>
        <source>eh</source>
        <translation>eh</translation>
    </message>
    <message>
        <location line="-224"/>
        <location line="+171"/>
        <source>er</source>
        <translation>er</translation>
    </message>
    <message>
        <location line="-170"/>
        <location line="+171"/>
        <source>ey</source>
        <translation>ey</translation>
    </message>
    <message>
        <location line="-170"/>
        <location line="+48"/>
        <location line="+51"/>
        <location line="+72"/>
        <location line="+52"/>
        <source>f</source>
        <translation>f</translation>
    </message>
    <message>
        <location line="-222"/>
        <location line="+48"/>
        <location line="+51"/>
        <location line="+72"/>
        <location line="+52"/>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <location line="-222"/>
        <location line="+171"/>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <location line="-170"/>
        <location line="+172"/>
        <source>ih</source>
        <translation>ih</translation>
    </message>
    <message>
        <location line="-171"/>
        <source>iy</source>
        <translation>iy</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+98"/>
        <location line="+74"/>
        <location line="+50"/>
        <source>jh</source>
        <translation>jh</translation>
    </message>
    <message>
        <location line="-221"/>
        <location line="+46"/>
        <location line="+52"/>
        <location line="+74"/>
        <location line="+50"/>
        <source>k</source>
        <translation>k</translation>
    </message>
    <message>
        <location line="-221"/>
        <location line="+46"/>
        <location line="+52"/>
        <location line="+74"/>
        <location line="+50"/>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <location line="-221"/>
        <location line="+47"/>
        <location line="+51"/>
        <location line="+74"/>
        <location line="+51"/>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <location line="-222"/>
        <location line="+47"/>
        <location line="+51"/>
        <location line="+74"/>
        <location line="+51"/>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <location line="-222"/>
        <location line="+99"/>
        <location line="+73"/>
        <source>ng</source>
        <translation>ng</translation>
    </message>
    <message>
        <location line="-171"/>
        <source>ow</source>
        <translation>ow</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+175"/>
        <source>oy</source>
        <translation>oy</translation>
    </message>
    <message>
        <location line="-174"/>
        <location line="+46"/>
        <location line="+54"/>
        <location line="+75"/>
        <location line="+47"/>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <location line="-221"/>
        <location line="+46"/>
        <location line="+55"/>
        <location line="+76"/>
        <location line="+45"/>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <location line="-221"/>
        <location line="+47"/>
        <location line="+54"/>
        <location line="+77"/>
        <location line="+45"/>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <location line="-222"/>
        <location line="+47"/>
        <location line="+54"/>
        <location line="+77"/>
        <location line="+45"/>
        <source>sh</source>
        <translation>sh</translation>
    </message>
    <message>
        <location line="-222"/>
        <location line="+47"/>
        <location line="+54"/>
        <location line="+77"/>
        <location line="+45"/>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <location line="-222"/>
        <source>th</source>
        <translation>th</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+103"/>
        <location line="+22"/>
        <source>uh</source>
        <translation>uh</translation>
    </message>
    <message>
        <location line="-124"/>
        <location line="+103"/>
        <source>uw</source>
        <translation>uw</translation>
    </message>
    <message>
        <location line="-102"/>
        <location line="+45"/>
        <location line="+58"/>
        <location line="+21"/>
        <location line="+98"/>
        <source>v</source>
        <translation>v</translation>
    </message>
    <message>
        <location line="-221"/>
        <location line="+45"/>
        <location line="+79"/>
        <location line="+98"/>
        <source>w</source>
        <translation>w</translation>
    </message>
    <message>
        <location line="-221"/>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+102"/>
        <location line="+22"/>
        <location line="+97"/>
        <source>z</source>
        <translation>z</translation>
    </message>
    <message>
        <location line="-220"/>
        <location line="+102"/>
        <location line="+22"/>
        <source>zh</source>
        <translation>zh</translation>
    </message>
    <message>
        <location line="-123"/>
        <location line="+136"/>
        <source>e@</source>
        <translation>e@</translation>
    </message>
    <message>
        <location line="-135"/>
        <source>i@</source>
        <translation>i@</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+43"/>
        <location line="+57"/>
        <location line="+72"/>
        <location line="+46"/>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <location line="-217"/>
        <location line="+43"/>
        <location line="+57"/>
        <location line="+72"/>
        <location line="+46"/>
        <source>!</source>
        <translation>!</translation>
    </message>
    <message>
        <location line="-217"/>
        <location line="+43"/>
        <location line="+57"/>
        <location line="+72"/>
        <location line="+46"/>
        <source>&amp;&amp;</source>
        <translation>&amp;&amp;</translation>
    </message>
    <message>
        <location line="-217"/>
        <location line="+43"/>
        <location line="+57"/>
        <location line="+72"/>
        <location line="+46"/>
        <source>,</source>
        <translation>,</translation>
    </message>
    <message>
        <location line="-217"/>
        <location line="+43"/>
        <location line="+57"/>
        <location line="+72"/>
        <location line="+46"/>
        <source>_</source>
        <translation>_</translation>
    </message>
    <message>
        <location line="-217"/>
        <location line="+43"/>
        <location line="+57"/>
        <location line="+72"/>
        <location line="+46"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location line="-217"/>
        <location line="+43"/>
        <location line="+57"/>
        <location line="+72"/>
        <location line="+46"/>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <location line="-217"/>
        <location line="+43"/>
        <location line="+57"/>
        <location line="+72"/>
        <location line="+46"/>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <location line="-217"/>
        <location line="+43"/>
        <location line="+57"/>
        <location line="+72"/>
        <location line="+46"/>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <location line="-217"/>
        <location line="+43"/>
        <location line="+57"/>
        <location line="+72"/>
        <location line="+46"/>
        <source>CLEAR</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <location line="-214"/>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+43"/>
        <location line="+64"/>
        <location line="+65"/>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <location line="-168"/>
        <location line="+48"/>
        <location line="+66"/>
        <location line="+60"/>
        <source>e</source>
        <translation>e</translation>
    </message>
    <message>
        <location line="-171"/>
        <location line="+51"/>
        <location line="+73"/>
        <location line="+51"/>
        <source>i</source>
        <translation>i</translation>
    </message>
    <message>
        <location line="-174"/>
        <location line="+51"/>
        <location line="+74"/>
        <location line="+50"/>
        <source>j</source>
        <translation>j</translation>
    </message>
    <message>
        <location line="-172"/>
        <location line="+176"/>
        <source>ll</source>
        <translation>ll</translation>
    </message>
    <message>
        <location line="-173"/>
        <location line="+51"/>
        <location line="+125"/>
        <source>nj</source>
        <translation>nj</translation>
    </message>
    <message>
        <location line="-175"/>
        <location line="+52"/>
        <location line="+73"/>
        <location line="+51"/>
        <source>o</source>
        <translation>o</translation>
    </message>
    <message>
        <location line="-173"/>
        <location line="+176"/>
        <source>rr</source>
        <translation>rr</translation>
    </message>
    <message>
        <location line="-172"/>
        <location line="+55"/>
        <location line="+77"/>
        <location line="+45"/>
        <source>u</source>
        <translation>u</translation>
    </message>
    <message>
        <location line="-174"/>
        <location line="+79"/>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <location line="-78"/>
        <source>xi</source>
        <translation>xi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>xu</source>
        <translation>xu</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+63"/>
        <source>aan</source>
        <translation>aan</translation>
    </message>
    <message>
        <location line="-62"/>
        <location line="+65"/>
        <source>aon</source>
        <translation>aon</translation>
    </message>
    <message>
        <location line="-60"/>
        <location line="+126"/>
        <source>dz</source>
        <translation>dz</translation>
    </message>
    <message>
        <location line="-123"/>
        <location line="+68"/>
        <source>ehn</source>
        <translation>ehn</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>eo</source>
        <translation>eo</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+73"/>
        <source>oe</source>
        <translation>oe</translation>
    </message>
    <message>
        <location line="-72"/>
        <location line="+74"/>
        <source>oen</source>
        <translation>oen</translation>
    </message>
    <message>
        <location line="-72"/>
        <location line="+76"/>
        <source>q</source>
        <translation>q</translation>
    </message>
    <message>
        <location line="-71"/>
        <location line="+77"/>
        <location line="+45"/>
        <source>ts</source>
        <translation>ts</translation>
    </message>
    <message>
        <location line="-120"/>
        <location line="+78"/>
        <source>ue</source>
        <translation>ue</translation>
    </message>
    <message>
        <location line="-74"/>
        <source>yw</source>
        <translation>yw</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>c</source>
        <translation>c</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>EH</source>
        <translation>EH</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>el</source>
        <translation>el</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>em</source>
        <translation>em</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>en</source>
        <translation>en</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>OE</source>
        <translation>OE</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>pf</source>
        <translation>pf</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>rq</source>
        <translation>rq</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UE</source>
        <translation>UE</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Source</source>
        <translation>Ausgangswort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Target</source>
        <translation>Zielwort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Role</source>
        <translation>Wortart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read</source>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="../app/language/vocalynepronunciationcorrectordlg.cpp" line="-201"/>
        <source>Unspecified</source>
        <translation>Nicht angegeben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Noun</source>
        <translation>Substantiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verb</source>
        <translation>Verb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modifier</source>
        <translation>Modifikator</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Function</source>
        <translation>Funktionswort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interjection</source>
        <translation>Interjektion</translation>
    </message>
    <message>
        <location line="+168"/>
        <source>remove</source>
        <translation>entfernen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>read</source>
        <translation>vorlesen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>enabled</source>
        <translation>aktiviert</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>disabled</source>
        <translation>deaktiviert</translation>
    </message>
</context>
<context>
    <name>VocalyneSpElementEditorDialog</name>
    <message>
        <location filename="../app/editing/vocalynespeechelementeditor.ui" line="+6"/>
        <source>Speech Element Editor</source>
        <translation>Sprachelement-Editor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type: Type of speech element.

Number Value: The numeric value of the speech element if applicable.

Text Value: The textual value of the speech element if applicable.

About: Description of the selected speech element and suggested usage.

OK: Accept element settings and insert element at cursor.

Cancel: Cancel element creation.</source>
        <translation>Typ: Art des Sprachelements.

Zahlenwert: Der Zahlenwert des Sprachelements, falls verwendet.

Textwert: Der Textwert des Sprachelements, falls verwendet.

Beschreibung: Beschreibung des gewählten Sprachelements und Hinweise zur Verwendung.

OK: Einstellungen übernehmen und das Element an der Cursorposition einfügen.

Abbrechen: Das Element nicht einfügen.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Speech Element Properties</source>
        <translation>Eigenschaften des Sprachelements</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Number Value</source>
        <translation>Zahlenwert</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Text Value</source>
        <translation>Textwert</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>About</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../app/editing/vocalynespeechelementeditor.cpp" line="+21"/>
        <source>Not applicable.</source>
        <translation>Nicht zutreffend.</translation>
    </message>
</context>
<context>
    <name>VocalyneSpSectionEditorDialog</name>
    <message>
        <location filename="../app/editing/vocalynespeechsectioneditor.ui" line="+6"/>
        <source>Speech Section Editor</source>
        <translation>Sprachabschnitt-Editor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Voice: Voice that reads the section.

Speed: Speaking rate of the section in percent of the voice&apos;s normal rate.

Volume: Volume of the section in percent.

Pitch: Pitch of the section in percent of the voice&apos;s normal pitch.

Sentence Pause: Silence in milliseconds after every sentence of the section (0 for none).

Section Text: The text the section covers.

Test: Speak the section text with these settings.

Stop Test: Stop speaking the section text.

OK: Accept section settings.

Cancel: Cancel section editing.</source>
        <translation>Stimme: Die Stimme, die den Abschnitt vorliest.

Geschwindigkeit: Sprechgeschwindigkeit des Abschnitts in Prozent der normalen Geschwindigkeit der Stimme.

Lautstärke: Lautstärke des Abschnitts in Prozent.

Tonhöhe: Tonhöhe des Abschnitts in Prozent der normalen Tonhöhe der Stimme.

Satzpause: Stille in Millisekunden nach jedem Satz des Abschnitts (0 für keine).

Abschnittstext: Der Text, den der Abschnitt umfasst.

Testen: Den Abschnittstext mit diesen Einstellungen vorlesen.

Test beenden: Das Vorlesen des Abschnittstextes beenden.

OK: Einstellungen des Abschnitts übernehmen.

Abbrechen: Die Bearbeitung des Abschnitts abbrechen.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Speech Section Properties</source>
        <translation>Eigenschaften des Sprachabschnitts</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Pitch</source>
        <translation>Tonhöhe</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Sentence Pause</source>
        <translation>Satzpause</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Section Text</source>
        <translation>Abschnittstext</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Stop Test</source>
        <translation>Test beenden</translation>
    </message>
</context>
<context>
    <name>VocalyneSpellCheckerDlg</name>
    <message>
        <location filename="../app/language/vocalynespellcheckerdlg.ui" line="+9"/>
        <source>Spell Checker</source>
        <translation>Rechtschreibprüfung</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Not in Dictionary:</source>
        <translation>Nicht im Wörterbuch:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Ignore All</source>
        <translation>Alle ignorieren</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Suggestions:</source>
        <translation>Vorschläge:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Change All</source>
        <translation>Alle ändern</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Manage...</source>
        <translation>Verwalten ...</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../app/language/vocalynespellcheckerdlg.cpp" line="-74"/>
        <source>(no spelling suggestions)</source>
        <translation>(keine Vorschläge)</translation>
    </message>
</context>
<context>
    <name>VocalyneSplashScreen</name>
    <message>
        <location filename="../app/shell/vocalynesplashscreen.cpp" line="+15"/>
        <source>Free software under the GPL, version 3 or later</source>
        <translation>Freie Software unter der GPL, Version 3 oder neuer</translation>
    </message>
</context>
</TS>
