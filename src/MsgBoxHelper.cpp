#include "MsgBoxHelper.h"

#include <QApplication>
#include <QIcon>
#include <QLayout>
#include <QMainWindow>
#include <QPushButton>

QWidget *MsgBoxHelper::dialogParent()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && qobject_cast<QMainWindow *>(widget))
            return widget;
    return nullptr;
}

QMessageBox::StandardButton MsgBoxHelper::showMessageBox(QMessageBox::Icon icon, const QString &title,
                                                         const QString &text, int kind)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, dialogParent());
    box.setWindowIcon(QIcon(QStringLiteral(":/resources/logo.png")));
    box.setWindowModality(Qt::ApplicationModal);
    switch (kind) {
    case YesNo:
        box.addButton(QMessageBox::Yes)->setText(QCoreApplication::translate("MsgBoxHelper", "Yes"));
        box.addButton(QMessageBox::No)->setText(QCoreApplication::translate("MsgBoxHelper", "No"));
        break;
    case OkOnly:
        box.addButton(QMessageBox::Ok)->setText(QCoreApplication::translate("MsgBoxHelper", "OK"));
        break;
    default:
        box.addButton(QMessageBox::Yes)->setText(QCoreApplication::translate("MsgBoxHelper", "Yes"));
        break;
    }
    box.layout()->setSizeConstraint(QLayout::SetFixedSize);
    const int pressed = box.exec();
    if (kind == YesNo)
        return pressed == QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::No;
    return QMessageBox::Yes;
}

QMessageBox::StandardButton MsgBoxHelper::askToSave(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, dialogParent());
    box.setWindowIcon(QIcon(QStringLiteral(":/resources/logo.png")));
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton *save = box.addButton(QMessageBox::Save);
    save->setText(QCoreApplication::translate("MsgBoxHelper", "Save"));
    box.addButton(QMessageBox::Discard)->setText(QCoreApplication::translate("MsgBoxHelper", "Don't Save"));
    QPushButton *cancel = box.addButton(QMessageBox::Cancel);
    cancel->setText(QCoreApplication::translate("MsgBoxHelper", "Cancel"));
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.layout()->setSizeConstraint(QLayout::SetFixedSize);
    box.exec();
    const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    return pressed == QMessageBox::Save || pressed == QMessageBox::Discard ? pressed : QMessageBox::Cancel;
}
