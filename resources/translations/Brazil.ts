<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pt_BR">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>Gerenciamento de backups</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Data de criação</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>Tem certeza de que deseja excluir este backup?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>Pré-visualização do backup</translation>
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
        <translation>Citação</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>Cor do negrito</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>Cor dos blocos de código</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>Fundo do editor</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Cor dos títulos</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Linha horizontal</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>Cor das imagens</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Código em linha</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>Cor do itálico</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>Cor das palavras-chave</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>Fundo dos números de linha</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>Cor dos números de linha</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Cor dos links</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>Cor das listas</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Cor das tabelas</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Cor do texto</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>Criar um documento em branco</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>Abrir o último documento fechado</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>Manter o caminho da imagem</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>Copiar a imagem para a pasta ./${filename}.assets</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Padrão do sistema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>O idioma do sistema não é compatível; será usado o inglês.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>Tutorial de personalização de temas</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. Clique no botão “Abrir pasta de temas” abaixo para abrir a pasta de temas.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. Localize o arquivo .css do tema atual e abra-o com o Bloco de Notas.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. Localize ou adicione este estilo:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = tamanho da fonte</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = fonte</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>Se precisar de ajuda, envie seu feedback!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>Tema do editor visual</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>Tema dos blocos de código</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>Tema do editor</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opções de inicialização</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Backup automático</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Mostrar barra lateral esquerda</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>Tratamento de imagens</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>Associação de arquivos</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>Associar a arquivos .md</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>Como personalizar os estilos dos temas do editor visual</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>Abrir pasta de temas</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>Estilo dos blocos de código</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>Veja a demonstração de temas do CodeMirror</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>Tema do editor de código-fonte</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>Tema atual:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>Salvar tema</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamanho da fonte</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>Falha na associação: podem ser necessários privilégios de administrador.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>Associado a arquivos .md com sucesso!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>A associação de arquivos .md foi removida.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>Não foi possível remover a associação.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Selecionar cor</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Falha ao salvar!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>Salvo!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>Copiar tema</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>Nome do novo tema:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Esse nome já existe!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>Copiado com sucesso!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>Excluir este tema?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>Carregar imagens remotas</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>Verificação ortográfica</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>Verificar a ortografia ao digitar</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>Nenhum dicionário ortográfico está instalado: a verificação ortográfica precisa de um dicionário Hunspell (arquivos .dic e .aff) em %1.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>Definir hiperlink</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Link:</translation>
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
        <translation>URL inválida</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Confirmar exclusão</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>Tem certeza de que deseja excluir?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>O Editor visual parou inesperadamente e foi reiniciado. O documento foi recuperado como estava às %1; o que foi digitado no Editor visual depois disso foi perdido.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>O Editor visual parou inesperadamente e foi reiniciado. Nada foi perdido.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>Falha na exportação</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>O conteúdo HTML está vazio.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>Não foi possível analisar o conteúdo HTML.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Salvar arquivo do Excel</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Arquivos do Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>Exportação concluída</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>Arquivo salvo com sucesso em:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>Não foi possível salvar o arquivo. Verifique as permissões.</translation>
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
        <translation>Feedback por e-mail</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>Feedback no GitHub</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>Localizar:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>palavra-chave…</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Localizar anterior</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Localizar próxima</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Diferenciar maiúsculas e minúsculas</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Substituir por:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>Substituir &amp;&amp; localizar</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Substituir tudo</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>Configuração de hospedagem de imagens</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL de upload</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>Método da requisição</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Campo do arquivo</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>Caminho JSON da URL</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>Cabeçalhos da requisição</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>Parâmetros do formulário</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Chave</translation>
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
        <translation>Gerenciador de hospedagem de imagens</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>Testar upload</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>URL de upload</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>Campo do arquivo</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>Caminho JSON</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>Tem certeza de que deseja excluir?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>Selecione primeiro um serviço de hospedagem de imagens.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>Imagens (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>Upload concluído</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Falha no upload</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>Relatar problema no GitHub</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>Digite o título do feedback…</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>Descreva seu problema ou sugestão…</translation>
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
        <translation>Caixa de diálogo</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
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
        <translation>Formatar</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrito</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Lista numerada</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Lista com marcadores</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Citação</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Código em linha</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Linha horizontal</translation>
    </message>
    <message>
        <source>Link</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Link</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar formatação</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Limpar formatação</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Inserir tabela</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Remover link</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Bloco de código</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Atualizações</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nova janela</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Diminuir zoom</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Aumentar zoom</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Doar</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>Restaurar zoom padrão</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Título 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Título 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Título 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Título 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Título 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Título 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Parágrafo</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>Recuo de parágrafo</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Itálico</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>Colar como texto sem formatação</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>Colar como texto sem formatação</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>Inserir linha abaixo</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>Inserir linha acima</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>Inserir coluna à esquerda</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>Inserir coluna à direita</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>Mover linha para cima</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>Mover linha para baixo</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>Mover coluna para a esquerda</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>Mover coluna para a direita</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>Alinhar coluna à esquerda</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>Centralizar coluna</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>Alinhar coluna à direita</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>Excluir linha</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>Excluir coluna</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Excluir tabela</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>Serviço de hospedagem de imagens</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>Baixar versão portátil</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>Ver HTML</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Site oficial</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>Editor de código-fonte</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>Editor visual</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>Digite palavras-chave para pesquisar…</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegação</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>Navegador de arquivos</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>Abertos recentemente</translation>
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
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>Céu azul</translation>
    </message>
    <message>
        <source>word</source>
        <translation>palavras</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>Clique aqui…</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>Localizar e substituir</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>Ocultar barra lateral esquerda</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>Mostrar barra lateral esquerda</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>Backup criado</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>Backup excluído</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Não é possível abrir o arquivo %1: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Abrir arquivo Markdown</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Salvar arquivo Markdown</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>Não é possível salvar o arquivo %1: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>Salvo com sucesso</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>Não foi possível ler o documento do editor visual, por isso nada foi gravado. Tente novamente em instantes.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>Zoom: %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Configurar tabela</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>Exportação concluída</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>Não é possível exportar para %1: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>O editor não retornou o documento.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>Opção de exportação</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>Deseja gerar um sumário fixo na barra lateral com navegação pelos títulos?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>Exportar arquivo HTML</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>Arquivo HTML (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Exportar arquivo do Word</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Arquivo do Word (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>Exportar arquivo PDF</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Arquivo PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Não foi possível imprimir a página.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>Impressão concluída</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Falha na impressão</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>Nenhum texto correspondente encontrado!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>Digite o texto a ser localizado!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>Nenhum texto correspondente para substituir!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1 ocorrências substituídas!</translation>
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
        <translation>Exportar para Excel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![Texto alternativo](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>O documento atual não foi salvo. Salve o arquivo antes de colar imagens.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>Você já está usando a versão mais recente. Nenhuma atualização é necessária.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>Nova versão</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>Uma nova versão foi detectada</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>Não foi possível iniciar o atualizador: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>Um backup de %1 feito em %2 contém alterações que nunca foram salvas. Deseja restaurá-lo?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Codificação: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Deseja salvar as alterações em %1?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>O arquivo %1 foi alterado por outro programa desde que foi aberto ou salvo. Deseja substituir essas alterações?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>O documento contém caracteres que a codificação do arquivo, %1, não suporta. Deseja salvá-lo em UTF-8 em vez disso?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>O arquivo %1 foi excluído ou movido por outro programa.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>O arquivo %1 foi alterado por outro programa. Deseja recarregá-lo e perder as alterações não salvas?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>O arquivo %1 foi alterado por outro programa e foi recarregado.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>Abrir %1 com o programa que o sistema usa para isso?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Não foi possível verificar atualizações.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>ele contém bytes NUL, portanto não é um arquivo de texto</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>Não salvar</translation>
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
        <translation>Associação de arquivos</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>Deseja definir este aplicativo como programa padrão para abrir arquivos .md?
Se você selecionar “Não”, poderá alterar isso depois no menu de configurações.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>Falha ao definir a associação padrão: podem ser necessários privilégios de administrador ou uma política do sistema bloqueou a operação.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>Definir imagem</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>Link: (aceita caminhos locais ou URLs da web)</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Escolher imagem</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>Imagens (*.jpg *.jpeg *.bmp *.png *.gif);;Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>Caminho de imagem inválido</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>Nenhuma sugestão</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Adicionar ao dicionário</translation>
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
        <translation>Linhas</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colunas</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>Configurar tabela</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>Não foi possível abrir o arquivo.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Erro de rede: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>A resposta não é um objeto JSON válido.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>Não foi possível obter a URL da imagem a partir do JSON.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>é uma ferramenta de edição Markdown fácil de usar. Com ela, você pode escrever documentos e exportar para PDF, entre outros recursos.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> versão %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>pelos desenvolvedores do Penwick</translation>
    </message>
</context>
</TS>