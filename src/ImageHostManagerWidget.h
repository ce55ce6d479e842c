#pragma once

#include "ImageHostConfig.h"

#include <QDialog>

class QTableWidget;
class UniversalImageUploader;

// Lists the image hosts, edits them and tries one out. Every change is
// written to the store at once.
class ImageHostManagerWidget : public QDialog
{
    Q_OBJECT
public:
    explicit ImageHostManagerWidget(QWidget *parent = nullptr);

public slots:
    void addNew();
    void editCurrent();
    void deleteCurrent();
    void testSelectedHost();
    void refreshTable();
    void loadFromSettings();
    void saveToSettings();

private:
    void showUploadSuccess(const QString &url);
    void showUploadFailure(const QString &error);

    QList<ImageHostConfig> hosts;
    QTableWidget *table = nullptr;
    UniversalImageUploader *uploader = nullptr;
};
