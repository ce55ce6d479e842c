// Reads HTML from standard input and writes the Markdown the program saves for it.
#include "documentconverter.h"

#include <iostream>
#include <iterator>
#include <string>

int main()
{
    std::ios::sync_with_stdio(false);
    const std::string html((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    std::cout << DocumentConverter().htmlToMarkdown(QString::fromStdString(html)).toStdString();
    return 0;
}
