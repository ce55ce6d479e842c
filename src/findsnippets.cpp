#include "findsnippets.h"

namespace FindSnippets {

namespace {
QString flag(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// Code blocks and formulas are drawn by their own libraries from their own
// text; changing their drawing in place would corrupt them.
const QString insideWidget = QStringLiteral(
    "function insideWidget(range) {"
    " var node = range.commonAncestorContainer;"
    " var element = node.nodeType === 1 ? node : node.parentElement;"
    " return !element || !document.getElementById('bodyeditor').contains(element) ||"
    " !!element.closest('.cm-editor-wrapper, x-equation');"
    "}");
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
    return QStringLiteral("document.getElementById('bodyeditor').focus();"
                          "var found = window.find('%1', %2, %3, false, false, false);"
                          "if (!found) found = window.find('%1', %2, %3, true, false, false);"
                          "found;")
        .arg(escapeForJs(text), flag(caseSensitive), flag(backwards));
}

QString replace(const QString &text, const QString &replacement, bool caseSensitive)
{
    const QString search = escapeForJs(text);
    const QString matchTest = caseSensitive
        ? QStringLiteral("selectedText === '%1'").arg(search)
        : QStringLiteral("selectedText.toLowerCase() === '%1'.toLowerCase()").arg(search);
    return QStringLiteral("(function () {") + insideWidget
        + QStringLiteral("document.getElementById('bodyeditor').focus();"
                         "var selection = window.getSelection();"
                         "if (selection.rangeCount === 0) {"
                         " var found = window.find('%1', %2, false, false, false, false);"
                         " if (found) selection = window.getSelection();"
                         "}"
                         "if (selection.rangeCount === 0) return false;"
                         "var selectedText = selection.toString();"
                         "var isMatch = %3 && !insideWidget(selection.getRangeAt(0));"
                         "if (!isMatch) return false;"
                         "var range = selection.getRangeAt(0);"
                         "range.deleteContents();"
                         "var textNode = document.createTextNode('%4');"
                         "range.insertNode(textNode);"
                         "range.setStartAfter(textNode);"
                         "range.collapse(true);"
                         "selection.removeAllRanges();"
                         "selection.addRange(range);"
                         "markModified();"
                         "return true;"
                         "})()")
              .arg(search, flag(caseSensitive), matchTest, escapeForJs(replacement));
}

QString replaceAll(const QString &text, const QString &replacement, bool caseSensitive)
{
    return QStringLiteral("(function () {") + insideWidget
        + QStringLiteral("var body = document.getElementById('bodyeditor');"
                         "body.focus();"
                         "var count = 0;"
                         "var caseSensitive = %1;"
                         "var findText = '%2';"
                         "var replaceText = '%3';"
                         "var selection = window.getSelection();"
                         "var start = document.createRange();"
                         "start.setStart(body, 0);"
                         "start.collapse(true);"
                         "selection.removeAllRanges();"
                         "selection.addRange(start);"
                         "while (window.find(findText, caseSensitive, false, false, false, false)) {"
                         " var range = selection.getRangeAt(0);"
                         " if (!insideWidget(range)) {"
                         "  range.deleteContents();"
                         "  var node = document.createTextNode(replaceText);"
                         "  range.insertNode(node);"
                         "  range.setStartAfter(node);"
                         "  count++;"
                         " }"
                         " range.collapse(false);"
                         " selection.removeAllRanges();"
                         " selection.addRange(range);"
                         "}"
                         "if (count > 0) markModified();"
                         "return count;"
                         "})()")
              .arg(flag(caseSensitive), escapeForJs(text), escapeForJs(replacement));
}

}
