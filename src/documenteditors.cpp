#include "documenteditors.h"

#include "QPlainTextEditEx.h"
#include "editorpage.h"
#include "highlighter.h"

#include <QScrollBar>

DocumentEditors::DocumentEditors(QPlainTextEditEx *source, EditorPage *page)
    : source(source)
    , page(page)
{
}

bool DocumentEditors::sourceTextEdited() const
{
    return !source->isReplacingText() && source->document()->isModified();
}

void DocumentEditors::markSourceUnmodified()
{
    source->document()->setModified(false);
}

QString DocumentEditors::sourceText() const
{
    return source->markdownText();
}

void DocumentEditors::setSourceText(const QString &markdown, bool keepPlace)
{
    sourceIsOtherDocument = false;
    const int caret = source->textCursor().position();
    const int scrolled = source->verticalScrollBar()->value();
    const auto setText = [this, &markdown] { source->setTextProgrammatically(markdown); };
    if (highlighter)
        highlighter->replaceText(setText);
    else
        setText();
    source->document()->setModified(false);
    if (!keepPlace)
        return;
    QTextCursor cursor = source->textCursor();
    cursor.setPosition(qMin(caret, source->document()->characterCount() - 1));
    source->setTextCursor(cursor);
    source->verticalScrollBar()->setValue(scrolled);
}

void DocumentEditors::updateSourceText(const QString &markdown)
{
    if (sourceIsOtherDocument)
        setSourceText(markdown, false);
    else if (source->replaceChangedTextProgrammatically(markdown))
        source->document()->setModified(false);
    else
        setSourceText(markdown, true);
}

void DocumentEditors::setDocumentFolder(const QString &folder)
{
    page->setDocumentFolder(folder);
}

void DocumentEditors::showInPage(const QString &markdown, bool fromSource, bool keepPlace)
{
    if (!fromSource)
        sourceIsOtherDocument = true;
    page->showDocument(markdown, fromSource, keepPlace);
}

void DocumentEditors::askPageForDocument(quint64 request, bool handOver)
{
    page->requestDocument(request, handOver);
}

void DocumentEditors::restartPage()
{
    page->reload();
}

void DocumentEditors::setSourceReadOnly(bool readOnly)
{
    source->setReadOnly(readOnly);
}
