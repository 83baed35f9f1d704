#pragma once
#include <string>
#include <vector>

namespace vb {

inline constexpr const char* vbCr = "\r";
inline constexpr const char* vbLf = "\n";
inline constexpr const char* vbCrLf = "\r\n";
inline constexpr const char* vbTab = "\t";

// Text comparison ignores case (by the Windows-1252 letters, accents kept); binary
// comparison goes by character code.
enum VbCompareMethod : int { vbBinaryCompare = 0, vbTextCompare = 1 };

// Texts are UTF-8, but every length and position counts characters from 1, never
// bytes: "ñandú" has length 5 and its "d" is at position 3. A start below 1 or a
// negative length raises 5; a start past the end gives "".
long Len(const std::string& text);
std::string Left(const std::string& text, long length);
std::string Right(const std::string& text, long length);
std::string Mid(const std::string& text, long start);
std::string Mid(const std::string& text, long start, long length);

// 0 when not found; an empty `find` is found at `start` unless `start` is past the end.
long InStr(const std::string& text, const std::string& find);
long InStr(long start, const std::string& text, const std::string& find,
           VbCompareMethod compare = vbBinaryCompare);
// Searches backwards from `start` (-1: the last character).
long InStrRev(const std::string& text, const std::string& find, long start = -1,
              VbCompareMethod compare = vbBinaryCompare);

std::string Space(long count);
// `count` copies of the first character of `character`, or of the character with
// that Windows-1252 code.
std::string String(long count, const std::string& character);
std::string String(long count, int code);

// The result begins at `start`, as the runtime's Replace returns it; `count` -1
// replaces every occurrence.
std::string Replace(const std::string& text, const std::string& find, const std::string& with,
                    long start = 1, long count = -1, VbCompareMethod compare = vbBinaryCompare);
// -1, 0 or 1.
int StrComp(const std::string& a, const std::string& b, VbCompareMethod compare = vbBinaryCompare);

// Upper and lower case of the Windows-1252 letters (ñ/Ñ, á/Á, ...); other characters
// are left as they are.
std::string UCase(const std::string& text);
std::string LCase(const std::string& text);

// Blanks (code 32) only: tabs and line ends stay.
std::string Trim(const std::string& text);
std::string LTrim(const std::string& text);
std::string RTrim(const std::string& text);

// Windows-1252 codes: Asc("ñ") is 241, Chr(209) is "Ñ". Asc of "" raises 5, as does
// Chr outside 0-255. A character without a Windows-1252 code gives 63 ("?").
int Asc(const std::string& text);
std::string Chr(int code);

// Split of "" gives no elements; an empty delimiter gives the whole text.
std::vector<std::string> Split(const std::string& text, const std::string& delimiter = " ",
                               long limit = -1, VbCompareMethod compare = vbBinaryCompare);
std::string Join(const std::vector<std::string>& parts, const std::string& delimiter = " ");

}  // namespace vb
