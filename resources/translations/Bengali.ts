<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="bn">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>ব্যাকআপ ব্যবস্থাপনা</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>প্রিভিউ</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>নাম</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>তৈরির সময়</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>বার্তা</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>আপনি কি নিশ্চিত যে এই ব্যাকআপটি মুছে ফেলতে চান?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>ব্যাকআপ প্রিভিউ</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>পুনরুদ্ধার করুন</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>উদ্ধৃতি ব্লক</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>বোল্ডের রং</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>কোড ব্লকের রং</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>এডিটরের পটভূমি</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>শিরোনামের রং</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>অনুভূমিক রেখা</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>ছবির রং</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>ইনলাইন কোড</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>ইটালিকের রং</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>কীওয়ার্ডের রং</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>লাইন নম্বরের পটভূমি</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>লাইন নম্বরের রং</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>লিংকের রং</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>তালিকার রং</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>স্ট্রাইকথ্রু</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>টেবিলের রং</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>টেক্সটের রং</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>একটি ফাঁকা ডকুমেন্ট তৈরি করুন</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>সর্বশেষ বন্ধ করা ডকুমেন্টটি খুলুন</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>ছবির পাথ অপরিবর্তিত রাখুন</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>ছবিটি ./${filename}.assets ফোল্ডারে কপি করুন</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>সিস্টেম ডিফল্ট</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>ভাষা</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>আপনার সিস্টেমের ভাষা সমর্থিত নয়, তাই ইংরেজি ব্যবহার করা হবে।</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>থিম পরিবর্তনের নির্দেশিকা</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>১. থিম ডিরেক্টরি খুলতে নিচের “থিম ফোল্ডার খুলুন” বোতামে ক্লিক করুন।</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>২. আপনার বর্তমান থিমের .css ফাইলটি খুঁজে Notepad দিয়ে খুলুন।</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>৩. এই স্টাইলটি খুঁজুন বা যোগ করুন:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = ফন্টের আকার</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = ফন্ট ফ্যামিলি</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>সাহায্যের প্রয়োজন হলে অনুগ্রহ করে আমাদের মতামত পাঠান!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>সেটিংস</translation>
    </message>
    <message>
        <source>General</source>
        <translation>সাধারণ</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>চেহারা</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>ভিজ্যুয়াল এডিটরের থিম</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>কোড ব্লকের থিম</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>এডিটরের থিম সেটিংস</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>চালু হওয়ার বিকল্প</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>স্বয়ংক্রিয় ব্যাকআপ</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>বাম সাইডবার দেখান</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>ছবি কপি করার পদ্ধতি</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>জুম</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>ফাইল অ্যাসোসিয়েশন</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>সক্রিয় করুন</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>.md ফাইলের সাথে যুক্ত করুন</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>ভিজ্যুয়াল এডিটরের থিমের স্টাইল কীভাবে কাস্টমাইজ করবেন</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>থিম ফোল্ডার খুলুন</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>কোড ব্লকের স্টাইল</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>অনুগ্রহ করে CodeMirror থিমের ডেমো দেখুন</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>সোর্স এডিটরের থিম সেটিংস</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>বর্তমান থিম:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>কপি করুন</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>থিম সংরক্ষণ করুন</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>ফন্ট ফ্যামিলি</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>ফন্টের আকার</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>টিপস</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>অ্যাসোসিয়েশন ব্যর্থ হয়েছে: অ্যাডমিনিস্ট্রেটরের অধিকার প্রয়োজন হতে পারে।</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>.md ফাইলের সাথে সফলভাবে যুক্ত করা হয়েছে!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>.md ফাইল অ্যাসোসিয়েশন সফলভাবে সরানো হয়েছে।</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>অ্যাসোসিয়েশন সরানো যায়নি।</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>রং নির্বাচন করুন</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>সংরক্ষণ ব্যর্থ হয়েছে!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>সংরক্ষিত হয়েছে!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>থিম কপি করুন</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>নতুন থিমের নাম:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>এই নামটি ইতিমধ্যে আছে!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>সফলভাবে কপি করা হয়েছে!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>এই থিমটি মুছে ফেলবেন?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>দূরবর্তী ছবি লোড করুন</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>বানান পরীক্ষা</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>লেখার সময় বানান পরীক্ষা করুন</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>কোনো বানান অভিধান ইনস্টল করা নেই: বানান পরীক্ষার জন্য %1-এ একটি Hunspell অভিধান (.dic ও .aff ফাইল) দরকার।</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>হাইপারলিংক সেট করুন</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>টেক্সট:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>লিংক:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>নিশ্চিত করুন</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>অবৈধ URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>মুছে ফেলা নিশ্চিত করুন</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>আপনি কি নিশ্চিত যে মুছে ফেলতে চান?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>ভিজ্যুয়াল এডিটর অপ্রত্যাশিতভাবে বন্ধ হয়ে গিয়েছিল এবং আবার চালু করা হয়েছে। ডকুমেন্টটি %1-এ যে অবস্থায় ছিল সেই অবস্থায় পুনরুদ্ধার করা হয়েছে; এর পরে ভিজ্যুয়াল এডিটরে যা টাইপ করা হয়েছিল তা হারিয়ে গেছে।</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>ভিজ্যুয়াল এডিটর অপ্রত্যাশিতভাবে বন্ধ হয়ে গিয়েছিল এবং আবার চালু করা হয়েছে। কিছুই হারায়নি।</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>এক্সপোর্ট ব্যর্থ হয়েছে</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML কনটেন্ট খালি।</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>HTML কনটেন্ট পার্স করা যায়নি।</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Excel ফাইল সংরক্ষণ করুন</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel ফাইল (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>এক্সপোর্ট সফল হয়েছে</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>ফাইলটি সফলভাবে এখানে সংরক্ষিত হয়েছে:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>ফাইলটি সংরক্ষণ করা যায়নি। অনুগ্রহ করে অনুমতিগুলো পরীক্ষা করুন।</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>মতামত</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>ইমেইলে মতামত</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>GitHub-এ মতামত</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>খুঁজুন:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>কীওয়ার্ড...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>আগেরটি খুঁজুন</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>পরেরটি খুঁজুন</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>বড়/ছোট হাতের অক্ষর মেলান</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>প্রতিস্থাপনের টেক্সট:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>প্রতিস্থাপন করুন</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>প্রতিস্থাপন &amp;&amp; খুঁজুন</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>সব প্রতিস্থাপন করুন</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>ছবি হোস্ট কনফিগারেশন</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>নাম</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>আপলোড URL</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>রিকোয়েস্ট মেথড</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>ফাইল ফিল্ড</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>JSON URL পাথ</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>যোগ করুন</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>রিকোয়েস্ট হেডার</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>ফর্ম প্যারামিটার</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>কী</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>মান</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>ছবি হোস্ট ম্যানেজার</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>যোগ করুন</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>সম্পাদনা</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>পরীক্ষামূলক আপলোড</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>নাম</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>আপলোড URL</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>ফাইল ফিল্ড</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON পাথ</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>নিশ্চিত করুন</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>আপনি কি নিশ্চিত যে মুছে ফেলতে চান?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>অনুগ্রহ করে প্রথমে একটি ছবি হোস্ট নির্বাচন করুন।</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>ছবি (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>আপলোড সফল হয়েছে</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>আপলোড ব্যর্থ হয়েছে</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>GitHub-এ ইস্যু জমা দিন</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>অনুগ্রহ করে মতামতের শিরোনাম লিখুন...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>অনুগ্রহ করে আপনার সমস্যা বা পরামর্শ বর্ণনা করুন...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>জমা দিন</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ডায়ালগ</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>ফাইল</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>এক্সপোর্ট</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>সম্পাদনা</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>ফরম্যাট</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>টেবিল</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>বিকল্প</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>জুম</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>সাহায্য</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>টুলবার</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>বোল্ড</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>ক্রমিক তালিকা</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>বুলেট তালিকা</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>উদ্ধৃতি</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>ইনলাইন কোড</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>অনুভূমিক রেখা</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>লিংক</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>ছবি</translation>
    </message>
    <message>
        <source>New</source>
        <translation>নতুন</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>খুলুন</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>সংরক্ষণ করুন</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>আমাদের সম্পর্কে</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>অন্য নামে সংরক্ষণ করুন</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>ফরম্যাটিং মুছুন</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>ফরম্যাটিং মুছুন</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>স্ট্রাইকথ্রু</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>টেবিল যোগ করুন</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>লিংক সরান</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>কোড ব্লক</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>মতামত</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>আপডেট</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>প্রিন্ট করুন</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>নতুন উইন্ডো</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>জুম আউট</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>জুম ইন</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>অনুদান দিন</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>ব্যাকআপ</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>ডিফল্ট জুমে ফিরে যান</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>পূর্বাবস্থায় ফেরান</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>পুনরায় করুন</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>কপি করুন</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>কাট করুন</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>পেস্ট করুন</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>সব নির্বাচন করুন</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>খুঁজুন</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>প্রতিস্থাপন করুন</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>শিরোনাম ১</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>শিরোনাম ২</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>শিরোনাম ৩</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>শিরোনাম ৪</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>শিরোনাম ৫</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>শিরোনাম ৬</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>অনুচ্ছেদ</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>অনুচ্ছেদ ইন্ডেন্ট</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>ইটালিক</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>সাধারণ টেক্সট হিসেবে পেস্ট করুন</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>সাধারণ টেক্সট হিসেবে পেস্ট করুন</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>নিচে সারি যোগ করুন</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>উপরে সারি যোগ করুন</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>বাঁয়ে কলাম যোগ করুন</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>ডানে কলাম যোগ করুন</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>সারি উপরে সরান</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>সারি নিচে সরান</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>কলাম বাঁয়ে সরান</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>কলাম ডানে সরান</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>কলাম বাঁয়ে সারিবদ্ধ করুন</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>কলাম মাঝখানে সারিবদ্ধ করুন</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>কলাম ডানে সারিবদ্ধ করুন</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>সারি মুছুন</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>কলাম মুছুন</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>টেবিল মুছুন</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>সেটিংস</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>ছবি হোস্টিং পরিষেবা</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>পোর্টেবল সংস্করণ ডাউনলোড করুন</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>আপডেট আছে কিনা দেখুন</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>HTML নিন</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>অফিসিয়াল ওয়েবসাইট</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>শিরোনাম</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>সোর্স কোড এডিটর</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>ভিজ্যুয়াল এডিটর</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>খুঁজতে কীওয়ার্ড লিখুন...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>নেভিগেশন</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>ফোল্ডার নির্বাচন করুন</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ফাইলসমূহ</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>ফাইল ব্রাউজার</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>সম্প্রতি খোলা</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>থিম</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>লাইট</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ডার্ক</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>নীল আকাশ</translation>
    </message>
    <message>
        <source>word</source>
        <translation>শব্দ</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>অনুগ্রহ করে এখানে ক্লিক করুন...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>শিরোনামহীন</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>খুঁজুন &amp; প্রতিস্থাপন</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>বাম সাইডবার লুকান</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>বাম সাইডবার দেখান</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>ব্যাকআপ সফল হয়েছে</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>ব্যাকআপ মুছে ফেলা হয়েছে</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>বার্তা</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>%1 ফাইলটি খোলা যাচ্ছে না: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Markdown ফাইল খুলুন</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Markdown ফাইল সংরক্ষণ করুন</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>%1 ফাইলটি সংরক্ষণ করা যাচ্ছে না: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>সফলভাবে সংরক্ষিত হয়েছে</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>ভিজ্যুয়াল এডিটর থেকে ডকুমেন্টটি পড়া যায়নি, তাই কিছুই লেখা হয়নি। অনুগ্রহ করে একটু পরে আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>জুমের অনুপাত %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>কপি সফল হয়েছে</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>পেস্ট অপারেশন</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>টেবিল সেট আপ করুন</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>এক্সপোর্ট সফল হয়েছে</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>%1-এ এক্সপোর্ট করা যাচ্ছে না: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>এডিটর তার ডকুমেন্টটি দেয়নি।</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>এক্সপোর্ট বিকল্প</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>আপনি কি শিরোনাম নেভিগেশনসহ একটি স্থির সূচিপত্র সাইডবার তৈরি করতে চান?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>HTML ফাইল হিসেবে এক্সপোর্ট করুন</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML ফাইল (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Word ফাইল হিসেবে এক্সপোর্ট করুন</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word ফাইল (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>PDF ফাইল হিসেবে এক্সপোর্ট করুন</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF ফাইল (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>পৃষ্ঠাটি প্রিন্ট করা যায়নি।</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>প্রিন্ট সফল হয়েছে</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>প্রিন্ট ব্যর্থ হয়েছে</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>মিলে যাওয়া কোনো টেক্সট পাওয়া যায়নি!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>অনুগ্রহ করে খোঁজার জন্য টেক্সট লিখুন!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>প্রতিস্থাপনের জন্য মিলে যাওয়া কোনো টেক্সট নেই!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1টি জায়গায় প্রতিস্থাপন করা হয়েছে!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>পরিবর্তন করুন</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Excel-এ এক্সপোর্ট করুন</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>যোগ করুন</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![ছবির বিকল্প টেক্সট](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>বর্তমান ডকুমেন্টটি সংরক্ষণ করা হয়নি। ছবি পেস্ট করার আগে অনুগ্রহ করে ফাইলটি সংরক্ষণ করুন।</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>ডিরেক্টরি নির্বাচন করুন</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>আপডেট বার্তা</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>আপনি বর্তমানে সর্বশেষ সংস্করণ ব্যবহার করছেন। কোনো আপডেটের প্রয়োজন নেই।</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>আপগ্রেড বার্তা</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>একটি নতুন সংস্করণ পাওয়া গেছে</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>আপডেটার চালু করা যায়নি: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>দেখুন</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>%1-এর %2 সময়ের একটি ব্যাকআপে এমন পরিবর্তন রয়েছে যা কখনও সংরক্ষণ করা হয়নি। এটি পুনরুদ্ধার করবেন?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>এনকোডিং: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>আপনি কি %1-এ করা পরিবর্তনগুলো সংরক্ষণ করতে চান?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>খোলা বা সংরক্ষণ করার পর থেকে অন্য একটি প্রোগ্রাম %1 পরিবর্তন করেছে। সেই পরিবর্তনগুলো ওভাররাইট করবেন?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>ডকুমেন্টে এমন কিছু অক্ষর আছে যা ফাইলের এনকোডিং %1-এ রাখা যায় না। এর পরিবর্তে UTF-8-এ সংরক্ষণ করবেন?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>অন্য একটি প্রোগ্রাম %1 মুছে ফেলেছে বা সরিয়ে নিয়েছে।</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>অন্য একটি প্রোগ্রাম %1 পরিবর্তন করেছে। এটি আবার লোড করবেন এবং আপনার অসংরক্ষিত পরিবর্তনগুলো হারাবেন?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>অন্য একটি প্রোগ্রাম %1 পরিবর্তন করেছে এবং এটি আবার লোড করা হয়েছে।</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>সিস্টেম যে প্রোগ্রাম ব্যবহার করে তা দিয়ে %1 খুলবেন?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>আপডেট পরীক্ষা করা যায়নি।</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>এতে NUL বাইট আছে, তাই এটি টেক্সট ফাইল নয়</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>হ্যাঁ</translation>
    </message>
    <message>
        <source>No</source>
        <translation>না</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>সংরক্ষণ করুন</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>সংরক্ষণ করবেন না</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
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
        <translation>ফাইল অ্যাসোসিয়েশন</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>আপনি কি .md ফাইল খোলার জন্য এই অ্যাপ্লিকেশনটিকে ডিফল্ট প্রোগ্রাম হিসেবে সেট করতে চান?
“না” নির্বাচন করলে পরে সেটিংস মেনু থেকে এটি পরিবর্তন করতে পারবেন।</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>সতর্কতা</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>ডিফল্ট অ্যাসোসিয়েশন সেট করা যায়নি: অ্যাডমিনিস্ট্রেটরের অধিকার প্রয়োজন হতে পারে, অথবা সিস্টেম নীতি এই কাজটি আটকে দিয়েছে।</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>ছবি সেট করুন</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>বেছে নিন</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>লিংক: (লোকাল পাথ বা নেটওয়ার্ক URL সমর্থিত)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>ছবি বেছে নিন</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>ছবি (*.jpg *.jpeg *.bmp *.png *.gif);;সব ফাইল (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>ছবির পাথ অবৈধ</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>কোনো পরামর্শ নেই</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>অভিধানে যোগ করুন</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>উপেক্ষা করুন</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>সারি</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>কলাম</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>টেবিল সেট আপ করুন</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>ফাইলটি খোলা যায়নি।</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>নেটওয়ার্ক ত্রুটি: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>প্রতিক্রিয়াটি বৈধ JSON অবজেক্ট নয়।</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>JSON থেকে ছবির URL পার্স করা যায়নি।</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>আমাদের সম্পর্কে</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>একটি সহজে ব্যবহারযোগ্য Markdown সম্পাদনা টুল। ব্যবহারকারীরা এটি দিয়ে ডকুমেন্ট লিখতে পারেন, এবং এটি PDF-এ এক্সপোর্টসহ আরও নানা সুবিধা দেয়।</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> সংস্করণ %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>Penwick ডেভেলপারদের তৈরি</translation>
    </message>
</context>
</TS>