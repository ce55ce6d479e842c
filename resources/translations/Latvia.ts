<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="lv">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Rezerves kopiju pārvaldība</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Priekšskatījums</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Dzēst</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nosaukums</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Izveides laiks</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Paziņojums</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Vai tiešām vēlaties dzēst šo rezerves kopiju?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Rezerves kopijas priekšskatījums</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Atjaunot</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Citāts</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Treknraksta krāsa</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Koda bloka krāsa</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Redaktora fons</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Virsrakstu krāsa</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Horizontāla līnija</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Attēlu krāsa</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Iekļautais kods</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Slīpraksta krāsa</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Atslēgvārdu krāsa</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Rindu numuru fons</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Rindu numuru krāsa</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Saišu krāsa</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Sarakstu krāsa</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Pārsvītrojums</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Tabulu krāsa</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Teksta krāsa</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Izveidot tukšu dokumentu</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Atvērt pēdējo aizvērto dokumentu</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Saglabāt attēla ceļu</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Kopēt attēlu mapē ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Sistēmas noklusējums</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Valoda</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Jūsu sistēmas valoda netiek atbalstīta, tiks izmantota angļu valoda.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Motīvu pielāgošanas pamācība</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Noklikšķiniet uz zemāk esošās pogas „Atvērt motīvu mapi“, lai atvērtu motīvu mapi.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Atrodiet pašreizējā motīva .css failu un atveriet to ar teksta redaktoru.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Atrodiet vai pievienojiet šo stilu:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = fonta lielums</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = fonts</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Ja jums nepieciešama palīdzība, lūdzu, sūtiet mums atsauksmi!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Aizvērt</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Iestatījumi</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Vispārīgi</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Izskats</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Vizuālā redaktora motīvs</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Koda bloku motīvs</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Redaktora motīva iestatījumi</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Startēšanas opcijas</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Automātiskā rezerves kopēšana</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Rādīt kreiso sānjoslu</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Attēlu kopēšanas veids</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Tālummaiņa</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Failu saistīšana</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Iespējot</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Saistīt ar .md failiem</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Kā pielāgot vizuālā redaktora motīvu stilus</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Atvērt motīvu mapi</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Koda bloku stils</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Skatiet CodeMirror motīvu demonstrāciju</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Pirmkoda redaktora motīva iestatījumi</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Pašreizējais motīvs:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopēt</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Dzēst</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Saglabāt motīvu</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Fonts</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Fonta lielums</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Padoms</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Saistīšana neizdevās: iespējams, nepieciešamas administratora tiesības.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Veiksmīgi saistīts ar .md failiem!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>.md failu saistījums ir noņemts.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Neizdevās noņemt saistījumu.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Izvēlēties krāsu</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Saglabāšana neizdevās!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Saglabāts!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Kopēt motīvu</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Jaunā motīva nosaukums:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Šāds nosaukums jau pastāv!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Veiksmīgi nokopēts!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Dzēst šo motīvu?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Ielādēt attālos attēlus</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Pareizrakstības pārbaude</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Pārbaudīt pareizrakstību rakstīšanas laikā</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Nav instalēta neviena vārdnīca: pareizrakstības pārbaudei vajadzīga Hunspell vārdnīca (.dic un .aff faili) mapē %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Iestatīt hipersaiti</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Teksts:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Saite:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Apstiprināt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Nederīgs URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Dzēšanas apstiprinājums</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Vai tiešām vēlaties dzēst?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Vizuālais redaktors negaidīti apstājās un tika palaists no jauna. Dokuments tika atgūts tāds, kāds tas bija plkst. %1; pēc tam vizuālajā redaktorā ierakstītais ir zaudēts.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Vizuālais redaktors negaidīti apstājās un tika palaists no jauna. Nekas netika zaudēts.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Eksportēšana neizdevās</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML saturs ir tukšs.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Neizdevās parsēt HTML saturu.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Saglabāt Excel failu</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel faili (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Eksportēšana izdevās</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Fails veiksmīgi saglabāts:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Failu nevarēja saglabāt. Lūdzu, pārbaudiet atļaujas.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Atsauksmes</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Atsauksme pa e-pastu</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Atsauksme GitHub vietnē</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Aizvērt</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Meklēt:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>atslēgvārds...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Meklēt iepriekšējo</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Meklēt nākamo</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Reģistrjutīgs</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Aizstāt ar:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Aizstāt</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Aizstāt &amp;&amp; meklēt</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Aizstāt visu</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Attēlu mitināšanas konfigurācija</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nosaukums</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Augšupielādes URL</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Pieprasījuma metode</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Faila lauks</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>URL ceļš JSON datos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Pievienot</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Dzēst</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Pieprasījuma galvenes</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Veidlapas parametri</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Atslēga</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Vērtība</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Attēlu mitināšanas pārvaldnieks</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Pievienot</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediģēt</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Dzēst</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Testa augšupielāde</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nosaukums</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Augšupielādes URL</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Faila lauks</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON ceļš</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Apstiprināt</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Vai tiešām dzēst?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Lūdzu, vispirms izvēlieties attēlu mitināšanas pakalpojumu.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Attēli (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Augšupielāde izdevās</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Augšupielāde neizdevās</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Iesniegt problēmu GitHub vietnē</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Ievadiet atsauksmes virsrakstu...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Aprakstiet savu problēmu vai ieteikumu...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Iesniegt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoglodziņš</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Fails</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportēt</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediģēt</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formāts</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabula</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcijas</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Tālummaiņa</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Palīdzība</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Rīkjosla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Aizvērt</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Treknraksts</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Numurēts saraksts</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Aizzīmju saraksts</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Citāts</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Iekļautais kods</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Horizontāla līnija</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Saite</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Attēls</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Jauns</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Atvērt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Saglabāt</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Par mums</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Saglabāt kā</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Notīrīt formatējumu</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Notīrīt formatējumu</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Pārsvītrojums</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Ievietot tabulu</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Noņemt saiti</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Koda bloks</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Atsauksmes</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Atjauninājumi</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukāt</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Jauns logs</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Tālināt</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Tuvināt</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Ziedot</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Rezerves kopijas</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Atjaunot noklusējuma tālummaiņu</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Atsaukt</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Atcelt atsaukšanu</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopēt</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Izgriezt</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Ielīmēt</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Dzēst</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Atlasīt visu</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Meklēt</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Aizstāt</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Virsraksts 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Virsraksts 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Virsraksts 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Virsraksts 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Virsraksts 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Virsraksts 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Rindkopa</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Rindkopas atkāpe</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Slīpraksts</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Ielīmēt kā vienkāršu tekstu</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Ielīmēt kā vienkāršu tekstu</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Ievietot rindu zemāk</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Ievietot rindu augstāk</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Ievietot kolonnu pa kreisi</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Ievietot kolonnu pa labi</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Pārvietot rindu uz augšu</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Pārvietot rindu uz leju</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Pārvietot kolonnu pa kreisi</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Pārvietot kolonnu pa labi</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Līdzināt kolonnu pa kreisi</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Centrēt kolonnu</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Līdzināt kolonnu pa labi</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Dzēst rindu</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Dzēst kolonnu</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Dzēst tabulu</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Iestatījumi</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Attēlu mitināšanas pakalpojums</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Lejupielādēt pārnēsājamo versiju</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Meklēt atjauninājumus</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Iegūt HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Oficiālā tīmekļa vietne</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Virsraksts</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Pirmkoda redaktors</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Vizuālais redaktors</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Ievadiet meklējamos atslēgvārdus...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigācija</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Izvēlēties mapi</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Faili</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Failu pārlūks</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Nesen atvērtie</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motīvs</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Gaišs</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tumšs</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Zilas debesis</translation>
    </message>
    <message>
        <source>word</source>
        <translation>vārdi</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Lūdzu, noklikšķiniet šeit...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Bez nosaukuma</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Meklēt un aizstāt</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Paslēpt kreiso sānjoslu</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Rādīt kreiso sānjoslu</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Rezerves kopija izveidota</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Rezerves kopija dzēsta</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Paziņojums</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Nevar atvērt failu %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Atvērt Markdown failu</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Saglabāt Markdown failu</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Nevar saglabāt failu %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Veiksmīgi saglabāts</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Dokumentu neizdevās nolasīt no vizuālā redaktora, tāpēc nekas netika ierakstīts. Lūdzu, pēc brīža mēģiniet vēlreiz.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Tālummaiņa: %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Nokopēts</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Ielīmēšana</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Tabulas iestatīšana</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Eksportēšana izdevās</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Nevar eksportēt uz %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Redaktors nenodeva savu dokumentu.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Eksportēšanas opcija</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Vai vēlaties izveidot fiksētu satura rādītāja sānjoslu ar navigāciju pa virsrakstiem?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Eksportēt HTML failu</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML fails (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Eksportēt Word failu</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word fails (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Eksportēt PDF failu</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF fails (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Lapu neizdevās izdrukāt.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Drukāšana izdevās</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Drukāšana neizdevās</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Atbilstošs teksts nav atrasts!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Lūdzu, ievadiet meklējamo tekstu!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Nav atbilstoša teksta, ko aizstāt!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>Aizstāto vienumu skaits: %1</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Rediģēt</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Eksportēt uz Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Pievienot</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Attēla apraksts](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Pašreizējais dokuments nav saglabāts. Pirms attēlu ielīmēšanas, lūdzu, saglabājiet failu.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Izvēlēties direktoriju</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Atjaunināšanas paziņojums</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Jūs jau izmantojat jaunāko versiju. Atjaunināšana nav nepieciešama.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Jaunināšanas paziņojums</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Ir pieejama jauna versija</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Neizdevās palaist atjauninātāju: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Skats</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Faila %1 rezerves kopijā no %2 ir izmaiņas, kas nekad netika saglabātas. Vai to atjaunot?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Kodējums: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Vai vēlaties saglabāt izmaiņas failā %1?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>Kopš faila %1 atvēršanas vai saglabāšanas cita programma to ir mainījusi. Vai pārrakstīt šīs izmaiņas?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Dokumentā ir rakstzīmes, ko nevar attēlot faila kodējumā %1. Vai tā vietā saglabāt to UTF-8 kodējumā?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>Cita programma izdzēsa vai pārvietoja failu %1.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>Cita programma mainīja failu %1. Vai ielādēt to no jauna un zaudēt nesaglabātās izmaiņas?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>Cita programma mainīja failu %1, un tas tika ielādēts no jauna.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Vai atvērt %1 ar programmu, ko sistēma tam izmanto?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Neizdevās pārbaudīt atjauninājumus.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>tas satur NUL baitus, tāpēc tas nav teksta fails</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Jā</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nē</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Saglabāt</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Nesaglabāt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
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
        <translation>Failu saistīšana</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Vai vēlaties iestatīt šo lietotni kā noklusējuma programmu .md failu atvēršanai?
Ja izvēlēsieties „Nē“, to vēlāk varēsiet mainīt iestatījumu izvēlnē.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Brīdinājums</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Neizdevās iestatīt noklusējuma saistījumu: iespējams, nepieciešamas administratora tiesības vai darbību bloķēja sistēmas politika.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Iestatīt attēlu</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Izvēlēties</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Saite: (atbalsta lokālos ceļus vai tīkla URL)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Izvēlēties attēlu</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Attēli (*.jpg *.jpeg *.bmp *.png *.gif);;Visi faili (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Nederīgs attēla ceļš</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Nav ieteikumu</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Pievienot vārdnīcai</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorēt</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Rindas</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolonnas</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Tabulas iestatīšana</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Neizdevās atvērt failu.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Tīkla kļūda: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Atbilde nav derīgs JSON objekts.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Neizdevās iegūt attēla URL no JSON.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Par mums</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>ir viegli pieejams Markdown rediģēšanas rīks. Lietotāji to var izmantot dokumentu rakstīšanai, un tas atbalsta arī eksportēšanu uz PDF un citas funkcijas.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> versija %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>Penwick izstrādātāji</translation>
    </message>
</context>
</TS>