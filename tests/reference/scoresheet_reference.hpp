// Ordering by average the plain way: neighbour exchanges on a strict
// greater-than, count - 1 passes of count - 1 - i comparisons each.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace reference {

/// Bubble-sorts `records` by their `average` member, exchanging whole records.
template <class Record>
void bubble_sort_by_average(std::vector<Record>& records, int count) {
  for (int i = 0; i < count - 1; ++i) {
    for (int k = 0; k < count - 1 - i; ++k) {
      auto& current = records[static_cast<std::size_t>(k)];
      auto& next = records[static_cast<std::size_t>(k) + 1];
      if (current.average > next.average) std::swap(current, next);
    }
  }
}

}  // namespace reference
