<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="tr">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Yedek Yönetimi</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Önizleme</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Oluşturulma Zamanı</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Bu yedeği silmek istediğinizden emin misiniz?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Yedek Önizlemesi</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Geri Yükle</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Alıntı Bloğu</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Kalın Yazı Rengi</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Kod Bloğu Rengi</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Düzenleyici Arka Planı</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Başlık Rengi</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Yatay Çizgi</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Resim Rengi</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Satır İçi Kod</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>İtalik Yazı Rengi</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Anahtar Sözcük Rengi</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Satır Numarası Arka Planı</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Satır Numarası Rengi</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Bağlantı Rengi</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Liste Rengi</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Üstü Çizili</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Tablo Rengi</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Metin Rengi</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Boş bir belge oluştur</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>En son kapatılan belgeyi aç</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Resim Yolunu Koru</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Resmi ./${filename}.assets klasörüne kopyala</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Sistem Varsayılanı</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Sistem diliniz desteklenmiyor, İngilizce kullanılacak.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Tema Düzenleme Kılavuzu</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Tema dizinini açmak için aşağıdaki “Tema Klasörünü Aç” düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Geçerli temanızın .css dosyasını bulun ve Not Defteri ile açın.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Şu stili bulun veya ekleyin:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = yazı tipi boyutu</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = yazı tipi ailesi</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Yardıma ihtiyacınız olursa lütfen bize geri bildirim gönderin!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Görünüm</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Görsel Düzenleyici Teması</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Kod Bloğu Teması</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Düzenleyici Teması Ayarları</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Başlangıç Seçenekleri</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Otomatik Yedekleme</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Sol Kenar Çubuğunu Göster</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Resim Kopyalama Yöntemi</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Yakınlaştırma</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Dosya İlişkilendirme</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Etkinleştir</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>.md Dosyalarıyla İlişkilendir</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Görsel düzenleyici tema stilleri nasıl özelleştirilir?</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Tema Klasörünü Aç</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Kod Bloğu Stili</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Lütfen CodeMirror tema tanıtımına bakın</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Kaynak Düzenleyici Teması Ayarları</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Geçerli Tema:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Temayı Kaydet</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Yazı Tipi Ailesi</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Yazı Tipi Boyutu</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>İpucu</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>İlişkilendirme başarısız: yönetici ayrıcalıkları gerekebilir.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>.md dosyalarıyla başarıyla ilişkilendirildi!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>.md dosya ilişkilendirmesi başarıyla kaldırıldı.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>İlişkilendirme kaldırılamadı.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Renk Seç</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Kaydetme başarısız!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Kaydedildi!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Temayı Kopyala</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Yeni tema adı:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Bu ad zaten var!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Başarıyla kopyalandı!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Bu tema silinsin mi?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Uzak görselleri yükle</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Yazım Denetimi</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Yazarken yazımı denetle</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Yüklü yazım sözlüğü yok: yazım denetimi için %1 içinde bir Hunspell sözlüğü (.dic ve .aff dosyaları) gerekir.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Köprü Ayarla</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Metin:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Bağlantı:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Onayla</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Geçersiz URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Silme Onayı</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Silmek istediğinizden emin misiniz?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Görsel Düzenleyici beklenmedik şekilde durdu ve yeniden başlatıldı. Belge, saat %1 itibarıyla olduğu haliyle kurtarıldı; bundan sonra Görsel Düzenleyici'de yazılanlar kayboldu.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Görsel Düzenleyici beklenmedik şekilde durdu ve yeniden başlatıldı. Hiçbir şey kaybolmadı.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Dışa Aktarma Başarısız</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML içeriği boş.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>HTML içeriği ayrıştırılamadı.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Excel Dosyasını Kaydet</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel Dosyaları (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Dışa Aktarma Başarılı</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Dosya başarıyla şuraya kaydedildi:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Dosya kaydedilemedi. Lütfen izinleri denetleyin.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Geri Bildirim</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>E-posta ile Geri Bildirim</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>GitHub ile Geri Bildirim</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Bul:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>anahtar sözcük...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Öncekini Bul</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Sonrakini Bul</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Büyük/Küçük Harf Duyarlı</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Şununla değiştir:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Değiştir &amp;&amp; Bul</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Tümünü Değiştir</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Resim Barındırma Yapılandırması</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Yükleme URL'si</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>İstek Yöntemi</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Dosya Alanı</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>JSON URL Yolu</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>İstek Üst Bilgileri</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Form Parametreleri</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Anahtar</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Değer</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Resim Barındırma Yöneticisi</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Yüklemeyi Test Et</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Yükleme URL'si</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Dosya Alanı</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON Yolu</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Onayla</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Silmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Lütfen önce bir resim barındırma hizmeti seçin.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Resimler (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Yükleme Başarılı</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Yükleme Başarısız</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>GitHub'da Sorun Bildir</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Lütfen geri bildirim başlığını girin...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Lütfen sorununuzu veya önerinizi açıklayın...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Gönder</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>İletişim Kutusu</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Dışa Aktar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzen</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Biçim</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tablo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Yakınlaştırma</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Araç Çubuğu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Kalın</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Numaralı Liste</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Madde İşaretli Liste</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Alıntı</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Satır İçi Kod</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Yatay Çizgi</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Bağlantı</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Resim</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Hakkımızda</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Farklı Kaydet</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Biçimlendirmeyi Temizle</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Biçimlendirmeyi Temizle</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Üstü Çizili</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Tablo Ekle</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Bağlantıyı Kaldır</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Kod Bloğu</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Geri Bildirim</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Güncellemeler</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Yeni Pencere</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Uzaklaştır</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Yakınlaştır</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Bağış Yap</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Yedekleme</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Varsayılan Yakınlaştırmaya Dön</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri Al</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Kes</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Yapıştır</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Bul</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Başlık 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Başlık 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Başlık 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Başlık 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Başlık 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Başlık 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Paragraf</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Paragraf Girintisi</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>İtalik</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Düz Metin Olarak Yapıştır</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Düz Metin Olarak Yapıştır</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Alta Satır Ekle</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Üste Satır Ekle</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Sola Sütun Ekle</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Sağa Sütun Ekle</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Satırı Yukarı Taşı</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Satırı Aşağı Taşı</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Sütunu Sola Taşı</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Sütunu Sağa Taşı</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Sütunu Sola Hizala</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Sütunu Ortala</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Sütunu Sağa Hizala</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Satırı Sil</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Sütunu Sil</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Tabloyu Sil</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Resim Barındırma Hizmeti</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Taşınabilir Sürümü İndir</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Güncellemeleri Denetle</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>HTML'yi Al</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Resmî Web Sitesi</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Başlık</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Kaynak Kod Düzenleyici</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Görsel Düzenleyici</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Aramak için anahtar sözcük girin...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Gezinti</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Klasör Seç</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dosyalar</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Dosya Tarayıcısı</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Son Açılanlar</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Koyu</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Gök Mavisi</translation>
    </message>
    <message>
        <source>word</source>
        <translation>sözcük</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Lütfen buraya tıklayın...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Adsız</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Bul &amp; Değiştir</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Sol Kenar Çubuğunu Gizle</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Sol Kenar Çubuğunu Göster</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Yedekleme Başarılı</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Yedek Silindi</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>%1 dosyası açılamıyor: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Markdown Dosyasını Aç</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Markdown Dosyasını Kaydet</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>%1 dosyası kaydedilemiyor: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Başarıyla Kaydedildi</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Belge Görsel Düzenleyici'den okunamadığı için hiçbir şey yazılmadı. Lütfen birazdan yeniden deneyin.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Yakınlaştırma Oranı %%1</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Başarıyla Kopyalandı</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Yapıştırma işlemi</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Tabloyu Ayarla</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Dışa Aktarma Başarılı</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>%1 konumuna dışa aktarılamıyor: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Düzenleyici belgesini iletmedi.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Dışa Aktarma Seçeneği</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Başlıklara göre gezinme sağlayan sabit bir içindekiler kenar çubuğu oluşturulsun mu?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>HTML Dosyası Olarak Dışa Aktar</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML Dosyası (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Word Dosyası Olarak Dışa Aktar</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word Dosyası (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>PDF Dosyası Olarak Dışa Aktar</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF Dosyası (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Sayfa yazdırılamadı.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Yazdırma Başarılı</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Yazdırma Başarısız</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Eşleşen metin bulunamadı!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Lütfen aranacak metni girin!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Değiştirilecek eşleşen metin yok!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1 eşleşme değiştirildi!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Excel'e Aktar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Resim açıklaması](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Geçerli belge henüz kaydedilmedi. Lütfen resim yapıştırmadan önce dosyayı kaydedin.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Dizin Seç</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Güncelleme Bildirimi</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Şu anda en son sürümü kullanıyorsunuz. Güncelleme gerekmiyor.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Yükseltme Bildirimi</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Yeni bir sürüm algılandı</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Güncelleyici başlatılamadı: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Görünüm</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>%1 için %2 tarihli bir yedek, hiç kaydedilmemiş değişiklikler içeriyor. Geri yüklensin mi?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Kodlama: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>%1 dosyasındaki değişiklikleri kaydetmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 dosyası, açıldığından veya kaydedildiğinden beri başka bir program tarafından değiştirildi. Bu değişikliklerin üzerine yazılsın mı?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Belge, dosyanın kodlamasının (%1) desteklemediği karakterler içeriyor. Bunun yerine UTF-8 olarak kaydedilsin mi?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 dosyası başka bir program tarafından silindi veya taşındı.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 dosyası başka bir program tarafından değiştirildi. Dosya yeniden yüklensin ve kaydedilmemiş değişiklikleriniz kaybolsun mu?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 dosyası başka bir program tarafından değiştirildi ve yeniden yüklendi.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>%1 sistemin bunun için kullandığı programla açılsın mı?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Güncellemeler denetlenemedi.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>NUL baytları içerdiği için metin dosyası değil</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Kaydetme</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
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
        <translation>Dosya İlişkilendirme</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Bu uygulamayı .md dosyalarını açmak için varsayılan program olarak ayarlamak istiyor musunuz?
“Hayır”ı seçerseniz bunu daha sonra ayarlar menüsünden değiştirebilirsiniz.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Varsayılan ilişkilendirme ayarlanamadı: yönetici ayrıcalıkları gerekebilir veya işlem bir sistem ilkesi tarafından engellendi.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Resim Ayarla</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Bağlantı: (yerel yolları veya ağ URL'lerini destekler)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Resim Seç</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Resimler (*.jpg *.jpeg *.bmp *.png *.gif);;Tüm Dosyalar (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Geçersiz Resim Yolu</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Öneri Yok</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Sözlüğe Ekle</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Yok Say</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Satırlar</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Sütunlar</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Tabloyu Ayarla</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Dosya açılamadı.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Ağ hatası: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Yanıt geçerli bir JSON nesnesi değil.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Resim URL'si JSON'dan ayrıştırılamadı.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Hakkımızda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>kolay erişilebilir bir Markdown düzenleme aracıdır. Kullanıcılar onunla belge yazabilir; ayrıca PDF'ye dışa aktarma ve başka özellikler de desteklenir.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> sürüm %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>Penwick geliştiricileri tarafından</translation>
    </message>
</context>
</TS>