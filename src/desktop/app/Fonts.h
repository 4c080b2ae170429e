#pragma once

#include <QFont>
#include <QString>

namespace lesson {

// The installed Japanese gothic face that stands in for the face the
// controls ask for: IPAPGothic when present, else another Japanese face,
// else the toolkit's default.
QString JapaneseGothicFace();

// Registers the stand-in for the controls' face (and its romanised name).
void InstallFontSubstitutes();

// A control font: the controls' face at a size in points, converted to pixels
// at 96 dots per inch so that it does not depend on the screen's setting.
QFont ControlFont(double points, bool bold);

// The window's default font for controls without one of their own: the
// Japanese gothic face at 9 points (12 pixels).
QFont DefaultWindowFont();

}  // namespace lesson
