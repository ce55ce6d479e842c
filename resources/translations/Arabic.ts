<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ar">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>إدارة النسخ الاحتياطية</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>معاينة</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>وقت الإنشاء</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>هل تريد بالتأكيد حذف هذه النسخة الاحتياطية؟</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>معاينة النسخة الاحتياطية</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>الاقتباس</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>لون النص الغامق</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>لون كتلة التعليمات البرمجية</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>خلفية المحرر</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>لون العناوين</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>الخط الأفقي</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>لون الصور</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>التعليمات البرمجية المضمّنة</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>لون النص المائل</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>لون الكلمات الأساسية</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>خلفية أرقام الأسطر</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>لون أرقام الأسطر</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>لون الروابط</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>لون القوائم</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>يتوسطه خط</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>لون الجداول</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>لون النص</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>إنشاء مستند فارغ</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>فتح آخر مستند تم إغلاقه</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>الإبقاء على مسار الصورة</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>نسخ الصورة إلى المجلد ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>افتراضي النظام</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>لغة النظام لديك غير مدعومة، لذا سيتم استخدام اللغة الإنجليزية.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>دليل تعديل السمات</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. انقر على الزر «فتح مجلد السمات» أدناه لفتح مجلد السمات.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. ابحث عن ملف .css الخاص بالسمة الحالية وافتحه باستخدام المفكرة.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. ابحث عن هذا النمط أو أضفه:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = حجم الخط</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = نوع الخط</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>إذا كنت بحاجة إلى مساعدة، فيُرجى إرسال ملاحظاتك إلينا!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>المظهر</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>سمة المحرر المرئي</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>سمة كتل التعليمات البرمجية</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>إعدادات سمة المحرر</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>خيارات بدء التشغيل</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>النسخ الاحتياطي التلقائي</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>إظهار الشريط الجانبي الأيسر</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>طريقة نسخ الصور</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>التكبير/التصغير</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>اقتران الملفات</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>تمكين</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>الاقتران بملفات .md</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>كيفية تخصيص أنماط سمات المحرر المرئي</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>فتح مجلد السمات</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>نمط كتل التعليمات البرمجية</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>يُرجى الاطلاع على العرض التوضيحي لسمات CodeMirror</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>إعدادات سمة محرر المصدر</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>السمة الحالية:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>حفظ السمة</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>نوع الخط</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>حجم الخط</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>تلميح</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>فشل الاقتران: قد يتطلب ذلك امتيازات المسؤول.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>تم الاقتران بملفات .md بنجاح!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>تمت إزالة اقتران ملفات .md بنجاح.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>تعذّرت إزالة الاقتران.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>اختيار لون</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>فشل الحفظ!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>تم الحفظ!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>نسخ السمة</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>اسم السمة الجديدة:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>الاسم موجود بالفعل!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>تم النسخ بنجاح!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>هل تريد حذف هذه السمة؟</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>تحميل الصور البعيدة</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>التدقيق الإملائي</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>التدقيق الإملائي أثناء الكتابة</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>لا يوجد قاموس إملائي مثبت: يحتاج التدقيق الإملائي إلى قاموس Hunspell (ملفا ‎.dic و‎.aff) في %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>تعيين ارتباط تشعبي</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>النص:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>الرابط:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>عنوان URL غير صالح</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>تأكيد الحذف</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>هل تريد بالتأكيد الحذف؟</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>توقّف المحرر المرئي بشكل غير متوقع وأُعيد تشغيله. تمت استعادة المستند كما كان في الساعة %1، وفُقد ما كُتب في المحرر المرئي بعد ذلك.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>توقّف المحرر المرئي بشكل غير متوقع وأُعيد تشغيله. لم يُفقد أي شيء.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>فشل التصدير</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>محتوى HTML فارغ.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>تعذّر تحليل محتوى HTML.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>حفظ ملف Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>ملفات Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>نجح التصدير</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>تم حفظ الملف بنجاح في:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>تعذّر حفظ الملف. يُرجى التحقق من الأذونات.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>إرسال الملاحظات بالبريد الإلكتروني</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>إرسال الملاحظات عبر GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>البحث عن:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>كلمة البحث...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>البحث عن السابق</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>البحث عن التالي</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>مطابقة حالة الأحرف</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>الاستبدال بـ:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>استبدال</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>استبدال &amp;&amp; بحث</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>استبدال الكل</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>إعدادات خدمة استضافة الصور</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>عنوان URL للتحميل</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>طريقة الطلب</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>حقل الملف</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>مسار عنوان URL في JSON</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>رؤوس الطلب</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>معلمات النموذج</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>المفتاح</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>القيمة</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>إدارة خدمات استضافة الصور</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>اختبار التحميل</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>عنوان URL للتحميل</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>حقل الملف</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>مسار JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>هل تريد بالتأكيد الحذف؟</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>يُرجى اختيار خدمة استضافة صور أولاً.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>الصور (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>تم التحميل بنجاح</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>فشل التحميل</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>الإبلاغ عن مشكلة على GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>يُرجى إدخال عنوان للملاحظات...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>يُرجى وصف مشكلتك أو اقتراحك...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>مربع حوار</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>تنسيق</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>جدول</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>التكبير/التصغير</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>تعليمات</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>شريط الأدوات</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>غامق</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>قائمة مرقّمة</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>قائمة نقطية</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>اقتباس</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>التعليمات البرمجية المضمّنة</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>خط أفقي</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>رابط</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>صورة</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>من نحن</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح التنسيق</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>مسح التنسيق</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>يتوسطه خط</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>إدراج جدول</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>إزالة الرابط</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>كتلة تعليمات برمجية</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>التحديثات</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>نافذة جديدة</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>تبرّع</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>النسخ الاحتياطي</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>استعادة مستوى التكبير الافتراضي</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>استبدال</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>عنوان 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>عنوان 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>عنوان 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>عنوان 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>عنوان 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>عنوان 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>فقرة</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>مسافة بادئة للفقرة</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>مائل</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>لصق كنص عادي</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>لصق كنص عادي</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>إدراج صف أسفل</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>إدراج صف أعلى</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>إدراج عمود إلى اليسار</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>إدراج عمود إلى اليمين</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>نقل الصف الحالي لأعلى</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>نقل الصف الحالي لأسفل</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>نقل العمود الحالي لليسار</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>نقل العمود الحالي لليمين</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>محاذاة العمود الحالي لليسار</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>توسيط العمود الحالي</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>محاذاة العمود الحالي لليمين</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>حذف الصف الحالي</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>حذف العمود الحالي</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>حذف الجدول</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>خدمة استضافة الصور</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>تنزيل الإصدار المحمول</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>التحقق من وجود تحديثات</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>عرض HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>الموقع الرسمي</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>محرر التعليمات البرمجية المصدر</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>المحرر المرئي</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>أدخل كلمات البحث...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>التنقل</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>تحديد مجلد</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>الملفات</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>مستعرض الملفات</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>المفتوحة مؤخرًا</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>فاتح</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>سماء زرقاء</translation>
    </message>
    <message>
        <source>word</source>
        <translation>كلمة</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>يُرجى النقر هنا...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>بلا عنوان</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>بحث واستبدال</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>إخفاء الشريط الجانبي الأيسر</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>إظهار الشريط الجانبي الأيسر</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>تم النسخ الاحتياطي بنجاح</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>تم حذف النسخة الاحتياطية</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>تعذّر فتح الملف %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>فتح ملف Markdown</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>حفظ ملف Markdown</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>تعذّر حفظ الملف %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>تم الحفظ بنجاح</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>تعذّرت قراءة المستند من المحرر المرئي، لذا لم تتم كتابة أي شيء. يُرجى المحاولة مرة أخرى بعد قليل.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>نسبة التكبير %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>تم النسخ بنجاح</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>عملية اللصق</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>إعداد الجدول</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>تم التصدير بنجاح</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>تعذّر التصدير إلى %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>لم يُسلِّم المحرر المستند.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>خيار التصدير</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>هل تريد إنشاء شريط جانبي ثابت لجدول المحتويات مع إمكانية التنقل بين العناوين؟</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>تصدير ملف HTML</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>ملف HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>تصدير ملف Word</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>ملف Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>تصدير ملف PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>ملف PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>تعذّرت طباعة الصفحة.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>تمت الطباعة بنجاح</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>فشلت الطباعة</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>لم يتم العثور على نص مطابق!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>يُرجى إدخال نص للبحث عنه!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>لا يوجد نص مطابق لاستبداله!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>عدد مرات الاستبدال: %1!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>تصدير إلى Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![نص بديل للصورة](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>لم يتم حفظ المستند الحالي. يُرجى حفظ الملف أولاً قبل لصق الصور.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>تحديد مجلد</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>إشعار التحديث</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>أنت تستخدم أحدث إصدار حاليًا. لا حاجة إلى التحديث.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>إشعار الترقية</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>تم اكتشاف إصدار جديد</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>تعذّر تشغيل برنامج التحديث: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>تحتوي نسخة احتياطية من %1 بتاريخ %2 على تغييرات لم تُحفظ مطلقًا. هل تريد استعادتها؟</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>الترميز: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>هل تريد حفظ التغييرات في %1؟</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>عدّل برنامج آخر الملف %1 منذ فتحه أو حفظه. هل تريد الكتابة فوق هذه التغييرات؟</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>يحتوي المستند على أحرف لا يدعمها ترميز الملف (%1). هل تريد حفظه بترميز UTF-8 بدلًا من ذلك؟</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>حذف برنامج آخر الملف %1 أو نقله.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>عدّل برنامج آخر الملف %1. هل تريد إعادة تحميله وفقدان التغييرات غير المحفوظة؟</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>عدّل برنامج آخر الملف %1 وتمت إعادة تحميله.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>هل تريد فتح %1 بالبرنامج الذي يستخدمه النظام لذلك؟</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>تعذّر التحقق من وجود تحديثات.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>يحتوي على بايتات NUL، لذا فهو ليس ملفًا نصيًا</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>عدم الحفظ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
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
        <translation>اقتران الملفات</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>هل تريد تعيين هذا التطبيق كبرنامج افتراضي لفتح ملفات .md؟
إذا اخترت «لا»، فيمكنك تغيير ذلك لاحقًا من قائمة الإعدادات.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>تعذّر تعيين الاقتران الافتراضي: قد يتطلب ذلك امتيازات المسؤول، أو أن نهج النظام منع العملية.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>تعيين صورة</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>اختيار</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>الرابط: (يدعم المسارات المحلية وعناوين URL على الشبكة)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>اختيار صورة</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>الصور (*.jpg *.jpeg *.bmp *.png *.gif);;كل الملفات (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>مسار الصورة غير صالح</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>لا توجد اقتراحات</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>إضافة إلى القاموس</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>تجاهل</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>الصفوف</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>الأعمدة</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>إعداد الجدول</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>تعذّر فتح الملف.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>خطأ في الشبكة: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>الاستجابة ليست كائن JSON صالحًا.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>تعذّر استخراج عنوان URL للصورة من JSON.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>من نحن</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>أداة سهلة الاستخدام لتحرير Markdown، تتيح للمستخدمين كتابة المستندات، كما تدعم التصدير إلى PDF وميزات أخرى.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> الإصدار %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>من مطوري Penwick</translation>
    </message>
</context>
</TS>