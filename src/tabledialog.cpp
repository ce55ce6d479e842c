#include "tabledialog.h"
#include "ui_tabledialog.h"

#include "mypushbutton.h"

#include <QIntValidator>

namespace {
const QString normalCellStyle = QStringLiteral("background-color: rgb(255, 255, 255);border:1px;padding:6px;");
const QString highlightedCellStyle = QStringLiteral("background-color: rgb(208,208,208);border:1px;padding:6px;");
}

TableDialog::TableDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::TableDialog)
{
    ui->setupUi(this);
    setWindowTitle(tr("Set Up Table"));
    ui->lineEdit->setValidator(new QIntValidator(1, gridRows, this));
    ui->lineEdit_2->setValidator(new QIntValidator(1, gridColumns, this));
    ui->lineEdit->setText(QStringLiteral("1"));
    ui->lineEdit_2->setText(QStringLiteral("1"));
    ui->gridLayout->setContentsMargins(1, 1, 1, 1);
    ui->gridLayout->setSpacing(2);
    for (int row = 0; row < gridRows; ++row) {
        for (int column = 0; column < gridColumns; ++column) {
            auto *button = new MyPushButton(QStringLiteral(" "), ui->gridLayoutWidget);
            button->setStyleSheet(normalCellStyle);
            button->row = row;
            button->column = column;
            ui->gridLayout->addWidget(button, row, column);
            cells << button;
            connect(button, &MyPushButton::hovered, this, [this, row, column] {
                ui->lineEdit->setText(QString::number(row + 1));
                ui->lineEdit_2->setText(QString::number(column + 1));
                highlightUpTo(row, column);
            });
            connect(button, &QPushButton::clicked, this, [this, row, column] {
                chosenRow = row;
                chosenColumn = column;
                accept();
            });
        }
    }
    cells.first()->setStyleSheet(highlightedCellStyle);
}

TableDialog::~TableDialog()
{
    delete ui;
}

MyPushButton *TableDialog::cell(int row, int column) const
{
    return cells.value(row * gridColumns + column);
}

void TableDialog::highlightUpTo(int row, int column)
{
    for (MyPushButton *button : cells)
        button->setStyleSheet(button->row <= row && button->column <= column ? highlightedCellStyle
                                                                                : normalCellStyle);
}

void TableDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setWindowTitle(tr("Set Up Table"));
    }
}
