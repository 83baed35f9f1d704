#pragma once
// The SQLite calls of the code that is also built into the loadable extension
// (the JET collation and the row check): inside the layer, compiled with
// SQLITE_CORE, they go straight to SQLite; inside the extension they go through
// the routines that the program loading it hands over.
#include <sqlite3ext.h>

SQLITE_EXTENSION_INIT3
