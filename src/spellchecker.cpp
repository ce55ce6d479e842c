#include "spellchecker.h"

#include "config.h"
#include "languages.h"

#include <hunspell.hxx>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextCodec>

#include <algorithm>

namespace {
QStringList &chosenFolders()
{
    static QStringList folders;
    return folders;
}

bool overridden = false;
}

QString Dictionary::displayName() const
{
    const QLocale locale(code);
    if (locale.language() == QLocale::C)
        return code;
    QString name = locale.nativeLanguageName();
    if (!name.isEmpty())
        name[0] = name.at(0).toUpper();
    // "de" names no country; "de_DE" does.
    if (code.contains(QLatin1Char('_')) || code.contains(QLatin1Char('-')))
        name += QStringLiteral(" (%1)").arg(locale.nativeCountryName());
    return name;
}

SpellChecker::SpellChecker(const QString &personalWordsPath, QObject *parent)
    : QObject(parent)
    , personalPath(personalWordsPath)
{
    QFile file(personalPath);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty())
                personalWords.insert(line.trimmed());
    }
}

SpellChecker::~SpellChecker() = default;

QStringList SpellChecker::dictionaryFolders()
{
    if (overridden)
        return chosenFolders();
    QStringList folders;
    for (const QString &path : qEnvironmentVariable("DICPATH").split(QDir::listSeparator(), Qt::SkipEmptyParts))
        folders << path;
#ifdef Q_OS_WIN
    folders << QCoreApplication::applicationDirPath() + QStringLiteral("/dictionaries");
#else
    for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << data + QStringLiteral("/hunspell") << data + QStringLiteral("/myspell")
                << data + QStringLiteral("/myspell/dicts");
#endif
    return folders;
}

void SpellChecker::setDictionaryFolders(const QStringList &folders)
{
    chosenFolders() = folders;
    overridden = !folders.isEmpty();
}

QList<Dictionary> SpellChecker::installed()
{
    QList<Dictionary> found;
    for (const QString &folder : dictionaryFolders()) {
        const QDir dir(folder);
        for (const QFileInfo &words : dir.entryInfoList({QStringLiteral("*.dic")}, QDir::Files | QDir::Readable)) {
            const QString affix = dir.filePath(words.completeBaseName() + QStringLiteral(".aff"));
            const QString code = words.completeBaseName();
            // Hyphenation and thesaurus files share the folder; the first folder wins.
            if (code.startsWith(QLatin1String("hyph_")) || code.startsWith(QLatin1String("th_"))
                || !QFile::exists(affix)
                || std::any_of(found.cbegin(), found.cend(), [&code](const Dictionary &known) { return known.code == code; }))
                continue;
            found.append({code, affix, words.filePath()});
        }
    }
    std::sort(found.begin(), found.end(), [](const Dictionary &a, const Dictionary &b) { return a.code < b.code; });
    return found;
}

Dictionary SpellChecker::installedDictionary(const QString &code)
{
    for (const Dictionary &dictionary : installed())
        if (dictionary.code == code)
            return dictionary;
    return {};
}

QString SpellChecker::bestDictionaryFor(const QString &language)
{
    const QString wanted = QString(language).replace(QLatin1Char('-'), QLatin1Char('_')).section(QLatin1Char('.'), 0, 0);
    const QString prefix = wanted.section(QLatin1Char('_'), 0, 0);
    if (prefix.isEmpty() || prefix == QLatin1String("C"))
        return {};
    // Of a language's variants the one of its main country comes first: "de" is "de_DE".
    const QString main = QLocale(prefix).name();
    QString sameLanguage;
    for (const Dictionary &dictionary : installed()) {
        if (dictionary.code.compare(wanted, Qt::CaseInsensitive) == 0)
            return dictionary.code;
        if (dictionary.code.section(QLatin1Char('_'), 0, 0).compare(prefix, Qt::CaseInsensitive) == 0
            && (sameLanguage.isEmpty() || dictionary.code == main))
            sameLanguage = dictionary.code;
    }
    return sameLanguage;
}

SpellChecker::Choice SpellChecker::storedChoice()
{
    // The language the interface shows, English where none other fits.
    QString interface = Config::get(Config::InterfaceLanguage).toString();
    if (interface == Languages::systemDefaultCode)
        interface = Languages::matchSystemLocale(QLocale().name()).code;
    QString fitting = bestDictionaryFor(Languages::findByCode(interface).code);
    if (fitting.isEmpty())
        fitting = bestDictionaryFor(QLocale().name());
    Choice choice;
    choice.language = Config::get(Config::SpellCheckLanguage, fitting).toString();
    const bool present = !installedDictionary(choice.language).code.isEmpty();
    choice.on = present && Config::get(Config::SpellCheck, !fitting.isEmpty()).toBool();
    return choice;
}

void SpellChecker::setLanguage(const QString &code)
{
    if (code == languageCode)
        return;
    languageCode = code;
    hunspell.reset();
    loadTried = false;
    known.clear();
    emit languageChanged();
}

bool SpellChecker::isAvailable()
{
    return load();
}

bool SpellChecker::load()
{
    if (hunspell || loadTried)
        return bool(hunspell);
    loadTried = true;
    const Dictionary dictionary = installedDictionary(languageCode);
    if (dictionary.code.isEmpty())
        return false;
    hunspell = std::make_unique<Hunspell>(QFile::encodeName(dictionary.affixPath).constData(),
                                          QFile::encodeName(dictionary.wordsPath).constData());
    codec = QTextCodec::codecForName(QByteArray::fromStdString(hunspell->get_dict_encoding()));
    if (!codec)
        codec = QTextCodec::codecForName("UTF-8");
    for (const QString &word : acceptedWords())
        hunspell->add(encoded(word));
    return true;
}

std::string SpellChecker::encoded(const QString &word) const
{
    return codec->fromUnicode(word).toStdString();
}

bool SpellChecker::isCorrect(const QString &word)
{
    const auto cached = known.constFind(word);
    if (cached != known.constEnd())
        return cached.value();
    // Typographic apostrophes are spelt as the dictionaries spell them.
    const QString plain = QString(word).replace(QChar(0x2019), QLatin1Char('\''));
    const bool correct = !load() || personalWords.contains(plain) || ignoredWords.contains(plain)
        || hunspell->spell(encoded(plain));
    known.insert(word, correct);
    return correct;
}

QStringList SpellChecker::suggestions(const QString &word, int most)
{
    QStringList found;
    if (!load())
        return found;
    for (const std::string &suggestion : hunspell->suggest(encoded(QString(word).replace(QChar(0x2019), QLatin1Char('\''))))) {
        if (found.size() == most)
            break;
        found << codec->toUnicode(QByteArray::fromStdString(suggestion));
    }
    return found;
}

void SpellChecker::addToDictionary(const QString &word)
{
    if (word.isEmpty() || personalWords.contains(word))
        return;
    personalWords.insert(word);
    savePersonalWords();
    if (hunspell)
        hunspell->add(encoded(word));
    known.clear();
    emit wordsChanged();
}

void SpellChecker::ignore(const QString &word)
{
    if (word.isEmpty() || ignoredWords.contains(word))
        return;
    ignoredWords.insert(word);
    if (hunspell)
        hunspell->add(encoded(word));
    known.clear();
    emit wordsChanged();
}

QStringList SpellChecker::acceptedWords() const
{
    QStringList words = (personalWords + ignoredWords).values();
    words.sort();
    return words;
}

void SpellChecker::savePersonalWords() const
{
    QDir().mkpath(QFileInfo(personalPath).absolutePath());
    QStringList words = personalWords.values();
    words.sort();
    QSaveFile file(personalPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    file.write(words.join(QLatin1Char('\n')).toUtf8() + '\n');
    file.commit();
}
