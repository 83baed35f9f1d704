#include "platform/qt/sample/sample_data.h"

#include <filesystem>
#include <fstream>

#include "platform/dao/dao.h"

namespace sample {

std::string CreateSampleDatabase(const std::string& folder) {
  std::string path = (std::filesystem::path(folder) / "muestra.mdb").string();
  std::filesystem::remove(path);
  dao::DatabasePtr db = dao::Engine().CreateDatabase(path);
  db->Execute(
      "CREATE TABLE DEUDAS (id LONG, periodo TEXT(6), cod_tri TEXT(6), ind_acog BYTE, "
      "monto DOUBLE)");
  db->Execute("INSERT INTO DEUDAS VALUES (1, '200912', '030701', 1, 1234.5)");
  db->Execute("INSERT INTO DEUDAS VALUES (2, '201001', '010101', 2, 20)");
  db->Execute("INSERT INTO DEUDAS VALUES (3, '201002', '030701', 1, 0)");
  db->Execute("INSERT INTO DEUDAS VALUES (4, '201003', '031201', 2, 98765.4)");
  db->Execute("INSERT INTO DEUDAS VALUES (5, '201004', '010101', 1, 310)");
  db->Close();
  return path;
}

std::string WriteSampleHelp(const std::string& folder) {
  std::string path = (std::filesystem::path(folder) / "muestra.html").string();
  std::ofstream page(path);
  page << "<html><body><h1>Muestra de controles</h1>"
          "<p>Cada control de la ventana muestra en la lista de eventos lo que ocurre.</p>"
          "<h2><a name=\"10\">Datos del contribuyente</a></h2>"
          "<p>El nombre se escribe en mayúsculas y no admite dígitos. El importe debe ser un "
          "número para poder dejar la casilla.</p>"
          "<h2><a name=\"20\">Deudas</a></h2>"
          "<p>La grilla muestra las deudas de la base de muestra.</p>"
          "</body></html>";
  return path;
}

}  // namespace sample
