// The outline, the word count and the file browser in the real window, in
// both editors.
#include "appsettings.h"
#include "config.h"
#include "guitestbase.h"

#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>

namespace {
// The tree as "text[child,child]" entries, hidden ones left out.
QString shape(const QTreeWidgetItem *parent)
{
    QStringList parts;
    for (int i = 0; i < parent->childCount(); ++i) {
        const QTreeWidgetItem *item = parent->child(i);
        if (item->isHidden())
            continue;
        QString part = item->text(0);
        if (item->childCount() > 0)
            part += QStringLiteral("[") + shape(item) + QStringLiteral("]");
        parts << part;
    }
    return parts.join(QLatin1Char(','));
}

// Opens every folder of the tree, as a user clicking through it would.
int openEveryFolder(QTreeWidgetItem *item, int depth = 0)
{
    int opened = 0;
    if (depth > 20)
        return -1000;
    for (int i = 0; i < item->childCount(); ++i) {
        QTreeWidgetItem *child = item->child(i);
        if (child->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator || child->childCount() > 0) {
            child->setExpanded(true);
            opened += 1 + openEveryFolder(child, depth + 1);
        }
    }
    return opened;
}
}

class TestSidebar : public GuiTestBase
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }
    void init();
    void cleanup() { closeWindow(); }

    void outlineFromTheSource_data();
    void outlineFromTheSource();
    void editPauseRefreshesTheOutline();
    void noScanWhileTheSidebarIsHidden();
    void outlineFromThePage();
    void filterShowsMatchesWithTheirParents();
    void wordCountIsTheSameInBothEditors_data();
    void wordCountIsTheSameInBothEditors();
    void fileBrowser();

private:
    void takeWidgets();
    void showSidebar();

    QTreeWidget *tree = nullptr;
    QTemporaryDir dir;
};

void TestSidebar::init()
{
    Config::set(Config::ShowLeftSidebar, false);
    openWindow();
    takeWidgets();
}

void TestSidebar::takeWidgets()
{
    tree = window->findChild<QTreeWidget *>(QStringLiteral("outlineTree"));
}

void TestSidebar::showSidebar()
{
    auto *toggle = window->findChild<QToolButton *>(QStringLiteral("sidebarToggle"));
    toggle->setChecked(true);
    QVERIFY(window->findChild<QDockWidget *>(QStringLiteral("dockNavigation"))->isVisible());
    QCOMPARE(toggle->toolTip(), QStringLiteral("Hide Left Sidebar"));
}

void TestSidebar::outlineFromTheSource_data()
{
    QTest::addColumn<QString>("markdown");
    QTest::addColumn<QString>("outline");
    QTest::newRow("only level 3") << "### a\n\ntext\n\n### b" << "";
    QTest::newRow("level 2 before level 1") << "## Pre\n\n# One\n\n## A\n\n### deep\n\n## B\n\n# Two"
                                            << "Pre,One[A,B],Two";
}

void TestSidebar::outlineFromTheSource()
{
    QFETCH(QString, markdown);
    QFETCH(QString, outline);
    toSource();
    showSidebar();
    new QTreeWidgetItem(tree, QStringList{QStringLiteral("stale")});
    source->setPlainText(markdown);
    window->onEditorChageTimeout();
    QTRY_COMPARE(shape(tree->invisibleRootItem()), outline);

    if (outline.isEmpty())
        return;
    QTreeWidgetItem *two = tree->topLevelItem(2);
    emit tree->itemClicked(two, 0);
    QCOMPARE(source->textCursor().position(), markdown.indexOf(QStringLiteral("# Two")));
    QVERIFY(!source->textCursor().hasSelection());
}

void TestSidebar::editPauseRefreshesTheOutline()
{
    toSource();
    showSidebar();
    typeInSource(QStringLiteral("# Typed"));
    QCOMPARE(tree->topLevelItemCount(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(shape(tree->invisibleRootItem()), QStringLiteral("Typed"), 6000);
    QTRY_COMPARE(window->findChild<QLabel *>(QStringLiteral("wordCountLabel"))->text(), QStringLiteral("1"));
}

void TestSidebar::noScanWhileTheSidebarIsHidden()
{
    toSource();
    QVERIFY(!window->findChild<QDockWidget *>(QStringLiteral("dockNavigation"))->isVisible());
    auto *count = window->findChild<QLabel *>(QStringLiteral("wordCountLabel"));
    count->setText(QStringLiteral("-"));
    source->setPlainText(QStringLiteral("# Hidden heading\n\nwords"));
    window->onEditorChageTimeout();
    // The count starts together with the scan and takes longer; once it is in, a scan would be too.
    QTRY_COMPARE(count->text(), QStringLiteral("3"));
    QCoreApplication::processEvents();
    QCOMPARE(tree->topLevelItemCount(), 0);
}

void TestSidebar::outlineFromThePage()
{
    showSidebar();
    QString filler;
    for (int i = 0; i < 80; ++i)
        filler += QStringLiteral("<p>filler line %1</p>").arg(i);
    setPage(QStringLiteral("<h2>Pre</h2><h1>One</h1><h2>A</h2>") + filler + QStringLiteral("<h1>Two</h1><p>end</p>"));
    emit content->updateSideBarSignal();
    QTRY_COMPARE(shape(tree->invisibleRootItem()), QStringLiteral("Pre,One[A],Two"));
    QCOMPARE(tree->topLevelItem(2)->data(0, Qt::UserRole).toString(), QStringLiteral("#bodyeditor h1:nth-of-type(2)"));

    QCOMPARE(js(QStringLiteral("window.scrollY")).toInt(), 0);
    tree->topLevelItem(1)->setExpanded(true);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(tree->topLevelItem(2)).center());
    QTRY_VERIFY(js(QStringLiteral("window.scrollY")).toInt() > 0);
    // The page lists its headings again: the tree keeps what was open and marked.
    tree->topLevelItem(2)->setData(0, Qt::UserRole + 1, true);
    emit content->updateSideBarSignal();
    QTRY_VERIFY(!tree->topLevelItem(2)->data(0, Qt::UserRole + 1).toBool());
    QCOMPARE(tree->currentItem() ? tree->currentItem()->text(0) : QString(), QStringLiteral("Two"));
    QVERIFY(tree->topLevelItem(1)->isExpanded());

    // A page entry clicked with the source in front takes the cursor to the start.
    toSource();
    QCOMPARE(shape(tree->invisibleRootItem()), QStringLiteral("Pre,One[A],Two"));
    QTextCursor cursor = source->textCursor();
    cursor.movePosition(QTextCursor::End);
    source->setTextCursor(cursor);
    emit tree->itemClicked(tree->topLevelItem(2), 0);
    QCOMPARE(source->textCursor().position(), 0);
}

void TestSidebar::filterShowsMatchesWithTheirParents()
{
    toSource();
    showSidebar();
    source->setPlainText(QStringLiteral("# One\n## Alpha Section\n## Beta\n# Two\n## Gamma\n# Section Three"));
    window->onEditorChageTimeout();
    QTRY_COMPARE(tree->topLevelItemCount(), 3);
    auto *search = window->findChild<QLineEdit *>(QStringLiteral("navigationSearch"));
    search->setText(QStringLiteral("sEcTiOn"));
    QCOMPARE(shape(tree->invisibleRootItem()), QStringLiteral("One[Alpha Section],Section Three"));
    QVERIFY(tree->topLevelItem(0)->isExpanded());
    QVERIFY(!tree->topLevelItem(1)->isExpanded());
    search->clear();
    QCOMPARE(shape(tree->invisibleRootItem()), QStringLiteral("One[Alpha Section,Beta],Two[Gamma],Section Three"));
}

void TestSidebar::wordCountIsTheSameInBothEditors_data()
{
    QTest::addColumn<QString>("markdown");
    QTest::newRow("empty") << "";
    QTest::newRow("two words") << "two words, one,two";
    QTest::newRow("prose and markup") << "# A Title\n\nSome **bold** and *slanted* words, a [link](https://example.com/x).\n\n"
                                         "- one\n- two\n  - three\n\n> quoted text\n\n---\n\nThe end.";
    QTest::newRow("mixed scripts") << QString::fromUtf8("Mixed 中文 words and caf\xC3\xA9 ending.");
    QTest::newRow("table") << "| Name | Value |\n|---|---|\n| alpha | 1 |\n| beta gamma | 2 |";
    QTest::newRow("image alt is not read") << "![alt text](x.png) word";
}

void TestSidebar::wordCountIsTheSameInBothEditors()
{
    QFETCH(QString, markdown);
    auto *count = window->findChild<QLabel *>(QStringLiteral("wordCountLabel"));
    toSource();
    source->setPlainText(markdown);
    clickTab(QStringLiteral("Visual Editor"));
    count->setText(QStringLiteral("-"));
    // A page whose document did not change has nothing new to count.
    js(QStringLiteral("scheduleCount(); true"));
    QTRY_VERIFY(count->text() != QLatin1String("-"));
    const QString pageCount = count->text();
    if (markdown.isEmpty())
        QCOMPARE(pageCount, QStringLiteral("0"));

    toSource();
    count->setText(QStringLiteral("-"));
    window->onEditorChageTimeout();
    QTRY_VERIFY(count->text() != QLatin1String("-"));
    QCOMPARE(count->text(), pageCount);
}

void TestSidebar::fileBrowser()
{
    const QString root = dir.filePath(QStringLiteral("notes"));
    QVERIFY(QDir().mkpath(root + QStringLiteral("/z/deeper")));
    QVERIFY(QDir().mkpath(root + QStringLiteral("/empty")));
    writeFile(root + QStringLiteral("/a.md"), "# A\n");
    writeFile(root + QStringLiteral("/B.MDX"), "# Bee file\n");
    writeFile(root + QStringLiteral("/c.txt"), "text\n");
    for (const char *name : {"/.hidden.md", "/notes.markdown", "/md"})
        writeFile(root + QLatin1String(name), "");
    writeFile(root + QStringLiteral("/z/deeper/inner.md"), "inner\n");
    QVERIFY(QFile::link(root, root + QStringLiteral("/z/loop")));

    showSidebar();
    auto *files = window->findChild<QTreeWidget *>(QStringLiteral("fileTree"));

    QString title;
    answerModal(chooseFile(root, &title));
    window->onSelectFolder();
    QCOMPARE(title, QStringLiteral("Select Directory"));
    QCOMPARE(files->topLevelItemCount(), 1);
    QTreeWidgetItem *top = files->topLevelItem(0);
    QCOMPARE(top->text(0), QDir::toNativeSeparators(root));
    QVERIFY(top->isExpanded());
    QCOMPARE(shape(top), QStringLiteral("empty,z,B.MDX,a.md"));

    QCOMPARE(openEveryFolder(top), 3); // empty, z and z/deeper; z/loop leads back to the root
    QCOMPARE(shape(top), QStringLiteral("empty,z[deeper[inner.md],loop],B.MDX,a.md"));
    QTreeWidgetItem *loop = top->child(1)->child(1);
    loop->setExpanded(true);
    QCOMPARE(loop->childCount(), 0);

    emit files->itemDoubleClicked(top->child(1), 0);
    QCOMPARE(window->windowTitle(), QStringLiteral("Untitled -  Penwick"));
    emit files->itemDoubleClicked(top->child(2), 0);
    QTRY_VERIFY(pageText().contains(QStringLiteral("Bee file")));
    QCOMPARE(window->windowTitle(), QStringLiteral("B.MDX -  Penwick"));

    // Unsaved changes are not thrown away without asking.
    emit content->updateModifyStatusSignal(true);
    SeenBox asked;
    pressOnNextBox(QMessageBox::Cancel, &asked);
    emit files->itemDoubleClicked(top->child(3), 0);
    QVERIFY(!asked.text.isEmpty());
    QVERIFY(window->windowTitle().startsWith(QStringLiteral("*B.MDX")));
}

QTEST_MAIN(TestSidebar)
#include "tst_sidebar.moc"
