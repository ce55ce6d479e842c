#pragma once

#include <QString>

// What the editor page's placeholders are filled with before it is loaded.
struct PageSettings {
    QString themeFolder;     // the folder of the preview style sheets
    QString cssFile;         // preview style name, without ".css"
    QString codeBlockStyle;  // CodeMirror theme name, "default" for none
    bool showLeftSidebar = false;
    QString focusPlaceholder; // empty-state text, already translated
};

PageSettings pageSettingsFromStore(const QString &themeFolder, const QString &focusPlaceholder);

// Replaces every occurrence of each placeholder of the page template. A
// document given as `firstDocumentHtml` is in the page as it loads, with the
// folder its relative images lead to, so that its first frame shows it whole.
QString fillPageTemplate(QString pageTemplate, const PageSettings &settings, const QString &firstDocumentHtml = QString(),
                         const QString &documentFolderUrl = QString());
