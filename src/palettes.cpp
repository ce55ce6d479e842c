#include "palettes.h"

#include <QApplication>
#include <QStyle>

namespace Palettes {

namespace {
enum Scheme { Default = 0, Dark = 1, BlueSky = 2 };

int normalised(int scheme)
{
    return scheme == Default || scheme == Dark ? scheme : BlueSky;
}

struct Colours {
    QColor window, windowText, base, alternateBase, toolTipBase, toolTipText, text, button, buttonText, brightText,
        placeholderText, link, linkVisited, highlight, highlightedText, disabledText;
};

Colours colours(int scheme)
{
    switch (normalised(scheme)) {
    case Default:
        return {QColor("#F0F0F0"), Qt::black, QColor("#FFFFFF"), QColor("#E9E7E3"), QColor("#FFFFDC"),
                QColor("#000000"), Qt::black, QColor("#F0F0F0"), Qt::black, QColor("#FFFFFF"), QColor(),
                QColor("#0000FF"), QColor(), QColor("#3399FF"), Qt::white, QColor("#787878")};
    case Dark:
        return {QColor("#353535"), Qt::white, QColor("#191919"), QColor("#353535"), Qt::white, QColor("#A2A2A2"),
                Qt::white, QColor("#353535"), Qt::white, Qt::red, QColor(), QColor("#FFB72F"), QColor(),
                QColor("#FFB72F"), Qt::black, Qt::gray};
    default:
        return {QColor("#BBD4EC"), Qt::black, QColor("#E6EBEF"), QColor("#E9E7E3"), QColor("#FFFFDC"),
                QColor("#000000"), Qt::black, QColor("#BBD4EC"), Qt::black, QColor("#E6EBEF"), Qt::gray,
                QColor("#0000FF"), Qt::gray, QColor("#758FA9"), Qt::white, QColor("#787878")};
    }
}
}

QPalette forScheme(int scheme)
{
    const Colours c = colours(scheme);
    QPalette palette = QApplication::style()->standardPalette();
    const auto set = [&palette](QPalette::ColorRole role, const QColor &colour) {
        if (colour.isValid())
            palette.setColor(role, colour);
    };
    set(QPalette::Window, c.window);
    set(QPalette::WindowText, c.windowText);
    set(QPalette::Base, c.base);
    set(QPalette::AlternateBase, c.alternateBase);
    set(QPalette::ToolTipBase, c.toolTipBase);
    set(QPalette::ToolTipText, c.toolTipText);
    set(QPalette::Text, c.text);
    set(QPalette::Button, c.button);
    set(QPalette::ButtonText, c.buttonText);
    set(QPalette::BrightText, c.brightText);
    set(QPalette::PlaceholderText, c.placeholderText);
    set(QPalette::Link, c.link);
    set(QPalette::LinkVisited, c.linkVisited);
    set(QPalette::Highlight, c.highlight);
    set(QPalette::HighlightedText, c.highlightedText);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, c.disabledText);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, c.disabledText);
    return palette;
}

QColor windowColour(int scheme)
{
    return colours(scheme).window;
}

QColor baseColour(int scheme)
{
    return colours(scheme).base;
}

}
