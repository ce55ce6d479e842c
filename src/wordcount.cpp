#include "wordcount.h"

#include "documentconverter.h"

namespace WordCount {

namespace {
// The page's worker folds blanks into this character before it counts.
constexpr char16_t blankMarker = 0x9F98;

// What a JavaScript "\s" matches.
bool isScriptBlank(char16_t c)
{
    switch (c) {
    case 0x09: case 0x0A: case 0x0B: case 0x0C: case 0x0D: case 0x20: case 0xA0: case 0x1680:
    case 0x2028: case 0x2029: case 0x202F: case 0x205F: case 0x3000: case 0xFEFF:
        return true;
    default:
        return c >= 0x2000 && c <= 0x200A;
    }
}

void appendDecodedEntity(const QString &html, int &i, QString &text)
{
    static const struct {
        const char *name;
        char16_t character;
    } entities[] = {{"&amp;", u'&'}, {"&lt;", u'<'}, {"&gt;", u'>'}, {"&quot;", u'"'}, {"&#39;", u'\''},
                    {"&nbsp;", 0xA0}};
    for (const auto &entity : entities) {
        const QLatin1String name(entity.name);
        if (html.midRef(i, name.size()) == name) {
            text += QChar(entity.character);
            i += name.size() - 1;
            return;
        }
    }
    text += html.at(i);
}
}

int countWords(const QString &text)
{
    int count = 0;
    bool inLatinRun = false;
    for (const QChar character : text) {
        const char16_t c = character.unicode();
        if (isScriptBlank(c) || c == blankMarker) {
            inLatinRun = false;
        } else if (c <= 0xFF) {
            if (!inLatinRun)
                ++count;
            inLatinRun = true;
        } else {
            ++count;
            inLatinRun = false;
        }
    }
    return count;
}

QString renderedText(const QString &markdown)
{
    const QString html = DocumentConverter().markdownToHtml(markdown.toStdString());
    QString text;
    text.reserve(html.size());
    bool inTag = false;
    for (int i = 0; i < html.size(); ++i) {
        const QChar c = html.at(i);
        if (inTag) {
            inTag = c != QLatin1Char('>');
        } else if (c == QLatin1Char('<')) {
            inTag = true;
        } else if (c == QLatin1Char('&')) {
            appendDecodedEntity(html, i, text);
        } else {
            text += c;
        }
    }
    return text;
}

}
