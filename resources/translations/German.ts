<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Sicherungsverwaltung</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Name</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Erstellungszeit</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Möchten Sie diese Sicherung wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Sicherungsvorschau</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Zitat</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Fettschrift-Farbe</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Codeblock-Farbe</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Editor-Hintergrund</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Überschriftenfarbe</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Horizontale Linie</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Bildfarbe</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Inline-Code</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Kursivfarbe</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Schlüsselwortfarbe</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Zeilennummer-Hintergrund</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Zeilennummernfarbe</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Linkfarbe</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Listenfarbe</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Durchgestrichen</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Tabellenfarbe</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Leeres Dokument erstellen</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Zuletzt geschlossenes Dokument öffnen</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Bildpfad beibehalten</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Bild in den Ordner ./${filename}.assets kopieren</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Ihre Systemsprache wird nicht unterstützt, es wird Englisch verwendet.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Anleitung zum Anpassen von Designs</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Klicken Sie unten auf „Designordner öffnen“, um den Designordner zu öffnen.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Suchen Sie die .css-Datei Ihres aktuellen Designs und öffnen Sie sie mit einem Texteditor.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Suchen oder ergänzen Sie diesen Stil:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = Schriftgröße</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = Schriftart</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Wenn Sie Hilfe brauchen, senden Sie uns gern eine Rückmeldung!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Vorschau-Design</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Codeblock-Design</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Editor-Design</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Startoptionen</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Automatische Sicherung</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Linke Seitenleiste anzeigen</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Umgang mit Bildern</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Dateizuordnung</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Mit .md-Dateien verknüpfen</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>So passen Sie die Designs des visuellen Editors an</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Designordner öffnen</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Codeblock-Stil</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Siehe CodeMirror-Designvorschau</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Design des Quelltext-Editors</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Aktuelles Design:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Design speichern</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Zuordnung fehlgeschlagen: Möglicherweise sind Administratorrechte nötig.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Erfolgreich mit .md-Dateien verknüpft!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>Die Zuordnung der .md-Dateien wurde entfernt.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Die Zuordnung konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Farbe auswählen</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Speichern fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Gespeichert!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Design kopieren</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Name des neuen Designs:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Der Name existiert bereits!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Erfolgreich kopiert!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Dieses Design löschen?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Externe Bilder laden</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Rechtschreibprüfung</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Rechtschreibung während der Eingabe prüfen</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Es ist kein Wörterbuch installiert: Die Rechtschreibprüfung braucht ein Hunspell-Wörterbuch (.dic- und .aff-Datei) in %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Hyperlink festlegen</translation>
    </message>
    <message>
        <source>Text:</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Link:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Ungültige URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Möchten Sie das wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Der Visuelle Editor wurde unerwartet beendet und neu gestartet. Das Dokument wurde mit dem Stand von %1 Uhr wiederhergestellt; was danach im Visuellen Editor eingegeben wurde, ist verloren.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Der Visuelle Editor wurde unerwartet beendet und neu gestartet. Es ist nichts verloren gegangen.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>Der HTML-Inhalt ist leer.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Der HTML-Inhalt konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Excel-Datei speichern</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel-Dateien (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Export erfolgreich</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Datei erfolgreich gespeichert unter:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Die Datei konnte nicht gespeichert werden. Bitte prüfen Sie die Berechtigungen.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Rückmeldung</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Rückmeldung per E-Mail</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Rückmeldung auf GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>Suchbegriff...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Vorheriges suchen</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Nächstes suchen</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Ersetzen durch:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Ersetzen &amp;&amp; Suchen</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Alle ersetzen</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Bildhoster einrichten</translation>
    </message>
    <message>
        <source>Name</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Upload-URL</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Anfragemethode</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Dateifeld</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>JSON-Pfad der URL</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Anfrage-Header</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Formularparameter</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Bildhoster verwalten</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Test-Upload</translation>
    </message>
    <message>
        <source>Name</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Upload-URL</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Dateifeld</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON-Pfad</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Wirklich löschen?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Bitte wählen Sie zuerst einen Bildhoster aus.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Upload erfolgreich</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Upload fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>GitHub-Issue einreichen</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Bitte geben Sie einen Titel ein...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Bitte beschreiben Sie Ihr Problem oder Ihren Vorschlag...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Absenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Format</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Format</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Nummerierte Liste</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Aufzählung</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Zitat</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Inline-Code</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Horizontale Linie</translation>
    </message>
    <message>
        <source>Link</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Link</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
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
        <source>About Us</source>
        <translation>Über uns</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Formatierung entfernen</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Formatierung entfernen</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Durchgestrichen</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Tabelle einfügen</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Link entfernen</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Codeblock</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Rückmeldung</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualisierungen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Neues Fenster</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Standardzoom wiederherstellen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Überschrift 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Überschrift 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Überschrift 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Überschrift 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Überschrift 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Überschrift 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Absatz</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Absatzeinzug</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Als reinen Text einfügen</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Als reinen Text einfügen</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Zeile darunter einfügen</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Zeile darüber einfügen</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Spalte links einfügen</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Spalte rechts einfügen</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Zeile nach oben verschieben</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Zeile nach unten verschieben</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Spalte nach links verschieben</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Spalte nach rechts verschieben</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Spalte linksbündig ausrichten</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Spalte zentrieren</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Spalte rechtsbündig ausrichten</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Zeile löschen</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Spalte löschen</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Tabelle löschen</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Bild-Hosting-Dienst</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Portable Version herunterladen</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>HTML anzeigen</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Offizielle Website</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Quelltext-Editor</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Visueller Editor</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Suchbegriffe eingeben...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Dateibrowser</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Farbschema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>word</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Bitte hier klicken...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Suchen &amp; Ersetzen</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Linke Seitenleiste ausblenden</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Linke Seitenleiste anzeigen</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Sicherung erstellt</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Sicherung gelöscht</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Markdown-Datei öffnen</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Markdown-Datei speichern</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Datei %1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Erfolgreich gespeichert</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Das Dokument konnte nicht aus dem visuellen Editor gelesen werden, daher wurde nichts geschrieben. Bitte versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Zoomstufe %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Tabelle einrichten</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Export erfolgreich</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Export nach %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Der Editor hat sein Dokument nicht geliefert.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Exportoption</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Möchten Sie eine feste Inhaltsverzeichnis-Seitenleiste mit Navigation zu den Überschriften erzeugen?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>HTML-Datei exportieren</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML-Datei (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Word-Datei exportieren</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word-Datei (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>PDF-Datei exportieren</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Die Seite konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Druck erfolgreich</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Druck fehlgeschlagen</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Kein passender Text gefunden!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Bitte geben Sie einen Suchtext ein!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Kein passender Text zum Ersetzen!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1 Vorkommen ersetzt!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Nach Excel exportieren</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Bildbeschreibung](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Das aktuelle Dokument wurde noch nicht gespeichert. Bitte speichern Sie es, bevor Sie Bilder einfügen.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Sie verwenden bereits die neueste Version. Keine Aktualisierung nötig.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Neue Version</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Eine neue Version ist verfügbar</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Das Aktualisierungsprogramm konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Eine Sicherung von %1 vom %2 enthält Änderungen, die nie gespeichert wurden. Möchten Sie sie wiederherstellen?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Kodierung: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Möchten Sie die Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 wurde seit dem Öffnen oder Speichern von einem anderen Programm geändert. Möchten Sie diese Änderungen überschreiben?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Das Dokument enthält Zeichen, die sich in der Kodierung der Datei (%1) nicht darstellen lassen. Möchten Sie es stattdessen als UTF-8 speichern?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 wurde von einem anderen Programm gelöscht oder verschoben.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 wurde von einem anderen Programm geändert. Möchten Sie die Datei neu laden und Ihre ungespeicherten Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 wurde von einem anderen Programm geändert und neu geladen.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>%1 mit dem Programm öffnen, das das System dafür verwendet?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Es konnte nicht nach Aktualisierungen gesucht werden.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>keine Textdatei, da sie NUL-Bytes enthält</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>RegistryHelper</name>
    <message>
        <source>File Association</source>
        <translation>Dateizuordnung</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Möchten Sie dieses Programm als Standardprogramm für .md-Dateien festlegen?
Wenn Sie „Nein“ wählen, können Sie das später in den Einstellungen ändern.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Die Standardzuordnung konnte nicht festgelegt werden: Möglicherweise sind Administratorrechte nötig oder eine Systemrichtlinie verhindert den Vorgang.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Bild festlegen</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Link: (lokale Pfade oder Web-Adressen)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Bilder (*.jpg *.jpeg *.bmp *.png *.gif);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Ungültiger Bildpfad</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Keine Vorschläge</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Tabelle einrichten</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Die Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Netzwerkfehler: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Die Antwort ist kein gültiges JSON-Objekt.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Die Bild-URL wurde im JSON nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Über uns</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>ist ein leicht zugänglicher Markdown-Editor. Damit schreiben Sie Dokumente und exportieren sie unter anderem als PDF.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> Version %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>von den Penwick-Entwicklern</translation>
    </message>
</context>
</TS>