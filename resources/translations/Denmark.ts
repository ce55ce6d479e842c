<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="da">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Administration af sikkerhedskopier</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Forhåndsvisning</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Oprettet</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Meddelelse</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Er du sikker på, at du vil slette denne sikkerhedskopi?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Forhåndsvisning af sikkerhedskopi</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Gendan</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Blokcitat</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Farve for fed tekst</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Kodeblokfarve</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Editorbaggrund</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Overskriftsfarve</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Vandret linje</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Billedfarve</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Indlejret kode</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Kursivfarve</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Nøgleordsfarve</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Baggrund for linjenumre</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Linjenummerfarve</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Linkfarve</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Listefarve</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Gennemstreget</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Tabelfarve</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Tekstfarve</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Opret et tomt dokument</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Åbn det senest lukkede dokument</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Bevar billedstien</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Kopiér billedet til mappen ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Dit systemsprog understøttes ikke, så der bruges engelsk.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Vejledning i tilpasning af temaer</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Klik på knappen »Åbn temamappe« nedenfor for at åbne temamappen.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Find .css-filen for dit aktuelle tema, og åbn den med Notesblok.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Find eller tilføj denne typografi:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = skriftstørrelse</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = skrifttype</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Hvis du har brug for hjælp, så send os gerne feedback!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Udseende</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Tema for visuel editor</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Tema for kodeblokke</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Editortema</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opstartsindstillinger</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Automatisk sikkerhedskopiering</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Vis venstre sidepanel</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Håndtering af billeder</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Filtilknytning</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivér</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Knyt til .md-filer</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Sådan tilpasser du temaerne i den visuelle editor</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Åbn temamappe</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Kodeblokstil</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Se demoen af CodeMirror-temaer</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Tema for kildekodeeditor</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Aktuelt tema:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiér</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Gem tema</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Skrifttype</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Skriftstørrelse</translation>
    </message>
    <message>
        <source>Tip</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Tilknytningen mislykkedes: Der kræves muligvis administratorrettigheder.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Knyttet til .md-filer!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>Tilknytningen til .md-filer er fjernet.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Tilknytningen kunne ikke fjernes.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Vælg farve</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Lagringen mislykkedes!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Gemt!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Kopiér tema</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Navn på nyt tema:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Navnet findes allerede!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Kopieret!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Vil du slette dette tema?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Indlæs eksterne billeder</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Stavekontrol</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Kontrollér stavning under skrivning</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Der er ikke installeret nogen ordbog: stavekontrollen kræver en Hunspell-ordbog (.dic- og .aff-filer) i %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Angiv hyperlink</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Tekst:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Link:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bekræft</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Ugyldig URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Bekræft sletning</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Er du sikker på, at du vil slette?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Visuel editor stoppede uventet og blev genstartet. Dokumentet er gendannet, som det var kl. %1; det, der blev skrevet i Visuel editor efter det tidspunkt, er gået tabt.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Visuel editor stoppede uventet og blev genstartet. Intet gik tabt.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Eksporten mislykkedes</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML-indholdet er tomt.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>HTML-indholdet kunne ikke fortolkes.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Gem Excel-fil</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel-filer (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Eksporten lykkedes</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Filen er gemt i:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Filen kunne ikke gemmes. Kontrollér tilladelserne.</translation>
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
        <translation>Feedback via e-mail</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Feedback via GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Søg efter:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>søgeord...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Find forrige</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Find næste</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Forskel på store og små bogstaver</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Erstat med:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Erstat</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Erstat &amp;&amp; find</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Erstat alle</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Konfiguration af billedhosting</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Upload-URL</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Anmodningsmetode</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Filfelt</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>JSON-sti til URL</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tilføj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Anmodningsheadere</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Formularparametre</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Nøgle</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Værdi</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Administration af billedhosting</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tilføj</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Testupload</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Upload-URL</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Filfelt</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON-sti</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bekræft</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Er du sikker på, at du vil slette?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Vælg først en billedhostingtjeneste.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Billeder (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Uploaden lykkedes</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Uploaden mislykkedes</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Opret en sag på GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Indtast en titel på din feedback...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Beskriv dit problem eller forslag...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogboks</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Filer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportér</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formatér</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Værktøjslinje</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fed</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Nummereret liste</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Punktopstilling</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Citat</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Indlejret kode</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Vandret linje</translation>
    </message>
    <message>
        <source>Link</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Link</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Billede</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åbn</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gem</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Om os</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Gem som</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Ryd formatering</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Ryd formatering</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Gennemstreget</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Indsæt tabel</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Fjern link</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Kodeblok</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Opdateringer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Udskriv</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nyt vindue</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom ud</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom ind</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donér</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sikkerhedskopier</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Nulstil zoom</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Fortryd</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gentag</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiér</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Klip</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Sæt ind</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markér alt</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Søg</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Erstat</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Overskrift 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Overskrift 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Overskrift 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Overskrift 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Overskrift 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Overskrift 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Afsnit</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Indrykning af afsnit</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Indsæt som ren tekst</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Indsæt som ren tekst</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Indsæt række under</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Indsæt række over</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Indsæt kolonne til venstre</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Indsæt kolonne til højre</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Flyt række op</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Flyt række ned</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Flyt kolonne til venstre</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Flyt kolonne til højre</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Venstrejustér kolonne</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Centrér kolonne</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Højrejustér kolonne</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Slet række</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Slet kolonne</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Slet tabel</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Billedhostingtjeneste</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Download portabel version</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Søg efter opdateringer</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Vis HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Officielt websted</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Kildekodeeditor</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Visuel editor</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Indtast søgeord...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Vælg mappe</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Filer</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Filbrowser</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Senest åbnede</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Lyst</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Mørkt</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Himmelblå</translation>
    </message>
    <message>
        <source>word</source>
        <translation>ord</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Klik her...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unavngivet</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Søg &amp; erstat</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Skjul venstre sidepanel</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Vis venstre sidepanel</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Sikkerhedskopien er oprettet</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Sikkerhedskopien er slettet</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Meddelelse</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Filen %1 kan ikke åbnes: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Åbn Markdown-fil</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Gem Markdown-fil</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Filen %1 kan ikke gemmes: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Gemt</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Dokumentet kunne ikke læses fra den visuelle editor, så der blev ikke skrevet noget. Prøv igen om et øjeblik.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Zoomniveau %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Kopieret</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Indsæt</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Konfigurer tabel</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Eksporten lykkedes</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Der kan ikke eksporteres til %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Editoren leverede ikke sit dokument.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Eksportindstilling</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Vil du oprette et fast sidepanel med indholdsfortegnelse og navigation mellem overskrifterne?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Eksportér HTML-fil</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML-fil (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Eksportér Word-fil</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word-fil (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Eksportér PDF-fil</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-fil (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Siden kunne ikke udskrives.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Udskrivningen lykkedes</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Udskrivningen mislykkedes</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Der blev ikke fundet nogen matchende tekst!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Indtast den tekst, du vil søge efter!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Der er ingen matchende tekst at erstatte!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1 forekomster er erstattet!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Eksportér til Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tilføj</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Billedbeskrivelse](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Det aktuelle dokument er ikke gemt. Gem filen, før du indsætter billeder.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Vælg mappe</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Opdatering</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Du bruger allerede den nyeste version. Der er ikke brug for en opdatering.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Ny version</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Der er fundet en ny version</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Opdateringsprogrammet kunne ikke startes: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>En sikkerhedskopi af %1 fra %2 indeholder ændringer, der aldrig blev gemt. Vil du gendanne den?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Kodning: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Vil du gemme ændringerne i %1?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 er blevet ændret af et andet program, siden filen blev åbnet eller gemt. Vil du overskrive disse ændringer?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Dokumentet indeholder tegn, som filens kodning, %1, ikke kan gengive. Vil du gemme det i UTF-8 i stedet?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 er blevet slettet eller flyttet af et andet program.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 er blevet ændret af et andet program. Vil du genindlæse filen og miste dine ikke-gemte ændringer?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 er blevet ændret af et andet program og er blevet genindlæst.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Åbn %1 med det program, systemet bruger til det?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Kunne ikke søge efter opdateringer.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>den indeholder NUL-byte, så den er ikke en tekstfil</translation>
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
        <translation>Nej</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gem</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Gem ikke</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
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
        <translation>Filtilknytning</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Vil du angive dette program som standardprogram til at åbne .md-filer?
Hvis du vælger »Nej«, kan du ændre det senere i indstillingerne.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Standardtilknytningen kunne ikke angives: Der kræves muligvis administratorrettigheder, eller en systempolitik har blokeret handlingen.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Angiv billede</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Link: (understøtter lokale stier og webadresser)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Vælg billede</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Billeder (*.jpg *.jpeg *.bmp *.png *.gif);;Alle filer (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Ugyldig billedsti</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Ingen forslag</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Føj til ordbog</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Rækker</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolonner</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Konfigurer tabel</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Filen kunne ikke åbnes.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Netværksfejl: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Svaret er ikke et gyldigt JSON-objekt.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Billedets URL kunne ikke læses fra JSON-svaret.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Om os</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>er et brugervenligt værktøj til redigering af Markdown. Du kan bruge det til at skrive dokumenter, og det understøtter blandt andet eksport til PDF.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation> version %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>af Penwick-udviklerne</translation>
    </message>
</context>
</TS>