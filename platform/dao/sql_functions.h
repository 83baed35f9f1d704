#pragma once
// The collation, LIKE and functions the translated statements call in SQLite.
#include <string_view>

struct sqlite3;

namespace dao {

// Registers on `db` what the translated statements call: the JET collation (text
// compared and ordered without regard to case, accented letters beside their base
// letter), LIKE with the engine's wildcards, and the jet_* functions that give the
// engine's string, conversion and date functions with character positions.
void RegisterJetSql(sqlite3* db);

// The JET collation alone, which every text column of a stored table is declared
// with.
void RegisterJetCollation(sqlite3* db);

// The JET collation: <0, 0, >0. "josé" equals "JOSÉ"; "jose" sorts just before
// "josé", and both before "josf".
int CompareJetText(std::string_view a, std::string_view b);

// The engine's LIKE: * any run, ? one character, # one digit, [abc], [a-z] and
// [!abc]; letters match without regard to case.
bool JetLike(std::string_view text, std::string_view pattern);

}  // namespace dao
