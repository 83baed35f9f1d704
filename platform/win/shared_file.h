#pragma once
#include <sys/stat.h>

#include <string>

namespace win {

// A file the programs make or rewrite in a suite that several accounts share
// (a lock file, a settings file) gets the group of the file it stands for (a
// lock file: the database's; a rewritten settings file: the one it replaces)
// and, made by root, its owner too, so that every account that could open that
// file can open this one.

// Gives the file `fd` (at `path`) the group and, for root, the owner of `model`.
// One that cannot be given (this account is not in the group) while the file's
// permissions give the group what they give no other account is noted for
// UnsharedFilesNotice: the file still works for this account, so nothing fails.
void ShareLike(int fd, const std::string& path, const struct stat& model);

// The files noted since the last call and what to do, in Spanish, for the
// program to show; "" when there are none. The notes are cleared.
std::string UnsharedFilesNotice();

}  // namespace win
