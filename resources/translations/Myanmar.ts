<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="my">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>အရန်မိတ္တူ စီမံခန့်ခွဲမှု</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>အစမ်းကြည့်ရန်</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ဖျက်ရန်</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>အမည်</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>ဖန်တီးသည့်အချိန်</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>အသိပေးချက်</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>ဤအရန်မိတ္တူကို ဖျက်ရန် သေချာပါသလား။</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>အရန်မိတ္တူ အစမ်းကြည့်ရှုမှု</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>ပြန်လည်ရယူရန်</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>ကိုးကားချက် ဘလောက်</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>စာလုံးထူ အရောင်</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>ကုဒ်ဘလောက် အရောင်</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>အယ်ဒီတာ နောက်ခံ</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>ခေါင်းစီး အရောင်</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>အလျားလိုက်မျဉ်း</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>ပုံ အရောင်</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>စာကြောင်းတွင်း ကုဒ်</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>စာလုံးစောင်း အရောင်</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>သော့ချက်စာလုံး အရောင်</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>စာကြောင်းနံပါတ် နောက်ခံ</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>စာကြောင်းနံပါတ် အရောင်</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>လင့်ခ် အရောင်</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>စာရင်း အရောင်</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>အလယ်မျဉ်းဖြတ်</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>ဇယား အရောင်</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>စာသား အရောင်</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>စာရွက်စာတမ်းအလွတ် ဖန်တီးရန်</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>နောက်ဆုံးပိတ်ခဲ့သော စာရွက်စာတမ်းကို ဖွင့်ရန်</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>ပုံလမ်းကြောင်းကို မပြောင်းဘဲ ထားရန်</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>ပုံကို ./${filename}.assets ဖိုင်တွဲသို့ ကူးယူရန်</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>စနစ်မူလ</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>ဘာသာစကား</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>သင့်စနစ်၏ ဘာသာစကားကို မပံ့ပိုးသေးသဖြင့် အင်္ဂလိပ်ဘာသာကို အသုံးပြုပါမည်။</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>အပြင်အဆင် ပြင်ဆင်နည်း လမ်းညွှန်</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>၁။ အပြင်အဆင် ဖိုင်တွဲကို ဖွင့်ရန် အောက်ရှိ “အပြင်အဆင်ဖိုင်တွဲ ဖွင့်ရန်” ခလုတ်ကို နှိပ်ပါ။</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>၂။ သင့်လက်ရှိ အပြင်အဆင်၏ .css ဖိုင်ကို ရှာပြီး Notepad ဖြင့် ဖွင့်ပါ။</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>၃။ ဤစတိုင်ကို ရှာပါ သို့မဟုတ် ထည့်ပါ:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = ဖောင့်အရွယ်အစား</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = ဖောင့်အမျိုးအစား</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>အကူအညီ လိုအပ်ပါက ကျွန်ုပ်တို့ထံ အကြံပြုချက် ပေးပို့ပါ။</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ပိတ်ရန်</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>ဆက်တင်များ</translation>
    </message>
    <message>
        <source>General</source>
        <translation>အထွေထွေ</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>အသွင်အပြင်</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>မြင်ကွင်းအယ်ဒီတာ အပြင်အဆင်</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>ကုဒ်ဘလောက် အပြင်အဆင်</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>အယ်ဒီတာ အပြင်အဆင် ဆက်တင်များ</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>စတင်ဖွင့်ချိန် ရွေးချယ်စရာများ</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>အလိုအလျောက် အရန်သိမ်းခြင်း</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>ဘယ်ဘက် ဘေးဘားကို ပြရန်</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>ပုံ ကူးယူပုံ နည်းလမ်း</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ဇူးမ်</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>ဖိုင် ချိတ်ဆက်မှု</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>ဖွင့်ထားရန်</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>.md ဖိုင်များနှင့် ချိတ်ဆက်ရန်</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>မြင်ကွင်းအယ်ဒီတာ၏ အပြင်အဆင်စတိုင်များကို စိတ်ကြိုက်ပြင်ဆင်နည်း</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>အပြင်အဆင်ဖိုင်တွဲ ဖွင့်ရန်</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>ကုဒ်ဘလောက် စတိုင်</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>CodeMirror အပြင်အဆင် နမူနာများကို ကြည့်ပါ</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>ရင်းမြစ်အယ်ဒီတာ အပြင်အဆင် ဆက်တင်များ</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>လက်ရှိ အပြင်အဆင်:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>ကူးယူရန်</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ဖျက်ရန်</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>အပြင်အဆင် သိမ်းရန်</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>ဖောင့်အမျိုးအစား</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>ဖောင့်အရွယ်အစား</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>မှတ်ချက်</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>ချိတ်ဆက်၍ မရပါ: စီမံခန့်ခွဲသူ ခွင့်ပြုချက် လိုအပ်နိုင်ပါသည်။</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>.md ဖိုင်များနှင့် အောင်မြင်စွာ ချိတ်ဆက်ပြီးပါပြီ။</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>.md ဖိုင် ချိတ်ဆက်မှုကို အောင်မြင်စွာ ဖယ်ရှားပြီးပါပြီ။</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>ချိတ်ဆက်မှုကို ဖယ်ရှား၍ မရပါ။</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>အရောင် ရွေးရန်</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>သိမ်းဆည်း၍ မရပါ။</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>သိမ်းပြီးပါပြီ။</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>အပြင်အဆင် ကူးယူရန်</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>အပြင်အဆင် အမည်သစ်:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>ဤအမည် ရှိပြီးသား ဖြစ်ပါသည်။</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>အောင်မြင်စွာ ကူးယူပြီးပါပြီ။</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>ဤအပြင်အဆင်ကို ဖျက်မလား။</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>အဝေးမှ ပုံများကို ဖွင့်ရန်</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>စာလုံးပေါင်းစစ်ဆေးခြင်း</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>ရိုက်နေစဉ် စာလုံးပေါင်းကို စစ်ဆေးရန်</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>စာလုံးပေါင်းအဘိဓာန် ထည့်သွင်းထားခြင်းမရှိပါ - စာလုံးပေါင်းစစ်ရန် %1 တွင် Hunspell အဘိဓာန် (.dic နှင့် .aff ဖိုင်များ) လိုအပ်သည်။</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>ဟိုက်ပါလင့်ခ် သတ်မှတ်ရန်</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>စာသား:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>လင့်ခ်:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>အတည်ပြုရန်</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ပယ်ဖျက်ရန်</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>URL မမှန်ကန်ပါ</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>ဖျက်ရန် အတည်ပြုခြင်း</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>ဖျက်ရန် သေချာပါသလား။</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>မြင်ကွင်းအယ်ဒီတာ မမျှော်လင့်ဘဲ ရပ်တန့်သွားသဖြင့် ပြန်လည်စတင်ခဲ့ပါသည်။ စာရွက်စာတမ်းကို %1 အချိန်က အခြေအနေအတိုင်း ပြန်လည်ရယူထားပါသည်။ ထိုအချိန်နောက်ပိုင်း မြင်ကွင်းအယ်ဒီတာတွင် ရိုက်ထည့်ခဲ့သည်များ ပျောက်ဆုံးသွားပါသည်။</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>မြင်ကွင်းအယ်ဒီတာ မမျှော်လင့်ဘဲ ရပ်တန့်သွားသဖြင့် ပြန်လည်စတင်ခဲ့ပါသည်။ မည်သည့်အရာမျှ မပျောက်ဆုံးပါ။</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>ထုတ်ယူ၍ မရပါ</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML အကြောင်းအရာ ဗလာ ဖြစ်နေပါသည်။</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>HTML အကြောင်းအရာကို ခွဲခြမ်းဖတ်ရှု၍ မရပါ။</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Excel ဖိုင် သိမ်းရန်</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel ဖိုင်များ (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>ထုတ်ယူမှု အောင်မြင်ပါသည်</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>ဖိုင်ကို ဤနေရာတွင် အောင်မြင်စွာ သိမ်းပြီးပါပြီ:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>ဖိုင်ကို သိမ်း၍ မရပါ။ ခွင့်ပြုချက်များကို စစ်ဆေးပါ။</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>အကြံပြုချက်</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>အီးမေးလ်ဖြင့် အကြံပြုရန်</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>GitHub တွင် အကြံပြုရန်</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ပိတ်ရန်</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>ရှာရန်:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>သော့ချက်စာလုံး...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>ယခင်တစ်ခု ရှာရန်</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>နောက်တစ်ခု ရှာရန်</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>စာလုံးအကြီးအသေး ခွဲခြားရန်</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>အစားထိုးမည့် စာသား:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>အစားထိုးရန်</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>အစားထိုး &amp;&amp; ရှာရန်</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>အားလုံး အစားထိုးရန်</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>ပုံတင်ရာ ဆာဗာ ဆက်တင်</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>အမည်</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>အပ်လုဒ် URL</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>တောင်းဆိုမှု နည်းလမ်း</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>ဖိုင် အကွက်</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>JSON URL လမ်းကြောင်း</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>ထည့်ရန်</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ဖျက်ရန်</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>တောင်းဆိုမှု Header များ</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>ဖောင် ပါရာမီတာများ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>အိုကေ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ပယ်ဖျက်ရန်</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>ကီး</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>တန်ဖိုး</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>ပုံတင်ရာ ဆာဗာ စီမံခန့်ခွဲမှု</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>ထည့်ရန်</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>တည်းဖြတ်</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ဖျက်ရန်</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>အပ်လုဒ် စမ်းသပ်ရန်</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>အမည်</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>အပ်လုဒ် URL</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>ဖိုင် အကွက်</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON လမ်းကြောင်း</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>အတည်ပြုရန်</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>ဖျက်ရန် သေချာပါသလား။</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>ပုံတင်ရာ ဆာဗာကို ဦးစွာ ရွေးပါ။</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>ပုံများ (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>အပ်လုဒ် အောင်မြင်ပါသည်</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>အပ်လုဒ် မအောင်မြင်ပါ</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>GitHub Issue တင်သွင်းရန်</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>အကြံပြုချက် ခေါင်းစဉ်ကို ရိုက်ထည့်ပါ...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>သင့်ပြဿနာ သို့မဟုတ် အကြံပြုချက်ကို ဖော်ပြပါ...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>တင်သွင်းရန်</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ပယ်ဖျက်ရန်</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ဒိုင်ယာလော့ဂ်</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>ဖိုင်</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>ထုတ်ယူရန်</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>တည်းဖြတ်</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>ပုံစံ</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>ဇယား</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>ရွေးချယ်စရာများ</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ဇူးမ်</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>အကူအညီ</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>ကိရိယာဘား</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ပိတ်ရန်</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>စာလုံးထူ</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>နံပါတ်စဉ်ပါ စာရင်း</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>အမှတ်အသားပါ စာရင်း</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>ကိုးကားချက်</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>စာကြောင်းတွင်း ကုဒ်</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>အလျားလိုက်မျဉ်း</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>လင့်ခ်</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>ပုံ</translation>
    </message>
    <message>
        <source>New</source>
        <translation>အသစ်</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>ဖွင့်ရန်</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>သိမ်းရန်</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>ကျွန်ုပ်တို့အကြောင်း</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>အမည်သစ်ဖြင့် သိမ်းရန်</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>ပုံစံချမှုများ ရှင်းရန်</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>ပုံစံချမှုများ ရှင်းရန်</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>အလယ်မျဉ်းဖြတ်</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>ဇယား ထည့်ရန်</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>လင့်ခ် ဖယ်ရှားရန်</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>ကုဒ်ဘလောက်</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>အကြံပြုချက်</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>အပ်ဒိတ်များ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>ပုံနှိပ်ရန်</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>ဝင်းဒိုးအသစ်</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>ချုံ့ရန်</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>ချဲ့ရန်</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>လှူဒါန်းရန်</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>အရန်မိတ္တူ</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>မူလ ဇူးမ်အတိုင်း ပြန်ထားရန်</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>နောက်ပြန်ရန်</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>ပြန်လုပ်ရန်</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>ကူးယူရန်</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>ဖြတ်ယူရန်</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>ကူးထည့်ရန်</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ဖျက်ရန်</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>အားလုံး ရွေးရန်</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>ရှာရန်</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>အစားထိုးရန်</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>ခေါင်းစီး ၁</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>ခေါင်းစီး ၂</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>ခေါင်းစီး ၃</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>ခေါင်းစီး ၄</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>ခေါင်းစီး ၅</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>ခေါင်းစီး ၆</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>စာပိုဒ်</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>စာပိုဒ် အတွင်းသို့ တိုးရန်</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>စာလုံးစောင်း</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>ရိုးရိုးစာသားအဖြစ် ကူးထည့်ရန်</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>ရိုးရိုးစာသားအဖြစ် ကူးထည့်ရန်</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>အောက်တွင် အတန်း ထည့်ရန်</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>အပေါ်တွင် အတန်း ထည့်ရန်</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>ဘယ်ဘက်တွင် ကော်လံ ထည့်ရန်</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>ညာဘက်တွင် ကော်လံ ထည့်ရန်</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>လက်ရှိအတန်းကို အပေါ်သို့ ရွှေ့ရန်</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>လက်ရှိအတန်းကို အောက်သို့ ရွှေ့ရန်</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>လက်ရှိကော်လံကို ဘယ်ဘက်သို့ ရွှေ့ရန်</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>လက်ရှိကော်လံကို ညာဘက်သို့ ရွှေ့ရန်</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>လက်ရှိကော်လံကို ဘယ်ညှိရန်</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>လက်ရှိကော်လံကို အလယ်ညှိရန်</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>လက်ရှိကော်လံကို ညာညှိရန်</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>လက်ရှိအတန်းကို ဖျက်ရန်</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>လက်ရှိကော်လံကို ဖျက်ရန်</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>ဇယားကို ဖျက်ရန်</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>ဆက်တင်များ</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>ပုံတင်ရာ ဝန်ဆောင်မှု</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>ထည့်သွင်းရန်မလိုသော ဗားရှင်း ဒေါင်းလုဒ်လုပ်ရန်</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>အပ်ဒိတ်ရှိမရှိ စစ်ဆေးရန်</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>HTML ရယူရန်</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>တရားဝင် ဝဘ်ဆိုက်</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>ခေါင်းစဉ်</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>ရင်းမြစ်ကုဒ် အယ်ဒီတာ</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>မြင်ကွင်းအယ်ဒီတာ</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>ရှာဖွေရန် သော့ချက်စာလုံး ရိုက်ထည့်ပါ...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>လမ်းညွှန်</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>ဖိုင်တွဲ ရွေးရန်</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ဖိုင်များ</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>ဖိုင် ဘရောက်ဇာ</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>မကြာသေးမီက ဖွင့်ခဲ့သည်များ</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>အပြင်အဆင်</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>အလင်း</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>အမှောင်</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>ကောင်းကင်ပြာ</translation>
    </message>
    <message>
        <source>word</source>
        <translation>စကားလုံး</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>ဤနေရာကို နှိပ်ပါ...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>အမည်မဲ့</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>ရှာ &amp; အစားထိုး</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>ဘယ်ဘက် ဘေးဘားကို ဖျောက်ရန်</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>ဘယ်ဘက် ဘေးဘားကို ပြရန်</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>အရန်သိမ်းခြင်း အောင်မြင်ပါသည်</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>အရန်မိတ္တူကို ဖျက်ပြီးပါပြီ</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>အသိပေးချက်</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>ဖိုင် %1 ကို ဖွင့်၍ မရပါ: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Markdown ဖိုင် ဖွင့်ရန်</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Markdown ဖိုင် သိမ်းရန်</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>ဖိုင် %1 ကို သိမ်း၍ မရပါ: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>အောင်မြင်စွာ သိမ်းပြီးပါပြီ</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>မြင်ကွင်းအယ်ဒီတာမှ စာရွက်စာတမ်းကို ဖတ်၍ မရသဖြင့် မည်သည့်အရာမျှ မရေးသားခဲ့ပါ။ ခဏအကြာတွင် ထပ်မံ ကြိုးစားကြည့်ပါ။</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>ဇူးမ် အချိုး %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>ကူးယူမှု အောင်မြင်ပါသည်</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>ကူးထည့်ခြင်း</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>ဇယား သတ်မှတ်ရန်</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>ထုတ်ယူမှု အောင်မြင်ပါသည်</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>%1 သို့ ထုတ်ယူ၍ မရပါ: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>အယ်ဒီတာက ၎င်း၏ စာရွက်စာတမ်းကို မပေးပို့ခဲ့ပါ။</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>ထုတ်ယူမှု ရွေးချယ်စရာ</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>ခေါင်းစီးများအလိုက် သွားနိုင်သော ပုံသေ မာတိကာ ဘေးဘားကို ထုတ်ပေးလိုပါသလား။</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>HTML ဖိုင်အဖြစ် ထုတ်ယူရန်</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML ဖိုင် (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Word ဖိုင်အဖြစ် ထုတ်ယူရန်</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word ဖိုင် (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>PDF ဖိုင်အဖြစ် ထုတ်ယူရန်</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF ဖိုင် (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>စာမျက်နှာကို ပုံနှိပ်၍ မရပါ။</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>ပုံနှိပ်ခြင်း အောင်မြင်ပါသည်</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>ပုံနှိပ်၍ မရပါ</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>ကိုက်ညီသော စာသား မတွေ့ပါ။</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>ရှာလိုသော စာသားကို ရိုက်ထည့်ပါ။</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>အစားထိုးရန် ကိုက်ညီသော စာသား မရှိပါ။</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1 နေရာတွင် အစားထိုးပြီးပါပြီ။</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>ပြင်ဆင်ရန်</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Excel သို့ ထုတ်ယူရန်</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>ထည့်ရန်</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![ပုံ ဖော်ပြချက်](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>လက်ရှိ စာရွက်စာတမ်းကို မသိမ်းရသေးပါ။ ပုံများ ကူးမထည့်မီ ဖိုင်ကို ဦးစွာ သိမ်းပါ။</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>ဖိုင်တွဲ ရွေးရန်</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>အပ်ဒိတ် အသိပေးချက်</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>သင်သည် နောက်ဆုံးဗားရှင်းကို အသုံးပြုနေပါသည်။ အပ်ဒိတ်လုပ်ရန် မလိုအပ်ပါ။</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>အဆင့်မြှင့်တင်ရန် အသိပေးချက်</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>ဗားရှင်းအသစ် တွေ့ရှိပါသည်</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>အပ်ဒိတ်ကိရိယာကို စတင်၍ မရပါ: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>မြင်ကွင်း</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>%2 က %1 ၏ အရန်မိတ္တူတွင် တစ်ခါမျှ မသိမ်းခဲ့သော ပြောင်းလဲမှုများ ပါဝင်ပါသည်။ ၎င်းကို ပြန်လည်ရယူမလား။</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>စာလုံးကုဒ်စနစ်: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>%1 ရှိ ပြောင်းလဲမှုများကို သိမ်းလိုပါသလား။</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 ကို ဖွင့်ပြီး သို့မဟုတ် သိမ်းပြီးနောက် အခြားပရိုဂရမ်တစ်ခုက ပြောင်းလဲခဲ့ပါသည်။ ထိုပြောင်းလဲမှုများကို ထပ်ရေးမလား။</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>စာရွက်စာတမ်းတွင် ဖိုင်၏ စာလုံးကုဒ်စနစ် %1 ဖြင့် သိမ်း၍မရသော စာလုံးများ ပါဝင်ပါသည်။ ၎င်းအစား UTF-8 ဖြင့် သိမ်းမလား။</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 ကို အခြားပရိုဂရမ်တစ်ခုက ဖျက်ခြင်း သို့မဟုတ် ရွှေ့ခြင်း ပြုလုပ်ခဲ့ပါသည်။</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 ကို အခြားပရိုဂရမ်တစ်ခုက ပြောင်းလဲခဲ့ပါသည်။ မသိမ်းရသေးသော ပြောင်းလဲမှုများကို စွန့်ပစ်ပြီး ပြန်လည်ဖွင့်မလား။</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 ကို အခြားပရိုဂရမ်တစ်ခုက ပြောင်းလဲခဲ့သဖြင့် ပြန်လည်ဖွင့်ပြီးပါပြီ။</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>%1 ကို စနစ်က အသုံးပြုသော ပရိုဂရမ်ဖြင့် ဖွင့်မလား?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>အပ်ဒိတ်များကို စစ်ဆေး၍ မရပါ။</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>NUL ဘိုက်များ ပါဝင်သဖြင့် စာသားဖိုင် မဟုတ်ပါ</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>ဟုတ်ကဲ့</translation>
    </message>
    <message>
        <source>No</source>
        <translation>မဟုတ်ပါ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>အိုကေ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>သိမ်းရန်</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>မသိမ်းဘဲထားရန်</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ပယ်ဖျက်ရန်</translation>
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
        <translation>ဖိုင် ချိတ်ဆက်မှု</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>ဤအက်ပ်ကို .md ဖိုင်များ ဖွင့်ရန် မူလပရိုဂရမ်အဖြစ် သတ်မှတ်လိုပါသလား။
“မဟုတ်ပါ” ကို ရွေးပါက နောက်ပိုင်းတွင် ဆက်တင် မီနူးမှ ပြောင်းလဲနိုင်ပါသည်။</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>သတိပေးချက်</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>မူလ ချိတ်ဆက်မှုကို သတ်မှတ်၍ မရပါ: စီမံခန့်ခွဲသူ ခွင့်ပြုချက် လိုအပ်နိုင်သည် သို့မဟုတ် စနစ်မူဝါဒက ဤလုပ်ဆောင်ချက်ကို ပိတ်ဆို့ထားပါသည်။</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>ပုံ သတ်မှတ်ရန်</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>ရွေးရန်</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>လင့်ခ်: (စက်တွင်း လမ်းကြောင်း သို့မဟုတ် ကွန်ရက် URL များကို ပံ့ပိုးသည်)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>အိုကေ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ပယ်ဖျက်ရန်</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>ပုံ ရွေးရန်</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>ပုံများ (*.jpg *.jpeg *.bmp *.png *.gif);;ဖိုင်အားလုံး (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>ပုံလမ်းကြောင်း မမှန်ကန်ပါ</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>အကြံပြုချက် မရှိပါ</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>အဘိဓာန်ထဲ ထည့်ရန်</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>လျစ်လျူရှုရန်</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>အတန်းများ</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>ကော်လံများ</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>ဇယား သတ်မှတ်ရန်</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>ဖိုင်ကို ဖွင့်၍ မရပါ။</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>ကွန်ရက် အမှား: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>တုံ့ပြန်ချက်သည် မှန်ကန်သော JSON object မဟုတ်ပါ။</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>JSON မှ ပုံ URL ကို ခွဲထုတ်၍ မရပါ။</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>ကျွန်ုပ်တို့အကြောင်း</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>အိုကေ</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>သည် အသုံးပြုရလွယ်ကူသော Markdown တည်းဖြတ်ရေး ကိရိယာတစ်ခု ဖြစ်ပါသည်။ အသုံးပြုသူများသည် ၎င်းဖြင့် စာရွက်စာတမ်းများ ရေးသားနိုင်ပြီး PDF သို့ ထုတ်ယူခြင်းနှင့် အခြား လုပ်ဆောင်ချက်များကိုလည်း ပံ့ပိုးပေးပါသည်။</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> ဗားရှင်း %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>Penwick ဆော့ဖ်ဝဲရေးသားသူများမှ</translation>
    </message>
</context>
</TS>