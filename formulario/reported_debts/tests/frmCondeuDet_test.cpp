// The reported-debt window opened from the request form's grids on debts of a
// generated debt file.
#include "formulario/reported_debts/tests/prueba_deudas.h"

namespace korva::prueba {
namespace {

class FrmCondeuDetTest : public PruebaDeudas {};

TEST_F(FrmCondeuDetTest, ShowsTheReportedDebtOfTheChosenRow) {
  ImportaLineas({Linea("01", "V-1"), Linea("01", "V-2", [](debtfile::Fields& f) {
                   f[campo::kPeriodo] = "200905";
                   f[campo::kTributo] = "010101";
                   f[campo::kTipoDoc] = "001000";
                   f[campo::kTributoInsoluto] = "12345.8";
                   f[campo::kInteres] = "3.25";
                   f[campo::kInteresCapitalizado] = "20";
                 })});
  AbreDetalle(1, "V-2", [](frmCondeuDet& det) {
    EXPECT_EQ(det.Caption(), "Valores");
    EXPECT_EQ(det.lblPeriodo.Text(), "05/2009");
    EXPECT_EQ(det.lblNumvalor.Text(), "V-2");
    EXPECT_EQ(det.lblCodtributo.Text(), "1011");
    EXPECT_EQ(det.LblDestributo.Text(), "IGV - CUENTA PROPIA");
    EXPECT_EQ(det.lblDesEstado.Text(), "DEUDA VÁLIDA");
    EXPECT_EQ(det.lblFechaAct.Text(), "15/05/2010 08:00:00 a.m.");
    EXPECT_EQ(det.lblmtotribinsol1.Caption(), "12,345.80");
    EXPECT_EQ(det.lblmtotot1.Caption(), "12,369.05");
  });
}

}  // namespace
}  // namespace korva::prueba
