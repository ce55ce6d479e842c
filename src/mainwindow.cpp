#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "actionicons.h"
#include "config.h"
#include "configwindow.h"
#include "documenteditors.h"
#include "editortheme.h"
#include "highlighter.h"
#include "MsgBoxHelper.h"
#include "pagetemplate.h"
#include "pagespelling.h"
#include "palettes.h"
#include "QPlainTextEditEx.h"
#include "QWebEngineViewEx.h"
#include "recentfiles.h"
#include "RegistryHelper.h"
#include "resources.h"
#include "sourcespelling.h"
#include "spellchecker.h"
#include "windowlayout.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextStream>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebChannel>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include <exception>

namespace {
// A disc: the scheme's window colour above its base colour.
QIcon schemeIcon(int scheme)
{
    QPixmap pixmap(128, 128);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRectF disc(1, 1, 126, 126);
    painter.setBrush(Palettes::windowColour(scheme));
    painter.drawChord(disc, 0, 180 * 16);
    painter.setBrush(Palettes::baseColour(scheme));
    painter.drawChord(disc, 180 * 16, 180 * 16);
    return QIcon(pixmap);
}

constexpr int sideDockMinimumWidth = 50;
constexpr int sideDockMaximumWidth = 250;
constexpr int fileTreeMinimumHeight = 80;

QString outlineStyleSheet(const QPalette &palette)
{
    return QStringLiteral(
               "QTreeWidget { font-size: 14px; font-family: \"Microsoft YaHei\"; background-color: %1; color: %2; }"
               "QHeaderView::section { background-color: %3; color: %2; }"
               "QTreeWidget::item { height: 20px; padding-left: 10px; padding-top: 3px; padding-bottom: 3px;"
               " margin: 2px 0px; }")
        .arg(palette.color(QPalette::Base).name(), palette.color(QPalette::WindowText).name(),
             palette.color(QPalette::Window).name());
}
}

MainWindow::MainWindow(const QString &startupFile, QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , content(this)
{
    content.setObjectName(QStringLiteral("content"));
    ui->setupUi(this);
    setObjectName(QStringLiteral("MainWindow"));
    try {
        createEditors();
        createStatusBarWidgets();
        // The page takes the document once it is ready; until then it answers
        // with it. Read before the page loads, a small one comes with the page.
        if (startupFile.isEmpty() || !openDocument(startupFile, false))
            QTimer::singleShot(0, this, [this] { offerNewerBackup(QString()); });
        else
            QTimer::singleShot(0, this, [this, startupFile] { offerNewerBackup(startupFile); });
        // The page loads in the engine's own process while the window is built.
        loadEditorPage();
        rebuildOutlineStyleSheet();
        setWindowIcon(QIcon(QStringLiteral(":/resources/logo.png")));
        updateTitle();
        delete takeCentralWidget();
        setDockNestingEnabled(true);
        createDocks();
        placeDocks();
        createMenus();

        webView->setAcceptDrops(true);
        setAcceptDrops(false);
        setMouseTracking(true);
        webView->settings()->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
        webView->setFocus();

        webView->setContextMenuPolicy(Qt::CustomContextMenu);
        createToolBars();
        applyActionIcons();
        rebuildRecentMenu();
        connectEditingCommands();

        webView->setZoomFactor(Config::get(Config::Zoom).toDouble());

        connect(this, &QMainWindow::tabifiedDockWidgetActivated, this, &MainWindow::onEditorTabActivated);
        for (QDockWidget *dock : {sourceDock, visualDock})
            connect(dock, &QDockWidget::visibilityChanged, this, &MainWindow::onEditorDockShownOrHidden);

        createFindPanel();
        createViewMenu();
        connectNavigation();
        startBackups();
        // As the user left it; the document goes to the editor shown in front.
        if (WindowLayout::restore(this, visualDock, sourceDock))
            bringEditorToFront(DocumentSession::Editor::Source);
        applySpellingSettings();
        checkForUpdate(false);
        QTimer::singleShot(500, this, [this] { promptFileAssociation(this); });
    } catch (const std::exception &e) {
        qCritical() << "Standard exception caught:" << e.what();
    }
    applyEditorTheme();
}

MainWindow::~MainWindow()
{
    // The docks go with the window's children: what they report on the way is not a switch.
    for (QDockWidget *dock : {sourceDock, visualDock})
        dock->disconnect(this);
    // The page answers what is still pending while it goes, after the widgets it would touch.
    page->shutDown();
    delete printer;
    delete ui;
}

void MainWindow::createEditors()
{
    sourceEditor = new QPlainTextEditEx(this);
    sourceEditor->setObjectName(QStringLiteral("sourceEditor"));
    // The engine looks for its dictionaries' folder once, as it starts, and
    // takes it only if it exists by then.
    QDir().mkpath(PageSpelling::engineDictionaryFolder());
    qputenv("QTWEBENGINE_DICTIONARIES_PATH", QFile::encodeName(PageSpelling::engineDictionaryFolder()));
    webView = new QWebEngineViewEx(this);
    webView->setObjectName(QStringLiteral("webView"));
    page = new EditorPage(webView, &content, this);
    page->setObjectName(QStringLiteral("editorPage"));
    page->setRemoteImagesAllowed(Config::get(Config::LoadRemoteImages).toBool());
    editors = std::make_unique<DocumentEditors>(sourceEditor, page);
    session = new DocumentSession(editors.get(), this);
    session->setObjectName(QStringLiteral("documentSession"));
    connect(page, &EditorPage::documentAnswered, session, &DocumentSession::pageAnswered);
    connect(page, &EditorPage::lost, session, &DocumentSession::pageLost);
    connect(page, &EditorPage::keysTyped, session, &DocumentSession::pageTyped);
    connect(page, &EditorPage::pasteKeyPressed, this, &MainWindow::pasteByKeyboard);
    connect(&content, &Content::updateModifyStatusSignal, this, &MainWindow::onWebViewChage);
    connect(&content, &Content::linkOpened, this, &MainWindow::openLink);
    connect(sourceEditor, &QPlainTextEdit::textChanged, this, &MainWindow::onEditorChage);
    connect(session, &DocumentSession::modifiedChanged, this, [this](bool modified) {
        if (!modified)
            editors->markSourceUnmodified();
        updateTitle();
    });
    connect(session, &DocumentSession::handOverSettled, this, &MainWindow::updateHighlighterPause);
    connect(session, &DocumentSession::recovered, this, &MainWindow::showRecoveryNotice);
    connect(session, &DocumentSession::diskChanged, this, &MainWindow::onDiskChanged);
    spellChecker = new SpellChecker(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/dictionary.txt"), this);
    sourceSpelling = new SourceSpelling(sourceEditor, spellChecker, this);
    pageSpelling = new PageSpelling(webView->page()->profile(), page, spellChecker, this);
    connect(sourceEditor, &QPlainTextEditEx::contextMenuOpening, sourceSpelling, &SourceSpelling::offerCorrections);
    outlineTree = new QTreeWidget(this);
    outlineTree->setObjectName(QStringLiteral("outlineTree"));
    outlineTree->setColumnCount(1);
    outlineTree->setHeaderLabel(tr("Title"));
}

// At start and whenever the settings change: both editors check in the chosen language or not at all.
void MainWindow::applySpellingSettings()
{
    const SpellChecker::Choice choice = SpellChecker::storedChoice();
    spellChecker->setLanguage(choice.language);
    sourceSpelling->setEnabled(choice.on);
    pageSpelling->setEnabled(choice.on);
}

// Again whenever a theme is chosen or saved in the settings: it shows at once.
void MainWindow::applyEditorTheme()
{
    sourceEditor->setAutoFillBackground(true);
    sourceEditor->setFrameShape(QFrame::NoFrame);
    const EditorTheme chosen = EditorTheme::chosen();
    if (!highlighter) {
        highlighter = new Highlighter(sourceEditor->document(), chosen);
        editors->setHighlighter(highlighter);
        updateHighlighterPause();
        connect(sourceEditor, &QPlainTextEdit::cursorPositionChanged, this, &MainWindow::onCursorPositionChanged);
    } else {
        highlighter->setTheme(chosen);
    }
    const EditorTheme &theme = highlighter->theme();
    sourceEditor->setGutterTheme(theme);
    QFont font(theme.fontFamily());
    font.setFixedPitch(true);
    font.setPointSize(theme.fontSize());
    font.setHintingPreference(QFont::PreferFullHinting);
    sourceEditor->setFont(font);
    sourceEditor->setTabStopDistance(4 * QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')));

    QPalette palette = sourceEditor->palette();
    palette.setBrush(QPalette::All, QPalette::Base, theme.colour(QStringLiteral("editorBackground")));
    const QColor text = theme.colour(QStringLiteral("textColor"));
    palette.setBrush(QPalette::All, QPalette::Text, text.isValid() ? text : QColor(Qt::black));
    sourceEditor->setPalette(palette);
    sourceEditor->setStyleSheet(QString());
    sourceEditor->viewport()->update();
}

// The whole line of the cursor is shaded.
void MainWindow::onCursorPositionChanged()
{
    QTextEdit::ExtraSelection line;
    line.format.setBackground(QColor(181, 181, 181));
    line.format.setProperty(QTextFormat::FullWidthSelection, true);
    line.cursor = sourceEditor->textCursor();
    line.cursor.clearSelection();
    sourceEditor->setCurrentLineMark(line);
}

void MainWindow::setEditorFontSize(int fontSize)
{
    sourceEditor->setStyleSheet(QStringLiteral("QPlainTextEdit{font-size: %1px;}").arg(fontSize));
}

void MainWindow::rebuildOutlineStyleSheet()
{
    outlineTree->setStyleSheet(outlineStyleSheet(palette()));
}

void MainWindow::createDocks()
{
    const auto editorDock = [this](const QString &title, const QString &name, QWidget *editor) {
        auto *dock = new QDockWidget(title, this);
        dock->setObjectName(name);
        dock->setFeatures(QDockWidget::DockWidgetClosable);
        dock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
        dock->setWidget(editor);
        return dock;
    };
    sourceDock = editorDock(tr("Source Code Editor"), QStringLiteral("dockEditor"), sourceEditor);
    visualDock = editorDock(tr("Visual Editor"), QStringLiteral("dockWebView"), webView);

    auto *navigationWidget = new QWidget(this);
    auto *navigationLayout = new QVBoxLayout(navigationWidget);
    navigationLayout->setContentsMargins(4, 4, 4, 4);
    navigationLayout->setSpacing(2);
    navigationSearch = new QLineEdit(navigationWidget);
    navigationSearch->setObjectName(QStringLiteral("navigationSearch"));
    navigationSearch->setPlaceholderText(tr("Enter keywords to search..."));
    navigationSearch->setClearButtonEnabled(true);
    navigationLayout->addWidget(navigationSearch);
    navigationLayout->addWidget(outlineTree);
    navigationDock = new QDockWidget(tr("Navigation"), this);
    navigationDock->setObjectName(QStringLiteral("dockNavigation"));
    navigationDock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable
                                | QDockWidget::DockWidgetFloatable);
    navigationDock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    navigationDock->setWidget(navigationWidget);

    auto *browserWidget = new QWidget(this);
    auto *browserLayout = new QVBoxLayout(browserWidget);
    browserLayout->setContentsMargins(4, 4, 4, 4);
    browserLayout->setSpacing(4);
    selectFolderButton = new QPushButton(tr("Select Folder"), browserWidget);
    selectFolderButton->setObjectName(QStringLiteral("selectFolderButton"));
    fileTree = new QTreeWidget(browserWidget);
    fileTree->setObjectName(QStringLiteral("fileTree"));
    fileTree->setColumnCount(1);
    fileTree->setHeaderLabel(tr("Files"));
    fileTree->setMinimumHeight(fileTreeMinimumHeight);
    browserLayout->addWidget(selectFolderButton);
    browserLayout->addWidget(fileTree);
    fileBrowserDock = new QDockWidget(tr("File Browser"), this);
    fileBrowserDock->setObjectName(QStringLiteral("dockFileBrowser"));
    fileBrowserDock->setWidget(browserWidget);
}

void MainWindow::placeDocks()
{
    addDockWidget(Qt::LeftDockWidgetArea, navigationDock);
    tabifyDockWidget(navigationDock, fileBrowserDock);
    navigationDock->raise();
    addDockWidget(Qt::RightDockWidgetArea, visualDock);
    addDockWidget(Qt::RightDockWidgetArea, sourceDock);
    tabifyDockWidget(sourceDock, visualDock);
    for (QDockWidget *dock : {navigationDock, fileBrowserDock}) {
        dock->setMinimumWidth(sideDockMinimumWidth);
        dock->setMaximumWidth(sideDockMaximumWidth);
    }
}

void MainWindow::createMenus()
{
    recentMenu = new QMenu(tr("Recently Opened"), this);
    recentMenu->setObjectName(QStringLiteral("menuRecent"));
    ui->menuFile->addMenu(recentMenu);

    colorSchemeMenu = new QMenu(tr("Theme"), this);
    colorSchemeMenu->setObjectName(QStringLiteral("menuColorScheme"));
    const int scheme = Config::get(Config::ColourScheme).toInt();
    const auto addScheme = [&](const QString &text, int value) {
        QAction *action = colorSchemeMenu->addAction(schemeIcon(value), text);
        action->setData(value);
        action->setCheckable(true);
        action->setChecked(scheme == value);
        connect(action, &QAction::triggered, this, &MainWindow::changeTheme);
        return action;
    };
    lightSchemeAction = addScheme(tr("Light"), 0);
    darkSchemeAction = addScheme(tr("Dark"), 1);
    blueSkySchemeAction = addScheme(tr("Blue Sky"), 2);
    ui->menuOptions->addMenu(colorSchemeMenu);
}

void MainWindow::createStatusBarWidgets()
{
    const bool showLeftSidebar = Config::get(Config::ShowLeftSidebar).toBool();
    sidebarToggle = new QToolButton(this);
    sidebarToggle->setObjectName(QStringLiteral("sidebarToggle"));
    sidebarToggle->setCheckable(true);
    sidebarToggle->setChecked(showLeftSidebar);
    sidebarToggle->setAutoRaise(true);
    infoLabel = new QLabel(this);
    infoLabel->setObjectName(QStringLiteral("infoLabel"));
    infoLabel->setStyleSheet(QStringLiteral("color: #555;"));
    statusLabel = new QLabel(this);
    statusLabel->setObjectName(QStringLiteral("statusLabel"));
    statusLabel->setMargin(5);
    statusClearTimer = new QTimer(statusLabel);
    statusClearTimer->setSingleShot(true);
    connect(statusClearTimer, &QTimer::timeout, statusLabel, &QLabel::clear);
    wordCountLabel = new QLabel(QStringLiteral("0"), this);
    wordCountLabel->setObjectName(QStringLiteral("wordCountLabel"));
    wordUnitLabel = new QLabel(tr("word"), this);
    wordUnitLabel->setObjectName(QStringLiteral("wordUnitLabel"));

    ui->statusbar->addWidget(sidebarToggle);
    ui->statusbar->addWidget(infoLabel);
    ui->statusbar->addWidget(statusLabel);
    ui->statusbar->addPermanentWidget(wordCountLabel);
    ui->statusbar->addPermanentWidget(wordUnitLabel);
}

void MainWindow::createToolBars()
{
    ui->toolBar->setIconSize(QSize(20, 20));
    QFont toolBarFont = ui->toolBar->font();
    toolBarFont.setPointSize(12);
    ui->toolBar->setFont(toolBarFont);

    const auto toolBar = [this](const QString &name, const QList<QAction *> &actions) {
        QToolBar *bar = addToolBar(name);
        bar->setObjectName(name);
        bar->setIconSize(QSize(15, 15));
        bar->addActions(actions);
        return bar;
    };
    paragraphToolBar = toolBar(QStringLiteral("Paragraph"),
                               {ui->actionParagraph, ui->actionIndent, ui->actionHeading1, ui->actionHeading2,
                                ui->actionHeading3, ui->actionHeading4, ui->actionHeading5, ui->actionHeading6});
    orderLineToolBar = toolBar(QStringLiteral("OrderLine"),
                               {ui->actionQuot, ui->actionOrderLine, ui->actionUnOrderLine, ui->actionHoriLine});
    insertToolBar = toolBar(QStringLiteral("insert"),
                            {ui->actionLaTeX, ui->actionTable, ui->actionCode, ui->actionCodeBlock, ui->actionLink,
                             ui->actionUnlink, ui->actionImage});
}

void MainWindow::applyActionIcons()
{
    const QColor colour = palette().color(QPalette::WindowText);
    const auto setIcon = [this](const char *objectName, const QIcon &icon) {
        if (auto *action = findChild<QAction *>(QLatin1String(objectName)))
            action->setIcon(icon);
        else if (auto *menu = findChild<QMenu *>(QLatin1String(objectName)))
            menu->setIcon(icon);
    };
    for (const ActionIcons::Glyph &glyph : ActionIcons::glyphs())
        setIcon(glyph.objectName, ActionIcons::glyphIcon(QChar(glyph.codePoint), colour));
    for (const ActionIcons::Picture &picture : ActionIcons::recolouredPictures())
        setIcon(picture.objectName, ActionIcons::svgIconFromFile(QLatin1String(picture.path), colour));
    for (const ActionIcons::Picture &picture : ActionIcons::fixedPictures())
        setIcon(picture.objectName, QIcon(QLatin1String(picture.path)));
    refreshSidebarIcon();
}

void MainWindow::loadEditorPage()
{
    page->load(pageSettingsFromStore(themesFolder(),
                                     tr("Please click here...")));
}

void MainWindow::createViewMenu()
{
    viewMenu = new QMenu(tr("View"), this);
    viewMenu->setObjectName(QStringLiteral("menuView"));
    viewMenu->addActions({sourceDock->toggleViewAction(), visualDock->toggleViewAction()});
    viewMenu->addSeparator();
    viewMenu->addActions({navigationDock->toggleViewAction(), fileBrowserDock->toggleViewAction(),
                          findDock->toggleViewAction()});
    menuBar()->insertMenu(ui->menuOptions->menuAction(), viewMenu);
    // A dock's entry takes its title, where "&" would mark a shortcut letter.
    for (QDockWidget *dock : {sourceDock, visualDock, navigationDock, fileBrowserDock, findDock}) {
        const auto entryText = [dock] { dock->toggleViewAction()->setText(dock->windowTitle().replace(QLatin1Char('&'), QLatin1String("&&"))); };
        entryText();
        connect(dock, &QWidget::windowTitleChanged, this, entryText);
    }
}

// Built when first opened, then kept: most sessions never open it, and it
// holds the language list, theme pictures and fonts for every script.
ConfigWindow *MainWindow::configurationWindow()
{
    if (configWindow)
        return configWindow;
    configWindow = new ConfigWindow(this);
    connect(configWindow, &ConfigWindow::changeCssThemeSignal, this, &MainWindow::changeCssTheme);
    connect(configWindow, &ConfigWindow::zoomValueChangeSignal, webView, &QWebEngineView::setZoomFactor);
    connect(configWindow, &ConfigWindow::showLeftSidebarClickSignal, this, &MainWindow::showLeftBar);
    connect(configWindow, &ConfigWindow::autoBackupToggledSignal, this, &MainWindow::applyBackupSetting);
    connect(configWindow, &ConfigWindow::remoteImagesToggledSignal, page, &EditorPage::setRemoteImagesAllowed);
    connect(configWindow, &ConfigWindow::changeCodeMirrorStyleSignal, this, &MainWindow::changeCodeMirrorStyle);
    connect(configWindow, &ConfigWindow::editorThemeChangedSignal, this, &MainWindow::applyEditorTheme);
    connect(configWindow, &ConfigWindow::spellingChangedSignal, this, &MainWindow::applySpellingSettings);
    connect(this, &MainWindow::changeThemeSignal, configWindow, &ConfigWindow::applyPaletteToTree);
    return configWindow;
}

void MainWindow::on_actionConfiguration_triggered()
{
    configurationWindow()->exec();
}

void MainWindow::changeTheme()
{
    auto *chosen = qobject_cast<QAction *>(sender());
    for (QAction *action : {lightSchemeAction, darkSchemeAction, blueSkySchemeAction}) {
        action->setCheckable(true);
        action->setChecked(false);
    }
    const int scheme = chosen ? chosen->data().toInt() : 0;
    Config::set(Config::ColourScheme, scheme);
    if (chosen)
        chosen->setChecked(true);
    QApplication::setPalette(Palettes::forScheme(scheme));
    rebuildOutlineStyleSheet();
    applyActionIcons();
    // Dark darkens both editors as well, where they show the default themes;
    // a theme of the user's own choosing stays.
    const bool dark = scheme == 1;
    const auto follow = [dark](Config::Key key, const QString &darkName) {
        const QString light = Config::defaultValue(key).toString();
        if (Config::get(key).toString() == (dark ? light : darkName))
            Config::set(key, dark ? darkName : light);
    };
    follow(Config::EditorTheme, QStringLiteral("dark"));
    follow(Config::PreviewTheme, QStringLiteral("github-markdown-dark"));
    if (configWindow)
        configWindow->refreshThemeList();
    applyEditorTheme();
    changeCssTheme();
    emit changeThemeSignal();
}

void MainWindow::changeCssTheme()
{
    const QString name = Config::get(Config::PreviewTheme).toString();
    QString url = QUrl::fromLocalFile(themesFolder() + QStringLiteral("/%1.css").arg(name))
                            .toString(QUrl::FullyEncoded);
    page->runOnPage(QStringLiteral("document.getElementById('themecss').href='%1';").arg(url.replace(QLatin1Char('\''), QStringLiteral("%27"))));
}

void MainWindow::changeCodeMirrorStyle()
{
    const QString name = Config::get(Config::CodeBlockStyle).toString();
    const QString safeName = QString(name).remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")));
    const QString href = safeName == QLatin1String("default") ? QString() : QStringLiteral("qrc:/codemirror/theme/%1.css").arg(safeName);
    page->runOnPage(QStringLiteral("document.getElementById('cmthemecss').href='%1';changeCmTheme('%2');").arg(href, safeName));
}

void MainWindow::updateTitle()
{
    const QString fileName = session->fileName();
    setWindowTitle(titleFormat.arg(session->isModified() ? QStringLiteral("*") : QString(),
                                   fileName.isEmpty() ? tr("Untitled") : fileName,
                                   QStringLiteral(" -  ") + QCoreApplication::applicationName()));
}

bool MainWindow::isVisualEditorShown() const
{
    return session->editorInFront() == DocumentSession::Editor::Visual;
}

void MainWindow::showStatusMessage(const QString &text, const QString &colour, int seconds, bool quiet)
{
    if (quiet && !statusIsQuiet && statusClearTimer->isActive())
        return;
    statusIsQuiet = quiet;
    statusLabel->setStyleSheet(QStringLiteral("color: %1;").arg(colour));
    statusLabel->setText(text);
    // One timer, restarted: a newer message keeps its full time on screen.
    if (seconds > 0)
        statusClearTimer->start(seconds * 1000);
    else
        statusClearTimer->stop();
}

void MainWindow::changeMode(int index)
{
    switch (index) {
    case 0:
        sourceDock->show();
        visualDock->show();
        addDockWidget(Qt::RightDockWidgetArea, sourceDock);
        addDockWidget(Qt::RightDockWidgetArea, visualDock);
        tabifyDockWidget(sourceDock, visualDock);
        break;
    case 1:
        sourceDock->hide();
        visualDock->show();
        addDockWidget(Qt::RightDockWidgetArea, visualDock);
        break;
    case 2:
        visualDock->hide();
        sourceDock->show();
        addDockWidget(Qt::RightDockWidgetArea, sourceDock);
        break;
    default:
        break;
    }
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslateCodeTexts();
    }
}

void MainWindow::retranslateCodeTexts()
{
    if (!findDock)
        return;
    colorSchemeMenu->setTitle(tr("Theme"));
    lightSchemeAction->setText(tr("Light"));
    darkSchemeAction->setText(tr("Dark"));
    blueSkySchemeAction->setText(tr("Blue Sky"));
    recentMenu->setTitle(tr("Recently Opened"));
    viewMenu->setTitle(tr("View"));
    wordUnitLabel->setText(tr("word"));
    sourceDock->setWindowTitle(tr("Source Code Editor"));
    visualDock->setWindowTitle(tr("Visual Editor"));
    navigationDock->setWindowTitle(tr("Navigation"));
    fileBrowserDock->setWindowTitle(tr("File Browser"));
    findDock->setWindowTitle(tr("Find & Replace"));
    navigationSearch->setPlaceholderText(tr("Enter keywords to search..."));
    selectFolderButton->setText(tr("Select Folder"));
    fileTree->setHeaderLabel(tr("Files"));
    sidebarToggle->setToolTip(sidebarToggle->isChecked() ? tr("Hide Left Sidebar") : tr("Show Left Sidebar"));
    outlineTree->setHeaderLabel(tr("Title"));
    page->setPlaceholder(tr("Please click here..."));
    updateTitle();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!maybeDiscard()) {
        event->ignore();
        return;
    }
    WindowLayout::save(this);
    event->accept();
}
