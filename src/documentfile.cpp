#include "documentfile.h"

#include <QStandardPaths>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextCodec>

#include <uchardet.h>

namespace {

struct ByteOrderMark {
    QByteArray bytes;
    const char *encoding;
};

// UTF-32 first: its little-endian mark begins with UTF-16's.
const ByteOrderMark byteOrderMarks[] = {
    {QByteArray("\x00\x00\xFE\xFF", 4), "UTF-32BE"},
    {QByteArray("\xFF\xFE\x00\x00", 4), "UTF-32LE"},
    {QByteArray("\xFE\xFF", 2), "UTF-16BE"},
    {QByteArray("\xFF\xFE", 2), "UTF-16LE"},
    {QByteArray("\xEF\xBB\xBF", 3), "UTF-8"},
};

// The detector reads this much at most: enough to tell, quick on any file.
constexpr int detectionSampleBytes = 1024 * 1024;

QByteArray markFor(const QByteArray &encoding)
{
    for (const ByteOrderMark &mark : byteOrderMarks)
        if (encoding == mark.encoding)
            return mark.bytes;
    return QByteArray();
}

// Decodes without dropping or adding byte-order marks: the file's own was
// taken off already, and a second one is text.
QString toUnicode(QTextCodec *codec, const char *data, int size, int *invalid = nullptr)
{
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const QString text = codec->toUnicode(data, size, &state);
    if (invalid)
        *invalid = state.invalidChars + state.remainingChars;
    return text;
}

QTextCodec *guessedCodec(const QByteArray &bytes)
{
    QTextCodec *codec = nullptr;
    uchardet_t detector = uchardet_new();
    if (uchardet_handle_data(detector, bytes.constData(), size_t(qMin(bytes.size(), detectionSampleBytes))) == 0) {
        uchardet_data_end(detector);
        codec = QTextCodec::codecForName(uchardet_get_charset(detector));
    }
    uchardet_delete(detector);
    // The bytes are no valid UTF-8, whatever the detector says.
    if (!codec || codec->mibEnum() == 106 || codec->mibEnum() == 3)
        codec = QTextCodec::codecForName("windows-1252");
    return codec;
}

DiskFacts::LineEnd mostCommonLineEnd(const QString &text)
{
    const int crLf = text.count(QLatin1String("\r\n"));
    const int cr = text.count(QLatin1Char('\r')) - crLf;
    const int lf = text.count(QLatin1Char('\n')) - crLf;
    if (crLf == 0 && cr == 0 && lf == 0)
        return DiskFacts::platformLineEnd();
    if (crLf > lf && crLf >= cr)
        return DiskFacts::LineEnd::CrLf;
    if (cr > lf && cr > crLf)
        return DiskFacts::LineEnd::Cr;
    return DiskFacts::LineEnd::Lf;
}

QString withLineEnds(const QString &text, DiskFacts::LineEnd lineEnd)
{
    if (lineEnd == DiskFacts::LineEnd::Lf)
        return text;
    QString converted = text;
    converted.replace(QLatin1Char('\n'), lineEnd == DiskFacts::LineEnd::CrLf ? QLatin1String("\r\n") : QLatin1String("\r"));
    return converted;
}

void takeFileTimes(const QString &path, DiskFacts *facts)
{
    const QFileInfo info(path);
    facts->size = info.size();
    facts->modified = info.lastModified();
}

}

DiskFacts::LineEnd DiskFacts::platformLineEnd()
{
#ifdef Q_OS_WIN
    return LineEnd::CrLf;
#else
    return LineEnd::Lf;
#endif
}

namespace MarkdownFile {

QByteArray fingerprint(const QString &text)
{
    return QCryptographicHash::hash(
        QByteArray::fromRawData(reinterpret_cast<const char *>(text.constData()), text.size() * int(sizeof(QChar))),
        QCryptographicHash::Sha1);
}

bool decode(const QByteArray &bytes, QString *text, DiskFacts *facts)
{
    DiskFacts found;
    found.bytes = bytes;
    int start = 0;
    for (const ByteOrderMark &mark : byteOrderMarks) {
        if (bytes.startsWith(mark.bytes)) {
            found.encoding = mark.encoding;
            found.byteOrderMark = true;
            start = mark.bytes.size();
            break;
        }
    }
    QString decoded;
    if (found.byteOrderMark) {
        decoded = toUnicode(QTextCodec::codecForName(found.encoding), bytes.constData() + start, bytes.size() - start);
    } else {
        if (bytes.contains('\0'))
            return false;
        int invalid = 0;
        decoded = toUnicode(QTextCodec::codecForMib(106), bytes.constData(), bytes.size(), &invalid);
        if (invalid > 0) {
            QTextCodec *codec = guessedCodec(bytes);
            found.encoding = codec->name();
            found.guessedEncoding = true;
            decoded = toUnicode(codec, bytes.constData(), bytes.size());
        }
    }
    found.lineEnd = mostCommonLineEnd(decoded);
    decoded.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    decoded.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    found.textFingerprint = fingerprint(decoded);
    found.textLength = decoded.size();
    *text = decoded;
    *facts = found;
    return true;
}

bool read(const QString &path, QString *text, DiskFacts *facts, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    if (!decode(bytes, text, facts)) {
        *error = QCoreApplication::translate("MarkdownFile", "it holds NUL bytes, so it is not a text file");
        return false;
    }
    takeFileTimes(path, facts);
    return true;
}

// The Unicode encodings hold every character; asking would encode the whole text once more.
bool canEncode(const QString &text, const DiskFacts &facts)
{
    if (facts.encoding.startsWith("UTF-"))
        return true;
    QTextCodec *codec = QTextCodec::codecForName(facts.encoding);
    return codec && codec->canEncode(text);
}

QByteArray encode(const QString &text, const DiskFacts &facts)
{
    if (text.size() == facts.textLength && fingerprint(text) == facts.textFingerprint)
        return facts.bytes;
    QTextCodec *codec = QTextCodec::codecForName(facts.encoding);
    if (!codec)
        codec = QTextCodec::codecForMib(106);
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const QString lines = withLineEnds(text, facts.lineEnd);
    const QByteArray body = codec->fromUnicode(lines.constData(), lines.size(), &state);
    return facts.byteOrderMark ? markFor(facts.encoding) + body : body;
}

bool write(const QString &path, const QString &text, DiskFacts *facts, QString *error)
{
    const QByteArray bytes = encode(text, *facts);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    // New bytes hold the text in its own encoding and line ends, which encode
    // gives again without a fingerprint; the bytes as read keep theirs.
    if (bytes != facts->bytes) {
        facts->bytes = bytes;
        facts->textFingerprint.clear();
        facts->textLength = -1;
    }
    takeFileTimes(path, facts);
    return true;
}

DiskState check(const QString &path, DiskFacts *facts)
{
    const QFileInfo info(path);
    if (!info.exists())
        return DiskState::Missing;
    if (info.size() == facts->size && info.lastModified() == facts->modified)
        return DiskState::Unchanged;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.readAll() != facts->bytes)
        return DiskState::Changed;
    takeFileTimes(path, facts);
    return DiskState::Unchanged;
}

}

QString suggestedFileName(const QString &outlineFirstEntry, const QString &markdown)
{
    static const QRegularExpression forbidden(QStringLiteral("[\\\\/:*?\"<>|\\r\\n]"));
    static const QRegularExpression heading(QStringLiteral("^#{1,2}[ \\t]+(.+?)[ \\t#]*$"),
                                            QRegularExpression::MultilineOption);
    QString name = outlineFirstEntry;
    if (name.isEmpty()) {
        const QRegularExpressionMatch match = heading.match(markdown);
        name = match.hasMatch() ? match.captured(1) : markdown.left(20);
    }
    name = name.remove(forbidden).trimmed();
    return name.isEmpty() ? QString() : name + QStringLiteral(".md");
}

QString pathBesideDocument(const QString &documentPath, const QString &fallbackName, const QString &suffix)
{
    if (!documentPath.isEmpty()) {
        const QFileInfo document(documentPath);
        return document.absolutePath() + QLatin1Char('/') + document.completeBaseName() + suffix;
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name = QFileInfo(fallbackName).completeBaseName();
    return folder + QLatin1Char('/') + (name.isEmpty() ? QStringLiteral("Untitled") : name) + suffix;
}
