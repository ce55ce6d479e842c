<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Gestión de copias de seguridad</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Fecha de creación</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>¿Seguro que desea eliminar esta copia de seguridad?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Vista previa de la copia de seguridad</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>Cita</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Color de negrita</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Color de bloques de código</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Fondo del editor</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Color de encabezados</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Línea horizontal</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Color de imágenes</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Código en línea</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Color de cursiva</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Color de palabras clave</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Fondo de números de línea</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Color de números de línea</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Color de enlaces</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Color de listas</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Color de tablas</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Crear un documento en blanco</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Abrir el último documento cerrado</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Conservar la ruta de la imagen</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Copiar la imagen en la carpeta ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>El idioma del sistema no es compatible; se usará el inglés.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Tutorial de personalización de temas</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Haga clic en el botón «Abrir carpeta de temas» de abajo para abrir la carpeta de temas.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Busque el archivo .css de su tema actual y ábralo con el Bloc de notas.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Busque o añada este estilo:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = tamaño de fuente</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = fuente</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Si necesita ayuda, ¡envíenos sus comentarios!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>General</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>General</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Tema del editor visual</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Tema de bloques de código</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Tema del editor</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opciones de inicio</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Copia de seguridad automática</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Mostrar barra lateral izquierda</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Tratamiento de imágenes</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Asociación de archivos</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Asociar con archivos .md</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Cómo personalizar los estilos del tema del editor visual</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Abrir carpeta de temas</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Estilo de bloques de código</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Consulte la demostración de temas de CodeMirror</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Tema del editor de código fuente</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Tema actual:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Guardar tema</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Error de asociación: puede que se requieran privilegios de administrador.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>¡Asociado correctamente con los archivos .md!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>Se ha eliminado la asociación de archivos .md.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>No se pudo eliminar la asociación.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Seleccionar color</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>¡Error al guardar!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>¡Guardado!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Copiar tema</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Nombre del nuevo tema:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>¡El nombre ya existe!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>¡Copiado correctamente!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>¿Eliminar este tema?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Cargar imágenes remotas</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Revisión ortográfica</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Revisar la ortografía al escribir</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>No hay ningún diccionario instalado: la revisión ortográfica necesita un diccionario de Hunspell (archivos .dic y .aff) en %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Establecer hipervínculo</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Enlace:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>URL no válida</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>¿Seguro que desea eliminarlo?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>El Editor visual se ha cerrado inesperadamente y se ha reiniciado. El documento se ha recuperado tal como estaba a las %1; lo que se escribió en el Editor visual después de esa hora se ha perdido.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>El Editor visual se ha cerrado inesperadamente y se ha reiniciado. No se ha perdido nada.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Error al exportar</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>El contenido HTML está vacío.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>No se pudo analizar el contenido HTML.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Guardar archivo de Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Archivos de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Exportación correcta</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Archivo guardado correctamente en:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>No se pudo guardar el archivo. Compruebe los permisos.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>Comentarios por correo electrónico</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Comentarios en GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>palabra clave…</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Buscar anterior</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Coincidir mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Reemplazar por:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Reemplazar &amp;&amp; buscar</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Reemplazar todo</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Configuración del alojamiento de imágenes</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL de subida</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Método de solicitud</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Campo de archivo</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>Ruta JSON de la URL</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Cabeceras de la solicitud</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Parámetros del formulario</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clave</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>Gestión de alojamiento de imágenes</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Probar subida</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL de subida</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Campo de archivo</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>Ruta JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>¿Seguro que desea eliminarlo?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Seleccione primero un servicio de alojamiento de imágenes.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Subida correcta</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Error al subir</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Abrir una incidencia en GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Escriba el título de sus comentarios…</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Describa su problema o sugerencia…</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Cuadro de diálogo</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Lista numerada</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Lista con viñetas</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Cita</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Código en línea</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Línea horizontal</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar formato</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Borrar formato</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Insertar tabla</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Quitar enlace</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Bloque de código</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nueva ventana</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donar</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Restablecer zoom predeterminado</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Encabezado 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Encabezado 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Encabezado 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Encabezado 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Encabezado 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Encabezado 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Párrafo</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Sangría de párrafo</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Pegar como texto sin formato</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Pegar como texto sin formato</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Insertar fila debajo</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Insertar fila encima</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Insertar columna a la izquierda</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Insertar columna a la derecha</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Mover fila hacia arriba</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Mover fila hacia abajo</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Mover columna a la izquierda</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Mover columna a la derecha</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Alinear columna a la izquierda</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Centrar columna</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Alinear columna a la derecha</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Eliminar fila</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Eliminar columna</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Eliminar tabla</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Servicio de alojamiento de imágenes</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Descargar versión portátil</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Ver código HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Sitio web oficial</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Editor de código fuente</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Editor visual</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Escriba palabras clave para buscar…</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Explorador de archivos</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Abiertos recientemente</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Cielo azul</translation>
    </message>
    <message>
        <source>word</source>
        <translation>palabras</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Haga clic aquí…</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Buscar y reemplazar</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Ocultar barra lateral izquierda</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Mostrar barra lateral izquierda</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Copia de seguridad creada</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Copia de seguridad eliminada</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>No se puede abrir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Abrir archivo Markdown</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Guardar archivo Markdown</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>No se puede guardar el archivo %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Guardado correctamente</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>No se pudo leer el documento del editor visual, por lo que no se ha escrito nada. Vuelva a intentarlo en unos instantes.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Zoom: %1 %</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Configurar tabla</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Exportación correcta</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>No se puede exportar a %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>El editor no ha devuelto el documento.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Opción de exportación</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>¿Desea generar una barra lateral fija con el índice y navegación por encabezados?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Exportar archivo HTML</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>Archivo HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Exportar archivo de Word</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Archivo de Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Exportar archivo PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Archivo PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>No se pudo imprimir la página.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Impresión correcta</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Error de impresión</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>¡No se encontró ninguna coincidencia!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>¡Introduzca el texto que desea buscar!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>¡No hay texto coincidente para reemplazar!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>¡Se han reemplazado %1 coincidencias!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Exportar a Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Texto alternativo](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>El documento actual no se ha guardado. Guarde el archivo antes de pegar imágenes.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Ya está usando la versión más reciente. No es necesario actualizar.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Nueva versión</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Se ha detectado una nueva versión</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>No se pudo iniciar el actualizador: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Una copia de seguridad de %1 con fecha %2 contiene cambios que nunca se guardaron. ¿Desea restaurarla?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Codificación: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>¿Desea guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>Otro programa ha modificado %1 desde que se abrió o se guardó. ¿Desea sobrescribir esos cambios?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>El documento contiene caracteres que la codificación del archivo, %1, no admite. ¿Desea guardarlo en UTF-8?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>Otro programa ha eliminado o movido %1.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>Otro programa ha modificado %1. ¿Desea volver a cargarlo y perder los cambios no guardados?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>Otro programa ha modificado %1 y se ha vuelto a cargar.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>¿Abrir %1 con el programa que el sistema usa para ello?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>No se pudo comprobar si hay actualizaciones.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>contiene bytes NUL, por lo que no es un archivo de texto</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Asociación de archivos</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>¿Desea establecer esta aplicación como programa predeterminado para abrir archivos .md?
Si selecciona «No», podrá cambiarlo más adelante en la configuración.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>No se pudo establecer la asociación predeterminada: puede que se requieran privilegios de administrador o que una directiva del sistema haya bloqueado la operación.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Establecer imagen</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Enlace: (admite rutas locales o URL de red)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Elegir imagen</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Imágenes (*.jpg *.jpeg *.bmp *.png *.gif);;Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Ruta de imagen no válida</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Sin sugerencias</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Agregar al diccionario</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>Filas</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Configurar tabla</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>No se pudo abrir el archivo.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Error de red: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>La respuesta no es un objeto JSON válido.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>No se pudo obtener la URL de la imagen del JSON.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>es una herramienta de edición de Markdown fácil de usar. Permite redactar documentos y ofrece funciones como la exportación a PDF, entre otras.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> versión %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>por los desarrolladores de Penwick</translation>
    </message>
</context>
</TS>