#pragma once
// The sample form's database and help page.
#include <string>

namespace sample {

// A database with a few debts for the sample form's grid: table DEUDAS with
// columns id, periodo, cod_tri, ind_acog (1 shown as "SI", 2 as "NO") and
// monto. Answers the database's path.
std::string CreateSampleDatabase(const std::string& folder);

// A help page for the sample, with an anchor per topic number.
std::string WriteSampleHelp(const std::string& folder);

}  // namespace sample
