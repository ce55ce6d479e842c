#include "exporthtml.h"

#include "appsettings.h"
#include "productlinks.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>

namespace ExportHtml {

namespace {
QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

const char *const tocStyle = R"(<style type="text/css">
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
</style>
)";

const char *const tocScript = R"(<script>
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
</script>
)";
}

Styles stylesFromSettings()
{
    QSettings *settings = appSettings();
    const QString theme = settings->value(QStringLiteral("cssfile"), QStringLiteral("github-markdown-light")).toString();
    const QString codeStyle = settings->value(QStringLiteral("codeBlockStyle"), QStringLiteral("default")).toString();
    Styles styles;
    styles.theme = readText(QCoreApplication::applicationDirPath() + QStringLiteral("/themes/%1.css").arg(theme));
    styles.codeMirror = readText(QStringLiteral(":/codemirror/lib/codemirror.css"));
    if (codeStyle != QLatin1String("default"))
        styles.codeTheme = readText(QStringLiteral(":/codemirror/theme/%1.css").arg(codeStyle));
    return styles;
}

QString tableOfContentsBlock(const QString &entries)
{
    return QString::fromUtf8(tocStyle)
        + QStringLiteral("<div id=\"toc_sidebar\"><h4>Table of Contents</h4><ul id=\"toc_list\">%1</ul></div>").arg(entries)
        + QStringLiteral("<div id=\"footer_status\"><a href=\"%1\" target=\"_blank\">Made with Penwick</a></div>")
              .arg(ProductLinks::homepage())
        + QString::fromUtf8(tocScript);
}

QString buildExportHtml(const QString &pageHtml, const Styles &styles, bool tableOfContents)
{
    QString html = pageHtml;
    html.remove(QStringLiteral("contenteditable=\"true\""));
    html.remove(QStringLiteral("id=\"bodyeditor\""));
    html.replace(QStringLiteral("<html>"), QStringLiteral("<html xmlns:office=\"urn:schemas-microsoft-com:office:office\">"));

    // Each script and style link goes on its own: a pattern spanning from the
    // first to the last of them would take the document between them too.
    static const QRegularExpression pageParts[] = {
        QRegularExpression(QStringLiteral("<script\\b[^>]*>[\\s\\S]*?</script>")),
        QRegularExpression(QStringLiteral("<link rel=\"stylesheet\"[^>]*>")),
        QRegularExpression(QStringLiteral("<div class=\"cm-toolbar\">[\\s\\S]*?</div>")),
        // The editor page's own policy would stop the exported page's script.
        QRegularExpression(QStringLiteral("<meta http-equiv=\"Content-Security-Policy\"[^>]*>")),
    };
    for (const QRegularExpression &part : pageParts)
        html.remove(part);

    html.replace(QStringLiteral("<style type=\"text/css\">"),
                 QStringLiteral("<style type=\"text/css\">") + styles.theme + styles.codeMirror + styles.codeTheme
                     + QStringLiteral(".CodeMirror { height: auto; }"));

    if (!tableOfContents)
        return html;
    // Each heading gets its own anchor, also when two headings read the same.
    static const QRegularExpression heading(QStringLiteral("<h([1-6])>([\\s\\S]*?)</h\\1>"));
    QString anchored;
    QString entries;
    int index = 0;
    int copied = 0;
    for (QRegularExpressionMatchIterator it = heading.globalMatch(html); it.hasNext(); ++index) {
        const QRegularExpressionMatch match = it.next();
        const QString level = match.captured(1);
        const QString anchor = QStringLiteral("toc_anchor_%1").arg(index);
        anchored += html.midRef(copied, match.capturedStart(0) - copied);
        anchored += QStringLiteral("<h%1 id=\"%2\">%3</h%1>").arg(level, anchor, match.captured(2));
        copied = match.capturedEnd(0);
        entries += QStringLiteral("<li data-level=\"%1\" data-anchor=\"%2\"><a href=\"#%2\">%3</a></li>")
                       .arg(level, anchor, match.captured(2));
    }
    anchored += html.midRef(copied);
    html = anchored;
    html.replace(QStringLiteral("<body>"), QStringLiteral("<body>") + tableOfContentsBlock(entries));
    return html;
}

QString withTitle(const QString &html, const QString &title)
{
    static const QRegularExpression titles(QStringLiteral("<title>(.*)</title>"),
                                           QRegularExpression::CaseInsensitiveOption
                                               | QRegularExpression::DotMatchesEverythingOption);
    QString result = html;
    return result.replace(titles, QStringLiteral("<title>%1</title>").arg(title.toHtmlEscaped()));
}

QString plainHtml(const QString &renderedHtml)
{
    static const QRegularExpression bareTag(QStringLiteral("(<\\w+)\\s*>"));
    QString html = renderedHtml;
    html.remove(QStringLiteral("contenteditable=\"false\""));
    return html.replace(bareTag, QStringLiteral("\\1>"));
}

}
