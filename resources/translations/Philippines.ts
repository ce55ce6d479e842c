<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fil">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Pamamahala ng Backup</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>I-preview</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Burahin</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Pangalan</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Oras ng Paggawa</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Paalala</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Sigurado ka bang gusto mong burahin ang backup na ito?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Preview ng Backup</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ibalik</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Blokeng Sipi</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Kulay ng Bold</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Kulay ng Code Block</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Background ng Editor</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Kulay ng Heading</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Pahalang na Linya</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Kulay ng Larawan</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Inline na Code</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Kulay ng Italic</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Kulay ng Keyword</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Background ng Numero ng Linya</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Kulay ng Numero ng Linya</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Kulay ng Link</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Kulay ng Listahan</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Guhit sa Gitna</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Kulay ng Talahanayan</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Kulay ng Teksto</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Gumawa ng blangkong dokumento</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Buksan ang huling isinarang dokumento</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Panatilihin ang Path ng Larawan</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Kopyahin ang larawan sa folder na ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Default ng System</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Wika</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Hindi suportado ang wika ng iyong system, kaya Ingles ang gagamitin.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Gabay sa Pagbabago ng Tema</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. I-click ang button na “Buksan ang Folder ng Tema” sa ibaba para buksan ang direktoryo ng tema.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Hanapin ang .css file ng iyong kasalukuyang tema at buksan ito gamit ang Notepad.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Hanapin o idagdag ang style na ito:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = laki ng font</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = uri ng font</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Kung kailangan mo ng tulong, magpadala sa amin ng feedback!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Isara</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Mga Setting</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Pangkalahatan</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Hitsura</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Tema ng Visual Editor</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Tema ng Code Block</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Mga Setting ng Tema ng Editor</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Mga Opsyon sa Pagsisimula</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Awtomatikong Backup</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Ipakita ang Kaliwang Sidebar</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Paraan ng Pagkopya ng Larawan</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Palakihin</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Pag-uugnay ng File</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>I-enable</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Iugnay sa mga .md File</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Paano i-customize ang mga style ng tema ng visual editor</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Buksan ang Folder ng Tema</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Style ng Code Block</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Tingnan ang demo ng mga tema ng CodeMirror</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Mga Setting ng Tema ng Source Editor</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Kasalukuyang Tema:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyahin</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Burahin</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>I-save ang Tema</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Uri ng Font</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Laki ng Font</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Payo</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Nabigo ang pag-uugnay: maaaring kailanganin ang mga pribilehiyo ng administrator.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Matagumpay na naiugnay sa mga .md file!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>Matagumpay na naalis ang pag-uugnay ng .md file.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Hindi maalis ang pag-uugnay.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Pumili ng Kulay</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Nabigo ang pag-save!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Na-save na!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Kopyahin ang Tema</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Pangalan ng bagong tema:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Umiiral na ang pangalang ito!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Matagumpay na nakopya!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Burahin ang temang ito?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>I-load ang mga remote na larawan</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Pagsusuri ng Baybay</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Suriin ang baybay habang nagta-type</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Walang nakainstall na diksiyunaryo: kailangan ng pagsusuri ng baybay ang isang Hunspell na diksiyunaryo (mga file na .dic at .aff) sa %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Itakda ang Hyperlink</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Teksto:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Kawing:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Kumpirmahin</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Kanselahin</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Di-wastong URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Kumpirmasyon sa Pagbura</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Sigurado ka bang gusto mong burahin?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Hindi inaasahang huminto ang Visual Editor at sinimulan itong muli. Naibalik ang dokumento sa kalagayan nito noong %1; nawala ang anumang na-type sa Visual Editor pagkatapos noon.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Hindi inaasahang huminto ang Visual Editor at sinimulan itong muli. Walang nawala.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Nabigo ang Pag-export</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>Walang laman ang nilalamang HTML.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Hindi ma-parse ang nilalamang HTML.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>I-save ang Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Mga Excel File (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Matagumpay ang Pag-export</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Matagumpay na na-save ang file sa:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Hindi ma-save ang file. Pakisuri ang mga pahintulot.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Puna</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Feedback sa Email</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Feedback sa GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Isara</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Hanapin:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>susing salita...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Hanapin ang Nauna</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Hanapin ang Susunod</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Itugma ang Malaki/Maliit na Titik</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Palitan ng:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Palitan</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Palitan &amp;&amp; Hanapin</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Palitan Lahat</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Configuration ng Image Host</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Pangalan</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL ng Pag-upload</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Paraan ng Request</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Field ng File</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>JSON Path ng URL</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Idagdag</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Burahin</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Mga Header ng Request</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Mga Parameter ng Form</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Kanselahin</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Susi</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Halaga</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Tagapamahala ng Image Host</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Idagdag</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>I-edit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Burahin</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Subukang Mag-upload</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Pangalan</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL ng Pag-upload</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Field ng File</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>Landas ng JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Kumpirmahin</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Sigurado ka bang gusto mong burahin?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Pumili muna ng image host.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Mga Larawan (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Matagumpay ang Pag-upload</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Nabigo ang Pag-upload</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Magsumite ng Issue sa GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Ilagay ang pamagat ng feedback...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Ilarawan ang iyong problema o mungkahi...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Isumite</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Kanselahin</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diyalogo</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Talaksan</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>I-export</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>I-edit</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Pormat</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Talahanayan</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Mga Opsyon</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Palakihin</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Tulong</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Isara</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Makapal</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Listahang May Numero</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Listahang May Bullet</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Sipi</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Inline na Code</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Pahalang na Linya</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Kawing</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Larawan</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Bago</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buksan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>I-save</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Tungkol sa Amin</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>I-save Bilang</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Alisin ang Format</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Alisin ang Format</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Guhit sa Gitna</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Magsingit ng Talahanayan</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Alisin ang Link</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Bloke ng Code</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Puna</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Mga Update</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>I-print</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Bagong Window</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Mag-zoom Out</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Mag-zoom In</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Mag-donate</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Reserbang Kopya</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Ibalik ang Default na Zoom</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>I-undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>I-redo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyahin</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>I-cut</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>I-paste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Burahin</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Piliin Lahat</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Hanapin</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Palitan</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Pamagat 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Pamagat 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Pamagat 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Pamagat 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Pamagat 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Pamagat 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Talata</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Indent ng Talata</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Pahilis</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>I-paste bilang Plain Text</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>I-paste bilang Plain Text</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Magsingit ng Hilera sa Ibaba</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Magsingit ng Hilera sa Itaas</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Magsingit ng Hanay sa Kaliwa</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Magsingit ng Hanay sa Kanan</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Ilipat Pataas ang Hilera</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Ilipat Pababa ang Hilera</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Ilipat Pakaliwa ang Hanay</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Ilipat Pakanan ang Hanay</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>I-align sa Kaliwa ang Hanay</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>I-align sa Gitna ang Hanay</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>I-align sa Kanan ang Hanay</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Burahin ang Hilera</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Burahin ang Hanay</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Burahin ang Talahanayan</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Mga Setting</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Serbisyo ng Image Hosting</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>I-download ang Portable na Bersyon</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Tingnan ang mga Update</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Kunin ang HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Opisyal na Website</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Pamagat</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Editor ng Source Code</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Biswal na Editor</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Maglagay ng mga keyword para maghanap...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Nabigasyon</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Pumili ng Folder</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Mga File</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Tagapag-browse ng Talaksan</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Kamakailang Binuksan</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Maliwanag</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Madilim</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Bughaw na Langit</translation>
    </message>
    <message>
        <source>word</source>
        <translation>salita</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Mag-click dito...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Walang Pamagat</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Hanapin &amp; Palitan</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Itago ang Kaliwang Sidebar</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Ipakita ang Kaliwang Sidebar</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Matagumpay ang Pag-backup</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Nabura ang Backup</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Paalala</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Hindi mabuksan ang file na %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Buksan ang Markdown file</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>I-save ang Markdown File</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Hindi ma-save ang file na %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Matagumpay na Na-save</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Hindi mabasa ang dokumento mula sa Visual Editor, kaya walang naisulat. Pakisubukang muli maya-maya.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Antas ng Zoom %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Matagumpay na Nakopya</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Pag-paste</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>I-set Up ang Talahanayan</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Matagumpay ang Pag-export</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Hindi ma-export sa %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Hindi ibinigay ng editor ang dokumento nito.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Opsyon sa Pag-export</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Gusto mo bang gumawa ng nakapirming sidebar ng talaan ng nilalaman na may nabigasyon ayon sa heading?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>I-export bilang HTML File</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>Talaksang HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>I-export bilang Word File</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Talaksang Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>I-export bilang PDF File</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Talaksang PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Hindi ma-print ang pahina.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Matagumpay ang Pag-print</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Nabigo ang Pag-print</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Walang nakitang katugmang teksto!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Pakilagay ang tekstong hahanapin!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Walang katugmang tekstong papalitan!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1 paglitaw ang napalitan!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Baguhin</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>I-export sa Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Idagdag</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Alt na teksto ng larawan](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Hindi pa naka-save ang kasalukuyang dokumento. Paki-save muna ang file bago mag-paste ng mga larawan.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Pumili ng Direktoryo</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Paalala sa Update</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Ginagamit mo na ang pinakabagong bersyon. Hindi na kailangang mag-update.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Paalala sa Pag-upgrade</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>May natukoy na bagong bersyon</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Hindi masimulan ang updater: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Tingnan</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>May mga pagbabagong hindi kailanman na-save ang backup ng %1 na ginawa noong %2. Ibalik ito?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Pag-encode: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Gusto mo bang i-save ang mga pagbabago sa %1?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>Binago ng ibang program ang %1 mula nang buksan o i-save ito. I-overwrite ang mga pagbabagong iyon?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>May mga character ang dokumento na hindi kayang hawakan ng encoding ng file, %1. I-save na lang ito sa UTF-8?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>Binura o inilipat ng ibang program ang %1.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>Binago ng ibang program ang %1. I-reload ito at mawala ang iyong mga hindi na-save na pagbabago?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>Binago ng ibang program ang %1 at ni-reload na ito.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Buksan ang %1 gamit ang programang ginagamit ng system para rito?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Hindi masuri kung may mga update.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>may mga NUL byte ito, kaya hindi ito text file</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Oo</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>I-save</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Huwag I-save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Kanselahin</translation>
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
        <translation>Pag-uugnay ng File</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Gusto mo bang gawing default na program ang application na ito sa pagbubukas ng mga .md file?
Kung pipiliin mo ang “Hindi”, maaari mo itong baguhin sa ibang pagkakataon sa menu ng mga setting.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Babala</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Hindi maitakda ang default na pag-uugnay: maaaring kailanganin ang mga pribilehiyo ng administrator, o hinarangan ng patakaran ng system ang operasyon.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Itakda ang Larawan</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Pumili</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Link: (sinusuportahan ang mga lokal na path o URL sa network)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Kanselahin</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Pumili ng Larawan</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Mga Larawan (*.jpg *.jpeg *.bmp *.png *.gif);;Lahat ng File (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Di-wastong Path ng Larawan</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Walang Mungkahi</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Idagdag sa Diksiyunaryo</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Huwag Pansinin</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Mga Hilera</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Mga Hanay</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>I-set Up ang Talahanayan</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Hindi mabuksan ang file.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Error sa network: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Hindi wastong JSON object ang tugon.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Hindi ma-parse ang URL ng larawan mula sa JSON.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Tungkol sa Amin</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>ay isang madaling gamiting tool sa pag-edit ng Markdown. Magagamit ito ng mga user sa pagsulat ng mga dokumento, at sinusuportahan din nito ang pag-export sa PDF at iba pang feature.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> bersyon %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>gawa ng mga developer ng Penwick</translation>
    </message>
</context>
</TS>