#pragma once
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dao/testing/query_rows.h"
#include "platform/forms/testing/driver.h"
#include "platform/testsupport/scoped_env.h"
#include "platform/testsupport/temp_folder.h"
#include "tools/host/suite.h"

namespace tarvel::prueba {

using Lineas = std::vector<std::string>;
using Filas = dao::testing::TextRows;
using Casillas = std::vector<std::pair<std::string, std::string>>;

// The host's command line for taxpayer 20456712348 (blanks to 15 characters),
// period 201003, entity 1 and tail 0000ABCD, and the name of its outputs.
inline const std::string kComando = "0620456712348    XXXX20100310000ABCD";
inline const std::string kRaiz = "094220100310000ABCD";

// A stored declaration and the ten payment-mode lines its summaries show.
struct Declaracion {
  const char* nombre;
  Casillas casillas;
  Lineas cuerpo;
};

// One with every box the summaries print (and boxes they skip or leave out),
// one without any box.
const std::vector<Declaracion>& Declaraciones();

// The five identification lines of the command line's declaration.
const Lineas& Encabezado();

// The text summary of that declaration: identification, a blank, the body.
Lineas ResumenDeTexto(const Lineas& cuerpo);

// A suite of the host stand-in with its sample rows in a temporary folder (among
// them taxpayer 20456712348, "COMERCIAL ANDINA DEL SUR S.A.C."), the Windows
// folder pointed at it, message boxes answered by the test driver, End thrown as
// vb::ProgramEnded and the clock at 15/03/2010 10:20:30.
class ResumenTest : public ::testing::Test {
 public:
  // The install folder (DBPath), ending with "/".
  std::string Zep() const { return suite_.installFolder; }
  // DET rows of form 0942 for taxpayer 20456712348, period 201003, entity 1.
  void Declara(const Casillas& casillas, int semana = 1) const;
  // A statement run on a connection of the test's own, closed at once.
  void Ejecuta(const std::string& sql) const;
  Filas Consulta(const std::string& sql) const;
  // Rewrites one key of TESCA.INI's Options.
  void FijaOpcion(const std::string& clave, const std::string& valor) const;

 protected:
  void SetUp() override;
  void TearDown() override;

  // The program run with that command line until its End.
  void Corre(const std::string& comando = kComando);

  // A file of the install folder ("RPT/x.PRN") as its bytes.
  std::string Bytes(const std::string& relativa) const;
  // The names of the files of an install folder's subfolder, sorted.
  std::vector<std::string> Archivos(const std::string& carpeta) const;

  testsupport::TempFolder carpeta_;
  host::Suite suite_;
  forms::TestDriver driver_;

 private:
  std::optional<testsupport::ScopedEnv> windir_;
};

// The bytes of a file of these lines: Windows-1252, each line ended by CR LF.
std::string Cp1252(const Lineas& lineas);

}  // namespace tarvel::prueba
