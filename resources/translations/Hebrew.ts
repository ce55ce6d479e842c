<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="he">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>ניהול גיבויים</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>תצוגה מקדימה</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>מחיקה</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>שם</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>מועד יצירה</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>הודעה</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>האם למחוק את הגיבוי הזה?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>תצוגה מקדימה של הגיבוי</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>שחזור</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>ציטוט</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>צבע טקסט מודגש</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>צבע בלוק קוד</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>רקע העורך</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>צבע כותרות</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>קו אופקי</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>צבע תמונות</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>קוד בתוך שורה</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>צבע טקסט נטוי</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>צבע מילות מפתח</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>רקע מספרי שורות</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>צבע מספרי שורות</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>צבע קישורים</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>צבע רשימות</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>קו חוצה</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>צבע טבלאות</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>צבע טקסט</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>יצירת מסמך ריק</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>פתיחת המסמך האחרון שנסגר</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>שמירה על נתיב התמונה</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>העתקת התמונה לתיקייה ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>ברירת המחדל של המערכת</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>שפה</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>שפת המערכת שלך אינה נתמכת, לכן ייעשה שימוש באנגלית.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>מדריך לשינוי ערכות נושא</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. יש ללחוץ על הכפתור „פתיחת תיקיית ערכות הנושא” שלמטה כדי לפתוח את תיקיית ערכות הנושא.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. יש לאתר את קובץ ה-.css של ערכת הנושא הנוכחית ולפתוח אותו בפנקס רשימות.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. יש לאתר או להוסיף את הסגנון הבא:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = גודל גופן</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = משפחת גופנים</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>אם דרושה לך עזרה, נשמח לקבל ממך משוב!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>הגדרות</translation>
    </message>
    <message>
        <source>General</source>
        <translation>כללי</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>מראה</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>ערכת נושא לעורך החזותי</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>ערכת נושא לבלוקי קוד</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>הגדרות ערכת נושא של העורך</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>אפשרויות הפעלה</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>גיבוי אוטומטי</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>הצגת סרגל הצד השמאלי</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>אופן העתקת תמונות</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>זום</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>שיוך קבצים</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>הפעלה</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>שיוך לקובצי .md</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>כיצד להתאים אישית את סגנונות ערכת הנושא של העורך החזותי</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>פתיחת תיקיית ערכות הנושא</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>סגנון בלוקי קוד</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>ניתן לעיין בהדגמה של ערכות הנושא של CodeMirror</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>הגדרות ערכת נושא של עורך המקור</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>ערכת הנושא הנוכחית:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>העתקה</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>מחיקה</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>שמירת ערכת הנושא</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>משפחת גופנים</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>גודל גופן</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>טיפ</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>השיוך נכשל: ייתכן שנדרשות הרשאות מנהל.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>השיוך לקובצי .md בוצע בהצלחה!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>השיוך של קובצי .md הוסר בהצלחה.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>הסרת השיוך נכשלה.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>בחירת צבע</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>השמירה נכשלה!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>נשמר!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>העתקת ערכת נושא</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>שם ערכת הנושא החדשה:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>השם כבר קיים!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>ההעתקה בוצעה בהצלחה!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>למחוק את ערכת הנושא הזו?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>טעינת תמונות מרוחקות</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>בדיקת איות</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>בדיקת איות בזמן ההקלדה</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>לא מותקן מילון איות: בדיקת האיות דורשת מילון Hunspell (קובצי ‎.dic ו־‎.aff) בתיקייה %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>הגדרת היפר-קישור</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>טקסט:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>קישור:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>כתובת URL לא חוקית</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>אישור מחיקה</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>האם למחוק?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>העורך החזותי הפסיק לפעול באופן בלתי צפוי והופעל מחדש. המסמך שוחזר למצבו בשעה %1; מה שהוקלד בעורך החזותי לאחר מכן אבד.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>העורך החזותי הפסיק לפעול באופן בלתי צפוי והופעל מחדש. שום דבר לא אבד.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>הייצוא נכשל</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>תוכן ה-HTML ריק.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>ניתוח תוכן ה-HTML נכשל.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>שמירת קובץ Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>קובצי Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>הייצוא הצליח</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>הקובץ נשמר בהצלחה בנתיב:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>לא ניתן לשמור את הקובץ. יש לבדוק את ההרשאות.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>משוב</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>משוב בדוא״ל</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>משוב ב-GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>חיפוש:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>מילת מפתח...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>חיפוש הקודם</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>חיפוש הבא</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>התאמת רישיות</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>החלפה ב:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>החלפה</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>החלפה &amp;&amp; חיפוש</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>החלפת הכול</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>הגדרות שירות אחסון תמונות</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>שם</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>כתובת URL להעלאה</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>שיטת הבקשה</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>שדה הקובץ</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>נתיב ה-URL ב-JSON</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>הוספה</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>מחיקה</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>כותרות הבקשה</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>פרמטרים של הטופס</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>מפתח</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>ערך</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>ניהול שירותי אחסון תמונות</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>הוספה</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>עריכה</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>מחיקה</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>העלאת ניסיון</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>שם</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>כתובת URL להעלאה</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>שדה הקובץ</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>נתיב JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>האם למחוק?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>יש לבחור תחילה שירות אחסון תמונות.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>תמונות (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>ההעלאה הצליחה</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>ההעלאה נכשלה</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>דיווח על בעיה ב-GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>יש להזין כותרת למשוב...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>יש לתאר את הבעיה או את ההצעה...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>שליחה</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>תיבת דו-שיח</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>קובץ</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>ייצוא</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>עריכה</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>עיצוב</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>טבלה</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>זום</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>עזרה</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>סרגל כלים</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>מודגש</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>רשימה ממוספרת</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>רשימת תבליטים</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>ציטוט</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>קוד בתוך שורה</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>קו אופקי</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>קישור</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>תמונה</translation>
    </message>
    <message>
        <source>New</source>
        <translation>חדש</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>פתיחה</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>אודותינו</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>שמירה בשם</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>ניקוי עיצוב</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>ניקוי עיצוב</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>קו חוצה</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>הוספת טבלה</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>הסרת קישור</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>בלוק קוד</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>משוב</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>עדכונים</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>הדפסה</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>חלון חדש</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>התרחקות</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>התקרבות</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>תרומה</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>גיבוי</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>איפוס הזום לברירת המחדל</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>ביטול פעולה</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>ביצוע חוזר</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>העתקה</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>גזירה</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>הדבקה</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>מחיקה</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>בחירת הכול</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>חיפוש</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>החלפה</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>כותרת 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>כותרת 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>כותרת 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>כותרת 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>כותרת 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>כותרת 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>פסקה</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>הזחת פסקה</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>נטוי</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>הדבקה כטקסט פשוט</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>הדבקה כטקסט פשוט</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>הוספת שורה מתחת</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>הוספת שורה מעל</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>הוספת עמודה משמאל</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>הוספת עמודה מימין</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>הזזת השורה הנוכחית למעלה</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>הזזת השורה הנוכחית למטה</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>הזזת העמודה הנוכחית שמאלה</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>הזזת העמודה הנוכחית ימינה</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>יישור העמודה הנוכחית לשמאל</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>מירכוז העמודה הנוכחית</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>יישור העמודה הנוכחית לימין</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>מחיקת השורה הנוכחית</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>מחיקת העמודה הנוכחית</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>מחיקת הטבלה</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>הגדרות</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>שירות אחסון תמונות</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>הורדת גרסה ניידת</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>בדיקת עדכונים</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>הצגת HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>האתר הרשמי</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>כותרת</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>עורך קוד המקור</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>עורך חזותי</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>חיפוש לפי מילות מפתח...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>ניווט</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>בחירת תיקייה</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>קבצים</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>סייר קבצים</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>נפתחו לאחרונה</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>ערכת נושא</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>בהירה</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>כהה</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>שמיים כחולים</translation>
    </message>
    <message>
        <source>word</source>
        <translation>מילים</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>יש ללחוץ כאן...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>ללא שם</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>חיפוש והחלפה</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>הסתרת סרגל הצד השמאלי</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>הצגת סרגל הצד השמאלי</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>הגיבוי בוצע בהצלחה</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>הגיבוי נמחק</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>הודעה</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>לא ניתן לפתוח את הקובץ %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>פתיחת קובץ Markdown</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>שמירת קובץ Markdown</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>לא ניתן לשמור את הקובץ %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>נשמר בהצלחה</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>לא ניתן היה לקרוא את המסמך מהעורך החזותי, ולכן לא נכתב דבר. יש לנסות שוב בעוד רגע.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>זום %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>ההעתקה הצליחה</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>פעולת הדבקה</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>הגדרת טבלה</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>הייצוא הצליח</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>לא ניתן לייצא אל %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>העורך לא מסר את המסמך.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>אפשרות ייצוא</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>ליצור סרגל צד קבוע של תוכן עניינים עם ניווט בין הכותרות?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>ייצוא קובץ HTML</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>קובץ HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>ייצוא קובץ Word</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>קובץ Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>ייצוא קובץ PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>קובץ PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>לא ניתן היה להדפיס את הדף.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>ההדפסה הצליחה</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>ההדפסה נכשלה</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>לא נמצא טקסט תואם!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>יש להזין טקסט לחיפוש!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>אין טקסט תואם להחלפה!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>הוחלפו %1 מופעים!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>שינוי</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>ייצוא ל-Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>הוספה</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![תיאור התמונה](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>המסמך הנוכחי לא נשמר. יש לשמור את הקובץ לפני הדבקת תמונות.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>בחירת תיקייה</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>הודעת עדכון</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>הגרסה העדכנית ביותר כבר בשימוש. אין צורך בעדכון.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>הודעת שדרוג</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>זוהתה גרסה חדשה</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>לא ניתן היה להפעיל את תוכנית העדכון: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>תצוגה</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>גיבוי של %1 מתאריך %2 מכיל שינויים שמעולם לא נשמרו. לשחזר אותו?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>קידוד: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>לשמור את השינויים בקובץ %1?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>הקובץ %1 שונה על ידי תוכנית אחרת מאז שנפתח או נשמר. לדרוס את השינויים האלה?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>המסמך מכיל תווים שקידוד הקובץ, %1, אינו יכול לייצג. לשמור אותו בקידוד UTF-8 במקום זאת?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>הקובץ %1 נמחק או הועבר על ידי תוכנית אחרת.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>הקובץ %1 שונה על ידי תוכנית אחרת. לטעון אותו מחדש ולאבד את השינויים שלא נשמרו?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>הקובץ %1 שונה על ידי תוכנית אחרת ונטען מחדש.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>לפתוח את %1 בתוכנה שהמערכת משתמשת בה לשם כך?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>לא ניתן היה לבדוק אם יש עדכונים.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>הוא מכיל בתים מסוג NUL ולכן אינו קובץ טקסט</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>כן</translation>
    </message>
    <message>
        <source>No</source>
        <translation>לא</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>לא לשמור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
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
        <translation>שיוך קבצים</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>להגדיר את היישום הזה כתוכנית ברירת המחדל לפתיחת קובצי .md?
אם בוחרים „לא”, אפשר לשנות זאת מאוחר יותר בתפריט ההגדרות.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>אזהרה</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>הגדרת השיוך כברירת מחדל נכשלה: ייתכן שנדרשות הרשאות מנהל, או שמדיניות המערכת חסמה את הפעולה.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>הגדרת תמונה</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>בחירה</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>קישור: (נתמכים נתיבים מקומיים או כתובות URL ברשת)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>בחירת תמונה</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>תמונות (*.jpg *.jpeg *.bmp *.png *.gif);;כל הקבצים (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>נתיב תמונה לא חוקי</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>אין הצעות</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>הוספה למילון</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>התעלמות</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>שורות</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>עמודות</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>הגדרת טבלה</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>פתיחת הקובץ נכשלה.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>שגיאת רשת: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>התגובה אינה אובייקט JSON חוקי.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>חילוץ כתובת ה-URL של התמונה מתוך ה-JSON נכשל.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>אודותינו</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>הוא כלי נגיש וקל לעריכת Markdown. אפשר לכתוב בו מסמכים, והוא תומך גם בייצוא ל-PDF ובתכונות נוספות.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> גרסה %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>מאת המפתחים של Penwick</translation>
    </message>
</context>
</TS>