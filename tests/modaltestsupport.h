#pragma once

// Answering the modal dialogs and message boxes a test causes.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

// Calls `answer` with the next modal window once one is shown.
inline void answerModal(const std::function<void(QWidget *)> &answer)
{
    QTimer::singleShot(30, [answer] {
        if (QWidget *modal = QApplication::activeModalWidget())
            answer(modal);
        else
            answerModal(answer);
    });
}

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Presses `button` on the next message box, recording what it said; a modal
// window that is not a message box is left to the test and recorded as empty.
inline void pressOnNextBox(QMessageBox::StandardButton button, SeenBox *seen = nullptr)
{
    answerModal([button, seen](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box)
            return;
        if (seen)
            *seen = {box->windowTitle(), box->text(), box->icon()};
        if (QAbstractButton *pressed = box->button(button))
            pressed->click();
        else
            box->buttons().first()->click();
    });
}

// While it lives, presses `button` on every message box that comes up and
// records each one; for tests that must also see that no box comes up.
class BoxRecorder
{
public:
    explicit BoxRecorder(QMessageBox::StandardButton button)
    {
        QObject::connect(&timer, &QTimer::timeout, [this, button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            boxes.append({box->windowTitle(), box->text(), box->icon()});
            if (QAbstractButton *pressed = box->button(button))
                pressed->click();
            else
                box->buttons().first()->click();
        });
        timer.start(20);
    }

    QList<SeenBox> boxes;

private:
    QTimer timer;
};
