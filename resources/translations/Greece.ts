<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="el">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Διαχείριση αντιγράφων ασφαλείας</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Προεπισκόπηση</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Ώρα δημιουργίας</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Ειδοποίηση</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Θέλετε σίγουρα να διαγράψετε αυτό το αντίγραφο ασφαλείας;</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Προεπισκόπηση αντιγράφου ασφαλείας</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Επαναφορά</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Παράθεση</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Χρώμα έντονων</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Χρώμα μπλοκ κώδικα</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Φόντο επεξεργαστή</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Χρώμα επικεφαλίδων</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Οριζόντια γραμμή</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Χρώμα εικόνων</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Ενσωματωμένος κώδικας</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Χρώμα πλαγίων</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Χρώμα λέξεων-κλειδιών</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Φόντο αριθμών γραμμών</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Χρώμα αριθμών γραμμών</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Χρώμα συνδέσμων</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Χρώμα λιστών</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Διακριτή διαγραφή</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Χρώμα πινάκων</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Χρώμα κειμένου</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Δημιουργία κενού εγγράφου</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Άνοιγμα του τελευταίου εγγράφου που κλείσατε</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Διατήρηση διαδρομής εικόνας</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Αντιγραφή της εικόνας στον φάκελο ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Προεπιλογή συστήματος</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Γλώσσα</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>Η γλώσσα του συστήματός σας δεν υποστηρίζεται, θα χρησιμοποιηθούν τα Αγγλικά.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Οδηγός τροποποίησης θεμάτων</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Κάντε κλικ στο κουμπί «Άνοιγμα φακέλου θεμάτων» παρακάτω για να ανοίξετε τον κατάλογο θεμάτων.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Βρείτε το αρχείο .css του τρέχοντος θέματος και ανοίξτε το με έναν επεξεργαστή κειμένου.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Βρείτε ή προσθέστε αυτό το στυλ:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = μέγεθος γραμματοσειράς</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = γραμματοσειρά</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Αν χρειάζεστε βοήθεια, στείλτε μας τα σχόλιά σας!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Γενικά</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Εμφάνιση</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Θέμα οπτικού επεξεργαστή</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Θέμα μπλοκ κώδικα</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Ρυθμίσεις θέματος επεξεργαστή</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Επιλογές εκκίνησης</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Αυτόματη δημιουργία αντιγράφων ασφαλείας</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Εμφάνιση αριστερής πλευρικής στήλης</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Τρόπος αντιγραφής εικόνων</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Ζουμ</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Συσχέτιση αρχείων</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ενεργοποίηση</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Συσχέτιση με αρχεία .md</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Πώς να προσαρμόσετε τα στυλ θέματος του οπτικού επεξεργαστή</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Άνοιγμα φακέλου θεμάτων</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Στυλ μπλοκ κώδικα</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Δείτε την επίδειξη θεμάτων του CodeMirror</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Ρυθμίσεις θέματος επεξεργαστή πηγαίου κώδικα</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Τρέχον θέμα:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Αντιγραφή</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Αποθήκευση θέματος</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Γραμματοσειρά</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Μέγεθος γραμματοσειράς</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Συμβουλή</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Η συσχέτιση απέτυχε: ίσως απαιτούνται δικαιώματα διαχειριστή.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Η συσχέτιση με τα αρχεία .md ολοκληρώθηκε!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>Η συσχέτιση των αρχείων .md καταργήθηκε.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Η κατάργηση της συσχέτισης απέτυχε.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Επιλογή χρώματος</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Η αποθήκευση απέτυχε!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Αποθηκεύτηκε!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Αντιγραφή θέματος</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Όνομα νέου θέματος:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Το όνομα υπάρχει ήδη!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Η αντιγραφή ολοκληρώθηκε!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Διαγραφή αυτού του θέματος;</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Φόρτωση απομακρυσμένων εικόνων</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Ορθογραφικός έλεγχος</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Έλεγχος ορθογραφίας κατά την πληκτρολόγηση</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Δεν έχει εγκατασταθεί λεξικό: ο ορθογραφικός έλεγχος χρειάζεται ένα λεξικό Hunspell (αρχεία .dic και .aff) στο %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Ορισμός υπερσυνδέσμου</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Κείμενο:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Σύνδεσμος:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Επιβεβαίωση</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Μη έγκυρη διεύθυνση URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Επιβεβαίωση διαγραφής</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Θέλετε σίγουρα να γίνει διαγραφή;</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>Ο Οπτικός επεξεργαστής σταμάτησε απροσδόκητα και ξεκίνησε ξανά. Το έγγραφο ανακτήθηκε όπως ήταν στις %1· ό,τι πληκτρολογήθηκε στον Οπτικό επεξεργαστή μετά από αυτή τη στιγμή χάθηκε.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>Ο Οπτικός επεξεργαστής σταμάτησε απροσδόκητα και ξεκίνησε ξανά. Δεν χάθηκε τίποτα.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Η εξαγωγή απέτυχε</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>Το περιεχόμενο HTML είναι κενό.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Η ανάλυση του περιεχομένου HTML απέτυχε.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Αποθήκευση αρχείου Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Αρχεία Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Επιτυχής εξαγωγή</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Το αρχείο αποθηκεύτηκε στη θέση:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση του αρχείου. Ελέγξτε τα δικαιώματα.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Σχόλια</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Σχόλια μέσω email</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Σχόλια μέσω GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Εύρεση:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>λέξη-κλειδί...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Εύρεση προηγούμενου</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Εύρεση επόμενου</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Διάκριση πεζών-κεφαλαίων</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Αντικατάσταση με:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Αντικατάσταση</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Αντικατάσταση &amp;&amp; εύρεση</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Αντικατάσταση όλων</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Ρύθμιση υπηρεσίας φιλοξενίας εικόνων</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Διεύθυνση URL αποστολής</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Μέθοδος αιτήματος</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Πεδίο αρχείου</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>Διαδρομή URL στο JSON</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Προσθήκη</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Κεφαλίδες αιτήματος</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Παράμετροι φόρμας</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Κλειδί</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Τιμή</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Διαχείριση υπηρεσιών φιλοξενίας εικόνων</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Προσθήκη</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Επεξεργασία</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Δοκιμαστική αποστολή</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>Διεύθυνση URL αποστολής</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Πεδίο αρχείου</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>Διαδρομή JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Επιβεβαίωση</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Να γίνει διαγραφή;</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Επιλέξτε πρώτα μια υπηρεσία φιλοξενίας εικόνων.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Εικόνες (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Επιτυχής αποστολή</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Η αποστολή απέτυχε</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Υποβολή ζητήματος στο GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Πληκτρολογήστε τίτλο για τα σχόλιά σας...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Περιγράψτε το πρόβλημα ή την πρότασή σας...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Υποβολή</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Παράθυρο διαλόγου</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Αρχείο</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Εξαγωγή</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Επεξεργασία</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Μορφή</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Πίνακας</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Ζουμ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Γραμμή εργαλείων</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Έντονα</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Αριθμημένη λίστα</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Λίστα με κουκκίδες</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Παράθεση</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Ενσωματωμένος κώδικας</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Οριζόντια γραμμή</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Σύνδεσμος</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Εικόνα</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Νέο</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Σχετικά με εμάς</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Αποθήκευση ως</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Απαλοιφή μορφοποίησης</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Απαλοιφή μορφοποίησης</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Διακριτή διαγραφή</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Εισαγωγή πίνακα</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Κατάργηση συνδέσμου</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Μπλοκ κώδικα</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Σχόλια</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Ενημερώσεις</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Εκτύπωση</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Νέο παράθυρο</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Σμίκρυνση</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Μεγέθυνση</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Δωρεά</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Αντίγραφα ασφαλείας</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Επαναφορά προεπιλεγμένου ζουμ</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Αναίρεση</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ακύρωση αναίρεσης</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Αντιγραφή</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Αποκοπή</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Επικόλληση</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Εύρεση</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Αντικατάσταση</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Επικεφαλίδα 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Επικεφαλίδα 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Επικεφαλίδα 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Επικεφαλίδα 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Επικεφαλίδα 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Επικεφαλίδα 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Παράγραφος</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Εσοχή παραγράφου</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Πλάγια</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Επικόλληση ως απλό κείμενο</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Επικόλληση ως απλό κείμενο</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Εισαγωγή γραμμής από κάτω</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Εισαγωγή γραμμής από πάνω</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Εισαγωγή στήλης αριστερά</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Εισαγωγή στήλης δεξιά</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Μετακίνηση γραμμής προς τα πάνω</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Μετακίνηση γραμμής προς τα κάτω</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Μετακίνηση στήλης αριστερά</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Μετακίνηση στήλης δεξιά</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Στοίχιση στήλης αριστερά</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Στοίχιση στήλης στο κέντρο</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Στοίχιση στήλης δεξιά</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Διαγραφή γραμμής</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Διαγραφή στήλης</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Διαγραφή πίνακα</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Υπηρεσία φιλοξενίας εικόνων</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Λήψη φορητής έκδοσης</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Έλεγχος για ενημερώσεις</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Λήψη HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Επίσημος ιστότοπος</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Τίτλος</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Επεξεργαστής πηγαίου κώδικα</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Οπτικός επεξεργαστής</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Πληκτρολογήστε λέξεις-κλειδιά για αναζήτηση...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Πλοήγηση</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Επιλογή φακέλου</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Αρχεία</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Περιήγηση αρχείων</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Πρόσφατα αρχεία</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Θέμα</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Φωτεινό</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Σκοτεινό</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Γαλάζιος ουρανός</translation>
    </message>
    <message>
        <source>word</source>
        <translation>λέξεις</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Κάντε κλικ εδώ...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Χωρίς τίτλο</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Εύρεση και αντικατάσταση</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Απόκρυψη αριστερής πλευρικής στήλης</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Εμφάνιση αριστερής πλευρικής στήλης</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Το αντίγραφο ασφαλείας δημιουργήθηκε</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Το αντίγραφο ασφαλείας διαγράφηκε</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Ειδοποίηση</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Δεν είναι δυνατό το άνοιγμα του αρχείου %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Άνοιγμα αρχείου Markdown</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Αποθήκευση αρχείου Markdown</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Δεν είναι δυνατή η αποθήκευση του αρχείου %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Η αποθήκευση ολοκληρώθηκε</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση του εγγράφου από τον οπτικό επεξεργαστή, οπότε δεν γράφτηκε τίποτα. Δοκιμάστε ξανά σε λίγο.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Ζουμ %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Η αντιγραφή ολοκληρώθηκε</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Επικόλληση</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Ρύθμιση πίνακα</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Επιτυχής εξαγωγή</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Δεν είναι δυνατή η εξαγωγή στο %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>Ο επεξεργαστής δεν παρέδωσε το έγγραφό του.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Επιλογή εξαγωγής</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Θέλετε να δημιουργηθεί σταθερή πλευρική στήλη με πίνακα περιεχομένων για πλοήγηση στις επικεφαλίδες;</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Εξαγωγή αρχείου HTML</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>Αρχείο HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Εξαγωγή αρχείου Word</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Αρχείο Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Εξαγωγή αρχείου PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Αρχείο PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Δεν ήταν δυνατή η εκτύπωση της σελίδας.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Επιτυχής εκτύπωση</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Η εκτύπωση απέτυχε</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Δεν βρέθηκε κείμενο που να ταιριάζει!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Πληκτρολογήστε το κείμενο προς αναζήτηση!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Δεν υπάρχει κείμενο που να ταιριάζει για αντικατάσταση!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>Έγιναν %1 αντικαταστάσεις!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Τροποποίηση</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Εξαγωγή σε Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Προσθήκη</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Εναλλακτικό κείμενο εικόνας](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Το τρέχον έγγραφο δεν έχει αποθηκευτεί. Αποθηκεύστε πρώτα το αρχείο και μετά επικολλήστε εικόνες.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Επιλογή καταλόγου</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Ειδοποίηση ενημέρωσης</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Χρησιμοποιείτε ήδη την πιο πρόσφατη έκδοση. Δεν απαιτείται ενημέρωση.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Ειδοποίηση αναβάθμισης</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Εντοπίστηκε νέα έκδοση</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Δεν ήταν δυνατή η εκκίνηση του προγράμματος ενημέρωσης: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Προβολή</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Ένα αντίγραφο ασφαλείας του %1 με ημερομηνία %2 περιέχει αλλαγές που δεν αποθηκεύτηκαν ποτέ. Θέλετε να γίνει επαναφορά του;</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Κωδικοποίηση: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Θέλετε να αποθηκεύσετε τις αλλαγές στο %1;</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>Το αρχείο %1 τροποποιήθηκε από άλλο πρόγραμμα μετά το άνοιγμα ή την αποθήκευσή του. Θέλετε να αντικαταστήσετε αυτές τις αλλαγές;</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Το έγγραφο περιέχει χαρακτήρες που δεν μπορεί να αναπαραστήσει η κωδικοποίηση του αρχείου, %1. Θέλετε να το αποθηκεύσετε σε UTF-8 αντ’ αυτού;</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>Το αρχείο %1 διαγράφηκε ή μετακινήθηκε από άλλο πρόγραμμα.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>Το αρχείο %1 τροποποιήθηκε από άλλο πρόγραμμα. Θέλετε να το φορτώσετε ξανά και να χάσετε τις μη αποθηκευμένες αλλαγές σας;</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>Το αρχείο %1 τροποποιήθηκε από άλλο πρόγραμμα και φορτώθηκε ξανά.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Άνοιγμα του %1 με το πρόγραμμα που χρησιμοποιεί το σύστημα γι’ αυτό;</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Δεν ήταν δυνατός ο έλεγχος για ενημερώσεις.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>περιέχει byte NUL, άρα δεν είναι αρχείο κειμένου</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Να μην γίνει αποθήκευση</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
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
        <translation>Συσχέτιση αρχείων</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Θέλετε να ορίσετε αυτή την εφαρμογή ως προεπιλεγμένο πρόγραμμα για το άνοιγμα αρχείων .md;
Αν επιλέξετε «Όχι», μπορείτε να το αλλάξετε αργότερα από το μενού ρυθμίσεων.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Προειδοποίηση</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Ο ορισμός της προεπιλεγμένης συσχέτισης απέτυχε: ίσως απαιτούνται δικαιώματα διαχειριστή ή η λειτουργία αποκλείστηκε από πολιτική του συστήματος.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Ορισμός εικόνας</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Σύνδεσμος: (υποστηρίζονται τοπικές διαδρομές ή διευθύνσεις URL δικτύου)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Επιλογή εικόνας</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Εικόνες (*.jpg *.jpeg *.bmp *.png *.gif);;Όλα τα αρχεία (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Μη έγκυρη διαδρομή εικόνας</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Καμία πρόταση</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Προσθήκη στο λεξικό</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Παράβλεψη</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Γραμμές</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Στήλες</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Ρύθμιση πίνακα</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Το άνοιγμα του αρχείου απέτυχε.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Σφάλμα δικτύου: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>Η απόκριση δεν είναι έγκυρο αντικείμενο JSON.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Η ανάγνωση της διεύθυνσης URL της εικόνας από το JSON απέτυχε.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Σχετικά με εμάς</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>είναι ένα εύχρηστο εργαλείο επεξεργασίας Markdown. Οι χρήστες μπορούν να γράφουν έγγραφα με αυτό, ενώ υποστηρίζει επίσης εξαγωγή σε PDF και άλλες λειτουργίες.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> έκδοση %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>από τους προγραμματιστές του Penwick</translation>
    </message>
</context>
</TS>