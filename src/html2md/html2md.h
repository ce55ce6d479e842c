#pragma once

// Streaming HTML to Markdown converter: reads the HTML once, byte by byte, with
// no DOM, and appends Markdown as tags open and close. Plain standard C++.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace html2md {

struct ConvertOptions {
    bool wrapLines = true;
    int32_t softWrapColumn = 80;
    int32_t hardWrapColumn = 100;
    char bulletMarker = '-';
    char orderedMarkerSuffix = '.';
    bool keepTitle = true;
    bool alignTables = true;
};

class Converter;

// What one tag name produces; one shared instance may serve several names.
struct Tag {
    virtual ~Tag() = default;
    virtual void afterOpeningTag(Converter &converter) = 0;
    virtual void afterClosingTag(Converter &converter) = 0;
};

// One open list: its kind, its own item counter and where its items start.
struct ListLevel {
    bool ordered = false;
    uint64_t itemNumber = 0;
    size_t markerColumn = 0;  // column of this list's markers
    size_t contentColumn = 0; // column of the current item's text
    size_t items = 0;
    bool loose = false;       // items hold paragraphs: blank lines between them
};

class Converter
{
public:
    explicit Converter(const std::string &html, const ConvertOptions *options = nullptr);

    std::string convert();
    bool isBalanced() const;

    // Output primitives used by the rules.
    void appendMd(char ch);
    void appendMd(const std::string &text);
    // Text that the final tidying must not touch: it stands in the output
    // as a marker until then.
    void appendIsland(const std::string &text);
    void shortenMd(size_t count);
    bool isInSkippedTag() const { return skippingText; }
    std::string attribute(const std::string &name) const;
    bool hasAttribute(const std::string &name) const;
    void wrapAtLastSpace();
    static std::string repeat(const std::string &text, size_t count);
    void sampleLastChars();

    // Every write goes through put(): a new line gets the prefix of the open
    // quotes and list items when its first byte is written.
    void put(char ch);
    void put(const std::string &text);
    void ensureLinePrefix();
    void writeLinePrefix(const std::string &prefix);
    std::string linePrefix(bool markerLine = false) const;
    bool innermostIsList() const;

    size_t position = 0;
    bool closingTag = false;
    bool inAttributeValue = false;
    bool inCode = false;
    bool inList = false;
    bool inParagraph = false;
    bool inPre = false;
    bool inTable = false;
    bool inTag = false;
    bool selfClosing = false;
    size_t tableStart = 0;
    uint32_t listDepth = 0;
    uint32_t quoteDepth = 0;
    char lastChar = 0;
    char secondLastChar = 0;
    std::string html;
    size_t tagStart = 0;
    std::string currentTag;
    std::string previousTag;
    std::string pendingSeparatorRow;
    size_t lineLength = 0;
    std::string markdown;
    ConvertOptions options;
    std::unordered_map<std::string, std::string> entities;
    std::unordered_map<std::string, std::shared_ptr<Tag>> rules;
    bool skipTagWhitespace = true;

    std::vector<ListLevel> lists;
    bool tableHasHeader = false;
    bool inHeading = false;
    size_t headingStart = 0;     // output index of the open heading's marker
    size_t headingTextStart = 0; // and of its text
    bool inMath = false;
    bool inAnchor = false;
    bool inInlineCode = false;
    std::string inlineCode;
    size_t fenceStart = 0; // output index of the opening fence of the current code block
    bool fenceLineOpen = false;
    std::string containers;             // open quotes ('q') and lists ('l'), outermost first
    // Quotes and lists opened deeper than maxNesting go on at that depth, so
    // that the output stays linear in the input however deep the nesting.
    static constexpr size_t maxNesting = 100;
    size_t flattenedContainers = 0;
    std::vector<size_t> quoteOpenedAt;  // output length when each open quote began
    size_t blockStart = std::string::npos; // where the text of a list item begins
    std::vector<size_t> markStarts;        // open inline marks (bold, italic, strike)
    std::vector<std::string> islands;      // raw HTML and front matter, in the order of their markers

    // Output was edited at `from`; positions remembered for wrapping are redone.
    void outputEditedAt(size_t from);
    bool atLineStart() const;

private:
    void readTagByte(char ch);
    void endTag();
    void handleText(char ch);
    void handleVerbatim(char ch);
    void handleEntity();
    std::string decodedAttributeValue(const std::string &text) const;
    void updateTextHandling();
    void cleanUp();
    void putIslandsBack();
    char nextInputByte(size_t offset) const;
    bool needsEscape(char ch) const;
    bool safeLineStart(size_t at) const;

    bool skippingText = false;
    // Set from the last tag read, which text is read against, byte by byte.
    bool textDropped = false;        // skipped, or after a <link>
    bool tagKeepsLineWhole = false;  // an image or a link: no wrap inside it
    bool lineStartsWithNumber = false;
    bool decodedAmpersand = false;
    size_t wrapScanFloor = 0; // no space lies between the current line start and here
};

std::string toMarkdown(const std::string &html, bool *ok = nullptr);

// Rebuilds a finished Markdown table with aligned columns. Without a header row,
// an empty one is added, so that every row stays a data row.
// Where an island stands in the output until the final tidying: its number
// between these two.
inline const std::string islandMarkerStart = "\x02island";
inline const std::string islandMarkerEnd = "\x03";

std::string formatTable(const std::string &table, bool hasHeader, const std::vector<std::string> &islands);

}
