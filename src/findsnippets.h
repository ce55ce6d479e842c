#pragma once

#include <QString>

// The page scripts behind Find and Replace. Every text put between quotes in
// them goes through escapeForJs first.
namespace FindSnippets {

QString escapeForJs(const QString &text);

// Answers whether a match was found and selected, wrapping round once.
QString find(const QString &text, bool caseSensitive, bool backwards);
// As the text is typed: a match may begin where the selection begins, so the
// search goes on from where it began rather than past the partial match.
QString findAsTyped(const QString &text, bool caseSensitive);
// Replaces the selection when it is a match (finding one first when nothing is
// selected); answers whether it replaced.
QString replace(const QString &text, const QString &replacement, bool caseSensitive);
// Replaces every match from the top of the document; answers the count.
QString replaceAll(const QString &text, const QString &replacement, bool caseSensitive);

}
