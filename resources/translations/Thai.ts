<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="th">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>จัดการข้อมูลสำรอง</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>แสดงตัวอย่าง</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>เวลาที่สร้าง</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>แจ้งเตือน</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>คุณแน่ใจหรือไม่ว่าต้องการลบข้อมูลสำรองนี้</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>ตัวอย่างข้อมูลสำรอง</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>กู้คืน</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>บล็อกอ้างอิง</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>สีตัวหนา</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>สีบล็อกโค้ด</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>พื้นหลังตัวแก้ไข</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>สีหัวเรื่อง</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>เส้นแนวนอน</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>สีรูปภาพ</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>โค้ดในบรรทัด</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>สีตัวเอียง</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>สีคีย์เวิร์ด</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>พื้นหลังหมายเลขบรรทัด</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>สีหมายเลขบรรทัด</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>สีลิงก์</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>สีรายการ</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>ขีดทับ</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>สีตาราง</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>สีข้อความ</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>สร้างเอกสารเปล่า</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>เปิดเอกสารที่ปิดล่าสุด</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>คงพาธรูปภาพเดิม</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>คัดลอกรูปภาพไปยังโฟลเดอร์ ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>ค่าเริ่มต้นของระบบ</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>ภาษา</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>ยังไม่รองรับภาษาของระบบคุณ จะใช้ภาษาอังกฤษแทน</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>วิธีปรับแต่งธีม</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. คลิกปุ่ม “เปิดโฟลเดอร์ธีม” ด้านล่างเพื่อเปิดไดเรกทอรีธีม</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. ค้นหาไฟล์ .css ของธีมปัจจุบัน แล้วเปิดด้วย Notepad</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. ค้นหาหรือเพิ่มสไตล์นี้:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = ขนาดฟอนต์</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = ฟอนต์</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>หากต้องการความช่วยเหลือ โปรดส่งความคิดเห็นถึงเรา!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>General</source>
        <translation>ทั่วไป</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>รูปลักษณ์</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>ธีมตัวแก้ไขแบบภาพ</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>ธีมบล็อกโค้ด</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>การตั้งค่าธีมตัวแก้ไข</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>ตัวเลือกเมื่อเริ่มโปรแกรม</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>สำรองข้อมูลอัตโนมัติ</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>แสดงแถบด้านซ้าย</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>วิธีคัดลอกรูปภาพ</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ซูม</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>การเชื่อมโยงไฟล์</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>เปิดใช้งาน</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>เชื่อมโยงกับไฟล์ .md</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>วิธีปรับแต่งสไตล์ธีมของตัวแก้ไขแบบภาพ</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>เปิดโฟลเดอร์ธีม</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>สไตล์บล็อกโค้ด</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>ดูตัวอย่างธีมของ CodeMirror</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>การตั้งค่าธีมตัวแก้ไขซอร์สโค้ด</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>ธีมปัจจุบัน:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>คัดลอก</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>บันทึกธีม</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>ฟอนต์</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>ขนาดฟอนต์</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>แจ้งเตือน</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>เชื่อมโยงไม่สำเร็จ: อาจต้องใช้สิทธิ์ผู้ดูแลระบบ</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>เชื่อมโยงกับไฟล์ .md สำเร็จแล้ว!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>ยกเลิกการเชื่อมโยงไฟล์ .md แล้ว</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>ยกเลิกการเชื่อมโยงไม่สำเร็จ</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>เลือกสี</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>บันทึกไม่สำเร็จ!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>บันทึกแล้ว!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>คัดลอกธีม</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>ชื่อธีมใหม่:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>มีชื่อนี้อยู่แล้ว!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>คัดลอกสำเร็จ!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>ลบธีมนี้หรือไม่</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>โหลดรูปภาพระยะไกล</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>ตรวจการสะกด</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>ตรวจการสะกดขณะพิมพ์</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>ไม่ได้ติดตั้งพจนานุกรมตรวจการสะกด: การตรวจการสะกดต้องใช้พจนานุกรม Hunspell (ไฟล์ .dic และ .aff) ใน %1</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>ตั้งค่าไฮเปอร์ลิงก์</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>ข้อความ:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>ลิงก์:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>ยืนยัน</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>URL ไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>ยืนยันการลบ</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>คุณแน่ใจหรือไม่ว่าต้องการลบ</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>ตัวแก้ไขแบบภาพหยุดทำงานโดยไม่คาดคิดและได้เริ่มการทำงานใหม่แล้ว เอกสารถูกกู้คืนเป็นสถานะ ณ เวลา %1 สิ่งที่พิมพ์ในตัวแก้ไขแบบภาพหลังจากนั้นได้สูญหายไป</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>ตัวแก้ไขแบบภาพหยุดทำงานโดยไม่คาดคิดและได้เริ่มการทำงานใหม่แล้ว ไม่มีข้อมูลใดสูญหาย</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>ส่งออกไม่สำเร็จ</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>เนื้อหา HTML ว่างเปล่า</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>ไม่สามารถแยกวิเคราะห์เนื้อหา HTML ได้</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>บันทึกไฟล์ Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>ไฟล์ Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>ส่งออกสำเร็จ</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>บันทึกไฟล์สำเร็จที่:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>ไม่สามารถบันทึกไฟล์ได้ โปรดตรวจสอบสิทธิ์การเข้าถึง</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>ส่งความคิดเห็น</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>ส่งความคิดเห็นทางอีเมล</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>ส่งความคิดเห็นทาง GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>ค้นหา:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>คำค้น...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>ค้นหาก่อนหน้า</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>ค้นหาถัดไป</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>ตรงตามตัวพิมพ์ใหญ่-เล็ก</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>แทนที่ด้วย:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>แทนที่</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>แทนที่ &amp;&amp; ค้นหา</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>แทนที่ทั้งหมด</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>การกำหนดค่าโฮสต์รูปภาพ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL สำหรับอัปโหลด</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>เมธอดของคำขอ</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>ฟิลด์ไฟล์</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>พาธ URL ใน JSON</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>เพิ่ม</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>ส่วนหัวของคำขอ</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>พารามิเตอร์ของฟอร์ม</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>คีย์</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>ค่า</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>จัดการโฮสต์รูปภาพ</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>เพิ่ม</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>แก้ไข</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>ทดสอบการอัปโหลด</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL สำหรับอัปโหลด</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>ฟิลด์ไฟล์</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>พาธ JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>ยืนยัน</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>คุณแน่ใจหรือไม่ว่าต้องการลบ</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>โปรดเลือกโฮสต์รูปภาพก่อน</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>รูปภาพ (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>อัปโหลดสำเร็จ</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>อัปโหลดไม่สำเร็จ</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>ส่ง Issue บน GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>โปรดป้อนหัวข้อความคิดเห็น...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>โปรดอธิบายปัญหาหรือข้อเสนอแนะของคุณ...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>ส่ง</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>กล่องโต้ตอบ</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>ไฟล์</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>ส่งออก</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>แก้ไข</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>รูปแบบ</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>ตาราง</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>ตัวเลือก</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ซูม</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>วิธีใช้</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>แถบเครื่องมือ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>ตัวหนา</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>รายการลำดับเลข</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>รายการหัวข้อย่อย</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>อ้างอิง</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>โค้ดในบรรทัด</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>เส้นแนวนอน</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>ลิงก์</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>รูปภาพ</translation>
    </message>
    <message>
        <source>New</source>
        <translation>สร้างใหม่</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>เกี่ยวกับเรา</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>บันทึกเป็น</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>ล้างการจัดรูปแบบ</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>ล้างการจัดรูปแบบ</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>ขีดทับ</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>แทรกตาราง</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>ลบลิงก์</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>บล็อกโค้ด</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>ส่งความคิดเห็น</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>การอัปเดต</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>พิมพ์</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>หน้าต่างใหม่</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>ซูมออก</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>ซูมเข้า</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>บริจาค</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>สำรองข้อมูล</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>คืนค่าการซูมเริ่มต้น</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>เลิกทำ</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>ทำซ้ำ</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>คัดลอก</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>ตัด</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>วาง</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>ค้นหา</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>แทนที่</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>หัวเรื่อง 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>หัวเรื่อง 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>หัวเรื่อง 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>หัวเรื่อง 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>หัวเรื่อง 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>หัวเรื่อง 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>ย่อหน้า</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>เยื้องย่อหน้า</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>ตัวเอียง</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>วางเป็นข้อความธรรมดา</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>วางเป็นข้อความธรรมดา</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>แทรกแถวด้านล่าง</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>แทรกแถวด้านบน</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>แทรกคอลัมน์ทางซ้าย</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>แทรกคอลัมน์ทางขวา</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>ย้ายแถวปัจจุบันขึ้น</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>ย้ายแถวปัจจุบันลง</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>ย้ายคอลัมน์ปัจจุบันไปทางซ้าย</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>ย้ายคอลัมน์ปัจจุบันไปทางขวา</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>จัดคอลัมน์ปัจจุบันชิดซ้าย</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>จัดคอลัมน์ปัจจุบันกึ่งกลาง</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>จัดคอลัมน์ปัจจุบันชิดขวา</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>ลบแถวปัจจุบัน</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>ลบคอลัมน์ปัจจุบัน</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>ลบตาราง</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>บริการฝากรูปภาพ</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>ดาวน์โหลดเวอร์ชันพกพา</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>ตรวจหาการอัปเดต</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>รับโค้ด HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>เว็บไซต์ทางการ</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>ชื่อเรื่อง</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>ตัวแก้ไขซอร์สโค้ด</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>ตัวแก้ไขแบบภาพ</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>ป้อนคำค้นเพื่อค้นหา...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>การนำทาง</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>เลือกโฟลเดอร์</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ไฟล์</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>ตัวเรียกดูไฟล์</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>เปิดล่าสุด</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>ธีม</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>สว่าง</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>มืด</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>ฟ้าใส</translation>
    </message>
    <message>
        <source>word</source>
        <translation>คำ</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>โปรดคลิกที่นี่...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>ไม่มีชื่อ</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>ค้นหาและแทนที่</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>ซ่อนแถบด้านซ้าย</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>แสดงแถบด้านซ้าย</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>สำรองข้อมูลสำเร็จ</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>ลบข้อมูลสำรองแล้ว</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>แจ้งเตือน</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>ไม่สามารถเปิดไฟล์ %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>เปิดไฟล์ Markdown</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>บันทึกไฟล์ Markdown</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>ไม่สามารถบันทึกไฟล์ %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>บันทึกสำเร็จ</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>ไม่สามารถอ่านเอกสารจากตัวแก้ไขแบบภาพได้ จึงไม่มีการบันทึกข้อมูลใด ๆ โปรดลองอีกครั้งในอีกสักครู่</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>อัตราการซูม %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>คัดลอกสำเร็จ</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>การวาง</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>ตั้งค่าตาราง</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>ส่งออกสำเร็จ</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>ไม่สามารถส่งออกไปยัง %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>ตัวแก้ไขไม่ได้ส่งเอกสารกลับมา</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>ตัวเลือกการส่งออก</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>คุณต้องการสร้างแถบสารบัญด้านข้างแบบตรึงพร้อมการนำทางตามหัวเรื่องหรือไม่</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>ส่งออกไฟล์ HTML</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>ไฟล์ HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>ส่งออกไฟล์ Word</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>ไฟล์ Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>ส่งออกไฟล์ PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>ไฟล์ PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>ไม่สามารถพิมพ์หน้านี้ได้</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>พิมพ์สำเร็จ</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>พิมพ์ไม่สำเร็จ</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>ไม่พบข้อความที่ตรงกัน!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>โปรดป้อนข้อความที่ต้องการค้นหา!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>ไม่มีข้อความที่ตรงกันให้แทนที่!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>แทนที่แล้ว %1 รายการ!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>แก้ไข</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>ส่งออกเป็น Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>เพิ่ม</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![คำอธิบายรูปภาพ](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>เอกสารปัจจุบันยังไม่ได้บันทึก โปรดบันทึกไฟล์ก่อนวางรูปภาพ</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>เลือกไดเรกทอรี</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>แจ้งเตือนการอัปเดต</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>คุณกำลังใช้เวอร์ชันล่าสุดอยู่แล้ว ไม่จำเป็นต้องอัปเดต</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>แจ้งเตือนการอัปเกรด</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>พบเวอร์ชันใหม่</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>ไม่สามารถเริ่มโปรแกรมอัปเดตได้: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>มุมมอง</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>ข้อมูลสำรองของ %1 เมื่อ %2 มีการเปลี่ยนแปลงที่ไม่เคยได้รับการบันทึก ต้องการกู้คืนหรือไม่</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>การเข้ารหัส: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>คุณต้องการบันทึกการเปลี่ยนแปลงใน %1 หรือไม่</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 ถูกเปลี่ยนแปลงโดยโปรแกรมอื่นหลังจากที่เปิดหรือบันทึก ต้องการเขียนทับการเปลี่ยนแปลงเหล่านั้นหรือไม่</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>เอกสารมีอักขระที่การเข้ารหัสของไฟล์ (%1) ไม่รองรับ ต้องการบันทึกเป็น UTF-8 แทนหรือไม่</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 ถูกลบหรือย้ายโดยโปรแกรมอื่น</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 ถูกเปลี่ยนแปลงโดยโปรแกรมอื่น ต้องการโหลดใหม่และทิ้งการเปลี่ยนแปลงที่ยังไม่ได้บันทึกหรือไม่</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 ถูกเปลี่ยนแปลงโดยโปรแกรมอื่นและได้โหลดใหม่แล้ว</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>เปิด %1 ด้วยโปรแกรมที่ระบบใช้สำหรับสิ่งนี้หรือไม่?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>ไม่สามารถตรวจสอบการอัปเดตได้</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>ไฟล์มีไบต์ NUL จึงไม่ใช่ไฟล์ข้อความ</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>ใช่</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ไม่ใช่</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>ไม่บันทึก</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
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
        <translation>การเชื่อมโยงไฟล์</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>คุณต้องการตั้งแอปพลิเคชันนี้เป็นโปรแกรมเริ่มต้นสำหรับเปิดไฟล์ .md หรือไม่
หากเลือก “ไม่ใช่” คุณยังเปลี่ยนได้ภายหลังในเมนูการตั้งค่า</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>คำเตือน</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>ไม่สามารถตั้งค่าการเชื่อมโยงเริ่มต้นได้: อาจต้องใช้สิทธิ์ผู้ดูแลระบบ หรือนโยบายของระบบได้บล็อกการดำเนินการนี้</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>ตั้งค่ารูปภาพ</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>เลือก</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>ลิงก์: (รองรับพาธในเครื่องหรือ URL บนเครือข่าย)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>เลือกรูปภาพ</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>รูปภาพ (*.jpg *.jpeg *.bmp *.png *.gif);;ไฟล์ทั้งหมด (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>พาธรูปภาพไม่ถูกต้อง</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>ไม่มีคำแนะนำ</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>เพิ่มลงในพจนานุกรม</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>ละเว้น</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>จำนวนแถว</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>จำนวนคอลัมน์</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>ตั้งค่าตาราง</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>ไม่สามารถเปิดไฟล์ได้</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>ข้อผิดพลาดของเครือข่าย: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>การตอบกลับไม่ใช่ออบเจ็กต์ JSON ที่ถูกต้อง</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>ไม่สามารถดึง URL รูปภาพจาก JSON ได้</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>เกี่ยวกับเรา</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>เป็นเครื่องมือแก้ไข Markdown ที่ใช้งานง่าย ผู้ใช้สามารถใช้เขียนเอกสารได้ และยังรองรับการส่งออกเป็น PDF รวมถึงฟีเจอร์อื่น ๆ</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> เวอร์ชัน %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>โดยทีมนักพัฒนา Penwick</translation>
    </message>
</context>
</TS>