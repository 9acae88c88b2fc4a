// The score sheet of one class: reading the students, the score table, the
// corrections, the totals and averages, and the class ordered by average.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "console/input.hpp"
#include "console/output.hpp"

namespace scoresheet {

/// One student. The texts are kept padded with blanks to their field width,
/// with their lengths beside them, so a table column is one fixed-size copy.
struct student {
  static constexpr std::size_t kIdField = 20;    // at most 19 bytes of text
  static constexpr std::size_t kNameField = 32;  // at most 31 bytes of text

  char id[kIdField];
  char name[kNameField];
  std::uint8_t id_length;
  std::uint8_t name_length;
  float english;
  float math;
  float physics;
  float c_score;
  float average;  // set by average_sum

  std::string_view id_text() const { return {id, id_length}; }
  std::string_view name_text() const { return {name, name_length}; }
};

/// The class, in input order. Records are stored in large blocks that never
/// move, so reading a big class copies nothing as it grows.
class student_list {
 public:
  /// Iterates over the records in order.
  template <class List, class Record>
  class iterator_of {
   public:
    iterator_of(List* list, std::size_t index) : list_(list), index_(index) {}
    Record& operator*() const { return (*list_)[index_]; }
    iterator_of& operator++() {
      ++index_;
      return *this;
    }
    bool operator!=(const iterator_of& other) const { return index_ != other.index_; }

   private:
    List* list_;
    std::size_t index_;
  };
  using iterator = iterator_of<student_list, student>;
  using const_iterator = iterator_of<const student_list, const student>;

  student_list() = default;
  student_list(const student_list&) = delete;
  student_list& operator=(const student_list&) = delete;

  /// Appends a record, uninitialised, and returns it.
  student& emplace_back() {
    if (size_ == blocks_.size() * kPerBlock) add_block();
    return (*this)[size_++];
  }
  student& operator[](std::size_t i) { return blocks_[i / kPerBlock].get()[i % kPerBlock]; }
  const student& operator[](std::size_t i) const { return blocks_[i / kPerBlock].get()[i % kPerBlock]; }
  std::size_t size() const { return size_; }
  iterator begin() { return {this, 0}; }
  iterator end() { return {this, size_}; }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size_}; }

 private:
  // Blocks of 2 MiB, so the system can back each with one huge page.
  static constexpr std::size_t kBlockBytes = std::size_t{1} << 21;
  static constexpr std::size_t kPerBlock = kBlockBytes / sizeof(student);
  struct Free {
    void operator()(student* block) const;
  };
  void add_block();

  std::vector<std::unique_ptr<student, Free>> blocks_;
  std::size_t size_ = 0;
};

/// Writes `value`, widened to double, as C's "%.2f" does (two decimals,
/// rounding the exact value to nearest with ties to even; "inf", "-inf",
/// "nan", "-nan"); returns the end. At most 48 bytes are written.
char* format_fixed2(char* out, float value);

/// Reads the class: `count` records, or one when the count is below 1.
/// Each record is a student number (at most 19 bytes), a name (at most 31
/// bytes) and the English, Math, Physics and C scores, separated by any
/// white space. Missing or malformed fields are bad input.
void create_list(console::Input& in, student_list& list, std::int32_t count);

/// The score table: a heading, one row per student, and an empty line.
void output_list(const student_list& list, console::Output& out);

/// Overwrites one score of the first student whose number is `id`: the
/// subject is "English", "Math", "Physics" or "C", compared exactly. Any
/// other subject, or a number nobody has, changes nothing. Texts compare
/// as C strings: up to a NUL byte.
void search_list(student_list& list, std::string_view id, std::string_view subject, float score);

/// "SumAndAvg:", then each student's total (the four scores added in single
/// precision, in order) and average (the total divided by 4, stored in the
/// record), and an empty line.
void average_sum(student_list& list, console::Output& out);

/// Writes the table of numbers, names and averages with the class ordered by
/// ascending average, as repeated exchanges of neighbours whose first
/// average is strictly greater would order it: equal averages keep their
/// order, and no record moves past one whose average is not a number.
/// Nothing moves when `count` (the student count as read) is below 2.
void sort(const student_list& list, std::int32_t count, console::Output& out);

/// The whole program: prompts, the class, the table, the corrections, the
/// corrected table, the totals, and the ordered table.
void run(console::Input& in, console::Output& out);

}  // namespace scoresheet
