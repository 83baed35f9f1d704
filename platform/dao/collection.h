#pragma once
// Iterating the engine's collections as references.
#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

namespace dao {

// Walks a list of owned objects as references, so that "for (Field& f : rs.Fields())"
// reads like the system's For Each.
template <typename T>
class OwnedIterator {
 public:
  using iterator_category = std::forward_iterator_tag;
  using value_type = T;
  using difference_type = std::ptrdiff_t;
  using pointer = T*;
  using reference = T&;
  using Base = typename std::vector<std::unique_ptr<T>>::const_iterator;

  explicit OwnedIterator(Base it) : it_(it) {}
  T& operator*() const { return **it_; }
  T* operator->() const { return it_->get(); }
  OwnedIterator& operator++() {
    ++it_;
    return *this;
  }
  OwnedIterator operator++(int) {
    OwnedIterator copy = *this;
    ++it_;
    return copy;
  }
  friend bool operator==(const OwnedIterator& a, const OwnedIterator& b) { return a.it_ == b.it_; }

 private:
  Base it_;
};

}  // namespace dao
