// The hostile paste texts; see paste_texts.h. The junk is random bytes with
// GBK pairs mixed in, those that fold to ASCII (full-width digits, point,
// signs, exponent letters, the ideographic space) and ordinary characters.
#include "tests/ui/paste_texts.h"

#include <random>

namespace tessavor::test {

namespace {

// Pairs that mean something to the reading rules once folded, and two
// ordinary characters (吴, 厘).
constexpr const char* MeaningfulPairs[] = {
    "\xA3\xB0", "\xA3\xB5", "\xA3\xB9", "\xA3\xAE", "\xA3\xAB", "\xA3\xAD", "\xA3\xC5",
    "\xA3\xE4", "\xA1\xA1", "\xA1\xAB", "\xA1\xEE", "\xCE\xE2", "\xC0\xE5",
};

bool IsLineBreak(unsigned byte) { return byte == '\r' || byte == '\n'; }

// Random bytes to `size`: mostly any byte but NUL, now and then a whole GBK
// pair, so that both valid and broken pairs occur. A single-line edit box
// pastes only up to the first line break, so line breaks are left out
// unless asked for: without them the whole text reaches the box.
void AppendJunk(std::string& text, std::size_t size, bool lineBreaks, std::mt19937_64& random) {
  while (text.size() < size) {
    if (random() % 8 == 0 && text.size() + 2 <= size) {
      if (random() % 2 == 0) {
        text += MeaningfulPairs[random() % std::size(MeaningfulPairs)];
      } else {  // any character of the GBK rows B0-F7
        text += static_cast<char>(0xB0 + random() % 0x48);
        text += static_cast<char>(0xA1 + random() % 0x5E);
      }
      continue;
    }
    unsigned byte = 0;
    do {
      byte = static_cast<unsigned>(1 + random() % 0xFF);
    } while (!lineBreaks && IsLineBreak(byte));
    text += static_cast<char>(byte);
  }
}

std::string Digits(std::size_t size, std::mt19937_64& random) {
  std::string text(size, '7');
  for (std::size_t i = 1; i < size; ++i) text[i] = static_cast<char>('0' + random() % 10);
  return text;
}

std::string FullWidth(const std::string& ascii) {
  std::string wide;
  for (const char c : ascii) {
    wide += '\xA3';
    wide += static_cast<char>(static_cast<unsigned char>(c) | 0x80);
  }
  return wide;
}

// A number as a user might paste one: sign, digits with leading zeros,
// a point, an exponent with any of its letters, each there or not.
std::string RandomNumber(std::mt19937_64& random) {
  auto digits = [&](std::size_t count) {
    std::string run;
    for (std::size_t i = 0; i < count; ++i) run += static_cast<char>('0' + random() % 10);
    return run;
  };
  std::string text;
  const int sign = static_cast<int>(random() % 3);
  if (sign > 0) text += sign == 1 ? '-' : '+';
  const std::string whole = digits(random() % 26);
  text += whole;
  if (whole.empty() || random() % 2 == 0) text += '.' + digits((whole.empty() ? 1 : 0) + random() % 26);
  if (random() % 2 == 0) {
    text += "eEdD"[random() % 4];
    if (random() % 2 == 0) text += random() % 2 == 0 ? '-' : '+';
    text += digits(1 + random() % 4);
  }
  return text;
}

// Every text of a seed starts from the same stream, so the number that
// LeadingNumberOf gives is the one that MakePasteText writes.
std::string LeadingNumber(PasteKind kind, std::mt19937_64& random) {
  if (kind == PasteKind::NumberThenJunk) return RandomNumber(random);
  if (kind == PasteKind::FullWidthNumberThenJunk) return FullWidth(RandomNumber(random));
  return "";
}

}  // namespace

const char* NameOf(PasteKind kind) {
  for (const PasteKindName& entry : PasteKinds)
    if (entry.kind == kind) return entry.name;
  return "?";
}

bool IsDigitRun(PasteKind kind) { return kind == PasteKind::Digits || kind == PasteKind::FullWidthDigits; }

std::string LeadingNumberOf(PasteKind kind, std::uint64_t seed) {
  std::mt19937_64 random(seed);
  return LeadingNumber(kind, random);
}

std::string MakePasteText(PasteKind kind, std::size_t size, std::uint64_t seed) {
  std::mt19937_64 random(seed);
  switch (kind) {
    case PasteKind::Digits:
      return Digits(size, random);
    case PasteKind::FullWidthDigits:
      return FullWidth(Digits(size / 2, random));
    case PasteKind::Junk: {
      std::string text;
      text.reserve(size);
      AppendJunk(text, size, false, random);
      return text;
    }
    case PasteKind::JunkWithLineBreaks: {
      // The first line is half the text, so the paste still brings a lot.
      std::string text;
      text.reserve(size);
      AppendJunk(text, size / 2, false, random);
      text += "\r\n";
      AppendJunk(text, size, true, random);
      return text;
    }
    case PasteKind::NumberThenJunk:
    case PasteKind::FullWidthNumberThenJunk: {
      std::string text = LeadingNumber(kind, random);
      text.reserve(size);
      AppendJunk(text, size, false, random);
      return text;
    }
  }
  return "";
}

}  // namespace tessavor::test
