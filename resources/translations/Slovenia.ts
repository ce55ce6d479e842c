<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="sl">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Upravljanje varnostnih kopij</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Predogled</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Čas ustvarjanja</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Obvestilo</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Ali res želite izbrisati to varnostno kopijo?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Predogled varnostne kopije</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Obnovi</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Citat</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Barva krepkega besedila</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Barva blokov kode</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Ozadje urejevalnika</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Barva naslovov</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Vodoravna črta</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Barva slik</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Vrstična koda</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Barva ležečega besedila</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Barva ključnih besed</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Ozadje številk vrstic</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Barva številk vrstic</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Barva povezav</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Barva seznamov</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Prečrtano</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Barva tabel</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Barva besedila</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Ustvari prazen dokument</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Odpri nazadnje zaprti dokument</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Ohrani pot do slike</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Kopiraj sliko v mapo ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Sistemsko privzeto</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jezik</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Jezik vašega sistema ni podprt, uporabljena bo angleščina.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Navodila za prilagajanje tem</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Kliknite spodnji gumb „Odpri mapo s temami“, da odprete mapo s temami.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Poiščite datoteko .css trenutne teme in jo odprite v Beležnici.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Poiščite ali dodajte ta slog:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = velikost pisave</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = pisava</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Če potrebujete pomoč, nam pišite!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zapri</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Nastavitve</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Splošno</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Videz</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Tema vizualnega urejevalnika</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Tema blokov kode</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Nastavitve teme urejevalnika</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Ob zagonu</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Samodejno varnostno kopiranje</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Prikaži levo stransko vrstico</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Vstavljanje slik</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Povečava</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Povezave datotek</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Omogoči</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Poveži z datotekami .md</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Kako prilagoditi sloge teme vizualnega urejevalnika</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Odpri mapo s temami</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Slog blokov kode</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Oglejte si predstavitev tem CodeMirror</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Nastavitve teme urejevalnika izvorne kode</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Trenutna tema:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiraj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Shrani temo</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Pisava</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Velikost pisave</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Informacija</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Povezovanje ni uspelo: morda so potrebne skrbniške pravice.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Datoteke .md so uspešno povezane!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>Povezava datotek .md je odstranjena.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Povezave ni bilo mogoče odstraniti.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Izberite barvo</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Shranjevanje ni uspelo!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Shranjeno!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Kopiraj temo</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Ime nove teme:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>To ime že obstaja!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Uspešno kopirano!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Želite izbrisati to temo?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Nalagaj oddaljene slike</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Preverjanje črkovanja</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Preverjaj črkovanje med tipkanjem</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Nameščen ni noben slovar: preverjanje črkovanja potrebuje slovar Hunspell (datoteki .dic in .aff) v mapi %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Vstavi hiperpovezavo</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Besedilo:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Povezava:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potrdi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Neveljaven URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Potrditev brisanja</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Ali res želite izbrisati?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Vizualni urejevalnik se je nepričakovano ustavil in je bil znova zagnan. Dokument je bil obnovljen v stanje ob %1; kar je bilo po tem vneseno v vizualni urejevalnik, je izgubljeno.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Vizualni urejevalnik se je nepričakovano ustavil in je bil znova zagnan. Nič ni bilo izgubljeno.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Izvoz ni uspel</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>Vsebina HTML je prazna.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Vsebine HTML ni bilo mogoče razčleniti.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Shrani datoteko Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Datoteke Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Izvoz je uspel</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Datoteka je uspešno shranjena v:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Datoteke ni bilo mogoče shraniti. Preverite dovoljenja.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Povratne informacije</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Povratne informacije po e-pošti</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Povratne informacije na GitHubu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zapri</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Najdi:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>ključna beseda...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Najdi prejšnje</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Najdi naslednje</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Razlikuj velike in male črke</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Zamenjaj z:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Zamenjaj</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Zamenjaj &amp;&amp; najdi</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Zamenjaj vse</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Nastavitve gostovanja slik</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL za nalaganje</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Metoda zahteve</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Polje datoteke</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>Pot do URL-ja v JSON</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Glave zahteve</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Parametri obrazca</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Ključ</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Vrednost</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Upravljanje gostovanja slik</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Urejanje</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Preskusno nalaganje</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL za nalaganje</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Polje datoteke</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>Pot JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potrdi</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Ali res želite izbrisati?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Najprej izberite gostovanje slik.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Slike (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Nalaganje je uspelo</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Nalaganje ni uspelo</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Prijavi težavo na GitHubu</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Vnesite naslov povratne informacije...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Opišite svojo težavo ali predlog...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Pošlji</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Pogovorno okno</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Datoteka</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Izvoz</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Urejanje</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Oblika</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Povečava</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoč</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Orodna vrstica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zapri</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Krepko</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Oštevilčen seznam</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Označen seznam</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Citat</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Vrstična koda</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Vodoravna črta</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Povezava</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Slika</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Odpri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Shrani</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Shrani kot</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Počisti oblikovanje</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Počisti oblikovanje</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Prečrtano</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Vstavi tabelo</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Odstrani povezavo</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Blok kode</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Povratne informacije</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Posodobitve</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Natisni</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Novo okno</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Pomanjšaj</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Povečaj</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Podpri projekt</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Varnostne kopije</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Ponastavi povečavo</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Razveljavi</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Uveljavi</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiraj</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Izreži</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Prilepi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izberi vse</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Najdi</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Zamenjaj</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Naslov 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Naslov 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Naslov 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Naslov 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Naslov 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Naslov 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Odstavek</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Zamik odstavka</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Ležeče</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Prilepi kot navadno besedilo</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Prilepi kot navadno besedilo</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Vstavi vrstico spodaj</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Vstavi vrstico zgoraj</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Vstavi stolpec levo</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Vstavi stolpec desno</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Premakni vrstico gor</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Premakni vrstico dol</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Premakni stolpec levo</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Premakni stolpec desno</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Poravnaj stolpec levo</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Poravnaj stolpec na sredino</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Poravnaj stolpec desno</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Izbriši vrstico</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Izbriši stolpec</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Izbriši tabelo</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Nastavitve</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Gostovanje slik</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Prenesi prenosno različico</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Preveri posodobitve</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Prikaži HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Uradna spletna stran</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Naslov</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Urejevalnik izvorne kode</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Vizualni urejevalnik</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Vnesite iskalne besede...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Krmarjenje</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Izberi mapo</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Datoteke</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Brskalnik datotek</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Nedavno odprto</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Svetla</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Temna</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Modro nebo</translation>
    </message>
    <message>
        <source>word</source>
        <translation>besed</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Kliknite tukaj...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Neimenovano</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Najdi in zamenjaj</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Skrij levo stransko vrstico</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Prikaži levo stransko vrstico</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Varnostna kopija je ustvarjena</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Varnostna kopija je izbrisana</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Obvestilo</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Datoteke %1 ni mogoče odpreti: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Odpri datoteko Markdown</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Shrani datoteko Markdown</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Datoteke %1 ni mogoče shraniti: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Uspešno shranjeno</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Dokumenta ni bilo mogoče prebrati iz vizualnega urejevalnika, zato ni bilo nič zapisano. Poskusite znova čez trenutek.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Povečava %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Kopirano</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Lepljenje</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Nastavitev tabele</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Izvoz je uspel</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Izvoz v %1 ni mogoč: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Urejevalnik ni posredoval dokumenta.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Možnosti izvoza</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Ali želite ustvariti fiksno stransko vrstico s kazalom vsebine za krmarjenje po naslovih?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Izvozi datoteko HTML</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>Datoteka HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Izvozi datoteko Word</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Datoteka Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Izvozi datoteko PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Datoteka PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Strani ni bilo mogoče natisniti.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Tiskanje je uspelo</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Tiskanje ni uspelo</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Ni ujemajočega se besedila!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Vnesite iskano besedilo!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Ni ujemajočega se besedila za zamenjavo!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>Število zamenjav: %1</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Uredi</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Izvozi v Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Opis slike](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Trenutni dokument ni shranjen. Pred lepljenjem slik datoteko najprej shranite.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Izberi mapo</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Posodobitev</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Uporabljate najnovejšo različico. Posodobitev ni potrebna.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Na voljo je posodobitev</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Zaznana je nova različica</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Posodobitvenega programa ni bilo mogoče zagnati: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Pogled</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Varnostna kopija datoteke %1 z dne %2 vsebuje spremembe, ki niso bile nikoli shranjene. Ali jo želite obnoviti?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Kodiranje: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Ali želite shraniti spremembe v datoteki %1?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>Datoteko %1 je po odpiranju ali shranjevanju spremenil drug program. Ali želite prepisati te spremembe?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Dokument vsebuje znake, ki jih kodiranje datoteke (%1) ne podpira. Ali ga želite raje shraniti v kodiranju UTF-8?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>Datoteko %1 je izbrisal ali premaknil drug program.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>Datoteko %1 je spremenil drug program. Ali jo želite znova naložiti in izgubiti neshranjene spremembe?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>Datoteko %1 je spremenil drug program, zato je bila znova naložena.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Ali želite odpreti %1 s programom, ki ga sistem uporablja za to?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Posodobitev ni bilo mogoče preveriti.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>vsebuje bajte NUL, zato ni besedilna datoteka</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Shrani</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Ne shrani</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
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
        <translation>Povezave datotek</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Ali želite ta program nastaviti kot privzeti program za odpiranje datotek .md?
Če izberete „Ne“, lahko to pozneje spremenite v nastavitvah.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Opozorilo</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Privzete povezave ni bilo mogoče nastaviti: morda so potrebne skrbniške pravice ali pa je operacijo preprečil sistemski pravilnik.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Vstavi sliko</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Izberi</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Povezava: (lokalne poti ali spletni naslovi URL)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Izberi sliko</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Slike (*.jpg *.jpeg *.bmp *.png *.gif);;Vse datoteke (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Neveljavna pot do slike</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Ni predlogov</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Dodaj v slovar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Prezri</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Vrstice</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Stolpci</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Nastavitev tabele</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Datoteke ni bilo mogoče odpreti.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Napaka omrežja: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Odgovor ni veljaven objekt JSON.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Iz odgovora JSON ni bilo mogoče pridobiti URL-ja slike.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>je preprosto in dostopno orodje za urejanje Markdowna. Z njim lahko pišete dokumente, podpira pa tudi izvoz v PDF in druge funkcije.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> različica %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>Razvijalci programa Penwick</translation>
    </message>
</context>
</TS>