#pragma once

#include <QChar>
#include <QString>

// Whether the lines of Markdown read so far leave a fenced code block open:
// it opens with "```" or "~~~" or longer, indented by at most three columns,
// and closes with a line of the same character alone, at least as long.
struct CodeFence {
    QChar character; // none outside code
    int length = 0;

    bool isOpen() const { return length > 0; }
    // Takes the next line; true when it is code or one of its fences.
    bool follow(const QString &line);
};
