#pragma once
// The declaration choosers' shared window, and the chooser of pending declarations.
#include <string>

#include "formulario/core/Ventanas.h"
#include "platform/forms/command_button.h"
#include "platform/forms/control_array.h"
#include "platform/forms/data_control.h"
#include "platform/forms/data_grid.h"
#include "platform/forms/form.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"

namespace vb {
class Error;
}

namespace korva {

// Which declarations a chooser lists: the pending ones of CAB, or the sent ones
// of HCAB, which carry a correlative.
enum class Lista { Pendientes, Enviadas };

// The declaration chooser: the declarations of form "0942" that the user may see,
// one per row, for opening in the request form (giModo 1) or deleting from every
// table that holds them, in one transaction (giModo 3). The grid's columns:
// 0 tip_doc_d, 1 document type, 2 R.U.C., 3 name, 4 form, 5 state, 6 entity, 7
// entity code, 8 period mmyyyy, 9 due date, 10 second due date (pending) or
// correlative (sent), 11 second due date (sent). The request form gets the
// chosen row through the core (EntregaDeclaracion). Moving to a row shows the
// declarant in the main window's status bar.
class SelectorDeclaraciones : public forms::Form {
 public:
  // The declaration of the current row, as it is handed to the request form.
  DeclaracionElegida Elegida();

  forms::Frame Frame1{*this, "Frame1"};
  forms::ControlArray<forms::Label> Label1{Frame1, "Label1"};
  forms::DataControl DtaNew{Frame1, "DtaNew"};
  forms::DataGrid grdContrib{Frame1, "grdContrib"};
  forms::ControlArray<forms::CommandButton> CmdOpciones{*this, "CmdOpciones"};

 protected:
  SelectorDeclaraciones(std::string sNombre, Lista lista);

 private:
  bool Enviadas() const { return lista_ == Lista::Enviadas; }
  void DisenaVentana();
  void DisenaGrilla();
  void ConectaEventos();

  void Form_Load();
  void Form_Unload(int& Cancel);
  void CmdOpciones_Click(int Index);
  void grdContrib_DblClick();
  void grdContrib_KeyPress(int& KeyAscii);
  void grdContrib_HeadClick(int ColIndex);
  void grdContrib_RowColChange();

  void CargaLista();
  void PoneTextos();
  std::string SentenciaLista() const;
  void AbreLista(const std::string& sSQL, int iTipo);
  void CopiaFilaActual();
  void AbreDeclaracion();
  void MuestraSolicitud();
  void EliminaDeclaracion();
  void RestauraPosicion(long nPosicion);
  void RecuperaDeError(const vb::Error& error);

  Lista lista_;
};

// The chooser of pending declarations, opened from "&Actualizar" and "&Eliminar".
class FrmContAbrir final : public SelectorDeclaraciones {
 public:
  FrmContAbrir();
};

}  // namespace korva
