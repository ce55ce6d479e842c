// The life of the open document: opening, saving, the recent list, and the
// hand-over of the document between the two editors.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "MsgBoxHelper.h"
#include "QPlainTextEditEx.h"
#include "QWebEngineViewEx.h"
#include "highlighter.h"
#include "pagescript.h"
#include "recentfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QTimer>
#include <QTreeWidget>

namespace {
// How long Save and the other readers of the document wait for the page.
constexpr int pageAnswerTimeoutMs = 10000;
// The outline and word count follow the Markdown text this long after the last edit.
constexpr int editPauseMs = 3000;
}

void MainWindow::showDocumentHtmlWhenPageReady(const QString &html)
{
    connect(webView, &QWebEngineView::loadFinished, this, [this, html](bool ok) {
        if (!ok)
            return;
        askPage(QStringLiteral("typeof qt.webChannelTransport !== 'undefined'"), [this, html](const QVariant &ready) {
            if (!ready.toBool())
                return;
            if (!html.isEmpty())
                emit content.setHtmlSignal(html);
            disconnect(webView, &QWebEngineView::loadFinished, this, nullptr);
        });
    });
}

void MainWindow::giveDocumentToPage(const QString &markdown, bool afterPageLoad)
{
    const QString html = converter.markdownToHtml(markdown.toStdString());
    pageMarkdown = markdown;
    pageEditedSinceGiven = false;
    if (afterPageLoad)
        showDocumentHtmlWhenPageReady(html);
    else
        emit content.setHtmlSignal(html);
}

bool MainWindow::openFile(const QString &path, bool duringStartup)
{
    MarkdownFile file;
    QString error;
    if (!file.read(path, &error)) {
        MsgBoxHelper::showMessageBox(QMessageBox::Warning, tr("Prompt"),
                                     tr("Cannot open file %1: %2").arg(QDir::toNativeSeparators(path), error),
                                     MsgBoxHelper::OkOnly);
        RecentFiles::remove(path);
        rebuildRecentMenu();
        return false;
    }
    currentPath = path;
    currentFileName = QFileInfo(path).fileName();
    fileUsesCrLf = file.crlf;
    modified = false;
    if (duringStartup) {
        loadEditorPage();
        giveDocumentToPage(file.text, true);
        sourceMatchesPage = false;
    } else if (!isVisualEditorShown()) {
        setSourceText(file.text);
        sourceEditor->document()->setModified(false);
    } else {
        giveDocumentToPage(file.text, false);
        sourceMatchesPage = false;
    }
    updateTitle();
    RecentFiles::add(path);
    rebuildRecentMenu();
    return true;
}

void MainWindow::rebuildRecentMenu()
{
    if (!recentMenu)
        return;
    recentMenu->clear();
    for (const QString &path : RecentFiles::load().mid(0, RecentFiles::maxEntries)) {
        auto *action = new QAction(path, recentMenu);
        action->setData(path);
        connect(action, &QAction::triggered, this, &MainWindow::openRecentFile);
        recentMenu->addAction(action);
    }
}

// Unsaved changes are not thrown away without asking, whichever way a file is opened.
void MainWindow::openRecentFile()
{
    if (auto *action = qobject_cast<QAction *>(sender()))
        if (maybeDiscard())
            openFile(action->data().toString());
}

bool MainWindow::maybeDiscard()
{
    if (!modified)
        return true;
    return MsgBoxHelper::showMessageBox(QMessageBox::Information, tr("Prompt"),
                                        tr("The current file has not been saved. Do you want to discard changes?"),
                                        MsgBoxHelper::YesNo)
        == QMessageBox::Yes;
}

void MainWindow::on_actionNew_triggered()
{
    if (!maybeDiscard())
        return;
    currentPath.clear();
    currentFileName.clear();
    fileUsesCrLf = MarkdownFile::platformUsesCrLf();
    pageMarkdown.clear();
    pageEditedSinceGiven = false;
    emit content.setHtmlSignal(QString());
    setSourceText(QString());
    sourceMatchesPage = true;
    modified = false;
    updateTitle();
    sourceEditor->document()->setModified(false);
}

void MainWindow::on_actionOpen_triggered()
{
    if (!maybeDiscard())
        return;
    const QString path = QFileDialog::getOpenFileName(this, tr("Open the Markdown file"), QString(),
                                                      QStringLiteral("Markdown ") + tr("File")
                                                          + QStringLiteral(" (*.md *.mdx);;All Files (*)"));
    if (!path.isEmpty())
        openFile(path);
}

void MainWindow::on_actionSave_triggered()
{
    bool read = false;
    const QString markdown = currentMarkdown(&read);
    if (!read) {
        reportUnreadableDocument();
        return;
    }
    if (currentPath.isEmpty()) {
        pendingMarkdown = markdown;
        on_actionSaveAs_triggered();
        pendingMarkdown.clear();
        return;
    }
    saveToFile(markdown);
}

void MainWindow::on_actionSaveAs_triggered()
{
    QString markdown = pendingMarkdown;
    if (markdown.isEmpty()) {
        bool read = false;
        markdown = currentMarkdown(&read);
        if (!read) {
            reportUnreadableDocument();
            return;
        }
    }
    const QTreeWidgetItem *firstEntry = outlineTree->topLevelItem(0);
    const QString suggestion = suggestedFileName(firstEntry ? firstEntry->text(0) : QString(), markdown);
    const QString files = tr("Files");
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save Markdown File"), suggestion,
        QStringLiteral("Markdown %1 (*.md *.mdx);;MD %1 (*.md);;MDX %1 (*.mdx);;All %1 (*)").arg(files));
    if (path.isEmpty())
        return;
    currentPath = path;
    currentFileName = QFileInfo(path).fileName();
    updateTitle();
    saveToFile(markdown);
}

// The document counts as saved only once the file is complete on disk.
bool MainWindow::saveToFile(const QString &markdown)
{
    QString error;
    if (!MarkdownFile::write(currentPath, markdown, fileUsesCrLf, &error)) {
        MsgBoxHelper::showMessageBox(QMessageBox::Warning, tr("Prompt"),
                                     tr("Cannot save file %1: %2").arg(QDir::toNativeSeparators(currentPath), error),
                                     MsgBoxHelper::OkOnly);
        return false;
    }
    modified = false;
    updateTitle();
    sourceEditor->document()->setModified(false);
    RecentFiles::add(currentPath);
    rebuildRecentMenu();
    deleteBackup(QString(currentBackupPath));
    showStatusMessage(tr("Saved Successfully"), QStringLiteral("#333333"), 3);
    return true;
}

void MainWindow::setSourceText(const QString &markdown)
{
    highlighter->replaceText([this, &markdown] { sourceEditor->setTextProgrammatically(markdown); });
}

void MainWindow::reportUnreadableDocument()
{
    MsgBoxHelper::showMessageBox(QMessageBox::Warning, tr("Prompt"),
                                 tr("The document could not be read from the Visual Editor, so nothing was written. "
                                    "Please try again in a moment."),
                                 MsgBoxHelper::OkOnly);
}

// The document as Markdown, from whichever editor is live. When the page does
// not answer in time, the Markdown it was last given stands in for it, but
// only if nothing was edited in it since; otherwise `read` is false.
QString MainWindow::currentMarkdown(bool *read)
{
    if (read)
        *read = true;
    if (!isVisualEditorShown())
        return sourceEditor->toPlainText();

    bool answered = false;
    const QVariant html = runScriptAndWait(webView->page(), QStringLiteral("typeof editedHtml === 'function' ? editedHtml() : null"),
                                           pageAnswerTimeoutMs, &answered);
    if (answered && html.type() == QVariant::String)
        return converter.htmlToMarkdown(html.toString());
    if (answered && html.type() == QVariant::Bool)
        return sourceMatchesPage ? sourceEditor->toPlainText() : pageMarkdown;
    if (!pageEditedSinceGiven)
        return pageMarkdown;
    if (read)
        *read = false;
    return QString();
}

void MainWindow::on_actionNewWindow_triggered()
{
    QProcess::startDetached(QCoreApplication::applicationFilePath(), QStringList());
}

void MainWindow::on_actionExit_triggered()
{
    close();
}

void MainWindow::connectSyncDirection(bool visual)
{
    disconnect(syncConnection);
    if (visual)
        syncConnection = connect(&content, &Content::updateModifyStatusSignal, this, &MainWindow::onWebViewChage);
    else
        syncConnection = connect(sourceEditor, &QPlainTextEdit::textChanged, this, &MainWindow::onEditorChage);
}

// The tab in front is the live editor; the document moves over with it.
void MainWindow::onDockActivated(QDockWidget *dock)
{
    // Colouring waits while its editor is out of sight, and while the page's
    // answer is on its way: both run on this thread.
    highlighter->setSlicesPaused(true);
    if (dock->objectName() == QLatin1String("dockEditor")) {
        connectSyncDirection(false);
        // Until the page's document arrives and replaces the text, typing would be lost.
        // A page not edited since it was given its document answers false: the
        // document is then the Markdown it was given, spelt as the user wrote it.
        sourceEditor->setReadOnly(true);
        askPage(QStringLiteral("handOverHtml()"), [this](const QVariant &html) {
            highlighter->setSlicesPaused(isVisualEditorShown());
            if (html.type() == QVariant::String) {
                setSourceText(converter.htmlToMarkdown(html.toString()));
                sourceMatchesPage = false;
            } else if (html.type() == QVariant::Bool && !sourceMatchesPage) {
                setSourceText(pageMarkdown);
                sourceMatchesPage = true;
            }
            pageShowsSource = html.type() == QVariant::String || html.type() == QVariant::Bool;
            sourceEditor->setReadOnly(false);
        });
    } else if (dock->objectName() == QLatin1String("dockWebView")) {
        connectSyncDirection(true);
        if (pageShowsSource)
            return;
        giveDocumentToPage(DocumentConverter::isolateTables(sourceEditor->toPlainText()), false);
        sourceMatchesPage = true;
    }
}

void MainWindow::onWebViewChage(bool status)
{
    modified = status;
    changedSinceBackup = status;
    pageEditedSinceGiven = true;
    updateTitle();
}

void MainWindow::onEditorChage()
{
    editorChangeTimer->start(editPauseMs);
    if (sourceEditor->isSettingText())
        return;
    modified = true;
    changedSinceBackup = true;
    updateTitle();
}
