<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="kk">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Сақтық көшірмелерді басқару</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Алдын ала қарау</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Жою</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Атауы</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Жасалған уақыты</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Хабарлама</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Бұл сақтық көшірмені шынымен жойғыңыз келе ме?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Сақтық көшірмені алдын ала қарау</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Қалпына келтіру</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Дәйексөз</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Жуан мәтін түсі</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Код блогының түсі</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Редактор фоны</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Тақырыптар түсі</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Көлденең сызық</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Суреттер түсі</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Жол ішіндегі код</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Курсив түсі</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Кілт сөздер түсі</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Жол нөмірлерінің фоны</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Жол нөмірлерінің түсі</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Сілтемелер түсі</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Тізімдер түсі</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Сызылған</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Кестелер түсі</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Мәтін түсі</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Бос құжат жасау</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Соңғы жабылған құжатты ашу</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Сурет жолын сақтау</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Суретті ./${filename}.assets қалтасына көшіру</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Жүйе бойынша</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Тіл</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Жүйеңіздің тіліне қолдау көрсетілмейді, ағылшын тілі қолданылады.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Теманы өзгерту нұсқаулығы</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Тема қалтасын ашу үшін төмендегі «Тема қалтасын ашу» батырмасын басыңыз.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Ағымдағы теманың .css файлын тауып, оны Блокнотта ашыңыз.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Мына стильді тауып немесе қосыңыз:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = қаріп өлшемі</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = қаріп</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Көмек керек болса, бізге хабарласыңыз!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Жабу</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Баптаулар</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Жалпы</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Сыртқы түрі</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Визуалды редактор темасы</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Код блоктарының темасы</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Редактор темасының баптаулары</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Іске қосу кезінде</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Автоматты сақтық көшірме</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Сол жақ бүйір панельді көрсету</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Суреттерді кірістіру</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Файлдарды байланыстыру</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Іске қосу</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>.md файлдарымен байланыстыру</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Визуалды редактор темасының стильдерін қалай баптауға болады</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Тема қалтасын ашу</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Код блоктарының стилі</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>CodeMirror темаларының демонстрациясын қараңыз</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Бастапқы код редакторы темасының баптаулары</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Ағымдағы тема:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Көшіру</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Жою</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Теманы сақтау</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Қаріп</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Қаріп өлшемі</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Ақпарат</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Байланыстыру сәтсіз аяқталды: әкімші құқықтары қажет болуы мүмкін.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>.md файлдары сәтті байланыстырылды!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>.md файлдарының байланысы жойылды.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Байланысты жою мүмкін болмады.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Түсті таңдау</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Сақтау сәтсіз аяқталды!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Сақталды!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Теманы көшіру</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Жаңа тема атауы:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Бұл атау бұрыннан бар!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Сәтті көшірілді!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Бұл теманы жою керек пе?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Қашықтағы суреттерді жүктеу</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Емлені тексеру</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Теру кезінде емлені тексеру</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Емле сөздігі орнатылмаған: емлені тексеру үшін %1 ішінде Hunspell сөздігі (.dic және .aff файлдары) керек.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Гиперсілтеме кірістіру</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Мәтін:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Сілтеме:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Растау</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Бас тарту</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Жарамсыз URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Жоюды растау</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Шынымен жойғыңыз келе ме?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Визуалды редактор күтпеген жерден тоқтап, қайта іске қосылды. Құжат %1 кезіндегі күйінде қалпына келтірілді; одан кейін визуалды редакторда терілген мәтін жоғалды.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Визуалды редактор күтпеген жерден тоқтап, қайта іске қосылды. Ештеңе жоғалған жоқ.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Экспорт сәтсіз аяқталды</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML мазмұны бос.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>HTML мазмұнын талдау мүмкін болмады.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Excel файлын сақтау</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel файлдары (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Экспорт сәтті аяқталды</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Файл сәтті сақталды:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Файлды сақтау мүмкін болмады. Рұқсаттарды тексеріңіз.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Кері байланыс</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Электрондық пошта арқылы кері байланыс</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>GitHub арқылы кері байланыс</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Жабу</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Табу:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>кілт сөз...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Алдыңғысын табу</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Келесісін табу</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Регистрді ескеру</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Мынаған ауыстыру:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ауыстыру</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Ауыстыру &amp;&amp; табу</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Барлығын ауыстыру</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Сурет хостингінің баптаулары</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Атауы</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Жүктеп салу URL мекенжайы</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Сұраныс әдісі</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Файл өрісі</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>JSON ішіндегі URL жолы</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Қосу</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Жою</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Сұраныс тақырыптамалары</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Пішін параметрлері</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Бас тарту</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Кілт</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Мән</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Сурет хостингтерін басқару</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Қосу</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Түзету</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Жою</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Сынақ түрінде жүктеп салу</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Атауы</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Жүктеп салу URL мекенжайы</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Файл өрісі</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON жолы</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Растау</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Шынымен жою керек пе?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Алдымен сурет хостингін таңдаңыз.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Суреттер (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Жүктеп салу сәтті аяқталды</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Жүктеп салу сәтсіз аяқталды</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>GitHub-та мәселе туралы хабарлау</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Кері байланыс тақырыбын енгізіңіз...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Мәселеңізді немесе ұсынысыңызды сипаттаңыз...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Жіберу</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Бас тарту</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Түзету</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Пішім</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Кесте</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметрлер</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Анықтама</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Құралдар тақтасы</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Жабу</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Жуан</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Нөмірленген тізім</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Таңбалауышты тізім</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Дәйексөз</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Жол ішіндегі код</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Көлденең сызық</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Сілтеме</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Сурет</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Жаңа</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ашу</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сақтау</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Бағдарлама туралы</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Басқаша сақтау</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Пішімдеуді тазарту</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Пішімдеуді тазарту</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Сызылған</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Кесте кірістіру</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Сілтемені жою</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Код блогы</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Кері байланыс</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Жаңартулар</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Басып шығару</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Жаңа терезе</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Кішірейту</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Үлкейту</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Жобаны қолдау</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Сақтық көшірмелер</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Әдепкі масштабты қалпына келтіру</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Болдырмау</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Қайталау</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Көшіру</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Қиып алу</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Кірістіру</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Жою</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Барлығын таңдау</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Табу</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ауыстыру</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Тақырып 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Тақырып 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Тақырып 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Тақырып 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Тақырып 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Тақырып 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Абзац</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Абзац шегінісі</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Қарапайым мәтін ретінде кірістіру</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Қарапайым мәтін ретінде кірістіру</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Төменге жол кірістіру</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Жоғарыға жол кірістіру</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Сол жаққа баған кірістіру</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Оң жаққа баған кірістіру</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Жолды жоғары жылжыту</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Жолды төмен жылжыту</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Бағанды солға жылжыту</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Бағанды оңға жылжыту</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Бағанды сол жақ бойынша туралау</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Бағанды ортаға туралау</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Бағанды оң жақ бойынша туралау</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Жолды жою</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Бағанды жою</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Кестені жою</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Баптаулар</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Сурет хостингі</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Портативті нұсқаны жүктеп алу</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Жаңартуларды тексеру</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>HTML көрсету</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Ресми сайт</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Атауы</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Бастапқы код редакторы</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Визуалды редактор</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Іздеу үшін кілт сөздерді енгізіңіз...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Навигация</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Қалтаны таңдау</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлдар</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Файл шолғышы</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Соңғы ашылғандар</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ашық</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Қараңғы</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Көгілдір аспан</translation>
    </message>
    <message>
        <source>word</source>
        <translation>сөз</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Осында басыңыз...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Атаусыз</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Табу және ауыстыру</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Сол жақ бүйір панельді жасыру</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Сол жақ бүйір панельді көрсету</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Сақтық көшірме жасалды</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Сақтық көшірме жойылды</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Хабарлама</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>%1 файлын ашу мүмкін емес: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Markdown файлын ашу</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Markdown файлын сақтау</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>%1 файлын сақтау мүмкін емес: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Сәтті сақталды</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Құжатты визуалды редактордан оқу мүмкін болмады, сондықтан ештеңе жазылмады. Сәлден кейін қайталап көріңіз.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Масштаб %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Көшірілді</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Кірістіру</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Кестені баптау</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Экспорт сәтті аяқталды</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>%1 файлына экспорттау мүмкін емес: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Редактор құжатты бермеді.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Экспорт параметрлері</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Тақырыптар бойынша навигациясы бар бекітілген мазмұн бүйір панелін жасау керек пе?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>HTML файлына экспорттау</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML файлы (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Word файлына экспорттау</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word файлы (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>PDF файлына экспорттау</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF файлы (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Бетті басып шығару мүмкін болмады.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Басып шығару сәтті аяқталды</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Басып шығару сәтсіз аяқталды</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Сәйкес мәтін табылмады!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Іздеу үшін мәтін енгізіңіз!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Ауыстыруға сәйкес мәтін жоқ!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>Ауыстырылған сәйкестіктер саны: %1</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Өзгерту</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Excel-ге экспорттау</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Қосу</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Сурет сипаттамасы](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Ағымдағы құжат сақталмаған. Суреттерді кірістірмес бұрын алдымен файлды сақтаңыз.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Қалтаны таңдау</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Жаңарту туралы</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Сіз ең соңғы нұсқаны пайдаланып жатырсыз. Жаңарту қажет емес.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Жаңарту қолжетімді</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Жаңа нұсқа табылды</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Жаңарту бағдарламасын іске қосу мүмкін болмады: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Түр</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>%1 файлының %2 кезіндегі сақтық көшірмесінде ешқашан сақталмаған өзгерістер бар. Оны қалпына келтіру керек пе?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Кодтау: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>%1 файлындағы өзгерістерді сақтағыңыз келе ме?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 файлы ашылғаннан немесе сақталғаннан кейін оны басқа бағдарлама өзгертті. Ол өзгерістердің үстінен жазу керек пе?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Құжатта файлдың кодтауы (%1) сақтай алмайтын таңбалар бар. Оның орнына UTF-8 кодтауында сақтау керек пе?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 файлын басқа бағдарлама жойды немесе жылжытты.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 файлын басқа бағдарлама өзгертті. Оны қайта жүктеп, сақталмаған өзгерістерден бас тарту керек пе?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 файлын басқа бағдарлама өзгертті, сондықтан ол қайта жүктелді.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>%1 жүйе қолданатын бағдарламамен ашылсын ба?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Жаңартуларды тексеру мүмкін болмады.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>онда NUL байттары бар, сондықтан ол мәтіндік файл емес</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Иә</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Жоқ</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сақтау</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Сақтамау</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Бас тарту</translation>
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
        <translation>Файлдарды байланыстыру</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Бұл қолданбаны .md файлдарын ашатын әдепкі бағдарлама ретінде орнатқыңыз келе ме?
«Жоқ» деп таңдасаңыз, мұны кейін баптаулар мәзірінде өзгерте аласыз.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ескерту</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Әдепкі байланысты орнату мүмкін болмады: әкімші құқықтары қажет болуы мүмкін немесе әрекетті жүйе саясаты бұғаттады.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Сурет кірістіру</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Таңдау</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Сілтеме: (жергілікті жолдар немесе желілік URL мекенжайлары)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Бас тарту</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Суретті таңдау</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Суреттер (*.jpg *.jpeg *.bmp *.png *.gif);;Барлық файлдар (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Жарамсыз сурет жолы</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Ұсыныстар жоқ</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Сөздікке қосу</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Елемеу</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Жолдар</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Бағандар</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Кестені баптау</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Файлды ашу мүмкін болмады.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Желі қатесі: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Жауап жарамды JSON нысаны емес.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>JSON ішінен сурет URL мекенжайын алу мүмкін болмады.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Бағдарлама туралы</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>Markdown құжаттарын өңдеуге арналған қарапайым әрі қолжетімді құрал болып табылады. Пайдаланушылар онымен құжаттар жаза алады, сондай-ақ ол PDF пішіміне экспорттауды және басқа да мүмкіндіктерді қолдайды.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> нұсқасы %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>Penwick әзірлеушілері</translation>
    </message>
</context>
</TS>