#include "inserta/ModRegistro.h"

#include <functional>
#include <optional>
#include <vector>

#include "inserta/Globales.h"
#include "inserta/ModNuvia.h"
#include "inserta/ModTablas.h"
#include "platform/dao/constants.h"
#include "platform/dao/errors.h"
#include "platform/dao/transaction.h"
#include "platform/forms/services.h"
#include "platform/vb/conv.h"
#include "platform/vb/error.h"
#include "platform/vb/files.h"
#include "platform/vb/format.h"
#include "platform/vb/numbered_file.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"

namespace nuvia {
namespace {

constexpr const char* kFormulario = "0942";

struct Parametro {
  const char* numero;
  const char* argumento;
  const char* funcion;
  const char* correlativo;
};

// 404: the tax unit from each date. 856: the module's version record (version,
// date, and the box the date is stored in). 992 and 880: read by the host. 996:
// the host's table registry: name in 15 characters, "R", "1000" and the number of
// key columns right-aligned in 4; the working copies are not registered.
constexpr Parametro kParametros[] = {
    {"404", "20060101", "00003400.00", "013"},
    {"404", "20100101", "00003600.00", "000"},
    {"404", "20110101", "00003600.00", "000"},
    {"404", "20120101", "00003650.00", "000"},
    {"404", "20130101", "00003700.00", "000"},
    {"404", "20140101", "00003800.00", "000"},
    {"404", "20150101", "00003850.00", "000"},
    {"404", "20160101", "00003950.00", "000"},
    {"856", "0942", "1.5 05/01/2016     790", "000"},
    {"992", "0942", "2", ""},
    {"996", "340", "F0942DEUDAS    R 1000   9", ""},
    {"996", "341", "F0942MOTIVO    R 1000   8", ""},
    {"996", "342", "F0942SUSTEN    R 1000   9", ""},
    {"996", "343", "HF0942DEUDAS   R 1000  10", ""},
    {"996", "344", "HF0942MOTIVO   R 1000   9", ""},
    {"996", "345", "HF0942SUSTEN   R 1000  10", ""},
    {"996", "700", "F0942GARANTIA  R 1000   5", ""},
    {"880", "0942", "1 20070601 20991231 20070301", "000"},
};

struct Reporte {
  const char* codigo;
  const char* descripcion;
};

constexpr Reporte kReportes[] = {
    {"F36001", "Reporte del formulario - 0942"},
    {"F36002", "Reporte de Anexos - 0942"},
    {"F36003", "Reporte de formulario y anexos - 0942"},
    {"F36004", "Resumen de envio de información - 0942"},
};

constexpr int kCamposEnvio = 13;
constexpr int kCamposParametro = 4;

// One line of env942.txt: the source table, the destination (one space when the
// file leaves it empty), the external name, then indice, obliga and c_tip_doc_d
// as bytes and the six c_ columns as numbers, all written as plain decimal text.
struct Envio {
  std::string origen;
  std::string destino;
  std::string externa;
  std::vector<std::string> numeros;
};

using Filas = std::vector<std::vector<std::string>>;

// A file the registration cannot load leaves the rows it would have replaced as
// they are; the person running the installation is told which file and why.
void InformaArchivo(const std::string& sRuta, const std::string& sDetalle) {
  gbPasoFallido = true;
  Informa("No se cargó el archivo " + vb::ResolvePath(sRuta) + vb::vbLf + sDetalle + vb::vbLf +
              "Se conservan los registros anteriores.",
          forms::vbExclamation, "Mensaje");
}

std::string DetalleError(const vb::Error& error) {
  return "Error " + std::to_string(error.Number()) + ": " + error.Description();
}

// Lines up to the end of the file or the first line that is blank once trimmed.
// The file is closed before an error leaves.
std::vector<std::string> LeeHastaBlanco(const std::string& sRuta) {
  vb::NumberedFile archivo(sRuta, vb::OpenMode::Input);
  std::vector<std::string> lineas;
  while (!vb::Eof(archivo.Number())) {
    std::string linea = vb::LineInput(archivo.Number());
    if (vb::Trim(linea).empty()) break;
    lineas.push_back(linea);
  }
  return lineas;
}

std::optional<std::vector<std::string>> LeeLineas(const std::string& sRuta) {
  try {
    return LeeHastaBlanco(sRuta);
  } catch (const vb::Error& error) {
    bool falta = error.Number() == 53 || error.Number() == 76;
    InformaArchivo(sRuta, falta ? "El archivo no existe." : DetalleError(error));
    return std::nullopt;
  }
}

// Each field is the text up to the next "|"; false when a field lacks its bar.
bool SeparaCampos(const std::string& sLinea, int cantidad, std::vector<std::string>& campos) {
  campos.clear();
  long inicio = 1;
  for (int i = 0; i < cantidad; ++i) {
    long barra = vb::InStr(inicio, sLinea, "|");
    if (barra == 0) return false;
    campos.push_back(vb::Mid(sLinea, inicio, barra - inicio));
    inicio = barra + 1;
  }
  return true;
}

// The whole file split into fields, or nothing (reported) when it cannot be read
// or a line is short of bars.
std::optional<Filas> LeeFilas(const std::string& sRuta, int cantidad) {
  std::optional<std::vector<std::string>> lineas = LeeLineas(sRuta);
  if (!lineas) return std::nullopt;
  Filas filas;
  for (std::size_t i = 0; i < lineas->size(); ++i) {
    std::vector<std::string> campos;
    if (!SeparaCampos((*lineas)[i], cantidad, campos)) {
      InformaArchivo(sRuta, "La línea " + std::to_string(i + 1) + " no tiene sus " +
                                std::to_string(cantidad) + " campos terminados en \"|\".");
      return std::nullopt;
    }
    filas.push_back(std::move(campos));
  }
  return filas;
}

// Raises 13 or 6 when a numeric field is not a number or a byte exceeds 255.
Envio ArmaEnvio(const std::vector<std::string>& campos) {
  Envio envio;
  envio.origen = vb::Trim(campos[1]);
  envio.destino = campos[2].empty() ? " " : campos[2];
  envio.externa = vb::Trim(campos[3]);
  for (int i = 4; i < 7; ++i) envio.numeros.push_back(std::to_string(vb::CByte(campos[i])));
  for (int i = 7; i < kCamposEnvio; ++i) envio.numeros.push_back(vb::NumberText(vb::CDbl(campos[i])));
  return envio;
}

std::optional<std::vector<Envio>> LeeEnvios(const std::string& sRuta) {
  std::optional<Filas> filas = LeeFilas(sRuta, kCamposEnvio);
  if (!filas) return std::nullopt;
  std::vector<Envio> envios;
  for (std::size_t i = 0; i < filas->size(); ++i) {
    try {
      envios.push_back(ArmaEnvio((*filas)[i]));
    } catch (const vb::Error&) {
      InformaArchivo(sRuta, "La línea " + std::to_string(i + 1) + " tiene un número no válido.");
      return std::nullopt;
    }
  }
  return envios;
}

// The delete and the reload stand or fall together: an error that escapes the
// loading undoes the delete too, and then the file is reported. A transaction
// the database engine rolled back goes no further.
void CargaEnTransaccion(const std::string& sRuta, const std::function<void()>& carga) {
  try {
    dao::Transaction transaccion(*gDB);
    carga();
    transaccion.Commit();
  } catch (const vb::Error& error) {
    if (error.Number() == dao::kErrTransactionLost) throw;
    InformaArchivo(sRuta, DetalleError(error));
  }
}

std::string SentenciaInsertaEnvio(const Envio& envio) {
  std::string sql = "insert into envio_t values ( " + vb::SqlText(kFormulario) + "," +
                    vb::SqlText(envio.origen) + "," + vb::SqlText(envio.destino) + "," +
                    vb::SqlText(envio.externa);
  for (const std::string& numero : envio.numeros) sql += "," + numero;
  return sql + ")";
}

std::string SentenciaActualizaEnvio(const Envio& envio) {
  static const char* const kAsignaciones[] = {" indice=",    " obliga=",   " c_tip_doc_d=",
                                              " c_doc_id_d =", " c_Formulario=", " c_periodo=",
                                              " c_estado=",  " c_envio=",  " c_semana="};
  std::string sql = "Update envio_t set  tabla_d = " + vb::SqlText(envio.destino) +
                    ", tabla_ext = " + vb::SqlText(envio.externa);
  for (std::size_t i = 0; i < envio.numeros.size(); ++i) sql += std::string(",") + kAsignaciones[i] + envio.numeros[i];
  return sql + " Where formulario=" + vb::SqlText(kFormulario) + " AND tabla_o=" + vb::SqlText(envio.origen);
}

// The file may name a source table twice: the later line updates the row the
// earlier one inserted.
void GrabaEnvio(const Envio& envio) {
  EjecutaSentencia(ExisteEnvio(envio.origen) ? SentenciaActualizaEnvio(envio) : SentenciaInsertaEnvio(envio));
}

// Through a recordset, so a value may hold an apostrophe; the correlative is
// written with at least three digits ("5" becomes "005").
void GrabaFilaParametro(const std::vector<std::string>& campos) {
  dao::RecordsetPtr rs = gDB->OpenRecordset("Select * From PARAM where numero=" + vb::SqlText(campos[0]) +
                                                " and argumento= " + vb::SqlText(campos[1]),
                                            dao::dbOpenDynaset);
  if (rs->Eof()) {
    rs->AddNew();
    (*rs)("Numero") = campos[0];
    (*rs)("Argumento") = campos[1];
  } else {
    rs->Edit();
  }
  (*rs)("Funcion") = campos[2];
  (*rs)("Correl_Param") = vb::Format(campos[3], "000");
  rs->Update();
  rs->Close();
}

void RegistraReportes() {
  for (const Reporte& reporte : kReportes) {
    EjecutaSentencia("Delete from reportes where codrep=" + vb::SqlText(reporte.codigo));
    EjecutaSentencia("insert into reportes values (" + vb::SqlText(reporte.codigo) + "," +
                     vb::SqlText(reporte.descripcion) + ",1)");
  }
}

}  // namespace

void RegistraModulo() {
  for (const Parametro& p : kParametros) GrabaParametro(p.numero, p.argumento, p.funcion, p.correlativo);
  RegistraReportes();
  CargaEnvios();
  CargaParametros();
}

void GrabaParametro(const std::string& sNumero, const std::string& sArgumento, const std::string& sFuncion,
                    const std::string& sCorrelativo) {
  if (ExisteParametro(sNumero, sArgumento)) {
    EjecutaSentencia("Update Param Set Funcion=" + vb::SqlText(sFuncion) + ", Correl_param=" +
                     vb::SqlText(sCorrelativo) + " Where Numero=" + vb::SqlText(sNumero) +
                     " AND Argumento=" + vb::SqlText(sArgumento));
  } else {
    EjecutaSentencia("insert into Param values (" + vb::SqlText(sNumero) + "," + vb::SqlText(sArgumento) + "," +
                     vb::SqlText(sFuncion) + "," + vb::SqlText(sCorrelativo) + ")");
  }
}

bool ExisteParametro(const std::string& sNumero, const std::string& sArgumento) {
  dao::RecordsetPtr rs = gDB->OpenRecordset(
      "Select * from Param Where Numero=" + vb::SqlText(sNumero) + " AND Argumento=" + vb::SqlText(sArgumento),
      dao::dbOpenSnapshot);
  bool existe = !rs->Eof();
  rs->Close();
  return existe;
}

bool ExisteEnvio(const std::string& sTablaOrigen) {
  dao::RecordsetPtr rs = gDB->OpenRecordset("Select * from envio_t Where formulario=" + vb::SqlText(kFormulario) +
                                                " AND tabla_o=" + vb::SqlText(sTablaOrigen),
                                            dao::dbOpenSnapshot);
  bool existe = !rs->Eof();
  rs->Close();
  return existe;
}

void CargaEnvios() {
  std::string ruta = gsSysPath + "tmp\\" + "env942.txt";
  std::optional<std::vector<Envio>> envios = LeeEnvios(ruta);
  if (!envios) return;
  CargaEnTransaccion(ruta, [&] {
    EjecutaSentencia("Delete from envio_t where FORMULARIO= " + vb::SqlText(kFormulario));
    for (const Envio& envio : *envios) GrabaEnvio(envio);
  });
}

// Parameter 728 belongs to the file: its rows are all deleted and the file's
// loaded, in one transaction.
void CargaParametros() {
  std::string ruta = gsSysPath + "tmp\\" + "Par942.txt";
  if (!VerificaArchivo(ruta)) ruta = gsSysPath + "Par942.txt";
  std::optional<Filas> filas = LeeFilas(ruta, kCamposParametro);
  if (!filas) return;
  CargaEnTransaccion(ruta, [&] {
    EjecutaSentencia("Delete from Param where numero='728'");
    for (const std::vector<std::string>& campos : *filas) GrabaFilaParametro(campos);
  });
}

}  // namespace nuvia
