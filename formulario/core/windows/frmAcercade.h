#pragma once
// The about box.

#include "platform/forms/command_button.h"
#include "platform/forms/form.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/text_box.h"

namespace korva {

// The about box: the product family, the program's product name and the version
// the users know it by ("Versión 1.5", whatever the file's own version says).
class frmAcercade : public forms::Form {
 public:
  frmAcercade();

  forms::Frame SSPanel1{*this, "SSPanel1"};
  forms::PictureBox Image1{SSPanel1, "Image1"};
  forms::TextBox Text3{SSPanel1, "Text3"};
  forms::TextBox txtApp{SSPanel1, "txtApp"};
  forms::TextBox txtVersion{SSPanel1, "txtVersion"};
  forms::Label Line1{SSPanel1, "Line1"};
  forms::CommandButton cmdAceptar{*this, "cmdAceptar"};

 private:
  void DisenaVentana();
  void Form_Load();
  void cmdAceptar_Click();
};

}  // namespace korva
