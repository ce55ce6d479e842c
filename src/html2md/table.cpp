#include "html2md.h"

#include <algorithm>

namespace html2md {

namespace {

std::string trimSpaces(const std::string &text)
{
    const size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

// Splits a row at its cell bars; escaped bars and bars inside code spans are text.
std::vector<std::string> splitRow(const std::string &line)
{
    std::vector<std::string> cells;
    std::string cell;
    for (size_t at = 0; at < line.size(); ++at) {
        const char ch = line[at];
        if (ch == '\\' && at + 1 < line.size()) {
            cell += ch;
            cell += line[++at];
        } else if (ch == '`') {
            const size_t runEnd = line.find_first_not_of('`', at);
            const size_t run = (runEnd == std::string::npos ? line.size() : runEnd) - at;
            const std::string delimiter(run, '`');
            size_t close = runEnd == std::string::npos ? std::string::npos : line.find(delimiter, runEnd);
            while (close != std::string::npos && close + run < line.size() && line[close + run] == '`')
                close = line.find(delimiter, line.find_first_not_of('`', close));
            const size_t end = close == std::string::npos ? at + run : close + run;
            cell.append(line, at, end - at);
            at = end - 1;
        } else if (ch == '|') {
            cells.push_back(trimSpaces(cell));
            cell.clear();
        } else {
            cell += ch;
        }
    }
    if (!trimSpaces(cell).empty())
        cells.push_back(trimSpaces(cell));
    return cells;
}

std::string separatorCell(const std::string &cell, size_t width)
{
    std::string dashes(width + 2, '-');
    if (!cell.empty() && cell.front() == ':')
        dashes.front() = ':';
    if (cell.size() > 1 && cell.back() == ':')
        dashes.back() = ':';
    return dashes;
}

}

// A cell's width as written, with its islands in place of their markers.
size_t cellWidth(const std::string &cell, const std::vector<std::string> &islands)
{
    size_t width = cell.size();
    if (islands.empty())
        return width;
    for (size_t at = cell.find(islandMarkerStart); at != std::string::npos; at = cell.find(islandMarkerStart, at + 1)) {
        const size_t end = cell.find(islandMarkerEnd, at);
        const size_t digits = at + islandMarkerStart.size();
        if (end == std::string::npos || end == digits || end - digits > 9
            || cell.find_first_not_of("0123456789", digits) != end)
            continue;
        const size_t index = std::stoul(cell.substr(digits, end - digits));
        if (index < islands.size())
            width = width - (end + islandMarkerEnd.size() - at) + islands[index].size();
    }
    return width;
}

std::string formatTable(const std::string &table, bool hasHeader, const std::vector<std::string> &islands)
{
    std::vector<std::vector<std::string>> rows;
    size_t lineBegin = 0;
    while (lineBegin < table.size()) {
        size_t lineEnd = table.find('\n', lineBegin);
        if (lineEnd == std::string::npos)
            lineEnd = table.size();
        std::string line = table.substr(lineBegin, lineEnd - lineBegin);
        lineBegin = lineEnd + 1;
        // Rows begin with a bar, after the markers of any quote around the table.
        const size_t first = line.find('|');
        if (first == std::string::npos)
            continue;
        line.erase(0, first + 1);
        std::vector<std::string> cells = splitRow(line);
        if (!cells.empty())
            rows.push_back(std::move(cells));
    }
    if (rows.empty())
        return {};

    size_t columns = 0;
    for (const auto &row : rows)
        columns = std::max(columns, row.size());
    if (!hasHeader) {
        rows.insert(rows.begin(), std::vector<std::string>(columns, "-"));
        rows.insert(rows.begin(), std::vector<std::string>(columns));
    }
    // Markdown drops cells beyond the header's count, so every row gets them all.
    for (auto &row : rows)
        row.resize(columns);
    if (rows.size() > 1)
        for (auto &cell : rows[1])
            if (cell.empty())
                cell = "-";

    std::vector<size_t> widths(columns, 1);
    for (const auto &row : rows)
        for (size_t column = 0; column < columns; ++column)
            widths[column] = std::max(widths[column], cellWidth(row[column], islands));

    std::string result;
    for (size_t index = 0; index < rows.size(); ++index) {
        result += '|';
        for (size_t column = 0; column < columns; ++column) {
            const std::string &cell = rows[index][column];
            if (index == 1) {
                result += separatorCell(cell, widths[column]);
                result += '|';
            } else {
                result += ' ';
                result += cell;
                result += std::string(widths[column] - cellWidth(cell, islands), ' ');
                result += " |";
            }
        }
        result += '\n';
    }
    return result;
}

}
