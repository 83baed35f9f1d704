#include "formulario/core/tests/mono.h"
#include "formulario/printing/frmImprimir.h"
#include "formulario/printing/tests/prueba_impresion.h"

namespace korva::prueba {
namespace {

constexpr int kAcciones = 300;
constexpr int kAperturas = 30;

// The print dialog of the pending (or sent) declarations, over declarations
// with their debts, handed to a person choosing, ticking and clicking at
// random; previews and prints go to a stand-in of the viewer and to the
// recording printer.
struct Caso {
  bool enviadas;
  unsigned semilla;
};
void PrintTo(const Caso& c, std::ostream* os) {
  *os << (c.enviadas ? "enviadas" : "pendientes") << " semilla " << c.semilla;
}

class FrmImprimirMonoTest : public PruebaImpresion, public ::testing::WithParamInterface<Caso> {
 protected:
  void SetUp() override {
    PruebaImpresion::SetUp();
    CapturaReportes();
  }
};

TEST_P(FrmImprimirMonoTest, RandomActionsOnThePrintDialogLeaveTheStoreSound) {
  InsertaDeclaracion({kRucAndina, "201003", 1});
  InsertaDeclaracion({kRucRio, "201004", 2});
  InsertaDeclaracion({kRucAndina, "201002", 1, "15/03/2010", "20/03/2010", "001"});
  InsertaDeclaracion({kRucAndina, "201002", 1, "15/03/2010", "20/03/2010", "002"});
  Mono mono(driver_, GetParam().semilla);
  // The person may leave early: the dialog is opened again until the actions are done.
  for (int vez = 0; vez < kAperturas && mono.Sigue(kAcciones); ++vez)
    ConDialogo(GetParam().enviadas, [&](frmImprimir& frm) {
      mono.Juega(frm, kAcciones - mono.Acciones());
      if (frm.IsLoaded() && frm.Visible() && forms::user::CanReach(frm.CmdImprimir(2)))
        forms::user::Click(frm.CmdImprimir(2));
      if (frm.IsLoaded()) forms::Unload(frm);
    });
  CompruebaSano(mono);
}

INSTANTIATE_TEST_SUITE_P(Semillas, FrmImprimirMonoTest,
                         ::testing::Values(Caso{false, 1}, Caso{true, 7}, Caso{false, 42},
                                           Caso{true, 1234}, Caso{false, 20100515}));

}  // namespace
}  // namespace korva::prueba
