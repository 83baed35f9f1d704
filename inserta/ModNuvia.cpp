#include "inserta/ModNuvia.h"

#include <cstdlib>
#include <memory>
#include <vector>

#include "inserta/Globales.h"
#include "inserta/ModRegistro.h"
#include "inserta/ModTablas.h"
#include "platform/dao/dbengine.h"
#include "platform/dao/errors.h"
#include "platform/dao/transaction.h"
#include "platform/forms/services.h"
#include "platform/vb/app.h"
#include "platform/vb/conv.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/vb/files.h"
#include "platform/vb/strings.h"
#include "platform/win/file_lock.h"
#include "platform/win/profile.h"
#include "platform/win/shared_file.h"

namespace nuvia {
namespace {

constexpr const char* kArchivoConfiguracion = "TESCA.INI";
constexpr long kLargoBuffer = 255;

ListadoArchivos& Listado() {
  static ListadoArchivos listado = [](const std::string& ruta) { return vb::Dir(ruta); };
  return listado;
}

std::string LeeOpcion(const std::string& sClave) {
  std::string buffer = vb::Space(kLargoBuffer);
  long largo = win::GetPrivateProfileString("Options", sClave, "", buffer, kLargoBuffer, kArchivoConfiguracion);
  return vb::Left(buffer, largo);
}

// The workgroup's default user and password, eight characters each, put together
// at run time so that neither stands whole in the program's text.
std::string UsuarioMotor() { return "ZEP" + vb::Format(942, "00000"); }
std::string ClaveMotor() {
  std::string usuario = UsuarioMotor();
  return std::string(usuario.rbegin(), usuario.rend());
}

void PreparaMotor(const std::string& sRuta) {
  dao::DBEngine& motor = dao::Engine();
  motor.SetIniPath(kArchivoConfiguracion);
  motor.SetSystemDB(sRuta + "\\TESCA.MDW");
  motor.SetDefaultUser(UsuarioMotor());
  motor.SetDefaultPassword(ClaveMotor());
}

[[noreturn]] void TerminaSinConexion(const vb::Error& error) {
  int numero = error.Number();
  if (numero == dao::kErrLocked) {
    forms::MsgBox(vb::Str(numero) + "- La Base de datos esta bloqueda", forms::vbOKOnly, "Error de Conección");
  } else {
    forms::MsgBox(dao::EngineErrorText(numero) + vb::vbLf + vb::Str(numero), forms::vbOKOnly,
                  "Error de Conección");
  }
  vb::End(EXIT_FAILURE);
}

[[noreturn]] void TerminaSinInstalar(const std::string& sMensaje, int iconos, const std::string& sTitulo) {
  forms::MsgBox(sMensaje, iconos, sTitulo);
  vb::End(EXIT_FAILURE);
}

// The suite's lock, held alone from the opening to the end of the run: the
// main program holds its share of it while it runs, and its open declaration
// lives in the working tables this run drops and re-creates. The run goes on
// only holding it: beside the main program, beside another installation, or
// without its lock (a lock file it cannot open, one that is no plain file, a
// lock the system does not grant), it says why, touches no table and ends.
void TomaBloqueoSuite(const std::string& sBase) {
  static std::unique_ptr<win::FileLock> bloqueo;
  bloqueo.reset();
  bloqueo = win::FileLock::Beside(sBase, win::FileLock::Mode::Exclusive);
  switch (bloqueo->LockState()) {
    case win::FileLock::State::Held: return;
    case win::FileLock::State::SharedByOthers:
      TerminaSinInstalar("El módulo 0942 se encuentra en ejecución. Ciérrelo y vuelva a ejecutar la instalación.",
                         forms::vbExclamation + forms::vbOKOnly, "Mensaje");
    case win::FileLock::State::TakenByOther:
      TerminaSinInstalar("Ya se está instalando el módulo 0942. Espere a que termine esa instalación.",
                         forms::vbExclamation + forms::vbOKOnly, "Mensaje");
    default:
      TerminaSinInstalar(bloqueo->FaultText("de la base de datos") + vb::vbLf + "No se realizó la instalación.",
                         forms::vbOKOnly, "Archivo de bloqueo");
  }
}

// A lock file made here that other accounts can no longer open is told; it
// works for this run, which goes on.
void AvisaArchivosNoCompartidos() {
  std::string aviso = win::UnsharedFilesNotice();
  if (!aviso.empty()) forms::MsgBox(aviso, forms::vbExclamation + forms::vbOKOnly, "Archivos compartidos");
}

// Holds the run's message boxes in `mensajes` while it lives (gMensajesRetenidos).
class RetieneMensajes {
 public:
  explicit RetieneMensajes(std::vector<Mensaje>& mensajes) { gMensajesRetenidos = &mensajes; }
  ~RetieneMensajes() { gMensajesRetenidos = nullptr; }
  RetieneMensajes(const RetieneMensajes&) = delete;
  RetieneMensajes& operator=(const RetieneMensajes&) = delete;
};

}  // namespace

void Main() {
  vb::Command();
  gbPasoFallido = false;
  // The profile call hands back the value alone, without the terminating NUL the
  // system's call leaves in the buffer, so nothing is cut off: the folder keeps
  // its closing backslash.
  gsSysPath = vb::Trim(LeeOpcion("SysPath"));
  if (vb::Trim(gsSysPath).empty()) {
    forms::MsgBox("Debe instalar primero el ZEP ", forms::vbInformation + forms::vbOKOnly, "Mensaje");
    vb::End(EXIT_FAILURE);
  }
  if (vb::Right(gsSysPath, 2) == "\\\\") gsSysPath = vb::Left(gsSysPath, vb::Len(gsSysPath) - 1);
  ConectaBaseDatos(gsSysPath);
  ActualizaTablas(gsSysPath);
  if (gbPasoFallido) vb::End(EXIT_FAILURE);
}

// A folder ending in a backslash gives the workgroup file a doubled one, which the
// file system takes as one.
bool ConectaBaseDatos(const std::string& sRuta) {
  try {
    std::string sNombre = LeeOpcion("DBName");
    PreparaMotor(sRuta);
    std::string sBase = vb::ResolvePath(sRuta + sNombre);
    gDB = dao::Engine().Workspaces(0).OpenDatabase(sBase, false, false);
    TomaBloqueoSuite(sBase);
    AvisaArchivosNoCompartidos();
    return true;
  } catch (const vb::Error& error) {
    TerminaSinConexion(error);
  }
}

// The table steps and the registration are one transaction, begun with the
// database's write lock: an installation stopped at any moment (killed, the
// power gone) or with a step that failed leaves the module as it was before it,
// and only a whole run is committed. A step that fails is reported and the
// others still run, so that every failure is told; an error that escapes the
// steps ends them. The run's boxes wait until the transaction has ended and the
// database is closed, the last one saying that nothing was installed when so.
void ActualizaTablas(const std::string&) {
  std::vector<Mensaje> mensajes;
  {
    RetieneMensajes retencion(mensajes);
    try {
      dao::Transaction instalacion(*gDB);
      AdecuaTablas();
      RegistraModulo();
      if (gbPasoFallido) {
        instalacion.Rollback();
      } else {
        instalacion.Commit();
      }
    } catch (const vb::Error& error) {
      gbPasoFallido = true;
      mensajes.push_back({"Error Número : " + std::to_string(error.Number()) + vb::vbLf + error.Description(),
                          forms::vbCritical, "Error al Ejecutar Sentencia SQL"});
    }
  }
  gDB->Close();
  gDB.reset();
  if (gbPasoFallido && !mensajes.empty())
    mensajes.back().texto += std::string(vb::vbLf) + "No se realizó la instalación.";
  for (const Mensaje& mensaje : mensajes) forms::MsgBox(mensaje.texto, mensaje.estilo, mensaje.titulo);
}

bool VerificaArchivo(const std::string& sRuta) {
  try {
    std::string ruta = vb::Trim(sRuta);
    long barra = vb::InStrRev(ruta, "\\");
    if (barra > 0 && Listado()(vb::Left(ruta, barra)).empty()) return false;
    return !Listado()(ruta).empty();
  } catch (const vb::Error& error) {
    if (error.Number() != 76)
      Informa("Error " + std::to_string(error.Number()) + vb::vbLf + error.Description(), forms::vbCritical,
              "Error de Ejecución");
    return false;
  }
}

void FijaListadoArchivos(ListadoArchivos listado) {
  Listado() = listado ? std::move(listado) : [](const std::string& ruta) { return vb::Dir(ruta); };
}

}  // namespace nuvia
