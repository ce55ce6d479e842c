#include "ImageHostConfig.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

bool ImageHostConfig::operator==(const ImageHostConfig &other) const
{
    return name == other.name && uploadUrl == other.uploadUrl && method == other.method
        && fileFieldName == other.fileFieldName && jsonUrlPath == other.jsonUrlPath
        && headers == other.headers && formParams == other.formParams;
}

void registerImageHostMetaTypes()
{
    qRegisterMetaType<ImageHostConfig>("ImageHostConfig");
    qRegisterMetaType<QList<ImageHostConfig>>("QList<ImageHostConfig>");
}

namespace {

QJsonObject mapToJson(const QMap<QString, QString> &map)
{
    QJsonObject object;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

QMap<QString, QString> mapFromJson(const QJsonObject &object)
{
    QMap<QString, QString> map;
    for (auto it = object.begin(); it != object.end(); ++it)
        map.insert(it.key(), it.value().toString());
    return map;
}

// A record is kept as one compact JSON text, so the store stays readable and
// every field comes back exactly as written.
QString encode(const ImageHostConfig &host)
{
    const QJsonObject object{{"name", host.name},
                             {"uploadUrl", host.uploadUrl},
                             {"method", host.method},
                             {"fileFieldName", host.fileFieldName},
                             {"jsonUrlPath", host.jsonUrlPath},
                             {"headers", mapToJson(host.headers)},
                             {"formParams", mapToJson(host.formParams)}};
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

ImageHostConfig decode(const QString &text)
{
    const QJsonObject object = QJsonDocument::fromJson(text.toUtf8()).object();
    ImageHostConfig host;
    host.name = object.value("name").toString();
    host.uploadUrl = object.value("uploadUrl").toString();
    host.method = object.value("method").toString();
    host.fileFieldName = object.value("fileFieldName").toString();
    host.jsonUrlPath = object.value("jsonUrlPath").toString();
    host.headers = mapFromJson(object.value("headers").toObject());
    host.formParams = mapFromJson(object.value("formParams").toObject());
    return host;
}

QString hostKey(int index)
{
    return QStringLiteral("host_") + QString::number(index);
}

}

namespace ImageHostStore {

QList<ImageHostConfig> load()
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("MyApp"),
                    QStringLiteral("ImageHosts"));
    QList<ImageHostConfig> hosts;
    const int count = store.value(QStringLiteral("count"), 0).toInt();
    for (int i = 0; i < count; ++i) {
        const ImageHostConfig host = decode(store.value(hostKey(i)).toString());
        if (!host.name.isEmpty())
            hosts.append(host);
    }
    return hosts;
}

void save(const QList<ImageHostConfig> &hosts)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("MyApp"),
                    QStringLiteral("ImageHosts"));
    store.setValue(QStringLiteral("count"), hosts.size());
    for (int i = 0; i < hosts.size(); ++i)
        store.setValue(hostKey(i), encode(hosts.at(i)));
}

}
