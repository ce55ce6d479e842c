#include "appsettings.h"
#include "config.h"
#include "guitestbase.h"

#include <QDockWidget>
#include <QLabel>
#include <QTextBlock>
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
    void secondStatusMessageReplacesFirst();
    void dockPlacement();
    void sideTabsDoNotSwitchEditor_data();
    void sideTabsDoNotSwitchEditor();
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
