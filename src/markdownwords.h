#pragma once

#include "codefence.h"

#include <QString>

#include <vector>

// The prose words of Markdown text, for spell checking. Left out: code
// (fenced, indented and in spans), formulas, link and image addresses, raw
// HTML tags and comments, autolinks, bare web and mail addresses, entities,
// front matter, and words with digits or underscores (names, not words).
namespace MarkdownWords {

struct Word {
    int start = 0;
    int length = 0;
};

// What the lines above a line leave open. Lines are taken in order from the
// top of the document; the state before each is what a scan starting there
// needs.
struct LineState {
    int lineNumber = 0;
    CodeFence fence;
    bool inMathBlock = false; // between lines of "$$"
    bool inComment = false;   // within an HTML comment over several lines
    bool inFrontMatter = false;
    bool inList = false;      // indented lines continue a list item, not code
    bool lastWasBlank = true;
    bool lastWasIndentedCode = false;
};

// The words of `line` to check, given the state before it; `state` becomes
// the state after it.
std::vector<Word> wordsOfLine(const QString &line, LineState &state);
// Only the state after `line`, as quickly as it can be had.
void skipLine(const QString &line, LineState &state);

}
