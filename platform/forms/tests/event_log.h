#pragma once
// The log the test forms' handlers write.
#include <string>
#include <vector>

// The handlers of the test forms write what ran here, in order.
struct EventLog {
  std::vector<std::string> entries;
  void Add(std::string entry) { entries.push_back(std::move(entry)); }
  std::vector<std::string> Take() { return std::exchange(entries, {}); }
};
