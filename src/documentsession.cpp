#include "documentsession.h"

#include <QFileInfo>

namespace {
// Another program may write a file in several steps: it is read once they stopped.
constexpr int diskSettleMs = 300;
}

DocumentSession::DocumentSession(Editors *editors, QObject *parent)
    : QObject(parent)
    , editors(editors)
    , pageMarkdownTime(QDateTime::currentDateTime())
{
    qRegisterMetaType<MarkdownFile::DiskState>();
    diskCheck.setSingleShot(true);
    diskCheck.setInterval(diskSettleMs);
    connect(&diskCheck, &QTimer::timeout, this, &DocumentSession::checkDisk);
    connect(&watcher, &QFileSystemWatcher::fileChanged, &diskCheck, qOverload<>(&QTimer::start));
}

QString DocumentSession::fileName() const
{
    return filePath.isEmpty() ? QString() : QFileInfo(filePath).fileName();
}

QString DocumentSession::lastCompleteDocument() const
{
    return currentState == State::Source ? editors->sourceText() : pageMarkdown;
}

bool DocumentSession::open(const QString &path, QString *error, bool keepPlace)
{
    QString text;
    DiskFacts read;
    if (!MarkdownFile::read(path, &text, &read, error))
        return false;
    filePath = path;
    facts = read;
    editors->setDocumentFolder(QFileInfo(path).absolutePath());
    replaceDocument(text, keepPlace);
    watch();
    emit fileChanged();
    return true;
}

void DocumentSession::newDocument()
{
    filePath.clear();
    facts = DiskFacts();
    editors->setDocumentFolder(QString());
    watch();
    replaceDocument(QString(), false);
    // Both editors start empty, not only the one in front.
    if (wanted == Editor::Visual)
        editors->setSourceText(QString(), false);
    else
        showInPage(QString(), false, false);
    takePageMarkdown(QString());
    sourceHoldsPageMarkdown = true;
    pageShowsSource = true;
    emit fileChanged();
}

void DocumentSession::restoreText(const QString &markdown)
{
    replaceDocument(markdown, false);
    noteEdit();
}

void DocumentSession::replaceDocument(const QString &text, bool keepPlace)
{
    failPendingReads();
    const bool handOverDropped = currentState == State::ToSource;
    handOverRequest = 0;
    currentState = wanted == Editor::Visual ? State::Visual : State::Source;
    if (handOverDropped)
        editors->setSourceReadOnly(false);
    if (wanted == Editor::Visual) {
        showInPage(text, false, keepPlace);
        takePageMarkdown(text);
    } else {
        editors->setSourceText(text, keepPlace);
    }
    sourceHoldsPageMarkdown = false;
    pageShowsSource = false;
    pageHoldsEarlierDocument = wanted != Editor::Visual;
    unbackedEdits = false;
    setModified(false);
    if (handOverDropped)
        emit handOverSettled();
}

void DocumentSession::showInPage(const QString &text, bool fromSource, bool keepPlace)
{
    pageHoldsEarlierDocument = false;
    editors->showInPage(text, fromSource, keepPlace);
}

void DocumentSession::switchTo(Editor editor)
{
    wanted = editor;
    if (currentState == State::ToSource)
        return;
    if (editor == Editor::Source && currentState == State::Visual) {
        startHandOver();
    } else if (editor == Editor::Visual && currentState == State::Source) {
        currentState = State::Visual;
        if (pageShowsSource)
            return;
        const QString text = editors->sourceText();
        showInPage(text, true, false);
        takePageMarkdown(text);
        sourceHoldsPageMarkdown = true;
        pageShowsSource = true;
    }
}

void DocumentSession::startHandOver()
{
    currentState = State::ToSource;
    editsDuringHandOver = false;
    handOverRequest = ++lastRequest;
    editors->setSourceReadOnly(true);
    editors->askPageForDocument(handOverRequest, true);
}

void DocumentSession::pageAnswered(quint64 request, const PageAnswer &answer)
{
    if (currentState == State::ToSource && request == handOverRequest) {
        handOverRequest = 0;
        switch (answer.kind) {
        case PageAnswer::Markdown:
            takePageMarkdown(answer.markdown);
            finishHandOver(answer.markdown, false);
            break;
        case PageAnswer::Unedited:
            pageHasEdits = false;
            finishHandOver(pageMarkdown, sourceHoldsPageMarkdown);
            break;
        case PageAnswer::Failed:
            editors->restartPage();
            recoverFromPage();
            break;
        }
        return;
    }
    const auto read = pageReads.find(request);
    if (read == pageReads.end())
        return;
    const quint64 revisionAsked = read->first;
    const ReadDone done = read->second;
    pageReads.erase(read);
    switch (answer.kind) {
    case PageAnswer::Markdown:
        if (currentState == State::Visual) {
            takePageMarkdown(answer.markdown);
            pageHasEdits = true;
        }
        done({true, answer.markdown, revisionAsked});
        break;
    case PageAnswer::Unedited:
        done({true, pageMarkdown, revisionAsked});
        break;
    case PageAnswer::Failed:
        done({false, QString(), revisionAsked});
        break;
    }
}

// What the page held now lives in the Source Code Editor. Keys the page took
// after it answered (input reaches it apart from the program's questions)
// are fetched too before the Source Code Editor takes typing.
void DocumentSession::finishHandOver(const QString &markdown, bool sourceHasIt)
{
    if (!sourceHasIt)
        editors->updateSourceText(markdown);
    sourceHoldsPageMarkdown = true;
    if (editsDuringHandOver && wanted == Editor::Source) {
        startHandOver();
        return;
    }
    pageHasEdits = editsDuringHandOver;
    pageShowsSource = !editsDuringHandOver;
    currentState = wanted == Editor::Visual ? State::Visual : State::Source;
    editors->setSourceReadOnly(false);
    emit handOverSettled();
    servePendingReads();
}

void DocumentSession::pageLost()
{
    recoverFromPage();
}

// The page is new and empty. What it held beyond `pageMarkdown` is gone.
void DocumentSession::recoverFromPage()
{
    failPendingReads();
    const bool editsLost = pageHasEdits && currentState != State::Source;
    pageShowsSource = false;
    if (currentState == State::Source)
        return;
    if (currentState == State::ToSource) {
        handOverRequest = 0;
        editsDuringHandOver = false;
        finishHandOver(pageMarkdown, sourceHoldsPageMarkdown);
        pageShowsSource = false;
    }
    if (currentState == State::Visual) {
        showInPage(pageMarkdown, false, false);
        pageShowsSource = sourceHoldsPageMarkdown;
    }
    pageHasEdits = false;
    emit recovered(editsLost ? tr("The Visual Editor stopped unexpectedly and was started again. The document was "
                                  "recovered as it was at %1; what was typed in the Visual Editor after that is lost.")
                                   .arg(pageMarkdownTime.toString(QStringLiteral("HH:mm:ss")))
                             : tr("The Visual Editor stopped unexpectedly and was started again. Nothing was lost."));
}

// An edit the page reports while the Source Code Editor holds the document
// came late, or from a command on the hidden page: unless the source was
// edited since, the page's document is fetched again.
void DocumentSession::pageEdited()
{
    if (pageHoldsEarlierDocument)
        return;
    noteEdit();
    if (currentState == State::ToSource) {
        editsDuringHandOver = true;
    } else if (currentState == State::Source && sourceHoldsPageMarkdown) {
        startHandOver();
    } else {
        pageHasEdits = true;
        pageShowsSource = false;
    }
}

void DocumentSession::pageUnmodified()
{
    unbackedEdits = false;
    setModified(false);
}

void DocumentSession::pageTyped()
{
    if (currentState == State::ToSource)
        editsDuringHandOver = true;
    else if (currentState == State::Visual)
        pageHasEdits = true;
}

void DocumentSession::sourceEdited()
{
    sourceHoldsPageMarkdown = false;
    pageShowsSource = false;
    noteEdit();
}

void DocumentSession::noteEdit()
{
    ++edits;
    unbackedEdits = true;
    setModified(true);
}

void DocumentSession::setModified(bool value)
{
    if (modified == value)
        return;
    modified = value;
    emit modifiedChanged(value);
}

// Whoever knows that the Source Code Editor holds the same text says so after.
void DocumentSession::takePageMarkdown(const QString &markdown)
{
    pageMarkdown = markdown;
    sourceHoldsPageMarkdown = false;
    pageMarkdownTime = QDateTime::currentDateTime();
    pageHasEdits = false;
}

void DocumentSession::readDocument(const ReadDone &done)
{
    switch (currentState) {
    case State::Source:
        done({true, editors->sourceText(), edits});
        break;
    case State::ToSource:
        readsAfterHandOver.append(done);
        break;
    case State::Visual: {
        const quint64 request = ++lastRequest;
        pageReads.insert(request, {edits, done});
        editors->askPageForDocument(request, false);
        break;
    }
    }
}

void DocumentSession::servePendingReads()
{
    const QList<ReadDone> waiting = readsAfterHandOver;
    readsAfterHandOver.clear();
    for (const ReadDone &done : waiting)
        readDocument(done);
}

void DocumentSession::failPendingReads()
{
    QList<std::pair<quint64, ReadDone>> waiting = pageReads.values();
    for (const ReadDone &done : qAsConst(readsAfterHandOver))
        waiting.append({edits, done});
    pageReads.clear();
    readsAfterHandOver.clear();
    for (const auto &read : qAsConst(waiting))
        read.second({false, QString(), read.first});
}

bool DocumentSession::encodingHolds(const QString &markdown) const
{
    return MarkdownFile::canEncode(markdown, facts);
}

void DocumentSession::useUtf8()
{
    facts.encoding = "UTF-8";
    facts.guessedEncoding = false;
    facts.textFingerprint.clear();
    facts.textLength = -1;
}

bool DocumentSession::changedOnDisk()
{
    return !filePath.isEmpty() && MarkdownFile::check(filePath, &facts) == MarkdownFile::DiskState::Changed;
}

bool DocumentSession::write(const QString &path, const Read &read, QString *error)
{
    DiskFacts written = facts;
    if (!MarkdownFile::write(path, read.markdown, &written, error))
        return false;
    facts = written;
    filePath = path;
    editors->setDocumentFolder(QFileInfo(path).absolutePath());
    watch();
    if (read.revision == edits) {
        unbackedEdits = false;
        setModified(false);
    }
    emit fileChanged();
    return true;
}

void DocumentSession::backedUp(quint64 revision)
{
    if (revision == edits)
        unbackedEdits = false;
}

void DocumentSession::watch()
{
    if (!watcher.files().isEmpty())
        watcher.removePaths(watcher.files());
    if (!filePath.isEmpty() && QFileInfo::exists(filePath))
        watcher.addPath(filePath);
}

void DocumentSession::holdDiskChanges(bool hold)
{
    diskChangeHolds += hold ? 1 : -1;
    if (diskChangeHolds == 0 && diskCheckDeferred) {
        diskCheckDeferred = false;
        diskCheck.start();
    }
}

void DocumentSession::checkDisk()
{
    if (filePath.isEmpty())
        return;
    if (diskChangeHolds > 0) {
        diskCheckDeferred = true;
        return;
    }
    const MarkdownFile::DiskState state = MarkdownFile::check(filePath, &facts);
    // A file replaced by a new one is no longer watched.
    if (state != MarkdownFile::DiskState::Missing && !watcher.files().contains(filePath))
        watcher.addPath(filePath);
    if (state == MarkdownFile::DiskState::Unchanged)
        return;
    if (state == MarkdownFile::DiskState::Missing)
        setModified(true);
    emit diskChanged(state);
}
