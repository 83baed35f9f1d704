#include "reporte/ModResumen.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/dao/dbengine.h"
#include "platform/forms/services.h"
#include "platform/vb/app.h"
#include "platform/vb/conv.h"
#include "platform/vb/error.h"
#include "platform/vb/files.h"
#include "platform/vb/strings.h"
#include "platform/win/profile.h"
#include "platform/win/shared_file.h"
#include "reporte/DatosResumen.h"
#include "reporte/Globales.h"
#include "reporte/ResumenSpool.h"
#include "reporte/ResumenTexto.h"

namespace tarvel {
namespace {

constexpr const char* kArchivoConfiguracion = "TESCA.INI";
constexpr long kLargoBuffer = 255;
constexpr int kErrArgumento = 5;
constexpr const char* kReintente = "Intente nuevamente por favor.";

std::string LeeOpcion(const std::string& sClave) {
  std::string buffer = vb::Space(kLargoBuffer);
  long largo = win::GetPrivateProfileString("Options", sClave, "", buffer, kLargoBuffer, kArchivoConfiguracion);
  return vb::Trim(vb::Left(buffer, largo));
}

bool TerminaEnSeparador(const std::string& sRuta) {
  std::string ultimo = vb::Right(sRuta, 1);
  return ultimo == "\\" || ultimo == "/";
}

// The workgroup's default user and password, eight characters each, made at run
// time so that neither stands whole in the program's text.
std::string UsuarioGrupo() { return vb::UCase("envio") + "942"; }
std::string ClaveGrupo() {
  std::string usuario = UsuarioGrupo();
  return std::string(usuario.rbegin(), usuario.rend());
}

bool CampoAdmitido(const std::string& sCampo) {
  if (sCampo.find('/') != std::string::npos || sCampo.find('\\') != std::string::npos) return false;
  if (sCampo.find("..") != std::string::npos) return false;
  for (unsigned char c : sCampo)
    if (c < 0x20 || c == 0x7F) return false;
  return true;
}

bool AvisaSinDatos() {
  forms::MsgBox("No existe data para Generar Reporte de Envio!!!" + std::string(vb::vbCrLf) + vb::vbLf,
                forms::vbCritical, "Error");
  return false;
}

void AvisaErrorTecnico(const vb::Error& error) {
  forms::MsgBox("Error tecnico: " + vb::Str(error.Number()) + vb::vbLf + error.Description() + vb::vbLf +
                    kReintente,
                forms::vbCritical, "Mensaje");
}

// The copies the host picks up, then the random-named text file goes.
void EntregaResumenes() {
  std::string sRaiz = RaizSalida();
  vb::FileCopy(gsArchivoSpool, gsRutaRPT + sRaiz + ".PRN");
  vb::FileCopy(gsArchivoTexto, gsRutaTMP + sRaiz + ".txt");
  vb::Kill(gsArchivoTexto);
}

// A run that did not deliver both summaries takes its random-named text file
// away, whole or half written: the host never picks it up and nothing else
// would remove it from the temporary folder.
void RetiraTextoTemporal() {
  if (gsArchivoTexto.empty()) return;
  vb::Close();
  std::error_code ignorado;
  std::filesystem::remove(vb::ResolvePath(gsArchivoTexto), ignorado);
}

// A settings file rewritten that other accounts can no longer read is told; it
// works for this run, which goes on.
void AvisaArchivosNoCompartidos() {
  std::string aviso = win::UnsharedFilesNotice();
  if (!aviso.empty()) forms::MsgBox(aviso, forms::vbExclamation, "Archivos compartidos");
}

}  // namespace

void Main() {
  int estado = EXIT_FAILURE;
  try {
    if (GeneraResumen()) {
      EntregaResumenes();
      estado = EXIT_SUCCESS;
    }
  } catch (const vb::Error& error) {
    AvisaErrorTecnico(error);
  }
  if (estado != EXIT_SUCCESS) RetiraTextoTemporal();
  vb::End(estado);
}

void LeeConfiguracionResumen() {
  gsDBPath = LeeOpcion("DBPath");
  gsDBName = LeeOpcion("DBName");
  gsSysUser = LeeOpcion("SysUser");
  gsRutaBase = gsDBPath + gsDBName;
  gsRutaRPT = gsDBPath + "RPT" + "\\";
  gsRutaTMP = gsDBPath + "TMP" + "\\";
}

// SystemDB always gets a separator inserted, so a DBPath ending with one gives
// a doubled one there; the engine is given the path with one.
void AbreBaseResumen() {
  try {
    win::WritePrivateProfileString("Options", "SystemDB", gsDBPath + "\\" + "TESCA.MDW", kArchivoConfiguracion);
    AvisaArchivosNoCompartidos();
    dao::DBEngine& motor = dao::Engine();
    motor.SetIniPath(kArchivoConfiguracion);
    motor.SetSystemDB(gsDBPath + (TerminaEnSeparador(gsDBPath) ? "" : "\\") + "TESCA.MDW");
    motor.SetDefaultUser(UsuarioGrupo());
    motor.SetDefaultPassword(ClaveGrupo());
    gDB = motor.Workspaces(0).OpenDatabase(gsRutaBase, false, false);
  } catch (const vb::Error& error) {
    forms::MsgBox(vb::vbLf + error.Description() + vb::vbLf + kReintente, forms::vbCritical, "Mensaje");
    vb::End(EXIT_FAILURE);
  }
}

bool GeneraResumen() {
  LeeConfiguracionResumen();
  AbreBaseResumen();
  LeeLineaComando();
  LeeCasillasResumen();
  ResuelveEntidad();
  if (!LeeRazonSocial()) return AvisaSinDatos();
  ImprimeResumenTexto();
  if (!LeeRazonSocial()) return AvisaSinDatos();
  ImprimeResumenSpool();
  return true;
}

void LeeLineaComando() {
  std::string sComando = vb::Command();
  gsRuc = vb::Mid(sComando, 3, 15);
  gsPeriodo = vb::Mid(sComando, 22, 6);
  gsSemana = vb::Mid(sComando, 28, 1);
  gsCola = vb::Mid(sComando, 29, 8);
  for (const std::string* campo : {&gsRuc, &gsPeriodo, &gsSemana, &gsCola})
    if (!CampoAdmitido(*campo)) vb::Raise(kErrArgumento);
}

std::string RaizSalida() { return "0942" + gsPeriodo + gsSemana + gsCola; }

}  // namespace tarvel
