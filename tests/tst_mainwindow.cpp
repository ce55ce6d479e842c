#include "appsettings.h"
#include "config.h"
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

    void shortcutsAreUnambiguous();
    void iconsFollowWindowTextColour();
    void title();
    void titleOfOpenedFile();
    void unreadableStartupFile();
    void statusMessageClears();
    void secondStatusMessageReplacesFirst();
    void dockPlacement();
    void sideTabsDoNotSwitchEditor_data();
    void sideTabsDoNotSwitchEditor();
    void changeMode_data();
    void changeMode();
    void closeAsksOnlyWhenModified();
    void languageChangeResetsCodeTexts();
    void pageEditsMarkDocumentModified();
    void programmaticSourceTextIsNoEdit();
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

// Two actions of the window with one shortcut make Qt ignore the keys for both.
void TestMainWindow::shortcutsAreUnambiguous()
{
    QHash<QString, QString> owners;
    for (QAction *action : window->findChildren<QAction *>()) {
        const QString keys = action->shortcut().toString(QKeySequence::PortableText);
        if (keys.isEmpty())
            continue;
        QVERIFY2(!owners.contains(keys), qPrintable(keys + QStringLiteral(": ") + owners.value(keys) + QStringLiteral(", ")
                                                     + action->objectName()));
        owners.insert(keys, action->objectName());
    }
    QVERIFY(owners.size() > 40);
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
    Config::set(Config::RecentFiles, QStringList{missing, QStringLiteral("/kept.md")});
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
