#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "reference/scoresheet_reference.hpp"
#include "run_in_memory.hpp"
#include "scoresheet/scoresheet.hpp"

namespace {

using scoresheet::student;

std::string fixed2(float value) {
  char buffer[64];
  return {buffer, scoresheet::format_fixed2(buffer, value)};
}

std::string printf_fixed2(float value) {
  char buffer[64];
  const int n = std::snprintf(buffer, sizeof buffer, "%.2f", static_cast<double>(value));
  return {buffer, static_cast<std::size_t>(n)};
}

TEST(FormatFixed2, MatchesPrintfOnChosenValues) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (const float v : {0.0f, -0.0f, 1.0f, -1.0f, 75.25f, 301.0f, 0.005f, 0.015f, 0.125f, 0.375f,
                        -0.125f, 2.675f, 99.995f, -0.001f, 0.0049999f, 1e-45f, -1e-45f, 1e-10f,
                        16777216.0f, 16777217.0f, 1.4e17f, 1.5e17f, 3.4028235e38f, -3.4028235e38f,
                        inf, -inf, nan, -nan, 0.3f, 1234567.8f}) {
    EXPECT_EQ(fixed2(v), printf_fixed2(v)) << printf_fixed2(v);
  }
}

TEST(FormatFixed2, MatchesPrintfOnExactTiesAndASpreadOfBitPatterns) {
  // Values with an exact binary tie at the third decimal: k/8 for odd k.
  for (int k = -20001; k <= 20001; k += 2) {
    const float v = static_cast<float>(k) / 8.0f;
    ASSERT_EQ(fixed2(v), printf_fixed2(v)) << k;
  }
  // Thousandths, the values people type.
  for (int k = -200000; k <= 200000; ++k) {
    const float v = static_cast<float>(k) / 1000.0f;
    ASSERT_EQ(fixed2(v), printf_fixed2(v)) << k;
  }
  // Every 997th bit pattern: all exponents, both signs, NaNs and infinities.
  for (std::uint64_t b = 0; b <= 0xffffffffu; b += 997) {
    const float v = std::bit_cast<float>(static_cast<std::uint32_t>(b));
    ASSERT_EQ(fixed2(v), printf_fixed2(v)) << std::hex << b;
  }
}

testing_support::Run run_sheet(const std::string& input) {
  return testing_support::run(scoresheet::run, input, 5, 7);
}

TEST(CreateList, ReadsOneRecordForACountBelowOneAndAnyWhiteSpaceBetweenFields) {
  for (const std::string count : {"0", "-1", "-2147483648", "1"}) {
    scoresheet::student_list list;
    const std::string input = "s1\nAnn 1\n2 3\t4 s2 Bob 5 6 7 8";
    console::MemorySource source(input, 3);
    console::Input in(source, nullptr, 5);
    scoresheet::create_list(in, list, std::stoi(count));
    ASSERT_EQ(list.size(), 1u) << count;
    EXPECT_EQ(list[0].id_text(), "s1");
    EXPECT_EQ(list[0].name_text(), "Ann");
    EXPECT_EQ(list[0].english, 1.0f);
    EXPECT_EQ(list[0].c_score, 4.0f);
    EXPECT_EQ(in.token()->text, "s2") << "read past the one record";
  }
}

TEST(ScoresheetRun, RejectsMissingOrMalformedFieldsNamingThem) {
  const std::string id19(19, 'i');
  const std::string name31(31, 'n');
  struct Case {
    std::string input;
    std::string error;  // empty: the run succeeds
  };
  const std::vector<Case> cases = {
      {"", "expected the number of students, got end of input (line 1)"},
      {"two", "expected the number of students, an integer from -2147483648 to 2147483647, got 'two' (line 1)"},
      {"2\n1 A 1 2 3 4\n", "expected the student number of student 2, got end of input (line 2)"},
      {"1\n1 A 1 2 3\n", "expected the C score of student 1, got end of input (line 2)"},
      {"1\n1 A 1 x 3 4\n", "expected the Math score of student 1, a real number, got 'x' (line 2)"},
      {"1\n" + id19 + " " + name31 + " 1 2 3 4 0", ""},
      {"1\n" + id19 + "i A 1 2 3 4 0",
       "expected the student number of student 1 of at most 19 bytes, got '" + id19 + "i' (line 2)"},
      {"1\n1 " + name31 + "n 1 2 3 4 0",
       "expected the name of student 1 of at most 31 bytes, got '" + name31 + "n' (line 2)"},
      {"1\n1 A 1 2 3 4", "expected the number of corrections, got end of input (line 2)"},
      {"1\n1 A 1 2 3 4\n2\n1 Math 5\n1 C", "expected the score of correction 2, got end of input (line 5)"},
      {"1\n1 A 1 2 3 4\n1\n1 Math 5,5", "expected the score of correction 1, a real number, got '5,5' (line 4)"},
      {"1\n1 A 1 2 3 4\n1\n" + std::string(300, 'x') + " Math 5", ""},
      {"2000000000\n1 A 1 2 3 4\n2 B 1 2 3 4\n3 C 1 2 3 4\n",
       "expected the student number of student 4, got end of input (line 4)"},
  };
  for (const Case& c : cases) {
    const auto result = run_sheet(c.input);
    if (c.error.empty()) {
      EXPECT_FALSE(result.error) << c.input << ": " << *result.error;
    } else {
      ASSERT_TRUE(result.error) << c.input;
      EXPECT_EQ(*result.error, c.error) << c.input;
    }
  }
}

TEST(ScoresheetRun, KeepsTheFirstTableWhenACorrectionFails) {
  const auto result = run_sheet("1\nA Ann 1 2 3 4\n1\nA Math");
  ASSERT_TRUE(result.error);
  EXPECT_NE(result.out.find("A              Ann                 1.00      2.00      3.00      4.00      \n\n"),
            std::string::npos);
  EXPECT_EQ(result.out.find("Alter:"), std::string::npos);
}

student record(const std::string& id, const std::vector<float>& scores) {
  student s{};
  std::memset(s.id, ' ', sizeof s.id);
  std::memset(s.name, ' ', sizeof s.name);
  std::memcpy(s.id, id.data(), id.size());
  s.id_length = static_cast<std::uint8_t>(id.size());
  s.name[0] = 'N';
  s.name_length = 1;
  s.english = scores[0];
  s.math = scores[1];
  s.physics = scores[2];
  s.c_score = scores[3];
  return s;
}

void fill(scoresheet::student_list& list, const std::vector<std::pair<std::string, std::vector<float>>>& rows) {
  for (const auto& [id, scores] : rows) list.emplace_back() = record(id, scores);
}

TEST(SearchList, ChangesOneFieldOfTheFirstMatchingRecordOnly) {
  struct Case {
    std::string id;
    std::string subject;
    // Expected english, math, physics, c of the first and second "7" records.
    std::vector<float> first;
    std::vector<float> second;
  };
  const std::vector<Case> cases = {
      {"7", "English", {9, 1, 1, 1}, {2, 2, 2, 2}},
      {"7", "Math", {1, 9, 1, 1}, {2, 2, 2, 2}},
      {"7", "Physics", {1, 1, 9, 1}, {2, 2, 2, 2}},
      {"7", "C", {1, 1, 1, 9}, {2, 2, 2, 2}},
      {"7", "english", {1, 1, 1, 1}, {2, 2, 2, 2}},
      {"7", "math", {1, 1, 1, 1}, {2, 2, 2, 2}},
      {"7", "c", {1, 1, 1, 1}, {2, 2, 2, 2}},
      {"7", "Englishx", {1, 1, 1, 1}, {2, 2, 2, 2}},
      {"8", "Math", {1, 1, 1, 1}, {2, 2, 2, 2}},
      {"7 ", "Math", {1, 1, 1, 1}, {2, 2, 2, 2}},
  };
  for (const Case& c : cases) {
    scoresheet::student_list list;
    fill(list, {{"7", {1, 1, 1, 1}}, {"7", {2, 2, 2, 2}}});
    scoresheet::search_list(list, c.id, c.subject, 9.0f);
    const std::vector<float> first = {list[0].english, list[0].math, list[0].physics, list[0].c_score};
    const std::vector<float> second = {list[1].english, list[1].math, list[1].physics, list[1].c_score};
    EXPECT_EQ(first, c.first) << c.id << " " << c.subject;
    EXPECT_EQ(second, c.second) << c.id << " " << c.subject;
  }
}

TEST(ScoresheetRun, ManyCorrectionsGoToTheFirstMatchAsOneByOneWould) {
  // Enough corrections that the lookups go through an index.
  std::mt19937 rng(3);
  std::string input = "300\n";
  for (int i = 0; i < 300; ++i) input += "id" + std::to_string(i % 120) + " n 1 2 3 4\n";
  input += "500\n";
  scoresheet::student_list expected;
  {
    console::MemorySource source(input);
    console::Input in(source);
    (void)in.token();
    scoresheet::create_list(in, expected, 300);
  }
  const char* subjects[] = {"English", "Math", "Physics", "C", "math", "Art"};
  for (int i = 0; i < 500; ++i) {
    const std::string id = "id" + std::to_string(rng() % 140);
    const char* subject = subjects[rng() % 6];
    const float score = static_cast<float>(rng() % 1000) / 10.0f;
    input += id + " " + subject + " " + std::to_string(score) + "\n";
    scoresheet::search_list(expected, id, subject, score);
  }
  console::StringSink sink;
  {
    console::Output out(sink);
    scoresheet::output_list(expected, out);
    out.flush();
  }
  const auto result = run_sheet(input);
  ASSERT_FALSE(result.error) << *result.error;
  const auto alter = result.out.find("Alter:\n");
  ASSERT_NE(alter, std::string::npos);
  EXPECT_EQ(result.out.substr(alter + 7, sink.text.size()), sink.text);
}

TEST(AverageSum, AddsInSinglePrecisionInOrder) {
  // 2^24 + 1 + 1 in single precision stays 2^24: each addition rounds.
  scoresheet::student_list list;
  fill(list, {{"a", {90, 80, 70, 61}}, {"b", {16777216.0f, 1, 1, 0}}, {"c", {0.1f, 0.2f, 0.3f, 0.4f}}});
  console::StringSink sink;
  {
    console::Output out(sink);
    scoresheet::average_sum(list, out);
    out.flush();
  }
  const double wide_total = 16777216.0 + 1.0 + 1.0 + 0.0;
  char wide[32];
  std::snprintf(wide, sizeof wide, "%.2f", wide_total);
  EXPECT_EQ(std::string(wide), "16777218.00");  // what a double sum would print
  EXPECT_EQ(sink.text,
            "SumAndAvg:\n"
            "ID             Name                SUM       AVG       \n"
            "a              N                   301.00    75.25     \n"
            "b              N                   16777216.004194304.00\n"
            "c              N                   1.00      0.25      \n"
            "\n");
  EXPECT_EQ(list[0].average, 75.25f);
  EXPECT_EQ(list[1].average, 4194304.0f);
  float total = 0.1f;
  total += 0.2f;
  total += 0.3f;
  total += 0.4f;
  EXPECT_EQ(list[2].average, total / 4.0f);
}

// The ordered table as written for these records.
std::string sorted_table(const std::vector<student>& records, int count) {
  scoresheet::student_list list;
  for (const student& s : records) list.emplace_back() = s;
  console::StringSink sink;
  console::Output out(sink);
  scoresheet::sort(list, count, out);
  out.flush();
  return sink.text;
}

TEST(Sort, OrdersAsNeighbourExchangesWould) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  std::mt19937 rng(5);
  const float pool[] = {70.0f, 80.0f, 90.0f, 80.0f, -0.0f, 0.0f, nan, 75.25f,
                        std::numeric_limits<float>::infinity(), -5.0f, 80.000008f};
  for (int round = 0; round < 3000; ++round) {
    // Mostly small classes; some long enough for the radix sort.
    const int size = round % 10 == 0 ? 300 + static_cast<int>(rng() % 700) : 1 + static_cast<int>(rng() % 12);
    std::vector<student> records;
    for (int i = 0; i < size; ++i) {
      const float a = pool[rng() % std::size(pool)];
      records.push_back(record(std::to_string(i), {a, a, a, a}));
      records.back().average = a;
    }
    ASSERT_EQ(sorted_table(records, size), reference::sorted_table(records, size)) << "round " << round;
  }
}

TEST(Sort, MovesNothingForACountBelowTwo) {
  std::vector<student> records = {record("b", {9, 9, 9, 9}), record("a", {1, 1, 1, 1})};
  records[0].average = 9;
  records[1].average = 1;
  // A count below 2 with a list of two cannot come from reading, but shows
  // that the count, not the list, bounds the work.
  for (const int count : {1, 0, -3}) {
    EXPECT_EQ(sorted_table(records, count),
              "ID             Name                AVG       \n"
              "b              N                   9.00      \n"
              "a              N                   1.00      \n");
  }
  EXPECT_EQ(sorted_table(records, 2),
            "ID             Name                AVG       \n"
            "a              N                   1.00      \n"
            "b              N                   9.00      \n");
}

}  // namespace
