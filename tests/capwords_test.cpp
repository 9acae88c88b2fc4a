#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "capwords/capwords.hpp"
#include "run_in_memory.hpp"

namespace {

// The table of the machine, written out once more as plainly as possible.
std::string model(const std::string& input) {
  std::string out;
  bool in_word = false;
  for (const char c : input) {
    const auto u = static_cast<unsigned char>(c);
    if (in_word) {
      out += c;
      if (u == ' ') in_word = false;
    } else if (u >= 'a' && u <= 'z') {
      out += static_cast<char>(u - 32);
      in_word = true;
    } else if (u >= 'A' && u <= 'Z') {
      out += c;
      in_word = true;
    } else if (u == ' ' || u == '.') {
      out += c;
    }
  }
  return out;
}

std::string transformed(const std::string& input, std::size_t block, bool bytewise = false) {
  capwords::Capitalizer machine;
  std::string out;
  for (std::size_t at = 0; at < input.size(); at += block) {
    std::string piece = input.substr(at, block);
    const std::size_t kept = bytewise ? machine.transform_bytewise(piece.data(), piece.size())
                                      : machine.transform(piece.data(), piece.size());
    out.append(piece, 0, kept);
  }
  return out;
}

TEST(Capitalizer, ExamplesOfTheTable) {
  struct Case {
    std::string input;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"", ""},
      {"hello world", "Hello World"},
      {"hello.world", "Hello.world"},
      {"end. next", "End. Next"},
      {"a  b   c", "A  B   C"},
      {"  lead", "  Lead"},
      {"hello\nworld", "Hello\nworld"},
      {"hello \nworld", "Hello World"},
      {"abc 123 def", "Abc  Def"},
      {"123abc", "Abc"},
      {"a1b2", "A1b2"},
      {"mIxEd", "MIxEd"},
      {"ABC def", "ABC Def"},
      {"\n\t\r\x01start", "Start"},
      {". .a", ". .A"},
      {"x\xff y \xffz", "X\xff Y Z"},
      {"\xd5\xc5" "a", "A"},
      {std::string("in\0side a\0", 10), std::string("In\0side A\0", 10)},
      {"word", "Word"},
      {"trailing ", "Trailing "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(model(c.input), c.expected) << c.input;
    for (const std::size_t block : {std::size_t{1}, std::size_t{3}, std::size_t{64}, std::size_t{4096}}) {
      EXPECT_EQ(transformed(c.input, block), c.expected) << c.input << " in blocks of " << block;
    }
  }
}

TEST(Capitalizer, EveryByteInBothStates) {
  for (int byte = 0; byte < 256; ++byte) {
    for (const std::string prefix : {"", "w", "w ", "3"}) {
      // Each byte after each prefix, alone and inside a full chunk at every
      // position, so the vector path sees it too.
      const std::string input = prefix + std::string(1, static_cast<char>(byte)) + "x y";
      ASSERT_EQ(transformed(input, 4096), model(input)) << byte << " after '" << prefix << "'";
      for (std::size_t at = 0; at < 64; at += 7) {
        std::string chunk = std::string(at, ' ') + prefix + static_cast<char>(byte);
        chunk += std::string(130 - chunk.size(), 'q');
        ASSERT_EQ(transformed(chunk, 4096), model(chunk)) << byte << " at " << at;
      }
    }
  }
}

TEST(Capitalizer, VectorClassesMatchTheByteTable) {
  std::mt19937 rng(1);
  for (int round = 0; round < 20000; ++round) {
    char chunk[64];
    for (char& c : chunk) c = static_cast<char>(rng() & 0xff);
    const auto fast = capwords::classify(chunk);
    const auto plain = capwords::classify_bytewise(chunk);
    ASSERT_EQ(fast.letter, plain.letter);
    ASSERT_EQ(fast.lower, plain.lower);
    ASSERT_EQ(fast.space, plain.space);
    ASSERT_EQ(fast.period, plain.period);
  }
}

TEST(Capitalizer, RandomTextWhateverTheBlockBoundaries) {
  std::mt19937 rng(2);
  // Text heavy in the bytes that matter, with long words and long gaps.
  const std::string alphabet = "  .  aZbY\n\t1234567,;-\xff\x80\xd5\x01\x7f";
  for (int round = 0; round < 2000; ++round) {
    std::string input(rng() % 700, ' ');
    for (char& c : input) {
      const auto pick = rng() % 100;
      c = pick < 60 ? alphabet[rng() % alphabet.size()] : static_cast<char>('a' + rng() % 26);
    }
    const std::string expected = model(input);
    for (const std::size_t block : {std::size_t{1}, std::size_t{63}, std::size_t{64}, std::size_t{65},
                                    std::size_t{200}, input.size() + 1}) {
      ASSERT_EQ(transformed(input, block), expected) << "round " << round << " block " << block;
    }
    ASSERT_EQ(transformed(input, 17, true), expected) << "round " << round;
  }
}

TEST(CapwordsRun, CopiesTheWholeInputThroughTheMachine) {
  std::string input;
  for (int i = 0; i < 100000; ++i) input += (i % 7 == 0) ? "  42 apples.\n" : "word Word\tw0rd ";
  for (const std::size_t chunk : {std::size_t{1000}, std::size_t{65536}, SIZE_MAX}) {
    const auto result = testing_support::run(capwords::run, input, chunk, 4096);
    EXPECT_FALSE(result.error);
    EXPECT_EQ(result.out, model(input)) << chunk;
  }
}

}  // namespace
