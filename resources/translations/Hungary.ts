<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="hu">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Biztonsági mentések kezelése</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Előnézet</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Létrehozás ideje</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Értesítés</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Biztosan törli ezt a biztonsági mentést?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Biztonsági mentés előnézete</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Visszaállítás</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Idézetblokk</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Félkövér szöveg színe</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Kódblokk színe</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Szerkesztő háttere</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Címsorok színe</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Vízszintes vonal</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Képek színe</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Soron belüli kód</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Dőlt szöveg színe</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Kulcsszavak színe</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Sorszámok háttere</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Sorszámok színe</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Hivatkozások színe</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Listák színe</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Áthúzás</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Táblázatok színe</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Szöveg színe</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Üres dokumentum létrehozása</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>A legutóbb bezárt dokumentum megnyitása</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Kép elérési útjának megtartása</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Kép másolása a ./${filename}.assets mappába</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Rendszer alapértelmezése</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>A rendszer nyelve nem támogatott, ezért a program angol nyelven jelenik meg.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Útmutató a témák módosításához</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Kattintson az alábbi „Témamappa megnyitása” gombra a témakönyvtár megnyitásához.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Keresse meg az aktuális téma .css fájlját, és nyissa meg egy szövegszerkesztővel.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Keresse meg vagy adja hozzá ezt a stílust:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = betűméret</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = betűtípus</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Ha segítségre van szüksége, küldjön nekünk visszajelzést!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Általános</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Megjelenés</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Vizuális szerkesztő témája</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Kódblokkok témája</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Szerkesztő témabeállításai</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Indítási beállítások</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Automatikus biztonsági mentés</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Bal oldalsáv megjelenítése</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Képek másolásának módja</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Nagyítás</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Fájltársítás</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Engedélyezés</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Társítás a .md fájlokkal</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>A vizuális szerkesztő témastílusainak testreszabása</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Témamappa megnyitása</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Kódblokkok stílusa</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Lásd a CodeMirror témabemutatóját</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Forráskód-szerkesztő témabeállításai</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Aktuális téma:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Másolás</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Téma mentése</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Betűtípus</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Betűméret</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>A társítás sikertelen: rendszergazdai jogosultság szükséges lehet.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>A .md fájlok társítása sikerült!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>A .md fájlok társítása eltávolítva.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Nem sikerült eltávolítani a társítást.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Szín kiválasztása</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>A mentés sikertelen!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Mentve!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Téma másolása</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Az új téma neve:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Ez a név már létezik!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Sikeres másolás!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Törli ezt a témát?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Távoli képek betöltése</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Helyesírás-ellenőrzés</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Helyesírás ellenőrzése gépelés közben</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Nincs telepítve helyesírási szótár: a helyesírás-ellenőrzéshez Hunspell-szótár (.dic és .aff fájl) kell ide: %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Hivatkozás beállítása</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Szöveg:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Hivatkozás:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Megerősítés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Érvénytelen URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Törlés megerősítése</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Biztosan törölni szeretné?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>A Vizuális szerkesztő váratlanul leállt, és újraindult. A program a dokumentumot a %1-kori állapotában állította helyre; a Vizuális szerkesztőben ezt követően beírt szöveg elveszett.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>A Vizuális szerkesztő váratlanul leállt, és újraindult. Semmi sem veszett el.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Sikertelen exportálás</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>A HTML-tartalom üres.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Nem sikerült feldolgozni a HTML-tartalmat.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Excel-fájl mentése</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel-fájlok (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Sikeres exportálás</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>A fájl mentése sikerült ide:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Nem sikerült menteni a fájlt. Ellenőrizze a jogosultságokat.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Visszajelzés</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Visszajelzés e-mailben</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Visszajelzés a GitHubon</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Keresés:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>kulcsszó...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Előző keresése</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Következő keresése</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Kis- és nagybetűk megkülönböztetése</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Csere erre:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Csere</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Csere &amp;&amp; keresés</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Összes cseréje</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Képtárhely beállításai</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Feltöltési URL</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Kérési metódus</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Fájlmező</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>Az URL JSON-útvonala</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hozzáadás</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Kérésfejlécek</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Űrlapparaméterek</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Kulcs</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Érték</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Képtárhelyek kezelése</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hozzáadás</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Szerkesztés</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Próbafeltöltés</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Feltöltési URL</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Fájlmező</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON-útvonal</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Megerősítés</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Biztosan törli?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Először válasszon képtárhelyet.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Képek (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Sikeres feltöltés</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Sikertelen feltöltés</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Hibajegy beküldése a GitHubon</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Adja meg a visszajelzés címét...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Írja le a problémáját vagy javaslatát...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Beküldés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Párbeszédablak</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Fájl</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportálás</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Szerkesztés</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formátum</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Táblázat</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Nagyítás</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Eszköztár</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Félkövér</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Számozott lista</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Felsorolás</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Idézet</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Soron belüli kód</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Vízszintes vonal</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Hivatkozás</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Kép</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Új</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Megnyitás</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Rólunk</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Mentés másként</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Formázás törlése</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Formázás törlése</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Áthúzás</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Táblázat beszúrása</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Hivatkozás eltávolítása</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Kódblokk</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Visszajelzés</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Frissítések</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Nyomtatás</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Új ablak</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Kicsinyítés</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Nagyítás</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Adományozás</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Biztonsági mentések</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Alapértelmezett nagyítás visszaállítása</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Visszavonás</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Mégis</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Másolás</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Kivágás</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Beillesztés</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Összes kijelölése</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Keresés</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Csere</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Címsor 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Címsor 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Címsor 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Címsor 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Címsor 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Címsor 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Bekezdés</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Bekezdés behúzása</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Dőlt</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Beillesztés egyszerű szövegként</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Beillesztés egyszerű szövegként</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Sor beszúrása alá</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Sor beszúrása fölé</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Oszlop beszúrása balra</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Oszlop beszúrása jobbra</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Sor mozgatása felfelé</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Sor mozgatása lefelé</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Oszlop mozgatása balra</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Oszlop mozgatása jobbra</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Oszlop balra igazítása</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Oszlop középre igazítása</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Oszlop jobbra igazítása</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Sor törlése</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Oszlop törlése</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Táblázat törlése</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Képtárhely-szolgáltatás</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Hordozható verzió letöltése</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Frissítések keresése</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>HTML lekérése</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Hivatalos webhely</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Cím</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Forráskód-szerkesztő</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Vizuális szerkesztő</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Adja meg a keresendő kulcsszavakat...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigáció</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Mappa kiválasztása</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fájlok</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Fájlböngésző</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Legutóbb megnyitott</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Téma</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Világos</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sötét</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Égszínkék</translation>
    </message>
    <message>
        <source>word</source>
        <translation>szó</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Kattintson ide...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Névtelen</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Keresés és csere</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Bal oldalsáv elrejtése</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Bal oldalsáv megjelenítése</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Sikeres biztonsági mentés</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Biztonsági mentés törölve</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Értesítés</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>A(z) %1 fájl nem nyitható meg: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Markdown-fájl megnyitása</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Markdown-fájl mentése</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>A(z) %1 fájl nem menthető: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Sikeres mentés</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>A dokumentumot nem sikerült beolvasni a vizuális szerkesztőből, ezért semmi sem lett kiírva. Próbálja újra egy kis idő múlva.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Nagyítás: %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Sikeres másolás</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Beillesztés</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Táblázat beállítása</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Sikeres exportálás</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Az exportálás sikertelen (%1): %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>A szerkesztő nem adta át a dokumentumát.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Exportálási beállítás</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Szeretne rögzített tartalomjegyzék-oldalsávot létrehozni a címsorok közötti navigációhoz?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>HTML-fájl exportálása</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML-fájl (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Word-fájl exportálása</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word-fájl (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>PDF-fájl exportálása</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-fájl (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Az oldalt nem sikerült kinyomtatni.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Sikeres nyomtatás</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Sikertelen nyomtatás</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Nincs egyező szöveg!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Adja meg a keresendő szöveget!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Nincs cserélhető egyező szöveg!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1 előfordulás lecserélve!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Módosítás</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Exportálás Excelbe</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hozzáadás</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Kép helyettesítő szövege](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Az aktuális dokumentum nincs mentve. Képek beillesztése előtt mentse a fájlt.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Könyvtár kiválasztása</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Frissítési értesítés</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Már a legújabb verziót használja. Nincs szükség frissítésre.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Értesítés új verzióról</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Új verzió érhető el</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>A frissítő nem indítható el: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Nézet</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>A(z) %1 egyik biztonsági mentése (%2) soha nem mentett módosításokat tartalmaz. Visszaállítja?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Kódolás: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Menti a(z) %1 fájl módosításait?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>A(z) %1 fájlt egy másik program módosította a megnyitása vagy mentése óta. Felülírja ezeket a módosításokat?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>A dokumentum olyan karaktereket tartalmaz, amelyeket a fájl kódolása (%1) nem tud tárolni. Inkább UTF-8 kódolással menti?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>A(z) %1 fájlt egy másik program törölte vagy áthelyezte.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>A(z) %1 fájlt egy másik program módosította. Újratölti, és elveti a nem mentett módosításokat?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>A(z) %1 fájlt egy másik program módosította; a fájl újratöltése megtörtént.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Megnyitja a(z) %1 címet a rendszer által erre használt programmal?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Nem sikerült frissítéseket keresni.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>NUL bájtokat tartalmaz, ezért nem szövegfájl</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Ne mentse</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
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
        <translation>Fájltársítás</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Szeretné ezt az alkalmazást beállítani a .md fájlok alapértelmezett megnyitó programjaként?
Ha a „Nem” lehetőséget választja, később a beállítások menüben módosíthatja.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Figyelmeztetés</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Nem sikerült beállítani az alapértelmezett társítást: rendszergazdai jogosultság szükséges lehet, vagy egy rendszerházirend letiltotta a műveletet.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Kép beállítása</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Kiválasztás</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Hivatkozás: (helyi elérési út vagy hálózati URL is megadható)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Kép kiválasztása</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Képek (*.jpg *.jpeg *.bmp *.png *.gif);;Minden fájl (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Érvénytelen képútvonal</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Nincs javaslat</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Hozzáadás a szótárhoz</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Kihagyás</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Sorok</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Oszlopok</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Táblázat beállítása</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Nem sikerült megnyitni a fájlt.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Hálózati hiba: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>A válasz nem érvényes JSON-objektum.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Nem sikerült kiolvasni a kép URL-jét a JSON-ból.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Rólunk</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>egy könnyen kezelhető Markdown-szerkesztő eszköz. Dokumentumok írására használható, és többek között PDF-be is képes exportálni.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> %1 verzió</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>a Penwick fejlesztői</translation>
    </message>
</context>
</TS>