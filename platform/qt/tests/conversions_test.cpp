#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPalette>
#include <optional>
#include <stdexcept>

#include "platform/forms/constants.h"
#include "platform/forms/services.h"
#include "platform/qt/appearance.h"
#include "platform/qt/applying_scope.h"
#include "platform/qt/entry_view.h"
#include "platform/qt/keys.h"
#include "platform/qt/message_box.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/tests/test_application.h"
#include "platform/qt/units.h"

namespace formsqt::testing {
namespace {

using forms::Keystroke;

TEST(Keys, AKeyOfTheKeyboardIsTheKeystrokeTheFormsReceive) {
  struct Case {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    Keystroke expected;
  };
  const Case cases[] = {
      {Qt::Key_A, Qt::NoModifier, "a", {65, 0, 97}},
      {Qt::Key_A, Qt::ShiftModifier, "A", {65, 1, 65}},
      {Qt::Key_Ntilde, Qt::NoModifier, "ñ", {0, 0, 241}},
      {Qt::Key_1, Qt::NoModifier, "1", {49, 0, 49}},
      {Qt::Key_1, Qt::KeypadModifier, "1", {97, 0, 49}},
      {Qt::Key_Period, Qt::NoModifier, ".", {190, 0, 46}},
      {Qt::Key_Comma, Qt::KeypadModifier, ",", {110, 0, 44}},
      {Qt::Key_Return, Qt::NoModifier, "\r", {13, 0, 13}},
      {Qt::Key_Enter, Qt::KeypadModifier, "\r", {13, 0, 13}},
      {Qt::Key_Escape, Qt::NoModifier, "\x1b", {27, 0, 27}},
      {Qt::Key_Backspace, Qt::NoModifier, "\b", {8, 0, 8}},
      {Qt::Key_Tab, Qt::NoModifier, "\t", {9, 0, 0}},
      {Qt::Key_Backtab, Qt::ShiftModifier, "", {9, 1, 0}},
      {Qt::Key_Delete, Qt::NoModifier, "\x7f", {46, 0, 0}},
      {Qt::Key_Insert, Qt::ShiftModifier, "", {45, 1, 0}},
      {Qt::Key_V, Qt::ControlModifier, "\x16", {86, 2, 22}},
      {Qt::Key_C, Qt::ControlModifier, "", {67, 2, 3}},
      {Qt::Key_F1, Qt::NoModifier, "", {112, 0, 0}},
      {Qt::Key_Down, Qt::AltModifier, "", {40, 4, 0}},
      {Qt::Key_Shift, Qt::NoModifier, "", {16, 1, 0}},
      {Qt::Key_unknown, Qt::NoModifier, "€", {0, 0, 128}},
      {Qt::Key_unknown, Qt::NoModifier, "ł", {0, 0, '?'}},
  };
  for (const Case& c : cases) {
    QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.text);
    EXPECT_EQ(KeystrokeOf(event), c.expected) << c.text.toStdString() << " key " << c.key;
  }
}

TEST(MessageBoxes, EachStyleHasItsButtonsInSpanishInOrder) {
  struct Case {
    int style;
    std::vector<MessageBoxButton> buttons;
  };
  const Case cases[] = {
      {forms::vbOKOnly + forms::vbInformation, {{"Aceptar", forms::vbOK}}},
      {forms::vbOKCancel, {{"Aceptar", forms::vbOK}, {"Cancelar", forms::vbCancel}}},
      {forms::vbAbortRetryIgnore,
       {{"Anular", forms::vbAbort}, {"Reintentar", forms::vbRetry}, {"Omitir", forms::vbIgnore}}},
      {forms::vbYesNoCancel + forms::vbExclamation,
       {{"Sí", forms::vbYes}, {"No", forms::vbNo}, {"Cancelar", forms::vbCancel}}},
      {forms::vbYesNo + forms::vbQuestion + forms::vbDefaultButton2,
       {{"Sí", forms::vbYes}, {"No", forms::vbNo}}},
      {forms::vbRetryCancel + forms::vbCritical,
       {{"Reintentar", forms::vbRetry}, {"Cancelar", forms::vbCancel}}},
  };
  for (const Case& c : cases) EXPECT_EQ(MessageBoxButtons(c.style), c.buttons) << c.style;
}

TEST(Units, TwipsArePixelsAtTheScreensLogicalDpi) {
  StartApplication();
  const std::pair<double, int> cases[] = {{0, 0}, {15, 1}, {1440, 96}, {4800, 320}, {22, 1}, {23, 2}, {-30, -2}};
  for (const auto& [twips, pixels] : cases) EXPECT_EQ(ToPixels(twips), pixels) << twips;
  EXPECT_EQ(ToTwips(320), 4800);
  EXPECT_EQ(ToPixels(120, 480, 4560, 2640), QRect(8, 32, 304, 176));
}

// The model's text measure is the screen's, in the font it names.
TEST(TextMeasure, TheWindowsMeasureATextInTheFontItIsShownIn) {
  StartApplication();
  QtHost host;
  forms::Font variable{"MS Sans Serif", 8};
  forms::Font bold = variable;
  bold.bold = true;
  for (const forms::Font& font : {variable, bold})
    EXPECT_EQ(forms::TextWidth("FONCOMUN", font), QFontMetrics(ToQFont(font)).horizontalAdvance("FONCOMUN"));
  EXPECT_GT(forms::TextWidth("WWWW", variable), forms::TextWidth("iiii", variable));
}

TEST(Colours, OleColoursAreRgbOrTheSystemsOwn) {
  StartApplication();
  QPalette palette = QGuiApplication::palette();
  const std::pair<forms::Color, QColor> cases[] = {
      {forms::RGB(255, 255, 255), QColor(255, 255, 255)},
      {forms::RGB(192, 192, 192), QColor(192, 192, 192)},
      {0x00FFFFC0, QColor(0xC0, 0xFF, 0xFF)},
      {forms::RGB(1, 2, 3), QColor(1, 2, 3)},
      {forms::vbWindowBackground, palette.color(QPalette::Base)},
      {forms::vbWindowText, palette.color(QPalette::Text)},
      {forms::vbButtonFace, palette.color(QPalette::Button)},
      {forms::vbButtonText, palette.color(QPalette::ButtonText)},
      {forms::vbGrayText, palette.color(QPalette::Disabled, QPalette::Text)},
  };
  for (const auto& [color, expected] : cases) EXPECT_EQ(ToQColor(color), expected) << color;
}

TEST(Captions, LabelsShowTheirCaptionWithoutAccessKeyMarks) {
  const std::pair<const char*, QString> cases[] = {
      {"&Nombre:", "Nombre:"}, {"Razón && social", "Razón & social"}, {"Fin&", "Fin&"}, {"", ""}};
  for (const auto& [caption, shown] : cases) EXPECT_EQ(WithoutAccessKeys(caption), shown) << caption;
}

TEST(Pointers, MousePointersHaveTheirCursorsAndTheDefaultNone) {
  const std::pair<int, std::optional<Qt::CursorShape>> cases[] = {
      {forms::vbDefault, std::nullopt},
      {forms::vbArrow, Qt::ArrowCursor},
      {forms::vbIbeam, Qt::IBeamCursor},
      {forms::vbHourglass, Qt::WaitCursor},
      {forms::vbArrowHourglass, Qt::BusyCursor},
      {forms::vbNoDrop, Qt::ForbiddenCursor},
      {forms::vbSizePointer, Qt::SizeAllCursor},
      {forms::vbSizeAll, Qt::SizeAllCursor},
      {forms::vbSizeNS, Qt::SizeVerCursor},
      {forms::vbSizeWE, Qt::SizeHorCursor},
      {forms::vbUpArrow, Qt::UpArrowCursor},
  };
  for (const auto& [pointer, shape] : cases) EXPECT_EQ(ToCursorShape(pointer), shape) << pointer;
}

// A multi-line box holds "\r\n" where its widget has one "\n".
TEST(MultiLineText, PositionsCountTheLineEndAsOneCharacterOnScreen) {
  const std::u32string text = U"ab\r\ncd\r\n\r\ne";
  const std::pair<int, int> cases[] = {{0, 0}, {2, 2}, {4, 3}, {6, 5}, {8, 6}, {10, 7}, {11, 8}};
  for (const auto& [position, shown] : cases) {
    EXPECT_EQ(ShownPosition(text, position), shown) << position;
    EXPECT_EQ(TextPosition(text, shown), position) << shown;
  }
}

// A window ignores its own resizes while it applies the form's state; an error
// thrown meanwhile must not leave it ignoring a person's.
TEST(ApplyingScope, HoldsTheWindowsStateAsAppliedUntilItEndsHoweverItEnds) {
  int depth = 0;
  {
    ApplyingScope outer(depth);
    {
      ApplyingScope inner(depth);
      EXPECT_EQ(depth, 2);
    }
    EXPECT_EQ(depth, 1);
  }
  EXPECT_EQ(depth, 0);
  EXPECT_THROW(
      {
        ApplyingScope applying(depth);
        throw std::runtime_error("geometry");
      },
      std::runtime_error);
  EXPECT_EQ(depth, 0);
}

}  // namespace
}  // namespace formsqt::testing
