#pragma once
#include <string>

#include "platform/forms/command_button.h"
#include "platform/forms/control_array.h"
#include "platform/forms/form.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/list_box.h"
#include "platform/forms/masked_edit.h"
#include "platform/forms/text_box.h"

namespace korva {

// The dialog in which the taxpayer records the supporting data of one motive
// of disagreement (gnMotivo) of the debt the reported-debt window answers. It
// lays itself out for its motive: the payments of motive 1 as a list; the form
// and order number of motives 2 and 5; the file number of motive 3 or the
// resolution number of motive 4. It shows what the reported-debt window holds,
// and "&Aceptar" hands the edited data back to that window's list, properties
// and the motive's tag; no table is read or written here.
class frmSustento : public forms::Form {
 public:
  frmSustento();

  // Leaving with button Index (0 "&Aceptar", 1 "&Salir"): on Aceptar checks the
  // motive's data and, when they are valid, writes them back to the
  // reported-debt window; either way sets the motive's tag to "1" when the
  // window holds supporting data for it and "0" otherwise. ok answers whether
  // the motive has valid data.
  void ValidaSalida(int Index, bool& ok);

  forms::Frame Frame1{*this, "Frame1"};
  forms::Label lbl01{Frame1, "lbl01"};
  forms::TextBox txt01{Frame1, "txt01"};
  forms::Label lbl02{Frame1, "lbl02"};
  forms::TextBox txt02{Frame1, "txt02"};

  forms::Frame Frame2{*this, "Frame2"};
  forms::Label lblCodform{Frame2, "lblCodform"};
  forms::ControlArray<forms::Label> Label1{Frame2, "Label1"};
  forms::TextBox txtcodform{Frame2, "txtcodform"};
  forms::TextBox txtNumOrd{Frame2, "txtNumOrd"};
  forms::MaskedEdit mkeFechaPago{Frame2, "mkeFechaPago"};
  forms::ControlArray<forms::CommandButton> cmdAccion{Frame2, "cmdAccion"};
  // The payments of motive 1, one line each, in a fixed-pitch font.
  forms::ListBox lstForm{Frame2, "lstForm"};
  forms::Label Label5{Frame2, "Label5"};

  forms::ControlArray<forms::CommandButton> cmdSustento{*this, "cmdSustento"};

 private:
  void DisenaVentana();
  void DisenaReferencias();
  void DisenaPagos();
  void ConectaEventos();
  void ConectaTeclas();

  void Form_Load();
  void Form_Activate();
  void cmdSustento_Click(int Index);
  void cmdAccion_Click(int Index);

  // The layouts of Form_Load by motive.
  void MuestraPagos();
  void MuestraFormularioOrden();
  void MuestraReferencia();

  // "Agregar" and "Eliminar" of the payments list, and the checks of a payment.
  void AgregaPago();
  void EliminaPago();
  bool PagoValido();
  bool FormularioValido();
  void RechazaPago(const std::string& sMensaje, forms::TextBox& campo, int nLargo);

  // The checks of ValidaSalida by motive; each answers ok.
  bool SalePagos(bool bAceptar);
  bool SaleReferencia(bool bAceptar);
  bool SaleFormularioOrden(bool bAceptar);
  bool RechazaSalida(const std::string& sMensaje, forms::TextBox& campo);

  void CampoNumerico_KeyPress(int& KeyAscii);
  void txt01_KeyPress(int& KeyAscii);
  void mkeFechaPago_KeyPress(int& KeyAscii);
  void Campo_KeyDown(int KeyCode, int Shift);
  void Campo_MouseDown(int Button);
  void CodigoFormulario_LostFocus(forms::TextBox& caja);

  // The message of the refusal ValidaSalida shows.
  std::string msMensaje;
};

}  // namespace korva
