<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>备份管理</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>创建时间</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>确定要删除此备份吗？</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>备份预览</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>引用块</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>粗体颜色</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>代码块颜色</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>编辑器背景</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>标题颜色</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>分隔线</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>图片颜色</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>行内代码</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>斜体颜色</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>关键字颜色</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>行号背景</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>行号颜色</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>链接颜色</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>列表颜色</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>删除线</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>表格颜色</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>文本颜色</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>新建空白文档</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>打开最近关闭的文档</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>保留图片路径</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>将图片复制到 ./${filename}.assets 文件夹</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>跟随系统</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>暂不支持您的系统语言，将使用英语。</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>主题修改教程</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. 点击下方的“打开主题文件夹”按钮，打开主题目录。</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. 找到当前主题的 .css 文件，用记事本打开。</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. 查找或添加以下样式：</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = 字号</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = 字体</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>如需帮助，欢迎向我们反馈！</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>可视化编辑器主题</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>代码块主题</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>编辑器主题设置</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>启动选项</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>自动备份</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>显示左侧边栏</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>图片复制方式</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>文件关联</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>关联 .md 文件</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>如何自定义可视化编辑器主题样式</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>打开主题文件夹</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>代码块样式</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>请参阅 CodeMirror 主题演示</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>源码编辑器主题设置</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>当前主题：</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>保存主题</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>字号</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>关联失败：可能需要管理员权限。</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>已成功关联 .md 文件！</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>已成功取消 .md 文件关联。</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>取消关联失败。</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>保存失败！</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>已保存！</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>复制主题</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>新主题名称：</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>名称已存在！</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>复制成功！</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>确定删除此主题吗？</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>加载远程图片</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>拼写检查</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>输入时检查拼写</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>未安装拼写词典：拼写检查需要在 %1 中放置 Hunspell 词典（.dic 和 .aff 文件）。</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>设置超链接</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>文本：</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>链接：</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>无效的 URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>删除确认</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>确定要删除吗？</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>可视化编辑器意外停止，已重新启动。文档已恢复到 %1 时的状态；此后在可视化编辑器中输入的内容已丢失。</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>可视化编辑器意外停止，已重新启动。没有丢失任何内容。</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>导出失败</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML 内容为空。</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>解析 HTML 内容失败。</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>保存 Excel 文件</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel 文件 (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>导出成功</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>文件已成功保存到：
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>无法保存文件，请检查权限。</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>邮件反馈</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>GitHub 反馈</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>查找：</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>关键字……</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>查找上一个</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>查找下一个</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>区分大小写</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>替换为：</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>替换 &amp;&amp; 查找</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>全部替换</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>图床配置</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>上传 URL</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>请求方法</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>文件字段</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>JSON URL 路径</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>请求头</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>表单参数</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>键</translation>
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
        <translation>图床管理</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>测试上传</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>上传 URL</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>文件字段</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON 路径</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>确定要删除吗？</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>请先选择一个图床。</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>图片 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>上传成功</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>上传失败</translation>
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
        <translation>请输入反馈标题……</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>请描述您遇到的问题或建议……</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>提交</translation>
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
        <translation>对话框</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
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
        <translation>选项</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>加粗</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>有序列表</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>无序列表</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>引用</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>行内代码</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>分隔线</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>链接</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>关于我们</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
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
        <translation>删除线</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>插入表格</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>移除链接</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>代码块</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>新建窗口</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>捐赠</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>恢复默认缩放</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>一级标题</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>二级标题</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>三级标题</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>四级标题</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>五级标题</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>六级标题</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>段落</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>段落缩进</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>粘贴为纯文本</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>粘贴为纯文本</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>在下方插入行</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>在上方插入行</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>在左侧插入列</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>在右侧插入列</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>上移当前行</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>下移当前行</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>左移当前列</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>右移当前列</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>当前列左对齐</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>当前列居中对齐</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>当前列右对齐</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>删除当前行</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>删除当前列</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>删除表格</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>图床服务</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>下载便携版</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>获取 HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>官方网站</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>源码编辑器</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>可视化编辑器</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>输入关键字搜索……</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>导航</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>文件浏览器</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>最近打开</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>蓝天</translation>
    </message>
    <message>
        <source>word</source>
        <translation>字</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>请点击此处……</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>查找和替换</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>隐藏左侧边栏</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>显示左侧边栏</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>备份成功</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>备份已删除</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>无法打开文件 %1：%2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>打开 Markdown 文件</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>保存 Markdown 文件</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>无法保存文件 %1：%2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>保存成功</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>无法从可视化编辑器读取文档，因此未写入任何内容。请稍后重试。</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>缩放比例 %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>复制成功</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>粘贴操作</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>设置表格</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>导出成功</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>无法导出到 %1：%2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>编辑器未返回文档内容。</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>导出选项</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>是否生成带标题导航的固定目录侧边栏？</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>导出 HTML 文件</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML 文件 (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>导出 Word 文件</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word 文件 (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>导出 PDF 文件</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>无法打印该页面。</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>打印成功</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>打印失败</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>未找到匹配的文本！</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>请输入要查找的文本！</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>没有可替换的匹配文本！</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>已替换 %1 处！</translation>
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
        <translation>导出到 Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![图片描述](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>当前文档尚未保存，请先保存文件再粘贴图片。</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>选择目录</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>更新提示</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>当前已是最新版本，无需更新。</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>升级提示</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>检测到新版本</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>无法启动更新程序：%1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>%1 的一个备份（%2）包含从未保存过的更改。是否恢复？</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>编码：%1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>是否保存对 %1 的更改？</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>自打开或保存以来，%1 已被其他程序修改。是否覆盖这些更改？</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>文档包含文件编码 %1 无法保存的字符。是否改用 UTF-8 保存？</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 已被其他程序删除或移动。</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 已被其他程序修改。是否重新加载并丢失未保存的更改？</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 已被其他程序修改，已重新加载。</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>要用系统为此使用的程序打开 %1 吗?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>无法检查更新。</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>文件包含 NUL 字节，因此不是文本文件</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>不保存</translation>
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
        <translation>文件关联</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>是否将本程序设为打开 .md 文件的默认程序？
如果选择“否”，之后仍可在设置菜单中更改。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>设置默认关联失败：可能需要管理员权限，或该操作被系统策略阻止。</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>设置图片</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>链接：（支持本地路径或网络 URL）</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>选择图片</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>图片 (*.jpg *.jpeg *.bmp *.png *.gif);;所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>无效的图片路径</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>无建议</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>添加到词典</translation>
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
        <translation>行数</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>列数</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>设置表格</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>打开文件失败。</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>网络错误：%1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>响应不是有效的 JSON 对象。</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>无法从 JSON 中解析图片 URL。</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>关于我们</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>是一款简单易用的 Markdown 编辑工具。用户可以用它撰写文档，还支持导出为 PDF 等功能。</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> 版本 %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>由 Penwick 开发者打造</translation>
    </message>
</context>
</TS>