// The word-at-a-time comparisons and searches give what a byte-by-byte loop
// gives, wherever in a text of any length the byte looked for or the first
// difference stands, high bytes included.
#include <gtest/gtest.h>

#include <string>

#include "platform/dao/bytes.h"

namespace dao::bytes {
namespace {

TEST(Bytes, WordAtATimeAgreesWithAByteLoopAtEveryOffset) {
  const std::string kBase = "a\xC3\x80\x01\xFFz";
  for (std::size_t size = 0; size <= 24; ++size) {
    std::string a;
    for (std::size_t i = 0; i < size; ++i) a += kBase[i % kBase.size()];
    const std::string copy = a;
    EXPECT_TRUE(Same(a.data(), copy.data(), size)) << size;
    EXPECT_EQ(FirstDifference(a.data(), copy.data(), size), size) << size;
    EXPECT_EQ(Find(a.data(), 0, size, '\''), size) << size;
    for (std::size_t at = 0; at < size; ++at) {
      for (char other : {'b', '\x7F', '\x00', '\''}) {
        std::string b = a;
        b[at] = other;
        EXPECT_FALSE(Same(a.data(), b.data(), size)) << size << " " << at;
        EXPECT_EQ(FirstDifference(a.data(), b.data(), size), at) << size << " " << at;
        EXPECT_EQ(Find(b.data(), 0, size, other), at) << size << " " << at;
        EXPECT_EQ(Find(b.data(), at, size, other), at) << size << " " << at;
        EXPECT_EQ(Find(b.data(), at + 1, size, other), size) << size << " " << at;
      }
    }
  }
}

}  // namespace
}  // namespace dao::bytes
