#include "excelhelper.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <memory>
#include <vector>

namespace {
// Just enough of a document tree to find rows, their cells and the text below them.
struct Node {
    QString tag; // empty for text
    QString text;
    Node *parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;
};

bool isVoidElement(const QString &tag)
{
    static const QStringList voids{"area", "base", "br", "col", "embed", "hr", "img", "input",
                                   "link", "meta", "param", "source", "track", "wbr"};
    return voids.contains(tag);
}

QString decodeEntities(const QString &text)
{
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString decoded;
    for (int i = 0; i < text.size(); ++i) {
        const int end = text.at(i) == QLatin1Char('&') ? text.indexOf(QLatin1Char(';'), i) : -1;
        if (end < 0 || end - i > 10) {
            decoded += text.at(i);
            continue;
        }
        const QString name = text.mid(i + 1, end - i - 1);
        QString character;
        if (name == QLatin1String("amp")) character = QStringLiteral("&");
        else if (name == QLatin1String("lt")) character = QStringLiteral("<");
        else if (name == QLatin1String("gt")) character = QStringLiteral(">");
        else if (name == QLatin1String("quot")) character = QStringLiteral("\"");
        else if (name == QLatin1String("apos")) character = QStringLiteral("'");
        else if (name == QLatin1String("nbsp")) character = QStringLiteral(" ");
        else if (name.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const uint code = name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive) ? name.mid(2).toUInt(&ok, 16)
                                                                                        : name.mid(1).toUInt(&ok, 10);
            if (ok && code > 0 && code <= 0x10FFFF)
                character = QString::fromUcs4(&code, 1);
        }
        if (character.isNull()) {
            decoded += text.at(i);
            continue;
        }
        decoded += character;
        i = end;
    }
    return decoded;
}

// Reads `html` into a tree; end tags close the nearest open element of their name.
bool parse(const QString &html, Node &root)
{
    Node *open = &root;
    bool sawElement = false;
    int i = 0;
    while (i < html.size()) {
        if (html.at(i) != QLatin1Char('<')) {
            int next = html.indexOf(QLatin1Char('<'), i);
            if (next < 0)
                next = html.size();
            auto text = std::make_unique<Node>();
            text->text = decodeEntities(html.mid(i, next - i));
            text->parent = open;
            open->children.push_back(std::move(text));
            i = next;
            continue;
        }
        if (html.midRef(i, 4) == QLatin1String("<!--")) {
            const int end = html.indexOf(QLatin1String("-->"), i + 4);
            if (end < 0)
                return false;
            i = end + 3;
            continue;
        }
        const int end = html.indexOf(QLatin1Char('>'), i);
        if (end < 0)
            return false;
        const QString inside = html.mid(i + 1, end - i - 1).trimmed();
        i = end + 1;
        if (inside.startsWith(QLatin1Char('!')) || inside.startsWith(QLatin1Char('?')))
            continue;
        const bool closing = inside.startsWith(QLatin1Char('/'));
        static const QRegularExpression nameEnd(QStringLiteral("[\\s/]"));
        const QString tag = (closing ? inside.mid(1) : inside).section(nameEnd, 0, 0).toLower();
        if (tag.isEmpty())
            return false;
        sawElement = true;
        if (closing) {
            for (Node *element = open; element != &root; element = element->parent) {
                if (element->tag == tag) {
                    open = element->parent;
                    break;
                }
            }
            continue;
        }
        // A cell or row that is not closed ends where the next one starts, as in HTML.
        const bool cell = tag == QLatin1String("td") || tag == QLatin1String("th");
        if (cell || tag == QLatin1String("tr")) {
            while (open != &root
                   && (open->tag == QLatin1String("td") || open->tag == QLatin1String("th")
                       || (!cell && open->tag == QLatin1String("tr"))))
                open = open->parent;
        }
        auto element = std::make_unique<Node>();
        element->tag = tag;
        element->parent = open;
        Node *made = element.get();
        open->children.push_back(std::move(element));
        if (!isVoidElement(tag) && !inside.endsWith(QLatin1Char('/')))
            open = made;
    }
    return sawElement;
}

QString textContent(const Node &node)
{
    QString text = node.text;
    for (const auto &child : node.children)
        text += textContent(*child);
    return text;
}

void collectRows(const Node &node, QList<QStringList> &rows)
{
    if (node.tag == QLatin1String("tr")) {
        QStringList cells;
        for (const auto &child : node.children)
            if (child->tag == QLatin1String("td") || child->tag == QLatin1String("th"))
                cells << textContent(*child).trimmed();
        rows << cells;
    }
    for (const auto &child : node.children)
        collectRows(*child, rows);
}
}

QList<QStringList> ExcelHelper::tableRows(const QString &html, bool *parsed)
{
    Node root;
    QList<QStringList> rows;
    *parsed = parse(html, root);
    if (*parsed)
        collectRows(root, rows);
    return rows;
}

bool ExcelHelper::writeWorkbook(const QList<QStringList> &rows, const QString &path)
{
    // The workbook is made in a private folder and copied in whole, so a
    // failed export never leaves half a file at the chosen place.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return false;
    const QByteArray draft = QFile::encodeName(scratch.filePath(QStringLiteral("export.xlsx")));
    lxw_workbook *workbook = workbook_new(draft.constData());
    if (!workbook)
        return false;
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
    bool written = sheet != nullptr;
    for (int row = 0; written && row < rows.size(); ++row)
        for (int column = 0; written && column < rows[row].size(); ++column)
            written = worksheet_write_string(sheet, row, column, rows[row][column].toUtf8().constData(), nullptr)
                == LXW_NO_ERROR;
    if (workbook_close(workbook) != LXW_NO_ERROR || !written)
        return false;
    QFile made(QFile::decodeName(draft));
    QSaveFile target(path);
    if (!made.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
        return false;
    target.write(made.readAll());
    return target.commit();
}

void ExcelHelper::exportToExcel(const QString &html, const QString &startPath)
{
    if (html.isEmpty()) {
        QMessageBox::warning(nullptr, tr("Export Failed"), tr("The HTML content is empty."), QMessageBox::Ok);
        return;
    }
    bool parsed = false;
    const QList<QStringList> rows = tableRows(html, &parsed);
    if (!parsed) {
        QMessageBox::critical(nullptr, tr("Export Failed"), tr("Failed to parse HTML content."), QMessageBox::Ok);
        return;
    }
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QString path = QFileDialog::getSaveFileName(nullptr, tr("Save Excel"),
                                                      startPath.isEmpty() ? desktop + QStringLiteral("/export.xlsx") : startPath,
                                                      tr("Excel Files (*.xlsx)"));
    if (path.isEmpty())
        return;
    if (writeWorkbook(rows, path))
        QMessageBox::information(nullptr, tr("Export Success"), tr("File saved successfully to:\n%1").arg(path));
    else
        QMessageBox::critical(nullptr, tr("Export Failed"), tr("Could not save the file. Please check permissions."));
}
