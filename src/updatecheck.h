#pragma once

#include <QString>
#include <QStringList>

// The pieces of the update check that need no window.
namespace UpdateCheck {

// True only when `remote` (the version file's content, blanks and line breaks
// allowed around it) is a version number above `current`. Anything that is not
// a version number, such as an error page, is never newer.
bool isNewer(const QString &remote, const QString &current);

// The updater beside the executable: "Freshen.exe" on Windows, "Freshen" elsewhere.
QString updaterPath(const QString &applicationDir);

// The updater's arguments, in the order it reads them.
QStringList updaterArguments(const QString &applicationName, const QString &version,
                             const QString &manifestUrl, const QString &language);

}
