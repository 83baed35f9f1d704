#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <new>

#include "formulario/import/FrmImportar.h"
#include "formulario/import/tests/prueba_importacion.h"
#include "platform/vb/encoding.h"
#include "platform/vb/strings.h"
#include "platform/zip/writer.h"

namespace korva::prueba {
namespace {

using debtfile::Variant;

class FrmImportarCargaTest : public PruebaImportacion {
 protected:
  void EsperaDisenoInactivo(const FrmImportar& frm) {
    EXPECT_FALSE(frm.Frame3.Visible());
    EXPECT_EQ(frm.CmdGrabar.Top(), 4560);
    EXPECT_EQ(frm.CmdCancelar.Top(), 4560);
    EXPECT_EQ(frm.Height(), 5490);
  }
};

const std::vector<long> kNada = {0, 0, 0, 0};

// The test driver, except that the message box `prompt` finds the memory run out.
class SinMemoriaEn : public forms::Host {
 public:
  SinMemoriaEn(forms::TestDriver& driver, std::string prompt) : driver_(driver), prompt_(std::move(prompt)) {
    forms::SetHost(this);
  }
  ~SinMemoriaEn() override { forms::SetHost(&driver_); }
  int MsgBox(const std::string& prompt, int style, const std::string& title) override {
    if (prompt == prompt_) throw std::bad_alloc();
    return driver_.MsgBox(prompt, style, title);
  }
  void RunModal(forms::Form& form) override { driver_.RunModal(form); }
  void ShowHelp(const forms::HelpRequest& request) override { driver_.ShowHelp(request); }
  std::string ClipboardText() override { return driver_.ClipboardText(); }
  void SetClipboardText(const std::string& text) override { driver_.SetClipboardText(text); }

 private:
  forms::TestDriver& driver_;
  std::string prompt_;
};

// The record check code computed apart from the program, from the row as the
// database gives it back: the first `n` fields summed as numbers, the rest but
// the last summed as position times character code, each sum's last three digits.
std::string TextoDeCampo(const vb::Variant& valor) {
  switch (valor.Type()) {
    case vb::vbByte: return std::to_string(valor.As<std::uint8_t>());
    case vb::vbInteger: return std::to_string(valor.As<std::int16_t>());
    case vb::vbLong: return std::to_string(valor.As<std::int32_t>());
    case vb::vbDate: {
      char texto[16];
      vb::Date fecha = valor.As<vb::Date>();
      std::snprintf(texto, sizeof texto, "%04d%02d%02d", vb::Year(fecha), vb::Month(fecha), vb::Day(fecha));
      return texto;
    }
    case vb::vbString: return vb::Trim(valor.As<std::string>());
    default: return "";
  }
}

double ValorNumerico(const std::string& texto) {
  bool digito = false, punto = false;
  for (char c : texto) {
    if (c >= '0' && c <= '9') digito = true;
    else if (c == '.' && !punto) punto = true;
    else if (c != ',') return 0;
  }
  return digito ? std::strtod(texto.c_str(), nullptr) : 0;
}

std::string CodigoDeFila(const std::vector<vb::Variant>& fila, int n) {
  double primero = 0;
  long long segundo = 0;
  for (int i = 0; i < n; ++i) primero += ValorNumerico(TextoDeCampo(fila[i]));
  for (std::size_t i = n; i + 1 < fila.size(); ++i) {
    std::string bytes = vb::ToCp1252(TextoDeCampo(fila[i]));
    for (std::size_t p = 0; p < bytes.size(); ++p)
      segundo += static_cast<long long>(p + 1) * static_cast<unsigned char>(bytes[p]);
  }
  char codigo[48];
  std::snprintf(codigo, sizeof codigo, "%03lld%03lld", std::llround(primero) % 1000, segundo % 1000);
  return codigo;
}

TEST_F(FrmImportarCargaTest, ImportStoresEveryLineAndTheHeaderRowsAndLeavesOnlyTheZip) {
  debtfile::WrittenFile archivo = Genera();
  std::string zip = ReadBytes(archivo.zipPath);
  FrmImportar& frm = AbreVentana();
  EsperaExito();
  Importa(frm, archivo);
  EXPECT_EQ(driver_.PendingAnswers(), 0u);
  EXPECT_EQ(Cuentas(), (std::vector<long>{6, 1, 1, 1}));
  EXPECT_EQ(Consulta("SELECT tip_doc_d, doc_id_d, periodo, formulario, Semana, fec_pro, bcolibrad, "
                     "nrocheque, efectivo, cheque, Rectifica, estado FROM CAB"),
            (Filas{{"6", kRuc, "201005", "0942", "1", "Null", "0", "14/06/2010", "14/07/2010", "0",
                    "0", "9"}}));
  EXPECT_EQ(Consulta("SELECT tip_doc_d, doc_id_d, periodo, formulario, Semana, Casilla, i_valor, "
                     "idcasilla, estado FROM DET"),
            (Filas{{"6", kRuc, "201005", "0942", "1", "506", "0", "01", "9"}}));
  EXPECT_EQ(Consulta("SELECT * FROM F0942GARANTIA"),
            (Filas{{"6", kRuc, "201005", "0942", "1", "0", "01", "0.00", "0.00"}}));
  EXPECT_TRUE(ExisteCarpetaExtraccion());
  EXPECT_EQ(CarpetaExtraccion(), std::vector<std::string>{});
  EXPECT_EQ(ReadBytes(archivo.zipPath), zip);
  EXPECT_TRUE(frm.GS_CARGA_OK);
  EXPECT_EQ(frm.pbar1.Value(), 10);
  EXPECT_EQ(frm.lblbar1.Caption(), "Proceso finalizado satisfactoriamente.");
  EsperaDisenoInactivo(frm);
  EXPECT_EQ(giModo, 0);
  EXPECT_EQ(frm.CmbRuc.ListIndex(), 0);
}

TEST_F(FrmImportarCargaTest, StoredRowsCarryTheCheckCodeOfTheirOwnValues) {
  debtfile::Options opciones = OpcionesArchivo();
  opciones.goodTaxpayer = true;
  opciones.debtsPerCategory = 4;
  FrmImportar& frm = AbreVentana();
  EsperaExito();
  Importa(frm, Genera(opciones, Variant::OtherDebts));
  ASSERT_EQ(Cuenta("F0942DEUDAS"), 13);
  struct Tabla {
    const char* nombre;
    int corte;
  };
  for (Tabla tabla : {Tabla{"F0942DEUDAS", 7}, Tabla{"CAB", 5}, Tabla{"DET", 6}}) {
    dao::RecordsetPtr rs = gDB->OpenRecordset(std::string("SELECT * FROM ") + tabla.nombre,
                                              dao::dbOpenSnapshot);
    for (; !rs->Eof(); rs->MoveNext()) {
      std::vector<vb::Variant> fila;
      for (dao::Field& campo : rs->Fields()) fila.push_back(campo.Value());
      EXPECT_EQ(fila.back().ToString(), CodigoDeFila(fila, tabla.corte))
          << tabla.nombre << " " << TextoDeCampo(fila[8]);
    }
    rs->Close();
  }
}

TEST_F(FrmImportarCargaTest, EachEntityWritesTheFilesGuaranteeIndicatorToItsOwnBox) {
  FrmImportar& frm = AbreVentana();
  struct Caso {
    int entidad;
    const char* casilla;
  };
  for (Caso c : {Caso{1, "506"}, Caso{2, "513"}, Caso{3, "520"}, Caso{5, "527"}, Caso{8, "534"}}) {
    debtfile::Fields deuda = debtfile::SampleDebt({vb::Now(), false}, "01", c.entidad);
    deuda[23] = "G" + std::to_string(c.entidad);
    debtfile::WrittenFile archivo = GeneraLineas({debtfile::LineText(deuda)}, c.entidad);
    EsperaExito();
    Importa(frm, archivo, c.entidad);
    EXPECT_EQ(Consulta("SELECT Casilla, i_valor FROM DET WHERE Semana = " + std::to_string(c.entidad)),
              (Filas{{c.casilla, "G" + std::to_string(c.entidad)}}));
  }
  EXPECT_EQ(Cuentas(), (std::vector<long>{5, 5, 5, 5}));
}

struct CasoFallido {
  const char* nombre;
  Variant variante;
  std::vector<MessageBoxCall> mensajes;
  double progreso;
};

TEST_F(FrmImportarCargaTest, EveryRefusedFileLeavesNoRowAndNoExtractedFile) {
  const MessageBoxCall descomprimir{"Ha ocurrido un error al descomprimir. Reintente la operación!!!.",
                                    forms::vbCritical, kTitulo};
  const MessageBoxCall invalido{"El archivo a importar no es válido", forms::vbCritical, kTitulo};
  const MessageBoxCall fallida{kCargaFallida, forms::vbCritical, kTitulo};
  auto tecnico = [](int numero) {
    return MessageBoxCall{kErrorTecnico, forms::vbCritical, "Error tecnico : " + std::to_string(numero)};
  };
  const std::vector<CasoFallido> casos = {
      {"two entries", Variant::TwoEntries, {descomprimir}, 1},
      {"entry climbing out", Variant::ClimbingEntry, {descomprimir}, 1},
      {"link entry", Variant::LinkEntry, {descomprimir}, 1},
      {"wrong digest", Variant::WrongDigest, {invalido}, 10},
      {"upper-case digest", Variant::UpperCaseDigest, {invalido}, 10},
      {"name not a digest", Variant::NotDigestName, {invalido}, 10},
      {"no line", Variant::EmptyFile, {{"El archivo personalizado esta en blanco.", forms::vbCritical, kTitulo}}, 5},
      {"generated yesterday", Variant::StaleDate, {{kArchivoViejo, forms::vbCritical, kTitulo}}, 5},
      {"layout before 24.07.2006",
       Variant::OldLayout,
       {{"Se han presentado problemas técnicos al momento de importar su información. Esta versión "
         "del ZEP requiere que el archivo personalizado haya sido generado a partir del 24.07.2006.",
         forms::vbCritical, "Error tecnico : 0"},
        fallida},
       5},
      {"two records of other debts", Variant::TwoOtherDebts, {tecnico(3022), fallida}, 5},
      {"blank last line", Variant::BlankLine, {tecnico(13), fallida}, 5},
      {"field of 255 characters", Variant::LongField, {tecnico(6), fallida}, 5},
      {"line longer than its 27 fields", Variant::LongLine, {tecnico(6), fallida}, 5},
      {"lines of two months", Variant::MixedMonths, {tecnico(5), fallida}, 5},
      {"empty guarantee fields", Variant::EmptyGuarantee, {tecnico(3315), fallida}, 9},
      {"guarantee indicator too long", Variant::LongGuarantee, {tecnico(3163), fallida}, 9},
  };
  FrmImportar& frm = AbreVentana();
  for (const CasoFallido& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    debtfile::WrittenFile archivo = Genera(caso.variante);
    for (const MessageBoxCall& mensaje : caso.mensajes) driver_.Expect(mensaje);
    Importa(frm, archivo);
    EXPECT_EQ(driver_.PendingAnswers(), 0u);
    EXPECT_EQ(Cuentas(), kNada);
    EXPECT_EQ(CarpetaExtraccion(), std::vector<std::string>{});
    EXPECT_FALSE(std::filesystem::exists(suite_.installFolder + "tmp/" + archivo.innerName));
    EXPECT_FALSE(frm.GS_CARGA_OK);
    EXPECT_EQ(frm.pbar1.Value(), caso.progreso);
    EsperaDisenoInactivo(frm);
  }
}

// The suite on a small tmpfs, mounted in a mount namespace of the test
// process's own, so that nothing mounted shows elsewhere or outlives it.
class FrmImportarDiscoLlenoTest : public FrmImportarCargaTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(Disco());
    montado_ = unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
               mount("tmpfs", Disco().c_str(), "tmpfs", 0, "size=64m") == 0;
    int error = errno;
    FrmImportarCargaTest::SetUp();
    if (!montado_) GTEST_SKIP() << "No disk of its own to fill: " << std::strerror(error);
  }
  void TearDown() override {
    FrmImportarCargaTest::TearDown();
    if (montado_) umount2(Disco().c_str(), MNT_DETACH);
  }
  std::string Disco() const { return carpeta_ / "suite"; }
  // A file of its own takes all the disk's free space but `libre` bytes.
  void Llena(std::uintmax_t libre) {
    std::string relleno = Disco() + "/.relleno";
    std::filesystem::remove(relleno);
    int fd = open(relleno.c_str(), O_CREAT | O_WRONLY, 0600);
    posix_fallocate(fd, 0, static_cast<off_t>(std::filesystem::space(Disco()).available - libre));
    close(fd);
  }
  bool montado_ = false;
};

// A full disk refuses the import where it first writes: unzipping into the
// suite's folder, or the journal of the rows beside the database. The message
// says that the disk is full; nothing is imported and nothing extracted stays.
TEST_F(FrmImportarDiscoLlenoTest, AFullDiskIsToldAndNothingIsImported) {
  debtfile::WrittenFile archivo = Genera();
  std::uintmax_t paginas = (archivo.text.size() + 4095) / 4096 * 4096;
  const struct {
    const char* donde;
    std::uintmax_t libre;
    std::vector<MessageBoxCall> mensajes;
  } casos[] = {
      {"unzipping", paginas - 4096,
       {{"No se pudo descomprimir el archivo en la carpeta " + suite_.installFolder + "tmp/REG" + kRuc +
             "/: Disco lleno.\nReintente la operación.",
         forms::vbCritical, kTitulo}}},
      {"storing the rows", paginas,
       {{"No hay espacio suficiente en el disco.", forms::vbCritical, "Error tecnico : 3026"},
        {kCargaFallida, forms::vbCritical, kTitulo}}},
  };
  FrmImportar& frm = AbreVentana();
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.donde);
    Llena(caso.libre);
    for (const MessageBoxCall& mensaje : caso.mensajes) driver_.Expect(mensaje);
    Importa(frm, archivo);
    EXPECT_EQ(Cuentas(), kNada);
    EXPECT_EQ(CarpetaExtraccion(), std::vector<std::string>{});
  }
}

// Memory that runs out while the lines load is the runtime's error 7: the run's
// own error road reports it, deletes the extracted file, rolls back and ends the
// program as failed.
TEST_F(FrmImportarCargaTest, MemoryRunningOutDuringTheLoadTakesTheRunsErrorRoad) {
  debtfile::WrittenFile archivo = Genera(Variant::StaleDate);
  FrmImportar& frm = AbreVentana();
  driver_.Answer(forms::vbOK);
  int salida = 0;
  {
    SinMemoriaEn sinMemoria(driver_, kArchivoViejo);
    try {
      Importa(frm, archivo);
    } catch (const vb::ProgramEnded& fin) {
      salida = fin.exitCode;
    }
  }
  EXPECT_EQ(salida, EXIT_FAILURE);
  ASSERT_EQ(driver_.MessageBoxes().size(), 1u);
  EXPECT_EQ(driver_.MessageBoxes()[0].title, "Error crítico: 7 (Rutina: CmdGrabar_Click) ");
  EXPECT_EQ(CarpetaExtraccion(), std::vector<std::string>{});
  EXPECT_EQ(dao::Engine().Workspaces(0).TransactionLevel(), 0);
  EXPECT_EQ(Cuentas(), kNada);
}

TEST_F(FrmImportarCargaTest, AnArchiveThatIsNotAZipExtractsNothing) {
  std::ofstream(CarpetaArchivos() + "/" + debtfile::ZipName(kRuc, 1)) << "no es un zip";
  FrmImportar& frm = AbreVentana();
  driver_.Expect({"Ha ocurrido un error al descomprimir. Reintente la operación!!!.", forms::vbCritical, kTitulo});
  Importa(frm, {CarpetaArchivos() + "/" + debtfile::ZipName(kRuc, 1), "", ""});
  EXPECT_EQ(Cuentas(), kNada);
  EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
}

TEST_F(FrmImportarCargaTest, RefusedThirdLineTakesTheRowsOfTheFirstTwoWithIt) {
  debtfile::LineValues hoy{OpcionesArchivo().generated, false};
  debtfile::Fields mala = debtfile::SampleDebt(hoy, "01", 3);
  mala[16] = "X";
  debtfile::WrittenFile archivo =
      GeneraLineas({debtfile::LineText(debtfile::SampleDebt(hoy, "01", 1)),
                    debtfile::LineText(debtfile::SampleDebt(hoy, "01", 2)), debtfile::LineText(mala)});
  FrmImportar& frm = AbreVentana();
  EsperaLineaRechazada(13);
  Importa(frm, archivo);
  EXPECT_EQ(Cuentas(), kNada);
  EXPECT_EQ(CarpetaExtraccion(), std::vector<std::string>{});
}

TEST_F(FrmImportarCargaTest, SecondImportInTheSameSessionIsRefusedBeforeUnzipping) {
  debtfile::WrittenFile archivo = Genera();
  FrmImportar& frm = AbreVentana();
  EsperaExito();
  Importa(frm, archivo);
  driver_.Expect({"La información de deudas para el RUC seleccionado ya fue importada.",
                  forms::vbExclamation, "Información"});
  driver_.Click(frm.CmdGrabar);
  EXPECT_EQ(driver_.PendingAnswers(), 0u);
  EXPECT_EQ(Cuentas(), (std::vector<long>{6, 1, 1, 1}));
  EXPECT_EQ(CarpetaExtraccion(), std::vector<std::string>{});
  EXPECT_EQ(frm.pbar1.Value(), 10);
}

TEST_F(FrmImportarCargaTest, SecondImportAfterARestartIsRefusedByItsFirstLine) {
  debtfile::WrittenFile archivo = Genera();
  FrmImportar& frm = AbreVentana();
  EsperaExito();
  Importa(frm, archivo);
  gsPeriodo = "";
  driver_.Expect({"La información de deudas para el RUC seleccionado ya fue importada.",
                  forms::vbExclamation, "Información"});
  driver_.Expect({kCargaFallida, forms::vbCritical, kTitulo});
  driver_.Click(frm.CmdGrabar);
  EXPECT_EQ(driver_.PendingAnswers(), 0u);
  EXPECT_EQ(Cuentas(), (std::vector<long>{6, 1, 1, 1}));
  EXPECT_EQ(CarpetaExtraccion(), std::vector<std::string>{});
  EXPECT_EQ(frm.pbar1.Value(), 5);
}

TEST_F(FrmImportarCargaTest, WithoutATaxpayerTheRunAsksForOne) {
  Genera();
  FrmImportar& frm = AbreVentana();
  driver_.Expect({"Debe seleccionar algún número de ruc", forms::vbExclamation, kTitulo});
  driver_.Click(frm.CmdGrabar);
  EXPECT_EQ(frm.ActiveControl(), &frm.CmbRuc);
  EXPECT_FALSE(ExisteCarpetaExtraccion());
}

TEST_F(FrmImportarCargaTest, WithoutTheFileInTheFolderTheRunSaysSo) {
  FrmImportar& frm = AbreVentana();
  Elige(frm, 0, 1);
  driver_.Expect({"No se ha encontrado el archivo de información para el RUC y entidad seleccionado",
                  forms::vbExclamation, kTitulo});
  driver_.Click(frm.CmdGrabar);
  EXPECT_EQ(driver_.PendingAnswers(), 0u);
  EsperaDisenoInactivo(frm);
  EXPECT_EQ(gnSemana, 1);
}

TEST_F(FrmImportarCargaTest, WrongRegionalSettingsStopTheRunBeforeAnything) {
  debtfile::WrittenFile archivo = Genera();
  EscribeRegional("sDate", "-");
  FrmImportar& frm = AbreVentana();
  driver_.Expect({std::string("- Debe configurar como separador de Fechas : ( / ) \n") +
                      "Ingrese a la opción :Configuración/Panel de control/Configuración Regional "
                      "y verificar las secciones Número, Moneda, Hora y Fecha.\n"
                      "Esto es necesario para el correcto funcionamiento del Orvane. ",
                  forms::vbCritical, "Error de configuración"});
  Importa(frm, archivo);
  EXPECT_EQ(driver_.PendingAnswers(), 0u);
  EXPECT_EQ(Cuentas(), kNada);
  EXPECT_FALSE(ExisteCarpetaExtraccion());
  EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
}

TEST_F(FrmImportarCargaTest, AWildcardNameInTheArchiveDeletesOnlyTheFileItNames) {
  std::string carpeta = suite_.installFolder + "tmp/REG" + kRuc;
  std::filesystem::create_directories(carpeta);
  std::ofstream(carpeta + "/ajeno.txt") << "no es de esta importación";
  std::string comodines = std::string(40, '*') + ".txt";
  zip::WriteArchive(CarpetaArchivos() + "/" + debtfile::ZipName(kRuc, 1), {{comodines, "00|\r\n"}});
  FrmImportar& frm = AbreVentana();
  driver_.Expect({"El archivo a importar no es válido", forms::vbCritical, kTitulo});
  Importa(frm, {CarpetaArchivos() + "/" + debtfile::ZipName(kRuc, 1), comodines, ""});
  EXPECT_EQ(CarpetaExtraccion(), std::vector<std::string>{"ajeno.txt"});
}

// The file opener refuses a name holding a blank; an install folder with one
// cannot open the extracted file, and the load ends as refused.
TEST_F(FrmImportarCargaTest, AnExtractedFileThatCannotBeOpenedIsRolledBackAndDeleted) {
  std::filesystem::create_directories(carpeta_ / "zep con blanco/tmp");
  gsSysPath = carpeta_ / "zep con blanco/";
  FrmImportar& frm = AbreVentana();
  driver_.Expect({"El nombre de archivo es inválido.", forms::vbRetryCancel + forms::vbExclamation,
                  "Error de Archivo"},
                 forms::vbCancel);
  Importa(frm, Genera());
  EXPECT_EQ(driver_.PendingAnswers(), 0u);
  EXPECT_EQ(Cuentas(), kNada);
  EXPECT_TRUE(std::filesystem::is_empty(carpeta_ / ("zep con blanco/tmp/REG" + std::string(kRuc))));
  EXPECT_EQ(dao::Engine().Workspaces(0).TransactionLevel(), 0);
  EsperaDisenoInactivo(frm);
}

TEST_F(FrmImportarCargaTest, ALeftoverFileInTheExtractionFolderIsNeitherLoadedNorTouched) {
  std::filesystem::create_directories(suite_.installFolder + "tmp/REG" + kRuc);
  std::string sobrante = suite_.installFolder + "tmp/REG" + kRuc + "/" +
                         std::string(40, '0') + ".txt";
  std::ofstream(sobrante) << "00|\r\n";
  FrmImportar& frm = AbreVentana();
  EsperaExito();
  Importa(frm, Genera());
  EXPECT_EQ(Cuenta("F0942DEUDAS"), 6);
  EXPECT_EQ(CarpetaExtraccion(), std::vector<std::string>{std::string(40, '0') + ".txt"});
}

}  // namespace
}  // namespace korva::prueba
