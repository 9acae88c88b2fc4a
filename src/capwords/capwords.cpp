#include "capwords/capwords.hpp"

#include <array>
#include <bit>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace capwords {
namespace {

enum Class : std::uint8_t { kOther, kLower, kUpper, kSpace, kPeriod };

constexpr std::array<Class, 256> kClasses = [] {
  std::array<Class, 256> table{};
  for (int c = 'a'; c <= 'z'; ++c) table[static_cast<std::size_t>(c)] = kLower;
  for (int c = 'A'; c <= 'Z'; ++c) table[static_cast<std::size_t>(c)] = kUpper;
  table[' '] = kSpace;
  table['.'] = kPeriod;
  return table;
}();

Class class_of(char c) { return kClasses[static_cast<unsigned char>(c)]; }

constexpr std::size_t kChunk = 64;

// Turns the bytes of a chunk whose bits are set in `mask` (lower-case
// letters) into capitals.
void capitalize(char* chunk, std::uint64_t mask) {
#if defined(__SSE2__)
  const __m128i select = _mm_set_epi8(-128, 64, 32, 16, 8, 4, 2, 1, -128, 64, 32, 16, 8, 4, 2, 1);
  const __m128i difference = _mm_set1_epi8(32);
  for (int part = 0; part < 4; ++part, mask >>= 16) {
    if ((mask & 0xffff) == 0) continue;
    // Spread the 16 bits over 16 bytes, one bit per byte.
    const __m128i spread = _mm_unpacklo_epi64(_mm_set1_epi8(static_cast<char>(mask & 0xff)),
                                              _mm_set1_epi8(static_cast<char>((mask >> 8) & 0xff)));
    const __m128i chosen = _mm_cmpeq_epi8(_mm_and_si128(spread, select), select);
    auto* at = reinterpret_cast<__m128i*>(chunk + 16 * part);
    _mm_storeu_si128(at, _mm_sub_epi8(_mm_loadu_si128(at), _mm_and_si128(chosen, difference)));
  }
#else
  for (; mask != 0; mask &= mask - 1) chunk[std::countr_zero(mask)] -= 32;
#endif
}

}  // namespace

ByteClasses classify_bytewise(const char* chunk) {
  ByteClasses masks{0, 0, 0, 0};
  for (std::size_t i = 0; i < kChunk; ++i) {
    const std::uint64_t bit = std::uint64_t{1} << i;
    switch (class_of(chunk[i])) {
      case kLower:
        masks.lower |= bit;
        masks.letter |= bit;
        break;
      case kUpper:
        masks.letter |= bit;
        break;
      case kSpace:
        masks.space |= bit;
        break;
      case kPeriod:
        masks.period |= bit;
        break;
      case kOther:
        break;
    }
  }
  return masks;
}

ByteClasses classify(const char* chunk) {
#if defined(__SSE2__)
  ByteClasses masks{0, 0, 0, 0};
  const __m128i a = _mm_set1_epi8('a');
  const __m128i z_span = _mm_set1_epi8(25);
  const __m128i case_bit = _mm_set1_epi8(0x20);
  const __m128i blank = _mm_set1_epi8(' ');
  const __m128i dot = _mm_set1_epi8('.');
  for (int part = 0; part < 4; ++part) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk + 16 * part));
    // x - 'a' taken unsigned lies in 0..25 exactly for the letters a-z.
    const __m128i from_a = _mm_sub_epi8(v, a);
    const __m128i lower = _mm_cmpeq_epi8(_mm_min_epu8(from_a, z_span), from_a);
    const __m128i folded = _mm_sub_epi8(_mm_or_si128(v, case_bit), a);
    const __m128i letter = _mm_cmpeq_epi8(_mm_min_epu8(folded, z_span), folded);
    const int shift = 16 * part;
    const auto bits = [&](__m128i m) {
      return static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(m))) << shift;
    };
    masks.lower |= bits(lower);
    masks.letter |= bits(letter);
    masks.space |= bits(_mm_cmpeq_epi8(v, blank));
    masks.period |= bits(_mm_cmpeq_epi8(v, dot));
  }
  return masks;
#else
  return classify_bytewise(chunk);
#endif
}

std::size_t Capitalizer::transform_bytewise(char* data, std::size_t size) {
  std::size_t w = 0;
  for (std::size_t r = 0; r < size; ++r) {
    const char c = data[r];
    const Class k = class_of(c);
    if (in_word_) {
      data[w++] = c;
      in_word_ = k != kSpace;
    } else if (k == kLower) {
      data[w++] = static_cast<char>(c - 32);
      in_word_ = true;
    } else if (k == kUpper) {
      data[w++] = c;
      in_word_ = true;
    } else if (k == kSpace || k == kPeriod) {
      data[w++] = c;
    }
  }
  return w;
}

std::size_t Capitalizer::transform(char* data, std::size_t size) {
  // Kept bytes are not moved chunk by chunk: [kept_from, r) is a stretch of
  // kept bytes not yet moved down to w, moved in one piece when a dropped
  // byte ends it. Dropped bytes are rare, so the pieces are long.
  std::size_t w = 0;
  std::size_t kept_from = 0;
  const auto move_kept = [&](std::size_t end) {
    const std::size_t length = end - kept_from;
    if (w != kept_from) std::memmove(data + w, data + kept_from, length);
    w += length;
  };
  std::size_t r = 0;
  for (; size - r >= kChunk; r += kChunk) {
    const ByteClasses c = classify(data + r);
    const std::uint64_t carry = in_word_ ? 1 : 0;
    // The state after each byte, for all 64 at once. Split the chunk into
    // runs of non-space bytes; a byte is in a word unless it is a space or
    // belongs to the run of non-letters that opens a run begun between
    // words (after a space, or at the chunk start when the machine was
    // between words).
    const std::uint64_t non_space = ~c.space;
    const std::uint64_t neutral = non_space & ~c.letter;
    const std::uint64_t run_starts = non_space & ((c.space << 1) | (carry ^ 1));
    // Adding the starts to the neutral bits carries through each opening
    // run of neutral bytes and clears it.
    const std::uint64_t starts = run_starts & neutral;
    const std::uint64_t opening = neutral & ~(neutral + starts);
    const std::uint64_t in_after = non_space & ~opening;
    const std::uint64_t in_before = (in_after << 1) | carry;
    in_word_ = (in_after >> 63) != 0;

    capitalize(data + r, ~in_before & c.lower);
    // Each run of dropped bytes ends the stretch of kept bytes before it.
    std::uint64_t dropped = ~(in_before | c.letter | c.space | c.period);
    while (dropped != 0) {
      const auto start = static_cast<std::size_t>(std::countr_zero(dropped));
      const std::uint64_t from_start = dropped >> start;
      const std::size_t length =
          from_start == ~std::uint64_t{0} >> start ? kChunk - start
                                                   : static_cast<std::size_t>(std::countr_one(from_start));
      move_kept(r + start);
      kept_from = r + start + length;
      dropped = start + length >= kChunk ? 0 : dropped & (~std::uint64_t{0} << (start + length));
    }
  }
  move_kept(r);
  // The tail, shorter than a chunk.
  const std::size_t tail = transform_bytewise(data + r, size - r);
  if (w != r) std::memmove(data + w, data + r, tail);
  return w + tail;
}

void run(console::Input& in, console::Output& out) {
  Capitalizer machine;
  for (auto block = in.block(); !block.empty(); block = in.block()) {
    const std::size_t kept = machine.transform(block.data(), block.size());
    out.put(std::string_view(block.data(), kept));
  }
}

}  // namespace capwords
