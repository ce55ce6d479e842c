#pragma once

#include <string>

namespace html2md {

// White space as HTML and Markdown read it between words.
inline bool isWhitespace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f' || ch == '\v';
}

// Replaces every occurrence of `find`, resuming after each inserted replacement.
void replaceAll(std::string &text, const std::string &find, const std::string &replacement);

} // namespace html2md
