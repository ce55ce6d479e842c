#include "appsettings.h"
#include "guitestbase.h"

#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTextBlock>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

namespace {

// The entries of a menu or tool bar: texts, "-" for separators, ">" + title for submenus.
QStringList entries(const QList<QAction *> &actions)
{
    QStringList result;
    for (QAction *action : actions) {
        if (action->isSeparator())
            result << QStringLiteral("-");
        else if (action->menu())
            result << QStringLiteral(">") + action->menu()->title();
        else
            result << action->text();
    }
    return result;
}

QStringList split(const char *list)
{
    return QString::fromUtf8(list).split(QLatin1Char('|'));
}

bool iconHasColour(const QIcon &icon, const QColor &colour)
{
    const QImage image = icon.pixmap(64, 64).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() == 255 && pixel.rgb() == colour.rgb())
                return true;
        }
    return false;
}

}

class TestMainWindow : public GuiTestBase
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup() { closeWindow(); }

    void actionTable_data();
    void actionTable();
    void actionDetails();
    void menus_data();
    void menus();
    void toolBars_data();
    void toolBars();
    void iconsFollowWindowTextColour();
    void title();
    void titleOfOpenedFile();
    void unreadableStartupFile();
    void statusMessageClears();
    void secondStatusMessageReplacesFirst();
    void statusBarLayout();
    void dockPlacement();
    void sideTabsDoNotSwitchEditor_data();
    void sideTabsDoNotSwitchEditor();
    void changeMode_data();
    void changeMode();
    void closeAsksOnlyWhenModified();
    void languageChangeResetsCodeTexts();
    void pageEditsMarkDocumentModified();
    void programmaticSourceTextIsNoEdit();
    void sourceEditorWearsItsTheme();
    void currentLineIsShaded();

private:
    QDockWidget *dock(const char *name) const { return window->findChild<QDockWidget *>(QLatin1String(name)); }
};

void TestMainWindow::initTestCase()
{
    prepareApplication();
    qRegisterMetaType<QDockWidget *>();
}

// Few of these tests need the page; not waiting for it keeps the many rows quick.
void TestMainWindow::init()
{
    appSettings()->clear();
    showWindow();
}

void TestMainWindow::actionTable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");
    QTest::newRow("actionExit") << QStringLiteral("Close") << QStringLiteral("Ctrl+W");
    QTest::newRow("actionBold") << QStringLiteral("Bold") << QStringLiteral("Ctrl+B");
    QTest::newRow("actionOrderLine") << QStringLiteral("Ordered List") << QStringLiteral("Ctrl+Shift+[");
    QTest::newRow("actionUnOrderLine") << QStringLiteral("Unordered List") << QStringLiteral("Ctrl+Shift+]");
    QTest::newRow("actionQuot") << QStringLiteral("Quote") << QStringLiteral("Ctrl+Shift+Q");
    QTest::newRow("actionCode") << QStringLiteral("Inline Code") << QStringLiteral("Ctrl+Shift+`");
    QTest::newRow("actionHoriLine") << QStringLiteral("Horizontal Rule") << QStringLiteral("Ctrl+Shift+H");
    QTest::newRow("actionLink") << QStringLiteral("Link") << QStringLiteral("Ctrl+K");
    QTest::newRow("actionImage") << QStringLiteral("Image") << QStringLiteral("Ctrl+Shift+I");
    QTest::newRow("actionNew") << QStringLiteral("New") << QStringLiteral("Ctrl+N");
    QTest::newRow("actionOpen") << QStringLiteral("Open") << QStringLiteral("Ctrl+O");
    QTest::newRow("actionSave") << QStringLiteral("Save") << QStringLiteral("Ctrl+S");
    QTest::newRow("actionAbout") << QStringLiteral("About Us") << QStringLiteral("");
    QTest::newRow("actionHelp") << QStringLiteral("Help") << QStringLiteral("F1");
    QTest::newRow("actionSaveAs") << QStringLiteral("Save As") << QStringLiteral("Ctrl+Shift+S");
    QTest::newRow("actionClear") << QStringLiteral("Clear") << QStringLiteral("Ctrl+\\");
    QTest::newRow("actionStrike") << QStringLiteral("Strikethrough") << QStringLiteral("Alt+Shift+5");
    QTest::newRow("actionTable") << QStringLiteral("Insert Table") << QStringLiteral("Ctrl+T");
    QTest::newRow("actionUnlink") << QStringLiteral("Remove Link") << QStringLiteral("");
    QTest::newRow("actionCodeBlock") << QStringLiteral("Code Block") << QStringLiteral("Ctrl+Shift+K");
    QTest::newRow("actionHTML") << QStringLiteral("HTML") << QStringLiteral("");
    QTest::newRow("actionPDF") << QStringLiteral("PDF") << QStringLiteral("");
    QTest::newRow("actionWordDocx") << QStringLiteral("Word (*.doc)") << QStringLiteral("");
    QTest::newRow("actionFeedback") << QStringLiteral("Feedback") << QStringLiteral("");
    QTest::newRow("actionCheckUpdate") << QStringLiteral("Updates") << QStringLiteral("");
    QTest::newRow("actionPrint") << QStringLiteral("Print") << QStringLiteral("Alt+Shift+P");
    QTest::newRow("actionNewWindow") << QStringLiteral("New Window") << QStringLiteral("Ctrl+Shift+N");
    QTest::newRow("actionZoomOut") << QStringLiteral("Zoom Out") << QStringLiteral("Ctrl+Shift+-");
    QTest::newRow("actionZoomIn") << QStringLiteral("Zoom In") << QStringLiteral("Ctrl+Shift+=");
    QTest::newRow("actionDonate") << QStringLiteral("Donate") << QStringLiteral("");
    QTest::newRow("actionBackup") << QStringLiteral("Backup") << QStringLiteral("");
    QTest::newRow("actionDefaultZoom") << QStringLiteral("Restore Default Zoom") << QStringLiteral("Ctrl+Shift+9");
    QTest::newRow("actionUndo") << QStringLiteral("Undo") << QStringLiteral("Ctrl+Z");
    QTest::newRow("actionRedo") << QStringLiteral("Redo") << QStringLiteral("Ctrl+Y");
    QTest::newRow("actionCopy") << QStringLiteral("Copy") << QStringLiteral("Ctrl+C");
    QTest::newRow("actionCut") << QStringLiteral("Cut") << QStringLiteral("Ctrl+X");
    QTest::newRow("actionPaste") << QStringLiteral("Paste") << QStringLiteral("Ctrl+V");
    QTest::newRow("actionDel") << QStringLiteral("Delete") << QStringLiteral("Ctrl+D");
    QTest::newRow("actionSelectAll") << QStringLiteral("Select All") << QStringLiteral("Ctrl+A");
    QTest::newRow("actionFind") << QStringLiteral("Find") << QStringLiteral("Ctrl+F");
    QTest::newRow("actionReplace") << QStringLiteral("Replace") << QStringLiteral("Ctrl+H");
    QTest::newRow("actionHeading1") << QStringLiteral("Heading 1") << QStringLiteral("Ctrl+1");
    QTest::newRow("actionHeading2") << QStringLiteral("Heading 2") << QStringLiteral("Ctrl+2");
    QTest::newRow("actionHeading3") << QStringLiteral("Heading 3") << QStringLiteral("Ctrl+3");
    QTest::newRow("actionHeading4") << QStringLiteral("Heading 4") << QStringLiteral("Ctrl+4");
    QTest::newRow("actionHeading5") << QStringLiteral("Heading 5") << QStringLiteral("Ctrl+5");
    QTest::newRow("actionHeading6") << QStringLiteral("Heading 6") << QStringLiteral("Ctrl+6");
    QTest::newRow("actionParagraph") << QStringLiteral("Paragraph") << QStringLiteral("Ctrl+0");
    QTest::newRow("actionIndent") << QStringLiteral("Paragraph Indent") << QStringLiteral("Ctrl+]");
    QTest::newRow("actionLicenses") << QStringLiteral("Licenses") << QStringLiteral("");
    QTest::newRow("actionItal") << QStringLiteral("Italic") << QStringLiteral("Ctrl+I");
    QTest::newRow("actionLaTeX") << QStringLiteral("LaTeX") << QStringLiteral("Ctrl+Shift+M");
    QTest::newRow("actionPasteAsText") << QStringLiteral("Paste as Plain Text") << QStringLiteral("Ctrl+Shift+V");
    QTest::newRow("actionAddRowBelow") << QStringLiteral("Insert Row Below") << QStringLiteral("Ctrl+Return");
    QTest::newRow("actionAddRowAbove") << QStringLiteral("Insert Row Above") << QStringLiteral("Ctrl+Up");
    QTest::newRow("actionAddColumnLeft") << QStringLiteral("Insert Column to the Left") << QStringLiteral("Ctrl+Left");
    QTest::newRow("actionAddColumnRight") << QStringLiteral("Insert Column to the Right") << QStringLiteral("Ctrl+Right");
    QTest::newRow("actionUpRow") << QStringLiteral("Move Current Row Up") << QStringLiteral("Alt+Up");
    QTest::newRow("actionDownRow") << QStringLiteral("Move Current Row Down") << QStringLiteral("Alt+Down");
    QTest::newRow("actionShiftLeftColumn") << QStringLiteral("Move Current Column Left") << QStringLiteral("Alt+Left");
    QTest::newRow("actionShiftRightColumn") << QStringLiteral("Move Current Column to the Right") << QStringLiteral("Alt+Right");
    QTest::newRow("actionLeftAlignColumn") << QStringLiteral("Align Current Column to the Left") << QStringLiteral("");
    QTest::newRow("actionCenterAlignColumn") << QStringLiteral("Center Align the Current Column") << QStringLiteral("");
    QTest::newRow("actionRightAlignColumn") << QStringLiteral("Align the Current Column to the Right") << QStringLiteral("");
    QTest::newRow("actionDeleteRow") << QStringLiteral("Delete Current Row") << QStringLiteral("");
    QTest::newRow("actionDeleteColumn") << QStringLiteral("Delete Current Column") << QStringLiteral("");
    QTest::newRow("actionDeleteTable") << QStringLiteral("Delete Table") << QStringLiteral("");
    QTest::newRow("actionConfiguration") << QStringLiteral("Configuration") << QStringLiteral("Ctrl+,");
    QTest::newRow("actionImage_Hosting_Service") << QStringLiteral("Image Hosting Service") << QStringLiteral("");
    QTest::newRow("actionGithub_Release") << QStringLiteral("Download Portable Version") << QStringLiteral("");
    QTest::newRow("actionCheck_for_Updates") << QStringLiteral("Check for Updates") << QStringLiteral("");
    QTest::newRow("actionGet_HTML") << QStringLiteral("Get HTML") << QStringLiteral("");
    QTest::newRow("actionOfficial_Website") << QStringLiteral("Official Website") << QStringLiteral("");
}

void TestMainWindow::actionTable()
{
    QFETCH(QString, text);
    QFETCH(QString, shortcut);
    auto *action = window->findChild<QAction *>(QString::fromUtf8(QTest::currentDataTag()));
    QVERIFY(action);
    QCOMPARE(action->text(), text);
    QCOMPARE(action->shortcut().toString(QKeySequence::PortableText), shortcut);
    if (action->objectName() == QLatin1String("actionClear"))
        QCOMPARE(action->toolTip(), QStringLiteral("Clear Formatting"));
    else
        QCOMPARE(action->toolTip(), text);
}

void TestMainWindow::actionDetails()
{
    QCOMPARE(action("actionHeading1")->iconText(), QStringLiteral("H1"));
    QCOMPARE(action("actionPasteAsText")->iconText(), QStringLiteral("Paste as Plain text"));
    QVERIFY(!action("actionCheckUpdate")->isEnabled());
    QVERIFY(!action("actionCheckUpdate")->isVisible());
    const QList<int> headingPoints{12, 11, 10, QFont().pointSize(), 8, 7};
    for (int level = 1; level <= 6; ++level) {
        const QByteArray name = "actionHeading" + QByteArray::number(level);
        QCOMPARE(action(name.constData())->font().pointSize(), headingPoints.at(level - 1));
    }
}

void TestMainWindow::menus_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("File") << "File"
        << split("New|New Window|Open|Save|Save As|-|>Export|Print|Get HTML|-|Close|>Recently Opened");
    QTest::newRow("Export") << "Export" << split("HTML|PDF|Word (*.doc)");
    QTest::newRow("Edit") << "Edit"
        << split("Undo|Redo|-|Copy|Cut|Paste|Paste as Plain Text|Delete|-|Select All|Find|Replace");
    QTest::newRow("Format") << "Format"
        << split("Bold|Italic|Strikethrough|-|Paragraph|Heading 1|Heading 2|Heading 3|Heading 4|Heading 5|"
                 "Heading 6|-|Quote|Ordered List|Unordered List|Horizontal Rule|-|LaTeX|Insert Table|"
                 "Inline Code|Code Block|Link|Remove Link|Image|-|Clear|>Table");
    QTest::newRow("Table") << "Table"
        << split("Insert Table|-|Insert Row Above|Insert Row Below|Insert Column to the Left|"
                 "Insert Column to the Right|-|Move Current Row Up|Move Current Row Down|"
                 "Move Current Column Left|Move Current Column to the Right|-|Align Current Column to the Left|"
                 "Center Align the Current Column|Align the Current Column to the Right|-|Delete Current Row|"
                 "Delete Current Column|Delete Table");
    QTest::newRow("Options") << "Options" << split("Configuration|Backup|Image Hosting Service|>Zoom|>Theme");
    QTest::newRow("Zoom") << "Zoom" << split("Restore Default Zoom|Zoom Out|Zoom In");
    QTest::newRow("Theme") << "Theme" << split("Light|Dark|Blue Sky");
    QTest::newRow("Help") << "Help"
        << split("Help|Donate|Feedback|Updates|About Us|Licenses|Download Portable Version|Check for Updates|"
                 "Official Website");
}

void TestMainWindow::menus()
{
    QFETCH(QString, title);
    QFETCH(QStringList, expected);
    QCOMPARE(entries(window->menuBar()->actions()), split(">File|>Edit|>Format|>View|>Options|>Help"));
    QMenu *menu = nullptr;
    for (QMenu *candidate : window->findChildren<QMenu *>())
        if (candidate->title() == title)
            menu = candidate;
    QVERIFY(menu);
    QCOMPARE(entries(menu->actions()), expected);
}

void TestMainWindow::toolBars_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("iconSize");
    QTest::newRow("toolBar") << "toolBar" << split("New|Save|-|Undo|Redo|-|Bold|Italic|Strikethrough|-|Clear") << 20;
    QTest::newRow("Paragraph") << "Paragraph"
        << split("Paragraph|Paragraph Indent|Heading 1|Heading 2|Heading 3|Heading 4|Heading 5|Heading 6") << 15;
    QTest::newRow("OrderLine") << "OrderLine" << split("Quote|Ordered List|Unordered List|Horizontal Rule") << 15;
    QTest::newRow("insert") << "insert"
        << split("LaTeX|Insert Table|Inline Code|Code Block|Link|Remove Link|Image") << 15;
}

void TestMainWindow::toolBars()
{
    QFETCH(QString, name);
    QFETCH(QStringList, expected);
    QFETCH(int, iconSize);
    auto *bar = window->findChild<QToolBar *>(name);
    QVERIFY(bar);
    QCOMPARE(entries(bar->actions()), expected);
    QCOMPARE(bar->iconSize(), QSize(iconSize, iconSize));
    QCOMPARE(window->toolBarArea(bar), Qt::TopToolBarArea);
    if (name == QLatin1String("toolBar")) {
        QVERIFY(!bar->isMovable());
        QCOMPARE(bar->font().pointSize(), 12);
    }
}

void TestMainWindow::iconsFollowWindowTextColour()
{
    const QStringList drawn = split("actionBold|actionNew|actionUndo|actionLaTeX|actionHeading1|actionSaveAs|"
                                    "actionPasteAsText|actionDeleteTable|actionConfiguration");
    for (const QColor &colour : {QColor(200, 0, 0), QColor(0, 0, 200)}) {
        QPalette palette = window->palette();
        palette.setColor(QPalette::WindowText, colour);
        window->setPalette(palette);
        window->applyActionIcons();
        for (const QString &name : drawn)
            QVERIFY2(iconHasColour(window->findChild<QAction *>(name)->icon(), colour), qPrintable(name));
    }
    QVERIFY(!action("actionUpRow")->icon().isNull());
}

void TestMainWindow::title()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Untitled -  Penwick"));
    emit content->updateModifyStatusSignal(true);
    QCOMPARE(window->windowTitle(), QStringLiteral("*Untitled -  Penwick"));
    emit content->updateModifyStatusSignal(false);
    QCOMPARE(window->windowTitle(), QStringLiteral("Untitled -  Penwick"));
}

void TestMainWindow::titleOfOpenedFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("100% notes.md"));
    writeFile(path, "# Hi\n");
    MainWindow opened(path);
    QCOMPARE(opened.windowTitle(), QStringLiteral("100% notes.md -  Penwick"));
    emit opened.findChild<Content *>(QStringLiteral("content"))->updateModifyStatusSignal(true);
    QCOMPARE(opened.windowTitle(), QStringLiteral("*100% notes.md -  Penwick"));
    QCOMPARE(appSettings()->value(QStringLiteral("recentFileList")).toStringList(), QStringList{path});
}

void TestMainWindow::unreadableStartupFile()
{
    const QString missing = QStringLiteral("/nonexistent/folder/gone.md");
    appSettings()->setValue(QStringLiteral("recentFileList"), QStringList{missing, QStringLiteral("/kept.md")});
    SeenBox shown;
    pressOnNextBox(QMessageBox::Ok, &shown);
    MainWindow failed(missing);
    QVERIFY(shown.text.startsWith(QStringLiteral("Cannot open file /nonexistent/folder/gone.md: ")));
    QCOMPARE(failed.windowTitle(), QStringLiteral("Untitled -  Penwick"));
    QCOMPARE(appSettings()->value(QStringLiteral("recentFileList")).toStringList(), QStringList{"/kept.md"});
}

void TestMainWindow::statusMessageClears()
{
    auto *label = window->findChild<QLabel *>(QStringLiteral("statusLabel"));
    QElapsedTimer clock;
    clock.start();
    window->showStatusMessage(QStringLiteral("Saved Successfully"), QStringLiteral("#333333"), 3);
    QCOMPARE(label->text(), QStringLiteral("Saved Successfully"));
    QCOMPARE(label->styleSheet(), QStringLiteral("color: #333333;"));
    QTRY_VERIFY_WITH_TIMEOUT(label->text().isEmpty(), 5000);
    QVERIFY(clock.elapsed() >= 2500);
}

void TestMainWindow::secondStatusMessageReplacesFirst()
{
    auto *label = window->findChild<QLabel *>(QStringLiteral("statusLabel"));
    window->showStatusMessage(QStringLiteral("Copy Successful"), QStringLiteral("#0066CC"), 3);
    QTest::qWait(1500);
    QElapsedTimer clock;
    clock.start();
    window->showStatusMessage(QStringLiteral("No matching text found!"), QStringLiteral("#FF0000"), 3);
    QCOMPARE(label->text(), QStringLiteral("No matching text found!"));
    QCOMPARE(label->styleSheet(), QStringLiteral("color: #FF0000;"));
    QTRY_VERIFY_WITH_TIMEOUT(label->text().isEmpty(), 5000);
    QVERIFY2(clock.elapsed() >= 2500, "the newer message must keep its full three seconds");
}

void TestMainWindow::statusBarLayout()
{
    auto *status = window->statusBar();
    QVERIFY(status);
    auto *toggle = status->findChild<QAbstractButton *>(QStringLiteral("sidebarToggle"));
    QVERIFY(toggle && toggle->isCheckable() && !toggle->isChecked());
    QCOMPARE(status->findChild<QLabel *>(QStringLiteral("infoLabel"))->styleSheet(), QStringLiteral("color: #555;"));
    QCOMPARE(status->findChild<QLabel *>(QStringLiteral("wordCountLabel"))->text(), QStringLiteral("0"));
    QCOMPARE(status->findChild<QLabel *>(QStringLiteral("wordUnitLabel"))->text(), QStringLiteral("word"));
    QVERIFY(toggle->x() < status->findChild<QLabel *>(QStringLiteral("statusLabel"))->x());
    QVERIFY(status->findChild<QLabel *>(QStringLiteral("statusLabel"))->x()
            < status->findChild<QLabel *>(QStringLiteral("wordCountLabel"))->x());
}

void TestMainWindow::dockPlacement()
{
    window->findChild<QToolButton *>(QStringLiteral("sidebarToggle"))->setChecked(true);
    QDockWidget *source = dock("dockEditor");
    QDockWidget *visual = dock("dockWebView");
    QDockWidget *navigation = dock("dockNavigation");
    QDockWidget *browser = dock("dockFileBrowser");
    QCOMPARE(source->windowTitle(), QStringLiteral("Source Code Editor"));
    QCOMPARE(visual->windowTitle(), QStringLiteral("Visual Editor"));
    QCOMPARE(source->features(), QDockWidget::DockWidgetClosable);
    QCOMPARE(visual->features(), QDockWidget::DockWidgetClosable);
    QCOMPARE(window->dockWidgetArea(source), Qt::RightDockWidgetArea);
    QCOMPARE(window->dockWidgetArea(visual), Qt::RightDockWidgetArea);
    QCOMPARE(window->tabifiedDockWidgets(source), QList<QDockWidget *>{visual});
    QCOMPARE(window->dockWidgetArea(navigation), Qt::LeftDockWidgetArea);
    QCOMPARE(window->tabifiedDockWidgets(navigation), QList<QDockWidget *>{browser});
    QVERIFY(window->isVisualEditorShown());
    QVERIFY(source->visibleRegion().isEmpty());
    QVERIFY(!navigation->visibleRegion().isEmpty());
    QVERIFY(browser->visibleRegion().isEmpty());
    QVERIFY(navigation->width() <= 250 && navigation->width() >= 50);
    QVERIFY(window->centralWidget() == nullptr);
    QVERIFY(!dock("dockFind")->isVisible());
    QCOMPARE(window->dockWidgetArea(dock("dockFind")), Qt::RightDockWidgetArea);
    QCOMPARE(dock("dockFind")->allowedAreas(), Qt::BottomDockWidgetArea);
}

// Which editor is live shows in which edits mark the document modified.
void TestMainWindow::sideTabsDoNotSwitchEditor_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<bool>("visualLive");
    QTest::newRow("File Browser") << "File Browser" << true;
    QTest::newRow("Navigation") << "Navigation" << true;
    QTest::newRow("Source Code Editor") << "Source Code Editor" << false;
}

void TestMainWindow::sideTabsDoNotSwitchEditor()
{
    QFETCH(QString, tab);
    QFETCH(bool, visualLive);
    window->findChild<QToolButton *>(QStringLiteral("sidebarToggle"))->setChecked(true);
    if (tab == QLatin1String("Navigation"))
        clickTab(QStringLiteral("File Browser"));
    QSignalSpy activated(window, &QMainWindow::tabifiedDockWidgetActivated);
    clickTab(tab);
    QCOMPARE(activated.count(), 1);
    QCOMPARE(window->isVisualEditorShown(), visualLive);
}

void TestMainWindow::changeMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("sourceVisible");
    QTest::addColumn<bool>("visualVisible");
    QTest::addColumn<bool>("tabbed");
    QTest::newRow("both") << 0 << true << true << true;
    QTest::newRow("visual only") << 1 << false << true << false;
    QTest::newRow("source only") << 2 << true << false << false;
    QTest::newRow("invalid") << 7 << true << true << true;
}

void TestMainWindow::changeMode()
{
    QFETCH(int, mode);
    QFETCH(bool, sourceVisible);
    QFETCH(bool, visualVisible);
    QFETCH(bool, tabbed);
    QDockWidget *source = dock("dockEditor");
    QDockWidget *visual = dock("dockWebView");
    if (mode == 0)
        window->changeMode(2); // from a single-editor layout back to the tab group
    window->changeMode(mode);
    QCOMPARE(source->isVisible(), sourceVisible);
    QCOMPARE(visual->isVisible(), visualVisible);
    QCOMPARE(window->dockWidgetArea(sourceVisible ? source : visual), Qt::RightDockWidgetArea);
    QCOMPARE(window->tabifiedDockWidgets(source).contains(visual), tabbed);
    if (mode == 2)
        QTRY_VERIFY(!window->isVisualEditorShown());
    else
        QTRY_VERIFY(window->isVisualEditorShown());
}

void TestMainWindow::closeAsksOnlyWhenModified()
{
    QVERIFY(window->close());
    window->show();
    emit content->updateModifyStatusSignal(true);
    SeenBox asked;
    pressOnNextBox(QMessageBox::Cancel, &asked);
    QVERIFY(!window->close());
    QCOMPARE(asked.text, QStringLiteral("Do you want to save the changes to Untitled?"));
    QVERIFY(window->isVisible());
    pressOnNextBox(QMessageBox::Discard);
    QVERIFY(window->close());
}

void TestMainWindow::languageChangeResetsCodeTexts()
{
    const QStringList docks{"dockEditor", "dockWebView", "dockNavigation", "dockFileBrowser", "dockFind"};
    QStringList before;
    for (const QString &name : docks) {
        auto *d = window->findChild<QDockWidget *>(name);
        before << d->windowTitle();
        d->setWindowTitle(QStringLiteral("stale"));
    }
    auto *unit = window->findChild<QLabel *>(QStringLiteral("wordUnitLabel"));
    unit->setText(QStringLiteral("stale"));
    auto *bold = action("actionBold");
    bold->setText(QStringLiteral("stale"));

    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(window, &change);

    QStringList after;
    for (const QString &name : docks)
        after << window->findChild<QDockWidget *>(name)->windowTitle();
    QCOMPARE(after, before);
    QCOMPARE(before, split("Source Code Editor|Visual Editor|Navigation|File Browser|Find & Replace"));
    QCOMPARE(unit->text(), QStringLiteral("word"));
    QCOMPARE(bold->text(), QStringLiteral("Bold"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Untitled -  Penwick"));
}

void TestMainWindow::pageEditsMarkDocumentModified()
{
    // This one needs the page connected.
    closeWindow();
    openWindow();
    js(QStringLiteral("contentObj.updateModifyStatus(true)"));
    QTRY_COMPARE(window->windowTitle(), QStringLiteral("*Untitled -  Penwick"));
}

void TestMainWindow::programmaticSourceTextIsNoEdit()
{
    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY(!source->isReadOnly());
    source->setTextProgrammatically(QStringLiteral("# converted\n"));
    QVERIFY(!titleHasStar());
    QTRY_VERIFY(!source->isSettingText());
    typeInSource(QStringLiteral("a"));
    QVERIFY(titleHasStar());
}

void TestMainWindow::sourceEditorWearsItsTheme()
{
    QCOMPARE(source->font().family(), QStringLiteral("Consolas"));
    QCOMPARE(source->font().pointSize(), 12);
    QCOMPARE(source->palette().color(QPalette::Active, QPalette::Base), QColor(QStringLiteral("#FDF6E3")));
    QCOMPARE(source->palette().color(QPalette::Inactive, QPalette::Text), QColor(QStringLiteral("#000000")));
    QCOMPARE(source->frameShape(), QFrame::NoFrame);
    QCOMPARE(source->tabStopDistance(), 4 * QFontMetricsF(source->font()).horizontalAdvance(QLatin1Char(' ')));
}

void TestMainWindow::currentLineIsShaded()
{
    source->setPlainText(QStringLiteral("one\ntwo\nthree"));
    QTextCursor cursor(source->document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    source->setTextCursor(cursor);
    const QList<QTextEdit::ExtraSelection> selections = source->extraSelections();
    QCOMPARE(selections.size(), 1);
    QCOMPARE(selections.first().format.background().color(), QColor(181, 181, 181));
    QVERIFY(selections.first().format.property(QTextFormat::FullWidthSelection).toBool());
    QVERIFY(!selections.first().cursor.hasSelection());
    QCOMPARE(selections.first().cursor.block().blockNumber(), 1);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
