#pragma once
// The code lookup window and its printed listing.
#include <string>

#include "platform/forms/command_button.h"
#include "platform/forms/data_control.h"
#include "platform/forms/data_grid.h"
#include "platform/forms/form.h"

namespace korva {

// One list of codes and descriptions of the host's parameter table, chosen by the
// kind the main window leaves in gsTipoConsulta ("R" document types, "T" taxes,
// and "S", "D", "I" debt situations, motives of disagreement, challenge types),
// with a button that prints it through the spool file Consultas.txt.
class FrmConsultas : public forms::Form {
 public:
  FrmConsultas();

  forms::DataControl Dta1{*this, "Dta1"};
  forms::DataGrid grdConsultas{*this, "grdConsultas"};
  forms::CommandButton cmdImprimir{*this, "cmdImprimir"};
  forms::CommandButton CmdSalir{*this, "CmdSalir"};

 private:
  void DisenaVentana();
  void ConectaEventos();

  void Form_Load();
  void cmdImprimir_Click();
  void CmdSalir_Click();

  bool PreparaSentencia();
  bool HayFilas() const;
  void EscribeListado();
  void EscribeEncabezados();
  void EscribeFila(int iPosY);
  void EnviaImpresora();
};

}  // namespace korva
