#pragma once
// Text helpers of the profile, locale and path code.
#include <string>

// Small text helpers shared by the profile, locale and path code of this layer.
namespace win::detail {

// Upper-case form for comparing names the way the system does: case-insensitive
// over ASCII and the accented letters of Windows-1252, whatever the C locale.
std::string FoldCase(const std::string& utf8);
bool SameName(const std::string& a, const std::string& b);

// Blanks here are spaces and tabs.
std::string TrimBlanks(const std::string& text);
std::string TrimTrailingBlanks(const std::string& text);

// Lengths and cuts count characters, never bytes: a value read from a
// Windows-1252 file has one byte per character there.
long CharCount(const std::string& utf8);
std::string LeftChars(const std::string& utf8, long count);

}  // namespace win::detail
