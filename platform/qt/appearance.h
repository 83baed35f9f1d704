#pragma once
// Colours, fonts, alignments, pointers and captions as Qt shows them.
#include <QColor>
#include <QFont>
#include <QString>
#include <optional>
#include <string>

#include "platform/forms/constants.h"
#include "platform/forms/control.h"

class QApplication;
class QWidget;

namespace formsqt {

// An OLE colour as the screen shows it: 0x00BBGGRR, or (high bit set) one of the
// system's colours, taken from the application's palette.
QColor ToQColor(forms::Color color);

// Disabled controls show their text in Windows' grey text colour.
void UseWindowsGreyText(QApplication& application);

// The font a control names, with the families the windows were designed in
// ("MS Sans Serif", "Courier New"...) standing for metric-compatible ones.
QFont ToQFont(const forms::Font& font);
void InstallFontSubstitutes();

// vbLeftJustify, vbRightJustify, vbCenter, vertically centred.
Qt::Alignment ToAlignment(int alignment);

// The cursor of a MousePointer value; none for vbDefault.
std::optional<Qt::CursorShape> ToCursorShape(int pointer);

// A caption whose "&" marks the access key, as text without the marks ("&&"
// stays one "&"): labels show it so.
QString WithoutAccessKeys(const std::string& caption);

// Back and fore colours for every state of the widget, and whether it paints
// its own background.
void ApplyColors(QWidget& widget, forms::Color back, forms::Color fore, bool fillBackground);

}  // namespace formsqt
