<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="lt">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Atsarginių kopijų tvarkymas</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Peržiūra</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Šalinti</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Pavadinimas</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Sukūrimo laikas</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Pranešimas</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Ar tikrai norite pašalinti šią atsarginę kopiją?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Atsarginės kopijos peržiūra</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Atkurti</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Citata</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Pusjuodžio teksto spalva</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Kodo bloko spalva</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Rengyklės fonas</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Antraščių spalva</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Horizontali linija</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Paveikslėlių spalva</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Įterptinis kodas</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Kursyvo spalva</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Raktažodžių spalva</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Eilučių numerių fonas</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Eilučių numerių spalva</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Saitų spalva</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Sąrašų spalva</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Perbraukimas</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Lentelių spalva</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Teksto spalva</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Sukurti tuščią dokumentą</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Atverti paskutinį uždarytą dokumentą</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Palikti paveikslėlio kelią</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Kopijuoti paveikslėlį į aplanką ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Sistemos numatytoji</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kalba</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Jūsų sistemos kalba nepalaikoma, bus naudojama anglų kalba.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Temų tinkinimo vadovas</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Spustelėkite toliau esantį mygtuką „Atverti temų aplanką“, kad atvertumėte temų katalogą.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Raskite dabartinės temos .css failą ir atverkite jį teksto rengykle.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Raskite arba pridėkite šį stilių:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = šrifto dydis</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = šriftas</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Jei reikia pagalbos, parašykite mums atsiliepimą!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Uždaryti</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Nuostatos</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Bendrosios</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Išvaizda</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Vaizdinės rengyklės tema</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Kodo blokų tema</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Rengyklės temos nuostatos</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Paleidimo parinktys</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Automatinis atsarginis kopijavimas</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Rodyti kairįjį šoninį skydelį</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Paveikslėlių kopijavimo būdas</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Mastelis</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Failų susiejimas</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Įjungti</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Susieti su .md failais</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Kaip tinkinti vaizdinės rengyklės temų stilius</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Atverti temų aplanką</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Kodo blokų stilius</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Žr. CodeMirror temų demonstraciją</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Išeities kodo rengyklės temos nuostatos</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Dabartinė tema:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopijuoti</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Šalinti</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Įrašyti temą</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Šriftas</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Šrifto dydis</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Patarimas</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Susieti nepavyko: gali reikėti administratoriaus teisių.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Sėkmingai susieta su .md failais!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>.md failų susiejimas pašalintas.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Nepavyko pašalinti susiejimo.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Parinkti spalvą</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Įrašyti nepavyko!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Įrašyta!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Kopijuoti temą</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Naujos temos pavadinimas:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Toks pavadinimas jau yra!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Sėkmingai nukopijuota!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Šalinti šią temą?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Įkelti nuotolinius paveikslėlius</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Rašybos tikrinimas</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Tikrinti rašybą rašant</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Neįdiegtas joks rašybos žodynas: rašybos tikrinimui reikia Hunspell žodyno (.dic ir .aff failų) aplanke %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Nustatyti hipersaitą</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Tekstas:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Saitas:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Patvirtinti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atsisakyti</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Neteisingas URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Šalinimo patvirtinimas</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Ar tikrai norite šalinti?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Vaizdinė rengyklė netikėtai sustojo ir buvo paleista iš naujo. Dokumentas atkurtas toks, koks buvo %1; tai, kas po to buvo surinkta vaizdinėje rengyklėje, prarasta.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Vaizdinė rengyklė netikėtai sustojo ir buvo paleista iš naujo. Niekas neprarasta.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Eksportuoti nepavyko</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML turinys tuščias.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Nepavyko išanalizuoti HTML turinio.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Įrašyti Excel failą</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel failai (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Eksportuota sėkmingai</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Failas sėkmingai įrašytas:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Nepavyko įrašyti failo. Patikrinkite teises.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Atsiliepimai</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Atsiliepimas el. paštu</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Atsiliepimas per GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Uždaryti</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Ieškoti:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>raktažodis...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Ieškoti ankstesnio</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Ieškoti kito</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Skirti didžiąsias ir mažąsias raides</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Pakeisti į:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Pakeisti</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Pakeisti &amp;&amp; ieškoti</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Pakeisti visus</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Paveikslėlių talpyklos konfigūracija</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Pavadinimas</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Įkėlimo URL</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Užklausos metodas</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Failo laukas</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>URL kelias JSON duomenyse</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Pridėti</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Šalinti</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Užklausos antraštės</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Formos parametrai</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atsisakyti</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Raktas</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Reikšmė</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Paveikslėlių talpyklų tvarkytuvė</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Pridėti</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Taisa</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Šalinti</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Bandomasis įkėlimas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Pavadinimas</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Įkėlimo URL</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Failo laukas</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON kelias</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Patvirtinti</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Ar tikrai šalinti?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Pirmiausia pasirinkite paveikslėlių talpyklą.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Paveikslėliai (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Įkelta sėkmingai</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Įkelti nepavyko</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Pranešti apie problemą per GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Įveskite atsiliepimo pavadinimą...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Aprašykite savo problemą arba pasiūlymą...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Pateikti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atsisakyti</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogas</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Failas</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuoti</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Taisa</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formatas</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Lentelė</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Parinktys</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Mastelis</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Žinynas</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Įrankių juosta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Uždaryti</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Pusjuodis</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Numeruotas sąrašas</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Ženklintas sąrašas</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Citata</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Įterptinis kodas</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Horizontali linija</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Saitas</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Paveikslėlis</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Naujas</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Atverti</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Įrašyti</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Apie mus</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Įrašyti kaip</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Valyti formatavimą</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Valyti formatavimą</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Perbraukimas</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Įterpti lentelę</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Šalinti saitą</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Kodo blokas</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Atsiliepimai</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Naujinimai</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Spausdinti</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Naujas langas</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Mažinti mastelį</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Didinti mastelį</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Paremti</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Atsarginės kopijos</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Atkurti numatytąjį mastelį</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Atšaukti</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Grąžinti</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopijuoti</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Iškirpti</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Įdėti</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Šalinti</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Žymėti viską</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Ieškoti</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Pakeisti</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Antraštė 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Antraštė 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Antraštė 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Antraštė 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Antraštė 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Antraštė 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Pastraipa</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Pastraipos įtrauka</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursyvas</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Įdėti kaip paprastą tekstą</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Įdėti kaip paprastą tekstą</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Įterpti eilutę žemiau</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Įterpti eilutę aukščiau</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Įterpti stulpelį kairėje</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Įterpti stulpelį dešinėje</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Perkelti eilutę aukštyn</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Perkelti eilutę žemyn</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Perkelti stulpelį kairėn</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Perkelti stulpelį dešinėn</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Lygiuoti stulpelį kairėje</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Centruoti stulpelį</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Lygiuoti stulpelį dešinėje</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Šalinti eilutę</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Šalinti stulpelį</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Šalinti lentelę</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Nuostatos</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Paveikslėlių talpinimo paslauga</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Atsisiųsti perkeliamąją versiją</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Ieškoti naujinimų</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Gauti HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Oficiali svetainė</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Pavadinimas</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Išeities kodo rengyklė</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Vaizdinė rengyklė</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Įveskite paieškos raktažodžius...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Naršymas</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Parinkti aplanką</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Failai</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Failų naršyklė</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Neseniai atverti</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Šviesi</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tamsi</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Žydras dangus</translation>
    </message>
    <message>
        <source>word</source>
        <translation>žodžiai</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Spustelėkite čia...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Be pavadinimo</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Ieškoti ir pakeisti</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Slėpti kairįjį šoninį skydelį</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Rodyti kairįjį šoninį skydelį</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Atsarginė kopija sukurta</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Atsarginė kopija pašalinta</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Pranešimas</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Nepavyko atverti failo %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Atverti Markdown failą</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Įrašyti Markdown failą</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Nepavyko įrašyti failo %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Sėkmingai įrašyta</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Nepavyko nuskaityti dokumento iš vaizdinės rengyklės, todėl niekas nebuvo įrašyta. Po akimirkos bandykite dar kartą.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Mastelis: %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Nukopijuota</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Įdėjimas</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Lentelės sąranka</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Eksportuota sėkmingai</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Nepavyko eksportuoti į %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Rengyklė nepateikė savo dokumento.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Eksporto parinktis</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Ar norite sugeneruoti fiksuotą turinio šoninį skydelį su naršymu pagal antraštes?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Eksportuoti HTML failą</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML failas (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Eksportuoti Word failą</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word failas (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Eksportuoti PDF failą</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF failas (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Puslapio išspausdinti nepavyko.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Išspausdinta sėkmingai</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Spausdinti nepavyko</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Atitinkančio teksto nerasta!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Įveskite ieškomą tekstą!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Nėra atitinkančio teksto, kurį būtų galima pakeisti!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>Pakeista atitikmenų: %1</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Keisti</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Eksportuoti į Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Pridėti</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Paveikslėlio aprašas](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Dabartinis dokumentas neįrašytas. Prieš įdėdami paveikslėlius, pirmiausia įrašykite failą.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Parinkti katalogą</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Pranešimas apie naujinimą</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Naudojate naujausią versiją. Naujinti nereikia.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Pranešimas apie naują versiją</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Rasta nauja versija</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Nepavyko paleisti naujinimo programos: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Rodymas</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Failo %1 atsarginėje kopijoje (%2) yra pakeitimų, kurie niekada nebuvo įrašyti. Ar ją atkurti?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Koduotė: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Ar norite įrašyti failo %1 pakeitimus?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>Failą %1 pakeitė kita programa po to, kai jis buvo atvertas ar įrašytas. Ar perrašyti tuos pakeitimus?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Dokumente yra simbolių, kurių failo koduotė %1 negali pateikti. Ar vietoj to įrašyti dokumentą UTF-8 koduote?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>Failą %1 pašalino arba perkėlė kita programa.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>Failą %1 pakeitė kita programa. Ar įkelti jį iš naujo ir prarasti neįrašytus pakeitimus?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>Failą %1 pakeitė kita programa, todėl jis įkeltas iš naujo.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Atidaryti %1 programa, kurią tam naudoja sistema?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Nepavyko patikrinti naujinimų.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>jame yra NUL baitų, todėl tai nėra tekstinis failas</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Taip</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Įrašyti</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Neįrašyti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atsisakyti</translation>
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
        <translation>Failų susiejimas</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Ar norite nustatyti šią programą kaip numatytąją .md failams atverti?
Jei pasirinksite „Ne“, vėliau tai galėsite pakeisti nuostatų meniu.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Įspėjimas</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Nepavyko nustatyti numatytojo susiejimo: gali reikėti administratoriaus teisių arba operaciją užblokavo sistemos strategija.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Nustatyti paveikslėlį</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Parinkti</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Saitas: (palaikomi vietiniai keliai arba tinklo URL)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atsisakyti</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Parinkti paveikslėlį</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Paveikslėliai (*.jpg *.jpeg *.bmp *.png *.gif);;Visi failai (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Neteisingas paveikslėlio kelias</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Pasiūlymų nėra</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Įtraukti į žodyną</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Nepaisyti</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Eilutės</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Stulpeliai</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Lentelės sąranka</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Nepavyko atverti failo.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Tinklo klaida: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Atsakymas nėra tinkamas JSON objektas.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Nepavyko iš JSON nuskaityti paveikslėlio URL.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Apie mus</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>yra lengvai prieinama Markdown redagavimo priemonė. Ja galima rašyti dokumentus, be to, ji palaiko eksportavimą į PDF ir kitas funkcijas.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> versija %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>Penwick kūrėjai</translation>
    </message>
</context>
</TS>