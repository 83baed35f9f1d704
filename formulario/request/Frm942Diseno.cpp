// The window's design: what each control is and where it stands before the
// opening changes anything.
#include <array>
#include <string>
#include <vector>

#include "formulario/request/Frm942.h"
#include "formulario/request/Casillas.h"

namespace korva {
namespace {

struct Pestana {
  int tab;
  const char* titulo;
};
constexpr std::array<Pestana, 6> kPestanas = {{{0, "&Información general"},
                                               {1, "Valores"},
                                               {2, "Deudas autoliquidadas"},
                                               {3, "&Otras deudas"},
                                               {4, "Modalida&d de pago"},
                                               {5, "&Deudas no acogibles"}}};

// A grid column: its field, its caption ("" carries the field's name) and, for
// a column the user reads, its width; the others stay hidden.
struct Columna {
  const char* campo;
  const char* titulo;
  int ancho;
};

constexpr int kOculta = 0;

// Columns 6 to 22, the same in every grid: the row's values for the detail
// windows and the row commands, which read them by field name.
constexpr std::array<Columna, 17> kColumnasValores = {{{"cod_tri", "", kOculta},
                                                       {"Cod_For", "", kOculta},
                                                       {"Cod_Tip_doc", "", kOculta},
                                                       {"fec_des_deu", "", kOculta},
                                                       {"mto_tributo_s", "", kOculta},
                                                       {"mto_int_cap_s", "", kOculta},
                                                       {"mto_int_s", "", kOculta},
                                                       {"ind_acog", "", kOculta},
                                                       {"ind_conf", "", kOculta},
                                                       {"mto_tributo_c", "", kOculta},
                                                       {"Mto_int_cap_c", "", kOculta},
                                                       {"Mto_int_c", "", kOculta},
                                                       {"Cod_Tri_Aso", "", kOculta},
                                                       {"ind_ver_deu", "", kOculta},
                                                       {"Cod_for_dj", "", kOculta},
                                                       {"Num_ord_dj", "", kOculta},
                                                       {"ind_tip_deu", "", kOculta}}};

// The captions of columns 3 and 4, and the columns from 23 on, of each grid.
struct Grilla {
  const char* titulo3;
  const char* titulo4;
  std::vector<Columna> finales;
};

const Grilla& GrillaDeTab(int n) {
  static const Grilla kValores{"Número de valor",
                              "Deuda a acogerse",
                              {{"Num_pro", "", kOculta},
                               {"ind_acog", "Acoge deuda", 1095},
                               {"ind_impugnado", "", kOculta},
                               {"num_cuo", "", kOculta}}};
  static const Grilla kAutoliquidadas{"Nº de orden / Nº de infracción",
                                      "Deuda a acogerse",
                                      {{"Num_pro", "", kOculta},
                                       {"ind_acog", "Acoge deuda", 1095},
                                       {"num_cuo", "", kOculta}}};
  static const Grilla kOtras{"Nº de orden / Nº de infracción",
                             "Tributo adeudado",
                             {{"ind_valor", "", kOculta},
                              {"ind_deuda_dj", "", kOculta},
                              {"num_cuo", "Tipo de Deuda", 1095}}};
  static const Grilla kNoAcogibles{"    Nº de valor / Nº de              documento",
                                   "Deuda no acogible",
                                   {{"Num_pro", "", kOculta}, {"des_motivo", "Motivo", 3615}}};
  switch (n) {
    case 1: return kValores;
    case 2: return kAutoliquidadas;
    case 3: return kOtras;
    default: return kNoAcogibles;
  }
}

// The columns whose cells the grid's format event writes.
bool SeFormatea(int n, int col) {
  return col == 0 || col == 4 || col == 5 || (n == 3 && col == 15) ||
         (col == 19 && (n == 1 || n == 5));
}

// A grey, centred, bold box beside each payment-mode box with its number.
void DisenaNumero(forms::TextBox& numero, int nCasilla, int nArriba) {
  numero.Move(45, nArriba, 495, 285);
  numero.SetText(NumeroCasilla(nCasilla));
  numero.SetBackColor(kGris);
  numero.SetAlignment(forms::vbCenter);
  numero.SetFontBold(true);
  numero.SetEnabled(false);
  numero.SetTabStop(false);
}

}  // namespace

void Frm942::DisenaVentana() {
  SetBorderStyle(forms::vbFixedDouble);
  SetMinButton(false);
  SetMaxButton(false);
  Move(0, 0, 9720, 7170);
  SSTab1.Move(120, 120, 9465, 6015);
  SSTab1.SetTabs(static_cast<int>(kPestanas.size()));
  for (const Pestana& pestana : kPestanas) SSTab1.SetTabCaption(pestana.tab, pestana.titulo);
  SSTab1.SetTabIndex(0);
  SSTab1.SetHelpContextID(1029);
}

void Frm942::DisenaIdentificacion() {
  Frame5.SetCaption("Identificación");
  Frame5.Move(240, 480, 8985, 2175);
  Label2.SetCaption("R.U.C.");
  Label2.Move(240, 360, 1815, 255);
  cboNumdoc.Move(2160, 300, 3015, 315);
  Label1.Add(0).SetCaption("Razón social");
  Label1(0).Move(240, 780, 1815, 255);
  txtRazon.Move(2160, 720, 6615, 315);
  txtRazon.SetMaxLength(40);
  Label1.Add(3).SetCaption("Teléfono");
  Label1(3).Move(240, 1200, 1815, 255);
  txtTelefono.Move(2160, 1140, 1335, 315);
  txtTelefono.SetMaxLength(9);
  txtTelefono.SetAlignment(forms::vbRightJustify);
  Label1.Add(4).SetCaption("Entidad");
  Label1(4).Move(3720, 1200, 735, 255);
  TxtEntidad.Move(4560, 1140, 1335, 315);
  TxtEntidad.SetMaxLength(7);
  TxtEntidad.SetEnabled(false);
  Label1.Add(7).SetCaption("Correlativo");
  Label1(7).Move(6120, 1200, 1095, 255);
  Label1(7).SetVisible(false);
  txtCorrel.Move(7320, 1140, 1095, 315);
  txtCorrel.SetMaxLength(8);
  txtCorrel.SetAlignment(forms::vbRightJustify);
  txtCorrel.SetBackColor(kGris);
  txtCorrel.SetVisible(false);
  txtCorrel.SetEnabled(false);
  Label1.Add(1).SetCaption("Fecha de actualización");
  Label1(1).Move(240, 1620, 1815, 255);
  mkeFechaAcog.Move(2160, 1560, 1335, 315);
  mkeFechaAcog.SetMask("99/99/9999");
  mkeFechaAcog.SetPromptChar("_");
  Label1.Add(6).SetCaption("Formato: dd/mm/aaaa");
  Label1(6).Move(3720, 1620, 1815, 255);
  cboNumdoc.SetTabIndex(0);
  txtTelefono.SetTabIndex(1);
  mkeFechaAcog.SetTabIndex(2);
}

// The substitution question stays hidden; the note explains the acceptance date.
void Frm942::DisenaSustitutoria() {
  Frame4.SetCaption("&Sustitutoria");
  Frame4.Move(240, 2760, 8985, 1095);
  Frame4.SetVisible(false);
  Frame4.SetEnabled(false);
  Label1.Add(2, Frame4).SetCaption("¿Esta solicitud sustituye a otra presentada anteriormente?");
  Label1(2).Move(240, 300, 5055, 255);
  OptRectifica.Add(0).SetCaption("Si");
  OptRectifica(0).Move(5520, 270, 735, 255);
  OptRectifica.Add(1).SetCaption("No");
  OptRectifica(1).Move(6360, 270, 735, 255);
  OptRectifica(1).SetValue(true);
  Label1.Add(5, Frame4).SetCaption(
      "Nota: La última solicitud presentada sustituye integramente a la anterior.");
  Label1(5).Move(240, 660, 8535, 255);
  Frame2.SetCaption("Nota :");
  Frame2.Move(240, 3960, 8985, 1095);
  Label3.SetCaption(
      "Sr. Contribuyente, Los intereses de la deuda se actualizarán automáticamente hasta la "
      "fecha que consigne en la casilla  \"Fecha  de  actualización\". Las deudas registradas NO "
      "conformes o registradas manualmente las deberá actualizar en forma independiente");
  Label3.SetWordWrap(true);
  Label3.Move(240, 300, 8535, 675);
}

void Frm942::DisenaGrillas() {
  for (int n : kGrillas) DisenaGrilla(n);
  DisenaBotonesDeuda();
}

void Frm942::DisenaGrilla(int n) {
  forms::Place pagina = SSTab1.Page(n);
  forms::DataControl& datos = Dat.Add(n, pagina);
  datos.Move(120, 4800, 2535, 345);
  datos.SetVisible(false);
  forms::DataGrid& grilla = TDBGrid.Add(n, pagina);
  grilla.Move(120, 480, 9225, 4215);
  grilla.SetDataSource(&datos);
  const Grilla& diseno = GrillaDeTab(n);
  std::vector<Columna> columnas = {{"per_doc", "Periodo", 855},
                                   {"des_tributo", "Código tributo", 2415},
                                   {"des_valor", "Tipo de resolución", 1815},
                                   {"num_doc", diseno.titulo3, 1575},
                                   {"mto_act_s", diseno.titulo4, 1335},
                                   {"mto_act_c", "Monto acogido", 1215}};
  columnas.insert(columnas.end(), kColumnasValores.begin(), kColumnasValores.end());
  columnas.insert(columnas.end(), diseno.finales.begin(), diseno.finales.end());
  if (n == 3) columnas[15].titulo = "Tributo adeudado";
  for (const Columna& columna : columnas) {
    forms::GridColumn col = grilla.AddColumn(columna.campo, columna.titulo);
    col.SetWidth(columna.ancho);
    col.SetVisible(columna.ancho != kOculta);
    col.SetLocked(true);
    if (SeFormatea(n, col.ColIndex())) col.SetNumberFormat("FormatText Event");
  }
  grilla.Columns(4).SetAlignment(forms::vbRightJustify);
  grilla.Columns(5).SetAlignment(forms::vbRightJustify);
  if (n == 1 || n == 2) {
    grilla.Columns(24).AddValueItem(vb::Variant(1), "SI");
    grilla.Columns(24).AddValueItem(vb::Variant(2), "NO");
  }
  lblTab.Add(n, pagina).Move(120, 4800, 4215, 255);
  if (n == 5) return;
  forms::TextBox& total = txtmtototal.Add(n, pagina);
  total.Move(7560, 4740, 1785, 315);
  total.SetAlignment(forms::vbRightJustify);
  total.SetEnabled(false);
}

void Frm942::DisenaBotonesDeuda() {
  struct Boton {
    forms::ControlArray<forms::CommandButton>& arreglo;
    int n;
    const char* titulo;
    int izquierda;
  };
  const Boton botones[] = {{cmdEdit, 1, "&Actualizar", 4560},  {CmdAcoge, 1, "Acoger todas", 6120},
                           {CmdNoAcoge, 1, "No acoge", 7680},    {cmdEdit, 2, "&Actualizar", 4560},
                           {CmdAcoge, 2, "Acoger todas", 6120},  {CmdNoAcoge, 2, "No acoge", 7680},
                           {cmdNew, 3, "&Nuevo", 4560},          {cmdEdit, 3, "&Modificar", 6120},
                           {cmdDelete, 3, "&Eliminar", 7680}};
  for (const Boton& boton : botones) {
    forms::CommandButton& control = boton.arreglo.Add(boton.n, SSTab1.Page(boton.n));
    control.SetCaption(boton.titulo);
    control.Move(boton.izquierda, 5220, 1455, 375);
  }
}

void Frm942::DisenaModalidadPago() {
  Frame1.Move(120, 1015, 4935, 3255);
  Frame1.SetEnabled(false);
  for (const Fila& fila : kFilas) {
    forms::TextBox& titulo = txtdescas.Add(fila.titulo);
    titulo.SetText(fila.texto);
    titulo.Move(120, fila.arriba, 4695, 285);
    titulo.SetBackColor(kGris);
    titulo.SetVisible(fila.visible);
  }
  for (const Bloque& bloque : kBloques) DisenaBloque(bloque);
  lblmsg.SetCaption(
      "El Contribuyente podrá modificar el monto de la cuota de acogimiento sugerida por el sistema "
      "por un monto mayor");
  lblmsg.SetWordWrap(true);
  lblmsg.Move(120, 4440, 9225, 495);
  DisenaGarantia();
}

forms::Frame& Frm942::MarcoDe(const Bloque& bloque) {
  forms::Frame* marcos[] = {&Frame_TELVO, &Frame_ESSALUD, &Frame_ONP, &Frame_FONAVI,
                            &Frame_FONCOMUN};
  return *marcos[bloque.orden];
}

// One entity's frame, with the same margin either side of its boxes (leaving
// the guarantee frame beside it room for its caption): its name heading, then
// its boxes, each on its row. The months, instalments and instalment amount of
// block 500 are disabled, those of the other blocks enabled but locked; either
// way they take no typing.
void Frm942::DisenaBloque(const Bloque& bloque) {
  forms::Frame& marco = MarcoDe(bloque);
  marco.Move(5100, 1015, 2100, 3255);
  forms::TextBox& encabezado = txtdescol.Add(bloque.orden, marco);
  encabezado.SetText(bloque.nombre);
  encabezado.Move(45, 300, 2010, 285);
  encabezado.SetBackColor(kGris);
  encabezado.SetAlignment(forms::vbCenter);
  encabezado.SetEnabled(false);
  for (const Fila& fila : kFilas) {
    int nArriba = fila.renglon == Renglon::Cuotas && bloque.base >= 514 ? 1545 : fila.arriba;
    DisenaCasilla(marco, fila, CasillaDe(bloque, fila.renglon), nArriba);
  }
  bool bBloqueada = bloque.base != 500;
  for (Renglon renglon : {Renglon::Meses, Renglon::Cuotas, Renglon::MontoCuota}) {
    txtValor(CasillaDe(bloque, renglon)).SetEnabled(bBloqueada);
    txtValor(CasillaDe(bloque, renglon)).SetLocked(bBloqueada);
  }
  txtValor(CasillaDe(bloque, Renglon::Tributo)).SetAlignment(forms::vbCenter);
}

void Frm942::DisenaCasilla(forms::Frame& marco, const Fila& fila, int nCasilla, int nArriba) {
  forms::TextBox& casilla = txtValor.Add(nCasilla, marco);
  casilla.Move(525, nArriba, 1530, 285);
  casilla.SetBackColor(fila.blanca ? kBlanco : kGris);
  casilla.SetEnabled(fila.habilitada);
  casilla.SetMaxLength(fila.largo);
  if (fila.monto) casilla.SetAlignment(forms::vbRightJustify);
  casilla.SetVisible(fila.visible);
  forms::TextBox& numero = txtnumcas.Add(nCasilla, marco);
  DisenaNumero(numero, nCasilla, nArriba);
  numero.SetVisible(fila.visible);
}

void Frm942::DisenaGarantia() {
  Frame_Garantia.SetCaption("Tipo de garantía de deuda");
  // Beside the entity's frame, as wide as the tab leaves it, so that the
  // caption shows whole.
  Frame_Garantia.Move(7245, 1015, 2175, 1215);
  Frame_Garantia.SetVisible(false);
  const char* tipos[] = {"Carta fianza", "Hipoteca", "Garantía mobiliaria"};
  for (int i = 0; i < 3; ++i) {
    ChkGarantia.Add(i).SetCaption(tipos[i]);
    ChkGarantia(i).Move(120, 240 + 300 * i, 1695, 255);
  }
  ChkGarantia(2).SetVisible(false);
}

void Frm942::DisenaBotones() {
  CmdValidar.SetCaption("&Validar");
  CmdValidar.Move(4920, 6240, 1455, 375);
  CmdGrabar.SetCaption("&Grabar");
  CmdGrabar.Move(6480, 6240, 1455, 375);
  CmdCancelar.SetCaption("&Salir");
  CmdCancelar.Move(8040, 6240, 1455, 375);
  CmdValidar.SetTabIndex(1);
  CmdGrabar.SetTabIndex(2);
  CmdCancelar.SetTabIndex(3);
}

}  // namespace korva
