#pragma once

#include "documentsession.h"

class EditorPage;
class Highlighter;
class QPlainTextEditEx;

// The session's editors: the real Source Code Editor and the Visual Editor's page.
class DocumentEditors : public DocumentSession::Editors
{
public:
    DocumentEditors(QPlainTextEditEx *source, EditorPage *page);
    // The highlighter is made after the editors; until then text is set without it.
    void setHighlighter(Highlighter *sourceHighlighter) { highlighter = sourceHighlighter; }
    // The Source Code Editor's last change was an edit: not the program's own
    // replacement of the text (its document counts as modified until the
    // replacement is done), nor a change of its fonts, which reports a change
    // too but leaves its document unmodified.
    bool sourceTextEdited() const;
    // The document was saved: only later edits count.
    void markSourceUnmodified();

    QString sourceText() const override;
    void setSourceText(const QString &markdown, bool keepPlace) override;
    void updateSourceText(const QString &markdown) override;
    void showInPage(const QString &markdown, bool fromSource, bool keepPlace) override;
    void askPageForDocument(quint64 request, bool handOver) override;
    void restartPage() override;
    void setSourceReadOnly(bool readOnly) override;
    void setDocumentFolder(const QString &folder) override;

private:
    QPlainTextEditEx *source;
    EditorPage *page;
    Highlighter *highlighter = nullptr;
    // The page was given a document the Source Code Editor does not hold: the
    // next text from the page replaces the source's as a new document.
    bool sourceIsOtherDocument = false;
};
