// The check of an entry on "Aceptar": for each rule an entry that only it
// refuses, with the box it shows (text, icon, title) and where the focus is
// afterwards. The declaration is of period 05/2010 with due dates 15/06/2010
// and 15/07/2010, the acceptance date 15/05/2010, and its taxpayer is not a
// good one; so the latest period of most taxes is 02/2010.
#include <cstring>

#include "formulario/non_notified_debts/tests/prueba_no_notificada.h"

namespace korva::prueba {
namespace {

// The boxes of a refusal: titled "Error" or with the window's caption, a
// question, the amount check's own box.
forms::MessageBoxCall Error(const std::string& texto) {
  return {texto, forms::vbCritical, "Error"};
}
forms::MessageBoxCall Titulo(const std::string& texto) {
  return {texto, forms::vbCritical, kTituloNuevo};
}
forms::MessageBoxCall Pregunta(const std::string& texto) {
  return {texto, kPregunta, kTituloNuevo};
}
forms::MessageBoxCall Validacion(const std::string& texto) {
  return {texto, forms::vbCritical, "Validación"};
}

const std::string kPeriodo = "El periodo no es válido";
const std::string kPeriodoTributo = "El periodo no es válido para el tributo seleccionado";
const std::string kMayorACero = "El monto de tributo insoluto debe ser mayor a cero.";
const std::string kMixtos =
    "No se puede combinar deudas de persona natural generadoras de rentas de capital y/o trabajo "
    "(tributos 3071, 3072, 3073, 3074) con el resto de deudas. Por favor, elija deudas de un solo "
    "tipo en la solicitud.";
const std::string kDigitos = "Registre como máximo 10 enteros y 2 decimales";

class ValidacionTest : public PruebaNoNotificada {};

void SinFecha(FrmNoNotificada&) { forms::Instance<Frm942>().mkeFechaAcog.SetText("__/__/____"); }

TEST_F(ValidacionTest, PeriodRulesRefuseAnEntryOutsideTheTaxsPeriods) {
  Comprueba(1, {
      {.periodo = "__/____", .caja = Error("Debe registrar el periodo"), .foco = "mkePeriodo"},
      {.tributo = "3071", .filas = {{"04", "200912", "030101", "9"}}, .caja = Titulo(kMixtos)},
      {.tributo = "3011", .filas = {{"01", "200912", "030702", "9"}}, .caja = Titulo(kMixtos)},
      {.periodo = "06/2010", .caja = Error(kPeriodo), .foco = "mkePeriodo"},
      {.periodo = "0_/2006", .caja = Error(kPeriodo), .foco = "mkePeriodo"},
      {.ajusta = SinFecha,
       .caja = Titulo("Debe registrar la Fecha de actualización en la pestaña Información general "
                      "de la solicitud.")},
      {.periodo = "03/2010", .caja = Error(kPeriodo), .foco = "mkePeriodo"},
      {.periodo = "12/2008", .tributo = "3072", .caja = Error(kPeriodo), .foco = "mkePeriodo"},
      {.periodo = "13/2009", .tributo = "9021", .caja = Error(kPeriodo), .foco = "mkePeriodo"},
      {.tipo = 1, .periodo = "05/2010", .tributo = "8027", .aviso = true, .caja = Error(kPeriodo),
       .foco = "mkePeriodo"},
      {.tributo = "", .caja = Error("Debe seleccionar el tributo adeudado"), .foco = "cboTributo"},
      {.periodo = "12/2009", .tributo = "3011", .caja = Error(kPeriodoTributo),
       .foco = "mkePeriodo"},
      {.periodo = "13/2008", .tributo = "3081", .caja = Error(kPeriodoTributo),
       .foco = "mkePeriodo"},
      {.periodo = "02/2010", .tributo = "3034",
       .caja = Error("El periodo no es válido para el tributo seleccionado. Debería ser entre "
                     "marzo y noviembre."),
       .foco = "mkePeriodo"},
      {.periodo = "12/1993", .tributo = "4011", .caja = Error(kPeriodoTributo),
       .foco = "mkePeriodo"},
      {.tributo = "4011", .montos = {"0.00", "0.00", "0.00"}, .caja = Titulo(kMayorACero)},
      {.tipo = 1, .periodo = "12/2001", .tributo = "8027", .aviso = true,
       .caja = Error(kPeriodoTributo), .foco = "mkePeriodo"},
  });
}

// FONCOMUN's 7151 by its payment type "0": its latest period is 05/2009.
TEST_F(ValidacionTest, FoncomunsTaxFollowsItsPaymentTypeAndMonths) {
  Comprueba(8, {
      {.tipo = 1, .periodo = "03/2009", .tributo = "7151", .pago = 0,
       .caja = Error(kPeriodoTributo), .foco = "mkePeriodo"},
      {.tipo = 1, .periodo = "07/2009", .tributo = "7151", .semana = 0, .pago = 0,
       .caja = Error(kPeriodoTributo), .foco = "mkePeriodo"},
      {.tipo = 1, .periodo = "04/2009", .tributo = "7151", .semana = 1, .pago = 0,
       .caja = Error("Tipo de pago seleccionado no corresponde al período registrado."),
       .foco = "mkePeriodo"},
      // A declaration up to 2004 needs no form: "0000" and order "0" pass to
      // the lookup of a debt already registered with them.
      {.tipo = 1, .periodo = "06/2004", .tributo = "7151", .dj = 1,
       .filas = {{"02", "200406", "071501", "0", "0000"}},
       .caja = Titulo("El valor ya se encuentra registrado en la opción Deudas autoliquidadas con "
                      "Declaración Jurada"),
       .foco = "mkePeriodo"},
  });
}

TEST_F(ValidacionTest, DocumentRulesRefuseAValorOrInfractionWithoutItsDocument) {
  Caso infraccion{.tipo = 2, .tributo = "6041", .documento = "002001"};
  auto conNumero = [&](const char* numero) {
    Caso c = infraccion;
    c.numero = numero;
    return c;
  };
  std::vector<Caso> casos = {
      {.periodo = "13/2004", .tributo = "3072", .formulario = "0660",
       .caja = Error(kPeriodoTributo), .foco = "mkePeriodo"},
      Valor({.filas = {{"01", "201001", "010101", "123312345", "0", "003000"}},
             .caja = Titulo("El valor ya se encuentra registrado en la opción valores"),
             .foco = "mkePeriodo"}),
      {.tipo = 1, .caja = Error("Debe seleccionar si tiene deuda con declaración jurada")},
      {.caja = Error("Debe seleccionar un tipo de documento"), .foco = "cboDocumento"},
      {.documento = "003000",
       .caja = Titulo("Debe ingresar un Nº de documento válido para el tributo seleccionado."),
       .foco = "txtNumDocumento"},
      {.documento = "003000", .numero = "123112345",
       .caja = Titulo("Tipo de resolución no valido."), .foco = "txtNumDocumento"},
      Valor({.filas = {{"04", "200912", "010101", "123312345"}},
             .caja = Titulo("El número de resolución que quiere actualizar ya se encuentra "
                            "registrado."),
             .foco = "txtNumDocumento"}),
      {.tipo = 2, .tributo = "6041",
       .ajusta = [](FrmNoNotificada& v) {
         v.txtDocumento.SetEnabled(true);
         v.CboTributoAsociado.SetEnabled(false);
       },
       .caja = Pregunta("No ha ingresado número de comunicación de infracción, desea continuar?")},
      {.tipo = 2, .tributo = "6041",
       .caja = Pregunta("No ha ingresado tipo de resolución. ¿Desea continuar?")},
      conNumero(""),
      conNumero("12391912345678"),
      conNumero("12345"),
      conNumero("12301012345678"),
  };
  casos[9].caja = Pregunta(
      "No ha ingresado número de resolución o comunicación de infracción. ¿Desea continuar?");
  casos[10].caja = Titulo(
      "Error en el Nº de documento. La CI debe tener la siguiente estructura: XXX010XXXXXXXX o "
      "XXX919XXXXXXX");
  casos[10].foco = "txtNumDocumento";
  casos[11].caja = Pregunta(
      "La comunicación de infracción debe ser de 13 o 14 caracteres. Se grabará en blanco "
      "¿Desea continuar?");
  casos[12].filas = {{"03", "200912", "060401", "12301012345678"}};
  casos[12].caja =
      Titulo("El número de comunicación que quiere actualizar ya se encuentra registrado.");
  casos[12].foco = "txtNumDocumento";
  Comprueba(1, casos);
}

// The forms of PARAM 728: 0621 for 1011, 2011 and 3034 from 2003, 0660 for
// 3072 from 2005.
TEST_F(ValidacionTest, SwornDeclarationRulesRefuseAFormOrderNumberWeekOrPaymentTypeThatDoesNotFit) {
  Ejecuta("INSERT INTO PARAM (Numero, Argumento, Funcion, Correl_Param) VALUES "
          "('728', '062109', '020101 2003', '000')");
  Ejecuta("INSERT INTO PARAM (Numero, Argumento, Funcion, Correl_Param) VALUES "
          "('728', '062110', '030304 2003', '000')");
  // A self-assessed debt answered "Si", by default of form 0621 and order 5.
  auto declaracion = [](Caso c) {
    c.tipo = 1;
    c.dj = 1;
    if (!*c.formulario) c.formulario = "0621";
    if (!*c.orden) c.orden = "5";
    return c;
  };
  Comprueba(1, {
      {.tipo = 1, .tributo = "8027", .dj = 0, .aviso = true,
       .caja = Titulo("Debe indicar que tiene deuda con declaración jurada"),
       .foco = "OptRespDDJJ(1)"},
      {.tipo = 1, .dj = 1,
       .caja = Titulo("Debe ingresar un formulario válido para el tributo seleccionado."),
       .foco = "txtcodform"},
      declaracion({.formulario = "0999",
                   .caja = Titulo("Se ha detectado que el formulario no es válido para el tributo "
                                  "seleccionado. Rectifique"),
                   .foco = "txtcodform"}),
      declaracion({.periodo = "13/2006", .tributo = "3072", .formulario = "0660",
                   .caja = Titulo("Se ha detectado que el formulario no es válido para el periodo "
                                  "seleccionado. Rectifique"),
                   .foco = "txtcodform"}),
      {.tipo = 1, .dj = 1, .formulario = "0621",
       .caja = Titulo("Debe ingresar un número de orden válido."), .foco = "txtNumOrd"},
      declaracion({.orden = "123", .filas = {{"02", "201001", "010101", "123", "0621"}},
                   .caja = Titulo("El valor ya se encuentra registrado en la opción Deudas "
                                  "autoliquidadas con Declaración Jurada"),
                   .foco = "mkePeriodo"}),
      declaracion(
          {.periodo = "12/2008", .tributo = "2011", .caja = Titulo("Debe ingresar la semana.")}),
      declaracion({.periodo = "12/2008", .tributo = "2011", .semana = 0,
                   .montos = {"0.00", "0.00", "0.00"}, .caja = Titulo(kMayorACero)}),
      declaracion({.periodo = "12/2008", .tributo = "2011", .semana = 2,
                   .montos = {"10.00", "5.00", "0.00"},
                   .caja = Titulo("El monto de tributo insoluto debe ser igual a cero.")}),
      declaracion({.periodo = "12/2008", .tributo = "2011", .semana = 2,
                   .montos = {"0.00", "0.00", "10.00"},
                   .caja = Titulo("El interes capitalizado debe ser mayor a cero.")}),
      declaracion({.periodo = "03/2009", .tributo = "3034",
                   .caja = Titulo("Debe ingresar el tipo de pago.")}),
      declaracion({.periodo = "04/2009", .tributo = "3034", .pago = 0,
                   .caja = Titulo("El tipo de pago no es valido para el período ingresado.")}),
      declaracion({.montos = {"0.00", "0.00", "10.00"}, .caja = Titulo(kMayorACero)}),
  });
}

// Self-assessed debts answered "No", which TESORO admits for a tax that
// requires a sworn declaration, unless the rule says otherwise.
TEST_F(ValidacionTest, DebtTypeAndAmountRulesRefuseWhatTheTaxDoesNotAdmit) {
  auto sinDJ = [](Caso c) {
    c.tipo = 1;
    c.dj = 0;
    return c;
  };
  Comprueba(1, {
      Valor({.montos = {"0.00", "0.00", "10.00"}, .caja = Titulo(kMayorACero)}),
      {.tipo = -1, .caja = Titulo("Debe ingresar el tipo de deuda.")},
      {.tipo = 2, .tributo = "6041",
       .pregunta = "No ha ingresado tipo de resolución. ¿Desea continuar?",
       .caja = Error("Debe seleccionar el tributo asociado"), .foco = "CboTributoAsociado"},
      sinDJ({.tributo = "3311", .montos = {"5.00", "0.00", "0.00"},
             .caja = Titulo("No debe consignar monto de tributo insoluto. El código de tributo es "
                            "pago a cuenta."),
             .foco = "txtmtoTributo"}),
      sinDJ({.periodo = "12/2005", .tributo = "3311", .montos = {"0.00", "0.00", "10.00"},
             .caja = Titulo("Debe consignar interes capitalizado. El código de tributo es pago a "
                            "cuenta."),
             .foco = "TxtMtoInteresesCAP"}),
      sinDJ({.tributo = "3311", .montos = {"", "0.00", "10.00"},
             .caja = Error("Debe registrar el monto del tributo adeudado"),
             .foco = "txtmtoTributo"}),
      sinDJ({.periodo = "12/2008", .tributo = "9021", .montos = {"5.00", "0.00", "0.00"},
             .caja = Titulo("No debe consignar monto de tributo insoluto. El código de tributo es "
                            "pago a cuenta."),
             .foco = "txtmtoTributo"}),
      sinDJ({.periodo = "12/2005", .tributo = "9021", .montos = {"0.00", "0.00", "10.00"},
             .caja = Titulo("Debe ingresar interes capitalizado mayor a cero. El código de tributo "
                            "es pago a cuenta."),
             .foco = "TxtMtoInteresesCAP"}),
      sinDJ({.montos = {"0.00", "0.00", "10.00"},
             .caja = Titulo("Debe registrar el monto del tributo adeudado correctamente"),
             .foco = "txtmtoTributo"}),
      sinDJ({.montos = {"12345678901.00", "0.00", "0.00"}, .caja = Validacion(kDigitos),
             .foco = "txtmtoTributo"}),
      sinDJ({.periodo = "12/2008", .tributo = "3011", .montos = {"5.00", "10.00", "0.00"},
             .caja = Titulo("No debe consignar monto de tributo insoluto. El código de tributo es "
                            "pago a cuenta al impuesto a la renta."),
             .foco = "txtmtoTributo"}),
      sinDJ({.periodo = "12/2008", .tributo = "3011", .montos = {"0.00", "0.00", "10.00"},
             .caja = Titulo("Debe ingresar interes capitalizado mayor a cero. El código de tributo "
                            "es pago a cuenta al impuesto a la renta."),
             .foco = "TxtMtoInteresesCAP"}),
      sinDJ({.montos = {"100.00", "", "0.00"},
             .caja = Error("Debe registrar el interés capitalizado del tributo adeudado"),
             .foco = "TxtMtoInteresesCAP"}),
      sinDJ({.montos = {"100.00", "-1.00", "0.00"},
             .caja = Titulo("Debe registrar el interés capitalizado del tributo adeudado "
                            "correctamente"),
             .foco = "TxtMtoInteresesCAP"}),
      sinDJ({.montos = {"100.00", "12345678901", "0.00"}, .caja = Validacion(kDigitos),
             .foco = "TxtMtoInteresesCAP"}),
      sinDJ({.montos = {"100.00", "10.00", "0.00"},
             .caja = Error("Interés capitalizado no debe ser mayor a 0.00"),
             .foco = "TxtMtoInteresesCAP"}),
      sinDJ({.montos = {"100.00", "0.00", ""},
             .caja = Error("Debe registrar el interés no capitalizado del tributo adeudado"),
             .foco = "TxtMtoIntereses"}),
      sinDJ({.montos = {"100.00", "0.00", "-1.00"},
             .caja = Titulo("Debe registrar el interés no capitalizado del tributo adeudado "
                            "correctamente"),
             .foco = "TxtMtoIntereses"}),
      sinDJ({.montos = {"100.00", "0.00", "1.234"}, .caja = Validacion(kDigitos),
             .foco = "TxtMtoIntereses"}),
      sinDJ({.ajusta = [](FrmNoNotificada& v) { v.lblMtoAcogido.SetText(""); },
             .caja = Error("Debe registrar el tributo adeudado o el interés capitalizado o el "
                           "interés no capitalizado")}),
      sinDJ({.periodo = "12/2008", .tributo = "3011", .montos = {"", "10.00", "0.00"},
             .ajusta = [](FrmNoNotificada& v) { v.lblMtoAcogido.SetText("0"); },
             .caja = Error("Debe registrar el interés capitalizado o el interés no capitalizado")}),
      sinDJ({.montos = {"4.40", "0.00", "0.00"},
             .caja = Titulo("El monto acogido debe ser mayor o igual a 5 soles.")}),
      Valor({.foco = "mkePeriodo"}),
  });
}

// Each amount box at its limit, one digit past it and at 13 digits, left by
// Enter, by Tab or by a click on "Aceptar" (3081 has a last-period date): the
// limit is stored; past it the limit's box refuses it (on Enter too) and the
// box takes the focus.
TEST_F(ValidacionTest, AmountsPastTheirLimitAreRefusedWhicheverWayTheBoxIsLeft) {
  const char* nombres[] = {"txtmtoTributo", "TxtMtoInteresesCAP", "TxtMtoIntereses"};
  std::vector<Caso> casos;
  for (int b = 0; b < 3; ++b)
    for (const char* salida : {"\r", "\t", ""})
      for (const char* monto : {"9999999999.99", "10000000000", "1000000000000"}) {
        bool excede = !std::strchr(monto, '.');
        Caso c{.tipo = 1, .periodo = "13/2004", .tributo = "3081", .dj = 0,
               .ajusta = [=, this](FrmNoNotificada& v) {
                 forms::TextBox* cajas[] = {&v.txtmtoTributo, &v.TxtMtoInteresesCAP,
                                            &v.TxtMtoIntereses};
                 if (excede && *salida == '\r') driver_.Expect(Validacion(kDigitos));
                 cajas[b]->SetText("");
                 driver_.Type(*cajas[b], std::string(monto) + salida);
               },
               .foco = excede ? nombres[b] : "mkePeriodo"};
        c.montos[b] = monto;
        if (excede) c.caja = Validacion(kDigitos);
        casos.push_back(c);
      }
  Comprueba(1, casos, [this](FrmNoNotificada&, const Caso& c) {
    if (c.foco != std::string("mkePeriodo")) return;
    EXPECT_EQ(Consulta("SELECT mto_tributo_c, mto_int_cap_c, mto_int_c FROM TMP_F0942DEUDAS "
                       "WHERE Ind_tip_deu = '04'"),
              (Filas{{c.montos[0], c.montos[1], c.montos[2]}}));
  });
}

}  // namespace
}  // namespace korva::prueba
