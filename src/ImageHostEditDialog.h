#pragma once

#include "ImageHostConfig.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QTableWidget;

// Edits one image host. It accepts whatever is entered; the store drops
// nameless hosts when it loads.
class ImageHostEditDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ImageHostEditDialog(QWidget *parent = nullptr);

    void setConfig(const ImageHostConfig &config);
    // The form's record, trimmed; rows without a key are left out and a repeated
    // key keeps the lower row's value.
    ImageHostConfig config() const;

protected:
    // Typing in a cell makes its row the current one, so "Delete" removes it.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTableWidget *createKeyValueTable(const QString &objectName);
    void appendRow(QTableWidget *table, const QString &key, const QString &value);
    void fillTable(QTableWidget *table, const QMap<QString, QString> &entries);
    static QMap<QString, QString> readTable(const QTableWidget *table);

    QLineEdit *nameEdit = nullptr;
    QLineEdit *uploadUrlEdit = nullptr;
    QComboBox *methodBox = nullptr;
    QLineEdit *fileFieldEdit = nullptr;
    QLineEdit *jsonPathEdit = nullptr;
    QTableWidget *headersTable = nullptr;
    QTableWidget *formParamsTable = nullptr;
};
