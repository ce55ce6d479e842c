#pragma once

#include <QString>
#include <QUrl>

// The product's own web addresses, in one place. Everything on the product's
// site hangs off one root that a test may point at a local server.
namespace ProductLinks {

QString homepage();
QUrl site();
void setSite(const QUrl &root);

QUrl helpPage();
QUrl donatePage();
QUrl downloadPage();
QUrl versionFile();
QUrl updateManifest();
QUrl feedbackMail();
// The new-issue page of the public repository with the title and body filled in.
QUrl newIssue(const QString &title, const QString &body);

}
