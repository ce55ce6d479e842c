#pragma once

#include <QJsonObject>
#include <QString>

// What the editor page needs to build the HTML and Word exports, and the
// document's HTML for "Get HTML".
namespace ExportHtml {

struct Styles {
    QString theme;
    QString codeMirror;
    QString codeTheme; // empty for the "default" code block style
    QString formulas;  // KaTeX's style with its fonts
};

// The styles the settings name: the preview theme beside the executable, the code block styles and KaTeX's.
Styles stylesFromSettings();

// KaTeX's style sheet with its fonts embedded as data: URLs, so that formulas
// in an exported page need nothing from elsewhere.
QString formulaStyle();

// The exported page's Content-Security-Policy: its own styles, fonts and
// images, and no script but `script` (named by its hash), if any.
QString exportPolicy(const QString &script);

// What the page's exportDocument() builds the exported page from: its title,
// style, policy and, when asked, the table of contents and its script.
QJsonObject exportRequest(const Styles &styles, const QString &title, bool tableOfContents, bool forWord);

// "Get HTML": rendered HTML without editing attributes or blanks before a bare tag's ">".
QString plainHtml(const QString &renderedHtml);

}
