<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="no">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Administrering av sikkerhetskopier</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Forhåndsvisning</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Opprettet</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Er du sikker på at du vil slette denne sikkerhetskopien?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Forhåndsvisning av sikkerhetskopi</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Gjenopprett</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Blokksitat</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Farge for fet tekst</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Kodeblokkfarge</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Editorbakgrunn</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Overskriftsfarge</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Vannrett linje</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Bildefarge</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Innebygd kode</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Kursivfarge</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Nøkkelordfarge</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Bakgrunn for linjenumre</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Linjenummerfarge</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Lenkefarge</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Listefarge</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Gjennomstreking</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Tabellfarge</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Tekstfarge</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Opprett et tomt dokument</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Åpne det sist lukkede dokumentet</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Behold bildebanen</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Kopier bildet til mappen ./${filename}.assets</translation>
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
        <translation>Systemspråket ditt støttes ikke, så engelsk blir brukt.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Veiledning for tilpasning av temaer</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Klikk på knappen «Åpne temamappe» nedenfor for å åpne temamappen.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Finn .css-filen for det gjeldende temaet, og åpne den med Notisblokk.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Finn eller legg til denne stilen:</translation>
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
        <translation>Hvis du trenger hjelp, kan du gjerne sende oss en tilbakemelding!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Utseende</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Tema for visuell editor</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Tema for kodeblokker</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Editortema</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Oppstartsalternativer</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Automatisk sikkerhetskopiering</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Vis venstre sidepanel</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Håndtering av bilder</translation>
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
        <translation>Aktiver</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Knytt til .md-filer</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Slik tilpasser du temaene i den visuelle editoren</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Åpne temamappe</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Kodeblokkstil</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Se demoen av CodeMirror-temaer</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Tema for kildekodeeditor</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Gjeldende tema:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Lagre tema</translation>
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
        <translation>Tips</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Tilknytningen mislyktes: Det kan kreves administratorrettigheter.</translation>
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
        <translation>Kunne ikke fjerne tilknytningen.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Velg farge</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Lagringen mislyktes!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Lagret!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Kopier tema</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Navn på nytt tema:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Navnet finnes allerede!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Kopiert!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Vil du slette dette temaet?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Last inn eksterne bilder</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Stavekontroll</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Kontroller stavemåten mens du skriver</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Ingen ordbok er installert: stavekontrollen trenger en Hunspell-ordbok (.dic- og .aff-filer) i %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Angi hyperkobling</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Tekst:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Lenke:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bekreft</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Ugyldig URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Bekreft sletting</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Er du sikker på at du vil slette?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Den visuelle editoren stoppet uventet og ble startet på nytt. Dokumentet ble gjenopprettet slik det var kl. %1; det som ble skrevet i den visuelle editoren etter det, har gått tapt.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Den visuelle editoren stoppet uventet og ble startet på nytt. Ingenting gikk tapt.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Eksporten mislyktes</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML-innholdet er tomt.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Kunne ikke tolke HTML-innholdet.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Lagre Excel-fil</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel-filer (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Eksporten er fullført</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Filen er lagret i:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Kunne ikke lagre filen. Kontroller tillatelsene.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Tilbakemelding</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Tilbakemelding via e-post</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Tilbakemelding via GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Søk etter:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>søkeord...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Finn forrige</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Finn neste</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Skill mellom store og små bokstaver</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Erstatt med:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Erstatt</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Erstatt &amp;&amp; finn</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Erstatt alle</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Konfigurasjon av bildevert</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Opplastings-URL</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Forespørselsmetode</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Filfelt</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>JSON-bane til URL</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Legg til</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Forespørselshoder</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Skjemaparametere</translation>
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
        <translation>Nøkkel</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Verdi</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Administrasjon av bildeverter</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Legg til</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Testopplasting</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Opplastings-URL</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Filfelt</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON-bane</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bekreft</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Er du sikker på at du vil slette?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Velg en bildevert først.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Opplastingen er fullført</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Opplastingen mislyktes</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Opprett en sak på GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Skriv inn en tittel på tilbakemeldingen...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Beskriv problemet eller forslaget ditt...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Send</translation>
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
        <translation>Dialogboks</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksporter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
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
        <translation>Alternativer</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Verktøylinje</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fet</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Nummerert liste</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Punktliste</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Sitat</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Innebygd kode</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Vannrett linje</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lenke</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bilde</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Om oss</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Lagre som</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Fjern formatering</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Fjern formatering</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Gjennomstreking</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Sett inn tabell</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Fjern lenke</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Kodeblokk</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Tilbakemelding</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Oppdateringer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nytt vindu</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom ut</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom inn</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Doner</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sikkerhetskopier</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Tilbakestill zoom</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Angre</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gjør om</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Klipp ut</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Lim inn</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Merk alt</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Erstatt</translation>
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
        <translation>Avsnitt</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Avsnittsinnrykk</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Lim inn som ren tekst</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Lim inn som ren tekst</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Sett inn rad under</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Sett inn rad over</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Sett inn kolonne til venstre</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Sett inn kolonne til høyre</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Flytt rad opp</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Flytt rad ned</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Flytt kolonne til venstre</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Flytt kolonne til høyre</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Venstrejuster kolonne</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Midtstill kolonne</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Høyrejuster kolonne</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Slett rad</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Slett kolonne</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Slett tabell</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Bildevertstjeneste</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Last ned bærbar versjon</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Se etter oppdateringer</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Vis HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Offisielt nettsted</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tittel</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Kildekodeeditor</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Visuell editor</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Skriv inn søkeord...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigasjon</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Velg mappe</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Filer</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Filutforsker</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Nylig åpnet</translation>
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
        <translation>Klikk her...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Uten navn</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Søk &amp; erstatt</translation>
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
        <translation>Sikkerhetskopien er opprettet</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Sikkerhetskopien er slettet</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Kan ikke åpne filen %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Åpne Markdown-fil</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Lagre Markdown-fil</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Kan ikke lagre filen %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Lagret</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Dokumentet kunne ikke leses fra den visuelle editoren, så ingenting ble skrevet. Prøv igjen om et øyeblikk.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Zoomnivå %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Lim inn</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Konfigurer tabell</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Eksporten er fullført</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Kan ikke eksportere til %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Editoren leverte ikke dokumentet sitt.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Eksportalternativ</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Vil du lage et fast sidepanel med innholdsfortegnelse og navigering mellom overskriftene?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Eksporter HTML-fil</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML-fil (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Eksporter Word-fil</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word-fil (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Eksporter PDF-fil</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-fil (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Siden kunne ikke skrives ut.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Utskriften er fullført</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Utskriften mislyktes</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Fant ingen samsvarende tekst!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Skriv inn teksten du vil søke etter!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Ingen samsvarende tekst å erstatte!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>Erstattet %1 forekomster!</translation>
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
        <translation>Eksporter til Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Legg til</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Bildebeskrivelse](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Det gjeldende dokumentet er ikke lagret. Lagre filen før du limer inn bilder.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Velg mappe</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Oppdatering</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Du bruker allerede den nyeste versjonen. Ingen oppdatering er nødvendig.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Ny versjon</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>En ny versjon er funnet</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Oppdateringsprogrammet kunne ikke startes: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>En sikkerhetskopi av %1 fra %2 inneholder endringer som aldri ble lagret. Vil du gjenopprette den?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Tegnkoding: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Vil du lagre endringene i %1?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 er endret av et annet program siden filen ble åpnet eller lagret. Vil du overskrive disse endringene?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Dokumentet inneholder tegn som filens tegnkoding, %1, ikke kan gjengi. Vil du lagre det i UTF-8 i stedet?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 ble slettet eller flyttet av et annet program.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 er endret av et annet program. Vil du laste inn filen på nytt og miste endringene som ikke er lagret?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 ble endret av et annet program og er lastet inn på nytt.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Åpne %1 med programmet systemet bruker til det?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Kunne ikke se etter oppdateringer.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>den inneholder NUL-byte, så den er ikke en tekstfil</translation>
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
        <translation>Nei</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Ikke lagre</translation>
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
        <translation>Filtilknytning</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Vil du angi dette programmet som standardprogram for å åpne .md-filer?
Hvis du velger «Nei», kan du endre dette senere i innstillingene.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Kunne ikke angi standardtilknytningen: Det kan kreves administratorrettigheter, eller en systempolicy blokkerte handlingen.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Angi bilde</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Lenke: (støtter lokale baner og nettadresser)</translation>
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
        <translation>Velg bilde</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Bilder (*.jpg *.jpeg *.bmp *.png *.gif);;Alle filer (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Ugyldig bildebane</translation>
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
        <translation>Legg til i ordboken</translation>
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
        <translation>Rader</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolonner</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Konfigurer tabell</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Kunne ikke åpne filen.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Nettverksfeil: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Svaret er ikke et gyldig JSON-objekt.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Kunne ikke hente bilde-URL-en fra JSON-svaret.</translation>
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
        <translation>er et brukervennlig verktøy for redigering av Markdown. Du kan bruke det til å skrive dokumenter, og det støtter blant annet eksport til PDF.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> versjon %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>av Penwick-utviklerne</translation>
    </message>
</context>
</TS>