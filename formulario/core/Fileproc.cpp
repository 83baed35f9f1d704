#include "formulario/core/Fileproc.h"

#include "formulario/core/Encripta.h"
#include "formulario/core/ModGen00.h"
#include "platform/forms/services.h"
#include "platform/vb/error.h"
#include "platform/vb/files.h"

namespace korva {
namespace {

constexpr int kErrNombreArchivo = 64;

bool NombreValido(const std::string& sNombre) {
  return sNombre.find_first_of(";<=>?[]* ") == std::string::npos;
}

bool ModoValido(int iModo) { return iModo >= kModoSalida && iModo <= kModoBinarioEscritura; }

vb::OpenMode ModoDeApertura(int iModo) {
  switch (iModo) {
    case kModoSalida: return vb::OpenMode::Output;
    case kModoEntrada: return vb::OpenMode::Input;
    case kModoAgregar: return vb::OpenMode::Append;
    case kModoAleatorio: return vb::OpenMode::Random;
    case kModoBinarioLectura: return vb::OpenMode::BinaryRead;
    default: return vb::OpenMode::BinaryWrite;
  }
}

// One attempt: no file when nothing is to be opened, the open file when it
// opened; the operating system's refusals are raised.
vb::NumberedFile IntentaAbrir(const std::string& sNombre, int iModo, int iLongitud, int iVerifica) {
  if (!NombreValido(sNombre)) vb::Raise(kErrNombreArchivo);
  if (iVerifica != 0 && iModo == kModoBinarioLectura && !ExisteArchivo(sNombre)) {
    forms::MsgBox("No existe archivo: " + vb::ResolvePath(sNombre), forms::vbCritical, "ERROR!");
    return vb::NumberedFile();
  }
  if (!ModoValido(iModo)) return vb::NumberedFile();
  if (iModo == kModoAleatorio) return vb::NumberedFile(sNombre, ModoDeApertura(iModo), iLongitud);
  return vb::NumberedFile(sNombre, ModoDeApertura(iModo));
}

}  // namespace

vb::NumberedFile AbreArchivo(const std::string& sNombre, int iModo, int iLongitud, int iVerifica) {
  for (;;) {
    try {
      return IntentaAbrir(sNombre, iModo, iLongitud, iVerifica);
    } catch (const vb::Error& error) {
      if (MensajeErrorArchivo(error.Number()) != kArchivoReintentar) return vb::NumberedFile();
    }
  }
}

}  // namespace korva
