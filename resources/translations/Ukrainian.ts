<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="uk">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Керування резервними копіями</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Попередній перегляд</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Дата створення</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Ви справді хочете видалити цю резервну копію?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Перегляд резервної копії</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Відновити</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Цитата</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Колір жирного тексту</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Колір блоків коду</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Тло редактора</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Колір заголовків</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Горизонтальна лінія</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Колір зображень</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Вбудований код</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Колір курсиву</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Колір ключових слів</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Тло номерів рядків</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Колір номерів рядків</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Колір посилань</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Колір списків</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Закреслений</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Колір таблиць</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Колір тексту</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Створити порожній документ</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Відкрити останній закритий документ</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Зберігати шлях до зображення</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Копіювати зображення до теки ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Як у системі</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Мова вашої системи не підтримується, буде використано англійську.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Як змінити тему</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Натисніть кнопку «Відкрити теку тем» нижче, щоб відкрити каталог тем.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Знайдіть файл .css поточної теми та відкрийте його в Блокноті.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Знайдіть або додайте такий стиль:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = розмір шрифту</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = шрифт</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Якщо вам потрібна допомога, напишіть нам!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Вигляд</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Тема візуального редактора</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Тема блоків коду</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Налаштування теми редактора</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Під час запуску</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Автоматичне резервне копіювання</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Показувати ліву бічну панель</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Вставлення зображень</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Асоціація файлів</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Увімкнути</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Асоціювати з файлами .md</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Як налаштувати стилі теми візуального редактора</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Відкрити теку тем</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Стиль блоків коду</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Див. демонстрацію тем CodeMirror</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Налаштування теми редактора вихідного коду</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Поточна тема:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Зберегти тему</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Розмір шрифту</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Не вдалося створити асоціацію: можливо, потрібні права адміністратора.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Файли .md успішно асоційовано!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>Асоціацію файлів .md видалено.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Не вдалося видалити асоціацію.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Вибір кольору</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Не вдалося зберегти!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Збережено!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Копіювання теми</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Назва нової теми:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Така назва вже існує!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Успішно скопійовано!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Видалити цю тему?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Завантажувати віддалені зображення</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Перевірка правопису</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Перевіряти правопис під час введення</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Не встановлено жодного словника: для перевірки правопису потрібен словник Hunspell (файли .dic і .aff) у теці %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Вставлення гіперпосилання</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Текст:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Посилання:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Підтвердити</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Неприпустима URL-адреса</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Підтвердження видалення</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Ви справді хочете видалити?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Візуальний редактор несподівано припинив роботу, і його було перезапущено. Документ відновлено до стану на %1; усе, що було введено у візуальному редакторі після цього, втрачено.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Візуальний редактор несподівано припинив роботу, і його було перезапущено. Нічого не втрачено.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Помилка експорту</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML-вміст порожній.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Не вдалося розібрати HTML-вміст.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Збереження файлу Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Файли Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Експорт виконано</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Файл успішно збережено:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Не вдалося зберегти файл. Перевірте права доступу.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Зворотний зв’язок</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Відгук електронною поштою</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Відгук на GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Знайти:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>ключове слово...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Знайти попереднє</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Знайти наступне</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Враховувати регістр</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Замінити на:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Замінити</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Замінити &amp;&amp; знайти</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Замінити все</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Налаштування хостингу зображень</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL-адреса завантаження</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Метод запиту</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Поле файлу</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>Шлях до URL у JSON</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Заголовки запиту</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Параметри форми</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Ключ</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значення</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Керування хостингами зображень</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Редагування</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Тестове завантаження</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL-адреса завантаження</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Поле файлу</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>Шлях JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Підтвердити</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Справді видалити?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Спершу виберіть хостинг зображень.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Зображення (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Завантаження виконано</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Помилка завантаження</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Повідомити про проблему на GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Введіть заголовок відгуку...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Опишіть проблему або пропозицію...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Надіслати</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Діалог</translation>
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
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Редагування</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Таблиця</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Панель інструментів</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Жирний</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Нумерований список</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Маркований список</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Цитата</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Вбудований код</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Горизонтальна лінія</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Посилання</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Зображення</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Зберегти як</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити формат</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Очистити форматування</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Закреслений</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Вставити таблицю</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Видалити посилання</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Блок коду</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Зворотний зв’язок</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Нове вікно</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Зменшити</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Збільшити</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Підтримати проєкт</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Резервні копії</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Скинути масштаб</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вирізати</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Виділити все</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Знайти</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Замінити</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Заголовок 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Заголовок 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Заголовок 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Заголовок 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Заголовок 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Заголовок 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Абзац</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Відступ абзацу</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Вставити як звичайний текст</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Вставити як звичайний текст</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Вставити рядок нижче</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Вставити рядок вище</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Вставити стовпець ліворуч</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Вставити стовпець праворуч</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Перемістити рядок вгору</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Перемістити рядок вниз</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Перемістити стовпець ліворуч</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Перемістити стовпець праворуч</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Вирівняти стовпець за лівим краєм</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Вирівняти стовпець по центру</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Вирівняти стовпець за правим краєм</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Видалити рядок</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Видалити стовпець</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Видалити таблицю</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Хостинг зображень</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Завантажити портативну версію</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Перевірити оновлення</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Показати HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Офіційний сайт</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Редактор вихідного коду</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Візуальний редактор</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Введіть слова для пошуку...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Навігація</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Вибрати теку</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файли</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Огляд файлів</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Нещодавні</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Світла</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темна</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Блакитне небо</translation>
    </message>
    <message>
        <source>word</source>
        <translation>слів</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Натисніть тут...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Без назви</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Пошук і заміна</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Сховати ліву бічну панель</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Показувати ліву бічну панель</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Резервну копію створено</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Резервну копію видалено</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Не вдалося відкрити файл %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Відкрити файл Markdown</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Зберегти файл Markdown</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Не вдалося зберегти файл %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Успішно збережено</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Не вдалося отримати документ із візуального редактора, тому нічого не записано. Спробуйте ще раз за мить.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Масштаб %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Скопійовано</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Вставлення</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Налаштування таблиці</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Експорт виконано</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Не вдалося експортувати до %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Редактор не передав документ.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Параметри експорту</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Створити закріплену бічну панель зі змістом для навігації за заголовками?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Експорт у HTML</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>Файл HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Експорт у Word</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Файл Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Експорт у PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Файл PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Не вдалося надрукувати сторінку.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Друк виконано</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Помилка друку</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Збігів не знайдено!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Введіть текст для пошуку!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Немає збігів для заміни!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>Замінено збігів: %1</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Експорт в Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Опис зображення](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Поточний документ не збережено. Збережіть файл, перш ніж вставляти зображення.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Вибір теки</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Перевірка оновлень</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Ви використовуєте найновішу версію. Оновлення не потрібне.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Доступне оновлення</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Виявлено нову версію</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Не вдалося запустити програму оновлення: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вигляд</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Резервна копія %1 від %2 містить зміни, які так і не було збережено. Відновити її?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Кодування: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Зберегти зміни в %1?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>Інша програма змінила файл %1 після того, як його було відкрито або збережено. Перезаписати ці зміни?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Документ містить символи, яких не підтримує кодування файлу (%1). Зберегти його в UTF-8?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>Інша програма видалила або перемістила файл %1.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>Інша програма змінила файл %1. Завантажити його повторно й утратити незбережені зміни?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>Інша програма змінила файл %1, тому його завантажено повторно.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Відкрити %1 у програмі, яку система використовує для цього?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Не вдалося перевірити наявність оновлень.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>він містить байти NUL, тому не є текстовим файлом</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Не зберігати</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
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
        <translation>Асоціація файлів</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Зробити цю програму типовою для відкриття файлів .md?
Якщо вибрати «Ні», це можна буде змінити пізніше в налаштуваннях.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Не вдалося встановити типову асоціацію: можливо, потрібні права адміністратора або операцію заблоковано політикою системи.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Вставлення зображення</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Вибрати</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Посилання: (локальний шлях або мережева URL-адреса)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Вибір зображення</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Зображення (*.jpg *.jpeg *.bmp *.png *.gif);;Усі файли (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Неприпустимий шлях до зображення</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Немає пропозицій</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Додати до словника</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Пропустити</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Рядки</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Стовпці</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Налаштування таблиці</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Не вдалося відкрити файл.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Помилка мережі: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Відповідь не є коректним об’єктом JSON.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Не вдалося отримати URL-адресу зображення з JSON.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>є простим і зручним редактором Markdown. За його допомогою можна писати документи; також підтримується експорт у PDF та інші можливості.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> версія %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>Розробники Penwick</translation>
    </message>
</context>
</TS>