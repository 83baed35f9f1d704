#pragma once
// Rewrites of the statement tree from Jet's forms into SQLite's.
#include "platform/dao/sql_tree.h"

namespace dao {

// The engine's functions become the layer's jet_* functions.
void RenameFunctions(Nodes& nodes);
// `a & b & c` becomes jet_concat(a, b, c).
void RewriteConcat(Nodes& nodes);
// Each operand of a binary *, /, - or Mod that is not a number literal becomes
// jet_num(operand), which reads a text as the engine does in arithmetic.
void ConvertArithmeticOperands(Nodes& nodes);
// "SELECT ... UNION (SELECT ...)": the members of a UNION without parentheses.
void UnwrapUnionMembers(Nodes& nodes);
// Every ORDER BY term sorts text as the engine does.
void CollateOrderBy(Nodes& nodes);

}  // namespace dao
