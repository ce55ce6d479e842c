// What the Visual Editor's context menu offers, and the things inserted into
// either editor: links, formulas, images, pasted and dropped data.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "excelhelper.h"
#include "MsgBoxHelper.h"
#include "QPlainTextEditEx.h"
#include "QWebEngineViewEx.h"
#include "actionicons.h"
#include "imageplacement.h"
#include "latexeditordialog.h"
#include "pastedata.h"
#include "pagespelling.h"
#include "setimagewindow.h"
#include "spellingmenu.h"

#include <QCursor>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QWebEngineContextMenuData>
#include <QWebEngineProfile>

void MainWindow::showContextMenu(const QPoint &point)
{
    const QPoint at = pagePoint(point);
    // What the engine says of the word under the pointer holds only now (and
    // only when the engine itself asked for the menu).
    const QWebEngineContextMenuData &clicked = webView->page()->contextMenuData();
    const QString misspelt = clicked.isValid() ? clicked.misspelledWord() : QString();
    const QStringList suggestions = clicked.isValid() ? clicked.spellCheckerSuggestions().mid(0, 5) : QStringList();
    page->ask(QStringLiteral("GetElementFromPoint(%1,%2)").arg(at.x()).arg(at.y()),
              [this, point, at, misspelt, suggestions](const QVariant &answer) {
        const QString tags = answer.toString();
        delete contextMenu;
        auto *menu = new QMenu(this);
        menu->setObjectName(QStringLiteral("visualContextMenu"));
        contextMenu = menu;
        menu->addActions({ui->actionUndo, ui->actionRedo});
        menu->addSeparator();
        menu->addActions({ui->actionCut, ui->actionCopy, ui->actionPaste, ui->actionPasteAsText, ui->actionDel,
                          ui->actionSelectAll});
        menu->addSeparator();

        const QColor colour = palette().color(QPalette::WindowText);
        if (tags.contains(QStringLiteral("X-EQUATION"))) {
            QMenu *formula = menu->addMenu(ActionIcons::glyphIcon(QChar(0xF12C), colour), tr("LaTeX"));
            formula->setLayoutDirection(Qt::LeftToRight);
            connect(formula->addAction(tr("Delete")), &QAction::triggered, this,
                    [this, at] { page->run(QStringLiteral("deleteLaTeX(%1,%2)").arg(at.x()).arg(at.y())); });
            connect(formula->addAction(tr("Modify")), &QAction::triggered, this,
                    [this, at] { page->run(QStringLiteral("modifyLaTeX(%1,%2)").arg(at.x()).arg(at.y())); });
        } else {
            menu->addAction(ui->actionLaTeX);
        }
        if (tags.contains(QStringLiteral("TABLE")))
            menu->addMenu(tableMenu(point));
        else
            menu->addAction(ui->actionTable);
        menu->addActions({ui->actionCodeBlock, ui->actionLink, ui->actionImage});
        if (!misspelt.isEmpty() && !pageSpelling->activeDictionary().isEmpty())
            SpellingMenu::offer(menu, misspelt, suggestions, spellChecker,
                                [this](const QString &replacement) { webView->page()->replaceMisspelledWord(replacement); });
        menu->exec(QCursor::pos());
    });
}

QMenu *MainWindow::tableMenu(const QPoint &point)
{
    auto *menu = new QMenu(tr("Table"), contextMenu);
    menu->setIcon(ActionIcons::glyphIcon(QChar(0xF0CE), palette().color(QPalette::WindowText)));
    menu->setLayoutDirection(Qt::LeftToRight);
    const QList<QList<QAction *>> groups = {
        {ui->actionAddRowAbove, ui->actionAddRowBelow, ui->actionAddColumnLeft, ui->actionAddColumnRight},
        {ui->actionUpRow, ui->actionDownRow, ui->actionShiftLeftColumn, ui->actionShiftRightColumn},
        {ui->actionLeftAlignColumn, ui->actionCenterAlignColumn, ui->actionRightAlignColumn},
        {ui->actionDeleteRow, ui->actionDeleteColumn, ui->actionDeleteTable},
    };
    for (const QList<QAction *> &group : groups) {
        if (!menu->isEmpty())
            menu->addSeparator();
        for (QAction *command : group) {
            const QString pageCall = tablePageCalls.value(command);
            connect(menu->addAction(command->icon(), command->text()), &QAction::triggered, this,
                    [this, pageCall, point] { runTableCommand(pageCall, point); });
        }
    }
    QAction *exportAction = menu->addAction(
        ActionIcons::svgIconFromFile(QStringLiteral(":/resources/icons/export-excel.svg"), palette().color(QPalette::WindowText)),
        tr("Export to Excel"));
    exportAction->setObjectName(QStringLiteral("exportTableToExcel"));
    const QPoint at = pagePoint(point);
    connect(exportAction, &QAction::triggered, this, [this, at] {
        const QString target = exportTarget(QStringLiteral(".xlsx"));
        page->ask(QStringLiteral("getTableHtml(%1,%2)").arg(at.x()).arg(at.y()), [target](const QVariant &table) {
            const QString html = table.toString();
            if (!html.isEmpty())
                ExcelHelper().exportToExcel(html, target);
        });
    });
    return menu;
}

void MainWindow::on_actionLink_triggered()
{
    if (isVisualEditorShown())
        page->run(QStringLiteral("openLinkWin();"));
    else
        content.addLink(sourceEditor->textCursor().selectedText());
}

void MainWindow::dealLinkSignal(const QJsonObject &jsonData)
{
    if (isVisualEditorShown())
        emit content.addLinkSignal(jsonData);
    else
        insertIntoSource(QStringLiteral("[%1](%2)").arg(jsonData.value(QStringLiteral("title")).toString(),
                                                        jsonData.value(QStringLiteral("url")).toString()));
}

void MainWindow::on_actionLaTeX_triggered()
{
    latexDialog->setWindowTitle(tr("Add") + QStringLiteral("LaTeX"));
    // A cancelled dialog inserts nothing, not the formula accepted last time.
    if (latexDialog->exec() != QDialog::Accepted || latexDialog->formula.isEmpty())
        return;
    if (isVisualEditorShown())
        emit content.insertLaTeX(latexDialog->formula);
    else
        insertIntoSource(QStringLiteral("$$%1$$").arg(latexDialog->formula));
}

void MainWindow::dealModifyLaTeXSignal(const QString &forluma, const QString &xpath)
{
    latexDialog->setWindowTitle(tr("Modify") + QStringLiteral("LaTeX"));
    latexDialog->setFormula(forluma);
    if (latexDialog->exec() != QDialog::Accepted || latexDialog->formula.isEmpty())
        return;
    if (isVisualEditorShown())
        emit content.modifyLaTeXJs(latexDialog->formula, xpath);
}

void MainWindow::on_actionImage_triggered()
{
    auto *window = new SetImageWindow(this, session->path().isEmpty() ? QString() : QFileInfo(session->path()).absolutePath());
    connect(window, &SetImageWindow::accepted, this, &MainWindow::insertImageLink);
    window->show();
}

void MainWindow::insertImageLink(const QString &link)
{
    QString placed = ImagePlacement::pathForDocument(session->path(), ImagePlacement::placeImageFile(session->path(), link));
    placed.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString encoded = QUrl(placed).toString(QUrl::FullyEncoded);
    if (isVisualEditorShown())
        emit content.insertImageSignal(encoded);
    else
        insertIntoSource(tr("![Image ALT](%1)").arg(encoded));
}

void MainWindow::dispatchMimeData(const QMimeData *data)
{
    if (!data)
        return;
    const PasteData::Records result = PasteData::recordsFor(*data, session->path(), converter);
    if (result.imageNeedsSavedDocument)
        reportImageNeedsSavedDocument();
    for (const QJsonObject &record : result.records)
        emit content.dealCopySignal(record);
    webView->page()->profile()->clearHttpCache();
}

void MainWindow::reportImageNeedsSavedDocument()
{
    MsgBoxHelper::showMessageBox(QMessageBox::Information, tr("Prompt"),
                                 tr("The current document has not been saved. Please save the file first before pasting images."),
                                 MsgBoxHelper::OkOnly);
}

void MainWindow::dropEventWebView(QDropEvent *event)
{
    dispatchMimeData(event->mimeData());
    event->acceptProposedAction();
}
