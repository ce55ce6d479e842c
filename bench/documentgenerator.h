#pragma once

#include <string>

// A realistic Markdown document of about `targetBytes`: headings, prose written
// on several lines with emphasis and links, nested lists, a table every tenth
// section, and one code block and two formulas per section (about 4 KB each).
std::string generateMarkdown(size_t targetBytes);

// A document of about `targetBytes` in the shape of a reference manual: many
// short blocks (a heading, a sentence, two small code blocks, a short list and
// a quotation per example), about 30 bytes a block.
std::string generateShortBlocks(size_t targetBytes);
