#pragma once

#include <QColor>
#include <QPalette>

// The three colour schemes of the interface: 0 Default, 1 Dark, anything else Blue Sky.
namespace Palettes {

QPalette forScheme(int scheme);
// The scheme's window and base colours, drawn as the two halves of its menu icon.
QColor windowColour(int scheme);
QColor baseColour(int scheme);

}
