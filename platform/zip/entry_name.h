#pragma once
// The safe name of an archive entry.
#include <optional>
#include <string>

namespace zip {

// The name under which an archive entry may be written inside the extraction
// folder: its base name, since stored folders are never recreated. "/" and "\"
// both separate folders (archives made on Windows use either). A name that is
// empty, absolute ("/x", "\x", "C:x"), that holds a ".." component anywhere or
// whose base name is "." has no safe name; neither has a folder entry ("dir/").
std::optional<std::string> SafeBaseName(const std::string& entryName);

// True for a name that ends with a separator: a folder entry, which holds no data.
bool IsFolderName(const std::string& entryName);

}  // namespace zip
