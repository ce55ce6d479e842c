#include "markdownwords.h"

#include <QRegularExpression>

namespace MarkdownWords {

namespace {

int leadingSpaces(const QString &line)
{
    int columns = 0;
    for (const QChar character : line) {
        if (character == QLatin1Char(' '))
            ++columns;
        else if (character == QLatin1Char('\t'))
            columns += 4 - columns % 4;
        else
            break;
    }
    return columns;
}

bool isBlank(const QString &line)
{
    for (const QChar character : line)
        if (!character.isSpace())
            return false;
    return true;
}

// The line without the spaces around it, without a copy.
QStringRef trimmedRef(const QString &line)
{
    int start = 0;
    int end = line.size();
    while (start < end && line.at(start).isSpace())
        ++start;
    while (end > start && line.at(end - 1).isSpace())
        --end;
    return line.midRef(start, end - start);
}

// "- ", "* ", "+ ", "1. " or "1) " after at most three spaces.
bool isListItem(const QString &line)
{
    int at = 0;
    while (at < line.size() && at < 3 && line.at(at) == QLatin1Char(' '))
        ++at;
    if (at == line.size())
        return false;
    const QChar marker = line.at(at);
    if (marker == QLatin1Char('-') || marker == QLatin1Char('*') || marker == QLatin1Char('+')) {
        ++at;
    } else {
        const int digits = at;
        while (at < line.size() && at - digits < 9 && line.at(at).isDigit())
            ++at;
        if (at == digits || at == line.size() || (line.at(at) != QLatin1Char('.') && line.at(at) != QLatin1Char(')')))
            return false;
        ++at;
    }
    return at == line.size() || line.at(at).isSpace();
}

bool startsWithAt(const QString &line, int at, const char *text)
{
    return line.midRef(at).startsWith(QLatin1String(text), Qt::CaseInsensitive);
}

// Where the run of `character` starting at `at` ends.
int runEnd(const QString &line, int at, QChar character)
{
    while (at < line.size() && line.at(at) == character)
        ++at;
    return at;
}

// The end of what starts at `at` and is not prose, or `at` when prose starts there.
int skipFrom(const QString &line, int at)
{
    const QChar character = line.at(at);
    if (character == QLatin1Char('`')) {
        const int open = runEnd(line, at, character);
        const int length = open - at;
        for (int search = open; search < line.size();) {
            const int found = line.indexOf(QString(length, QLatin1Char('`')), search);
            if (found < 0)
                break;
            const int close = runEnd(line, found, character);
            if (close - found == length)
                return close;
            search = close;
        }
        return open;
    }
    if (character == QLatin1Char('$')) {
        const int open = runEnd(line, at, character);
        if (open - at > 2 || open >= line.size() || line.at(open).isSpace())
            return open;
        const int close = line.indexOf(QString(open - at, QLatin1Char('$')), open);
        return close < 0 ? open : close + (open - at);
    }
    if (character == QLatin1Char(']') && at + 1 < line.size() && line.at(at + 1) == QLatin1Char('(')) {
        int depth = 0;
        for (int end = at + 1; end < line.size(); ++end) {
            if (line.at(end) == QLatin1Char('('))
                ++depth;
            else if (line.at(end) == QLatin1Char(')') && --depth == 0)
                return end + 1;
        }
        return line.size();
    }
    if (character == QLatin1Char('<')) {
        if (startsWithAt(line, at, "<!--")) {
            const int close = line.indexOf(QLatin1String("-->"), at + 4);
            return close < 0 ? line.size() : close + 3;
        }
        const QChar next = at + 1 < line.size() ? line.at(at + 1) : QChar();
        if (next.isLetter() || next == QLatin1Char('/') || next == QLatin1Char('!') || next == QLatin1Char('?')) {
            const int close = line.indexOf(QLatin1Char('>'), at);
            return close < 0 ? line.size() : close + 1;
        }
        return at + 1;
    }
    if (character == QLatin1Char('&')) {
        static const QRegularExpression entity(QStringLiteral("&(?:#\\d{1,7}|#[xX][0-9a-fA-F]{1,6}|[A-Za-z][A-Za-z0-9]{1,31});"));
        const QRegularExpressionMatch match = entity.match(line, at, QRegularExpression::NormalMatch,
                                                          QRegularExpression::AnchoredMatchOption);
        return match.hasMatch() ? match.capturedEnd() : at + 1;
    }
    return at;
}

bool isWordCharacter(QChar character)
{
    return character.isLetterOrNumber() || character.isMark() || character == QLatin1Char('_');
}

bool isApostrophe(QChar character)
{
    return character == QLatin1Char('\'') || character == QChar(0x2019);
}

// A whole token of word characters, with apostrophes inside, from `at`.
int tokenEnd(const QString &line, int at)
{
    int end = at;
    while (end < line.size()) {
        if (isWordCharacter(line.at(end)))
            ++end;
        else if (isApostrophe(line.at(end)) && end + 1 < line.size() && line.at(end + 1).isLetter() && end > at)
            ++end;
        else
            break;
    }
    return end;
}

// Web and mail addresses run to the next space.
int addressEnd(const QString &line, int at)
{
    static const char *const schemes[] = {"http://", "https://", "ftp://", "mailto:", "file://", "www."};
    for (const char *scheme : schemes) {
        if (startsWithAt(line, at, scheme)) {
            int end = at;
            while (end < line.size() && !line.at(end).isSpace() && line.at(end) != QLatin1Char('>'))
                ++end;
            return end;
        }
    }
    int end = at;
    while (end < line.size() && !line.at(end).isSpace())
        ++end;
    const QStringRef token = line.midRef(at, end - at);
    if (token.contains(QLatin1Char('@')) && token.indexOf(QLatin1Char('@')) > 0)
        return end;
    return at;
}

// Whether a line's text is prose, updating the state of open blocks.
bool isProse(const QString &line, LineState &state)
{
    const bool blank = isBlank(line);
    const int number = state.lineNumber++;
    const bool wasBlank = state.lastWasBlank;
    state.lastWasBlank = blank;
    const QStringRef trimmed = trimmedRef(line);

    if (state.inFrontMatter) {
        // A rule followed by a blank line was no front matter.
        if (number == 1 && blank) {
            state.inFrontMatter = false;
            return false;
        }
        if (trimmed == QLatin1String("---") || trimmed == QLatin1String("..."))
            state.inFrontMatter = false;
        return false;
    }
    if (number == 0 && trimmed == QLatin1String("---")) {
        state.inFrontMatter = true;
        return false;
    }
    if (state.fence.follow(line)) {
        state.lastWasIndentedCode = false;
        return false;
    }
    if (trimmed == QLatin1String("$$")) {
        state.inMathBlock = !state.inMathBlock;
        return false;
    }
    if (state.inMathBlock)
        return false;
    if (blank)
        return false;
    const int indent = leadingSpaces(line);
    if (indent >= 4 && !state.inList && (wasBlank || state.lastWasIndentedCode)) {
        state.lastWasIndentedCode = true;
        return false;
    }
    state.lastWasIndentedCode = false;
    if (isListItem(line))
        state.inList = true;
    else if (indent == 0 && wasBlank)
        state.inList = false;
    return true;
}

// Takes a line into the state; true when its text is prose.
bool advance(const QString &line, LineState &state)
{
    // A comment over several lines ends on a line left unchecked as a whole.
    if (state.inComment) {
        ++state.lineNumber;
        state.lastWasBlank = false;
        state.inComment = !line.contains(QLatin1String("-->"));
        return false;
    }
    if (!isProse(line, state))
        return false;
    const int open = line.lastIndexOf(QLatin1String("<!--"));
    if (open >= 0 && line.indexOf(QLatin1String("-->"), open + 4) < 0)
        state.inComment = true;
    return true;
}

}

void skipLine(const QString &line, LineState &state)
{
    advance(line, state);
}

std::vector<Word> wordsOfLine(const QString &line, LineState &state)
{
    std::vector<Word> words;
    if (!advance(line, state))
        return words;
    // A reference definition's address and title.
    static const QRegularExpression definition(QStringLiteral("^ {0,3}\\[[^\\]]+\\]:"));
    const QRegularExpressionMatch defined = definition.match(line);
    if (defined.hasMatch())
        return words;
    int at = 0;
    while (at < line.size()) {
        const int skipped = skipFrom(line, at);
        if (skipped > at) {
            at = skipped;
            continue;
        }
        const QChar character = line.at(at);
        if (!isWordCharacter(character)) {
            ++at;
            continue;
        }
        const int address = addressEnd(line, at);
        if (address > at) {
            at = address;
            continue;
        }
        const int end = tokenEnd(line, at);
        bool name = false;
        int letters = 0;
        for (int index = at; index < end; ++index) {
            if (line.at(index).isDigit() || line.at(index) == QLatin1Char('_'))
                name = true;
            if (line.at(index).isLetter())
                ++letters;
        }
        if (!name && letters > 1)
            words.push_back({at, end - at});
        at = end;
    }
    return words;
}

}
