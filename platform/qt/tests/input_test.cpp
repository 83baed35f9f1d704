#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>

#include "platform/forms/services.h"
#include "platform/qt/form_window.h"
#include "platform/qt/tests/sample_fixture.h"
#include "platform/qt/units.h"

namespace formsqt::testing {
namespace {

using Log = std::vector<std::string>;

class QtInput : public SampleWindow {
 protected:
  void SetUp() override { ShowForm(); }

  void Click(const forms::Control& control, QPoint at = {}) {
    QWidget* widget = WidgetOf(control);
    QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
  }
  // Chooses `caption` in the next context menu that opens.
  void WhenPopupShows(const QString& caption) {
    testsupport::When(
        "a context menu",
        [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; },
        [caption] {
          auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
          for (QAction* action : menu->actions()) {
            if (action->text() == caption) {
              menu->setActiveAction(action);
              return QTest::keyClick(menu, Qt::Key_Return);
            }
          }
          menu->close();
        });
  }
};

TEST_F(QtInput, TypingIntoTheMaskedBoxFillsItsPositionsAndRefusesLetters) {
  Click(form->mskFecha);
  form->mskFecha.SetSelStart(0);
  form->log.Take();
  QTest::keyClicks(Focused(), "31x12");
  EXPECT_EQ(WidgetOf<QLineEdit>(form->mskFecha)->text(), "31/12/____");
  EXPECT_EQ(WidgetOf<QLineEdit>(form->mskFecha)->cursorPosition(), 6);
  EXPECT_EQ(form->log.Take(),
            (Log{"mskFecha_Change 3_/__/____", "mskFecha_Change 31/__/____",
                 "mskFecha_ValidationError 3", "mskFecha_Change 31/1_/____",
                 "mskFecha_Change 31/12/____"}));
}

// Typing the digit a position already holds leaves the text as it was; the
// caret still moves on.
TEST_F(QtInput, TypingOverTheSameDigitMovesTheCaretOn) {
  Click(form->mskFecha);
  form->mskFecha.SetSelStart(0);
  QTest::keyClicks(Focused(), "31");
  QTest::keyClick(Focused(), Qt::Key_Home);
  QTest::keyClicks(Focused(), "3");
  EXPECT_EQ(form->mskFecha.SelStart(), 1);
  EXPECT_EQ(WidgetOf<QLineEdit>(form->mskFecha)->cursorPosition(), 1);
}

// The line edit drops its selection when the focus leaves it; the box keeps it.
TEST_F(QtInput, TheSelectionShowsAgainWhenTheFocusComesBackByTab) {
  form->txtNombre.SetText("CONTRIBUYENTE");
  form->txtNombre.SetSelStart(0);
  form->txtNombre.SetSelLength(5);
  QTest::keyClick(Focused(), Qt::Key_Tab);
  QTest::keyClick(Focused(), Qt::Key_Backtab, Qt::ShiftModifier);
  ASSERT_EQ(form->ActiveControl(), &form->txtNombre);
  EXPECT_EQ(WidgetOf<QLineEdit>(form->txtNombre)->selectedText(), "CONTR");
}

TEST_F(QtInput, TheCaretAndSelectionAPersonMakesReachTheBox) {
  form->txtNombre.SetText("CONTRIBUYENTE");
  auto* edit = WidgetOf<QLineEdit>(form->txtNombre);
  Click(form->txtNombre, QPoint(edit->width() - 4, edit->height() / 2));
  EXPECT_EQ(form->txtNombre.SelStart(), 13);
  QTest::keyClick(Focused(), Qt::Key_Home);
  EXPECT_EQ(edit->cursorPosition(), 0);
  QTest::mouseDClick(edit, Qt::LeftButton, {}, edit->rect().center());
  EXPECT_EQ(form->txtNombre.SelStart(), 0);
  EXPECT_EQ(form->txtNombre.SelLength(), 13);
  QTest::keyClicks(Focused(), "x");
  EXPECT_EQ(edit->text(), "X");
}

// A box whose GotFocus selects its text keeps that selection when a click
// brings the focus in, so that typing replaces the text wherever the click
// fell; a click in the box that has the focus places the caret.
TEST_F(QtInput, AClickIntoABoxThatSelectsOnEntryKeepsTheSelection) {
  form->txtImporte.SetText("0.00");
  form->txtImporte.GotFocus = [this] {
    form->txtImporte.SetSelStart(0);
    form->txtImporte.SetSelLength(13);
  };
  auto* edit = WidgetOf<QLineEdit>(form->txtImporte);
  QPoint left(4, edit->height() / 2);
  Click(form->txtImporte, left);
  ASSERT_EQ(form->ActiveControl(), &form->txtImporte);
  EXPECT_EQ(edit->selectedText(), "0.00");
  QTest::keyClicks(Focused(), "10");
  EXPECT_EQ(form->txtImporte.Text(), "10");
  Click(form->txtImporte, left);
  EXPECT_EQ(form->txtImporte.SelStart(), 0);
  EXPECT_EQ(form->txtImporte.SelLength(), 0);
}

// The release of a quick click can arrive while the press still runs the
// handlers of the focus change, when one of them lets events run: the click
// still happens, once, and the button does not stay drawn down.
TEST_F(QtInput, AReleaseThatArrivesWhileThePressRunsStillClicks) {
  int clicks = 0;
  form->cmdAceptar.Click = [&clicks] { ++clicks; };
  form->txtNombre.LostFocus = [] { forms::DoEvents(); };
  Click(form->txtNombre);
  auto* button = WidgetOf<QAbstractButton>(form->cmdAceptar);
  QPoint center = button->rect().center();
  QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonRelease, center,
                                                      button->mapToGlobal(center), Qt::LeftButton,
                                                      Qt::NoButton, Qt::NoModifier));
  QTest::mousePress(button, Qt::LeftButton, {}, center);
  QCoreApplication::processEvents();
  EXPECT_EQ(form->ActiveControl(), &form->cmdAceptar);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(button->isDown());
}

// A box that refuses pasting empties the clipboard in its MouseDown, before the
// context menu's paste; another box pastes.
TEST_F(QtInput, TheRightButtonsPasteFollowsMouseDown) {
  form->txtImporte.MouseDown = [](int button, int, double, double) {
    if (button == forms::vbRightButton) forms::Clipboard.SetText("");
  };
  QGuiApplication::clipboard()->setText("123");
  WhenPopupShows("Pegar");
  QTest::mouseClick(WidgetOf(form->txtImporte), Qt::RightButton);
  EXPECT_EQ(form->txtImporte.Text(), "");
  QGuiApplication::clipboard()->setText("ANA");
  WhenPopupShows("Pegar");
  QTest::mouseClick(WidgetOf(form->txtNombre), Qt::RightButton);
  EXPECT_EQ(form->txtNombre.Text(), "ANA");
  EXPECT_EQ(WidgetOf<QLineEdit>(form->txtNombre)->text(), "ANA");
}

TEST_F(QtInput, ShiftTabMovesBackAndValidateKeepsTheFocusOnTab) {
  Click(form->txtImporte);
  QTest::keyClicks(Focused(), "1a");
  form->log.Take();
  QTest::keyClick(Focused(), Qt::Key_Tab);
  QTest::keyClick(Focused(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(form->ActiveControl(), &form->txtImporte);
  EXPECT_EQ(Focused(), WidgetOf(form->txtImporte));
  QTest::keyClick(Focused(), Qt::Key_Backspace);
  QTest::keyClick(Focused(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Focused(), WidgetOf(form->txtNombre));
  EXPECT_EQ(form->log.Take(),
            (Log{"txtImporte_Validate cancel", "txtImporte_Validate cancel", "txtImporte_Change 1",
                 "txtImporte_Validate ok", "LostFocus txtImporte", "GotFocus txtNombre"}));
}

// On a form without a default button, as the windows that send Enter on as Tab.
TEST_F(QtInput, EnterSentAsTabMovesTheFocusOnOnceTheHandlerEnds) {
  form->cmdAceptar.SetDefault(false);
  form->txtNombre.KeyPress = [](int& keyAscii) {
    if (keyAscii != 13) return;
    keyAscii = 0;
    forms::SendKeys("{TAB}");
  };
  QTest::keyClick(Focused(), Qt::Key_Return);
  EXPECT_EQ(form->ActiveControl(), &form->txtImporte);
  EXPECT_EQ(Focused(), WidgetOf(form->txtImporte));
}

TEST_F(QtInput, TheArrowKeysChooseInTheClosedComboAndTheWheelDoesNot) {
  Click(form->cboEntidad);
  WidgetOf<QComboBox>(form->cboEntidad)->hidePopup();
  form->log.Take();
  QTest::keyClick(Focused(), Qt::Key_Down);
  QTest::keyClick(Focused(), Qt::Key_Down);
  QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(WidgetOf(form->cboEntidad), &wheel);
  EXPECT_EQ(WidgetOf<QComboBox>(form->cboEntidad)->currentText(), "ESSALUD");
  EXPECT_EQ(form->log.Take(), (Log{"cboEntidad_Click 0 TESORO", "cboEntidad_Click 1 ESSALUD"}));
}

TEST_F(QtInput, DropDownRunsBeforeTheComboOpensItsList) {
  form->cboEntidad.DropDown = [this] { form->cboEntidad.AddItem("OTRA"); };
  Click(form->cboEntidad);
  auto* combo = WidgetOf<QComboBox>(form->cboEntidad);
  EXPECT_TRUE(combo->view()->isVisible());
  EXPECT_EQ(combo->count(), 6);
  EXPECT_EQ(combo->itemText(5), "OTRA");
  combo->hidePopup();
}

TEST_F(QtInput, ADoubleClickOnAListSelectsThenRunsDblClick) {
  auto* list = WidgetOf<QListWidget>(form->lstMeses);
  QPoint item = list->visualItemRect(list->item(1)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item);
  QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, item);
  EXPECT_EQ(form->log.Take(), (Log{"LostFocus txtNombre", "GotFocus lstMeses", "lstMeses_Click 1",
                                   "lstMeses_DblClick Febrero"}));
}

// Press, release, double click, release on the form outside its controls.
TEST_F(QtInput, ADoubleClickOnTheFormsSurfaceRunsClickOnceAndDblClickOnce) {
  Log seen;
  form->MouseDown = [&seen](int button, int, double, double) {
    seen.push_back("Form_MouseDown " + std::to_string(button));
  };
  form->MouseUp = [&seen](int button, int, double, double) {
    seen.push_back("Form_MouseUp " + std::to_string(button));
  };
  form->Click = [&seen] { seen.push_back("Form_Click"); };
  form->DblClick = [&seen] { seen.push_back("Form_DblClick"); };
  QWidget* surface = host->WindowOf(*form)->Client();
  QPoint empty(ToPixels(2000), ToPixels(7320));
  QTest::mouseClick(surface, Qt::LeftButton, {}, empty);
  QTest::mouseDClick(surface, Qt::LeftButton, {}, empty);
  QTest::mouseRelease(surface, Qt::LeftButton, {}, empty);
  EXPECT_EQ(seen, (Log{"Form_MouseDown 1", "Form_MouseUp 1", "Form_Click", "Form_DblClick",
                       "Form_MouseUp 1"}));
  EXPECT_EQ(form->ActiveControl(), &form->txtNombre);
}

TEST_F(QtInput, TheScreensHourglassStandsOverEveryWindowUntilItIsReset) {
  forms::Screen.SetMousePointer(forms::vbHourglass);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  forms::Screen.SetMousePointer(forms::vbDefault);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(QtInput, APersonResizingTheWindowResizesTheForm) {
  int resized = 0;
  form->Resize = [&resized] { ++resized; };
  QWidget* window = host->TopLevelOf(*form);
  QResizeEvent resize(QSize(window->width() + 60, window->height() + 30), window->size());
  window->resize(resize.size());
  QSpontaneKeyEvent::setSpontaneous(&resize);
  qApp->notify(window, &resize);
  EXPECT_EQ(resized, 1);
  EXPECT_EQ(form->Width(), 9600 + 900);
  EXPECT_EQ(form->Height(), 8400 + 450);
}

}  // namespace
}  // namespace formsqt::testing
