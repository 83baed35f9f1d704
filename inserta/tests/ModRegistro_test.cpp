#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "inserta/Globales.h"
#include "inserta/ModNuvia.h"
#include "inserta/ModRegistro.h"
#include "inserta/tests/nuvia_fixture.h"
#include "platform/dao/constants.h"
#include "platform/vb/error.h"

namespace nuvia::testing {
namespace {

const Rows kModuleParameters = {
    {"404", "20060101", "00003400.00", "013"},
    {"404", "20100101", "00003600.00", "000"},
    {"404", "20110101", "00003600.00", "000"},
    {"404", "20120101", "00003650.00", "000"},
    {"404", "20130101", "00003700.00", "000"},
    {"404", "20140101", "00003800.00", "000"},
    {"404", "20150101", "00003850.00", "000"},
    {"404", "20160101", "00003950.00", "000"},
    {"856", "0942", "1.5 05/01/2016     790", "000"},
    {"880", "0942", "1 20070601 20991231 20070301", "000"},
    {"992", "0942", "2", ""},
    {"996", "340", "F0942DEUDAS    R 1000   9", ""},
    {"996", "341", "F0942MOTIVO    R 1000   8", ""},
    {"996", "342", "F0942SUSTEN    R 1000   9", ""},
    {"996", "343", "HF0942DEUDAS   R 1000  10", ""},
    {"996", "344", "HF0942MOTIVO   R 1000   9", ""},
    {"996", "345", "HF0942SUSTEN   R 1000  10", ""},
    {"996", "700", "F0942GARANTIA  R 1000   5", ""},
};

const std::string kKept = "\nSe conservan los registros anteriores.";
const std::string kNotInstalled = "\nNo se realizó la instalación.";

class ModRegistroTest : public SuiteTest {
 protected:
  // The installer's run; the exit status it ends with, 0 when it came back.
  int Install() {
    try {
      Main();
      return EXIT_SUCCESS;
    } catch (const vb::ProgramEnded& ended) {
      return ended.exitCode;
    }
  }
  Rows Params(const std::string& numero) const {
    return Select("SELECT * FROM PARAM WHERE Numero = '" + numero + "' ORDER BY Argumento");
  }
  Rows Sends() const { return Select("SELECT * FROM envio_t ORDER BY tabla_o"); }
  void Execute(const std::string& sql) const {
    dao::DatabasePtr db = OpenDatabase();
    db->Execute(sql, dao::dbFailOnError);
    db->Close();
  }
  // A file of the install folder's tmp as messages name it.
  std::string Tmp(const std::string& name) const { return suite_.installFolder + "tmp/" + name; }
};

TEST_F(ModRegistroTest, FreshDatabaseGetsTheModuleRowsRowByRow) {
  CopyShippedInputs();
  EXPECT_EQ(Install(), EXIT_SUCCESS);
  EXPECT_EQ(Select("SELECT * FROM PARAM WHERE Numero <> '728' ORDER BY Numero, Argumento"), kModuleParameters);
  EXPECT_EQ(Select("SELECT * FROM reportes ORDER BY codrep"),
            (Rows{{"F36001", "Reporte del formulario - 0942", "1"},
                  {"F36002", "Reporte de Anexos - 0942", "1"},
                  {"F36003", "Reporte de formulario y anexos - 0942", "1"},
                  {"F36004", "Resumen de envio de información - 0942", "1"}}));
  EXPECT_EQ(Sends(), (Rows{{"0942", "F0942DEUDAS", "HF0942DEUDAS", "F942DEU", "1", "1", "1", "2", "4", "3", "0", "0", "5"},
                          {"0942", "F0942GARANTIA", " ", "F942GAR", "4", "1", "1", "2", "4", "3", "0", "0", "5"},
                          {"0942", "F0942MOTIVO", "HF0942MOTIVO", "F942MOT", "2", "0", "1", "2", "4", "3", "0", "0", "5"},
                          {"0942", "F0942SUSTEN", "HF0942SUSTEN", "F942SUS", "3", "0", "1", "2", "4", "3", "0", "0", "5"}}));
  Rows forms = Params("728");
  ASSERT_EQ(forms.size(), 15u);
  EXPECT_EQ(forms[0], (std::vector<std::string>{"728", "011901", "010101 1999", "000"}));
  EXPECT_TRUE(driver_.MessageBoxes().empty());
}

TEST_F(ModRegistroTest, ExistingTaxUnitRowIsUpdatedInPlace) {
  CopyShippedInputs();
  Execute("INSERT INTO PARAM VALUES ('404', '20100101', '00009999.99', '007')");
  EXPECT_EQ(Install(), EXIT_SUCCESS);
  EXPECT_EQ(Select("SELECT * FROM PARAM WHERE Numero = '404' AND Argumento = '20100101'"),
            (Rows{{"404", "20100101", "00003600.00", "000"}}));
}

TEST_F(ModRegistroTest, ParameterFileReplacesEveryFormRuleAndPadsTheCorrelative) {
  CopyShippedInputs();
  Execute("INSERT INTO PARAM VALUES ('728', '099901', '999999 1990', '000')");
  Execute("INSERT INTO PARAM VALUES ('885', '0942', '201401', '000')");
  WriteInstallFile("tmp/Par942.txt",
                   "728|011901|010101 1999|5|\r\n"
                   "885|0942|O'HIGGINS 2016|12|\r\n"
                   "\r\n"
                   "728|066001|030701 2005|0|\r\n");
  EXPECT_EQ(Install(), EXIT_SUCCESS);
  EXPECT_EQ(Params("728"), (Rows{{"728", "011901", "010101 1999", "005"}}));
  EXPECT_EQ(Params("885"), (Rows{{"885", "0942", "O'HIGGINS 2016", "012"}}));
}

TEST_F(ModRegistroTest, ParameterFileIsTakenFromTheInstallFolderWhenTmpHasNone) {
  WriteInstallFile("Par942.txt", "728|011901|010101 1999|0|\n");
  WriteInstallFile("tmp/env942.txt", "");
  EXPECT_EQ(Install(), EXIT_SUCCESS);
  EXPECT_EQ(Params("728"), (Rows{{"728", "011901", "010101 1999", "000"}}));
}

TEST_F(ModRegistroTest, ParameterFileInTmpIsPreferred) {
  WriteInstallFile("Par942.txt", "728|011901|010101 1999|0|\n");
  WriteInstallFile("tmp/Par942.txt", "728|062101|010101 2003|0|\n");
  WriteInstallFile("tmp/env942.txt", "");
  EXPECT_EQ(Install(), EXIT_SUCCESS);
  EXPECT_EQ(Params("728"), (Rows{{"728", "062101", "010101 2003", "000"}}));
}

TEST_F(ModRegistroTest, FileThatCannotBeLoadedIsReportedAndItsOldRowsKept) {
  struct Case {
    std::string name;
    std::string text;  // "" leaves the file out
    std::string reason;
  };
  const Case cases[] = {
      {"env942.txt", "", "El archivo no existe."},
      {"env942.txt", "0942|F0942DEUDAS|HF0942DEUDAS|X|1|1|1|2|4|3|0|0|5|\n0942|F0942MOTIVO|H|X|1|1|1|2|4|3|0|0|\n",
       "La línea 2 no tiene sus 13 campos terminados en \"|\"."},
      {"env942.txt", "0942|F0942DEUDAS|HF0942DEUDAS|X|256|1|1|2|4|3|0|0|5|\n",
       "La línea 1 tiene un número no válido."},
      {"env942.txt", "0942|F0942DEUDAS|HF0942DEUDAS|X|1|1|1|dos|4|3|0|0|5|\n",
       "La línea 1 tiene un número no válido."},
      {"Par942.txt", "", "El archivo no existe."},
      {"Par942.txt", "728|011901|010101 1999|\n", "La línea 1 no tiene sus 4 campos terminados en \"|\"."},
      {"Par942.txt", "728|011901|010101 1999|0|\n728|011902|071501 1999|1234|\n",
       "Error 3163: El campo 'PARAM.Correl_Param' es demasiado pequeño para la cantidad de datos que intentó "
       "agregar."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name + ": " + c.reason);
    Execute("DELETE FROM envio_t");
    Execute("DELETE FROM PARAM");
    Execute("INSERT INTO envio_t VALUES ('0942', 'F0942VIEJA', 'HF0942VIEJA', 'X', 1, 1, 1, 2, 4, 3, 0, 0, 5)");
    Execute("INSERT INTO PARAM VALUES ('728', '099901', '999999 1990', '000')");
    CopyShippedInputs();
    std::filesystem::remove(suite_.installFolder + "tmp/" + c.name);
    if (!c.text.empty()) WriteInstallFile("tmp/" + c.name, c.text);
    Rows sends = Sends();
    Rows forms = Params("728");
    std::string path = c.name == "Par942.txt" && c.text.empty() ? suite_.installFolder + c.name : Tmp(c.name);
    driver_.Expect(
        {"No se cargó el archivo " + path + "\n" + c.reason + kKept + kNotInstalled, forms::vbExclamation, "Mensaje"});
    EXPECT_EQ(Install(), EXIT_FAILURE);
    EXPECT_EQ(Sends(), sends);
    EXPECT_EQ(Params("728"), forms);
  }
}

TEST_F(ModRegistroTest, SendFileStopsAtABlankLineAndItsLaterLineForATableWins) {
  WriteInstallFile("tmp/env942.txt",
                   "0942|F0942DEUDAS|HF0942DEUDAS| F942DEU |1|1|1|2|4|3|0|0|5|\n"
                   "0942|  F0942DEUDAS |HF0942DEUDAS|O'X|7|0|1|2.5|4|3|0|0|8|\n"
                   "   \n"
                   "0942|F0942MOTIVO|HF0942MOTIVO|F942MOT|2|0|1|2|4|3|0|0|5|\n");
  WriteInstallFile("tmp/Par942.txt", "");
  EXPECT_EQ(Install(), EXIT_SUCCESS);
  EXPECT_EQ(Sends(), (Rows{{"0942", "F0942DEUDAS", "HF0942DEUDAS", "O'X", "7", "0", "1", "2.5", "4", "3", "0", "0", "8"}}));
  EXPECT_TRUE(driver_.MessageBoxes().empty());
}

TEST_F(ModRegistroTest, ParameterValuesWithApostrophesAreStoredAsTheyAre) {
  gDB = OpenDatabase();
  GrabaParametro("885", "D'0942", "L'ANNEE", "000");
  GrabaParametro("885", "D'0942", "L'AUTRE", "001");
  gDB->Close();
  gDB.reset();
  EXPECT_EQ(Params("885"), (Rows{{"885", "D'0942", "L'AUTRE", "001"}}));
  EXPECT_TRUE(driver_.MessageBoxes().empty());
}

}  // namespace
}  // namespace nuvia::testing
