#include "ImageHostEditDialog.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

ImageHostEditDialog::ImageHostEditDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Image Host Configuration"));
    setFixedSize(650, 650);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(10);

    auto *form = new QFormLayout;
    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName(QStringLiteral("nameEdit"));
    uploadUrlEdit = new QLineEdit(this);
    uploadUrlEdit->setObjectName(QStringLiteral("uploadUrlEdit"));
    methodBox = new QComboBox(this);
    methodBox->setObjectName(QStringLiteral("methodBox"));
    methodBox->addItems({QStringLiteral("POST"), QStringLiteral("GET")});
    fileFieldEdit = new QLineEdit(QStringLiteral("file"), this);
    fileFieldEdit->setObjectName(QStringLiteral("fileFieldEdit"));
    jsonPathEdit = new QLineEdit(QStringLiteral("data.public_url"), this);
    jsonPathEdit->setObjectName(QStringLiteral("jsonPathEdit"));
    form->addRow(tr("Name"), nameEdit);
    form->addRow(tr("Upload URL"), uploadUrlEdit);
    form->addRow(tr("Request Method"), methodBox);
    form->addRow(tr("File Field"), fileFieldEdit);
    form->addRow(tr("JSON URL Path"), jsonPathEdit);
    layout->addLayout(form);

    const auto addTableSection = [this, layout](const QString &title, const QString &name) {
        layout->addWidget(new QLabel(title, this));
        auto *buttons = new QHBoxLayout;
        auto *add = new QPushButton(tr("Add"), this);
        add->setObjectName(name + QStringLiteral("Add"));
        auto *remove = new QPushButton(tr("Delete"), this);
        remove->setObjectName(name + QStringLiteral("Delete"));
        buttons->addWidget(add);
        buttons->addWidget(remove);
        buttons->addStretch();
        layout->addLayout(buttons);
        QTableWidget *table = createKeyValueTable(name);
        layout->addWidget(table);
        connect(add, &QPushButton::clicked, table, [this, table] { appendRow(table, QString(), QString()); });
        connect(remove, &QPushButton::clicked, table, [table] {
            if (table->currentRow() >= 0)
                table->removeRow(table->currentRow());
        });
        return table;
    };
    headersTable = addTableSection(tr("Request Headers"), QStringLiteral("headersTable"));
    formParamsTable = addTableSection(tr("Form Parameters"), QStringLiteral("formParamsTable"));
    appendRow(headersTable, QStringLiteral("Accept"), QStringLiteral("application/json"));

    auto *closing = new QHBoxLayout;
    closing->addStretch();
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    closing->addWidget(ok);
    closing->addWidget(cancel);
    layout->addLayout(closing);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QTableWidget *ImageHostEditDialog::createKeyValueTable(const QString &objectName)
{
    auto *table = new QTableWidget(0, 2, this);
    table->setObjectName(objectName);
    table->setHorizontalHeaderLabels({tr("Key"), tr("Value")});
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setVisible(false);
    return table;
}

void ImageHostEditDialog::appendRow(QTableWidget *table, const QString &key, const QString &value)
{
    const int row = table->rowCount();
    table->insertRow(row);
    const QString texts[] = {key, value};
    for (int column = 0; column < 2; ++column) {
        auto *cell = new QLineEdit(texts[column], table);
        cell->setFrame(false);
        cell->installEventFilter(this);
        table->setCellWidget(row, column, cell);
    }
    table->setCurrentCell(row, 0);
}

bool ImageHostEditDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        for (QTableWidget *table : {headersTable, formParamsTable}) {
            if (!table)
                continue;
            for (int row = 0; row < table->rowCount(); ++row)
                for (int column = 0; column < 2; ++column)
                    if (table->cellWidget(row, column) == watched)
                        table->setCurrentCell(row, column);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ImageHostEditDialog::fillTable(QTableWidget *table, const QMap<QString, QString> &entries)
{
    table->setRowCount(0);
    for (auto it = entries.cbegin(); it != entries.cend(); ++it)
        appendRow(table, it.key(), it.value());
}

QMap<QString, QString> ImageHostEditDialog::readTable(const QTableWidget *table)
{
    QMap<QString, QString> entries;
    for (int row = 0; row < table->rowCount(); ++row) {
        const auto *key = qobject_cast<const QLineEdit *>(table->cellWidget(row, 0));
        const auto *value = qobject_cast<const QLineEdit *>(table->cellWidget(row, 1));
        const QString trimmedKey = key ? key->text().trimmed() : QString();
        if (!trimmedKey.isEmpty())
            entries.insert(trimmedKey, value ? value->text().trimmed() : QString());
    }
    return entries;
}

void ImageHostEditDialog::setConfig(const ImageHostConfig &config)
{
    nameEdit->setText(config.name);
    uploadUrlEdit->setText(config.uploadUrl);
    const int method = methodBox->findText(config.method);
    if (method >= 0)
        methodBox->setCurrentIndex(method);
    fileFieldEdit->setText(config.fileFieldName);
    jsonPathEdit->setText(config.jsonUrlPath);
    fillTable(headersTable, config.headers);
    fillTable(formParamsTable, config.formParams);
}

ImageHostConfig ImageHostEditDialog::config() const
{
    ImageHostConfig config;
    config.name = nameEdit->text().trimmed();
    config.uploadUrl = uploadUrlEdit->text().trimmed();
    config.method = methodBox->currentText().trimmed();
    config.fileFieldName = fileFieldEdit->text().trimmed();
    config.jsonUrlPath = jsonPathEdit->text().trimmed();
    config.headers = readTable(headersTable);
    config.formParams = readTable(formParamsTable);
    return config;
}
