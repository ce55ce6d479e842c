#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

class QTranslator;

// One interface language: its native name, its compiled catalogue and the
// code stored under "IsoCode".
struct LangItem {
    QString displayName;
    QString resourcePath;
    QString code;
};
Q_DECLARE_METATYPE(LangItem)

namespace Languages {

// The 45 languages, ordered by display name.
const QList<LangItem> &table();

// The entry for `code`, English when there is none; "zh-HK" finds
// Traditional Chinese, "pt" an entry "pt-PT" and "arz" Egyptian Arabic.
LangItem findByCode(const QString &code);

// The code for a system locale name such as "zh_TW".
QString systemLanguageCode(const QString &localeName);

// The settings window's match for a locale name: the same code, else the first
// code with the same two first letters, else an empty entry.
LangItem matchSystemLocale(const QString &localeName);

QString fontFamilyFor(const QString &code);

// What "IsoCode" holds when the user chose the system's language.
extern const QString systemDefaultCode;

// Chooses the start-up language (writing "IsoCode" on the first start; the
// system's own for "System Default"), loads it into `translator` and sets
// the application font.
void applyStartupLanguage(QTranslator &translator);

}
