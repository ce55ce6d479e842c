#include "documentconverter.h"

#include <md4c-html.h>
#include <md4c.h>

namespace {
// Raw HTML in the Markdown is shown as text, never run in the page.
constexpr unsigned parserFlags = MD_FLAG_PERMISSIVEAUTOLINKS | MD_FLAG_NOHTML | MD_FLAG_TABLES
    | MD_FLAG_STRIKETHROUGH | MD_FLAG_TASKLISTS | MD_FLAG_LATEXMATHSPANS | MD_FLAG_UNDERLINE;

void appendChunk(const MD_CHAR *text, MD_SIZE size, void *userdata)
{
    static_cast<std::string *>(userdata)->append(text, size);
}
}

QString DocumentConverter::markdownToHtml(const std::string &markdown) const
{
    std::string html;
    html.reserve(markdown.size() + markdown.size() / 4);
    md_html(markdown.data(), static_cast<MD_SIZE>(markdown.size()), appendChunk, &html, parserFlags, 0);
    return QString::fromStdString(html);
}
