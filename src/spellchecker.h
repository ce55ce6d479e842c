#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <memory>

class Hunspell;
class QTextCodec;

// An installed Hunspell dictionary: "en_US" with its two files.
struct Dictionary {
    QString code;
    QString affixPath;
    QString wordsPath;

    // The language as its speakers name it, with the country where the code has one.
    QString displayName() const;
};

// Spell checking shared by both editors: the chosen dictionary, the user's
// own words (kept in a file for every later session) and the words ignored
// in this session.
class SpellChecker : public QObject
{
    Q_OBJECT
public:
    explicit SpellChecker(const QString &personalWordsPath, QObject *parent = nullptr);
    ~SpellChecker() override;

    // The dictionaries installed where the platform keeps them, by code.
    static QList<Dictionary> installed();
    // The installed dictionary of `code`, one with an empty code when there is none.
    static Dictionary installedDictionary(const QString &code);
    // The places looked in. Tests put their own in place of the system's, an
    // empty list puts the system's back.
    static QStringList dictionaryFolders();
    static void setDictionaryFolders(const QStringList &folders);
    // The installed dictionary that best fits a language code or locale name
    // ("de", "en_GB", "pt-BR"), empty when none does.
    static QString bestDictionaryFor(const QString &language);

    // Whether to check and in which language, as the settings say: "spellCheck"
    // (on by default when a dictionary fits the interface or the system
    // language) and "spellCheckLanguage" (by default that dictionary). Off
    // when the chosen dictionary is not installed.
    struct Choice {
        bool on = false;
        QString language;
    };
    static Choice storedChoice();

    // Loads the dictionary on first use; an empty or unknown code turns checking off.
    void setLanguage(const QString &code);
    QString language() const { return languageCode; }
    bool isAvailable();

    bool isCorrect(const QString &word);
    QStringList suggestions(const QString &word, int most = 5);
    void addToDictionary(const QString &word);
    void ignore(const QString &word);
    // The user's words and this session's ignored ones, which the page's own
    // checker has to be told of as well.
    QStringList acceptedWords() const;

signals:
    // Words are accepted that were not: whatever was checked is checked again.
    void wordsChanged();
    void languageChanged();

private:
    bool load();
    std::string encoded(const QString &word) const;
    void savePersonalWords() const;

    QString languageCode;
    QString personalPath;
    std::unique_ptr<Hunspell> hunspell;
    QTextCodec *codec = nullptr;
    bool loadTried = false;
    QSet<QString> personalWords;
    QSet<QString> ignoredWords;
    QHash<QString, bool> known;
};
