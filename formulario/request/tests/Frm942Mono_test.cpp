#include "formulario/core/tests/mono.h"
#include "formulario/request/tests/prueba_solicitud.h"

namespace korva::prueba {
namespace {

// A pending declaration with debts in every grid, opened from the chooser and
// handed to a person typing and clicking at random; the form is then left
// with "&Salir", whatever the person answers to its question, and the store
// must be sound.
class Frm942MonoTest : public PruebaSolicitud, public ::testing::WithParamInterface<unsigned> {};

constexpr int kAcciones = 300;
constexpr int kAperturas = 20;

TEST_P(Frm942MonoTest, RandomActionsOnAPendingDeclarationLeaveTheStoreSound) {
  Importa(kRucAndina, 1, [](debtfile::Options& o) { o.debtsPerCategory = 3; });
  Mono mono(driver_, GetParam());
  // The person may leave the form early: it is opened again until the actions are done.
  for (int vez = 0; vez < kAperturas && mono.Sigue(kAcciones); ++vez)
    Abre(kRucAndina, [&](Frm942& frm) {
      if (GetParam() % 2 == 0) Identifica(frm);
      mono.Juega(frm, kAcciones - mono.Acciones());
      for (int intento = 0; intento < 5 && frm.IsLoaded() && frm.Visible() && mono.Fallos().empty();
           ++intento)
        if (forms::user::CanReach(frm.CmdCancelar)) forms::user::Click(frm.CmdCancelar);
      if (frm.IsLoaded() && frm.Visible()) frm.Hide();
    });
  CompruebaSano(mono);
}

INSTANTIATE_TEST_SUITE_P(Semillas, Frm942MonoTest, ::testing::Values(1u, 7u, 42u, 112u, 1234u, 20100515u));

}  // namespace
}  // namespace korva::prueba
