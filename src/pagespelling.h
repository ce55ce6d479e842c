#pragma once

#include <QObject>
#include <QPointer>
#include <QTemporaryDir>

#include <memory>

class QProcess;
class QWebEngineProfile;
class EditorPage;
class SpellChecker;

// The Visual Editor's spell checking, done by the web engine's own checker.
// The engine reads dictionaries in a format of its own, so the chosen
// Hunspell dictionary is converted for it, with the user's words and this
// session's ignored ones in it: each word list makes a dictionary of its own
// name, and the engine is switched over to it once it is written. Nothing in
// the page's content changes for it.
class PageSpelling : public QObject
{
    Q_OBJECT
public:
    PageSpelling(QWebEngineProfile *profile, EditorPage *page, SpellChecker *checker, QObject *parent = nullptr);
    ~PageSpelling() override;

    // Where the engine finds its dictionaries; it reads this once, as it starts.
    static QString engineDictionaryFolder();
    // The program that converts dictionaries for the engine, empty when missing.
    static QString converterProgram();

    void setEnabled(bool enabled);
    // The engine's dictionary now in use, empty while it has none.
    QString activeDictionary() const { return active; }

private:
    void update();
    QString wantedDictionary() const;
    bool startConversion(const QString &name);
    void conversionFinished(const QString &name, bool succeeded);
    void use(const QString &name);
    void tellPage();
    void removeOlderDictionaries(const QString &kept) const;

    QWebEngineProfile *profile;
    QPointer<EditorPage> page;
    SpellChecker *checker;
    bool enabled = false;
    QString active;
    QPointer<QProcess> conversion;
    std::unique_ptr<QTemporaryDir> workFolder;
};
