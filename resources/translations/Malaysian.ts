<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ms">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Pengurusan Sandaran</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pratonton</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Padam</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Masa Dicipta</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Makluman</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Adakah anda pasti mahu memadam sandaran ini?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Pratonton Sandaran</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Pulihkan</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Petikan Blok</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Warna Tebal</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Warna Blok Kod</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Latar Belakang Penyunting</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Warna Tajuk</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Garis Mendatar</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Warna Imej</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Kod Sebaris</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Warna Condong</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Warna Kata Kunci</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Latar Nombor Baris</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Warna Nombor Baris</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Warna Pautan</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Warna Senarai</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Garis Lorek</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Warna Jadual</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Warna Teks</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Cipta dokumen kosong</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Buka dokumen yang terakhir ditutup</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Kekalkan Laluan Imej</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Salin imej ke folder ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Lalai Sistem</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Bahasa sistem anda tidak disokong, bahasa Inggeris akan digunakan.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Panduan Mengubah Suai Tema</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Klik butang “Buka Folder Tema” di bawah untuk membuka direktori tema.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Cari fail .css tema semasa anda dan bukanya dengan Notepad.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Cari atau tambah gaya ini:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = saiz fon</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = jenis fon</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Jika anda memerlukan bantuan, sila hantar maklum balas kepada kami!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Tetapan</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Umum</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Penampilan</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Tema Penyunting Visual</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Tema Blok Kod</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Tetapan Tema Penyunting</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Pilihan Permulaan</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Sandaran Automatik</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Tunjukkan Bar Sisi Kiri</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Kaedah Salinan Imej</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zum</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Perkaitan Fail</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Dayakan</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Kaitkan dengan Fail .md</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Cara menyesuaikan gaya tema penyunting visual</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Buka Folder Tema</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Gaya Blok Kod</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Sila lihat demo tema CodeMirror</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Tetapan Tema Penyunting Sumber</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Tema Semasa:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Salin</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Padam</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Simpan Tema</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Jenis Fon</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Saiz Fon</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Petua</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Perkaitan gagal: mungkin memerlukan keistimewaan pentadbir.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Berjaya dikaitkan dengan fail .md!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>Perkaitan fail .md berjaya dialih keluar.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Gagal mengalih keluar perkaitan.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Pilih Warna</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Gagal menyimpan!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Disimpan!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Salin Tema</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Nama tema baharu:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Nama sudah wujud!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Berjaya disalin!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Padam tema ini?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Muatkan imej jauh</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Semakan Ejaan</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Semak ejaan semasa menaip</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Tiada kamus ejaan dipasang: semakan ejaan memerlukan kamus Hunspell (fail .dic dan .aff) dalam %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Tetapkan Hiperpautan</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Teks:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Pautan:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Sahkan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>URL Tidak Sah</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Pengesahan Pemadaman</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Adakah anda pasti mahu memadam?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Penyunting Visual berhenti secara tidak dijangka dan telah dimulakan semula. Dokumen telah dipulihkan seperti keadaannya pada pukul %1; apa-apa yang ditaip dalam Penyunting Visual selepas itu telah hilang.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Penyunting Visual berhenti secara tidak dijangka dan telah dimulakan semula. Tiada apa-apa yang hilang.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Eksport Gagal</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>Kandungan HTML kosong.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Gagal menghurai kandungan HTML.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Simpan Fail Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Fail Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Eksport Berjaya</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Fail berjaya disimpan ke:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Fail tidak dapat disimpan. Sila semak kebenaran.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Maklum Balas</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Maklum Balas E-mel</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Maklum Balas GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Cari:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>kata kunci...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Cari Sebelumnya</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Cari Seterusnya</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Padankan Huruf Besar/Kecil</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Ganti dengan:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ganti</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Ganti &amp;&amp; Cari</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Ganti Semua</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Konfigurasi Hos Imej</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL Muat Naik</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Kaedah Permintaan</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Medan Fail</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>Laluan URL JSON</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Padam</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Pengepala Permintaan</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Parameter Borang</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Kunci</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Nilai</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Pengurus Hos Imej</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Edit</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Padam</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Uji Muat Naik</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL Muat Naik</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Medan Fail</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>Laluan JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Sahkan</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Adakah anda pasti mahu memadam?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Sila pilih hos imej terlebih dahulu.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Imej (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Muat Naik Berjaya</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Muat Naik Gagal</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Hantar Isu GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Sila masukkan tajuk maklum balas...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Sila terangkan masalah atau cadangan anda...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Hantar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>Edit</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Format</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Format</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Jadual</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Pilihan</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zum</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Bar Alat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Tebal</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Senarai Bernombor</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Senarai Bertitik</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Petikan</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Kod Sebaris</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Garis Mendatar</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Pautan</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imej</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Baharu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Perihal Kami</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Simpan Sebagai</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Kosongkan Format</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Kosongkan Format</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Garis Lorek</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Sisipkan Jadual</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Alih Keluar Pautan</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Blok Kod</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Maklum Balas</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Kemas Kini</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Tetingkap Baharu</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zum Keluar</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zum Masuk</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Derma</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sandaran</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Pulihkan Zum Lalai</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Buat Asal</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Buat Semula</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Salin</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Potong</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Tampal</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Padam</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ganti</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Tajuk 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Tajuk 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Tajuk 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Tajuk 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Tajuk 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Tajuk 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Perenggan</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Inden Perenggan</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Condong</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Tampal sebagai Teks Biasa</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Tampal sebagai Teks Biasa</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Sisipkan Baris di Bawah</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Sisipkan Baris di Atas</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Sisipkan Lajur di Kiri</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Sisipkan Lajur di Kanan</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Alihkan Baris ke Atas</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Alihkan Baris ke Bawah</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Alihkan Lajur ke Kiri</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Alihkan Lajur ke Kanan</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Jajarkan Lajur ke Kiri</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Jajarkan Lajur ke Tengah</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Jajarkan Lajur ke Kanan</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Padam Baris</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Padam Lajur</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Padam Jadual</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Tetapan</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Perkhidmatan Pengehosan Imej</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Muat Turun Versi Mudah Alih</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Semak Kemas Kini</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Dapatkan HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Laman Web Rasmi</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tajuk</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Penyunting Kod Sumber</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Penyunting Visual</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Masukkan kata kunci untuk mencari...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigasi</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Pilih Folder</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Pelayar Fail</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Dibuka Baru-baru Ini</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Cerah</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Gelap</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Langit Biru</translation>
    </message>
    <message>
        <source>word</source>
        <translation>perkataan</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Sila klik di sini...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Tanpa Tajuk</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Cari &amp; Ganti</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Sembunyikan Bar Sisi Kiri</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Tunjukkan Bar Sisi Kiri</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Sandaran Berjaya</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Sandaran Dipadam</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Makluman</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Tidak dapat membuka fail %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Buka Fail Markdown</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Simpan Fail Markdown</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Tidak dapat menyimpan fail %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Berjaya Disimpan</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Dokumen tidak dapat dibaca daripada Penyunting Visual, jadi tiada apa-apa yang ditulis. Sila cuba lagi sebentar lagi.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Nisbah Zum %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Berjaya Disalin</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Operasi tampal</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Sediakan Jadual</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Eksport Berjaya</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Tidak dapat mengeksport ke %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Penyunting tidak memberikan dokumennya.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Pilihan Eksport</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Adakah anda mahu menjana bar sisi jadual kandungan tetap dengan navigasi tajuk?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Eksport Fail HTML</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>Fail HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Eksport Fail Word</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Fail Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Eksport Fail PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Fail PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Halaman tidak dapat dicetak.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Cetakan Berjaya</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Cetakan Gagal</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Tiada teks sepadan ditemui!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Sila masukkan teks untuk dicari!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Tiada teks sepadan untuk diganti!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1 kejadian telah diganti!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ubah Suai</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Eksport ke Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Teks alternatif imej](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Dokumen semasa belum disimpan. Sila simpan fail terlebih dahulu sebelum menampal imej.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Pilih Direktori</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Makluman Kemas Kini</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Anda sedang menggunakan versi terkini. Tiada kemas kini diperlukan.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Makluman Naik Taraf</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Versi baharu telah dikesan</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Pengemas kini tidak dapat dimulakan: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Lihat</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Sandaran %1 bertarikh %2 mengandungi perubahan yang tidak pernah disimpan. Pulihkan sandaran ini?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Pengekodan: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Adakah anda mahu menyimpan perubahan pada %1?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 telah diubah oleh program lain sejak ia dibuka atau disimpan. Tulis ganti perubahan tersebut?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Dokumen mengandungi aksara yang tidak dapat disimpan dalam pengekodan fail, %1. Simpan dalam UTF-8 sebaliknya?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 telah dipadam atau dialihkan oleh program lain.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 telah diubah oleh program lain. Muat semula dan buang perubahan yang belum disimpan?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 telah diubah oleh program lain dan telah dimuat semula.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Buka %1 dengan program yang digunakan oleh sistem untuknya?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Tidak dapat menyemak kemas kini.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>ia mengandungi bait NUL, jadi ia bukan fail teks</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Ya</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Tidak</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Jangan Simpan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
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
        <translation>Perkaitan Fail</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Adakah anda mahu menetapkan aplikasi ini sebagai program lalai untuk membuka fail .md?
Jika anda memilih “Tidak”, anda boleh mengubahnya kemudian dalam menu tetapan.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Amaran</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Gagal menetapkan perkaitan lalai: keistimewaan pentadbir mungkin diperlukan atau dasar sistem telah menyekat operasi ini.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Tetapkan Imej</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Pilih</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Pautan: (menyokong laluan setempat atau URL rangkaian)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Pilih Imej</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Imej (*.jpg *.jpeg *.bmp *.png *.gif);;Semua Fail (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Laluan Imej Tidak Sah</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Tiada Cadangan</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Tambah ke Kamus</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Abaikan</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Baris</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Lajur</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Sediakan Jadual</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Gagal membuka fail.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Ralat rangkaian: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Respons bukan objek JSON yang sah.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Gagal menghurai URL imej daripada JSON.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Perihal Kami</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>ialah alat penyuntingan Markdown yang mudah digunakan. Pengguna boleh menggunakannya untuk menulis dokumen, dan ia juga menyokong eksport ke PDF serta pelbagai ciri lain.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> versi %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>oleh pembangun Penwick</translation>
    </message>
</context>
</TS>