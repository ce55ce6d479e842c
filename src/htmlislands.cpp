#include "htmlislands.h"

#include "markdownflags.h"

#include <md4c.h>

#include <algorithm>
#include <cctype>

namespace {
constexpr size_t none = std::string::npos;

// What one piece of raw HTML does to the elements open around it.
struct Tag {
    enum Kind { Open, Close, Whole } kind = Whole;
    std::string name;
};

Tag readTag(std::string_view raw)
{
    Tag tag;
    if (raw.size() < 2 || raw[0] != '<' || raw[1] == '!' || raw[1] == '?')
        return tag;
    const bool closing = raw[1] == '/';
    size_t at = closing ? 2 : 1;
    while (at < raw.size() && (std::isalnum(static_cast<unsigned char>(raw[at])) || raw[at] == '-'))
        tag.name += static_cast<char>(std::tolower(static_cast<unsigned char>(raw[at++])));
    if (tag.name.empty())
        return tag;
    const size_t last = raw.find_last_not_of(" \t\r\n>");
    const bool selfClosing = last != std::string_view::npos && raw[last] == '/';
    if (closing)
        tag.kind = Tag::Close;
    else if (!HtmlIslands::isVoidElement(tag.name) && !selfClosing)
        tag.kind = Tag::Open;
    return tag;
}

// Applies the tags in `html` to the stack of open elements.
void followTags(std::string_view html, std::vector<std::string> &open)
{
    for (size_t at = html.find('<'); at != none; at = html.find('<', at + 1)) {
        if (html.compare(at, 4, "<!--") == 0) {
            const size_t close = html.find("-->", at + 4);
            if (close == none)
                return;
            at = close;
            continue;
        }
        const size_t end = html.find('>', at);
        if (end == none)
            return;
        const Tag tag = readTag(html.substr(at, end - at + 1));
        if (tag.kind == Tag::Open) {
            open.push_back(tag.name);
        } else if (tag.kind == Tag::Close) {
            const auto match = std::find(open.rbegin(), open.rend(), tag.name);
            if (match != open.rend())
                open.erase(std::next(match).base(), open.end());
        }
        at = end;
    }
}

std::string attributeEscaped(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size() + text.size() / 8);
    for (const char ch : text) {
        switch (ch) {
        case '&': escaped += "&amp;"; break;
        case '"': escaped += "&quot;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '\n': escaped += "&#10;"; break;
        default: escaped += ch;
        }
    }
    return escaped;
}

// Raw HTML that is written into an attribute (an image's description) is
// escaped there, never made an island.
struct Range {
    size_t begin = 0;
    size_t end = 0;
    int island = -1; // index into the islands, -1 for raw HTML to escape
};

struct Scan {
    const char *base = nullptr;
    size_t size = 0;
    std::vector<HtmlIslands::Island> islands;
    std::vector<Range> escaped;

    struct Token {
        size_t begin = 0;
        size_t end = 0;
        int spanDepth = 0;
        int lowestSinceLast = 0; // the lowest span depth since the token before
    };
    // One block's inline content, or one HTML block.
    struct Context {
        bool html = false;
        std::vector<Token> tokens;
        std::string source;
        size_t begin = none;
        size_t end = 0;
        int spanDepth = 0;
        int lowest = 0;
        int images = 0;
    };
    std::vector<Context> contexts;

    // Top-level blocks, for HTML blocks that hold the blocks after them.
    struct TopBlock {
        size_t first = none;
        size_t last = 0;
        int island = -1;
    };
    std::vector<TopBlock> top;

    bool inSource(const char *text, size_t length) const { return text >= base && text + length <= base + size; }

    void noteTop(size_t at, size_t length)
    {
        if (contexts.empty() || top.empty())
            return;
        top.back().first = std::min(top.back().first, at);
        top.back().last = std::max(top.back().last, at + length);
    }

    // The source of an inline island: its bytes, less the markers and
    // indentation md4c skipped at the start of each continuation line.
    std::string inlineSource(size_t begin, size_t end) const
    {
        std::string source;
        for (size_t at = begin; at < end;) {
            const size_t newline = std::string_view(base + at, end - at).find('\n');
            if (newline == std::string_view::npos) {
                source.append(base + at, end - at);
                break;
            }
            source.append(base + at, newline + 1);
            at += newline + 1;
            while (at < end && (base[at] == ' ' || base[at] == '\t' || base[at] == '>'))
                ++at;
        }
        return source;
    }

    void addInline(const Token &first, const Token &last)
    {
        HtmlIslands::Island island;
        island.begin = first.begin;
        island.end = last.end;
        island.source = inlineSource(island.begin, island.end);
        islands.push_back(std::move(island));
    }

    // Pairs each opening tag with its closing tag in the same span; each
    // outermost pair is one island, and so is every tag left alone.
    void closeInline(const Context &context)
    {
        const std::vector<Token> &tokens = context.tokens;
        std::vector<int> partner(tokens.size(), -1);
        std::vector<std::pair<std::string, size_t>> open;
        for (size_t index = 0; index < tokens.size(); ++index) {
            const Tag tag = readTag(std::string_view(base + tokens[index].begin, tokens[index].end - tokens[index].begin));
            if (tag.kind == Tag::Open) {
                open.emplace_back(tag.name, index);
            } else if (tag.kind == Tag::Close) {
                auto match = std::find_if(open.rbegin(), open.rend(), [&tag](const auto &entry) { return entry.first == tag.name; });
                if (match == open.rend())
                    continue;
                const size_t opening = match->second;
                open.erase(std::next(match).base(), open.end());
                bool sameSpan = tokens[opening].spanDepth == tokens[index].spanDepth;
                for (size_t between = opening + 1; sameSpan && between <= index; ++between)
                    sameSpan = tokens[between].lowestSinceLast >= tokens[opening].spanDepth;
                if (sameSpan)
                    partner[opening] = static_cast<int>(index);
            }
        }
        for (size_t index = 0; index < tokens.size(); ++index) {
            const size_t last = partner[index] >= 0 ? static_cast<size_t>(partner[index]) : index;
            addInline(tokens[index], tokens[last]);
            index = last;
        }
    }

    void enter(MD_BLOCKTYPE type)
    {
        if (type == MD_BLOCK_DOC)
            return;
        if (contexts.empty())
            top.emplace_back();
        contexts.emplace_back();
        contexts.back().html = type == MD_BLOCK_HTML;
    }

    void leave(MD_BLOCKTYPE type)
    {
        if (type == MD_BLOCK_DOC || contexts.empty())
            return;
        Context &context = contexts.back();
        if (context.html && context.begin != none) {
            HtmlIslands::Island island;
            island.begin = context.begin;
            island.end = context.end;
            island.kind = HtmlIslands::Kind::Block;
            island.source = std::move(context.source);
            if (contexts.size() == 1)
                top.back().island = static_cast<int>(islands.size());
            islands.push_back(std::move(island));
        } else if (!context.tokens.empty()) {
            closeInline(context);
        }
        contexts.pop_back();
    }

    void span(MD_SPANTYPE type, bool entering)
    {
        if (contexts.empty())
            return;
        Context &context = contexts.back();
        if (type == MD_SPAN_IMG)
            context.images += entering ? 1 : -1;
        context.spanDepth += entering ? 1 : -1;
        context.lowest = std::min(context.lowest, context.spanDepth);
    }

    void text(MD_TEXTTYPE type, const MD_CHAR *text, MD_SIZE length)
    {
        if (contexts.empty())
            return;
        Context &context = contexts.back();
        if (!context.html && type != MD_TEXT_HTML)
            return;
        const bool fromSource = inSource(text, length) && length > 0;
        const size_t at = fromSource ? static_cast<size_t>(text - base) : 0;
        if (context.html) {
            context.source.append(text, length);
            if (fromSource) {
                noteTop(at, length);
                context.begin = std::min(context.begin, at);
                context.end = std::max(context.end, at + length);
            }
            return;
        }
        if (!fromSource)
            return;
        if (context.images > 0) {
            escaped.push_back({at, at + length, -1});
            return;
        }
        // A tag broken over lines comes in one piece per line, with only the
        // line break and indentation between.
        if (!context.tokens.empty() && base[context.tokens.back().end - 1] != '>'
            && std::string_view(base + context.tokens.back().end, at - context.tokens.back().end)
                       .find_first_not_of(" \t\r\n>")
                == std::string_view::npos) {
            context.tokens.back().end = at + length;
            return;
        }
        Token token;
        token.begin = at;
        token.end = at + length;
        token.spanDepth = context.spanDepth;
        token.lowestSinceLast = context.lowest;
        context.lowest = context.spanDepth;
        context.tokens.push_back(token);
    }

    // A top-level HTML block that leaves elements open holds the blocks up to
    // the HTML block that closes them; looked for over a bounded distance,
    // so a document of unclosed blocks stays linear.
    void joinSpanningBlocks(std::string_view markdown)
    {
        constexpr size_t reach = 200;
        std::vector<bool> dropped(islands.size(), false);
        std::vector<HtmlIslands::Island> joined;
        for (size_t index = 0; index < top.size(); ++index) {
            if (top[index].island < 0)
                continue;
            std::vector<std::string> open;
            followTags(islands[static_cast<size_t>(top[index].island)].source, open);
            if (open.empty())
                continue;
            size_t closing = index + 1;
            for (; closing < top.size() && closing <= index + reach; ++closing) {
                if (top[closing].island < 0)
                    continue;
                followTags(islands[static_cast<size_t>(top[closing].island)].source, open);
                if (open.empty())
                    break;
            }
            if (!open.empty() || closing >= top.size() || closing > index + reach)
                continue;
            HtmlIslands::Island island;
            island.begin = top[index].first;
            island.end = top[closing].last;
            island.kind = HtmlIslands::Kind::Block;
            island.spansBlocks = true;
            const size_t lineStart = markdown.rfind('\n', island.begin);
            const size_t sourceBegin = lineStart == none ? 0 : lineStart + 1;
            island.source = std::string(markdown.substr(sourceBegin, island.end - sourceBegin));
            if (island.source.back() != '\n')
                island.source += '\n';
            for (size_t other = 0; other < islands.size(); ++other)
                dropped[other] = dropped[other]
                    || (islands[other].begin >= top[index].first && islands[other].end <= island.end);
            joined.push_back(std::move(island));
            index = closing;
        }
        if (joined.empty())
            return;
        for (size_t index = 0; index < islands.size(); ++index)
            if (!dropped[index])
                joined.push_back(std::move(islands[index]));
        islands = std::move(joined);
    }
};

int enterBlock(MD_BLOCKTYPE type, void *, void *userdata)
{
    static_cast<Scan *>(userdata)->enter(type);
    return 0;
}

int leaveBlock(MD_BLOCKTYPE type, void *, void *userdata)
{
    static_cast<Scan *>(userdata)->leave(type);
    return 0;
}

int enterSpan(MD_SPANTYPE type, void *, void *userdata)
{
    static_cast<Scan *>(userdata)->span(type, true);
    return 0;
}

int leaveSpan(MD_SPANTYPE type, void *, void *userdata)
{
    static_cast<Scan *>(userdata)->span(type, false);
    return 0;
}

int onText(MD_TEXTTYPE type, const MD_CHAR *text, MD_SIZE size, void *userdata)
{
    static_cast<Scan *>(userdata)->text(type, text, size);
    return 0;
}

Scan scanned(const std::string &markdown)
{
    Scan scan;
    scan.base = markdown.data();
    scan.size = markdown.size();
    const size_t frontMatter = HtmlIslands::frontMatterLength(markdown);
    if (frontMatter > 0) {
        HtmlIslands::Island island;
        island.end = frontMatter;
        island.kind = HtmlIslands::Kind::FrontMatter;
        island.source = markdown.substr(0, frontMatter);
        scan.islands.push_back(std::move(island));
    }
    // Raw HTML starts with "<" and a letter, "/", "!" or "?": without one
    // there is none to find.
    bool mayHoldHtml = false;
    for (size_t at = markdown.find('<', frontMatter); at != none && !mayHoldHtml; at = markdown.find('<', at + 1)) {
        const unsigned char next = at + 1 < markdown.size() ? static_cast<unsigned char>(markdown[at + 1]) : 0;
        mayHoldHtml = std::isalpha(next) || next == '/' || next == '!' || next == '?';
    }
    if (!mayHoldHtml)
        return scan;
    scanMarkdown(markdown, frontMatter, &scan, enterBlock, leaveBlock, enterSpan, leaveSpan, onText);
    scan.joinSpanningBlocks(markdown);
    std::sort(scan.islands.begin(), scan.islands.end(),
              [](const HtmlIslands::Island &a, const HtmlIslands::Island &b) { return a.begin < b.begin; });
    return scan;
}

const char *kindName(HtmlIslands::Kind kind)
{
    switch (kind) {
    case HtmlIslands::Kind::Inline: return "inline";
    case HtmlIslands::Kind::Block: return "block";
    case HtmlIslands::Kind::FrontMatter: return "front-matter";
    }
    return "inline";
}

// md4c writes the indentation of a code line as spaces of its own, also where
// the source has tabs: a code block edited in the Visual Editor would come
// back with its tabs turned into spaces. Where those spaces stand for whole
// characters of the source's indentation, the characters are written instead;
// a tab only partly inside the code stays spaces, as CommonMark has it.
class CodeIndentation
{
public:
    using Sink = void (*)(const MD_CHAR *, MD_SIZE, void *);
    CodeIndentation(std::string_view source, Sink sink, void *sinkData) : source(source), sink(sink), sinkData(sinkData) {}

    static void take(const MD_CHAR *text, MD_SIZE length, void *data)
    {
        static_cast<CodeIndentation *>(data)->write(text, length);
    }

    // What is still held back goes out as written.
    void finish()
    {
        pass(spaces);
        for (const std::string &escape : escapes)
            pass(escape);
        spaces.clear();
        escapes.clear();
    }

private:
    void write(const MD_CHAR *text, MD_SIZE length)
    {
        const std::string_view chunk(text, length);
        const bool fromSource = text >= source.data() && text + length <= source.data() + source.size();
        if (!fromSource && length > 0 && escapes.empty() && chunk.find_first_not_of(' ') == std::string_view::npos) {
            spaces.append(chunk);
            return;
        }
        if (spaces.empty()) {
            pass(chunk);
            return;
        }
        // A line's first characters may be escaped: each entity is one character of the source.
        if (!fromSource && escapedCharacter(chunk) != 0) {
            escapes.emplace_back(chunk);
            return;
        }
        if (fromSource)
            restore(static_cast<size_t>(text - source.data()));
        finish();
        pass(chunk);
    }

    // The code line's text begins at `textAt` in the source, after what was escaped.
    void restore(size_t textAt)
    {
        if (textAt < escapes.size())
            return;
        const size_t lineText = textAt - escapes.size();
        for (size_t index = 0; index < escapes.size(); ++index)
            if (escapedCharacter(escapes[index]) != source[lineText + index])
                return;
        const size_t lineStart = source.rfind('\n', lineText == 0 ? 0 : lineText - 1);
        const size_t from = lineStart == std::string_view::npos || lineText == 0 ? 0 : lineStart + 1;
        std::vector<size_t> columns; // of each character from the line's start to the text
        size_t column = 0;
        for (size_t at = from; at < lineText; ++at) {
            columns.push_back(column);
            column = source[at] == '\t' ? (column / 4 + 1) * 4 : column + 1;
        }
        for (size_t begin = lineText; begin > from && (source[begin - 1] == ' ' || source[begin - 1] == '\t');) {
            --begin;
            const size_t width = column - columns[begin - from];
            if (width == spaces.size()) {
                spaces = std::string(source.substr(begin, lineText - begin));
                return;
            }
            if (width > spaces.size())
                return;
        }
    }

    // The character an entity md4c writes in code stands for; 0 for none.
    static char escapedCharacter(std::string_view entity)
    {
        return entity == "&lt;" ? '<' : entity == "&gt;" ? '>' : entity == "&amp;" ? '&' : entity == "&quot;" ? '"' : 0;
    }

    void pass(std::string_view text)
    {
        if (!text.empty())
            sink(text.data(), static_cast<MD_SIZE>(text.size()), sinkData);
    }

    std::string_view source;
    Sink sink;
    void *sinkData;
    std::string spaces;               // written by md4c as a code line's indentation
    std::vector<std::string> escapes; // entities written after it
};

// md4c's HTML as it is written, with the output of each island gathered
// into its element. Every piece of the source that md4c writes out as it
// stands lies inside an island or an escaped range: nothing raw is copied.
struct Render {
    const char *base = nullptr;
    size_t size = 0;
    const std::vector<HtmlIslands::Island> *islands = nullptr;
    std::vector<Range> ranges; // in order, none inside another
    int capturing = -1;
    size_t captureBegin = 0;
    size_t captureEnd = 0;
    std::string captured;
    std::string html;

    void finish()
    {
        const HtmlIslands::Island &island = (*islands)[static_cast<size_t>(capturing)];
        html += "<x-html type=\"";
        html += kindName(island.kind);
        html += "\" contenteditable=\"false\" data-source=\"";
        html += attributeEscaped(island.source);
        html += '"';
        const bool rendersAsWritten = island.kind == HtmlIslands::Kind::Inline ? captured == island.source
                                                                               : !island.spansBlocks;
        if (!rendersAsWritten) {
            html += " data-html=\"";
            html += attributeEscaped(captured);
            html += '"';
        }
        html += "></x-html>";
        captured.clear();
        capturing = -1;
    }

    // md4c writes an image's address before its description, so pieces of
    // the source do not come in order: each is looked up.
    const Range *rangeAt(size_t at) const
    {
        const auto after = std::upper_bound(ranges.begin(), ranges.end(), at,
                                            [](size_t offset, const Range &range) { return offset < range.begin; });
        if (after == ranges.begin())
            return nullptr;
        const Range &range = *std::prev(after);
        return at < range.end ? &range : nullptr;
    }

    void write(const MD_CHAR *text, MD_SIZE length)
    {
        const bool fromSource = text >= base && text + length <= base + size && length > 0;
        const size_t at = fromSource ? static_cast<size_t>(text - base) : 0;
        if (capturing >= 0) {
            captured.append(text, length);
            if (fromSource && at >= captureBegin && at < captureEnd && at + length >= captureEnd)
                finish();
            return;
        }
        const Range *range = fromSource && !ranges.empty() ? rangeAt(at) : nullptr;
        if (!range) {
            html.append(text, length);
        } else if (range->island < 0 || at != range->begin) {
            // Only a link address from a definition inside an island comes
            // here, already escaped; anything else would be raw.
            html += attributeEscaped(std::string_view(text, length));
        } else {
            captureBegin = range->begin;
            capturing = range->island;
            captureEnd = range->end;
            captured.append(text, length);
            if (at + length >= captureEnd)
                finish();
        }
    }
};
}

bool HtmlIslands::isVoidElement(std::string_view name)
{
    static const char *const names[] = {"area", "base", "br", "col", "embed", "hr", "img", "input",
                                        "link", "meta", "param", "source", "track", "wbr"};
    return std::any_of(std::begin(names), std::end(names), [name](const char *known) { return name == known; });
}

size_t HtmlIslands::frontMatterLength(std::string_view markdown)
{
    const auto lineEnd = [markdown](size_t from) {
        const size_t end = markdown.find('\n', from);
        return end == std::string_view::npos ? markdown.size() : end;
    };
    const auto isLine = [markdown](size_t begin, size_t end, std::string_view text) {
        std::string_view line = markdown.substr(begin, end - begin);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
            line.remove_suffix(1);
        return line == text;
    };
    // A rule followed by a blank line is a rule.
    size_t end = lineEnd(0);
    if (!isLine(0, end, "---") || end >= markdown.size() || isLine(end + 1, lineEnd(end + 1), ""))
        return 0;
    for (size_t begin = end + 1; begin < markdown.size(); begin = end + 1) {
        end = lineEnd(begin);
        if (isLine(begin, end, "---") || isLine(begin, end, "..."))
            return end;
        if (end >= markdown.size())
            break;
    }
    return 0;
}

std::vector<HtmlIslands::Island> HtmlIslands::find(const std::string &markdown)
{
    return scanned(markdown).islands;
}

std::string HtmlIslands::render(const std::string &markdown)
{
    const Scan scan = scanned(markdown);
    Render render;
    render.base = markdown.data();
    render.size = markdown.size();
    render.islands = &scan.islands;
    size_t frontMatter = 0;
    for (size_t index = 0; index < scan.islands.size(); ++index) {
        if (scan.islands[index].kind == Kind::FrontMatter) {
            render.capturing = static_cast<int>(index);
            render.finish();
            render.html += '\n';
            frontMatter = scan.islands[index].end;
        } else {
            render.ranges.push_back({scan.islands[index].begin, scan.islands[index].end, static_cast<int>(index)});
        }
    }
    // Raw HTML in an image's description inside an island is the island's.
    for (const Range &escaped : scan.escaped) {
        const auto holder = std::find_if(render.ranges.begin(), render.ranges.end(), [&escaped](const Range &island) {
            return island.begin <= escaped.begin && escaped.end <= island.end;
        });
        if (holder == render.ranges.end())
            render.ranges.push_back(escaped);
    }
    std::sort(render.ranges.begin(), render.ranges.end(), [](const Range &a, const Range &b) { return a.begin < b.begin; });
    render.html.reserve(markdown.size() + markdown.size() / 4);
    CodeIndentation output(markdown,
                           render.ranges.empty()
                               ? CodeIndentation::Sink([](const MD_CHAR *text, MD_SIZE size, void *userdata) {
                                     static_cast<Render *>(userdata)->html.append(text, size);
                                 })
                               : CodeIndentation::Sink([](const MD_CHAR *text, MD_SIZE size, void *userdata) {
                                     static_cast<Render *>(userdata)->write(text, size);
                                 }),
                           &render);
    md_html(markdown.data() + frontMatter, static_cast<MD_SIZE>(markdown.size() - frontMatter), CodeIndentation::take,
            &output, markdownParserFlags, 0);
    output.finish();
    if (render.capturing >= 0)
        render.finish();
    return render.html;
}
