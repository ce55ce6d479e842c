<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Backup Management</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Creation Time</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Prompt</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Are you sure you want to delete this backup?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Backup Preview</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Blockquote</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Bold Color</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Code Block Color</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Editor Background</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Heading Color</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Horizontal Line</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Image Color</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Inline Code</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Italic Color</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Keyword Color</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Line Number Bg</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Line Number Color</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Link Color</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>List Color</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Strikethrough</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Table Color</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Text Color</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Create a blank document</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Open the most recently closed document</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Keep Image Path</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Copy the image to the ./${filename}.assets Folder</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>System Default</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Your system language is not supported, English will be used.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Theme Modification Tutorial</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Click the "Open Theme Folder" button below to open the theme directory.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Find the .css file of your current theme and open it with Notepad.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Find or add this style:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = font size</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = font family</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>If you need help, please send us feedback!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Visual Editor Theme</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Code Block Theme</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Editor Theme Settings</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Startup Options</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Automatic Backup</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Show Left Sidebar</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Image Copy Method</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>File Association</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Associate with .md Files</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>How to customize visual editor theme styles</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Open Theme Folder</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Code Block Style</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Please see CodeMirror theme demo</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Source Editor Theme Settings</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Current Theme:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Save Theme</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Font Family</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Font Size</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Association failed: may require administrator privileges.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Successfully associated with .md files!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>Successfully removed .md file association.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Failed to remove association.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Select Color</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Save failed!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Saved!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Copy Theme</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>New theme name:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Name already exists!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Copied successfully!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Delete this theme?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Load remote images</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Spell Checking</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Check spelling as you type</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Set Hyperlink</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Link:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Invalid URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Delete Confirmation</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Are you sure you want to delete?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Export Failed</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>The HTML content is empty.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Failed to parse HTML content.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Save Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel Files (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Export Success</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>File saved successfully to:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Could not save the file. Please check permissions.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Email Feedback</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>GitHub Feedback</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>keyword...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Find Previous</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Find Next</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Case Sensitive</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Replace with:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Replace &amp;&amp; Find</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Replace All</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Image Host Configuration</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Upload URL</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Request Method</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>File Field</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>JSON URL Path</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Request Headers</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Form Parameters</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Image Host Manager</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Test Upload</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Upload URL</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>File Field</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON Path</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Are you sure to delete?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Please select an image host first.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Images (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Upload Success</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Upload Failed</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Submit GitHub Issue</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Please enter feedback title...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Please describe your problem or suggestion...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Submit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>toolBar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Ordered List</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Unordered List</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Quote</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Inline Code</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Horizontal Rule</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>About Us</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Clear Formatting</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Strikethrough</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Insert Table</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Remove Link</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Code Block</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>New Window</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donate</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Restore Default Zoom</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Heading 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Heading 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Heading 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Heading 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Heading 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Heading 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Paragraph</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Paragraph Indent</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Paste as Plain Text</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Paste as Plain text</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Insert Row Below</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Insert Row Above</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Insert Column to the Left</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Insert Column to the Right</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Move Current Row Up</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Move Current Row Down</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Move Current Column Left</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Move Current Column to the Right</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Align Current Column to the Left</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Center Align the Current Column</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Align the Current Column to the Right</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Delete Current Row</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Delete Current Column</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Delete Table</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Image Hosting Service</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Download Portable Version</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Check for Updates</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Get HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Official Website</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Source Code Editor</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Visual Editor</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Enter keywords to search...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Select Folder</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>File Browser</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Recently Opened</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Blue Sky</translation>
    </message>
    <message>
        <source>word</source>
        <translation>word</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Please click here...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Find &amp; Replace</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Hide Left Sidebar</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Show Left Sidebar</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Backup Successful</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Backup Deleted</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Prompt</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Cannot open file %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Open the Markdown file</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Save Markdown File</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Cannot save file %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Saved Successfully</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Zoom Ratio %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Copy Successful</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Paste operation</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Set Up Table</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Export Successful</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Cannot export to %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>The editor did not give its document.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Export Option</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Do you want to generate a fixed table of contents sidebar with heading navigation?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Export HTML File</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML File (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Export Word File</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word File (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Export PDF File</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF File (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>The page could not be printed.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Print Successful</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Print Failed</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>No matching text found!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Please enter text to find!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>No matching text to replace!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>Replaced %1 occurrences!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Export to Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Image ALT](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>The current document has not been saved. Please save the file first before pasting images.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Select Directory</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Update Prompt</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>You are currently using the latest version. No update required.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Upgrade Prompt</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>A new version has been detected</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>The updater could not be started: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>A backup of %1 from %2 holds changes that were never saved. Restore it?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Encoding: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Do you want to save the changes to %1?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 was changed by another program since it was opened or saved. Overwrite those changes?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 was deleted or moved by another program.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 was changed by another program. Reload it and lose your unsaved changes?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 was changed by another program and has been reloaded.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Open %1 with the program the system uses for it?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Could not check for updates.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>it holds NUL bytes, so it is not a text file</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Don't Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>File Association</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Set Image</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Link: (supports local paths or network URLs)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Choose Image</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Invalid Image Path</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>No Suggestions</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Add to Dictionary</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignore</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Set Up Table</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Failed to open file.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Network error: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Response is not a valid JSON object.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Failed to parse image URL from JSON.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>About Us</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> version %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>by the Penwick developers</translation>
    </message>
</context>
</TS>