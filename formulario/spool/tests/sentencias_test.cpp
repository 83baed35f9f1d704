#include "formulario/core/tests/prueba_declaracion.h"
#include "platform/vb/conv.h"
#include "platform/vb/format.h"

namespace korva::prueba {
namespace {

class SpoolStatementsTest : public PruebaDeclaracion {
 protected:
  // RegistraSpool: the next sequence of the report code and the next file number.
  std::string Register(const std::string& code) {
    dao::RecordsetPtr rs =
        gDB->OpenRecordset("SELECT max(Secuencia) as SecTipo FROM SPOOL Where CodRep = '" + code + "'", dao::dbOpenSnapshot);
    vb::Variant sequence = rs->Fields()["SecTipo"].Value();
    double last = sequence.IsNull() ? 0 : vb::Val(vb::CStr(sequence));
    rs = gDB->OpenRecordset("SELECT max(left(Archivo,8)) as SecRep FROM SPOOL", dao::dbOpenSnapshot);
    vb::Variant file = rs->Fields()["SecRep"].Value();
    double number = file.IsNull() ? 0 : vb::Val(vb::CStr(file));
    std::string name = vb::Format(vb::Variant(number + 1), "00000000") + ".PRN";
    rs = gDB->OpenRecordset("SELECT * FROM SPOOL", dao::dbOpenDynaset);
    rs->AddNew();
    rs->Fields()["CodRep"] = code;
    rs->Fields()["secuencia"] = vb::Format(vb::Variant(last + 1), "000000");
    rs->Fields()["Archivo"] = name;
    rs->Fields()["Fecha"] = vb::Now();
    rs->Fields()["Usuario"] = "ANA";
    rs->Fields()["tip_doc_d"] = 6;
    rs->Fields()["doc_id_d"] = kRuc;
    rs->Update();
    rs->Close();
    return name;
  }
};

TEST_F(SpoolStatementsTest, SpoolFilesAreNumberedAcrossReportCodes) {
  vb::SetClock([] { return vb::Date{vb::DateSerial(2010, 3, 16).serial + 0.25}; });
  EXPECT_EQ(Register("FR0001"), "00000001.PRN");
  EXPECT_EQ(Register("F36001"), "00000002.PRN");
  EXPECT_EQ(Register("FR0001"), "00000003.PRN");
  vb::SetClock({});
  EXPECT_EQ(Consulta("SELECT left(Archivo,8) as SecRep FROM SPOOL"),
            (Filas{{"00000001"}, {"00000002"}, {"00000003"}}));
  EXPECT_EQ(Consulta("SELECT CodRep, Secuencia, Archivo, Fecha, tip_doc_d FROM SPOOL ORDER BY Archivo"),
            (Filas{{"FR0001", "000001", "00000001.PRN", "16/03/2010 06:00:00 a.m.", "6"},
                   {"F36001", "000001", "00000002.PRN", "16/03/2010 06:00:00 a.m.", "6"},
                   {"FR0001", "000002", "00000003.PRN", "16/03/2010 06:00:00 a.m.", "6"}}));
}

}  // namespace
}  // namespace korva::prueba
