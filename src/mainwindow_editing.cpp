// The editing commands: each acts on the Visual Editor's page through a
// snippet or on the Markdown text through the Source Code Editor's cursor.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "config.h"
#include "QPlainTextEditEx.h"
#include "QWebEngineViewEx.h"
#include "actionicons.h"
#include "latexeditordialog.h"
#include "markdownediting.h"
#include "pastedata.h"
#include "tabledialog.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDockWidget>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QWebEnginePage>

namespace {
const QString statusColour = QStringLiteral("#333333");
constexpr int statusSeconds = 3;
}

void MainWindow::connectEditingCommands()
{
    latexDialog = new LaTeXEditorDialog(this);
    latexDialog->setObjectName(QStringLiteral("latexDialog"));
    tableDialog = new TableDialog(this);
    tableDialog->setObjectName(QStringLiteral("tableDialog"));
    tablePageCalls = {
        {ui->actionAddRowAbove, QStringLiteral("insertTableRow(%1,%2,'above')")},
        {ui->actionAddRowBelow, QStringLiteral("insertTableRow(%1,%2,'below')")},
        {ui->actionAddColumnLeft, QStringLiteral("insertTableColumn(%1,%2,'left')")},
        {ui->actionAddColumnRight, QStringLiteral("insertTableColumn(%1,%2,'right')")},
        {ui->actionUpRow, QStringLiteral("shiftRow(%1,%2,'up')")},
        {ui->actionDownRow, QStringLiteral("shiftRow(%1,%2,'down')")},
        {ui->actionShiftLeftColumn, QStringLiteral("shiftColumn(%1,%2,'left')")},
        {ui->actionShiftRightColumn, QStringLiteral("shiftColumn(%1,%2,'right')")},
        {ui->actionLeftAlignColumn, QStringLiteral("alignColumn(%1,%2,'left')")},
        {ui->actionCenterAlignColumn, QStringLiteral("alignColumn(%1,%2,'center')")},
        {ui->actionRightAlignColumn, QStringLiteral("alignColumn(%1,%2,'right')")},
        {ui->actionDeleteRow, QStringLiteral("deleteRow(%1,%2)")},
        {ui->actionDeleteColumn, QStringLiteral("deleteColumn(%1,%2)")},
        {ui->actionDeleteTable, QStringLiteral("deleteTable(%1,%2)")},
    };
    connect(&content, &Content::dealLinkSignal, this, &MainWindow::dealLinkSignal);
    connect(&content, &Content::modifyLaTeXSignal, this, &MainWindow::dealModifyLaTeXSignal);
    connect(&content, &Content::copyPromptSignal, this, &MainWindow::onCopyPrompt);
    connect(webView, &QWebEngineViewEx::dropEventSignal, this, &MainWindow::dropEventWebView);
    connect(webView, &QWidget::customContextMenuRequested, this, &MainWindow::showContextMenu);
}

// While the document moves between the editors, neither takes edits.
void MainWindow::pageOrMarkdown(const QString &snippet, const std::function<void()> &markdownEdit)
{
    if (session->state() == DocumentSession::State::ToSource)
        return;
    if (isVisualEditorShown())
        page->run(snippet);
    else
        markdownEdit();
}

void MainWindow::insertIntoSource(const QString &text)
{
    QTextCursor cursor = sourceEditor->textCursor();
    cursor.insertText(text);
    sourceEditor->setTextCursor(cursor);
}

void MainWindow::on_actionBold_triggered()
{
    pageOrMarkdown(QStringLiteral("document.execCommand('bold')"),
                   [this] { MarkdownEditing::wrapSelection(sourceEditor, QStringLiteral("**")); });
}

void MainWindow::on_actionItal_triggered()
{
    pageOrMarkdown(QStringLiteral("document.execCommand('italic')"),
                   [this] { MarkdownEditing::wrapSelection(sourceEditor, QStringLiteral("*")); });
}

void MainWindow::on_actionStrike_triggered()
{
    pageOrMarkdown(QStringLiteral("document.execCommand('strikeThrough')"),
                   [this] { MarkdownEditing::wrapSelection(sourceEditor, QStringLiteral("~~")); });
}

void MainWindow::on_actionCode_triggered()
{
    pageOrMarkdown(QStringLiteral("inserCode();"),
                   [this] { MarkdownEditing::wrapSelection(sourceEditor, QStringLiteral("`")); });
}

void MainWindow::on_actionCodeBlock_triggered()
{
    pageOrMarkdown(QStringLiteral("insertCodeMirror();"), [this] { MarkdownEditing::insertCodeBlock(sourceEditor); });
}

namespace {
QString headingSnippet(int level)
{
    return QStringLiteral("document.execCommand('formatBlock',false,'<h%1>')").arg(level);
}

QString headingPrefix(int level)
{
    return QString(level, QLatin1Char('#')) + QLatin1Char(' ');
}
}

void MainWindow::applyHeading(int level)
{
    pageOrMarkdown(headingSnippet(level),
                   [this, level] { MarkdownEditing::prefixLine(sourceEditor, headingPrefix(level)); });
}

void MainWindow::on_actionHeading1_triggered()
{
    applyHeading(1);
}

void MainWindow::on_actionHeading2_triggered()
{
    applyHeading(2);
}

void MainWindow::on_actionHeading3_triggered()
{
    applyHeading(3);
}

void MainWindow::on_actionHeading4_triggered()
{
    applyHeading(4);
}

void MainWindow::on_actionHeading5_triggered()
{
    applyHeading(5);
}

void MainWindow::on_actionHeading6_triggered()
{
    applyHeading(6);
}

void MainWindow::on_actionQuot_triggered()
{
    pageOrMarkdown(QStringLiteral("document.execCommand('formatBlock',false,'<blockquote>')"),
                   [this] { MarkdownEditing::prefixLine(sourceEditor, QStringLiteral("> ")); });
}

void MainWindow::on_actionParagraph_triggered()
{
    pageOrMarkdown(QStringLiteral("document.execCommand('formatblock', false, 'p')"),
                   [this] { MarkdownEditing::makeParagraphs(sourceEditor); });
}

void MainWindow::on_actionOrderLine_triggered()
{
    pageOrMarkdown(QStringLiteral("document.execCommand('insertOrderedList')"),
                   [this] {
                       MarkdownEditing::prefixSelectedBlocks(sourceEditor,
                                                             [](int i) { return QStringLiteral("%1. ").arg(i); });
                   });
}

void MainWindow::on_actionUnOrderLine_triggered()
{
    pageOrMarkdown(QStringLiteral("document.execCommand('insertUnorderedList')"),
                   [this] {
                       MarkdownEditing::prefixSelectedBlocks(sourceEditor, [](int) { return QStringLiteral("- "); });
                   });
}

void MainWindow::on_actionHoriLine_triggered()
{
    pageOrMarkdown(QStringLiteral("document.execCommand('insertHorizontalRule')"),
                   [this] { MarkdownEditing::insertHorizontalRule(sourceEditor); });
}

void MainWindow::on_actionIndent_triggered()
{
    pageOrMarkdown(QStringLiteral("toggleParagraphIndent();"), [this] { sourceEditor->toggleParagraphIndent(); });
}

void MainWindow::on_actionClear_triggered()
{
    pageOrMarkdown(QStringLiteral("document.execCommand('removeFormat')"),
                   [this] { MarkdownEditing::removeInlineMarkup(sourceEditor); });
}

void MainWindow::on_actionUnlink_triggered()
{
    pageOrMarkdown(QStringLiteral("document.execCommand('unlink')"), [this] { MarkdownEditing::removeLinks(sourceEditor); });
}

void MainWindow::on_actionUndo_triggered()
{
    pageOrMarkdown(QStringLiteral("document.execCommand('undo')"), [this] { sourceEditor->undo(); });
}

void MainWindow::on_actionRedo_triggered()
{
    pageOrMarkdown(QStringLiteral("document.execCommand('redo')"), [this] { sourceEditor->redo(); });
}

// The engine's own clipboard actions: a script may not reach the clipboard.
void MainWindow::on_actionCopy_triggered()
{
    if (isVisualEditorShown())
        webView->triggerPageAction(QWebEnginePage::Copy);
    else
        sourceEditor->copy();
}

void MainWindow::on_actionCut_triggered()
{
    if (isVisualEditorShown())
        webView->triggerPageAction(QWebEnginePage::Cut);
    else if (session->state() == DocumentSession::State::Source)
        sourceEditor->cut();
}

void MainWindow::on_actionDel_triggered()
{
    pageOrMarkdown(QStringLiteral("document.execCommand('delete')"),
                   [this] { MarkdownEditing::deleteSelection(sourceEditor); });
}

void MainWindow::on_actionSelectAll_triggered()
{
    pageOrMarkdown(QStringLiteral("document.execCommand('selectAll')"), [this] { sourceEditor->selectAll(); });
}

void MainWindow::on_actionPaste_triggered()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (isVisualEditorShown()) {
        dispatchMimeData(data);
    } else if (data && session->state() == DocumentSession::State::Source) {
        const PasteData::Records result = PasteData::recordsFor(*data, session->path(), converter);
        if (result.imageNeedsSavedDocument)
            reportImageNeedsSavedDocument();
        insertIntoSource(result.markdown);
    }
}

void MainWindow::on_actionPasteAsText_triggered()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (isVisualEditorShown())
        emit content.dealCopySignal({{QStringLiteral("text"), text}, {QStringLiteral("type"), QStringLiteral("text")}});
    else if (session->state() == DocumentSession::State::Source)
        sourceEditor->insertPlainText(text);
}

void MainWindow::setZoom(double factor, const QVariant &stored)
{
    Config::set(Config::Zoom, stored);
    webView->setZoomFactor(factor);
    showStatusMessage(tr("Zoom Ratio %1%").arg(MarkdownEditing::zoomPercent(factor)), statusColour, statusSeconds);
}

void MainWindow::on_actionZoomIn_triggered()
{
    const double factor = MarkdownEditing::zoomedIn(webView->zoomFactor());
    setZoom(factor, factor);
}

void MainWindow::on_actionZoomOut_triggered()
{
    const double factor = MarkdownEditing::zoomedOut(webView->zoomFactor());
    setZoom(factor, factor);
}

void MainWindow::on_actionDefaultZoom_triggered()
{
    setZoom(1.0, 1);
}

void MainWindow::onCopyPrompt()
{
    showStatusMessage(tr("Copy Successful"), QStringLiteral("#0066CC"), statusSeconds);
}

void MainWindow::pasteByKeyboard()
{
    if (!isVisualEditorShown())
        return;
    showStatusMessage(tr("Paste operation"), statusColour, statusSeconds);
    on_actionPaste_triggered();
}

void MainWindow::keyReleaseEvent(QKeyEvent *event)
{
    QMainWindow::keyReleaseEvent(event);
    if (event->isAutoRepeat() || event->modifiers() != Qt::ControlModifier)
        return;
    if (event->key() == Qt::Key_Slash) {
        if (isVisualEditorShown())
            sourceDock->raise();
        else
            visualDock->raise();
    }
}

// View coordinates in the page's own CSS pixels, which differ once zoomed.
QPoint MainWindow::pagePoint(QPoint viewPoint) const
{
    const double zoom = webView->zoomFactor();
    return QPoint(qRound(viewPoint.x() / zoom), qRound(viewPoint.y() / zoom));
}

void MainWindow::on_actionTable_triggered()
{
    tableDialog->setWindowTitle(tr("Set Up Table"));
    // Closing the picker without choosing a cell inserts nothing.
    if (tableDialog->exec() != QDialog::Accepted)
        return;
    const int rows = tableDialog->chosenRow + 1;
    const int columns = tableDialog->chosenColumn + 1;
    if (isVisualEditorShown()) {
        page->run(QStringLiteral("insertTable(%1,%2)").arg(rows).arg(columns));
        return;
    }
    const QString table = MarkdownEditing::markdownTable(rows, columns);
    if (!table.isEmpty())
        insertIntoSource(table);
}

// At `point` of the view, or from the menus at the caret's table cell.
void MainWindow::runTableCommand(const QString &pageCall, QPoint point)
{
    if (point == QPoint(-1, -1)) {
        page->ask(QStringLiteral("caretCellPoint()"), [this, pageCall](const QVariant &at) {
            const QVariantList xy = at.toList();
            if (xy.size() == 2)
                page->run(pageCall.arg(xy.at(0).toInt()).arg(xy.at(1).toInt()));
        });
        return;
    }
    const QPoint at = pagePoint(point);
    page->ask(QStringLiteral("GetElementFromPoint(%1,%2)").arg(at.x()).arg(at.y()), [this, pageCall, at](const QVariant &tags) {
        if (tags.toString().contains(QStringLiteral("TABLE")))
            page->run(pageCall.arg(at.x()).arg(at.y()));
    });
}

void MainWindow::on_actionAddRowBelow_triggered()
{
    runTableCommand(tablePageCalls.value(ui->actionAddRowBelow), QPoint(-1, -1));
}

void MainWindow::on_actionAddRowAbove_triggered()
{
    runTableCommand(tablePageCalls.value(ui->actionAddRowAbove), QPoint(-1, -1));
}

void MainWindow::on_actionAddColumnLeft_triggered()
{
    runTableCommand(tablePageCalls.value(ui->actionAddColumnLeft), QPoint(-1, -1));
}

void MainWindow::on_actionAddColumnRight_triggered()
{
    runTableCommand(tablePageCalls.value(ui->actionAddColumnRight), QPoint(-1, -1));
}

void MainWindow::on_actionUpRow_triggered()
{
    runTableCommand(tablePageCalls.value(ui->actionUpRow), QPoint(-1, -1));
}

void MainWindow::on_actionDownRow_triggered()
{
    runTableCommand(tablePageCalls.value(ui->actionDownRow), QPoint(-1, -1));
}

void MainWindow::on_actionShiftLeftColumn_triggered()
{
    runTableCommand(tablePageCalls.value(ui->actionShiftLeftColumn), QPoint(-1, -1));
}

void MainWindow::on_actionShiftRightColumn_triggered()
{
    runTableCommand(tablePageCalls.value(ui->actionShiftRightColumn), QPoint(-1, -1));
}

void MainWindow::on_actionLeftAlignColumn_triggered()
{
    runTableCommand(tablePageCalls.value(ui->actionLeftAlignColumn), QPoint(-1, -1));
}

void MainWindow::on_actionCenterAlignColumn_triggered()
{
    runTableCommand(tablePageCalls.value(ui->actionCenterAlignColumn), QPoint(-1, -1));
}

void MainWindow::on_actionRightAlignColumn_triggered()
{
    runTableCommand(tablePageCalls.value(ui->actionRightAlignColumn), QPoint(-1, -1));
}

void MainWindow::on_actionDeleteRow_triggered()
{
    runTableCommand(tablePageCalls.value(ui->actionDeleteRow), QPoint(-1, -1));
}

void MainWindow::on_actionDeleteColumn_triggered()
{
    runTableCommand(tablePageCalls.value(ui->actionDeleteColumn), QPoint(-1, -1));
}

void MainWindow::on_actionDeleteTable_triggered()
{
    runTableCommand(tablePageCalls.value(ui->actionDeleteTable), QPoint(-1, -1));
}
