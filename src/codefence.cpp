#include "codefence.h"

bool CodeFence::follow(const QString &line)
{
    int at = 0;
    int columns = 0;
    for (; at < line.size() && columns <= 3; ++at) {
        if (line.at(at) == QLatin1Char(' '))
            ++columns;
        else if (line.at(at) == QLatin1Char('\t'))
            columns += 4 - columns % 4;
        else
            break;
    }
    int run = 0;
    if (columns <= 3 && at < line.size() && (line.at(at) == QLatin1Char('`') || line.at(at) == QLatin1Char('~')))
        while (at + run < line.size() && line.at(at + run) == line.at(at))
            ++run;
    const QChar runCharacter = run >= 3 ? line.at(at) : QChar();
    if (isOpen()) {
        if (runCharacter == character && run >= length && line.trimmed().size() == line.trimmed().count(character))
            *this = CodeFence();
        return true;
    }
    if (run < 3)
        return false;
    character = runCharacter;
    length = run;
    return true;
}
