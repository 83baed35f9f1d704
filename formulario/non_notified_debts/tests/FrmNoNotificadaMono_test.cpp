#include "formulario/core/tests/mono.h"
#include "formulario/non_notified_debts/tests/prueba_no_notificada.h"

namespace korva::prueba {
namespace {

constexpr int kAcciones = 300;
constexpr int kAperturas = 30;

// The window opened for a new debt ("N") or on the added debt of the
// declaration of entity `semana` ("E"), handed to a person typing and clicking
// at random and left with "&Salir" when the person has not left it. Every
// added debt stored meanwhile keeps a check code over its first 9 fields (as
// stored new) or 10 (as rewritten by an edit).
struct Caso {
  const char* tag;
  int semana;
  unsigned semilla;
};
void PrintTo(const Caso& c, std::ostream* os) {
  *os << c.tag << " entidad " << c.semana << " semilla " << c.semilla;
}

class FrmNoNotificadaMonoTest : public PruebaNoNotificada, public ::testing::WithParamInterface<Caso> {
 protected:
  std::vector<std::string> CodigosErrados() {
    std::vector<std::string> errados;
    dao::RecordsetPtr rs = gDB->OpenRecordset(
        "SELECT * FROM TMP_F0942DEUDAS WHERE Ind_tip_deu = '04' AND cnumero IS NOT NULL",
        dao::dbOpenSnapshot);
    for (; !rs->Eof(); rs->MoveNext()) {
      std::string codigo = vb::CStr((*rs)("cnumero").Value());
      if (codigo != CodigoDeControl(*rs, 9) && codigo != CodigoDeControl(*rs, 10))
        errados.push_back(vb::CStr((*rs)("num_doc").Value()) + " " + codigo);
    }
    rs->Close();
    return errados;
  }
};

TEST_P(FrmNoNotificadaMonoTest, RandomActionsOnAnAddedDebtLeaveTheStoreSound) {
  const Caso& c = GetParam();
  Declara942(c.semana, {Otra{}});
  Mono mono(driver_, c.semilla);
  // The person may leave early: the window is opened again until the actions are done.
  for (int vez = 0; vez < kAperturas && mono.Sigue(kAcciones); ++vez)
    Entra(
        c.tag,
        [&](FrmNoNotificada& v) {
          mono.Juega(v, kAcciones - mono.Acciones());
          Deja(v, v.cmdOpcion(1));
        },
        0, [&](Frm942&) { EXPECT_EQ(CodigosErrados(), std::vector<std::string>{}); });
  CompruebaSano(mono);
}

INSTANTIATE_TEST_SUITE_P(Semillas, FrmNoNotificadaMonoTest,
                         ::testing::Values(Caso{"N", 1, 1}, Caso{"N", 2, 7}, Caso{"E", 1, 42},
                                           Caso{"N", 3, 1234}, Caso{"E", 5, 20100515}));

}  // namespace
}  // namespace korva::prueba
