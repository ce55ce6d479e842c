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

// An address as a Markdown link destination: in angle brackets when it holds spaces.
QString markdownAddress(const QString &path)
{
    return path.contains(QLatin1Char(' ')) ? QLatin1Char('<') + path + QLatin1Char('>') : path;
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
        if (!saved.path.isEmpty()) {
            const QString path = forwardSlashes(ImagePlacement::pathForDocument(documentPath, saved.path));
            result.records << fileRecord(saved.fileName, path, QStringLiteral("img"));
            result.markdown = QStringLiteral("![](%1)").arg(markdownAddress(path));
        }
    } else if (data.hasHtml()) {
        result.markdown = converter.htmlToMarkdown(data.html()).trimmed();
        result.records << htmlRecord(converter.markdownToHtml(result.markdown.toStdString()));
    } else if (data.hasUrls()) {
        const QMimeDatabase mimeTypes;
        for (const QUrl &url : data.urls()) {
            if (!url.isLocalFile())
                continue;
            const QString file = url.toLocalFile();
            const bool image = mimeTypes.mimeTypeForFile(file).name().startsWith(QStringLiteral("image/"));
            const QString placed = ImagePlacement::placeImageFile(documentPath, file);
            const QString path = forwardSlashes(ImagePlacement::pathForDocument(documentPath, placed));
            result.records << fileRecord(url.fileName(), path, image ? QStringLiteral("img") : QStringLiteral("a"));
            result.markdown += (result.markdown.isEmpty() ? QString() : QStringLiteral("\n"))
                + (image ? QStringLiteral("![%1](%2)") : QStringLiteral("[%1](%2)"))
                      .arg(url.fileName().toHtmlEscaped(), markdownAddress(path));
        }
    } else if (data.hasText()) {
        result.records << htmlRecord(plainTextAsHtml(data.text()));
        result.markdown = data.text();
    }
    return result;
}

}
