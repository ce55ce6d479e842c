#pragma once

#include <string>
#include <string_view>
#include <vector>

// Raw HTML and front matter in Markdown. The Visual Editor shows each as an
// island the writer cannot edit there: an x-html element that carries its
// source, written back exactly as it was, and the HTML it renders to, which
// the page shows only after sanitising it. No raw HTML ever reaches the page
// as markup.
class HtmlIslands
{
public:
    enum class Kind { Inline, Block, FrontMatter };
    struct Island {
        size_t begin = 0; // byte offsets of the raw HTML (or front matter) in the Markdown
        size_t end = 0;
        Kind kind = Kind::Inline;
        // A top-level HTML block that opens an element a later HTML block
        // closes holds everything up to that block.
        bool spansBlocks = false;
        // As the converter writes it back: inside a list or quote, without
        // the container's markers and indentation.
        std::string source;
    };

    // The length of the front matter that starts `markdown` (a line "---",
    // then lines up to one of "---" or "..."), up to the end of its closing
    // line before the line feed; 0 without one.
    static size_t frontMatterLength(std::string_view markdown);

    // Elements that never hold content, so never stay open ("br", "img").
    static bool isVoidElement(std::string_view name);

    // Every island of `markdown`, in document order.
    static std::vector<Island> find(const std::string &markdown);

    // The HTML md4c renders `markdown` to, with each island an x-html element.
    static std::string render(const std::string &markdown);
};
