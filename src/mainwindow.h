#pragma once

#include "content.h"
#include "documentconverter.h"
#include "documentsession.h"
#include "outline.h"

#include <QFutureWatcher>
#include <QHash>
#include <QMainWindow>
#include <QMetaObject>
#include <QNetworkReply>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class ConfigWindow;
class LaTeXEditorDialog;
class QCheckBox;
class QDockWidget;
class QTreeWidgetItem;
class QDropEvent;
class QMimeData;
class TableDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QNetworkAccessManager;
class QPrinter;
class QPushButton;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QWebChannel;
class QPlainTextEditEx;
class QWebEngineViewEx;
class Highlighter;
class PageSpelling;
class SourceSpelling;
class SpellChecker;
class DocumentEditors;
class QMessageBox;

namespace Ui {
class MainWindow;
}

// The one window of the process: both editors in tabbed docks, the side docks,
// menus, tool bars and status bar. It coordinates; the logic lives in small units.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(const QString &startupFile, QWidget *parent = nullptr);
    ~MainWindow() override;

    void updateTitle();
    bool isVisualEditorShown() const;
    // A quiet message (a backup's) never hides one the user asked for while it shows.
    void showStatusMessage(const QString &text, const QString &colour, int seconds, bool quiet = false);
    void applyActionIcons();
    void loadEditorPage();
    ConfigWindow *configurationWindow();
    // True when the document may be replaced or closed: it is saved, or the
    // user chose to save it or to throw the changes away.
    bool maybeDiscard();
    bool openFile(const QString &path);
    void rebuildRecentMenu();
    // The document as Markdown from the live editor, once a hand-over in
    // progress is done; `read` is false when the page could not give it.
    QString currentMarkdown(bool *read = nullptr);
    DocumentSession *documentSession() const { return session; }
    EditorPage *editorPage() const { return page; }
    void dispatchMimeData(const QMimeData *data);
    // Runs `pageCall` (with %1 and %2 for x and y) when a table is at `point`;
    // (-1, -1) stands for the mouse pointer.
    void runTableCommand(const QString &pageCall, QPoint point);
    // Asks the product's site for the latest version; a manual check also says
    // when there is nothing newer.
    void checkForUpdate(bool manual);

signals:
    void changeThemeSignal();

public slots:
    void changeMode(int index);
    void onWebViewChage(bool status);
    void onEditorChage();
    void on_actionNew_triggered();
    void on_actionOpen_triggered();
    void on_actionSave_triggered();
    void on_actionSaveAs_triggered();
    void on_actionNewWindow_triggered();
    void on_actionExit_triggered();
    bool saveToFile(const QString &markdown);
    void openRecentFile();
    void setEditorFontSize(int fontSize);

    // Formatting, clipboard and zoom.
    void on_actionBold_triggered();
    void on_actionItal_triggered();
    void on_actionStrike_triggered();
    void on_actionCode_triggered();
    void on_actionCodeBlock_triggered();
    void on_actionHeading1_triggered();
    void on_actionHeading2_triggered();
    void on_actionHeading3_triggered();
    void on_actionHeading4_triggered();
    void on_actionHeading5_triggered();
    void on_actionHeading6_triggered();
    void on_actionQuot_triggered();
    void on_actionParagraph_triggered();
    void on_actionOrderLine_triggered();
    void on_actionUnOrderLine_triggered();
    void on_actionHoriLine_triggered();
    void on_actionIndent_triggered();
    void on_actionClear_triggered();
    void on_actionUnlink_triggered();
    void on_actionUndo_triggered();
    void on_actionRedo_triggered();
    void on_actionCopy_triggered();
    void on_actionCut_triggered();
    void on_actionDel_triggered();
    void on_actionSelectAll_triggered();
    void on_actionPaste_triggered();
    void on_actionPasteAsText_triggered();
    void on_actionZoomIn_triggered();
    void on_actionZoomOut_triggered();
    void on_actionDefaultZoom_triggered();
    void onCopyPrompt();

    // Tables.
    void on_actionTable_triggered();
    void on_actionAddRowBelow_triggered();
    void on_actionAddRowAbove_triggered();
    void on_actionAddColumnLeft_triggered();
    void on_actionAddColumnRight_triggered();
    void on_actionUpRow_triggered();
    void on_actionDownRow_triggered();
    void on_actionShiftLeftColumn_triggered();
    void on_actionShiftRightColumn_triggered();
    void on_actionLeftAlignColumn_triggered();
    void on_actionCenterAlignColumn_triggered();
    void on_actionRightAlignColumn_triggered();
    void on_actionDeleteRow_triggered();
    void on_actionDeleteColumn_triggered();
    void on_actionDeleteTable_triggered();

    // Links, formulas, images.
    void on_actionLink_triggered();
    void dealLinkSignal(const QJsonObject &jsonData);
    void on_actionLaTeX_triggered();
    void dealModifyLaTeXSignal(const QString &forluma, const QString &xpath);
    void on_actionImage_triggered();
    void dropEventWebView(QDropEvent *event);

    // Outline, word count and the sidebar.
    void onEditorChageTimeout();
    void onUpdateLeftBar();
    void onUpdateLeftBarWebView(const QVariantList &list);
    void onTreeItemClicked(QTreeWidgetItem *item, int column);
    void showLeftBar(bool checked);
    void setLeftBar(bool checked);
    void onUpdateWordCount();
    void onUpdateWordCountWebView(const QString &text);
    void onCursorPositionChanged();

    // Find and replace.
    void on_actionFind_triggered();
    void on_actionReplace_triggered();
    void onFindNext();
    void onFindPrevious();
    void onReplace();
    void onReplaceAndFind();
    void onReplaceAll();

    // File browser.
    void onSelectFolder();
    void loadFolderToTree(const QString &dirPath, QTreeWidgetItem *parentItem = nullptr);
    void onFileTreeItemDoubleClick(QTreeWidgetItem *item, int column);

    // Backups.
    void autoBackup();
    bool backup(const QString &markdown);
    void on_actionBackup_triggered();

    // Export and print.
    void on_actionHTML_triggered();
    void on_actionPDF_triggered();
    void on_actionWordDocx_triggered();
    void on_actionPrint_triggered();
    void on_actionGet_HTML_triggered();

    // Settings and themes.
    void on_actionConfiguration_triggered();
    void changeTheme();
    void changeCssTheme();
    void changeCodeMirrorStyle();

    // Help, feedback, updates and image hosts.
    void on_actionHelp_triggered();
    void on_actionDonate_triggered();
    void on_actionFeedback_triggered();
    void on_actionAbout_triggered();
    void on_actionLicenses_triggered();
    void on_actionGithub_Release_triggered();
    void on_actionCheck_for_Updates_triggered();
    void on_actionOfficial_Website_triggered();
    void on_actionImage_Hosting_Service_triggered();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private slots:
    void onEditorTabActivated(QDockWidget *dock);
    void onEditorDockShownOrHidden();
    void showContextMenu(const QPoint &point);
    // Ctrl+V in the Visual Editor.
    void pasteByKeyboard();

private:
    void createEditors();
    void createDocks();
    void placeDocks();
    void createMenus();
    void createStatusBarWidgets();
    void createToolBars();
    void createViewMenu();
    bool openDocument(const QString &path, bool offerBackup);
    void documentReplaced();
    DocumentSession::Read readDocument();
    bool saveDocument();
    bool saveDocumentAs(const DocumentSession::Read &read);
    bool writeDocument(const QString &path, const DocumentSession::Read &read);
    void reportUnreadableDocument();
    void onDiskChanged(MarkdownFile::DiskState state);
    void showRecoveryNotice(const QString &notice);
    void openLink(const QString &href);
    void updateHighlighterPause();
    void keepLastEditorDockOpen();
    void bringEditorToFront(DocumentSession::Editor editor);
    void retranslateCodeTexts();
    void rebuildOutlineStyleSheet();
    void applyEditorTheme();
    void applySpellingSettings();
    void connectEditingCommands();
    void connectNavigation();
    void createFindPanel();
    void startHeadingScan(const QString &markdown);
    void startWordCount(const QString &text);
    void filterOutline(const QString &text);
    void refreshSidebarIcon();
    void findInSource(bool backwards, bool asTyped = false);
    void findInPage(bool backwards, bool asTyped = false);
    void loadFolderWhenExpanded(QTreeWidgetItem *item);
    void startBackups();
    void applyBackupSetting(bool enabled);
    void offerNewerBackup(const QString &documentPath);
    void restoreBackup(const QString &backupPath);
    void deleteBackup(const QString &path);
    // The page's HTML as a standalone page, asking about the table of contents.
    void exportPage(const QString &title, const QString &filter, bool forWord, const QString &lineEnd);
    void reportExport(bool written, const QString &path, const QString &error);
    // The command's snippet when the Visual Editor is shown, else its Markdown edit.
    void pageOrMarkdown(const QString &snippet, const std::function<void()> &markdownEdit);
    void reportImageNeedsSavedDocument();
    // Where an export's file dialog starts: beside the document, named after it.
    QString exportTarget(const QString &suffix) const;
    void applyHeading(int level);
    QPoint pagePoint(QPoint viewPoint) const;
    void insertIntoSource(const QString &text);
    void setZoom(double factor, const QVariant &stored);
    QMenu *tableMenu(const QPoint &point);
    void insertImageLink(const QString &link);
    void handleUpdateReply(QNetworkReply *reply, bool manual);
    void startUpdater();

    Ui::MainWindow *ui;
    const QString titleFormat = QStringLiteral("%1%2%3");

    QPlainTextEditEx *sourceEditor = nullptr;
    QWebEngineViewEx *webView = nullptr;
    Content content;
    EditorPage *page = nullptr;
    std::unique_ptr<DocumentEditors> editors;
    DocumentSession *session = nullptr;
    Highlighter *highlighter = nullptr;
    SpellChecker *spellChecker = nullptr;
    SourceSpelling *sourceSpelling = nullptr;
    PageSpelling *pageSpelling = nullptr;
    bool statusIsQuiet = false;
    DocumentConverter converter;

    QDockWidget *sourceDock = nullptr;
    QDockWidget *visualDock = nullptr;
    QDockWidget *navigationDock = nullptr;
    QDockWidget *fileBrowserDock = nullptr;
    QDockWidget *findDock = nullptr;
    QTreeWidget *outlineTree = nullptr;
    QLineEdit *navigationSearch = nullptr;
    QPushButton *selectFolderButton = nullptr;
    QTreeWidget *fileTree = nullptr;

    QToolButton *sidebarToggle = nullptr;
    QLabel *infoLabel = nullptr;
    QLabel *statusLabel = nullptr;
    QLabel *wordCountLabel = nullptr;
    QLabel *wordUnitLabel = nullptr;
    QTimer *statusClearTimer = nullptr;

    QToolBar *paragraphToolBar = nullptr;
    QToolBar *orderLineToolBar = nullptr;
    QToolBar *insertToolBar = nullptr;

    QMenu *recentMenu = nullptr;
    QMenu *viewMenu = nullptr;
    QMenu *colorSchemeMenu = nullptr;
    QAction *lightSchemeAction = nullptr;
    QAction *darkSchemeAction = nullptr;
    QAction *blueSkySchemeAction = nullptr;


    QTimer *editorChangeTimer = nullptr;
    QFutureWatcher<QList<HeaderData>> headingWatcher;
    QFutureWatcher<int> wordCountWatcher;

    QLineEdit *findEdit = nullptr;
    QLineEdit *replaceEdit = nullptr;
    QCheckBox *caseSensitiveBox = nullptr;

    QString rootFolderPath;

    QNetworkAccessManager *updateNetwork = nullptr;
    QPointer<QNetworkReply> updateReply;

    QString backupFolder;
    QString currentBackupName;
    QString currentBackupPath;
    QTimer *autoBackupTimer = nullptr;

    QPrinter *printer = nullptr;
    ConfigWindow *configWindow = nullptr;

    LaTeXEditorDialog *latexDialog = nullptr;
    TableDialog *tableDialog = nullptr;
    QPointer<QMenu> contextMenu;
    QPointer<QMessageBox> recoveryNotice;
    // The page call of each table command, with %1 and %2 for the point.
    QHash<QAction *, QString> tablePageCalls;
};
