#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

// Writes one table of the page into an .xlsx workbook, one sheet row per
// table row, every cell as text.
class ExcelHelper : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Asks for the file and reports the result itself.
    // `startPath`: where the file dialog starts; the desktop when empty.
    void exportToExcel(const QString &html, const QString &startPath = QString());

    // The cell texts of every "tr" of `html`, read leniently as HTML; `parsed`
    // is false when `html` is not markup at all or ends inside a tag.
    static QList<QStringList> tableRows(const QString &html, bool *parsed);
    static bool writeWorkbook(const QList<QStringList> &rows, const QString &path);
};
