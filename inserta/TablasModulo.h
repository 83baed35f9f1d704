#pragma once
// The names of the module's tables, written once for the installer, which makes
// them, and for the main program, which checks them at start-up and empties its
// working tables: names only, so that including them links nothing of the
// installer.

namespace nuvia {

// The module's tables in the order the installer creates them: stored, history
// and working copy of the debts, of the motives, of the supporting data, the
// guarantee table, then the working tables' opening mark: the declaration the
// request form last copied into the working tables, with a mark of that copy,
// which its stores read back to know that the working rows are still theirs.
inline constexpr const char* kTablasModulo[] = {
    "F0942DEUDAS",     "HF0942DEUDAS", "TMP_F0942DEUDAS", "F0942MOTIVO",   "HF0942MOTIVO",
    "TMP_F0942MOTIVO", "F0942SUSTEN",  "HF0942SUSTEN",    "TMP_F0942SUSTEN", "F0942GARANTIA",
    "TMP_F0942APERTURA"};

// The working tables: the open declaration's rows and the mark of their copy,
// which belong to no stored declaration. The installer drops them on every run;
// the request form empties them when it opens and when it closes.
inline constexpr const char* kTablasTrabajo[] = {"TMP_F0942DEUDAS", "TMP_F0942MOTIVO", "TMP_F0942SUSTEN",
                                                 "TMP_F0942APERTURA"};

}  // namespace nuvia
