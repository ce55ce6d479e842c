#pragma once

#include "html2md.h"

namespace html2md {

// Fills the converter's map from tag names to the rules that handle them.
void registerTagRules(std::unordered_map<std::string, std::shared_ptr<Tag>> &rules);

struct TagAnchor : Tag {
    void afterOpeningTag(Converter &c) override;
    void afterClosingTag(Converter &c) override;
    std::string currentHref;
    std::string currentTitle;
    size_t textStart = 0;
};

// Bold, italic and strike-through: the same mark on both sides.
// A mark around inline text. Right inside the same mark, just opened, the
// alternate is written ("*_x_*", not "**x**", for emphasis in emphasis).
struct TagInlineMark : Tag {
    explicit TagInlineMark(const char *mark, const char *alternate = "") : mark(mark), alternate(alternate) {}
    void afterOpeningTag(Converter &c) override;
    void afterClosingTag(Converter &c) override;
    std::string mark;
    std::string alternate;
};
struct TagBold : TagInlineMark { TagBold() : TagInlineMark("**") {} };
struct TagItalic : TagInlineMark { TagItalic() : TagInlineMark("*", "_") {} };
struct TagStrikethrought : TagInlineMark { TagStrikethrought() : TagInlineMark("~~") {} };
struct TagUnderline : TagInlineMark { TagUnderline() : TagInlineMark("_") {} };

struct TagBlockquote : Tag {
    void afterOpeningTag(Converter &c) override;
    void afterClosingTag(Converter &c) override;
};
struct TagBreak : Tag {
    void afterOpeningTag(Converter &c) override;
    void afterClosingTag(Converter &) override {}
};
struct TagCode : Tag {
    void afterOpeningTag(Converter &c) override;
    void afterClosingTag(Converter &c) override;
};
struct TagDiv : Tag {
    void afterOpeningTag(Converter &c) override;
    void afterClosingTag(Converter &) override {}
};
struct TagHeader : Tag {
    explicit TagHeader(int level) : level(level) {}
    void afterOpeningTag(Converter &c) override;
    void afterClosingTag(Converter &c) override;
    int level;
};
struct TagHeader1 : TagHeader { TagHeader1() : TagHeader(1) {} };
struct TagHeader2 : TagHeader { TagHeader2() : TagHeader(2) {} };
struct TagHeader3 : TagHeader { TagHeader3() : TagHeader(3) {} };
struct TagHeader4 : TagHeader { TagHeader4() : TagHeader(4) {} };
struct TagHeader5 : TagHeader { TagHeader5() : TagHeader(5) {} };
struct TagHeader6 : TagHeader { TagHeader6() : TagHeader(6) {} };
struct TagIsland : Tag {
    void afterOpeningTag(Converter &c) override;
    void afterClosingTag(Converter &) override {}
};
struct TagIgnored : Tag {
    void afterOpeningTag(Converter &) override {}
    void afterClosingTag(Converter &) override {}
};
struct TagSpan : TagIgnored {};
struct TagSeperator : Tag {
    void afterOpeningTag(Converter &c) override;
    void afterClosingTag(Converter &) override {}
};
struct TagImage : Tag {
    void afterOpeningTag(Converter &c) override;
    void afterClosingTag(Converter &c) override;
};
// The check box of a task list item.
struct TagInput : Tag {
    void afterOpeningTag(Converter &c) override;
    void afterClosingTag(Converter &) override {}
};
struct TagListItem : Tag {
    void afterOpeningTag(Converter &c) override;
    void afterClosingTag(Converter &c) override;
};
struct TagList : Tag {
    explicit TagList(bool ordered) : ordered(ordered) {}
    void afterOpeningTag(Converter &c) override;
    void afterClosingTag(Converter &c) override;
    bool ordered;
};
struct TagOrderedList : TagList { TagOrderedList() : TagList(true) {} };
struct TagUnorderedList : TagList { TagUnorderedList() : TagList(false) {} };
struct TagOption : Tag {
    void afterOpeningTag(Converter &) override {}
    void afterClosingTag(Converter &c) override;
};
struct TagParagraph : Tag {
    void afterOpeningTag(Converter &c) override;
    void afterClosingTag(Converter &c) override;
};
struct TagPre : Tag {
    void afterOpeningTag(Converter &c) override;
    void afterClosingTag(Converter &c) override;
};
struct TagTable : Tag {
    void afterOpeningTag(Converter &c) override;
    void afterClosingTag(Converter &c) override;
};
struct TagTableCell : Tag {
    void afterOpeningTag(Converter &c) override;
    void afterClosingTag(Converter &c) override;
};
struct TagTableData : TagTableCell {};
struct TagTableHeader : TagTableCell {
    void afterOpeningTag(Converter &c) override;
};
struct TagTableRow : Tag {
    void afterOpeningTag(Converter &c) override;
    void afterClosingTag(Converter &c) override;
};
struct TagTitle : Tag {
    void afterOpeningTag(Converter &) override {}
    void afterClosingTag(Converter &c) override;
};
// A formula, written back between dollar signs exactly as its TeX source.
struct TagEquation : Tag {
    void afterOpeningTag(Converter &c) override;
    void afterClosingTag(Converter &c) override;
    std::string delimiter;
};

}
