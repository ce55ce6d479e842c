// The left sidebar: the outline of the document, the word count and the file
// browser, and the switch that shows and hides them.
#include "mainwindow.h"

#include "config.h"
#include "MsgBoxHelper.h"
#include "QPlainTextEditEx.h"
#include "QWebEngineViewEx.h"
#include "actionicons.h"
#include "markdownfolder.h"
#include "wordcount.h"

#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtConcurrent>

namespace {
// Marks a folder item of the file browser whose entries are read when it is first opened.
constexpr int unreadFolderRole = Qt::UserRole + 1;

const QString sidebarShownSvg = QStringLiteral(
    "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 512 512'><path fill='%1' fill-rule='evenodd' d='"
    "M64 72h384a40 40 0 0 1 40 40v288a40 40 0 0 1-40 40H64a40 40 0 0 1-40-40V112a40 40 0 0 1 40-40z"
    "M216 120v272h224V120z'/></svg>");
const QString sidebarHiddenSvg = QStringLiteral(
    "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 512 512'><path fill='%1' fill-rule='evenodd' d='"
    "M64 72h384a40 40 0 0 1 40 40v288a40 40 0 0 1-40 40H64a40 40 0 0 1-40-40V112a40 40 0 0 1 40-40z"
    "M72 120v272h104V120zM216 120v272h224V120z'/></svg>");
}

void MainWindow::connectNavigation()
{
    qRegisterMetaType<HeaderData>("HeaderData");
    editorChangeTimer = new QTimer(this);
    editorChangeTimer->setSingleShot(true);
    connect(editorChangeTimer, &QTimer::timeout, this, &MainWindow::onEditorChageTimeout);
    connect(&headingWatcher, &QFutureWatcherBase::finished, this, &MainWindow::onUpdateLeftBar);
    connect(&wordCountWatcher, &QFutureWatcherBase::finished, this, &MainWindow::onUpdateWordCount);
    connect(&content, &Content::updateLeftBarSignal, this, &MainWindow::onUpdateLeftBarWebView);
    connect(&content, &Content::updateWordsCountSignal, this, &MainWindow::onUpdateWordCountWebView);
    connect(outlineTree, &QTreeWidget::itemClicked, this, &MainWindow::onTreeItemClicked);
    connect(navigationSearch, &QLineEdit::textChanged, this, &MainWindow::filterOutline);
    connect(sidebarToggle, &QToolButton::toggled, this, &MainWindow::showLeftBar);
    connect(selectFolderButton, &QPushButton::clicked, this, &MainWindow::onSelectFolder);
    connect(fileTree, &QTreeWidget::itemDoubleClicked, this, &MainWindow::onFileTreeItemDoubleClick);
    connect(fileTree, &QTreeWidget::itemExpanded, this, &MainWindow::loadFolderWhenExpanded);
    setLeftBar(sidebarToggle->isChecked());
}

// With the Visual Editor in front, the page counts and lists what it shows;
// the Source Code Editor may not even hold the document yet.
void MainWindow::onEditorChageTimeout()
{
    if (isVisualEditorShown())
        return;
    const QString text = sourceEditor->toPlainText();
    startHeadingScan(text);
    startWordCount(text);
}

void MainWindow::startHeadingScan(const QString &markdown)
{
    if (!navigationDock->isVisible() || headingWatcher.isRunning())
        return;
    headingWatcher.setFuture(QtConcurrent::run(&Outline::scanHeadings, markdown));
}

void MainWindow::onUpdateLeftBar()
{
    QList<Outline::Entry> entries;
    for (const HeaderData &heading : headingWatcher.future().result())
        entries.append({heading.level == 1, heading.text, QVariant::fromValue(heading)});
    Outline::fillTree(outlineTree, entries);
}

void MainWindow::onUpdateLeftBarWebView(const QVariantList &list)
{
    QList<Outline::Entry> entries;
    int levelOneCount = 1;
    int levelTwoCount = 1;
    for (const QVariant &entry : list) {
        const QVariantMap heading = entry.toMap();
        const bool isLevelOne = heading.value(QStringLiteral("tag")).toString() == QLatin1String("h1");
        const QString selector = isLevelOne ? Outline::pageHeadingSelector(QStringLiteral("h1"), levelOneCount++)
                                            : Outline::pageHeadingSelector(QStringLiteral("h2"), levelTwoCount++);
        entries.append({isLevelOne, heading.value(QStringLiteral("text")).toString(), selector});
    }
    Outline::fillTree(outlineTree, entries);
}

void MainWindow::onTreeItemClicked(QTreeWidgetItem *item, int column)
{
    const QVariant data = item->data(column, Qt::UserRole);
    if (isVisualEditorShown()) {
        page->scrollToElement(data.toString());
        return;
    }
    // The text may have changed since the scan; the position stays inside it.
    const int last = sourceEditor->document()->characterCount() - 1;
    QTextCursor cursor = sourceEditor->textCursor();
    cursor.setPosition(qBound(0, data.value<HeaderData>().position, last));
    sourceEditor->setTextCursor(cursor);
    sourceEditor->setFocus();
}

void MainWindow::filterOutline(const QString &text)
{
    outlineTree->setUpdatesEnabled(false);
    for (QTreeWidgetItemIterator it(outlineTree); *it; ++it)
        (*it)->setHidden(!text.isEmpty());
    if (!text.isEmpty()) {
        for (QTreeWidgetItemIterator it(outlineTree); *it; ++it) {
            if (!(*it)->text(0).contains(text, Qt::CaseInsensitive))
                continue;
            (*it)->setHidden(false);
            for (QTreeWidgetItem *parent = (*it)->parent(); parent; parent = parent->parent()) {
                parent->setHidden(false);
                parent->setExpanded(true);
            }
        }
    }
    outlineTree->setUpdatesEnabled(true);
}

void MainWindow::showLeftBar(bool checked)
{
    page->runOnPage(QStringLiteral("setShowLeftSidebar(%1);").arg(checked ? QStringLiteral("true") : QStringLiteral("false")));
    setLeftBar(checked);
    refreshSidebarIcon();
}

void MainWindow::setLeftBar(bool checked)
{
    sidebarToggle->setToolTip(checked ? tr("Hide Left Sidebar") : tr("Show Left Sidebar"));
    navigationDock->setVisible(checked);
    fileBrowserDock->setVisible(checked);
    Config::set(Config::ShowLeftSidebar, checked);
    if (!checked)
        return;
    if (isVisualEditorShown())
        emit content.updateSideBarSignal();
    else
        startHeadingScan(sourceEditor->toPlainText());
}

void MainWindow::refreshSidebarIcon()
{
    const bool shown = Config::get(Config::ShowLeftSidebar).toBool();
    sidebarToggle->setIcon(ActionIcons::svgIcon(shown ? sidebarShownSvg : sidebarHiddenSvg,
                                                palette().color(QPalette::ButtonText)));
}

void MainWindow::startWordCount(const QString &text)
{
    if (wordCountWatcher.isRunning())
        return;
    const QString trimmed = text.trimmed();
    wordCountWatcher.setFuture(
        QtConcurrent::run([trimmed] { return WordCount::countWords(WordCount::renderedText(trimmed)); }));
}

void MainWindow::onUpdateWordCount()
{
    wordCountLabel->setText(QString::number(wordCountWatcher.future().result()));
}

void MainWindow::onUpdateWordCountWebView(const QString &text)
{
    wordCountLabel->setText(text);
}

void MainWindow::onSelectFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Select Directory"), QDir::homePath(), QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return;
    rootFolderPath = folder;
    fileTree->clear();
    auto *root = new QTreeWidgetItem(fileTree);
    root->setText(0, QDir::toNativeSeparators(folder));
    root->setData(0, Qt::UserRole, folder);
    loadFolderToTree(folder, root);
    root->setExpanded(true);
}

// Folders are read when first opened, so that a huge tree costs nothing until
// it is explored. A folder already on the way down (reached again through a
// link) is listed but cannot be opened, so no walk goes round in a loop.
void MainWindow::loadFolderToTree(const QString &dirPath, QTreeWidgetItem *parentItem)
{
    QTreeWidgetItem *parent = parentItem ? parentItem : fileTree->invisibleRootItem();
    QSet<QString> onTheWay{QFileInfo(dirPath).canonicalFilePath()};
    for (QTreeWidgetItem *above = parentItem; above; above = above->parent())
        onTheWay << QFileInfo(above->data(0, Qt::UserRole).toString()).canonicalFilePath();

    for (const QFileInfo &entry : MarkdownFolder::entries(dirPath)) {
        auto *item = new QTreeWidgetItem(parent);
        item->setText(0, entry.fileName());
        item->setData(0, Qt::UserRole, entry.absoluteFilePath());
        if (entry.isDir() && !onTheWay.contains(entry.canonicalFilePath())) {
            item->setData(0, unreadFolderRole, true);
            item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        }
    }
}

void MainWindow::loadFolderWhenExpanded(QTreeWidgetItem *item)
{
    if (!item->data(0, unreadFolderRole).toBool())
        return;
    item->setData(0, unreadFolderRole, false);
    loadFolderToTree(item->data(0, Qt::UserRole).toString(), item);
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void MainWindow::onFileTreeItemDoubleClick(QTreeWidgetItem *item, int column)
{
    const QString path = item->data(column, Qt::UserRole).toString();
    if (QFileInfo(path).isDir() || !MarkdownFolder::isMarkdownFile(path))
        return;
    // Unsaved changes are not thrown away without a question.
    if (maybeDiscard())
        openFile(path);
}
