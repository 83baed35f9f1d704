#include "formulario/core/modGen02.h"

#include <cstdlib>
#include <vector>

#include "formulario/core/Fileproc.h"
#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "platform/dao/dao.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/data_grid.h"
#include "platform/forms/services.h"
#include "platform/vb/app.h"
#include "platform/vb/conv.h"
#include "platform/vb/files.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kFormulario = "0942";

std::string MensajeDeError(const vb::Error& error) {
  std::string mensaje = std::string(vb::vbLf) + vb::vbLf + "Descripción del error : [" +
                        std::to_string(error.Number()) + "] " + error.Description() +
                        ". No se puede continuar con la ejecución del módulo" + vb::vbLf + vb::vbLf;
  for (const dao::ErrorItem& item : dao::Engine().Errors()) mensaje += item.Description + vb::vbLf;
  return mensaje;
}

void EscribeBitacora(const std::string& sRutina, const vb::Error& error,
                     const std::string& mensaje) {
  vb::NumberedFile bitacora = AbreArchivo(vb::App::Path() + "\\errorlog.txt", kModoAgregar, 0, 1);
  if (!bitacora.IsOpen()) return;
  int iArchivo = bitacora.Number();
  vb::Print(iArchivo, "Fecha y Hora del error: " + vb::CStr(vb::Now()));
  vb::Print(iArchivo, "Error producido en    : " + sRutina);
  vb::Print(iArchivo, "Descripción del error : [" + std::to_string(error.Number()) + "] " +
                          error.Description());
  vb::Print(iArchivo, mensaje);
  bitacora.Close();
}

bool HayFilas(const std::string& sql) {
  dao::RecordsetPtr rs = gDB->OpenRecordset(sql, dao::dbOpenSnapshot);
  bool hay = !rs->Eof();
  rs->Close();
  return hay;
}

std::string PalabraDeAccion(std::uint8_t iAccion) {
  switch (iAccion) {
    case 1: return "actualizar";
    case 2: return "eliminar";
    case 3: return "ver declaraciones enviadas";
    default: return "";
  }
}

bool GrillaSinFilas(forms::DataGrid& grid) {
  forms::DataControl* source = grid.DataSource();
  if (!source || !source->Recordset()) return true;
  return source->Recordset()->Eof();
}

// A text left-aligned in exactly `width` characters, cut or filled with blanks.
std::string Columna(const vb::Variant& valor, long width) {
  return vb::Left((valor & vb::Variant(vb::Space(width))).ToString(), width);
}

std::string ClausulaDeclaracion(int iTipDoc, const std::string& sDocId) {
  return "WHERE tip_doc_d = " + std::to_string(iTipDoc) + " " +
         "AND doc_id_d = " + vb::SqlText(sDocId) + " " + "AND periodo = " + vb::SqlText(gsPeriodo) +
         " " + "AND formulario = " + vb::SqlText(kFormulario) + " ";
}

// The dates of the tax-unit rows as stored, then the sentinel that closes the
// last period.
std::vector<std::string> FechasUIT() {
  gsSQL = "SELECT * ";
  gsSQL += "FROM PARAM ";
  gsSQL += "WHERE numero='404'";
  std::vector<std::string> fechas;
  dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot);
  for (; !rs->Eof(); rs->MoveNext())
    fechas.push_back(vb::Trim((*rs)("argumento").Value().ToString()));
  rs->Close();
  fechas.push_back("99991231");
  return fechas;
}

// The first date whose month is on or before the period's first day while the
// next date's month is after it; "" when none is, as the slot after the
// sentinel is empty.
std::string FechaVigente(const std::vector<std::string>& fechas, const std::string& sDia) {
  for (std::size_t i = 0; i < fechas.size(); ++i) {
    std::string siguiente = i + 1 < fechas.size() ? fechas[i + 1] : "";
    if (vb::StrComp(vb::Left(fechas[i], 6), sDia) <= 0 &&
        vb::StrComp(sDia, vb::Left(siguiente, 6)) < 0)
      return fechas[i];
  }
  return "";
}

}  // namespace

std::uint8_t ManejaError(const std::string& sRutina, const vb::Error& error) {
  std::string mensaje = MensajeDeError(error);
  std::string titulo =
      "Error crítico: " + std::to_string(error.Number()) + " (Rutina: " + sRutina + ") ";
  EscribeBitacora(sRutina, error, mensaje);
  forms::MsgBox(mensaje, forms::vbCritical, titulo);
  return kErrorTerminaPrograma;
}

// The program ends after the message; the work in progress is undone before it is
// shown, so that no half-done change holds the database while the message waits.
void TerminaPorError(const std::string& sRutina, const vb::Error& error) {
  dao::Engine().Workspaces(0).RollbackAll();
  ManejaError(sRutina, error);
  vb::End(EXIT_FAILURE);
}

void EliminaDataTabla(const std::string& sTabla, int iTipDoc, const std::string& sDocId,
                      int iFiltro, const std::string& sCorrel) {
  try {
    gsSQL = "DELETE FROM " + sTabla + " ";
    if (iFiltro == 1) {
      gsSQL += ClausulaDeclaracion(iTipDoc, sDocId) + "AND Semana = " + std::to_string(gnSemana);
      if (giEnviadas != 0 && vb::UCase(vb::Left(sTabla, 3)) != "TMP")
        gsSQL += " AND Correl= " + vb::SqlText(sCorrel);
    }
    gDB->Execute(gsSQL, dao::dbFailOnError);
  } catch (const vb::Error& error) {
    TerminaPorError("EliminaDataTabla", error);
  }
}

bool VerificaExistenciaDocumento(std::uint8_t iTipDoc, const std::string& sDocId) {
  try {
    gsSQL = "SELECT 'x' FROM CAB " + ClausulaDeclaracion(iTipDoc, sDocId);
    return HayFilas(gsSQL);
  } catch (const vb::Error& error) {
    TerminaPorError("VerificaExistenciaDocumento", error);
  }
}

bool VerificaSeleccion(forms::DataGrid& grid, std::uint8_t iAccion) {
  std::string palabra = PalabraDeAccion(iAccion);
  if (GrillaSinFilas(grid)) {
    forms::MsgBox("No existen registros disponibles para " + palabra, forms::vbInformation,
                  "Información");
    return false;
  }
  if (grid.Columns(1).Text().empty()) {
    forms::MsgBox("Debe seleccionar algún registro para realizar la operación " + palabra,
                  forms::vbInformation, "Información");
    return false;
  }
  return true;
}

std::string ConvierteCodTributo(const std::string& sCodigo, std::uint8_t iDireccion) {
  if (iDireccion != 0) {
    std::string codigo = vb::Trim(sCodigo);
    return "0" + vb::Left(codigo, 3) + "0" + vb::Right(codigo, 1);
  }
  return vb::Mid(sCodigo, 2, 3) + vb::Right(sCodigo, 1);
}

bool CargaNumeroDocumento(forms::ComboBox& combo, std::uint8_t iTipDoc, const std::string& sDocId,
                          int iSeleccion) {
  try {
    bool veTodos = LeeTipoUsuario() == "0";
    gsSQL = "SELECT doc_id_d, nombre FROM CONT ";
    gsSQL += "WHERE tip_doc_d = " + std::to_string(iTipDoc) + " ";
    if (!veTodos) gsSQL += "AND usuario =" + vb::SqlText(gsSysUser) + " ";
    gsSQL += "ORDER BY DOC_ID_D ASC";
    combo.Clear();
    dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot);
    if (rs->Eof()) {
      forms::MsgBox(
          "No existen declarantes registrados. Para registrar un declarante salga de este módulo "
          "y en el menú principal elija la opción: Registro/Declarantes.",
          forms::vbExclamation, vb::App::ProductName());
    }
    for (; !rs->Eof(); rs->MoveNext()) {
      vb::Variant docId = (*rs)("doc_id_d").Value();
      combo.AddItem(Columna(docId, 20) + Columna((*rs)("nombre").Value(), 60));
      if (iSeleccion != 0 && (docId & vb::Variant("")).ToString() == sDocId)
        combo.SetListIndex(combo.NewIndex());
    }
    rs->Close();
    return true;
  } catch (const vb::Error& error) {
    TerminaPorError("CargaNumeroDocumento", error);
  }
}

bool VerificaTablaValor(const std::string& sRuc, std::uint8_t iMensaje) {
  try {
    gsSQL = "SELECT 'x' FROM CAB ";
    gsSQL += "WHERE tip_doc_d = 6 ";
    gsSQL += " AND doc_id_d = " + vb::SqlText(sRuc);
    gsSQL += " AND periodo = " + vb::SqlText(gsPeriodo);
    gsSQL += " AND formulario = " + vb::SqlText(kFormulario);
    gsSQL += " AND Semana = " + std::to_string(gnSemana);
    bool importada = HayFilas(gsSQL);
    if (importada && iMensaje == 1)
      forms::MsgBox("La información de deudas para el RUC seleccionado ya fue importada.",
                    forms::vbExclamation, "Información");
    return importada;
  } catch (const vb::Error& error) {
    TerminaPorError("VerificaTablaValor", error);
  }
}

vb::Currency ObtieneUIT() {
  std::string sDia = vb::Trim(gsPeriodo) + "01";
  std::string fecha = FechaVigente(FechasUIT(), sDia);
  gsSQL = "SELECT * ";
  gsSQL += "FROM PARAM ";
  gsSQL += "WHERE numero='404' AND ";
  gsSQL += "argumento=" + vb::SqlText(vb::Trim(fecha));
  dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot);
  vb::Currency monto;
  if (!rs->Eof())
    monto = vb::Currency::FromDouble(vb::Val(vb::Trim((*rs)("Funcion").Value().ToString())));
  rs->Close();
  return monto;
}

bool VerificaFormularioTributo(const std::string& sCodTributo, const std::string& sFormulario,
                               const std::string& sAnio) {
  try {
    gsSQL = "SELECT 'x' FROM PARAM ";
    gsSQL += "WHERE numero = '728' ";
    if (!sFormulario.empty())
      gsSQL += "AND val(left(argumento,4)) = " + vb::CStr(vb::Val(sFormulario)) + " ";
    gsSQL += "AND left(funcion,6) = " + vb::SqlText(sCodTributo) + " ";
    if (!sAnio.empty()) gsSQL += "AND mid(funcion,8,4) = " + vb::SqlText(sAnio) + " ";
    return HayFilas(gsSQL);
  } catch (const vb::Error& error) {
    TerminaPorError("VerificaFormularioTributo", error);
  }
}

}  // namespace korva
