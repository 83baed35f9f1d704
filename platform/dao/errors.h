#pragma once
// The engine's error numbers, their Spanish texts and the Errors collection's entries.
#include <string>

namespace dao {

// One entry of DBEngine.Errors: what the engine reported for the last failing call.
struct ErrorItem {
  int Number = 0;
  std::string Description;
  std::string Source;
  friend bool operator==(const ErrorItem&, const ErrorItem&) = default;
};

// The engine's error numbers that the layer raises. The programs branch on some of
// them (3051 locked, 3022 duplicate key, 3010 table exists).
inline constexpr int kErrReserved = 3000;
inline constexpr int kErrInvalidArgument = 3001;
inline constexpr int kErrTooManyTransactions = 3003;
inline constexpr int kErrTableExists = 3010;
inline constexpr int kErrUpdateWithoutEdit = 3020;
inline constexpr int kErrNoCurrentRecord = 3021;
inline constexpr int kErrDuplicateKey = 3022;
inline constexpr int kErrFileNotFound = 3024;
inline constexpr int kErrDiskFull = 3026;
inline constexpr int kErrReadOnly = 3027;
inline constexpr int kErrCommitWithoutBegin = 3034;
// A transaction SQLite rolled back by itself after an error (a full disk, an I/O
// error, no memory, a lock held past the wait) is no longer begun: a statement,
// commit or savepoint of it raises the same number, with a text of its own that
// says the work was undone.
inline constexpr int kErrTransactionLost = kErrCommitWithoutBegin;
inline constexpr int kErrInvalidPath = 3044;
inline constexpr int kErrLocked = 3051;
inline constexpr int kErrNullInKey = 3058;
inline constexpr int kErrTooFewParameters = 3061;
inline constexpr int kErrSelectNotExecutable = 3065;
inline constexpr int kErrSyntaxInExpression = 3075;
inline constexpr int kErrTableNotFound = 3078;
inline constexpr int kErrUndefinedFunction = 3085;
inline constexpr int kErrInvalidBookmark = 3159;
inline constexpr int kErrInvalidSql = 3129;
inline constexpr int kErrFieldTooSmall = 3163;
inline constexpr int kErrFieldNotUpdatable = 3164;
inline constexpr int kErrRecordDeleted = 3167;
inline constexpr int kErrFieldDefinedTwice = 3191;
inline constexpr int kErrDatabaseExists = 3204;
inline constexpr int kErrInvalidOperation = 3219;
inline constexpr int kErrNotSupported = 3251;
inline constexpr int kErrItemNotFound = 3265;
inline constexpr int kErrFieldInIndex = 3280;
inline constexpr int kErrPrimaryKeyExists = 3283;
inline constexpr int kErrSyntaxInCreateTable = 3290;
inline constexpr int kErrSyntaxInFieldDefinition = 3292;
inline constexpr int kErrSyntaxInAlterTable = 3293;
inline constexpr int kErrRequired = 3314;
inline constexpr int kErrZeroLength = 3315;
inline constexpr int kErrUnrecognisedFormat = 3343;
inline constexpr int kErrValueCountMismatch = 3346;
inline constexpr int kErrNumericOverflow = 3349;
inline constexpr int kErrIndexExists = 3375;
inline constexpr int kErrTableMissing = 3376;
inline constexpr int kErrObjectInvalid = 3420;
inline constexpr int kErrConversion = 3421;
inline constexpr int kErrTypeMismatch = 3464;

// The engine's Spanish description of `number`; `detail` fills the name the text
// speaks of (a table, a field, a file, an expression).
std::string EngineErrorText(int number, const std::string& detail = {});

// Registers the engine's texts with the runtime so that Err.Description of a bare
// number reads in Spanish too. Called once by DBEngine.
void RegisterEngineErrorTexts();

// Raises `number` as a vb::Error and records it in DBEngine.Errors first, so that a
// handler can read both. `source` names the raising object ("DAO.Database"...).
[[noreturn]] void RaiseEngineError(int number, const std::string& detail = {},
                                   const std::string& source = "DAO.Database");

// Raises kErrTransactionLost with its own text, recorded as RaiseEngineError does.
[[noreturn]] void RaiseTransactionLost();

}  // namespace dao
