#include "languages.h"

#include "config.h"


#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QTranslator>

#include <algorithm>

namespace Languages {

namespace {
LangItem item(const char *displayName, const char *catalogue, const char *code)
{
    return {QString::fromUtf8(displayName), QStringLiteral(":/translations/%1.qm").arg(QLatin1String(catalogue)),
            QString::fromLatin1(code)};
}

QString normalised(const QString &code)
{
    return code.toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
}
}

const QList<LangItem> &table()
{
    static const QList<LangItem> languages = [] {
        QList<LangItem> list{
            item("Bahasa Indonesia", "Indonesian", "id"), item("Bahasa Melayu", "Malaysian", "ms"),
            item("Deutsch", "German", "de"), item("English", "English", "en"), item("Español", "Spanish", "es"),
            item("Filipino", "Philippines", "fil"), item("Français", "French", "fr"), item("Gaeilge", "Ireland", "ga"),
            item("Italiano", "Italian", "it"), item("Lëtzebuergesch", "Luxembourg", "lb"), item("Malti", "Malta", "mt"),
            item("Nederlands", "Netherlands", "nl"), item("Português (Brasil)", "Brazil", "pt-BR"),
            item("Português (Portugal)", "Portuguese", "pt"), item("Tiếng Việt", "Vietnamese", "vi"),
            item("Türkçe", "Turkish", "tr"), item("dansk", "Denmark", "da"), item("eesti keel", "Estonia", "et"),
            item("latviešu valoda", "Latvia", "lv"), item("lietuvių kalba", "Lithuania", "lt"),
            item("magyar", "Hungary", "hu"), item("norsk", "Norway", "no"), item("slovenčina", "Slovakia", "sk"),
            item("slovenščina", "Slovenia", "sl"), item("suomen kieli", "Finland", "fi"), item("svenska", "Sweden", "sv"),
            item("íslenska", "Iceland", "is"), item("čeština", "CzechRepublic", "cs"), item("Ελληνικά", "Greece", "el"),
            item("русский язык", "Russian", "ru"), item("українська мова", "Ukrainian", "uk"),
            item("Қазақ тілі", "Kazakhstan", "kk"), item("עברית", "Hebrew", "he"), item("اردو", "Pakistan", "ur"),
            item("العربية", "Arabic", "ar"), item("العربية (Egypt)", "Egypt", "ar-EG"), item("فارسی", "Persian", "fa"),
            item("हिंदी", "Hindi", "hi"), item("বাংলা", "Bengali", "bn"), item("ภาษาไทย", "Thai", "th"),
            item("မြန်မာစာ", "Myanmar", "my"), item("日本語", "Japanese", "ja"), item("简体中文", "SimpleChinese", "zh-CN"),
            item("繁體中文", "TraditionalChinese", "zh-TW"), item("한국어", "Korean", "ko")};
        std::sort(list.begin(), list.end(),
                  [](const LangItem &a, const LangItem &b) { return a.displayName < b.displayName; });
        return list;
    }();
    return languages;
}

LangItem findByCode(const QString &code)
{
    for (const LangItem &language : table()) {
        if (language.code == code || (code == QLatin1String("zh-HK") && language.code == QLatin1String("zh-TW"))
            || (code == QLatin1String("pt") && language.code == QLatin1String("pt-PT"))
            || (code == QLatin1String("arz") && language.code == QLatin1String("ar-EG")))
            return language;
    }
    return item("English", "English", "en");
}

QString systemLanguageCode(const QString &localeName)
{
    const QString hyphenated = QString(localeName).replace(QLatin1Char('_'), QLatin1Char('-'));
    const QString language = hyphenated.section(QLatin1Char('-'), 0, 0);
    if (language == QLatin1String("zh"))
        return QStringList{"zh-MO", "zh-HK", "zh-TW"}.contains(hyphenated) ? QStringLiteral("zh-TW")
                                                                          : QStringLiteral("zh-CN");
    if (language == QLatin1String("pt"))
        return hyphenated == QLatin1String("pt-BR") ? hyphenated : language;
    if (language == QLatin1String("ar"))
        return hyphenated == QLatin1String("ar-EG") ? hyphenated : language;
    return language;
}

LangItem matchSystemLocale(const QString &localeName)
{
    const QString name = normalised(localeName);
    for (const LangItem &language : table())
        if (normalised(language.code) == name)
            return language;
    // The "C" locale of a bare system names no language at all.
    const QString prefix = name.left(2);
    if (prefix.size() < 2 || !prefix.at(1).isLetter())
        return {};
    for (const LangItem &language : table())
        if (normalised(language.code).startsWith(prefix))
            return language;
    return {};
}

QString fontFamilyFor(const QString &code)
{
    static const QList<QPair<QStringList, QString>> families{
        {{"zh-CN", "zh-TW"}, "Microsoft YaHei"}, {{"ja"}, "MS Gothic"}, {{"ko"}, "Malgun Gothic"},
        {{"ar", "ar-EG", "fa"}, "Arial Unicode MS"}, {{"he"}, "Arial Hebrew"}, {{"hi"}, "Nirmala UI"},
        {{"th", "kk"}, "Microsoft Sans Serif"}, {{"bn"}, "Vrinda"}, {{"ur"}, "Urdu Typesetting"},
        {{"my"}, "Noto Sans Myanmar"}};
    for (const auto &family : families)
        if (family.first.contains(code))
            return family.second;
    return QStringLiteral("Arial");
}

// Qt reads the layout direction from each catalogue under this text: "RTL"
// turns the whole interface around for Arabic, Hebrew, Persian and Urdu.
[[maybe_unused]] const char *const layoutDirectionText = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

const QString systemDefaultCode = QStringLiteral("System Default");

void applyStartupLanguage(QTranslator &translator)
{
    QString code;
    if (Config::contains(Config::InterfaceLanguage)) {
        code = Config::get(Config::InterfaceLanguage).toString();
    } else {
        code = systemLanguageCode(QLocale().name());
        Config::set(Config::InterfaceLanguage, code);
    }
    if (code == systemDefaultCode)
        code = matchSystemLocale(QLocale().name()).code;
    translator.load(findByCode(code).resourcePath);
    // Where the named family is missing, the font system picks the nearest installed one.
    QApplication::setFont(QFont(fontFamilyFor(code), 10));
}

}
