#include "guitestbase.h"

#include "appsettings.h"
#include "config.h"
#include "pagescript.h"
#include "productlinks.h"
#include "resources.h"
#include "startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QEventLoop>
#include <QTabBar>

#include <memory>

void answerModal(const ModalAnswer &answer)
{
    QTimer::singleShot(30, [answer] {
        if (QWidget *modal = QApplication::activeModalWidget())
            answer(modal);
        else
            answerModal(answer);
    });
}

void answerMenu(const std::function<void(QMenu *)> &answer)
{
    QTimer::singleShot(30, [answer] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
            answer(menu);
        else
            answerMenu(answer);
    });
}

void answerModals(const QList<ModalAnswer> &answers)
{
    auto remaining = std::make_shared<QList<ModalAnswer>>(answers);
    auto handled = std::make_shared<QPointer<QWidget>>();
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, remaining, handled] {
        QWidget *modal = QApplication::activeModalWidget();
        // A window still closing from its answer is not the next one.
        if (!modal || modal == handled->data())
            return;
        *handled = modal;
        const ModalAnswer answer = remaining->takeFirst();
        if (remaining->isEmpty())
            timer->deleteLater();
        answer(modal);
    });
    timer->start(30);
}

ModalAnswer chooseFile(const QString &path, QString *title, QString *offered)
{
    return [path, title, offered](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        if (title)
            *title = dialog->windowTitle();
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (offered)
            *offered = dialog->directory().absoluteFilePath(name->text());
        name->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    };
}

namespace {
void press(QMessageBox *box, QMessageBox::StandardButton button)
{
    if (QAbstractButton *pressed = box->button(button))
        pressed->click();
    else
        box->buttons().first()->click();
}
}

ModalAnswer pressButton(QMessageBox::StandardButton button, SeenBox *seen)
{
    return [button, seen](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box)
            return;
        if (seen)
            *seen = {box->windowTitle(), box->text(), box->icon()};
        press(box, button);
    };
}

void pressOnNextBox(QMessageBox::StandardButton button, SeenBox *seen)
{
    answerModal(pressButton(button, seen));
}

BoxRecorder::BoxRecorder(QMessageBox::StandardButton button)
    : BoxRecorder([button](const QString &) { return button; })
{
}

BoxRecorder::BoxRecorder(const std::function<QMessageBox::StandardButton(const QString &)> &decide)
{
    QObject::connect(&timer, &QTimer::timeout, [this, decide] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == last)
            return;
        last = box;
        boxes.append({box->windowTitle(), box->text(), box->icon()});
        press(box, decide(box->text()));
    });
    timer.start(15);
}

void GuiTestBase::prepareApplication()
{
    // Each test program has settings and data folders of its own: what one
    // leaves behind, a backup for instance, never reaches the next, nor the
    // files of whoever runs the tests.
    static QTemporaryDir folders;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folders.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(folders.filePath(QStringLiteral("data"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(folders.filePath(QStringLiteral("cache"))));
    QCoreApplication::setApplicationName(QStringLiteral("Penwick"));
    initPenwickResources();
    installDefaultEditorThemes(editorThemeDirectory());
}

void GuiTestBase::openWindow(const QString &startupFile)
{
    showWindow(startupFile);
    QTRY_VERIFY_WITH_TIMEOUT(js(QStringLiteral("typeof contentObj === 'object' && contentObj !== null")).toBool(), 20000);
}

void GuiTestBase::showWindow(const QString &startupFile)
{
    // The first-run association question would stop the test, and the update
    // check stays on this machine.
    Config::set(Config::AssociationChecked, true);
    Config::set(Config::SpellCheck, spellChecking);
    // Each window starts with the layout it is built with, unless a test keeps the last.
    if (!keepWindowLayout) {
        appSettings()->remove(Config::name(Config::WindowGeometry));
        appSettings()->remove(Config::name(Config::WindowState));
    }
    ProductLinks::setSite(QUrl(QStringLiteral("http://127.0.0.1:9/")));
    window = new MainWindow(startupFile);
    if (!keepWindowLayout)
        window->resize(1100, 800);
    window->show();
    view = window->findChild<QWebEngineViewEx *>(QStringLiteral("webView"));
    source = window->findChild<QPlainTextEditEx *>(QStringLiteral("sourceEditor"));
    content = window->findChild<Content *>(QStringLiteral("content"));
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void GuiTestBase::closeWindow()
{
    if (!window)
        return;
    content->updateModifyStatus(false);
    delete window;
    window = nullptr;
    view = nullptr;
    source = nullptr;
    content = nullptr;
}

QVariant GuiTestBase::js(const QString &script) const
{
    return runScriptAndWait(view->page(), script, 15000);
}

QString GuiTestBase::pageText() const
{
    return js(QStringLiteral("document.getElementById('bodyeditor').innerText")).toString();
}

void GuiTestBase::toSource()
{
    source->setPlainText(QStringLiteral("<waiting>"));
    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY(!source->isReadOnly());
}

void GuiTestBase::setPage(const QString &html)
{
    showHtml(html);
    focusPage();
}

QString GuiTestBase::statusText() const
{
    return window->findChild<QLabel *>(QStringLiteral("statusLabel"))->text();
}

// Through the page object, which counts the documents it gives the page.
void GuiTestBase::showHtml(const QString &html)
{
    // A marker left in the old document is gone once the new one is in.
    js(QStringLiteral("var old=document.createElement('span');old.setAttribute('data-old-document','');"
                      "document.getElementById('bodyeditor').appendChild(old);true"));
    window->editorPage()->showHtml(html);
    QTRY_VERIFY_WITH_TIMEOUT(js(QStringLiteral("!document.querySelector('[data-old-document]')")).toBool(), 15000);
    QTRY_VERIFY(window->editorPage()->holdsLatestDocument());
}

void GuiTestBase::clickTab(const QString &title)
{
    for (QTabBar *bar : window->findChildren<QTabBar *>())
        for (int i = 0; i < bar->count(); ++i)
            if (bar->tabText(i) == title) {
                QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(i).center());
                QCOMPARE(bar->currentIndex(), i);
                return;
            }
    QFAIL(qPrintable(QStringLiteral("no tab titled ") + title));
}

void GuiTestBase::focusPage()
{
    window->activateWindow();
    view->setFocus();
    QVERIFY(waitFor([this] { return js(QStringLiteral("document.hasFocus()")).toBool(); }, 15000));
}

void GuiTestBase::typeInPage(const QString &text)
{
    focusPage();
    QTest::keyClicks(view->focusProxy(), text);
}

void GuiTestBase::typeInSource(const QString &text)
{
    source->setFocus();
    QTest::keyClicks(source, text);
}

bool GuiTestBase::waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    if (condition())
        return true;
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    check.start(2);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return condition();
}

bool GuiTestBase::titleHasStar() const
{
    return window->windowTitle().startsWith(QLatin1Char('*'));
}

QAction *GuiTestBase::action(const char *objectName) const
{
    return window->findChild<QAction *>(QLatin1String(objectName));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
