<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="sk">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Správa záloh</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Ukážka</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstrániť</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Názov</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Dátum vytvorenia</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Upozornenie</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Naozaj chcete odstrániť túto zálohu?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Ukážka zálohy</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Obnoviť</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Citát</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Farba tučného písma</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Farba bloku kódu</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Pozadie editora</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Farba nadpisov</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Vodorovná čiara</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Farba obrázkov</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Vložený kód</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Farba kurzívy</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Farba kľúčových slov</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Pozadie čísel riadkov</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Farba čísel riadkov</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Farba odkazov</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Farba zoznamov</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Prečiarknuté</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Farba tabuliek</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Farba textu</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Vytvoriť prázdny dokument</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Otvoriť naposledy zatvorený dokument</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Zachovať cestu k obrázku</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Kopírovať obrázok do priečinka ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Podľa systému</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Jazyk vášho systému nie je podporovaný, použije sa angličtina.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Návod na úpravu motívov</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Kliknutím na tlačidlo „Otvoriť priečinok motívov“ nižšie otvorte priečinok s motívmi.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Nájdite súbor .css aktuálneho motívu a otvorte ho v Poznámkovom bloku.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Nájdite alebo pridajte tento štýl:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = veľkosť písma</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = písmo</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Ak potrebujete pomoc, napíšte nám!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Nastavenia</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Všeobecné</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Vzhľad</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Motív vizuálneho editora</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Motív blokov kódu</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Nastavenia motívu editora</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Pri spustení</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Automatické zálohovanie</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Zobraziť ľavý bočný panel</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Vkladanie obrázkov</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Priblíženie</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Priradenie súborov</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Povoliť</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Priradiť súbory .md</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Ako upraviť štýly motívu vizuálneho editora</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Otvoriť priečinok motívov</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Štýl blokov kódu</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Pozrite si ukážky motívov CodeMirror</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Nastavenia motívu editora zdrojového kódu</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Aktuálny motív:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovať</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstrániť</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Uložiť motív</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Písmo</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Veľkosť písma</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Informácia</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Priradenie zlyhalo: môžu byť potrebné oprávnenia správcu.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Súbory .md boli úspešne priradené!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>Priradenie súborov .md bolo odstránené.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Priradenie sa nepodarilo odstrániť.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Vybrať farbu</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Uloženie zlyhalo!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Uložené!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Kopírovať motív</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Názov nového motívu:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Tento názov už existuje!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Úspešne skopírované!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Odstrániť tento motív?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Načítavať vzdialené obrázky</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Kontrola pravopisu</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Kontrolovať pravopis počas písania</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Nie je nainštalovaný žiadny slovník: kontrola pravopisu potrebuje slovník Hunspell (súbory .dic a .aff) v priečinku %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Vložiť odkaz</translation>
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
        <translation>Potvrdiť</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Neplatná adresa URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Potvrdenie odstránenia</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Naozaj chcete položku odstrániť?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Vizuálny editor sa neočakávane ukončil a bol znova spustený. Dokument sa obnovil v stave z %1; text, ktorý ste potom napísali vo vizuálnom editore, sa stratil.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Vizuálny editor sa neočakávane ukončil a bol znova spustený. Nič sa nestratilo.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Export zlyhal</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>Obsah HTML je prázdny.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Obsah HTML sa nepodarilo spracovať.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Uložiť súbor Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Súbory Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Export bol úspešný</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Súbor bol úspešne uložený do:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Súbor sa nepodarilo uložiť. Skontrolujte oprávnenia.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Spätná väzba</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Spätná väzba e-mailom</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Spätná väzba cez GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Nájsť:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>kľúčové slovo...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Nájsť predchádzajúce</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Nájsť ďalšie</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Rozlišovať veľkosť písmen</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Nahradiť za:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Nahradiť</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Nahradiť &amp;&amp; nájsť</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Nahradiť všetko</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Konfigurácia hostingu obrázkov</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Názov</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Adresa URL na odovzdanie</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Metóda požiadavky</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Pole súboru</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>Cesta k URL v JSON</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Pridať</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstrániť</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Hlavičky požiadavky</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Parametre formulára</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Kľúč</translation>
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
        <translation>Správca hostingu obrázkov</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Pridať</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Úpravy</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstrániť</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Skúšobné odovzdanie</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Názov</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Adresa URL na odovzdanie</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Pole súboru</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>Cesta JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potvrdiť</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Naozaj odstrániť?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Najprv vyberte hosting obrázkov.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Obrázky (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Odovzdanie bolo úspešné</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Odovzdanie zlyhalo</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Nahlásiť problém na GitHube</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Zadajte názov spätnej väzby...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Opíšte svoj problém alebo návrh...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Odoslať</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialóg</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Súbor</translation>
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
        <translation>Tabuľka</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Priblíženie</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomocník</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Panel nástrojov</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Tučné</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Číslovaný zoznam</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Zoznam s odrážkami</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Citát</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Vložený kód</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Vodorovná čiara</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Odkaz</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Obrázok</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvoriť</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>O aplikácii</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Uložiť ako</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazať formátovanie</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Vymazať formátovanie</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Prečiarknuté</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Vložiť tabuľku</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Odstrániť odkaz</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Blok kódu</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Spätná väzba</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualizácie</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tlačiť</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nové okno</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Oddialiť</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Priblížiť</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Podporiť projekt</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Zálohy</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Obnoviť predvolené priblíženie</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Späť</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znova</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovať</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Vystrihnúť</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Prilepiť</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstrániť</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vybrať všetko</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Nájsť</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Nahradiť</translation>
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
        <translation>Odsek</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Odsadenie odseku</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kurzíva</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Prilepiť ako obyčajný text</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Prilepiť ako obyčajný text</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Vložiť riadok pod</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Vložiť riadok nad</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Vložiť stĺpec vľavo</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Vložiť stĺpec vpravo</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Presunúť riadok nahor</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Presunúť riadok nadol</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Presunúť stĺpec doľava</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Presunúť stĺpec doprava</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Zarovnať stĺpec doľava</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Zarovnať stĺpec na stred</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Zarovnať stĺpec doprava</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Odstrániť riadok</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Odstrániť stĺpec</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Odstrániť tabuľku</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Nastavenia</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Hosting obrázkov</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Stiahnuť prenosnú verziu</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Skontrolovať aktualizácie</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Zobraziť HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Oficiálna webová stránka</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Názov</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Editor zdrojového kódu</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Vizuálny editor</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Zadajte hľadané slová...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigácia</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Vybrať priečinok</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Súbory</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Prehliadač súborov</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Nedávno otvorené</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motív</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Svetlý</translation>
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
        <translation>Kliknite sem...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Bez názvu</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Nájsť a nahradiť</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Skryť ľavý bočný panel</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Zobraziť ľavý bočný panel</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Záloha vytvorená</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Záloha odstránená</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Upozornenie</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Súbor %1 sa nedá otvoriť: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Otvoriť súbor Markdown</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Uložiť súbor Markdown</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Súbor %1 sa nedá uložiť: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Úspešne uložené</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Dokument sa nepodarilo načítať z vizuálneho editora, preto sa nič nezapísalo. Skúste to o chvíľu znova.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Priblíženie %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Skopírované</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Prilepenie</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Nastavenie tabuľky</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Export bol úspešný</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Export do %1 nie je možný: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Editor neodovzdal svoj dokument.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Možnosti exportu</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Chcete vytvoriť pevný bočný panel s obsahom na navigáciu podľa nadpisov?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Exportovať súbor HTML</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>Súbor HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Exportovať súbor Word</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Súbor Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Exportovať súbor PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Súbor PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Stránku sa nepodarilo vytlačiť.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Tlač bola úspešná</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Tlač zlyhala</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Nenašiel sa žiadny zodpovedajúci text!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Zadajte hľadaný text!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Žiadny zodpovedajúci text na nahradenie!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>Počet nahradených výskytov: %1</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Upraviť</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Exportovať do Excelu</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Pridať</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Popis obrázka](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Aktuálny dokument nie je uložený. Pred vkladaním obrázkov súbor najprv uložte.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Vybrať priečinok</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Aktualizácia</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Používate najnovšiu verziu. Aktualizácia nie je potrebná.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Dostupná aktualizácia</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Zistila sa nová verzia</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Program na aktualizáciu sa nepodarilo spustiť: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Zobraziť</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Záloha súboru %1 z %2 obsahuje zmeny, ktoré neboli nikdy uložené. Chcete ju obnoviť?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Kódovanie: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Chcete uložiť zmeny v súbore %1?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>Súbor %1 bol od otvorenia alebo uloženia zmenený iným programom. Chcete tieto zmeny prepísať?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Dokument obsahuje znaky, ktoré kódovanie súboru (%1) nedokáže uložiť. Chcete ho namiesto toho uložiť v kódovaní UTF-8?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>Súbor %1 bol odstránený alebo presunutý iným programom.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>Súbor %1 bol zmenený iným programom. Chcete ho znova načítať a prísť o neuložené zmeny?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>Súbor %1 bol zmenený iným programom a bol znova načítaný.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Otvoriť %1 v programe, ktorý na to systém používa?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Aktualizácie sa nepodarilo skontrolovať.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>obsahuje bajty NUL, takže nejde o textový súbor</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Áno</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Neukladať</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
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
        <translation>Priradenie súborov</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Chcete nastaviť túto aplikáciu ako predvolený program na otváranie súborov .md?
Ak zvolíte „Nie“, môžete to neskôr zmeniť v nastaveniach.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varovanie</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Predvolené priradenie sa nepodarilo nastaviť: môžu byť potrebné oprávnenia správcu alebo operáciu zablokovala systémová politika.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Vložiť obrázok</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Vybrať</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Odkaz: (miestne cesty alebo sieťové adresy URL)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Vybrať obrázok</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Obrázky (*.jpg *.jpeg *.bmp *.png *.gif);;Všetky súbory (*.*)</translation>
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
        <translation>Žiadne návrhy</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Pridať do slovníka</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorovať</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Riadky</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Stĺpce</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Nastavenie tabuľky</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Súbor sa nepodarilo otvoriť.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Chyba siete: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Odpoveď nie je platný objekt JSON.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Z odpovede JSON sa nepodarilo získať adresu URL obrázka.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>O aplikácii</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>je ľahko dostupný nástroj na úpravu Markdownu. Umožňuje písať dokumenty a podporuje aj export do PDF a ďalšie funkcie.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> verzia %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>od vývojárov Penwick</translation>
    </message>
</context>
</TS>