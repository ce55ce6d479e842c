<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fa">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>مدیریت پشتیبان‌ها</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>پیش‌نمایش</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>زمان ایجاد</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>پیام</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>آیا از حذف این پشتیبان اطمینان دارید؟</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>پیش‌نمایش پشتیبان</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>بازیابی</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>نقل‌قول</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>رنگ متن پررنگ</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>رنگ بلوک کد</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>پس‌زمینهٔ ویرایشگر</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>رنگ سرعنوان‌ها</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>خط افقی</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>رنگ تصویر</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>کد درون‌خطی</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>رنگ متن مورب</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>رنگ کلیدواژه‌ها</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>پس‌زمینهٔ شمارهٔ خطوط</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>رنگ شمارهٔ خطوط</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>رنگ پیوند</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>رنگ فهرست</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>خط‌خورده</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>رنگ جدول</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>رنگ متن</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>ایجاد سند خالی</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>باز کردن آخرین سند بسته‌شده</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>حفظ مسیر تصویر</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>کپی تصویر در پوشهٔ ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>پیش‌فرض سیستم</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>زبان</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>زبان سیستم شما پشتیبانی نمی‌شود؛ از زبان انگلیسی استفاده خواهد شد.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>آموزش تغییر پوسته‌ها</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>۱. برای باز کردن پوشهٔ پوسته‌ها، روی دکمهٔ «باز کردن پوشهٔ پوسته‌ها» در پایین کلیک کنید.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>۲. فایل .css پوستهٔ فعلی را پیدا کنید و آن را با «دفترچه یادداشت» (Notepad) باز کنید.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>۳. این سبک را پیدا یا اضافه کنید:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = اندازهٔ قلم</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = نوع قلم</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>اگر به کمک نیاز دارید، لطفاً بازخورد خود را برای ما بفرستید!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>تنظیمات</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عمومی</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>ظاهر</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>پوستهٔ ویرایشگر دیداری</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>پوستهٔ بلوک کد</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>تنظیمات پوستهٔ ویرایشگر</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>گزینه‌های راه‌اندازی</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>پشتیبان‌گیری خودکار</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>نمایش نوار کناری چپ</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>روش کپی تصویر</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>بزرگ‌نمایی</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>انتساب فایل‌ها</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>فعال</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>انتساب به فایل‌های .md</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>نحوهٔ سفارشی‌سازی سبک‌های پوستهٔ ویرایشگر دیداری</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>باز کردن پوشهٔ پوسته‌ها</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>سبک بلوک کد</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>لطفاً نمونهٔ پوسته‌های CodeMirror را ببینید</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>تنظیمات پوستهٔ ویرایشگر کد منبع</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>پوستهٔ فعلی:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>کپی</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>ذخیرهٔ پوسته</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>نوع قلم</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>اندازهٔ قلم</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>نکته</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>انتساب ناموفق بود: ممکن است به دسترسی مدیر نیاز باشد.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>انتساب به فایل‌های .md با موفقیت انجام شد!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>انتساب فایل‌های .md با موفقیت حذف شد.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>حذف انتساب ناموفق بود.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>انتخاب رنگ</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>ذخیره ناموفق بود!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>ذخیره شد!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>کپی پوسته</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>نام پوستهٔ جدید:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>این نام از قبل وجود دارد!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>با موفقیت کپی شد!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>این پوسته حذف شود؟</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>بارگیری تصاویر راه دور</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>غلط‌یابی املایی</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>بررسی املا هنگام نوشتن</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>هیچ واژه‌نامه‌ای نصب نیست: غلط‌یابی املایی به یک واژه‌نامهٔ Hunspell (پرونده‌های ‎.dic و ‎.aff) در %1 نیاز دارد.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>تنظیم ابرپیوند</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>متن:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>پیوند:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>نشانی URL نامعتبر است</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>تأیید حذف</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>آیا از حذف اطمینان دارید؟</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>ویرایشگر دیداری به‌طور غیرمنتظره متوقف شد و دوباره راه‌اندازی شد. سند به همان حالتی که در ساعت %1 داشت بازیابی شد؛ آنچه پس از آن در ویرایشگر دیداری تایپ شده بود از دست رفته است.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>ویرایشگر دیداری به‌طور غیرمنتظره متوقف شد و دوباره راه‌اندازی شد. چیزی از دست نرفت.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>برون‌بری ناموفق بود</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>محتوای HTML خالی است.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>تجزیهٔ محتوای HTML ناموفق بود.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>ذخیرهٔ فایل Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>فایل‌های Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>برون‌بری موفق</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>فایل با موفقیت در این مسیر ذخیره شد:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>ذخیرهٔ فایل ممکن نشد. لطفاً مجوزها را بررسی کنید.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>بازخورد</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>بازخورد از طریق ایمیل</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>بازخورد در GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>یافتن:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>کلیدواژه...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>یافتن قبلی</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>یافتن بعدی</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>حساس به بزرگی و کوچکی حروف</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>جایگزینی با:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>جایگزینی</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>جایگزینی &amp;&amp; یافتن</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>جایگزینی همه</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>پیکربندی میزبان تصویر</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL بارگذاری</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>روش درخواست</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>فیلد فایل</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>مسیر URL در JSON</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>افزودن</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>سرآیندهای درخواست</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>پارامترهای فرم</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>کلید</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>مقدار</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>مدیریت میزبان‌های تصویر</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>افزودن</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>ویرایش</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>آزمایش بارگذاری</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL بارگذاری</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>فیلد فایل</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>مسیر JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>آیا از حذف اطمینان دارید؟</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>لطفاً ابتدا یک میزبان تصویر انتخاب کنید.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>تصاویر (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>بارگذاری موفق</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>بارگذاری ناموفق</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>ثبت مشکل در GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>لطفاً عنوان بازخورد را وارد کنید...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>لطفاً مشکل یا پیشنهاد خود را شرح دهید...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>ارسال</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>کادر گفتگو</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>فایل</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>برون‌بری</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>ویرایش</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>قالب‌بندی</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>جدول</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>گزینه‌ها</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>بزرگ‌نمایی</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>راهنما</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>نوار ابزار</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>پررنگ</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>فهرست شماره‌دار</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>فهرست نشانه‌دار</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>نقل‌قول</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>کد درون‌خطی</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>خط افقی</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>پیوند</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>تصویر</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جدید</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>باز کردن</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ذخیره</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>دربارهٔ ما</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>ذخیره با نام</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>پاک کردن قالب‌بندی</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>پاک کردن قالب‌بندی</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>خط‌خورده</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>درج جدول</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>حذف پیوند</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>بلوک کد</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>بازخورد</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>به‌روزرسانی‌ها</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>چاپ</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>پنجرهٔ جدید</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>کوچک‌نمایی</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>بزرگ‌نمایی</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>حمایت مالی</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>پشتیبان‌گیری</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>بازگرداندن بزرگ‌نمایی پیش‌فرض</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>واگرد</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>انجام دوباره</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>کپی</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>برش</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>چسباندن</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>انتخاب همه</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>یافتن</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>جایگزینی</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>سرعنوان ۱</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>سرعنوان ۲</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>سرعنوان ۳</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>سرعنوان ۴</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>سرعنوان ۵</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>سرعنوان ۶</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>پاراگراف</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>تورفتگی پاراگراف</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>مورب</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>چسباندن به‌صورت متن ساده</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>چسباندن به‌صورت متن ساده</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>درج سطر در پایین</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>درج سطر در بالا</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>درج ستون در چپ</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>درج ستون در راست</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>انتقال سطر فعلی به بالا</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>انتقال سطر فعلی به پایین</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>انتقال ستون فعلی به چپ</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>انتقال ستون فعلی به راست</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>چپ‌چین کردن ستون فعلی</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>وسط‌چین کردن ستون فعلی</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>راست‌چین کردن ستون فعلی</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>حذف سطر فعلی</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>حذف ستون فعلی</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>حذف جدول</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>تنظیمات</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>سرویس میزبانی تصویر</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>بارگیری نسخهٔ قابل‌حمل</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>بررسی به‌روزرسانی‌ها</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>نمایش HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>وب‌سایت رسمی</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>عنوان</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>ویرایشگر کد منبع</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>ویرایشگر دیداری</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>کلیدواژه‌ها را برای جستجو وارد کنید...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>پیمایش</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>انتخاب پوشه</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>فایل‌ها</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>مرورگر فایل</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>اخیراً باز‌شده</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>پوسته</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>روشن</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>تیره</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>آسمان آبی</translation>
    </message>
    <message>
        <source>word</source>
        <translation>واژه</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>لطفاً اینجا کلیک کنید...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>بی‌نام</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>یافتن و جایگزینی</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>پنهان کردن نوار کناری چپ</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>نمایش نوار کناری چپ</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>پشتیبان‌گیری با موفقیت انجام شد</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>پشتیبان حذف شد</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>پیام</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>باز کردن فایل %1 ممکن نیست: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>باز کردن فایل Markdown</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>ذخیرهٔ فایل Markdown</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>ذخیرهٔ فایل %1 ممکن نیست: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>با موفقیت ذخیره شد</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>خواندن سند از ویرایشگر دیداری ممکن نشد، بنابراین چیزی نوشته نشد. لطفاً لحظاتی دیگر دوباره تلاش کنید.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>بزرگ‌نمایی %1٪</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>کپی با موفقیت انجام شد</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>عملیات چسباندن</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>تنظیم جدول</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>برون‌بری با موفقیت انجام شد</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>برون‌بری به %1 ممکن نیست: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>ویرایشگر سند خود را تحویل نداد.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>گزینهٔ برون‌بری</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>آیا می‌خواهید یک نوار کناری ثابت برای فهرست مطالب، همراه با پیمایش سرعنوان‌ها، ایجاد شود؟</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>برون‌بری فایل HTML</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>فایل HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>برون‌بری فایل Word</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>فایل Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>برون‌بری فایل PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>فایل PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>چاپ صفحه ممکن نشد.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>چاپ با موفقیت انجام شد</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>چاپ ناموفق بود</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>متن مطابقی یافت نشد!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>لطفاً متنی را برای یافتن وارد کنید!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>متن مطابقی برای جایگزینی وجود ندارد!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1 مورد جایگزین شد!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>ویرایش</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>برون‌بری به Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>افزودن</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![متن جایگزین تصویر](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>سند فعلی هنوز ذخیره نشده است. لطفاً پیش از چسباندن تصویر، ابتدا فایل را ذخیره کنید.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>انتخاب پوشه</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>اعلان به‌روزرسانی</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>هم‌اکنون از آخرین نسخه استفاده می‌کنید. نیازی به به‌روزرسانی نیست.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>اعلان ارتقا</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>نسخهٔ جدیدی شناسایی شد</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>اجرای برنامهٔ به‌روزرسانی ممکن نشد: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>نما</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>یک پشتیبان از %1 مربوط به %2 تغییراتی دارد که هرگز ذخیره نشده‌اند. بازیابی شود؟</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>کدگذاری: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>آیا می‌خواهید تغییرات %1 را ذخیره کنید؟</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 پس از باز شدن یا ذخیره شدن، توسط برنامهٔ دیگری تغییر کرده است. آیا آن تغییرات بازنویسی شوند؟</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>سند نویسه‌هایی دارد که کدگذاری فایل، یعنی %1، نمی‌تواند آن‌ها را نگه دارد. به‌جای آن با UTF-8 ذخیره شود؟</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 توسط برنامهٔ دیگری حذف یا جابه‌جا شد.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 توسط برنامهٔ دیگری تغییر کرده است. آیا دوباره بارگذاری شود و تغییرات ذخیره‌نشدهٔ شما از دست برود؟</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 توسط برنامهٔ دیگری تغییر کرده بود و دوباره بارگذاری شد.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>%1 با برنامه‌ای که سیستم برای آن به کار می‌برد باز شود؟</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>بررسی به‌روزرسانی‌ها ممکن نشد.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>دارای بایت‌های NUL است، بنابراین فایل متنی نیست</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>بله</translation>
    </message>
    <message>
        <source>No</source>
        <translation>خیر</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ذخیره</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>ذخیره نشود</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
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
        <translation>انتساب فایل‌ها</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>آیا می‌خواهید این برنامه، برنامهٔ پیش‌فرض برای باز کردن فایل‌های .md باشد؟
اگر «خیر» را انتخاب کنید، بعداً می‌توانید آن را از منوی تنظیمات تغییر دهید.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>هشدار</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>تنظیم انتساب پیش‌فرض ناموفق بود: ممکن است به دسترسی مدیر نیاز باشد یا خط‌مشی سیستم از این کار جلوگیری کرده باشد.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>تنظیم تصویر</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>انتخاب</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>پیوند: (از مسیرهای محلی و نشانی‌های URL شبکه پشتیبانی می‌کند)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>انتخاب تصویر</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>تصاویر (*.jpg *.jpeg *.bmp *.png *.gif);;همهٔ فایل‌ها (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>مسیر تصویر نامعتبر است</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>پیشنهادی نیست</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>افزودن به واژه‌نامه</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>نادیده گرفتن</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>سطرها</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>ستون‌ها</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>تنظیم جدول</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>باز کردن فایل ناموفق بود.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>خطای شبکه: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>پاسخ یک شیء JSON معتبر نیست.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>استخراج URL تصویر از JSON ناموفق بود.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>دربارهٔ ما</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>ابزاری در دسترس و آسان برای ویرایش Markdown است. کاربران می‌توانند با آن سند بنویسند و از برون‌بری به PDF و قابلیت‌های دیگر نیز پشتیبانی می‌کند.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> نسخهٔ %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>ساختهٔ توسعه‌دهندگان Penwick</translation>
    </message>
</context>
</TS>