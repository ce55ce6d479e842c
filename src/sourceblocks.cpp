#include "sourceblocks.h"

#include "htmlislands.h"
#include "markdownflags.h"

#include <md4c.h>

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {
constexpr size_t none = std::string::npos;

// The source positions md4c hands out for each top-level block: every text
// it reports points into the parsed buffer, and so does a code block's info
// string.
struct BlockScan {
    struct Block {
        size_t first = none; // first and one past the last byte reported
        size_t last = 0;
        char fence = 0;
        char container = 0; // 'l' for a list, 'q' for a quote
        std::vector<size_t> itemFirst; // of a container: the first byte reported in each of its blocks
    };
    const char *base = nullptr;
    size_t size = 0;
    int depth = 0;
    std::vector<Block> blocks;

    void note(const char *text, size_t length)
    {
        if (depth == 0 || blocks.empty() || length == 0 || text < base || text + length > base + size)
            return;
        const size_t at = static_cast<size_t>(text - base);
        Block &block = blocks.back();
        block.first = std::min(block.first, at);
        block.last = std::max(block.last, at + length);
        if (!block.itemFirst.empty())
            block.itemFirst.back() = std::min(block.itemFirst.back(), at);
    }
    void note(const MD_ATTRIBUTE &attribute) { note(attribute.text, attribute.size); }
};

int enterBlock(MD_BLOCKTYPE type, void *detail, void *userdata)
{
    auto *scan = static_cast<BlockScan *>(userdata);
    if (type == MD_BLOCK_DOC)
        return 0;
    if (++scan->depth == 1) {
        scan->blocks.emplace_back();
        scan->blocks.back().container = type == MD_BLOCK_UL || type == MD_BLOCK_OL ? 'l' : type == MD_BLOCK_QUOTE ? 'q' : 0;
    } else if (scan->depth == 2 && scan->blocks.back().container) {
        scan->blocks.back().itemFirst.push_back(none);
    }
    if (type == MD_BLOCK_CODE) {
        const auto *code = static_cast<const MD_BLOCK_CODE_DETAIL *>(detail);
        if (scan->depth == 1)
            scan->blocks.back().fence = code->fence_char;
        scan->note(code->info);
    }
    return 0;
}

int leaveBlock(MD_BLOCKTYPE type, void *, void *userdata)
{
    if (type != MD_BLOCK_DOC)
        --static_cast<BlockScan *>(userdata)->depth;
    return 0;
}


int text(MD_TEXTTYPE, const MD_CHAR *text, MD_SIZE size, void *userdata)
{
    static_cast<BlockScan *>(userdata)->note(text, size);
    return 0;
}

// Runs md4c over `markdown`, the scan noting the blocks and text it reports.
// From `from` on: what comes before it is not Markdown (front matter). Link
// and image addresses are not noted: a reference link's points into its
// definition, elsewhere in the document.
template <typename Scan>
bool scanned(const std::string &markdown, Scan &scan, BlockCallback enter, BlockCallback leave, TextCallback onText,
             size_t from = 0)
{
    scan.base = markdown.data();
    scan.size = markdown.size();
    return scanMarkdown(markdown, from, &scan, enter, leave, nullptr, nullptr, onText);
}

struct Lines {
    std::vector<size_t> starts;
    const std::string *text = nullptr;

    explicit Lines(const std::string &of) : text(&of)
    {
        starts.push_back(0);
        for (size_t at = of.find('\n'); at != none; at = of.find('\n', at + 1))
            starts.push_back(at + 1);
    }
    int count() const { return static_cast<int>(starts.size()); }
    size_t end(int line) const
    {
        return line + 1 < count() ? starts[static_cast<size_t>(line) + 1] - 1 : text->size();
    }
    std::string_view at(int line) const
    {
        const size_t begin = starts[static_cast<size_t>(line)];
        return std::string_view(*text).substr(begin, end(line) - begin);
    }
    int of(size_t offset) const
    {
        return static_cast<int>(std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin()) - 1;
    }
    bool blank(int line) const { return at(line).find_first_not_of(" \t\r") == std::string_view::npos; }
    // A link reference definition's first line: "[label]: destination".
    bool definition(int line) const
    {
        const std::string_view text = at(line);
        const size_t open = text.find_first_not_of(' ');
        if (open == std::string_view::npos || open > 3 || text[open] != '[')
            return false;
        const size_t close = text.find("]:", open);
        return close != std::string_view::npos && close > open + 1;
    }
};

// The length of the fence opening a code block on `line`, 0 if none.
size_t fenceLength(std::string_view line, char fence)
{
    const size_t start = line.find_first_not_of(' ');
    if (start == std::string_view::npos || start > 3)
        return 0;
    const size_t end = line.find_first_not_of(fence, start);
    return (end == std::string_view::npos ? line.size() : end) - start;
}

bool closesFence(std::string_view line, char fence, size_t length)
{
    const size_t run = fenceLength(line, fence);
    return run >= length && line.find_first_not_of(" \t\r", line.find_first_not_of(' ') + run) == std::string_view::npos;
}

// Where the tag name that starts at `from` ends.
size_t tagNameEnd(std::string_view html, size_t from)
{
    while (from < html.size() && (std::isalnum(static_cast<unsigned char>(html[from])) || html[from] == '-'))
        ++from;
    return from;
}

// The length of a list item's marker with the indentation before it and the
// spaces after it, 0 where the line does not start an item whose text follows
// on the same line within four columns.
size_t itemMarkerLength(std::string_view line)
{
    size_t at = line.find_first_not_of(' ');
    if (at == std::string_view::npos || at > 3)
        return 0;
    if (line[at] == '-' || line[at] == '+' || line[at] == '*') {
        ++at;
    } else {
        const size_t digits = at;
        while (at < line.size() && at - digits < 10 && std::isdigit(static_cast<unsigned char>(line[at])))
            ++at;
        if (at == digits || at - digits > 9 || at >= line.size() || (line[at] != '.' && line[at] != ')'))
            return 0;
        ++at;
    }
    const size_t text = line.find_first_not_of(' ', at);
    if (text == std::string_view::npos || text == at || text > 4 || line[text] == '\t' || line[text] == '\r')
        return 0;
    return text;
}

// The length of a quote's marker with the indentation before it and the space
// after it, 0 where the line is not quoted.
size_t quoteMarkerLength(std::string_view line)
{
    const size_t at = line.find_first_not_of(' ');
    if (at == std::string_view::npos || at > 3 || line[at] != '>')
        return 0;
    return at + 1 < line.size() && line[at + 1] == ' ' ? at + 2 : at + 1;
}

// HTML as read: a line break in text is a space, but not in preformatted text.
std::string collapsedSpaces(const std::string &html)
{
    std::string collapsed;
    collapsed.reserve(html.size());
    int preformatted = 0;
    for (size_t at = 0; at < html.size(); ++at) {
        const char c = html[at];
        if (c == '<') {
            if (html.compare(at, 4, "<pre") == 0)
                ++preformatted;
            else if (html.compare(at, 6, "</pre>") == 0)
                --preformatted;
        }
        const bool space = c == ' ' || c == '\n' || c == '\t' || c == '\r';
        if (!space || preformatted > 0)
            collapsed += c;
        else if (collapsed.empty() || collapsed.back() != ' ')
            collapsed += ' ';
    }
    return collapsed;
}

std::string trimmed(std::string text)
{
    const size_t end = text.find_last_not_of(" \t\r\n");
    text.erase(end == none ? 0 : end + 1);
    text.erase(0, std::min(text.size(), text.find_first_not_of("\r\n")));
    return text;
}

// The lines of each item of a list or quote, given the first byte md4c
// reported in each (none missing) and the container's last: from the item's
// first line to the last one with text before the next item's, the last item
// to the end of the container. Empty where items share a line (a carriage
// return alone ends a line for md4c, not here) or a first line has no marker.
struct ItemLines {
    int first;
    int last;
    size_t markerLength;
};

template <typename IsEmpty, typename MarkerLength>
std::vector<ItemLines> itemLines(const Lines &lines, const std::vector<size_t> &itemFirst, size_t containerLast,
                                 IsEmpty empty, MarkerLength markerLength)
{
    if (itemFirst.empty() || std::find(itemFirst.begin(), itemFirst.end(), none) != itemFirst.end())
        return {};
    int lastLine = lines.of(containerLast - 1);
    while (lastLine + 1 < lines.count() && !lines.blank(lastLine + 1))
        ++lastLine;
    std::vector<ItemLines> items;
    for (size_t item = 0; item < itemFirst.size(); ++item) {
        const int first = lines.of(itemFirst[item]);
        int last = item + 1 < itemFirst.size() ? lines.of(itemFirst[item + 1]) - 1 : lastLine;
        if (last < first || (!items.empty() && first <= items.back().last))
            return {};
        while (last > first && empty(last))
            --last;
        const size_t marker = markerLength(lines.at(first));
        if (marker == 0)
            return {};
        items.push_back({first, last, marker});
    }
    return items;
}

struct LineSegment {
    int first;
    int last;
    int firstBlock;
};
}

std::vector<std::pair<size_t, size_t>> SourceBlocks::topLevelElements(const std::string &html, std::string *marked)
{
    std::vector<std::pair<size_t, size_t>> elements;
    if (marked) {
        marked->clear();
        marked->reserve(html.size() + html.size() / 16);
    }
    size_t copied = 0;
    size_t elementStart = none;
    int depth = 0;
    for (size_t at = html.find('<'); at != none; at = html.find('<', at + 1)) {
        const bool closing = at + 1 < html.size() && html[at + 1] == '/';
        const size_t nameStart = at + (closing ? 2 : 1);
        const size_t nameEnd = tagNameEnd(html, nameStart);
        const size_t tagEnd = html.find('>', nameEnd);
        if (nameEnd == nameStart || tagEnd == none)
            continue;
        const std::string_view name(html.data() + nameStart, nameEnd - nameStart);
        if (closing) {
            if (--depth < 0)
                return {};
        } else {
            if (depth == 0) {
                elementStart = at;
                if (marked) {
                    marked->append(html, copied, nameEnd - copied);
                    *marked += " data-sb=\"";
                    *marked += std::to_string(elements.size());
                    *marked += '"';
                    copied = nameEnd;
                }
            }
            if (!HtmlIslands::isVoidElement(name) && html[tagEnd - 1] != '/')
                ++depth;
        }
        if (depth == 0 && elementStart != none) {
            elements.emplace_back(elementStart, tagEnd + 1);
            elementStart = none;
        }
        at = tagEnd;
    }
    if (depth != 0)
        return {};
    if (marked)
        marked->append(html, copied, none);
    return elements;
}

std::string_view SourceBlocks::elementName(std::string_view html)
{
    if (html.compare(0, 9, "<p><table") == 0)
        html.remove_prefix(3);
    if (html.empty() || html[0] != '<')
        return {};
    return html.substr(1, tagNameEnd(html, 1) - 1);
}

std::string SourceBlocks::take(std::string rendered)
{
    source.clear();
    parsed.clear();
    cuts.clear();
    containerItems.clear();
    definitions.clear();
    html = std::move(rendered);
    std::string marked;
    elements = topLevelElements(html, &marked);
    return elements.empty() ? html : marked;
}

std::string SourceBlocks::take(std::string markdown, std::string parsedText, std::string rendered)
{
    std::string marked = take(std::move(rendered));
    source = std::move(markdown);
    parsed = std::move(parsedText);
    return marked;
}

const std::vector<SourceBlocks::Segment> &SourceBlocks::segments()
{
    if (!parsed.empty())
        locate();
    return cuts;
}

void SourceBlocks::locate()
{
    cuts.clear();
    containerItems.clear();
    definitions.clear();
    const std::string parsed = std::move(this->parsed);
    this->parsed.clear();
    BlockScan scan;
    const size_t frontMatter = HtmlIslands::frontMatterLength(parsed);
    if (frontMatter > 0) {
        scan.blocks.emplace_back();
        scan.blocks.back().first = 0;
        scan.blocks.back().last = frontMatter;
    }
    if (!scanned(parsed, scan, enterBlock, leaveBlock, text, frontMatter))
        return;
    // An HTML block that holds the blocks up to the one closing its element
    // is one element of the page.
    for (const HtmlIslands::Island &island : HtmlIslands::find(parsed)) {
        if (!island.spansBlocks)
            continue;
        const auto inside = [&island](const BlockScan::Block &block) {
            return block.first != none && block.first >= island.begin && block.last <= island.end;
        };
        const auto first = std::find_if(scan.blocks.begin(), scan.blocks.end(), inside);
        auto last = first;
        for (auto block = first; block != scan.blocks.end() && (inside(*block) || block->first == none); ++block)
            if (inside(*block))
                last = block;
        if (first == scan.blocks.end())
            continue;
        first->last = last->last;
        scan.blocks.erase(std::next(first), std::next(last));
    }
    if (static_cast<int>(scan.blocks.size()) != blockCount() || scan.blocks.empty())
        return;

    const Lines lines(parsed);
    // Each block that reported text covers the run of non-blank lines around
    // it, and a fenced code block reaches its closing fence.
    std::vector<LineSegment> segments;
    for (size_t index = 0; index < scan.blocks.size(); ++index) {
        const BlockScan::Block &block = scan.blocks[index];
        if (block.first == none)
            continue;
        int first = lines.of(block.first);
        int last = lines.of(block.last - 1);
        const int previousLast = segments.empty() ? -1 : segments.back().last;
        if (first <= previousLast) {
            segments.back().last = std::max(previousLast, last);
            continue;
        }
        while (first - 1 > previousLast && !lines.blank(first - 1) && !lines.definition(first - 1))
            --first;
        const size_t fence = block.fence ? fenceLength(lines.at(first), block.fence) : 0;
        if (fence >= 3) {
            int closing = last + 1;
            while (closing < lines.count() && !closesFence(lines.at(closing), block.fence, fence))
                ++closing;
            last = std::min(closing, lines.count() - 1);
        }
        while (last + 1 < lines.count() && !lines.blank(last + 1))
            ++last;
        segments.push_back({first, last, static_cast<int>(index)});
    }
    // Blocks without text only (rules, empty headings): all in one segment.
    if (segments.empty()) {
        int first = 0;
        while (lines.blank(first))
            ++first;
        int last = lines.count() - 1;
        while (lines.blank(last))
            --last;
        segments.push_back({first, last, 0});
    }
    // Between two segments there may be blank lines and link reference
    // definitions only; anything else (a rule, an empty item) joins them.
    const auto onlyBlanksAndDefinitions = [&lines](int from, int to) {
        bool inDefinition = false;
        for (int line = from; line < to; ++line) {
            if (lines.blank(line))
                inDefinition = false;
            else if (lines.definition(line))
                inDefinition = true;
            else if (!inDefinition)
                return false;
        }
        return true;
    };
    std::vector<LineSegment> joined;
    for (const LineSegment &segment : segments) {
        if (!joined.empty() && !onlyBlanksAndDefinitions(joined.back().last + 1, segment.first))
            joined.back().last = segment.last;
        else
            joined.push_back(segment);
    }
    joined.front().firstBlock = 0;
    if (!onlyBlanksAndDefinitions(0, joined.front().first)) {
        int first = 0;
        while (lines.blank(first))
            ++first;
        joined.front().first = first;
    }
    if (!onlyBlanksAndDefinitions(joined.back().last + 1, lines.count())) {
        int last = lines.count() - 1;
        while (lines.blank(last))
            --last;
        joined.back().last = last;
    }

    // The parsed text is the source with empty lines added: line by line,
    // every other line is the source's own.
    const Lines sourceLines(source);
    std::vector<int> sourceLineOf(static_cast<size_t>(lines.count()), -1);
    int sourceLine = 0;
    for (int line = 0; line < lines.count(); ++line) {
        if (sourceLine < sourceLines.count() && lines.at(line) == sourceLines.at(sourceLine))
            sourceLineOf[static_cast<size_t>(line)] = sourceLine++;
        else if (!lines.at(line).empty())
            return;
    }
    if (sourceLine != sourceLines.count())
        return;

    for (const LineSegment &segment : joined) {
        const int first = sourceLineOf[static_cast<size_t>(segment.first)];
        const int last = sourceLineOf[static_cast<size_t>(segment.last)];
        if (first < 0 || last < 0)
            return;
        // Blocks that the added lines alone set apart stay together.
        bool apart = cuts.empty();
        for (int line = cuts.empty() ? first : sourceLines.of(cuts.back().end) + 1; !apart && line < first; ++line)
            apart = sourceLines.blank(line);
        if (!apart) {
            cuts.back().end = sourceLines.end(last);
            continue;
        }
        if (!cuts.empty())
            cuts.back().blockCount = segment.firstBlock - cuts.back().firstBlock;
        Segment cut;
        cut.begin = sourceLines.starts[static_cast<size_t>(first)];
        cut.end = sourceLines.end(last);
        cut.firstBlock = segment.firstBlock;
        cuts.push_back(cut);
    }
    cuts.back().blockCount = blockCount() - cuts.back().firstBlock;

    for (size_t index = 0; index <= cuts.size(); ++index) {
        const size_t from = index == 0 ? 0 : cuts[index - 1].end;
        const size_t to = index < cuts.size() ? cuts[index].begin : source.size();
        for (int line = sourceLines.of(from); line < sourceLines.count() && sourceLines.starts[static_cast<size_t>(line)] < to; ++line) {
            if (sourceLines.starts[static_cast<size_t>(line)] >= from && !sourceLines.blank(line)) {
                definitions.append(sourceLines.at(line));
                definitions += '\n';
            }
        }
    }

    // Each item of a list runs from its marker's line to the last line with
    // text before the next item's marker, the last one to the end of the
    // list; each block in a quote likewise.
    for (size_t index = 0; index < scan.blocks.size(); ++index) {
        const BlockScan::Block &block = scan.blocks[index];
        const bool quote = block.container == 'q';
        const auto empty = [&lines, quote](int line) {
            return lines.blank(line)
                || (quote && lines.at(line).substr(quoteMarkerLength(lines.at(line))).find_first_not_of(" \t\r") == none);
        };
        if (!block.container || block.first == none)
            continue;
        const auto items = itemLines(lines, block.itemFirst, block.last, empty, [quote](std::string_view line) {
            return quote ? quoteMarkerLength(line) : itemMarkerLength(line);
        });
        std::vector<ItemRange> ranges;
        for (const ItemLines &item : items) {
            const int sourceFirst = sourceLineOf[static_cast<size_t>(item.first)];
            const int sourceLast = sourceLineOf[static_cast<size_t>(item.last)];
            if (sourceFirst < 0 || sourceLast < sourceFirst
                || (!ranges.empty() && sourceLines.starts[static_cast<size_t>(sourceFirst)] <= ranges.back().end))
                break;
            ranges.push_back({sourceLines.starts[static_cast<size_t>(sourceFirst)], sourceLines.end(sourceLast),
                              item.markerLength});
        }
        if (!items.empty() && ranges.size() == items.size())
            containerItems.emplace_back(static_cast<int>(index), std::move(ranges));
    }
}

std::string SourceBlocks::markedElements(int first, int count) const
{
    std::string marked;
    for (int index = first; index < first + count; ++index) {
        const std::string_view element = elementHtml(index);
        const size_t nameEnd = tagNameEnd(element, 1);
        marked.append(element.substr(0, nameEnd));
        marked += " data-sb=\"" + std::to_string(index) + "\"";
        marked.append(element.substr(nameEnd));
        marked += '\n';
    }
    return marked;
}

std::string SourceBlocks::originalHtml(int first, int count) const
{
    std::string html;
    for (int index = first; index < first + count; ++index) {
        const std::pair<size_t, size_t> &element = elements[static_cast<size_t>(index)];
        // The converter reads a table inside a paragraph, as the page gives it.
        const bool table = this->html.compare(element.first, 6, "<table") == 0;
        if (table)
            html += "<p>";
        html.append(this->html, element.first, element.second - element.first);
        if (table)
            html += "</p>";
    }
    return html;
}

// The container's text with its touched items converted, and the rest as it was.
bool SourceBlocks::respellContainer(const PagePart &container, const std::vector<ItemRange> &ranges,
                                    const Convert &convert, std::string &text) const
{
    const std::string_view containerHtml = elementHtml(container.block);
    ItemSource from;
    from.text = source;
    from.ranges = &ranges;
    from.quote = containerHtml.compare(0, 11, "<blockquote") == 0;
    from.ordered = containerHtml.compare(0, 3, "<ol") == 0;
    const size_t startTagEnd = containerHtml.find('>') + 1;
    if (!from.quote) {
        from.startTag = std::string(containerHtml.substr(0, startTagEnd));
        from.endTag = from.ordered ? "</ol>" : "</ul>";
    }
    from.inner = std::string(containerHtml.substr(startTagEnd, containerHtml.rfind("</") - startTagEnd));
    from.originalItems = topLevelElements(from.inner, nullptr);
    return respellItems(container.items, from, convert, text);
}

// The items in page order, each untouched one as its text, the others
// converted, each under the marker it had (a new one under its
// predecessor's); a list item changed inside its nested lists only keeps its
// own lines. A list's item is converted as a list of one, a quote's block alone.
bool SourceBlocks::respellItems(const std::vector<ItemPart> &items, const ItemSource &from, const Convert &convert,
                                std::string &text)
{
    const std::vector<ItemRange> &ranges = *from.ranges;
    const auto wrapped = [&](const std::string &html) {
        // The converter reads a table inside a paragraph, as the page gives it.
        return html.compare(0, 6, "<table") == 0 ? "<p>" + html + "</p>" : from.startTag + html + from.endTag;
    };
    const auto quoted = [&](std::string_view converted, std::string_view prefix) {
        std::string lines;
        for (size_t start = 0; start <= converted.size();) {
            const size_t end = std::min(converted.find('\n', start), converted.size());
            const std::string_view line = converted.substr(start, end - start);
            if (start > 0)
                lines += '\n';
            lines += line.empty() ? prefix.substr(0, prefix.find_last_not_of(' ') + 1) : prefix;
            lines.append(line);
            start = end + 1;
        }
        return lines;
    };
    const auto original = [&](int item) {
        const auto &element = from.originalItems[static_cast<size_t>(item)];
        return from.inner.substr(element.first, element.second - element.first);
    };

    text.clear();
    int previous = -1; // the last item of the source written
    for (const ItemPart &item : items) {
        if (item.item >= static_cast<int>(ranges.size()) || (item.item >= 0 && item.item <= previous)
            || (item.item < 0 && from.ordered))
            return false;
        const ItemRange &own = ranges[static_cast<size_t>(item.item >= 0 ? item.item : std::max(previous, 0))];
        const std::string_view prefix = from.text.substr(own.begin, own.markerLength);
        const std::string_view ownText = from.text.substr(own.begin, own.end - own.begin);
        if (!text.empty()) {
            const int before = std::min(std::max(previous, 0), static_cast<int>(ranges.size()) - 2);
            if (before >= 0)
                text.append(from.text.substr(ranges[before].end, ranges[before + 1].begin - ranges[before].end));
            else
                text += from.quote ? "\n" + quoted("", prefix) + "\n" : "\n";
        }
        std::string nested;
        if (item.item >= 0 && !item.touched) {
            text.append(ownText);
        } else if (item.item >= 0 && item.nestedOnly && !from.quote
                   && respellNestedLists(ownText, item.lists, convert, nested)) {
            text += nested;
        } else {
            const std::string converted = trimmed(convert(wrapped(item.html)));
            if (item.item >= 0 && from.originalItems.size() == ranges.size()
                && converted == trimmed(convert(wrapped(original(item.item))))) {
                text.append(ownText);
            } else if (from.quote) {
                text += quoted(converted, prefix);
            } else {
                const size_t marker = itemMarkerLength(std::string_view(converted).substr(0, converted.find('\n')));
                if (marker == 0)
                    return false;
                text.append(prefix);
                text.append(converted, marker, none);
            }
        }
        if (item.item >= 0)
            previous = item.item;
    }
    return !text.empty();
}

// The lists nested in one list item, read from the item's own text: the
// first byte of each of their items, and where each list ends.
namespace {
struct NestedScan {
    struct List {
        bool ordered = false;
        size_t last = 0;
        std::vector<size_t> itemFirst;
    };
    const char *base = nullptr;
    size_t size = 0;
    int depth = 0;
    int topItems = 0;
    int topBlocks = 0;
    bool listOpen = false;
    std::vector<List> lists;
};

int enterNested(MD_BLOCKTYPE type, void *, void *userdata)
{
    auto *scan = static_cast<NestedScan *>(userdata);
    if (type == MD_BLOCK_DOC)
        return 0;
    ++scan->depth;
    if (scan->depth == 1)
        ++scan->topBlocks;
    else if (scan->depth == 2)
        ++scan->topItems;
    else if (scan->depth == 3 && (type == MD_BLOCK_UL || type == MD_BLOCK_OL)) {
        scan->lists.emplace_back();
        scan->lists.back().ordered = type == MD_BLOCK_OL;
        scan->listOpen = true;
    } else if (scan->depth == 4 && scan->listOpen && type == MD_BLOCK_LI) {
        scan->lists.back().itemFirst.push_back(none);
    }
    return 0;
}

int leaveNested(MD_BLOCKTYPE type, void *, void *userdata)
{
    auto *scan = static_cast<NestedScan *>(userdata);
    if (type == MD_BLOCK_DOC)
        return 0;
    if (scan->depth == 3)
        scan->listOpen = false;
    --scan->depth;
    return 0;
}

int nestedText(MD_TEXTTYPE, const MD_CHAR *text, MD_SIZE size, void *userdata)
{
    auto *scan = static_cast<NestedScan *>(userdata);
    if (!scan->listOpen || scan->depth < 4 || size == 0 || text < scan->base || text + size > scan->base + scan->size)
        return 0;
    const size_t at = static_cast<size_t>(text - scan->base);
    NestedScan::List &list = scan->lists.back();
    list.last = std::max(list.last, at + size);
    if (!list.itemFirst.empty())
        list.itemFirst.back() = std::min(list.itemFirst.back(), at);
    return 0;
}
}

bool SourceBlocks::respellNestedLists(std::string_view item, const std::vector<ListPart> &lists, const Convert &convert,
                                      std::string &text)
{
    // An item of a nested list is read without its indentation, which every
    // line has but empty ones.
    const size_t indent = std::min(item.size(), item.find_first_not_of(' '));
    std::string itemText;
    for (size_t start = 0; start <= item.size();) {
        const size_t end = std::min(item.find('\n', start), item.size());
        const std::string_view line = item.substr(start, end - start);
        if (start > 0)
            itemText += '\n';
        if (!line.empty()) {
            const size_t firstText = line.find_first_not_of(' ');
            if (line.size() <= indent || (firstText != none && firstText < indent))
                return false;
            itemText.append(line.substr(indent));
        }
        start = end + 1;
    }
    NestedScan scan;
    if (!scanned(itemText, scan, enterNested, leaveNested, nestedText) || scan.topBlocks != 1 || scan.topItems != 1
        || scan.lists.size() != lists.size())
        return false;

    const Lines lines(itemText);
    text = itemText;
    for (size_t index = lists.size(); index-- > 0;) {
        const NestedScan::List &list = scan.lists[index];
        const auto items = itemLines(
            lines, list.itemFirst, list.last, [&lines](int line) { return lines.blank(line); },
            [](std::string_view line) {
                const size_t indent = std::min(line.size(), line.find_first_not_of(' '));
                const size_t marker = itemMarkerLength(line.substr(indent));
                return marker == 0 ? 0 : indent + marker;
            });
        if (!lists[index].known || items.empty())
            return false;
        std::vector<ItemRange> ranges;
        for (const ItemLines &item : items)
            ranges.push_back({lines.starts[static_cast<size_t>(item.first)], lines.end(item.last), item.markerLength});
        ItemSource from;
        from.text = itemText;
        from.ranges = &ranges;
        from.ordered = list.ordered;
        from.startTag = list.ordered ? "<ol>" : "<ul>";
        from.endTag = list.ordered ? "</ol>" : "</ul>";
        std::string listText;
        if (!respellItems(lists[index].items, from, convert, listText))
            return false;
        text.replace(ranges.front().begin, ranges.back().end - ranges.front().begin, listText);
    }
    if (indent > 0) {
        std::string indented;
        for (size_t start = 0; start <= text.size();) {
            const size_t end = std::min(text.find('\n', start), text.size());
            if (start > 0)
                indented += '\n';
            if (end > start)
                indented.append(indent, ' ');
            indented.append(text, start, end - start);
            start = end + 1;
        }
        text = std::move(indented);
    }
    return true;
}

// The segment's source with the touched items of each list or quote respelled, when every
// other block in it is as it was and the result reads as the page shows it.
bool SourceBlocks::respellSegment(const Segment &cut, const PagePart *members, const std::string &pageMarkdown,
                                  const Convert &convert, std::string &text) const
{
    text = source.substr(cut.begin, cut.end - cut.begin);
    for (int offset = cut.blockCount - 1; offset >= 0; --offset) {
        const PagePart &member = members[offset];
        if (!member.touched)
            continue;
        const auto items = std::find_if(containerItems.begin(), containerItems.end(),
                                        [&member](const auto &container) { return container.first == member.block; });
        std::string containerText;
        if (!member.items.empty() && items != containerItems.end()
            && respellContainer(member, items->second, convert, containerText)) {
            const size_t begin = items->second.front().begin - cut.begin;
            text.replace(begin, items->second.back().end - cut.begin - begin, containerText);
        } else if (convert(member.html) != convert(originalHtml(member.block, 1))) {
            return false;
        }
    }
    return collapsedSpaces(renderedMarkdown(text + "\n\n" + definitions))
        == collapsedSpaces(renderedMarkdown(pageMarkdown + "\n\n" + definitions));
}

std::string SourceBlocks::assemble(const std::vector<PagePart> &parts, const Convert &convert, bool *known)
{
    if (known) {
        std::vector<bool> seen(static_cast<size_t>(blockCount()), false);
        *known = std::all_of(parts.begin(), parts.end(), [&](const PagePart &part) {
            if (part.block < 0)
                return true;
            if (part.block >= blockCount() || seen[static_cast<size_t>(part.block)])
                return false;
            seen[static_cast<size_t>(part.block)] = true;
            return true;
        });
        if (!*known)
            return {};
    }
    segments();
    std::vector<int> segmentOf(static_cast<size_t>(blockCount()), -1);
    for (size_t index = 0; index < cuts.size(); ++index)
        for (int block = cuts[index].firstBlock; block < cuts[index].firstBlock + cuts[index].blockCount; ++block)
            segmentOf[static_cast<size_t>(block)] = static_cast<int>(index);

    std::string markdown;
    markdown.reserve(source.size() + source.size() / 16);
    // A source without blocks (nothing but link reference definitions) stays
    // before whatever was typed.
    if (blockCount() == 0 && !source.empty())
        markdown = source;
    bool started = !markdown.empty();
    // The text before segment i (blank lines, link reference definitions) is
    // written once, before the segment or before what took its place.
    std::vector<bool> gapWritten(cuts.size(), false);
    const auto writeGapBefore = [&](size_t segment) {
        if (segment >= cuts.size() || gapWritten[segment]) {
            markdown += "\n\n";
            return;
        }
        gapWritten[segment] = true;
        const size_t from = segment == 0 ? 0 : cuts[segment - 1].end;
        if (segment == 0 && started)
            markdown += "\n\n";
        markdown.append(source, from, cuts[segment].begin - from);
    };
    int previousIntact = -1;
    std::string respelled; // an intact segment's text with some list items converted
    std::string pendingHtml; // parts converted together
    const auto flushConverted = [&]() {
        if (pendingHtml.empty())
            return;
        const std::string converted = trimmed(convert(pendingHtml));
        pendingHtml.clear();
        if (converted.empty())
            return;
        if (!started && !cuts.empty())
            writeGapBefore(0);
        else if (started)
            writeGapBefore(previousIntact >= 0 ? static_cast<size_t>(previousIntact) + 1 : cuts.size());
        markdown += converted;
        started = true;
        previousIntact = -1;
    };

    for (size_t at = 0; at < parts.size();) {
        const PagePart &part = parts[at];
        const bool known = part.block >= 0 && part.block < blockCount();
        const int segment = known ? segmentOf[static_cast<size_t>(part.block)] : -1;
        size_t length = 0;
        respelled.clear();
        if (segment >= 0 && part.block == cuts[static_cast<size_t>(segment)].firstBlock) {
            const Segment &cut = cuts[static_cast<size_t>(segment)];
            length = static_cast<size_t>(cut.blockCount);
            bool touched = false;
            std::string pageHtml;
            for (size_t offset = 0; length && offset < length; ++offset) {
                const PagePart *member = at + offset < parts.size() ? &parts[at + offset] : nullptr;
                if (!member || member->block != cut.firstBlock + static_cast<int>(offset)) {
                    length = 0;
                } else {
                    touched = touched || member->touched;
                    pageHtml += member->touched ? member->html : originalHtml(member->block, 1);
                }
            }
            // An edit undone, or a change that leaves the Markdown as it was;
            // else a change inside some items of a list.
            if (length && touched) {
                const std::string pageMarkdown = convert(pageHtml);
                if (pageMarkdown != convert(originalHtml(cut.firstBlock, cut.blockCount))
                    && !respellSegment(cut, &parts[at], pageMarkdown, convert, respelled))
                    length = 0;
            }
        }
        if (length == 0) {
            pendingHtml += known && !part.touched ? originalHtml(part.block, 1) : part.html;
            ++at;
            continue;
        }
        flushConverted();
        writeGapBefore(static_cast<size_t>(segment));
        const Segment &cut = cuts[static_cast<size_t>(segment)];
        if (respelled.empty())
            markdown.append(source, cut.begin, cut.end - cut.begin);
        else
            markdown += respelled;
        started = true;
        previousIntact = segment;
        at += length;
    }
    flushConverted();
    if (!cuts.empty())
        markdown.append(source, cuts.back().end, none);
    else if (!markdown.empty() && markdown.back() != '\n')
        markdown += '\n';
    return markdown;
}
