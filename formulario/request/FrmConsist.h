#pragma once
// The viewer of the validation report.
#include "platform/forms/command_button.h"
#include "platform/forms/form.h"
#include "platform/forms/label.h"
#include "platform/forms/text_box.h"

namespace korva {

// "Inconsistencias detectadas": the report of the last validation (the file
// gsArchivoReporte, one finding a line) shown whole and read-only in a
// fixed-pitch font, until "&Aceptar" or Esc closes it. Every opening reads the
// file afresh.
class FrmConsist : public forms::Form {
 public:
  FrmConsist();

  forms::Label Label1{*this, "Label1"};
  forms::TextBox TxtPreliminar{*this, "TxtPreliminar"};
  forms::CommandButton CmdGrabar{*this, "CmdGrabar"};

 private:
  void DisenaVentana();
  void Form_Load();
  void CmdGrabar_Click();
};

}  // namespace korva
