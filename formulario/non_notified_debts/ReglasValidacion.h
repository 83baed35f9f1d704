#pragma once
// The period, date and document-number rules that the check of an added debt applies.
#include <string>

// Plain functions of the texts the check reads: periods "mm/yyyy" as typed (an
// unfilled position holds "_"), dates "dd/mm/yyyy" or yyyymmdd, tax codes in
// their 4-digit display form. yyyymm and yyyymmdd texts compare as texts.
namespace korva {

// Whether the period lies between the earliest and the latest one (both
// included, compared as yyyymm) and its month is one that `xTipo` allows: 0
// months 1-12, 1 months 1-13, 2 month 13 only, 3 months 1-12 and 14, any other
// value every month. A period with an unfilled position, or 00/0000, never does.
bool PeriodoMensualValido(const std::string& sPeriodo, const std::string& sInicio,
                          const std::string& sFinal, int xTipo);

// yyyymm of a date written "dd/mm/yyyy", "yyyy/mm/dd" or "mm/yyyy", read from
// the text (a month 13 or 14 stays as written); "" for a blank text or one that
// is no date.
std::string AnioMes(const std::string& sFecha);
// yyyymmdd of a date written "dd/mm/yyyy".
std::string AnioMesDia(const std::string& sFecha);

// The latest period of a yearly tax: December of the year before the
// acceptance's, or of two years before while the acceptance date (yyyymmdd) is
// not after the second due date.
std::string LimiteAnual(int nAnioAcog, const std::string& sFechaAcog,
                        const std::string& sVencRenta);
// The latest period "13/yyyy" of a tax with a month 13 (3071, 3081, 3037, 8131,
// 3072-3074) or of 9021: the year before the acceptance's once its month has
// passed the second due date's by one month (a good taxpayer other than for
// 9021) or two, else two years before; 3037 always the year before.
std::string LimiteMesTrece(const std::string& sTributo, int nAnioAcog, int nMesAcog, int nMesRenta,
                           bool bBuenContribuyente);
// How many months before the declaration's period the latest period of any
// other tax lies, from the acceptance date and due date (yyyymmdd): a weekly
// tax with its week chosen, a valor or infraction that needs no earlier month,
// a good taxpayer or another one.
int MesesAntes(const std::string& sFechaAcog, const std::string& sVenc, bool bSemanal,
               bool bSinDesfase, bool bBuenContribuyente);
// "mm/yyyy" of the month `nMeses` months before month `nMes` of year `nAnio`.
std::string RetrocedeMeses(int nAnio, int nMes, int nMeses);

// The latest period of FONCOMUN's 7151: May of the previous year for a payment
// in cash ("0"); otherwise January of the acceptance year from 1 February on,
// else January of the year before.
std::string Limite7151(const std::string& sTipoPago, const std::string& sFechaAcog, int nAnioAcog);
// The months 7151 is paid in: from a latest year of 2005 on and a period after
// 2004, 01, 04, 05, 07 and 10; otherwise the quarters' ends 03, 06, 09 and 12.
bool MesValido7151(const std::string& sLimite, const std::string& sAnio, const std::string& sMes);

// Whether a valor's document number has a shape its document type (the last
// digit `c` of the type's code) allows: 9, 12 or 13 digits naming the type, or
// 16 characters with a year from 76 to 94 and the letter of the type.
bool NumeroValorValido(const std::string& sNumero, const std::string& c);
// Whether an infraction notice of 13 or 14 characters carries its series: "919"
// or "010" in characters 4 to 6.
bool EstructuraInfraccionValida(const std::string& sNumero);

// The taxes a self-assessed debt may be added for without a sworn declaration:
// any of FONCOMUN and TESORO, and the earlier regimes' instalment codes of
// FONAVI, ONP and ESSALUD, each for its own entity.
bool AdmiteSinDeclaracion(int nSemana, const std::string& sTributo);

// Payments on account other than the income tax's: 3311, 3033, 3036, 3411, 3611.
bool EsOtroPagoACuenta(const std::string& sTributo);
// The taxes whose amount may be 0: the payments on account (3036 excepted), the
// weekly taxes and 9021 in any month but 13.
bool AdmiteTributoCero(const std::string& sTributo, const std::string& sMes);

}  // namespace korva
