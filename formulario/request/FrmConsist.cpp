#include "formulario/request/FrmConsist.h"

#include "formulario/core/Globales.h"
#include "formulario/core/modGen02.h"
#include "formulario/spool/GlobalesImpresion.h"
#include "platform/forms/instance.h"
#include "platform/forms/services.h"
#include "platform/vb/error.h"
#include "platform/vb/files.h"
#include "platform/vb/numbered_file.h"

namespace korva {

FrmConsist::FrmConsist() : forms::Form("FrmConsist") {
  DisenaVentana();
  Load = [this] { Form_Load(); };
  CmdGrabar.Click = [this] { CmdGrabar_Click(); };
}

// A client area of 9285 x 4125 twips inside the window's borders and caption.
void FrmConsist::DisenaVentana() {
  SetCaption("Inconsistencias detectadas");
  SetBorderStyle(forms::vbFixedDouble);
  SetMinButton(false);
  SetMaxButton(false);
  Move(0, 0, 9405, 4590);
  Label1.SetCaption("En su declaración se han detectado las siguientes inconsistencias :");
  Label1.Move(285, 120, 5010, 285);
  TxtPreliminar.Move(240, 480, 8835, 2580);
  TxtPreliminar.SetMultiLine(true);
  TxtPreliminar.SetScrollBars(forms::vbVertical);
  TxtPreliminar.SetLocked(true);
  TxtPreliminar.SetFontName("Courier New");
  TxtPreliminar.SetFontSize(8.25);
  TxtPreliminar.SetTabIndex(1);
  CmdGrabar.SetCaption("&Aceptar");
  CmdGrabar.Move(7470, 3615, 1575, 375);
  CmdGrabar.SetTabIndex(0);
  CmdGrabar.SetDefault(true);
  CmdGrabar.SetCancel(true);
}

// The report is read in one piece, as many characters as the file has bytes,
// so that its line breaks show each finding on its own line.
void FrmConsist::Form_Load() {
  try {
    forms::Screen.SetMousePointer(forms::vbDefault);
    vb::NumberedFile archivo(gsArchivoReporte, vb::OpenMode::Input);
    TxtPreliminar.SetText(vb::Input(vb::LOF(archivo.Number()), archivo.Number()));
    archivo.Close();
  } catch (const vb::Error& error) {
    TerminaPorError("Form_Load", error);
  }
}

void FrmConsist::CmdGrabar_Click() {
  if (forms::LoadedInstance<FrmConsist>() == this) {
    forms::Release<FrmConsist>();
  } else {
    forms::Unload(*this);
  }
}

}  // namespace korva
