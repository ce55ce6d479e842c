<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ru">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Управление резервными копиями</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Дата создания</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Вы действительно хотите удалить эту резервную копию?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Просмотр резервной копии</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
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
        <translation>Цвет полужирного текста</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Цвет блоков кода</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Фон редактора</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Цвет заголовков</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Горизонтальная линия</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Цвет изображений</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Встроенный код</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Цвет курсива</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Цвет ключевых слов</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Фон номеров строк</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Цвет номеров строк</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Цвет ссылок</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Цвет списков</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Зачеркнутый</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Цвет таблиц</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Цвет текста</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Создать пустой документ</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Открыть последний закрытый документ</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Сохранять путь к изображению</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Копировать изображение в папку ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Язык вашей системы не поддерживается, будет использоваться английский.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Как изменить тему</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Нажмите кнопку «Открыть папку тем» ниже, чтобы открыть каталог тем.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Найдите файл .css текущей темы и откройте его в Блокноте.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Найдите или добавьте следующий стиль:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = размер шрифта</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = шрифт</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Если вам нужна помощь, напишите нам!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Внешний вид</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Тема визуального редактора</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Тема блоков кода</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Настройки темы редактора</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>При запуске</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Автоматическое резервное копирование</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Показывать левую боковую панель</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Вставка изображений</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Сопоставление файлов</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Сопоставить с файлами .md</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Как настроить стили темы визуального редактора</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Открыть папку тем</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Стиль блоков кода</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>См. демонстрацию тем CodeMirror</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Настройки темы редактора исходного кода</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Текущая тема:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Сохранить тему</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Размер шрифта</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Уведомление</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Не удалось выполнить сопоставление: возможно, требуются права администратора.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Файлы .md успешно сопоставлены!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>Сопоставление файлов .md удалено.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Не удалось удалить сопоставление.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Выбор цвета</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Не удалось сохранить!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Сохранено!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Копирование темы</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Имя новой темы:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Такое имя уже существует!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Успешно скопировано!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Удалить эту тему?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Загружать удалённые изображения</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Проверка орфографии</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Проверять орфографию при вводе</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Не установлен ни один словарь: для проверки орфографии нужен словарь Hunspell (файлы .dic и .aff) в папке %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Вставка гиперссылки</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Текст:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Ссылка:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Недопустимый URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Подтверждение удаления</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Вы действительно хотите удалить?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Визуальный редактор неожиданно прекратил работу и был перезапущен. Документ восстановлен в состоянии на %1; все, что было введено в визуальном редакторе после этого, утеряно.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Визуальный редактор неожиданно прекратил работу и был перезапущен. Ничего не потеряно.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Ошибка экспорта</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML-содержимое пусто.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Не удалось разобрать HTML-содержимое.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Сохранение файла Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Файлы Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Экспорт выполнен</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Файл успешно сохранен:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Не удалось сохранить файл. Проверьте права доступа.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Обратная связь</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Отзыв по электронной почте</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Отзыв на GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Найти:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>ключевое слово...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Найти предыдущее</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Найти далее</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Учитывать регистр</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Заменить на:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Заменить &amp;&amp; найти</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Заменить все</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Настройка хостинга изображений</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL загрузки</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Метод запроса</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Поле файла</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>Путь к URL в JSON</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Заголовки запроса</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Параметры формы</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Ключ</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Управление хостингами изображений</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Тестовая загрузка</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL загрузки</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Поле файла</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>Путь JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Действительно удалить?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Сначала выберите хостинг изображений.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Изображения (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Загрузка выполнена</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Ошибка загрузки</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Сообщить о проблеме на GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Введите заголовок отзыва...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Опишите проблему или предложение...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Правка</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Полужирный</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Нумерованный список</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Маркированный список</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Цитата</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Встроенный код</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Горизонтальная линия</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Ссылка</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить формат</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Очистить форматирование</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Зачеркнутый</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Вставить таблицу</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Удалить ссылку</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Блок кода</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Обратная связь</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Новое окно</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Поддержать проект</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Резервные копии</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Сбросить масштаб</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить все</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
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
        <translation>Отступ абзаца</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Вставить как обычный текст</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Вставить как обычный текст</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Вставить строку ниже</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Вставить строку выше</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Вставить столбец слева</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Вставить столбец справа</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Переместить строку вверх</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Переместить строку вниз</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Переместить столбец влево</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Переместить столбец вправо</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Выровнять столбец по левому краю</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Выровнять столбец по центру</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Выровнять столбец по правому краю</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Удалить строку</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Удалить столбец</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Удалить таблицу</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Хостинг изображений</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Скачать портативную версию</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Показать HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Официальный сайт</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Редактор исходного кода</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Визуальный редактор</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Введите слова для поиска...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Навигация</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Выбрать папку</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Обзор файлов</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Недавние</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темная</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Голубое небо</translation>
    </message>
    <message>
        <source>word</source>
        <translation>слов</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Нажмите здесь...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Без названия</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Поиск и замена</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Скрыть левую боковую панель</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Показывать левую боковую панель</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Резервная копия создана</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Резервная копия удалена</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Не удалось открыть файл %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Открыть файл Markdown</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Сохранить файл Markdown</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Не удалось сохранить файл %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Успешно сохранено</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Не удалось получить документ из визуального редактора, поэтому ничего не было записано. Повторите попытку чуть позже.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Масштаб %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Скопировано</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Вставка</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Настройка таблицы</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Экспорт выполнен</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Не удалось экспортировать в %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Редактор не передал документ.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Параметры экспорта</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Создать закрепленную боковую панель с оглавлением для навигации по заголовкам?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Экспорт в HTML</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>Файл HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Экспорт в Word</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Файл Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Экспорт в PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Файл PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Не удалось напечатать страницу.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Печать выполнена</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Ошибка печати</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Совпадений не найдено!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Введите текст для поиска!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Нет совпадений для замены!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>Заменено совпадений: %1</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Экспорт в Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Описание изображения](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Текущий документ не сохранен. Сохраните файл, прежде чем вставлять изображения.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Выбор папки</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Проверка обновлений</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Вы используете последнюю версию. Обновление не требуется.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Доступно обновление</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Обнаружена новая версия</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Не удалось запустить программу обновления: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Резервная копия %1 от %2 содержит изменения, которые так и не были сохранены. Восстановить ее?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Кодировка: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Сохранить изменения в %1?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>Файл %1 был изменен другой программой после открытия или сохранения. Перезаписать эти изменения?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Документ содержит символы, которые невозможно сохранить в кодировке файла (%1). Сохранить его в UTF-8?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>Файл %1 был удален или перемещен другой программой.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>Файл %1 был изменен другой программой. Загрузить его заново, потеряв несохраненные изменения?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>Файл %1 был изменен другой программой и загружен заново.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Открыть %1 в программе, которую система использует для этого?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Не удалось проверить наличие обновлений.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>он содержит байты NUL, поэтому не является текстовым файлом</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Не сохранять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Сопоставление файлов</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Сделать это приложение программой по умолчанию для открытия файлов .md?
Если выбрать «Нет», это можно будет изменить позже в настройках.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Не удалось назначить сопоставление по умолчанию: возможно, требуются права администратора или операция заблокирована политикой системы.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Вставка изображения</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Ссылка: (локальный путь или сетевой URL)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Выбор изображения</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Изображения (*.jpg *.jpeg *.bmp *.png *.gif);;Все файлы (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Недопустимый путь к изображению</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Нет вариантов</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Добавить в словарь</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Пропустить</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Строки</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Столбцы</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Настройка таблицы</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Не удалось открыть файл.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Ошибка сети: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Ответ не является допустимым объектом JSON.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Не удалось извлечь URL изображения из JSON.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>является простым и удобным редактором Markdown. С его помощью можно писать документы; также поддерживается экспорт в PDF и другие возможности.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> версия %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>Разработчики Penwick</translation>
    </message>
</context>
</TS>