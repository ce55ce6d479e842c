<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ga">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Bainistíocht cúltacaí</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Réamhamharc</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Scrios</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ainm</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Am cruthaithe</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Fógra</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>An bhfuil tú cinnte gur mian leat an cúltaca seo a scriosadh?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Réamhamharc ar an gcúltaca</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Athchóirigh</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Bloc-athfhriotal</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Dath an téacs throim</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Dath na mbloc cóid</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Cúlra an eagarthóra</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Dath na gceannteideal</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Líne chothrománach</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Dath na n-íomhánna</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Cód inlíne</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Dath an téacs iodálaigh</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Dath na n-eochairfhocal</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Cúlra na n-uimhreacha líne</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Dath na n-uimhreacha líne</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Dath na nasc</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Dath na liostaí</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Líne tríd</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Dath na dtáblaí</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Dath an téacs</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Cruthaigh doiciméad bán</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Oscail an doiciméad is déanaí a dúnadh</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Coinnigh conair na híomhá</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Cóipeáil an íomhá chuig an bhfillteán ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Réamhshocrú an chórais</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Teanga</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Ní thacaítear le teanga do chórais, mar sin úsáidfear an Béarla.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Treoir chun téamaí a athrú</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Cliceáil an cnaipe “Oscail fillteán na dtéamaí” thíos chun eolaire na dtéamaí a oscailt.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Aimsigh comhad .css do théama reatha agus oscail é le heagarthóir téacs.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Aimsigh nó cuir leis an stíl seo:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = clómhéid</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = cló</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Má tá cabhair uait, seol aiseolas chugainn!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Dún</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Socruithe</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ginearálta</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Cuma</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Téama an eagarthóra amhairc</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Téama na mbloc cóid</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Socruithe téama an eagarthóra</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Roghanna tosaithe</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Cúltaca uathoibríoch</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Taispeáin an barra taoibh clé</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Modh cóipeála íomhánna</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zúmáil</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Comhcheangal comhad</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Cumasaigh</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Comhcheangail le comhaid .md</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Conas stíleanna téama an eagarthóra amhairc a shaincheapadh</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Oscail fillteán na dtéamaí</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Stíl na mbloc cóid</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Féach ar thaispeántas téamaí CodeMirror</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Socruithe téama an eagarthóra cóid foinse</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Téama reatha:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Cóipeáil</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Scrios</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Sábháil an téama</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Cló</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Clómhéid</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Leid</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Theip ar an gcomhcheangal: b'fhéidir go bhfuil pribhléidí riarthóra ag teastáil.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>D'éirigh leis an gcomhcheangal le comhaid .md!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>Baineadh an comhcheangal le comhaid .md.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Níorbh fhéidir an comhcheangal a bhaint.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Roghnaigh dath</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Níorbh fhéidir é a shábháil!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Sábháilte!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Cóipeáil an téama</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Ainm an téama nua:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Tá an t-ainm sin ann cheana!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>D'éirigh leis an gcóipeáil!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Scrios an téama seo?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Luchtaigh íomhánna cianda</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Seiceáil Litrithe</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Seiceáil an litriú agus tú ag clóscríobh</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Níl aon fhoclóir litrithe suiteáilte: teastaíonn foclóir Hunspell (comhaid .dic agus .aff) in %1 chun an litriú a sheiceáil.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Socraigh hipearnasc</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Téacs:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Nasc:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Deimhnigh</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cealaigh</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>URL neamhbhailí</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Deimhniú scriosta</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>An bhfuil tú cinnte gur mian leat é a scriosadh?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Stop an t-eagarthóir amhairc gan choinne agus atosaíodh é. Aisghabhadh an doiciméad mar a bhí sé ag %1; cailleadh gach ar clóscríobhadh san eagarthóir amhairc ina dhiaidh sin.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Stop an t-eagarthóir amhairc gan choinne agus atosaíodh é. Níor cailleadh aon rud.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Theip ar an easpórtáil</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>Tá an t-ábhar HTML folamh.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Theip ar pharsáil an ábhair HTML.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Sábháil comhad Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Comhaid Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>D'éirigh leis an easpórtáil</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Sábháladh an comhad anseo:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Níorbh fhéidir an comhad a shábháil. Seiceáil na ceadanna.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Aiseolas</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Aiseolas trí ríomhphost</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Aiseolas trí GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Dún</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Aimsigh:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>eochairfhocal...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Aimsigh an ceann roimhe</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Aimsigh an chéad cheann eile</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Cásíogair</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Athchuir le:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Athchuir</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Athchuir &amp;&amp; aimsigh</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Athchuir uile</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Cumraíocht óstach íomhánna</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ainm</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL uaslódála</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Modh iarratais</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Réimse comhaid</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>Conair an URL sa JSON</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Cuir leis</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Scrios</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Ceanntásca iarratais</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Paraiméadair foirme</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cealaigh</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Eochair</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Luach</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Bainisteoir óstach íomhánna</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Cuir leis</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Eagar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Scrios</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Uaslódáil thástála</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ainm</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL uaslódála</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Réimse comhaid</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>Conair JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Deimhnigh</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Scrios é seo?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Roghnaigh óstach íomhánna ar dtús.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Íomhánna (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>D'éirigh leis an uaslódáil</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Theip ar an uaslódáil</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Cuir saincheist isteach ar GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Cuir isteach teideal an aiseolais...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Déan cur síos ar d'fhadhb nó ar do mholadh...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Seol</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cealaigh</translation>
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
        <translation>Comhad</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Easpórtáil</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Eagar</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formáid</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tábla</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Roghanna</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zúmáil</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Cabhair</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barra uirlisí</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Dún</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Trom</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Liosta uimhrithe</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Liosta urchar</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Athfhriotal</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Cód inlíne</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Líne chothrománach</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Nasc</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Íomhá</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nua</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Oscail</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sábháil</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Fúinn</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Sábháil mar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Glan an formáidiú</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Glan an formáidiú</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Líne tríd</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Ionsáigh tábla</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Bain an nasc</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Bloc cóid</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Aiseolas</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Nuashonruithe</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Priontáil</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Fuinneog nua</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zúmáil amach</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zúmáil isteach</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Tabhair síntiús</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Cúltacaí</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Athshocraigh an zúmáil réamhshocraithe</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cealaigh</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Athdhéan</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Cóipeáil</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Gearr</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Greamaigh</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Scrios</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Roghnaigh uile</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Aimsigh</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Athchuir</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Ceannteideal 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Ceannteideal 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Ceannteideal 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Ceannteideal 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Ceannteideal 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Ceannteideal 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Eangú ailt</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Iodálach</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Greamaigh mar ghnáth-théacs</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Greamaigh mar ghnáth-théacs</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Ionsáigh ró thíos</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Ionsáigh ró thuas</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Ionsáigh colún ar chlé</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Ionsáigh colún ar dheis</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Bog an ró suas</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Bog an ró síos</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Bog an colún ar chlé</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Bog an colún ar dheis</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Ailínigh an colún ar chlé</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Láraigh an colún</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Ailínigh an colún ar dheis</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Scrios an ró</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Scrios an colún</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Scrios an tábla</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Socruithe</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Seirbhís óstála íomhánna</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Íoslódáil an leagan iniompartha</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Lorg nuashonruithe</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Faigh HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Suíomh Gréasáin oifigiúil</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Teideal</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Eagarthóir cóid foinse</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Eagarthóir amhairc</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Cuir isteach eochairfhocail le cuardach...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Nascleanúint</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Roghnaigh fillteán</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Comhaid</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Brabhsálaí comhad</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Oscailte le déanaí</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Téama</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Geal</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dorcha</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Spéir ghorm</translation>
    </message>
    <message>
        <source>word</source>
        <translation>focail</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Cliceáil anseo...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Gan teideal</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Aimsigh agus athchuir</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Folaigh an barra taoibh clé</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Taispeáin an barra taoibh clé</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Cruthaíodh an cúltaca</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Scriosadh an cúltaca</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Fógra</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Ní féidir comhad %1 a oscailt: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Oscail comhad Markdown</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Sábháil comhad Markdown</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Ní féidir comhad %1 a shábháil: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Sábháladh an comhad</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Níorbh fhéidir an doiciméad a léamh ón eagarthóir amhairc, mar sin níor scríobhadh aon rud. Bain triail eile as i gceann nóiméid.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Zúmáil: %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Cóipeáladh é</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Greamú</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Socraigh an tábla</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>D'éirigh leis an easpórtáil</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Ní féidir easpórtáil go %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Níor thug an t-eagarthóir a dhoiciméad uaidh.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Rogha easpórtála</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>An mian leat barra taoibh seasta a ghiniúint le clár ábhair agus nascleanúint de réir ceannteideal?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Easpórtáil comhad HTML</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>Comhad HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Easpórtáil comhad Word</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Comhad Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Easpórtáil comhad PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Comhad PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Níorbh fhéidir an leathanach a phriontáil.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>D'éirigh leis an bpriontáil</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Theip ar an bpriontáil</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Níor aimsíodh aon téacs comhoiriúnach!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Cuir isteach téacs le haimsiú!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Níl aon téacs comhoiriúnach le hathchur!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>Líon na dtarluithe a athchuireadh: %1</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Athraigh</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Easpórtáil go Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Cuir leis</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Téacs malartach na híomhá](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Níor sábháladh an doiciméad reatha. Sábháil an comhad ar dtús sula ngreamaíonn tú íomhánna.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Roghnaigh eolaire</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Fógra nuashonraithe</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Tá an leagan is déanaí á úsáid agat cheana. Níl gá le nuashonrú.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Fógra uasghrádaithe</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Aimsíodh leagan nua</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Níorbh fhéidir an nuashonraitheoir a thosú: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Amharc</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Tá athruithe nár sábháladh riamh i gcúltaca de %1 ó %2. An mian leat é a athchóiriú?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Ionchódú: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>An mian leat na hathruithe ar %1 a shábháil?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>D'athraigh ríomhchlár eile %1 ó osclaíodh nó ó sábháladh é. An mian leat scríobh thar na hathruithe sin?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Tá carachtair sa doiciméad nach féidir le hionchódú an chomhaid, %1, a choinneáil. An mian leat é a shábháil in UTF-8 ina ionad sin?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>Scrios nó bhog ríomhchlár eile %1.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>D'athraigh ríomhchlár eile %1. An mian leat é a athlódáil agus na hathruithe nár sábháladh a chailleadh?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>D'athraigh ríomhchlár eile %1 agus athlódáladh é.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>An osclófar %1 leis an ríomhchlár a úsáideann an córas chuige sin?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Níorbh fhéidir nuashonruithe a sheiceáil.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>tá bearta NUL ann, mar sin ní comhad téacs é</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Tá</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Níl</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sábháil</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Ná sábháil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cealaigh</translation>
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
        <translation>Comhcheangal comhad</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>An mian leat an feidhmchlár seo a shocrú mar an clár réamhshocraithe chun comhaid .md a oscailt?
Má roghnaíonn tú “Níl”, is féidir leat é sin a athrú níos déanaí i roghchlár na socruithe.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Rabhadh</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Níorbh fhéidir an comhcheangal réamhshocraithe a shocrú: b'fhéidir go bhfuil pribhléidí riarthóra ag teastáil nó gur chuir polasaí córais bac ar an oibríocht.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Socraigh íomhá</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Roghnaigh</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Nasc: (tacaítear le conairí logánta nó le URLanna líonra)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cealaigh</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Roghnaigh íomhá</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Íomhánna (*.jpg *.jpeg *.bmp *.png *.gif);;Gach comhad (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Conair íomhá neamhbhailí</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Gan Mholtaí</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Cuir leis an bhFoclóir</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Déan neamhaird de</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Rónna</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colúin</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Socraigh an tábla</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Theip ar oscailt an chomhaid.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Earráid líonra: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Ní réad bailí JSON é an freagra.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Theip ar pharsáil URL na híomhá ón JSON.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Fúinn</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>– uirlis eagarthóireachta Markdown atá éasca le húsáid. Is féidir le húsáideoirí doiciméid a scríobh léi, agus tacaíonn sí freisin le heaspórtáil go PDF agus le gnéithe eile.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> leagan %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>ó fhorbróirí Penwick</translation>
    </message>
</context>
</TS>