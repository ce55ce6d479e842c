<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="id">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Manajemen Cadangan</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pratinjau</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Waktu Dibuat</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Pemberitahuan</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Apakah Anda yakin ingin menghapus cadangan ini?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Pratinjau Cadangan</translation>
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
        <translation>Kutipan Blok</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Warna Tebal</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Warna Blok Kode</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Latar Belakang Editor</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Warna Judul</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Garis Horizontal</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Warna Gambar</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Kode Sebaris</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Warna Miring</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Warna Kata Kunci</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Latar Nomor Baris</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Warna Nomor Baris</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Warna Tautan</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Warna Daftar</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Coret</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Warna Tabel</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Warna Teks</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Buat dokumen kosong</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Buka dokumen yang terakhir ditutup</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Pertahankan Jalur Gambar</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Salin gambar ke folder ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Bawaan Sistem</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Bahasa sistem Anda tidak didukung, bahasa Inggris akan digunakan.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Panduan Mengubah Tema</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Klik tombol “Buka Folder Tema” di bawah untuk membuka direktori tema.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Cari file .css tema Anda saat ini, lalu buka dengan Notepad.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Cari atau tambahkan gaya berikut:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = ukuran font</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = jenis font</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Jika Anda memerlukan bantuan, silakan kirimkan masukan kepada kami!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Pengaturan</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Umum</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Tampilan</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Tema Editor Visual</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Tema Blok Kode</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Pengaturan Tema Editor</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opsi Saat Memulai</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Pencadangan Otomatis</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Tampilkan Bilah Sisi Kiri</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Cara Menyalin Gambar</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Asosiasi File</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktifkan</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Kaitkan dengan File .md</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Cara menyesuaikan gaya tema editor visual</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Buka Folder Tema</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Gaya Blok Kode</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Silakan lihat demo tema CodeMirror</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Pengaturan Tema Editor Sumber</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Tema Saat Ini:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Salin</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Simpan Tema</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Jenis Font</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Ukuran Font</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Asosiasi gagal: mungkin memerlukan hak administrator.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Berhasil dikaitkan dengan file .md!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>Asosiasi file .md berhasil dihapus.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Gagal menghapus asosiasi.</translation>
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
        <translation>Tersimpan!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Salin Tema</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Nama tema baru:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Nama sudah ada!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Berhasil disalin!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Hapus tema ini?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Muat gambar jarak jauh</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Pemeriksaan Ejaan</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Periksa ejaan saat mengetik</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Tidak ada kamus ejaan yang terpasang: pemeriksaan ejaan memerlukan kamus Hunspell (berkas .dic dan .aff) di %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Atur Hyperlink</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Teks:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Tautan:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Konfirmasi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>URL Tidak Valid</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Konfirmasi Penghapusan</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Apakah Anda yakin ingin menghapus?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Editor Visual berhenti secara tak terduga dan telah dijalankan ulang. Dokumen dipulihkan seperti keadaannya pada pukul %1; apa yang diketik di Editor Visual setelah itu hilang.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Editor Visual berhenti secara tak terduga dan telah dijalankan ulang. Tidak ada yang hilang.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Ekspor Gagal</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>Konten HTML kosong.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Gagal mengurai konten HTML.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Simpan File Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>File Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Ekspor Berhasil</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>File berhasil disimpan ke:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Tidak dapat menyimpan file. Silakan periksa izin akses.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Masukan</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Masukan via Email</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Masukan via GitHub</translation>
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
        <translation>Cari Berikutnya</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Cocokkan Huruf Besar/Kecil</translation>
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
        <translation>Konfigurasi Host Gambar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL Unggah</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Metode Permintaan</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Bidang File</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>Jalur URL di JSON</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Header Permintaan</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Parameter Formulir</translation>
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
        <translation>Pengelola Host Gambar</translation>
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
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Uji Unggah</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL Unggah</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Bidang File</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>Jalur JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Konfirmasi</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Apakah Anda yakin ingin menghapus?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Silakan pilih host gambar terlebih dahulu.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Gambar (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Unggah Berhasil</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Unggah Gagal</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Kirim Issue di GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Silakan masukkan judul masukan...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Silakan jelaskan masalah atau saran Anda...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Kirim</translation>
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
        <translatorcomment>unchanged</translatorcomment>
        <translation>File</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Ekspor</translation>
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
        <translation>Tabel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opsi</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Bilah Alat</translation>
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
        <translation>Daftar Bernomor</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Daftar Berpoin</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Kutipan</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Kode Sebaris</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Garis Horizontal</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Tautan</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Gambar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Baru</translation>
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
        <translation>Tentang Kami</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Simpan Sebagai</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Hapus Format</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Hapus Format</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Coret</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Sisipkan Tabel</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Hapus Tautan</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Blok Kode</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Masukan</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Pembaruan</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Jendela Baru</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Perkecil</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Perbesar</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donasi</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Cadangan</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Kembalikan Zoom Bawaan</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Urungkan</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ulangi</translation>
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
        <translation>Tempel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
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
        <translation>Judul 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Judul 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Judul 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Judul 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Judul 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Judul 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Paragraf</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Indentasi Paragraf</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Miring</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Tempel sebagai Teks Biasa</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Tempel sebagai Teks Biasa</translation>
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
        <translation>Sisipkan Kolom di Kiri</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Sisipkan Kolom di Kanan</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Pindahkan Baris ke Atas</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Pindahkan Baris ke Bawah</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Pindahkan Kolom ke Kiri</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Pindahkan Kolom ke Kanan</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Rata Kiri Kolom</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Rata Tengah Kolom</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Rata Kanan Kolom</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Hapus Baris</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Hapus Kolom</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Hapus Tabel</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Pengaturan</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Layanan Hosting Gambar</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Unduh Versi Portabel</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Periksa Pembaruan</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Dapatkan HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Situs Web Resmi</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Judul</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Editor Kode Sumber</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Editor Visual</translation>
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
        <translation>File</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Penjelajah File</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Terakhir Dibuka</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Terang</translation>
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
        <translation>kata</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Silakan klik di sini...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Tanpa Judul</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Cari &amp; Ganti</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Sembunyikan Bilah Sisi Kiri</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Tampilkan Bilah Sisi Kiri</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Pencadangan Berhasil</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Cadangan Dihapus</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Pemberitahuan</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Tidak dapat membuka file %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Buka File Markdown</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Simpan File Markdown</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Tidak dapat menyimpan file %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Berhasil Disimpan</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Dokumen tidak dapat dibaca dari Editor Visual, sehingga tidak ada yang ditulis. Silakan coba lagi sebentar lagi.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Zoom %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Berhasil Disalin</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Operasi tempel</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Atur Tabel</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Ekspor Berhasil</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Tidak dapat mengekspor ke %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Editor tidak memberikan dokumennya.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Opsi Ekspor</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Apakah Anda ingin membuat bilah sisi daftar isi tetap dengan navigasi judul?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Ekspor File HTML</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>File HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Ekspor File Word</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>File Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Ekspor File PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Halaman tidak dapat dicetak.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Pencetakan Berhasil</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Pencetakan Gagal</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Teks yang cocok tidak ditemukan!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Silakan masukkan teks yang ingin dicari!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Tidak ada teks yang cocok untuk diganti!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1 kemunculan telah diganti!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ubah</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Ekspor ke Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Teks alternatif gambar](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Dokumen saat ini belum disimpan. Silakan simpan file terlebih dahulu sebelum menempelkan gambar.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Pilih Direktori</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Pemberitahuan Pembaruan</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Anda sudah menggunakan versi terbaru. Tidak perlu memperbarui.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Pembaruan Tersedia</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Versi baru terdeteksi</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Program pembaruan tidak dapat dijalankan: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Tampilan</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Cadangan %1 tertanggal %2 berisi perubahan yang tidak pernah disimpan. Pulihkan cadangan ini?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Pengodean: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Apakah Anda ingin menyimpan perubahan pada %1?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 telah diubah oleh program lain sejak dibuka atau disimpan. Timpa perubahan tersebut?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Dokumen berisi karakter yang tidak dapat ditampung oleh pengodean file, %1. Simpan dalam UTF-8 sebagai gantinya?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 telah dihapus atau dipindahkan oleh program lain.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 telah diubah oleh program lain. Muat ulang dan buang perubahan yang belum disimpan?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 telah diubah oleh program lain dan telah dimuat ulang.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Buka %1 dengan program yang digunakan sistem untuk itu?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Tidak dapat memeriksa pembaruan.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>berisi byte NUL, sehingga bukan file teks</translation>
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
        <translation>Asosiasi File</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Apakah Anda ingin menjadikan aplikasi ini sebagai program bawaan untuk membuka file .md?
Jika Anda memilih “Tidak”, Anda dapat mengubahnya nanti di menu pengaturan.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Peringatan</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Gagal mengatur asosiasi bawaan: mungkin memerlukan hak administrator, atau kebijakan sistem memblokir operasi ini.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Atur Gambar</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Pilih</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Tautan: (mendukung jalur lokal atau URL jaringan)</translation>
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
        <translation>Pilih Gambar</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Gambar (*.jpg *.jpeg *.bmp *.png *.gif);;Semua File (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Jalur Gambar Tidak Valid</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Tidak Ada Saran</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Tambahkan ke Kamus</translation>
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
        <translation>Kolom</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Atur Tabel</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Gagal membuka file.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Kesalahan jaringan: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Respons bukan objek JSON yang valid.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Gagal mengurai URL gambar dari JSON.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Tentang Kami</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>adalah alat penyunting Markdown yang mudah digunakan. Pengguna dapat menulis dokumen dengannya, dan alat ini juga mendukung ekspor ke PDF serta berbagai fitur lainnya.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> versi %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>oleh para pengembang Penwick</translation>
    </message>
</context>
</TS>