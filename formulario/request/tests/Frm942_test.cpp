#include "formulario/request/Frm942.h"

#include "formulario/core/ModGen01.h"
#include "formulario/request/tests/prueba_solicitud.h"

namespace korva::prueba {
namespace {

using Textos = std::vector<std::vector<std::string>>;

class Frm942Test : public PruebaSolicitud {};

TEST_F(Frm942Test, ImportedDeclarationOpensWithItsIdentificationAndExactlyItsRows) {
  Importa(kRucRio);
  Importa(kRucAndina, 1, [](debtfile::Options& o) { o.debtsPerCategory = 3; });
  // Rows another declaration left in the working tables go when a form opens.
  Ejecuta("INSERT INTO TMP_F0942DEUDAS SELECT * FROM F0942DEUDAS WHERE doc_id_d = '20603189753'");
  std::size_t nMensajes = driver_.MessageBoxes().size();
  Abre(kRucAndina, [this](Frm942& frm) {
    EXPECT_EQ(frm.Caption(), kTitulo);
    EXPECT_EQ(frm.cboNumdoc.Text(), vb::Left(std::string(kRucAndina) + std::string(20, ' '), 20) +
                                        vb::Left(std::string(kNombreAndina) + std::string(60, ' '), 60));
    EXPECT_EQ(frm.txtRazon.Text(), kNombreAndina);
    EXPECT_EQ(frm.TxtEntidad.Text(), "TESORO      ");
    EXPECT_FALSE(frm.cboNumdoc.Enabled());
    EXPECT_FALSE(frm.txtRazon.Enabled());
    EXPECT_FALSE(frm.txtCorrel.Visible());
    EXPECT_FALSE(frm.Label1(7).Visible());
    EXPECT_EQ(frm.sCorrel, "");
    EXPECT_EQ(frm.nTipoDoc, 6);
    EXPECT_EQ(frm.SSTab1.Tab(), 0);
    EXPECT_TRUE(frm.bCargaCompleta);
    EXPECT_FALSE(frm.bModificado);
    EXPECT_TRUE(gbFormCargado);
    EXPECT_EQ(frm.Left(), -50);
    EXPECT_EQ(frm.Width(), 9720);
    EXPECT_EQ(DeudasDe("TMP_F0942DEUDAS", kRucRio), Filas{});
    EXPECT_EQ(DeudasDe("TMP_F0942DEUDAS", kRucAndina), DeudasDe("F0942DEUDAS", kRucAndina));
    EXPECT_EQ(Cuenta("TMP_F0942DEUDAS"), 9);
    EXPECT_EQ(frm.lblTab(1).Caption(), "Total de registros : 1 de 3");
    EXPECT_EQ(frm.lblTab(2).Caption(), "Total de registros : 1 de 6");
    EXPECT_EQ(frm.lblTab(3).Caption(), "Sin registros");
    EXPECT_EQ(frm.lblTab(5).Caption(), "Sin registros");
  });
  EXPECT_EQ(Cuenta("TMP_F0942DEUDAS"), 0);
  EXPECT_EQ(driver_.MessageBoxes().size(), nMensajes);
}

}  // namespace
}  // namespace korva::prueba
