#include "platform/qt/sample/sample_form.h"

#include "platform/vb/app.h"

namespace sample {

namespace {

using namespace forms;

const char* const kCaption = "Muestra de controles";

bool IsAmount(const std::string& text) {
  int dots = 0;
  for (char c : text) {
    if (c == '.') ++dots;
    if ((c < '0' || c > '9') && c != '.') return false;
  }
  return dots <= 1 && text != ".";
}

}  // namespace

DialogForm::DialogForm() : Form("frmDialogo") {
  SetCaption("Diálogo modal");
  Move(0, 0, 4800, 2400);
  SetBorderStyle(vbFixedDouble);
  SetMinButton(false);
  SetMaxButton(false);
  lblObservacion.SetCaption("Escriba una observación:");
  lblObservacion.Move(120, 120, 4320, 255);
  txtObservacion.Move(120, 420, 4320, 315);
  cmdAceptar.SetCaption("Aceptar");
  cmdAceptar.Move(2040, 1200, 1200, 375);
  cmdAceptar.SetDefault(true);
  cmdCancelar.SetCaption("Cancelar");
  cmdCancelar.Move(3360, 1200, 1200, 375);
  cmdCancelar.SetCancel(true);
  cmdAceptar.Click = [this] {
    observation = txtObservacion.Text();
    forms::Unload(*this);
  };
  cmdCancelar.Click = [this] {
    observation.clear();
    forms::Unload(*this);
  };
}

SampleForm::SampleForm() : Form("frmMuestra") {
  Design();
  Wire();
}

void SampleForm::Design() {
  SetCaption(kCaption);
  Move(0, 0, 9600, 8400);
  SetBorderStyle(vbSizable);
  mnuArchivo.SetCaption("&Archivo");
  mnuArchivoNuevo.SetCaption("&Nuevo");
  mnuArchivoSep.SetCaption("-");
  mnuArchivoSalir.SetCaption("&Salir");
  mnuVer.SetCaption("&Ver");
  mnuOpcion.Add(0).SetCaption("Opción &uno");
  mnuOpcion.Add(4).SetCaption("Opción &cinco");
  mnuAyuda.SetCaption("A&yuda");
  mnuAyudaTemas.SetCaption("&Temas de ayuda");
  DesignBars();
  DesignEntries();
  DesignChoices();
  DesignCommands();
  DesignData();
  DesignPages();
}

void SampleForm::DesignEntries() {
  fraDatos.SetCaption("Datos del contribuyente");
  fraDatos.Move(120, 480, 4560, 2640);
  fraDatos.SetHelpContextID(10);
  lblNombre.SetCaption("&Nombre:");
  lblNombre.Move(120, 300, 1000, 255);
  txtNombre.Move(1200, 270, 3240, 315);
  txtNombre.SetMaxLength(30);
  lblImporte.SetCaption("Importe:");
  lblImporte.Move(120, 690, 1000, 255);
  txtImporte.Move(1200, 660, 1500, 315);
  txtImporte.SetAlignment(vbRightJustify);
  lblFecha.SetCaption("Fecha:");
  lblFecha.Move(120, 1080, 1000, 255);
  mskFecha.Move(1200, 1050, 1500, 315);
  mskFecha.SetMask("99/99/9999");
  lblEntidad.SetCaption("Entidad:");
  lblEntidad.Move(120, 1470, 1000, 255);
  cboEntidad.Move(1200, 1440, 2000, 315);
  const std::pair<const char*, long> entities[] = {
      {"TESORO", 1}, {"ESSALUD", 2}, {"ONP", 3}, {"FONAVI", 5}, {"FONCOMUN", 8}};
  for (const auto& [name, code] : entities) {
    cboEntidad.AddItem(name);
    cboEntidad.SetItemData(cboEntidad.NewIndex(), code);
  }
}

void SampleForm::DesignChoices() {
  lblMeses.SetCaption("Meses:");
  lblMeses.Move(120, 1860, 1000, 255);
  lstMeses.Move(1200, 1830, 3240, 690);
  for (const char* month : {"Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio"}) {
    lstMeses.AddItem(month);
  }

  fraTipo.SetCaption("Tipo de persona");
  fraTipo.Move(4800, 480, 2400, 1455);
  optTipo.Add(0).SetCaption("Natural");
  optTipo(0).Move(120, 300, 2100, 255);
  optTipo.Add(1).SetCaption("Jurídica");
  optTipo(1).Move(120, 600, 2100, 255);
  chkGarantia.SetCaption("Ofrece &garantía");
  chkGarantia.Move(120, 1000, 2100, 255);
}

void SampleForm::DesignCommands() {
  cmdAceptar.SetCaption("&Aceptar");
  cmdAceptar.Move(7320, 540, 2040, 375);
  cmdAceptar.SetDefault(true);
  cmdDialogo.SetCaption("&Diálogo...");
  cmdDialogo.Move(7320, 1020, 2040, 375);
  cmdCerrar.SetCaption("&Cerrar");
  cmdCerrar.Move(7320, 1500, 2040, 375);
  cmdCerrar.SetCancel(true);
  lblEventos.SetCaption("Eventos:");
  lblEventos.Move(4800, 2040, 2000, 255);
  lstEventos.Move(4800, 2280, 4560, 840);
  lstEventos.SetTabStop(false);

  tabPaginas.Move(120, 3240, 9240, 3960);
  tabPaginas.SetTabs(3);
  tabPaginas.SetTabCaption(0, "&Deudas");
  tabPaginas.SetTabCaption(1, "&Vista previa");
  tabPaginas.SetTabCaption(2, "A&rchivo");
  tabPaginas.SetTabHelpContextID(0, 20);
}

void SampleForm::DesignBars() {
  tlbHerramientas.Move(0, 0, 9480, 420);
  tlbHerramientas.AddButton("nuevo", "Nuevo", tbrDefault, "", "Limpiar los datos");
  tlbHerramientas.AddButton("", "", tbrSeparator);
  tlbHerramientas.AddButton("mensaje", "Mensaje", tbrDefault, "", "Mostrar un mensaje");
  tlbHerramientas.AddButton("pagina", "", tbrDefault, "pagina", "Agregar una página");
  tlbHerramientas.AddButton("resaltar", "Resaltar", tbrCheck, "", "Resaltar el nombre");
  sbrEstado.set_numdoc("20100066603");
  sbrEstado.set_razonsocial("CONTRIBUYENTE DE MUESTRA S.A.");
  sbrEstado.set_periodo_ejercicio("201003");
  sbrEstado.set_formulario("0942");
  sbrEstado.set_esruc(1);
}

void SampleForm::DesignData() {
  datDeudas.SetCaption("Deudas");
  datDeudas.Move(120, 3420, 4000, 345);
  datDeudas.SetRecordsetType(dao::dbOpenSnapshot);
  datDeudas.SetRecordSource(
      "SELECT id, periodo, cod_tri, ind_acog, monto FROM DEUDAS ORDER BY periodo");
  grdDeudas.Move(120, 480, 9000, 2880);
  grdDeudas.SetDataSource(&datDeudas);
  grdDeudas.AddColumn("id", "Id").SetVisible(false);
  grdDeudas.AddColumn("periodo", "Periodo").SetWidth(1200);
  grdDeudas.AddColumn("cod_tri", "Tributo").SetWidth(1200);
  GridColumn acoge = grdDeudas.AddColumn("ind_acog", "Acoge");
  acoge.AddValueItem(1, "SI");
  acoge.AddValueItem(2, "NO");
  acoge.SetAlignment(vbCenter);
  GridColumn monto = grdDeudas.AddColumn("monto", "Monto");
  monto.SetNumberFormat("#,###,###,##0.00");
  monto.SetAlignment(vbRightJustify);
  monto.SetWidth(1800);
}

void SampleForm::DesignPages() {
  PictureBox& page = picPrevia.Add(0);
  page.Move(120, 480, 7680, 2880);
  page.SetBackColor(RGB(255, 255, 255));
  page.SetFontName("Courier New");
  vsbPrevia.Move(7800, 480, 255, 2880);
  vsbPrevia.SetMax(100);
  vsbPrevia.SetLargeChange(10);
  hsbPrevia.Move(120, 3360, 7680, 255);
  hsbPrevia.SetMax(100);
  hsbPrevia.SetLargeChange(10);
  prgAvance.Move(120, 3660, 7680, 195);
  prgAvance.SetValue(40);
  filArchivo.Move(120, 480, 9000, 3240);
  filArchivo.SetPattern("*.*");
}

void SampleForm::UseDatabase(const std::string& path) { datDeudas.SetDatabaseName(path); }
void SampleForm::UseFolder(const std::string& path) { filArchivo.SetPath(path); }

void SampleForm::Record(std::string entry) {
  lstEventos.AddItem(entry);
  if (lstEventos.ListCount() > 200) lstEventos.RemoveItem(0);
  lstEventos.SetTopIndex(std::max(0, lstEventos.ListCount() - 4));
  log.Add(std::move(entry));
}

void SampleForm::Wire() {
  Load = [this] {
    if (!datDeudas.DatabaseName().empty()) datDeudas.Refresh();
    DrawPage(picPrevia(0), 1);
  };
  QueryUnload = [this](int&, int mode) { Record("Form_QueryUnload " + std::to_string(mode)); };
  for (Control* control : Controls()) {
    control->GotFocus = [this, control] { Record("GotFocus " + control->Name()); };
    control->LostFocus = [this, control] { Record("LostFocus " + control->Name()); };
  }
  WireEntries();
  WireChoices();
  WirePages();
  WireCommands();
}

void SampleForm::WireEntries() {
  // The name is typed in capitals and takes no digits.
  txtNombre.KeyPress = [this](int& keyAscii) {
    int typed = keyAscii;
    if (keyAscii >= '0' && keyAscii <= '9') keyAscii = 0;
    if (keyAscii >= 'a' && keyAscii <= 'z') keyAscii -= 32;
    Record("txtNombre_KeyPress " + std::to_string(typed) + " " + std::to_string(keyAscii));
  };
  txtNombre.Change = [this] { Record("txtNombre_Change " + txtNombre.Text()); };
  txtImporte.Change = [this] { Record("txtImporte_Change " + txtImporte.Text()); };
  txtImporte.Validate = [this](bool& cancel) {
    cancel = !txtImporte.Text().empty() && !IsAmount(txtImporte.Text());
    Record(std::string("txtImporte_Validate ") + (cancel ? "cancel" : "ok"));
  };
  mskFecha.Change = [this] { Record("mskFecha_Change " + mskFecha.Text()); };
  mskFecha.ValidationError = [this](std::string&, int& position) {
    Record("mskFecha_ValidationError " + std::to_string(position));
  };
}

void SampleForm::WireChoices() {
  cboEntidad.Click = [this] {
    Record("cboEntidad_Click " + std::to_string(cboEntidad.ListIndex()) + " " + cboEntidad.Text());
  };
  lstMeses.Click = [this] { Record("lstMeses_Click " + std::to_string(lstMeses.ListIndex())); };
  lstMeses.DblClick = [this] { Record("lstMeses_DblClick " + lstMeses.Text()); };
  optTipo.Handle(&OptionButton::Click, [this](int index) {
    Record("optTipo_Click " + std::to_string(index));
  });
  chkGarantia.Click = [this] {
    Record("chkGarantia_Click " + std::to_string(chkGarantia.Value()));
  };
  tabPaginas.Click = [this](int previous) {
    Record("tabPaginas_Click " + std::to_string(previous) + " " + std::to_string(tabPaginas.Tab()));
  };
  grdDeudas.RowColChange = [this](const vb::Variant& lastRow, int) {
    Record("grdDeudas_RowColChange " + (lastRow.IsEmpty() ? std::string("-") : lastRow.ToString()) +
           " " + std::to_string(grdDeudas.CurrentRow()));
  };
  grdDeudas.HeadClick = [this](int col) { Record("grdDeudas_HeadClick " + std::to_string(col)); };
  grdDeudas.DblClick = [this] { Record("grdDeudas_DblClick " + grdDeudas.Columns("periodo").Text()); };
  filArchivo.Click = [this] { Record("filArchivo_Click " + filArchivo.FileName()); };
  filArchivo.PathChange = [this] { Record("filArchivo_PathChange " + filArchivo.Path()); };
}

void SampleForm::WirePages() {
  vsbPrevia.Change = [this] {
    picPrevia(pagina).SetTop(480 - vsbPrevia.Value() * 30);
    Record("vsbPrevia_Change " + std::to_string(vsbPrevia.Value()));
  };
  hsbPrevia.Change = [this] {
    picPrevia(pagina).SetLeft(120 - hsbPrevia.Value() * 30);
    Record("hsbPrevia_Change " + std::to_string(hsbPrevia.Value()));
  };
}

void SampleForm::WireCommands() {
  cmdAceptar.Click = [this] { Grabar(); };
  cmdDialogo.Click = [this] { AbrirDialogo(); };
  cmdCerrar.Click = [this] {
    Record("cmdCerrar_Click");
    forms::Unload(*this);
  };
  mnuArchivoNuevo.Click = [this] { Clear(); };
  mnuArchivoSalir.Click = [this] { forms::Unload(*this); };
  mnuOpcion.Handle(&Menu::Click, [this](int index) {
    mnuOpcion(index).SetChecked(!mnuOpcion(index).Checked());
    Record("mnuOpcion_Click " + std::to_string(index));
  });
  mnuAyudaTemas.Click = [this] {
    dlgAyuda.SetHelpFile(vb::App::HelpFile());
    dlgAyuda.SetHelpCommand(cdlHelpContents);
    dlgAyuda.ShowHelp();
  };
  tlbHerramientas.ButtonClick = [this](ToolbarButton button) {
    Record("tlbHerramientas_ButtonClick " + std::to_string(button.Index()));
    if (button.Key() == "nuevo") Clear();
    if (button.Key() == "mensaje") MsgBox("Esta es la muestra de los controles.", vbInformation);
    if (button.Key() == "pagina") AddPage();
    if (button.Key() == "resaltar") txtNombre.SetFontBold(button.Value());
  };
}

void SampleForm::Grabar() {
  Record("cmdAceptar_Click");
  int answer = MsgBox("¿Desea grabar los datos?", vbYesNo + vbQuestion + vbDefaultButton2, kCaption);
  Record("MsgBox " + std::to_string(answer));
}

void SampleForm::AbrirDialogo() {
  Record("cmdDialogo_Click");
  DialogForm& dialog = Instance<DialogForm>();
  dialog.txtObservacion.SetText("");
  dialog.Show(vbModal);
  Record("Observacion " + dialog.observation);
}

void SampleForm::Clear() {
  txtNombre.SetText("");
  txtImporte.SetText("");
  mskFecha.SetText("__/__/____");
  cboEntidad.SetListIndex(-1);
  chkGarantia.SetValue(vbUnchecked);
  optTipo(0).SetValue(false);
  optTipo(1).SetValue(false);
}

void SampleForm::DrawPage(PictureBox& page, int number) {
  page.Cls();
  page.SetFontBold(true);
  page.SetFontSize(12);
  page.SetCurrentX(360);
  page.SetCurrentY(240);
  page.Print("SOLICITUD 0942 - PAGINA " + std::to_string(number));
  page.SetFontBold(false);
  page.SetFontSize(9);
  page.Box(240, 720, 7320, 2520);
  page.Line(240, 1080, 7320, 1080);
  const char* rows[] = {"Periodo  Tributo        Monto", "200912   030701      1,234.50",
                        "201001   010101         20.00"};
  double y = 780;
  for (const char* row : rows) {
    page.SetCurrentX(360);
    page.SetCurrentY(y);
    page.Print(row);
    y += 330;
  }
}

// Each new page is a new element of the page array, in the first page's place;
// the page shown before hides.
void SampleForm::AddPage() {
  int next = picPrevia.UBound() + 1;
  PictureBox& page = picPrevia.Load(next);
  DrawPage(page, next + 1);
  picPrevia(pagina).SetVisible(false);
  pagina = next;
  page.SetVisible(true);
  prgAvance.SetValue(std::min(100.0, prgAvance.Value() + 20));
}

}  // namespace sample
