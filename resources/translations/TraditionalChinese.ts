<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Click the &quot;Open Theme Folder&quot; button below to open the theme directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Association</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current file has not been saved. Do you want to discard changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegistryHelper</name>
    <message>
        <source>File Association</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
