#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMetaType>
#include <QString>

// How a Markdown file looked on disk when it was last read or written: what
// it takes to write the document back the way it came, and to tell whether
// another program changed the file since. The text in memory always ends its
// lines in "\n"; the file keeps its own encoding, byte-order mark and line ends.
struct DiskFacts {
    enum class LineEnd { Lf, CrLf, Cr };

    QByteArray encoding = "UTF-8"; // a QTextCodec name
    bool byteOrderMark = false;
    // The encoding was guessed: the file is neither UTF-8 nor marked by a byte-order mark.
    bool guessedEncoding = false;
    LineEnd lineEnd = platformLineEnd();
    // The file's bytes, and for a file as it was read a fingerprint of the
    // text they hold: a document whose text is unchanged is written back as
    // exactly these bytes, whatever line ends or stray bytes they had.
    QByteArray bytes;
    QByteArray textFingerprint;
    int textLength = -1;
    qint64 size = -1;
    QDateTime modified;

    static LineEnd platformLineEnd();
};

namespace MarkdownFile {

enum class DiskState { Unchanged, Changed, Missing };

// Reads `path`. Fails with a message in `error` when the file cannot be read
// or holds NUL bytes without being UTF-16 or UTF-32 (it is then no text file).
bool read(const QString &path, QString *text, DiskFacts *facts, QString *error);

// Decodes a file's bytes as `read` does; false for bytes that are no text.
bool decode(const QByteArray &bytes, QString *text, DiskFacts *facts);

// Whether the file's encoding can hold every character of `text`.
bool canEncode(const QString &text, const DiskFacts &facts);

// The bytes `text` is written as: the file's own bytes when the text is the
// one they hold, else the text in the file's encoding and line ends.
QByteArray encode(const QString &text, const DiskFacts &facts);

// Writes `text` to `path` so that the old file stays whole until the new one
// is complete; on success `facts` describe the new file.
bool write(const QString &path, const QString &text, DiskFacts *facts, QString *error);

// Whether the file at `path` still holds what `facts` describe. A file only
// touched, with the same bytes, counts as unchanged and `facts` take its new time.
DiskState check(const QString &path, DiskFacts *facts);

QByteArray fingerprint(const QString &text);

}

Q_DECLARE_METATYPE(MarkdownFile::DiskState)

// The file name Save As suggests: the outline's first entry, else the first
// level-1 or level-2 heading, else the first 20 characters; without the
// characters file names may not hold, with ".md". Empty when nothing is left.
QString suggestedFileName(const QString &outlineFirstEntry, const QString &markdown);

// Where a dialog that writes a file made from the document starts: in the
// document's folder (the documents folder for a new one), named after the
// document (else `fallbackName`) with `suffix` (".html").
QString pathBesideDocument(const QString &documentPath, const QString &fallbackName, const QString &suffix);
