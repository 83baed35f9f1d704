#pragma once
// Byte comparisons and searches over the short texts statements, keys and the
// fields of a loaded line are made of: a key compare, a statement's literal or
// a line's separator runs for every row stored, and these texts are mostly
// shorter than a library call's own set-up pays for.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace dao::bytes {

inline std::uint64_t Load8(const char* at) {
  std::uint64_t word;
  std::memcpy(&word, at, 8);
  return word;
}

inline std::uint32_t Load4(const char* at) {
  std::uint32_t word;
  std::memcpy(&word, at, 4);
  return word;
}

inline std::uint16_t Load2(const char* at) {
  std::uint16_t word;
  std::memcpy(&word, at, 2);
  return word;
}

// True when the `size` bytes at `a` and `b` are the same; reads only those bytes.
inline bool Same(const char* a, const char* b, std::size_t size) {
  if (size > 16) return std::memcmp(a, b, size) == 0;
  if (size >= 8) return Load8(a) == Load8(b) && Load8(a + size - 8) == Load8(b + size - 8);
  if (size >= 4) return Load4(a) == Load4(b) && Load4(a + size - 4) == Load4(b + size - 4);
  if (size >= 2) return Load2(a) == Load2(b) && Load2(a + size - 2) == Load2(b + size - 2);
  return size == 0 || *a == *b;
}

// The position of the first byte where the `size` bytes at `a` and `b` differ,
// or `size` when they are the same.
inline std::size_t FirstDifference(const char* a, const char* b, std::size_t size) {
  static_assert(std::endian::native == std::endian::little, "the first byte of a word is its lowest");
  std::size_t at = 0;
  for (; at + 8 <= size; at += 8) {
    std::uint64_t x = Load8(a + at) ^ Load8(b + at);
    if (x != 0) return at + static_cast<std::size_t>(__builtin_ctzll(x)) / 8;
  }
  if (at + 4 <= size) {
    std::uint32_t x = Load4(a + at) ^ Load4(b + at);
    if (x != 0) return at + static_cast<std::size_t>(__builtin_ctz(x)) / 8;
    at += 4;
  }
  while (at < size && a[at] == b[at]) ++at;
  return at;
}

// The position of the first `byte` in text[from, size), or `size` when there is
// none; eight bytes a step while eight remain.
inline std::size_t Find(const char* text, std::size_t from, std::size_t size, char byte) {
  static_assert(std::endian::native == std::endian::little, "the first byte of a word is its lowest");
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
  const std::uint64_t pattern = kOnes * static_cast<unsigned char>(byte);
  for (; from + 8 <= size; from += 8) {
    std::uint64_t word = Load8(text + from) ^ pattern;
    std::uint64_t zero = (word - kOnes) & ~word & kHighs;
    if (zero != 0) return from + static_cast<std::size_t>(__builtin_ctzll(zero)) / 8;
  }
  while (from < size && text[from] != byte) ++from;
  return from;
}

}  // namespace dao::bytes
