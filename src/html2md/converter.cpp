#include "html2md.h"
#include "tags.h"
#include "text.h"

#include <algorithm>
#include <unordered_set>

namespace html2md {

namespace {

bool isWordByte(char ch)
{
    const auto byte = static_cast<unsigned char>(ch);
    return (byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || byte >= 0x80;
}

bool isBlockTag(const std::string &tag)
{
    static const std::unordered_set<std::string> blocks{"p",  "div", "blockquote", "ul", "ol", "pre", "table", "hr",
                                                        "h1", "h2",  "h3",         "h4", "h5", "h6"};
    return blocks.count(tag) != 0;
}

char lowered(char ch)
{
    return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
}

// Fenced code blocks, as the lines of the output open and close them; list
// items indent their fences.
class FenceTracker
{
public:
    bool inFence() const { return length > 0; }

    // Returns true when `line` opens or closes a block.
    bool takeLine(const std::string &line)
    {
        size_t at = line.find_first_not_of(" \t>");
        if (at == std::string::npos || (line[at] != '`' && line[at] != '~'))
            return false;
        const char marker = line[at];
        const size_t runEnd = line.find_first_not_of(marker, at);
        const size_t run = (runEnd == std::string::npos ? line.size() : runEnd) - at;
        if (run < 3)
            return false;
        const std::string rest = runEnd == std::string::npos ? std::string() : line.substr(runEnd);
        if (!inFence()) {
            if (marker == '`' && rest.find('`') != std::string::npos)
                return false;
            character = marker;
            length = run;
            return true;
        }
        if (marker != character || run < length || rest.find_first_not_of(" \t") != std::string::npos)
            return false;
        length = 0;
        return true;
    }

private:
    char character = 0;
    size_t length = 0;
};

// A blank line inside a quote: only its markers.
bool isQuoteMarkerLine(const std::string &line)
{
    return !line.empty() && line.find_first_not_of("> ") == std::string::npos;
}

std::string trimLine(const std::string &line)
{
    size_t begin = 0;
    if (line.empty() || line[0] != '\t')
        while (begin < line.size() && isWhitespace(line[begin]))
            ++begin;
    size_t end = line.size();
    const bool hardBreak = line.size() >= 2 && line.compare(line.size() - 2, 2, "  ") == 0;
    if (!hardBreak)
        while (end > begin && isWhitespace(line[end - 1]))
            --end;
    return line.substr(begin, end - begin);
}

}

Converter::Converter(const std::string &input, const ConvertOptions *convertOptions)
    : html(input)
{
    if (convertOptions)
        options = *convertOptions;
    markdown.reserve(static_cast<size_t>(static_cast<double>(html.size()) * 0.8));
    entities = {{"&quot;", "\""}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}, {"&nbsp;", " "}, {"&rarr;", "\xE2\x86\x92"}};
    registerTagRules(rules);
}

std::string Converter::convert()
{
    if (position == html.size())
        return markdown;
    markdown.clear();
    lastChar = secondLastChar = 0;
    position = 0;
    const size_t length = html.size();
    while (position < length) {
        const char ch = html[position];
        ++position;
        if (inTag) {
            readTagByte(ch);
        } else if (ch == '<') {
            tagStart = position;
            inTag = true;
            closingTag = false;
            selfClosing = false;
            inAttributeValue = false;
            previousTag = currentTag;
            currentTag.clear();
            sampleLastChars();
        } else if (ch == '&') {
            handleEntity();
        } else {
            handleText(ch);
        }
    }
    cleanUp();
    return markdown;
}

bool Converter::isBalanced() const
{
    return !inTag && !inList && !inParagraph && !inPre && !inTable && listDepth == 0 && quoteDepth == 0;
}

void Converter::sampleLastChars()
{
    if (!markdown.empty())
        lastChar = markdown.back();
    if (markdown.size() >= 2)
        secondLastChar = markdown[markdown.size() - 2];
}

void Converter::readTagByte(char ch)
{
    if (ch == '/' && !inAttributeValue) {
        skipTagWhitespace = true;
        if (currentTag.empty()) {
            closingTag = true;
            selfClosing = false;
        } else {
            selfClosing = true;
            closingTag = false;
        }
        return;
    }
    // A ">" inside a quoted value belongs to the value: the web engine does not
    // escape it there, and ending the tag early would leak the rest as text.
    if (ch == '>' && !inAttributeValue) {
        while (!currentTag.empty() && isWhitespace(currentTag.back()))
            currentTag.pop_back();
        skipTagWhitespace = true;
        if (selfClosing) {
            endTag();
            selfClosing = false;
            closingTag = true;
            endTag();
        } else {
            endTag();
        }
        return;
    }
    if (ch == '"') {
        if (!inAttributeValue) {
            const size_t last = currentTag.find_last_not_of(" \t\n\r\f\v");
            inAttributeValue = last != std::string::npos && currentTag[last] == '=';
        } else {
            inAttributeValue = false;
        }
        skipTagWhitespace = false;
        return;
    }
    if (isWhitespace(ch) && skipTagWhitespace)
        return;
    skipTagWhitespace = false;
    currentTag += lowered(ch);
}

void Converter::endTag()
{
    inTag = false;
    sampleLastChars();
    // An island's attributes hold its source, which may say anything.
    if (!closingTag
        && (currentTag.find("display:none") != std::string::npos
            || currentTag.find("visibility:hidden") != std::string::npos
            || currentTag.find("opacity:0") != std::string::npos)
        && currentTag.compare(0, 7, "x-html ") != 0) {
        updateTextHandling();
        return;
    }
    const size_t space = currentTag.find(' ');
    if (space != std::string::npos)
        currentTag.resize(space);
    updateTextHandling();
    if (currentTag.empty())
        return;
    const auto rule = rules.find(currentTag);
    if (rule == rules.end() || !rule->second)
        return;
    if (closingTag) {
        closingTag = false;
        rule->second->afterClosingTag(*this);
    } else {
        // A heading whose first content is a block is only a shell around
        // blocks (the editor leaves one when pasted blocks replace a whole
        // document), and no heading.
        if (inHeading && markdown.size() == headingTextStart && isBlockTag(currentTag)) {
            shortenMd(headingTextStart - headingStart);
            inHeading = false;
        }
        rule->second->afterOpeningTag(*this);
    }
}

void Converter::updateTextHandling()
{
    skippingText = (currentTag == "title" && !options.keepTitle) || (!currentTag.empty() && currentTag[0] == '-')
        || currentTag == "template" || currentTag == "style" || currentTag == "script" || currentTag == "noscript"
        || currentTag == "nav";
    textDropped = skippingText || currentTag == "link";
    tagKeepsLineWhole = currentTag == "img" || currentTag == "a";
}

// Entities are decoded where they stand, so that what they decode to is escaped
// like any other text. Entities the converter does not know stay as written.
void Converter::handleEntity()
{
    const size_t start = position - 1;
    for (const auto &entity : entities) {
        if (html.compare(start, entity.first.size(), entity.first) != 0)
            continue;
        position = start + entity.first.size();
        decodedAmpersand = entity.first == "&amp;";
        for (const char ch : entity.second)
            handleText(ch);
        decodedAmpersand = false;
        return;
    }
    handleText('&');
}

// Attribute values as the web engine writes them: a no-break space is kept
// as one, and the line feeds of an island's source may come as references.
std::string Converter::decodedAttributeValue(const std::string &text) const
{
    if (text.find('&') == std::string::npos)
        return text;
    static const std::pair<const char *, const char *> inAttributes[] = {
        {"&quot;", "\""}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}, {"&nbsp;", "\xC2\xA0"}, {"&#10;", "\n"}};
    std::string decoded;
    decoded.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        bool replaced = false;
        if (text[at] == '&') {
            for (const auto &entity : inAttributes) {
                const size_t length = std::char_traits<char>::length(entity.first);
                if (text.compare(at, length, entity.first) == 0) {
                    decoded += entity.second;
                    at += length;
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            decoded += text[at++];
    }
    return decoded;
}

void Converter::handleVerbatim(char ch)
{
    if (inInlineCode) {
        inlineCode += (ch == '\n' || ch == '\r') ? ' ' : ch;
        return;
    }
    if (inMath) {
        if (ch == '\n' && inTable)
            ch = ' ';
        put(ch);
        return;
    }
    // Inside a code block.
    if (fenceLineOpen) {
        fenceLineOpen = false;
        put('\n');
    }
    if (ch != '\r')
        put(ch);
}

void Converter::outputEditedAt(size_t from)
{
    wrapScanFloor = std::min(wrapScanFloor, from);
}

bool Converter::atLineStart() const
{
    return markdown.empty() || markdown.back() == '\n' || markdown.size() == blockStart;
}

char Converter::nextInputByte(size_t offset) const
{
    const size_t at = position + offset;
    return at < html.size() ? html[at] : '\0';
}

// Characters that would turn plain text into Markdown syntax get a backslash.
bool Converter::needsEscape(char ch) const
{
    switch (ch) {
    case '*':
    case '\\':
    case '`':
    case '~':
    case '$':
        return true;
    case '|':
        return inTable;
    case '_':
        return markdown.empty() || !isWordByte(markdown.back()) || !isWordByte(nextInputByte(0));
    case '[':
        // At a line start it could begin a link reference definition.
        return inAnchor || atLineStart();
    case ']':
        return inAnchor || nextInputByte(0) == '(';
    case '!':
        // Before a link it would make the link an image.
        return html.compare(position, 3, "<a ") == 0 || html.compare(position, 3, "<a>") == 0;
    case '&': {
        // "&copy;" typed as text must not become an entity in the Markdown.
        if (!decodedAmpersand)
            return false;
        size_t at = position;
        while (at < html.size() && at - position < 32 && (isWordByte(html[at]) || html[at] == '#'))
            ++at;
        return at > position && at < html.size() && html[at] == ';';
    }
    case '>':
        return atLineStart();
    case '<': {
        // Before a letter it could begin an autolink.
        const char next = nextInputByte(0);
        return (next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z');
    }
    case '#':
        // A heading ends at a run of "#" after a space.
        if (inHeading && !markdown.empty() && markdown.back() == ' ')
            return true;
        [[fallthrough]];
    case '=': {
        const char next = nextInputByte(0);
        return atLineStart() && (next == ch || isWhitespace(next) || next == '<' || next == '\0');
    }
    case '-':
    case '+': {
        const char next = nextInputByte(0);
        return atLineStart() && (next == ' ' || next == '-' || next == '\n' || next == '<' || next == '\0');
    }
    case '.':
    case ')':
        if (!lineStartsWithNumber)
            return false;
        {
            const char next = nextInputByte(0);
            return next == ' ' || next == '\n' || next == '<' || next == '\0';
        }
    default:
        return false;
    }
}

void Converter::handleText(char ch)
{
    if (inCode || inPre || inMath) {
        handleVerbatim(ch);
        return;
    }
    if (textDropped)
        return;
    if (ch == '\n' || ch == '\r') {
        // A source line break is white space between words.
        if (markdown.empty() || isWhitespace(markdown.back()))
            return;
        ch = ' ';
    }
    // White space that begins a line would indent it, even into a code block.
    if ((ch == ' ' || ch == '\t') && atLineStart())
        return;
    if (ch >= '0' && ch <= '9') {
        if (atLineStart())
            lineStartsWithNumber = true;
    } else if (ch != '.' && ch != ')') {
        lineStartsWithNumber = false;
    }
    if (needsEscape(ch))
        put('\\');
    put(ch);
    if (ch == '.' || ch == ')')
        lineStartsWithNumber = false;

    if (options.wrapLines && lineLength > static_cast<size_t>(options.softWrapColumn) && !inTable && !inList
        && !inHeading && !tagKeepsLineWhole) {
        if (ch == ' ')
            lineLength = 0;
        else if (lineLength > static_cast<size_t>(options.hardWrapColumn))
            wrapAtLastSpace();
    }
}

void Converter::appendMd(char ch)
{
    if (!skippingText)
        put(ch);
}

void Converter::appendMd(const std::string &text)
{
    if (!skippingText)
        put(text);
}

void Converter::appendIsland(const std::string &text)
{
    if (skippingText)
        return;
    appendMd(islandMarkerStart + std::to_string(islands.size()) + islandMarkerEnd);
    islands.push_back(text);
}

void Converter::put(char ch)
{
    if (ch == '\n') {
        markdown += '\n';
        lineLength = 0;
        return;
    }
    if (!containers.empty() && (markdown.empty() || markdown.back() == '\n'))
        writeLinePrefix(linePrefix());
    markdown += ch;
    ++lineLength;
}

void Converter::put(const std::string &text)
{
    for (const char ch : text)
        put(ch);
}

void Converter::ensureLinePrefix()
{
    if (!containers.empty() && (markdown.empty() || markdown.back() == '\n'))
        writeLinePrefix(linePrefix());
}

// Starts a line inside the open quotes and list items. Blank lines written
// since the innermost quote opened get its markers, so the quote goes on.
void Converter::writeLinePrefix(const std::string &prefix)
{
    if (!quoteOpenedAt.empty()) {
        size_t newlines = 0;
        while (newlines < markdown.size() && markdown[markdown.size() - 1 - newlines] == '\n')
            ++newlines;
        const size_t contentEnd = markdown.size() - newlines;
        if (newlines >= 2 && contentEnd >= quoteOpenedAt.back()) {
            std::string blank = prefix.substr(0, prefix.rfind('>') + 1);
            markdown.resize(contentEnd + 1);
            for (size_t line = 1; line < newlines; ++line)
                markdown += blank + '\n';
        }
    }
    markdown += prefix;
    lineLength = prefix.size();
}

void Converter::shortenMd(size_t count)
{
    if (markdown.size() >= count)
        markdown.resize(markdown.size() - count);
    lineLength = lineLength > count ? lineLength - count : 0;
    wrapScanFloor = std::min(wrapScanFloor, markdown.size());
    sampleLastChars();
}

namespace {

// Where the value of the opening tag's attribute `name` begins (at its
// quote), or npos when the tag has no such attribute written as name=value.
size_t attributeValueStart(const std::string &raw, const std::string &name)
{
    std::string lower(raw);
    std::transform(lower.begin(), lower.end(), lower.begin(), lowered);
    for (size_t at = lower.find(name); at != std::string::npos; at = lower.find(name, at + 1)) {
        if (at == 0 || !isWhitespace(lower[at - 1]))
            continue;
        size_t equals = at + name.size();
        while (equals < lower.size() && isWhitespace(lower[equals]))
            ++equals;
        if (equals >= lower.size() || lower[equals] != '=')
            continue;
        size_t open = equals + 1;
        while (open < raw.size() && isWhitespace(raw[open]))
            ++open;
        return open;
    }
    return std::string::npos;
}

}

bool Converter::hasAttribute(const std::string &name) const
{
    return position >= tagStart
        && attributeValueStart(html.substr(tagStart, position - tagStart), name) != std::string::npos;
}

// The value of attribute `name` of the tag being read, quoted with either
// kind of quote; unquoted values give the empty string.
std::string Converter::attribute(const std::string &name) const
{
    if (position < tagStart)
        return {};
    const std::string raw = html.substr(tagStart, position - tagStart);
    const size_t open = attributeValueStart(raw, name);
    if (open >= raw.size() || (raw[open] != '"' && raw[open] != '\''))
        return {};
    const size_t close = raw.find(raw[open], open + 1);
    if (close == std::string::npos)
        return {};
    return decodedAttributeValue(raw.substr(open + 1, close - open - 1));
}

// Breaks the current line at its last space. Bytes already scanned without
// finding a space are not scanned again, so long words cost linear time.
void Converter::wrapAtLastSpace()
{
    if (currentTag == "p")
        return;
    if (inTable && previousTag != "code" && previousTag != "pre")
        return;
    const size_t floor = std::max<size_t>(wrapScanFloor, 1);
    for (size_t at = markdown.size(); at-- > floor;) {
        const char ch = markdown[at];
        if (ch == '\n')
            break;
        if (ch == ' ') {
            if (!safeLineStart(at + 1))
                break;
            markdown[at] = '\n';
            lineLength = markdown.size() - at;
            wrapScanFloor = at + 1;
            return;
        }
    }
    wrapScanFloor = markdown.size();
}

// Whether a line may begin at `at` without the text turning into a block.
bool Converter::safeLineStart(size_t at) const
{
    if (at >= markdown.size())
        return false;
    const char ch = markdown[at];
    if (ch == '#' || ch == '-' || ch == '+' || ch == '>' || ch == '=' || ch == '|' || ch == '<')
        return false;
    size_t digits = at;
    while (digits < markdown.size() && markdown[digits] >= '0' && markdown[digits] <= '9')
        ++digits;
    return digits == at || digits >= markdown.size() || (markdown[digits] != '.' && markdown[digits] != ')');
}

std::string Converter::repeat(const std::string &text, size_t count)
{
    std::string result;
    result.reserve(text.size() * count);
    for (size_t i = 0; i < count; ++i)
        result += text;
    return result;
}

// Quote markers and list indentation, container by container. A list
// contributes the tabs to the text of its current item, unless `markerLine`
// is set: then the innermost list contributes nothing, its marker line is
// written by the item itself.
std::string Converter::linePrefix(bool markerLine) const
{
    std::string prefix;
    size_t pendingTabs = 0;
    size_t list = 0;
    const size_t innermostList = markerLine ? lists.size() - 1 : lists.size();
    for (const char container : containers) {
        if (container == 'q') {
            prefix.append(pendingTabs, '\t');
            pendingTabs = 0;
            prefix += "> ";
        } else if (list < lists.size()) {
            pendingTabs = list == innermostList ? 0 : (lists[list].contentColumn + 3) / 4;
            ++list;
        }
    }
    if (!markerLine)
        prefix.append(pendingTabs, '\t');
    return prefix;
}

bool Converter::innermostIsList() const
{
    return !containers.empty() && containers.back() == 'l';
}

void Converter::cleanUp()
{
    std::string tidy;
    tidy.reserve(markdown.size());
    std::string text;
    text.reserve(markdown.size());
    FenceTracker fences;
    int blankRun = 0;
    std::string previousLine;

    // The text repairs apply to prose only; code keeps every byte.
    const auto flushText = [&]() {
        if (text.empty())
            return;
        std::string decoded;
        decoded.swap(text);
        replaceAll(decoded, " , ", ", ");
        replaceAll(decoded, "\n.\n", ".\n");
        replaceAll(decoded, "\n\xE2\x86\xB5\n", " \xE2\x86\xB5\n");
        replaceAll(decoded, "\n*\n", "\n");
        replaceAll(decoded, "\n. ", ".\n");
        replaceAll(decoded, "\t\t  ", "\t\t");
        tidy += decoded;
    };

    size_t lineBegin = 0;
    while (lineBegin < markdown.size()) {
        size_t lineEnd = markdown.find('\n', lineBegin);
        if (lineEnd == std::string::npos)
            lineEnd = markdown.size();
        const std::string line = markdown.substr(lineBegin, lineEnd - lineBegin);
        lineBegin = lineEnd + 1;

        const bool wasInFence = fences.inFence();
        const bool fence = fences.takeLine(line);
        if (fence && !wasInFence)
            flushText();
        if (wasInFence || fence) {
            tidy += line;
            tidy += '\n';
            blankRun = 0;
            continue;
        }
        const std::string trimmed = trimLine(line);
        if (isQuoteMarkerLine(trimmed) && trimmed == previousLine)
            continue;
        previousLine = trimmed;
        if (!trimmed.empty()) {
            text += trimmed;
            text += '\n';
            blankRun = 0;
        } else if ((!tidy.empty() || !text.empty()) && blankRun < 2) {
            text += '\n';
            ++blankRun;
        }
    }
    flushText();
    // A document ends with one line feed; blank lines after its last line carry nothing.
    while (tidy.size() >= 2 && tidy[tidy.size() - 1] == '\n' && tidy[tidy.size() - 2] == '\n')
        tidy.pop_back();
    markdown.swap(tidy);
    putIslandsBack();
}

void Converter::putIslandsBack()
{
    if (islands.empty())
        return;
    std::string result;
    result.reserve(markdown.size());
    size_t from = 0;
    for (size_t at = markdown.find(islandMarkerStart); at != std::string::npos;
         at = markdown.find(islandMarkerStart, at + 1)) {
        const size_t digits = at + islandMarkerStart.size();
        const size_t end = markdown.find(islandMarkerEnd, digits);
        if (end == std::string::npos || end == digits || end - digits > 9
            || markdown.find_first_not_of("0123456789", digits) != end)
            continue;
        const size_t index = std::stoul(markdown.substr(digits, end - digits));
        if (index >= islands.size())
            continue;
        result.append(markdown, from, at - from);
        result += islands[index];
        from = end + islandMarkerEnd.size();
        at = from - 1;
    }
    result.append(markdown, from, std::string::npos);
    markdown.swap(result);
}

std::string toMarkdown(const std::string &html, bool *ok)
{
    Converter converter(html);
    std::string markdown = converter.convert();
    if (ok)
        *ok = converter.isBalanced();
    return markdown;
}

}
