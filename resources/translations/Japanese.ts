<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ja">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>バックアップの管理</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>作成日時</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>このバックアップを削除してもよろしいですか？</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>バックアップのプレビュー</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>引用ブロック</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>太字の色</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>コードブロックの色</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>エディターの背景</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>見出しの色</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>水平線</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>画像の色</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>インラインコード</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>斜体の色</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>キーワードの色</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>行番号の背景</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>行番号の色</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>リンクの色</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>リストの色</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>取り消し線</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>表の色</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>文字の色</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>空白のドキュメントを作成</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>最後に閉じたドキュメントを開く</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>画像のパスをそのまま使用</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>画像を ./${filename}.assets フォルダーにコピー</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>システムの既定</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>お使いのシステムの言語はサポートされていないため、英語で表示します。</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>テーマのカスタマイズ手順</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. 下の「テーマフォルダーを開く」ボタンをクリックして、テーマのディレクトリを開きます。</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. 現在のテーマの .css ファイルを探し、メモ帳で開きます。</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. 次のスタイルを探すか、追加します：</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = フォントサイズ</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = フォント</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>お困りの際は、お気軽にフィードバックをお送りください。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>ビジュアルエディターのテーマ</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>コードブロックのテーマ</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>エディターのテーマ設定</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>起動オプション</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>自動バックアップ</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>左サイドバーを表示</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>画像のコピー方法</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>ファイルの関連付け</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効にする</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>.md ファイルに関連付ける</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>ビジュアルエディターのテーマスタイルをカスタマイズする方法</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>テーマフォルダーを開く</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>コードブロックのスタイル</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>CodeMirror のテーマデモをご覧ください</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>ソースエディターのテーマ設定</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>現在のテーマ：</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>テーマを保存</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>フォントサイズ</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>関連付けに失敗しました：管理者権限が必要な可能性があります。</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>.md ファイルに関連付けました。</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>.md ファイルの関連付けを解除しました。</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>関連付けを解除できませんでした。</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>色の選択</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>保存に失敗しました。</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>保存しました。</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>テーマのコピー</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>新しいテーマの名前：</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>この名前は既に使われています。</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>コピーしました。</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>このテーマを削除しますか？</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>リモート画像を読み込む</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>スペルチェック</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>入力中にスペルをチェックする</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>スペルチェック用の辞書がインストールされていません。スペルチェックには %1 に Hunspell 辞書（.dic と .aff ファイル）が必要です。</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>ハイパーリンクの設定</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>テキスト：</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>リンク：</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>無効な URL です</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>削除の確認</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>削除してもよろしいですか？</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>ビジュアルエディターが予期せず停止したため、再起動しました。ドキュメントは %1 時点の状態に復元されました。それ以降にビジュアルエディターで入力した内容は失われました。</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>ビジュアルエディターが予期せず停止したため、再起動しました。失われた内容はありません。</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>エクスポートに失敗しました</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML の内容が空です。</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>HTML の内容を解析できませんでした。</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Excel ファイルの保存</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel ファイル (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>エクスポート完了</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>ファイルを保存しました：
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>ファイルを保存できませんでした。アクセス権を確認してください。</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>フィードバック</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>メールでフィードバック</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>GitHub でフィードバック</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>検索：</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>キーワード…</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>前を検索</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>次を検索</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>大文字と小文字を区別</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>置換後：</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置換</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>置換 &amp;&amp; 検索</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>すべて置換</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>画像ホストの設定</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>アップロード URL</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>リクエストメソッド</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>ファイルフィールド</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>JSON の URL パス</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>リクエストヘッダー</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>フォームパラメーター</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>画像ホストの管理</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>テストアップロード</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>アップロード URL</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>ファイルフィールド</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON パス</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>先に画像ホストを選択してください。</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>画像 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>アップロード完了</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>アップロードに失敗しました</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>GitHub に Issue を送信</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>フィードバックのタイトルを入力…</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>問題点やご提案をご記入ください…</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>書式</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>表</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>番号付きリスト</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>箇条書きリスト</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>引用</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>インラインコード</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>水平線</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>書式のクリア</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>書式のクリア</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>取り消し線</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>表の挿入</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>リンクの削除</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>コードブロック</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>フィードバック</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>新しいウィンドウ</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>寄付</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>ズームを既定に戻す</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置換</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>見出し 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>見出し 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>見出し 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>見出し 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>見出し 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>見出し 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>段落</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>段落のインデント</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>プレーンテキストとして貼り付け</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>プレーンテキストとして貼り付け</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>下に行を挿入</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>上に行を挿入</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>左に列を挿入</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>右に列を挿入</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>行を上へ移動</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>行を下へ移動</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>列を左へ移動</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>列を右へ移動</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>列を左揃え</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>列を中央揃え</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>列を右揃え</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>行を削除</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>列を削除</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>表を削除</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>画像ホスティングサービス</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>ポータブル版をダウンロード</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>HTML を取得</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>公式サイト</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>ソースコードエディター</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>ビジュアルエディター</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>検索キーワードを入力…</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>ナビゲーション</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>ファイルブラウザー</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>ブルースカイ</translation>
    </message>
    <message>
        <source>word</source>
        <translation>語</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>ここをクリックしてください…</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>検索と置換</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>左サイドバーを非表示</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>左サイドバーを表示</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>バックアップしました</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>バックアップを削除しました</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>ファイル %1 を開けません：%2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Markdown ファイルを開く</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Markdown ファイルを保存</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>ファイル %1 を保存できません：%2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>保存しました</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>ビジュアルエディターからドキュメントを読み取れなかったため、何も書き込まれていません。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>ズーム倍率 %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>コピーしました</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>貼り付け操作</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>表の設定</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>エクスポートしました</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>%1 にエクスポートできません：%2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>エディターからドキュメントを取得できませんでした。</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>エクスポートのオプション</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>見出しナビゲーション付きの固定目次サイドバーを生成しますか？</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>HTML ファイルのエクスポート</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML ファイル (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Word ファイルのエクスポート</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word ファイル (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>PDF ファイルのエクスポート</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>ページを印刷できませんでした。</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>印刷しました</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>印刷に失敗しました</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>一致するテキストが見つかりません。</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>検索するテキストを入力してください。</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>置換する一致テキストがありません。</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1 件置換しました。</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Excel にエクスポート</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![画像の説明](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>現在のドキュメントは保存されていません。画像を貼り付ける前にファイルを保存してください。</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>ディレクトリの選択</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>アップデートのお知らせ</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>最新バージョンをお使いです。アップデートの必要はありません。</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>アップグレードのお知らせ</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>新しいバージョンが見つかりました</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>アップデーターを起動できませんでした：%1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>%2 時点の %1 のバックアップに、保存されなかった変更が含まれています。復元しますか？</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>エンコーディング：%1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>%1 への変更内容を保存しますか？</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 は、開いた後または保存した後に別のプログラムによって変更されています。その変更を上書きしますか？</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>ドキュメントには、ファイルのエンコーディング（%1）では保存できない文字が含まれています。代わりに UTF-8 で保存しますか？</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>%1 は別のプログラムによって削除または移動されました。</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>%1 は別のプログラムによって変更されました。保存されていない変更を破棄して再読み込みしますか？</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 は別のプログラムによって変更されたため、再読み込みしました。</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>%1 をシステムが使用するプログラムで開きますか?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>更新を確認できませんでした。</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>NUL バイトが含まれているため、テキストファイルではありません</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>保存しない</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>ファイルの関連付け</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>このアプリを .md ファイルを開く既定のプログラムに設定しますか？
「いいえ」を選んだ場合も、後から設定メニューで変更できます。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>既定の関連付けを設定できませんでした：管理者権限が必要か、システムポリシーによって操作がブロックされた可能性があります。</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>画像の設定</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>リンク：（ローカルパスまたはネットワーク上の URL に対応）</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>画像の選択</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>画像 (*.jpg *.jpeg *.bmp *.png *.gif);;すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>無効な画像パスです</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>候補なし</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>辞書に追加</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>無視</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>行数</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>列数</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>表の設定</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>ファイルを開けませんでした。</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>ネットワークエラー：%1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>レスポンスが有効な JSON オブジェクトではありません。</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>JSON から画像の URL を取得できませんでした。</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>は、手軽に使える Markdown 編集ツールです。ドキュメントの作成に使えるほか、PDF へのエクスポートなどの機能も備えています。</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> バージョン %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>開発：Penwick 開発者</translation>
    </message>
</context>
</TS>