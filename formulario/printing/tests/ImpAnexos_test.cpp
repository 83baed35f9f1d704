#include "formulario/printing/ImpAnexos.h"

#include "formulario/printing/ImpDetalleAnexo.h"
#include "formulario/printing/tests/prueba_listados.h"

namespace korva::prueba {
namespace {

class AnexosTest : public PruebaListado {
 protected:
  static std::string B(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

  // The statement's debts, by their document number.
  std::vector<std::string> Seleccion(const std::string& tabla, const std::string& codigo,
                                     bool acogido) {
    ArmaConsultaAnexo(tabla, codigo, acogido);
    std::vector<std::string> numeros;
    for (const auto& fila : Consulta(gsSQL + "")) numeros.push_back(fila[tabla[0] == 'H' ? 9 : 8]);
    return numeros;
  }

  // The pages of the file after its first (the declaration page's place), each
  // from its page break on.
  static std::vector<Lineas> Hojas(const Lineas& lineas) {
    std::vector<Lineas> hojas;
    for (const std::string& linea : lineas) {
      if (linea == "pNuevaHoja") hojas.emplace_back();
      if (!hojas.empty()) hojas.back().push_back(linea);
    }
    return hojas;
  }
};

const std::string kBase =
    "SELECT * FROM F0942DEUDAS WHERE doc_id_d = '20456712348' AND periodo = '201003' AND Semana = "
    "1 ";
const std::string kBaseEnviada =
    "SELECT * FROM HF0942DEUDAS WHERE doc_id_d = '20456712348' AND periodo = '201003' AND Semana "
    "= 1  AND Correl = '002'";
const std::string kOrden = " ORDER BY per_doc DESC, cod_tri ";

TEST_F(AnexosTest, StatementOfEachCategoryAsBuilt) {
  struct Caso {
    const char* codigo;
    bool acogido;
    bool enviada;
    std::string clausulas;
  } casos[] = {
      {"DN", true, false,
       "AND Ind_tip_deu = '01' AND ind_ver_deu in ( '00', '07', '08' ) AND ind_acog = 1 "},
      {"DN", false, true,
       "AND Ind_tip_deu = '01' AND ind_ver_deu in ( '00', '07', '08' ) AND ( ind_acog = 2 OR "
       "ind_acog is null ) "},
      {"DJ", true, false, "AND Ind_tip_deu = '02' AND ind_ver_deu in ( '00', '07', '08' ) "},
      {"INF", false, false, "AND Ind_tip_deu = '03' AND ind_ver_deu in ( '00', '07', '08' ) "},
      {"ODV", false, false, "AND Ind_tip_deu = '04' AND Ind_valor = 1 "},
      {"ODDJ", false, true, "AND Ind_tip_deu = '04' AND Ind_deuda_dj = 1 "},
      {"ODINF", false, false, "AND Ind_tip_deu = '04' AND Ind_valor <> 1 AND Ind_deuda_dj <> 1 "},
      {"DN_NA", false, false,
       " AND Ind_tip_deu IN ('01','02','03')  AND ind_ver_deu not in ( '0','00', '07', '08' ) "},
      {"CF", true, false,
       " AND ind_tip_deu in ( '01', '05' ) AND ind_acog = 1 AND ind_ver_deu in ( '0','00', '07', "
       "'08' )  AND ind_acog = 1 UNION (" + kBase + "AND ind_tip_deu in ( '02', '03' ) AND "
       "ind_ver_deu in ( '00', '07', '08' ) AND ind_acog = 1)  UNION (" + kBase +
       " AND ind_tip_deu = '04') "},
      {"GH", true, true,
       " AND ind_tip_deu in ( '01', '05' ) AND ind_acog = 1 AND ind_ver_deu in ( '0','00', '07', "
       "'08' )  AND ind_acog = 1 UNION (" + kBaseEnviada + "AND ind_tip_deu in ( '02', '03' ) AND "
       "ind_ver_deu in ( '00', '07', '08' ) AND ind_acog = 1)  UNION (" + kBaseEnviada +
       " AND ind_tip_deu = '04') "},
  };
  gsCorrel = "002";
  for (const Caso& c : casos) {
    giEnviadas = c.enviada ? -1 : 0;
    ArmaConsultaAnexo(c.enviada ? "HF0942DEUDAS" : "F0942DEUDAS", c.codigo, c.acogido);
    EXPECT_EQ(gsSQL, (c.enviada ? kBaseEnviada : kBase) + c.clausulas + kOrden) << c.codigo;
  }
}

// Each category's debts, newest period first and then by tax code; the
// guarantee reports take the accepted debts and every non-notified one. A sent
// declaration's rows are those of its correlative.
TEST_F(AnexosTest, EachCategorySelectsItsDebts) {
  Agrega(DeudasDeCadaCategoria());
  Agrega(DeudasDeCadaCategoria(), "002");
  Agrega({{.tip = "01", .per = "201002", .tri = "010101", .num = "OTRO", .acog = 1}}, "001");
  using Numeros = std::vector<std::string>;
  struct Caso {
    const char* codigo;
    bool acogido;
    Numeros numeros;
  } casos[] = {
      {"DN", true, {"0240030012345", "0230010045678"}},
      {"DN", false, {"0230010099999", "0240030099999"}},
      {"DJ", false, {"12345678"}},
      {"INF", false, {"0220020011111"}},
      {"ODV", false, {"0230010077777"}},
      {"ODDJ", false, {"87654321"}},
      {"ODINF", false, {"0220020022222"}},
      {"DN_NA", false, {"0230010055555", "11112222"}},
      {"CF", true,
       {"0240030012345", "0230010045678", "0230010077777", "87654321", "0220020022222",
        "0230010033333", "12345678", "0220020011111"}},
  };
  gsCorrel = "002";
  for (const Caso& c : casos) {
    giEnviadas = 0;
    EXPECT_EQ(Seleccion("F0942DEUDAS", c.codigo, c.acogido), c.numeros) << c.codigo;
    giEnviadas = -1;
    EXPECT_EQ(Seleccion("HF0942DEUDAS", c.codigo, c.acogido), c.numeros) << c.codigo;
  }
}

// Each annex of a declaration with debts in every category, whole: the page's
// header, the title block, the caption lines, one line per debt, the count and
// the totals.
TEST_F(AnexosTest, EachAnnexListsItsDebtsUnderItsCaptionsWithCountAndTotals) {
  Agrega(DeudasDeCadaCategoria());
  struct Caso {
    const char* titulo;
    const char* codigo;
    bool acogido;
    int xTitulo;
    Lineas deudas;
    int xTotales;
    std::string totales;
  } casos[] = {
      {"VALORES - ACOGIDOS", "DN", true, 6586,
       {"01/2010 3031   RENTA ANUAL - TERCERA CATEGORI RES. DETER 0240030012345     15/04/2010   "
       "       25,000.00 SI  NO           20,000.75",
       "12/2009 1011   IGV - CUENTA PROPIA            ORDEN DE P 0230010045678     15/04/2010   "
       "        1,234.50 SI  SI            1,234.50"},
       7800, B(97) + "26,234.50" + B(18) + "21,235.25"},
      {"VALORES - NO ACOGIDOS", "DN", false, 6384,
       {"06/2009 1011   IGV - CUENTA PROPIA            ORDEN DE P 0230010099999     15/04/2010   "
       "          500.00 NO  NO                    ",
       "06/2009 3031   RENTA ANUAL - TERCERA CATEGORI RES. DETER 0240030099999     15/04/2010   "
       "                 -   -                     "},
       7800, B(100) + "500.00" + B(26) + "."},
      {"DEUDAS AUTOLIQUIDADAS - DD.JJ", "DJ", false, 5844,
       {"12/2008 3031   RENTA ANUAL - TERCERA CATEGORI            0621-12345678  15/04/2010      "
       "       800.00 SI  SI              800.00"},
       7800, B(97) + "800.00" + B(21) + "800.00"},
      {"DEUDAS AUTOLIQUIDADAS - INFRACCIONES", "INF", false, 5371,
       {"11/2008 6041   MULTAS - TESORO                0220020011111     1011       15/04/2010   "
       "          350.25 SI  SI              350.25"},
       7800, B(100) + "350.25" + B(21) + "350.25"},
      {"OTRAS DEUDAS - VALORES", "ODV", false, 3666,
       {"10/2009 1011 IGV - CUENTA P ORDEN DE P 0230010077777     15/04/2010           900.00    "
       "     1,050.40"},
       6320, B(80) + "900.00" + B(9) + "1,050.40"},
      {"OTRAS DEUDAS - DD.JJ.", "ODDJ", false, 3734,
       {"09/2009 3031 RENTA ANUAL - TERCER 0621-87654321     15/04/2010           700.00         "
       "  760.30"},
       5900, B(75) + "700.00" + B(11) + "760.30"},
      {"OTRAS DEUDAS - INFRACCIONES", "ODINF", false, 3328,
       {"08/2009 6041 MULTAS - TESORO                3031       15/04/2010           150.00      "
       "     180.00"},
       6050, B(78) + "150.00" + B(11) + "180.00"},
      {"DEUDAS  - NO ACOGIBLES", "DN_NA", false, 3666,
       {"05/2009 1011 IGV - CUENTA PROPIA           ORDEN DE P 0230010055555     15/03/2010      "
       "       420.80",
       "04/2009 3031 RENTA ANUAL - TERCERA CATEGOR            11112222          15/03/2010      "
       "        95.00"},
       8000, B(97) + "515.80"},
  };
  for (const Caso& c : casos) {
    AbreSpool();
    ImprimeAnexo("F0942DEUDAS", c.titulo, c.codigo, c.acogido);
    std::string codigo = c.codigo;
    bool horizontal = codigo == "DN" || codigo == "DJ" || codigo == "INF";
    int derecho = horizontal ? 16000 : 11000;
    Lineas esperadas = horizontal ? CabeceraHorizontal(1) : CabeceraVertical(1);
    std::vector<std::string> titulos = TitulosColumnas(c.codigo);
    for (std::string linea : {Cuadro(290, 1640, derecho, 2010, 1),
                              Pos(c.xTitulo, 1680, c.titulo, true, 14, 1),
                              Cuadro(290, 2010, derecho, 2550, 1),
                              Pos(300, 2010, titulos[0], true, 8, 1),
                              Pos(300, 2280, titulos[1], true, 8, 1)})
      esperadas.push_back(linea);
    int y = 2350;
    for (const std::string& deuda : c.deudas)
      esperadas.push_back(Pos(300, y += 200, deuda, false, 8, 1));
    y += 270;
    int n = static_cast<int>(c.deudas.size());
    for (std::string linea :
         {Cuadro(290, y, derecho, y + 270, 1),
          Pos(300, y + 30, "Cantidad total de registros  : " + std::to_string(n), false, 8, 1),
          Pos(c.xTotales, y + 30, "Totales :", false, 8, 1),
          Pos(90, y + 30, c.totales, false, 8, 1)})
      esperadas.push_back(linea);
    EXPECT_EQ(Escrito(), esperadas) << c.titulo;
    EXPECT_EQ(gnTamanoListado, 8);
  }
}

// An empty category on a fresh page: the count box at 2010 with 0, the title
// again in its box at 2550 and the closing text at 2820; no caption lines.
TEST_F(AnexosTest, EmptyAnnexSaysThereIsNothingToDeclare) {
  struct Caso {
    const char* titulo;
    const char* codigo;
    bool horizontal;
    int xTitulo;
  } casos[] = {{"VALORES - ACOGIDOS", "DN", true, 6586},
               {"DEUDAS  - NO ACOGIBLES", "DN_NA", false, 3666}};
  for (const Caso& c : casos) {
    AbreSpool();
    ImprimeAnexo("F0942DEUDAS", c.titulo, c.codigo, true);
    int derecho = c.horizontal ? 16000 : 11000;
    Lineas esperadas = c.horizontal ? CabeceraHorizontal(1) : CabeceraVertical(1);
    for (std::string linea :
         {Cuadro(290, 1640, derecho, 2010, 1), Pos(c.xTitulo, 1680, c.titulo, true, 14, 1),
          Cuadro(290, 2010, derecho, 2280, 1),
          Pos(300, 2010, "Cantidad total de registros  : 0", false, 8, 1),
          Cuadro(290, 2550, derecho, 2820, 1), Pos(300, 2550, c.titulo, true, 8, 1),
          Pos(300, 2820, "NO EXISTE INFORMACIÓN A DECLARAR", false, 8, 1)})
      esperadas.push_back(linea);
    EXPECT_EQ(Escrito(), esperadas) << c.codigo;
  }
}

// Where each page's debt lines stand, and where the count goes: 37 lines on a
// landscape page, 60 on a portrait one; the count and totals move to a page of
// their own when they would come within 1000 of the page's limit.
TEST_F(AnexosTest, LongAnnexesBreakTheirPagesAtTheLimit) {
  struct Tramo {
    int hoja;
    int lineas;
    int primera;
    int ultima;
    bool operator==(const Tramo&) const = default;
  };
  struct Caso {
    const char* codigo;
    int filas;
    std::vector<Tramo> tramos;
    std::string cantidad;
  } casos[] = {
      {"DN", 31, {{1, 31, 2550, 8550}},
       "pPos|300|8850|Cantidad total de registros  : 31|False|8|1|"},
      {"DN", 32, {{1, 32, 2550, 8750}},
       "pPos|300|2310|Cantidad total de registros  : 32|False|8|2|"},
      {"DN", 37, {{1, 37, 2550, 9750}},
       "pPos|300|2310|Cantidad total de registros  : 37|False|8|2|"},
      {"DN", 38, {{1, 37, 2550, 9750}, {2, 1, 2580, 2580}},
       "pPos|300|2880|Cantidad total de registros  : 38|False|8|2|"},
      {"DN", 75, {{1, 37, 2550, 9750}, {2, 37, 2580, 9780}, {3, 1, 2580, 2580}},
       "pPos|300|2880|Cantidad total de registros  : 75|False|8|3|"},
      {"ODV", 54, {{1, 54, 2550, 13150}},
       "pPos|300|13450|Cantidad total de registros  : 54|False|8|1|"},
      {"ODV", 55, {{1, 55, 2550, 13350}},
       "pPos|300|2310|Cantidad total de registros  : 55|False|8|2|"},
      {"ODV", 121, {{1, 60, 2550, 14350}, {2, 60, 2580, 14380}, {3, 1, 2580, 2580}},
       "pPos|300|2880|Cantidad total de registros  : 121|False|8|3|"},
  };
  for (const Caso& c : casos) {
    Ejecuta("DELETE FROM F0942DEUDAS");
    Agrega(Valores(c.filas, std::string(c.codigo) == "DN" ? "01" : "04", 1));
    AbreSpool();
    ImprimeAnexo("F0942DEUDAS", "VALORES - ACOGIDOS", c.codigo, true);
    std::vector<Tramo> tramos;
    std::string cantidad;
    std::vector<Lineas> hojas = Hojas(Escrito());
    for (std::size_t h = 0; h < hojas.size(); ++h) {
      for (const std::string& linea : hojas[h]) {
        if (linea.starts_with("pPos|300|") && linea.find("Cantidad") != std::string::npos)
          cantidad = linea;
        if (!linea.starts_with("pPos|300|") || linea.find(" DOC") == std::string::npos) continue;
        int y = std::stoi(linea.substr(9));
        if (tramos.empty() || tramos.back().hoja != static_cast<int>(h) + 1)
          tramos.push_back({static_cast<int>(h) + 1, 0, y, y});
        ++tramos.back().lineas;
        tramos.back().ultima = y;
      }
    }
    EXPECT_EQ(tramos, c.tramos) << c.codigo << " " << c.filas;
    EXPECT_EQ(cantidad, c.cantidad) << c.codigo << " " << c.filas;
  }
}

// A continuation page repeats the title block (down to 2040) and the caption
// block (2040 to 2580); a page that only holds the count and totals has the
// title block alone.
TEST_F(AnexosTest, ContinuationPagesRepeatTheTitleAndCaptions) {
  std::vector<std::string> titulos = TitulosColumnas("DN");
  Agrega(Valores(38));
  ImprimeAnexo("F0942DEUDAS", "VALORES - ACOGIDOS", "DN", true);
  Lineas esperadas = CabeceraHorizontal(2);
  for (std::string linea :
       {Cuadro(290, 1640, 16000, 2040, 2), Pos(6586, 1680, "VALORES - ACOGIDOS", true, 14, 2),
        Cuadro(290, 2040, 16000, 2580, 2), Pos(300, 2040, titulos[0], true, 8, 2),
        Pos(300, 2310, titulos[1], true, 8, 2)})
    esperadas.push_back(linea);
  Lineas hoja = Hojas(Escrito())[1];
  hoja.resize(esperadas.size());
  EXPECT_EQ(hoja, esperadas);

  Ejecuta("DELETE FROM F0942DEUDAS WHERE Num_doc > 'DOC00032'");
  AbreSpool();
  ImprimeAnexo("F0942DEUDAS", "VALORES - ACOGIDOS", "DN", true);
  esperadas = CabeceraHorizontal(2);
  std::string totales = B(101) + "32.00" + B(22) + "32.00";
  for (std::string linea :
       {Cuadro(290, 1640, 16000, 2040, 2), Pos(6586, 1680, "VALORES - ACOGIDOS", true, 14, 2),
        Cuadro(290, 2280, 16000, 2550, 2),
        Pos(300, 2310, "Cantidad total de registros  : 32", false, 8, 2),
        Pos(7800, 2310, "Totales :", false, 8, 2), Pos(90, 2310, totales, false, 8, 2)})
    esperadas.push_back(linea);
  EXPECT_EQ(Hojas(Escrito())[1], esperadas);
}

// Totals that come to nothing print as a lone "." at the right end of their
// field; an amount that is empty or missing adds nothing.
TEST_F(AnexosTest, ZeroTotalsPrintAsALonePoint) {
  Agrega({{.tip = "04", .per = "200910", .tri = "010101", .num = "N1", .tribc = "", .actc = "0",
           .valor = 1},
          {.tip = "04", .per = "200909", .tri = "010101", .num = "N2", .valor = 1}});
  ImprimeAnexo("F0942DEUDAS", "OTRAS DEUDAS - VALORES", "ODV", false);
  Lineas lineas = Escrito();
  EXPECT_EQ(lineas.back(), Pos(90, 3050, B(85) + "." + B(16) + ".", false, 8, 1));
}

// While a sent declaration is printed its history rows are listed, whatever
// table the caller names.
TEST_F(AnexosTest, SentDeclarationListsTheRowsOfItsCorrelative) {
  Agrega(Valores(1));
  Agrega(Valores(2), "002");
  Agrega(Valores(3), "001");
  giEnviadas = -1;
  gsCorrel = "002";
  ImprimeAnexo("F0942DEUDAS", "VALORES - ACOGIDOS", "DN", true);
  Lineas lineas = Escrito();
  EXPECT_EQ(lineas[lineas.size() - 3],
            Pos(300, 3050, "Cantidad total de registros  : 2", false, 8, 1));
}

// "Declaración y anexos" with every box ticked: the declaration page, then each
// annex and both guarantee reports on pages of their own, numbered in turn, in
// the driver's order and each in its orientation.
TEST_F(AnexosTest, EveryReportTickedFollowsTheDeclarationPageInOrder) {
  Agrega(DeudasDeCadaCategoria());
  Guarda({kRucAndina, "201003", 1}, {{"501", "0"}, {"535", "5000"}, {"551", "110"}});
  Lineas lineas = ImprimeDesdeDialogo(2, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  Lineas titulos;
  for (const std::string& linea : lineas)
    if (linea.starts_with("<!Orientacion!>") || linea.find("|1680|") != std::string::npos ||
        linea.starts_with("pPos|2240|400|REPORTE"))
      titulos.push_back(linea);
  const std::string h = "<!Orientacion!>H<!/Orientacion!>";
  const std::string v = "<!Orientacion!>V<!/Orientacion!>";
  EXPECT_EQ(titulos, (Lineas{v,
                             h, Pos(6586, 1680, "VALORES - ACOGIDOS", true, 14, 1),
                             h, Pos(6384, 1680, "VALORES - NO ACOGIDOS", true, 14, 2),
                             h, Pos(5844, 1680, "DEUDAS AUTOLIQUIDADAS - DD.JJ", true, 14, 3),
                             h,
                             Pos(5371, 1680, "DEUDAS AUTOLIQUIDADAS - INFRACCIONES", true, 14, 4),
                             v, Pos(3666, 1680, "OTRAS DEUDAS - VALORES", true, 14, 5),
                             v, Pos(3734, 1680, "OTRAS DEUDAS - DD.JJ.", true, 14, 6),
                             v, Pos(3328, 1680, "OTRAS DEUDAS - INFRACCIONES", true, 14, 7),
                             v, Pos(3666, 1680, "DEUDAS  - NO ACOGIBLES", true, 14, 8),
                             v,
                             Pos(2240, 400, "REPORTE DE REQUERIMIENTO DE CARTA FIANZA", true, 9, 9),
                             v,
                             Pos(2240, 400, "REPORTE DE REQUERIMIENTO DE HIPOTECA", true, 9, 10)}));
  EXPECT_EQ(lineas.back(), "<!nHojas!>11<!/nHojas!>");
}

// A listing reads each tax's description once; the next listing reads PARAM
// again and shows what it holds then.
TEST_F(AnexosTest, EachListingReadsTheDescriptionsItShowsAfresh) {
  Agrega(Valores(2));
  auto descripciones = [this] {
    std::vector<std::string> textos;
    for (const std::string& linea : Escrito())
      if (linea.find(" DOC0") != std::string::npos) textos.push_back(linea.substr(29, 20));
    return textos;
  };
  ImprimeAnexo("F0942DEUDAS", "VALORES - ACOGIDOS", "DN", true);
  EXPECT_EQ(descripciones(),
            (std::vector<std::string>{"IGV - CUENTA PROPIA ", "IGV - CUENTA PROPIA "}));
  Ejecuta("UPDATE PARAM SET Funcion = 'IGV RENOMBRADO' WHERE Numero = '725' AND Argumento = "
          "'010101'");
  AbreSpool();
  ImprimeAnexo("F0942DEUDAS", "VALORES - ACOGIDOS", "DN", true);
  EXPECT_EQ(descripciones(),
            (std::vector<std::string>{"IGV RENOMBRADO      ", "IGV RENOMBRADO      "}));
}

}  // namespace
}  // namespace korva::prueba
