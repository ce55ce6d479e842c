#pragma once

#include <QPushButton>

// One cell of the table size picker; it reports the pointer entering it.
class MyPushButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    int row = 0;
    int column = 0;

signals:
    void hovered();

protected:
    void enterEvent(QEvent *event) override;
};
