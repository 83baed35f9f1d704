#include "platform/vb/sql.h"

namespace vb {

std::string SqlText(const std::string& value) {
  std::string out = "'";
  for (char c : value) {
    out += c;
    if (c == '\'') out += '\'';
  }
  return out + "'";
}

}  // namespace vb
