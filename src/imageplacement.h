#pragma once

#include <QString>

class QImage;

// Where images that go into a document are kept: next to the document, in a
// folder named after it ("notes.md" keeps them in "notes.assets").
namespace ImagePlacement {

QString assetsFolder(const QString &documentPath);

// With the "saveImageType" setting 1 and a saved document, copies `sourcePath`
// into the assets folder under a free name and returns the copy's path;
// otherwise, or when the copy fails, returns `sourcePath`.
QString placeImageFile(const QString &documentPath, const QString &sourcePath);

// `path` itself when no file is there, else the first free name counting up a
// four-digit number at the end of the base name ("photo-0000.png", "photo-0001.png").
QString uniqueFilePath(const QString &path);

struct SavedImage {
    QString path;
    QString fileName;
};
// Writes `image` as a UUID-named PNG into the assets folder; empty on failure,
// for a null image and for an untitled document.
SavedImage saveClipboardImage(const QImage &image, const QString &documentPath);

// How a document at `documentPath` names the file at `path`: relative to its
// folder where one can lead there, so that the document and its images can
// move together; `path` itself for a new document.
QString pathForDocument(const QString &documentPath, const QString &path);

// `markdown` moved from `fromFolder` to `toFolder`: relative image addresses
// (Markdown images and raw HTML img elements) rewritten to lead to the same
// files from the new folder. Addresses with escapes or entities stay.
QString movedImagePaths(const QString &markdown, const QString &fromFolder, const QString &toFolder);

// The forms the "Set Image" window accepts.
bool isLocalImagePath(const QString &text);
bool containsWebAddress(const QString &text);
// A path relative to the document's folder ("diagram.png", "../img/a b.png").
bool isRelativeImagePath(const QString &text);

}
