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

using BlockCallback = int (*)(MD_BLOCKTYPE, void *, void *);
using SpanCallback = int (*)(MD_SPANTYPE, void *, void *);
using TextCallback = int (*)(MD_TEXTTYPE, const MD_CHAR *, MD_SIZE, void *);

// Runs md4c over `markdown` from `from` on (what comes before is not Markdown,
// such as front matter), read as the program reads Markdown; a callback left
// out does nothing. Text pointers point into `markdown`.
inline bool scanMarkdown(const std::string &markdown, size_t from, void *userdata, BlockCallback enterBlock,
                         BlockCallback leaveBlock, SpanCallback enterSpan, SpanCallback leaveSpan, TextCallback text)
{
    const BlockCallback noBlock = [](MD_BLOCKTYPE, void *, void *) { return 0; };
    const SpanCallback noSpan = [](MD_SPANTYPE, void *, void *) { return 0; };
    const TextCallback noText = [](MD_TEXTTYPE, const MD_CHAR *, MD_SIZE, void *) { return 0; };
    MD_PARSER parser{};
    parser.flags = markdownParserFlags;
    parser.enter_block = enterBlock ? enterBlock : noBlock;
    parser.leave_block = leaveBlock ? leaveBlock : noBlock;
    parser.enter_span = enterSpan ? enterSpan : noSpan;
    parser.leave_span = leaveSpan ? leaveSpan : noSpan;
    parser.text = text ? text : noText;
    return md_parse(markdown.data() + from, static_cast<MD_SIZE>(markdown.size() - from), &parser, userdata) == 0;
}

