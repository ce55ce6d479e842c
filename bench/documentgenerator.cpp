#include "documentgenerator.h"

std::string generateMarkdown(size_t targetBytes)
{
    std::string text;
    text.reserve(targetBytes + 8192);
    for (int section = 1; text.size() < targetBytes; ++section) {
        const std::string n = std::to_string(section);
        text += "## Section " + n + "\n\n";
        for (int i = 0; i < 28; ++i) {
            text += "Writers trust the editor with **long** documents, *emphasis*, links to [pages](https://example.org/"
                + std::to_string(i) + ")";
            text += i % 3 == 2 ? "\nand a line break inside the paragraph. " : " and plain prose that goes on. ";
        }
        text += "The formula $x_" + n + "^2 + \\frac{a}{b}$ stands in the text.\n\n";
        text += "- first point\n  - nested detail " + n + "\n  - another detail\n- second point\n\n";
        text += "```cpp\nint value" + n + "() {\n    return " + n + ";\n}\n```\n\n";
        text += "$$\\sum_{i=1}^{" + n + "} i^2$$\n\n";
        if (section % 10 == 0) {
            text += "| Name | Value | Note |\n|---|:-:|---|\n";
            for (int row = 0; row < 8; ++row)
                text += "| item " + std::to_string(row) + " | " + std::to_string(row * section) + " | note |\n";
            text += "\n";
        }
    }
    return text;
}

std::string generateShortBlocks(size_t targetBytes)
{
    std::string text;
    text.reserve(targetBytes + 1024);
    for (int example = 1; text.size() < targetBytes; ++example) {
        const std::string n = std::to_string(example);
        text += "## Example " + n + "\n\n";
        text += "A line of *prose* about example " + n + ".\n\n";
        text += "```markdown\n- item " + n + "\n" + std::string(example % 3, '>') + " quoted\n```\n\n";
        text += "- first\n- second " + n + "\n\n";
        text += "```html\n<p>example " + n + "</p>\n```\n\n";
        text += "> A note on example " + n + ".\n\n";
    }
    return text;
}
