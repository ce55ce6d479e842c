#include "UniversalImageUploader.h"

#include <QFile>
#include <QFileInfo>
#include <QHttpMultiPart>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

QHttpPart formPart(const QString &disposition)
{
    QHttpPart part;
    part.setHeader(QNetworkRequest::ContentDispositionHeader, disposition);
    return part;
}

// Follows a dot path ("data.public_url", "files.0.url") through the reply;
// anything that does not lead to a JSON string gives an empty text.
QString stringAtPath(const QJsonObject &reply, const QString &path)
{
    QJsonValue current = reply;
    for (const QString &piece : path.split(QLatin1Char('.'), Qt::SkipEmptyParts)) {
        if (current.isObject()) {
            current = current.toObject().value(piece);
            if (current.isUndefined())
                current = QJsonValue::Null;
        } else if (current.isArray()) {
            const QJsonArray array = current.toArray();
            bool isNumber = false;
            const int index = piece.toInt(&isNumber, 10);
            if (!isNumber || index < 0 || index >= array.size())
                return QString();
            current = array.at(index);
        } else {
            return QString();
        }
    }
    return current.toString().trimmed();
}

}

UniversalImageUploader::UniversalImageUploader(QObject *parent)
    : QObject(parent), network(new QNetworkAccessManager(this))
{
    connect(network, &QNetworkAccessManager::finished, this, &UniversalImageUploader::onReplyFinished);
}

void UniversalImageUploader::upload(const QString &filePath, const ImageHostConfig &config)
{
    currentConfig = config;
    auto *file = new QFile(filePath);
    if (!file->open(QIODevice::ReadOnly)) {
        delete file;
        emit uploadFailed(tr("Failed to open file."));
        return;
    }

    QNetworkRequest request(QUrl::fromUserInput(config.uploadUrl));
    for (auto it = config.headers.cbegin(); it != config.headers.cend(); ++it)
        request.setRawHeader(it.key().toUtf8(), it.value().toUtf8());

    auto *body = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    for (auto it = config.formParams.cbegin(); it != config.formParams.cend(); ++it) {
        QHttpPart part = formPart(QStringLiteral("form-data; name=\"%1\"").arg(it.key()));
        part.setBody(it.value().toUtf8());
        body->append(part);
    }
    QHttpPart filePart = formPart(QStringLiteral("form-data; name=\"%1\"; filename=\"%2\"")
                                      .arg(config.fileFieldName, QFileInfo(filePath).fileName()));
    filePart.setBodyDevice(file);
    file->setParent(body);
    body->append(filePart);

    // Hosts take uploads as POST whatever method the record names.
    QNetworkReply *reply = network->post(request, body);
    body->setParent(reply);
}

void UniversalImageUploader::onReplyFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    const QByteArray data = reply->readAll();
    if (reply->error() != QNetworkReply::NoError) {
        emit uploadFailed(tr("Network error: %1").arg(reply->errorString()));
        return;
    }
    const QJsonDocument document = QJsonDocument::fromJson(data);
    if (!document.isObject()) {
        emit uploadFailed(tr("Response is not a valid JSON object."));
        return;
    }
    const QString url = stringAtPath(document.object(), currentConfig.jsonUrlPath);
    if (url.isEmpty())
        emit uploadFailed(tr("Failed to parse image URL from JSON."));
    else
        emit uploadSuccess(url);
}
