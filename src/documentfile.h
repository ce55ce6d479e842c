#pragma once

#include <QString>

// Markdown files as the program reads and writes them: UTF-8, and the file's
// own line ends kept (the text in memory always uses "\n").
struct MarkdownFile {
    QString text;
    bool crlf = false; // the file's lines end in CR LF

    // The convention of files the program creates.
    static bool platformUsesCrLf();

    // Reads `path`; on failure returns false and sets `error` to the device's message.
    bool read(const QString &path, QString *error);

    // Writes `markdown` to `path` so that the old file stays whole until the
    // new one is complete; on failure returns false and sets `error`.
    static bool write(const QString &path, const QString &markdown, bool crlf, QString *error);
};

// The file name Save As suggests: the outline's first entry, else the first
// level-1 or level-2 heading, else the first 20 characters; without the
// characters file names may not hold, with ".md". Empty when nothing is left.
QString suggestedFileName(const QString &outlineFirstEntry, const QString &markdown);
