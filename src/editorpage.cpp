#include "editorpage.h"

#include "content.h"
#include "pagedocuments.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QInputMethodEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QPageLayout>
#include <QPrinter>
#include <QPointer>
#include <QWebChannel>
#include <QWebEngineCookieStore>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <memory>

namespace {
// A page that has not answered by then is taken to be stuck.
constexpr int answerTimeoutMs = 30000;
// How often the program looks whether the page has taken in its new document,
// or the keys typed into it.
constexpr int inputCheckMs = 5;
constexpr int modeCheckMs = 50;
// Keys not in by then never reach the page (the engine drops some, such as
// lone modifiers it handles itself).
constexpr int keyArrivalMs = 400;
// A document up to this many bytes of markup is in the page as it loads (with
// every byte percent-encoded, it stays far below the 2 MB a page
// loaded from data may hold); a larger one goes in piece by piece.
constexpr int documentInTemplateLimit = 64 * 1024;

// A large document enters the page piece by piece; whatever the program asks
// of the page concerns the whole document, so what still waits goes in first.
QString withWholeDocument(const QString &script)
{
    return QStringLiteral("window.flushPendingHtml && flushPendingHtml();") + script;
}

// A container's items: an untouched item's index, [index, HTML, nested lists]
// for a touched one, where each nested list is its items likewise.
std::vector<SourceBlocks::ItemPart> itemPartsFrom(const QVariantList &list)
{
    std::vector<SourceBlocks::ItemPart> items;
    for (const QVariant &item : list) {
        SourceBlocks::ItemPart itemPart;
        itemPart.touched = item.type() == QVariant::List;
        if (!itemPart.touched) {
            itemPart.item = item.toInt();
        } else {
            const QVariantList touched = item.toList();
            itemPart.item = touched.value(0).toInt();
            itemPart.html = touched.value(1).toString().toStdString();
            itemPart.nestedOnly = touched.value(2).type() == QVariant::List;
            for (const QVariant &nested : touched.value(2).toList()) {
                SourceBlocks::ListPart listPart;
                listPart.known = nested.type() == QVariant::List;
                listPart.items = itemPartsFrom(nested.toList());
                itemPart.lists.push_back(std::move(listPart));
            }
        }
        items.push_back(std::move(itemPart));
    }
    return items;
}

// The page's parts: an untouched block's index, [index, HTML, items] for a
// touched one, HTML for anything new.
std::vector<SourceBlocks::PagePart> pagePartsFrom(const QVariantList &list)
{
    std::vector<SourceBlocks::PagePart> pageParts;
    pageParts.reserve(static_cast<size_t>(list.size()));
    for (const QVariant &part : list) {
        SourceBlocks::PagePart pagePart;
        if (part.type() == QVariant::List) {
            const QVariantList touched = part.toList();
            pagePart.block = touched.value(0).toInt();
            pagePart.touched = true;
            pagePart.html = touched.value(1).toString().toStdString();
            pagePart.items = itemPartsFrom(touched.value(2).toList());
        } else if (part.type() == QVariant::String) {
            pagePart.html = part.toString().toStdString();
        } else {
            pagePart.block = part.toInt();
        }
        pageParts.push_back(std::move(pagePart));
    }
    return pageParts;
}

// A call of the page's `function` with `arguments`.
QString pageCall(QLatin1String function, const QJsonArray &arguments)
{
    return function + QStringLiteral(".apply(null, ")
        + QString::fromUtf8(QJsonDocument(arguments).toJson(QJsonDocument::Compact)) + QLatin1Char(')');
}

// The start of a document that goes with the call that gives it: enough for
// the page's first piece. The rest is read from an address, which carries
// megabytes faster than a script, but only once the first screen is shown.
constexpr int documentStartInCall = 256 * 1024;

// Where `utf8` may be cut at or before `at` without splitting a character.
int characterBoundary(const QByteArray &utf8, int at)
{
    while (at > 0 && (static_cast<unsigned char>(utf8.at(at)) & 0xC0) == 0x80)
        --at;
    return at;
}
}

// Whatever Qt calls back with is dropped once this page is gone or replaced.
template <typename Answer>
static std::function<void(Answer)> guarded(EditorPage *page, const quint64 *life,
                                           const std::function<void(Answer)> &answered)
{
    QPointer<EditorPage> self(page);
    const quint64 askedIn = *life;
    return [self, life, askedIn, answered](Answer answer) {
        if (self && *life == askedIn)
            answered(answer);
    };
}

EditorPage::EditorPage(QWebEngineView *view, Content *content, QObject *parent)
    : QObject(parent)
    , view(view)
    , content(content)
    , documents(PageDocuments::of(view->page()->profile()))
{
    qRegisterMetaType<PageAnswer>();
    view->installEventFilter(this);
    followInputTarget();
    connect(content, &Content::loadRecentMdSignal, this, &EditorPage::onBridgeConnected);
    connect(content, &Content::wholeDocumentWantedSignal, this, &EditorPage::giveWholeDocumentAgain);
    connect(view->page(), &QWebEnginePage::renderProcessTerminated, this, &EditorPage::onRendererTerminated);
    view->page()->setUrlRequestInterceptor(&remoteImages);
    // The page needs no cookies: remote images get none, and none are kept.
    view->page()->profile()->cookieStore()->setCookieFilter([](const QWebEngineCookieStore::FilterRequest &) { return false; });
}

EditorPage::~EditorPage()
{
    if (documents)
        documents->withdraw(this);
}

void EditorPage::setRemoteImagesAllowed(bool allowed)
{
    remoteImages.setAllowed(allowed);
}

void EditorPage::load(const PageSettings &pageSettings)
{
    passHeldInputOn();
    settings = pageSettings;
    ready = false;
    ++pageLife;
    documentsGiven = 0;
    // The old page may leave documents unread; the new one starts afresh.
    if (documents)
        documents->withdraw(this);
    // A document given while the page was away goes in once it is back.
    if (!htmlWaiting)
        forgetDocument();
    keysSent = 0;
    keysReceived = 0;
    if (!channel) {
        channel = new QWebChannel(this);
        channel->registerObject(QStringLiteral("content"), content);
    }
    QWebEnginePage *page = view->page();
    // A new renderer gets the channel's transport only when the channel is set anew.
    page->setWebChannel(nullptr);
    page->setWebChannel(channel);
    page->profile()->clearHttpCache();
    view->setStyleSheet(QStringLiteral("QWebEngineView { background-color: #ffffff; }"));
    page->setBackgroundColor(QColor(255, 255, 255, 255));
    QFile pageTemplate(QStringLiteral(":/resources/template.html"));
    pageTemplate.open(QIODevice::ReadOnly);
    // The page is loaded from a data: address of at most 2 MB.
    waitingInTemplate = htmlWaiting && !waitingKeepsPlace && waitingHtml.size() <= documentInTemplateLimit;
    view->setHtml(fillPageTemplate(QString::fromUtf8(pageTemplate.readAll()), settings,
                                   waitingInTemplate ? QString::fromUtf8(waitingHtml) : QString(), documentFolderUrl),
                  QUrl(QStringLiteral("qrc:///")));
}

void EditorPage::onBridgeConnected()
{
    if (ready)
        return;
    ready = true;
    runOnPage(pageCall(QLatin1String("setDocumentFolder"), {documentFolderUrl}));
    if (htmlWaiting) {
        htmlWaiting = false;
        if (waitingInTemplate) {
            countDocumentGiven();
            holdInputUntilDocumentIsIn();
        } else {
            if (waitingKeepsPlace)
                run(QStringLiteral("keepPlaceOnNextDocument()"));
            giveHtml(waitingHtml);
        }
        waitingInTemplate = false;
        waitingHtml.clear();
    }
    emit becameReady();
}

void EditorPage::showDocument(const QString &markdown, bool fromSource, bool keepPlace)
{
    std::string source = markdown.toStdString();
    std::string parsed = fromSource ? DocumentConverter::isolateTables(markdown).toStdString() : source;
    std::string rendered = converter.markdownToHtmlUtf8(parsed);
    SourceBlocks next;
    std::string marked = next.take(std::move(source), std::move(parsed), std::move(rendered));
    if (fromSource && patchPage(next, keepPlace))
        return;
    sourceBlocks = std::move(next);
    const QByteArray html = QByteArray::fromStdString(marked);
    marked.clear();
    if (!ready) {
        holdUntilReady(html, keepPlace);
        return;
    }
    if (keepPlace)
        run(QStringLiteral("keepPlaceOnNextDocument()"));
    giveHtml(html);
}

// A new page holds no document: nothing may be patched into it, and no
// answer may refer to the blocks of the old one.
void EditorPage::forgetDocument()
{
    sourceBlocks = SourceBlocks();
    pageEditedSinceGiven = false;
    readMarkdown.clear();
    readParts.clear();
}

// A document from the Source Code Editor that differs from the page's in a
// few blocks replaces just those: code editors, formulas, the place and the
// caret elsewhere stay. A page edited since it was given is first taken as
// the Markdown last read from it.
bool EditorPage::patchPage(SourceBlocks &next, bool keepPlace)
{
    if (!ready || holdingInput || htmlWaiting || next.blockCount() == 0)
        return false;
    const bool rebase = pageEditedSinceGiven;
    QVariantList blockOfElement;
    if ((rebase && !takeReadDocument(blockOfElement)) || sourceBlocks.blockCount() == 0)
        return false;
    const int before = sourceBlocks.blockCount();
    const int after = next.blockCount();
    int same = 0;
    while (same < before && same < after && sourceBlocks.elementHtml(same) == next.elementHtml(same))
        ++same;
    int sameAtEnd = 0;
    while (sameAtEnd < before - same && sameAtEnd < after - same
           && sourceBlocks.elementHtml(before - 1 - sameAtEnd) == next.elementHtml(after - 1 - sameAtEnd))
        ++sameAtEnd;
    const int added = after - same - sameAtEnd;
    // Mostly new: the whole document goes in piece by piece instead.
    if (added > after / 2)
        return false;
    sourceBlocks = std::move(next);
    ++documentsGiven;
    const QString html = QString::fromStdString(sourceBlocks.markedElements(same, added));
    if (rebase) {
        patchKeepsPlace = keepPlace;
        emit content->rebaseAndPatchHtmlSignal(static_cast<int>(readNumber), blockOfElement, same,
                                               before - same - sameAtEnd, html, after - before);
    } else {
        emit content->patchHtmlSignal(same, before - same - sameAtEnd, html, after - before);
    }
    holdInputUntilDocumentIsIn();
    return true;
}

// The blocks of the Markdown last read from the page, when they are the
// page's top-level elements one for one, but for elements that convert to
// nothing (an empty paragraph). Gives the block of each element, -1 for none.
bool EditorPage::takeReadDocument(QVariantList &blockOfElement)
{
    if (readParts.empty())
        return false;
    std::string parsed = DocumentConverter::isolateTables(readMarkdown).toStdString();
    std::string rendered = converter.markdownToHtmlUtf8(parsed);
    SourceBlocks read;
    read.take(readMarkdown.toStdString(), std::move(parsed), std::move(rendered));
    blockOfElement.clear();
    int block = 0;
    for (const SourceBlocks::PagePart &part : readParts) {
        const std::string_view html = part.block >= 0 && !part.touched ? sourceBlocks.elementHtml(part.block)
                                                                      : std::string_view(part.html);
        if (block < read.blockCount()
            && SourceBlocks::elementName(read.elementHtml(block)) == SourceBlocks::elementName(html)) {
            blockOfElement.append(block++);
        } else if (SourceBlocks::elementName(html).empty()
                   || !converter.htmlToMarkdown(QString::fromUtf8(html.data(), static_cast<int>(html.size())))
                           .trimmed().isEmpty()) {
            return false;
        } else {
            blockOfElement.append(-1);
        }
    }
    if (block != read.blockCount())
        return false;
    sourceBlocks = std::move(read);
    pageEditedSinceGiven = false;
    readMarkdown.clear();
    readParts.clear();
    return true;
}

// The page could not take its document as last read: the latest document
// goes in whole, as the one the page is still waiting for.
void EditorPage::giveWholeDocumentAgain()
{
    if (!ready || sourceBlocks.blockCount() == 0)
        return;
    if (patchKeepsPlace)
        run(QStringLiteral("keepPlaceOnNextDocument()"));
    sendDocument(QByteArray::fromStdString(sourceBlocks.markedElements(0, sourceBlocks.blockCount())));
}

void EditorPage::showHtml(const QString &html)
{
    giveHtml(QByteArray::fromStdString(sourceBlocks.take(html.toStdString())));
}

void EditorPage::giveHtml(const QByteArray &html)
{
    if (!ready) {
        holdUntilReady(html, false);
        return;
    }
    countDocumentGiven();
    sendDocument(html);
    holdInputUntilDocumentIsIn();
}

// The document goes in by a script, in order with every script before and
// after it; the page reads the rest of a large one itself from the address it
// is given.
void EditorPage::sendDocument(const QByteArray &html)
{
    if (!documents)
        return;
    if (html.size() <= documentStartInCall) {
        runOnPage(pageCall(QLatin1String("setDocumentHtml"), {QString::fromUtf8(html)}));
        return;
    }
    const int cut = characterBoundary(html, documentStartInCall);
    runOnPage(pageCall(QLatin1String("setDocumentHtml"),
                       {QString::fromUtf8(html.constData(), cut), documents->offer(this, html.mid(cut))}));
}

void EditorPage::holdUntilReady(const QByteArray &html, bool keepPlace)
{
    waitingHtml = html;
    htmlWaiting = true;
    waitingKeepsPlace = keepPlace;
    // A page loading with an earlier document must be given this one.
    waitingInTemplate = false;
}

void EditorPage::countDocumentGiven()
{
    ++documentsGiven;
    pageEditedSinceGiven = false;
    readMarkdown.clear();
    readParts.clear();
}

void EditorPage::holdInputUntilDocumentIsIn()
{
    if (holdingInput)
        return;
    holdingInput = true;
    checkDocumentIsIn();
}

// Keys go to the widget the engine makes for each renderer.
void EditorPage::followInputTarget()
{
    QWidget *target = view->focusProxy();
    if (target == inputTarget)
        return;
    if (inputTarget)
        inputTarget->removeEventFilter(this);
    inputTarget = target;
    if (inputTarget)
        inputTarget->installEventFilter(this);
}

// The rest of a long document may go on coming in: typing may start before it is whole.
void EditorPage::checkDocumentIsIn()
{
    const auto answered = [this](const QVariant &number) {
        if (!holdingInput)
            return;
        if (number.toULongLong() >= documentsGiven)
            passHeldInputOn();
        else
            QTimer::singleShot(inputCheckMs, this, [this] { checkDocumentIsIn(); });
    };
    view->page()->runJavaScript(QStringLiteral("documentNumber"), guarded<const QVariant &>(this, &pageLife, answered));
}

bool EditorPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view) {
        followInputTarget();
        return false;
    }
    if (watched != inputTarget)
        return false;
    // The engine would take Ctrl+K as "delete to the end of the line"; it is
    // the window's link command.
    if (event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::DeleteEndOfLine)) {
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::InputMethod)
        emit keysTyped();
    if (!holdingInput) {
        if (event->type() == QEvent::KeyPress) {
            ++keysSent;
            // Seen as it is pressed: the release of V comes after Ctrl's as often as before.
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_V && key->modifiers() == Qt::ControlModifier && !key->isAutoRepeat())
                emit pasteKeyPressed();
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        heldInput.push_back(std::make_unique<QKeyEvent>(key->type(), key->key(), key->modifiers(), key->nativeScanCode(),
                                                        key->nativeVirtualKey(), key->nativeModifiers(), key->text(),
                                                        key->isAutoRepeat(), ushort(key->count())));
        return true;
    }
    case QEvent::InputMethod:
        heldInput.push_back(std::make_unique<QInputMethodEvent>(*static_cast<QInputMethodEvent *>(event)));
        return true;
    default:
        return false;
    }
}

void EditorPage::passHeldInputOn()
{
    holdingInput = false;
    for (std::unique_ptr<QEvent> &event : heldInput)
        if (inputTarget)
            QCoreApplication::postEvent(inputTarget, event.release());
    heldInput.clear();
}

void EditorPage::requestDocument(quint64 request, bool handOver)
{
    // A page not ready yet holds just what it was given, which waits for it.
    if (!ready) {
        QMetaObject::invokeMethod(this, [this, request] { emit documentAnswered(request, {PageAnswer::Unedited, {}}); },
                                  Qt::QueuedConnection);
        return;
    }
    const auto answered = std::make_shared<bool>(false);
    QTimer::singleShot(answerTimeoutMs, this, [this, request, answered] {
        if (*answered)
            return;
        *answered = true;
        emit documentAnswered(request, {PageAnswer::Failed, {}});
    });
    QElapsedTimer sinceAsked;
    sinceAsked.start();
    const quint64 keys = keysSent > keysReceived ? keysSent : 0;
    whenKeysAreIn(keys, sinceAsked, [this, request, handOver, answered] {
        const quint64 expectedDocument = documentsGiven;
        ask(handOver ? QStringLiteral("handOverHtml()") : QStringLiteral("editedHtml()"),
            [this, request, answered, expectedDocument](const QVariant &result) {
                if (*answered)
                    return;
                *answered = true;
                // An answer about an older document: the newest is still on its way in, unedited.
                const QVariantMap map = result.toMap();
                keysReceived = qMax(keysReceived, map.value(QStringLiteral("keys")).toULongLong());
                if (map.contains(QStringLiteral("document"))
                    && map.value(QStringLiteral("document")).toULongLong() < expectedDocument)
                    emit documentAnswered(request, {PageAnswer::Unedited, {}});
                else
                    emit documentAnswered(request, answerFrom(result));
            });
    });
}

// Keys reach the page on their own way, apart from the program's questions:
// a question asked right after typing waits, a little, for them to arrive.
void EditorPage::whenKeysAreIn(quint64 keys, const QElapsedTimer &sinceAsked, const std::function<void()> &then)
{
    if (keys == 0) {
        then();
        return;
    }
    const auto answered = [this, keys, sinceAsked, then](const QVariant &received) {
        keysReceived = qMax(keysReceived, received.toULongLong());
        if (keysReceived >= keys) {
            then();
        } else if (sinceAsked.hasExpired(keyArrivalMs)) {
            keysSent = keysReceived;
            then();
        } else
            QTimer::singleShot(inputCheckMs, this, [this, keys, sinceAsked, then] { whenKeysAreIn(keys, sinceAsked, then); });
    };
    view->page()->runJavaScript(QStringLiteral("keysReceived"), guarded<const QVariant &>(this, &pageLife, answered));
}

PageAnswer EditorPage::answerFrom(const QVariant &result)
{
    const QVariantMap map = result.toMap();
    if (!map.contains(QStringLiteral("document")))
        return {PageAnswer::Failed, {}};
    const QVariant parts = map.value(QStringLiteral("parts"));
    if (parts.type() == QVariant::List) {
        std::vector<SourceBlocks::PagePart> pageParts = pagePartsFrom(parts.toList());
        pageEditedSinceGiven = true;
        bool known = true;
        const std::string markdown = sourceBlocks.assemble(pageParts, [this](const std::string &partHtml) {
            return converter.htmlToMarkdown(QString::fromStdString(partHtml)).toStdString();
        }, &known);
        readParts.clear();
        if (!known)
            return {PageAnswer::Failed, {}};
        readMarkdown = QString::fromStdString(markdown);
        readNumber = map.value(QStringLiteral("read")).toULongLong();
        readParts = std::move(pageParts);
        return {PageAnswer::Markdown, readMarkdown};
    }
    return {PageAnswer::Unedited, {}};
}

void EditorPage::run(const QString &script)
{
    view->page()->runJavaScript(withWholeDocument(script));
}

void EditorPage::runOnPage(const QString &script)
{
    view->page()->runJavaScript(script);
}

void EditorPage::shutDown()
{
    holdingInput = false;
    heldInput.clear();
    ++pageLife;
    ready = false;
    disconnect(view->page(), nullptr, this, nullptr);
}

void EditorPage::ask(const QString &script, const std::function<void(const QVariant &)> &answered)
{
    view->page()->runJavaScript(withWholeDocument(script), guarded<const QVariant &>(this, &pageLife, answered));
}

void EditorPage::whenWholeDocument(const std::function<void()> &then)
{
    ask(QStringLiteral("true"), [then](const QVariant &) { then(); });
}

void EditorPage::setDocumentFolder(const QString &folder)
{
    documentFolderUrl = folder.isEmpty() ? QString() : QUrl::fromLocalFile(folder + QLatin1Char('/')).toString();
    if (ready)
        runOnPage(pageCall(QLatin1String("setDocumentFolder"), {documentFolderUrl}));
}

void EditorPage::jumpToAnchor(const QString &name)
{
    run(pageCall(QLatin1String("jumpToAnchor"), {name}));
}

void EditorPage::scrollToElement(const QString &selector)
{
    run(pageCall(QLatin1String("scrollToElement"), {selector}));
}

void EditorPage::setPlaceholder(const QString &text)
{
    runOnPage(pageCall(QLatin1String("setPlaceholder"), {text}));
}

// The code blocks' modes load when first needed; what is exported or
// printed waits for them, a few seconds at most.
void EditorPage::whenCodeModesLoaded(const std::function<void()> &then, int attempts)
{
    ask(QStringLiteral("codeModesReady()"), [this, then, attempts](const QVariant &ready) {
        if (ready.toBool() || attempts <= 0)
            then();
        else
            QTimer::singleShot(modeCheckMs, this, [this, then, attempts] { whenCodeModesLoaded(then, attempts - 1); });
    });
}

void EditorPage::exportDocument(const QJsonObject &request, const std::function<void(const QString &)> &answered)
{
    const QString argument = QString::fromUtf8(QJsonDocument(request).toJson(QJsonDocument::Compact));
    whenCodeModesLoaded([this, argument, answered] {
        ask(QStringLiteral("exportDocument(%1)").arg(argument),
            [answered](const QVariant &html) { answered(html.type() == QVariant::String ? html.toString() : QString()); });
    });
}

// The page's print style lays out every block, however many are off screen.
void EditorPage::printToPdf(const QPageLayout &layout, const std::function<void(const QByteArray &)> &answered)
{
    whenCodeModesLoaded([this, layout, answered] {
        ask(QStringLiteral("preparePrinting()"), [this, layout, answered](const QVariant &) {
            view->page()->printToPdf(guarded<const QByteArray &>(this, &pageLife, answered), layout);
        });
    });
}

void EditorPage::print(QPrinter *printer, const std::function<void(bool)> &answered)
{
    whenCodeModesLoaded([this, printer, answered] {
        ask(QStringLiteral("preparePrinting()"), [this, printer, answered](const QVariant &) {
            view->page()->print(printer, guarded<bool>(this, &pageLife, answered));
        });
    });
}

qint64 EditorPage::rendererProcessId() const
{
    return view->page()->renderProcessPid();
}

void EditorPage::onRendererTerminated(QWebEnginePage::RenderProcessTerminationStatus status)
{
    Q_UNUSED(status)
    ready = false;
    ++pageLife;
    documentsGiven = 0;
    forgetDocument();
    emit lost();
    // The page's own handling of the ended renderer comes first.
    QTimer::singleShot(0, this, [this] { load(settings); });
}
