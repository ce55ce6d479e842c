// The real window on a long document, used as a hurried writer would: typing
// in either editor, switching tabs after random pauses, closing editors,
// saving, backups, the page's renderer ending, other programs changing the
// file, other files opened. A seed repeats the run; after every save the
// file must hold what a model of the document says.
#include "appsettings.h"
#include "backupfiles.h"
#include "config.h"
#include "documentconverter.h"
#include "guitestbase.h"
#include "htmlcompare.h"
#include "recentfiles.h"

#include <QAbstractButton>
#include <QDockWidget>
#include <QMenu>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <sys/types.h>

namespace {
constexpr int stepCount = 200;
// A run proves little about hand-overs unless enough steps meet one; an
// edited page now hands over in well under 100 ms, so a tenth of the steps.
constexpr int pendingStepsWanted = 20;
constexpr int renderEndsAtMost = 3;
const QString lastParagraph = QStringLiteral("The end.");

// About a megabyte of the Markdown writers write, ending in the paragraph the
// test types into.
QByteArray longDocument(int variant)
{
    QByteArray text = "# Field notes " + QByteArray::number(variant) + "\n\n";
    for (int section = 1; text.size() < 1024 * 1024; ++section) {
        const QByteArray n = QByteArray::number(section);
        text += "## Section " + n + "\n\nWriters trust the editor with **long** documents, *emphasis* and `code`,"
                " a [link](https://example.org/" + n + ") and a non-breaking\xC2\xA0space. The second sentence"
                " of the paragraph goes on for a while so that the line wraps, and a third one follows it to"
                " make the paragraph about as long as the ones people write.\n\n"
                "Another paragraph starts here and says a little more, because sections rarely hold one.\n\n"
                "- first point\n  - nested detail " + n + "\n- second point\n\n1. one\n2. two\n\n> A quote " + n + ".\n\n";
        if (section % 20 == 0)
            text += "```python\nprint(" + n + ")\n```\n\n";
    }
    return text + lastParagraph.toUtf8() + "\n";
}

QStringList typedWordsIn(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("\\bzq\\d+x\\b"));
    QStringList found;
    for (auto match = word.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    return found;
}

// The document as the model knows it: the words typed at the end of its last paragraph.
QString withWords(const QString &base, const QStringList &words)
{
    QString text = base;
    const int end = text.indexOf(QLatin1Char('\n'), text.lastIndexOf(lastParagraph));
    return text.insert(end, words.isEmpty() ? QString() : QLatin1Char(' ') + words.join(QLatin1Char(' ')));
}

QString rendered(const QString &markdown)
{
    static const DocumentConverter converter;
    QString html = converter.markdownToHtml(markdown.toStdString());
    html.replace(QChar(0xA0), QLatin1Char(' '));
    return normalizedHtml(html);
}

QString firstDifference(const QString &actual, const QString &expected)
{
    int at = 0;
    while (at < actual.size() && at < expected.size() && actual.at(at) == expected.at(at))
        ++at;
    return QStringLiteral("at %1, \"%2\" where \"%3\" was expected").arg(at).arg(actual.mid(at - 80, 160), expected.mid(at - 80, 160));
}

}

class TestSoak : public GuiTestBase
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void hurriedWriterKeepsEveryWord();

private:
    struct Document {
        QString path;
        QByteArray onDisk; // what the file holds
    };
    QString describe(const QString &what) const;
    bool step();
    bool pending() const;
    bool typeWord(bool inPage);
    bool switchTab();
    bool save();
    bool checkSavedFile(const QString &path);
    bool closeAndReopenEditor();
    bool changeFileOnDisk();
    bool openOtherFile();
    bool endRenderer();
    bool waitForPage();
    void note(const QString &what);
    void loadModel(const QByteArray &bytes);
    void pause();

    QTemporaryDir dir;
    quint32 seed = 0;
    QRandomGenerator random;
    int stepNumber = 0;
    int pendingSteps = 0;
    int renderEnds = 0;
    int nextWord = 0;
    // What each step did, for the message of a failure.
    QStringList trace;

    Document documents[2];
    int current = 0;
    // The model: the file's text as loaded, the words typed since in order,
    // how many are known to be in a whole document, and whether the page was
    // edited (its text then comes back through the converter).
    QString base;
    QStringList words;
    int confirmed = 0;
    bool pageEdited = false;
    BoxRecorder *answers = nullptr;
    bool saveAnswer = true;
    bool reloadAnswer = true;
};

void TestSoak::initTestCase()
{
    prepareApplication();
    const QByteArray fixed = qgetenv("PENWICK_SOAK_SEED");
    seed = fixed.isEmpty() ? QRandomGenerator::global()->generate() : fixed.toUInt();
    random.seed(seed);
    qInfo("seed %u (PENWICK_SOAK_SEED=%u repeats this run)", seed, seed);
    Config::set(Config::AutoBackup, true);
    QDir(BackupFiles::folder()).removeRecursively();
    for (int i = 0; i < 2; ++i) {
        documents[i] = {dir.filePath(QStringLiteral("notes%1.md").arg(i)), longDocument(i)};
        writeFile(documents[i].path, documents[i].onDisk);
    }
    RecentFiles::add(documents[1].path);
    RecentFiles::add(documents[0].path);
}

void TestSoak::cleanup()
{
    delete answers;
    answers = nullptr;
    closeWindow();
}

QString TestSoak::describe(const QString &what) const
{
    QStringList boxTexts;
    for (const SeenBox &box : answers ? answers->boxes : QList<SeenBox>())
        boxTexts << box.text;
    return QStringLiteral("seed %1, step %2: %3; steps: %4; boxes: %5")
        .arg(seed)
        .arg(stepNumber)
        .arg(what, trace.join(QLatin1Char(' ')), boxTexts.join(QLatin1String(" | ")));
}

#define SOAK_CHECK(condition, what)                                                                                  \
    do {                                                                                                             \
        if (!QTest::qVerify(bool(condition), #condition, qPrintable(describe(what)), __FILE__, __LINE__))           \
            return false;                                                                                            \
    } while (false)

void TestSoak::hurriedWriterKeepsEveryWord()
{
    answers = new BoxRecorder([this](const QString &text) {
        if (text.startsWith(QLatin1String("Do you want to save")))
            return saveAnswer ? QMessageBox::Save : QMessageBox::Discard;
        if (text.contains(QLatin1String("Reload it")))
            return reloadAnswer ? QMessageBox::Yes : QMessageBox::No;
        if (text.startsWith(QLatin1String("A backup of")))
            return QMessageBox::No;
        return text.contains(QLatin1String("Overwrite")) ? QMessageBox::Yes : QMessageBox::Ok;
    });
    openWindow(documents[0].path);
    loadModel(documents[0].onDisk);
    QVERIFY(waitForPage());
    for (stepNumber = 1; stepNumber <= stepCount; ++stepNumber) {
        if (pending())
            ++pendingSteps;
        if (!step())
            return;
    }
    QVERIFY(save());
    QVERIFY2(pendingSteps >= pendingStepsWanted,
             qPrintable(describe(QStringLiteral("only %1 steps came while a hand-over was pending").arg(pendingSteps))));
    qInfo("%d of %d steps came while a hand-over was pending", pendingSteps, stepCount);
}

bool TestSoak::pending() const
{
    return window->documentSession()->state() == DocumentSession::State::ToSource;
}

// Most steps follow at once or after a short pause; some after a long one.
void TestSoak::pause()
{
    const int kind = random.bounded(10);
    if (kind < 4)
        return;
    QTest::qWait(kind < 8 ? random.bounded(60) : random.bounded(500));
}

bool TestSoak::step()
{
    const int roll = random.bounded(100);
    bool ok = true;
    if (roll < 24)
        ok = typeWord(true);
    else if (roll < 44)
        ok = typeWord(false);
    else if (roll < 72)
        ok = switchTab();
    else if (roll < 80)
        ok = save();
    else if (roll < 85)
        ok = closeAndReopenEditor();
    else if (roll < 90) {
        note(QStringLiteral("B"));
        window->autoBackup();
    } else if (roll < 94)
        ok = changeFileOnDisk();
    else if (roll < 97)
        ok = openOtherFile();
    else
        ok = endRenderer();
    if (ok)
        pause();
    return ok;
}

// The step's letter, the editor in front (v, s, or > while handing over) and its number.
void TestSoak::note(const QString &what)
{
    const QString where = pending() ? QStringLiteral(">") : window->isVisualEditorShown() ? QStringLiteral("v") : QStringLiteral("s");
    trace << QStringLiteral("%1%2%3").arg(stepNumber).arg(what, where);
}

void TestSoak::loadModel(const QByteArray &bytes)
{
    base = QString::fromUtf8(bytes);
    words.clear();
    confirmed = 0;
    pageEdited = false;
}

bool TestSoak::waitForPage()
{
    SOAK_CHECK(waitFor([this] { return window->editorPage()->isReady(); }, 30000), QStringLiteral("the page came back"));
    return true;
}

// A word goes at the end of the last paragraph of whichever editor is in front.
bool TestSoak::typeWord(bool inPage)
{
    const bool pageInFront = window->isVisualEditorShown();
    if (inPage != pageInFront)
        return true;
    const QString word = QStringLiteral("zq%1x").arg(++nextWord);
    note((inPage ? QStringLiteral("P") : QStringLiteral("T")) + word.mid(2, word.size() - 3));
    if (inPage) {
        // A writer clicks where the text ends once the page shows it.
        SOAK_CHECK(waitFor([this] { return window->editorPage()->holdsLatestDocument(); }, 30000),
                   QStringLiteral("the page took its document"));
        focusPage();
        const QVariant caretPlaced = js(QStringLiteral("(function(){flushPendingHtml();document.getElementById('bodyeditor').focus();"
                          "var ps=document.querySelectorAll('#bodyeditor p');"
                          "for(var i=ps.length-1;i>=0;i--){if(ps[i].textContent.indexOf('%1')===0){bringIntoView(ps[i]);"
                          "var t=ps[i].lastChild;while(t&&t.nodeType!==3)t=t.lastChild;if(!t)return false;"
                          "var r=document.createRange();r.setStart(t,t.length);r.collapse(true);"
                          "var s=getSelection();s.removeAllRanges();s.addRange(r);return true;}}return false;})()")
               .arg(lastParagraph));
        SOAK_CHECK(caretPlaced.toBool(), QStringLiteral("the caret is at the end of the last paragraph"));
        // A dock just opened again may bring the other editor to the front a
        // moment later; a writer types into the editor they see.
        if (!window->isVisualEditorShown())
            return true;
        QTest::keyClicks(view->focusProxy(), QLatin1Char(' ') + word);
        pageEdited = true;
    } else {
        QTextCursor end = source->document()->find(lastParagraph, source->document()->characterCount(),
                                                   QTextDocument::FindBackward);
        if (end.isNull())
            return true;
        end.movePosition(QTextCursor::EndOfBlock);
        source->setTextCursor(end);
        // While the page hands over, the Source Code Editor takes no typing: the page's text would replace it.
        const bool refused = pending();
        const QString before = refused ? source->toPlainText() : QString();
        typeInSource(QLatin1Char(' ') + word);
        if (refused) {
            SOAK_CHECK(source->toPlainText() == before, QStringLiteral("typing waits for the hand-over"));
            return true;
        }
    }
    words << word;
    return true;
}

bool TestSoak::switchTab()
{
    note(QStringLiteral("S"));
    const bool toSource = window->isVisualEditorShown();
    const int before = words.size();
    clickTab(toSource ? QStringLiteral("Source Code Editor") : QStringLiteral("Visual Editor"));
    if (toSource && random.bounded(4) == 0) {
        SOAK_CHECK(waitFor([this] { return !pending(); }, 30000), QStringLiteral("the hand-over ended"));
        confirmed = before;
    }
    return true;
}

bool TestSoak::save()
{
    note(QStringLiteral("W"));
    if (words.size() > confirmed)
        SOAK_CHECK(waitFor([this] { return titleHasStar(); }, 5000), QStringLiteral("unsaved words show the star"));
    const int failuresBefore = answers->boxes.size();
    action("actionSave")->trigger();
    for (int i = failuresBefore; i < answers->boxes.size(); ++i)
        if (answers->boxes.at(i).text.startsWith(QLatin1String("The document could not be read")))
            return true;
    return checkSavedFile(documents[current].path);
}

// The file holds each typed word once and in order; unless the page was
// edited, byte for byte the model's text, else a text that renders alike.
bool TestSoak::checkSavedFile(const QString &path)
{
    const QString saved = QString::fromUtf8(readFile(path));
    const QStringList found = typedWordsIn(saved);
    const QStringList expected = typedWordsIn(base) + words;
    SOAK_CHECK(found == expected, QStringLiteral("words in the file %1, in the model %2").arg(found.join(','), expected.join(',')));
    if (!pageEdited)
        SOAK_CHECK(saved == withWords(base, words), QStringLiteral("the file is the model's text"));
    else
        SOAK_CHECK(rendered(saved) == rendered(withWords(base, words)),
                   QStringLiteral("the file renders as the model: %1").arg(firstDifference(rendered(saved), rendered(withWords(base, words)))));
    documents[current].onDisk = saved.toUtf8();
    confirmed = words.size();
    return true;
}

// The editor in front closes by its own close button and comes back from the View menu.
bool TestSoak::closeAndReopenEditor()
{
    note(QStringLiteral("D"));
    const QString name = window->isVisualEditorShown() ? QStringLiteral("dockWebView") : QStringLiteral("dockEditor");
    auto *dock = window->findChild<QDockWidget *>(name);
    auto *close = dock->findChild<QAbstractButton *>(QStringLiteral("qt_dockwidget_closebutton"));
    SOAK_CHECK(close && close->isVisible(), QStringLiteral("the editor in front can be closed"));
    QTest::mouseClick(close, Qt::LeftButton);
    SOAK_CHECK(dock->isHidden(), QStringLiteral("the editor closed"));
    pause();
    dock->toggleViewAction()->trigger();
    SOAK_CHECK(!dock->isHidden(), QStringLiteral("the editor came back"));
    return true;
}

// Another program writes the file: an unchanged document follows it, an
// edited one asks first.
bool TestSoak::changeFileOnDisk()
{
    note(QStringLiteral("C"));
    DocumentSession *session = window->documentSession();
    if (words.size() > confirmed)
        SOAK_CHECK(waitFor([session] { return session->isModified(); }, 5000),
                   QStringLiteral("unsaved words leave the document modified"));
    const bool modified = session->isModified();
    reloadAnswer = random.bounded(2) == 0;
    const QByteArray theirs = longDocument(100 + stepNumber);
    const int seenBefore = answers->boxes.size();
    writeFile(documents[current].path, theirs);
    documents[current].onDisk = theirs;
    const bool reloads = !modified || reloadAnswer;
    SOAK_CHECK(waitFor([&] {
                   return reloads ? session->lastCompleteDocument().startsWith(QStringLiteral("# Field notes %1\n").arg(100 + stepNumber))
                                  : answers->boxes.size() > seenBefore;
               }, 20000),
               reloads ? QStringLiteral("the document was read again") : QStringLiteral("the user was asked"));
    if (reloads)
        loadModel(theirs);
    return true;
}

bool TestSoak::openOtherFile()
{
    note(QStringLiteral("O"));
    saveAnswer = random.bounded(3) != 0;
    const bool asks = window->documentSession()->isModified();
    const QString leaving = documents[current].path;
    const QByteArray leftOnDisk = documents[current].onDisk;
    QMenu *recent = window->findChild<QMenu *>(QStringLiteral("menuRecent"));
    QAction *other = nullptr;
    for (QAction *entry : recent->actions())
        if (entry->data().toString() == documents[1 - current].path)
            other = entry;
    SOAK_CHECK(other, QStringLiteral("the other file is in the recent list"));
    const int seenBefore = answers->boxes.size();
    other->trigger();
    const bool saved = asks && saveAnswer && answers->boxes.size() > seenBefore;
    if (saved && !checkSavedFile(leaving))
        return false;
    if (!saved)
        SOAK_CHECK(readFile(leaving) == leftOnDisk, QStringLiteral("a document not saved leaves its file alone"));
    SOAK_CHECK(window->documentSession()->path() == documents[1 - current].path, QStringLiteral("the other file opened"));
    current = 1 - current;
    loadModel(documents[current].onDisk);
    return true;
}

// The renderer ends as an out-of-memory kill would end it.
bool TestSoak::endRenderer()
{
    if (renderEnds >= renderEndsAtMost || !window->editorPage()->isReady())
        return true;
    note(QStringLiteral("K"));
    ++renderEnds;
    const bool pageHeldIt = window->isVisualEditorShown() || pending();
    const int seenBefore = answers->boxes.size();
    const qint64 ended = window->editorPage()->rendererProcessId();
    ::kill(pid_t(ended), SIGKILL);
    SOAK_CHECK(waitFor([&] { return window->editorPage()->rendererProcessId() != ended; }, 20000),
               QStringLiteral("a new renderer started"));
    // A hand-over may finish between the kill and the moment the program
    // learns of it: the Source Code Editor then holds the whole document and
    // there is nothing to recover.
    const bool noticed = pageHeldIt && waitFor([&] { return answers->boxes.size() > seenBefore; }, 3000);
    if (pageHeldIt && !noticed)
        SOAK_CHECK(window->documentSession()->state() == DocumentSession::State::Source,
                   QStringLiteral("a notice says what was recovered"));
    if (!waitForPage())
        return false;
    if (!noticed || answers->boxes.last().text.endsWith(QLatin1String("Nothing was lost.")))
        return true;
    bool read = false;
    const QStringList found = typedWordsIn(window->currentMarkdown(&read)).mid(typedWordsIn(base).size());
    SOAK_CHECK(read, QStringLiteral("the recovered document can be read"));
    for (int i = 0; i < confirmed; ++i)
        SOAK_CHECK(found.contains(words.at(i)),
                   QStringLiteral("%1 was in a whole document before the renderer ended").arg(words.at(i)));
    QStringList kept;
    for (const QString &word : qAsConst(words))
        if (found.contains(word))
            kept << word;
    SOAK_CHECK(found == kept, QStringLiteral("recovered words %1 in order").arg(found.join(',')));
    words = kept;
    confirmed = words.size();
    return true;
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
