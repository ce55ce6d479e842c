#pragma once

#include <QPlainTextEdit>

// The Source Code Editor.
class QPlainTextEditEx : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit QPlainTextEditEx(QWidget *parent = nullptr);

    // Replaces the text without it counting as a user edit.
    void setTextProgrammatically(const QString &text);
    bool isSettingText() const { return settingText; }

private:
    bool settingText = false;
};
