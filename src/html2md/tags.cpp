#include "tags.h"

#include <algorithm>
#include <cctype>

namespace html2md {

namespace {

size_t roundUpToTabStop(size_t column)
{
    return (column + 3) / 4 * 4;
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; });
    return text;
}

std::string rawTag(const Converter &c)
{
    return c.position >= c.tagStart ? c.html.substr(c.tagStart, c.position - c.tagStart) : std::string();
}

// A link or image destination that Markdown reads back unchanged.
std::string destination(std::string url)
{
    if (url.find_first_of(" ()<>") == std::string::npos)
        return url;
    std::string escaped;
    for (const char ch : url) {
        if (ch == '<')
            escaped += "%3C";
        else if (ch == '>')
            escaped += "%3E";
        else
            escaped += ch;
    }
    return "<" + escaped + ">";
}

std::string titlePart(const std::string &title)
{
    if (title.empty())
        return {};
    std::string escaped;
    for (const char ch : title) {
        if (ch == '"' || ch == '\\')
            escaped += '\\';
        escaped += ch;
    }
    return " \"" + escaped + "\"";
}

std::string unescaped(const std::string &text)
{
    std::string result;
    result.reserve(text.size());
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\\' && at + 1 < text.size())
            ++at;
        result += text[at];
    }
    return result;
}

std::string percentDecoded(const std::string &url)
{
    std::string decoded;
    for (size_t at = 0; at < url.size(); ++at) {
        if (url[at] == '%' && at + 2 < url.size() && std::isxdigit(static_cast<unsigned char>(url[at + 1]))
            && std::isxdigit(static_cast<unsigned char>(url[at + 2]))) {
            decoded += static_cast<char>(std::stoi(url.substr(at + 1, 2), nullptr, 16));
            at += 2;
        } else {
            decoded += url[at];
        }
    }
    return decoded;
}

// A link whose text is its own address, in the form that Markdown links by itself.
std::string autolinkFor(const std::string &text, const std::string &href)
{
    if (text.empty() || text.find_first_of(" <>\n") != std::string::npos)
        return {};
    if ((text == href || text == percentDecoded(href)) && text.find(':') != std::string::npos)
        return "<" + text + ">";
    if (href == "mailto:" + text)
        return "<" + text + ">";
    if (href == "http://" + text && text.compare(0, 4, "www.") == 0 && text.find_first_of("*_~`[]") == std::string::npos)
        return text;
    return {};
}

std::string inlineCodeSpan(const std::string &code)
{
    size_t longestRun = 0;
    size_t run = 0;
    for (const char ch : code) {
        run = ch == '`' ? run + 1 : 0;
        longestRun = std::max(longestRun, run);
    }
    const std::string delimiter(longestRun + 1, '`');
    const bool allSpaces = code.find_first_not_of(' ') == std::string::npos;
    const bool pad = code.front() == '`' || code.back() == '`'
        || (!allSpaces && code.front() == ' ' && code.back() == ' ');
    const std::string space = pad ? " " : "";
    return delimiter + space + code + space + delimiter;
}

}

// A block inside a list item starts on a line of its own; after a paragraph
// of the item a blank line comes first, as it does in a loose list.
std::string withoutCommonIndentation(const std::string &text)
{
    size_t common = std::string::npos;
    for (size_t begin = 0; begin < text.size();) {
        size_t end = text.find('\n', begin);
        end = end == std::string::npos ? text.size() : end;
        const size_t indent = text.find_first_not_of(" \t", begin);
        if (indent < end)
            common = std::min(common, indent - begin);
        begin = end + 1;
    }
    if (common == 0 || common == std::string::npos)
        return text;
    std::string result;
    for (size_t begin = 0; begin < text.size();) {
        size_t end = text.find('\n', begin);
        end = end == std::string::npos ? text.size() : end;
        if (end - begin > common)
            result.append(text, begin + common, end - begin - common);
        if (end < text.size())
            result += '\n';
        begin = end + 1;
    }
    return result;
}

void startItemBlock(Converter &c)
{
    if (c.lastChar != '\n' || c.previousTag == "p")
        c.appendMd('\n');
}

void registerTagRules(std::unordered_map<std::string, std::shared_ptr<Tag>> &rules)
{
    const auto bold = std::make_shared<TagBold>();
    const auto italic = std::make_shared<TagItalic>();
    const auto strike = std::make_shared<TagStrikethrought>();
    const auto ignored = std::make_shared<TagIgnored>();
    rules["a"] = std::make_shared<TagAnchor>();
    rules["b"] = bold;
    rules["strong"] = bold;
    rules["blockquote"] = std::make_shared<TagBlockquote>();
    rules["br"] = std::make_shared<TagBreak>();
    rules["code"] = std::make_shared<TagCode>();
    rules["del"] = strike;
    rules["s"] = strike;
    rules["strike"] = strike;
    rules["div"] = std::make_shared<TagDiv>();
    for (const char *name : {"em", "i", "dfn", "cite"})
        rules[name] = italic;
    rules["h1"] = std::make_shared<TagHeader1>();
    rules["h2"] = std::make_shared<TagHeader2>();
    rules["h3"] = std::make_shared<TagHeader3>();
    rules["h4"] = std::make_shared<TagHeader4>();
    rules["h5"] = std::make_shared<TagHeader5>();
    rules["h6"] = std::make_shared<TagHeader6>();
    for (const char *name : {"head", "meta", "nav", "noscript", "script", "style", "template"})
        rules[name] = ignored;
    rules["hr"] = std::make_shared<TagSeperator>();
    rules["img"] = std::make_shared<TagImage>();
    rules["input"] = std::make_shared<TagInput>();
    rules["li"] = std::make_shared<TagListItem>();
    rules["ol"] = std::make_shared<TagOrderedList>();
    rules["option"] = std::make_shared<TagOption>();
    rules["p"] = std::make_shared<TagParagraph>();
    rules["pre"] = std::make_shared<TagPre>();
    rules["span"] = std::make_shared<TagSpan>();
    rules["table"] = std::make_shared<TagTable>();
    rules["td"] = std::make_shared<TagTableData>();
    rules["th"] = std::make_shared<TagTableHeader>();
    rules["title"] = std::make_shared<TagTitle>();
    rules["tr"] = std::make_shared<TagTableRow>();
    rules["u"] = std::make_shared<TagUnderline>();
    rules["ul"] = std::make_shared<TagUnorderedList>();
    rules["x-equation"] = std::make_shared<TagEquation>();
    rules["x-html"] = std::make_shared<TagIsland>();
}

void TagInlineMark::afterOpeningTag(Converter &c)
{
    if (c.isInSkippedTag())
        return;
    c.ensureLinePrefix();
    // Directly inside the same mark, just opened: "**" would read as one mark.
    const std::string &md = c.markdown;
    const bool inSameMark = !alternate.empty() && !c.markStarts.empty()
        && c.markStarts.back() + mark.size() == md.size() && md.compare(c.markStarts.back(), mark.size(), mark) == 0;
    c.markStarts.push_back(md.size());
    c.appendMd(inSameMark ? alternate : mark);
}

// Markdown marks must touch their text: spaces at the edges move outside,
// and a mark around nothing is dropped.
void TagInlineMark::afterClosingTag(Converter &c)
{
    if (c.isInSkippedTag())
        return;
    if (c.markStarts.empty()) {
        c.appendMd(mark);
        return;
    }
    const size_t start = c.markStarts.back();
    c.markStarts.pop_back();
    std::string &md = c.markdown;
    const std::string &mark = !alternate.empty() && md.compare(start, alternate.size(), alternate) == 0
        ? alternate : this->mark;
    if (start + mark.size() > md.size() || md.compare(start, mark.size(), mark) != 0) {
        c.appendMd(mark);
        return;
    }
    const size_t contentBegin = start + mark.size();
    const size_t firstText = md.find_first_not_of(' ', contentBegin);
    if (firstText == std::string::npos) {
        md.erase(start, mark.size());
        c.outputEditedAt(start);
        c.lineLength = c.lineLength > mark.size() ? c.lineLength - mark.size() : 0;
        c.sampleLastChars();
        return;
    }
    if (firstText > contentBegin) {
        md.erase(contentBegin, firstText - contentBegin);
        md.insert(start, firstText - contentBegin, ' ');
        c.outputEditedAt(start);
    }
    const size_t lastText = md.find_last_not_of(" \n");
    const std::string trailing = md.substr(lastText + 1);
    c.shortenMd(trailing.size());
    c.appendMd(mark);
    c.appendMd(trailing);
}

void TagBlockquote::afterOpeningTag(Converter &c)
{
    if (c.containers.size() >= Converter::maxNesting) {
        ++c.flattenedContainers;
        return;
    }
    ++c.quoteDepth;
    // Right after a list marker the quote starts on the marker's line.
    const bool onMarkerLine = c.markdown.size() == c.blockStart && !c.markdown.empty() && c.markdown.back() != '\n';
    if (!onMarkerLine)
        c.appendMd('\n');
    c.containers += 'q';
    c.quoteOpenedAt.push_back(c.markdown.size());
    if (onMarkerLine)
        c.appendMd(std::string("> "));
    c.blockStart = c.markdown.size();
}

void TagBlockquote::afterClosingTag(Converter &c)
{
    if (c.flattenedContainers > 0) {
        --c.flattenedContainers;
        return;
    }
    if (c.quoteDepth == 0)
        return;
    --c.quoteDepth;
    const size_t last = c.containers.rfind('q');
    if (last != std::string::npos)
        c.containers.erase(last, 1);
    c.quoteOpenedAt.pop_back();
    if (!c.markdown.empty() && c.markdown.back() != '\n')
        c.appendMd('\n');
}

void TagBreak::afterOpeningTag(Converter &c)
{
    if (c.inTable)
        c.appendMd(std::string("<br>"));
    else if (c.inHeading) // a heading is one line: a break in it would end it
        c.appendMd(c.markdown.empty() || c.markdown.back() == ' ' ? std::string() : std::string(" "));
    else if (!c.markdown.empty())
        c.appendMd(std::string("  \n"));
}

void TagCode::afterOpeningTag(Converter &c)
{
    c.inCode = true;
    if (!c.inPre) {
        c.inInlineCode = true;
        c.inlineCode.clear();
        return;
    }
    std::string language = c.attribute("class");
    if (language.compare(0, 9, "language-") == 0)
        language.erase(0, 9);
    if (c.fenceLineOpen) {
        c.appendMd(language + "\n");
        c.fenceLineOpen = false;
    }
}

void TagCode::afterClosingTag(Converter &c)
{
    c.inCode = false;
    if (!c.inInlineCode)
        return;
    c.inInlineCode = false;
    if (!c.inlineCode.empty())
        c.appendMd(inlineCodeSpan(c.inlineCode));
    c.inlineCode.clear();
}

void TagDiv::afterOpeningTag(Converter &c)
{
    if (c.lastChar != '\n')
        c.appendMd('\n');
    if (c.secondLastChar != '\n')
        c.appendMd('\n');
}

void TagHeader::afterOpeningTag(Converter &c)
{
    c.inHeading = true;
    if (c.markdown.size() != c.blockStart)
        c.appendMd('\n');
    c.headingStart = c.markdown.size();
    c.appendMd(std::string(static_cast<size_t>(level), '#') + " ");
    c.headingTextStart = c.markdown.size();
}

void TagHeader::afterClosingTag(Converter &c)
{
    c.inHeading = false;
    if (c.lastChar != '\n')
        c.appendMd('\n');
}

void TagSeperator::afterOpeningTag(Converter &c)
{
    c.appendMd(std::string("\n---\n"));
}

void TagAnchor::afterOpeningTag(Converter &c)
{
    if (c.previousTag == "img")
        c.appendMd('\n');
    currentTitle = c.attribute("title");
    c.appendMd(std::string("["));
    c.inAnchor = true;
    textStart = c.markdown.size();
    currentHref = c.attribute("href");
}

void TagAnchor::afterClosingTag(Converter &c)
{
    // A closing tag without its opening one, or after the output it opened
    // on was rewritten, has no link to close.
    if (!c.inAnchor || textStart > c.markdown.size())
        return;
    c.inAnchor = false;
    if (c.isInSkippedTag())
        return;
    if (c.markdown.size() == textStart && c.lastChar == '[') {
        c.shortenMd(1);
        return;
    }
    const std::string text = unescaped(c.markdown.substr(textStart));
    const std::string autolink = autolinkFor(text, currentHref);
    if (!autolink.empty() && currentTitle.empty()) {
        // Written as link syntax, the address in the text would be linked again inside the link.
        c.shortenMd(c.markdown.size() - textStart + 1);
        c.appendMd(autolink);
    } else {
        c.appendMd("](" + destination(currentHref) + titlePart(currentTitle) + ")");
    }
    currentTitle.clear();
    if (c.previousTag == "img")
        c.appendMd('\n');
}

void TagImage::afterOpeningTag(Converter &c)
{
    // An image without a source shows nothing; the editor marks its own
    // insertions with such images.
    if (!c.hasAttribute("src"))
        return;
    if (c.previousTag != "a" && c.lastChar != '\n' && !c.inTable && !c.inHeading)
        c.appendMd('\n');
    c.appendMd("![" + c.attribute("alt") + "](" + destination(c.attribute("src")) + titlePart(c.attribute("title"))
                + ")");
}

void TagImage::afterClosingTag(Converter &c)
{
    if (c.previousTag == "a")
        c.appendMd('\n');
}

void TagInput::afterOpeningTag(Converter &c)
{
    const std::string tag = lowerCase(rawTag(c));
    if (tag.find("checkbox") == std::string::npos)
        return;
    c.appendMd(std::string(tag.find("checked") != std::string::npos ? "[x] " : "[ ] "));
}

void TagListItem::afterOpeningTag(Converter &c)
{
    if (c.inTable)
        return;
    if (!c.markdown.empty() && c.lastChar != '\n')
        c.appendMd('\n');
    std::string marker;
    size_t markerColumn = 0;
    if (!c.lists.empty()) {
        ListLevel &list = c.lists.back();
        if (list.loose && list.items > 0 && c.markdown.size() >= 2
            && c.markdown.compare(c.markdown.size() - 2, 2, "\n\n") != 0)
            c.appendMd('\n');
        ++list.items;
        markerColumn = list.markerColumn;
        if (list.ordered)
            marker = std::to_string(list.itemNumber++) + c.options.orderedMarkerSuffix + ' ';
    }
    if (marker.empty())
        marker = std::string(1, c.options.bulletMarker) + ' ';
    if (!c.isInSkippedTag())
        c.writeLinePrefix(c.linePrefix(true) + std::string(markerColumn / 4, '\t') + marker);
    if (!c.lists.empty())
        c.lists.back().contentColumn = markerColumn + marker.size();
    c.blockStart = c.markdown.size();
}

void TagListItem::afterClosingTag(Converter &c)
{
    if (c.inTable || c.lastChar == '\n')
        return;
    c.appendMd('\n');
}

void TagList::afterOpeningTag(Converter &c)
{
    if (c.inTable)
        return;
    if (c.containers.size() >= Converter::maxNesting) {
        ++c.flattenedContainers;
        return;
    }
    ListLevel level;
    level.ordered = ordered;
    if (ordered) {
        const std::string start = c.attribute("start");
        level.itemNumber = 1;
        if (!start.empty() && start.size() <= 18 && start.find_first_not_of("0123456789") == std::string::npos)
            level.itemNumber = std::stoull(start);
    }
    const bool nested = c.innermostIsList();
    if (nested) {
        level.markerColumn = roundUpToTabStop(c.lists.back().contentColumn);
        startItemBlock(c);
    } else {
        c.appendMd('\n');
    }
    level.contentColumn = level.markerColumn;
    c.lists.push_back(level);
    c.containers += 'l';
    ++c.listDepth;
    c.inList = true;
}

void TagList::afterClosingTag(Converter &c)
{
    if (c.inTable)
        return;
    if (c.flattenedContainers > 0) {
        --c.flattenedContainers;
        return;
    }
    if (!c.lists.empty())
        c.lists.pop_back();
    const size_t last = c.containers.rfind('l');
    if (last != std::string::npos)
        c.containers.erase(last, 1);
    if (c.listDepth > 0)
        --c.listDepth;
    c.inList = c.listDepth > 0;
    if (c.lastChar == '\n' && c.secondLastChar == '\n')
        c.shortenMd(1);
    else if (c.lastChar != '\n')
        c.appendMd('\n');
}

void TagOption::afterClosingTag(Converter &c)
{
    if (!c.markdown.empty())
        c.appendMd(std::string("  \n"));
}

void TagParagraph::afterOpeningTag(Converter &c)
{
    c.inParagraph = true;
    if (c.inTable)
        return;
    if (!c.innermostIsList()) {
        if (c.markdown.size() != c.blockStart)
            c.appendMd('\n');
    } else if (c.previousTag == "li" && !c.lists.empty()) {
        c.lists.back().loose = true;
    } else if (c.lastChar == '\n' && c.markdown.size() != c.blockStart) {
        // A later block of the item: after a blank line, indented to its text.
        c.appendMd('\n');
    }
}

void TagParagraph::afterClosingTag(Converter &c)
{
    c.inParagraph = false;
    if (c.inTable) {
        if (c.lastChar != ' ' && c.lastChar != '|')
            c.appendMd(std::string(" "));
        return;
    }
    if (!c.markdown.empty())
        c.appendMd(std::string("\n"));
}

void TagPre::afterOpeningTag(Converter &c)
{
    c.inPre = true;
    if (c.innermostIsList()) {
        startItemBlock(c);
    } else {
        if (c.lastChar != '\n')
            c.appendMd('\n');
        if (c.secondLastChar != '\n')
            c.appendMd('\n');
    }
    if (c.isInSkippedTag())
        return;
    c.ensureLinePrefix();
    c.fenceStart = c.markdown.size();
    c.appendMd(std::string("```"));
    c.fenceLineOpen = true;
}

// The closing fence goes on a line of its own and is longer than any
// backtick run that starts a line of the code.
void TagPre::afterClosingTag(Converter &c)
{
    if (c.isInSkippedTag() || c.fenceStart >= c.markdown.size()) {
        c.inPre = false;
        return;
    }
    std::string &md = c.markdown;
    if (c.fenceLineOpen || md.back() != '\n')
        c.put('\n');
    c.fenceLineOpen = false;
    size_t longestRun = 0;
    for (size_t at = md.find('\n', c.fenceStart); at != std::string::npos; at = md.find('\n', at + 1)) {
        size_t run = md.find_first_not_of(" \t>", at + 1);
        if (run == std::string::npos)
            break;
        const size_t runEnd = md.find_first_not_of('`', run);
        longestRun = std::max(longestRun, (runEnd == std::string::npos ? md.size() : runEnd) - run);
    }
    if (longestRun >= 3) {
        md.insert(c.fenceStart, longestRun - 2, '`');
        c.outputEditedAt(c.fenceStart);
    }
    c.put(std::string(std::max<size_t>(3, longestRun + 1), '`') + "\n");
    c.inPre = false;
    c.sampleLastChars();
}

void TagTable::afterOpeningTag(Converter &c)
{
    c.inTable = true;
    c.appendMd('\n');
    c.tableStart = c.markdown.size();
    c.tableHasHeader = false;
    c.pendingSeparatorRow.clear();
}

void TagTable::afterClosingTag(Converter &c)
{
    c.inTable = false;
    c.appendMd('\n');
    if (!c.options.alignTables || c.tableStart > c.markdown.size())
        return;
    const std::string table = c.markdown.substr(c.tableStart);
    c.shortenMd(table.size());
    c.appendMd(formatTable(table, c.tableHasHeader, c.islands));
}

void TagTableRow::afterOpeningTag(Converter &c)
{
    c.appendMd('\n');
    c.appendMd(std::string("|"));
}

void TagTableRow::afterClosingTag(Converter &c)
{
    c.sampleLastChars();
    if (c.pendingSeparatorRow.empty())
        return;
    c.appendMd('\n');
    c.appendMd(c.pendingSeparatorRow + "|");
    c.pendingSeparatorRow.clear();
}

void TagTableCell::afterOpeningTag(Converter &c)
{
    c.appendMd(std::string(" "));
}

void TagTableCell::afterClosingTag(Converter &c)
{
    c.appendMd(std::string(" |"));
}

void TagTableHeader::afterOpeningTag(Converter &c)
{
    std::string align = lowerCase(c.attribute("align"));
    if (align.empty()) {
        const std::string style = lowerCase(c.attribute("style"));
        for (const char *side : {"left", "center", "right"})
            if (style.find(std::string("text-align: ") + side) != std::string::npos
                || style.find(std::string("text-align:") + side) != std::string::npos)
                align = side;
    }
    const bool left = align == "left" || align == "center";
    const bool right = align == "right" || align == "center";
    c.pendingSeparatorRow += std::string("| ") + (left ? ":" : "") + "-" + (right ? ": " : " ");
    c.tableHasHeader = true;
    TagTableCell::afterOpeningTag(c);
}

void TagTitle::afterClosingTag(Converter &c)
{
    c.appendMd("\n" + Converter::repeat("=", c.lineLength) + "\n\n");
    c.lineLength = 0;
}

void TagEquation::afterOpeningTag(Converter &c)
{
    delimiter = c.attribute("type") == "display" ? "$$" : "$";
    c.appendMd(delimiter);
    c.inMath = true;
}

void TagEquation::afterClosingTag(Converter &c)
{
    c.inMath = false;
    c.appendMd(delimiter);
}

// Raw HTML and front matter go back as they were written; what the page
// shows inside the island is never read.
void TagIsland::afterOpeningTag(Converter &c)
{
    const std::string kind = c.attribute("type");
    std::string source = c.attribute("data-source");
    const size_t end = c.html.find("</x-html>", c.position);
    c.position = end == std::string::npos ? c.html.size() : end + 9;
    if (c.isInSkippedTag() || source.empty())
        return;
    if (kind == "inline") {
        c.appendIsland(source);
        return;
    }
    while (!source.empty() && (source.back() == '\n' || source.back() == '\r'))
        source.pop_back();
    if (c.innermostIsList()) {
        if (c.markdown.size() != c.blockStart)
            startItemBlock(c);
    } else {
        if (c.lastChar != '\n')
            c.appendMd('\n');
        if (c.secondLastChar != '\n' && !c.markdown.empty())
            c.appendMd('\n');
    }
    // Inside lists and quotes the lines keep their indentation relative to
    // each other only: the converter's own line prefix sets the rest.
    if (!c.containers.empty())
        source = withoutCommonIndentation(source);
    // The lines after the first go on inside the open lists and quotes.
    const std::string prefix = c.linePrefix();
    std::string blankPrefix = prefix;
    while (!blankPrefix.empty() && (blankPrefix.back() == ' ' || blankPrefix.back() == '\t'))
        blankPrefix.pop_back();
    std::string text;
    size_t lineBegin = 0;
    for (size_t lineEnd = source.find('\n'); lineBegin <= source.size(); lineEnd = source.find('\n', lineBegin)) {
        if (lineEnd == std::string::npos)
            lineEnd = source.size();
        if (lineBegin > 0)
            text += lineEnd == lineBegin ? blankPrefix : prefix;
        text.append(source, lineBegin, lineEnd - lineBegin);
        if (lineEnd < source.size())
            text += '\n';
        lineBegin = lineEnd + 1;
    }
    c.appendIsland(text);
    c.appendMd('\n');
}

}
