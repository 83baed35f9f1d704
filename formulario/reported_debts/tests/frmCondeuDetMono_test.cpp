#include "formulario/core/tests/mono.h"
#include "formulario/reported_debts/tests/prueba_deudas.h"

namespace korva::prueba {
namespace {

constexpr int kAcciones = 300;
constexpr int kAperturas = 30;

// A reported debt opened from the request form's grid `grilla` and handed to a
// person typing and clicking at random; with `motivo`, the person works in the
// supporting-data dialog of that motive instead. The window is left with
// "&Salir" when the person has not left it.
struct Caso {
  int grilla;
  const char* numero;
  int motivo;
  unsigned semilla;
};
void PrintTo(const Caso& c, std::ostream* os) {
  *os << c.numero << " motivo " << c.motivo << " semilla " << c.semilla;
}

class FrmCondeuDetMonoTest : public PruebaDeudas, public ::testing::WithParamInterface<Caso> {
 protected:
  void JuegaDetalle(Mono& mono, const Caso& c) {
    AbreDetalle(c.grilla, c.numero, [&](frmCondeuDet& det) {
      mono.Juega(det, kAcciones - mono.Acciones());
      Deja(det, det.cmdOpcion(1));
    });
  }
  void JuegaSustento(Mono& mono, const Caso& c) {
    Sustento(c.numero, c.motivo, [&](frmSustento& s) {
      mono.Juega(s, kAcciones - mono.Acciones());
      Deja(s, s.cmdSustento(1));
    }, [](frmCondeuDet& det) { Deja(det, det.cmdOpcion(1)); });
  }
};

TEST_P(FrmCondeuDetMonoTest, RandomActionsOnAReportedDebtLeaveTheStoreSound) {
  const Caso& c = GetParam();
  ImportaLineas({Linea("01", "V-1", Con("010101", "200905")),
                 Linea("01", "V-2", Con("080206", "200903", "08")),
                 Linea("02", "12345", Con("010101", "200812")),
                 Linea("03", "I-1", [](debtfile::Fields& f) {
                   Con("060401", "200811")(f);
                   f[campo::kTributoAsociado] = "010101";
                 }),
                 debtfile::OtherDebtsRecord({generado_, false, 1})});
  Mono mono(driver_, c.semilla);
  // The person may leave early: the window is opened again until the actions are done.
  for (int vez = 0; vez < kAperturas && mono.Sigue(kAcciones); ++vez)
    c.motivo ? JuegaSustento(mono, c) : JuegaDetalle(mono, c);
  CompruebaSano(mono);
}

INSTANTIATE_TEST_SUITE_P(Semillas, FrmCondeuDetMonoTest,
                         ::testing::Values(Caso{1, "V-1", 0, 1}, Caso{1, "V-2", 0, 7},
                                           Caso{2, "12345", 0, 42}, Caso{2, "I-1", 0, 1234},
                                           Caso{1, "V-1", 1, 5}, Caso{1, "V-1", 3, 11},
                                           Caso{1, "V-1", 5, 20100515}));

}  // namespace
}  // namespace korva::prueba
