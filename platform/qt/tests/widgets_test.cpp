#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>
#include <functional>

#include "platform/qt/bar_views.h"
#include "platform/qt/form_window.h"
#include "platform/qt/menu_bar.h"
#include "platform/qt/run.h"
#include "platform/qt/tab_control_view.h"
#include "platform/qt/tests/sample_fixture.h"
#include "platform/qt/units.h"

namespace formsqt::testing {
namespace {

using Texts = std::vector<QString>;

class QtWidgets : public SampleWindow {
 protected:
  void SetUp() override { ShowForm(); }

  QTableView& Grid() { return *WidgetOf<QTableView>(form->grdDeudas); }
  int SelectedRow() {
    QModelIndexList rows = Grid().selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.front().row() : -1;
  }
  QTabBar& TabBar() {
    return *static_cast<TabControlView*>(host->WindowOf(*form)->ViewOf(&form->tabPaginas))->Bar();
  }
  QWidget* TopLevel(const forms::Form& f) { return host->TopLevelOf(f); }
  Texts RowTexts(int row) {
    Texts texts;
    for (int col = 0; col < Grid().model()->columnCount(); ++col) {
      if (!Grid().isColumnHidden(col)) texts.push_back(Grid().model()->index(row, col).data().toString());
    }
    return texts;
  }
};

TEST_F(QtWidgets, ValuesSetInCodeShowInTheWidgetsBeforeTheSetReturns) {
  sample::SampleForm& f = *form;
  f.txtNombre.SetText("JUAN PEREZ");
  EXPECT_EQ(WidgetOf<QLineEdit>(f.txtNombre)->text(), "JUAN PEREZ");
  f.mskFecha.SetText("31/12/2009");
  EXPECT_EQ(WidgetOf<QLineEdit>(f.mskFecha)->text(), "31/12/2009");
  f.chkGarantia.SetValue(forms::vbGrayed);
  EXPECT_EQ(WidgetOf<QCheckBox>(f.chkGarantia)->checkState(), Qt::PartiallyChecked);
  f.optTipo(0).SetValue(true);
  f.optTipo(1).SetValue(true);
  EXPECT_FALSE(WidgetOf<QRadioButton>(f.optTipo(0))->isChecked());
  EXPECT_TRUE(WidgetOf<QRadioButton>(f.optTipo(1))->isChecked());
  f.cboEntidad.SetListIndex(4);
  EXPECT_EQ(WidgetOf<QComboBox>(f.cboEntidad)->currentText(), "FONCOMUN");
  f.cboEntidad.SetListIndex(-1);
  EXPECT_EQ(WidgetOf<QComboBox>(f.cboEntidad)->currentIndex(), -1);
  f.lstMeses.SetListIndex(5);
  EXPECT_EQ(WidgetOf<QListWidget>(f.lstMeses)->currentRow(), 5);
  f.lblNombre.SetCaption("&Razón social:");
  EXPECT_EQ(WidgetOf<QLabel>(f.lblNombre)->text(), "Razón social:");
  f.cmdAceptar.SetCaption("&Grabar");
  EXPECT_EQ(WidgetOf<QPushButton>(f.cmdAceptar)->text(), "&Grabar");
  f.fraTipo.SetCaption("Persona");
  EXPECT_EQ(WidgetOf<QGroupBox>(f.fraTipo)->title(), "Persona");
  f.prgAvance.SetValue(75);
  EXPECT_EQ(WidgetOf<QProgressBar>(f.prgAvance)->value(), 750);
  f.vsbPrevia.SetValue(30);
  EXPECT_EQ(WidgetOf<QScrollBar>(f.vsbPrevia)->value(), 30);
}

TEST_F(QtWidgets, ListsShowTheirItemsAsCodeChangesThem) {
  sample::SampleForm& f = *form;
  f.lstMeses.Clear();
  f.lstMeses.AddItem("Julio");
  f.lstMeses.AddItem("Agosto");
  f.lstMeses.SetListIndex(1);
  auto* list = WidgetOf<QListWidget>(f.lstMeses);
  EXPECT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(1)->text(), "Agosto");
  EXPECT_EQ(list->currentRow(), 1);
  f.lstMeses.RemoveItem(1);
  EXPECT_EQ(list->count(), 1);
  EXPECT_TRUE(list->selectedItems().isEmpty());
  f.cboEntidad.SetList(0, "TESORO PUBLICO");
  EXPECT_EQ(WidgetOf<QComboBox>(f.cboEntidad)->itemText(0), "TESORO PUBLICO");
}

// Scrolling the list's widget moves TopIndex to the month seen at the top; a
// TopIndex set in code scrolls the widget there.
TEST_F(QtWidgets, ScrollingAListReportsTheItemAtTheTopToTheControl) {
  sample::SampleForm& f = *form;
  auto* list = WidgetOf<QListWidget>(f.lstMeses);
  ASSERT_GT(list->verticalScrollBar()->maximum(), 2);
  for (int valor : {2, list->verticalScrollBar()->maximum(), 0}) {
    list->verticalScrollBar()->setValue(valor);
    QCoreApplication::processEvents();
    int arriba = list->indexAt(QPoint(1, 1)).row();
    EXPECT_EQ(f.lstMeses.TopIndex(), arriba) << valor;
    EXPECT_EQ(arriba > 0, valor > 0) << valor;
  }
  f.lstMeses.SetTopIndex(3);
  QCoreApplication::processEvents();
  EXPECT_EQ(list->indexAt(QPoint(1, 1)).row(), 3);
  EXPECT_EQ(f.lstMeses.TopIndex(), 3);
}

TEST_F(QtWidgets, HidingDisablingAndRecolouringFollowTheControlAndItsFrame) {
  sample::SampleForm& f = *form;
  QWidget* box = WidgetOf(f.txtImporte);
  f.txtImporte.SetBackColor(forms::RGB(192, 192, 192));
  f.txtImporte.SetEnabled(false);
  EXPECT_FALSE(box->isEnabled());
  EXPECT_EQ(box->palette().color(QPalette::Disabled, QPalette::Base), QColor(192, 192, 192));
  f.fraDatos.SetEnabled(false);
  EXPECT_FALSE(WidgetOf(f.txtNombre)->isEnabled());
  f.fraDatos.SetEnabled(true);
  EXPECT_TRUE(WidgetOf(f.txtNombre)->isEnabled());
  f.fraDatos.SetVisible(false);
  EXPECT_FALSE(WidgetOf(f.txtNombre)->isVisible());
  f.fraDatos.SetVisible(true);
  f.txtNombre.SetVisible(false);
  EXPECT_FALSE(WidgetOf(f.txtNombre)->isVisible());
  EXPECT_TRUE(WidgetOf(f.txtImporte)->isVisible());
}

struct Shown {
  std::function<void(sample::SampleForm&)> set;
  std::function<bool(sample::SampleForm&)> shows;
};

// The properties the window and the widgets apply one by one, and the styles
// named by their constants.
TEST_F(QtWidgets, EachPropertySetInCodeShowsOnItsWidgetOrWindow) {
  using F = sample::SampleForm;
  const Shown cases[] = {
      {[](F& f) { f.SetCaption("Deudas"); },
       [this](F& f) { return TopLevel(f)->windowTitle() == "Deudas"; }},
      {[](F& f) { f.SetBorderStyle(forms::vbBSNone); },
       [this](F& f) {
         return TopLevel(f)->windowFlags().testFlag(Qt::FramelessWindowHint);
       }},
      {[](F& f) { f.SetBorderStyle(forms::vbFixedDouble); },
       [this](F& f) { return TopLevel(f)->minimumSize() == TopLevel(f)->maximumSize(); }},
      {[](F& f) { f.SetMinButton(false); },
       [this](F& f) {
         return !TopLevel(f)->windowFlags().testFlag(Qt::WindowMinimizeButtonHint);
       }},
      {[](F& f) { f.cmdAceptar.SetToolTipText("Grabar"); },
       [this](F& f) { return WidgetOf(f.cmdAceptar)->toolTip() == "Grabar"; }},
      {[](F& f) { f.txtNombre.SetFontBold(true); },
       [this](F& f) { return WidgetOf(f.txtNombre)->font().bold(); }},
      {[](F& f) { f.lblNombre.SetMousePointer(forms::vbHourglass); },
       [this](F& f) {
         return WidgetOf(f.lblNombre)->cursor().shape() == Qt::WaitCursor;
       }},
      {[](F& f) { f.lblNombre.SetForeColor(forms::RGB(255, 0, 0)); },
       [this](F& f) {
         return WidgetOf(f.lblNombre)->palette().color(QPalette::WindowText) == Qt::red;
       }},
      {[](F& f) { f.lblNombre.SetBorderStyle(forms::vbFixedSingle); },
       [this](F& f) {
         return WidgetOf<QLabel>(f.lblNombre)->frameShape() == QFrame::Panel;
       }},
      {[](F& f) { f.lblNombre.SetBackStyle(forms::vbTransparent); },
       [this](F& f) { return !WidgetOf(f.lblNombre)->autoFillBackground(); }},
      {[](F& f) { f.fraTipo.SetBorderStyle(forms::vbBSNone); },
       [this](F& f) { return WidgetOf<QGroupBox>(f.fraTipo)->isFlat(); }},
      {[](F& f) { f.txtNombre.SetAlignment(forms::vbRightJustify); },
       [this](F& f) {
         return WidgetOf<QLineEdit>(f.txtNombre)->alignment().testFlag(Qt::AlignRight);
       }},
      {[](F& f) { f.txtNombre.SetLocked(true); },
       [this](F& f) { return WidgetOf<QLineEdit>(f.txtNombre)->isReadOnly(); }},
      {[](F& f) { f.txtNombre.SetPasswordChar("*"); },
       [this](F& f) {
         return WidgetOf<QLineEdit>(f.txtNombre)->echoMode() == QLineEdit::Password;
       }},
  };
  for (std::size_t row = 0; row < std::size(cases); ++row) {
    cases[row].set(*form);
    EXPECT_TRUE(cases[row].shows(*form)) << "row " << row;
  }
}

TEST_F(QtWidgets, ControlsKeepTheirTwipsGeometryAtFifteenTwipsAPixel) {
  ASSERT_DOUBLE_EQ(PixelsPerTwip(), 1.0 / 15);
  sample::SampleForm& f = *form;
  EXPECT_EQ(WidgetOf(f.txtNombre)->geometry(), QRect(80, 18, 216, 21));
  f.cmdCerrar.Move(7320, 1980, 1500, 450);
  EXPECT_EQ(WidgetOf(f.cmdCerrar)->geometry(), QRect(488, 132, 100, 30));
  EXPECT_EQ(host->WindowOf(f)->Client()->size(), QSize(f.ScaleWidth() / 15, f.ScaleHeight() / 15));
}

TEST_F(QtWidgets, TabsShowOnlyTheControlsOfTheTabShown) {
  sample::SampleForm& f = *form;
  EXPECT_TRUE(WidgetOf(f.grdDeudas)->isVisible());
  EXPECT_FALSE(WidgetOf(f.picPrevia(0))->isVisible());
  f.tabPaginas.SetTab(1);
  EXPECT_EQ(TabBar().currentIndex(), 1);
  EXPECT_FALSE(WidgetOf(f.grdDeudas)->isVisible());
  EXPECT_TRUE(WidgetOf(f.picPrevia(0))->isVisible());
  f.tabPaginas.SetTabEnabled(2, false);
  f.tabPaginas.SetTabCaption(2, "A&rchivos");
  EXPECT_FALSE(TabBar().isTabEnabled(2));
  EXPECT_EQ(TabBar().tabText(2), "Archivos");
}

TEST_F(QtWidgets, ADisabledTabRefusesTheClickThatWouldShowIt) {
  form->tabPaginas.SetTabEnabled(2, false);
  form->log.Take();
  QTest::mouseClick(&TabBar(), Qt::LeftButton, {}, TabBar().tabRect(2).center());
  EXPECT_EQ(form->tabPaginas.Tab(), 0);
  EXPECT_EQ(TabBar().currentIndex(), 0);
  EXPECT_EQ(form->log.Take(), (std::vector<std::string>{"LostFocus txtNombre", "GotFocus tabPaginas"}));
}

TEST_F(QtWidgets, TheGridShowsTheRecordsetsRowsAndFollowsItsPositionBothWays) {
  sample::SampleForm& f = *form;
  ASSERT_EQ(Grid().model()->rowCount(), 5);
  EXPECT_TRUE(Grid().isColumnHidden(0));
  EXPECT_EQ(Grid().model()->headerData(4, Qt::Horizontal).toString(), "Monto");
  EXPECT_EQ(Grid().columnWidth(4), 120);
  EXPECT_EQ(RowTexts(0), (Texts{"200912", "030701", "SI", "1,234.50"}));
  EXPECT_EQ(RowTexts(3), (Texts{"201003", "031201", "NO", "98,765.40"}));
  EXPECT_EQ(SelectedRow(), 0);
  f.datDeudas.Recordset()->MoveLast();
  EXPECT_EQ(SelectedRow(), 4);
  QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {},
                    Grid().visualRect(Grid().model()->index(1, 2)).center());
  EXPECT_EQ(f.datDeudas.Recordset()->AbsolutePosition(), 1);
  EXPECT_EQ(SelectedRow(), 1);
  EXPECT_EQ(f.grdDeudas.Columns("monto").Text(), "20.00");
}

TEST_F(QtWidgets, GridColumnsFollowTheirCaptionWidthAndVisibility) {
  forms::GridColumn column = form->grdDeudas.Columns("cod_tri");
  column.SetCaption("Código");
  column.SetWidth(2400);
  form->grdDeudas.Columns("id").SetVisible(true);
  EXPECT_EQ(Grid().model()->headerData(2, Qt::Horizontal).toString(), "Código");
  EXPECT_EQ(Grid().columnWidth(2), 160);
  EXPECT_FALSE(Grid().isColumnHidden(0));
}

// Columns are measured against the rows on screen: a longer text further down
// widens its column once the person scrolls it into view, and shows whole.
TEST_F(QtWidgets, AGridColumnWidensWhenALongerTextScrollsIntoView) {
  const QString largo = "IMPUESTO GENERAL A LAS VENTAS - CUENTA PROPIA";
  form->grdDeudas.SetHeight(600);
  form->grdDeudas.Columns("cod_tri").AddValueItem(vb::Variant("031201"), largo.toStdString());
  EXPECT_EQ(Grid().columnWidth(2), 80);
  Grid().verticalScrollBar()->setValue(2);
  EXPECT_EQ(RowTexts(3)[1], largo);
  int margins = 2 * (Grid().style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &Grid()) + 1);
  EXPECT_LE(Grid().fontMetrics().horizontalAdvance(largo), Grid().columnWidth(2) - margins);
}

TEST_F(QtWidgets, MenusFollowTheirCaptionsStateAndRunClickWhenChosen) {
  sample::SampleForm& f = *form;
  MenuBar& menus = *host->WindowOf(f)->Menus();
  QAction* salir = menus.ActionOf(f.mnuArchivoSalir);
  ASSERT_NE(salir, nullptr);
  EXPECT_EQ(salir->text(), "&Salir");
  EXPECT_TRUE(menus.ActionOf(f.mnuArchivoSep)->isSeparator());
  QMenu* archivo = menus.ActionOf(f.mnuArchivo)->menu();
  ASSERT_NE(archivo, nullptr);
  Texts items;
  for (QAction* action : archivo->actions()) items.push_back(action->text());
  EXPECT_EQ(items, (Texts{"&Nuevo", "", "&Salir"}));
  f.mnuArchivoNuevo.SetEnabled(false);
  f.mnuOpcion(0).SetVisible(false);
  f.mnuOpcion(4).SetChecked(true);
  EXPECT_FALSE(menus.ActionOf(f.mnuArchivoNuevo)->isEnabled());
  EXPECT_FALSE(menus.ActionOf(f.mnuOpcion(0))->isVisible());
  EXPECT_TRUE(menus.ActionOf(f.mnuOpcion(4))->isChecked());
  menus.ActionOf(f.mnuOpcion(4))->trigger();
  EXPECT_FALSE(f.mnuOpcion(4).Checked());
  EXPECT_FALSE(menus.ActionOf(f.mnuOpcion(4))->isChecked());
}

TEST_F(QtWidgets, MenuElementsLoadedAtRunTimeJoinTheirArraysPlace) {
  sample::SampleForm& f = *form;
  f.mnuOpcion.Load(2).SetVisible(true);
  f.mnuOpcion(2).SetCaption("Opción &tres");
  QMenu* ver = host->WindowOf(f)->Menus()->ActionOf(f.mnuVer)->menu();
  Texts items;
  for (QAction* action : ver->actions()) items.push_back(action->text());
  EXPECT_EQ(items, (Texts{"Opción &uno", "Opción &tres", "Opción &cinco"}));
}

TEST_F(QtWidgets, ToolbarAndStatusBarShowTheirButtonsAndPanels) {
  sample::SampleForm& f = *form;
  auto* tools = static_cast<ToolbarView*>(host->WindowOf(f)->ViewOf(&f.tlbHerramientas));
  EXPECT_EQ(tools->ActionOf(1)->toolTip(), "Limpiar los datos");
  EXPECT_TRUE(tools->ActionOf(2)->isSeparator());
  EXPECT_EQ(tools->ActionOf(4)->text(), "Agregar una página");
  f.tlbHerramientas.Buttons(3).SetEnabled(false);
  EXPECT_FALSE(tools->ActionOf(3)->isEnabled());
  f.sbrEstado.set_razonsocial("OTRO CONTRIBUYENTE");
  auto* status = WidgetOf<QStatusBar>(f.sbrEstado);
  Texts panels;
  for (QLabel* panel : status->findChildren<QLabel*>()) panels.push_back(panel->text());
  EXPECT_EQ(panels, (Texts{"20100066603", "OTRO CONTRIBUYENTE", "201003", "0942"}));
  QWidget* client = host->WindowOf(f)->Client();
  EXPECT_EQ(status->geometry(), QRect(0, client->height() - 21, client->width(), 21));
}

TEST_F(QtWidgets, APressedToolbarCheckButtonStaysDownAndRunsButtonClick) {
  sample::SampleForm& f = *form;
  auto* tools = static_cast<ToolbarView*>(host->WindowOf(f)->ViewOf(&f.tlbHerramientas));
  QTest::mouseClick(WidgetOf<QToolBar>(f.tlbHerramientas)->widgetForAction(tools->ActionOf(5)),
                    Qt::LeftButton);
  EXPECT_TRUE(f.tlbHerramientas.Buttons(5).Value());
  EXPECT_TRUE(tools->ActionOf(5)->isChecked());
  EXPECT_TRUE(f.txtNombre.Font().bold);
  EXPECT_TRUE(WidgetOf(f.txtNombre)->font().bold());
}

// The preview's pages: each page loaded at run time gets its widget, with the
// drawing of its page, in the first page's place; the page before hides.
TEST_F(QtWidgets, PagesLoadedAtRunTimeAppearWithTheirDrawing) {
  sample::SampleForm& f = *form;
  f.tabPaginas.SetTab(1);
  auto* tools = static_cast<ToolbarView*>(host->WindowOf(f)->ViewOf(&f.tlbHerramientas));
  tools->ActionOf(4)->trigger();
  ASSERT_TRUE(f.picPrevia.Exists(1));
  QWidget* second = WidgetOf(f.picPrevia(1));
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(second->isVisible());
  EXPECT_FALSE(WidgetOf(f.picPrevia(0))->isVisible());
  EXPECT_EQ(second->geometry(), WidgetOf(f.picPrevia(0))->geometry());
  QImage page = second->grab().toImage();
  QColor background = page.pixelColor(page.width() - 20, page.height() - 20);
  EXPECT_EQ(background, QColor(255, 255, 255));
  // The box of the page, at (240, 720) twips: 16, 48 pixels.
  EXPECT_EQ(page.pixelColor(16, 60), QColor(0, 0, 0));
}

TEST_F(QtWidgets, APictureOfTheWindowIsSavedAsPng) {
  std::string path = (PictureFolder() / "forms_sample.png").string();
  std::filesystem::remove(path);
  ASSERT_TRUE(SaveImage(*form, path));
  QImage picture(QString::fromStdString(path));
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), host->TopLevelOf(*form)->size());
}

}  // namespace
}  // namespace formsqt::testing
