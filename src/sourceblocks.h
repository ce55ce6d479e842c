#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// What the Visual Editor was given, kept so that a document edited there goes
// back as its own source wherever it was not changed. The rendered HTML is
// marked with the index of every top-level element ("data-sb"); the source is
// cut into segments, each the exact text of one or more consecutive top-level
// blocks, with only blank lines and link reference definitions between them.
// The page answers with the index of every element it did not touch and the
// HTML of the others; assemble() then writes the source text of every intact
// segment, the text between two intact neighbours, and the converted HTML of
// the rest. In a touched top-level list or quote, the page may name its items
// (a quote's items are its blocks) as well: then only the touched items are
// converted, each under its own marker.
class SourceBlocks
{
public:
    // One top-level node of the page, in page order: an element the page
    // marked (block >= 0), with its HTML when it was touched; or anything
    // else (block < 0) with its HTML.
    struct ItemPart;
    // A list nested in a list item, its items in page order; unknown when the
    // page could no longer tell them apart.
    struct ListPart {
        bool known = false;
        std::vector<ItemPart> items;
    };
    struct ItemPart {
        int item = -1; // index among the container's items as given, -1 for a new one
        bool touched = false;
        std::string html;
        // Of a touched list item changed inside its nested lists only: those lists.
        bool nestedOnly = false;
        std::vector<ListPart> lists;
    };
    struct PagePart {
        int block = -1;
        bool touched = false;
        std::string html;
        std::vector<ItemPart> items; // of a touched list or quote, in page order, when the page kept them apart
    };
    using Convert = std::function<std::string(const std::string &html)>;

    // `html` is what `parsed` renders to; `parsed` is `source` with at most
    // some empty lines added. Returns `html` with the top-level elements marked.
    std::string take(std::string source, std::string parsed, std::string html);
    // HTML not rendered from a source: every element of it is converted.
    std::string take(std::string html);

    // The source is cut into segments the first time they are needed. A part
    // naming a block this document does not have sets `known` false.
    std::string assemble(const std::vector<PagePart> &parts, const Convert &convert, bool *known = nullptr);

    struct Segment {
        size_t begin = 0; // byte offsets into the source; the end is a line's end, before its line feed
        size_t end = 0;
        int firstBlock = 0;
        int blockCount = 0;
    };
    const std::vector<Segment> &segments();
    std::string_view elementHtml(int index) const
    {
        const auto &element = elements[static_cast<size_t>(index)];
        return std::string_view(html).substr(element.first, element.second - element.first);
    }
    // Elements [first, first + count) as marked for the page.
    std::string markedElements(int first, int count) const;
    int blockCount() const { return static_cast<int>(elements.size()); }

    // Where the top-level elements of HTML as written by the renderer begin
    // and end; with `marked`, the same HTML with each element's index added
    // to its start tag.
    static std::vector<std::pair<size_t, size_t>> topLevelElements(const std::string &html, std::string *marked);
    // The name of the element a page part's HTML holds ("table" for a table in
    // its paragraph), empty for text.
    static std::string_view elementName(std::string_view html);

private:
    struct ItemRange {
        size_t begin = 0; // byte offsets into the source, as for a segment
        size_t end = 0;
        size_t markerLength = 0; // indentation, list or quote marker and spaces before the item's text
    };

    void locate();
    std::string originalHtml(int first, int count) const;
    bool respellSegment(const Segment &cut, const PagePart *members, const std::string &pageMarkdown,
                        const Convert &convert, std::string &text) const;
    // Where a container's items come from: `text` holds them at `ranges`.
    struct ItemSource {
        std::string_view text;
        const std::vector<ItemRange> *ranges = nullptr;
        bool quote = false;
        bool ordered = false;
        std::string startTag; // around an item converted alone
        std::string endTag;
        std::string inner; // the container's original HTML inside its tags, if known
        std::vector<std::pair<size_t, size_t>> originalItems;
    };
    bool respellContainer(const PagePart &container, const std::vector<ItemRange> &ranges, const Convert &convert,
                          std::string &text) const;
    static bool respellItems(const std::vector<ItemPart> &items, const ItemSource &from, const Convert &convert,
                             std::string &text);
    static bool respellNestedLists(std::string_view item, const std::vector<ListPart> &lists, const Convert &convert,
                                   std::string &text);

    std::string source;
    std::string parsed; // until the source is cut
    std::string html;
    std::vector<std::pair<size_t, size_t>> elements;
    std::vector<Segment> cuts;
    std::vector<std::pair<int, std::vector<ItemRange>>> containerItems; // by block, for lists and quotes whose items were found
    std::string definitions; // the link reference definitions between segments
};
