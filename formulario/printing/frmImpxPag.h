#pragma once
// The page-range dialog of a long report's preview.

#include "platform/forms/command_button.h"
#include "platform/forms/control_array.h"
#include "platform/forms/form.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/text_box.h"

namespace korva {

// Previews a range of pages of a long spool file, warning that previewing the
// whole of it may exhaust the computer's memory. Whoever opens it puts the
// file's bare name in its Tag and the report's page count in txtTotPaginas;
// "&Preliminar" keeps the range in giPagDesde and giPagHasta and opens the
// preview, leaving the dialog open behind it.
class frmImpxPag : public forms::Form {
 public:
  frmImpxPag();

  forms::Frame Frame1{*this, "Frame1"};
  forms::Label lblDesde{Frame1, "lblDesde"};
  forms::TextBox txtPagDesde{Frame1, "txtPagDesde"};
  forms::Label lblHasta{Frame1, "lblHasta"};
  forms::TextBox txtPagHasta{Frame1, "txtPagHasta"};
  forms::TextBox txtNota{Frame1, "txtNota"};
  forms::TextBox txtTotPaginas{Frame1, "txtTotPaginas"};
  forms::ControlArray<forms::CommandButton> cmdAccion{*this, "cmdAccion"};

 private:
  void DisenaVentana();
  void ConectaEventos();

  void Form_Load();
  void txtPagDesde_KeyPress(int& KeyAscii);
  void txtPagHasta_KeyPress(int& KeyAscii);
  void cmdAccion_Click(int Index);

  void FiltraTecla(int& KeyAscii);
  bool RangoValido();
  void Cierra();
};

}  // namespace korva
