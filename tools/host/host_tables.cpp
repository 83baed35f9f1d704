#include "tools/host/host_tables.h"

#include <cctype>

namespace host {
namespace {

// The record check code walks a row's fields in table order: the first n fields
// are summed as numbers, the rest up to the one before the last are summed
// character by character, and the code itself is stored in the last column. So
// the column order below decides every check code written into these tables, and
// nothing else may define it: each table that holds a declaration begins with the
// declaration key (tip_doc_d, doc_id_d, periodo, formulario, Semana) and ends with
// cNumero. Writers split a header row after 5 fields (the key) and a box row
// after 6 (the key and Casilla).
//
// Sent declarations carry the correlative Correl. It follows the columns of the
// first group, so that a sent row's first group is the same as its pending row's:
// in HCAB right after the key (split 5), in HDET after Casilla (split 6). Placed
// right after the key in HDET, it would take the box number's place in the first
// group of the box row's check code.
const std::vector<HostTable> kTables = {
    {"CAB",
     "CREATE TABLE CAB (tip_doc_d BYTE, doc_id_d TEXT(15), periodo TEXT(6), "
     "formulario TEXT(4), Semana BYTE, fec_pro TEXT(10), bcolibrad BYTE, "
     "nrocheque TEXT(15), efectivo TEXT(15), cheque TEXT(15), Rectifica BYTE, "
     "estado BYTE, cNumero TEXT(6))",
     {"tip_doc_d", "doc_id_d", "periodo", "formulario", "Semana"}},
    {"DET",
     "CREATE TABLE DET (tip_doc_d BYTE, doc_id_d TEXT(15), periodo TEXT(6), "
     "formulario TEXT(4), Semana BYTE, Casilla TEXT(4), i_valor TEXT(50), "
     "idcasilla TEXT(2), estado TEXT(1), cNumero TEXT(6))",
     {"tip_doc_d", "doc_id_d", "periodo", "formulario", "Semana", "Casilla"}},
    {"HCAB",
     "CREATE TABLE HCAB (tip_doc_d BYTE, doc_id_d TEXT(15), periodo TEXT(6), "
     "formulario TEXT(4), Semana BYTE, Correl TEXT(3), fec_pro TEXT(10), "
     "bcolibrad BYTE, nrocheque TEXT(15), efectivo TEXT(15), cheque TEXT(15), "
     "Rectifica BYTE, estado BYTE, cNumero TEXT(6))",
     {"tip_doc_d", "doc_id_d", "periodo", "formulario", "Semana", "Correl"}},
    {"HDET",
     "CREATE TABLE HDET (tip_doc_d BYTE, doc_id_d TEXT(15), periodo TEXT(6), "
     "formulario TEXT(4), Semana BYTE, Casilla TEXT(4), Correl TEXT(3), "
     "i_valor TEXT(50), idcasilla TEXT(2), estado TEXT(1), cNumero TEXT(6))",
     {"tip_doc_d", "doc_id_d", "periodo", "formulario", "Semana", "Correl", "Casilla"}},
    {"CONT",
     "CREATE TABLE CONT (tip_doc_d BYTE, doc_id_d TEXT(15), nombre TEXT(100), "
     "usuario TEXT(20))",
     {"tip_doc_d", "doc_id_d"}},
    // The module's installer inserts into PARAM without naming columns: these
    // four must stay its first four, in this order.
    {"PARAM",
     "CREATE TABLE PARAM (Numero TEXT(3), Argumento TEXT(20), Funcion TEXT(255), "
     "Correl_Param TEXT(3))",
     {"Numero", "Argumento"}},
    {"CLAVES", "CREATE TABLE CLAVES (Usuario TEXT(20), Tipo TEXT(1))", {"Usuario"}},
    // Spool files are numbered from the highest Archivo stored; the key turns two
    // programs registering the same number at once into a refused row instead of
    // two rows naming one file.
    {"SPOOL",
     "CREATE TABLE SPOOL (CodRep TEXT(10), Secuencia TEXT(6), Archivo TEXT(12), "
     "Fecha DATETIME, Usuario TEXT(20), tip_doc_d SHORT, doc_id_d TEXT(15))",
     {"Archivo"}},
    // Inserted without column names as well: 13 columns in this order.
    {"envio_t",
     "CREATE TABLE envio_t (FORMULARIO TEXT(4), tabla_o TEXT(30), tabla_d TEXT(30), "
     "tabla_ext TEXT(30), indice BYTE, obliga BYTE, c_tip_doc_d BYTE, "
     "c_doc_id_d DOUBLE, c_Formulario DOUBLE, c_periodo DOUBLE, c_estado DOUBLE, "
     "c_envio DOUBLE, c_semana DOUBLE)",
     {"FORMULARIO", "tabla_o"}},
    // Report code, description and flag, inserted without column names.
    {"reportes", "CREATE TABLE reportes (codrep TEXT(10), desrep TEXT(60), indrep BYTE)",
     {"codrep"}},
};

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

const std::vector<HostTable>& HostTables() { return kTables; }

const HostTable* FindHostTable(std::string_view name) {
  for (const HostTable& table : kTables)
    if (SameName(table.name, name)) return &table;
  return nullptr;
}

std::string PrimaryKeySql(const HostTable& table) {
  std::string sql = std::string("ALTER TABLE ") + table.name + " ADD CONSTRAINT PK_" + table.name +
                    " PRIMARY KEY (";
  for (std::size_t i = 0; i < table.keyColumns.size(); ++i)
    sql += (i ? ", " : "") + table.keyColumns[i];
  return sql + ")";
}

bool IsKeyColumn(const HostTable& table, std::string_view column) {
  for (const std::string& key : table.keyColumns)
    if (SameName(key, column)) return true;
  return false;
}

}  // namespace host
