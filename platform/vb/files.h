#pragma once
// Numbered files, Dir, Kill, FileCopy, Name and path resolution.
#include <string>

#include "platform/vb/date.h"

namespace vb {

// Paths: "\" separates folders like "/". The suite's files were named on a
// case-insensitive system, so a component that does not exist with its exact case
// is replaced by the first entry of its folder (in name order) that matches it
// ignoring case; a component with no match at all is kept as written.
std::string ResolvePath(const std::string& path);

// The six ways a program opens a file by number: sequential output (created or
// emptied), input, append (created when missing), random access with a record
// length, binary reading (a missing file is error 53) and binary writing (created
// when missing, never emptied).
enum class OpenMode { Output, Input, Append, Random, BinaryRead, BinaryWrite };

// File numbers run from 1 to 511. A number in use, or a file already open for
// output or append (or opened so while it is open), raises 55; a number not open
// raises 52; an operation the mode does not allow raises 54. Operating-system
// failures raise the runtime's numbers: 53 file not found, 76 path not found,
// 70 permission denied, 75 path/file access error, 61 disk full, 57 device I/O
// error, 68 device unavailable, 71 disk not ready, 64 bad file name, 67 too many
// files. The first Open registers an end hook, so that End closes every file.
int FreeFile();
void Open(const std::string& path, OpenMode mode, int fileNumber, int recordLength = 128);
void Close(int fileNumber);
void Close();

// Text files are Windows-1252 on disk: a character without a Windows-1252 code is
// written as "?". Print ends the line with CR LF unless told not to ("Print #n, x;").
enum class LineEnd { CrLf, None };
void Print(int fileNumber, const std::string& text, LineEnd end = LineEnd::CrLf);
// One line without its end; CR LF, LF and CR all end a line. Reading past the end
// raises 62.
std::string LineInput(int fileNumber);
// Input(length, #n): the next `length` characters of a file open for input, as
// they stand, line ends included (one Windows-1252 byte is one character, so
// Input(LOF(n), n) reads a whole file). Asking for more than is left raises 62
// and reads nothing; a file open in another mode raises 54.
std::string Input(long long length, int fileNumber);
// `EOF` is a macro of the C library, hence the spelling.
bool Eof(int fileNumber);
long long LOF(int fileNumber);

// Binary access, bytes as they are on disk. `position` counts bytes from 1; 0 reads
// or writes at the current position. Get returns fewer bytes at the end of the file.
std::string Get(int fileNumber, long long length, long long position = 0);
void Put(int fileNumber, const std::string& bytes, long long position = 0);
// Random access by record number from 1 (63 below 1); a record longer than the
// record length raises 59; a record past the end reads as zero bytes.
std::string GetRecord(int fileNumber, long long record);
void PutRecord(int fileNumber, long long record, const std::string& bytes);

// Dir lists the ordinary files (not folders, not hidden dot files) of a folder whose
// names match `pattern`'s last component, ignoring case ("*" any run, "?" one
// character, "*.*" everything); it returns the first name and Dir() the next ones,
// "" when there are no more (Dir() after that raises 5). A missing folder raises 76.
std::string Dir(const std::string& pattern);
std::string Dir();

// Kill deletes the ordinary files matching a pattern (53 when none does, 75 for a
// file open in this program). FileCopy refuses a source open for writing or a
// destination open at all (70). Name renames (58 when the new name exists, 75 for
// an open file, 74 across devices).
void Kill(const std::string& pattern);
void FileCopy(const std::string& source, const std::string& destination);
void Name(const std::string& oldPath, const std::string& newPath);
void MkDir(const std::string& path);
void RmDir(const std::string& path);
void ChDir(const std::string& path);
std::string CurDir();
long long FileLen(const std::string& path);
Date FileDateTime(const std::string& path);

}  // namespace vb
