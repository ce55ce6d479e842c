// Feeds arbitrary bytes to the converter as HTML, and as Markdown through the
// Visual Editor's round trip. Valid UTF-8 in must give valid UTF-8 out; the
// Markdown cut into the source of its blocks comes back byte for byte when no
// block was touched, and keeps what lies before a replaced one.
#include "documentconverter.h"
#include "html2md/html2md.h"
#include "sourceblocks.h"

#include <QRegularExpression>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
bool isValidUtf8(const std::string &text)
{
    size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        size_t length = 1;
        uint32_t point = lead;
        if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            point = lead & 0x07;
        } else if (lead >= 0xE0) {
            length = 3;
            point = lead & 0x0F;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            point = lead & 0x1F;
        } else if (lead >= 0x80) {
            return false;
        }
        if (at + length > text.size())
            return false;
        for (size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            if ((next & 0xC0) != 0x80)
                return false;
            point = (point << 6) | (next & 0x3F);
        }
        if ((length == 3 && (point < 0x800 || (point >= 0xD800 && point <= 0xDFFF)))
            || (length == 4 && (point < 0x10000 || point > 0x10FFFF)))
            return false;
        at += length;
    }
    return true;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    const bool validInput = isValidUtf8(input);

    bool balanced = false;
    const std::string markdown = html2md::toMarkdown(input, &balanced);
    if (validInput && !isValidUtf8(markdown))
        std::abort();

    const DocumentConverter converter;
    const QString html = converter.markdownToHtml(input);
    // Raw HTML reaches the page only inside an island's attributes: every tag
    // in the page's HTML is one the renderer writes itself.
    static const QRegularExpression tag(QStringLiteral("<\\/?([^\\s>/]*)"));
    static const QStringList ownTags = QStringLiteral("p h1 h2 h3 h4 h5 h6 ul ol li blockquote pre code table thead tbody "
                                                      "tr th td em strong a img del br hr input x-equation x-html")
                                           .split(QLatin1Char(' '));
    for (auto found = tag.globalMatch(html); found.hasNext();)
        if (!ownTags.contains(found.next().captured(1)))
            std::abort();
    const std::string back = converter.htmlToMarkdown(html).toStdString();
    if (!isValidUtf8(back))
        std::abort();

    SourceBlocks blocks;
    blocks.take(input, input, html.toStdString());
    const std::vector<SourceBlocks::Segment> segments = blocks.segments();
    if (segments.empty())
        return 0;
    const auto convert = [&converter](const std::string &part) {
        return converter.htmlToMarkdown(QString::fromStdString(part)).toStdString();
    };
    std::vector<SourceBlocks::PagePart> parts;
    for (int block = 0; block < blocks.blockCount(); ++block)
        parts.push_back({block, false, {}});
    if (blocks.assemble(parts, convert) != input)
        std::abort();
    const SourceBlocks::Segment &middle = segments[segments.size() / 2];
    parts.erase(parts.begin() + middle.firstBlock, parts.begin() + middle.firstBlock + middle.blockCount);
    parts.insert(parts.begin() + middle.firstBlock, {-1, false, "<p>changed</p>"});
    if (blocks.assemble(parts, convert).compare(0, middle.begin, input, 0, middle.begin) != 0)
        std::abort();

    // A word added to the first item of the first list or quote, given item by item.
    for (const SourceBlocks::Segment &segment : segments) {
        for (int block = segment.firstBlock; block < segment.firstBlock + segment.blockCount; ++block) {
            const std::string list(blocks.elementHtml(block));
            const bool quote = list.compare(0, 11, "<blockquote") == 0;
            if (list.compare(0, 3, "<ul") != 0 && list.compare(0, 3, "<ol") != 0 && !quote)
                continue;
            const size_t innerStart = list.find('>') + 1;
            const std::string inner = list.substr(innerStart, list.rfind("</") - innerStart);
            SourceBlocks::PagePart edited{block, true, list.substr(0, innerStart), {}};
            for (const auto &item : SourceBlocks::topLevelElements(inner, nullptr)) {
                std::string itemHtml = inner.substr(item.first, item.second - item.first);
                if (edited.items.empty())
                    itemHtml.insert(itemHtml.find('>') + 1, "changed ");
                edited.html += itemHtml;
                edited.items.push_back({static_cast<int>(edited.items.size()), edited.items.empty(), itemHtml});
            }
            edited.html += quote ? "</blockquote>" : "</" + list.substr(1, 2) + ">";
            std::vector<SourceBlocks::PagePart> byItem;
            for (int other = 0; other < blocks.blockCount(); ++other)
                byItem.push_back(other == block ? edited : SourceBlocks::PagePart{other, false, {}, {}});
            if (blocks.assemble(byItem, convert).compare(0, segment.begin, input, 0, segment.begin) != 0)
                std::abort();
            return 0;
        }
    }
    return 0;
}
