#include <functional>

#include "formulario/request/tests/prueba_validacion.h"

namespace korva::prueba {
namespace {

// The findings of the payment-mode boxes of entity 1 (boxes 500 to 506, initial
// payment 535) with the UIT of 2010, 3,600.
const std::string kF1 = "Casilla  500: La deuda acogida debe ser mayor a cero ";
const std::string kF2 = "Casilla 500: La deuda acogida debe ser mayor a cero.";
const std::string kF3 = "Casilla 500: La deuda acogida debe ser mayor o igual al 10% de la UIT "
                        "vigente, es decir mayor o igual a S/. 360 nuevos soles.";
const std::string kF4 = "Casilla 503: Debe ingresar el número de cuotas de fraccionamiento.";
const std::string kF5 = "Casilla 503: El número de cuotas de fraccionamiento debe ser mayor a 1.";
const std::string kF6 = "Casilla 504: El monto de la cuota de fraccionamiento debe ser mayor o igual "
                        "al  5% de la UIT vigente, es decir mayor o igual a S/. 180 nuevos soles.";
const std::string kF7 = "Casilla 502: Debe ingresar el número de meses de aplazamiento.";
const std::string kF12 = "Casilla 504: El monto de la cuota de fraccionamiento debe ser mayor o igual "
                         "al 5% de la UIT vigente, es decir mayor o igual a S/. 180 nuevos soles.";
const std::string kF13 = "Casilla  501: Indique la Modalidad de Pago.";
const std::string kF14 = "Debe consignar el tipo de garantía de deuda.";
const std::string kF15 = "Casilla 535: El monto de la cuota de acogimiento debe ser mayor o igual al "
                         "monto mínimo, es decir mayor o igual a S/.1200 nuevos soles";
const std::string kF16 = "Casilla 535: El monto de la cuota de acogimiento debe ser mayor o igual al  "
                         "5% de la UIT vigente, es decir mayor o igual a S/. 180 nuevos soles.";
const std::string kF17Seis = "Casilla 502: Los meses de aplazamiento deben ser menores a 6meses";
const std::string kF17Cero = "Casilla 502: Los meses de aplazamiento deben ser menores a 0meses";
const std::string kF18 = "Casilla 503: El número de cuotas de fraccionamiento debe ser menor o igual a 72";
const std::string kF19 = kSinCuotaInicial;

const std::string kB1 = kSinResponder;
const std::string kE1 = "Debe ingresar al menos un registro en la opción otras deudas";
const std::string kD1 = "Ha registrado una o más deudas por periodos posteriores al máximo "
                        "permitido: 03/2010";

std::string MinimoRegimen(const std::string& sNombre, int nMinimo) {
  return "Para poder acoger las cuotas u Ops por " + sNombre + ", como mínimo deben ser " +
         std::to_string(nMinimo) + ".";
}
std::string SinAcogerRegimen(const std::string& sNombre) {
  return "Existen Ordenes de Pago " + sNombre +
         " informadas por TELVO en el rubro valores que no han sido acogidas.";
}

class Frm942ValidacionTest : public PruebaValidacion {};

// Each finding of the boxes in both of its branches: over a payment mode that
// reports nothing, the boxes named change.
TEST_F(Frm942ValidacionTest, PaymentModeBoxesReportEachFindingWithItsText) {
  struct Caso {
    const char* que;
    Casillas casillas;
    Lineas hallazgos;
    std::function<void(Frm942&)> ajuste = {};
  } casos[] = {
      {"nothing to report", {}, {}},
      {"no debt skips to the guarantee", {{500, ""}}, {kF1}},
      {"no debt: deferral months over the limit 0", {{500, ""}, {501, "2"}, {502, "1"}}, {kF1, kF17Cero}},
      {"debt of 0", {{500, "0"}}, {kF2, kF3}},
      {"debt below 10 % of the UIT", {{500, "359"}}, {kF3}},
      {"debt of 10 % of the UIT", {{500, "360"}}, {}},
      {"debt of blanks is set but empty", {{500, "   "}}, {}},
      {"instalments missing", {{503, ""}}, {kF4}},
      {"one instalment", {{503, "1"}}, {kF5}},
      {"instalment below 5 % of the UIT", {{504, "179"}}, {kF6}},
      {"instalment of 5 % of the UIT", {{504, "180"}}, {}},
      {"deferral without months", {{501, "1"}, {502, ""}}, {kF7}},
      {"deferral of a small debt reports it twice", {{501, "1"}, {502, "3"}, {500, "359"}}, {kF3, kF3}},
      {"deferral with instalments, neither given", {{501, "2"}, {502, ""}, {503, ""}}, {kF7, kF4}},
      {"deferral with one instalment", {{501, "2"}, {502, "3"}, {503, "1"}}, {kF5}},
      {"deferral with a small instalment", {{501, "2"}, {502, "3"}, {504, "179"}}, {kF12}},
      {"no payment form", {{501, ""}}, {kF13}},
      {"another payment form runs no branch", {{501, "5"}}, {}},
      {"a blank payment form runs no branch", {{501, " "}}, {}},
      {"guarantee without its type", {{506, "SI"}}, {kF14}},
      {"guarantee with its type", {{506, "SI"}}, {}, [](Frm942& f) { f.ChkGarantia(1).SetValue(forms::vbChecked); }},
      {"initial payment below the minimum", {{500, "20,000"}, {535, "100"}}, {kF15}},
      {"initial payment below 5 % of the UIT", {{535, "100"}}, {kF16}},
      {"initial payment of 0", {{535, "0"}}, {}},
      {"good taxpayer pays no minimum", {{535, "100"}}, {}, [](Frm942&) { gsBuenContrib = std::string("1"); }},
      {"old debt file pays no minimum", {{535, "100"}}, {}, [](Frm942&) { gsBuenContrib.clear(); }},
      {"good taxpayer still gives an initial payment", {{535, ""}}, {kF19}, [](Frm942&) { gsBuenContrib = std::string("1"); }},
      {"six months of deferral", {{501, "2"}, {502, "6"}}, {}},
      {"seven months of deferral", {{501, "2"}, {502, "7"}}, {kF17Seis}},
      {"72 instalments", {{503, "72"}, {535, "1,400"}}, {}},
      {"73 instalments", {{503, "73"}, {535, "1,400"}}, {kF18}},
      {"no initial payment", {{535, ""}}, {kF19}},
      {"the UIT of 2012, 3,650", {{500, "364"}, {504, "182"}},
       {"Casilla 500: La deuda acogida debe ser mayor o igual al 10% de la UIT vigente, es decir "
        "mayor o igual a S/. 365 nuevos soles.",
        "Casilla 504: El monto de la cuota de fraccionamiento debe ser mayor o igual al  5% de la "
        "UIT vigente, es decir mayor o igual a S/. 183 nuevos soles."},
       [](Frm942&) { gsPeriodo = std::string("201205"); }},
  };
  Declara(kRucAndina, 1, {});
  Abre(kRucAndina, [&](Frm942& frm) {
    frm.mkeFechaAcog.SetText(kHoy);
    for (const Caso& c : casos) {
      SCOPED_TRACE(c.que);
      gsBuenContrib = "0";
      gsPeriodo = "201005";
      frm.ChkGarantia(1).SetValue(forms::vbUnchecked);
      PagoSinHallazgos(frm);
      Llena(frm, c.casillas);
      if (c.ajuste) c.ajuste(frm);
      Valida(frm, c.hallazgos);
    }
  });
}

// The answers to the reported debts (B), the earlier regimes (C), the latest
// period of an added debt (D) and the added debt a declaration without
// reported ones needs (E), each in both branches.
TEST_F(Frm942ValidacionTest, DebtChecksReportEachFindingWithItsText) {
  const Fila reft{.tipoDoc = "001004", .orden = "'1'"};
  const Fila resit{.tipoDoc = "001007", .orden = "'1'"};
  auto con = [](Fila f, const std::function<void(Fila&)>& cambia) {
    cambia(f);
    return f;
  };
  struct Caso {
    const char* que;
    std::vector<Fila> filas;
    Lineas hallazgos;
  } casos[] = {
      {"no reported debt", {{.tipo = "04", .acoge = "Null"}}, {}},
      {"reported debt unanswered", {{.acoge = "Null"}}, {kB1}},
      {"self-assessed debt answered 0", {{.tipo = "02", .acoge = "0"}}, {kB1}},
      {"included, disagreed, no amount", {{.tipo = "03", .conforme = "2", .montoC = "''"}}, {kB1}},
      {"included, disagreed, with amount", {{.conforme = "2"}}, {}},
      {"excluded", {{.acoge = "2"}}, {}},
      {"category 05 is not asked", {{.tipo = "05", .acoge = "Null"}}, {}},
      {"one REFT order alone", {reft}, {MinimoRegimen("REFT", 2)}},
      {"two REFT orders", {reft, con(reft, [](Fila& f) { f.orden = "'2'"; })}, {}},
      {"two RESIT orders", {resit, resit}, {MinimoRegimen("RESIT", 3)}},
      {"two RESIT orders and a third of order 3", {resit, resit, con(resit, [](Fila& f) { f.orden = "'3'"; })}, {}},
      {"REFT included and excluded, RESIT's minimum then unchecked",
       {reft, con(reft, [](Fila& f) { f.acoge = "2"; }), resit, resit},
       {SinAcogerRegimen("REFT")}},
      {"an added REFT debt counts toward the minimum",
       {reft, {.tipo = "04", .acoge = "Null", .tributo = "080206", .periodoDoc = "201001"}}, {}},
      {"an added REFT debt and an included order 3",
       {con(reft, [](Fila& f) { f.orden = "'3'"; }), {.tipo = "04", .acoge = "Null", .tributo = "080206"}},
       {}},
      {"an added RESIT debt does not reach three",
       {resit, {.tipo = "04", .acoge = "Null", .tributo = "080208", .periodoDoc = "201001"}},
       {MinimoRegimen("RESIT", 3)}},
      {"an added REFT debt and an excluded order",
       {con(reft, [](Fila& f) { f.acoge = "2"; }), {.tipo = "04", .tributo = "052209"}},
       {MinimoRegimen("REFT", 2), SinAcogerRegimen("REFT")}},
      {"challenged and clean orders: clean one excluded",
       {con(reft, [](Fila& f) { f.impugnado = "01"; }), con(reft, [](Fila& f) { f.acoge = "2"; })},
       {SinAcogerRegimen("REFT")}},
      {"challenged and clean orders: an order 3 excluded",
       {con(reft, [](Fila& f) { f.impugnado = "01"; }),
        con(reft, [](Fila& f) { f.acoge = "2", f.impugnado = "01", f.orden = "'3'"; }),
        con(reft, [](Fila& f) { f.orden = "'5'"; })},
       {MinimoRegimen("REFT", 2)}},
      {"challenged and clean orders: an order 3 included",
       {con(reft, [](Fila& f) { f.impugnado = "01"; }), con(reft, [](Fila& f) { f.orden = "'3'"; })}, {}},
      {"only challenged orders, one included",
       {con(reft, [](Fila& f) { f.impugnado = "01"; })}, {MinimoRegimen("REFT", 2)}},
      {"only challenged orders, with an order 3",
       {con(reft, [](Fila& f) { f.impugnado = "01"; }),
        con(reft, [](Fila& f) { f.impugnado = "02", f.orden = "'3'"; })}, {}},
      {"added debt after the latest period", {{.tipo = "04", .periodoDoc = "201004"}}, {kD1}},
      {"added debt of the latest period", {{.tipo = "04", .periodoDoc = "201003"}}, {}},
      {"added debt of form 3", {{.tipo = "04", .periodoDoc = "201004", .codForDj = "'3'"}}, {}},
      {"added debt without form", {{.tipo = "04", .periodoDoc = "201004", .codForDj = "Null"}}, {}},
      {"added fine", {{.tipo = "04", .tributo = "061101", .periodoDoc = "201004"}}, {}},
      {"added debt of a listed tax", {{.tipo = "04", .tributo = "020101", .periodoDoc = "201004"}}, {}},
      {"only the record of no reported debts", {{.tipo = "05", .tributo = "0", .periodoDoc = "201005"}}, {kE1}},
      {"the record of no reported debts and an added one",
       {{.tipo = "05", .tributo = "0", .periodoDoc = "201005"}, {.tipo = "04"}}, {}},
  };
  Declara(kRucAndina, 1, {});
  Abre(kRucAndina, [&](Frm942& frm) {
    frm.mkeFechaAcog.SetText(kHoy);
    PagoSinHallazgos(frm);
    for (const Caso& c : casos) {
      SCOPED_TRACE(c.que);
      Deudas(frm, c.filas);
      Valida(frm, c.hallazgos);
    }
    // A declarant who is not identified by a RUC is not asked about debts.
    Deudas(frm, {{.acoge = "Null"}, {.tipo = "04", .periodoDoc = "201004"}});
    frm.nTipoDoc = 1;
    Valida(frm, {});
  });
}

// A report of every family, in the order the checks run.
TEST_F(Frm942ValidacionTest, ReportWritesTheFamiliesInTheirOrder) {
  Declara(kRucAndina, 1, {});
  Abre(kRucAndina, [&](Frm942& frm) {
    frm.mkeFechaAcog.SetText(kHoy);
    Deudas(frm, {{.tipo = "02", .acoge = "Null"},
                 {.tipoDoc = "001004", .impugnado = "01", .orden = "'1'"},
                 {.tipo = "04", .periodoDoc = "201004"}});
    Llena(frm, {{500, "0"}, {501, "2"}, {502, "7"}, {503, "1"}, {504, ""}, {506, "SI"}, {535, ""}});
    Valida(frm, {kB1, MinimoRegimen("REFT", 2), kD1, kF2, kF3, kF5, kF14, kF17Seis, kF19});
  });
}

// Quick mode stops at the first finding, leaving its text, and writes nothing;
// only the added debts' finding lets the box checks run on, and shows tab 3.
TEST_F(Frm942ValidacionTest, QuickModeStopsAtTheFirstFindingExceptTheAddedDebtsOne) {
  Declara(kRucAndina, 1, {});
  // The record of no reported debts, carrying the accepted debt that the change
  // to tab 3 computes into box 500.
  const Fila sinValores{.tipo = "05", .tributo = "0", .periodoDoc = "201005", .montoC = "'10000.00'"};
  Abre(kRucAndina, [&](Frm942& frm) {
    Completa(frm);
    struct Caso {
      const char* que;
      std::vector<Fila> filas;
      Casillas casillas;
      std::string mensaje;
      int tab;
    } casos[] = {
        {"answers", {{.acoge = "Null"}, {.tipo = "04", .periodoDoc = "201004"}}, {{500, ""}}, kB1, 0},
        {"latest period", {{.tipo = "04", .periodoDoc = "201004"}}, {{500, ""}}, kD1, 0},
        {"boxes", {{.tipo = "04"}}, {{500, "0"}}, kF2, 0},
        {"added debts", {sinValores}, {}, kE1, 3},
        {"added debts, then boxes", {sinValores}, {{503, "1"}}, kF5, 3},
    };
    for (const Caso& c : casos) {
      SCOPED_TRACE(c.que);
      driver_.ChooseTab(frm.SSTab1, 0);
      PagoSinHallazgos(frm);
      Llena(frm, c.casillas);
      Deudas(frm, c.filas);
      std::size_t nMensajes = driver_.MessageBoxes().size();
      std::uint8_t nModo = 2;
      EXPECT_FALSE(frm.ValidaTodo(nModo));
      EXPECT_EQ(gsMensaje, c.mensaje);
      EXPECT_EQ(giInconsistencia, 1);
      EXPECT_EQ(frm.SSTab1.Tab(), c.tab);
      EXPECT_EQ(driver_.MessageBoxes().size(), nMensajes);
    }
    driver_.ChooseTab(frm.SSTab1, 0);
    Deudas(frm, {{.tipo = "04"}});
    PagoSinHallazgos(frm);
    std::uint8_t nModo = 2;
    EXPECT_TRUE(frm.ValidaTodo(nModo));
    EXPECT_EQ(giInconsistencia, 0);
    EXPECT_EQ(gsMensaje, "");
  });
}

}  // namespace
}  // namespace korva::prueba
