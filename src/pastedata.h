#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

class QMimeData;
class DocumentConverter;

// What pasted or dropped data becomes in the page: records for
// Content::dealCopySignal ("img", "a", "html").
namespace PasteData {

// Plain text as HTML that shows exactly that text, line breaks included.
QString plainTextAsHtml(const QString &text);

struct Records {
    QList<QJsonObject> records;
    // The same as Markdown, for the Source Code Editor.
    QString markdown;
    // Image data cannot be kept for a document that has no folder yet.
    bool imageNeedsSavedDocument = false;
};

// Saves image data and copies dropped files as the settings say; `documentPath`
// is empty for an untitled document.
Records recordsFor(const QMimeData &data, const QString &documentPath, const DocumentConverter &converter);

}
