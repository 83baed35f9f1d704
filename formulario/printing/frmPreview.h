#pragma once
// The preview window, and the printing of a spool file without showing it.
#include <optional>
#include <string>

#include "formulario/printing/LecturaSpool.h"
#include "platform/forms/control_array.h"
#include "platform/forms/form.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/scroll_bar.h"
#include "platform/forms/toolbar.h"
#include "platform/printer/printer.h"

namespace korva {

// "Presentación Preliminar": a spool file of the report folder drawn page by
// page, one page canvas per report page that holds something (canvas 0 always),
// indexed by its page number, with a toolbar to page through them, print and
// leave; or the same file drawn on the system's printer without showing
// anything. All pages are drawn when the window loads; paging only shows one
// canvas and hides the others.
class frmPreview : public forms::Form {
 public:
  frmPreview();

  // Bare name of the spool file; it is opened in the report folder.
  std::string sRut;

  // Reads the file and draws it: on the canvases while the mode is
  // "PresPrevia", on the printer for any other sTipo (the mode then becomes
  // "IMPRIMIR"). Answers whether it was drawn: False when the file does not
  // exist, and when printing, unless the job reached the printer or its PDF.
  bool pDesencripta(const std::string& sNombreArchivo, const std::string& sTipo);
  void pPos(int X, int Y, const std::string& sTexto, bool bColo, int iTama, int iHoja);
  void pCuadro(int x1, int y1, int x2, int y2, int iHoja);
  // 0 shows the first page, -1 the next, -2 the previous; the page shown then
  // scrolls back to its top.
  void pMostrar(int Nrohoja);
  void pPosVerti(int X, int Y, const std::string& sTexto, bool bColo, int iTama, int iHoja);

  int NroHoja() const { return iNroHoja; }
  int TotalHojas() const { return iTotalHojas; }

  forms::Toolbar tlbPrevia{*this, "tlbPrevia"};
  forms::ControlArray<forms::VScrollBar> vsbPic{*this, "vsbPic"};
  forms::PictureBox picFondo{*this, "picFondo"};
  forms::ControlArray<forms::PictureBox> picPrevia{picFondo, "picPrevia"};
  forms::HScrollBar HScroll1{*this, "HScroll1"};

 private:
  void DisenaVentana();
  void ConectaEventos();

  void Form_Load();
  void tlbPrevia_ButtonClick(forms::ToolbarButton Button);
  void vsbPic_Change(int Index);
  void HScroll1_Change();

  bool Imprime(const std::string& sArchivo);
  std::string RutaPdf() const;
  void RecorreArchivo(const std::string& sArchivo);
  void EjecutaLinea(const LineaSpool& linea);
  void AplicaColor(const std::string& sValor);
  void AplicaOrientacion(const std::string& sValor);
  bool FueraDeRango(int iHoja) const;
  int Lienzo(int iHoja);
  void CreaLienzo(int iLienzo);
  int LienzoVecino(bool bSiguiente) const;
  void MuestraSolo(int iLienzo);
  bool EnImpresora() const { return sObject == "IMPRIMIR"; }

  std::string sObject;
  // The canvas shown, and how many there are.
  int iNroHoja = 0;
  int iTotalHojas = 1;
  // While loading: the background the colour tag asked for, and the page of
  // the last command read.
  std::optional<forms::Color> colorFondo_;
  int iUltimaHoja = 0;
  // The job being printed, while a print pass runs.
  printer::Printer* impresora_ = nullptr;
};

// What MuestraReporte does with a file of the report folder: "Vprevia" shows it
// in a new preview window, modally; any other mode prints it without showing
// it. Answers whether the report was shown or reached the printer or its PDF.
bool MuestraPreview(const std::string& sArchivo, const std::string& sModo);

}  // namespace korva
