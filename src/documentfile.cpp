#include "documentfile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

bool MarkdownFile::platformUsesCrLf()
{
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}

bool MarkdownFile::read(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    crlf = bytes.contains("\r\n");
    text = QString::fromUtf8(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return true;
}

bool MarkdownFile::write(const QString &path, const QString &markdown, bool crlf, QString *error)
{
    QString text = markdown;
    if (crlf) {
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
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
