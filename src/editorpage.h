#pragma once

#include "documentconverter.h"
#include "pagetemplate.h"
#include "remoteimagegate.h"
#include "sourceblocks.h"

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <QWebEnginePage>

#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class Content;
class PageDocuments;
class QWebChannel;
class QWebEngineView;
class QPageLayout;
class QPrinter;
class QElapsedTimer;

// What the page said when asked for its document.
struct PageAnswer {
    enum Kind {
        Markdown, // edited since the program last had its document: here it is
        Unedited, // it holds just the Markdown it was last given or gave
        Failed,   // no answer: the page is gone or did not answer in time
    };
    Kind kind = Failed;
    QString markdown;
};
Q_DECLARE_METATYPE(PageAnswer)

// The Visual Editor's page as the program sees it. Every script the program
// runs in the page goes through here.
//
// The page is ready once it has loaded and its bridge is connected (it then
// calls `contentObj.loadRecentMd()`); a document given before that waits and
// goes in then. The program counts the documents it gives the page, and so
// does the page: an answer about a document older than the last one given
// means the page has not taken that one in yet, which it then holds unedited.
// Until it has, keys typed into the view are held back and then passed on:
// typed into the document on its way out, they would be lost with it.
//
// The page functions the program relies on (resources/page/*.js):
//   setDocumentHtml(start, address) replaces the document with `start` and, given
//                                an address, the rest that address serves
//   setDocumentFolder(url)       where relative image addresses lead
//   handOverHtml()               {document, keys, html}: html is false when unedited
//                                since the program last had it; the program has it now
//   editedHtml()                 the same without handing over: the page stays live
//   keepPlaceOnNextDocument()    the next document keeps the scroll position
//   flushPendingHtml()           takes in the rest of a document still coming in
//   documentNumber, keysReceived how many documents the page took in, and key presses
class EditorPage : public QObject
{
    Q_OBJECT
public:
    EditorPage(QWebEngineView *view, Content *content, QObject *parent = nullptr);
    ~EditorPage() override;

    // Loads the editor page; again after its renderer ended.
    void load(const PageSettings &settings);
    void reload() { load(settings); }
    bool isReady() const { return ready; }
    // The page has taken in the last document it was given.
    bool holdsLatestDocument() const { return ready && !holdingInput; }

    // Shows `markdown`; one typed in the Source Code Editor gets blank lines
    // around tables, so that a table right under a paragraph still renders.
    void showDocument(const QString &markdown, bool fromSource = false, bool keepPlace = false);
    void showHtml(const QString &html);

    // Asks for the document; the answer comes as `documentAnswered(request, ...)`,
    // never before this returns. A hand-over also stops the page's own counting.
    void requestDocument(quint64 request, bool handOver);

    // Runs `script` once the whole document is in; `answered` gets its result,
    // unless this object is gone or the page was replaced by then.
    void run(const QString &script);
    void ask(const QString &script, const std::function<void(const QVariant &)> &answered);
    void whenWholeDocument(const std::function<void()> &then);
    // Runs `script` at once, for calls that change only the page's own
    // settings (style, spelling, layout): a large document still coming in
    // goes on coming in piece by piece rather than all at once.
    void runOnPage(const QString &script);

    // The document as a standalone page built by the page's exportDocument()
    // (empty when the page could not build it), as a PDF, or on paper; the
    // answer comes as with `ask`.
    // Whether the page may fetch images from the network ("Load remote images").
    void setRemoteImagesAllowed(bool allowed);
    // Relative image addresses in the documents given next lead into `folder`.
    void setDocumentFolder(const QString &folder);
    // Moves the caret to the element a "#name" link leads to.
    void jumpToAnchor(const QString &name);
    // Brings the page's element that `selector` names into view.
    void scrollToElement(const QString &selector);
    // What an empty document shows, in the interface's language.
    void setPlaceholder(const QString &text);
    void exportDocument(const QJsonObject &request, const std::function<void(const QString &)> &answered);
    void printToPdf(const QPageLayout &layout, const std::function<void(const QByteArray &)> &answered);
    void print(QPrinter *printer, const std::function<void(bool)> &answered);

    // The window is going: nothing the page still answers is passed on.
    void shutDown();

    // The renderer's process, for tests that end it as the system would.
    qint64 rendererProcessId() const;

signals:
    void documentAnswered(quint64 request, const PageAnswer &answer);
    // The renderer ended; the page is being loaded again and is not ready.
    void lost();
    void becameReady();
    // Keys reached the page; what they changed is only known once it answers.
    void keysTyped();
    // Ctrl+V reached the page, which pastes nothing itself.
    void pasteKeyPressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The document's markup, as UTF-8.
    void giveHtml(const QByteArray &html);
    void sendDocument(const QByteArray &html);
    void holdUntilReady(const QByteArray &html, bool keepPlace);
    void countDocumentGiven();
    void whenCodeModesLoaded(const std::function<void()> &then, int attempts = 60);
    bool patchPage(SourceBlocks &next, bool keepPlace);
    bool takeReadDocument(QVariantList &blockOfElement);
    void giveWholeDocumentAgain();
    void forgetDocument();
    void followInputTarget();
    void holdInputUntilDocumentIsIn();
    void checkDocumentIsIn();
    void whenKeysAreIn(quint64 keys, const QElapsedTimer &sinceAsked, const std::function<void()> &then);
    void passHeldInputOn();
    void onRendererTerminated(QWebEnginePage::RenderProcessTerminationStatus status);
    void onBridgeConnected();
    PageAnswer answerFrom(const QVariant &result);

    QWebEngineView *view;
    Content *content;
    QWebChannel *channel = nullptr;
    QPointer<PageDocuments> documents;
    DocumentConverter converter;
    // The document the page was given last, by its blocks, and whether the
    // page has reported an edit of it since.
    SourceBlocks sourceBlocks;
    bool pageEditedSinceGiven = false;
    // The Markdown last read from an edited page, the parts it was read
    // from, and the page's number for that read.
    QString readMarkdown;
    std::vector<SourceBlocks::PagePart> readParts;
    quint64 readNumber = 0;
    bool patchKeepsPlace = false;
    QString documentFolderUrl;
    RemoteImageGate remoteImages;
    PageSettings settings;
    bool ready = false;
    // Incremented whenever the page is loaded: answers from an earlier page are dropped.
    quint64 pageLife = 0;
    quint64 documentsGiven = 0;
    // The document given while the page was not ready; a small one goes into
    // the page as it loads and is then only counted as given.
    QByteArray waitingHtml;
    bool htmlWaiting = false;
    bool waitingKeepsPlace = false;
    bool waitingInTemplate = false;
    bool holdingInput = false;
    // Key presses passed on to the page since it was loaded, and those it is
    // known to have received: only while some are on their way does a
    // question wait for them.
    quint64 keysSent = 0;
    quint64 keysReceived = 0;
    QPointer<QWidget> inputTarget;
    std::vector<std::unique_ptr<QEvent>> heldInput;
};
