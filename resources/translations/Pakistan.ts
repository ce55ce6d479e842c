<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ur">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>بیک اپ کا انتظام</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>پیش منظر</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف کریں</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>تخلیق کا وقت</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>اطلاع</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>کیا آپ واقعی یہ بیک اپ حذف کرنا چاہتے ہیں؟</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>بیک اپ کا پیش منظر</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>بحال کریں</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>اقتباس</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>جلی متن کا رنگ</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>کوڈ بلاک کا رنگ</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>ایڈیٹر کا پس منظر</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>سرخی کا رنگ</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>افقی لکیر</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>تصویر کا رنگ</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>ان لائن کوڈ</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>ترچھے متن کا رنگ</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>کلیدی الفاظ کا رنگ</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>لائن نمبر کا پس منظر</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>لائن نمبر کا رنگ</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>لنک کا رنگ</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>فہرست کا رنگ</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>خط تنسیخ</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>ٹیبل کا رنگ</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>متن کا رنگ</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>خالی دستاویز بنائیں</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>حال ہی میں بند کی گئی دستاویز کھولیں</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>تصویر کا راستہ برقرار رکھیں</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>تصویر کو ./${filename}.assets فولڈر میں کاپی کریں</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>سسٹم ڈیفالٹ</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>زبان</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>آپ کے سسٹم کی زبان تعاون یافتہ نہیں ہے، اس لیے انگریزی استعمال کی جائے گی۔</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>تھیم میں ترمیم کا طریقہ</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. تھیم فولڈر کھولنے کے لیے نیچے دیے گئے “تھیم فولڈر کھولیں” بٹن پر کلک کریں۔</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. اپنی موجودہ تھیم کی .css فائل تلاش کریں اور اسے نوٹ پیڈ میں کھولیں۔</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. یہ اسٹائل تلاش کریں یا شامل کریں:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = فونٹ کا سائز</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = فونٹ فیملی</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>اگر آپ کو مدد درکار ہو تو براہ کرم ہمیں اپنی رائے بھیجیں!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>ترتیبات</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عمومی</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>ظاہری شکل</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>بصری ایڈیٹر کی تھیم</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>کوڈ بلاک کی تھیم</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>ایڈیٹر تھیم کی ترتیبات</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>آغاز کے اختیارات</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>خودکار بیک اپ</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>بائیں سائیڈبار دکھائیں</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>تصویر کاپی کرنے کا طریقہ</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>زوم</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>فائل ایسوسی ایشن</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>فعال کریں</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>.md فائلوں سے منسلک کریں</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>بصری ایڈیٹر کی تھیم کے اسٹائلز کو حسب ضرورت کیسے بنائیں</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>تھیم فولڈر کھولیں</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>کوڈ بلاک کا اسٹائل</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>براہ کرم CodeMirror تھیم کا ڈیمو دیکھیں</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>سورس ایڈیٹر تھیم کی ترتیبات</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>موجودہ تھیم:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>کاپی کریں</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف کریں</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>تھیم محفوظ کریں</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>فونٹ فیملی</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>فونٹ کا سائز</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>مشورہ</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>ایسوسی ایشن ناکام: منتظم کے اختیارات درکار ہو سکتے ہیں۔</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>.md فائلوں سے کامیابی کے ساتھ منسلک کر دیا گیا!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>.md فائل ایسوسی ایشن کامیابی کے ساتھ ہٹا دی گئی۔</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>ایسوسی ایشن ہٹائی نہیں جا سکی۔</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>رنگ منتخب کریں</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>محفوظ کرنا ناکام!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>محفوظ ہو گیا!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>تھیم کاپی کریں</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>نئی تھیم کا نام:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>یہ نام پہلے سے موجود ہے!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>کامیابی کے ساتھ کاپی ہو گیا!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>یہ تھیم حذف کریں؟</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>دور دراز کی تصاویر لوڈ کریں</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>املا کی جانچ</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>لکھتے وقت املا جانچیں</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>کوئی املا لغت نصب نہیں ہے: املا کی جانچ کے لیے %1 میں Hunspell لغت (‎.dic اور ‎.aff فائلیں) درکار ہے۔</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>ہائپر لنک سیٹ کریں</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>متن:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>لنک:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>تصدیق کریں</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>غلط URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>حذف کرنے کی تصدیق</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>کیا آپ واقعی حذف کرنا چاہتے ہیں؟</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>بصری ایڈیٹر غیر متوقع طور پر بند ہو گیا اور اسے دوبارہ شروع کیا گیا۔ دستاویز کو اسی حالت میں بحال کیا گیا ہے جو %1 پر تھی؛ اس کے بعد بصری ایڈیٹر میں جو کچھ لکھا گیا وہ ضائع ہو گیا ہے۔</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>بصری ایڈیٹر غیر متوقع طور پر بند ہو گیا اور اسے دوبارہ شروع کیا گیا۔ کچھ بھی ضائع نہیں ہوا۔</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>برآمد ناکام</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML مواد خالی ہے۔</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>HTML مواد کو پارس نہیں کیا جا سکا۔</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Excel فائل محفوظ کریں</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel فائلیں (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>برآمد کامیاب</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>فائل کامیابی کے ساتھ یہاں محفوظ ہو گئی:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>فائل محفوظ نہیں کی جا سکی۔ براہ کرم اجازتیں چیک کریں۔</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>رائے</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>ای میل کے ذریعے رائے</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>GitHub پر رائے</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>تلاش کریں:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>کلیدی لفظ...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>پچھلا تلاش کریں</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>اگلا تلاش کریں</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>چھوٹے بڑے حروف میں فرق</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>اس سے تبدیل کریں:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>تبدیل کریں</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>تبدیل کریں &amp;&amp; تلاش کریں</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>سب تبدیل کریں</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>تصویر ہوسٹ کی کنفیگریشن</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>اپ لوڈ URL</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>درخواست کا طریقہ</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>فائل فیلڈ</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>JSON میں URL کا راستہ</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>شامل کریں</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف کریں</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>درخواست کے ہیڈرز</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>فارم پیرامیٹرز</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>کلید</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>قدر</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>تصویر ہوسٹ منیجر</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>شامل کریں</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>ترمیم</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف کریں</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>ٹیسٹ اپ لوڈ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>اپ لوڈ URL</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>فائل فیلڈ</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON راستہ</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>تصدیق کریں</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>کیا آپ واقعی حذف کرنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>براہ کرم پہلے تصویر ہوسٹ منتخب کریں۔</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>تصاویر (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>اپ لوڈ کامیاب</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>اپ لوڈ ناکام</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>GitHub پر مسئلہ درج کریں</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>براہ کرم رائے کا عنوان درج کریں...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>براہ کرم اپنا مسئلہ یا تجویز بیان کریں...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>جمع کرائیں</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ڈائیلاگ</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>فائل</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>برآمد کریں</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>ترمیم</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>فارمیٹ</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>ٹیبل</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>اختیارات</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>زوم</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مدد</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>ٹول بار</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>جلی</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>نمبر والی فہرست</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>بلٹ والی فہرست</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>اقتباس</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>ان لائن کوڈ</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>افقی لکیر</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>لنک</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>تصویر</translation>
    </message>
    <message>
        <source>New</source>
        <translation>نیا</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>کھولیں</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>محفوظ کریں</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>ہمارے بارے میں</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>بطور محفوظ کریں</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>فارمیٹنگ صاف کریں</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>فارمیٹنگ صاف کریں</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>خط تنسیخ</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>ٹیبل داخل کریں</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>لنک ہٹائیں</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>کوڈ بلاک</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>رائے</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>اپ ڈیٹس</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>پرنٹ کریں</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>نئی ونڈو</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>زوم آؤٹ</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>زوم ان</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>عطیہ دیں</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>بیک اپ</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>ڈیفالٹ زوم بحال کریں</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>کالعدم کریں</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>دوبارہ کریں</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>کاپی کریں</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>کاٹیں</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>چسپاں کریں</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف کریں</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>سب منتخب کریں</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>تلاش کریں</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>تبدیل کریں</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>سرخی 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>سرخی 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>سرخی 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>سرخی 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>سرخی 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>سرخی 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>پیراگراف</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>پیراگراف انڈینٹ</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>ترچھا</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>سادہ متن کے طور پر چسپاں کریں</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>سادہ متن کے طور پر چسپاں کریں</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>نیچے قطار داخل کریں</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>اوپر قطار داخل کریں</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>بائیں جانب کالم داخل کریں</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>دائیں جانب کالم داخل کریں</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>موجودہ قطار اوپر منتقل کریں</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>موجودہ قطار نیچے منتقل کریں</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>موجودہ کالم بائیں منتقل کریں</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>موجودہ کالم دائیں منتقل کریں</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>موجودہ کالم کو بائیں سیدھ میں کریں</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>موجودہ کالم کو درمیان میں سیدھ کریں</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>موجودہ کالم کو دائیں سیدھ میں کریں</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>موجودہ قطار حذف کریں</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>موجودہ کالم حذف کریں</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>ٹیبل حذف کریں</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>ترتیبات</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>تصویر ہوسٹنگ سروس</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>پورٹیبل ورژن ڈاؤن لوڈ کریں</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>اپ ڈیٹس چیک کریں</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>HTML دیکھیں</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>آفیشل ویب سائٹ</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>عنوان</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>سورس کوڈ ایڈیٹر</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>بصری ایڈیٹر</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>تلاش کے لیے کلیدی الفاظ درج کریں...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>نیویگیشن</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>فولڈر منتخب کریں</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>فائلیں</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>فائل براؤزر</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>حال ہی میں کھولی گئیں</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>تھیم</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>روشن</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>تاریک</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>نیلا آسمان</translation>
    </message>
    <message>
        <source>word</source>
        <translation>الفاظ</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>براہ کرم یہاں کلک کریں...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>بے عنوان</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>تلاش کریں اور تبدیل کریں</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>بائیں سائیڈبار چھپائیں</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>بائیں سائیڈبار دکھائیں</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>بیک اپ کامیاب</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>بیک اپ حذف ہو گیا</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>اطلاع</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>فائل %1 نہیں کھولی جا سکی: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Markdown فائل کھولیں</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Markdown فائل محفوظ کریں</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>فائل %1 محفوظ نہیں کی جا سکی: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>کامیابی کے ساتھ محفوظ ہو گیا</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>بصری ایڈیٹر سے دستاویز نہیں پڑھی جا سکی، اس لیے کچھ بھی نہیں لکھا گیا۔ براہ کرم تھوڑی دیر بعد دوبارہ کوشش کریں۔</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>زوم کا تناسب %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>کاپی کامیاب</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>چسپاں کرنے کا عمل</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>ٹیبل ترتیب دیں</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>برآمد کامیاب</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>%1 میں برآمد نہیں کیا جا سکا: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>ایڈیٹر نے اپنی دستاویز فراہم نہیں کی۔</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>برآمد کا اختیار</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>کیا آپ سرخیوں کی نیویگیشن کے ساتھ فہرستِ مضامین کی ایک مستقل سائیڈبار بنانا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>HTML فائل برآمد کریں</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML فائل (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Word فائل برآمد کریں</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word فائل (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>PDF فائل برآمد کریں</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF فائل (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>صفحہ پرنٹ نہیں کیا جا سکا۔</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>پرنٹ کامیاب</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>پرنٹ ناکام</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>کوئی مماثل متن نہیں ملا!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>براہ کرم تلاش کے لیے متن درج کریں!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>تبدیل کرنے کے لیے کوئی مماثل متن نہیں!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1 جگہوں پر تبدیل کر دیا گیا!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>ترمیم کریں</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Excel میں برآمد کریں</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>شامل کریں</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![تصویر کی وضاحت](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>موجودہ دستاویز محفوظ نہیں کی گئی۔ تصاویر چسپاں کرنے سے پہلے براہ کرم فائل محفوظ کریں۔</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>فولڈر منتخب کریں</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>اپ ڈیٹ کی اطلاع</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>آپ فی الحال تازہ ترین ورژن استعمال کر رہے ہیں۔ اپ ڈیٹ کی ضرورت نہیں۔</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>اپ گریڈ کی اطلاع</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>ایک نیا ورژن دستیاب ہے</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>اپ ڈیٹر شروع نہیں کیا جا سکا: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>منظر</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>%1 کے ایک بیک اپ میں، جو %2 کو بنایا گیا تھا، ایسی تبدیلیاں ہیں جو کبھی محفوظ نہیں کی گئیں۔ کیا آپ اسے بحال کرنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>انکوڈنگ: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>کیا آپ %1 میں کی گئی تبدیلیاں محفوظ کرنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 کو کھولنے یا محفوظ کرنے کے بعد کسی دوسرے پروگرام نے اس میں تبدیلی کی ہے۔ کیا آپ ان تبدیلیوں کو اوور رائٹ کرنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>دستاویز میں ایسے حروف ہیں جنہیں فائل کی انکوڈنگ، %1، محفوظ نہیں کر سکتی۔ کیا آپ اس کے بجائے اسے UTF-8 میں محفوظ کرنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 کو کسی دوسرے پروگرام نے حذف یا منتقل کر دیا ہے۔</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 کو کسی دوسرے پروگرام نے تبدیل کر دیا ہے۔ کیا آپ اسے دوبارہ لوڈ کر کے اپنی غیر محفوظ شدہ تبدیلیاں ضائع کرنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 کو کسی دوسرے پروگرام نے تبدیل کر دیا تھا، اس لیے اسے دوبارہ لوڈ کر دیا گیا ہے۔</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>کیا %1 کو اس پروگرام سے کھولیں جو سسٹم اس کے لیے استعمال کرتا ہے؟</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>اپ ڈیٹس کی جانچ نہیں ہو سکی۔</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>اس میں NUL بائٹس ہیں، اس لیے یہ ٹیکسٹ فائل نہیں ہے</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>ہاں</translation>
    </message>
    <message>
        <source>No</source>
        <translation>نہیں</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>محفوظ کریں</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>محفوظ نہ کریں</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>RegistryHelper</name>
    <message>
        <source>File Association</source>
        <translation>فائل ایسوسی ایشن</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>کیا آپ اس ایپلیکیشن کو .md فائلیں کھولنے کے لیے ڈیفالٹ پروگرام بنانا چاہتے ہیں؟
اگر آپ “نہیں” منتخب کرتے ہیں تو بعد میں ترتیبات کے مینو سے اسے تبدیل کر سکتے ہیں۔</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>انتباہ</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>ڈیفالٹ ایسوسی ایشن سیٹ نہیں کی جا سکی: منتظم کے اختیارات درکار ہو سکتے ہیں یا سسٹم پالیسی نے اس عمل کو روک دیا ہے۔</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>تصویر سیٹ کریں</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>منتخب کریں</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>لنک: (مقامی راستوں یا نیٹ ورک URLs کو سپورٹ کرتا ہے)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>تصویر منتخب کریں</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>تصاویر (*.jpg *.jpeg *.bmp *.png *.gif);;تمام فائلیں (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>تصویر کا راستہ غلط ہے</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>کوئی تجویز نہیں</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>لغت میں شامل کریں</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>نظر انداز کریں</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>قطاریں</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>کالم</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>ٹیبل ترتیب دیں</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>فائل نہیں کھولی جا سکی۔</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>نیٹ ورک کی خرابی: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>جواب درست JSON آبجیکٹ نہیں ہے۔</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>JSON سے تصویر کا URL پارس نہیں کیا جا سکا۔</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>ہمارے بارے میں</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>ایک آسان اور قابل رسائی Markdown ترمیمی ٹول ہے۔ صارفین اس سے دستاویزات لکھ سکتے ہیں، اور یہ PDF میں برآمد سمیت دیگر خصوصیات بھی فراہم کرتا ہے۔</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> ورژن %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>Penwick کے ڈویلپرز کی جانب سے</translation>
    </message>
</context>
</TS>