<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Gestion des sauvegardes</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Date de création</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Voulez-vous vraiment supprimer cette sauvegarde ?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Aperçu de la sauvegarde</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Citation</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Couleur du gras</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Couleur des blocs de code</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Arrière-plan de l’éditeur</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Couleur des titres</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Ligne horizontale</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Couleur des images</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Code en ligne</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Couleur de l’italique</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Couleur des mots-clés</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Fond des numéros de ligne</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Couleur des numéros de ligne</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Couleur des liens</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Couleur des listes</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Barré</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Couleur des tableaux</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Créer un document vide</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Ouvrir le dernier document fermé</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Conserver le chemin de l’image</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Copier l’image dans le dossier ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Par défaut du système</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>La langue de votre système n’est pas prise en charge ; l’anglais sera utilisé.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Tutoriel de personnalisation des thèmes</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Cliquez sur le bouton « Ouvrir le dossier des thèmes » ci-dessous pour accéder au dossier des thèmes.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Repérez le fichier .css de votre thème actuel et ouvrez-le avec le Bloc-notes.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Recherchez ou ajoutez ce style :</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = taille de police</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = police</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Si vous avez besoin d’aide, n’hésitez pas à nous envoyer vos commentaires !</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Thème de l’éditeur visuel</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Thème des blocs de code</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Thème de l’éditeur</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Options de démarrage</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Sauvegarde automatique</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Afficher la barre latérale gauche</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Gestion des images</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Association de fichiers</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Associer aux fichiers .md</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Comment personnaliser les styles des thèmes de l’éditeur visuel</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Ouvrir le dossier des thèmes</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Style des blocs de code</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Voir la démo des thèmes CodeMirror</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Thème de l’éditeur de code source</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Thème actuel :</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Enregistrer le thème</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Échec de l’association : des droits d’administrateur sont peut-être nécessaires.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Association avec les fichiers .md réussie !</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>L’association des fichiers .md a été supprimée.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Impossible de supprimer l’association.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Échec de l’enregistrement !</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Enregistré !</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Copier le thème</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Nom du nouveau thème :</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Ce nom existe déjà !</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Copie réussie !</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Supprimer ce thème ?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Charger les images distantes</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Vérification orthographique</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Vérifier l'orthographe pendant la saisie</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Aucun dictionnaire n'est installé : la vérification orthographique nécessite un dictionnaire Hunspell (fichiers .dic et .aff) dans %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Définir le lien hypertexte</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte :</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Lien :</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>URL non valide</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Voulez-vous vraiment supprimer cet élément ?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>L’Éditeur visuel s’est arrêté de manière inattendue et a été redémarré. Le document a été récupéré dans l’état où il se trouvait à %1 ; ce qui a été saisi dans l’Éditeur visuel après ce moment est perdu.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>L’Éditeur visuel s’est arrêté de manière inattendue et a été redémarré. Rien n’a été perdu.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Échec de l’exportation</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>Le contenu HTML est vide.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Impossible d’analyser le contenu HTML.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Enregistrer le fichier Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Fichiers Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Exportation réussie</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Fichier enregistré dans :
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Impossible d’enregistrer le fichier. Vérifiez les autorisations.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Commentaires par e-mail</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Commentaires sur GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>mot-clé…</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Rechercher le précédent</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Rechercher le suivant</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Remplacer par :</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Remplacer &amp;&amp; rechercher</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Tout remplacer</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Configuration de l’hébergeur d’images</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL d’envoi</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Méthode de requête</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Champ du fichier</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>Chemin de l’URL dans le JSON</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>En-têtes de requête</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Paramètres du formulaire</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clé</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Gestion des hébergeurs d’images</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Tester l’envoi</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL d’envoi</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Champ du fichier</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>Chemin JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Voulez-vous vraiment supprimer cet élément ?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Veuillez d’abord sélectionner un hébergeur d’images.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Images (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Envoi réussi</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Échec de l’envoi</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Signaler un problème sur GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Saisissez le titre de votre commentaire…</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Décrivez votre problème ou votre suggestion…</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Format</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Format</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Options</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Liste numérotée</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Liste à puces</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Citation</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Code en ligne</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Ligne horizontale</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Image</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Image</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer la mise en forme</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Effacer la mise en forme</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Barré</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Insérer un tableau</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Supprimer le lien</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Bloc de code</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Faire un don</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Rétablir le zoom par défaut</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Titre 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Titre 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Titre 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Titre 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Titre 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Titre 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Paragraphe</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Retrait de paragraphe</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Coller en texte brut</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Coller en texte brut</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Insérer une ligne en dessous</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Insérer une ligne au-dessus</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Insérer une colonne à gauche</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Insérer une colonne à droite</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Déplacer la ligne vers le haut</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Déplacer la ligne vers le bas</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Déplacer la colonne vers la gauche</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Déplacer la colonne vers la droite</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Aligner la colonne à gauche</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Centrer la colonne</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Aligner la colonne à droite</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Supprimer la ligne</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Supprimer la colonne</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Supprimer le tableau</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Service d’hébergement d’images</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Télécharger la version portable</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Afficher le code HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Site officiel</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Éditeur de code source</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Éditeur visuel</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Saisissez des mots-clés…</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Explorateur de fichiers</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Récemment ouverts</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Ciel bleu</translation>
    </message>
    <message>
        <source>word</source>
        <translation>mots</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Cliquez ici…</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Rechercher et remplacer</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Masquer la barre latérale gauche</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Afficher la barre latérale gauche</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Sauvegarde effectuée</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Sauvegarde supprimée</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Impossible d’ouvrir le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Ouvrir un fichier Markdown</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Enregistrer le fichier Markdown</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Impossible d’enregistrer le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Enregistrement réussi</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Impossible de lire le document depuis l’éditeur visuel ; rien n’a été écrit. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Zoom : %1 %</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Configurer le tableau</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Exportation réussie</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Impossible d’exporter vers %1 : %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>L’éditeur n’a pas transmis son document.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Option d’exportation</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Voulez-vous générer une table des matières fixe dans une barre latérale, avec navigation par titres ?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Exporter un fichier HTML</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>Fichier HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Exporter un fichier Word</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Fichier Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Exporter un fichier PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Fichier PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Impossible d’imprimer la page.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Impression réussie</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Échec de l’impression</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Aucune correspondance trouvée !</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Veuillez saisir le texte à rechercher !</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Aucun texte correspondant à remplacer !</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1 occurrences remplacées !</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Exporter vers Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Texte alternatif](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>Le document actuel n’a pas été enregistré. Enregistrez-le avant de coller des images.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Vous utilisez déjà la dernière version. Aucune mise à jour n’est nécessaire.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Nouvelle version</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Une nouvelle version est disponible</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Impossible de lancer l’outil de mise à jour : %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Une sauvegarde de %1 datant du %2 contient des modifications qui n’ont jamais été enregistrées. Voulez-vous la restaurer ?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Encodage : %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Voulez-vous enregistrer les modifications apportées à %1 ?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>Le fichier %1 a été modifié par un autre programme depuis son ouverture ou son dernier enregistrement. Voulez-vous écraser ces modifications ?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>Le document contient des caractères que l’encodage du fichier, %1, ne peut pas représenter. Voulez-vous plutôt l’enregistrer en UTF-8 ?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>Le fichier %1 a été supprimé ou déplacé par un autre programme.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>Le fichier %1 a été modifié par un autre programme. Voulez-vous le recharger et perdre vos modifications non enregistrées ?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>Le fichier %1 a été modifié par un autre programme et a été rechargé.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Ouvrir %1 avec le programme que le système utilise pour cela ?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Impossible de rechercher les mises à jour.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>il contient des octets NUL, ce n’est donc pas un fichier texte</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Association de fichiers</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Voulez-vous définir cette application comme programme par défaut pour ouvrir les fichiers .md ?
Si vous choisissez « Non », vous pourrez modifier ce choix plus tard dans les paramètres.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Impossible de définir l’association par défaut : des droits d’administrateur sont peut-être nécessaires, ou une stratégie système a bloqué l’opération.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Définir l’image</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Lien : (chemins locaux ou URL web)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Images (*.jpg *.jpeg *.bmp *.png *.gif);;Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Chemin d’image non valide</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Aucune suggestion</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Ajouter au dictionnaire</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Configurer le tableau</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Impossible d’ouvrir le fichier.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Erreur réseau : %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>La réponse n’est pas un objet JSON valide.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Impossible d’extraire l’URL de l’image du JSON.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>est un outil d’édition Markdown simple d’accès. Il permet de rédiger des documents et prend également en charge l’exportation au format PDF, entre autres fonctionnalités.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation> version %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>par les développeurs de Penwick</translation>
    </message>
</context>
</TS>