#include "pagespelling.h"

#include "editorpage.h"
#include "spellchecker.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextCodec>
#include <QTimer>
#include <QWebEngineProfile>

PageSpelling::PageSpelling(QWebEngineProfile *profile, EditorPage *page, SpellChecker *checker, QObject *parent)
    : QObject(parent)
    , profile(profile)
    , page(page)
    , checker(checker)
{
    connect(checker, &SpellChecker::wordsChanged, this, &PageSpelling::update);
    connect(checker, &SpellChecker::languageChanged, this, &PageSpelling::update);
    // A page loaded anew starts without checking.
    connect(page, &EditorPage::becameReady, this, &PageSpelling::tellPage);
}

PageSpelling::~PageSpelling()
{
    if (conversion) {
        conversion->disconnect(this);
        conversion->kill();
        conversion->waitForFinished(1000);
    }
}

QString PageSpelling::engineDictionaryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/dictionaries");
}

QString PageSpelling::converterProgram()
{
    const QString name = QStringLiteral("qwebengine_convert_dict");
#ifdef Q_OS_WIN
    const QString beside = QCoreApplication::applicationDirPath() + QLatin1Char('/') + name + QStringLiteral(".exe");
    if (QFile::exists(beside))
        return beside;
#endif
    const QString withQt = QLibraryInfo::location(QLibraryInfo::BinariesPath) + QLatin1Char('/') + name;
    if (QFileInfo(withQt).isExecutable())
        return withQt;
    return QStandardPaths::findExecutable(name);
}

void PageSpelling::setEnabled(bool on)
{
    enabled = on;
    if (!on) {
        profile->setSpellCheckEnabled(false);
        active.clear();
        tellPage();
        return;
    }
    update();
}

// A name for the dictionary and the word list: a new list, or a changed
// system dictionary, is a dictionary the engine has not read yet.
QString PageSpelling::wantedDictionary() const
{
    const Dictionary dictionary = SpellChecker::installedDictionary(checker->language());
    if (dictionary.code.isEmpty())
        return {};
    QString identity;
    for (const QString &path : {dictionary.affixPath, dictionary.wordsPath}) {
        const QFileInfo file(path);
        identity += file.canonicalFilePath() + QString::number(file.size())
            + QString::number(file.lastModified().toMSecsSinceEpoch());
    }
    identity += checker->acceptedWords().join(QLatin1Char('\n'));
    const QByteArray hash = QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha1).toHex().left(10);
    return dictionary.code + QLatin1Char('-') + QString::fromLatin1(hash);
}

void PageSpelling::update()
{
    if (!enabled)
        return;
    const QString name = wantedDictionary();
    if (name.isEmpty() || name == active || conversion)
        return;
    if (QFile::exists(engineDictionaryFolder() + QLatin1Char('/') + name + QStringLiteral(".bdic")))
        use(name);
    else
        startConversion(name);
}

// The engine's converter reads a Hunspell pair named alike: the affix file
// as it is, the word list with the accepted words added (and counted).
bool PageSpelling::startConversion(const QString &name)
{
    const QString program = converterProgram();
    const Dictionary source = SpellChecker::installedDictionary(checker->language());
    if (program.isEmpty() || source.code.isEmpty())
        return false;
    workFolder = std::make_unique<QTemporaryDir>();
    const QString base = workFolder->filePath(name);
    QFile affix(source.affixPath);
    QFile words(source.wordsPath);
    QFile list(base + QStringLiteral(".dic"));
    if (!QFile::copy(source.affixPath, base + QStringLiteral(".aff")) || !affix.open(QIODevice::ReadOnly)
        || !words.open(QIODevice::ReadOnly) || !list.open(QIODevice::WriteOnly))
        return false;
    static const QRegularExpression encoding(QStringLiteral("^SET\\s+(\\S+)"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch set = encoding.match(QString::fromLatin1(affix.read(64 * 1024)));
    QTextCodec *codec = QTextCodec::codecForName(set.hasMatch() ? set.captured(1).toLatin1() : QByteArray("ISO-8859-1"));
    if (!codec)
        codec = QTextCodec::codecForName("UTF-8");
    const QStringList accepted = checker->acceptedWords();
    const QByteArray count = words.readLine();
    list.write(QByteArray::number(count.trimmed().toLongLong() + accepted.size()) + '\n');
    QByteArray rest = words.readAll();
    if (!rest.isEmpty() && !rest.endsWith('\n'))
        rest += '\n';
    list.write(rest);
    for (const QString &word : accepted)
        list.write(codec->fromUnicode(word) + '\n');
    list.close();

    QDir().mkpath(engineDictionaryFolder());
    const QString target = engineDictionaryFolder() + QLatin1Char('/') + name + QStringLiteral(".bdic");
    conversion = new QProcess(this);
    conversion->setProcessChannelMode(QProcess::MergedChannels);
    connect(conversion, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            [this, name, target](int exitCode, QProcess::ExitStatus status) {
                conversionFinished(name, status == QProcess::NormalExit && exitCode == 0 && QFileInfo(target).size() > 0);
            });
    connect(conversion, &QProcess::errorOccurred, this, [this, name](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            conversionFinished(name, false);
    });
    conversion->start(program, {list.fileName(), target});
    return true;
}

void PageSpelling::conversionFinished(const QString &name, bool succeeded)
{
    if (conversion)
        conversion->deleteLater();
    conversion = nullptr;
    workFolder.reset();
    if (!succeeded) {
        QFile::remove(engineDictionaryFolder() + QLatin1Char('/') + name + QStringLiteral(".bdic"));
        return;
    }
    // The words may have changed while it was written.
    if (enabled && name == wantedDictionary())
        use(name);
    else
        update();
}

void PageSpelling::use(const QString &name)
{
    active = name;
    profile->setSpellCheckLanguages({name});
    profile->setSpellCheckEnabled(true);
    tellPage();
    // The engine reads the dictionary in the background and checks nothing
    // until it has it, nor once it has it: the page is told again.
    for (const int delayMs : {300, 1000, 3000})
        QTimer::singleShot(delayMs, this, [this, name] {
            if (active == name)
                tellPage();
        });
    removeOlderDictionaries(name);
}

void PageSpelling::tellPage()
{
    if (page->isReady())
        page->runOnPage(QStringLiteral("setSpellChecking(%1)").arg(enabled && !active.isEmpty() ? "true" : "false"));
}

// Word lists of the language that are no longer the user's.
void PageSpelling::removeOlderDictionaries(const QString &kept) const
{
    const QString code = kept.section(QLatin1Char('-'), 0, -2);
    QDir folder(engineDictionaryFolder());
    for (const QString &file : folder.entryList({code + QStringLiteral("-*.bdic")}, QDir::Files))
        if (file != kept + QStringLiteral(".bdic") && file.section(QLatin1Char('-'), 0, -2) == code)
            folder.remove(file);
}
