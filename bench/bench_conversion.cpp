// Throughput of the document conversions on a generated document of about
// 20 MB, as the Visual Editor's page returns it, and the time of inputs that
// would be slow for a converter that backtracks.
//
// Usage: bench_conversion [megabytes]
#include "documentconverter.h"
#include "html2md/html2md.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A formula as the page holds it once KaTeX has rendered it.
std::string renderedFormula(const std::string &tex, bool display)
{
    return std::string(display ? "<x-equation type=\"display\" contenteditable=\"false\">"
                               : "<x-equation contenteditable=\"false\">")
        + "<span class=\"katex\"><span class=\"katex-mathml\"><math><semantics><mrow><mi>x</mi></mrow>"
          "<annotation encoding=\"application/x-tex\">"
        + tex + "</annotation></semantics></math></span><span class=\"katex-html\" aria-hidden=\"true\">"
                "<span class=\"base\"><span class=\"mord mathnormal\">x</span></span></span></span></x-equation>";
}

std::string generateDocument(size_t targetBytes)
{
    std::mt19937 random(42);
    const char *words[] = {"editor", "markdown", "table", "formula", "document", "value", "network", "the",
                           "a", "of", "render", "quickly", "writers", "trust", "program", "lines"};
    const auto word = [&] { return std::string(words[random() % 16]); };
    const auto sentence = [&](int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            const int kind = static_cast<int>(random() % 20);
            if (i)
                text += ' ';
            if (kind == 0)
                text += "<strong>" + word() + "</strong>";
            else if (kind == 1)
                text += "<em>" + word() + " " + word() + "</em>";
            else if (kind == 2)
                text += "<code>" + word() + "()</code>";
            else if (kind == 3)
                text += "<a href=\"https://example.org/" + word() + "\">" + word() + "</a>";
            else if (kind == 4)
                text += renderedFormula("\\frac{a_" + std::to_string(i) + "}{b}", false);
            else
                text += word();
        }
        return text + ".";
    };

    std::string html;
    html.reserve(targetBytes + 4096);
    for (int section = 1; html.size() < targetBytes; ++section) {
        html += "<h2>Section " + std::to_string(section) + "</h2>\n";
        for (int p = 0; p < 4; ++p)
            html += "<p>" + sentence(40) + "\n" + sentence(25) + "</p>\n";
        html += "<ul>\n";
        for (int item = 0; item < 4; ++item) {
            html += "<li>" + sentence(8);
            if (item == 1)
                html += "<ol>\n<li>" + sentence(5) + "</li>\n<li>" + sentence(5) + "</li>\n</ol>\n";
            html += "</li>\n";
        }
        html += "</ul>\n<p><table><thead><tr><th>Name</th><th align=\"center\">Value</th><th>Note</th></tr></thead>"
                "<tbody>\n";
        for (int row = 0; row < 6; ++row)
            html += "<tr><td>" + word() + "</td><td>" + std::to_string(random() % 1000) + "</td><td>"
                + (row % 3 ? sentence(3) : std::string()) + "</td></tr>\n";
        html += "</tbody></table></p>\n<pre><code class=\"cpp\">int main() {\n    return value &lt; 3 &amp;&amp; ok;\n}"
                "</code></pre>\n";
        html += "<p>" + renderedFormula("\\sum_{i=1}^{n} x_i^2", true) + "</p>\n";
        html += "<blockquote>\n<p>" + sentence(15) + "</p>\n</blockquote>\n";
    }
    return html;
}

void report(const char *name, double megabytes, double seconds)
{
    std::printf("%s: %.1f MB/s\n", name, megabytes / seconds);
}

void timeOne(const char *name, const std::string &html)
{
    const auto start = Clock::now();
    const std::string markdown = html2md::toMarkdown(html);
    std::printf("%s: %.1f ms (%zu bytes out)\n", name, secondsSince(start) * 1000.0, markdown.size());
}

}

int main(int argc, char *argv[])
{
    const double targetMegabytes = argc > 1 ? std::atof(argv[1]) : 20.0;
    const std::string html = generateDocument(static_cast<size_t>(targetMegabytes * 1024 * 1024));
    const double megabytes = static_cast<double>(html.size()) / (1024.0 * 1024.0);
    const char *size = targetMegabytes == 20.0 ? "20MB" : "custom";
    std::printf("document: %.1f MB\n", megabytes);

    const DocumentConverter converter;
    const std::string prepared = DocumentConverter::latexFromKatex(html);
    auto start = Clock::now();
    const std::string converted = html2md::toMarkdown(prepared);
    report((std::string("html2md::toMarkdown ") + size).c_str(), megabytes, secondsSince(start));

    const QString page = QString::fromStdString(html);
    start = Clock::now();
    const QString markdown = converter.htmlToMarkdown(page);
    report((std::string("htmlToMarkdown ") + size).c_str(), megabytes, secondsSince(start));

    const std::string markdownBytes = markdown.toStdString();
    const double markdownMegabytes = static_cast<double>(markdownBytes.size()) / (1024.0 * 1024.0);
    start = Clock::now();
    const QString rendered = converter.markdownToHtml(markdownBytes);
    report((std::string("markdownToHtml ") + size).c_str(), markdownMegabytes, secondsSince(start));
    std::printf("markdown: %.1f MB\n", markdownMegabytes);

    // The renderer's own HTML: formulas as plain source, without KaTeX's markup.
    const double renderedMegabytes = static_cast<double>(rendered.toUtf8().size()) / (1024.0 * 1024.0);
    start = Clock::now();
    const QString again = converter.htmlToMarkdown(rendered);
    report((std::string("htmlToMarkdown of rendered Markdown ") + size).c_str(), renderedMegabytes, secondsSince(start));

    timeOne("word of 1 MB without spaces", "<b>x</b> " + std::string(1 << 20, 'w'));
    timeOne("1 MB of <", std::string(1 << 20, '<'));
    std::string nested;
    for (int i = 0; i < 10000; ++i)
        nested += "<div>";
    nested += "text";
    for (int i = 0; i < 10000; ++i)
        nested += "</div>";
    timeOne("10000 nested divs", nested);
    timeOne("10000 nested lists", [] {
        std::string lists;
        for (int i = 0; i < 10000; ++i)
            lists += "<ul><li>x";
        return lists;
    }());
    return rendered.isEmpty() || converted.empty() || again.isEmpty() ? 1 : 0;
}
