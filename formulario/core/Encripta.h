#pragma once
// The box that asks whether to retry after the operating system refused a file.

namespace korva {

// What the file routines do after the operating system refused a file: 0 try
// again, 2 give up, 3 the error is not a file error this dialog knows.
inline constexpr int kArchivoReintentar = 0;
inline constexpr int kArchivoCancelar = 2;
inline constexpr int kArchivoSinMensaje = 3;

// Asks the user, for the runtime's file errors (52-76), whether to retry: a box
// "Error de Archivo" with Retry and Cancel and the error's Spanish text. Any other
// error number answers 3 at once without a box, so the caller handles it itself.
int MensajeErrorArchivo(int iError);

}  // namespace korva
