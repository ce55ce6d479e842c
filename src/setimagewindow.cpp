#include "setimagewindow.h"

#include "imageplacement.h"

#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolTip>

SetImageWindow::SetImageWindow(QWidget *mainWindow, const QString &startFolder)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , startFolder(startFolder)
{
    setObjectName(QStringLiteral("setImageWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowIcon(mainWindow->windowIcon());
    setWindowTitle(tr("Set Image"));
    resize(300, 120);

    auto *layout = new QFormLayout(this);
    layout->setRowWrapPolicy(QFormLayout::WrapAllRows);
    layout->setSpacing(10);

    auto *linkRow = new QHBoxLayout;
    edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("imageLink"));
    auto *choose = new QPushButton(tr("Choose"), this);
    choose->setObjectName(QStringLiteral("chooseImage"));
    linkRow->addWidget(edit);
    linkRow->addWidget(choose);
    layout->addRow(tr("Link: (supports local paths or network URLs)"), linkRow);

    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okImage"));
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelImage"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addRow(buttons);

    connect(choose, &QPushButton::clicked, this, &SetImageWindow::chooseFile);
    connect(ok, &QPushButton::clicked, this, &SetImageWindow::acceptLink);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    // Return and Escape answer it as they answer any dialog.
    connect(edit, &QLineEdit::returnPressed, this, &SetImageWindow::acceptLink);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);
    move(mainWindow->frameGeometry().center() - rect().center());
}

void SetImageWindow::chooseFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Choose Image"), startFolder.isEmpty() ? QDir::homePath() : startFolder, tr("Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)"));
    if (!path.isEmpty())
        edit->setText(path);
}

void SetImageWindow::acceptLink()
{
    const QString link = edit->text();
    if (!ImagePlacement::containsWebAddress(link) && !ImagePlacement::isLocalImagePath(link)
        && !ImagePlacement::isRelativeImagePath(link)) {
        QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), tr("Invalid Image Path"), edit);
        return;
    }
    emit accepted(link);
    close();
}
