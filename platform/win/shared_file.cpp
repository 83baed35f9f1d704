#include "platform/win/shared_file.h"

#include <grp.h>
#include <unistd.h>

#include <mutex>
#include <vector>

namespace win {
namespace {

std::mutex gNotesMutex;
std::vector<std::string> gNotes;

std::string GroupName(gid_t gid) {
  std::vector<char> scratch(16384);
  group entry{};
  group* found = nullptr;
  if (getgrgid_r(gid, &entry, scratch.data(), scratch.size(), &found) == 0 && found) return found->gr_name;
  return std::to_string(gid);
}

// Whether the permission bits at `shift` (3 the group's, 6 the owner's) give
// what the bits of every other account do not: those who had it through them
// lose it with the group or the owner.
bool GivesMoreThanOthers(mode_t mode, int shift) { return ((mode >> shift) & ~mode & 07) != 0; }

}  // namespace

void ShareLike(int fd, const std::string& path, const struct stat& model) {
  struct stat made;
  if (fstat(fd, &made) != 0) return;
  bool root = geteuid() == 0;
  bool ownerGiven = !root || made.st_uid == model.st_uid;
  if (ownerGiven && made.st_gid == model.st_gid) return;
  if (fchown(fd, root ? model.st_uid : static_cast<uid_t>(-1), model.st_gid) == 0) return;
  if (!GivesMoreThanOthers(made.st_mode, 3) && (ownerGiven || !GivesMoreThanOthers(made.st_mode, 6))) return;
  std::lock_guard guard(gNotesMutex);
  gNotes.push_back(path + " (grupo " + GroupName(model.st_gid) + ")");
}

std::string UnsharedFilesNotice() {
  std::lock_guard guard(gNotesMutex);
  if (gNotes.empty()) return "";
  // Root may give any group and owner: only the file system (a share that maps
  // root to another account) refuses it.
  std::string notice =
      geteuid() == 0
          ? "Otras cuentas no podrán abrir estos archivos: el sistema de archivos no permitió darles el dueño y "
            "el grupo con los que esas cuentas los abren.\n"
          : "Otras cuentas no podrán abrir estos archivos: no se les pudo dar el grupo con el que esas cuentas "
            "los abren, al que esta cuenta no pertenece.\n";
  for (const std::string& note : gNotes) notice += note + "\n";
  gNotes.clear();
  return notice + "Pida al administrador que agregue esta cuenta a ese grupo o que devuelva el grupo a estos "
                  "archivos.";
}

}  // namespace win
