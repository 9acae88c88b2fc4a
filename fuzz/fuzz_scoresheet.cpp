// scoresheet: every run either completes or ends with one error line; when
// it completes, the ordered table is exactly the neighbour-exchange sort of
// the corrected class, each row formatted as printf formats it.
#include <vector>

#include "console/failure.hpp"
#include "console/parse.hpp"
#include "fuzz_support.hpp"
#include "reference/scoresheet_reference.hpp"
#include "run_in_memory.hpp"
#include "scoresheet/scoresheet.hpp"

namespace {

// The class after its corrections, read again through the library pieces.
std::vector<scoresheet::student> corrected_class(std::string_view input, int& count) {
  console::MemorySource source(input);
  console::Input in(source);
  count = *console::parse_int32(in.token()->text);
  scoresheet::student_list list;
  scoresheet::create_list(in, list, count);
  const auto corrections = *console::parse_int32(in.token()->text);
  for (std::int32_t i = 0; i < corrections; ++i) {
    const std::string id(in.token()->text);
    const std::string subject(in.token()->text);
    const float score = *console::parse_float(in.token()->text);
    scoresheet::search_list(list, id, subject, score);
  }
  console::StringSink ignored;
  console::Output out(ignored);
  scoresheet::average_sum(list, out);
  std::vector<scoresheet::student> records;
  for (const scoresheet::student& s : list) records.push_back(s);
  return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::Case c = fuzz::split(data, size);
  const auto result = testing_support::run(scoresheet::run, c.input, c.chunk, 16 + c.chunk);
  if (result.error) {
    if (result.error->empty() || result.error->find('\n') != std::string::npos) fuzz::fail("bad error line");
    return 0;
  }
  int count = 0;
  const auto records = corrected_class(c.input, count);
  const std::string expected = "Sort:\n" + reference::sorted_table(records, count);
  const auto at = result.out.rfind("Sort:\n");
  if (at == std::string::npos || result.out.substr(at) != expected) fuzz::fail("ordered table differs");
  return 0;
}
