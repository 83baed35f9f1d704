#pragma once
// AbreArchivo: opening a file by number, asking the user to retry on refusal.
#include <string>

#include "platform/vb/numbered_file.h"

namespace korva {

// The ways AbreArchivo opens a file: 1 output (created or emptied), 2 input,
// 3 append, 4 random access with records of `iLongitud`, 5 binary reading,
// 6 binary writing.
inline constexpr int kModoSalida = 1;
inline constexpr int kModoEntrada = 2;
inline constexpr int kModoAgregar = 3;
inline constexpr int kModoAleatorio = 4;
inline constexpr int kModoBinarioLectura = 5;
inline constexpr int kModoBinarioEscritura = 6;

// Opens a file with the next free file number and answers it under its guard,
// which closes it when it goes; a guard holding no file (number 0) when nothing
// was opened. A name holding ; < = > ? [ ] * or a blank is refused as a bad file
// name. When the operating system refuses the file the user is asked through
// MensajeErrorArchivo and the open is tried again for as long as he answers
// Retry. With `iVerifica` set, a missing file in mode 5 is reported as
// "No existe archivo: " and the name, without a retry. A mode outside 1-6 opens
// nothing.
vb::NumberedFile AbreArchivo(const std::string& sNombre, int iModo, int iLongitud, int iVerifica);

}  // namespace korva
