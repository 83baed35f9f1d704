#pragma once
// The print dialog of the stored declarations.
#include <string>

#include "formulario/printing/ImpDeclaracion.h"
#include "platform/forms/check_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/control_array.h"
#include "platform/forms/data_control.h"
#include "platform/forms/data_grid.h"
#include "platform/forms/form.h"
#include "platform/forms/frame.h"
#include "platform/forms/option_button.h"

namespace vb {
class Error;
}

namespace korva {

// "Imprimir ": the declarations of form "0942" the user may see, pending (CAB
// and DET) or, while giEnviadas is set, sent (HCAB and HDET, by correlative).
// The user picks one, chooses the declaration page, the annexes or both (and
// which annexes) and previews or prints it: the declaration's boxes are loaded
// into gsCasillas, a spool file is registered in SPOOL, the print driver writes
// the report into it and the preview shows it or sends it to the printer. The
// window stays open until "&Salir". The grid's columns are fixed by index, since
// the printing reads the chosen row by column: 0 tip_doc_d, 1 document type, 2
// R.U.C., 3 name, 4 form, 5 entity, 6 entity code, 7 period mmyyyy, 8
// correlative; the two codes are hidden.
class frmImprimir : public forms::Form {
 public:
  frmImprimir();

  // Loads the boxes of the current row's declaration into gsCasillas and sets
  // gsDesFormaPago from its payment-form box.
  void CargarCasillas();
  // Empties boxes 1 to 899 of gsCasillas.
  void BorraArray();
  // Writes the report of the chosen declaration into gsArchivoReporte and
  // answers whether it was written whole. A driver error is told in a critical
  // box titled "Impresión" and answers False: the report is not to be shown.
  // `ps_autogenerado` is not used.
  bool ImprimirReporte2(const std::string& ps_autogenerado);
  // Lists the declarations into the grid; an empty list disables it.
  void Carga_Grilla();

  forms::Frame Frame1{*this, "Frame1"};
  forms::DataControl dtaDecRegis{Frame1, "dtaDecRegis"};
  forms::DataGrid grdImprimir{Frame1, "grdImprimir"};
  forms::Frame Frame2{*this, "Frame2"};
  forms::ControlArray<forms::OptionButton> OptImp{Frame2, "OptImp"};
  forms::Frame Frame3{*this, "Frame3"};
  forms::ControlArray<forms::CheckBox> chkAnexos{Frame3, "chkAnexos"};
  forms::ControlArray<forms::CommandButton> CmdImprimir{*this, "CmdImprimir"};

 private:
  void DisenaVentana();
  void DisenaGrilla();
  void DisenaOpciones();
  void ConectaEventos();

  void Form_Load();
  void Form_Activate();
  void OptImp_Click(int Index);
  void CmdImprimir_Click(int Index);
  void grdImprimir_DblClick();
  void grdImprimir_KeyPress(int& KeyAscii);
  void grdImprimir_RowColChange();

  bool FaltanAnexos() const;
  SeleccionImpresion Seleccion() const;
  long TomaDeclaracion();
  void Imprime(int Index);
  void DescartaReporte(const std::string& sArchivo);
  void RestauraPosicion(long nPosicion);
  void MuestraEnBarra();
  void AvisaError(const vb::Error& error);
};

}  // namespace korva
