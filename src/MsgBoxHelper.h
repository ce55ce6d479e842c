#pragma once

#include <QMessageBox>

class MsgBoxHelper
{
public:
    enum Kind { YesOnly = 0, YesNo = 1, OkOnly = 2 };

    // The window a question belongs over: the active one, else the main window.
    static QWidget *dialogParent();

    // A modal, fixed-size box over dialogParent(). Returns the button pressed;
    // single-button kinds always give QMessageBox::Yes.
    static QMessageBox::StandardButton showMessageBox(QMessageBox::Icon icon, const QString &title,
                                                      const QString &text, int kind);

    // Asks before unsaved changes would be lost: "Save" (the default),
    // "Don't Save" and "Cancel" (also Escape). Returns Save, Discard or Cancel.
    static QMessageBox::StandardButton askToSave(const QString &title, const QString &text);
};
