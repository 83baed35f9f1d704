#include "formulario/core/windows/FrmConsultas.h"

#include "formulario/core/windows/tests/ventanas_prueba.h"
#include "platform/vb/encoding.h"
#include "platform/vb/format.h"
#include "platform/vb/strings.h"

namespace korva::prueba {
namespace {

using Lineas = std::vector<std::string>;

const Lineas kCabecera = {"<!font!>Courier New<!/font!>", "<!Orientacion!>V<!/Orientacion!>",
                          "<!Color!>&H00FFFFC0&<!/Color!>", "<!Orientacion!>V<!/Orientacion!>"};

class FrmConsultasTest : public PruebaVentanas {
 protected:
  // The list of a kind shown from the main window's state; `accion` runs while
  // the window is shown, then it is closed with "&Salir".
  void Consulta(const std::string& tipo, const std::function<void(FrmConsultas&)>& accion) {
    Principal();
    gsTipoConsulta = tipo;
    driver_.OnModal<FrmConsultas>([&](FrmConsultas& consultas) {
      accion(consultas);
      driver_.Click(consultas.CmdSalir);
    });
    forms::Instance<FrmConsultas>().Show(forms::vbModal);
  }
  void ImpresoraRegistra() {
    FijaVisorReporte([this](const std::string& sArchivo, const std::string& sModo) {
      impresos_.push_back(sArchivo + " " + sModo);
      escrito_ = vb::FromCp1252(ReadBytes(suite_.installFolder + "RPT/" + sArchivo));
      return impreso_;
    });
  }
  Lineas LineasEscritas() const {
    Lineas lineas = vb::Split(escrito_, "\r\n");
    if (!lineas.empty() && lineas.back().empty()) lineas.pop_back();
    return lineas;
  }
  static std::string Fila(int y, const std::string& codigo, const std::string& texto, int hoja) {
    return "pPos|500|" + std::to_string(y) + "|" + codigo + "|False|8|" + std::to_string(hoja) +
           "|\npPos|2500|" + std::to_string(y) + "|" + texto + "|False|8|" + std::to_string(hoja) +
           "|";
  }
  static Lineas Encabezados(int hoja) {
    std::string h = std::to_string(hoja);
    return {"pPos|500|2500|Código|True|8|" + h + "|",
            "pPos|2500|2500|Descripción o Valor|True|8|" + h + "|"};
  }
  // The listing of document types 001 to n, page by page.
  Lineas Listado(int n) {
    Lineas lineas = kCabecera;
    lineas.push_back("pPos|1000|1500|Consulta de Tipos de Resolución|True|10|0|");
    int hoja = 0;
    int y = 2900;
    int enHoja = 0;
    for (const std::string& l : Encabezados(0)) lineas.push_back(l);
    for (int i = 1; i <= n; ++i) {
      std::string codigo = vb::Format(i, "000");
      for (const std::string& l : vb::Split(Fila(y, codigo, "TIPO " + codigo, hoja), "\n"))
        lineas.push_back(l);
      y += 250;
      if (++enHoja > 50) {
        ++hoja;
        enHoja = 0;
        y = 2900;
        lineas.push_back("pNuevaHoja");
        for (const std::string& l : Encabezados(hoja)) lineas.push_back(l);
      }
    }
    return lineas;
  }
  MessageBoxCall Impreso() const {
    return {"El reporte fue impreso satisfactoriamente", forms::vbInformation,
            "Consulta de Tipos de Resolución"};
  }

  std::vector<std::string> impresos_;
  std::string escrito_;
  bool impreso_ = true;
};

TEST_F(FrmConsultasTest, EachKindShowsItsCaptionAndItsStatementAsWritten) {
  struct Caso {
    const char* tipo;
    const char* titulo;
    const char* sentencia;
  } casos[] = {
      {"R", "Consulta de Tipos de Resolución",
       "SELECT ARGUMENTO as codigo, mid(FUNCION,1,20) as descrip FROM PARAM WHERE NUMERO='726' "
       "order by 1"},
      {"S", "Consulta de Situación de la Deuda",
       "SELECT ARGUMENTO as codigo, mid(FUNCION,1,35) as descrip FROM PARAM WHERE NUMERO='897' "
       "order by 1"},
      {"D", "Consulta de Motivos de Desacuerdo",
       "SELECT ARGUMENTO as codigo, mid(FUNCION,1,31) as descrip FROM PARAM WHERE NUMERO='890'  "
       "order by 1"},
      {"I", "Consulta de Tipos de Impugnación",
       "SELECT  ARGUMENTO as codigo, mid(FUNCION,1,30) as descrip FROM PARAM WHERE NUMERO='889' "
       "order by 1 "},
      {"T", "Consulta de Tributos",
       "SELECT  mid(ARGUMENTO,2,3) & mid(ARGUMENTO,6,1) as codigo, mid(FUNCION,1,55) as descrip "
       "FROM PARAM WHERE NUMERO='725'  order by  1 "},
  };
  for (const Caso& c : casos) {
    Consulta(c.tipo, [&](FrmConsultas& consultas) {
      EXPECT_EQ(consultas.Caption(), c.titulo);
      EXPECT_EQ(consultas.Dta1.RecordSource(), c.sentencia);
      EXPECT_EQ(gsSQL, c.sentencia);
      EXPECT_EQ(consultas.Dta1.DatabaseName(), gsRutaBase);
      EXPECT_TRUE(consultas.grdConsultas.Enabled());
      EXPECT_GT(consultas.grdConsultas.RowCount(), 0) << c.tipo;
    });
  }
}

TEST_F(FrmConsultasTest, TaxesShowTheFourCharacterFormOfTheirCode) {
  Consulta("T", [](FrmConsultas& consultas) {
    bool visto = false;
    for (long fila = 0; fila < consultas.grdConsultas.RowCount(); ++fila) {
      if (consultas.grdConsultas.CellText(fila, 0) != "3071") continue;
      visto = true;
      EXPECT_EQ(vb::Trim(consultas.grdConsultas.CellText(fila, 1)),
                "RENTA PERS. NATURAL - PRIMERA CATEGORIA");
    }
    EXPECT_TRUE(visto);
  });
}

TEST_F(FrmConsultasTest, UnknownKindKeepsTheDesignCaptionAndShowsNoList) {
  Consulta("X", [](FrmConsultas& consultas) {
    EXPECT_EQ(consultas.Caption(), "Consultas");
    EXPECT_FALSE(consultas.grdConsultas.Enabled());
    EXPECT_EQ(consultas.grdConsultas.RowCount(), 0);
  });
}

TEST_F(FrmConsultasTest, PrintWritesTheListingAndSendsItToThePrinter) {
  TiposDeResolucion(2);
  ImpresoraRegistra();
  driver_.Expect(Impreso());
  Consulta("R", [this](FrmConsultas& consultas) {
    driver_.PickRow(consultas.grdConsultas, 1);
    driver_.Click(consultas.cmdImprimir);
    EXPECT_EQ(consultas.Dta1.Recordset()->AbsolutePosition(), 0);
  });
  EXPECT_EQ(LineasEscritas(), Listado(2));
  EXPECT_EQ(impresos_, std::vector<std::string>{"Consultas.txt xx"});
  EXPECT_EQ(gsArchivoReporte, "Consultas.txt");
  EXPECT_EQ(gsSalida, "ARCHIVO");
  EXPECT_EQ(forms::Screen.MousePointer(), forms::vbArrow);
}

TEST_F(FrmConsultasTest, FiftyOneRowsFillOnePageAndStillTurnIt) {
  ImpresoraRegistra();
  for (int filas : {50, 51, 52}) {
    TiposDeResolucion(filas);
    driver_.Expect(Impreso());
    Consulta("R", [this](FrmConsultas& consultas) { driver_.Click(consultas.cmdImprimir); });
    Lineas lineas = LineasEscritas();
    EXPECT_EQ(lineas, Listado(filas)) << filas;
  }
  Lineas lineas = LineasEscritas();
  ASSERT_EQ(lineas.size(), 4u + 3u + 2u * 52u + 3u);
  EXPECT_EQ(lineas[7 + 2 * 51], "pNuevaHoja");
  EXPECT_EQ(lineas[7 + 2 * 51 + 3], "pPos|500|2900|052|False|8|1|");
}

TEST_F(FrmConsultasTest, PrintingAnEmptyListTellsTheUserAndWritesNothing) {
  ImpresoraRegistra();
  Ejecuta("DELETE FROM PARAM WHERE Numero = '889'");
  driver_.Expect(MessageBoxCall{"No existen registros para imprimir.", forms::vbInformation,
                                "Consulta de Tipos de Impugnación"});
  Consulta("I", [this](FrmConsultas& consultas) {
    EXPECT_FALSE(consultas.grdConsultas.Enabled());
    driver_.Click(consultas.cmdImprimir);
  });
  EXPECT_TRUE(impresos_.empty());
  EXPECT_FALSE(ExisteArchivo(gsRutaRPT + "Consultas.txt"));
}

TEST_F(FrmConsultasTest, PrintWithoutThePrinterIsNeverAnnouncedAsPrinted) {
  TiposDeResolucion(1);
  driver_.Expect(MessageBoxCall{"La vista previa y la impresión de reportes aún no están instaladas",
                                forms::vbExclamation, "Consulta de Tipos de Resolución"});
  Consulta("R", [this](FrmConsultas& consultas) { driver_.Click(consultas.cmdImprimir); });
  EXPECT_EQ(vb::Split(vb::FromCp1252(ReadBytes(suite_.installFolder + "RPT/Consultas.txt")), "\r\n").size(),
            Listado(1).size() + 1);
}

TEST_F(FrmConsultasTest, AReportThePrinterDidNotTakeIsNotAnnouncedAsPrinted) {
  TiposDeResolucion(1);
  ImpresoraRegistra();
  impreso_ = false;
  Consulta("R", [this](FrmConsultas& consultas) { driver_.Click(consultas.cmdImprimir); });
  EXPECT_EQ(impresos_, std::vector<std::string>{"Consultas.txt xx"});
  EXPECT_TRUE(driver_.MessageBoxes().empty());
}

TEST_F(FrmConsultasTest, ExitLetsTheWindowGo) {
  Consulta("R", [](FrmConsultas&) {});
  EXPECT_EQ(forms::LoadedInstance<FrmConsultas>(), nullptr);
}

}  // namespace
}  // namespace korva::prueba
