<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="cs">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Správa záloh</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Náhled</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Datum vytvoření</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Upozornění</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Opravdu chcete tuto zálohu odstranit?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Náhled zálohy</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Obnovit</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Citace</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Barva tučného písma</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Barva bloku kódu</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Pozadí editoru</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Barva nadpisů</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Vodorovná čára</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Barva obrázků</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Vložený kód</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Barva kurzívy</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Barva klíčových slov</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Pozadí čísel řádků</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Barva čísel řádků</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Barva odkazů</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Barva seznamů</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Přeškrtnuté</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Barva tabulek</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Barva textu</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Vytvořit prázdný dokument</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Otevřít naposledy zavřený dokument</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Zachovat cestu k obrázku</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Kopírovat obrázek do složky ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Podle systému</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Jazyk vašeho systému není podporován, použije se angličtina.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Návod k úpravě motivů</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Kliknutím na tlačítko „Otevřít složku motivů“ níže otevřete složku s motivy.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Najděte soubor .css aktuálního motivu a otevřete ho v Poznámkovém bloku.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Najděte nebo přidejte tento styl:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = velikost písma</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = písmo</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Pokud potřebujete pomoc, napište nám!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Vzhled</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Motiv vizuálního editoru</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Motiv bloků kódu</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Nastavení motivu editoru</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Po spuštění</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Automatické zálohování</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Zobrazit levý postranní panel</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Vkládání obrázků</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Přiblížení</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Přidružení souborů</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Povolit</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Přidružit soubory .md</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Jak upravit styly motivu vizuálního editoru</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Otevřít složku motivů</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Styl bloků kódu</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Viz ukázky motivů CodeMirror</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Nastavení motivu editoru zdrojového kódu</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Aktuální motiv:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Uložit motiv</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Písmo</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Velikost písma</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Přidružení se nezdařilo: mohou být vyžadována oprávnění správce.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Soubory .md byly úspěšně přidruženy!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>Přidružení souborů .md bylo odebráno.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Přidružení se nepodařilo odebrat.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Vybrat barvu</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Uložení se nezdařilo!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Uloženo!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Kopírovat motiv</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Název nového motivu:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Tento název již existuje!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Úspěšně zkopírováno!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Odstranit tento motiv?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Načítat vzdálené obrázky</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Kontrola pravopisu</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Kontrolovat pravopis při psaní</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Není nainstalován žádný slovník: kontrola pravopisu potřebuje slovník Hunspell (soubory .dic a .aff) ve složce %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Vložit hypertextový odkaz</translation>
    </message>
    <message>
        <source>Text:</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Odkaz:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potvrdit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Neplatná adresa URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Potvrzení odstranění</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Opravdu chcete položku odstranit?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Vizuální editor neočekávaně přestal fungovat a byl znovu spuštěn. Dokument byl obnoven do stavu, v jakém byl v %1; co bylo poté napsáno ve vizuálním editoru, je ztraceno.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Vizuální editor neočekávaně přestal fungovat a byl znovu spuštěn. Nic nebylo ztraceno.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Export se nezdařil</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>Obsah HTML je prázdný.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Obsah HTML se nepodařilo zpracovat.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Uložit soubor Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Soubory Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Export byl úspěšný</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Soubor byl úspěšně uložen do:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Soubor se nepodařilo uložit. Zkontrolujte oprávnění.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Zpětná vazba</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Zpětná vazba e-mailem</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Zpětná vazba přes GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Najít:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>klíčové slovo...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Najít předchozí</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Najít další</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Rozlišovat velikost písmen</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Nahradit za:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Nahradit</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Nahradit &amp;&amp; najít</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Nahradit vše</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Konfigurace hostingu obrázků</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Adresa URL pro nahrání</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Metoda požadavku</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Pole souboru</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>Cesta k URL v JSON</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Hlavičky požadavku</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Parametry formuláře</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klíč</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Hodnota</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Správce hostingu obrázků</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Úpravy</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Zkušební nahrání</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Adresa URL pro nahrání</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Pole souboru</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>Cesta JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potvrdit</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Opravdu odstranit?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Nejprve vyberte hosting obrázků.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Obrázky (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Nahrání bylo úspěšné</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Nahrání se nezdařilo</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Nahlásit problém na GitHubu</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Zadejte název zpětné vazby...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Popište svůj problém nebo návrh...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Odeslat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
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
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Export</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Export</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Úpravy</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formát</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabulka</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Přiblížení</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Panel nástrojů</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Tučné</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Číslovaný seznam</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Seznam s odrážkami</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Citace</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Vložený kód</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Vodorovná čára</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Odkaz</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Obrázek</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Uložit jako</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat formátování</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Vymazat formátování</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Přeškrtnuté</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Vložit tabulku</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Odebrat odkaz</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Blok kódu</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Zpětná vazba</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualizace</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nové okno</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Oddálit</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Přiblížit</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Podpořit projekt</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Zálohy</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Obnovit výchozí přiblížení</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znovu</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Vyjmout</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vybrat vše</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Najít</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Nahradit</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Nadpis 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Nadpis 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Nadpis 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Nadpis 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Nadpis 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Nadpis 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Odstavec</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Odsazení odstavce</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kurzíva</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Vložit jako prostý text</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Vložit jako prostý text</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Vložit řádek pod</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Vložit řádek nad</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Vložit sloupec vlevo</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Vložit sloupec vpravo</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Přesunout řádek nahoru</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Přesunout řádek dolů</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Přesunout sloupec doleva</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Přesunout sloupec doprava</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Zarovnat sloupec doleva</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Zarovnat sloupec na střed</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Zarovnat sloupec doprava</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Odstranit řádek</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Odstranit sloupec</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Odstranit tabulku</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Hosting obrázků</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Stáhnout přenosnou verzi</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Zkontrolovat aktualizace</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Zobrazit HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Oficiální web</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Editor zdrojového kódu</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Vizuální editor</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Zadejte hledaná slova...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigace</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Vybrat složku</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Soubory</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Prohlížeč souborů</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Nedávno otevřené</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motiv</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Světlý</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tmavý</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Modrá obloha</translation>
    </message>
    <message>
        <source>word</source>
        <translation>slov</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Klikněte sem...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Bez názvu</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Najít a nahradit</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Skrýt levý postranní panel</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Zobrazit levý postranní panel</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Záloha vytvořena</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Záloha odstraněna</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Upozornění</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Soubor %1 nelze otevřít: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Otevřít soubor Markdown</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Uložit soubor Markdown</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Soubor %1 nelze uložit: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Úspěšně uloženo</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Dokument se nepodařilo načíst z vizuálního editoru, proto nebylo nic zapsáno. Zkuste to prosím za chvíli znovu.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Přiblížení %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Zkopírováno</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Vložení</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Nastavení tabulky</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Export byl úspěšný</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Export do %1 nelze provést: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Editor nepředal svůj dokument.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Možnosti exportu</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Chcete vytvořit pevný postranní panel s obsahem pro navigaci podle nadpisů?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Exportovat soubor HTML</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>Soubor HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Exportovat soubor Word</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Soubor Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Exportovat soubor PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Soubor PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Stránku se nepodařilo vytisknout.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Tisk byl úspěšný</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Tisk se nezdařil</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Nebyl nalezen žádný odpovídající text!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Zadejte hledaný text!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Žádný odpovídající text k nahrazení!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>Počet nahrazených výskytů: %1</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Exportovat do Excelu</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Popis obrázku](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Aktuální dokument nebyl uložen. Před vkládáním obrázků soubor nejprve uložte.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Vybrat složku</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Aktualizace</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Používáte nejnovější verzi. Aktualizace není potřeba.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Dostupná aktualizace</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Byla nalezena nová verze</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Program pro aktualizaci se nepodařilo spustit: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Zobrazit</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Záloha souboru %1 z %2 obsahuje změny, které nikdy nebyly uloženy. Chcete ji obnovit?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Kódování: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Chcete uložit změny v souboru %1?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>Soubor %1 byl od otevření nebo uložení změněn jiným programem. Chcete tyto změny přepsat?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Dokument obsahuje znaky, které kódování souboru (%1) nedokáže uložit. Chcete jej místo toho uložit v kódování UTF-8?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>Soubor %1 byl jiným programem odstraněn nebo přesunut.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>Soubor %1 byl změněn jiným programem. Chcete jej znovu načíst a přijít o neuložené změny?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>Soubor %1 byl změněn jiným programem a byl znovu načten.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Otevřít %1 v programu, který pro to systém používá?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Aktualizace se nepodařilo zkontrolovat.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>obsahuje bajty NUL, takže nejde o textový soubor</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Neukládat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
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
        <translation>Přidružení souborů</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Chcete tuto aplikaci nastavit jako výchozí program pro otevírání souborů .md?
Pokud zvolíte „Ne“, můžete to později změnit v nastavení.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Výchozí přidružení se nepodařilo nastavit: mohou být vyžadována oprávnění správce nebo operaci zablokovaly zásady systému.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Vložit obrázek</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Odkaz: (místní cesty nebo síťové adresy URL)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Vybrat obrázek</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Obrázky (*.jpg *.jpeg *.bmp *.png *.gif);;Všechny soubory (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Neplatná cesta k obrázku</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Žádné návrhy</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Přidat do slovníku</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorovat</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Řádky</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Sloupce</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Nastavení tabulky</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Soubor se nepodařilo otevřít.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Chyba sítě: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Odpověď není platný objekt JSON.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Z odpovědi JSON se nepodařilo získat adresu URL obrázku.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>je snadno dostupný nástroj pro úpravu Markdownu. Umožňuje psát dokumenty a podporuje také export do PDF a další funkce.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> verze %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>od vývojářů Penwick</translation>
    </message>
</context>
</TS>