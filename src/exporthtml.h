#pragma once

#include <QString>

// Turns the editor page's HTML into a standalone page for the HTML and Word
// exports, and the document's HTML for "Get HTML".
namespace ExportHtml {

struct Styles {
    QString theme;
    QString codeMirror;
    QString codeTheme; // empty for the "default" code block style
};

// The styles the settings name: the preview theme beside the executable and the code block styles.
Styles stylesFromSettings();

// Without editing attributes, scripts and style links, with the styles inlined
// and, when asked, a fixed table of contents linked to the headings.
QString buildExportHtml(const QString &pageHtml, const Styles &styles, bool tableOfContents);

// The page's title becomes `title`.
QString withTitle(const QString &html, const QString &title);

// The fixed sidebar, its style and script, around the list `entries`.
QString tableOfContentsBlock(const QString &entries);

// "Get HTML": rendered HTML without editing attributes or blanks before a bare tag's ">".
QString plainHtml(const QString &renderedHtml);

}
