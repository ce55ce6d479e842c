<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="sv">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Hantera säkerhetskopior</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Förhandsgranskning</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Skapad</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Meddelande</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Vill du verkligen ta bort den här säkerhetskopian?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Förhandsgranskning av säkerhetskopia</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Återställ</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Blockcitat</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Färg för fetstil</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Kodblocksfärg</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Redigerarens bakgrund</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Rubrikfärg</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Vågrät linje</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Bildfärg</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Infogad kod</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Färg för kursiv</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Nyckelordsfärg</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Bakgrund för radnummer</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Radnummerfärg</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Länkfärg</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Listfärg</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Genomstruken</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Tabellfärg</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfärg</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Skapa ett tomt dokument</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Öppna det senast stängda dokumentet</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Behåll bildens sökväg</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Kopiera bilden till mappen ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Systemspråket stöds inte, engelska används i stället.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Guide för att anpassa teman</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Klicka på knappen ”Öppna temamappen” nedan för att öppna temamappen.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Leta upp .css-filen för ditt aktuella tema och öppna den i Anteckningar.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Leta upp eller lägg till den här stilen:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = teckenstorlek</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = teckensnitt</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Om du behöver hjälp får du gärna skicka feedback till oss!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Utseende</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Tema för visuell redigerare</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Tema för kodblock</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Tema för redigeraren</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Startalternativ</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Automatisk säkerhetskopiering</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Visa vänster sidofält</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Hantering av bilder</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Filassociation</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivera</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Associera med .md-filer</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Så anpassar du temana för den visuella redigeraren</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Öppna temamappen</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Kodblocksstil</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Se demon av CodeMirror-teman</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Tema för källkodsredigeraren</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Aktuellt tema:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Spara tema</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Teckensnitt</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Teckenstorlek</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Associationen misslyckades: administratörsbehörighet kan krävas.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Associerad med .md-filer!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>Associationen med .md-filer har tagits bort.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Det gick inte att ta bort associationen.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Välj färg</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Det gick inte att spara!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Sparat!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Kopiera tema</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Namn på nytt tema:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Namnet finns redan!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Kopierat!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Vill du ta bort det här temat?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Läs in fjärrbilder</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Stavningskontroll</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Kontrollera stavningen medan du skriver</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Ingen ordlista är installerad: stavningskontrollen behöver en Hunspell-ordlista (.dic- och .aff-filer) i %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Ange hyperlänk</translation>
    </message>
    <message>
        <source>Text:</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Länk:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bekräfta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Ogiltig URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Bekräfta borttagning</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Är du säker på att du vill ta bort?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Den visuella redigeraren avslutades oväntat och har startats om. Dokumentet har återställts till hur det såg ut kl. %1; det som skrevs i den visuella redigeraren efter det har gått förlorat.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Den visuella redigeraren avslutades oväntat och har startats om. Inget gick förlorat.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Exporten misslyckades</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML-innehållet är tomt.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Det gick inte att tolka HTML-innehållet.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Spara Excel-fil</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel-filer (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Exporten lyckades</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Filen har sparats i:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Det gick inte att spara filen. Kontrollera behörigheterna.</translation>
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
        <translation>Feedback via e-post</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Feedback via GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Sök efter:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>sökord...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Sök föregående</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Sök nästa</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Matcha gemener/versaler</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Ersätt med:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersätt</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Ersätt &amp;&amp; sök</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Ersätt alla</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Konfiguration av bildvärd</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Uppladdnings-URL</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Begärandemetod</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Filfält</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>JSON-sökväg till URL</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Begärandehuvuden</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Formulärparametrar</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Nyckel</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Värde</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Hantera bildvärdar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Testa uppladdning</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Uppladdnings-URL</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Filfält</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON-sökväg</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bekräfta</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Är du säker på att du vill ta bort?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Välj en bildvärd först.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Uppladdningen lyckades</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Uppladdningen misslyckades</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Skapa ett ärende på GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Ange en rubrik för din feedback...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Beskriv ditt problem eller förslag...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Skicka</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogruta</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Arkiv</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportera</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Redigera</translation>
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
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Verktygsfält</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fetstil</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Numrerad lista</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Punktlista</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Citat</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Infogad kod</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Vågrät linje</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Länk</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nytt</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Om oss</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Spara som</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Rensa formatering</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Rensa formatering</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Genomstruken</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Infoga tabell</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Ta bort länk</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Kodblock</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Uppdateringar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nytt fönster</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zooma ut</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zooma in</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donera</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Säkerhetskopior</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Återställ zoom</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gör om</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Klipp ut</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Klistra in</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markera allt</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersätt</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Rubrik 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Rubrik 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Rubrik 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Rubrik 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Rubrik 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Rubrik 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Stycke</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Styckeindrag</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Klistra in som oformaterad text</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Klistra in som oformaterad text</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Infoga rad nedanför</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Infoga rad ovanför</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Infoga kolumn till vänster</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Infoga kolumn till höger</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Flytta rad uppåt</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Flytta rad nedåt</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Flytta kolumn åt vänster</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Flytta kolumn åt höger</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Vänsterjustera kolumn</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Centrera kolumn</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Högerjustera kolumn</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Ta bort rad</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Ta bort kolumn</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Ta bort tabell</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Bildvärdtjänst</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Ladda ned portabel version</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Sök efter uppdateringar</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Visa HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Officiell webbplats</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Källkodsredigerare</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Visuell redigerare</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Ange sökord...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigering</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Välj mapp</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Filer</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Filbläddrare</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Senast öppnade</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ljust</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Mörkt</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Himmelsblå</translation>
    </message>
    <message>
        <source>word</source>
        <translation>ord</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Klicka här...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Namnlös</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Sök &amp; ersätt</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Dölj vänster sidofält</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Visa vänster sidofält</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Säkerhetskopian har skapats</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Säkerhetskopian har tagits bort</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Meddelande</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Det går inte att öppna filen %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Öppna Markdown-fil</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Spara Markdown-fil</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Det går inte att spara filen %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Sparat</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Dokumentet kunde inte läsas från den visuella redigeraren, så inget skrevs. Försök igen om en liten stund.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Zoomnivå %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Kopierat</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Klistra in</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Konfigurera tabell</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Exporten lyckades</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Det går inte att exportera till %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Redigeraren lämnade inte ifrån sig dokumentet.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Exportalternativ</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Vill du skapa ett fast sidofält med innehållsförteckning och navigering mellan rubrikerna?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Exportera HTML-fil</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML-fil (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Exportera Word-fil</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word-fil (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Exportera PDF-fil</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-fil (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Sidan kunde inte skrivas ut.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Utskriften lyckades</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Utskriften misslyckades</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Ingen matchande text hittades!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Ange text att söka efter!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Ingen matchande text att ersätta!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1 förekomster ersattes!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Exportera till Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Bildbeskrivning](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Det aktuella dokumentet har inte sparats. Spara filen innan du klistrar in bilder.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Välj mapp</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Uppdatering</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Du använder redan den senaste versionen. Ingen uppdatering behövs.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Ny version</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>En ny version har hittats</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Uppdateringsprogrammet kunde inte startas: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visa</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>En säkerhetskopia av %1 från %2 innehåller ändringar som aldrig sparades. Vill du återställa den?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Kodning: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Vill du spara ändringarna i %1?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 har ändrats av ett annat program sedan den öppnades eller sparades. Vill du skriva över de ändringarna?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Dokumentet innehåller tecken som filens kodning, %1, inte kan lagra. Vill du spara det som UTF-8 i stället?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 har tagits bort eller flyttats av ett annat program.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 har ändrats av ett annat program. Vill du läsa in den igen och förlora dina osparade ändringar?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 har ändrats av ett annat program och har lästs in igen.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Öppna %1 med programmet som systemet använder för det?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Det gick inte att söka efter uppdateringar.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>den innehåller NUL-byte och är därför inte en textfil</translation>
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
        <translation>Spara</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Spara inte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
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
        <translation>Filassociation</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Vill du ange det här programmet som standardprogram för att öppna .md-filer?
Om du väljer ”Nej” kan du ändra det senare i inställningarna.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Det gick inte att ange standardassociationen: administratörsbehörighet kan krävas, eller så blockerades åtgärden av en systemprincip.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Ange bild</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Länk: (stöder lokala sökvägar och webbadresser)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Välj bild</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Bilder (*.jpg *.jpeg *.bmp *.png *.gif);;Alla filer (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Ogiltig bildsökväg</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Inga förslag</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Lägg till i ordlistan</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorera</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Rader</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolumner</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Konfigurera tabell</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Det gick inte att öppna filen.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Nätverksfel: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Svaret är inte ett giltigt JSON-objekt.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Det gick inte att läsa bildens URL ur JSON-svaret.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Om oss</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>är ett lättanvänt verktyg för Markdown-redigering. Du kan använda det för att skriva dokument, och det stöder bland annat export till PDF.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation> version %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>av Penwick-utvecklarna</translation>
    </message>
</context>
</TS>