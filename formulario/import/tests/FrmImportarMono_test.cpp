#include <fstream>

#include "formulario/core/tests/mono.h"
#include "formulario/import/tests/prueba_importacion.h"

namespace korva::prueba {
namespace {

constexpr int kAcciones = 300;
constexpr int kAperturas = 30;
constexpr int kAccionesPorApertura = 50;

// The folder of debt files holds, for the first taxpayer, a file of each of
// `variantes` (entities 1, 2, 3 and 5) and a zip that is no archive (entity
// 8), and a valid file of the other taxpayer. Each time the import window
// opens, a taxpayer, an entity and a file are chosen in turn, so that some
// imports run; a person then types, chooses and clicks at random in it. Whatever was imported keeps every
// debt and box under the header of its declaration.
struct Caso {
  debtfile::Variant variantes[4];
  unsigned semilla;
};
void PrintTo(const Caso& c, std::ostream* os) { *os << "semilla " << c.semilla; }

class FrmImportarMonoTest : public PruebaImportacion, public ::testing::WithParamInterface<Caso> {
 protected:
  void LlenaCarpeta(const Caso& c) {
    const int entidades[] = {1, 2, 3, 5};
    for (int i = 0; i < 4; ++i) {
      debtfile::Options opciones = OpcionesArchivo();
      opciones.entity = entidades[i];
      Genera(opciones, c.variantes[i]);
    }
    std::ofstream(CarpetaArchivos() + "/" + debtfile::ZipName(kRuc, 8)) << "x";
    debtfile::Options otro = OpcionesArchivo();
    otro.ruc = kOtroRuc;
    Genera(otro);
  }
  void Prepara(FrmImportar& frm, int vez) {
    const int entidades[] = {1, 2, 3, 5, 8};
    forms::user::SelectItem(frm.CmbRuc, vez % 2);
    forms::user::SelectItem(frm.CmbEntidad, vez % 5);
    forms::user::ChooseFolder(frm.flListaFiles, CarpetaArchivos());
    forms::user::ChooseFile(frm.flListaFiles, debtfile::ZipName(vez % 2 ? kOtroRuc : kRuc, entidades[vez % 5]));
  }
  long Huerfanas(const std::string& tabla) {
    return vb::CLng(Consulta("SELECT count(*) FROM " + tabla + " AS T WHERE NOT EXISTS (SELECT * "
                             "FROM CAB AS C WHERE C.doc_id_d = T.doc_id_d AND C.periodo = "
                             "T.periodo AND C.semana = T.semana)")[0][0]);
  }
};

TEST_P(FrmImportarMonoTest, RandomActionsOnTheImportWindowLeaveEveryImportWhole) {
  LlenaCarpeta(GetParam());
  Mono mono(driver_, GetParam().semilla);
  // The person may leave early: the window is opened again until the actions are done.
  for (int vez = 0; vez < kAperturas && mono.Sigue(kAcciones); ++vez) {
    FrmImportar& frm = AbreVentana();
    Prepara(frm, vez);
    mono.Juega(frm, std::min(kAccionesPorApertura, kAcciones - mono.Acciones()));
    forms::Release<FrmImportar>();
  }
  CompruebaSano(mono);
  EXPECT_EQ(Huerfanas("F0942DEUDAS"), 0);
  EXPECT_EQ(Huerfanas("DET"), 0);
  EXPECT_EQ(Huerfanas("F0942GARANTIA"), 0);
}

using debtfile::Variant;
INSTANTIATE_TEST_SUITE_P(
    Semillas, FrmImportarMonoTest,
    ::testing::Values(
        Caso{{Variant::Valid, Variant::WrongDigest, Variant::LongLine, Variant::EmptyFile}, 1},
        Caso{{Variant::OtherDebts, Variant::TwoOtherDebts, Variant::BlankLine, Variant::LongField}, 7},
        Caso{{Variant::MixedMonths, Variant::EmptyGuarantee, Variant::LongGuarantee, Variant::TwoEntries},
             42},
        Caso{{Variant::StaleDate, Variant::OldLayout, Variant::ClimbingEntry, Variant::LinkEntry}, 1234},
        Caso{{Variant::UpperCaseDigest, Variant::NotDigestName, Variant::Valid, Variant::OtherDebts},
             20100515}));

}  // namespace
}  // namespace korva::prueba
