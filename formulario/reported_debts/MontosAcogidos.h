#pragma once
#include <string>

#include "platform/vb/currency.h"
#include "platform/vb/date.h"

// The arithmetic of the reported-debt window's amount boxes, as plain functions
// of their texts. Amount texts may carry "," thousands separators; a text that
// is not a number reads 0.
namespace korva {

// The accepted total of a disagreement: the three boxes added up in whole soles
// with thousands separators ("1,500"), or "" when all three are empty.
std::string SumaAcogida(const std::string& sTributo, const std::string& sCapitalizado,
                        const std::string& sInteres);

// The entry form of a box that has the focus: the nearest whole sol without
// separators, its sign kept ("-1235"). An interest box enters its absolute value.
std::string FormaEntrada(const std::string& sMonto);
std::string FormaEntradaInteres(const std::string& sMonto);
// The display form of a box that lost the focus: whole soles with thousands
// separators ("1,235").
std::string FormaPresentacion(const std::string& sMonto);

// An amount box's text as a number, as the answer's checks read it; empty, or
// not a number, reads 0.
vb::Currency ImporteDeCaja(const std::string& sMonto);
// An accepted amount as the debt row stores it, without separators: whole
// soles ("1235"), or with two decimals ("12.30").
std::string MontoGuardado(const std::string& sMonto, bool bDecimales);

// What the interest of an agreed debt is computed from: the tributo, the
// reported capitalised and non-capitalised interest (as the window shows them),
// the date of the reported amounts, the acceptance date as typed (dd/mm/yyyy)
// and the request's period (yyyymm).
struct DatosInteres {
  std::string sTributo;
  std::string sCapitalizado;
  std::string sNoCapitalizado;
  vb::Date dReportado;
  std::string sAceptacion;
  std::string sPeriodo;
};

// The boxes of an agreed debt: capitalised interest (two decimals for an
// included debt, whole soles otherwise), interest with two decimals, and the
// accepted total in whole soles shown with ".00".
struct InteresConforme {
  std::string sCapitalizado;
  std::string sInteres;
  std::string sAcogido;
};

// The interest runs on the tributo and the capitalised interest up to the
// acceptance date. A request of December of a year up to 2005 accepted in
// January first capitalises every interest at 31 December; the interest after
// it runs on the new base.
InteresConforme CalculaInteresConforme(const DatosInteres& datos, bool bIncluida);

}  // namespace korva
