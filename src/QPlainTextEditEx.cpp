#include "QPlainTextEditEx.h"

QPlainTextEditEx::QPlainTextEditEx(QWidget *parent)
    : QPlainTextEdit(parent)
{
}

void QPlainTextEditEx::setTextProgrammatically(const QString &text)
{
    settingText = true;
    setPlainText(text);
    settingText = false;
}
