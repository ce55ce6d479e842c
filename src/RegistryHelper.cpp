#include "RegistryHelper.h"

#include "MsgBoxHelper.h"
#include "appsettings.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QSettings>

namespace {
// Whether the registered `command` starts this program, ignoring quotes and letter case.
bool commandRunsApp(const QString &command, const QString &handler, const QString &appPath)
{
    if (command.isEmpty()) {
        qDebug() << "RegistryHelper::isDefaultMdHandler: no command found for ProgID" << handler;
        return false;
    }
    const QString path = QDir::toNativeSeparators(appPath).remove(QLatin1Char('"'));
    const bool contains = command.contains(path, Qt::CaseInsensitive);
    qDebug() << "RegistryHelper::isDefaultMdHandler: cmd =" << command << ", appPath =" << path << ", contains ="
             << contains;
    return contains;
}
}

#ifdef Q_OS_WIN
#include <windows.h>

namespace {
const wchar_t *const progId = L"Penwick.mdfile";

QString classesKey(const QString &name)
{
    return QStringLiteral("Software\\Classes\\") + name;
}

QString readDefault(HKEY root, const QString &path, DWORD limit)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, reinterpret_cast<LPCWSTR>(path.utf16()), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return QString();
    QByteArray buffer(int(limit), '\0');
    DWORD size = limit;
    DWORD type = 0;
    const LONG status = RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<LPBYTE>(buffer.data()), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_SZ)
        return QString();
    return QString::fromWCharArray(reinterpret_cast<const wchar_t *>(buffer.constData())).left(int(size / 2));
}

bool writeDefault(const QString &path, const QString &value, const char *openFailure, const char *setFailure)
{
    HKEY key = nullptr;
    const LONG created = RegCreateKeyExW(HKEY_CURRENT_USER, reinterpret_cast<LPCWSTR>(path.utf16()), 0, nullptr, 0,
                                         KEY_WRITE, nullptr, &key, nullptr);
    if (created != ERROR_SUCCESS) {
        qDebug() << openFailure << created;
        return false;
    }
    const LONG set = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE *>(value.utf16()),
                                    DWORD((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    if (set != ERROR_SUCCESS) {
        qDebug() << setFailure;
        return false;
    }
    return true;
}
}

bool RegistryHelper::isDefaultMdHandler(const QString &appPath)
{
    QString id = readDefault(HKEY_CURRENT_USER, classesKey(QStringLiteral(".md")), 2048);
    if (id.isEmpty())
        id = readDefault(HKEY_CLASSES_ROOT, QStringLiteral(".md"), 2048);
    if (id.isEmpty())
        return false;
    const QString commandPath = id + QStringLiteral("\\shell\\open\\command");
    QString command = readDefault(HKEY_CURRENT_USER, classesKey(commandPath), 2048);
    if (command.isEmpty())
        command = readDefault(HKEY_CLASSES_ROOT, commandPath, 2048);
    return commandRunsApp(command, id, appPath);
}

bool RegistryHelper::setDefaultMdHandler(const QString &appPath)
{
    if (!writeDefault(classesKey(QStringLiteral(".md")), QString::fromWCharArray(progId),
                      "RegistryHelper::setDefaultMdHandler: failed to create/open ext key",
                      "RegistryHelper::setDefaultMdHandler: failed to set ext default value"))
        return false;
    const QString command = QStringLiteral("\"%1\" \"%2\"").arg(QDir::toNativeSeparators(appPath), QStringLiteral("%1"));
    if (!writeDefault(classesKey(QString::fromWCharArray(progId) + QStringLiteral("\\shell\\open\\command")), command,
                      "RegistryHelper::setDefaultMdHandler: failed to create/open command key",
                      "RegistryHelper::setDefaultMdHandler: failed to set command value"))
        return false;
    const bool verified = isDefaultMdHandler(appPath);
    qDebug() << "RegistryHelper::setDefaultMdHandler: verification result =" << verified;
    return verified;
}

bool RegistryHelper::deleteDefaultMdHandler(const QString &appPath)
{
    const QString extension = classesKey(QStringLiteral(".md"));
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, reinterpret_cast<LPCWSTR>(extension.utf16()), 0, KEY_READ | KEY_WRITE, &key)
        == ERROR_SUCCESS) {
        if (readDefault(HKEY_CURRENT_USER, extension, 1024) == QString::fromWCharArray(progId))
            RegDeleteValueW(key, nullptr);
        RegCloseKey(key);
    }
    const QString tree = classesKey(QString::fromWCharArray(progId));
    const LONG deleted = RegDeleteTreeW(HKEY_CURRENT_USER, reinterpret_cast<LPCWSTR>(tree.utf16()));
    if (deleted != ERROR_SUCCESS && deleted != ERROR_FILE_NOT_FOUND) {
        qDebug() << "RegistryHelper::deleteDefaultMdHandler: RegDeleteTree failed" << deleted;
        if (RegDeleteKeyW(HKEY_CURRENT_USER, reinterpret_cast<LPCWSTR>(tree.utf16())) != ERROR_SUCCESS)
            qDebug() << "RegistryHelper::deleteDefaultMdHandler: RegDeleteKey fallback failed";
    }
    const bool still = isDefaultMdHandler(appPath);
    qDebug() << "RegistryHelper::deleteDefaultMdHandler: stillAssociated =" << still;
    return !still;
}

#else
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

// The XDG way: a desktop file in the user's applications folder and the
// default for text/markdown in the user's mimeapps.list.
namespace {
const QString desktopName = QStringLiteral("penwick.desktop");
const QString markdownType = QStringLiteral("text/markdown");
const QString defaultsGroup = QStringLiteral("[Default Applications]");

QString desktopFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/applications/")
        + desktopName;
}

QString mimeAppsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/mimeapps.list");
}

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

bool writeLines(const QString &path, QStringList lines)
{
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return file.commit();
}

// The line of mimeapps.list holding the text/markdown default, or -1; `group`
// gets the line of the defaults group header, or -1.
int defaultLine(const QStringList &lines, int *group)
{
    *group = -1;
    bool inDefaults = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inDefaults = line == defaultsGroup;
            if (inDefaults)
                *group = i;
        } else if (inDefaults && line.startsWith(markdownType + QLatin1Char('='))) {
            return i;
        }
    }
    return -1;
}

QString markdownDefault()
{
    int group = -1;
    const QStringList lines = readLines(mimeAppsPath());
    const int line = defaultLine(lines, &group);
    return line < 0 ? QString() : lines[line].section(QLatin1Char('='), 1).section(QLatin1Char(';'), 0, 0).trimmed();
}
}

bool RegistryHelper::isDefaultMdHandler(const QString &appPath)
{
    const QString handler = markdownDefault();
    if (handler.isEmpty())
        return false;
    QString command;
    if (handler == desktopName) {
        for (const QString &line : readLines(desktopFilePath()))
            if (line.startsWith(QLatin1String("Exec=")))
                command = line.mid(5);
    }
    return commandRunsApp(command, handler, appPath);
}

bool RegistryHelper::setDefaultMdHandler(const QString &appPath)
{
    const QStringList desktop{QStringLiteral("[Desktop Entry]"), QStringLiteral("Type=Application"),
                              QStringLiteral("Name=Penwick"), QStringLiteral("Comment=Markdown editor"),
                              QStringLiteral("Exec=\"%1\" %f").arg(QDir::toNativeSeparators(appPath)),
                              QStringLiteral("MimeType=") + markdownType + QLatin1Char(';'),
                              QStringLiteral("Terminal=false"), QStringLiteral("NoDisplay=true")};
    if (!writeLines(desktopFilePath(), desktop)) {
        qDebug() << "RegistryHelper::setDefaultMdHandler: failed to create/open command key" << desktopFilePath();
        return false;
    }
    QStringList lines = readLines(mimeAppsPath());
    int group = -1;
    const int line = defaultLine(lines, &group);
    const QString entry = markdownType + QLatin1Char('=') + desktopName + QLatin1Char(';');
    if (line >= 0)
        lines[line] = entry;
    else if (group >= 0)
        lines.insert(group + 1, entry);
    else
        lines << defaultsGroup << entry;
    if (!writeLines(mimeAppsPath(), lines)) {
        qDebug() << "RegistryHelper::setDefaultMdHandler: failed to set ext default value" << mimeAppsPath();
        return false;
    }
    const bool verified = isDefaultMdHandler(appPath);
    qDebug() << "RegistryHelper::setDefaultMdHandler: verification result =" << verified;
    return verified;
}

bool RegistryHelper::deleteDefaultMdHandler(const QString &appPath)
{
    // Another program's default is left alone; only Penwick's own entry goes.
    if (markdownDefault() == desktopName) {
        QStringList lines = readLines(mimeAppsPath());
        int group = -1;
        lines.removeAt(defaultLine(lines, &group));
        writeLines(mimeAppsPath(), lines);
    }
    if (QFile::exists(desktopFilePath()) && !QFile::remove(desktopFilePath()))
        qDebug() << "RegistryHelper::deleteDefaultMdHandler: RegDeleteTree failed" << desktopFilePath();
    const bool still = isDefaultMdHandler(appPath);
    qDebug() << "RegistryHelper::deleteDefaultMdHandler: stillAssociated =" << still;
    return !still;
}
#endif

void promptFileAssociation(QWidget *parent)
{
    QSettings *settings = appSettings();
    if (settings->value(QStringLiteral("associationChecked"), false).toBool())
        return;
    const QString appPath = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    if (!RegistryHelper::isDefaultMdHandler(appPath)) {
        const auto answer = QMessageBox::question(
            parent, QCoreApplication::translate("RegistryHelper", "File Association"),
            QCoreApplication::translate("RegistryHelper",
                                        "Do you want to set this application as the default program for opening .md "
                                        "files?\nIf you select No, you can change it in the settings menu later."),
            QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::Yes && !RegistryHelper::setDefaultMdHandler(appPath))
            QMessageBox::warning(parent, QCoreApplication::translate("RegistryHelper", "Warning"),
                                 QCoreApplication::translate("RegistryHelper",
                                                             "Failed to set default association: Administrator "
                                                             "privileges may be required or system policy blocked "
                                                             "the operation."));
    }
    settings->setValue(QStringLiteral("associationChecked"), true);
}
