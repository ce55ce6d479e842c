#pragma once

#include <QString>

#include <string>

// Turns the document between Markdown (the file and the Source Code Editor)
// and HTML (the Visual Editor's page). Stateless.
class DocumentConverter
{
public:
    QString markdownToHtml(const std::string &markdown) const;
    std::string markdownToHtmlUtf8(const std::string &markdown) const;
    QString htmlToMarkdown(const QString &html) const;

    // Puts blank lines around runs of table lines, so that a table typed right
    // under a paragraph is still read as a table.
    static QString isolateTables(const QString &text);

    // Replaces each rendered formula of the page by an element holding just
    // its TeX source, which the converter writes back between dollar signs.
    static std::string latexFromKatex(const std::string &html);

    // Puts a space before an opening "~~" and after a closing one where the
    // neighbour is not white space; code is left alone.
    static std::string padStrikeMarkers(const std::string &markdown);
};
