<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="mt">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Ġestjoni tal-kopji ta' riżerva</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Dehra minn qabel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ħassar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Isem</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Ħin tal-ħolqien</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Avviż</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Żgur li trid tħassar din il-kopja ta' riżerva?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Dehra minn qabel tal-kopja ta' riżerva</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Irrestawra</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Blokk ta' kwotazzjoni</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Kulur tat-test grassett</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Kulur tal-blokk tal-kodiċi</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Sfond tal-editur</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Kulur tal-intestaturi</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Linja orizzontali</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Kulur tal-immaġnijiet</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Kodiċi fil-linja</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Kulur tat-test korsiv</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Kulur tal-kliem ewlieni</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Sfond tan-numri tal-linji</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Kulur tan-numri tal-linji</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Kulur tal-links</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Kulur tal-listi</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Linja min-nofs</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Kulur tat-tabelli</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Kulur tat-test</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Oħloq dokument vojt</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Iftaħ l-aħħar dokument li ngħalaq</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Żomm il-mogħdija tal-immaġni</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Ikkopja l-immaġni fil-folder ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Default tas-sistema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingwa</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Il-lingwa tas-sistema tiegħek mhijiex appoġġata, se jintuża l-Ingliż.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Gwida għall-modifika tat-temi</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Ikklikkja l-buttuna “Iftaħ il-folder tat-temi” hawn taħt biex tiftaħ id-direttorju tat-temi.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Sib il-fajl .css tat-tema attwali tiegħek u iftħu b'editur tat-test.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Sib jew żid dan l-istil:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = daqs tal-font</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = familja tal-font</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Jekk għandek bżonn l-għajnuna, ibgħatilna r-rispons tiegħek!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Agħlaq</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfigurazzjoni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ġenerali</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Dehra</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Tema tal-editur viżwali</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Tema tal-blokki tal-kodiċi</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Issettjar tat-tema tal-editur</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Għażliet tal-bidu</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Kopja ta' riżerva awtomatika</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Uri l-pannell tax-xellug</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Metodu tal-ikkupjar tal-immaġnijiet</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Żum</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Assoċjazzjoni tal-fajls</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Assoċja mal-fajls .md</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Kif tippersonalizza l-istili tat-tema tal-editur viżwali</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Iftaħ il-folder tat-temi</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Stil tal-blokki tal-kodiċi</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Ara d-dimostrazzjoni tat-temi ta' CodeMirror</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Issettjar tat-tema tal-editur tal-kodiċi sors</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Tema attwali:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Ikkopja</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ħassar</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Issejvja t-tema</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Familja tal-font</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Daqs tal-font</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Suġġeriment</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>L-assoċjazzjoni falliet: jista' jkun li huma meħtieġa privileġġi tal-amministratur.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>L-assoċjazzjoni mal-fajls .md saret b'suċċess!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>L-assoċjazzjoni tal-fajls .md tneħħiet.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>It-tneħħija tal-assoċjazzjoni falliet.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Agħżel kulur</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>L-issejvjar falla!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Ġie ssejvjat!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Ikkopja t-tema</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Isem it-tema l-ġdida:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Dan l-isem diġà jeżisti!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Ġie kkupjat b'suċċess!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Tħassar din it-tema?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Tella immaġini mill-bogħod</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Kontroll tal-Ortografija</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Iċċekkja l-ortografija waqt li tikteb</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>L-ebda dizzjunarju mhu installat: il-kontroll tal-ortografija jeħtieġ dizzjunarju Hunspell (fajls .dic u .aff) f'%1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Issettja hyperlink</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Test:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Link:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Ikkonferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ikkanċella</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>URL mhux validu</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Konferma tat-tħassir</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Żgur li trid tħassar?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>L-editur viżwali waqaf għal għarrieda u reġa' nbeda. Id-dokument ġie rkuprat kif kien fil-ħin %1; dak li nkiteb fl-editur viżwali wara dak il-ħin intilef.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>L-editur viżwali waqaf għal għarrieda u reġa' nbeda. Ma ntilef xejn.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>L-esportazzjoni falliet</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>Il-kontenut HTML huwa vojt.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>L-analiżi tal-kontenut HTML falliet.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Issejvja fajl Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Fajls Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>L-esportazzjoni rnexxiet</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Il-fajl ġie ssejvjat b'suċċess hawn:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Il-fajl ma setax jiġi ssejvjat. Jekk jogħġbok iċċekkja l-permessi.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Rispons</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Rispons bl-email</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Rispons fuq GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Agħlaq</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Sib:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>kelma ewlenija...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Sib ta' qabel</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Sib li jmiss</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Sensittiv għall-ittri kbar u żgħar</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Ibdel bi:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ibdel</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Ibdel &amp;&amp; sib</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Ibdel kollox</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Konfigurazzjoni tal-host tal-immaġnijiet</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Isem</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL tat-tlugħ</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Metodu tat-talba</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Qasam tal-fajl</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>Mogħdija tal-URL fil-JSON</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Żid</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ħassar</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Intestaturi tat-talba</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Parametri tal-formola</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ikkanċella</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Ċavetta</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valur</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Maniġer tal-hosts tal-immaġnijiet</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Żid</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editja</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ħassar</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Tlugħ ta' prova</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Isem</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL tat-tlugħ</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Qasam tal-fajl</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>Mogħdija JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Ikkonferma</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Żgur li trid tħassar?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Jekk jogħġbok agħżel host tal-immaġnijiet l-ewwel.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Immaġnijiet (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>It-tlugħ irnexxa</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>It-tlugħ falla</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Ibgħat problema fuq GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Jekk jogħġbok daħħal titlu għar-rispons...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Jekk jogħġbok iddeskrivi l-problema jew is-suġġeriment tiegħek...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Ibgħat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ikkanċella</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Djalogu</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Fajl</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editja</translation>
    </message>
    <message>
        <source>Format</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Format</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabella</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Għażliet</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Żum</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Għajnuna</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Bar tal-għodod</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Agħlaq</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassett</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Lista numerata</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Lista b'punti</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Kwotazzjoni</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Kodiċi fil-linja</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Linja orizzontali</translation>
    </message>
    <message>
        <source>Link</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Link</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Immaġni</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ġdid</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Iftaħ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Issejvja</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Dwarna</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Issejvja bħala</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Neħħi l-ifformattjar</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Neħħi l-ifformattjar</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Linja min-nofs</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Daħħal tabella</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Neħħi l-link</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Blokk ta' kodiċi</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Rispons</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aġġornamenti</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Ipprintja</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Tieqa ġdida</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Ċekken</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Kabbar</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Agħti donazzjoni</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Kopji ta' riżerva</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Irrestawra ż-żum default</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Erġa' lura</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Erġa' agħmel</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Ikkopja</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Aqta'</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Waħħal</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ħassar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Agħżel kollox</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Sib</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ibdel</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Intestatura 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Intestatura 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Intestatura 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Intestatura 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Intestatura 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Intestatura 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Paragrafu</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Indentazzjoni tal-paragrafu</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Korsiv</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Waħħal bħala test sempliċi</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Waħħal bħala test sempliċi</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Daħħal ringiela taħt</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Daħħal ringiela fuq</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Daħħal kolonna fuq ix-xellug</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Daħħal kolonna fuq il-lemin</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Mexxi r-ringiela 'l fuq</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Mexxi r-ringiela 'l isfel</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Mexxi l-kolonna lejn ix-xellug</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Mexxi l-kolonna lejn il-lemin</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Allinja l-kolonna fuq ix-xellug</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Iċċentra l-kolonna</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Allinja l-kolonna fuq il-lemin</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Ħassar ir-ringiela</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Ħassar il-kolonna</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Ħassar it-tabella</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfigurazzjoni</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Servizz tal-hosting tal-immaġnijiet</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Niżżel il-verżjoni portabbli</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Iċċekkja għal aġġornamenti</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Ikseb l-HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Sit web uffiċjali</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titlu</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Editur tal-kodiċi sors</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Editur viżwali</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Daħħal kliem ewlieni biex tfittex...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigazzjoni</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Agħżel folder</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fajls</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Browser tal-fajls</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Miftuħa reċentement</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ċara</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Skura</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Sema blu</translation>
    </message>
    <message>
        <source>word</source>
        <translation>kliem</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Jekk jogħġbok ikklikkja hawn...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Mingħajr titlu</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Sib u ibdel</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Aħbi l-pannell tax-xellug</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Uri l-pannell tax-xellug</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Il-kopja ta' riżerva saret</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Il-kopja ta' riżerva tħassret</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Avviż</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Ma jistax jinfetaħ il-fajl %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Iftaħ fajl Markdown</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Issejvja fajl Markdown</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Ma jistax jiġi ssejvjat il-fajl %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Ġie ssejvjat b'suċċess</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Id-dokument ma setax jinqara mill-editur viżwali, għalhekk ma nkiteb xejn. Jekk jogħġbok erġa' pprova fi ftit mumenti.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Żum %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Ġie kkupjat</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Twaħħil</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Issettja t-tabella</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>L-esportazzjoni rnexxiet</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Ma jistax jiġi esportat għal %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>L-editur ma tax id-dokument tiegħu.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Għażla tal-esportazzjoni</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Trid tiġġenera pannell tal-ġenb fiss b'werrej u navigazzjoni skont l-intestaturi?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Esporta fajl HTML</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>Fajl HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Esporta fajl Word</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Fajl Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Esporta fajl PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Fajl PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Il-paġna ma setgħetx tiġi pprintjata.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>L-ipprintjar irnexxa</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>L-ipprintjar falla</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Ma nstab l-ebda test li jaqbel!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Jekk jogħġbok daħħal it-test li trid issib!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>M'hemm l-ebda test li jaqbel biex jinbidel!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>Numru ta' sostituzzjonijiet: %1</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Immodifika</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Esporta għal Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Żid</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Test alternattiv tal-immaġni](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Id-dokument attwali ma ġiex issejvjat. Jekk jogħġbok issejvja l-fajl qabel ma twaħħal immaġnijiet.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Agħżel direttorju</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Avviż ta' aġġornament</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Diġà qed tuża l-aħħar verżjoni. M'hemmx bżonn ta' aġġornament.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Avviż ta' titjib</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Instabet verżjoni ġdida</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>L-aġġornatur ma setax jinbeda: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Dehra</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Kopja ta' riżerva ta' %1 minn %2 fiha bidliet li qatt ma ġew issejvjati. Trid tirrestawraha?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Kodifikazzjoni: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Trid tissejvja l-bidliet għal %1?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 inbidel minn programm ieħor minn meta nfetaħ jew ġie ssejvjat. Trid tikteb fuq dawk il-bidliet?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Id-dokument fih karattri li l-kodifikazzjoni tal-fajl, %1, ma tistax iżżomm. Trid tissejvjah f'UTF-8 minflok?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 tħassar jew ġie mċaqlaq minn programm ieħor.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 inbidel minn programm ieħor. Trid tgħabbih mill-ġdid u titlef il-bidliet li ma ġewx issejvjati?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 inbidel minn programm ieħor u ġie mgħobbi mill-ġdid.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Tiftaħ %1 bil-programm li s-sistema tuża għalih?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Ma setax jiġi ċċekkjat jekk hemmx aġġornamenti.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>fih bytes NUL, għalhekk mhuwiex fajl ta' test</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Iva</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Le</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Issejvja</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Tissejvjax</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ikkanċella</translation>
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
        <translation>Assoċjazzjoni tal-fajls</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Trid tissettja din l-applikazzjoni bħala l-programm default biex tiftaħ il-fajls .md?
Jekk tagħżel “Le”, tista' tbiddel dan aktar tard mill-menu tal-issettjar.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Twissija</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>L-issettjar tal-assoċjazzjoni default falla: jista' jkun li huma meħtieġa privileġġi tal-amministratur jew li xi politika tas-sistema mblukkat l-operazzjoni.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Issettja l-immaġni</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Agħżel</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Link: (jappoġġja mogħdijiet lokali jew URLs tan-netwerk)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ikkanċella</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Agħżel immaġni</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Immaġnijiet (*.jpg *.jpeg *.bmp *.png *.gif);;Il-fajls kollha (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Mogħdija tal-immaġni mhix valida</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>L-ebda Suġġeriment</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Żid mad-Dizzjunarju</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Injora</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Ringieli</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolonni</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Issettja t-tabella</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Il-fajl ma setax jinfetaħ.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Żball tan-netwerk: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Ir-risposta mhijiex oġġett JSON validu.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Ma rnexxiex jinqara l-URL tal-immaġni mill-JSON.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Dwarna</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>hija għodda faċli biex teditja Markdown. L-utenti jistgħu jużawha biex jiktbu dokumenti, u tappoġġja wkoll l-esportazzjoni għal PDF u funzjonijiet oħra.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> verżjoni %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>mill-iżviluppaturi ta' Penwick</translation>
    </message>
</context>
</TS>