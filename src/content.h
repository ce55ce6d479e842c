#pragma once

#include <QObject>
#include <QString>

// The bridge object published to the editor page as "content" (contentObj).
// The page calls its slots; the native side talks to the page through its signals.
class Content : public QObject
{
    Q_OBJECT
public:
    explicit Content(QObject *parent = nullptr);

public slots:
    void updateModifyStatus(bool status);

signals:
    void setHtmlSignal(const QString &html);
    void updateModifyStatusSignal(bool status);
};
