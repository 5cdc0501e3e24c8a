#pragma once

#include <array>
#include <cassert>

// An array indexed from 1 to N, as the game counts horses (1..9) and gallop frames (1..8).
template <class T, int N>
class TOneBased {
 public:
  T& operator[](int i) {
    assert(i >= 1 && i <= N);
    return items_[i - 1];
  }
  const T& operator[](int i) const {
    assert(i >= 1 && i <= N);
    return items_[i - 1];
  }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::array<T, N> items_{};
};
