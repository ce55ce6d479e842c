<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="vi">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Quản lý bản sao lưu</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Xem trước</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Thời gian tạo</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Bạn có chắc chắn muốn xóa bản sao lưu này không?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Xem trước bản sao lưu</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Khôi phục</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Khối trích dẫn</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Màu chữ đậm</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Màu khối mã</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Nền trình soạn thảo</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Màu tiêu đề</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Đường kẻ ngang</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Màu hình ảnh</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Mã nội dòng</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Màu chữ nghiêng</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Màu từ khóa</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Nền số dòng</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Màu số dòng</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Màu liên kết</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Màu danh sách</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Gạch ngang chữ</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Màu bảng</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Màu văn bản</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Tạo tài liệu trống</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Mở tài liệu đóng gần nhất</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Giữ nguyên đường dẫn ảnh</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Sao chép ảnh vào thư mục ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Mặc định hệ thống</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Ngôn ngữ</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Ngôn ngữ hệ thống của bạn chưa được hỗ trợ, tiếng Anh sẽ được sử dụng.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Hướng dẫn tùy chỉnh chủ đề</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Nhấp vào nút “Mở thư mục chủ đề” bên dưới để mở thư mục chủ đề.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Tìm tệp .css của chủ đề hiện tại và mở bằng Notepad.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Tìm hoặc thêm kiểu sau:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = cỡ chữ</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = phông chữ</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Nếu cần trợ giúp, hãy gửi phản hồi cho chúng tôi!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Chung</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Giao diện</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Chủ đề trình soạn thảo trực quan</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Chủ đề khối mã</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Cài đặt chủ đề trình soạn thảo</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Tùy chọn khởi động</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Tự động sao lưu</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Hiện thanh bên trái</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Cách sao chép ảnh</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Thu phóng</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Liên kết tệp</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Bật</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Liên kết với tệp .md</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Cách tùy chỉnh kiểu chủ đề của trình soạn thảo trực quan</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Mở thư mục chủ đề</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Kiểu khối mã</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Xem bản demo chủ đề CodeMirror</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Cài đặt chủ đề trình soạn thảo mã nguồn</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Chủ đề hiện tại:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Sao chép</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Lưu chủ đề</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Phông chữ</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Cỡ chữ</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Liên kết thất bại: có thể cần quyền quản trị viên.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Đã liên kết thành công với tệp .md!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>Đã gỡ liên kết tệp .md.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Không thể gỡ liên kết.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Chọn màu</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Lưu thất bại!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Đã lưu!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Sao chép chủ đề</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Tên chủ đề mới:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Tên đã tồn tại!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Sao chép thành công!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Xóa chủ đề này?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Tải hình ảnh từ xa</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Kiểm tra chính tả</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Kiểm tra chính tả khi gõ</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Chưa cài từ điển chính tả nào: kiểm tra chính tả cần một từ điển Hunspell (tệp .dic và .aff) trong %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Đặt siêu liên kết</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Văn bản:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Liên kết:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Xác nhận</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>URL không hợp lệ</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Xác nhận xóa</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Bạn có chắc chắn muốn xóa không?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Trình soạn thảo trực quan đã dừng đột ngột và được khởi động lại. Tài liệu đã được khôi phục về trạng thái lúc %1; những gì đã nhập trong trình soạn thảo trực quan sau thời điểm đó đã bị mất.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Trình soạn thảo trực quan đã dừng đột ngột và được khởi động lại. Không có dữ liệu nào bị mất.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Xuất thất bại</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>Nội dung HTML trống.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Không thể phân tích nội dung HTML.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Lưu tệp Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Tệp Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Xuất thành công</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Đã lưu tệp thành công tại:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Không thể lưu tệp. Vui lòng kiểm tra quyền truy cập.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Phản hồi</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Phản hồi qua email</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Phản hồi qua GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Tìm:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>từ khóa...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Tìm trước</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Tìm tiếp</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Phân biệt chữ hoa/thường</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Thay bằng:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Thay thế</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Thay thế &amp;&amp; Tìm</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Thay thế tất cả</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Cấu hình máy chủ ảnh</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL tải lên</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Phương thức yêu cầu</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Trường tệp</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>Đường dẫn URL trong JSON</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Thêm</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Header yêu cầu</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Tham số biểu mẫu</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Khóa</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Giá trị</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Quản lý máy chủ ảnh</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Thêm</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Chỉnh sửa</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Thử tải lên</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL tải lên</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Trường tệp</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>Đường dẫn JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Xác nhận</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Bạn có chắc chắn muốn xóa không?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Vui lòng chọn máy chủ ảnh trước.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Hình ảnh (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Tải lên thành công</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Tải lên thất bại</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Gửi Issue trên GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Vui lòng nhập tiêu đề phản hồi...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Vui lòng mô tả vấn đề hoặc góp ý của bạn...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Gửi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Hộp thoại</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Tệp</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Xuất</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Chỉnh sửa</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Định dạng</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Bảng</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Tùy chọn</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Thu phóng</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Thanh công cụ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>In đậm</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Danh sách đánh số</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Danh sách dấu đầu dòng</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Trích dẫn</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Mã nội dòng</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Đường kẻ ngang</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Liên kết</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Hình ảnh</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Mới</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Lưu thành</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Xóa định dạng</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Xóa định dạng</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Gạch ngang chữ</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Chèn bảng</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Gỡ liên kết</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Khối mã</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Phản hồi</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Cập nhật</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>In</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Cửa sổ mới</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Thu nhỏ</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Phóng to</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Ủng hộ</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sao lưu</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Khôi phục mức thu phóng mặc định</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Hoàn tác</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Làm lại</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Sao chép</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cắt</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Dán</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Chọn tất cả</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Tìm</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Thay thế</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Tiêu đề 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Tiêu đề 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Tiêu đề 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Tiêu đề 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Tiêu đề 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Tiêu đề 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Đoạn văn</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Thụt lề đoạn văn</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>In nghiêng</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Dán dưới dạng văn bản thuần</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Dán dưới dạng văn bản thuần</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Chèn hàng bên dưới</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Chèn hàng bên trên</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Chèn cột bên trái</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Chèn cột bên phải</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Di chuyển hàng hiện tại lên</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Di chuyển hàng hiện tại xuống</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Di chuyển cột hiện tại sang trái</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Di chuyển cột hiện tại sang phải</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Căn trái cột hiện tại</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Căn giữa cột hiện tại</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Căn phải cột hiện tại</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Xóa hàng hiện tại</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Xóa cột hiện tại</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Xóa bảng</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Dịch vụ lưu trữ ảnh</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Tải xuống bản không cần cài đặt</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Kiểm tra cập nhật</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Lấy mã HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Trang web chính thức</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tiêu đề</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Trình soạn thảo mã nguồn</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Trình soạn thảo trực quan</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Nhập từ khóa để tìm kiếm...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Điều hướng</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Chọn thư mục</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Tệp</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Trình duyệt tệp</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Mở gần đây</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Chủ đề</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Sáng</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tối</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Trời xanh</translation>
    </message>
    <message>
        <source>word</source>
        <translation>từ</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Vui lòng nhấp vào đây...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Chưa đặt tên</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Tìm và thay thế</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Ẩn thanh bên trái</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Hiện thanh bên trái</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Sao lưu thành công</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Đã xóa bản sao lưu</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Không thể mở tệp %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Mở tệp Markdown</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Lưu tệp Markdown</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Không thể lưu tệp %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Lưu thành công</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Không thể đọc tài liệu từ trình soạn thảo trực quan nên chưa có gì được ghi. Vui lòng thử lại sau giây lát.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Tỷ lệ thu phóng %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Sao chép thành công</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Thao tác dán</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Thiết lập bảng</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Xuất thành công</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Không thể xuất sang %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Trình soạn thảo không trả về tài liệu.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Tùy chọn xuất</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Bạn có muốn tạo thanh mục lục cố định ở bên cạnh để điều hướng theo tiêu đề không?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Xuất tệp HTML</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>Tệp HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Xuất tệp Word</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Tệp Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Xuất tệp PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Tệp PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Không thể in trang này.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>In thành công</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>In thất bại</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Không tìm thấy văn bản phù hợp!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Vui lòng nhập văn bản cần tìm!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Không có văn bản phù hợp để thay thế!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>Đã thay thế %1 kết quả!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Sửa</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Xuất sang Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Thêm</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Mô tả ảnh](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Tài liệu hiện tại chưa được lưu. Vui lòng lưu tệp trước khi dán ảnh.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Chọn thư mục</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Thông báo cập nhật</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Bạn đang dùng phiên bản mới nhất. Không cần cập nhật.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Thông báo nâng cấp</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Đã có phiên bản mới</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Không thể khởi động trình cập nhật: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Xem</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Bản sao lưu của %1 được tạo lúc %2 chứa những thay đổi chưa từng được lưu. Bạn có muốn khôi phục bản sao lưu này không?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Mã hóa: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Bạn có muốn lưu các thay đổi vào %1 không?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 đã bị một chương trình khác thay đổi kể từ khi được mở hoặc lưu. Bạn có muốn ghi đè lên những thay đổi đó không?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Tài liệu chứa các ký tự mà mã hóa của tệp (%1) không hỗ trợ. Bạn có muốn lưu tài liệu bằng UTF-8 thay thế không?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 đã bị một chương trình khác xóa hoặc di chuyển.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 đã bị một chương trình khác thay đổi. Bạn có muốn tải lại tệp và mất các thay đổi chưa lưu không?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 đã bị một chương trình khác thay đổi và đã được tải lại.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Mở %1 bằng chương trình mà hệ thống dùng cho việc này?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Không thể kiểm tra bản cập nhật.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>tệp chứa byte NUL nên không phải là tệp văn bản</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Có</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Không</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Không lưu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
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
        <translation>Liên kết tệp</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Bạn có muốn đặt ứng dụng này làm chương trình mặc định để mở tệp .md không?
Nếu chọn “Không”, bạn vẫn có thể thay đổi sau trong menu cài đặt.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Cảnh báo</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Không thể đặt liên kết mặc định: có thể cần quyền quản trị viên hoặc chính sách hệ thống đã chặn thao tác này.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Đặt hình ảnh</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Chọn</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Liên kết: (hỗ trợ đường dẫn cục bộ hoặc URL trên mạng)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Chọn hình ảnh</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Hình ảnh (*.jpg *.jpeg *.bmp *.png *.gif);;Tất cả tệp (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Đường dẫn ảnh không hợp lệ</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Không có gợi ý</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Thêm vào từ điển</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Bỏ qua</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Số hàng</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Số cột</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Thiết lập bảng</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Không thể mở tệp.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Lỗi mạng: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Phản hồi không phải là đối tượng JSON hợp lệ.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Không thể lấy URL ảnh từ JSON.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>là công cụ soạn thảo Markdown dễ sử dụng. Bạn có thể dùng nó để viết tài liệu, ngoài ra còn hỗ trợ xuất sang PDF và nhiều tính năng khác.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> phiên bản %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>bởi đội ngũ phát triển Penwick</translation>
    </message>
</context>
</TS>