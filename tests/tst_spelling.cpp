// Spell checking: which words of Markdown are prose, the checker and the
// user's words, and both editors marking and correcting in the real window.
#include "appsettings.h"
#include "config.h"
#include "configwindow.h"
#include "guitestbase.h"
#include "markdownwords.h"
#include "pagespelling.h"
#include "sourcespelling.h"
#include "spellchecker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QWebEngineContextMenuData>


namespace {
const char *const typos = "---\ntitle: Frontmatterr wordz\n---\n\n# A noteee with typos\n\n"
                          "This paragraph has a fewe mistakes in it, such as recieve and teh.\n"
                          "The `inlinecodee` span and the [linkk text](https://example.org/pathh) stay apart.\n\n"
                          "```python\ndef functionn(argumentt):\n    return argumentt\n```\n\n"
                          "A formula $x_{indexx}$ and <span title=\"attributte\">raw</span> HTML.\n";

QString wordsOf(const QString &markdown)
{
    QStringList words;
    MarkdownWords::LineState state;
    for (const QString &line : markdown.split(QLatin1Char('\n')))
        for (const MarkdownWords::Word &word : MarkdownWords::wordsOfLine(line, state))
            words << line.mid(word.start, word.length);
    return words.join(QLatin1Char(' '));
}
}

class TestSpelling : public GuiTestBase
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void proseWords_data();
    void proseWords();
    void dictionaryChoice_data();
    void dictionaryChoice();
    void checkerLearnsWords();
    void bothEditorsMarkAndCorrectOnlyMisspeltProse();
    void addedWordIsKnownEverywhereAndKept();
    void withoutDictionaryTheSettingSaysWhy();
    void longDocumentStaysEditable();

private:
    void openTypos();
    QStringList markedInSource() const;
    QPoint pagePointOf(const QString &word);
    QPoint sourcePointOf(const QString &word);
    // Right-clicks the word in the page; `answer` gets the menu, and the
    // engine's word and suggestions are taken while it shows.
    void rightClickInPage(const QString &word, const std::function<void(QMenu *)> &answer, QString *misspelt = nullptr,
                          QStringList *suggestions = nullptr);
    void rightClickInSource(const QString &word, const std::function<void(QMenu *)> &answer);
    void waitForPageDictionary();
    // What a right-click on the word in the page finds misspelt there.
    QString misspeltInPage(const QString &word, QStringList *suggestions = nullptr);

    QTemporaryDir dir;
    QString path;
};

void TestSpelling::initTestCase()
{
    prepareApplication();
    spellChecking = true;
    QVERIFY2(!SpellChecker::bestDictionaryFor(QStringLiteral("en_US")).isEmpty(), "needs hunspell-en-us");
    QVERIFY2(!SpellChecker::bestDictionaryFor(QStringLiteral("de_DE")).isEmpty(), "needs hunspell-de-de");
    QVERIFY2(!PageSpelling::converterProgram().isEmpty(), "needs qwebengine_convert_dict");
    path = dir.filePath(QStringLiteral("typos.md"));
}

void TestSpelling::init()
{
    Config::set(Config::SpellCheckLanguage, QStringLiteral("en_US"));
    writeFile(path, typos);
}

void TestSpelling::cleanup()
{
    closeWindow();
    SpellChecker::setDictionaryFolders(QStringList());
}

void TestSpelling::proseWords_data()
{
    QTest::addColumn<QString>("markdown");
    QTest::addColumn<QString>("words");
    QTest::newRow("prose") << "It's a writer’s note, well-kept." << "It's writer’s note well kept";
    QTest::newRow("code spans") << "a `code span` and ``two `ticks` here`` end" << "and end";
    QTest::newRow("link and image addresses") << "[shown text](https://x.org/hidden \"title\") ![alt](pics/photo.png)"
                                              << "shown text alt";
    QTest::newRow("addresses") << "see <https://x.org/a> or https://x.org/b, www.x.org and me@x.org now"
                               << "see or and now";
    QTest::newRow("raw html and entities") << "<span class=\"hidden\">shown</span> &nbsp;&copy; <!-- hidden --> after"
                                           << "shown after";
    QTest::newRow("comment over lines") << "before <!-- hidden\nstill hidden\n--> hidden\nafter" << "before after";
    QTest::newRow("fences") << "one\n```js\nhidden code\n```\ntwo\n~~~~\n```\nhidden\n~~~~\nthree"
                            << "one two three";
    QTest::newRow("indented code, not list text") << "para\n\n    hidden code\n\n- item\n\n    more item"
                                                  << "para item more item";
    QTest::newRow("formulas") << "one $x^2$ two $$y$$ three\n$$\nhidden\n$$\nfour" << "one two three four";
    QTest::newRow("front matter") << "---\ntitle: hidden\n---\ntext" << "text";
    QTest::newRow("a rule is no front matter") << "---\n\ntext" << "text";
    QTest::newRow("definitions, names and numbers") << "[ref]: https://x.org \"hidden\"\nsnake_case x86 v2 ok"
                                                    << "ok";
}

void TestSpelling::proseWords()
{
    QFETCH(QString, markdown);
    QFETCH(QString, words);
    QCOMPARE(wordsOf(markdown), words);
}

void TestSpelling::dictionaryChoice_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("dictionary");
    QTest::newRow("exact") << "en_US" << "en_US";
    QTest::newRow("language alone takes its main country") << "de" << "de_DE";
    QTest::newRow("other country of the language") << "de-AT" << "de_DE";
    QTest::newRow("locale name") << "en_GB.UTF-8" << "en_US";
    QTest::newRow("none installed") << "xx" << "";
    QTest::newRow("C locale") << "C" << "";
}

void TestSpelling::dictionaryChoice()
{
    QFETCH(QString, language);
    QFETCH(QString, dictionary);
    QCOMPARE(SpellChecker::bestDictionaryFor(language), dictionary);
}

void TestSpelling::checkerLearnsWords()
{
    const QString words = dir.filePath(QStringLiteral("words/dictionary.txt"));
    {
        SpellChecker checker(words);
        checker.setLanguage(QStringLiteral("en_US"));
        QVERIFY(checker.isCorrect(QStringLiteral("receive")));
        QVERIFY(checker.isCorrect(QStringLiteral("It’s")));
        QVERIFY(!checker.isCorrect(QStringLiteral("recieve")));
        const QStringList suggestions = checker.suggestions(QStringLiteral("recieve"));
        QVERIFY(suggestions.contains(QStringLiteral("receive")));
        QVERIFY(suggestions.size() <= 5);
        QSignalSpy changed(&checker, &SpellChecker::wordsChanged);
        checker.addToDictionary(QStringLiteral("Penwick"));
        checker.ignore(QStringLiteral("teh"));
        QCOMPARE(changed.count(), 2);
        QVERIFY(checker.isCorrect(QStringLiteral("Penwick")));
        QVERIFY(checker.isCorrect(QStringLiteral("teh")));
    }
    SpellChecker later(words);
    later.setLanguage(QStringLiteral("en_US"));
    QVERIFY(later.isCorrect(QStringLiteral("Penwick")));
    QVERIFY(!later.isCorrect(QStringLiteral("teh")));
    QCOMPARE(readFile(words), QByteArray("Penwick\n"));
}

void TestSpelling::openTypos()
{
    openWindow(path);
    QTRY_VERIFY_WITH_TIMEOUT(pageText().contains(QStringLiteral("recieve")), 20000);
    waitForPageDictionary();
}

void TestSpelling::waitForPageDictionary()
{
    auto *spelling = window->findChild<PageSpelling *>();
    QVERIFY(waitFor([spelling] { return !spelling->activeDictionary().isEmpty(); }, 20000));
}

QStringList TestSpelling::markedInSource() const
{
    QStringList words;
    for (const QTextEdit::ExtraSelection &mark : source->spellingMarks())
        words << mark.cursor.selectedText();
    return words;
}

QPoint TestSpelling::pagePointOf(const QString &word)
{
    const QVariantList box = js(QStringLiteral(
        "(function (word) { var walker = document.createTreeWalker(editorBody(), NodeFilter.SHOW_TEXT);"
        "  for (var node = walker.nextNode(); node; node = walker.nextNode()) {"
        "    var at = node.data.indexOf(word); if (at < 0) continue;"
        "    var range = document.createRange(); range.setStart(node, at); range.setEnd(node, at + word.length);"
        "    node.parentElement.scrollIntoView({block: 'center'});"
        "    var r = range.getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2]; }"
        "  return [-1, -1]; })(%1)").arg(QStringLiteral("'") + word + QLatin1Char('\''))).toList();
    return QPoint(box.value(0).toInt(), box.value(1).toInt());
}

QPoint TestSpelling::sourcePointOf(const QString &word)
{
    QTextCursor cursor(source->document());
    cursor.setPosition(source->markdownText().indexOf(word) + 1);
    source->setTextCursor(cursor);
    source->ensureCursorVisible();
    return source->cursorRect(cursor).center();
}

void TestSpelling::rightClickInPage(const QString &word, const std::function<void(QMenu *)> &answer, QString *misspelt,
                                   QStringList *suggestions)
{
    const QPoint point = pagePointOf(word);
    QVERIFY(point.x() >= 0);
    focusPage();
    bool answered = false;
    answerMenu([&](QMenu *menu) {
        answer(menu);
        answered = true;
    });
    // What the engine says of the word holds while the menu is asked for.
    const QMetaObject::Connection asked = connect(view, &QWidget::customContextMenuRequested, this, [&] {
        const QWebEngineContextMenuData data = view->page()->contextMenuData();
        if (misspelt)
            *misspelt = data.misspelledWord();
        if (suggestions)
            *suggestions = data.spellCheckerSuggestions();
    });
    QTest::mouseClick(view->focusProxy(), Qt::RightButton, Qt::NoModifier, point);
    const bool shown = waitFor([&answered] { return answered; }, 10000);
    disconnect(asked);
    QVERIFY(shown);
}

QString TestSpelling::misspeltInPage(const QString &word, QStringList *suggestions)
{
    QString misspelt = QStringLiteral("?");
    rightClickInPage(word, [](QMenu *menu) { menu->close(); }, &misspelt, suggestions);
    return misspelt;
}

void TestSpelling::rightClickInSource(const QString &word, const std::function<void(QMenu *)> &answer)
{
    const QPoint point = sourcePointOf(word);
    bool answered = false;
    answerMenu([&](QMenu *menu) {
        answer(menu);
        answered = true;
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, source->viewport()->mapToGlobal(point));
    QApplication::sendEvent(source->viewport(), &event);
    QVERIFY(answered);
}

namespace {
QStringList entryTexts(const QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

void choose(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text) {
            menu->close();
            action->trigger();
            return;
        }
    }
    menu->close();
    QFAIL(qPrintable(QStringLiteral("no entry ") + text));
}
}

// Prose only: front matter, code, formulas, addresses and tags are left alone.
// A suggestion replaces the word as one step that Undo takes back.
void TestSpelling::bothEditorsMarkAndCorrectOnlyMisspeltProse()
{
    openTypos();
    // The engine checks the page once it has the focus, when it is idle.
    QTRY_COMPARE_WITH_TIMEOUT(misspeltInPage(QStringLiteral("recieve")), QStringLiteral("recieve"), 20000);
    QStringList suggestions;
    QCOMPARE(misspeltInPage(QStringLiteral("linkk"), &suggestions), QStringLiteral("linkk"));
    QVERIFY(suggestions.contains(QStringLiteral("link")));
    for (const QString &word : {"paragraph", "inlinecodee", "Frontmatterr", "argumentt", "indexx"})
        QCOMPARE(misspeltInPage(word), QString());
    // The engine checks the page again each time the program tells it of a
    // dictionary it has just read, leaving the words unmarked meanwhile.
    QTRY_COMPARE_WITH_TIMEOUT(misspeltInPage(QStringLiteral("recieve")), QStringLiteral("recieve"), 20000);
    QStringList shown;
    rightClickInPage(QStringLiteral("recieve"), [&shown](QMenu *menu) {
        shown = entryTexts(menu);
        choose(menu, QStringLiteral("receive"));
    });
    QVERIFY(shown.contains(QStringLiteral("Add to Dictionary")));
    QVERIFY(shown.contains(QStringLiteral("Ignore")));
    QVERIFY(shown.indexOf(QStringLiteral("receive")) < shown.indexOf(QStringLiteral("Undo")));
    QTRY_VERIFY(pageText().contains(QStringLiteral("such as receive and")));
    QTest::keyClick(view->focusProxy(), Qt::Key_Z, Qt::ControlModifier);
    QTRY_VERIFY(pageText().contains(QStringLiteral("such as recieve and")));

    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_COMPARE(markedInSource(), (QStringList{"noteee", "fewe", "recieve", "teh", "linkk"}));
    rightClickInSource(QStringLiteral("fewe"), [](QMenu *menu) { choose(menu, QStringLiteral("few")); });
    QVERIFY(source->markdownText().contains(QStringLiteral("has a few mistakes")));
    source->undo();
    QVERIFY(source->markdownText().contains(QStringLiteral("has a fewe mistakes")));
}

// "Add to Dictionary" in one editor is heard by the other and by the next
// session; another language then checks both editors again.
void TestSpelling::addedWordIsKnownEverywhereAndKept()
{
    openTypos();
    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY(markedInSource().contains(QStringLiteral("noteee")));
    rightClickInSource(QStringLiteral("noteee"), [](QMenu *menu) { choose(menu, QStringLiteral("Add to Dictionary")); });
    QTRY_VERIFY(!markedInSource().contains(QStringLiteral("noteee")));
    QVERIFY(markedInSource().contains(QStringLiteral("fewe")));
    // Ignored for this session only.
    rightClickInSource(QStringLiteral("fewe"), [](QMenu *menu) { choose(menu, QStringLiteral("Ignore")); });
    QTRY_VERIFY(!markedInSource().contains(QStringLiteral("fewe")));

    clickTab(QStringLiteral("Visual Editor"));
    QTRY_COMPARE_WITH_TIMEOUT(misspeltInPage(QStringLiteral("recieve")), QStringLiteral("recieve"), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(misspeltInPage(QStringLiteral("noteee")), QString(), 20000);

    closeWindow();
    openTypos();
    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY(markedInSource().contains(QStringLiteral("recieve")));
    QVERIFY(!markedInSource().contains(QStringLiteral("noteee")));
    QVERIFY(markedInSource().contains(QStringLiteral("fewe")));

    QVERIFY(!markedInSource().contains(QStringLiteral("paragraph")));
    auto *languages = window->configurationWindow()->findChild<QComboBox *>(QStringLiteral("spellLanguageBox"));
    QVERIFY(languages->findText(QStringLiteral("Deutsch (Deutschland)")) >= 0);
    languages->setCurrentIndex(languages->findData(QStringLiteral("de_DE")));
    QTRY_VERIFY(markedInSource().contains(QStringLiteral("paragraph")));
    clickTab(QStringLiteral("Visual Editor"));
    auto *spelling = window->findChild<PageSpelling *>();
    QTRY_VERIFY_WITH_TIMEOUT(spelling->activeDictionary().startsWith(QStringLiteral("de_DE-")), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(misspeltInPage(QStringLiteral("paragraph")), QStringLiteral("paragraph"), 20000);
}

void TestSpelling::withoutDictionaryTheSettingSaysWhy()
{
    QTemporaryDir empty;
    SpellChecker::setDictionaryFolders({empty.path()});
    openWindow(path);
    clickTab(QStringLiteral("Source Code Editor"));
    QVERIFY(!window->findChild<SourceSpelling *>()->isEnabled());
    QVERIFY(window->findChild<PageSpelling *>()->activeDictionary().isEmpty());
    ConfigWindow *settings = window->configurationWindow();
    auto *box = settings->findChild<QCheckBox *>(QStringLiteral("spellCheckBox"));
    QVERIFY(!box->isEnabled());
    QVERIFY(!box->isChecked());
    auto *why = settings->findChild<QLabel *>(QStringLiteral("spellingUnavailableLabel"));
    QVERIFY(!why->isHidden());
    QVERIFY(why->text().contains(empty.path()));
}

// The engine's checker once went over the whole page at a cost growing with
// the square of its length: a long document's page stopped answering for
// minutes, and Save reported it unreadable.
void TestSpelling::longDocumentStaysEditable()
{
    QByteArray text = "# Long\n\n";
    for (int n = 1; text.size() < 1536 * 1024; ++n)
        text += "## Part " + QByteArray::number(n) + "\n\nSome **prose** with a speling [link](https://example.org/"
            + QByteArray::number(n) + ") and `code`.\n\n- one\n- two\n\n```js\nlet x = " + QByteArray::number(n) + ";\n```\n\n";
    writeFile(path, text);
    openWindow(path);
    waitForPageDictionary();
    clickTab(QStringLiteral("Source Code Editor"));
    clickTab(QStringLiteral("Visual Editor"));
    QVERIFY(QFile::remove(path));
    const BoxRecorder boxes(QMessageBox::Ok);
    action("actionSave")->trigger();
    QCOMPARE(boxes.boxes.size(), 0);
    QCOMPARE(readFile(path), text);
}

QTEST_MAIN(TestSpelling)
#include "tst_spelling.moc"
