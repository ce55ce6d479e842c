#include "exporthtml.h"

#include "config.h"
#include "productlinks.h"
#include "resources.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QJsonObject>
#include <QRegularExpression>

namespace ExportHtml {

namespace {
QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

const char *const tocStyle = R"(
html, body { margin: 0; padding: 0; }
#toc_sidebar { position: fixed; top: 0; left: 0; width: 250px; height: calc(100vh - 32px); overflow-y: auto; overflow-x: hidden; border-right: 1px solid #ddd; padding: 15px; padding-bottom: 30px; background: #fff; z-index: 999; box-sizing: border-box; }
#toc_sidebar h4 { margin-top: 0; margin-bottom: 15px; padding-bottom: 8px; border-bottom: 1px solid #eee; font-family: sans-serif; color: #333; }
#toc_list { list-style: none; padding-left: 0; margin: 0; }
#toc_list li { margin: 2px 0; line-height: 1.5; }
#toc_list li[data-level="1"] { padding-left: 0; }
#toc_list li[data-level="2"] { padding-left: 12px; }
#toc_list li[data-level="3"] { padding-left: 24px; }
#toc_list li[data-level="4"] { padding-left: 36px; }
#toc_list li[data-level="5"] { padding-left: 48px; }
#toc_list li[data-level="6"] { padding-left: 60px; }
#toc_list a { color: #555; text-decoration: none; display: block; padding: 5px 8px; font-size: 13px; border-left: 3px solid transparent; transition: all 0.15s ease-in-out; white-space: nowrap; overflow: hidden; text-overflow: ellipsis; }
#toc_list a:hover { background: #f5f5f5; color: #000; }
#toc_list a.active { background: #e8f0fe !important; color: #1a73e8 !important; font-weight: bold !important; border-left: 3px solid #1a73e8 !important; }
body { margin-left: 280px !important; padding: 20px !important; padding-bottom: 80px !important; box-sizing: border-box; }
#footer_status { position: fixed; bottom: 0; left: 0; width: 100%; height: 32px; line-height: 32px; text-align: center; background: #f5f5f5; border-top: 1px solid #ddd; font-size: 12px; z-index: 1000; }
#footer_status a { color: #0066cc; text-decoration: none; }
#footer_status a:hover { text-decoration: underline; }
)";

const char *const tocScript = R"(
(function () {
  var entries = [], headings = [], current = null;
  function refresh() {
    if (!headings.length) return;
    var line = window.pageYOffset + 120, found = headings[0];
    for (var i = headings.length - 1; i >= 0; i--) {
      if (headings[i].getBoundingClientRect().top + window.pageYOffset <= line) { found = headings[i]; break; }
    }
    if (found === current) return;
    current = found;
    entries.forEach(function (entry) {
      var link = entry.querySelector("a");
      var active = entry.getAttribute("data-anchor") === found.id;
      link.classList.toggle("active", active);
      if (active) link.scrollIntoView({ behavior: "smooth", block: "center" });
    });
  }
  function init() {
    entries = Array.prototype.slice.call(document.querySelectorAll("#toc_list li"));
    headings = Array.prototype.slice.call(document.querySelectorAll("h1, h2, h3, h4, h5, h6"))
      .filter(function (h) { return h.id.indexOf("toc_anchor_") === 0; });
    entries.forEach(function (entry) {
      var link = entry.querySelector("a");
      link.onclick = function (event) {
        event.preventDefault();
        var target = document.getElementById(entry.getAttribute("data-anchor"));
        if (target) target.scrollIntoView({ behavior: "smooth", block: "start" });
      };
    });
    current = null;
    refresh();
  }
  document.addEventListener("DOMContentLoaded", init);
  window.addEventListener("load", init);
  setTimeout(init, 300);
  window.addEventListener("scroll", refresh);
  window.addEventListener("resize", refresh);
})();
)";
}

const char *const exportStyle = R"(
.markdown-body { box-sizing: border-box; min-width: 200px; max-width: 98%; margin: 0 auto; padding: 25px; }
pre.CodeMirror { height: auto; margin: 0 0 16px; padding: 8px 12px; font-size: 14px; white-space: pre-wrap; border: 1px solid #ddd; border-radius: 4px; }
)";

Styles stylesFromSettings()
{
    const QString theme = Config::get(Config::PreviewTheme).toString();
    const QString codeStyle = Config::get(Config::CodeBlockStyle).toString();
    Styles styles;
    styles.theme = readText(themesFolder() + QStringLiteral("/%1.css").arg(theme));
    styles.codeMirror = readText(QStringLiteral(":/codemirror/lib/codemirror.css"));
    if (codeStyle != QLatin1String("default"))
        styles.codeTheme = readText(QStringLiteral(":/codemirror/theme/%1.css").arg(codeStyle));
    styles.formulas = formulaStyle();
    return styles;
}

QString formulaStyle()
{
    // Each font face keeps only its WOFF2 file, embedded; the other formats
    // would be further addresses for the same font.
    static const QRegularExpression fontSources(QStringLiteral(
        "url\\((fonts/[^)]+\\.woff2)\\) format\\(\"woff2\"\\)(,url\\([^)]*\\) format\\(\"[^\"]*\"\\))*"));
    const QString style = readText(QStringLiteral(":/katex/katex.min.css"));
    QString embedded;
    int copied = 0;
    for (QRegularExpressionMatchIterator it = fontSources.globalMatch(style); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        QFile font(QStringLiteral(":/katex/") + match.captured(1));
        const QByteArray bytes = font.open(QIODevice::ReadOnly) ? font.readAll() : QByteArray();
        embedded += style.midRef(copied, match.capturedStart(0) - copied);
        embedded += QStringLiteral("url(data:font/woff2;base64,%1) format(\"woff2\")").arg(QString::fromLatin1(bytes.toBase64()));
        copied = match.capturedEnd(0);
    }
    return embedded + style.midRef(copied);
}

QString exportPolicy(const QString &script)
{
    const QString scripts = script.isEmpty()
        ? QStringLiteral("'none'")
        : QStringLiteral("'sha256-%1'").arg(QString::fromLatin1(
              QCryptographicHash::hash(script.toUtf8(), QCryptographicHash::Sha256).toBase64()));
    return QStringLiteral("default-src 'none'; script-src %1; style-src 'unsafe-inline'; font-src data:; "
                          "img-src * data: file:; media-src * data: file:; base-uri 'none'; form-action 'none'")
        .arg(scripts);
}

QJsonObject exportRequest(const Styles &styles, const QString &title, bool tableOfContents, bool forWord)
{
    const QString script = tableOfContents ? QString::fromUtf8(tocScript) : QString();
    QString style = styles.theme + styles.codeMirror + styles.codeTheme + QString::fromUtf8(exportStyle);
    if (tableOfContents)
        style += QString::fromUtf8(tocStyle);
    return {
        {QStringLiteral("title"), title},
        {QStringLiteral("style"), style},
        {QStringLiteral("formulaStyle"), forWord ? QString() : styles.formulas},
        {QStringLiteral("policy"), exportPolicy(script)},
        {QStringLiteral("forWord"), forWord},
        {QStringLiteral("tableOfContents"), tableOfContents},
        {QStringLiteral("script"), script},
        {QStringLiteral("homepage"), ProductLinks::homepage()},
    };
}

QString plainHtml(const QString &renderedHtml)
{
    static const QRegularExpression bareTag(QStringLiteral("(<\\w+)\\s*>"));
    QString html = renderedHtml;
    html.remove(QStringLiteral("contenteditable=\"false\""));
    return html.replace(bareTag, QStringLiteral("\\1>"));
}

}
