<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="it">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Gestione backup</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Data di creazione</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Vuoi davvero eliminare questo backup?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Anteprima del backup</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Citazione</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Colore grassetto</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Colore blocchi di codice</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Sfondo dell’editor</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Colore titoli</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Linea orizzontale</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Colore immagini</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Codice in linea</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Colore corsivo</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Colore parole chiave</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Sfondo numeri di riga</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Colore numeri di riga</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Colore link</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Colore elenchi</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Barrato</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Colore tabelle</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Colore testo</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Crea un documento vuoto</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Apri l’ultimo documento chiuso</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Mantieni il percorso dell’immagine</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Copia l’immagine nella cartella ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Predefinito di sistema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>La lingua del sistema non è supportata: verrà usato l’inglese.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Guida alla personalizzazione dei temi</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Fai clic sul pulsante «Apri cartella temi» qui sotto per aprire la cartella dei temi.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Trova il file .css del tema corrente e aprilo con Blocco note.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Trova o aggiungi questo stile:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = dimensione del carattere</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = tipo di carattere</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Se hai bisogno di aiuto, inviaci un feedback!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Tema dell’editor visuale</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Tema dei blocchi di codice</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Tema dell’editor</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opzioni di avvio</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Backup automatico</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Mostra barra laterale sinistra</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Gestione delle immagini</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Associazione file</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Associa ai file .md</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Come personalizzare gli stili dei temi dell’editor visuale</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Apri cartella temi</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Stile dei blocchi di codice</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Vedi la demo dei temi CodeMirror</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Tema dell’editor del codice sorgente</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Tema corrente:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Salva tema</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Tipo di carattere</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Dimensione carattere</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Associazione non riuscita: potrebbero essere necessari i privilegi di amministratore.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Associazione ai file .md completata!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>Associazione dei file .md rimossa.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Impossibile rimuovere l’associazione.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Seleziona colore</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Salvataggio non riuscito!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Salvato!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Copia tema</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Nome del nuovo tema:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Il nome esiste già!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Copia completata!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Eliminare questo tema?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Carica immagini remote</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Controllo ortografico</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Controlla l'ortografia durante la digitazione</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Non è installato alcun dizionario: il controllo ortografico richiede un dizionario Hunspell (file .dic e .aff) in %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Imposta collegamento ipertestuale</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Testo:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Link:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>URL non valido</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Conferma eliminazione</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Vuoi davvero eliminarlo?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>L’editor visuale si è arrestato in modo imprevisto ed è stato riavviato. Il documento è stato recuperato com’era alle %1; quanto digitato nell’editor visuale dopo quel momento è andato perso.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>L’editor visuale si è arrestato in modo imprevisto ed è stato riavviato. Non è andato perso nulla.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Esportazione non riuscita</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>Il contenuto HTML è vuoto.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Impossibile analizzare il contenuto HTML.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Salva file Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>File Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Esportazione completata</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>File salvato in:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Impossibile salvare il file. Controlla i permessi.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Feedback via e-mail</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Feedback su GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Trova:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>parola chiave…</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Trova precedente</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Trova successivo</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Maiuscole/minuscole</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Sostituisci con:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Sostituisci &amp;&amp; trova</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Sostituisci tutto</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Configurazione hosting immagini</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL di caricamento</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Metodo di richiesta</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Campo file</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>Percorso JSON dell’URL</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Intestazioni della richiesta</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Parametri del modulo</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Chiave</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Gestione hosting immagini</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Prova caricamento</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL di caricamento</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Campo file</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>Percorso JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Vuoi davvero eliminarlo?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Seleziona prima un servizio di hosting immagini.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Immagini (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Caricamento completato</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Caricamento non riuscito</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Apri una segnalazione su GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Inserisci il titolo del feedback…</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Descrivi il problema o il suggerimento…</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
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
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabella</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Elenco numerato</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Elenco puntato</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Citazione</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Codice in linea</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Linea orizzontale</translation>
    </message>
    <message>
        <source>Link</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Link</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella formattazione</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Cancella formattazione</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Barrato</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Inserisci tabella</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Rimuovi link</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Blocco di codice</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aggiornamenti</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nuova finestra</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Fai una donazione</translation>
    </message>
    <message>
        <source>Backup</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Ripristina zoom predefinito</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Titolo 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Titolo 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Titolo 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Titolo 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Titolo 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Titolo 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Paragrafo</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Rientro paragrafo</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Incolla come testo semplice</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Incolla come testo semplice</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Inserisci riga sotto</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Inserisci riga sopra</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Inserisci colonna a sinistra</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Inserisci colonna a destra</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Sposta riga in alto</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Sposta riga in basso</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Sposta colonna a sinistra</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Sposta colonna a destra</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Allinea colonna a sinistra</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Centra colonna</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Allinea colonna a destra</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Elimina riga</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Elimina colonna</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Elimina tabella</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Servizio di hosting immagini</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Scarica la versione portable</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Mostra HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Sito ufficiale</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Editor del codice sorgente</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Editor visuale</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Inserisci le parole chiave da cercare…</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigazione</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Esplora file</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Aperti di recente</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Cielo azzurro</translation>
    </message>
    <message>
        <source>word</source>
        <translation>parole</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Fai clic qui…</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Trova e sostituisci</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Nascondi barra laterale sinistra</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Mostra barra laterale sinistra</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Backup completato</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Backup eliminato</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Impossibile aprire il file %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Apri file Markdown</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Salva file Markdown</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Impossibile salvare il file %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Salvataggio completato</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Impossibile leggere il documento dall’editor visuale, quindi non è stato scritto nulla. Riprova tra qualche istante.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Zoom %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Copiato</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Imposta tabella</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Esportazione completata</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Impossibile esportare in %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>L’editor non ha restituito il documento.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Opzione di esportazione</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Vuoi generare un sommario fisso nella barra laterale con navigazione tra i titoli?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Esporta file HTML</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>File HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Esporta file Word</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>File Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Esporta file PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Impossibile stampare la pagina.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Stampa completata</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Stampa non riuscita</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Nessuna corrispondenza trovata!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Inserisci il testo da cercare!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Nessun testo corrispondente da sostituire!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1 occorrenze sostituite!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Esporta in Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Testo alternativo](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Il documento corrente non è stato salvato. Salva il file prima di incollare immagini.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Stai già usando la versione più recente. Non è necessario alcun aggiornamento.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Nuova versione</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>È stata rilevata una nuova versione</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Impossibile avviare il programma di aggiornamento: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Un backup di %1 del %2 contiene modifiche mai salvate. Vuoi ripristinarlo?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Codifica: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Vuoi salvare le modifiche apportate a %1?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 è stato modificato da un altro programma dopo l’apertura o l’ultimo salvataggio. Vuoi sovrascrivere tali modifiche?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Il documento contiene caratteri che la codifica del file, %1, non può rappresentare. Vuoi salvarlo invece in UTF-8?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 è stato eliminato o spostato da un altro programma.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 è stato modificato da un altro programma. Vuoi ricaricarlo perdendo le modifiche non salvate?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 è stato modificato da un altro programma ed è stato ricaricato.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Aprire %1 con il programma che il sistema usa per questo?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Impossibile verificare la disponibilità di aggiornamenti.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>contiene byte NUL, quindi non è un file di testo</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Non salvare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Associazione file</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Vuoi impostare questa applicazione come programma predefinito per aprire i file .md?
Se scegli «No», potrai modificarlo in seguito dal menu delle impostazioni.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Impossibile impostare l’associazione predefinita: potrebbero essere necessari i privilegi di amministratore oppure un criterio di sistema ha bloccato l’operazione.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Imposta immagine</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Link: (percorsi locali o URL di rete)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Scegli immagine</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Immagini (*.jpg *.jpeg *.bmp *.png *.gif);;Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Percorso immagine non valido</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Nessun suggerimento</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Aggiungi al dizionario</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignora</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Imposta tabella</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Impossibile aprire il file.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Errore di rete: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>La risposta non è un oggetto JSON valido.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Impossibile ricavare l’URL dell’immagine dal JSON.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>è uno strumento di scrittura Markdown semplice da usare. Consente di redigere documenti e offre, tra le altre funzioni, l’esportazione in PDF.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> versione %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>a cura degli sviluppatori di Penwick</translation>
    </message>
</context>
</TS>