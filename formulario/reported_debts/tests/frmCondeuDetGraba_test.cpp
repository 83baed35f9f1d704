// "&Aceptar" of the reported-debt window: the checks of the answer and its
// storage in the working tables, on debts of a generated debt file.
#include <cmath>
#include <cstdio>
#include <regex>

#include "formulario/reported_debts/tests/prueba_deudas.h"
#include "platform/dao/dao.h"

namespace korva::prueba {
namespace {

using debtfile::Fields;
using forms::MessageBoxCall;
using Textos = std::vector<std::string>;

constexpr const char* kValores = "Valores";
constexpr const char* kCancelado = "Se canceló la actualización de la información.";

MessageBoxCall Informa(const std::string& texto) { return {texto, forms::vbInformation, kValores}; }
MessageBoxCall Critico(const std::string& texto) { return {texto, forms::vbCritical, kValores}; }

// The text of a stored field as the check code reads it: a date as yyyymmdd,
// a number or a text trimmed, anything else empty.
std::string TextoControl(const vb::Variant& valor) {
  switch (valor.Type()) {
    case vb::vbDate: return vb::Format(valor, "yyyymmdd");
    case vb::vbString: return vb::Trim(valor.As<std::string>());
    case vb::vbByte:
    case vb::vbInteger:
    case vb::vbLong:
    case vb::vbDouble:
    case vb::vbCurrency: return vb::Trim(vb::CStr(valor));
    default: return "";
  }
}

// A number in the regional format counts its leading digits (and one point);
// any other text counts 0.
double NumeroInicial(const std::string& texto) {
  static const std::regex numero(R"([+-]?(\d+|\d{1,3}(,\d{3})+)?(\.\d*)?)");
  if (!std::regex_match(texto, numero) || texto.find_first_of("0123456789") == std::string::npos)
    return 0;
  std::size_t fin = texto.find_first_not_of("0123456789.");
  std::string inicio = texto.substr(0, fin);
  if (inicio.empty()) return 0;
  return std::stod(inicio.substr(0, inicio.find('.', inicio.find('.') + 1)));
}

std::string TresUltimos(double suma) {
  char digitos[32];
  std::snprintf(digitos, sizeof digitos, "%020.0f", std::round(suma));
  return std::string(digitos).substr(17);
}

// The check code of the only row of `sql`, computed as the design describes it
// and independently of the program's own routine: the first n fields summed by
// their leading numbers, the following ones up to the one before the check
// column by position times character code.
std::string CodigoControl(const std::string& sql, int n) {
  dao::RecordsetPtr rs = gDB->OpenRecordset(sql, dao::dbOpenSnapshot);
  dao::Fields& campos = rs->Fields();
  double a = 0;
  double b = 0;
  for (int i = 0; i + 1 < campos.Count(); ++i) {
    std::string texto = TextoControl(campos[i].Value());
    if (i < n) {
      a += NumeroInicial(texto);
    } else {
      for (std::size_t p = 0; p < texto.size(); ++p) b += (p + 1.0) * static_cast<unsigned char>(texto[p]);
    }
  }
  return TresUltimos(a) + TresUltimos(b);
}

class GrabaConciliacionTest : public PruebaDeudas {
 protected:
  // Debts of tributo 1,000.00 with reported capitalised interest 20.00 and
  // interest 3.25 (or the one given).
  static std::function<void(Fields&)> Importes(std::function<void(Fields&)> ajusta,
                                             const char* interes = "3.25") {
    return [ajusta, interes](Fields& f) {
      f[campo::kTributoInsoluto] = "1000.00";
      f[campo::kInteresCapitalizado] = "20.00";
      f[campo::kInteres] = interes;
      ajusta(f);
    };
  }
  void Responde(const std::string& numero, const std::string& asignaciones) {
    Ejecuta("UPDATE F0942DEUDAS SET " + asignaciones + " WHERE num_doc = " + vb::SqlText(numero));
  }
  static std::string DeLaDeuda(const std::string& numero) {
    return " WHERE num_doc = " + vb::SqlText(numero);
  }

  // Every row of the three working tables, one text each.
  Textos Trabajo() {
    Textos filas;
    for (const char* orden : {"TMP_F0942DEUDAS ORDER BY num_doc",
                              "TMP_F0942MOTIVO ORDER BY num_doc, cod_motivo",
                              "TMP_F0942SUSTEN ORDER BY num_doc, cod_motivo, num_sust"}) {
      for (const auto& fila : Consulta(std::string("SELECT * FROM ") + orden)) {
        std::string texto = orden;
        for (const std::string& valor : fila) texto += "|" + valor;
        filas.push_back(texto);
      }
    }
    return filas;
  }

  // The stored answer of a debt: inclusion, agreement, the four accepted
  // amounts and whether its check code is the design's.
  std::string Respuesta(const std::string& numero) {
    std::string sql = "SELECT * FROM TMP_F0942DEUDAS" + DeLaDeuda(numero);
    Filas filas = Consulta("SELECT ind_acog, ind_conf, mto_tributo_c, mto_int_cap_c, mto_int_c, "
                           "mto_act_c, cnumero FROM TMP_F0942DEUDAS" + DeLaDeuda(numero));
    if (filas.size() != 1) return "no row";
    Textos& f = filas[0];
    return f[0] + " " + f[1] + " " + f[2] + " " + f[3] + " " + f[4] + " " + f[5] +
           (f[6] == CodigoControl(sql, 9) ? " ok" : " code " + f[6]);
  }

  // The motive rows of a debt, "cod_motivo" each, and its supporting rows from
  // cod_motivo to fec_pago; "ok" after each whose check code is the design's.
  Textos Motivos(const std::string& numero) {
    Textos filas;
    for (const auto& f : Consulta("SELECT cod_motivo, cnumero FROM TMP_F0942MOTIVO" +
                                  DeLaDeuda(numero) + " ORDER BY cod_motivo")) {
      std::string sql = "SELECT * FROM TMP_F0942MOTIVO" + DeLaDeuda(numero) + " AND cod_motivo = " + f[0];
      filas.push_back(f[0] + (f[1] == CodigoControl(sql, 8) ? " ok" : " code " + f[1]));
    }
    return filas;
  }
  Textos Sustentos(const std::string& numero) {
    Textos filas;
    for (const auto& f : Consulta("SELECT cod_motivo, num_sust, cod_formulario, num_orden, num_res, "
                                  "tip_impug, num_exp, des_otros, fec_pago, cnumero FROM "
                                  "TMP_F0942SUSTEN" + DeLaDeuda(numero) +
                                  " ORDER BY cod_motivo, num_sust")) {
      std::string sql = "SELECT * FROM TMP_F0942SUSTEN" + DeLaDeuda(numero) + " AND cod_motivo = " +
                        f[0] + " AND num_sust = " + f[1];
      std::string texto = f[0];
      for (std::size_t i = 1; i + 1 < f.size(); ++i) texto += "|" + f[i];
      filas.push_back(texto + (f.back() == CodigoControl(sql, 10) ? " ok" : " code " + f.back()));
    }
    return filas;
  }

  // A motive whose supporting data the window holds already.
  void ConSustento(frmCondeuDet& det, int motivo) {
    driver_.Click(det.chkmotivo(motivo));
    det.chkmotivo(motivo).SetTag("1");
  }
  // Presses "&Aceptar" of a stored answer: the next row is offered and
  // declined, or the last row's notice is shown.
  void Acepta(frmCondeuDet& det, bool ultima) {
    if (ultima) {
      driver_.Expect({"La información se actualizó satisfactoriamente", forms::vbInformation, kValores});
    } else {
      driver_.Expect({"¿Desea continuar con la actualización del siguiente registro de Deudas?",
                      forms::vbYesNo + forms::vbQuestion, kValores},
                     forms::vbNo);
    }
    driver_.Click(det.cmdOpcion(0));
  }
  // A disagreement accepting 1,000 and 23.00, the reported total of a debt of
  // interest 3.00: the question whether to go on is answered Yes, `mientras`
  // running while it is shown.
  void AcogeLoReportado(frmCondeuDet& det, std::function<void()> mientras = {}) {
    Contesta(det, 0, 1);
    ConSustento(det, 1);
    driver_.Replace(det.txtmtoTributo, "1000");
    driver_.Replace(det.lblMtoInteres, "23");
    driver_.Expect({"Se ha detectado que la deuda según TELVO es igual a la deuda que está "
                    "acogiendo, ¿Desea continuar?",
                    forms::vbYesNo + forms::vbQuestion, kValores},
                   forms::vbYes, std::move(mientras));
  }
  // Answers the inclusion ("&Si" 0, "&No" 1) and, for an included debt, the
  // agreement ("S&i" 0, "N&o" 1).
  void Contesta(frmCondeuDet& det, int acoge, int conforme = -1) {
    driver_.Click(det.optAcogeFrac(acoge));
    if (conforme >= 0) driver_.Click(det.optConformeMto(conforme));
  }
};

// A refused answer shows its messages (icon and title each), leaves every
// working table as it was and the window open, and ends its transaction.
TEST_F(GrabaConciliacionTest, RefusalsShowTheirMessagesAndStoreNothing) {
  ImportaLineas({Linea("01", "N-1", Importes(Con("010101", "200905"))),
                 Linea("01", "N-07", Importes(Con("010101", "200904", "07"))),
                 Linea("01", "N-I3", Importes(Con("010101", "200903", "00", "03"))),
                 Linea("01", "N-3031", Importes(Con("030301", "200505"))),
                 Linea("01", "N-EQ", Importes(Con("010101", "200502"), "3.00")),
                 Linea("01", "N-2005", Importes(Con("010101", "200505"))),
                 Linea("01", "N-LIM", Importes(Con("010101", "200501"), "9999999999999"))});
  const std::string kSinSustento = "Debe especificar un motivo y su respectivo sustento.";
  const std::string kApelacion =
      "Debe registrar el motivo de desistimiento aceptado o el motivo Lit. g) Art.3° de RS 199-2004";
  struct Caso {
    const char* nombre;
    const char* numero;
    std::function<void(frmCondeuDet&)> responde;
    std::vector<MessageBoxCall> mensajes;
    int enfocado = 0;  // the motive whose box takes the focus
    std::function<void(Frm942&)> antes = {};
  };
  auto junto6 = [this](int motivo, const std::string& titulo) {
    return Caso{"motive 6 beside a motive without its supporting data", "N-07",
                [this, motivo](frmCondeuDet& det) {
                  Contesta(det, 0, 1);
                  driver_.Click(det.chkmotivo(6));
                  driver_.Click(det.chkmotivo(motivo));
                },
                {Informa("Se ha detectado que ha seleccionado un motivo (" + titulo + ") pero no ha "
                         "registrado su sustento. Actualice la información respectiva o no "
                         "seleccione el motivo."),
                 Critico(kCancelado)}, motivo};
  };
  auto tributo = [this](const char* monto, const char* interes = "") {
    return [this, monto, interes](frmCondeuDet& det) {
      Contesta(det, 0, 1);
      ConSustento(det, 1);
      driver_.Replace(det.txtmtoTributo, monto);
      driver_.Replace(det.lblMtoInteres, interes);
    };
  };
  const Caso casos[] = {
      {"no inclusion", "N-1", [](frmCondeuDet&) {},
       {Critico("Debe seleccionar un tipo de acogimiento.")}},
      {"no agreement", "N-1", [this](frmCondeuDet& det) { Contesta(det, 0); },
       {Critico("Debe seleccionar un tipo de conformidad del monto.")}},
      {"motives 4 and 6 with state 07", "N-07",
       [this](frmCondeuDet& det) {
         Contesta(det, 0, 1);
         ConSustento(det, 4);
         driver_.Click(det.chkmotivo(6));
       },
       {Informa("El motivo de desistimiento aceptado y el motivo Lit. g) Art.3° de RS 199-2004 son "
                "excluyentes"),
        Critico(kCancelado)}},
      {"motive without its supporting data", "N-1",
       [this](frmCondeuDet& det) {
         Contesta(det, 0, 1);
         ConSustento(det, 3);
         driver_.Click(det.chkmotivo(1));
       },
       {Informa("Se ha detectado que ha seleccionado un motivo (Pagos no considerados) pero no ha "
                "registrado su sustento. Actualice la información respectiva o no seleccione el "
                "motivo."),
        Critico(kCancelado)},
       1},
      junto6(2, "Modificación de datos"), junto6(3, "Error material (Art. 108 C.T.)"),
      junto6(5, "DDJJ rectificatoria"),
      {"no motive", "N-1", [this](frmCondeuDet& det) { Contesta(det, 0, 1); },
       {Informa(kSinSustento), Critico(kCancelado)}},
      {"no motive, motive 6 open", "N-07", [this](frmCondeuDet& det) { Contesta(det, 0, 1); },
       {Informa(kSinSustento), Critico(kCancelado)}, 6},
      {"motive 6 stands for the others", "N-07",
       [this](frmCondeuDet& det) {
         Contesta(det, 0, 1);
         driver_.Click(det.chkmotivo(6));
         driver_.Click(det.chkmotivo(1));
       },
       {Critico("Debe ingresar un monto de tributo.")}},
      {"valor under appeal without motive 4 or 6", "N-I3",
       [this](frmCondeuDet& det) {
         Contesta(det, 0, 1);
         ConSustento(det, 1);
       },
       {Informa(kApelacion), Critico(kCancelado)}, 4},
      {"agreed valor under appeal without motives", "N-I3",
       [this](frmCondeuDet& det) { Contesta(det, 0, 0); },
       {Informa(kSinSustento), Critico(kCancelado)}},
      {"no tributo", "N-1", tributo(""), {Critico("Debe ingresar un monto de tributo.")}},
      {"tributo 0", "N-1", tributo("0", "10"),
       {Informa("Debe registrar un importe mayor a cero en el tributo insoluto")}},
      {"capitalised interest of a capitalised tax", "N-3031",
       [this](frmCondeuDet& det) {
         Contesta(det, 0, 1);
         ConSustento(det, 1);
         driver_.Replace(det.lblMtoInteres, "10");
       },
       {Informa("Debe registrar un importe mayor a cero en interes capitalizado")}},
      {"capitalised interest in the year of acceptance", "N-2005",
       [this](frmCondeuDet& det) {
         Contesta(det, 0, 1);
         ConSustento(det, 1);
         driver_.Replace(det.txtmtoTributo, "100");
         driver_.Replace(det.lblMtoInteresCAP, "10");
       },
       {Informa("Interés capitalizado no debe ser mayor a 0.00")}, 0,
       [](Frm942& frm) { frm.mkeFechaAcog.SetText("16/05/2005"); }},
      {"accepted total below 5", "N-1", tributo("4"),
       {Informa("Debe registrar monto acogido mayor o igual a 5 soles")}},
      {"accepted total of the reported debt, declined", "N-EQ", tributo("1000", "23"),
       {{"Se ha detectado que la deuda según TELVO es igual a la deuda que está acogiendo, "
         "¿Desea continuar?",
         forms::vbYesNo + forms::vbQuestion, kValores}}},
      {"agreed debt whose interest passes the boxes' limit", "N-LIM",
       [this](frmCondeuDet& det) { Contesta(det, 0, 0); },
       {{"Registre como máximo 12 enteros y 2 decimales", forms::vbCritical, "Validación"}}},
      {"row gone", "N-1",
       [this](frmCondeuDet& det) {
         Contesta(det, 1);
         Ejecuta("DELETE FROM TMP_F0942DEUDAS WHERE num_doc = 'N-1'");
       },
       {Critico("Error de integridad. No se encontró el registro a actualizar.")}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    AbreDetalle(1, c.numero, [&](frmCondeuDet& det) {
      c.responde(det);
      Textos antes = Trabajo();
      std::string monto = det.lblMtoAcogido.Text();
      bool modificado = det.bModificado;
      for (const MessageBoxCall& mensaje : c.mensajes)
        driver_.Expect(mensaje, mensaje.style & forms::vbYesNo ? forms::vbNo : forms::vbOK);
      gbOfreceSiguiente = false;
      driver_.Click(det.cmdOpcion(0));
      EXPECT_EQ(Trabajo(), antes);
      EXPECT_TRUE(det.IsLoaded());
      EXPECT_TRUE(gbOfreceSiguiente);
      EXPECT_EQ(det.bModificado, modificado);
      EXPECT_EQ(det.lblMtoAcogido.Text(), monto);
      EXPECT_EQ(dao::Engine().Workspaces(0).TransactionLevel(), 0);
      if (c.enfocado) {
        EXPECT_EQ(det.ActiveControl(), &det.chkmotivo(c.enfocado));
      }
    }, c.antes);
    EXPECT_EQ(driver_.PendingAnswers(), 0u);
  }
}

// The installer makes the working tables again while the window asks whether
// to go on: the answer is not stored into tables that no longer hold the
// declaration, the user is told and the transaction is ended.
TEST_F(GrabaConciliacionTest, AnswerIsNotStoredOnceTheWorkingTablesLostTheDeclaration) {
  ImportaLineas({Linea("01", "N-EQ", Importes(Con("010101", "200502"), "3.00"))});
  AbreDetalle(1, "N-EQ", [&](frmCondeuDet& det) {
    AcogeLoReportado(det, [this] { InstalaTablas(); });
    driver_.Expect(Critico(kTemporalesPerdidas));
    driver_.Click(det.cmdOpcion(0));
    EXPECT_EQ(Trabajo(), Textos{});
    EXPECT_EQ(dao::Engine().Workspaces(0).TransactionLevel(), 0);
  });
}

// A debt of the taxes 3071 to 3074 is not accepted beside an accepted debt of
// any other tax, nor another debt beside one of them; the icon depends on
// which side the debt is and on the category counted.
TEST_F(GrabaConciliacionTest, TaxGroupIsNotMixedWithOtherAcceptedDebts) {
  ImportaLineas({Linea("01", "G-3072", Importes(Con("030702", "200905"))),
                 Linea("01", "G-1011", Importes(Con("010101", "200904"))),
                 Linea("01", "X-3071", Importes(Con("030701", "200903"))),
                 Linea("02", "X-02", Importes(Con("010101", "200902"))),
                 Linea("02", "X-0206", Importes(Con("010101", "200901", "06")))});
  const std::string kMezcla =
      "No se puede combinar deudas de persona natural generadoras de rentas de capital y/o trabajo "
      "(tributos 3071, 3072, 3073, 3074) con el resto de deudas. Por favor, elija deudas de un solo "
      "tipo en la solicitud.";
  struct Caso {
    const char* numero;
    const char* aceptada;  // another debt accepted beforehand, "04" for a non-notified one
    int icono;             // 0: the answer is stored
  } casos[] = {
      {"G-3072", "04", forms::vbCritical},
      {"G-3072", "X-02", forms::vbInformation},
      {"G-3072", "X-0206", 0},
      {"G-3072", "G-1011", forms::vbInformation},
      {"G-1011", "X-3071", forms::vbCritical},
      {"G-1011", "X-02", 0},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string(c.numero) + " beside " + c.aceptada);
    Ejecuta("UPDATE F0942DEUDAS SET ind_acog = Null");
    Ejecuta("DELETE FROM F0942DEUDAS WHERE ind_tip_deu = '04'");
    if (std::string(c.aceptada) == "04") {
      Deuda noNotificada;
      noNotificada.tipo = "04";
      noNotificada.acoge = "1";
      InsertaDeuda("", Clave({kRucAndina, "201005", 1}), noNotificada);
    } else {
      Responde(c.aceptada, "ind_acog = 1");
    }
    AbreDetalle(1, c.numero, [&](frmCondeuDet& det) {
      Contesta(det, 0, 0);
      if (c.icono) {
        driver_.Expect({kMezcla, c.icono, kValores});
        driver_.Click(det.cmdOpcion(0));
      } else {
        Acepta(det, false);
      }
      EXPECT_EQ(vb::Left(Respuesta(c.numero), 3), c.icono ? "Nul" : "1 1");
    });
    EXPECT_EQ(driver_.PendingAnswers(), 0u);
  }
}

// An agreed debt stores the boxes as whole soles and two decimals; one not
// included stores zeros and no agreement, since its agreement options are
// cleared and disabled; a tax whose tributo the disagreement fixed at 0 (3061)
// is stored with it.
TEST_F(GrabaConciliacionTest, StoresTheAmountsOfEachKindOfAnswer) {
  ImportaLineas({Linea("01", "A-1", Importes([](Fields& f) {
                   Con("010101", "200905")(f);
                   f[campo::kTributoInsoluto] = "1234.56";
                 })),
                 Linea("01", "A-2", Importes(Con("010101", "200904"))),
                 Linea("01", "A-3061", Importes(Con("030601", "200903"))),
                 Linea("01", "A-4", Importes(Con("010101", "200902"), "3.00")),
                 Linea("01", "A-5", Importes(Con("010101", "200405")))});
  struct Caso {
    const char* numero;
    std::function<void(frmCondeuDet&)> responde;
    std::string respuesta;
  };
  std::vector<Caso> casos = {
      {"A-1", [this](frmCondeuDet& det) { Contesta(det, 0, 0); }, "1 1 1235 20.00 3.25 1258 ok"},
      {"A-2", [this](frmCondeuDet& det) { Contesta(det, 1); }, "2 0 0 0 0 0 ok"},
      {"A-3061",
       [this](frmCondeuDet& det) {
         Contesta(det, 0, 1);
         ConSustento(det, 1);
         driver_.Replace(det.lblMtoInteres, "100");
       },
       "1 2 0 0.00 100.00 100 ok"},
      {"A-4", [this](frmCondeuDet& det) { AcogeLoReportado(det); }, "1 2 1000 0.00 23.00 1023 ok"},
  };
  // Each box of a disagreement typed with 12 digits and with a 13th, which it
  // refuses, and left by Enter, by Tab or by "&Aceptar": the 12 digits are stored.
  const char* guardados[] = {"999999999999 0.00 0.00 999999999999",
                             "100 999999999999.00 0.00 1000000000099",
                             "100 0.00 999999999999.00 1000000000099"};
  for (int b = 0; b < 3; ++b)
    for (const char* salida : {"\r", "\t", ""})
      for (std::string monto : {"999999999999", "9999999999999"})
        casos.push_back({"A-5", [=, this](frmCondeuDet& det) {
                           Contesta(det, 0, 1);
                           ConSustento(det, 1);
                           forms::TextBox* cajas[] = {&det.txtmtoTributo, &det.lblMtoInteresCAP,
                                                      &det.lblMtoInteres};
                           if (b > 0) driver_.Type(det.txtmtoTributo, "100");
                           driver_.Type(*cajas[b], monto + salida);
                         },
                         std::string("1 2 ") + guardados[b] + " ok"});
  for (const Caso& c : casos) {
    AbreDetalle(1, c.numero, [&](frmCondeuDet& det) {
      c.responde(det);
      Acepta(det, std::string(c.numero) == "A-5");
      EXPECT_EQ(Respuesta(c.numero), c.respuesta);
      EXPECT_FALSE(det.bModificado);
    });
    EXPECT_EQ(driver_.PendingAnswers(), 0u) << c.numero;
  }
}

// Every motive 1 to 6 with its supporting data handed back by the dialog: one
// motive row each and the supporting rows of the per-motive table, each with
// the design's check code.
TEST_F(GrabaConciliacionTest, StoresEachMotiveWithItsSupportingRows) {
  ImportaLineas({Linea("01", "M-1", Importes(Con("010101", "200905", "00", "06"))),
                 Linea("01", "M-2", Importes(Con("010101", "200904")))});
  AbreDetalle(1, "M-1", [this](frmCondeuDet& det) {
    Contesta(det, 0, 1);
    DaSustento(det, 1, [this](frmSustento& s) {
      for (auto [formulario, orden] :
           {std::pair{"621", "1"}, {"1662", "123456789"}, {"119", "7"}}) {
        driver_.Replace(s.txtcodform, formulario);
        driver_.Replace(s.txtNumOrd, orden);
        driver_.Focus(s.mkeFechaPago);
        driver_.Keys(s, "05012010");
        driver_.Click(s.cmdAccion(0));
      }
    });
    auto referencias = [this](const char* primero, const char* segundo) {
      return [this, primero, segundo](frmSustento& s) {
        driver_.Type(s.txt01, primero);
        if (s.txt02.Visible()) driver_.Type(s.txt02, segundo);
      };
    };
    DaSustento(det, 2, referencias("194", "5"));
    DaSustento(det, 3, referencias("exp9", ""));
    DaSustento(det, 4, referencias("res1", ""));
    DaSustento(det, 5, referencias("621", "987654321"));
    driver_.Click(det.chkmotivo(6));
    driver_.Replace(det.txtmtoTributo, "900");
    driver_.Replace(det.lblMtoInteres, "50");
    Acepta(det, false);
    EXPECT_EQ(Respuesta("M-1"), "1 2 900 0.00 50.00 950 ok");
    EXPECT_EQ(Motivos("M-1"), (Textos{"1 ok", "2 ok", "3 ok", "4 ok", "5 ok", "6 ok"}));
    EXPECT_EQ(Sustentos("M-1"), (Textos{"1|1|0621|1|0|0|0|-|05/01/2010 ok",
                                        "1|2|1662|123456789|0|0|0|-|05/01/2010 ok",
                                        "1|3|0119|7|0|0|0|-|05/01/2010 ok",
                                        "2|1|0194|5|0|0|0|-|01/01/1901 ok",
                                        "3|1|0|0|0|0|EXP9|-|01/01/1901 ok",
                                        "4|1|0|0|RES1|0|0|-|01/01/1901 ok",
                                        "5|1|0621|987654321|0|0|0|-|01/01/1901 ok",
                                        "6|1|0|0|0|0|0|-|01/01/1901 ok"}));
    EXPECT_EQ(Motivos("M-2"), Textos{});
  });
}

// A stored answer loaded and stored again (its document number holds an
// apostrophe, which the lookup and the deletes quote): an unticked motive loses
// its rows, empty order numbers of motives 2 and 5 are stored as 0, a payment
// whose order-number part is blank stores 0, and motive 8 keeps its rows.
TEST_F(GrabaConciliacionTest, StoringALoadedAnswerReplacesMotivesOneToSix) {
  ImportaLineas({Linea("01", "O'RE-3", Importes(Con("010101", "200905")))});
  Responde("O'RE-3", "ind_acog = 1, ind_conf = 2, mto_tributo_c = '900', mto_int_c = '50', "
                     "mto_act_c = '950'");
  auto motivo = [this](int cod, const std::string& sustento) {
    std::string clave = "6, '" + std::string(kRucAndina) + "', '201005', '0942', 1, ind_tip_deu, "
                        "per_doc, cod_tri, num_doc, cod_for, " + std::to_string(cod);
    Ejecuta("INSERT INTO F0942MOTIVO SELECT " + clave + ", '000000' FROM F0942DEUDAS");
    Ejecuta("INSERT INTO F0942SUSTEN SELECT " + clave + ", 1, " + sustento + ", '000000' FROM F0942DEUDAS");
  };
  motivo(2, "'0194', 0, '0', 0, '0', '-', '01/01/1901'");
  motivo(3, "'0', 0, '0', 0, 'EXP-9', '-', '01/01/1901'");
  motivo(5, "'0621', 0, '0', 0, '0', '-', '01/01/1901'");
  motivo(8, "'0', 0, '0', 0, '0', 'OTRO', '01/01/1901'");
  AbreDetalle(1, "O'RE-3", [this](frmCondeuDet& det) {
    driver_.Click(det.chkmotivo(3));
    ConSustento(det, 1);
    det.lstForm.AddItem("0621" + std::string(21, ' ') + "05/01/2010");
    Acepta(det, true);
    EXPECT_EQ(Motivos("O'RE-3"), (Textos{"1 ok", "2 ok", "5 ok", "8 code 000000"}));
    EXPECT_EQ(Sustentos("O'RE-3"), (Textos{"1|1|0621|0|0|0|0|-|05/01/2010 ok",
                                           "2|1|0194|0|0|0|0|-|01/01/1901 ok",
                                           "5|1|0621|0|0|0|0|-|01/01/1901 ok",
                                           "8|1|0|0|0|0|0|OTRO|01/01/1901 code 000000"}));
  });
}

// After a save the grid and its total are reloaded and the next row is
// offered: "Sí" shows it in the same window, "No" keeps the grid on the stored
// row; the last row ends with a notice and the grid stays on it. A total that
// read "0" is not recomputed.
TEST_F(GrabaConciliacionTest, RefreshesTheRequestFormAndOffersTheNextDebt) {
  ImportaLineas({Linea("01", "P-0", Importes(Con("010101", "200906"))),
                 Linea("01", "P-1", Importes(Con("010101", "200905"))),
                 Linea("01", "P-2", Importes(Con("010101", "200904")))});
  Responde("P-0", "ind_acog = 1, ind_conf = 1, mto_act_c = '500'");
  const char* kSiguiente = "¿Desea continuar con la actualización del siguiente registro de Deudas?";
  AbreDetalle(1, "P-1", [&](frmCondeuDet& det) {
    Frm942& frm = forms::Instance<Frm942>();
    EXPECT_EQ(frm.txtmtototal(1).Text(), "500");
    Contesta(det, 0, 0);
    // Declined, the grid stays on the stored debt, so that storing it again
    // offers the debt after it.
    driver_.Expect({kSiguiente, forms::vbYesNo + forms::vbQuestion, kValores}, forms::vbNo);
    driver_.Click(det.cmdOpcion(0));
    EXPECT_EQ(frm.Dat(1).Recordset()->AbsolutePosition(), 1);
    EXPECT_EQ(vb::CStr(frm.TDBGrid(1).Columns("num_doc").Value()), "P-1");
    driver_.Expect({kSiguiente, forms::vbYesNo + forms::vbQuestion, kValores}, forms::vbYes);
    driver_.Click(det.cmdOpcion(0));
    EXPECT_EQ(frm.txtmtototal(1).Text(), "1,523");
    EXPECT_EQ(det.lblNumvalor.Text(), "P-2");
    EXPECT_EQ(frm.Dat(1).Recordset()->AbsolutePosition(), 2);
    EXPECT_FALSE(det.bModificado);
    Contesta(det, 1);
    driver_.Expect({"La información se actualizó satisfactoriamente", forms::vbInformation, kValores});
    driver_.Click(det.cmdOpcion(0));
    EXPECT_EQ(frm.Dat(1).Recordset()->AbsolutePosition(), 2);
    EXPECT_EQ(vb::CStr(frm.TDBGrid(1).Columns("ind_acog").Value()), "2");
    EXPECT_EQ(frm.txtmtototal(1).Text(), "1,523");
  });
  Ejecuta("UPDATE F0942DEUDAS SET mto_act_c = ''");
  AbreDetalle(1, "P-0", [&](frmCondeuDet& det) {
    Frm942& frm = forms::Instance<Frm942>();
    EXPECT_EQ(frm.txtmtototal(1).Text(), "0");
    Contesta(det, 0, 0);
    driver_.Expect({kSiguiente, forms::vbYesNo + forms::vbQuestion, kValores}, forms::vbNo);
    driver_.Click(det.cmdOpcion(0));
    EXPECT_EQ(det.lblNumvalor.Text(), "P-0");
    EXPECT_EQ(frm.txtmtototal(1).Text(), "0");
    EXPECT_EQ(Respuesta("P-0"), "1 1 1000 20.00 3.25 1023 ok");
  });
}

// A failure in the middle of the store (a resolution number longer than its
// column, after the debt row and the first motives are written) is reported
// centrally and ends the program; the working tables are left as they were.
TEST_F(GrabaConciliacionTest, AFailureMidStoreLeavesTheWorkingTablesAsTheyWere) {
  ImportaLineas({Linea("01", "F-1", Importes(Con("010101", "200905")))});
  AbreDetalle(1, "F-1", [this](frmCondeuDet& det) {
    Contesta(det, 0, 1);
    ConSustento(det, 1);
    det.lstForm.AddItem("0621            1        05/01/2010");
    ConSustento(det, 4);
    det.Setpnumres(std::string(17, '9'));
    driver_.Replace(det.txtmtoTributo, "900");
    Textos antes = Trabajo();
    driver_.Answer(forms::vbOK);
    int salida = 0;
    try {
      driver_.Click(det.cmdOpcion(0));
    } catch (const vb::ProgramEnded& fin) {
      salida = fin.exitCode;
    }
    EXPECT_EQ(salida, EXIT_FAILURE);
    EXPECT_EQ(driver_.MessageBoxes().back().title, "Error crítico: 3163 (Rutina: GrabaConciliacion) ");
    EXPECT_EQ(dao::Engine().Workspaces(0).TransactionLevel(), 0);
    EXPECT_EQ(Trabajo(), antes);
  });
}

}  // namespace
}  // namespace korva::prueba
