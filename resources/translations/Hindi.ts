<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="hi">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>बैकअप प्रबंधन</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>बनाने का समय</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>सूचना</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>क्या आप वाकई इस बैकअप को हटाना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>बैकअप पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>पुनर्स्थापित करें</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>उद्धरण</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>बोल्ड टेक्स्ट का रंग</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>कोड ब्लॉक का रंग</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>संपादक की पृष्ठभूमि</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>शीर्षक का रंग</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>क्षैतिज रेखा</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>छवि का रंग</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>इनलाइन कोड</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>इटैलिक टेक्स्ट का रंग</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>कीवर्ड का रंग</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>पंक्ति संख्या की पृष्ठभूमि</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>पंक्ति संख्या का रंग</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>लिंक का रंग</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>सूची का रंग</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>स्ट्राइकथ्रू</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>तालिका का रंग</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>टेक्स्ट का रंग</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>एक रिक्त दस्तावेज़ बनाएँ</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>हाल ही में बंद किया गया दस्तावेज़ खोलें</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>छवि का पथ यथावत रखें</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>छवि को ./${filename}.assets फ़ोल्डर में कॉपी करें</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>सिस्टम डिफ़ॉल्ट</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>भाषा</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>आपकी सिस्टम भाषा समर्थित नहीं है, इसलिए अंग्रेज़ी का उपयोग किया जाएगा।</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>थीम बदलने की गाइड</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. थीम निर्देशिका खोलने के लिए नीचे दिए गए “थीम फ़ोल्डर खोलें” बटन पर क्लिक करें।</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. अपनी वर्तमान थीम की .css फ़ाइल ढूँढें और उसे नोटपैड में खोलें।</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. यह स्टाइल ढूँढें या जोड़ें:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = फ़ॉन्ट आकार</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = फ़ॉन्ट परिवार</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>यदि आपको सहायता चाहिए, तो कृपया हमें फ़ीडबैक भेजें!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>सेटिंग्स</translation>
    </message>
    <message>
        <source>General</source>
        <translation>सामान्य</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>रूप-रंग</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>विज़ुअल संपादक थीम</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>कोड ब्लॉक थीम</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>संपादक थीम सेटिंग्स</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>स्टार्टअप विकल्प</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>स्वचालित बैकअप</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>बायाँ साइडबार दिखाएँ</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>छवि कॉपी करने का तरीका</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ज़ूम</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>फ़ाइल संबद्धता</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>सक्षम करें</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>.md फ़ाइलों से संबद्ध करें</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>विज़ुअल संपादक थीम की शैलियाँ कैसे अनुकूलित करें</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>थीम फ़ोल्डर खोलें</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>कोड ब्लॉक शैली</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>कृपया CodeMirror थीम डेमो देखें</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>स्रोत संपादक थीम सेटिंग्स</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>वर्तमान थीम:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>कॉपी करें</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>थीम सहेजें</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>फ़ॉन्ट परिवार</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>फ़ॉन्ट आकार</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>सुझाव</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>संबद्धता विफल: व्यवस्थापक अधिकारों की आवश्यकता हो सकती है।</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>.md फ़ाइलों से सफलतापूर्वक संबद्ध किया गया!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>.md फ़ाइल संबद्धता सफलतापूर्वक हटाई गई।</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>संबद्धता हटाई नहीं जा सकी।</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>रंग चुनें</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>सहेजना विफल रहा!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>सहेजा गया!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>थीम कॉपी करें</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>नई थीम का नाम:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>यह नाम पहले से मौजूद है!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>सफलतापूर्वक कॉपी किया गया!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>इस थीम को हटाएँ?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>दूरस्थ चित्र लोड करें</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>वर्तनी जाँच</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>लिखते समय वर्तनी जाँचें</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>कोई वर्तनी शब्दकोश स्थापित नहीं है: वर्तनी जाँच के लिए %1 में एक Hunspell शब्दकोश (.dic और .aff फ़ाइलें) चाहिए।</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>हाइपरलिंक सेट करें</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>टेक्स्ट:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>लिंक:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>पुष्टि करें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>अमान्य URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>हटाने की पुष्टि</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>क्या आप वाकई हटाना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>विज़ुअल संपादक अनपेक्षित रूप से बंद हो गया था और उसे फिर से शुरू किया गया। दस्तावेज़ को उसी स्थिति में पुनर्प्राप्त किया गया है जैसा वह %1 बजे था; उसके बाद विज़ुअल संपादक में जो टाइप किया गया था, वह खो गया है।</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>विज़ुअल संपादक अनपेक्षित रूप से बंद हो गया था और उसे फिर से शुरू किया गया। कुछ भी खोया नहीं गया।</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>निर्यात विफल</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML सामग्री खाली है।</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>HTML सामग्री को पार्स नहीं किया जा सका।</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Excel फ़ाइल सहेजें</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel फ़ाइलें (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>निर्यात सफल</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>फ़ाइल सफलतापूर्वक यहाँ सहेजी गई:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>फ़ाइल सहेजी नहीं जा सकी। कृपया अनुमतियाँ जाँचें।</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>फ़ीडबैक</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>ईमेल से फ़ीडबैक</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>GitHub पर फ़ीडबैक</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>खोजें:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>कीवर्ड...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>पिछला खोजें</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>अगला खोजें</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>केस संवेदी</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>इससे बदलें:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>बदलें</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>बदलें &amp;&amp; खोजें</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>सभी बदलें</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>छवि होस्ट कॉन्फ़िगरेशन</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>अपलोड URL</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>अनुरोध विधि</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>फ़ाइल फ़ील्ड</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>JSON में URL पथ</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>जोड़ें</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>अनुरोध हेडर</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>फ़ॉर्म पैरामीटर</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>कुंजी</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>मान</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>छवि होस्ट प्रबंधक</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>जोड़ें</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>संपादित करें</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>परीक्षण अपलोड</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>अपलोड URL</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>फ़ाइल फ़ील्ड</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON पथ</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>पुष्टि करें</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>क्या आप वाकई हटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>कृपया पहले एक छवि होस्ट चुनें।</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>छवियाँ (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>अपलोड सफल</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>अपलोड विफल</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>GitHub पर इश्यू सबमिट करें</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>कृपया फ़ीडबैक का शीर्षक दर्ज करें...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>कृपया अपनी समस्या या सुझाव का वर्णन करें...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>सबमिट करें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>संवाद</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>निर्यात करें</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>संपादित करें</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>स्वरूप</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>तालिका</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>विकल्प</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ज़ूम</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>टूलबार</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>बोल्ड</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>क्रमांकित सूची</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>बुलेट सूची</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>उद्धरण</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>इनलाइन कोड</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>क्षैतिज रेखा</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>लिंक</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>छवि</translation>
    </message>
    <message>
        <source>New</source>
        <translation>नया</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>हमारे बारे में</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>इस रूप में सहेजें</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>फ़ॉर्मेटिंग साफ़ करें</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>फ़ॉर्मेटिंग साफ़ करें</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>स्ट्राइकथ्रू</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>तालिका डालें</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>लिंक हटाएँ</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>कोड ब्लॉक</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>फ़ीडबैक</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>अपडेट</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>प्रिंट करें</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>नई विंडो</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>ज़ूम आउट</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>ज़ूम इन</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>दान करें</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>बैकअप</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>डिफ़ॉल्ट ज़ूम पुनर्स्थापित करें</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>पूर्ववत करें</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>फिर से करें</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>कॉपी करें</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>काटें</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>चिपकाएँ</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>खोजें</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>बदलें</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>शीर्षक 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>शीर्षक 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>शीर्षक 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>शीर्षक 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>शीर्षक 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>शीर्षक 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>अनुच्छेद</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>अनुच्छेद इंडेंट</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>इटैलिक</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>सादे टेक्स्ट के रूप में चिपकाएँ</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>सादे टेक्स्ट के रूप में चिपकाएँ</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>नीचे पंक्ति डालें</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>ऊपर पंक्ति डालें</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>बाईं ओर स्तंभ डालें</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>दाईं ओर स्तंभ डालें</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>वर्तमान पंक्ति को ऊपर ले जाएँ</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>वर्तमान पंक्ति को नीचे ले जाएँ</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>वर्तमान स्तंभ को बाईं ओर ले जाएँ</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>वर्तमान स्तंभ को दाईं ओर ले जाएँ</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>वर्तमान स्तंभ को बाईं ओर संरेखित करें</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>वर्तमान स्तंभ को मध्य में संरेखित करें</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>वर्तमान स्तंभ को दाईं ओर संरेखित करें</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>वर्तमान पंक्ति हटाएँ</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>वर्तमान स्तंभ हटाएँ</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>तालिका हटाएँ</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>सेटिंग्स</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>छवि होस्टिंग सेवा</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>पोर्टेबल संस्करण डाउनलोड करें</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>अपडेट की जाँच करें</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>HTML देखें</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>आधिकारिक वेबसाइट</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>शीर्षक</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>स्रोत कोड संपादक</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>विज़ुअल संपादक</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>खोजने के लिए कीवर्ड दर्ज करें...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>नेविगेशन</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>फ़ोल्डर चुनें</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>फ़ाइलें</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>फ़ाइल ब्राउज़र</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>हाल ही में खोली गई</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>थीम</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>लाइट</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>डार्क</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>नीला आसमान</translation>
    </message>
    <message>
        <source>word</source>
        <translation>शब्द</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>कृपया यहाँ क्लिक करें...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>शीर्षकहीन</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>खोजें और बदलें</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>बायाँ साइडबार छिपाएँ</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>बायाँ साइडबार दिखाएँ</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>बैकअप सफल</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>बैकअप हटाया गया</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>सूचना</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>फ़ाइल %1 खोली नहीं जा सकी: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Markdown फ़ाइल खोलें</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Markdown फ़ाइल सहेजें</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>फ़ाइल %1 सहेजी नहीं जा सकी: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>सफलतापूर्वक सहेजा गया</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>विज़ुअल संपादक से दस्तावेज़ पढ़ा नहीं जा सका, इसलिए कुछ भी नहीं लिखा गया। कृपया थोड़ी देर में फिर से प्रयास करें।</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>ज़ूम अनुपात %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>कॉपी सफल</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>चिपकाने की कार्रवाई</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>तालिका सेट करें</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>निर्यात सफल</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>%1 में निर्यात नहीं किया जा सका: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>संपादक ने अपना दस्तावेज़ नहीं दिया।</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>निर्यात विकल्प</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>क्या आप शीर्षकों पर नेविगेशन के साथ विषय-सूची का एक स्थिर साइडबार बनाना चाहते हैं?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>HTML फ़ाइल निर्यात करें</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML फ़ाइल (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Word फ़ाइल निर्यात करें</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word फ़ाइल (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>PDF फ़ाइल निर्यात करें</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF फ़ाइल (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>पेज प्रिंट नहीं किया जा सका।</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>प्रिंट सफल</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>प्रिंट विफल</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>कोई मेल खाता टेक्स्ट नहीं मिला!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>कृपया खोजने के लिए टेक्स्ट दर्ज करें!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>बदलने के लिए कोई मेल खाता टेक्स्ट नहीं है!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1 स्थानों पर बदला गया!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>संशोधित करें</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Excel में निर्यात करें</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>जोड़ें</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![छवि का विवरण](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>वर्तमान दस्तावेज़ सहेजा नहीं गया है। छवियाँ चिपकाने से पहले कृपया फ़ाइल सहेजें।</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>निर्देशिका चुनें</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>अपडेट सूचना</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>आप पहले से नवीनतम संस्करण का उपयोग कर रहे हैं। अपडेट की आवश्यकता नहीं है।</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>अपग्रेड सूचना</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>एक नया संस्करण उपलब्ध है</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>अपडेटर शुरू नहीं किया जा सका: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>देखें</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>%1 के %2 वाले बैकअप में ऐसे परिवर्तन हैं जो कभी सहेजे नहीं गए। क्या आप इसे पुनर्स्थापित करना चाहते हैं?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>एन्कोडिंग: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>क्या आप %1 में किए गए परिवर्तन सहेजना चाहते हैं?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 को खोलने या सहेजने के बाद किसी अन्य प्रोग्राम ने उसे बदल दिया है। क्या आप उन परिवर्तनों को अधिलेखित करना चाहते हैं?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>दस्तावेज़ में ऐसे वर्ण हैं जिन्हें फ़ाइल की एन्कोडिंग (%1) में नहीं रखा जा सकता। क्या आप इसके बजाय इसे UTF-8 में सहेजना चाहते हैं?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 को किसी अन्य प्रोग्राम ने हटा दिया है या स्थानांतरित कर दिया है।</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 को किसी अन्य प्रोग्राम ने बदल दिया है। क्या आप इसे फिर से लोड करना चाहते हैं? आपके न सहेजे गए परिवर्तन खो जाएँगे।</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 को किसी अन्य प्रोग्राम ने बदल दिया है और इसे फिर से लोड कर दिया गया है।</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>क्या %1 को उस प्रोग्राम से खोलें जिसे सिस्टम इसके लिए उपयोग करता है?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>अपडेट की जाँच नहीं की जा सकी।</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>इसमें NUL बाइट हैं, इसलिए यह टेक्स्ट फ़ाइल नहीं है</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>हाँ</translation>
    </message>
    <message>
        <source>No</source>
        <translation>नहीं</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>सहेजें नहीं</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
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
        <translation>फ़ाइल संबद्धता</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>क्या आप इस ऐप्लिकेशन को .md फ़ाइलें खोलने के लिए डिफ़ॉल्ट प्रोग्राम के रूप में सेट करना चाहते हैं?
यदि आप “नहीं” चुनते हैं, तो इसे बाद में सेटिंग्स मेनू में बदल सकते हैं।</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>चेतावनी</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>डिफ़ॉल्ट संबद्धता सेट नहीं की जा सकी: व्यवस्थापक अधिकारों की आवश्यकता हो सकती है या सिस्टम नीति ने इस कार्रवाई को रोक दिया है।</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>छवि सेट करें</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>चुनें</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>लिंक: (स्थानीय पथ या नेटवर्क URL समर्थित हैं)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>छवि चुनें</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>छवियाँ (*.jpg *.jpeg *.bmp *.png *.gif);;सभी फ़ाइलें (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>अमान्य छवि पथ</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>कोई सुझाव नहीं</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>शब्दकोश में जोड़ें</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>अनदेखा करें</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>पंक्तियाँ</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>स्तंभ</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>तालिका सेट करें</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>फ़ाइल खोली नहीं जा सकी।</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>नेटवर्क त्रुटि: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>प्रतिक्रिया मान्य JSON ऑब्जेक्ट नहीं है।</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>JSON से छवि का URL पार्स नहीं किया जा सका।</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>हमारे बारे में</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>एक आसान और सुलभ Markdown संपादन टूल है। उपयोगकर्ता इससे दस्तावेज़ लिख सकते हैं, और यह PDF में निर्यात सहित कई अन्य सुविधाएँ भी देता है।</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> संस्करण %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>Penwick डेवलपर्स द्वारा</translation>
    </message>
</context>
</TS>