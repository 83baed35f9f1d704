#include "platform/qt/appearance.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

#include "platform/qt/strings.h"

namespace formsqt {

namespace {

constexpr forms::Color kSystemColor = 0x80000000;

// The system colours by their index, as the palette offers them.
QColor SystemColor(int index) {
  QPalette palette = QGuiApplication::palette();
  switch (index) {
    case 0x05:  // window background
      return palette.color(QPalette::Base);
    case 0x08:  // window text
      return palette.color(QPalette::Text);
    case 0x0D:  // highlight
      return palette.color(QPalette::Highlight);
    case 0x0E:  // highlighted text
      return palette.color(QPalette::HighlightedText);
    case 0x10:  // button shadow
      return palette.color(QPalette::Dark);
    case 0x11:  // grey text
      return palette.color(QPalette::Disabled, QPalette::Text);
    case 0x12:  // button text
      return palette.color(QPalette::ButtonText);
    case 0x14:  // 3D highlight
      return palette.color(QPalette::Light);
    case 0x17:  // tool tip text
      return palette.color(QPalette::ToolTipText);
    case 0x18:  // tool tip background
      return palette.color(QPalette::ToolTipBase);
    default:  // button face, menus, the desktop and the rest
      return palette.color(QPalette::Button);
  }
}

}  // namespace

// Windows draws the text of a disabled control in its grey text colour, a middle
// grey that stays readable on the light grey (C0C0C0) of a box the user may not
// fill; the style's own disabled text is as light as that grey.
void UseWindowsGreyText(QApplication& application) {
  QPalette palette = application.palette();
  QColor grey(128, 128, 128);
  for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, grey);
  application.setPalette(palette);
}

QColor ToQColor(forms::Color color) {
  if (color & kSystemColor) return SystemColor(static_cast<int>(color & 0xFF));
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

void InstallFontSubstitutes() {
  QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial", "Sans Serif"});
  QFont::insertSubstitutions("Arial", {"Liberation Sans", "Sans Serif"});
  QFont::insertSubstitutions("Tahoma", {"Liberation Sans", "Sans Serif"});
  QFont::insertSubstitutions("Verdana", {"Liberation Sans", "Sans Serif"});
  QFont::insertSubstitutions("Courier New", {"Liberation Mono", "Monospace"});
  QFont::insertSubstitutions("Courier", {"Liberation Mono", "Monospace"});
  QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "Serif"});
}

QFont ToQFont(const forms::Font& font) {
  QFont qfont(ToQString(font.name));
  if (font.size > 0) qfont.setPointSizeF(font.size);
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  qfont.setUnderline(font.underline);
  return qfont;
}

Qt::Alignment ToAlignment(int alignment) {
  switch (alignment) {
    case forms::vbRightJustify:
      return Qt::AlignRight | Qt::AlignVCenter;
    case forms::vbCenter:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
      return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

std::optional<Qt::CursorShape> ToCursorShape(int pointer) {
  switch (pointer) {
    case forms::vbArrow:
      return Qt::ArrowCursor;
    case forms::vbCrosshair:
      return Qt::CrossCursor;
    case forms::vbIbeam:
      return Qt::IBeamCursor;
    case forms::vbSizePointer:
    case forms::vbSizeAll:
      return Qt::SizeAllCursor;
    case forms::vbSizeNESW:
      return Qt::SizeBDiagCursor;
    case forms::vbSizeNS:
      return Qt::SizeVerCursor;
    case forms::vbSizeNWSE:
      return Qt::SizeFDiagCursor;
    case forms::vbSizeWE:
      return Qt::SizeHorCursor;
    case forms::vbUpArrow:
      return Qt::UpArrowCursor;
    case forms::vbHourglass:
      return Qt::WaitCursor;
    case forms::vbNoDrop:
      return Qt::ForbiddenCursor;
    case forms::vbArrowHourglass:
      return Qt::BusyCursor;
    case forms::vbArrowQuestion:
      return Qt::WhatsThisCursor;
    default:
      return std::nullopt;
  }
}

QString WithoutAccessKeys(const std::string& caption) {
  QString text = ToQString(caption);
  QString plain;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

void ApplyColors(QWidget& widget, forms::Color back, forms::Color fore, bool fillBackground) {
  QPalette palette = widget.palette();
  QColor backColor = ToQColor(back);
  QColor foreColor = ToQColor(fore);
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Window, backColor);
    palette.setColor(group, QPalette::Base, backColor);
    if (group == QPalette::Disabled) continue;
    palette.setColor(group, QPalette::WindowText, foreColor);
    palette.setColor(group, QPalette::Text, foreColor);
    palette.setColor(group, QPalette::ButtonText, foreColor);
  }
  widget.setPalette(palette);
  widget.setAutoFillBackground(fillBackground);
}

}  // namespace formsqt
