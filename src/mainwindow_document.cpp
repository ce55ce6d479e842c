// The life of the open document as the window shows it: opening, saving,
// the recent list, the questions before changes are lost, and the editor in
// front. The document's own state lives in its DocumentSession.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "documenteditors.h"
#include "highlighter.h"
#include "imageplacement.h"
#include "linktarget.h"
#include "MsgBoxHelper.h"
#include "QPlainTextEditEx.h"
#include "QWebEngineViewEx.h"
#include "recentfiles.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDockWidget>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

namespace {
// Another program's change to the file is dealt with once a save is over.
class DiskChangesHeld
{
public:
    explicit DiskChangesHeld(DocumentSession *session)
        : session(session)
    {
        session->holdDiskChanges(true);
    }
    ~DiskChangesHeld() { session->holdDiskChanges(false); }
    DiskChangesHeld(const DiskChangesHeld &) = delete;
    DiskChangesHeld &operator=(const DiskChangesHeld &) = delete;

private:
    DocumentSession *session;
};

// The outline and word count follow the Markdown text this long after the last edit.
constexpr int editPauseMs = 3000;
// The page gives up on a question well before this; it only guards against a
// page that never answers at all.
constexpr int documentReadTimeoutMs = 60000;
}

bool MainWindow::openFile(const QString &path)
{
    return openDocument(path, true);
}

bool MainWindow::openDocument(const QString &path, bool offerBackup)
{
    // The document that goes needs no backup: it was saved, discarded or unchanged.
    const QString oldBackup = currentBackupPath;
    QString error;
    if (!session->open(path, &error)) {
        MsgBoxHelper::showMessageBox(QMessageBox::Warning, tr("Prompt"),
                                     tr("Cannot open file %1: %2").arg(QDir::toNativeSeparators(path), error),
                                     MsgBoxHelper::OkOnly);
        RecentFiles::remove(path);
        rebuildRecentMenu();
        return false;
    }
    deleteBackup(oldBackup);
    documentReplaced();
    RecentFiles::add(path);
    rebuildRecentMenu();
    if (offerBackup)
        QTimer::singleShot(0, this, [this, path] { offerNewerBackup(path); });
    return true;
}

// Whatever replaced the document, the window shows the new one's file.
void MainWindow::documentReplaced()
{
    const DiskFacts &facts = session->diskFacts();
    const bool plainUtf8 = facts.encoding == "UTF-8" && !facts.byteOrderMark;
    infoLabel->setText(plainUtf8 ? QString() : tr("Encoding: %1").arg(QString::fromLatin1(facts.encoding)));
    updateTitle();
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

// Unsaved changes are not thrown away without asking, whichever way a file
// is opened. Saving them rebuilds this menu, and its actions with it.
void MainWindow::openRecentFile()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (!action)
        return;
    const QString path = action->data().toString();
    if (maybeDiscard())
        openFile(path);
}

bool MainWindow::maybeDiscard()
{
    if (!session->isModified())
        return true;
    const QString name = session->fileName().isEmpty() ? tr("Untitled") : session->fileName();
    switch (MsgBoxHelper::askToSave(tr("Prompt"), tr("Do you want to save the changes to %1?").arg(name))) {
    case QMessageBox::Save:
        return saveDocument();
    case QMessageBox::Discard:
        deleteBackup(QString(currentBackupPath));
        return true;
    default:
        return false;
    }
}

void MainWindow::on_actionNew_triggered()
{
    if (!maybeDiscard())
        return;
    deleteBackup(QString(currentBackupPath));
    session->newDocument();
    documentReplaced();
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
    saveDocument();
}

void MainWindow::on_actionSaveAs_triggered()
{
    const DiskChangesHeld held(session);
    const DocumentSession::Read read = readDocument();
    if (!read.ok) {
        reportUnreadableDocument();
        return;
    }
    saveDocumentAs(read);
}

bool MainWindow::saveDocument()
{
    const DiskChangesHeld held(session);
    const DocumentSession::Read read = readDocument();
    if (!read.ok) {
        reportUnreadableDocument();
        return false;
    }
    if (session->path().isEmpty())
        return saveDocumentAs(read);
    return writeDocument(session->path(), read);
}

bool MainWindow::saveDocumentAs(const DocumentSession::Read &read)
{
    const QTreeWidgetItem *firstEntry = outlineTree->topLevelItem(0);
    const QString suggestion = suggestedFileName(firstEntry ? firstEntry->text(0) : QString(), read.markdown);
    const QString files = tr("Files");
    const QString start = session->path().isEmpty()
        ? pathBesideDocument(QString(), suggestion, QStringLiteral(".md"))
        : session->path();
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save Markdown File"), start,
        QStringLiteral("Markdown %1 (*.md *.mdx);;MD %1 (*.md);;MDX %1 (*.mdx);;All %1 (*)").arg(files));
    if (path.isEmpty())
        return false;
    if (session->path().isEmpty())
        return writeDocument(path, read);
    // Relative image addresses are rewritten to reach the same files from the
    // new folder; the editors then hold the text as written.
    DocumentSession::Read moved = read;
    moved.markdown = ImagePlacement::movedImagePaths(read.markdown, QFileInfo(session->path()).absolutePath(),
                                                     QFileInfo(path).absolutePath());
    if (!writeDocument(path, moved))
        return false;
    if (moved.markdown != read.markdown) {
        QString error;
        session->open(path, &error, true);
        documentReplaced();
    }
    return true;
}

bool MainWindow::saveToFile(const QString &markdown)
{
    return writeDocument(session->path(), {true, markdown, session->revision()});
}

// The document counts as saved only once the file is complete on disk, and
// only with the edits the written text holds.
bool MainWindow::writeDocument(const QString &path, const DocumentSession::Read &read)
{
    const QString nativePath = QDir::toNativeSeparators(path);
    if (path == session->path() && session->changedOnDisk()
        && MsgBoxHelper::showMessageBox(QMessageBox::Warning, tr("Prompt"),
                                        tr("%1 was changed by another program since it was opened or saved. "
                                           "Overwrite those changes?")
                                            .arg(nativePath),
                                        MsgBoxHelper::YesNo)
            != QMessageBox::Yes)
        return false;
    if (!session->encodingHolds(read.markdown)) {
        if (MsgBoxHelper::showMessageBox(QMessageBox::Warning, tr("Prompt"),
                                         tr("The document holds characters that the file's encoding, %1, cannot "
                                            "hold. Save it in UTF-8 instead?")
                                             .arg(QString::fromLatin1(session->diskFacts().encoding)),
                                         MsgBoxHelper::YesNo)
            != QMessageBox::Yes)
            return false;
        session->useUtf8();
    }
    QString error;
    const DiskChangesHeld held(session);
    if (!session->write(path, read, &error)) {
        MsgBoxHelper::showMessageBox(QMessageBox::Warning, tr("Prompt"),
                                     tr("Cannot save file %1: %2").arg(nativePath, error), MsgBoxHelper::OkOnly);
        return false;
    }
    documentReplaced();
    RecentFiles::add(path);
    rebuildRecentMenu();
    deleteBackup(QString(currentBackupPath));
    showStatusMessage(tr("Saved Successfully"), QStringLiteral("#333333"), 3);
    return true;
}

void MainWindow::reportUnreadableDocument()
{
    MsgBoxHelper::showMessageBox(QMessageBox::Warning, tr("Prompt"),
                                 tr("The document could not be read from the Visual Editor, so nothing was written. "
                                    "Please try again in a moment."),
                                 MsgBoxHelper::OkOnly);
}

// Waits, without taking user input, for a hand-over in progress and then for
// the page's answer. The answer may come after this gave up; it then finds
// nobody waiting.
DocumentSession::Read MainWindow::readDocument()
{
    struct Waiting {
        DocumentSession::Read read;
        bool done = false;
        QEventLoop *loop = nullptr;
    };
    const auto waiting = std::make_shared<Waiting>();
    const DiskChangesHeld held(session);
    session->readDocument([waiting](const DocumentSession::Read &read) {
        waiting->read = read;
        waiting->done = true;
        if (waiting->loop)
            waiting->loop->quit();
    });
    if (!waiting->done) {
        QEventLoop loop;
        waiting->loop = &loop;
        QTimer::singleShot(documentReadTimeoutMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        waiting->loop = nullptr;
    }
    return waiting->done ? waiting->read : DocumentSession::Read();
}

QString MainWindow::currentMarkdown(bool *read)
{
    const DocumentSession::Read document = readDocument();
    if (read)
        *read = document.ok;
    return document.markdown;
}

void MainWindow::on_actionNewWindow_triggered()
{
    QProcess::startDetached(QCoreApplication::applicationFilePath(), QStringList());
}

void MainWindow::on_actionExit_triggered()
{
    close();
}

// Another program changed the file: an unchanged document follows it, an
// edited one only when the user says so.
void MainWindow::onDiskChanged(MarkdownFile::DiskState state)
{
    const QString name = QDir::toNativeSeparators(session->path());
    if (state == MarkdownFile::DiskState::Missing) {
        showStatusMessage(tr("%1 was deleted or moved by another program.").arg(name), QStringLiteral("#FF0000"), 3);
        return;
    }
    if (session->isModified()
        && MsgBoxHelper::showMessageBox(QMessageBox::Question, tr("Prompt"),
                                        tr("%1 was changed by another program. Reload it and lose your unsaved changes?")
                                            .arg(name),
                                        MsgBoxHelper::YesNo)
            != QMessageBox::Yes)
        return;
    QString error;
    if (!session->open(session->path(), &error, true))
        return;
    documentReplaced();
    showStatusMessage(tr("%1 was changed by another program and has been reloaded.").arg(name),
                      QStringLiteral("#333333"), 3);
}

// Ctrl+click on a link: only web and mail addresses go to the browser without
// a question, and nothing that would run script.
void MainWindow::openLink(const QString &href)
{
    const LinkTarget target = LinkTarget::of(href, session->path());
    switch (target.kind) {
    case LinkTarget::Web:
        QDesktopServices::openUrl(target.url);
        break;
    case LinkTarget::Anchor:
        page->jumpToAnchor(target.fragment);
        break;
    case LinkTarget::MarkdownFile:
        if (maybeDiscard())
            openFile(target.url.toLocalFile());
        break;
    case LinkTarget::Other:
        if (MsgBoxHelper::showMessageBox(QMessageBox::Question, tr("Prompt"),
                                         tr("Open %1 with the program the system uses for it?")
                                             .arg(target.url.toDisplayString(QUrl::PreferLocalFile)),
                                         MsgBoxHelper::YesNo)
            == QMessageBox::Yes)
            QDesktopServices::openUrl(target.url);
        break;
    case LinkTarget::Script:
        break;
    }
}

void MainWindow::showRecoveryNotice(const QString &notice)
{
    if (!recoveryNotice) {
        recoveryNotice = new QMessageBox(QMessageBox::Warning, tr("Prompt"), QString(), QMessageBox::Ok, this);
        recoveryNotice->setAttribute(Qt::WA_DeleteOnClose);
        recoveryNotice->setWindowModality(Qt::ApplicationModal);
    }
    recoveryNotice->setText(notice);
    recoveryNotice->show();
}

// The editor whose tab is in front is the live one; the document moves over
// with it, whether a tab was clicked, a dock closed or raised by a command.
void MainWindow::onEditorTabActivated(QDockWidget *dock)
{
    if (dock == sourceDock || dock == visualDock)
        bringEditorToFront(dock == visualDock ? DocumentSession::Editor::Visual : DocumentSession::Editor::Source);
}

// A closed editor leaves the other in front. While both are open the tab in
// front decides; after a dock came back it shows once the layout settled.
void MainWindow::onEditorDockShownOrHidden()
{
    keepLastEditorDockOpen();
    if (visualDock->isHidden() != sourceDock->isHidden()) {
        bringEditorToFront(visualDock->isHidden() ? DocumentSession::Editor::Source : DocumentSession::Editor::Visual);
        return;
    }
    QTimer::singleShot(0, this, [this] {
        const bool visualShows = !visualDock->visibleRegion().isEmpty();
        if (visualShows != !sourceDock->visibleRegion().isEmpty())
            bringEditorToFront(visualShows ? DocumentSession::Editor::Visual : DocumentSession::Editor::Source);
    });
}

void MainWindow::bringEditorToFront(DocumentSession::Editor editor)
{
    session->switchTo(editor);
    updateHighlighterPause();
    // The table commands work on the page's tables only: in the Source Code
    // Editor they are off rather than doing nothing.
    for (auto it = tablePageCalls.cbegin(); it != tablePageCalls.cend(); ++it)
        it.key()->setEnabled(editor == DocumentSession::Editor::Visual);
}

// The last editor left open has no close button, and its View entry stays on.
void MainWindow::keepLastEditorDockOpen()
{
    for (QDockWidget *dock : {sourceDock, visualDock}) {
        QDockWidget *other = dock == sourceDock ? visualDock : sourceDock;
        const bool alone = other->isHidden();
        dock->setFeatures(alone ? QDockWidget::NoDockWidgetFeatures : QDockWidget::DockWidgetClosable);
        dock->toggleViewAction()->setEnabled(!alone);
    }
}

// Colouring waits while its editor is out of sight, and while a hand-over
// is on its way: both run on this thread.
void MainWindow::updateHighlighterPause()
{
    if (highlighter)
        highlighter->setSlicesPaused(session->state() != DocumentSession::State::Source);
}

void MainWindow::onWebViewChage(bool status)
{
    if (status)
        session->pageEdited();
    else
        session->pageUnmodified();
}

void MainWindow::onEditorChage()
{
    editorChangeTimer->start(editPauseMs);
    if (editors->sourceTextEdited())
        session->sourceEdited();
}
