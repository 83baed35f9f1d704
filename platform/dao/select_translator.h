#pragma once
// Translation of a statement's outermost SELECT.
#include "platform/dao/sql_tree.h"
#include "platform/dao/translator.h"

namespace dao {

class Catalogue;

// The outermost SELECT of a statement: DISTINCTROW dropped, TOP n as LIMIT n, a
// name for every expression of the select list (Expr1000, Expr1001, ... by place)
// with the type the engine gives it, SELECT ... INTO told apart, and with
// `withRowid` the rowid of a single-table query, for recordsets that write back.
void TranslateSelect(Nodes& nodes, Translation& translation, const Catalogue& catalogue, bool withRowid);

}  // namespace dao
