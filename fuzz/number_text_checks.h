// The properties every text from NumberToText has, shared by the fuzzers:
// its length and alphabet, agreement with the reference writing, and that
// reading it back and writing again gives the same text.
#pragma once

#include <string>
#include <string_view>

namespace tessavor::fuzz {

// Checks `text`, which NumberToText gave for `value`; on a broken property
// reports `input` (the fuzzer's bytes) and aborts.
void CheckNumberText(std::string_view input, double value, const std::string& text);

// The same without the comparison with the reference writing, whose exact
// expansion by printf costs more than everything else; for callers that
// check many texts whose writing the other fuzzers check already.
void CheckNumberTextProperties(std::string_view input, double value, const std::string& text);

}  // namespace tessavor::fuzz
