#include "inserta/ModTablas.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "inserta/Globales.h"
#include "platform/dao/constants.h"
#include "platform/dao/errors.h"
#include "platform/dao/tabledef.h"
#include "platform/forms/services.h"
#include "platform/vb/error.h"
#include "platform/vb/strings.h"

namespace nuvia {
namespace {

struct Definicion {
  std::string nombre;
  std::string columnas;
  std::string restriccion;
  std::string clave;
};

// Every table begins with the declaration key; the entity column is `semana` in
// the debt tables and `Semana` in the others.
constexpr const char* kCabeza = "tip_doc_d Byte, doc_id_d Text(15), periodo Text(6), formulario Text(4), ";

constexpr const char* kColumnasDeuda =
    "Ind_tip_deu Text(2), per_doc Text(6), cod_tri Text(6), Num_doc Text(17), Cod_for Text(4), "
    "Cod_tip_doc Text(6), Cod_tri_aso Text(6), Ind_ver_deu TEXT(2), Fec_des_deu DATE, "
    "Num_cuo BYTE, Fec_ult_cap DATE, Num_pro TEXT(14), mto_tributo_s Text(15), "
    "mto_int_cap_s Text(15), mto_int_s Text(15), mto_act_s Text(15), ind_acog BYTE, ind_conf BYTE, "
    "mto_tributo_c Text(15), mto_int_cap_c Text(15), mto_int_c Text(15), mto_act_c Text(15), "
    "Cod_for_dj Text(4), Num_ord_dj Text(8), Ind_valor BYTE, Ind_deuda_dj BYTE, "
    "Ind_impugnado Text(2), cnumero Text(6)";

constexpr const char* kColumnasMotivo =
    "Ind_tip_deu Text(2), per_doc Text(6), cod_tri Text(6), num_doc Text(17), cod_for Text(4), "
    "cod_motivo Byte";

constexpr const char* kColumnasSustento =
    ", num_sust Byte, cod_formulario Text(4), num_orden Integer, num_res Text(16), tip_impug Byte, "
    "num_exp Text(16), des_otros Text(30), fec_pago Text(10), cnumero Text(6)";

constexpr const char* kClaveDeuda = "Ind_tip_deu, Per_doc, Cod_tri, Num_doc, Cod_for, Cod_tip_doc, Cod_tri_aso";
constexpr const char* kClaveMotivo = "Ind_tip_deu, Per_doc, Cod_tri, Num_doc, Cod_for, cod_motivo";

// The columns AllowZeroLength opens to "" in the three debt tables: an accepted
// amount or a sworn-declaration reference may be stored blank.
constexpr const char* kCamposLongitudCero[] = {"Mto_tributo_c", "Mto_int_c", "Mto_int_cap_c",
                                               "Mto_act_c",     "Cod_for_dj", "Num_ord_dj"};

// A family's stored table (prefix ""), history ("H": `Correl` follows the key head
// and joins the key after the entity) and working copy ("TMP_": the stored table's
// shape, so rows copy between them with SELECT *).
Definicion Familia(const std::string& prefijo, const std::string& base, const std::string& entidad,
                   const std::string& columnas, const std::string& clave) {
  bool historia = prefijo == "H";
  std::string nombre = prefijo + base;
  return {nombre,
          kCabeza + entidad + " Byte, " + (historia ? "Correl Text(3), " : "") + columnas,
          "PK_" + nombre,
          "doc_id_d, " + entidad + (historia ? ", Correl" : "") + ", " + clave};
}

std::vector<Definicion> ArmaDefiniciones() {
  std::vector<Definicion> tablas;
  for (const char* prefijo : {"", "H", "TMP_"})
    tablas.push_back(Familia(prefijo, "F0942DEUDAS", "semana", kColumnasDeuda, kClaveDeuda));
  for (const char* prefijo : {"", "H", "TMP_"})
    tablas.push_back(Familia(prefijo, "F0942MOTIVO", "Semana",
                             std::string(kColumnasMotivo) + ", cnumero Text(6)", kClaveMotivo));
  for (const char* prefijo : {"", "H", "TMP_"})
    tablas.push_back(Familia(prefijo, "F0942SUSTEN", "Semana",
                             std::string(kColumnasMotivo) + kColumnasSustento,
                             std::string(kClaveMotivo) + ", num_sust"));
  // The guarantee table's key bears the debt table's constraint name; the engine
  // keeps key names per table, so both exist side by side.
  tablas.push_back({"F0942GARANTIA",
                    std::string(kCabeza) +
                        "Semana Byte, ind_garantia Text(10), ind_persona Text(5), mto_deuda Text(15), "
                        "mto_deuda_garantia Text(15)",
                    "PK_F0942DEUDAS", "tip_doc_d, doc_id_d, periodo, formulario, semana"});
  tablas.push_back({"TMP_F0942APERTURA", std::string(kCabeza) + "Semana Byte, marca Text(16)",
                    "PK_TMP_F0942APERTURA", "tip_doc_d, doc_id_d, periodo, formulario, Semana"});
  return tablas;
}

const Definicion& DefinicionDe(const std::string& sTabla) {
  static const std::vector<Definicion> tablas = ArmaDefiniciones();
  auto it = std::find_if(tablas.begin(), tablas.end(),
                         [&](const Definicion& d) { return d.nombre == vb::UCase(sTabla); });
  if (it == tablas.end()) throw std::invalid_argument("not a table of the module: " + sTabla);
  return *it;
}

void CreaTabla(const std::string& sTabla) {
  EjecutaSentencia(SentenciaCreaTabla(sTabla));
  EjecutaSentencia(SentenciaClave(sTabla));
}

// A guarantee table of six fields or fewer is the earlier shape, without the
// person and amount columns: it is dropped, rows and all, and made again.
void RenuevaGarantiaAntigua() {
  dao::RecordsetPtr rs = gDB->OpenRecordset("Select * from F0942GARANTIA", dao::dbOpenSnapshot);
  int campos = rs->Fields().Count();
  rs->Close();
  if (campos > 6) return;
  EjecutaSentencia("Drop Table F0942GARANTIA");
  CreaTabla("F0942GARANTIA");
}

void InformaErrorSentencia(const vb::Error& error) {
  switch (error.Number()) {
    case dao::kErrTableExists:
      if (gMensajesRetenidos != nullptr) break;
      forms::MsgBox(std::string(vb::vbLf) + "Se  detectado que ya existen las tablas del ZEP " +
                        " Desea Sobreescribirlas?",
                    forms::vbYesNo + forms::vbQuestion + forms::vbDefaultButton2, "Mensaje");
      break;
    case dao::kErrPrimaryKeyExists:
      break;
    default:
      gbPasoFallido = true;
      Informa("Error Número : " + std::to_string(error.Number()) + vb::vbLf + error.Description(),
              forms::vbCritical, "Error al Ejecutar Sentencia SQL");
  }
}

// Makes `db` the installer's database while it lives and puts the previous one back.
class BaseTemporal {
 public:
  explicit BaseTemporal(dao::Database& db) : anterior_(gDB) { gDB = dao::DatabasePtr(dao::DatabasePtr(), &db); }
  ~BaseTemporal() { gDB = anterior_; }
  BaseTemporal(const BaseTemporal&) = delete;
  BaseTemporal& operator=(const BaseTemporal&) = delete;

 private:
  dao::DatabasePtr anterior_;
};

}  // namespace

std::string SentenciaCreaTabla(const std::string& sTabla) {
  const Definicion& tabla = DefinicionDe(sTabla);
  return "CREATE TABLE " + tabla.nombre + " (" + tabla.columnas + ")";
}

std::string SentenciaClave(const std::string& sTabla) {
  const Definicion& tabla = DefinicionDe(sTabla);
  return "ALTER TABLE " + tabla.nombre + " ADD CONSTRAINT " + tabla.restriccion + " PRIMARY KEY (" +
         tabla.clave + ")";
}

void EjecutaSentencia(const std::string& sSQL) {
  try {
    gDB->Execute(sSQL, dao::dbInconsistent);
  } catch (const vb::Error& error) {
    if (error.Number() == dao::kErrTransactionLost) throw;
    InformaErrorSentencia(error);
  }
}

void Informa(const std::string& sTexto, int estilo, const std::string& sTitulo) {
  if (gMensajesRetenidos != nullptr) {
    gMensajesRetenidos->push_back({sTexto, estilo, sTitulo});
  } else {
    forms::MsgBox(sTexto, estilo, sTitulo);
  }
}

bool ExisteTabla(const std::string& sTabla) {
  dao::TableDefs& tablas = gDB->TableDefs();
  tablas.Refresh();
  for (dao::TableDef& tabla : tablas)
    if (vb::UCase(tabla.Name()) == sTabla) return true;
  return false;
}

// Their rows belong to the declaration being edited when the installer runs; they
// are lost on every run, and with them the mark of their copy.
void EliminaTablasTemporales() {
  for (const char* tabla : kTablasTrabajo)
    if (ExisteTabla(tabla)) EjecutaSentencia(std::string("Drop Table ") + tabla);
}

// An existing table is never altered: no column is added, changed or dropped.
void CreaTablas() {
  for (const char* tabla : kTablasModulo) {
    if (!ExisteTabla(tabla)) {
      CreaTabla(tabla);
    } else if (std::string(tabla) == "F0942GARANTIA") {
      RenuevaGarantiaAntigua();
    }
  }
  gDB->TableDefs().Refresh();
}

// Each step that fails is skipped: a table or column an older installation lacks
// leaves the others to be set.
void PermiteLongitudCero(const std::string& sTabla) {
  dao::TableDef* tabla = nullptr;
  try {
    tabla = &gDB->TableDefs()[sTabla];
  } catch (const vb::Error&) {
    return;
  }
  std::string nombre = vb::UCase(sTabla);
  if (nombre != "F0942DEUDAS" && nombre != "HF0942DEUDAS" && nombre != "TMP_F0942DEUDAS") return;
  for (const char* campo : kCamposLongitudCero) {
    try {
      tabla->Fields(campo).SetAllowZeroLength(true);
    } catch (const vb::Error&) {
    }
  }
}

void AdecuaTablas() {
  EliminaTablasTemporales();
  CreaTablas();
  PermiteLongitudCero("F0942DEUDAS");
  PermiteLongitudCero("HF0942DEUDAS");
  PermiteLongitudCero("TMP_F0942DEUDAS");
}

void CreaTablasModulo(dao::Database& db) {
  BaseTemporal base(db);
  AdecuaTablas();
}

}  // namespace nuvia
