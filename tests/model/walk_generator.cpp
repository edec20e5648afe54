// What the random user does, and how often. Draws use the generator's raw
// output modulo the range, so a seed gives the same walk with every library.
#include "tests/model/walk_generator.h"

#include <cstdint>
#include <string_view>

#include "core/converter.h"
#include "ui/form_description.h"

namespace tessavor::model {

namespace {

std::size_t Below(WalkRandom& random, std::size_t count) { return static_cast<std::size_t>(random() % count); }

bool Chance(WalkRandom& random, unsigned percent) { return Below(random, 100) < percent; }

template <typename T, std::size_t N>
const T& PickFrom(WalkRandom& random, const T (&items)[N]) {
  return items[Below(random, N)];
}

struct Weighted {
  ActionKind kind;
  unsigned weight;
};

// Typing dominates, as it does for a user; the rest come often enough that
// a short walk meets every one many times.
constexpr Weighted ActionWeights[] = {
    {ActionKind::Type, 40},      {ActionKind::Backspace, 8}, {ActionKind::Delete, 4},
    {ActionKind::Home, 3},       {ActionKind::End, 3},       {ActionKind::SelectAll, 3},
    {ActionKind::Paste, 8},      {ActionKind::Tab, 9},       {ActionKind::ShiftTab, 6},
    {ActionKind::ClickBox, 6},   {ActionKind::ClickLabel, 2}, {ActionKind::Deactivate, 2},
};

ActionKind RandomKind(WalkRandom& random) {
  unsigned total = 0;
  for (const Weighted& entry : ActionWeights) total += entry.weight;
  auto draw = static_cast<unsigned>(Below(random, total));
  for (const Weighted& entry : ActionWeights) {
    if (draw < entry.weight) return entry.kind;
    draw -= entry.weight;
  }
  return ActionKind::Type;
}

// Mostly digits; the filtered ones are letters (the exponent letters among
// them), ',', '+' and the space.
char RandomTypedCharacter(WalkRandom& random) {
  constexpr std::string_view Accepted = "01234567890123456789-.";
  constexpr std::string_view Filtered = "aeEdDxZ,+ ";
  const std::string_view from = Chance(random, 85) ? Accepted : Filtered;
  return from[Below(random, from.size())];
}

// The labels a click may land on; the link label is left out.
constexpr std::uint32_t ClickableLabels[] = {Label1Id, Label2Id, Label3Id, Label4Id};
constexpr std::uint32_t Boxes[] = {ResolutionBoxId, CentimetreBoxId, PixelBoxId};

std::string Digits(WalkRandom& random, std::size_t count) {
  std::string digits;
  for (std::size_t i = 0; i < count; ++i) digits += static_cast<char>('0' + Below(random, 10));
  return digits;
}

// A GBK character from an assigned range: symbols and full-width forms,
// GB2312 hanzi, and the GBK extensions whose trail bytes include ASCII codes.
std::string RandomGbkCharacter(WalkRandom& random) {
  struct Range {
    unsigned leadLow, leadHigh, trailLow, trailHigh;
  };
  constexpr Range Ranges[] = {
      {0xA1, 0xA1, 0xA1, 0xFE}, {0xA3, 0xA3, 0xA1, 0xFE}, {0xB0, 0xD6, 0xA1, 0xFE},
      {0x81, 0xA0, 0x40, 0xFE}, {0xAA, 0xFD, 0x40, 0xA0},
  };
  const Range& range = PickFrom(random, Ranges);
  const unsigned lead = range.leadLow + static_cast<unsigned>(Below(random, range.leadHigh - range.leadLow + 1));
  unsigned trail = range.trailLow + static_cast<unsigned>(Below(random, range.trailHigh - range.trailLow + 1));
  if (trail == 0x7F) trail = 0x80;
  return {static_cast<char>(lead), static_cast<char>(trail)};
}

std::string RandomNumberText(WalkRandom& random) {
  constexpr const char* Signs[] = {"", "", "", "-", "+", " ", "  -", "--"};
  std::string text = PickFrom(random, Signs);
  if (Chance(random, 20)) text += std::string(Below(random, 4), '0');
  text += Digits(random, Below(random, 30));
  if (Chance(random, 50)) {
    text += '.';
    text += Digits(random, Below(random, 25));
  }
  if (Chance(random, 35)) {
    text += "eEdD"[Below(random, 4)];
    if (Chance(random, 50)) text += Chance(random, 50) ? "-" : "+";
    text += Digits(random, Below(random, 5));
  }
  constexpr const char* Tails[] = {"abc", "x", " 5", "\xA3\xB5" /* ５ */, ".5", "e"};
  if (Chance(random, 15)) text += PickFrom(random, Tails);
  return text.empty() ? "0" : text;
}

// Texts at the edges of the number rules.
constexpr const char* SpecialTexts[] = {
    "1e308", "1e999", "-1e999", "4.9e-324", "2.4703282292062327e-324", "1.7976931348623157e308",
    "0", "-0", "0.0", ".", "-", "-.", "1.#INF", "-1.#IND", "72", "96", "2.54", "1e-5", "1d3",
    "12abc", "0.3937007874016", "\xA3\xB7\xA3\xB2" /* ７２ */, "\xA3\xAD\xA3\xB1\xA3\xAE\xA3\xB5" /* －１．５ */,
    "1234567890.123456", "007", "5.", ".5", "1e",
};

std::string RandomFullWidthMix(WalkRandom& random) {
  // Full-width digits, point, minus, plus, E and e, the ideographic space,
  // and their ASCII counterparts.
  constexpr const char* Pieces[] = {
      "\xA3\xB0", "\xA3\xB1", "\xA3\xB2", "\xA3\xB5", "\xA3\xB9", "\xA3\xAE", "\xA3\xAD", "\xA3\xAB",
      "\xA3\xC5", "\xA3\xE5", "\xA1\xA1", "1",        "7",        ".",        "-",        "e",
  };
  std::string text;
  const std::size_t count = 1 + Below(random, 12);
  for (std::size_t i = 0; i < count; ++i) text += PickFrom(random, Pieces);
  return text;
}

std::string RandomJunkPiece(WalkRandom& random) {
  switch (Below(random, 5)) {
    case 0:
      return std::string(1, static_cast<char>(' ' + Below(random, 95)));
    case 1: {
      // Control characters except NUL, LF and CR, and DEL.
      constexpr char Controls[] = {1, 2, 3, 7, 8, 9, 11, 12, 14, 22, 24, 26, 27, 31, 127};
      return std::string(1, PickFrom(random, Controls));
    }
    case 2:
      return "\x80";
    case 3:
      return Digits(random, 1 + Below(random, 3));
    default:
      return RandomGbkCharacter(random);
  }
}

std::string RandomJunk(WalkRandom& random, std::size_t pieces) {
  std::string text;
  for (std::size_t i = 0; i < pieces; ++i) text += RandomJunkPiece(random);
  return text;
}

// 200 to 2000 bytes: a long number, or a long mixed text.
std::string RandomLongText(WalkRandom& random) {
  const std::size_t size = 200 + Below(random, 1801);
  std::string text;
  if (Chance(random, 60)) {
    text = Digits(random, size / 2);
    if (Chance(random, 50)) text += ".";
    text += Digits(random, size - text.size());
  } else {
    while (text.size() < size) text += RandomJunkPiece(random);
  }
  return text;
}

}  // namespace

std::string RandomPasteText(WalkRandom& random) {
  std::string text;
  switch (Below(random, 10)) {
    case 0:
    case 1:
    case 2:
      text = RandomNumberText(random);
      break;
    case 3:
    case 4:
      text = PickFrom(random, SpecialTexts);
      break;
    case 5:
      text = RandomFullWidthMix(random);
      break;
    case 6:
    case 7:
      text = RandomJunk(random, 1 + Below(random, 40));
      break;
    case 8:
      text = RandomNumberText(random) + RandomJunk(random, 1 + Below(random, 5));
      break;
    default:
      text = RandomLongText(random);
      break;
  }
  if (Chance(random, 8)) text += static_cast<char>(0x81 + Below(random, 0x7E));  // a lone lead byte
  return text;
}

Action RandomAction(WalkRandom& random, const ModelWindow& window) {
  if (!window.active) return Action{ActionKind::Reactivate, "", 0};
  Action action{RandomKind(random), "", 0};
  switch (action.kind) {
    case ActionKind::Type:
      action.text = std::string(1, RandomTypedCharacter(random));
      break;
    case ActionKind::Paste:
      action.text = RandomPasteText(random);
      break;
    case ActionKind::ClickBox:
      action.control = PickFrom(random, Boxes);
      break;
    case ActionKind::ClickLabel:
      action.control = PickFrom(random, ClickableLabels);
      break;
    default:
      break;
  }
  if (!IsApplicable(window, action)) return Action{ActionKind::End, "", 0};
  return action;
}

}  // namespace tessavor::model
