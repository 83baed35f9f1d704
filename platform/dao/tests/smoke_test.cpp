#include "platform/dao/tests/dao_fixture.h"

namespace dao::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;

TEST_F(DaoTest, SmokeInsertAndSelect) {
  db_->Execute(DebtInsert("F0942DEUDAS", "20100012345", 1, "01", "200901", "010101", "N1", "00"));
  EXPECT_EQ(Rows("SELECT doc_id_d, per_doc & '-' & cod_tri, Fec_ult_cap FROM F0942DEUDAS"),
            (Table{{"20100012345", "200901-010101", "01/01/1901"}}));
}

}  // namespace
}  // namespace dao::testing
