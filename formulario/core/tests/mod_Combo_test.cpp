#include "formulario/core/mod_Combo.h"

#include <gtest/gtest.h>

#include "platform/forms/forms.h"

namespace korva {
namespace {

TEST(ModCombo, DropDownWidthIsTheCharactersLessTwoTimesTheAverageWidth) {
  forms::Form frm("FrmNoNotificada");
  forms::ComboBox combo{frm, "cboTributo"};
  EXPECT_EQ(AnchoPromedioCaracter(frm), 6);
  AjustaAnchoCombo(frm, combo, 60);
  EXPECT_EQ(combo.DropDownWidth(), 348);
  AjustaAnchoCombo(frm, combo, 2);
  EXPECT_EQ(combo.DropDownWidth(), 0);
}

}  // namespace
}  // namespace korva
