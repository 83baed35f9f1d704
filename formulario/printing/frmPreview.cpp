#include "formulario/printing/frmPreview.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/spool/GlobalesImpresion.h"
#include "platform/forms/hourglass.h"
#include "platform/forms/services.h"
#include "platform/printer/print_service.h"
#include "platform/vb/encoding.h"
#include "platform/vb/error.h"
#include "platform/vb/files.h"
#include "platform/vb/numbered_file.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kPresPrevia = "PresPrevia";
constexpr const char* kImprimir = "IMPRIMIR";
constexpr int kErrImpresora = 482;

// Window design, in twips: the toolbar on top, the page between two vertical
// scroll bars, the horizontal one below; each canvas is as wide and as tall as
// an A4 sheet's long side, so that portrait and landscape pages both fit.
constexpr int kAltoBarra = 420;
constexpr int kAnchoScroll = 255;
constexpr int kAnchoFondo = 11760;
constexpr int kAltoFondo = 8160;
constexpr int kLadoHoja = 16840;
constexpr int kAvanceVertical = 190;

// Runs one drawing step; a step the target refuses (a missing canvas, a value
// the printer does not take) is skipped and the next one is tried. A printer
// that fails the job is not a step: it ends the print pass.
template <class Paso>
void Intenta(Paso paso) {
  try {
    paso();
  } catch (const vb::Error& error) {
    if (error.Number() == kErrImpresora) throw;
  }
}

// A canvas takes the font sizes a printer takes, as the runtime's FontSize.
void FijaTamano(forms::PictureBox& lienzo, int iTama) {
  printer::CheckFontSize(iTama);
  lienzo.SetFontSize(iTama);
}

}  // namespace

frmPreview::frmPreview() : forms::Form("frmPreview") {
  DisenaVentana();
  ConectaEventos();
}

void frmPreview::DisenaVentana() {
  SetCaption("Presentación Preliminar");
  SetBorderStyle(forms::vbFixedSingle);
  SetMaxButton(false);
  Move(0, 0, kAnchoFondo + 2 * kAnchoScroll + 120, kAltoBarra + kAltoFondo + kAnchoScroll + 465);
  tlbPrevia.Move(0, 0, kAnchoFondo + 2 * kAnchoScroll, kAltoBarra);
  tlbPrevia.AddButton("", "", forms::tbrSeparator);
  tlbPrevia.AddButton("", "", forms::tbrDefault, "", "Pag Anterior");
  tlbPrevia.AddButton("", "", forms::tbrDefault, "", "Pag Sgt");
  tlbPrevia.AddButton("", "", forms::tbrDefault, "", "Imprimir");
  tlbPrevia.AddButton("", "", forms::tbrDefault, "", "Salir");
  for (int i : {0, 1}) {
    forms::VScrollBar& barra = vsbPic.Add(i);
    barra.Move(i == 0 ? kAnchoScroll + kAnchoFondo : 0, kAltoBarra, kAnchoScroll, kAltoFondo);
    barra.SetMax(kLadoHoja - kAltoFondo);
    barra.SetSmallChange(300);
    barra.SetLargeChange(3000);
  }
  picFondo.Move(kAnchoScroll, kAltoBarra, kAnchoFondo, kAltoFondo);
  picFondo.SetBorderStyle(forms::vbBSNone);
  picFondo.SetBackColor(forms::RGB(128, 128, 128));
  forms::PictureBox& hoja = picPrevia.Add(0);
  hoja.Move(0, 0, kLadoHoja, kLadoHoja);
  hoja.SetBorderStyle(forms::vbBSNone);
  hoja.SetAutoRedraw(true);
  hoja.SetBackColor(forms::vbWhite);
  hoja.SetForeColor(forms::vbBlack);
  hoja.SetFontName("Courier New");
  HScroll1.Move(kAnchoScroll, kAltoBarra + kAltoFondo, kAnchoFondo, kAnchoScroll);
  HScroll1.SetMax(kLadoHoja - kAnchoFondo);
  HScroll1.SetSmallChange(300);
  HScroll1.SetLargeChange(3000);
}

void frmPreview::ConectaEventos() {
  Load = [this] { Form_Load(); };
  tlbPrevia.ButtonClick = [this](forms::ToolbarButton Button) { tlbPrevia_ButtonClick(Button); };
  vsbPic.Handle(&forms::ScrollBar::Change, [this](int Index) { vsbPic_Change(Index); });
  HScroll1.Change = [this] { HScroll1_Change(); };
}

void frmPreview::Form_Load() {
  forms::Hourglass reloj;
  sObject = kPresPrevia;
  pDesencripta(sRut, sObject);
  pMostrar(0);
}

bool frmPreview::pDesencripta(const std::string& sNombreArchivo, const std::string& sTipo) {
  if (sTipo != kPresPrevia) sObject = kImprimir;
  std::string sArchivo = gsRutaRPT + sNombreArchivo;
  if (!ExisteArchivo(sArchivo)) {
    forms::MsgBox("Archivo Físico del Reporte no Existe", forms::vbCritical, "Error al Imprimir");
    return false;
  }
  if (EnImpresora()) return Imprime(sArchivo);
  colorFondo_.reset();
  RecorreArchivo(sArchivo);
  iTotalHojas = picPrevia.Count();
  return true;
}

// One print job for the whole file. With no printer on the system the job is
// written as a PDF beside the spool file, and the user is told where it is; a
// PDF that could not be saved whole is not left there, and the user is told
// why instead.
bool frmPreview::Imprime(const std::string& sArchivo) {
  printer::PrintService* servicio = printer::CurrentPrintService();
  std::unique_ptr<printer::Printer> trabajo = servicio ? servicio->DefaultPrinter() : nullptr;
  std::string sPdf;
  if (servicio && !trabajo) {
    sPdf = RutaPdf();
    trabajo = servicio->PdfPrinter(sPdf);
  }
  if (!trabajo) {
    forms::MsgBox("No hay una impresora disponible para imprimir el reporte.", forms::vbCritical,
                  "Error al Imprimir");
    return false;
  }
  try {
    impresora_ = trabajo.get();
    iUltimaHoja = 0;
    RecorreArchivo(sArchivo);
    impresora_->EndDoc();
    impresora_->SetOrientation(printer::vbPRORPortrait);
  } catch (const vb::Error& error) {
    impresora_ = nullptr;
    std::string sSinImpresora = sPdf.empty() ? "" : "No hay una impresora instalada. ";
    forms::MsgBox(sSinImpresora + error.Description(), forms::vbCritical, "Error al Imprimir");
    return false;
  }
  impresora_ = nullptr;
  if (!sPdf.empty())
    forms::MsgBox("No hay una impresora instalada. El reporte se guardó en el archivo " + sPdf,
                  forms::vbInformation, Caption());
  return true;
}

// The spool file's own name with ".pdf" in place of its extension, in the
// report folder.
std::string frmPreview::RutaPdf() const {
  std::string sNombre = sRut;
  long punto = vb::InStrRev(sNombre, ".");
  if (punto > 0) sNombre = vb::Left(sNombre, punto - 1);
  return vb::ResolvePath(gsRutaRPT + sNombre + ".pdf");
}

void frmPreview::RecorreArchivo(const std::string& sArchivo) {
  vb::NumberedFile archivo(sArchivo, vb::OpenMode::Input);
  while (!vb::Eof(archivo.Number())) EjecutaLinea(LeeLineaSpool(vb::LineInput(archivo.Number())));
  archivo.Close();
}

void frmPreview::EjecutaLinea(const LineaSpool& linea) {
  switch (linea.palabra) {
    case PalabraSpool::Color:
      return AplicaColor(linea.valor);
    case PalabraSpool::Orientacion:
      return AplicaOrientacion(linea.valor);
    case PalabraSpool::Pos:
    case PalabraSpool::PosVerti:
    case PalabraSpool::Cuadro:
      break;
    case PalabraSpool::NuevaHoja:
      if (EnImpresora() && !FueraDeRango(iUltimaHoja)) impresora_->NewPage();
      return;
    default:
      return;
  }
  iUltimaHoja = linea.hoja;
  if (FueraDeRango(linea.hoja)) return;
  int iHoja = EnImpresora() ? linea.hoja : Lienzo(linea.hoja);
  if (linea.palabra == PalabraSpool::Cuadro) {
    pCuadro(linea.x1, linea.y1, linea.x2, linea.y2, iHoja);
  } else if (linea.palabra == PalabraSpool::Pos) {
    pPos(linea.x1, linea.y1, linea.texto, linea.negrita, linea.tamano, iHoja);
  } else {
    pPosVerti(linea.x1, linea.y1, linea.texto, linea.negrita, linea.tamano, iHoja);
  }
}

// A colour that is no colour (not "&H" and hexadecimal digits) leaves the
// pages as they are.
void frmPreview::AplicaColor(const std::string& sValor) {
  if (EnImpresora()) return;
  std::optional<std::uint32_t> color = LeeColorSpool(sValor);
  if (!color) return;
  colorFondo_ = *color;
  if (picPrevia(0).BackColor() != *color) picPrevia(0).SetBackColor(*color);
}

void frmPreview::AplicaOrientacion(const std::string& sValor) {
  if (!EnImpresora()) return;
  if (sValor == "H") impresora_->SetOrientation(printer::vbPRORLandscape);
  if (sValor == "V") impresora_->SetOrientation(printer::vbPRORPortrait);
}

bool frmPreview::FueraDeRango(int iHoja) const {
  return gbRangoPag && (iHoja + 1 > giPagHasta || iHoja + 1 < giPagDesde);
}

// The canvas of a page: its own number, or counted from the first page of the
// range. Only a page something is drawn on gets one: pages the file never
// names cost nothing, however far beyond the others a page number stands, and
// paging steps over them.
int frmPreview::Lienzo(int iHoja) {
  int iLienzo = gbRangoPag ? iHoja - (giPagDesde - 1) : iHoja;
  if (iLienzo > 0 && !picPrevia.Exists(iLienzo)) CreaLienzo(iLienzo);
  return iLienzo;
}

void frmPreview::CreaLienzo(int iLienzo) {
  forms::PictureBox& lienzo = picPrevia.Load(iLienzo);
  if (colorFondo_) lienzo.SetBackColor(*colorFondo_);
}

void frmPreview::pPos(int X, int Y, const std::string& sTexto, bool bColo, int iTama, int iHoja) {
  if (EnImpresora()) {
    Intenta([&] { impresora_->SetFontName("Courier New"); });
    Intenta([&] { impresora_->SetFontBold(bColo); });
    Intenta([&] { impresora_->SetFontSize(iTama); });
    Intenta([&] { impresora_->SetCurrentX(X); });
    Intenta([&] { impresora_->SetCurrentY(Y); });
    Intenta([&] { impresora_->Print(sTexto); });
    return;
  }
  Intenta([&] { picPrevia(iHoja).SetFontName("Courier New"); });
  Intenta([&] { picPrevia(iHoja).SetFontBold(bColo); });
  Intenta([&] { FijaTamano(picPrevia(iHoja), iTama); });
  Intenta([&] { picPrevia(iHoja).SetCurrentX(X); });
  Intenta([&] { picPrevia(iHoja).SetCurrentY(Y); });
  Intenta([&] { picPrevia(iHoja).Print(sTexto); });
}

void frmPreview::pCuadro(int x1, int y1, int x2, int y2, int iHoja) {
  if (EnImpresora()) {
    Intenta([&] { impresora_->SetFontName("Courier"); });
    Intenta([&] { impresora_->SetDrawWidth(1); });
    Intenta([&] { impresora_->Line(x1, y1, x1, y2); });
    Intenta([&] { impresora_->Line(x2, y1, x2, y2); });
    Intenta([&] { impresora_->Line(x1, y1, x2, y1); });
    Intenta([&] { impresora_->Line(x1, y2, x2, y2); });
    return;
  }
  Intenta([&] {
    forms::PictureBox& lienzo = picPrevia(iHoja);
    lienzo.SetFontName("Courier New");
    lienzo.SetDrawWidth(1);
    lienzo.Line(x1, y1, x1, y2);
    lienzo.Line(x2, y1, x2, y2);
    lienzo.Line(x1, y1, x2, y1);
    lienzo.Line(x1, y2, x2, y2);
  });
}

void frmPreview::pPosVerti(int X, int Y, const std::string& sTexto, bool bColo, int iTama, int iHoja) {
  std::u32string caracteres = vb::DecodeUtf8(sTexto);
  if (EnImpresora()) {
    Intenta([&] { impresora_->SetFontBold(bColo); });
    Intenta([&] { impresora_->SetFontSize(iTama); });
  } else {
    Intenta([&] { picPrevia(iHoja).SetFontBold(bColo); });
    Intenta([&] { FijaTamano(picPrevia(iHoja), iTama); });
  }
  for (std::size_t i = 0; i < caracteres.size(); ++i) {
    std::string caracter = vb::EncodeUtf8(caracteres.substr(i, 1));
    double y = Y + static_cast<double>(i) * kAvanceVertical;
    if (EnImpresora()) {
      Intenta([&] { impresora_->SetCurrentX(X); });
      Intenta([&] { impresora_->SetCurrentY(y); });
      Intenta([&] { impresora_->Print(caracter); });
    } else {
      Intenta([&] {
        forms::PictureBox& lienzo = picPrevia(iHoja);
        lienzo.SetCurrentX(X);
        lienzo.SetCurrentY(y);
        lienzo.Print(caracter);
      });
    }
  }
}

void frmPreview::pMostrar(int Nrohoja) {
  if (Nrohoja == 0) {
    picPrevia(0).SetTop(0);
    picPrevia(0).SetVisible(true);
    iNroHoja = 0;
  } else if (Nrohoja == -1 || Nrohoja == -2) {
    int iVecino = LienzoVecino(Nrohoja == -1);
    if (iVecino != iNroHoja) MuestraSolo(iNroHoja = iVecino);
  }
  vsbPic(0).SetValue(0);
  vsbPic(1).SetValue(0);
}

// The canvas after the one shown (or before it), or the one shown at either end.
int frmPreview::LienzoVecino(bool bSiguiente) const {
  std::vector<int> lienzos = picPrevia.Indexes();
  auto actual = std::lower_bound(lienzos.begin(), lienzos.end(), iNroHoja);
  if (bSiguiente) return actual + 1 < lienzos.end() ? *(actual + 1) : iNroHoja;
  return actual > lienzos.begin() ? *(actual - 1) : iNroHoja;
}

void frmPreview::MuestraSolo(int iLienzo) {
  picPrevia(iLienzo).SetTop(0);
  picPrevia(iLienzo).SetVisible(true);
  for (forms::PictureBox* lienzo : picPrevia.Elements()) {
    if (lienzo->Index() != iLienzo) lienzo->SetVisible(false);
  }
}

void frmPreview::tlbPrevia_ButtonClick(forms::ToolbarButton Button) {
  switch (Button.Index()) {
    case 2:
      pMostrar(-2);
      break;
    case 3:
      pMostrar(-1);
      break;
    case 4:
      sObject = kImprimir;
      if (pDesencripta(sRut, sObject))
        forms::MsgBox("Reporte se imprimió satisfactoriamente", forms::vbInformation, Caption());
      if (gbRangoPag) forms::Unload(*this);
      break;
    case 5:
      forms::Unload(*this);
      break;
    default:
      break;
  }
}

void frmPreview::vsbPic_Change(int Index) {
  picPrevia(iNroHoja).SetTop(-vsbPic(0).Value());
  vsbPic(1).SetValue(vsbPic(Index).Value());
  vsbPic(0).SetValue(vsbPic(Index).Value());
}

void frmPreview::HScroll1_Change() { picPrevia(iNroHoja).SetLeft(-HScroll1.Value()); }

// A new window for each report, let go once it is closed or printed.
bool MuestraPreview(const std::string& sArchivo, const std::string& sModo) {
  auto preview = std::make_unique<frmPreview>();
  preview->sRut = sArchivo;
  if (sModo != "Vprevia") return preview->pDesencripta(sArchivo, sModo);
  preview->Show(forms::vbModal);
  forms::Unload(*preview);
  return true;
}

}  // namespace korva
