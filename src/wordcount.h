#pragma once

#include <QString>

// The word count shown in the status bar. Both editors count the text a
// reader sees, by the same rule, so they show the same number.
namespace WordCount {

// Each run of Latin-1 characters between blanks counts one, every other
// character counts one (the rule of the page's worker).
int countWords(const QString &text);

// The text of `markdown` as rendered, without markup.
QString renderedText(const QString &markdown);

}
