#include "formulario/printing/LecturaSpool.h"

#include <array>
#include <cmath>

#include "formulario/spool/EtiquetasSpool.h"
#include "platform/vb/conv.h"
#include "platform/vb/error.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

// The header tags the reader knows, each with what it says.
struct EtiquetaLeida {
  EtiquetaSpool etiqueta;
  PalabraSpool palabra;
};

constexpr std::array<EtiquetaLeida, 4> kEtiquetas = {{
    {kEtiquetaFuente, PalabraSpool::Font},
    {kEtiquetaHojas, PalabraSpool::NHojas},
    {kEtiquetaColor, PalabraSpool::Color},
    {kEtiquetaOrientacion, PalabraSpool::Orientacion},
}};

constexpr std::uint32_t kColorSistema = 0x80000000;
constexpr std::uint32_t kUltimoColorSistema = 0x80000018;

// The command word and where the fields begin: the word ends at the first "|"
// (dropped), at the first "!>" (kept: the word is then a whole opening tag) or
// at the first "aHoja".
struct Palabra {
  std::string texto;
  std::size_t campos = 0;
};

std::optional<Palabra> LeePalabra(std::string_view linea) {
  for (std::size_t fin = 1; fin <= linea.size(); ++fin) {
    std::string_view leido = linea.substr(0, fin);
    if (leido.ends_with('|')) return Palabra{vb::Trim(std::string(leido.substr(0, fin - 1))), fin};
    if (leido.ends_with("!>") || leido.ends_with("aHoja")) return Palabra{vb::Trim(std::string(leido)), fin};
  }
  return std::nullopt;
}

// The text up to kBytesVisibles, without the part of a character that the cut
// would leave (in UTF-8 a character begins at every byte that does not
// continue one).
std::string_view TextoVisible(std::string_view texto) {
  if (texto.size() <= kBytesVisibles) return texto;
  std::size_t fin = kBytesVisibles;
  while (fin > 0 && (static_cast<unsigned char>(texto[fin]) & 0xC0) == 0x80) --fin;
  return texto.substr(0, fin);
}

// The fields after the word, each ended by its "|".
class Campos {
 public:
  Campos(std::string_view linea, std::size_t inicio) : linea_(linea), pos_(inicio) {}

  std::optional<std::string_view> Texto() {
    std::size_t fin = linea_.find('|', pos_);
    if (fin == std::string_view::npos) return std::nullopt;
    std::string_view campo = linea_.substr(pos_, fin - pos_);
    pos_ = fin + 1;
    return campo;
  }

  // The field's leading number rounded half to even, as a 16-bit value.
  std::optional<int> Numero() {
    std::optional<std::string_view> campo = Texto();
    if (!campo) return std::nullopt;
    double valor = 0;
    try {
      valor = vb::Val(std::string(*campo));
    } catch (const vb::Error&) {
      return std::nullopt;
    }
    double redondeado = std::nearbyint(valor);
    if (!(redondeado >= -32768 && redondeado <= 32767)) return std::nullopt;
    return static_cast<int>(redondeado);
  }

  std::optional<bool> Negrita() {
    std::optional<std::string_view> campo = Texto();
    if (!campo) return std::nullopt;
    return vb::UCase(vb::Trim(std::string(*campo))) == "TRUE";
  }

 private:
  std::string_view linea_;
  std::size_t pos_;
};

LineaSpool LeeEtiqueta(const EtiquetaLeida& etiqueta, std::string_view linea, std::size_t inicio) {
  std::size_t cierre = linea.find(etiqueta.etiqueta.cierre, inicio);
  if (cierre == std::string_view::npos) return {};
  LineaSpool leida;
  leida.palabra = etiqueta.palabra;
  leida.valor = std::string(linea.substr(inicio, cierre - inicio));
  if (etiqueta.palabra == PalabraSpool::Orientacion) leida.valor = vb::Trim(leida.valor);
  if (etiqueta.palabra == PalabraSpool::Color && !leida.valor.empty()) {
    leida.valor.pop_back();
    leida.valor = vb::Trim(leida.valor);
  }
  return leida;
}

LineaSpool LeeTexto(PalabraSpool palabra, Campos campos) {
  std::optional<int> x = campos.Numero();
  std::optional<int> y = x ? campos.Numero() : std::nullopt;
  std::optional<std::string_view> texto = y ? campos.Texto() : std::nullopt;
  std::optional<bool> negrita = texto ? campos.Negrita() : std::nullopt;
  std::optional<int> tamano = negrita ? campos.Numero() : std::nullopt;
  std::optional<int> hoja = tamano ? campos.Numero() : std::nullopt;
  if (!hoja) return {};
  LineaSpool leida;
  leida.palabra = palabra;
  leida.x1 = *x;
  leida.y1 = *y;
  leida.texto = std::string(TextoVisible(*texto));
  leida.negrita = *negrita;
  leida.tamano = *tamano;
  leida.hoja = *hoja;
  return leida;
}

LineaSpool LeeCuadro(Campos campos) {
  std::array<int, 5> numeros{};
  for (int& numero : numeros) {
    std::optional<int> leido = campos.Numero();
    if (!leido) return {};
    numero = *leido;
  }
  LineaSpool leida;
  leida.palabra = PalabraSpool::Cuadro;
  leida.x1 = numeros[0];
  leida.y1 = numeros[1];
  leida.x2 = numeros[2];
  leida.y2 = numeros[3];
  leida.hoja = numeros[4];
  return leida;
}

}  // namespace

LineaSpool LeeLineaSpool(std::string_view linea) {
  std::optional<Palabra> palabra = LeePalabra(linea);
  if (!palabra) return {};
  for (const EtiquetaLeida& etiqueta : kEtiquetas) {
    if (palabra->texto == etiqueta.etiqueta.apertura) return LeeEtiqueta(etiqueta, linea, palabra->campos);
  }
  Campos campos(linea, palabra->campos);
  if (palabra->texto == kPalabraPos) return LeeTexto(PalabraSpool::Pos, campos);
  if (palabra->texto == kPalabraPosVerti) return LeeTexto(PalabraSpool::PosVerti, campos);
  if (palabra->texto == kPalabraCuadro) return LeeCuadro(campos);
  LineaSpool leida;
  if (palabra->texto == kNuevaHoja) leida.palabra = PalabraSpool::NuevaHoja;
  return leida;
}

std::optional<std::uint32_t> LeeColorSpool(const std::string& valor) {
  if (valor.size() < 3 || valor.size() > 10 || vb::UCase(valor.substr(0, 2)) != "&H") return std::nullopt;
  std::uint32_t color = 0;
  for (char c : valor.substr(2)) {
    int digito = 0;
    if (c >= '0' && c <= '9') {
      digito = c - '0';
    } else if (c >= 'A' && c <= 'F') {
      digito = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
      digito = c - 'a' + 10;
    } else {
      return std::nullopt;
    }
    color = color * 16 + static_cast<std::uint32_t>(digito);
  }
  bool rgb = color <= 0xFFFFFF;
  bool sistema = color >= kColorSistema && color <= kUltimoColorSistema;
  if (!rgb && !sistema) return std::nullopt;
  return color;
}

}  // namespace korva
