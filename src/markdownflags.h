#pragma once

#include <md4c-html.h>
#include <md4c.h>

#include <string>

// How the program reads Markdown. Raw HTML is read as CommonMark reads it;
// the page gets it only as islands (HtmlIslands). "_x_" and "__x__" are
// emphasis, as everywhere else Markdown is read.
constexpr unsigned markdownParserFlags = MD_FLAG_PERMISSIVEAUTOLINKS | MD_FLAG_TABLES
    | MD_FLAG_STRIKETHROUGH | MD_FLAG_TASKLISTS | MD_FLAG_LATEXMATHSPANS;

// Markdown as md4c writes it in HTML, raw HTML as it stands: for comparing
// renderings and for showing as text, never for the page.
inline std::string renderedMarkdown(const std::string &markdown)
{
    std::string html;
    html.reserve(markdown.size() + markdown.size() / 4);
    md_html(markdown.data(), static_cast<MD_SIZE>(markdown.size()),
            [](const MD_CHAR *text, MD_SIZE size, void *userdata) { static_cast<std::string *>(userdata)->append(text, size); },
            &html, markdownParserFlags, 0);
    return html;
}
