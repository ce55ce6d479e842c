<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="is">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Umsjón með afritum</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Forskoðun</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eyða</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Heiti</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Búið til</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Tilkynning</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Ertu viss um að þú viljir eyða þessu afriti?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Forskoðun afrits</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Endurheimta</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Tilvitnun</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Litur feitletrunar</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Litur kóðablokka</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Bakgrunnur ritils</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Litur fyrirsagna</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Lárétt lína</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Litur mynda</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Kóði í línu</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Litur skáletrunar</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Litur lykilorða</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Bakgrunnur línunúmera</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Litur línunúmera</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Litur tengla</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Litur lista</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Yfirstrikun</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Litur taflna</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Litur texta</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Búa til autt skjal</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Opna síðast lokaða skjalið</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Halda slóð myndar</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Afrita myndina í möppuna ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Sjálfgefið í kerfinu</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Tungumál</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Tungumál kerfisins er ekki stutt, enska verður notuð.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Leiðbeiningar um breytingar á þemum</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Smelltu á hnappinn „Opna þemamöppu“ hér fyrir neðan til að opna þemamöppuna.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Finndu .css-skrána fyrir núverandi þema og opnaðu hana í Notepad.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Finndu eða bættu við þessum stíl:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = leturstærð</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = leturgerð</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Ef þig vantar aðstoð skaltu endilega senda okkur ábendingu!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Loka</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Stillingar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Almennt</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Útlit</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Þema sjónræns ritils</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Þema kóðablokka</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Þema ritils</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Ræsingarvalkostir</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Sjálfvirk afritun</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Sýna vinstra hliðarspjald</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Meðhöndlun mynda</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Aðdráttur</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Skráatenging</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Virkja</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Tengja við .md-skrár</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Hvernig á að sérsníða þemu sjónræna ritilsins</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Opna þemamöppu</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Stíll kóðablokka</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Sjá sýnishorn af CodeMirror-þemum</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Þema frumkóðaritils</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Núverandi þema:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Afrita</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eyða</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Vista þema</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Leturgerð</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Leturstærð</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Ábending</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Tenging mistókst: hugsanlega þarf kerfisstjóraréttindi.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Tengt við .md-skrár!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>Tenging við .md-skrár hefur verið fjarlægð.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Ekki tókst að fjarlægja tenginguna.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Veldu lit</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Vistun mistókst!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Vistað!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Afrita þema</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Heiti nýs þema:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Heitið er þegar til!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Afritað!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Eyða þessu þema?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Hlaða inn fjartengdum myndum</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Stafsetningarvilluleit</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Leita að stafsetningarvillum við innslátt</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Engin orðabók er uppsett: stafsetningarvilluleit þarf Hunspell-orðabók (.dic- og .aff-skrár) í %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Setja tengil</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texti:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Tengill:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Staðfesta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hætta við</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Ógild vefslóð</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Staðfesta eyðingu</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Ertu viss um að þú viljir eyða?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Sjónræni ritillinn stöðvaðist óvænt og var ræstur aftur. Skjalið var endurheimt eins og það var kl. %1; það sem var skrifað í sjónræna ritlinum eftir það glataðist.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Sjónræni ritillinn stöðvaðist óvænt og var ræstur aftur. Ekkert glataðist.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Útflutningur mistókst</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML-efnið er autt.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Ekki tókst að þátta HTML-efnið.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Vista Excel-skrá</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel-skrár (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Útflutningur tókst</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Skráin var vistuð í:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Ekki tókst að vista skrána. Athugaðu heimildirnar.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Ábendingar</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Ábending með tölvupósti</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Ábending á GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Loka</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Finna:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>leitarorð...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Finna fyrra</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Finna næsta</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Hástafanæmt</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Skipta út fyrir:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Skipta út</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Skipta út &amp;&amp; finna</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Skipta út öllu</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Stillingar myndhýsingar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Heiti</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Vefslóð upphleðslu</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Beiðniaðferð</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Skráarreitur</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>JSON-slóð að vefslóð</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Bæta við</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eyða</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Hausar beiðni</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Færibreytur eyðublaðs</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Í lagi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hætta við</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Lykill</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Gildi</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Umsjón með myndhýsingum</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Bæta við</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Breyta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eyða</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Prófa upphleðslu</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Heiti</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Vefslóð upphleðslu</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Skráarreitur</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON-slóð</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Staðfesta</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Ertu viss um að þú viljir eyða?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Veldu fyrst myndhýsingu.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Myndir (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Upphleðsla tókst</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Upphleðsla mistókst</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Senda inn mál á GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Sláðu inn titil ábendingar...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Lýstu vandamálinu eða tillögunni...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Senda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hætta við</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Svargluggi</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Skrá</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Flytja út</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Breyta</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Snið</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tafla</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Valkostir</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Aðdráttur</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjálp</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Verkfærastika</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Loka</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Feitletrað</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Númeraður listi</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Punktalisti</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Tilvitnun</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Kóði í línu</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Lárétt lína</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Tengill</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Mynd</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nýtt</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Opna</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Um okkur</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Vista sem</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Hreinsa snið</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Hreinsa snið</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Yfirstrikun</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Setja inn töflu</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Fjarlægja tengil</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Kóðablokk</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Ábendingar</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Uppfærslur</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Prenta</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nýr gluggi</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Minnka</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Stækka</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Styrkja</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Afrit</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Endurstilla aðdrátt</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Afturkalla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Endurgera</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Afrita</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Klippa</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Líma</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eyða</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Velja allt</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Leita</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Skipta út</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Fyrirsögn 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Fyrirsögn 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Fyrirsögn 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Fyrirsögn 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Fyrirsögn 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Fyrirsögn 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Málsgrein</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Inndráttur málsgreinar</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Skáletrað</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Líma sem hreinan texta</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Líma sem hreinan texta</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Setja inn röð fyrir neðan</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Setja inn röð fyrir ofan</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Setja inn dálk til vinstri</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Setja inn dálk til hægri</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Færa röð upp</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Færa röð niður</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Færa dálk til vinstri</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Færa dálk til hægri</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Vinstrijafna dálk</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Miðjusetja dálk</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Hægrijafna dálk</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Eyða röð</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Eyða dálki</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Eyða töflu</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Stillingar</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Myndhýsingarþjónusta</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Sækja ferðaútgáfu</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Leita að uppfærslum</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Sýna HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Opinbert vefsvæði</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titill</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Frumkóðaritill</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Sjónrænn ritill</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Sláðu inn leitarorð...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Leiðsögn</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Velja möppu</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Skrár</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Skráavafri</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Nýlega opnað</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Þema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ljóst</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dökkt</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Himinblátt</translation>
    </message>
    <message>
        <source>word</source>
        <translation>orð</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Smelltu hér...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Ónefnt</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Finna &amp; skipta út</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Fela vinstra hliðarspjald</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Sýna vinstra hliðarspjald</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Afrit búið til</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Afriti eytt</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Tilkynning</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Ekki er hægt að opna skrána %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Opna Markdown-skrá</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Vista Markdown-skrá</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Ekki er hægt að vista skrána %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Vistað</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Ekki tókst að lesa skjalið úr sjónræna ritlinum og því var ekkert skrifað. Reyndu aftur eftir smástund.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Aðdráttur %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Afritað</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Líma</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Stilla töflu</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Útflutningur tókst</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Ekki er hægt að flytja út í %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Ritillinn skilaði ekki skjalinu.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Útflutningsvalkostur</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Viltu búa til fast hliðarspjald með efnisyfirliti og leiðsögn milli fyrirsagna?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Flytja út HTML-skrá</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML-skrá (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Flytja út Word-skrá</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word-skrá (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Flytja út PDF-skrá</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-skrá (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Ekki tókst að prenta síðuna.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Prentun tókst</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Prentun mistókst</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Enginn samsvarandi texti fannst!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Sláðu inn texta til að leita að!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Enginn samsvarandi texti til að skipta út!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1 tilvikum skipt út!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Breyta</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Flytja út í Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Bæta við</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Lýsing myndar](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Núverandi skjal hefur ekki verið vistað. Vistaðu skrána áður en þú límir inn myndir.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Velja möppu</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Uppfærsla</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Þú ert þegar með nýjustu útgáfuna. Engin uppfærsla er nauðsynleg.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Ný útgáfa</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Ný útgáfa fannst</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Ekki tókst að ræsa uppfærsluforritið: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Skoða</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Afrit af %1 frá %2 inniheldur breytingar sem voru aldrei vistaðar. Viltu endurheimta það?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Stafakóðun: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Viltu vista breytingarnar á %1?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>Annað forrit hefur breytt %1 síðan skráin var opnuð eða vistuð. Viltu skrifa yfir þær breytingar?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Skjalið inniheldur stafi sem stafakóðun skrárinnar, %1, getur ekki geymt. Viltu vista það í UTF-8 í staðinn?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>Annað forrit hefur eytt eða fært %1.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>Annað forrit hefur breytt %1. Viltu hlaða skránni inn aftur og glata óvistuðum breytingum?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>Annað forrit breytti %1 og skráin hefur verið hlaðin inn aftur.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Opna %1 með forritinu sem kerfið notar fyrir það?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Ekki tókst að leita að uppfærslum.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>hún inniheldur NUL-bæti og er því ekki textaskrá</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Já</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Í lagi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Ekki vista</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hætta við</translation>
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
        <translation>Skráatenging</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Viltu gera þetta forrit að sjálfgefnu forriti til að opna .md-skrár?
Ef þú velur „Nei“ geturðu breytt þessu síðar í stillingunum.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Viðvörun</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Ekki tókst að setja sjálfgefna tengingu: hugsanlega þarf kerfisstjóraréttindi eða kerfisregla kom í veg fyrir aðgerðina.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Setja mynd</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Velja</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Tengill: (staðbundnar slóðir eða vefslóðir)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Í lagi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hætta við</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Velja mynd</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Myndir (*.jpg *.jpeg *.bmp *.png *.gif);;Allar skrár (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Ógild slóð myndar</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Engar tillögur</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Bæta við orðabók</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Hunsa</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Raðir</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Dálkar</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Stilla töflu</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Ekki tókst að opna skrána.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Netvilla: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Svarið er ekki gildur JSON-hlutur.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Ekki tókst að lesa vefslóð myndarinnar úr JSON-svarinu.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Um okkur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Í lagi</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>er aðgengilegt tól til að vinna með Markdown. Þú getur notað það til að skrifa skjöl og það styður meðal annars útflutning í PDF.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> útgáfa %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>frá Penwick-forriturunum</translation>
    </message>
</context>
</TS>