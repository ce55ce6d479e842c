<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="et">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Varukoopiate haldus</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Eelvaade</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Kustuta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Loomise aeg</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Teade</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Kas soovite kindlasti selle varukoopia kustutada?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Varukoopia eelvaade</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Taasta</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Tsitaadiplokk</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Paksu kirja värv</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Koodiploki värv</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Redaktori taust</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Pealkirjade värv</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Horisontaaljoon</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Piltide värv</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Reasisene kood</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Kaldkirja värv</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Võtmesõnade värv</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Reanumbrite taust</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Reanumbrite värv</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Linkide värv</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Loendite värv</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Läbikriipsutus</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Tabelite värv</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Teksti värv</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Loo tühi dokument</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Ava viimati suletud dokument</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Säilita pildi tee</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Kopeeri pilt kausta ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Süsteemi vaikesäte</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Keel</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Teie süsteemi keelt ei toetata, kasutatakse inglise keelt.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Teemade muutmise juhend</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Teemade kausta avamiseks klõpsake allpool nuppu „Ava teemakaust“.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Leidke oma praeguse teema .css-fail ja avage see Märkmikus.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Leidke või lisage see stiil:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = fondi suurus</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = font</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Kui vajate abi, saatke meile tagasisidet!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sule</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Sätted</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Üldine</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Välimus</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Visuaalse redaktori teema</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Koodiplokkide teema</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Redaktori teema</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Käivitussuvandid</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Automaatne varundamine</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Kuva vasak külgriba</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Piltide käsitlemine</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Suum</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Failiseos</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Luba</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Seosta .md-failidega</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Kuidas kohandada visuaalse redaktori teemasid</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Ava teemakaust</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Koodiploki stiil</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Vaadake CodeMirrori teemade demo</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Lähtekoodiredaktori teema</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Praegune teema:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopeeri</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Kustuta</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Salvesta teema</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Fondi suurus</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Nõuanne</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Seostamine nurjus: võib olla vaja administraatoriõigusi.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Seostatud .md-failidega!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>.md-failide seos eemaldati.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Seost ei õnnestunud eemaldada.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Vali värv</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Salvestamine nurjus!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Salvestatud!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Kopeeri teema</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Uue teema nimi:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>See nimi on juba olemas!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Kopeeritud!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Kas kustutada see teema?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Laadi kaugpildid</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Õigekirjakontroll</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Kontrolli õigekirja kirjutamise ajal</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Ühtegi sõnastikku pole paigaldatud: õigekirjakontroll vajab Hunspelli sõnastikku (.dic- ja .aff-failid) kaustas %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Määra hüperlink</translation>
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
        <translation>Kinnita</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Vigane URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Kustutamise kinnitus</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Kas soovite kindlasti kustutada?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Visuaalne redaktor lõpetas ootamatult töö ja käivitati uuesti. Dokument taastati olekusse, milles see oli kell %1; see, mis visuaalses redaktoris pärast seda trükiti, on kadunud.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Visuaalne redaktor lõpetas ootamatult töö ja käivitati uuesti. Midagi ei läinud kaotsi.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Eksport nurjus</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML-sisu on tühi.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>HTML-sisu sõelumine nurjus.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Salvesta Exceli fail</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Exceli failid (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Eksport õnnestus</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Fail salvestati asukohta:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Faili ei saanud salvestada. Kontrollige õigusi.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Tagasiside</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Tagasiside e-postiga</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Tagasiside GitHubis</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sule</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Otsi:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>otsisõna...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Otsi eelmist</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Otsi järgmist</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Tõstutundlik</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Asenda tekstiga:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Asenda</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Asenda &amp;&amp; otsi</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Asenda kõik</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Pildimajutuse sätted</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Üleslaadimise URL</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Päringu meetod</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Failiväli</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>URL-i JSON-tee</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lisa</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Kustuta</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Päringu päised</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Vormi parameetrid</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Võti</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Väärtus</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Pildimajutuste haldur</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lisa</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Redigeeri</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Kustuta</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Testi üleslaadimist</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Üleslaadimise URL</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Failiväli</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON-tee</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Kinnita</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Kas soovite kindlasti kustutada?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Valige esmalt pildimajutus.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Pildid (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Üleslaadimine õnnestus</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Üleslaadimine nurjus</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Esita probleem GitHubis</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Sisestage tagasiside pealkiri...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Kirjeldage oma probleemi või ettepanekut...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Saada</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoog</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Ekspordi</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Redigeeri</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Vorming</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Suvandid</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Suum</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Abi</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Tööriistariba</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sule</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Paks</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Nummerdatud loend</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Täpploend</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Tsitaat</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Reasisene kood</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Horisontaaljoon</translation>
    </message>
    <message>
        <source>Link</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Link</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Pilt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Uus</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ava</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvesta</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Meist</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvesta nimega</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Eemalda vorming</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Eemalda vorming</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Läbikriipsutus</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Lisa tabel</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Eemalda link</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Koodiplokk</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Tagasiside</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Värskendused</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Prindi</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Uus aken</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Vähenda</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Suurenda</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Anneta</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Varukoopiad</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Taasta vaikesuum</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Võta tagasi</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Tee uuesti</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopeeri</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Lõika</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Kleebi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Kustuta</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vali kõik</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Otsi</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Asenda</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Pealkiri 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Pealkiri 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Pealkiri 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Pealkiri 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Pealkiri 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Pealkiri 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Lõik</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Lõigu taane</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiiv</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Kleebi lihttekstina</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Kleebi lihttekstina</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Lisa rida allapoole</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Lisa rida ülespoole</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Lisa veerg vasakule</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Lisa veerg paremale</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Teisalda rida üles</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Teisalda rida alla</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Teisalda veerg vasakule</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Teisalda veerg paremale</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Joonda veerg vasakule</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Joonda veerg keskele</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Joonda veerg paremale</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Kustuta rida</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Kustuta veerg</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Kustuta tabel</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Sätted</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Pildimajutusteenus</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Laadi alla kaasaskantav versioon</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Otsi värskendusi</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Kuva HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Ametlik veebisait</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Pealkiri</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Lähtekoodiredaktor</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Visuaalne redaktor</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Sisestage otsisõnad...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigeerimine</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Vali kaust</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Failid</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Failibrauser</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Hiljuti avatud</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Teema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hele</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tume</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Taevasinine</translation>
    </message>
    <message>
        <source>word</source>
        <translation>sõna</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Klõpsake siia...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Nimetu</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Otsi &amp; asenda</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Peida vasak külgriba</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Kuva vasak külgriba</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Varukoopia loodi</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Varukoopia kustutati</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Teade</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Faili %1 ei saa avada: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Ava Markdown-fail</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Salvesta Markdown-fail</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Faili %1 ei saa salvestada: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Salvestamine õnnestus</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Dokumenti ei õnnestunud visuaalsest redaktorist lugeda, seega ei kirjutatud midagi. Proovige hetke pärast uuesti.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Suum %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Kopeeritud</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Kleepimine</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Tabeli seadistamine</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Eksport õnnestus</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Ei saa eksportida asukohta %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Redaktor ei andnud oma dokumenti üle.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Ekspordisuvand</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Kas soovite luua fikseeritud sisukorraga külgriba, mille kaudu saab pealkirjade vahel liikuda?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Ekspordi HTML-fail</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML-fail (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Ekspordi Wordi fail</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Wordi fail (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Ekspordi PDF-fail</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-fail (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Lehte ei saanud printida.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Printimine õnnestus</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Printimine nurjus</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Sobivat teksti ei leitud!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Sisestage otsitav tekst!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Asendatavat teksti ei leitud!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>Asendati %1 esinemist!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Muuda</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Ekspordi Excelisse</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lisa</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Pildi kirjeldus](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Praegune dokument pole salvestatud. Enne piltide kleepimist salvestage fail.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Vali kaust</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Värskendusteade</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Kasutate juba uusimat versiooni. Värskendamine pole vajalik.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Uus versioon</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Leiti uus versioon</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Värskendusprogrammi ei saanud käivitada: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vaade</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Faili %1 varukoopia ajast %2 sisaldab muudatusi, mida pole kunagi salvestatud. Kas soovite selle taastada?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Kodeering: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Kas soovite faili %1 muudatused salvestada?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>Mõni teine programm on faili %1 pärast selle avamist või salvestamist muutnud. Kas soovite need muudatused üle kirjutada?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Dokument sisaldab märke, mida faili kodeering %1 ei toeta. Kas soovite selle hoopis UTF-8 kodeeringus salvestada?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>Mõni teine programm on faili %1 kustutanud või teisaldanud.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>Mõni teine programm on faili %1 muutnud. Kas soovite selle uuesti laadida ja salvestamata muudatustest loobuda?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>Mõni teine programm on faili %1 muutnud ja fail laaditi uuesti.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Kas avada %1 programmiga, mida süsteem selleks kasutab?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Uuendusi ei õnnestunud kontrollida.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>see sisaldab NUL-baite, seega pole see tekstifail</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Jah</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvesta</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Ära salvesta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
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
        <translation>Failiseos</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Kas soovite määrata selle rakenduse .md-failide avamise vaikeprogrammiks?
Kui valite „Ei“, saate seda hiljem sätetes muuta.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Hoiatus</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Vaikeseose määramine nurjus: võib olla vaja administraatoriõigusi või blokeeris toimingu süsteemipoliitika.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Määra pilt</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Vali</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Link: (toetab kohalikke teid ja veebiaadresse)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Vali pilt</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Pildid (*.jpg *.jpeg *.bmp *.png *.gif);;Kõik failid (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Vigane pildi tee</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Soovitusi pole</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Lisa sõnastikku</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Eira</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Veerud</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Tabeli seadistamine</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Faili avamine nurjus.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Võrgutõrge: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Vastus pole kehtiv JSON-objekt.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Pildi URL-i sõelumine JSON-ist nurjus.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Meist</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>on hõlpsasti kasutatav Markdowni redigeerimistööriist. Sellega saab kirjutada dokumente ning see toetab muu hulgas PDF-i eksportimist.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> versioon %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>Penwicki arendajatelt</translation>
    </message>
</context>
</TS>