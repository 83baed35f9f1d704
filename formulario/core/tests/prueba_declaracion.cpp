#include "formulario/core/tests/prueba_declaracion.h"

#include <utility>
#include <vector>

namespace korva::prueba {

std::string Rellena(const std::string& texto, std::size_t largo) {
  std::string relleno = texto;
  relleno.resize(largo, ' ');
  return relleno;
}

std::string Funcion(const std::string& texto, int desde, const std::string& marcas) {
  std::string funcion = texto;
  if (desde > 0) {
    funcion.resize(static_cast<std::size_t>(desde - 1), ' ');
    funcion += marcas;
  }
  return funcion;
}

std::string SentenciaDeuda(const std::string& tabla, const std::string& ruc, int semana,
                           const std::string& tipDeu, const std::string& perDoc, const std::string& codTri,
                           const std::string& numDoc, const std::string& verDeu, const std::string& acog,
                           const std::string& mtoActC) {
  std::string correl = tabla[0] == 'H' ? ", '001'" : "";
  return "INSERT INTO " + tabla + " VALUES (6, '" + ruc + "', '201003', '0942', " + std::to_string(semana) +
         correl + ", '" + tipDeu + "', '" + perDoc + "', '" + codTri + "', '" + numDoc +
         "', '0', '001001', '000000', '" + verDeu +
         "', #03/15/2010 10:20:30#, 0, #01/01/1901#, 'P1', '100.50', '20.00', '3.25', '123.75', " + acog +
         ", Null, Null, Null, Null, " + mtoActC + ", Null, Null, 0, 0, '00', '123456')";
}

host::SuiteOptions PruebaDeclaracion::Opciones() const {
  host::SuiteOptions opciones;
  opciones.sampleRows = false;
  return opciones;
}

void PruebaDeclaracion::Agrega(const std::string& tabla, const std::string& valores) {
  gDB->Execute("INSERT INTO " + tabla + " VALUES (" + valores + ")", dao::dbFailOnError);
}

void PruebaDeclaracion::AgregaDeuda(const std::string& tabla, const std::string& tipDeu, const std::string& perDoc,
                                    const std::string& codTri, const std::string& numDoc,
                                    const std::string& verDeu, const std::string& acog,
                                    const std::string& mtoActC) {
  gDB->Execute(SentenciaDeuda(tabla, kRuc, 1, tipDeu, perDoc, codTri, numDoc, verDeu, acog, mtoActC),
               dao::dbFailOnError);
}

void PruebaDeclaracion::SetUp() {
  PruebaConSuite::SetUp();
  dao::Engine().BeginTrans();
  Agrega("CONT", "6, '20100012345', 'ACME SA', 'ANA'");
  Agrega("CONT", "6, '20500099999', 'BETA SRL', 'LUIS'");
  Agrega("CLAVES", "'ANA', '1'");
  Agrega("CLAVES", "'ADMIN', '0'");
  std::string cab = "6, '20100012345', '201003', '0942', 1, ";
  std::string resto = "Null, 1, '15/03/2010', '20/03/2010', '1', 0, 9, '123456'";
  Agrega("CAB", cab + resto);
  Agrega("CAB", "6, '20500099999', '201002', '0942', 2, " + resto);
  Agrega("HCAB", cab + "'001', " + resto);
  for (const auto& [casilla, valor] : std::vector<std::pair<std::string, std::string>>{
           {"500", "1000"}, {"501", "0"}, {"506", "1"}, {"721", "1.5"}}) {
    Agrega("DET", cab + "'" + casilla + "', '" + valor + "', '01', Null, '111111'");
    Agrega("HDET", cab + "'" + casilla + "', '001', '" + valor + "', '01', Null, '111111'");
  }
  const std::vector<std::pair<std::string, std::string>> parametros = {
      {"044", "6"}, {"727", "1"}, {"727", "2"}, {"725", "030701"}, {"725", "010101"}, {"725", "052209"},
      {"726", "001000"}, {"726", "001004"}, {"726", "002001"}, {"404", "20090101"}, {"404", "20100101"},
      {"728", "0942"}, {"856", "0942"}, {"724", "16"}, {"729", "3071"}};
  const std::vector<std::string> funciones = {
      Funcion("", 31, "R.U.C.      "),
      "TESORO",
      "ESSALUD",
      Funcion("RENTA DE TERCERA", 59, "1 11000  1"),
      Funcion("IMPUESTO GENERAL A LAS VENTAS", 59, "0 11000  1"),
      Funcion("REFT CUOTA", 59, "0 10000  1"),
      Funcion("", 22, "orden de pago"),
      Funcion("", 22, "reft cuota"),
      Funcion("", 22, "resolucion de multa"),
      "00003550.00",
      "00003600.00",
      "030701 2010",
      "1.5 05/01/2016     790",
      "DEUDA EN COBRANZA COACTIVA",
      "01000"};
  for (std::size_t i = 0; i < parametros.size(); ++i)
    Agrega("PARAM", "'" + parametros[i].first + "', '" + parametros[i].second + "', '" + funciones[i] + "', '000'");
  AgregaDeuda("F0942DEUDAS", "01", "200901", "030701", "V1", "00", "1", "'1000'");
  AgregaDeuda("HF0942DEUDAS", "01", "200901", "030701", "V1", "00", "1", "'1000'");
  dao::Engine().CommitTrans();
}

// A test that failed inside a transaction leaves none open for the next.
void PruebaDeclaracion::TearDown() {
  dao::Engine().Workspaces(0).RollbackAll();
  PruebaConSuite::TearDown();
}

}  // namespace korva::prueba
