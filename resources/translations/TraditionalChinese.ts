<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_TW">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>備份管理</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>預覽</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>建立時間</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>確定要刪除此備份嗎？</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>備份預覽</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>還原</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>引用區塊</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>粗體顏色</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>程式碼區塊顏色</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>編輯器背景</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>標題顏色</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>水平線</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>圖片顏色</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>行內程式碼</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>斜體顏色</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>關鍵字顏色</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>行號背景</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>行號顏色</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>連結顏色</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>清單顏色</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>刪除線</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>表格顏色</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>文字顏色</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>建立空白文件</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>開啟最近關閉的文件</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>保留圖片路徑</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>將圖片複製到 ./${filename}.assets 資料夾</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>系統預設</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>目前不支援您的系統語言，將使用英文。</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>主題修改教學</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. 按一下下方的「開啟主題資料夾」按鈕，開啟主題目錄。</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. 找到目前主題的 .css 檔案，用記事本開啟。</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. 尋找或新增以下樣式：</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = 字型大小</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = 字型</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>如需協助，歡迎提供意見回饋給我們！</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外觀</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>視覺化編輯器主題</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>程式碼區塊主題</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>編輯器主題設定</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>啟動選項</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>自動備份</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>顯示左側邊欄</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>圖片複製方式</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>縮放</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>檔案關聯</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>關聯 .md 檔案</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>如何自訂視覺化編輯器的主題樣式</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>開啟主題資料夾</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>程式碼區塊樣式</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>請參閱 CodeMirror 主題示範</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>原始碼編輯器主題設定</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>目前主題：</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>儲存主題</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>字型</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>字型大小</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>關聯失敗：可能需要系統管理員權限。</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>已成功關聯 .md 檔案！</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>已成功移除 .md 檔案關聯。</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>無法移除關聯。</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>選擇顏色</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>儲存失敗！</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>已儲存！</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>複製主題</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>新主題名稱：</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>名稱已存在！</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>複製成功！</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>要刪除此主題嗎？</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>載入遠端圖片</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>拼字檢查</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>輸入時檢查拼字</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>未安裝拼字字典：拼字檢查需要在 %1 中放置 Hunspell 字典（.dic 與 .aff 檔案）。</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>設定超連結</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>文字：</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>連結：</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>無效的網址</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>刪除確認</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>確定要刪除嗎？</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>視覺化編輯器意外停止，已重新啟動。文件已復原至 %1 時的狀態；之後在視覺化編輯器中輸入的內容已遺失。</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>視覺化編輯器意外停止，已重新啟動。沒有遺失任何內容。</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>匯出失敗</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML 內容為空。</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>無法解析 HTML 內容。</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>儲存 Excel 檔案</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel 檔案 (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>匯出成功</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>檔案已成功儲存至：
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>無法儲存檔案，請檢查權限。</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>意見回饋</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>電子郵件意見回饋</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>GitHub 意見回饋</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>尋找：</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>關鍵字…</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>尋找上一個</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>尋找下一個</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>區分大小寫</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>取代為：</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>取代</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>取代 &amp;&amp; 尋找</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>全部取代</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>圖片託管設定</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>上傳網址</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>請求方法</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>檔案欄位</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>JSON 網址路徑</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>請求標頭</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>表單參數</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>鍵</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>圖片託管管理</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>測試上傳</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>上傳網址</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>檔案欄位</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON 路徑</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>確定要刪除嗎？</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>請先選擇圖片託管服務。</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>圖片 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>上傳成功</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>上傳失敗</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>提交 GitHub Issue</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>請輸入意見回饋標題…</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>請描述您遇到的問題或建議…</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>送出</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>對話方塊</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>表格</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>縮放</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>工具列</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗體</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>編號清單</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>項目符號清單</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>引用</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>行內程式碼</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>水平線</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>連結</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>關於我們</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存新檔</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除格式</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>清除格式</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>刪除線</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>插入表格</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>移除連結</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>程式碼區塊</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>意見回饋</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>開新視窗</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>贊助</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>備份</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>還原預設縮放</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>取代</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>標題 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>標題 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>標題 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>標題 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>標題 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>標題 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>段落</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>段落縮排</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜體</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>貼上為純文字</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>貼上為純文字</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>在下方插入列</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>在上方插入列</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>在左側插入欄</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>在右側插入欄</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>上移目前列</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>下移目前列</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>左移目前欄</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>右移目前欄</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>目前欄靠左對齊</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>目前欄置中對齊</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>目前欄靠右對齊</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>刪除目前列</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>刪除目前欄</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>刪除表格</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>圖片託管服務</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>下載免安裝版</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>取得 HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>官方網站</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>原始碼編輯器</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>視覺化編輯器</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>輸入關鍵字搜尋…</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>導覽</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>選擇資料夾</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>檔案瀏覽器</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>最近開啟</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主題</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>藍天</translation>
    </message>
    <message>
        <source>word</source>
        <translation>字</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>請按一下這裡…</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>尋找與取代</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>隱藏左側邊欄</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>顯示左側邊欄</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>備份成功</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>備份已刪除</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>無法開啟檔案 %1：%2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>開啟 Markdown 檔案</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>儲存 Markdown 檔案</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>無法儲存檔案 %1：%2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>儲存成功</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>無法從視覺化編輯器讀取文件，因此未寫入任何內容。請稍後再試一次。</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>縮放比例 %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>複製成功</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>貼上操作</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>設定表格</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>匯出成功</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>無法匯出至 %1：%2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>編輯器未傳回文件內容。</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>匯出選項</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>是否要產生含標題導覽的固定目錄側邊欄？</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>匯出 HTML 檔案</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML 檔案 (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>匯出 Word 檔案</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word 檔案 (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>匯出 PDF 檔案</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF 檔案 (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>無法列印此頁面。</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>列印成功</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>列印失敗</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>找不到相符的文字！</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>請輸入要尋找的文字！</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>沒有可取代的相符文字！</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>已取代 %1 處！</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>匯出至 Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![圖片說明](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>目前的文件尚未儲存，請先儲存檔案再貼上圖片。</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>選擇目錄</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>更新提示</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>您目前使用的已是最新版本，無需更新。</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>升級提示</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>偵測到新版本</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>無法啟動更新程式：%1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>檢視</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>%1 的一個備份（%2）包含從未儲存過的變更。要還原嗎？</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>編碼：%1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>要儲存對 %1 的變更嗎？</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>自開啟或儲存以來，%1 已被其他程式修改。要覆寫這些變更嗎？</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>文件包含檔案編碼 %1 無法儲存的字元。要改用 UTF-8 儲存嗎？</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 已被其他程式刪除或移動。</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 已被其他程式修改。要重新載入並捨棄未儲存的變更嗎？</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 已被其他程式修改，已重新載入。</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>要用系統為此使用的程式開啟 %1 嗎?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>無法檢查更新。</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>檔案包含 NUL 位元組，因此不是文字檔</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>不要儲存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>檔案關聯</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>是否要將此應用程式設為開啟 .md 檔案的預設程式？
若選擇「否」，之後仍可在設定選單中變更。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>無法設定預設關聯：可能需要系統管理員權限，或此操作遭系統原則封鎖。</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>設定圖片</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>連結：（支援本機路徑或網路網址）</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>選擇圖片</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>圖片 (*.jpg *.jpeg *.bmp *.png *.gif);;所有檔案 (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>無效的圖片路徑</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>沒有建議</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>加入字典</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>忽略</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>列數</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>欄數</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>設定表格</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>無法開啟檔案。</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>網路錯誤：%1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>回應不是有效的 JSON 物件。</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>無法從 JSON 解析圖片網址。</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>關於我們</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>是一款簡單易用的 Markdown 編輯工具。使用者可以用它撰寫文件，還支援匯出為 PDF 等功能。</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> 版本 %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>由 Penwick 開發者打造</translation>
    </message>
</context>
</TS>