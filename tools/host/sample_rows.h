#pragma once
#include <string>
#include <vector>

namespace host {

// A user of the host other than the suite's own: one sample taxpayer is his, so
// that a user who sees only his own declarants does not see it.
inline constexpr const char* kOtherUser = "SUPERVISOR";

// The INSERT statements of the sample rows: the user in CLAVES with his type,
// three taxpayers in CONT and the PARAM rows of every parameter the module reads.
std::vector<std::string> SampleRowStatements(const std::string& user, const std::string& userType);

}  // namespace host
