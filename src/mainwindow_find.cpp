// Find and replace: the panel's five operations, in the editor that is shown.
#include "mainwindow.h"

#include "QPlainTextEditEx.h"
#include "QWebEngineViewEx.h"
#include "findpanel.h"
#include "findsnippets.h"

#include <QCheckBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString failureColour = QStringLiteral("#FF0000");
constexpr int messageSeconds = 3;
}

void MainWindow::createFindPanel()
{
    findDock = new QDockWidget(tr("Find & Replace"), this);
    findDock->setObjectName(QStringLiteral("dockFind"));
    findDock->setFeatures(QDockWidget::DockWidgetClosable);
    findDock->setAllowedAreas(Qt::BottomDockWidgetArea);
    auto *panel = new FindPanel(findDock);
    findDock->setWidget(panel);
    addDockWidget(Qt::RightDockWidgetArea, findDock);
    findDock->hide();

    findEdit = panel->findEdit;
    replaceEdit = panel->replaceEdit;
    caseSensitiveBox = panel->caseSensitiveBox;
    connect(panel->findNextButton, &QPushButton::clicked, this, &MainWindow::onFindNext);
    connect(findEdit, &QLineEdit::returnPressed, this, &MainWindow::onFindNext);
    connect(findEdit, &QLineEdit::textChanged, this, [this] {
        if (findEdit->text().trimmed().isEmpty())
            return;
        if (isVisualEditorShown())
            findInPage(false, true);
        else if (!findEdit->text().trimmed().isEmpty())
            findInSource(false, true);
    });
    connect(panel->findPreviousButton, &QPushButton::clicked, this, &MainWindow::onFindPrevious);
    connect(panel->replaceButton, &QPushButton::clicked, this, &MainWindow::onReplace);
    connect(panel->replaceAndFindButton, &QPushButton::clicked, this, &MainWindow::onReplaceAndFind);
    connect(panel->replaceAllButton, &QPushButton::clicked, this, &MainWindow::onReplaceAll);
}

void MainWindow::on_actionFind_triggered()
{
    findEdit->setText(isVisualEditorShown() ? webView->selectedText() : sourceEditor->textCursor().selectedText());
    findEdit->setFocus();
    findDock->show();
}

void MainWindow::on_actionReplace_triggered()
{
    on_actionFind_triggered();
}

void MainWindow::findInSource(bool backwards, bool asTyped)
{
    if (asTyped) {
        QTextCursor from = sourceEditor->textCursor();
        from.setPosition(from.selectionStart());
        sourceEditor->setTextCursor(from);
    }
    QTextDocument::FindFlags flags;
    if (caseSensitiveBox->isChecked())
        flags |= QTextDocument::FindCaseSensitively;
    if (backwards)
        flags |= QTextDocument::FindBackward;
    const QString text = findEdit->text().trimmed();
    if (sourceEditor->find(text, flags))
        return;
    sourceEditor->moveCursor(backwards ? QTextCursor::End : QTextCursor::Start);
    sourceEditor->find(text, flags);
}

void MainWindow::findInPage(bool backwards, bool asTyped)
{
    const QString text = findEdit->text().trimmed();
    const QString script = asTyped ? FindSnippets::findAsTyped(text, caseSensitiveBox->isChecked())
                                   : FindSnippets::find(text, caseSensitiveBox->isChecked(), backwards);
    page->ask(script, [this](const QVariant &found) {
        if (!(found.type() == QVariant::Bool && found.toBool()))
            showStatusMessage(tr("No matching text found!"), failureColour, messageSeconds);
    });
}

void MainWindow::onFindNext()
{
    if (isVisualEditorShown())
        findInPage(false);
    else if (!findEdit->text().trimmed().isEmpty())
        findInSource(false);
}

void MainWindow::onFindPrevious()
{
    if (findEdit->text().trimmed().isEmpty())
        return;
    if (isVisualEditorShown())
        findInPage(true);
    else
        findInSource(true);
}

void MainWindow::onReplace()
{
    const QString text = findEdit->text().trimmed();
    if (text.isEmpty()) {
        showStatusMessage(tr("Please enter text to find!"), failureColour, messageSeconds);
        return;
    }
    if (!isVisualEditorShown()) {
        QTextCursor cursor = sourceEditor->textCursor();
        if (cursor.hasSelection()) {
            cursor.insertText(replaceEdit->text());
            sourceEditor->setTextCursor(cursor);
        }
        return;
    }
    const QString script = FindSnippets::replace(text, replaceEdit->text(), caseSensitiveBox->isChecked());
    page->ask(script, [this](const QVariant &replaced) {
        if (replaced.type() == QVariant::Bool && replaced.toBool())
            onFindNext();
        else
            showStatusMessage(tr("No matching text to replace!"), failureColour, messageSeconds);
    });
}

void MainWindow::onReplaceAndFind()
{
    onReplace();
    onFindNext();
}

void MainWindow::onReplaceAll()
{
    const QString text = findEdit->text().trimmed();
    if (text.isEmpty())
        return;
    const auto report = [this](int count) {
        showStatusMessage(tr("Replaced %1 occurrences!").arg(count), QStringLiteral("#0066CC"), messageSeconds);
    };
    if (isVisualEditorShown()) {
        const QString script = FindSnippets::replaceAll(text, replaceEdit->text(), caseSensitiveBox->isChecked());
        page->ask(script, [report](const QVariant &count) { report(count.toInt()); });
        return;
    }
    QTextDocument::FindFlags flags;
    if (caseSensitiveBox->isChecked())
        flags |= QTextDocument::FindCaseSensitively;
    sourceEditor->moveCursor(QTextCursor::Start);
    int count = 0;
    while (sourceEditor->find(text, flags)) {
        QTextCursor match = sourceEditor->textCursor();
        match.insertText(replaceEdit->text());
        sourceEditor->setTextCursor(match);
        ++count;
    }
    report(count);
    sourceEditor->moveCursor(QTextCursor::Start);
}
