// The association of Markdown files with the program, on a private XDG tree.
#include "RegistryHelper.h"
#include "appsettings.h"
#include "guitestbase.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString mimeApps()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/mimeapps.list");
}

QString desktopFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/applications/app.penwick.Penwick.desktop");
}
}

class TestAssociation : public GuiTestBase
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }
    void init() { appSettings()->clear(); }
    void associationRoundTrip();
    void otherProgramsDefaultIsKept();
    void partialRegistrationIsNotAssociated();
    void associationWithAnInstalledEntry();
    void firstRunQuestionIsAskedOnce();
};

void TestAssociation::associationRoundTrip()
{
    QFile::remove(mimeApps());
    QFile::remove(desktopFile());
    const QString app = QStringLiteral("/opt/Pen Wick/penwick");
    QVERIFY(!RegistryHelper::isDefaultMdHandler(app));
    QVERIFY(RegistryHelper::setDefaultMdHandler(app));
    QVERIFY(RegistryHelper::isDefaultMdHandler(QStringLiteral("/OPT/pen wick/PENWICK")));
    QVERIFY(readFile(desktopFile()).contains("Exec=\"/opt/Pen Wick/penwick\" %F"));
    QVERIFY(readFile(desktopFile()).contains("MimeType=text/markdown;text/x-markdown;"));
    QVERIFY(readFile(mimeApps()).contains("[Default Applications]\ntext/markdown=app.penwick.Penwick.desktop;\n"
                                          "text/x-markdown=app.penwick.Penwick.desktop;"));
    QVERIFY(!RegistryHelper::isDefaultMdHandler(QStringLiteral("/usr/bin/other")));
    QVERIFY(RegistryHelper::deleteDefaultMdHandler(app));
    QVERIFY(!RegistryHelper::isDefaultMdHandler(app));
    QVERIFY(!QFile::exists(desktopFile()));
    QVERIFY(!readFile(mimeApps()).contains("penwick"));
}

void TestAssociation::otherProgramsDefaultIsKept()
{
    writeFile(mimeApps(), "[Added Associations]\ntext/plain=gedit.desktop;\n\n[Default Applications]\n"
                          "text/markdown=ghostwriter.desktop;\nimage/png=eog.desktop;\n");
    QVERIFY(RegistryHelper::deleteDefaultMdHandler(QStringLiteral("/opt/penwick")));
    QCOMPARE(readFile(mimeApps()), QByteArray("[Added Associations]\ntext/plain=gedit.desktop;\n\n[Default Applications]\n"
                                              "text/markdown=ghostwriter.desktop;\nimage/png=eog.desktop;\n"));
    QVERIFY(RegistryHelper::setDefaultMdHandler(QStringLiteral("/opt/penwick")));
    const QByteArray taken = readFile(mimeApps());
    QVERIFY(taken.contains("text/markdown=app.penwick.Penwick.desktop;\ntext/x-markdown=app.penwick.Penwick.desktop;\n"
                           "image/png=eog.desktop;"));
    QVERIFY(taken.contains("text/plain=gedit.desktop;"));
    QVERIFY(!taken.contains("ghostwriter"));
}

void TestAssociation::partialRegistrationIsNotAssociated()
{
    writeFile(mimeApps(), "[Default Applications]\ntext/markdown=app.penwick.Penwick.desktop;\n");
    QFile::remove(desktopFile());
    QVERIFY(!RegistryHelper::isDefaultMdHandler(QStringLiteral("/opt/penwick")));
}

// Installed, Penwick's own desktop entry is the default, and no private one
// is written; a desktop-specific list that names another default is set too.
void TestAssociation::associationWithAnInstalledEntry()
{
    QTemporaryDir system;
    QVERIFY(QDir(system.path()).mkpath(QStringLiteral("applications")));
    const QString app = QCoreApplication::applicationFilePath();
    writeFile(system.filePath(QStringLiteral("applications/app.penwick.Penwick.desktop")),
              "[Desktop Entry]\nType=Application\nName=Penwick\nExec=" + app.toUtf8() + " %F\nMimeType=text/markdown;\n");
    const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
    const QByteArray desktop = qgetenv("XDG_CURRENT_DESKTOP");
    qputenv("XDG_DATA_DIRS", QFile::encodeName(system.path()));
    qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    const QString gnomeList = QFileInfo(mimeApps()).path() + QStringLiteral("/gnome-mimeapps.list");
    writeFile(gnomeList, "[Default Applications]\ntext/markdown=ghostwriter.desktop;\n");
    QFile::remove(mimeApps());
    QFile::remove(desktopFile());

    QVERIFY(!RegistryHelper::isDefaultMdHandler(app));
    QVERIFY(RegistryHelper::setDefaultMdHandler(app));
    QVERIFY(!QFile::exists(desktopFile()));
    QVERIFY(readFile(gnomeList).contains("text/markdown=app.penwick.Penwick.desktop;"));
    QVERIFY(RegistryHelper::deleteDefaultMdHandler(app));
    QVERIFY(!readFile(gnomeList).contains("penwick"));
    QFile::remove(gnomeList);
    qputenv("XDG_DATA_DIRS", dataDirs);
    qputenv("XDG_CURRENT_DESKTOP", desktop);
}

void TestAssociation::firstRunQuestionIsAskedOnce()
{
    QFile::remove(mimeApps());
    QWidget parent;
    SeenBox asked;
    pressOnNextBox(QMessageBox::No, &asked);
    promptFileAssociation(&parent);
    QVERIFY(asked.text.startsWith(QStringLiteral("Do you want to set this application as the default program")));
    QVERIFY(appSettings()->value(QStringLiteral("associationChecked")).toBool());
    QVERIFY(!QFile::exists(mimeApps()));
    promptFileAssociation(&parent); // no box comes: the test would hang on it
}

QTEST_MAIN(TestAssociation)
#include "tst_association.moc"
