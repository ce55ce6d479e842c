#include "pagetemplate.h"

#include "config.h"


#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>

PageSettings pageSettingsFromStore(const QString &themeFolder, const QString &focusPlaceholder)
{
    PageSettings page;
    page.themeFolder = themeFolder;
    page.cssFile = Config::get(Config::PreviewTheme).toString();
    page.codeBlockStyle = Config::get(Config::CodeBlockStyle).toString();
    page.showLeftSidebar = Config::get(Config::ShowLeftSidebar).toBool();
    page.focusPlaceholder = focusPlaceholder;
    return page;
}

// Every value lands in an attribute of the page; the page reads it from there.
static QString escapedForHtmlAttribute(const QString &text)
{
    return text.toHtmlEscaped();
}

// A JSON string in a data block: with every "<" escaped, nothing in it can
// end the block or start markup.
static QString asDataBlock(const QJsonArray &values)
{
    return QString::fromUtf8(QJsonDocument(values).toJson(QJsonDocument::Compact))
        .replace(QLatin1Char('<'), QLatin1String("\\u003c"));
}

QString fillPageTemplate(QString pageTemplate, const PageSettings &settings, const QString &firstDocumentHtml,
                         const QString &documentFolderUrl)
{
    // The page is loaded with a qrc: base URL, so the style sheet needs a full file URL.
    const QString themeUrl = QUrl::fromLocalFile(settings.themeFolder + QLatin1Char('/') + settings.cssFile
                                                 + QStringLiteral(".css")).toString(QUrl::FullyEncoded);
    const QString codeThemeUrl = settings.codeBlockStyle == QLatin1String("default")
        ? QString()
        : QStringLiteral("qrc:/codemirror/theme/%1.css").arg(settings.codeBlockStyle);
    pageTemplate.replace(QLatin1String("{{theme}}"), escapedForHtmlAttribute(themeUrl));
    pageTemplate.replace(QLatin1String("{{cmthemecss}}"), escapedForHtmlAttribute(codeThemeUrl));
    pageTemplate.replace(QLatin1String("{{cmtheme}}"), escapedForHtmlAttribute(settings.codeBlockStyle));
    pageTemplate.replace(QLatin1String("{{showLeftSidebar}}"),
                         settings.showLeftSidebar ? QStringLiteral("true") : QStringLiteral("false"));
    pageTemplate.replace(QLatin1String("{{focusPlaceholder}}"), escapedForHtmlAttribute(settings.focusPlaceholder));
    // Last, so that no placeholder is looked for in the document.
    pageTemplate.replace(QLatin1String("{{firstDocument}}"),
                         firstDocumentHtml.isNull() ? QString() : asDataBlock({firstDocumentHtml, documentFolderUrl}));
    return pageTemplate;
}
