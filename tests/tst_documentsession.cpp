// The open document's life without a window or web engine: hand-overs with
// late, stale and failed answers, reads and writes, files in every shape the
// disk gives them, and changes made by other programs.
#include "documentsession.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The two editors as plain text: what each shows, and what the session asked.
struct FakeEditors : DocumentSession::Editors {
    QString source;
    QString page;
    bool readOnly = false;
    QList<std::pair<quint64, bool>> questions; // request, hand-over
    int sourceSets = 0;
    int pageShows = 0;
    int restarts = 0;

    QString sourceText() const override { return source; }
    void setSourceText(const QString &markdown, bool) override
    {
        source = markdown;
        ++sourceSets;
    }
    void showInPage(const QString &markdown, bool, bool) override
    {
        page = markdown;
        ++pageShows;
    }
    void askPageForDocument(quint64 request, bool handOver) override { questions.append({request, handOver}); }
    void restartPage() override
    {
        page.clear();
        ++restarts;
    }
    void setSourceReadOnly(bool value) override { readOnly = value; }
    quint64 lastQuestion() const { return questions.isEmpty() ? 0 : questions.last().first; }
};

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

PageAnswer markdownAnswer(const QString &markdown)
{
    return {PageAnswer::Markdown, markdown};
}

const PageAnswer unedited{PageAnswer::Unedited, {}};
const PageAnswer failed{PageAnswer::Failed, {}};
}

class TestDocumentSession : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void switchWhileHandOverPendingWaitsForIt();
    void staleAndLateAnswersAreDropped();
    void lateEditsOfThePageAreFetched();
    void uneditedPageLeavesTheSourceAlone();
    void sourceTextReachesThePageOnlyWhenChanged();
    void readsWaitForTheHandOver();
    void writeOfAnOlderDocumentKeepsTheStar();
    void lostPage_data();
    void lostPage();
    void pageLostAfterAReadKeepsWhatWasRead();
    void failedHandOverRestartsThePage();

    void filesReadAndWrittenBack_data();
    void filesReadAndWrittenBack();
    void fileWithNulBytesIsRefused();
    void editedTextKeepsEncodingAndLineEnds();
    void characterTheEncodingCannotHold();
    void largeFileIsWrittenBackWhole();
    void changesOnDisk();

private:
    bool openFile(const QByteArray &bytes, const QString &name = QStringLiteral("doc.md"));

    QTemporaryDir dir;
    FakeEditors editors;
    DocumentSession *session = nullptr;
};

void TestDocumentSession::init()
{
    editors = FakeEditors();
    session = new DocumentSession(&editors);
}

void TestDocumentSession::cleanup()
{
    delete session;
    session = nullptr;
}

bool TestDocumentSession::openFile(const QByteArray &bytes, const QString &name)
{
    const QString path = dir.filePath(name);
    writeBytes(path, bytes);
    QString error;
    const bool opened = session->open(path, &error);
    if (!opened)
        qWarning() << error;
    return opened;
}

// Clicking back and forth before the page answered once pushed an empty
// Source Code Editor into the page, and the page's document was lost.
void TestDocumentSession::switchWhileHandOverPendingWaitsForIt()
{
    QVERIFY(openFile("# Long document\n"));
    QCOMPARE(editors.page, QStringLiteral("# Long document\n"));
    session->pageEdited();
    session->switchTo(DocumentSession::Editor::Source);
    QCOMPARE(session->state(), DocumentSession::State::ToSource);
    QVERIFY(editors.readOnly);
    QCOMPARE(editors.questions.size(), 1);
    QVERIFY(editors.questions.first().second);

    const int shows = editors.pageShows;
    session->switchTo(DocumentSession::Editor::Visual);
    session->switchTo(DocumentSession::Editor::Source);
    session->switchTo(DocumentSession::Editor::Visual);
    QCOMPARE(editors.pageShows, shows);
    QCOMPARE(editors.questions.size(), 1);
    QCOMPARE(editors.source, QString());

    session->pageAnswered(editors.lastQuestion(), markdownAnswer(QStringLiteral("# Long document edited\n")));
    QCOMPARE(session->state(), DocumentSession::State::Visual);
    QVERIFY(!editors.readOnly);
    QCOMPARE(editors.source, QStringLiteral("# Long document edited\n"));
    // The page already shows what the source now holds.
    QCOMPARE(editors.pageShows, shows);
    QVERIFY(session->isModified());
}

void TestDocumentSession::staleAndLateAnswersAreDropped()
{
    QVERIFY(openFile("first\n", QStringLiteral("first.md")));
    session->switchTo(DocumentSession::Editor::Source);
    const quint64 old = editors.lastQuestion();
    QVERIFY(openFile("second\n", QStringLiteral("second.md")));
    QVERIFY(!editors.readOnly);
    QCOMPARE(session->state(), DocumentSession::State::Source);
    QCOMPARE(editors.source, QStringLiteral("second\n"));
    session->pageAnswered(old, markdownAnswer(QStringLiteral("first, from the page\n")));
    session->pageAnswered(old + 100, markdownAnswer(QStringLiteral("never asked\n")));
    QCOMPARE(editors.source, QStringLiteral("second\n"));
    QCOMPARE(session->state(), DocumentSession::State::Source);
    session->switchTo(DocumentSession::Editor::Visual);
    QCOMPARE(editors.page, QStringLiteral("second\n"));
}

// Keys reach the page apart from the program's question: those it took after
// answering are fetched before the Source Code Editor takes typing.
void TestDocumentSession::lateEditsOfThePageAreFetched()
{
    QVERIFY(openFile("start\n"));
    session->switchTo(DocumentSession::Editor::Source);
    session->pageEdited();
    session->pageAnswered(editors.lastQuestion(), markdownAnswer(QStringLiteral("start w1\n")));
    QCOMPARE(editors.questions.size(), 2);
    QVERIFY(editors.readOnly);
    session->pageAnswered(editors.lastQuestion(), markdownAnswer(QStringLiteral("start w1 w2\n")));
    QCOMPARE(session->state(), DocumentSession::State::Source);
    QCOMPARE(editors.source, QStringLiteral("start w1 w2\n"));

    session->pageEdited();
    QCOMPARE(session->state(), DocumentSession::State::ToSource);
    session->pageAnswered(editors.lastQuestion(), markdownAnswer(QStringLiteral("start w1 w2 w3\n")));
    QCOMPARE(editors.source, QStringLiteral("start w1 w2 w3\n"));

    // Once the source was edited, it holds the document.
    session->sourceEdited();
    session->pageEdited();
    QCOMPARE(session->state(), DocumentSession::State::Source);
    QCOMPARE(editors.questions.size(), 3);

    // Late keys of a document since replaced leave the new one alone.
    QVERIFY(openFile("other\n", QStringLiteral("other.md")));
    session->pageEdited();
    QVERIFY(!session->isModified());
    QCOMPARE(editors.questions.size(), 3);
    session->switchTo(DocumentSession::Editor::Visual);
    QCOMPARE(editors.page, QStringLiteral("other\n"));
    session->pageEdited();
    QVERIFY(session->isModified());
}

// Converting back would rewrite the user's own spelling of the same document.
void TestDocumentSession::uneditedPageLeavesTheSourceAlone()
{
    QVERIFY(openFile("Title\n=====\n"));
    session->switchTo(DocumentSession::Editor::Source);
    session->pageAnswered(editors.lastQuestion(), unedited);
    QCOMPARE(editors.source, QStringLiteral("Title\n=====\n"));
    const int sets = editors.sourceSets;
    session->switchTo(DocumentSession::Editor::Visual);
    session->switchTo(DocumentSession::Editor::Source);
    session->pageAnswered(editors.lastQuestion(), unedited);
    QCOMPARE(editors.sourceSets, sets);
    QVERIFY(!session->isModified());
}

void TestDocumentSession::sourceTextReachesThePageOnlyWhenChanged()
{
    QVERIFY(openFile("text\n"));
    session->switchTo(DocumentSession::Editor::Source);
    session->pageAnswered(editors.lastQuestion(), unedited);
    const int shows = editors.pageShows;
    session->switchTo(DocumentSession::Editor::Visual);
    QCOMPARE(editors.pageShows, shows);

    session->switchTo(DocumentSession::Editor::Source);
    session->pageAnswered(editors.lastQuestion(), unedited);
    editors.source += QStringLiteral("typed\n");
    session->sourceEdited();
    session->switchTo(DocumentSession::Editor::Visual);
    QCOMPARE(editors.pageShows, shows + 1);
    QCOMPARE(editors.page, QStringLiteral("text\ntyped\n"));
}

void TestDocumentSession::readsWaitForTheHandOver()
{
    QVERIFY(openFile("start\n"));
    session->switchTo(DocumentSession::Editor::Source);
    QList<DocumentSession::Read> reads;
    session->readDocument([&reads](const DocumentSession::Read &read) { reads.append(read); });
    QVERIFY(reads.isEmpty());
    session->pageAnswered(editors.lastQuestion(), markdownAnswer(QStringLiteral("start and more\n")));
    QCOMPARE(reads.size(), 1);
    QVERIFY(reads.first().ok);
    QCOMPARE(reads.first().markdown, QStringLiteral("start and more\n"));

    // In the Visual Editor a read is a question to the page, which it does not hand over.
    session->switchTo(DocumentSession::Editor::Visual);
    session->readDocument([&reads](const DocumentSession::Read &read) { reads.append(read); });
    QCOMPARE(editors.questions.last().second, false);
    session->pageAnswered(editors.lastQuestion(), unedited);
    QCOMPARE(reads.size(), 2);
    QCOMPARE(reads.last().markdown, QStringLiteral("start and more\n"));
    session->readDocument([&reads](const DocumentSession::Read &read) { reads.append(read); });
    session->pageAnswered(editors.lastQuestion(), failed);
    QVERIFY(!reads.last().ok);
}

void TestDocumentSession::writeOfAnOlderDocumentKeepsTheStar()
{
    QVERIFY(openFile("a\n"));
    session->pageEdited();
    DocumentSession::Read read;
    session->readDocument([&read](const DocumentSession::Read &done) { read = done; });
    session->pageEdited();
    session->pageAnswered(editors.lastQuestion(), markdownAnswer(QStringLiteral("a b\n")));
    QString error;
    QVERIFY(session->write(session->path(), read, &error));
    QVERIFY(session->isModified());
    QVERIFY(session->changedSinceBackup());
}

void TestDocumentSession::lostPage_data()
{
    QTest::addColumn<bool>("sourceInFront");
    QTest::addColumn<bool>("handOverPending");
    QTest::addColumn<bool>("pageEdited");
    QTest::addColumn<QString>("notice");
    QTest::newRow("visual, unedited") << false << false << false << "Nothing was lost.";
    QTest::newRow("visual, edited") << false << false << true << "is lost.";
    QTest::newRow("hand-over pending") << false << true << true << "is lost.";
    QTest::newRow("source in front") << true << false << false << "";
}

// A renderer that ended left the page empty for good, and Save wrote nothing.
void TestDocumentSession::lostPage()
{
    QFETCH(bool, sourceInFront);
    QFETCH(bool, handOverPending);
    QFETCH(bool, pageEdited);
    QFETCH(QString, notice);
    QVERIFY(openFile("# Kept\n"));
    if (sourceInFront) {
        session->switchTo(DocumentSession::Editor::Source);
        session->pageAnswered(editors.lastQuestion(), unedited);
        editors.source += QStringLiteral("typed\n");
        session->sourceEdited();
    }
    if (pageEdited)
        session->pageEdited();
    if (handOverPending)
        session->switchTo(DocumentSession::Editor::Source);
    DocumentSession::Read pending;
    pending.ok = true;
    if (!sourceInFront && !handOverPending)
        session->readDocument([&pending](const DocumentSession::Read &read) { pending = read; });
    QSignalSpy recovered(session, &DocumentSession::recovered);
    editors.page.clear();

    session->pageLost();
    QCOMPARE(recovered.size(), notice.isEmpty() ? 0 : 1);
    if (!notice.isEmpty())
        QVERIFY2(recovered.first().first().toString().endsWith(notice), qPrintable(recovered.first().first().toString()));
    QCOMPARE(pending.ok, sourceInFront || handOverPending);
    QVERIFY(!editors.readOnly);
    // With the Source Code Editor in front the new page gets the text once it is in front itself.
    QCOMPARE(editors.page, sourceInFront || handOverPending ? QString() : QStringLiteral("# Kept\n"));
    if (handOverPending)
        QCOMPARE(editors.source, QStringLiteral("# Kept\n"));
    if (sourceInFront) {
        session->switchTo(DocumentSession::Editor::Visual);
        QCOMPARE(editors.page, QStringLiteral("# Kept\ntyped\n"));
    }
    DocumentSession::Read read;
    session->readDocument([&read](const DocumentSession::Read &done) { read = done; });
    if (session->state() == DocumentSession::State::Visual)
        session->pageAnswered(editors.lastQuestion(), unedited);
    QVERIFY(read.ok);
    QCOMPARE(read.markdown, sourceInFront ? QStringLiteral("# Kept\ntyped\n") : QStringLiteral("# Kept\n"));
}

// A read (a save) took the page's document after the Source Code Editor had
// held the page's older one; the page ending in the next hand-over left the
// Source Code Editor with the older text.
void TestDocumentSession::pageLostAfterAReadKeepsWhatWasRead()
{
    QVERIFY(openFile("# Kept\n"));
    session->switchTo(DocumentSession::Editor::Source);
    session->pageAnswered(editors.lastQuestion(), unedited);
    session->switchTo(DocumentSession::Editor::Visual);
    session->pageEdited();
    session->readDocument([](const DocumentSession::Read &) {});
    session->pageAnswered(editors.lastQuestion(), markdownAnswer(QStringLiteral("# Kept\nsaved\n")));
    session->switchTo(DocumentSession::Editor::Source);
    session->pageLost();
    QCOMPARE(editors.source, QStringLiteral("# Kept\nsaved\n"));
}

void TestDocumentSession::failedHandOverRestartsThePage()
{
    QVERIFY(openFile("# Kept\n"));
    session->switchTo(DocumentSession::Editor::Source);
    QSignalSpy recovered(session, &DocumentSession::recovered);
    session->pageAnswered(editors.lastQuestion(), failed);
    QCOMPARE(editors.restarts, 1);
    QCOMPARE(recovered.size(), 1);
    QCOMPARE(editors.source, QStringLiteral("# Kept\n"));
    QCOMPARE(session->state(), DocumentSession::State::Source);
    session->switchTo(DocumentSession::Editor::Visual);
    QCOMPARE(editors.page, QStringLiteral("# Kept\n"));
}

void TestDocumentSession::filesReadAndWrittenBack_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("encoding"); // empty: guessed
    QTest::newRow("UTF-8") << QByteArray("caf\xC3\xA9\n") << QString::fromUtf8("caf\xC3\xA9\n") << QByteArray("UTF-8");
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF# x\n") << QString(QChar(0xFEFF)) + QStringLiteral("# x\n")
                                     << QByteArray("UTF-8");
    QTest::newRow("UTF-16LE") << QByteArray("\xFF\xFE" "a\0\n\0", 6) << "a\n" << QByteArray("UTF-16LE");
    QTest::newRow("UTF-16BE") << QByteArray("\xFE\xFF\0a\0\n", 6) << "a\n" << QByteArray("UTF-16BE");
    QTest::newRow("UTF-32LE") << QByteArray("\xFF\xFE\0\0" "a\0\0\0", 8) << "a" << QByteArray("UTF-32LE");
    QTest::newRow("Latin-1") << QByteArray("Gr\xFC\xDF" "e, caf\xE9 na\xEFve d\xE9j\xE0 vu \xE0 la fran\xE7" "aise\n")
                             << QString::fromUtf8("Gr\xC3\xBC\xC3\x9F" "e, caf\xC3\xA9 na\xC3\xAFve d\xC3\xA9j\xC3\xA0 vu "
                                                  "\xC3\xA0 la fran\xC3\xA7" "aise\n")
                             << QByteArray();
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << "a\nb\n" << QByteArray("UTF-8");
    QTest::newRow("mixed line ends") << QByteArray("a\r\nb\nc\rd\r\n") << "a\nb\nc\nd\n" << QByteArray("UTF-8");
    QTest::newRow("non-breaking space") << QByteArray("a\xC2\xA0" "b\n") << QString::fromUtf8("a\xC2\xA0" "b\n")
                                        << QByteArray("UTF-8");
}

// Unedited, every file is written back byte for byte, whatever its encoding,
// byte-order mark and line ends.
void TestDocumentSession::filesReadAndWrittenBack()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QByteArray, encoding);
    QVERIFY(openFile(bytes));
    QCOMPARE(editors.page, text);
    QCOMPARE(session->diskFacts().guessedEncoding, encoding.isEmpty());
    if (!encoding.isEmpty())
        QCOMPARE(session->diskFacts().encoding, encoding);
    DocumentSession::Read read;
    session->readDocument([&read](const DocumentSession::Read &done) { read = done; });
    session->pageAnswered(editors.lastQuestion(), unedited);
    writeBytes(session->path(), QByteArray());
    QString error;
    QVERIFY(session->write(session->path(), read, &error));
    QCOMPARE(readBytes(session->path()), bytes);
}

// Qt's UTF-8 decoding stopped at the first NUL, and Save wrote what was left.
void TestDocumentSession::fileWithNulBytesIsRefused()
{
    QVERIFY(!openFile(QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)));
    QVERIFY(session->path().isEmpty());
    QCOMPARE(editors.pageShows, 0);
}

void TestDocumentSession::editedTextKeepsEncodingAndLineEnds()
{
    QVERIFY(openFile(QByteArray("\xFF\xFE" "a\0\r\0\n\0b\0\r\0\n\0c\0\n\0", 18)));
    DocumentSession::Read read{true, QStringLiteral("a\nb\nc\nd\xE9\n"), session->revision()};
    QString error;
    QVERIFY(session->write(session->path(), read, &error));
    QCOMPARE(readBytes(session->path()), QByteArray("\xFF\xFE" "a\0\r\0\n\0b\0\r\0\n\0c\0\r\0\n\0d\0\xE9\0\r\0\n\0", 28));

    QVERIFY(openFile("Le caf\xE9 est tr\xE8s bon, et la cr\xE8me aussi.\r\n", QStringLiteral("latin.md")));
    QVERIFY(session->diskFacts().guessedEncoding);
    QVERIFY(session->write(session->path(), {true, QString::fromUtf8("D\xC3\xA9j\xC3\xA0 vu.\n"), 0}, &error));
    QCOMPARE(readBytes(session->path()), QByteArray("D\xE9j\xE0 vu.\r\n"));
}

void TestDocumentSession::characterTheEncodingCannotHold()
{
    QVERIFY(openFile("Le caf\xE9 est tr\xE8s bon.\n"));
    const QString text = QString::fromUtf8("caf\xC3\xA9 \xE6\xBC\xA2\n");
    QVERIFY(session->encodingHolds(QStringLiteral("plain")));
    QVERIFY(!session->encodingHolds(text));
    session->useUtf8();
    QVERIFY(session->encodingHolds(text));
    QString error;
    QVERIFY(session->write(session->path(), {true, text, 0}, &error));
    QCOMPARE(readBytes(session->path()), text.toUtf8());
}

void TestDocumentSession::largeFileIsWrittenBackWhole()
{
    QByteArray bytes;
    const QByteArray paragraph = "## Section\n\nSome text with caf\xC3\xA9 and a\xC2\xA0non-breaking space.\r\n\n";
    while (bytes.size() < 50 * 1024 * 1024)
        bytes += paragraph;
    QVERIFY(openFile(bytes));
    QCOMPARE(editors.page.size(), bytes.size() - bytes.count("\r\n") - bytes.count("\xC3") - bytes.count("\xC2"));
    QString error;
    QVERIFY(session->write(session->path(), {true, editors.page, session->revision()}, &error));
    QVERIFY(readBytes(session->path()) == bytes);
}

void TestDocumentSession::changesOnDisk()
{
    QVERIFY(openFile("# Mine\n"));
    QVERIFY(!session->changedOnDisk());
    QSignalSpy changes(session, &DocumentSession::diskChanged);
    // A save of our own is no change; a touch with the same bytes neither.
    QString error;
    QVERIFY(session->write(session->path(), {true, QStringLiteral("# Mine, saved\n"), session->revision()}, &error));
    QFile touched(session->path());
    QVERIFY(touched.open(QIODevice::ReadWrite));
    QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    touched.close();
    QVERIFY(!changes.wait(1000));
    QVERIFY(!session->changedOnDisk());

    writeBytes(session->path(), "# Theirs\n");
    QVERIFY(changes.wait(5000));
    QCOMPARE(changes.last().first().value<MarkdownFile::DiskState>(), MarkdownFile::DiskState::Changed);
    QVERIFY(session->changedOnDisk());

    // Held during a save, reported once released.
    changes.clear();
    session->holdDiskChanges(true);
    writeBytes(session->path(), "# Theirs again\n");
    QVERIFY(!changes.wait(1000));
    session->holdDiskChanges(false);
    QVERIFY(changes.wait(5000));

    changes.clear();
    QVERIFY(QFile::remove(session->path()));
    QVERIFY(changes.wait(5000));
    QCOMPARE(changes.last().first().value<MarkdownFile::DiskState>(), MarkdownFile::DiskState::Missing);
    QVERIFY(session->isModified());
}

QTEST_MAIN(TestDocumentSession)
#include "tst_documentsession.moc"
