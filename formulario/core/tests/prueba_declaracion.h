#pragma once
// One declaration in the suite's tables, for the tests of the subsystems' statements.
#include <string>

#include "formulario/core/tests/entorno_prueba.h"

namespace korva::prueba {

// `texto` filled with blanks to `largo` characters.
std::string Rellena(const std::string& texto, std::size_t largo);
// A PARAM Funcion text with `texto` at position 1 and `marcas` written from
// position `desde` (counted from 1), blanks in between.
std::string Funcion(const std::string& texto, int desde = 0, const std::string& marcas = {});

// One debt row of F0942DEUDAS (or of its history copy, correlative 001) as an
// INSERT naming no columns: values in column order, texts quoted, `acog` and
// `mtoActC` as written.
std::string SentenciaDeuda(const std::string& tabla, const std::string& ruc, int semana,
                           const std::string& tipDeu, const std::string& perDoc, const std::string& codTri,
                           const std::string& numDoc, const std::string& verDeu,
                           const std::string& acog = "Null", const std::string& mtoActC = "Null");

// The module's statements over its own tables and the host's, as the installer
// and the host make them, with one pending declaration (RUC 20100012345, period
// 201003, entity 1) and its sent copy (correlative 001): header, boxes, two
// taxpayers, two users, the parameters the statements read and one debt each.
class PruebaDeclaracion : public PruebaConSuite {
 protected:
  static constexpr const char* kRuc = "20100012345";

  void SetUp() override;
  void TearDown() override;
  host::SuiteOptions Opciones() const override;

  // A row of literal values in a table: Agrega("CLAVES", "'ANA', '1'").
  void Agrega(const std::string& tabla, const std::string& valores);
  void AgregaDeuda(const std::string& tabla, const std::string& tipDeu, const std::string& perDoc,
                   const std::string& codTri, const std::string& numDoc, const std::string& verDeu,
                   const std::string& acog = "Null", const std::string& mtoActC = "Null");
};

}  // namespace korva::prueba
