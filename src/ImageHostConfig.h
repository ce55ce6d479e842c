#pragma once

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>

// One HTTP image host: where an image is posted, which form field carries it,
// what else goes with it, and where the reply's JSON keeps the image's URL.
struct ImageHostConfig {
    QString name;
    QString uploadUrl;
    QString method;
    QString fileFieldName;
    QString jsonUrlPath;
    QMap<QString, QString> headers;
    QMap<QString, QString> formParams;

    bool operator==(const ImageHostConfig &other) const;
    bool operator!=(const ImageHostConfig &other) const { return !(*this == other); }
};

Q_DECLARE_METATYPE(ImageHostConfig)
Q_DECLARE_METATYPE(QList<ImageHostConfig>)

void registerImageHostMetaTypes();

// The hosts live in a settings store of their own, apart from app.ini.
namespace ImageHostStore {
// Records without a name are left out.
QList<ImageHostConfig> load();
void save(const QList<ImageHostConfig> &hosts);
}
