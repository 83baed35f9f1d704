#include "formulario/core/mod_Combo.h"

#include <gtest/gtest.h>

#include "platform/forms/forms.h"
#include "platform/forms/testing/driver.h"

namespace korva {
namespace {

// The test driver, measuring the alphabet as `alfabeto` pixels wide.
class MideAlfabeto : public forms::TestDriver {
 public:
  explicit MideAlfabeto(int alfabeto) : alfabeto_(alfabeto) {}
  int TextWidth(const std::string& text, const forms::Font& font) override {
    pedidos.push_back(text + " / " + font.name + " " + std::to_string(font.size));
    return alfabeto_;
  }
  std::vector<std::string> pedidos;

 private:
  int alfabeto_;
};

TEST(ModCombo, DropDownWidthIsTheCharactersLessTwoTimesTheAverageWidth) {
  forms::TestDriver driver;
  forms::Form frm("FrmNoNotificada");
  forms::ComboBox combo{frm, "cboTributo"};
  EXPECT_EQ(AnchoPromedioCaracter(frm), 6);
  AjustaAnchoCombo(frm, combo, 60);
  EXPECT_EQ(combo.DropDownWidth(), 348);
  AjustaAnchoCombo(frm, combo, 2);
  EXPECT_EQ(combo.DropDownWidth(), 0);
}

// The alphabet measured by the windows' host in the system's variable-pitch
// font, divided by its 52 letters and rounded down.
TEST(ModCombo, AverageWidthIsTheHostsMeasureOfTheAlphabet) {
  const std::pair<int, long> casos[] = {{312, 6}, {363, 6}, {364, 7}, {311, 5}};
  for (const auto& [alfabeto, promedio] : casos) {
    MideAlfabeto host(alfabeto);
    forms::Form frm("FrmImportar");
    EXPECT_EQ(AnchoPromedioCaracter(frm), promedio) << alfabeto;
    EXPECT_EQ(host.pedidos, std::vector<std::string>{
                                "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz / MS Sans Serif 8.000000"});
  }
}

}  // namespace
}  // namespace korva
