#include "formulario/printing/frmImpxPag.h"

#include <algorithm>
#include <cmath>

#include "formulario/core/ModGen00.h"
#include "formulario/spool/GlobalesImpresion.h"
#include "formulario/spool/ImpLinea.h"
#include "platform/forms/instance.h"
#include "platform/forms/services.h"
#include "platform/vb/conv.h"
#include "platform/vb/error.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr long kAyudaRango = 1027;

// The note, with room in its first line for the box of the page count.
constexpr const char* kNota =
    "El reporte generado contiene              páginas. Su consulta\r\n"
    "puede ocasionar la caida del programa debido a la saturación\r\n"
    "de la memoria de la computadora.";

// The numeric value of a page box; a text the runtime cannot read as a number
// reads 0.
double ValorPagina(const forms::TextBox& caja) {
  try {
    return vb::Val(caja.Text());
  } catch (const vb::Error&) {
    return 0;
  }
}

// A page as the 16-bit page numbers hold it: a number beyond them stands for
// the last or the first page there can be.
int PaginaEntera(double valor) {
  return static_cast<int>(std::clamp(std::nearbyint(valor), -32768.0, 32767.0));
}

bool Rechaza(const char* sMensaje) {
  forms::MsgBox(sMensaje, forms::vbCritical);
  return false;
}

}  // namespace

frmImpxPag::frmImpxPag() : forms::Form("frmImpxPag") {
  DisenaVentana();
  ConectaEventos();
}

void frmImpxPag::DisenaVentana() {
  SetCaption("Presentación Preliminar por Páginas");
  SetBorderStyle(forms::vbFixedDouble);
  SetMinButton(false);
  SetMaxButton(false);
  Move(0, 0, 6330, 3090);
  Frame1.SetCaption("Imprimir");
  Frame1.Move(120, 60, 6015, 1995);
  lblDesde.SetCaption("&Desde :");
  lblDesde.Move(240, 360, 735, 255);
  txtPagDesde.Move(1020, 300, 735, 315);
  txtPagDesde.SetTabIndex(0);
  lblHasta.SetCaption("&Hasta :");
  lblHasta.Move(2160, 360, 735, 255);
  txtPagHasta.Move(2940, 300, 735, 315);
  txtPagHasta.SetTabIndex(1);
  txtNota.Move(240, 840, 5655, 975);
  txtNota.SetMultiLine(true);
  txtNota.SetLocked(true);
  txtNota.SetTabStop(false);
  txtNota.SetText(kNota);
  txtTotPaginas.Move(2700, 870, 735, 285);
  txtTotPaginas.SetLocked(true);
  txtTotPaginas.SetTabStop(false);
  forms::CommandButton& preliminar = cmdAccion.Add(0);
  preliminar.SetCaption("&Preliminar");
  preliminar.Move(3360, 2160, 1335, 375);
  preliminar.SetTabIndex(2);
  forms::CommandButton& cancelar = cmdAccion.Add(1);
  cancelar.SetCaption("&Cancelar");
  cancelar.Move(4800, 2160, 1335, 375);
  cancelar.SetTabIndex(3);
}

void frmImpxPag::ConectaEventos() {
  Load = [this] { Form_Load(); };
  txtPagDesde.KeyPress = [this](int& KeyAscii) { txtPagDesde_KeyPress(KeyAscii); };
  txtPagHasta.KeyPress = [this](int& KeyAscii) { txtPagHasta_KeyPress(KeyAscii); };
  cmdAccion.Handle(&forms::Control::Click, [this](int Index) { cmdAccion_Click(Index); });
}

void frmImpxPag::Form_Load() {
  SetHelpContextID(kAyudaRango);
  txtPagDesde.SetText("1");
  txtPagHasta.SetText("15");
}

void frmImpxPag::txtPagDesde_KeyPress(int& KeyAscii) { FiltraTecla(KeyAscii); }
void frmImpxPag::txtPagHasta_KeyPress(int& KeyAscii) { FiltraTecla(KeyAscii); }

// Enter moves on to the next box; digits, the point, the blank and Backspace
// are typed; every other key is dropped.
void frmImpxPag::FiltraTecla(int& KeyAscii) {
  if (KeyAscii == 13) {
    EnviaTab("TAB");
    KeyAscii = 0;
    return;
  }
  bool bDigito = KeyAscii >= '0' && KeyAscii <= '9';
  if (!bDigito && KeyAscii != '.' && KeyAscii != ' ' && KeyAscii != 8) KeyAscii = 0;
}

void frmImpxPag::cmdAccion_Click(int Index) {
  if (Index == 1) return Cierra();
  if (Index != 0 || !RangoValido()) return;
  giPagDesde = PaginaEntera(ValorPagina(txtPagDesde));
  giPagHasta = PaginaEntera(ValorPagina(txtPagHasta));
  MuestraReporte(Tag(), "Vprevia");
}

bool frmImpxPag::RangoValido() {
  if (vb::Trim(txtPagDesde.Text()).empty()) return Rechaza("Ingrese página de inicio");
  double dDesde = ValorPagina(txtPagDesde);
  if (dDesde <= 0) return Rechaza("Página inicial debe ser a partir de 1");
  if (ValorPagina(txtTotPaginas) < dDesde)
    return Rechaza("Página inicial no debe ser mayor a total de páginas del reporte");
  if (vb::Trim(txtPagHasta.Text()).empty()) return Rechaza("Ingrese página de Fin");
  if (ValorPagina(txtPagHasta) < dDesde)
    return Rechaza("Página final no debe ser menor a página inicial");
  return true;
}

void frmImpxPag::Cierra() {
  if (forms::LoadedInstance<frmImpxPag>() == this) {
    forms::Release<frmImpxPag>();
  } else {
    forms::Unload(*this);
  }
}

}  // namespace korva
