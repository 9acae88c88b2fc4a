#include "scoresheet/scoresheet.hpp"

#include <sys/mman.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "console/parse.hpp"

namespace scoresheet {
namespace {

// The prompts, in GBK.
// 请输入需要处理的学生人数： (how many students)
constexpr std::string_view kAskCount =
    "\xc7\xeb\xca\xe4\xc8\xeb\xd0\xe8\xd2\xaa\xb4\xa6\xc0\xed\xb5\xc4\xd1\xa7\xc9\xfa\xc8\xcb\xca\xfd"
    "\xa3\xba";
// 请输入需要处理的学生信息： (the students' records)
constexpr std::string_view kAskRecords =
    "\xc7\xeb\xca\xe4\xc8\xeb\xd0\xe8\xd2\xaa\xb4\xa6\xc0\xed\xb5\xc4\xd1\xa7\xc9\xfa\xd0\xc5\xcf\xa2"
    "\xa3\xba\n";
// 请输入需要修改的信息条数： (how many corrections)
constexpr std::string_view kAskCorrections =
    "\xc7\xeb\xca\xe4\xc8\xeb\xd0\xe8\xd2\xaa\xd0\xde\xb8\xc4\xb5\xc4\xd0\xc5\xcf\xa2\xcc\xf5\xca\xfd"
    "\xa3\xba";
// 请分别输入需要修改学生的学号，科目和成绩： (number, subject and score of each)
constexpr std::string_view kAskEdits =
    "\xc7\xeb\xb7\xd6\xb1\xf0\xca\xe4\xc8\xeb\xd0\xe8\xd2\xaa\xd0\xde\xb8\xc4\xd1\xa7\xc9\xfa\xb5\xc4"
    "\xd1\xa7\xba\xc5\xa3\xac\xbf\xc6\xc4\xbf\xba\xcd\xb3\xc9\xbc\xa8\xa3\xba\n";

// Headings: "%-15s%-20s%-10s..." filled with the column names.
constexpr std::string_view kScoreHeading =
    "ID             Name                English   Math      Physics   C         \n";
constexpr std::string_view kSumHeading = "ID             Name                SUM       AVG       \n";
constexpr std::string_view kSortHeading = "ID             Name                AVG       \n";

constexpr std::size_t kIdWidth = 15;
constexpr std::size_t kNameWidth = 20;
constexpr std::size_t kRealWidth = 10;
// The longest row: both texts at their longest and four reals at theirs.
constexpr std::size_t kLongestRow = 19 + 31 + 4 * 48 + 1;

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes a text padded with blanks to `width`; the field holds the text
// padded with blanks to at least `width` bytes.
char* put_text(char* p, const char* field, std::size_t length, std::size_t width) {
  if (length <= width) {
    std::memcpy(p, field, width);
    return p + width;
  }
  std::memcpy(p, field, length);
  return p + length;
}

// The cells of recently written reals that fill exactly their column: a
// class has few distinct scores, so most cells are copies. Direct-mapped
// on the value's bits.
class CellCache {
 public:
  // The ten-byte cell of `value`, or nothing when the value's text is
  // longer than the column.
  const char* cell(float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    Entry& e = entries_[(bits * 0x9e3779b1u) >> (32 - kBits)];
    if (e.filled && e.bits == bits) return e.text;
    char text[64];
    char* const end = format_fixed2(text, value);
    const auto length = static_cast<std::size_t>(end - text);
    if (length > kRealWidth) return nullptr;
    std::memset(e.text, ' ', kRealWidth);
    std::memcpy(e.text, text, length);
    e.bits = bits;
    e.filled = true;
    return e.text;
  }

 private:
  static constexpr int kBits = 12;
  struct Entry {
    std::uint32_t bits = 0;
    bool filled = false;
    char text[kRealWidth] = {};
  };
  std::array<Entry, std::size_t{1} << kBits> entries_{};
};

CellCache& cell_cache() {
  static CellCache cache;
  return cache;
}

// "%-10.2f".
char* put_real(char* p, float value) {
  if (const char* cell = cell_cache().cell(value)) {
    std::memcpy(p, cell, kRealWidth);
    return p + kRealWidth;
  }
  return format_fixed2(p, value);  // longer than the column: no padding
}

char* put_names(char* p, const student& s) {
  p = put_text(p, s.id, s.id_length, kIdWidth);
  return put_text(p, s.name, s.name_length, kNameWidth);
}

// What a read expects, put into words only when the input falls short.
struct Expected {
  const char* field;   // "the name"
  const char* of;      // "student"
  std::int64_t index;  // 1-based
  std::string words(std::string_view detail = {}) const {
    std::string text = std::string("expected ") + field;
    if (of != nullptr) text += std::string(" of ") + of + " " + std::to_string(index);
    return text.append(detail);
  }
};

// Reads one whole token; end of input is bad input.
console::Token need(console::Input& in, const Expected& what) {
  auto token = in.token();
  if (!token) console::bad_end(what.words(), in);
  return *token;
}

float need_score(console::Input& in, const Expected& what) {
  const console::Token token = need(in, what);
  const auto value = token.truncated ? std::nullopt : console::parse_float(token.text);
  if (!value) console::bad_token(what.words(", a real number"), token);
  return *value;
}

std::int32_t need_count(console::Input& in, const Expected& what) {
  const console::Token token = need(in, what);
  const auto value = token.truncated ? std::nullopt : console::parse_int32(token.text);
  if (!value) console::bad_token(what.words(", an integer from -2147483648 to 2147483647"), token);
  return *value;
}

// A text as the C string functions see it: up to its first NUL byte.
std::string_view up_to_nul(std::string_view text) { return text.substr(0, text.find('\0')); }

// Copies a text into a blank-padded field, or fails when it does not fit.
// The whole token must fit; what is kept, printed and compared is the text
// before a NUL byte, if the token holds one.
void need_text(console::Input& in, char* field, std::size_t field_size, std::uint8_t& length,
               const Expected& what) {
  const console::Token token = need(in, what);
  if (token.truncated || token.text.size() >= field_size) {
    console::bad_token(what.words(" of at most " + std::to_string(field_size - 1) + " bytes"), token);
  }
  const std::string_view text = up_to_nul(token.text);
  std::memset(field, ' ', field_size);
  std::memcpy(field, text.data(), text.size());
  length = static_cast<std::uint8_t>(text.size());
}

void apply(student& s, std::string_view subject, float score) {
  subject = up_to_nul(subject);
  if (subject == "English") {
    s.english = score;
  } else if (subject == "Math") {
    s.math = score;
  } else if (subject == "Physics") {
    s.physics = score;
  } else if (subject == "C") {
    s.c_score = score;
  }
}

// Finds the first student with a number: by a scan for the first few
// lookups, by an index of first occurrences once there have been enough
// lookups to pay for building it.
class Finder {
 public:
  explicit Finder(student_list& list) : list_(list) {}

  // The first student whose number is `id`, compared as C strings compare.
  student* find(std::string_view id) {
    id = up_to_nul(id);
    if (index_.empty() && scans_ < kScansBeforeIndex) {
      ++scans_;
      for (student& s : list_) {
        if (s.id_text() == id) return &s;
      }
      return nullptr;
    }
    if (index_.empty()) {
      index_.reserve(list_.size());
      for (student& s : list_) index_.emplace(s.id_text(), &s);  // keeps the first
    }
    const auto found = index_.find(id);
    return found == index_.end() ? nullptr : found->second;
  }

 private:
  static constexpr int kScansBeforeIndex = 16;
  student_list& list_;
  int scans_ = 0;
  std::unordered_map<std::string_view, student*> index_;
};

// An average, and where its record stood.
struct SortKey {
  std::uint32_t bits;  // ordered as the averages compare
  std::uint32_t position;
};

// Maps a non-NaN float to an unsigned integer with the same order; both
// zeros map alike, since they compare equal.
std::uint32_t order_bits(float value) {
  if (value == 0.0f) value = 0.0f;
  const auto bits = std::bit_cast<std::uint32_t>(value);
  return (bits & 0x80000000u) != 0 ? ~bits : bits | 0x80000000u;
}

// A stable sort by bits: least significant digit first radix sort, three
// passes of 11 bits, for long stretches; a merge sort for short ones.
void stable_sort_keys(std::span<SortKey> keys, std::vector<SortKey>& scratch) {
  if (keys.size() < 256) {
    std::stable_sort(keys.begin(), keys.end(),
                     [](const SortKey& a, const SortKey& b) { return a.bits < b.bits; });
    return;
  }
  scratch.resize(keys.size());
  SortKey* from = keys.data();
  SortKey* to = scratch.data();
  for (int shift = 0; shift < 32; shift += 11) {
    std::vector<std::size_t> start(2049, 0);
    for (std::size_t i = 0; i < keys.size(); ++i) ++start[((from[i].bits >> shift) & 2047) + 1];
    for (std::size_t d = 1; d < start.size(); ++d) start[d] += start[d - 1];
    for (std::size_t i = 0; i < keys.size(); ++i) to[start[(from[i].bits >> shift) & 2047]++] = from[i];
    std::swap(from, to);
  }
  // Three passes leave the result in the scratch space.
  std::copy(from, from + keys.size(), keys.data());
}

}  // namespace

void student_list::Free::operator()(student* block) const { std::free(block); }

void student_list::add_block() {
  void* block = std::aligned_alloc(kBlockBytes, kBlockBytes);
  if (block == nullptr) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
  // One page fault per block instead of 512; only advice, so its result
  // does not matter.
  (void)madvise(block, kBlockBytes, MADV_HUGEPAGE);
#endif
  blocks_.emplace_back(static_cast<student*>(block));
}

char* format_fixed2(char* out, float value) {
  const auto bits = std::bit_cast<std::uint32_t>(value);
  const bool negative = (bits >> 31) != 0;
  const std::uint32_t exponent_field = (bits >> 23) & 0xff;
  const std::uint32_t fraction = bits & 0x7fffff;
  // value = mantissa * 2^exponent exactly.
  const std::uint64_t mantissa = exponent_field == 0 ? fraction : (fraction | 0x800000);
  const int exponent = exponent_field == 0 ? -149 : static_cast<int>(exponent_field) - 150;
  if (exponent_field == 0xff || exponent > 33) {
    // Infinities, NaNs and values from 2^57 up: rare, left to the C library.
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%.2f", static_cast<double>(value));
    std::memcpy(out, buffer, static_cast<std::size_t>(n));
    return out + n;
  }
  // Hundredths: value * 100 rounded to nearest, ties to even.
  std::uint64_t hundredths;
  if (exponent >= 0) {
    hundredths = (mantissa << exponent) * 100;
  } else {
    const int shift = -exponent;
    const std::uint64_t scaled = mantissa * 100;  // below 2^31
    if (shift > 40) {
      hundredths = 0;  // below a two-hundredth: rounds to zero
    } else {
      hundredths = scaled >> shift;
      const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
      const std::uint64_t half = std::uint64_t{1} << (shift - 1);
      if (rest > half || (rest == half && (hundredths & 1) != 0)) ++hundredths;
    }
  }
  if (negative) *out++ = '-';
  out = std::to_chars(out, out + 24, hundredths / 100).ptr;
  *out++ = '.';
  std::memcpy(out, kDigitPairs + 2 * (hundredths % 100), 2);
  return out + 2;
}

void create_list(console::Input& in, student_list& list, std::int32_t count) {
  // The list grows as records actually arrive: a count alone sets nothing aside.
  const std::int64_t records = count < 1 ? 1 : count;
  for (std::int64_t i = 1; i <= records; ++i) {
    student& s = list.emplace_back();
    need_text(in, s.id, sizeof s.id, s.id_length, {"the student number", "student", i});
    need_text(in, s.name, sizeof s.name, s.name_length, {"the name", "student", i});
    s.english = need_score(in, {"the English score", "student", i});
    s.math = need_score(in, {"the Math score", "student", i});
    s.physics = need_score(in, {"the Physics score", "student", i});
    s.c_score = need_score(in, {"the C score", "student", i});
    s.average = 0;
  }
}

void output_list(const student_list& list, console::Output& out) {
  out.put(kScoreHeading);
  for (const student& s : list) {
    char* p = put_names(out.reserve(kLongestRow), s);
    p = put_real(p, s.english);
    p = put_real(p, s.math);
    p = put_real(p, s.physics);
    p = put_real(p, s.c_score);
    *p++ = '\n';
    out.commit(p);
  }
  out.put('\n');
}

void search_list(student_list& list, std::string_view id, std::string_view subject, float score) {
  if (student* s = Finder(list).find(id)) apply(*s, subject, score);
}

void average_sum(student_list& list, console::Output& out) {
  out.put("SumAndAvg:\n");
  out.put(kSumHeading);
  for (student& s : list) {
    float total = 0.0f;
    total += s.english;
    total += s.math;
    total += s.physics;
    total += s.c_score;
    s.average = total / 4.0f;
    char* p = put_names(out.reserve(kLongestRow), s);
    p = put_real(p, total);
    p = put_real(p, s.average);
    *p++ = '\n';
    out.commit(p);
  }
  out.put('\n');
}

void sort(const student_list& list, std::int32_t count, console::Output& out) {
  // The order in which the records are written.
  std::vector<SortKey> keys(list.size());
  std::vector<std::size_t> nans;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const float average = list[i].average;
    if (std::isnan(average)) nans.push_back(i);
    keys[i] = {std::isnan(average) ? 0 : order_bits(average), static_cast<std::uint32_t>(i)};
  }
  if (count >= 2) {
    // Neighbour exchanges on a strict greater-than never move a record past
    // a NaN average (every comparison with it is false), and fully order
    // each stretch between two such records, keeping equal averages in
    // their order: a stable sort of each stretch gives the same result.
    nans.push_back(keys.size());
    std::vector<SortKey> scratch;
    std::size_t begin = 0;
    for (const std::size_t end : nans) {
      stable_sort_keys(std::span<SortKey>(keys.data() + begin, end - begin), scratch);
      begin = end + 1;
    }
  }
  out.put(kSortHeading);
  constexpr std::size_t kAhead = 16;  // records fetched ahead of the one written
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (i + kAhead < keys.size()) __builtin_prefetch(&list[keys[i + kAhead].position]);
    const student& s = list[keys[i].position];
    char* p = put_names(out.reserve(kLongestRow), s);
    p = put_real(p, s.average);
    *p++ = '\n';
    out.commit(p);
  }
}

void run(console::Input& in, console::Output& out) {
  student_list list;
  out.put(kAskCount);
  const std::int32_t count = need_count(in, {"the number of students", nullptr, 0});
  out.put(kAskRecords);
  create_list(in, list, count);
  output_list(list, out);

  out.put(kAskCorrections);
  const std::int32_t corrections = need_count(in, {"the number of corrections", nullptr, 0});
  out.put(kAskEdits);
  Finder finder(list);
  for (std::int32_t i = 1; i <= corrections; ++i) {
    // The token's text lives only until the next read: keep copies. A
    // number or subject too long for its field simply matches nothing.
    const std::string id(need(in, {"the student number", "correction", i}).text);
    const std::string subject(need(in, {"the subject", "correction", i}).text);
    const float score = need_score(in, {"the score", "correction", i});
    if (student* s = finder.find(id)) apply(*s, subject, score);
  }

  out.put("Alter:\n");
  output_list(list, out);
  average_sum(list, out);
  out.put("Sort:\n");
  sort(list, count, out);
}

}  // namespace scoresheet
