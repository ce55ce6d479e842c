<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="nl">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Back-upbeheer</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Aanmaakdatum</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Weet u zeker dat u deze back-up wilt verwijderen?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Back-upvoorbeeld</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Herstellen</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Citaat</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Kleur van vette tekst</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Kleur van codeblokken</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Achtergrond van editor</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Kleur van koppen</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Horizontale lijn</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Kleur van afbeeldingen</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Inline code</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Kleur van cursieve tekst</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Kleur van trefwoorden</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Achtergrond van regelnummers</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Kleur van regelnummers</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Kleur van links</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Kleur van lijsten</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Doorgehaald</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Kleur van tabellen</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Tekstkleur</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Een leeg document maken</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Het laatst gesloten document openen</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Afbeeldingspad behouden</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Afbeelding kopiëren naar de map ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systeemstandaard</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Uw systeemtaal wordt niet ondersteund; Engels wordt gebruikt.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Handleiding voor het aanpassen van thema's</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Klik hieronder op de knop “Themamap openen” om de themamap te openen.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Zoek het .css-bestand van uw huidige thema en open het met Kladblok.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Zoek deze stijl op of voeg hem toe:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = tekengrootte</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = lettertype</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Hebt u hulp nodig? Stuur ons gerust feedback!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Thema van visuele editor</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Thema van codeblokken</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Editorthema</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opstartopties</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Automatische back-up</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Linkerzijbalk weergeven</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Afbeeldingsverwerking</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoomen</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Bestandskoppeling</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Koppelen aan .md-bestanden</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Thema's van de visuele editor aanpassen</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Themamap openen</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Stijl van codeblokken</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Zie de demo van de CodeMirror-thema's</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Thema van broncode-editor</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Huidig thema:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Thema opslaan</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Lettertype</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tekengrootte</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Koppelen mislukt: mogelijk zijn beheerdersrechten vereist.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Gekoppeld aan .md-bestanden!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>Koppeling met .md-bestanden verwijderd.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Kan de koppeling niet verwijderen.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Kleur selecteren</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Opslaan mislukt!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Opgeslagen!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Thema kopiëren</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Naam van nieuw thema:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Deze naam bestaat al!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Gekopieerd!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Dit thema verwijderen?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Externe afbeeldingen laden</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Spellingcontrole</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Spelling controleren tijdens het typen</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Er is geen woordenboek geïnstalleerd: de spellingcontrole heeft een Hunspell-woordenboek (.dic- en .aff-bestanden) nodig in %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Hyperlink instellen</translation>
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
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Ongeldige URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Verwijderen bevestigen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Weet u zeker dat u dit wilt verwijderen?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>De visuele editor is onverwacht gestopt en opnieuw gestart. Het document is hersteld zoals het was om %1; wat daarna in de visuele editor is getypt, is verloren gegaan.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>De visuele editor is onverwacht gestopt en opnieuw gestart. Er is niets verloren gegaan.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Exporteren mislukt</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>De HTML-inhoud is leeg.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Kan de HTML-inhoud niet verwerken.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Excel-bestand opslaan</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel-bestanden (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Exporteren gelukt</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Bestand opgeslagen in:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Kan het bestand niet opslaan. Controleer de machtigingen.</translation>
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
        <translation>Feedback per e-mail</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Feedback via GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Zoeken:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>trefwoord…</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Vorige zoeken</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Volgende zoeken</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Hoofdlettergevoelig</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Vervangen door:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Vervangen</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Vervangen &amp;&amp; zoeken</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Alles vervangen</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Configuratie van afbeeldingshost</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Upload-URL</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Aanvraagmethode</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Bestandsveld</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>JSON-pad van URL</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Aanvraagheaders</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Formulierparameters</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Sleutel</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Afbeeldingshosts beheren</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Upload testen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Upload-URL</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Bestandsveld</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON-pad</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Weet u zeker dat u dit wilt verwijderen?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Selecteer eerst een afbeeldingshost.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Afbeeldingen (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Uploaden gelukt</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Uploaden mislukt</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Probleem melden op GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Voer een titel voor uw feedback in…</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Beschrijf uw probleem of suggestie…</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Verzenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Opmaak</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoomen</translation>
    </message>
    <message>
        <source>Help</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Help</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Vet</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Genummerde lijst</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Lijst met opsommingstekens</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Citaat</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Inline code</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Horizontale lijn</translation>
    </message>
    <message>
        <source>Link</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Link</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Opmaak wissen</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Opmaak wissen</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Doorgehaald</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Tabel invoegen</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Link verwijderen</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Codeblok</translation>
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
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nieuw venster</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Doneren</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Back-ups</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Standaardzoom herstellen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Knippen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Vervangen</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Kop 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Kop 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Kop 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Kop 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Kop 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Kop 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Alinea</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Alinea-inspringing</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursief</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Plakken als platte tekst</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Plakken als platte tekst</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Rij eronder invoegen</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Rij erboven invoegen</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Kolom links invoegen</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Kolom rechts invoegen</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Rij omhoog verplaatsen</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Rij omlaag verplaatsen</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Kolom naar links verplaatsen</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Kolom naar rechts verplaatsen</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Kolom links uitlijnen</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Kolom centreren</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Kolom rechts uitlijnen</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Rij verwijderen</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Kolom verwijderen</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Tabel verwijderen</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Afbeeldingshostingdienst</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Draagbare versie downloaden</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Controleren op updates</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>HTML weergeven</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Officiële website</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Broncode-editor</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Visuele editor</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Voer trefwoorden in om te zoeken…</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigatie</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Map selecteren</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Bestandsverkenner</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Recent geopend</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Donker</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Blauwe lucht</translation>
    </message>
    <message>
        <source>word</source>
        <translation>woorden</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Klik hier…</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Zoeken en vervangen</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Linkerzijbalk verbergen</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Linkerzijbalk weergeven</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Back-up gemaakt</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Back-up verwijderd</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Kan bestand %1 niet openen: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Markdown-bestand openen</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Markdown-bestand opslaan</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Kan bestand %1 niet opslaan: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Opgeslagen</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Het document kon niet uit de visuele editor worden gelezen, dus er is niets weggeschreven. Probeer het zo meteen opnieuw.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Zoom: %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Gekopieerd</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Tabel instellen</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Exporteren gelukt</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Kan niet exporteren naar %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>De editor heeft het document niet aangeleverd.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Exportoptie</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Wilt u een vaste zijbalk met inhoudsopgave en navigatie via de koppen genereren?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>HTML-bestand exporteren</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML-bestand (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Word-bestand exporteren</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word-bestand (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>PDF-bestand exporteren</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-bestand (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>De pagina kon niet worden afgedrukt.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Afdrukken gelukt</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Afdrukken mislukt</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Geen overeenkomende tekst gevonden!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Voer de tekst in die u wilt zoeken!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Geen overeenkomende tekst om te vervangen!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1 keer vervangen!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Wijzigen</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Exporteren naar Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Alternatieve tekst](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Het huidige document is nog niet opgeslagen. Sla het bestand op voordat u afbeeldingen plakt.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Map selecteren</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>U gebruikt al de nieuwste versie. Bijwerken is niet nodig.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Nieuwe versie</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Er is een nieuwe versie beschikbaar</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Kan het updateprogramma niet starten: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Beeld</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Een back-up van %1, gemaakt op %2, bevat wijzigingen die nooit zijn opgeslagen. Wilt u deze herstellen?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Codering: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Wilt u de wijzigingen in %1 opslaan?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 is door een ander programma gewijzigd sinds het is geopend of opgeslagen. Wilt u die wijzigingen overschrijven?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Het document bevat tekens die de codering van het bestand, %1, niet kan weergeven. Wilt u het in plaats daarvan in UTF-8 opslaan?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 is door een ander programma verwijderd of verplaatst.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 is door een ander programma gewijzigd. Wilt u het opnieuw laden en uw niet-opgeslagen wijzigingen verliezen?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 is door een ander programma gewijzigd en opnieuw geladen.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>%1 openen met het programma dat het systeem daarvoor gebruikt?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Kon niet op updates controleren.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>het bevat NUL-bytes, dus het is geen tekstbestand</translation>
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
        <translation>Nee</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Niet opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
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
        <translation>Bestandskoppeling</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Wilt u deze toepassing instellen als standaardprogramma voor het openen van .md-bestanden?
Als u “Nee” kiest, kunt u dit later wijzigen in het menu Instellingen.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Kan de standaardkoppeling niet instellen: mogelijk zijn beheerdersrechten vereist of heeft een systeembeleid de bewerking geblokkeerd.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Afbeelding instellen</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Kiezen</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Link: (lokale paden of netwerk-URL's)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Afbeelding kiezen</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Afbeeldingen (*.jpg *.jpeg *.bmp *.png *.gif);;Alle bestanden (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Ongeldig afbeeldingspad</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Geen suggesties</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Toevoegen aan woordenboek</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Negeren</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Rijen</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolommen</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Tabel instellen</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Kan het bestand niet openen.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Netwerkfout: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Het antwoord is geen geldig JSON-object.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Kan de afbeeldings-URL niet uit de JSON halen.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>is een eenvoudig toegankelijke Markdown-editor. U kunt er documenten mee schrijven en ze onder meer naar PDF exporteren.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> versie %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>door de ontwikkelaars van Penwick</translation>
    </message>
</context>
</TS>