#pragma once

#include "documentfile.h"
#include "editorpage.h"

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// The open document from opening to closing: the file it came from and how
// that file looked on disk, its text, which editor holds the current text,
// the hand-over between the editors, and whether it is saved. The window
// forwards every event to it and carries out what it asks of the editors;
// it knows nothing of widgets or the web engine.
//
// Where the current text is (`state`):
//   Visual    The Visual Editor is in front; its page holds the document: the
//             Markdown it was last given or gave (`pageMarkdown`), plus what
//             was edited in it since (`pageHasEdits`).
//   Source    The Source Code Editor is in front and holds the document.
//   ToSource  The page was asked for its document (hand-over `handOverRequest`);
//             the Source Code Editor is read-only until it answers. A switch
//             meanwhile only decides which editor is in front once it is in
//             (`wanted`). The page stays editable: what it takes meanwhile is
//             its own, and it is asked again when it goes behind.
//
// Transitions (questions whose number is no longer awaited are dropped):
//   state     event                      what happens                                     next
//   any       opened, newDocument        text to the editor in front; questions dropped    wanted
//   Visual    switchTo(Source)           page asked to hand over; source read-only          ToSource
//   ToSource  switchTo(e)                wanted = e                                         ToSource
//   ToSource  pageAnswered(Markdown m)   source gets m                                      wanted
//   ToSource  pageAnswered(Unedited)     source gets pageMarkdown, unless it has it         wanted
//     either, when the page reported edits meanwhile and wanted is Source: asked again  ToSource
//   ToSource  pageAnswered(Failed)       page restarted, then as pageLost                   wanted
//   Source    switchTo(Visual)           page gets the source's text unless it shows it     Visual
//   Source    pageEdited                 the source unedited since: page asked again        ToSource
//   Source    pageEdited, page holding   nothing: late keys of a document since replaced   Source
//             an earlier document
//   Visual    pageLost                   page gets pageMarkdown again; notice               Visual
//   ToSource  pageLost                   source gets pageMarkdown; notice                   wanted
//   Source    pageLost                   nothing: the page gets the text when in front      Source
//   any       sourceEdited, pageEdited   modified (but see above); revision + 1             same
//   any       written(r)                 unmodified when no edit came after revision r      same
//   any       file changed on disk       diskChanged: the window reloads or asks            same
//
// Reads (`readDocument`) wait while a hand-over is pending, then take the
// text from the editor in front: at once from the Source Code Editor, by a
// question from the page.
class DocumentSession : public QObject
{
    Q_OBJECT
public:
    enum class State { Visual, Source, ToSource };
    enum class Editor { Visual, Source };

    // What the session asks of the two editors.
    class Editors
    {
    public:
        virtual ~Editors() = default;
        virtual QString sourceText() const = 0;
        // The program's own replacement of the whole text; `keepPlace` keeps caret and scrolling.
        virtual void setSourceText(const QString &markdown, bool keepPlace) = 0;
        // The same document as edited in the page: changed where it differs, as one undo step.
        virtual void updateSourceText(const QString &markdown) { setSourceText(markdown, true); }
        virtual void showInPage(const QString &markdown, bool fromSource, bool keepPlace) = 0;
        // Answered through `pageAnswered(request, ...)`, never before it returns.
        virtual void askPageForDocument(quint64 request, bool handOver) = 0;
        virtual void restartPage() = 0;
        virtual void setSourceReadOnly(bool readOnly) = 0;
        // Where the document's relative addresses lead; empty for a new document.
        virtual void setDocumentFolder(const QString &folder) { Q_UNUSED(folder) }
    };

    struct Read {
        bool ok = false;
        QString markdown;
        quint64 revision = 0; // the edits it holds: every one up to this
    };
    using ReadDone = std::function<void(const Read &)>;

    explicit DocumentSession(Editors *editors, QObject *parent = nullptr);

    State state() const { return currentState; }
    Editor editorInFront() const { return wanted; }
    bool isModified() const { return modified; }
    bool changedSinceBackup() const { return unbackedEdits; }
    quint64 revision() const { return edits; }
    QString path() const { return filePath; }
    QString fileName() const;
    const DiskFacts &diskFacts() const { return facts; }
    // The newest text the session holds whole: for backups and recovery
    // while the page's edits are not in yet.
    QString lastCompleteDocument() const;

    // Opening, New, reloading: the document is replaced.
    bool open(const QString &path, QString *error, bool keepPlace = false);
    void newDocument();
    // The text of a recovered backup replaces the document, which counts as edited.
    void restoreText(const QString &markdown);

    void switchTo(Editor editor);
    void pageAnswered(quint64 request, const PageAnswer &answer);
    void pageLost();
    void pageEdited();
    // The page reports its document as unmodified (through the bridge's
    // updateModifyStatus(false); the editor page itself only ever reports edits).
    void pageUnmodified();
    // Keys reached the page: should it end, what they did is lost with it.
    void pageTyped();
    void sourceEdited();

    void readDocument(const ReadDone &done);

    // Whether the file's encoding holds `markdown`; else it can be saved as UTF-8.
    bool encodingHolds(const QString &markdown) const;
    void useUtf8();
    // Another program changed the file since it was read or written.
    bool changedOnDisk();
    // Writes `read` to `path`, which becomes the document's file.
    bool write(const QString &path, const Read &read, QString *error);
    void backedUp(quint64 revision);

    // While held (calls nest), changes on disk are noted and reported once released.
    void holdDiskChanges(bool hold);

signals:
    void modifiedChanged(bool modified);
    void fileChanged();
    void handOverSettled();
    // The page ended or failed; `notice` says what was recovered and what was lost.
    void recovered(const QString &notice);
    void diskChanged(MarkdownFile::DiskState state);

private:
    void setModified(bool value);
    void noteEdit();
    void replaceDocument(const QString &text, bool keepPlace);
    void showInPage(const QString &text, bool fromSource, bool keepPlace);
    void startHandOver();
    void finishHandOver(const QString &markdown, bool sourceHasIt);
    void recoverFromPage();
    void servePendingReads();
    void failPendingReads();
    void takePageMarkdown(const QString &markdown);
    void watch();
    void checkDisk();

    Editors *editors;
    State currentState = State::Visual;
    Editor wanted = Editor::Visual;

    QString filePath;
    DiskFacts facts;
    bool modified = false;
    bool unbackedEdits = false;
    quint64 edits = 0;

    // The page's document as Markdown when the program last gave or had it,
    // and when that was; whether it was edited since.
    QString pageMarkdown;
    QDateTime pageMarkdownTime;
    bool pageHasEdits = false;
    // The Source Code Editor's text is `pageMarkdown`, unchanged since.
    bool sourceHoldsPageMarkdown = true;
    // Both editors show the same document, unchanged on either side since.
    bool pageShowsSource = true;
    // The page still holds a document replaced while the Source Code Editor
    // was in front; what it reports of edits concerns that one.
    bool pageHoldsEarlierDocument = false;

    quint64 lastRequest = 0;
    quint64 handOverRequest = 0;
    // The page reported an edit while it was handing over.
    bool editsDuringHandOver = false;
    QHash<quint64, std::pair<quint64, ReadDone>> pageReads; // request -> revision asked at, callback
    QList<ReadDone> readsAfterHandOver;

    QFileSystemWatcher watcher;
    QTimer diskCheck;
    int diskChangeHolds = 0;
    bool diskCheckDeferred = false;
};
