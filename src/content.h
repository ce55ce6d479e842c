#pragma once

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantList>

class QWidget;

// The bridge object published to the editor page as "content" (contentObj).
// The page calls its slots; the native side talks to the page through its signals.
class Content : public QObject
{
    Q_OBJECT
public:
    explicit Content(QObject *parent = nullptr);

    // The check the hyperlink dialog applies to the "Link:" field: any address
    // a writer links to, but none that runs script.
    static bool isValidLinkUrl(const QString &url);
    static bool hasScriptScheme(const QString &url);

signals:
    // Blocks [first, first + removed) of the page's document give way to `html`;
    // the index of every later block moves by `shift`.
    void patchHtmlSignal(int first, int removed, const QString &html, int shift);
    // The page's document as read the `read`th time: its top-level elements
    // are the blocks `blockOfElement` names (-1: none); then as
    // patchHtmlSignal. A page read or changed since asks for the whole
    // document instead (wholeDocumentWanted).
    void rebaseAndPatchHtmlSignal(int read, const QVariantList &blockOfElement, int first, int removed,
                                  const QString &html, int shift);
    void wholeDocumentWantedSignal();
    void dealDragSignal(const QJsonObject &jsonData);
    void dealCopySignal(const QJsonObject &jsonData);
    void updateModifyStatusSignal(bool status);
    void loadRecentMdSignal();
    void webViewFocusSignal();
    void modifyLaTeXSignal(const QString &forluma, const QString &xpath);
    void dealLinkSignal(const QJsonObject &jsonData);
    void addLinkSignal(const QJsonObject &jsonData);
    void insertImageSignal(const QString &src);
    void insertLaTeX(const QString &arg);
    void modifyLaTeXJs(const QString &forluma, const QString &xpath);
    void removeItemConfirmed(const QString &elementId);
    void updateWordsCountSignal(const QString &text);
    void updateLeftBarSignal(const QVariantList &list);
    void updateSideBarSignal();
    void copyPromptSignal();
    void linkOpened(const QString &href);

public slots:
    void openUrl(const QString &url);
    void modifyLink(const QString &text, const QString &url);
    void addLink(const QString &selection);
    void updateModifyStatus(bool status);
    void loadRecentMd();
    void wholeDocumentWanted();
    void jsPrint(const QString &text);
    void copyToClipboard(const QString &text);
    void requestDeleteElement(const QString &elementId);
    void modifyLaTeX(const QString &forluma, const QString &xpath);
    void updateWordsCount(const QString &text);
    void updateLeftBar(const QVariantList &list);

private:
    void showLinkDialog(const QString &text, const QString &url, bool modify);

    QPointer<QWidget> linkDialog;
};
