#pragma once

#include "content.h"
#include "documentconverter.h"
#include "documentfile.h"

#include <QMainWindow>
#include <QMetaObject>
#include <QString>
#include <QTimer>

class QDockWidget;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QWebChannel;
class QPlainTextEditEx;
class QWebEngineViewEx;
class Highlighter;

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
    void showStatusMessage(const QString &text, const QString &colour, int seconds);
    void applyActionIcons();
    void loadEditorPage();
    void connectSyncDirection(bool visual);
    bool maybeDiscard();
    bool openFile(const QString &path, bool duringStartup = false);
    void rebuildRecentMenu();
    // The document as Markdown from the live editor; `read` is false when the
    // page could not give it.
    QString currentMarkdown(bool *read = nullptr);

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

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void onDockActivated(QDockWidget *dock);
    void highlightCurrentLine();

private:
    void createEditors();
    void createDocks();
    void placeDocks();
    void createMenus();
    void createStatusBarWidgets();
    void createToolBars();
    void showDocumentHtmlWhenPageReady(const QString &html);
    void giveDocumentToPage(const QString &markdown, bool afterPageLoad);
    void reportUnreadableDocument();
    void retranslateCodeTexts();
    void rebuildOutlineStyleSheet();
    void applyEditorTheme();

    Ui::MainWindow *ui;
    const QString titleFormat = QStringLiteral("%1%2%3");
    QString currentPath;
    QString currentFileName;
    bool modified = false;
    bool changedSinceBackup = false;
    bool fileUsesCrLf = MarkdownFile::platformUsesCrLf();
    QString pendingMarkdown;
    // What the page was last given, and whether it was edited since: stands in
    // for the page's own answer when the page cannot give one.
    QString pageMarkdown;
    bool pageEditedSinceGiven = false;

    QPlainTextEditEx *sourceEditor = nullptr;
    QWebEngineViewEx *webView = nullptr;
    Content content;
    QWebChannel *webChannel = nullptr;
    Highlighter *highlighter = nullptr;
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
    QMenu *colorSchemeMenu = nullptr;
    QAction *lightSchemeAction = nullptr;
    QAction *darkSchemeAction = nullptr;
    QAction *blueSkySchemeAction = nullptr;

    QMetaObject::Connection syncConnection;
};
