#pragma once

#include "ImageHostConfig.h"

#include <QObject>

class QNetworkAccessManager;
class QNetworkReply;

// Posts one image file to an image host as multipart form data and reports the
// image URL found in the host's JSON reply.
class UniversalImageUploader : public QObject
{
    Q_OBJECT
public:
    explicit UniversalImageUploader(QObject *parent = nullptr);

    // Exactly one of the two signals follows each call. The reply is read with
    // the host of the latest call, so start one upload at a time.
    void upload(const QString &filePath, const ImageHostConfig &config);

signals:
    void uploadSuccess(const QString &url);
    void uploadFailed(const QString &err);

public slots:
    void onReplyFinished(QNetworkReply *reply);

private:
    QNetworkAccessManager *network = nullptr;
    ImageHostConfig currentConfig;
};
