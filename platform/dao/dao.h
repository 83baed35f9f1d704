#pragma once
// The database layer the programs are written against: DBEngine, Workspace,
// Database, Recordset, Field and TableDefs over an SQLite file, speaking the Jet
// SQL the programs write.
#include "platform/dao/constants.h"
#include "platform/dao/database.h"
#include "platform/dao/dbengine.h"
#include "platform/dao/errors.h"
#include "platform/dao/field.h"
#include "platform/dao/recordset.h"
#include "platform/dao/tabledef.h"
#include "platform/dao/workspace.h"
