// Hostile texts for the clipboard: megabytes of digits, of random bytes, of
// full-width digits, and numbers followed by random bytes, each made from a
// seed so that a failing run can be repeated. Shared by the paste test and
// the paste benchmark.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tessavor::test {

enum class PasteKind {
  Digits,                   // "7", then random digits
  Junk,                     // random bytes 0x01-0xFF but CR and LF, GBK pairs among them
  FullWidthDigits,          // full-width 7, then random full-width digits (GBK A3 B0-B9)
  NumberThenJunk,           // a random number, then junk
  FullWidthNumberThenJunk,  // the same with the number in full-width forms
  JunkWithLineBreaks,       // half the size of junk, CR LF, then junk with CR and LF too
};

struct PasteKindName {
  PasteKind kind;
  const char* name;
};

inline constexpr PasteKindName PasteKinds[] = {
    {PasteKind::Digits, "digits"},
    {PasteKind::Junk, "junk"},
    {PasteKind::FullWidthDigits, "full-width digits"},
    {PasteKind::NumberThenJunk, "number, junk"},
    {PasteKind::FullWidthNumberThenJunk, "full-width number, junk"},
    {PasteKind::JunkWithLineBreaks, "junk with line breaks"},
};

const char* NameOf(PasteKind kind);

// A text of the kind, `size` bytes long, never holding a NUL byte.
std::string MakePasteText(PasteKind kind, std::size_t size, std::uint64_t seed);

// The number at the start of a text of the NumberThenJunk kinds (ASCII or
// full-width as the kind has it); empty for the other kinds.
std::string LeadingNumberOf(PasteKind kind, std::uint64_t seed);

// Kinds whose every character is a digit: the edit control lays such a run
// out in time that grows with its square under Wine (see the test).
bool IsDigitRun(PasteKind kind);

}  // namespace tessavor::test
