#include "mypushbutton.h"

void MyPushButton::enterEvent(QEvent *event)
{
    emit hovered();
    QPushButton::enterEvent(event);
}
