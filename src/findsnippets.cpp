#include "findsnippets.h"

namespace FindSnippets {

namespace {
QString flag(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}
}

QString escapeForJs(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('\''), QStringLiteral("\\'"));
    escaped.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    escaped.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    escaped.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return escaped;
}

QString find(const QString &text, bool caseSensitive, bool backwards)
{
    return QStringLiteral("findText('%1', %2, %3)").arg(escapeForJs(text), flag(caseSensitive), flag(backwards));
}

QString findAsTyped(const QString &text, bool caseSensitive)
{
    return QStringLiteral("findText('%1', %2, false, true)").arg(escapeForJs(text), flag(caseSensitive));
}

QString replace(const QString &text, const QString &replacement, bool caseSensitive)
{
    return QStringLiteral("replaceSelectedMatch('%1', '%2', %3)")
        .arg(escapeForJs(text), escapeForJs(replacement), flag(caseSensitive));
}

QString replaceAll(const QString &text, const QString &replacement, bool caseSensitive)
{
    return QStringLiteral("replaceAllText('%1', '%2', %3)").arg(escapeForJs(text), escapeForJs(replacement), flag(caseSensitive));
}

}
