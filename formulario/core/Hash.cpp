#include "formulario/core/Hash.h"

#include <algorithm>
#include <cstring>

#include "platform/vb/encoding.h"
#include "platform/vb/error.h"
#include "platform/vb/strings.h"
#include "platform/win/file_digest.h"

namespace korva {
namespace {

constexpr int kErrSubindice = 9;
constexpr std::size_t kBytesDigesto = 20;

AreaBytes gAreaEntrada{};
AreaBytes gAreaSalida{};

// The digest library's entry: reads the zero-terminated single-byte path of the
// input area and writes the file's 20-byte SHA-1 digest at the start of the
// output area.
void DigestoDeArchivo(const AreaBytes& entrada, AreaBytes& salida) {
  const auto* inicio = reinterpret_cast<const char*>(entrada.data());
  std::string ruta(inicio, strnlen(inicio, entrada.size()));
  win::Sha1Digest digesto = win::FileSha1(vb::FromCp1252(ruta));
  std::copy(digesto.begin(), digesto.end(), salida.begin());
}

char DigitoHexadecimal(int valor) {
  return static_cast<char>(valor < 10 ? 48 + valor : 87 + valor);
}

}  // namespace

void TextoABytes(AreaBytes& area, const std::string& sTexto) {
  area.fill(0);
  std::string bytes = vb::ToCp1252(vb::Left(sTexto, vb::Len(vb::Trim(sTexto))));
  if (bytes.size() > area.size()) vb::Raise(kErrSubindice);
  std::copy(bytes.begin(), bytes.end(), area.begin());
}

std::string ByteAHexadecimal(std::uint8_t b) {
  return std::string{DigitoHexadecimal(b / 16), DigitoHexadecimal(b & 15)};
}

std::string BytesAHexadecimal(const std::uint8_t* area, std::size_t n) {
  std::string texto;
  for (std::size_t i = 0; i < n; ++i) texto += ByteAHexadecimal(area[i]);
  return texto;
}

std::string HashArchivo(const std::string& sArchivo) {
  AreaBytes area;
  TextoABytes(area, sArchivo);
  gAreaEntrada = area;
  DigestoDeArchivo(gAreaEntrada, gAreaSalida);
  return BytesAHexadecimal(gAreaSalida.data(), kBytesDigesto);
}

}  // namespace korva
