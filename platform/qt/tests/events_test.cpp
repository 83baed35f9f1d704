#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

#include "platform/forms/testing/driver.h"
#include "platform/qt/bar_views.h"
#include "platform/qt/form_window.h"
#include "platform/qt/menu_bar.h"
#include "platform/qt/tab_control_view.h"
#include "platform/qt/tests/sample_fixture.h"

namespace formsqt::testing {
namespace {

using Log = std::vector<std::string>;

// What the person does in the sample window, in both tests below: clicks and
// types into the boxes (KeyPress drops the digit and raises the letters, the
// importe's Validate refuses "12x"), chooses an option, ticks the box, picks a
// combo and a list entry, switches tabs, scrolls, picks and double-clicks grid
// rows, clicks a header, presses the default button twice (by mouse and by
// Enter), chooses a menu command and a toolbar button.
const Log kExpected = {
    "LostFocus txtNombre", "GotFocus txtImporte",
    "txtImporte_Validate ok", "LostFocus txtImporte", "GotFocus txtNombre",
    "txtNombre_KeyPress 97 65", "txtNombre_Change A",
    "txtNombre_KeyPress 98 66", "txtNombre_Change AB",
    "txtNombre_KeyPress 49 0",
    "txtNombre_KeyPress 99 67", "txtNombre_Change ABC",
    "txtNombre_KeyPress 8 8", "txtNombre_Change AB",
    "LostFocus txtNombre", "GotFocus txtImporte",
    "txtImporte_Change 1", "txtImporte_Change 12", "txtImporte_Change 12x",
    "txtImporte_Validate cancel",
    "txtImporte_Change 12",
    "txtImporte_Validate ok", "LostFocus txtImporte", "GotFocus optTipo", "optTipo_Click 1",
    "LostFocus optTipo", "GotFocus chkGarantia", "chkGarantia_Click 1",
    "LostFocus chkGarantia", "GotFocus cboEntidad", "cboEntidad_Click 2 ONP",
    "LostFocus cboEntidad", "GotFocus lstMeses", "lstMeses_Click 2",
    "LostFocus lstMeses", "GotFocus tabPaginas", "tabPaginas_Click 0 1",
    "LostFocus tabPaginas", "GotFocus vsbPrevia", "vsbPrevia_Change 1",
    "LostFocus vsbPrevia", "GotFocus tabPaginas", "tabPaginas_Click 1 0",
    "LostFocus tabPaginas", "GotFocus grdDeudas", "grdDeudas_RowColChange 0 2",
    "grdDeudas_RowColChange 2 3", "grdDeudas_DblClick 201003",
    "grdDeudas_HeadClick 2",
    "LostFocus grdDeudas", "GotFocus cmdAceptar", "cmdAceptar_Click", "MsgBox 6",
    "LostFocus cmdAceptar", "GotFocus txtNombre", "cmdAceptar_Click", "MsgBox 7",
    "mnuOpcion_Click 4",
    "tlbHerramientas_ButtonClick 1", "txtNombre_Change ", "txtImporte_Change ",
    "cboEntidad_Click -1 ", "chkGarantia_Click 0",
};

class QtEvents : public SampleWindow {
 protected:
  void Click(const forms::Control& control) { QTest::mouseClick(WidgetOf(control), Qt::LeftButton); }

  void ClickItem(QAbstractItemView& view, int row, int col = 0) {
    QRect cell = view.visualRect(view.model()->index(row, col));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
  }

  void ChooseComboItem(const forms::ComboBox& combo, int row) {
    auto* box = WidgetOf<QComboBox>(combo);
    Click(combo);
    ASSERT_TRUE(testsupport::WaitUntil("the list of " + combo.Name(),
                                       [box] { return box->view()->isVisible(); }));
    // Not a wait for a window: the list is up, and the click on its item must
    // not make a double click with the click that opened it.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    ClickItem(*box->view(), row);
  }

  void ClickTab(int tab) {
    auto* view = static_cast<TabControlView*>(host->WindowOf(*form)->ViewOf(&form->tabPaginas));
    QTest::mouseClick(view->Bar(), Qt::LeftButton, {}, view->Bar()->tabRect(tab).center());
  }

  // A double click as the window system delivers it: press, release, double
  // click, release.
  void DoubleClick(QWidget* widget, QPoint pos) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
  }

  QTableView& Grid() { return *WidgetOf<QTableView>(form->grdDeudas); }
};

TEST_F(QtEvents, PersonsKeysAndClicksRaiseTheEventsOfTheTestDriverInTheSameOrder) {
  ShowForm();
  sample::SampleForm& f = *form;
  Click(f.txtImporte);
  Click(f.txtNombre);
  QTest::keyClicks(Focused(), "ab1c");
  QTest::keyClick(Focused(), Qt::Key_Backspace);
  QTest::keyClick(Focused(), Qt::Key_Tab);
  QTest::keyClicks(Focused(), "12x");
  Click(f.optTipo(1));
  EXPECT_EQ(Focused(), WidgetOf(f.txtImporte));
  QTest::keyClick(Focused(), Qt::Key_Backspace);
  Click(f.optTipo(1));
  Click(f.chkGarantia);
  ChooseComboItem(f.cboEntidad, 2);
  ClickItem(*WidgetOf<QListWidget>(f.lstMeses), 2);
  ClickTab(1);
  auto* bar = WidgetOf<QScrollBar>(f.vsbPrevia);
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 4));
  ClickTab(0);
  ClickItem(Grid(), 2, 1);
  DoubleClick(Grid().viewport(), Grid().visualRect(Grid().model()->index(3, 1)).center());
  QHeaderView* header = Grid().horizontalHeader();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
  testsupport::AnswerMessageBox("Sí");
  Click(f.cmdAceptar);
  Click(f.txtNombre);
  testsupport::AnswerMessageBox("No");
  QTest::keyClick(Focused(), Qt::Key_Return);
  host->WindowOf(f)->Menus()->ActionOf(f.mnuOpcion(4))->trigger();
  auto* tools = static_cast<ToolbarView*>(host->WindowOf(f)->ViewOf(&f.tlbHerramientas));
  QTest::mouseClick(WidgetOf<QToolBar>(f.tlbHerramientas)->widgetForAction(tools->ActionOf(1)),
                    Qt::LeftButton);
  EXPECT_EQ(f.log.Take(), kExpected);
}

TEST_F(QtEvents, TheTestDriverRaisesTheSameEventsForTheSameActions) {
  host.reset();
  forms::TestDriver driver;
  sample::SampleForm& f = *form;
  f.Show();
  f.log.Take();
  driver.Click(f.txtImporte);
  driver.Click(f.txtNombre);
  driver.Keys(f, "ab1c\b\t12x");
  driver.Click(f.optTipo(1));
  EXPECT_EQ(f.ActiveControl(), &f.txtImporte);
  driver.Keys(f, "\b");
  driver.Click(f.optTipo(1));
  driver.Click(f.chkGarantia);
  driver.Select(f.cboEntidad, 2);
  driver.Select(f.lstMeses, 2);
  driver.ChooseTab(f.tabPaginas, 1);
  driver.Focus(f.vsbPrevia);
  driver.Scroll(f.vsbPrevia, 1);
  driver.ChooseTab(f.tabPaginas, 0);
  driver.PickRow(f.grdDeudas, 2);
  driver.DblClickRow(f.grdDeudas, 3);
  driver.HeadClick(f.grdDeudas, 2);
  driver.Answer(forms::vbYes);
  driver.Click(f.cmdAceptar);
  driver.Click(f.txtNombre);
  driver.Answer(forms::vbNo);
  driver.Key(f, forms::vbKeyReturn);
  driver.ChooseMenu(f.mnuOpcion(4));
  driver.PressToolbarButton(f.tlbHerramientas, 1);
  EXPECT_EQ(f.log.Take(), kExpected);
}

}  // namespace
}  // namespace formsqt::testing
