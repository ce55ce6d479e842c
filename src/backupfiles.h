#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFileInfoList>
#include <QString>

// The private backup files of unsaved documents.
namespace BackupFiles {

// The per-user folder the backups live in.
QString folder();

// "notes.md-2024-03-05_142501007", or "untitled-..." for a document without a file.
QString backupName(const QString &documentFileName, const QDateTime &when);

// One compact UTF-8 JSON object: "markdown" and "srcpath".
QByteArray content(const QString &markdown, const QString &sourcePath);

// Writes the whole backup, readable by its owner only, or leaves the old one as it was.
bool write(const QString &path, const QString &markdown, const QString &sourcePath);

// A backup's Markdown and the path of its document; false for a file that is no backup.
bool read(const QString &path, QString *markdown, QString *sourcePath);

// The newest backup in `folder` of the document at `sourcePath` (empty for
// untitled documents) modified after `newerThan` (any time when invalid); empty when none.
QString newestFor(const QString &folder, const QString &sourcePath, const QDateTime &newerThan);

// The folder's files, most recently modified first (equal times by name).
QFileInfoList list(const QString &folder);

}
