// Export to HTML, Word and PDF, printing, and "Get HTML".
#include "mainwindow.h"

#include "MsgBoxHelper.h"
#include "QWebEngineViewEx.h"
#include "documentfile.h"
#include "exporthtml.h"
#include "markdownflags.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWebEnginePage>

namespace {
bool writeWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
}

void MainWindow::reportExport(bool written, const QString &path, const QString &error)
{
    if (written)
        MsgBoxHelper::showMessageBox(QMessageBox::Information, tr("Prompt"), tr("Export Successful"),
                                     MsgBoxHelper::OkOnly);
    else
        MsgBoxHelper::showMessageBox(QMessageBox::Warning, tr("Prompt"),
                                     tr("Cannot export to %1: %2").arg(QDir::toNativeSeparators(path), error),
                                     MsgBoxHelper::OkOnly);
}

QString MainWindow::exportTarget(const QString &suffix) const
{
    const QTreeWidgetItem *firstEntry = outlineTree->topLevelItem(0);
    return pathBesideDocument(session->path(), suggestedFileName(firstEntry ? firstEntry->text(0) : QString(), QString()),
                              suffix);
}

void MainWindow::exportPage(const QString &title, const QString &filter, bool forWord, const QString &lineEnd)
{
    const QString path = QFileDialog::getSaveFileName(this, title, exportTarget(forWord ? QStringLiteral(".doc") : QStringLiteral(".html")),
                                                      filter);
    if (path.isEmpty())
        return;
    const bool tableOfContents =
        QMessageBox::question(this, tr("Export Option"),
                              tr("Do you want to generate a fixed table of contents sidebar with heading navigation?"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
    const QJsonObject request = ExportHtml::exportRequest(ExportHtml::stylesFromSettings(),
                                                          QFileInfo(path).completeBaseName(), tableOfContents, forWord);
    page->exportDocument(request, [this, path, lineEnd](const QString &html) {
        QString error = tr("The editor did not give its document.");
        reportExport(!html.isEmpty() && writeWhole(path, (html + lineEnd).toUtf8(), &error), path, error);
    });
}

void MainWindow::on_actionHTML_triggered()
{
    exportPage(tr("Export HTML File"), tr("HTML File (*.html)"), false, QStringLiteral("\n"));
}

void MainWindow::on_actionWordDocx_triggered()
{
    exportPage(tr("Export Word File"), tr("Word File (*.doc)"), true, QString());
}

void MainWindow::on_actionPDF_triggered()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Export PDF File"), exportTarget(QStringLiteral(".pdf")),
                                                      tr("PDF File (*.pdf)"));
    if (path.isEmpty())
        return;
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                             QPageLayout::Point, QMarginsF(0, 0, 0, 0));
    // Success is reported once the engine has made the whole PDF and it is on disk.
    page->printToPdf(layout, [this, path](const QByteArray &pdf) {
        QString error = tr("The page could not be printed.");
        reportExport(!pdf.isEmpty() && writeWhole(path, pdf, &error), path, error);
    });
}

void MainWindow::on_actionPrint_triggered()
{
    if (!printer)
        printer = new QPrinter(QPrinter::HighResolution);
    QPrintDialog dialog(printer);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const auto report = [](bool success) {
        MsgBoxHelper::showMessageBox(success ? QMessageBox::Information : QMessageBox::Warning, tr("Prompt"),
                                     success ? tr("Print Successful") : tr("Print Failed"), MsgBoxHelper::OkOnly);
    };
    // Printed to a file, the engine's own PDF keeps the text as text.
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
        const QString path = printer->outputFileName();
        page->printToPdf(printer->pageLayout(), [path, report](const QByteArray &pdf) {
            QString error;
            report(!pdf.isEmpty() && writeWhole(path, pdf, &error));
        });
        return;
    }
    page->print(printer, report);
}

void MainWindow::on_actionGet_HTML_triggered()
{
    bool read = false;
    const QString markdown = currentMarkdown(&read);
    if (!read) {
        reportUnreadableDocument();
        return;
    }
    // Shown and copied as text: raw HTML stands as written.
    const QString html = ExportHtml::plainHtml(
        QString::fromStdString(renderedMarkdown(DocumentConverter::isolateTables(markdown).toStdString())));

    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("getHtmlDialog"));
    dialog.setWindowTitle(QStringLiteral("HTML 源码"));
    dialog.setMinimumSize(700, 500);
    auto *layout = new QVBoxLayout(&dialog);
    auto *text = new QPlainTextEdit(&dialog);
    text->setReadOnly(true);
    text->setPlainText(html);
    text->setStyleSheet(QStringLiteral("font-family: Consolas; font-size: 13px;"));
    auto *copy = new QPushButton(QStringLiteral("复制全部 HTML"), &dialog);
    layout->addWidget(text);
    layout->addWidget(copy);
    connect(copy, &QPushButton::clicked, &dialog, [text, copy] {
        QGuiApplication::clipboard()->setText(text->toPlainText());
        copy->setText(QStringLiteral("已复制！"));
    });
    dialog.exec();
}
