#include "platform/dao/errors.h"

#include <map>

#include "platform/dao/dbengine.h"
#include "platform/vb/error.h"

namespace dao {
namespace {

// Each text has a generic form and, where the engine names an object, a form with
// "|" standing for that name.
struct Text {
  const char* generic;
  const char* withDetail;
};

const std::map<int, Text>& Texts() {
  static const std::map<int, Text> texts = {
      {kErrReserved, {"Error reservado del motor de base de datos.",
                      "Error reservado del motor de base de datos (|)."}},
      {kErrInvalidArgument, {"Argumento no válido.", nullptr}},
      {kErrTooManyTransactions,
       {"No se pueden iniciar más transacciones: hay demasiadas anidadas.", nullptr}},
      {kErrTableExists, {"La tabla ya existe.", "La tabla '|' ya existe."}},
      {kErrUpdateWithoutEdit, {"Update o CancelUpdate sin AddNew ni Edit.", nullptr}},
      {kErrNoCurrentRecord, {"No hay ningún registro activo.", nullptr}},
      {kErrDuplicateKey,
       {"Los cambios no se realizaron porque crearían valores duplicados en el índice, "
        "la clave principal o la relación.",
        "Los cambios en la tabla '|' no se realizaron porque crearían valores duplicados en "
        "el índice, la clave principal o la relación."}},
      {kErrFileNotFound, {"No se encontró el archivo.", "No se encontró el archivo '|'."}},
      {kErrDiskFull, {"No hay espacio suficiente en el disco.", nullptr}},
      {kErrReadOnly,
       {"No se puede actualizar. La base de datos o el objeto es de sólo lectura.", nullptr}},
      {kErrCommitWithoutBegin,
       {"Se intentó confirmar o deshacer una transacción sin haberla iniciado.", nullptr}},
      {kErrInvalidPath, {"La ruta de acceso no es válida.", "'|' no es una ruta de acceso válida."}},
      {kErrLocked,
       {"El motor de base de datos no puede abrir el archivo: otro usuario lo tiene abierto "
        "en modo exclusivo o bloqueado.",
        "El motor de base de datos no puede abrir el archivo '|': otro usuario lo tiene abierto "
        "en modo exclusivo o bloqueado."}},
      {kErrNullInKey, {"El índice o la clave principal no puede contener un valor nulo.",
                       "El campo '|' es parte de la clave principal y no puede contener un valor nulo."}},
      {kErrTooFewParameters,
       {"Pocos parámetros. Se esperaba 1.", "Pocos parámetros. Se esperaba 1 ('|')."}},
      {kErrSelectNotExecutable, {"No se puede ejecutar una consulta de selección.", nullptr}},
      {kErrSyntaxInExpression,
       {"Error de sintaxis en la expresión.", "Error de sintaxis en la expresión de consulta '|'."}},
      {kErrTableNotFound,
       {"El motor de base de datos no encuentra la tabla o consulta de entrada.",
        "El motor de base de datos no encuentra la tabla o consulta de entrada '|'."}},
      {kErrUndefinedFunction, {"Función no definida en la expresión.",
                               "Función '|' no definida en la expresión."}},
      {kErrInvalidBookmark, {"No es un marcador válido.", nullptr}},
      {kErrInvalidSql, {"Instrucción SQL no válida; se esperaba DELETE, INSERT, SELECT o UPDATE.",
                        nullptr}},
      {kErrFieldTooSmall,
       {"El campo es demasiado pequeño para la cantidad de datos que intentó agregar.",
        "El campo '|' es demasiado pequeño para la cantidad de datos que intentó agregar."}},
      {kErrFieldNotUpdatable, {"No se puede actualizar el campo.",
                               "No se puede actualizar el campo '|'."}},
      {kErrRecordDeleted, {"El registro se ha eliminado.", nullptr}},
      {kErrFieldDefinedTwice, {"No se puede definir el campo más de una vez.",
                               "No se puede definir el campo '|' más de una vez."}},
      {kErrDatabaseExists, {"La base de datos ya existe.", "La base de datos '|' ya existe."}},
      {kErrInvalidOperation, {"Operación no válida.", nullptr}},
      {kErrNotSupported, {"La operación no es válida para este tipo de objeto.", nullptr}},
      {kErrItemNotFound, {"Elemento no encontrado en esta colección.",
                          "Elemento '|' no encontrado en esta colección."}},
      {kErrFieldInIndex, {"No se puede eliminar un campo que forma parte de un índice.", nullptr}},
      {kErrPrimaryKeyExists, {"La clave principal ya existe.",
                              "La tabla '|' ya tiene una clave principal."}},
      {kErrSyntaxInCreateTable, {"Error de sintaxis en la instrucción CREATE TABLE.", nullptr}},
      {kErrSyntaxInFieldDefinition, {"Error de sintaxis en la definición del campo.",
                                     "Error de sintaxis en la definición del campo '|'."}},
      {kErrSyntaxInAlterTable, {"Error de sintaxis en la instrucción ALTER TABLE.", nullptr}},
      {kErrRequired, {"El campo no puede contener un valor nulo.",
                      "El campo '|' no puede contener un valor nulo."}},
      {kErrZeroLength, {"El campo no puede ser una cadena de longitud cero.",
                        "El campo '|' no puede ser una cadena de longitud cero."}},
      {kErrUnrecognisedFormat, {"Formato de base de datos no reconocido.",
                                "Formato de base de datos no reconocido '|'."}},
      {kErrValueCountMismatch,
       {"El número de valores de la consulta no coincide con el número de campos de destino.",
        nullptr}},
      {kErrNumericOverflow, {"Desbordamiento del campo numérico.",
                             "Desbordamiento del campo numérico '|'."}},
      {kErrIndexExists, {"La tabla ya tiene un índice con ese nombre.",
                         "La tabla ya tiene un índice llamado '|'."}},
      {kErrTableMissing, {"La tabla no existe.", "La tabla '|' no existe."}},
      {kErrObjectInvalid, {"El objeto no es válido o ya no está establecido.", nullptr}},
      {kErrConversion, {"Error en la conversión del tipo de datos.",
                        "Error en la conversión del tipo de datos del campo '|'."}},
      {kErrTypeMismatch, {"No coinciden los tipos de datos en la expresión de criterios.", nullptr}},
  };
  return texts;
}

[[noreturn]] void Raise(const ErrorItem& item) {
  Engine().RecordError(item);
  throw vb::Error(item.Number, item.Description, item.Source);
}

std::string Fill(const char* pattern, const std::string& detail) {
  std::string text(pattern);
  auto bar = text.find('|');
  if (bar != std::string::npos) text.replace(bar, 1, detail);
  return text;
}

}  // namespace

std::string EngineErrorText(int number, const std::string& detail) {
  auto it = Texts().find(number);
  if (it == Texts().end()) return vb::ErrorText(number);
  if (detail.empty() || it->second.withDetail == nullptr) return it->second.generic;
  return Fill(it->second.withDetail, detail);
}

void RegisterEngineErrorTexts() {
  for (const auto& [number, text] : Texts()) vb::SetErrorText(number, text.generic);
}

void RaiseEngineError(int number, const std::string& detail, const std::string& source) {
  Raise({number, EngineErrorText(number, detail), source});
}

void RaiseTransactionLost() {
  Raise({kErrTransactionLost,
         "El motor de base de datos deshizo la transacción después de un error (disco lleno, error de "
         "lectura o escritura, memoria insuficiente o archivo bloqueado): no se guardó ninguno de sus "
         "cambios.",
         "DAO.Workspace"});
}

}  // namespace dao
