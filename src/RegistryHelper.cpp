#include "RegistryHelper.h"

#include "config.h"
#include "MsgBoxHelper.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>

#include <algorithm>

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
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

// The XDG way. The desktop entry is the installed one when Penwick is
// installed, else one of the user's own; the default for Markdown goes into
// the user's mimeapps.list, and into any desktop-specific list of the user's
// that names another default, which would otherwise win.
namespace {
const QString desktopName = QStringLiteral("app.penwick.Penwick.desktop");
const QStringList markdownTypes{QStringLiteral("text/markdown"), QStringLiteral("text/x-markdown")};
const QString defaultsGroup = QStringLiteral("[Default Applications]");

QString userApplications()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/applications");
}

QString privateDesktopPath()
{
    return userApplications() + QLatin1Char('/') + desktopName;
}

// An entry installed with the program, in one of the system's data folders.
QString installedDesktopPath()
{
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString path = folder + QStringLiteral("/applications/") + desktopName;
        if (folder != own && QFileInfo::exists(path))
            return path;
    }
    return {};
}

QStringList currentDesktops()
{
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower().split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

// The user's lists, desktop-specific ones first, then the plain one.
QStringList userMimeAppsLists()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QStringList lists;
    for (const QString &desktop : currentDesktops())
        lists << config + QLatin1Char('/') + desktop + QStringLiteral("-mimeapps.list");
    lists << config + QStringLiteral("/mimeapps.list");
    return lists;
}

// Every list in its order of precedence: the user's, the system's
// configuration, then the applications folders.
QStringList mimeAppsLists()
{
    QStringList lists = userMimeAppsLists();
    QStringList bases;
    for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation).mid(1))
        bases << folder + QLatin1Char('/');
    for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        bases << folder + QStringLiteral("/applications/");
    for (const QString &base : qAsConst(bases)) {
        for (const QString &desktop : currentDesktops())
            lists << base + desktop + QStringLiteral("-mimeapps.list");
        lists << base + QStringLiteral("mimeapps.list");
    }
    return lists;
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

// The line of a list holding the default for `type`, or -1; `group` gets the
// line of the defaults group header, or -1.
int defaultLine(const QStringList &lines, const QString &type, int *group)
{
    *group = -1;
    bool inDefaults = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inDefaults = line == defaultsGroup;
            if (inDefaults)
                *group = i;
        } else if (inDefaults && line.startsWith(type + QLatin1Char('='))) {
            return i;
        }
    }
    return -1;
}

QString defaultIn(const QString &list)
{
    int group = -1;
    const QStringList lines = readLines(list);
    const int line = defaultLine(lines, markdownTypes.first(), &group);
    return line < 0 ? QString() : lines[line].section(QLatin1Char('='), 1).section(QLatin1Char(';'), 0, 0).trimmed();
}

// The default the desktop uses: from the first list that names one.
QString markdownDefault()
{
    for (const QString &list : mimeAppsLists()) {
        const QString handler = defaultIn(list);
        if (!handler.isEmpty())
            return handler;
    }
    return {};
}

QString execLine(const QString &desktopPath)
{
    for (const QString &line : readLines(desktopPath))
        if (line.startsWith(QLatin1String("Exec=")))
            return line.mid(5);
    return {};
}

// Whether the entry at `desktopPath` starts the program at `appPath`: its
// command names that path, or a program the search path resolves to it.
bool entryRuns(const QString &desktopPath, const QString &appPath)
{
    const QString command = execLine(desktopPath);
    if (commandRunsApp(command, desktopName, appPath))
        return true;
    const QString program = command.section(QLatin1Char(' '), 0, 0).remove(QLatin1Char('"'));
    const QString found = program.isEmpty() ? QString() : QStandardPaths::findExecutable(program);
    return !found.isEmpty() && QFileInfo(found).canonicalFilePath() == QFileInfo(appPath).canonicalFilePath();
}

void setDefaultIn(const QString &list, const QString &handler)
{
    QStringList lines = readLines(list);
    for (int index = 0; index < markdownTypes.size(); ++index) {
        int group = -1;
        const int line = defaultLine(lines, markdownTypes[index], &group);
        const QString entry = markdownTypes[index] + QLatin1Char('=') + handler + QLatin1Char(';');
        if (line >= 0)
            lines[line] = entry;
        else if (group >= 0)
            lines.insert(std::min(group + 1 + index, int(lines.size())), entry);
        else
            lines << defaultsGroup << entry;
    }
    writeLines(list, lines);
}

void removeDefaultIn(const QString &list)
{
    QStringList lines = readLines(list);
    bool changed = false;
    for (const QString &type : markdownTypes) {
        int group = -1;
        const int line = defaultLine(lines, type, &group);
        if (line >= 0 && lines[line].section(QLatin1Char('='), 1).section(QLatin1Char(';'), 0, 0).trimmed() == desktopName) {
            lines.removeAt(line);
            changed = true;
        }
    }
    if (changed)
        writeLines(list, lines);
}

// "Open With" lists read the desktop database, not the entries themselves.
void updateDesktopDatabase()
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
    if (!tool.isEmpty())
        QProcess::execute(tool, {userApplications()});
}
}

bool RegistryHelper::isDefaultMdHandler(const QString &appPath)
{
    if (markdownDefault() != desktopName)
        return false;
    const QString entry = QFileInfo::exists(privateDesktopPath()) ? privateDesktopPath() : installedDesktopPath();
    return !entry.isEmpty() && entryRuns(entry, appPath);
}

bool RegistryHelper::setDefaultMdHandler(const QString &appPath)
{
    const QString installed = installedDesktopPath();
    if (installed.isEmpty() || !entryRuns(installed, appPath)) {
        const QStringList desktop{QStringLiteral("[Desktop Entry]"), QStringLiteral("Type=Application"),
                                  QStringLiteral("Name=Penwick"), QStringLiteral("Comment=Markdown editor"),
                                  QStringLiteral("Exec=\"%1\" %F").arg(QDir::toNativeSeparators(appPath)),
                                  QStringLiteral("Icon=app.penwick.Penwick"),
                                  QStringLiteral("MimeType=") + markdownTypes.join(QLatin1Char(';')) + QLatin1Char(';'),
                                  QStringLiteral("Terminal=false"), QStringLiteral("Categories=Utility;TextEditor;")};
        if (!writeLines(privateDesktopPath(), desktop)) {
            qDebug() << "RegistryHelper::setDefaultMdHandler: cannot write" << privateDesktopPath();
            return false;
        }
    } else if (QFile::exists(privateDesktopPath())) {
        QFile::remove(privateDesktopPath());
    }
    const QStringList lists = userMimeAppsLists();
    for (const QString &list : lists)
        if (list == lists.last() || !defaultIn(list).isEmpty())
            setDefaultIn(list, desktopName);
    updateDesktopDatabase();
    return isDefaultMdHandler(appPath);
}

bool RegistryHelper::deleteDefaultMdHandler(const QString &appPath)
{
    // Another program's default is left alone; only Penwick's own entries go.
    for (const QString &list : userMimeAppsLists())
        removeDefaultIn(list);
    if (QFile::exists(privateDesktopPath()) && !QFile::remove(privateDesktopPath()))
        qDebug() << "RegistryHelper::deleteDefaultMdHandler: cannot remove" << privateDesktopPath();
    updateDesktopDatabase();
    return !isDefaultMdHandler(appPath);
}
#endif

void promptFileAssociation(QWidget *parent)
{
    if (Config::get(Config::AssociationChecked).toBool())
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
    Config::set(Config::AssociationChecked, true);
}
