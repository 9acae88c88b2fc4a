// Copies text, writing the first letter of every word as a capital. Words
// are separated by spaces; between words only spaces, periods and letters
// are kept.
#pragma once

#include <cstddef>
#include <cstdint>

#include "console/input.hpp"
#include "console/output.hpp"

namespace capwords {

/// The file the program writes, in its working directory (on Windows, the
/// file test.txt at the top of drive D).
inline constexpr const char* kFileName = "d:\\test.txt";

/// The two-state machine, fed one block after another.
class Capitalizer {
 public:
  /// Rewrites `size` bytes in place and returns how many remain: between
  /// words a lower-case letter becomes its capital and starts a word, an
  /// upper-case letter starts a word, spaces and periods are kept and every
  /// other byte is dropped; in a word every byte is kept, and a space ends
  /// the word. The state carries over to the next block.
  std::size_t transform(char* data, std::size_t size);

  /// The same, one byte at a time: the plain form of the machine.
  std::size_t transform_bytewise(char* data, std::size_t size);

  /// Whether the last byte seen left the machine inside a word.
  bool in_word() const { return in_word_; }

 private:
  bool in_word_ = false;
};

/// Bit i of each mask describes byte i of a 64-byte chunk.
struct ByteClasses {
  std::uint64_t letter;  // A-Z, a-z
  std::uint64_t lower;   // a-z
  std::uint64_t space;   // 0x20
  std::uint64_t period;  // 0x2E
};

/// Classifies 64 bytes with vector instructions where the machine has them.
ByteClasses classify(const char* chunk);

/// Classifies 64 bytes one at a time.
ByteClasses classify_bytewise(const char* chunk);

/// Bytes read from standard input at a time.
inline constexpr std::size_t kBlockSize = std::size_t{1} << 18;

/// The whole program: copies the input through the machine to the output.
void run(console::Input& in, console::Output& out);

}  // namespace capwords
