// Ordering by average the plain way: neighbour exchanges on a strict
// greater-than, count - 1 passes of count - 1 - i comparisons each.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
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

/// The ordered table as printf writes it: the heading, then each record's
/// number, name and average after bubble_sort_by_average. Records carry
/// their texts as `id`/`name` with lengths `id_length`/`name_length`.
template <class Record>
std::string sorted_table(std::vector<Record> records, int count) {
  bubble_sort_by_average(records, count);
  std::string table = "ID             Name                AVG       \n";
  for (const Record& s : records) {
    char row[160];
    std::snprintf(row, sizeof row, "%-15.*s%-20.*s%-10.2f\n", static_cast<int>(s.id_length), s.id,
                  static_cast<int>(s.name_length), s.name, static_cast<double>(s.average));
    table += row;
  }
  return table;
}

}  // namespace reference
