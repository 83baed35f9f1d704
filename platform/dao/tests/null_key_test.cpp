#include <functional>

#include "platform/dao/tests/dao_fixture.h"
#include "platform/vb/variant.h"

namespace dao::testing {
namespace {

// A key of one whole-number column holds a value on every row: a Null, or no
// value at all, is refused with 3058 whichever way it is written, and the table
// keeps what it had. A counter key is numbered instead.
TEST_F(DaoTest, ALoneWholeNumberKeyRefusesNullAsTheEngineDoes) {
  struct Way {
    const char* name;
    std::function<void(Database&)> write;
  };
  const Way ways[] = {
      {"Execute naming no key", [](Database& db) { db.Execute("INSERT INTO Claves (v) VALUES ('b')", dbFailOnError); }},
      {"Execute with a Null key",
       [](Database& db) { db.Execute("INSERT INTO Claves (k, v) VALUES (Null, 'b')", dbFailOnError); }},
      {"AddNew leaving the key out",
       [](Database& db) {
         RecordsetPtr rs = db.OpenRecordset("Claves", dbOpenDynaset);
         rs->AddNew();
         (*rs)("v") = "b";
         rs->Update();
       }},
      {"AddNew with a Null key",
       [](Database& db) {
         RecordsetPtr rs = db.OpenRecordset("Claves", dbOpenDynaset);
         rs->AddNew();
         (*rs)("k") = vb::Null;
         (*rs)("v") = "b";
         rs->Update();
       }},
      {"UPDATE to a Null key", [](Database& db) { db.Execute("UPDATE Claves SET k = Null", dbFailOnError); }},
  };
  for (const char* type : {"BYTE", "SHORT", "LONG", "INTEGER"}) {
    db_->Execute(std::string("CREATE TABLE Claves (k ") + type + ", v TEXT(10))");
    db_->Execute("ALTER TABLE Claves ADD CONSTRAINT PK_Claves PRIMARY KEY (k)");
    Add("Claves", "7, 'a'");
    for (const Way& way : ways) {
      EXPECT_EQ(ErrorOf([&] { way.write(*db_); }), kErrNullInKey) << type << ", " << way.name;
      EXPECT_EQ(Rows("SELECT k, v FROM Claves"), (Table{{"7", "a"}})) << type << ", " << way.name;
    }
    db_->Execute("DROP TABLE Claves");
  }
  db_->Execute("CREATE TABLE Contador (id COUNTER, v TEXT(10))");
  db_->Execute("ALTER TABLE Contador ADD CONSTRAINT PK_Contador PRIMARY KEY (id)");
  db_->Execute("INSERT INTO Contador (v) VALUES ('a')");
  EXPECT_EQ(Rows("SELECT id, v FROM Contador"), (Table{{"1", "a"}}));
}

}  // namespace
}  // namespace dao::testing
