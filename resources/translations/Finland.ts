<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fi">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Varmuuskopioiden hallinta</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Esikatselu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Luontiaika</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Ilmoitus</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Haluatko varmasti poistaa tämän varmuuskopion?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Varmuuskopion esikatselu</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Palauta</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Lainauslohko</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Lihavoinnin väri</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Koodilohkon väri</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Editorin tausta</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Otsikoiden väri</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Vaakaviiva</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Kuvien väri</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Rivinsisäinen koodi</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Kursivoinnin väri</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Avainsanojen väri</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Rivinumeroiden tausta</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Rivinumeroiden väri</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Linkkien väri</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Luetteloiden väri</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Yliviivaus</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Taulukoiden väri</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Tekstin väri</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Luo tyhjä asiakirja</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Avaa viimeksi suljettu asiakirja</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Säilytä kuvan polku</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Kopioi kuva kansioon ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Järjestelmän oletus</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Järjestelmäsi kieltä ei tueta, joten käytetään englantia.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Teemojen muokkausohje</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Avaa teemakansio napsauttamalla alla olevaa ”Avaa teemakansio” -painiketta.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Etsi nykyisen teemasi .css-tiedosto ja avaa se Muistiossa.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Etsi tämä tyyli tai lisää se:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = fonttikoko</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = fontti</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Jos tarvitset apua, lähetä meille palautetta!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Yleiset</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Ulkoasu</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Visuaalisen editorin teema</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Koodilohkojen teema</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Editorin teema</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Käynnistysasetukset</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Automaattinen varmuuskopiointi</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Näytä vasen sivupalkki</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Kuvien käsittely</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoomaus</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Tiedostokytkentä</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ota käyttöön</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Kytke .md-tiedostoihin</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Visuaalisen editorin teemojen mukauttaminen</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Avaa teemakansio</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Koodilohkon tyyli</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Katso CodeMirror-teemojen esittely</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Lähdekoodieditorin teema</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Nykyinen teema:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopioi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Tallenna teema</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Fontti</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Fonttikoko</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Vihje</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Kytkentä epäonnistui: järjestelmänvalvojan oikeudet voivat olla tarpeen.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Kytketty .md-tiedostoihin!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>.md-tiedostojen kytkentä poistettiin.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Kytkennän poistaminen epäonnistui.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Valitse väri</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Tallennus epäonnistui!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Tallennettu!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Kopioi teema</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Uuden teeman nimi:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Nimi on jo käytössä!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Kopioitu!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Poistetaanko tämä teema?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Lataa etäkuvat</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Oikoluku</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Tarkista oikeinkirjoitus kirjoitettaessa</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Oikolukusanastoa ei ole asennettu: oikoluku tarvitsee Hunspell-sanaston (.dic- ja .aff-tiedostot) kansioon %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Määritä hyperlinkki</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Teksti:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Linkki:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Vahvista</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Virheellinen URL-osoite</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Vahvista poisto</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Haluatko varmasti poistaa?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Visuaalinen editori pysähtyi odottamatta ja käynnistettiin uudelleen. Asiakirja palautettiin sellaiseksi kuin se oli klo %1; sen jälkeen visuaaliseen editoriin kirjoitettu teksti menetettiin.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Visuaalinen editori pysähtyi odottamatta ja käynnistettiin uudelleen. Mitään ei menetetty.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Vienti epäonnistui</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML-sisältö on tyhjä.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>HTML-sisällön jäsentäminen epäonnistui.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Tallenna Excel-tiedosto</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel-tiedostot (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Vienti onnistui</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Tiedosto tallennettiin sijaintiin:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Tiedostoa ei voitu tallentaa. Tarkista käyttöoikeudet.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Palaute</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Palaute sähköpostitse</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Palaute GitHubissa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Etsi:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>hakusana...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Etsi edellinen</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Etsi seuraava</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Sama kirjainkoko</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Korvaa tekstillä:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Korvaa</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Korvaa &amp;&amp; etsi</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Korvaa kaikki</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Kuvapalvelun asetukset</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Lähetyksen URL-osoite</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Pyyntömetodi</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Tiedostokenttä</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>URL-osoitteen JSON-polku</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lisää</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Pyynnön otsakkeet</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Lomakkeen parametrit</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Avain</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Arvo</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Kuvapalveluiden hallinta</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lisää</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Muokkaa</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Testaa lähetystä</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Lähetyksen URL-osoite</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Tiedostokenttä</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON-polku</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Vahvista</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Haluatko varmasti poistaa?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Valitse ensin kuvapalvelu.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Kuvat (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Lähetys onnistui</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Lähetys epäonnistui</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Lähetä ongelmailmoitus GitHubiin</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Kirjoita palautteen otsikko...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Kuvaile ongelmasi tai ehdotuksesi...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Lähetä</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Valintaikkuna</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Tiedosto</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Muokkaa</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Muotoilu</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Taulukko</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoomaus</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ohje</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Työkalurivi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Lihavointi</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Numeroitu luettelo</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Luettelomerkit</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Lainaus</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Rivinsisäinen koodi</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Vaakaviiva</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Linkki</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Kuva</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Uusi</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Tietoja meistä</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Tallenna nimellä</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Poista muotoilu</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Poista muotoilu</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Yliviivaus</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Lisää taulukko</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Poista linkki</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Koodilohko</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Palaute</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Päivitykset</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tulosta</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Uusi ikkuna</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Loitonna</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Lähennä</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Lahjoita</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Varmuuskopiot</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Palauta oletuszoomaus</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Kumoa</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Tee uudelleen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopioi</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Leikkaa</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Liitä</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Valitse kaikki</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Etsi</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Korvaa</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Otsikko 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Otsikko 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Otsikko 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Otsikko 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Otsikko 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Otsikko 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Kappale</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Kappaleen sisennys</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursivointi</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Liitä pelkkänä tekstinä</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Liitä pelkkänä tekstinä</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Lisää rivi alapuolelle</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Lisää rivi yläpuolelle</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Lisää sarake vasemmalle</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Lisää sarake oikealle</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Siirrä riviä ylöspäin</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Siirrä riviä alaspäin</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Siirrä saraketta vasemmalle</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Siirrä saraketta oikealle</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Tasaa sarake vasemmalle</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Keskitä sarake</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Tasaa sarake oikealle</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Poista rivi</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Poista sarake</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Poista taulukko</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Kuvapalvelu</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Lataa siirrettävä versio</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Tarkista päivitykset</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Näytä HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Virallinen verkkosivusto</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Otsikko</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Lähdekoodieditori</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Visuaalinen editori</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Kirjoita hakusanat...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigointi</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Valitse kansio</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Tiedostot</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Tiedostoselain</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Viimeksi avatut</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Teema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Vaalea</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tumma</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Taivaansininen</translation>
    </message>
    <message>
        <source>word</source>
        <translation>sanaa</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Napsauta tästä...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Nimetön</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Etsi &amp; korvaa</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Piilota vasen sivupalkki</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Näytä vasen sivupalkki</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Varmuuskopio luotiin</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Varmuuskopio poistettiin</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Ilmoitus</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Tiedostoa %1 ei voi avata: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Avaa Markdown-tiedosto</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Tallenna Markdown-tiedosto</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Tiedostoa %1 ei voi tallentaa: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Tallennus onnistui</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Asiakirjaa ei voitu lukea visuaalisesta editorista, joten mitään ei kirjoitettu. Yritä hetken kuluttua uudelleen.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Zoomaus %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Kopioitu</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Liittäminen</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Taulukon asetukset</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Vienti onnistui</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Vienti kohteeseen %1 ei onnistu: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Editori ei palauttanut asiakirjaa.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Vientiasetus</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Haluatko luoda kiinteän sisällysluettelon sivupalkkiin, josta voi siirtyä otsikoihin?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Vie HTML-tiedosto</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML-tiedosto (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Vie Word-tiedosto</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word-tiedosto (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Vie PDF-tiedosto</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-tiedosto (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Sivua ei voitu tulostaa.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Tulostus onnistui</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Tulostus epäonnistui</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Vastaavaa tekstiä ei löytynyt!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Kirjoita haettava teksti!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Korvattavaa tekstiä ei löytynyt!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>Korvattiin %1 esiintymää!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Muokkaa</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Vie Exceliin</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lisää</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Kuvan kuvaus](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Nykyistä asiakirjaa ei ole tallennettu. Tallenna tiedosto ennen kuvien liittämistä.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Valitse kansio</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Päivitysilmoitus</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Käytössäsi on jo uusin versio. Päivitystä ei tarvita.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Uusi versio</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Uusi versio on saatavilla</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Päivitysohjelmaa ei voitu käynnistää: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Näytä</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Tiedoston %1 varmuuskopio ajalta %2 sisältää muutoksia, joita ei koskaan tallennettu. Palautetaanko se?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Koodaus: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Haluatko tallentaa tiedostoon %1 tehdyt muutokset?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>Toinen ohjelma on muuttanut tiedostoa %1 sen jälkeen, kun se avattiin tai tallennettiin. Korvataanko nämä muutokset?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Asiakirja sisältää merkkejä, joita tiedoston merkistökoodaus %1 ei pysty esittämään. Tallennetaanko se sen sijaan UTF-8-muodossa?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>Toinen ohjelma on poistanut tai siirtänyt tiedoston %1.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>Toinen ohjelma on muuttanut tiedostoa %1. Ladataanko se uudelleen, jolloin tallentamattomat muutokset menetetään?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>Toinen ohjelma on muuttanut tiedostoa %1, ja se on ladattu uudelleen.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Avataanko %1 ohjelmalla, jota järjestelmä käyttää siihen?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Päivityksiä ei voitu tarkistaa.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>se sisältää NUL-tavuja, joten se ei ole tekstitiedosto</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
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
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Älä tallenna</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
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
        <translation>Tiedostokytkentä</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Haluatko asettaa tämän sovelluksen .md-tiedostojen oletusohjelmaksi?
Jos valitset ”Ei”, voit muuttaa tätä myöhemmin asetuksista.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varoitus</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Oletuskytkennän asettaminen epäonnistui: järjestelmänvalvojan oikeudet voivat olla tarpeen, tai järjestelmäkäytäntö esti toiminnon.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Määritä kuva</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Valitse</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Linkki: (paikalliset polut tai verkko-osoitteet)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Valitse kuva</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Kuvat (*.jpg *.jpeg *.bmp *.png *.gif);;Kaikki tiedostot (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Virheellinen kuvan polku</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Ei ehdotuksia</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Lisää sanastoon</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ohita</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Rivit</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Sarakkeet</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Taulukon asetukset</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Tiedoston avaaminen epäonnistui.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Verkkovirhe: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Vastaus ei ole kelvollinen JSON-objekti.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Kuvan URL-osoitteen jäsentäminen JSON-vastauksesta epäonnistui.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Tietoja meistä</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>on helppokäyttöinen Markdown-muokkaustyökalu. Voit kirjoittaa sillä asiakirjoja, ja se tukee muun muassa vientiä PDF-muotoon.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> versio %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>Penwickin kehittäjiltä</translation>
    </message>
</context>
</TS>