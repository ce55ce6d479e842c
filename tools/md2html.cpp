// Reads Markdown from standard input and writes the HTML the Visual Editor gets
// for it. With --from-source, the text first gets the passes of a switch from
// the Source Code Editor.
#include "documentconverter.h"

#include <cstring>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char *argv[])
{
    std::ios::sync_with_stdio(false);
    const bool fromSource = argc > 1 && std::strcmp(argv[1], "--from-source") == 0;
    std::string markdown((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    if (fromSource)
        markdown = DocumentConverter::isolateTables(QString::fromStdString(markdown)).toStdString();
    std::cout << DocumentConverter().markdownToHtml(markdown).toStdString();
    return 0;
}
