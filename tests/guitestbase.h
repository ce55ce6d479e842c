#pragma once

// What the tests of the real main window share: the window and its editors,
// talking to its page, and answering the modal windows a test causes.
#include "QPlainTextEditEx.h"
#include "QWebEngineViewEx.h"
#include "content.h"
#include "mainwindow.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <functional>

using ModalAnswer = std::function<void(QWidget *)>;

// Calls `answer` with the next modal window once one is shown.
void answerModal(const ModalAnswer &answer);

// Calls `answer` with the next menu that opens.
void answerMenu(const std::function<void(QMenu *)> &answer);

// Answers the modal windows that come up, one after the other, in order.
void answerModals(const QList<ModalAnswer> &answers);

// An answer that accepts a file dialog on `path`, recording the dialog's title.
// `offered`: the folder and name the dialog started with.
ModalAnswer chooseFile(const QString &path, QString *title = nullptr, QString *offered = nullptr);

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// An answer that presses `button` on a message box, recording what it said; a
// modal window that is not a message box is left to the test.
ModalAnswer pressButton(QMessageBox::StandardButton button, SeenBox *seen = nullptr);

// Presses `button` on the next message box, recording what it said.
void pressOnNextBox(QMessageBox::StandardButton button, SeenBox *seen = nullptr);

// While it lives, presses `button`, or the button `decide` picks by the text,
// on every message box that comes up and records each one; for tests that
// must also see that no box comes up.
class BoxRecorder
{
public:
    explicit BoxRecorder(QMessageBox::StandardButton button);
    explicit BoxRecorder(const std::function<QMessageBox::StandardButton(const QString &text)> &decide);

    QList<SeenBox> boxes;

private:
    QTimer timer;
    QPointer<QMessageBox> last;
};

// A file's bytes, "<unreadable>" when it cannot be read.
QByteArray readFile(const QString &path);
// Writes `bytes` to `path`, making its folder when needed.
void writeFile(const QString &path, const QByteArray &bytes);

class GuiTestBase : public QObject
{
    Q_OBJECT
protected:
    // Once per test program, from initTestCase().
    static void prepareApplication();
    // Shows a main window on `startupFile` and waits until its page is connected.
    void openWindow(const QString &startupFile = QString());
    // Shows a main window without waiting for its page, for tests that act
    // before the page is there or never need it.
    void showWindow(const QString &startupFile = QString());
    // Deletes the window without any question; safe to call when none is open.
    void closeWindow();
    // A window then takes the size and layout the last one left.
    bool keepWindowLayout = false;
    // Spell checking is off in the windows of the tests not about it.
    bool spellChecking = false;

    QVariant js(const QString &script) const;
    QString pageText() const;
    // The message the status bar shows.
    QString statusText() const;
    // Sends `html` to the page through the bridge and waits until the page shows it.
    void showHtml(const QString &html);
    // Brings the editor tab titled `title` to the front with a click on it.
    void clickTab(const QString &title);
    // Brings the Source Code Editor to the front, with the page's document in it.
    void toSource();
    // Shows `html` in the page and gives it the keyboard focus, where its find runs.
    void setPage(const QString &html);
    // Gives the page the keyboard focus, where key events and the page's commands act.
    void focusPage();
    void typeInPage(const QString &text);
    void typeInSource(const QString &text);
    bool titleHasStar() const;
    // Waits for `condition` in a running event loop, as the program waits: the
    // page's resources and answers come through this loop, and QTest's
    // polling with sleeps in between holds them back.
    static bool waitFor(const std::function<bool()> &condition, int timeoutMs);
    QAction *action(const char *objectName) const;

    MainWindow *window = nullptr;
    QWebEngineViewEx *view = nullptr;
    QPlainTextEditEx *source = nullptr;
    Content *content = nullptr;
};
