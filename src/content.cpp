#include "content.h"

#include "MsgBoxHelper.h"

#include <QClipboard>
#include <QDebug>
#include <QDialog>
#include <QDesktopServices>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolTip>
#include <QUrl>
#include <QWidget>

Content::Content(QObject *parent)
    : QObject(parent)
{
}

bool Content::isValidLinkUrl(const QString &url)
{
    return !url.trimmed().isEmpty() && !hasScriptScheme(url);
}

// Browsers read an address without its surrounding spaces and without the
// control characters inside it, so "java\tscript:" is a script address too.
bool Content::hasScriptScheme(const QString &url)
{
    static const QRegularExpression controls(QStringLiteral("[\\x00-\\x20]"));
    static const QRegularExpression scriptScheme(QStringLiteral("^(javascript|vbscript|data):"),
                                                 QRegularExpression::CaseInsensitiveOption);
    return scriptScheme.match(QString(url).remove(controls)).hasMatch();
}

void Content::openUrl(const QString &url)
{
    emit linkOpened(url);
}

void Content::modifyLink(const QString &text, const QString &url)
{
    showLinkDialog(text, url, true);
}

void Content::addLink(const QString &selection)
{
    showLinkDialog(selection, QString(), false);
}

void Content::showLinkDialog(const QString &text, const QString &url, bool modify)
{
    // Over the window the writer works in, centred on it.
    auto *dialog = new QDialog(MsgBoxHelper::dialogParent(), Qt::Dialog | Qt::WindowCloseButtonHint);
    dialog->setObjectName(QStringLiteral("linkDialog"));
    dialog->setWindowIcon(QIcon(QStringLiteral(":/resources/logo.png")));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->resize(300, 150);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setWindowTitle(tr("Set Hyperlink"));
    linkDialog = dialog;

    auto *form = new QFormLayout(dialog);
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->setSpacing(10);
    auto *textEdit = new QLineEdit(text, dialog);
    textEdit->setObjectName(QStringLiteral("linkText"));
    auto *urlEdit = new QLineEdit(url, dialog);
    urlEdit->setObjectName(QStringLiteral("linkUrl"));
    form->addRow(tr("Text:"), textEdit);
    form->addRow(tr("Link:"), urlEdit);
    auto *buttons = new QHBoxLayout;
    auto *confirm = new QPushButton(tr("Confirm"), dialog);
    auto *cancel = new QPushButton(tr("Cancel"), dialog);
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);
    form->addRow(buttons);

    connect(cancel, &QPushButton::clicked, dialog, &QWidget::close);
    connect(confirm, &QPushButton::clicked, dialog, [this, dialog, textEdit, urlEdit, modify] {
        if (!isValidLinkUrl(urlEdit->text())) {
            QToolTip::showText(urlEdit->mapToGlobal(QPoint(0, 0)), tr("Invalid URL"), urlEdit);
            return;
        }
        QJsonObject payload;
        payload.insert(QStringLiteral("title"), textEdit->text());
        payload.insert(QStringLiteral("url"), urlEdit->text());
        payload.insert(QStringLiteral("isModify"), modify);
        payload.insert(QStringLiteral("isATag"), true);
        emit dealLinkSignal(payload);
        dialog->close();
    });
    dialog->show();
}

void Content::updateModifyStatus(bool status)
{
    emit updateModifyStatusSignal(status);
}

void Content::loadRecentMd()
{
    emit loadRecentMdSignal();
}

void Content::wholeDocumentWanted()
{
    emit wholeDocumentWantedSignal();
}

void Content::jsPrint(const QString &text)
{
    qDebug() << text;
}

void Content::copyToClipboard(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    emit copyPromptSignal();
}

void Content::requestDeleteElement(const QString &elementId)
{
    const auto answer = QMessageBox::question(nullptr, tr("Delete Confirmation"), tr("Are you sure you want to delete?"),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton);
    if (answer == QMessageBox::Yes)
        emit removeItemConfirmed(elementId);
}

void Content::modifyLaTeX(const QString &forluma, const QString &xpath)
{
    emit modifyLaTeXSignal(forluma, xpath);
}

void Content::updateWordsCount(const QString &text)
{
    emit updateWordsCountSignal(text);
}

void Content::updateLeftBar(const QVariantList &list)
{
    emit updateLeftBarSignal(list);
}
