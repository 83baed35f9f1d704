#include "formulario/non_notified_debts/ReglasValidacion.h"

#include "formulario/non_notified_debts/ReglasTributo.h"
#include "platform/vb/conv.h"
#include "platform/vb/format.h"
#include "platform/vb/strings.h"
#include "platform/vb/variant.h"

namespace korva {
namespace {

bool Entre(double nValor, double nDesde, double nHasta) {
  return nValor >= nDesde && nValor <= nHasta;
}

std::string PeriodoAnioMes(const std::string& sPeriodo) {
  return vb::Right(sPeriodo, 4) + vb::Left(sPeriodo, 2);
}

bool MesPermitido(int nMes, int xTipo) {
  switch (xTipo) {
    case 0:
      return Entre(nMes, 1, 12);
    case 1:
      return Entre(nMes, 1, 13);
    case 2:
      return nMes == 13;
    case 3:
      return Entre(nMes, 1, 12) || nMes == 14;
    default:
      return true;
  }
}

// The years a 16-character number's letter admits for document type c; none
// for a letter the type does not use.
bool AnioDeLetra(const std::string& c, const std::string& sLetra, double nAnio) {
  bool bHasta93 = Entre(nAnio, 76, 93);
  bool b93o94 = Entre(nAnio, 93, 94);
  if (c == "1") return (sLetra == "A" && bHasta93) || (sLetra == "J" && b93o94);
  if (c == "2") return (sLetra == "W" && bHasta93) || (sLetra == "K" && b93o94);
  if (c == "3")
    return (EsUno(sLetra, {"B", "D", "C"}) && bHasta93) ||
           (sLetra == "H" && Entre(nAnio, 76, 94)) || (sLetra == "I" && b93o94);
  return false;
}

bool Numerico(const std::string& sTexto) { return vb::IsNumeric(vb::Variant(sTexto)); }

}  // namespace

bool PeriodoMensualValido(const std::string& sPeriodo, const std::string& sInicio,
                          const std::string& sFinal, int xTipo) {
  if (vb::InStr(sPeriodo, "_") > 0) return false;
  std::string E = PeriodoAnioMes(sPeriodo);
  if (vb::Val(E) <= 0) return false;
  if (E < PeriodoAnioMes(sInicio) || E > PeriodoAnioMes(sFinal)) return false;
  return MesPermitido(static_cast<int>(vb::Val(vb::Trim(vb::Right(E, 2)))), xTipo);
}

std::string AnioMes(const std::string& sFecha) {
  std::string f = vb::Trim(sFecha);
  if (f.size() == 10 && f[2] == '/' && f[5] == '/') return vb::Right(f, 4) + vb::Mid(f, 4, 2);
  if (f.size() == 10 && f[4] == '/' && f[7] == '/') return vb::Left(f, 4) + vb::Mid(f, 6, 2);
  if (f.size() == 7 && f[2] == '/') return PeriodoAnioMes(f);
  if (f.empty() || !vb::IsDate(vb::Variant(f))) return "";
  return vb::Format(vb::Variant(vb::CDate(vb::Variant(f))), "yyyymm");
}

std::string AnioMesDia(const std::string& sFecha) {
  return vb::Right(sFecha, 4) + vb::Mid(sFecha, 4, 2) + vb::Left(sFecha, 2);
}

std::string LimiteAnual(int nAnioAcog, const std::string& sFechaAcog,
                        const std::string& sVencRenta) {
  return "12/" + std::to_string(nAnioAcog - (sFechaAcog <= sVencRenta ? 2 : 1));
}

std::string LimiteMesTrece(const std::string& sTributo, int nAnioAcog, int nMesAcog, int nMesRenta,
                           bool bBuenContribuyente) {
  if (sTributo == "3037") return "13/" + std::to_string(nAnioAcog - 1);
  int nMargen = bBuenContribuyente && sTributo != "9021" ? 1 : 2;
  return "13/" + std::to_string(nAnioAcog - (nMesAcog >= nMesRenta + nMargen ? 1 : 2));
}

int MesesAntes(const std::string& sFechaAcog, const std::string& sVenc, bool bSemanal,
               bool bSinDesfase, bool bBuenContribuyente) {
  if (bSemanal) return sFechaAcog < sVenc ? 2 : 1;
  if (bSinDesfase) return sFechaAcog > sVenc ? 1 : 0;
  if (bBuenContribuyente) return 2;
  return sFechaAcog > sVenc ? 2 : 3;
}

std::string RetrocedeMeses(int nAnio, int nMes, int nMeses) {
  int m = nMes - nMeses;
  int y = nAnio;
  if (m <= 0) {
    m += 12;
    y -= 1;
  }
  return vb::Format(vb::Variant(m), "00") + "/" + std::to_string(y);
}

std::string Limite7151(const std::string& sTipoPago, const std::string& sFechaAcog, int nAnioAcog) {
  if (sTipoPago == "0") return "05/" + std::to_string(nAnioAcog - 1);
  bool bDesdeFebrero = sFechaAcog >= std::to_string(nAnioAcog) + "0201";
  return "01/" + std::to_string(bDesdeFebrero ? nAnioAcog : nAnioAcog - 1);
}

bool MesValido7151(const std::string& sLimite, const std::string& sAnio, const std::string& sMes) {
  if (vb::Right(sLimite, 4) >= "2005" && sAnio > "2004")
    return EsUno(sMes, {"01", "04", "05", "07", "10"});
  return EsUno(sMes, {"03", "06", "09", "12"});
}

bool NumeroValorValido(const std::string& sNumero, const std::string& c) {
  const std::string& N = sNumero;
  switch (vb::Len(N)) {
    case 9:
      return Numerico(N) && vb::InStr("123", vb::Mid(N, 4, 1)) > 0 && c == vb::Mid(N, 4, 1);
    case 12:
      return Numerico(N) && vb::InStr("01-02-03-98", vb::Mid(N, 4, 2)) > 0 &&
             (vb::Mid(N, 4, 2) == "98" || c == vb::Mid(N, 5, 1));
    case 13:
      return Numerico(N) &&
             vb::InStr("001-002-003-101-102-103-111-112-113", vb::Mid(N, 4, 3)) > 0 &&
             c == vb::Mid(N, 6, 1);
    case 16:
      return Numerico(vb::Left(N, 8)) && Numerico(vb::Mid(N, 10, 7)) &&
             AnioDeLetra(c, vb::Mid(N, 9, 1), vb::Val(vb::Left(N, 2)));
    default:
      return false;
  }
}

bool EstructuraInfraccionValida(const std::string& sNumero) {
  long nLargo = vb::Len(sNumero);
  std::string sSerie = vb::Mid(sNumero, 4, 3);
  return !(nLargo == 13 && sSerie != "919") && !(nLargo == 14 && sSerie != "010");
}

bool AdmiteSinDeclaracion(int nSemana, const std::string& sTributo) {
  switch (nSemana) {
    case 1:
    case 8:
      return true;
    case 5:
      return EsUno(sTributo, {"5056", "5057", "5058"});
    case 3:
      return EsUno(sTributo, {"5328", "5329", "5330"});
    case 2:
      return EsUno(sTributo, {"5229", "5232", "5233"});
    default:
      return false;
  }
}

bool EsOtroPagoACuenta(const std::string& sTributo) {
  return EsUno(sTributo, {"3311", "3033", "3036", "3411", "3611"});
}

bool AdmiteTributoCero(const std::string& sTributo, const std::string& sMes) {
  return EsTributoAnual(sTributo) || EsUno(sTributo, {"3311", "3411", "3611", "3033"}) ||
         EsTributoSemanal(sTributo) || (sTributo == "9021" && sMes != "13");
}

}  // namespace korva
