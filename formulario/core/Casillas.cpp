#include "formulario/core/Casillas.h"

#include <algorithm>

#include "platform/vb/conv.h"
#include "platform/vb/format.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr std::array<const char*, 32> kCasillasTexto = {
    "002", "005", "007", "012", "015", "028", "501", "541", "551", "561", "571",
    "581", "591", "593", "594", "595", "596", "597", "599", "721", "790", "802",
    "806", "812", "816", "822", "826", "832", "836", "842", "846", "871"};

bool Entre(const auto& lista, const std::string& sCasilla) {
  return std::find(lista.begin(), lista.end(), sCasilla) != lista.end();
}

}  // namespace

const Bloque* BloqueDe(int nSemana) {
  for (const Bloque& bloque : kBloques)
    if (bloque.semana == nSemana) return &bloque;
  return nullptr;
}

int CasillaDe(const Bloque& bloque, Renglon renglon) {
  switch (renglon) {
    case Renglon::Cuota: return bloque.cuota;
    case Renglon::Interes: return bloque.interes;
    default: return bloque.base + static_cast<int>(renglon);
  }
}

int CasillaTipoGarantia(const Bloque& bloque) { return bloque.interes + 1; }

std::optional<Renglon> RenglonDe(int nCasilla) {
  if (nCasilla >= 500 && nCasilla <= 534) return static_cast<Renglon>((nCasilla - 500) % 7);
  if (nCasilla >= 535 && nCasilla <= 539) return Renglon::Cuota;
  return std::nullopt;
}

const Bloque& BloqueDeCasilla(int nCasilla) {
  return kBloques[nCasilla >= 535 ? nCasilla - 535 : (nCasilla - 500) / 7];
}

bool EsCasillaDeRenglon(const std::string& sCasilla, Renglon renglon) {
  return std::any_of(kBloques.begin(), kBloques.end(), [&](const Bloque& bloque) {
    return NumeroCasilla(CasillaDe(bloque, renglon)) == sCasilla;
  });
}

std::vector<int> CasillasPorFila() {
  std::vector<int> casillas;
  for (int r = 0; r <= static_cast<int>(Renglon::Garantia); ++r)
    for (const Bloque& bloque : kBloques) casillas.push_back(CasillaDe(bloque, static_cast<Renglon>(r)));
  for (const Bloque& bloque : kBloques) casillas.push_back(bloque.cuota);
  return casillas;
}

ClaseCasilla ClaseDe(const std::string& sCasilla) {
  if (Entre(kCasillasTexto, sCasilla)) return ClaseCasilla::Texto;
  if (EsCasillaDeRenglon(sCasilla, Renglon::Garantia)) return ClaseCasilla::Garantia;
  return ClaseCasilla::Numero;
}

std::string GarantiaMostrada(const std::string& sGrabado) {
  if (sGrabado == "1") return "SI";
  if (sGrabado == "0") return "NO";
  return "";
}

std::string GarantiaGrabada(const std::string& sMostrado) {
  if (sMostrado == "SI") return "1";
  if (sMostrado == "NO") return "0";
  return "";
}

std::string ValorMostrado(const std::string& sCasilla, const vb::Variant& valor) {
  std::string sValor = valor.IsNull() ? "" : vb::CStr(valor);
  switch (ClaseDe(sCasilla)) {
    case ClaseCasilla::Texto: return sValor;
    case ClaseCasilla::Garantia: return GarantiaMostrada(vb::Trim(sValor));
    case ClaseCasilla::Numero: break;
  }
  return vb::Format(valor, "##,###,###,###0");
}

std::string ValorGrabado(const std::string& sCasilla, const std::string& sValor) {
  std::string sRecortado = vb::Trim(sValor);
  switch (ClaseDe(sCasilla)) {
    case ClaseCasilla::Texto: return sRecortado;
    case ClaseCasilla::Garantia: return GarantiaGrabada(sRecortado);
    case ClaseCasilla::Numero: break;
  }
  return vb::Trim(vb::Format(vb::Variant(sValor), "###########0"));
}

std::string IdCasilla(const std::string& sCasilla) {
  constexpr std::array<const char*, 5> kCasillasDetalle = {"808", "818", "828", "838", "848"};
  return Entre(kCasillasDetalle, sCasilla) ? "05" : "01";
}

std::string NumeroCasilla(int nCasilla) {
  std::string sNumero = std::to_string(nCasilla);
  return std::string(sNumero.size() < 3 ? 3 - sNumero.size() : 0, '0') + sNumero;
}

}  // namespace korva
