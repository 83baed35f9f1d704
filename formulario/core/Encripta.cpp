#include "formulario/core/Encripta.h"

#include <string>

#include "platform/forms/services.h"

namespace korva {
namespace {

// The text shown for a file error, or "" for a number the dialog does not know.
std::string TextoErrorArchivo(int iError) {
  switch (iError) {
    case 52:
    case 64: return "El nombre de archivo es inválido.";
    case 53: return "El archivo no se encuentra.";
    case 54: return "No es posible abrir el archivo para el tipo de acceso.";
    case 55: return "El archivo ya está abierto.";
    case 57: return "El diskette está lleno.";
    case 62:
      return std::string("Este archivo no tiene un marcador standard de fin-de-archivo,") +
             "o fué hecho un intento de leer después " + "de la marca de fin-de-archivo.";
    case 68: return "El dispositivo no está disponible.";
    case 71: return "La disketera no está lista.";
    case 76: return "El path no existe.";
    default: return "";
  }
}

}  // namespace

int MensajeErrorArchivo(int iError) {
  std::string texto = TextoErrorArchivo(iError);
  if (texto.empty()) return kArchivoSinMensaje;
  int respuesta =
      forms::MsgBox(texto, forms::vbRetryCancel + forms::vbExclamation, "Error de Archivo");
  return respuesta == forms::vbRetry ? kArchivoReintentar : kArchivoCancelar;
}

}  // namespace korva
