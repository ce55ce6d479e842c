#pragma once

#include <QString>
#include <QUrl>

// What a link in a document leads to, and so what opening it may do: web
// and mail addresses go to the browser, a Markdown file opens in the
// program, an anchor moves within the page, anything else local or of
// another scheme is asked about first, and script is never run.
struct LinkTarget {
    enum Kind { Web, Anchor, MarkdownFile, Other, Script };

    Kind kind = Other;
    QUrl url;         // resolved against the document's folder
    QString fragment; // of an anchor, decoded

    static LinkTarget of(const QString &href, const QString &documentPath);
};
