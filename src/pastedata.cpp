#include "pastedata.h"

#include "documentconverter.h"
#include "imageplacement.h"

#include <QImage>
#include <QMimeData>
#include <QMimeDatabase>
#include <QUrl>

namespace PasteData {

namespace {
QString forwardSlashes(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QJsonObject fileRecord(const QString &title, const QString &url, const QString &type)
{
    return {{QStringLiteral("title"), title}, {QStringLiteral("url"), url}, {QStringLiteral("type"), type}};
}

QJsonObject htmlRecord(const QString &html)
{
    return {{QStringLiteral("html"), html}, {QStringLiteral("type"), QStringLiteral("html")}};
}
}

QString plainTextAsHtml(const QString &text)
{
    QString html = text.toHtmlEscaped();
    html.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    html.replace(QLatin1Char('\n'), QStringLiteral("<br/>"));
    return html;
}

Records recordsFor(const QMimeData &data, const QString &documentPath, const DocumentConverter &converter)
{
    Records result;
    if (data.hasImage()) {
        if (documentPath.isEmpty()) {
            result.imageNeedsSavedDocument = true;
            return result;
        }
        const QImage image = qvariant_cast<QImage>(data.imageData());
        const ImagePlacement::SavedImage saved = ImagePlacement::saveClipboardImage(image, documentPath);
        if (!saved.path.isEmpty())
            result.records << fileRecord(saved.fileName,
                                         forwardSlashes(ImagePlacement::pathForDocument(documentPath, saved.path)),
                                         QStringLiteral("img"));
    } else if (data.hasHtml()) {
        const QString markdown = converter.htmlToMarkdown(data.html());
        result.records << htmlRecord(converter.markdownToHtml(markdown.toStdString()));
    } else if (data.hasUrls()) {
        const QMimeDatabase mimeTypes;
        for (const QUrl &url : data.urls()) {
            if (!url.isLocalFile())
                continue;
            const QString file = url.toLocalFile();
            const bool image = mimeTypes.mimeTypeForFile(file).name().startsWith(QStringLiteral("image/"));
            const QString placed = ImagePlacement::placeImageFile(documentPath, file);
            result.records << fileRecord(url.fileName(),
                                         forwardSlashes(ImagePlacement::pathForDocument(documentPath, placed)),
                                         image ? QStringLiteral("img") : QStringLiteral("a"));
        }
    } else if (data.hasText()) {
        result.records << htmlRecord(plainTextAsHtml(data.text()));
    }
    return result;
}

}
