// Any bytes as the lines of a spool file, each read as the preview reads it:
// the reader must neither fail nor answer a page, size or position beyond the
// 16-bit values the format holds, nor a text longer than a sheet can show.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formulario/printing/LecturaSpool.h"

namespace {

bool Cabe(int valor) { return valor >= -32768 && valor <= 32767; }

void LeeLinea(std::string_view linea) {
  korva::LineaSpool leida = korva::LeeLineaSpool(linea);
  if (!Cabe(leida.x1) || !Cabe(leida.y1) || !Cabe(leida.x2) || !Cabe(leida.y2) ||
      !Cabe(leida.tamano) || !Cabe(leida.hoja) || leida.texto.size() > korva::kBytesVisibles)
    std::abort();
  if (leida.palabra == korva::PalabraSpool::Color) korva::LeeColorSpool(leida.valor);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
  std::string_view texto(reinterpret_cast<const char*>(datos), tamano);
  while (!texto.empty()) {
    std::size_t fin = texto.find_first_of("\r\n");
    LeeLinea(texto.substr(0, fin));
    if (fin == std::string_view::npos) break;
    texto.remove_prefix(fin + 1);
  }
  return 0;
}
