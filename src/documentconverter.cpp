#include "documentconverter.h"

#include "codefence.h"
#include "html2md/html2md.h"
#include "html2md/text.h"
#include "htmlislands.h"
#include "markdownflags.h"

#include <QStringList>
#include <QVector>

#include <string_view>

#include <md4c.h>

namespace {
using html2md::isWhitespace;
using html2md::replaceAll;

// A table's delimiter row: cells of dashes with optional colons, with at
// least one bar (a line of dashes alone is a rule or a heading's underline).
bool isDelimiterRow(const QString &line)
{
    if (!line.contains(QLatin1Char('|')) || !line.contains(QLatin1Char('-')))
        return false;
    bool anyCell = false;
    for (const QString &part : line.split(QLatin1Char('|'))) {
        const QString cell = part.trimmed();
        if (cell.isEmpty())
            continue;
        for (const QChar ch : cell)
            if (ch != QLatin1Char('-') && ch != QLatin1Char(':'))
                return false;
        anyCell = true;
    }
    return anyCell;
}

bool isFramedRow(const QString &line)
{
    const QString trimmed = line.trimmed();
    return trimmed.startsWith(QLatin1Char('|')) && trimmed.count(QLatin1Char('|')) >= 2;
}

// Which lines belong to tables, outside code blocks: rows framed by bars, and
// a delimiter row with the header row above it and the rows with bars below.
QVector<bool> tableLines(const QStringList &lines)
{
    QVector<bool> table(lines.size(), false);
    CodeFence fence;
    for (int index = 0; index < lines.size(); ++index) {
        const QString &line = lines.at(index);
        if (fence.follow(line))
            continue;
        if (isFramedRow(line))
            table[index] = true;
        if (isDelimiterRow(line) && index > 0 && lines.at(index - 1).contains(QLatin1Char('|')) && !table[index - 1]) {
            table[index - 1] = table[index] = true;
            for (int row = index + 1; row < lines.size() && lines.at(row).contains(QLatin1Char('|')); ++row)
                table[row] = true;
        } else if (isDelimiterRow(line) && index > 0 && table[index - 1]) {
            table[index] = true;
        }
    }
    return table;
}

size_t backtickRun(const std::string &text, size_t at)
{
    size_t end = at;
    while (end < text.size() && text[end] == '`')
        ++end;
    return end - at;
}
}

QString DocumentConverter::markdownToHtml(const std::string &markdown) const
{
    return QString::fromStdString(markdownToHtmlUtf8(markdown));
}

std::string DocumentConverter::markdownToHtmlUtf8(const std::string &markdown) const
{
    std::string html = HtmlIslands::render(markdown);
    replaceAll(html, "<x-equation type=\"display\">", "<x-equation type=\"display\" contenteditable=\"false\">");
    replaceAll(html, "<x-equation>", "<x-equation contenteditable=\"false\">");
    replaceAll(html, "<pre>", "<pre contenteditable=\"false\">");
    return html;
}

QString DocumentConverter::htmlToMarkdown(const QString &html) const
{
    QString cleaned = html;
    cleaned.replace(QLatin1String("<td>&nbsp;</td>"), QLatin1String("<td></td>"));
    cleaned.replace(QLatin1String("<th>&nbsp;</th>"), QLatin1String("<th></th>"));
    const std::string markdown = html2md::toMarkdown(latexFromKatex(cleaned.toStdString()));
    return QString::fromStdString(padStrikeMarkers(markdown));
}

QString DocumentConverter::isolateTables(const QString &text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QVector<bool> table = tableLines(lines);
    QStringList output;
    output.reserve(lines.size() + 8);
    for (int index = 0; index < lines.size(); ++index) {
        const QString &line = lines.at(index);
        const bool starts = table[index] && (index == 0 || !table[index - 1]);
        if (starts && !output.isEmpty() && !output.last().trimmed().isEmpty())
            output.append(QString());
        output.append(line);
        const bool ends = table[index] && (index + 1 >= lines.size() || !table[index + 1]);
        if (ends && index + 1 < lines.size() && !lines.at(index + 1).trimmed().isEmpty())
            output.append(QString());
    }
    return output.join(QLatin1Char('\n'));
}

std::string DocumentConverter::latexFromKatex(const std::string &html)
{
    static const std::string startTag = "<x-equation";
    static const std::string endTag = "</x-equation>";
    static const std::string texStart = "encoding=\"application/x-tex\">";
    static const std::string texEnd = "</annotation>";
    std::string result;
    result.reserve(html.size());
    size_t from = 0;
    while (true) {
        const size_t start = html.find(startTag, from);
        if (start == std::string::npos)
            break;
        const size_t end = html.find(endTag, start);
        if (end == std::string::npos)
            break;
        const size_t elementEnd = end + endTag.size();
        // The annotation is looked for inside the element only, so formulas
        // without one cost no search through the rest of the document.
        const std::string_view element = std::string_view(html).substr(start, end - start);
        const size_t sourceInElement = element.find(texStart);
        const size_t sourceEndInElement =
            sourceInElement == std::string_view::npos ? sourceInElement : element.find(texEnd, sourceInElement);
        const size_t source = start + sourceInElement;
        const size_t sourceEnd = start + sourceEndInElement;
        result.append(html, from, start - from);
        if (sourceInElement != std::string_view::npos && sourceEndInElement != std::string_view::npos) {
            const size_t startTagEnd = html.find('>', start);
            const bool display = html.substr(start, startTagEnd - start).find("type=\"display\"") != std::string::npos;
            result += display ? "<x-equation type=\"display\">" : "<x-equation>";
            const size_t texBegin = source + texStart.size();
            result.append(html, texBegin, sourceEnd - texBegin);
            result += endTag;
        } else {
            result.append(html, start, elementEnd - start);
        }
        from = elementEnd;
    }
    result.append(html, from, std::string::npos);
    return result;
}

std::string DocumentConverter::padStrikeMarkers(const std::string &markdown)
{
    std::string result;
    result.reserve(markdown.size() + 16);
    bool opening = true;
    size_t fence = 0; // length of the open code fence, 0 outside code blocks
    size_t lineBegin = 0;
    while (lineBegin < markdown.size()) {
        size_t lineEnd = markdown.find('\n', lineBegin);
        lineEnd = lineEnd == std::string::npos ? markdown.size() : lineEnd + 1;
        const size_t first = markdown.find_first_not_of(" \t>", lineBegin);
        const size_t run = first < lineEnd ? backtickRun(markdown, first) : 0;
        if (run >= 3 && (fence == 0 || run >= fence)) {
            fence = fence == 0 ? run : 0;
            result.append(markdown, lineBegin, lineEnd - lineBegin);
            lineBegin = lineEnd;
            continue;
        }
        if (fence > 0) {
            result.append(markdown, lineBegin, lineEnd - lineBegin);
            lineBegin = lineEnd;
            continue;
        }
        for (size_t at = lineBegin; at < lineEnd;) {
            const char ch = markdown[at];
            if (ch == '\\' && at + 1 < lineEnd) {
                result.append(markdown, at, 2);
                at += 2;
            } else if (ch == '`') {
                // A code span closes on its own line; an unclosed run is looked
                // for no further, or a document of them would be read over and over.
                const size_t length = backtickRun(markdown, at);
                const std::string_view line(markdown.data() + at + length, lineEnd - at - length);
                const size_t close = line.find(std::string_view(markdown.data() + at, length));
                const size_t end = close == std::string_view::npos ? at + length : at + length + close + length;
                result.append(markdown, at, end - at);
                at = end;
            } else if (ch == '~' && at + 1 < lineEnd && markdown[at + 1] == '~') {
                if (opening && !result.empty() && !isWhitespace(result.back()))
                    result += ' ';
                result += "~~";
                at += 2;
                if (!opening && at < markdown.size() && !isWhitespace(markdown[at]))
                    result += ' ';
                opening = !opening;
            } else {
                size_t plainEnd = at + 1;
                while (plainEnd < lineEnd && markdown[plainEnd] != '\\' && markdown[plainEnd] != '`'
                       && markdown[plainEnd] != '~')
                    ++plainEnd;
                result.append(markdown, at, plainEnd - at);
                at = plainEnd;
            }
        }
        lineBegin = std::max(lineBegin + 1, lineEnd);
    }
    return result;
}
