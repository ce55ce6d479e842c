#include "ImageHostManagerWidget.h"

#include "ImageHostEditDialog.h"
#include "UniversalImageUploader.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

ImageHostManagerWidget::ImageHostManagerWidget(QWidget *parent) : QDialog(parent)
{
    registerImageHostMetaTypes();
    uploader = new UniversalImageUploader(this);
    setWindowTitle(tr("Image Host Manager"));
    setFixedSize(750, 480);

    auto *layout = new QVBoxLayout(this);
    auto *buttons = new QHBoxLayout;
    const auto addButton = [this, buttons](const QString &text, const QString &name, void (ImageHostManagerWidget::*slot)()) {
        auto *button = new QPushButton(text, this);
        button->setObjectName(name);
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, slot);
    };
    addButton(tr("Add"), QStringLiteral("addButton"), &ImageHostManagerWidget::addNew);
    addButton(tr("Edit"), QStringLiteral("editButton"), &ImageHostManagerWidget::editCurrent);
    addButton(tr("Delete"), QStringLiteral("deleteButton"), &ImageHostManagerWidget::deleteCurrent);
    addButton(tr("Test Upload"), QStringLiteral("testButton"), &ImageHostManagerWidget::testSelectedHost);
    buttons->addStretch();
    layout->addLayout(buttons);

    table = new QTableWidget(0, 4, this);
    table->setObjectName(QStringLiteral("hostTable"));
    table->setHorizontalHeaderLabels({tr("Name"), tr("Upload URL"), tr("File Field"), tr("JSON Path")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    // The address is the long one; the other columns take what their texts need.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table->verticalHeader()->setVisible(false);
    layout->addWidget(table);

    loadFromSettings();
    refreshTable();
}

void ImageHostManagerWidget::addNew()
{
    ImageHostEditDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    hosts.append(dialog.config());
    saveToSettings();
    refreshTable();
}

void ImageHostManagerWidget::editCurrent()
{
    const int row = table->currentRow();
    if (row < 0)
        return;
    ImageHostEditDialog dialog(this);
    dialog.setConfig(table->item(row, 0)->data(Qt::UserRole).value<ImageHostConfig>());
    if (dialog.exec() != QDialog::Accepted || row >= hosts.size())
        return;
    hosts[row] = dialog.config();
    saveToSettings();
    refreshTable();
}

void ImageHostManagerWidget::deleteCurrent()
{
    const int row = table->currentRow();
    if (row < 0)
        return;
    if (QMessageBox::question(this, tr("Confirm"), tr("Are you sure to delete?"), QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    if (row < hosts.size())
        hosts.removeAt(row);
    saveToSettings();
    refreshTable();
}

void ImageHostManagerWidget::testSelectedHost()
{
    const int row = table->currentRow();
    if (row < 0) {
        QMessageBox::warning(this, QString(), tr("Please select an image host first."), QMessageBox::Ok);
        return;
    }
    const ImageHostConfig host = table->item(row, 0)->data(Qt::UserRole).value<ImageHostConfig>();
    const QString file = QFileDialog::getOpenFileName(this, QString(), QString(), tr("Images (*.png *.jpg *.jpeg)"));
    if (file.isEmpty())
        return;
    // Connected for this test only, so each test reports exactly once.
    connect(uploader, &UniversalImageUploader::uploadSuccess, this, &ImageHostManagerWidget::showUploadSuccess);
    connect(uploader, &UniversalImageUploader::uploadFailed, this, &ImageHostManagerWidget::showUploadFailure);
    uploader->upload(file, host);
}

void ImageHostManagerWidget::showUploadSuccess(const QString &url)
{
    disconnect(uploader, nullptr, this, nullptr);
    QMessageBox::information(this, tr("Upload Success"), url, QMessageBox::Ok);
    // Whatever the host answered is opened only if it is a web address.
    const QUrl address(url);
    if (address.scheme() == QLatin1String("http") || address.scheme() == QLatin1String("https"))
        QDesktopServices::openUrl(address);
}

void ImageHostManagerWidget::showUploadFailure(const QString &error)
{
    disconnect(uploader, nullptr, this, nullptr);
    QMessageBox::critical(this, tr("Upload Failed"), error, QMessageBox::Ok);
}

void ImageHostManagerWidget::refreshTable()
{
    table->setRowCount(0);
    for (const ImageHostConfig &host : hosts) {
        const int row = table->rowCount();
        table->insertRow(row);
        auto *first = new QTableWidgetItem(host.name);
        first->setData(Qt::UserRole, QVariant::fromValue(host));
        table->setItem(row, 0, first);
        table->setItem(row, 1, new QTableWidgetItem(host.uploadUrl));
        table->setItem(row, 2, new QTableWidgetItem(host.fileFieldName));
        table->setItem(row, 3, new QTableWidgetItem(host.jsonUrlPath));
    }
}

void ImageHostManagerWidget::loadFromSettings()
{
    hosts = ImageHostStore::load();
}

void ImageHostManagerWidget::saveToSettings()
{
    ImageHostStore::save(hosts);
}
