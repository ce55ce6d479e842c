#include "text.h"

namespace html2md {

void replaceAll(std::string &text, const std::string &find, const std::string &replacement)
{
    size_t at = text.find(find);
    if (at == std::string::npos)
        return;
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    size_t from = 0;
    for (; at != std::string::npos; at = text.find(find, from)) {
        result.append(text, from, at - from);
        result += replacement;
        from = at + find.size();
    }
    result.append(text, from, std::string::npos);
    text.swap(result);
}

} // namespace html2md
