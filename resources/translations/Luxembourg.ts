<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="lb">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Backupverwaltung</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Virschau</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Läschen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Numm</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Erstellungszäit</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Hiweis</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Wëllt Dir dëse Backup wierklech läschen?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Backup-Virschau</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restauréieren</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Zitatblock</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Faarf vum fetten Text</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Codeblock-Faarf</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Editor-Hannergrond</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Faarf vun den Iwwerschrëften</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Horizontal Linn</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Bildfaarf</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Inline-Code</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Faarf vum kursiven Text</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Faarf vun de Schlësselwierder</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Hannergrond vun den Zeilennummeren</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Faarf vun den Zeilennummeren</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Linkfaarf</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Lëschtefaarf</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Duerchgestrach</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Tabellefaarf</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfaarf</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Eidelt Dokument erstellen</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Dat zulescht zougemaacht Dokument opmaachen</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Bildpfad behalen</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>D'Bild an den Dossier ./${filename}.assets kopéieren</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprooch</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Är Systemsprooch gëtt net ënnerstëtzt, et gëtt Englesch benotzt.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Uleedung fir Designen unzepassen</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Klickt ënnen op de Knäppchen „Design-Dossier opmaachen“, fir den Design-Dossier opzemaachen.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Sicht de .css-Fichier vun Ärem aktuellen Design a maacht e mat engem Texteditor op.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Sicht dëse Stil oder fügt en derbäi:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = Schrëftgréisst</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = Schrëftaart</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Wann Dir Hëllef braucht, schéckt eis gär e Feedback!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zoumaachen</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Astellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemeng</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Ausgesinn</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Design vum visuellen Editor</translation>
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
        <translation>Startoptiounen</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Automatesche Backup</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Lénks Säiteleescht weisen</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Ëmgang mat Biller</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Fichiersverknëppung</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivéieren</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Mat .md-Fichiere verknëppen</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Wéi een d'Designe vum visuellen Editor upasst</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Design-Dossier opmaachen</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Codeblock-Stil</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Kuckt d'CodeMirror-Designdemo</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Design vum Quellcode-Editor</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Aktuellen Design:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopéieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Läschen</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Design späicheren</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Schrëftaart</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schrëftgréisst</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Verknëppung feelgeschloen: Eventuell sinn Administrateursrechter néideg.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Erfollegräich mat .md-Fichiere verknëppt!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>D'Verknëppung mat .md-Fichiere gouf ewechgeholl.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>D'Verknëppung konnt net ewechgeholl ginn.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Faarf auswielen</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Späicheren ass feelgeschloen!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Gespäichert!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Design kopéieren</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Numm vum neien Design:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Dësen Numm gëtt et schonn!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Erfollegräich kopéiert!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Dësen Design läschen?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Extern Biller lueden</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Rechtschreifkontroll</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Rechtschreiwung beim Tippen iwwerpréiwen</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Et ass keen Dictionnaire installéiert: D'Rechtschreifkontroll brauch en Hunspell-Dictionnaire (.dic- an .aff-Fichieren) an %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Hyperlink festleeën</translation>
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
        <translation>Bestätegen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ofbriechen</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Ongëlteg URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Läsche bestätegen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Wëllt Dir dat wierklech läschen?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>De visuellen Editor huet onerwaart opgehalen a gouf nei gestart. D'Dokument gouf restauréiert, wéi et um %1 war; wat duerno am visuellen Editor getippt gouf, ass verluer.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>De visuellen Editor huet onerwaart opgehalen a gouf nei gestart. Et ass näischt verluer gaangen.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Export feelgeschloen</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>Den HTML-Inhalt ass eidel.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Den HTML-Inhalt konnt net gelies ginn.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Excel-Fichier späicheren</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel-Fichieren (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Export erfollegräich</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Fichier erfollegräich gespäichert ënner:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>De Fichier konnt net gespäichert ginn. Kontrolléiert w.e.g. d'Berechtegungen.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Feedback per E-Mail</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Feedback iwwer GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zoumaachen</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Sichen:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>Sichbegrëff...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Viregt sichen</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Nächst sichen</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Grouss-/Klengschreiwung</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Ersetzen duerch:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Ersetzen &amp;&amp; Sichen</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Alles ersetzen</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Bild-Hosting-Konfiguratioun</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Numm</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Upload-URL</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Ufromethod</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Fichiersfeld</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>JSON-Pfad vun der URL</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Derbäisetzen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Läschen</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Ufro-Header</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Formulaire-Parameteren</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ofbriechen</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlëssel</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wäert</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Bild-Hosting-Verwaltung</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Derbäisetzen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Beaarbechten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Läschen</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Test-Upload</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Numm</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Upload-URL</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Fichiersfeld</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON-Pfad</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätegen</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Wierklech läschen?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Wielt w.e.g. fir d'éischt e Bild-Hosting-Service aus.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Biller (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Upload erfollegräich</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Upload feelgeschloen</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>GitHub-Issue aschécken</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Gitt w.e.g. en Titel fir de Feedback an...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Beschreift w.e.g. Äre Problem oder Äre Virschlag...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Ofschécken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ofbriechen</translation>
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
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportéieren</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Beaarbechten</translation>
    </message>
    <message>
        <source>Format</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Format</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabell</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optiounen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hëllef</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zoumaachen</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Nummeréiert Lëscht</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Punktlëscht</translation>
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
        <translation>Horizontal Linn</translation>
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
        <translation>Nei</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Opmaachen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Späicheren</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Iwwer eis</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Späicheren ënner</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Formatéierung ewechhuelen</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Formatéierung ewechhuelen</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Duerchgestrach</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Tabell asetzen</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Link ewechhuelen</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Codeblock</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Updates</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drécken</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nei Fënster</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verklengeren</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergréisseren</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backupen</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Standardzoom zerécksetzen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Réckgängeg maachen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Widderhuelen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopéieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Apechen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Läschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswielen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Sichen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Iwwerschrëft 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Iwwerschrëft 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Iwwerschrëft 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Iwwerschrëft 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Iwwerschrëft 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Iwwerschrëft 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Paragraph</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Aréckung vum Paragraph</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Als rengen Text apechen</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Als rengen Text apechen</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Zeil drënner asetzen</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Zeil driwwer asetzen</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Kolonn lénks asetzen</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Kolonn riets asetzen</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Zeil no uewe verréckelen</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Zeil no ënne verréckelen</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Kolonn no lénks verréckelen</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Kolonn no riets verréckelen</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Kolonn lénks ausriichten</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Kolonn zentréieren</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Kolonn riets ausriichten</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Zeil läschen</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Kolonn läschen</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Tabell läschen</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Astellungen</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Bild-Hosting-Service</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Portabel Versioun eroflueden</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>No Updates sichen</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>HTML weisen</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Offiziell Websäit</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Quellcode-Editor</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Visuellen Editor</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Sichbegrëffer aginn...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigatioun</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Dossier auswielen</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichieren</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Fichiersbrowser</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Rezent opgemaach</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Donkel</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Himmelblo</translation>
    </message>
    <message>
        <source>word</source>
        <translation>Wierder</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Klickt w.e.g. hei...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Ouni Titel</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Sichen an Ersetzen</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Lénks Säiteleescht verstoppen</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Lénks Säiteleescht weisen</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Backup erstallt</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Backup geläscht</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Hiweis</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>De Fichier %1 kann net opgemaach ginn: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Markdown-Fichier opmaachen</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Markdown-Fichier späicheren</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>De Fichier %1 kann net gespäichert ginn: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Erfollegräich gespäichert</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>D'Dokument konnt net aus dem visuellen Editor gelies ginn, dofir gouf näischt geschriwwen. Probéiert w.e.g. gläich nach eng Kéier.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Zoom %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Kopéiert</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Apechen</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Tabell ariichten</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Export erfollegräich</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Export op %1 net méiglech: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Den Editor huet säin Dokument net geliwwert.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Exportoptioun</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Wëllt Dir eng fix Säiteleescht mam Inhaltsverzeechnes an Navigatioun no den Iwwerschrëften erstellen?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>HTML-Fichier exportéieren</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML-Fichier (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Word-Fichier exportéieren</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word-Fichier (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>PDF-Fichier exportéieren</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-Fichier (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>D'Säit konnt net gedréckt ginn.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Erfollegräich gedréckt</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Drécke feelgeschloen</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Keen passenden Text fonnt!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Gitt w.e.g. e Sichtext an!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Keen passenden Text fir z'ersetzen!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1 Mol ersat!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Änneren</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>An Excel exportéieren</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Derbäisetzen</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Bildbeschreiwung](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Dat aktuellt Dokument gouf nach net gespäichert. Späichert et w.e.g., ier Dir Biller apecht.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Verzeechnes auswielen</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Update-Hiweis</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Dir benotzt schonn déi neist Versioun. Keen Update néideg.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Upgrade-Hiweis</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Eng nei Versioun gouf fonnt</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Den Updater konnt net gestart ginn: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Usiicht</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>E Backup vun %1 vum %2 enthält Ännerungen, déi ni gespäichert goufen. Wëllt Dir de Backup restauréieren?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Kodéierung: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Wëllt Dir d'Ännerungen un %1 späicheren?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 gouf vun engem anere Programm geännert, zënter et opgemaach oder gespäichert gouf. Wëllt Dir dës Ännerungen iwwerschreiwen?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>D'Dokument enthält Zeechen, déi d'Kodéierung vum Fichier, %1, net duerstelle kann. Wëllt Dir et amplaz an UTF-8 späicheren?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 gouf vun engem anere Programm geläscht oder verréckelt.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 gouf vun engem anere Programm geännert. Wëllt Dir de Fichier nei lueden an déi net gespäichert Ännerunge verléieren?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 gouf vun engem anere Programm geännert a gouf nei gelueden.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>%1 mam Programm opmaachen, dat de System dofir benotzt?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Et konnt net no Aktualiséierunge gesicht ginn.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>en enthält NUL-Bytes an ass dofir keen Textfichier</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Jo</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Neen</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Späicheren</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Net späicheren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ofbriechen</translation>
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
        <translation>Fichiersverknëppung</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Wëllt Dir dës Applikatioun als Standardprogramm fir .md-Fichiere festleeën?
Wann Dir „Neen“ wielt, kënnt Dir dat méi spéit an den Astellungen änneren.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>D'Standardverknëppung konnt net festgeluecht ginn: Eventuell sinn Administrateursrechter néideg oder eng Systemrichtlinn huet de Virgang blockéiert.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Bild festleeën</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswielen</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Link: (lokal Pfaden oder Netzwierk-URLen)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ofbriechen</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Bild auswielen</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Biller (*.jpg *.jpeg *.bmp *.png *.gif);;All Fichieren (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Ongëltege Bildpfad</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Keng Virschléi</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>An den Dictionnaire derbäisetzen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignoréieren</translation>
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
        <translation>Kolonnen</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Tabell ariichten</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>De Fichier konnt net opgemaach ginn.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Netzwierkfeeler: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>D'Äntwert ass keen gëltegt JSON-Objet.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>D'Bild-URL konnt net aus dem JSON gelies ginn.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Iwwer eis</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>ass en einfach zougängleche Markdown-Editor. Domat kann ee Dokumenter schreiwen, an en ënnerstëtzt och den Export als PDF an aner Funktiounen.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> Versioun %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>vun de Penwick-Entwéckler</translation>
    </message>
</context>
</TS>