#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace host {

// One table of the host's shared database as the host creates it: the Jet
// statement with its columns in their fixed order, and the columns of its
// primary key.
struct HostTable {
  const char* name;
  const char* createSql;
  std::vector<std::string> keyColumns;
};

// Every host table the module reads or writes: CAB, DET, HCAB, HDET, CONT, PARAM,
// CLAVES, SPOOL, envio_t and reportes.
const std::vector<HostTable>& HostTables();

// The table of that name, compared without case; nullptr when there is none.
const HostTable* FindHostTable(std::string_view name);

// "ALTER TABLE CAB ADD CONSTRAINT PK_CAB PRIMARY KEY (tip_doc_d, ...)".
std::string PrimaryKeySql(const HostTable& table);

bool IsKeyColumn(const HostTable& table, std::string_view column);

}  // namespace host
