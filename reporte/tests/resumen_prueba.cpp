#include "reporte/tests/resumen_prueba.h"

#include <algorithm>
#include <filesystem>

#include "platform/dao/dao.h"
#include "platform/testsupport/file_bytes.h"
#include "platform/vb/app.h"
#include "platform/vb/date.h"
#include "platform/vb/encoding.h"
#include "platform/vb/error.h"
#include "platform/vb/files.h"
#include "platform/win/profile.h"
#include "reporte/Globales.h"
#include "reporte/ModResumen.h"
#include "tools/host/testing/test_suite.h"

namespace tarvel::prueba {

const std::vector<Declaracion>& Declaraciones() {
  static const std::string kRaya(36, '=');
  static const std::vector<Declaracion> kDeclaraciones = {
      {"Completa",
       {{"500", "987.6"}, {"501", "2"}, {"503", "12"}, {"504", "1234.5"}, {"506", "1"},
        {"550", "15000"}, {"507", "55"}, {"721", "abc"}, {"871", "x"}},
       {kRaya,
        "      CONCEPTOS           TESORO",
        kRaya,
        "Monto deuda acogida:            988",
        "Forma de pago      :APLAZ. CON FRACC.",
        "Nº de cuotas fracc.:             12",
        "Monto de aplazam.  :         15,000",
        "Monto cuota fracc. :          1,235",
        "Garantía de deudas :             SI",
        kRaya}},
      {"SinCasillas",
       {},
       {kRaya,
        "      CONCEPTOS           TESORO",
        kRaya,
        "Monto deuda acogida: ",
        "Forma de pago      :",
        "Nº de cuotas fracc.:",
        "Monto de aplazam.  : ",
        "Monto cuota fracc. : ",
        "Garantía de deudas :             ",
        kRaya}},
  };
  return kDeclaraciones;
}

const Lineas& Encabezado() {
  static const Lineas kEncabezado = {
      "DOCUMENTO     :20456712348    ", "RAZON SOCIAL  :COMERCIAL ANDINA DEL",
      "FORMULARIO    :0942-ZEP VANDOR", "PERIODO       :03/2010", "ENTIDAD       :TESORO"};
  return kEncabezado;
}

Lineas ResumenDeTexto(const Lineas& cuerpo) {
  Lineas lineas = Encabezado();
  lineas.push_back(" ");
  lineas.insert(lineas.end(), cuerpo.begin(), cuerpo.end());
  return lineas;
}

void ResumenTest::SetUp() {
  suite_ = host::testing::CreateTestSuite(carpeta_ / "suite");
  windir_.emplace("WINDIR", suite_.windowsFolder);
  vb::SetEndBehaviour(vb::EndBehaviour::Throw);
  vb::SetClock([] { return vb::Date{vb::DateSerial(2010, 3, 15).serial + vb::TimeSerial(10, 20, 30).serial}; });
  ReiniciaGlobales();
}

void ResumenTest::TearDown() {
  vb::Close();
  if (gDB) gDB->Close();
  ReiniciaGlobales();
  vb::SetClock({});
  vb::SetCommand("");
  vb::SetEndBehaviour(vb::EndBehaviour::Exit);
  windir_.reset();
}

void ResumenTest::Declara(const Casillas& casillas, int semana) const {
  for (const auto& [casilla, valor] : casillas)
    Ejecuta("INSERT INTO DET (tip_doc_d, doc_id_d, periodo, formulario, Semana, Casilla, i_valor) "
            "VALUES (6, '20456712348', '201003', '0942', " + std::to_string(semana) + ", '" + casilla +
            "', " + (valor == "Null" ? valor : "'" + valor + "'") + ")");
}

void ResumenTest::Ejecuta(const std::string& sql) const {
  dao::DatabasePtr db = dao::Engine().OpenDatabase(suite_.databasePath);
  db->Execute(sql);
  db->Close();
}

Filas ResumenTest::Consulta(const std::string& sql) const {
  dao::DatabasePtr db = dao::Engine().OpenDatabase(suite_.databasePath);
  Filas filas = dao::testing::QueryRows(*db, sql);
  db->Close();
  return filas;
}

void ResumenTest::Corre(const std::string& comando) {
  vb::SetCommand(comando);
  EXPECT_THROW(Main(), vb::ProgramEnded);
}

void ResumenTest::FijaOpcion(const std::string& clave, const std::string& valor) const {
  ASSERT_TRUE(win::WritePrivateProfileString("Options", clave, valor, suite_.settingsPath));
}

std::string ResumenTest::Bytes(const std::string& relativa) const {
  return testsupport::ReadBytes(vb::ResolvePath(suite_.installFolder + relativa));
}

std::vector<std::string> ResumenTest::Archivos(const std::string& carpeta) const {
  std::vector<std::string> nombres;
  for (const auto& entrada : std::filesystem::directory_iterator(vb::ResolvePath(suite_.installFolder + carpeta)))
    nombres.push_back(entrada.path().filename().string());
  std::sort(nombres.begin(), nombres.end());
  return nombres;
}

std::string Cp1252(const Lineas& lineas) {
  std::string texto;
  for (const std::string& linea : lineas) texto += linea + "\r\n";
  return vb::ToCp1252(texto);
}

}  // namespace tarvel::prueba
