// The import run behind "&Aceptar": unzip, digest check, line load and the
// declaration's header rows, in one transaction.
#include <cstdlib>
#include <filesystem>
#include <new>
#include <optional>

#include "formulario/core/Casillas.h"
#include "formulario/core/Fileproc.h"
#include "formulario/core/Globales.h"
#include "formulario/core/Hash.h"
#include "formulario/core/ModGen00.h"
#include "formulario/core/ModGen01.h"
#include "formulario/core/modGen02.h"
#include "formulario/import/FrmImportar.h"
#include "platform/dao/transaction.h"
#include "platform/forms/hourglass.h"
#include "platform/forms/services.h"
#include "platform/vb/conv.h"
#include "platform/vb/error.h"
#include "platform/vb/file_system.h"
#include "platform/vb/files.h"
#include "platform/vb/strings.h"
#include "platform/zip/extract.h"

namespace korva {
namespace {

constexpr const char* kMensajeCargaFallida =
    "Se han encontrado problemas al momento de cargar la información a las tablas. Reintente de "
    "nuevo la operación";
constexpr const char* kMensajeArchivoViejo =
    "El archivo personalizado no es de hoy día, por favor descargue y procese nuevamente el "
    "archivo";

// The seventh box of the entity's block of payment-mode boxes holds the
// guarantee indicator: 506, 513, 520, 527 or 534 ("" for no entity's code).
std::string CasillaGarantia(std::uint8_t nSemana) {
  const Bloque* bloque = BloqueDe(nSemana);
  return bloque ? NumeroCasilla(CasillaDe(*bloque, Renglon::Garantia)) : "";
}

// The extracted file must be named by its 40-character digest, a dot and a
// three-letter extension; any other name cannot be the file's own digest.
bool NombreDeDigesto(const std::string& sNombre) {
  return vb::Len(sNombre) == 44 && vb::Mid(sNombre, 41, 1) == ".";
}

// An archive that could not be written out says what the file system refused
// (a full disk, a read-only one) and where; any other failure is the archive's.
std::string MensajeExtraccionFallida(const zip::Extraction& extraccion, const std::string& sCarpeta) {
  if (extraccion.outcome != zip::Outcome::WriteFailed)
    return "Ha ocurrido un error al descomprimir. Reintente la operación!!!.";
  return "No se pudo descomprimir el archivo en la carpeta " + sCarpeta + ": " +
         vb::ErrorText(vb::FileErrorNumber(extraccion.writeError, sCarpeta)) + "." + vb::vbLf +
         "Reintente la operación.";
}

// Opens a table by name, adds one row, lets `asigna` set its fields and stores
// it; the recordset is released on every road.
template <class Asigna>
void AgregaFila(const std::string& sTabla, Asigna asigna) {
  dao::RecordsetPtr rs = gDB->OpenRecordset(sTabla);
  try {
    rs->AddNew();
    asigna(*rs);
    rs->Update();
  } catch (...) {
    if (rs->EditMode() != dao::dbEditNone) rs->CancelUpdate();
    rs->Close();
    throw;
  }
  rs->Close();
}

}  // namespace

// The run's transaction lives until the end of the click: an unexpected error is
// reported first and only then, when the program is to end, rolled back. On every
// other road out the guard rolls back whatever was not committed. Memory that
// runs out is the runtime's error 7 and takes the same road. The lines read the
// database before they write it, so the transaction takes the write lock when
// it begins: a lock another program holds for a moment is waited for, and one
// held past the wait is 3051.
void FrmImportar::CmdGrabar_Click() {
  sArchivoExtraido_.clear();
  std::optional<dao::Transaction> transaccion;
  try {
    if (ArchivoVerificado()) ImportaArchivo(transaccion.emplace(*gDB));
  } catch (const vb::Error& error) {
    FallaImportacion(error, transaccion);
  } catch (const std::bad_alloc&) {
    FallaImportacion(vb::Error(vb::kErrOutOfMemory), transaccion);
  }
}

void FrmImportar::FallaImportacion(const vb::Error& error, std::optional<dao::Transaction>& transaccion) {
  std::uint8_t respuesta = ManejaError("CmdGrabar_Click", error);
  // Whatever was extracted goes on this road too, so that a later run cannot
  // meet it in the extraction folder.
  if (!sArchivoExtraido_.empty()) BorroErr(sArchivoExtraido_, "");
  if (respuesta == kErrorTerminaPrograma && transaccion && transaccion->Active()) {
    transaccion->Rollback();
    vb::End(EXIT_FAILURE);
  }
}

// Everything before the transaction: the checks, the working layout, the unzip
// and the digest. True when the extracted file is the one to load.
bool FrmImportar::ArchivoVerificado() {
  giModo = 0;
  if (!EleccionCompleta()) return false;
  DisenoEnProceso();
  std::string sRuc = vb::Trim(RucSeleccionado());
  if (!ExtraeArchivo(RutaZip(), gsSysPath + "TMP\\REG" + sRuc + "\\")) return false;
  MuestraPaso(2, "Verificando archivos descomprimidos");
  return DigestoValido(sArchivoExtraido_);
}

// The load and the header rows inside the run's transaction, which is committed
// only when both succeed.
void FrmImportar::ImportaArchivo(dao::Transaction& transaccion) {
  MuestraPaso(5, "Realizando la carga del archivo de deudas.");
  Frame3.Refresh();
  GS_CARGA_OK = false;
  sPeriodoArchivo_.clear();
  if (!CargaArchivo(sArchivoExtraido_)) return;
  if (!GrabaTablasSistema(transaccion)) return;
  transaccion.Commit();
  GS_CARGA_OK = true;
  MuestraPaso(10, "Proceso finalizado satisfactoriamente.");
  forms::MsgBox("La importación ha terminado satisfactoriamente", forms::vbInformation, Caption());
  RestauraDiseno();
}

// The checks made before anything is touched: the regional settings, a chosen
// taxpayer, a declaration not imported yet for the period in work, a chosen
// file. The entity in work is set on the way.
bool FrmImportar::EleccionCompleta() {
  if (!VerificaConfiguracionRegional()) {
    forms::Screen.SetMousePointer(forms::vbDefault);
    return false;
  }
  if (CmbRuc.ListIndex() < 0) {
    forms::MsgBox("Debe seleccionar algún número de ruc", forms::vbExclamation, Caption());
    CmbRuc.SetFocus();
    return false;
  }
  std::string sEntidad = vb::Trim(CmbEntidad.List(CmbEntidad.ListIndex()));
  gnSemana = vb::CByte(vb::Val(vb::Left(sEntidad, 1)));
  if (VerificaTablaValor(vb::Trim(RucSeleccionado()), 1)) return false;
  if (flListaFiles.FileName().empty()) {
    forms::MsgBox("No se ha encontrado el archivo de información para el RUC y entidad seleccionado",
                  forms::vbExclamation, Caption());
    return false;
  }
  return true;
}

std::string FrmImportar::RutaZip() const {
  std::string sRuta = flListaFiles.Path();
  std::string sFinal = vb::Right(sRuta, 1);
  return sRuta + (sFinal == "\\" || sFinal == "/" ? "" : "\\") + flListaFiles.FileName();
}

// Unzips the archive's one file into the extraction folder, under the name the
// archive gives it. An archive that does not hold exactly one regular file with
// a safe name, or that would inflate beyond the size cap, extracts nothing.
bool FrmImportar::ExtraeArchivo(const std::string& sZip, const std::string& sCarpeta) {
  zip::Extraction extraccion =
      zip::ExtractSingleFile(vb::ResolvePath(sZip), vb::ResolvePath(sCarpeta));
  if (extraccion.Count() < 1) {
    forms::Screen.SetMousePointer(forms::vbDefault);
    forms::MsgBox(MensajeExtraccionFallida(extraccion, vb::ResolvePath(sCarpeta)), forms::vbCritical, Caption());
    RestauraDiseno();
    return false;
  }
  sArchivoExtraido_ = sCarpeta + extraccion.files.front();
  return true;
}

bool FrmImportar::DigestoValido(const std::string& sArchivo) {
  std::string sNombre = vb::Mid(sArchivo, vb::InStrRev(sArchivo, "\\") + 1);
  bool bValido = NombreDeDigesto(sNombre) &&
                 vb::Left(sNombre, vb::Len(sNombre) - 4) == HashArchivo(sArchivo);
  if (bValido) return true;
  pbar1.SetValue(10);
  Frame3.Refresh();
  forms::MsgBox("El archivo a importar no es válido", forms::vbCritical, Caption());
  BorroErr(sArchivo, "");
  RestauraDiseno();
  return false;
}

bool FrmImportar::CargaArchivo(const std::string& sArchivo) {
  bool bCargado = DesencriptaArch(sArchivo, "", *this);
  CierraDeudas();
  BorroErr(sArchivo, "");
  if (bCargado) {
    Frame3.Refresh();
    return true;
  }
  RestauraDiseno();
  return false;
}

// Writes the declaration's header, its guarantee box and its guarantee row from
// the values the last line left. A row the database refuses (an empty or
// over-long guarantee field, for one) fails the load as a refused line does:
// everything is rolled back and then the user told, instead of ending the program.
bool FrmImportar::GrabaTablasSistema(dao::Transaction& transaccion) {
  MuestraPaso(9, "Actualizando tablas del sistema.");
  std::string sRuc = vb::Trim(RucSeleccionado());
  std::uint8_t nSemana = gnSemana;
  try {
    AgregaFila("CAB", [&](dao::Recordset& rs) {
      AsignaClave(CamposClave(rs), sRuc, nSemana);
      rs("bcolibrad") = gnRucDelito;
      rs("nrocheque") = gsFechaVenc;
      rs("efectivo") = gsFecVencRenta;
      rs("cheque") = gsBuenContrib;
      rs("Rectifica") = 0;
      rs("estado") = 9;
      rs("cNumero") = GeneraCNumero(rs, 5);
    });
    AgregaFila("DET", [&](dao::Recordset& rs) {
      AsignaClave(CamposClave(rs), sRuc, nSemana);
      rs("Casilla") = CasillaGarantia(nSemana);
      rs("i_valor") = sIndGarantia;
      rs("idcasilla") = "01";
      rs("estado") = "9";
      rs("cNumero") = GeneraCNumero(rs, 6);
    });
    AgregaFila("F0942GARANTIA", [&](dao::Recordset& rs) {
      AsignaClave(CamposClave(rs), sRuc, nSemana);
      rs("ind_garantia") = sIndGarantia;
      rs("ind_persona") = sIndPersona;
      rs("mto_deuda") = sMtoDeuda;
      rs("mto_deuda_garantia") = sMtoDeudaGarantia;
    });
  } catch (const vb::Error& error) {
    transaccion.Rollback();
    MuestraErrorTecnico(error);
    forms::MsgBox(kMensajeCargaFallida, forms::vbCritical, Caption());
    RestauraDiseno();
    return false;
  }
  return true;
}

void FrmImportar::DisenoEnProceso() {
  forms::Screen.SetMousePointer(forms::vbArrow);
  Frame3.SetVisible(true);
  CmdGrabar.SetTop(5520);
  CmdCancelar.SetTop(5520);
  SetHeight(6420);
  pbar1.SetMin(0);
  pbar1.SetMax(10);
  MuestraPaso(1, "Verificando y descomprimiendo archivo zip");
  Frame3.Refresh();
  forms::DoEvents();
}

void FrmImportar::RestauraDiseno() {
  Frame3.SetVisible(false);
  CmdGrabar.SetTop(4560);
  CmdCancelar.SetTop(4560);
  SetHeight(5490);
}

void FrmImportar::MuestraPaso(int iValor, const std::string& sTexto) {
  pbar1.SetValue(iValor);
  lblbar1.SetCaption(sTexto);
}

// The window's pointer is normal again before each message; the file closes as
// the procedure ends, before its caller deletes it.
bool FrmImportar::DesencriptaArch(const std::string& sNomarch, const std::string& /*sClave*/,
                                  forms::Form& oForm) {
  vb::NumberedFile archivo = AbreArchivo(sNomarch, kModoEntrada, 0, 1);
  if (!archivo.IsOpen()) return false;
  int iArchivo = archivo.Number();
  long nLineas = 0;
  forms::Hourglass reloj(oForm);
  for (;;) {
    try {
      if (vb::Eof(iArchivo)) break;
      ++nLineas;
      std::string sLinea = vb::LineInput(iArchivo);
      if (!CargaTablaValor(sLinea)) {
        reloj.Restore();
        forms::MsgBox(bFechaHoy ? kMensajeCargaFallida : kMensajeArchivoViejo, forms::vbCritical,
                      Caption());
        return false;
      }
    } catch (const vb::Error& error) {
      reloj.Restore();
      int iRespuesta = forms::MsgBox("No se puede desencriptar el Archivo " + vb::ResolvePath(sNomarch) + vb::vbLf +
                                         std::to_string(error.Number()) + ":" + error.Description(),
                                     forms::vbCritical + forms::vbRetryCancel, Caption());
      if (iRespuesta == forms::vbRetry) continue;
      return false;
    }
  }
  reloj.Restore();
  if (nLineas == 0) {
    forms::MsgBox("El archivo personalizado esta en blanco.", forms::vbCritical, Caption());
    return false;
  }
  return true;
}

// Only the file of that exact name goes: an archive may name its file with
// characters that a deletion by pattern would take as wildcards.
void FrmImportar::BorroErr(const std::string& sArc, const std::string& /*Direct*/) {
  std::string sRuta = vb::ResolvePath(sArc);
  if (!vb::RegularFileExists(sRuta)) return;
  std::error_code ignorado;
  std::filesystem::remove(sRuta, ignorado);
}

}  // namespace korva
