#include "MsgBoxHelper.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLayout>
#include <QPushButton>

QMessageBox::StandardButton MsgBoxHelper::showMessageBox(QMessageBox::Icon icon, const QString &title,
                                                         const QString &text, int kind)
{
    QMessageBox box(icon, title, text);
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
