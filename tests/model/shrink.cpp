// Shrinking by suffixes and then by chunks. Each replay costs real time on
// the window, so the work is bounded by the number of actions replayed.
#include "tests/model/shrink.h"

#include <algorithm>
#include <string>

#include "tests/model/edit_characters.h"

namespace tessavor::model {

namespace {

// Delta debugging over `items`: remove one of `granularity` chunks while
// `fails` holds for the rest, going on with coarser chunks after a removal
// and with finer ones, down to single items, otherwise.
template <typename Item, typename Fails>
std::vector<Item> RemoveChunks(std::vector<Item> items, Fails fails) {
  std::size_t granularity = 2;
  while (items.size() >= 2) {
    const std::size_t chunk = (items.size() + granularity - 1) / granularity;
    bool removed = false;
    for (std::size_t start = 0; start < items.size() && !removed; start += chunk) {
      std::vector<Item> candidate(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(start));
      const std::size_t end = std::min(start + chunk, items.size());
      candidate.insert(candidate.end(), items.begin() + static_cast<std::ptrdiff_t>(end), items.end());
      if (fails(candidate)) {
        items = std::move(candidate);
        removed = true;
      }
    }
    if (removed) {
      granularity = std::max<std::size_t>(granularity - 1, 2);
    } else if (granularity >= items.size()) {
      break;
    } else {
      granularity = std::min(items.size(), 2 * granularity);
    }
  }
  return items;
}

// The pieces a pasted text loses whole: a lead byte with the byte after it,
// or a single byte.
std::vector<std::string> TextPieces(const std::string& text) {
  std::vector<std::string> pieces;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t size = IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
    pieces.push_back(text.substr(at, size));
    at += size;
  }
  return pieces;
}

std::string Joined(const std::vector<std::string>& pieces) {
  std::string text;
  for (const std::string& piece : pieces) text += piece;
  return text;
}

struct Shrinker {
  const FailureCheck& fails;
  std::size_t budget;
  ShrinkResult result;

  // Whether the candidate fails; false, without a replay, once the budget
  // would be exceeded.
  bool Fails(const std::vector<Action>& candidate) {
    if (result.replayedActions + candidate.size() > budget) return false;
    result.replayedActions += candidate.size();
    ++result.replays;
    if (!fails(candidate)) return false;
    result.reproduced = true;
    result.actions = candidate;
    return true;
  }

  void ShortestFailingSuffix(const std::vector<Action>& failing) {
    for (std::size_t length = 1;; length = std::min(2 * length, failing.size())) {
      const std::vector<Action> suffix(failing.end() - static_cast<std::ptrdiff_t>(length), failing.end());
      if (Fails(suffix) || length == failing.size()) return;
    }
  }

  void ShrinkActions() {
    RemoveChunks(result.actions, [&](const std::vector<Action>& candidate) { return Fails(candidate); });
  }

  void ShrinkPastedTexts() {
    for (std::size_t i = 0; i < result.actions.size(); ++i) {
      if (result.actions[i].kind != ActionKind::Paste) continue;
      RemoveChunks(TextPieces(result.actions[i].text), [&](const std::vector<std::string>& pieces) {
        std::vector<Action> candidate = result.actions;
        candidate[i].text = Joined(pieces);
        return Fails(candidate);
      });
    }
  }
};

}  // namespace

ShrinkResult ShrinkFailure(const std::vector<Action>& failing, const FailureCheck& fails,
                           std::size_t actionBudget) {
  Shrinker shrinker{fails, actionBudget, ShrinkResult{failing}};
  if (failing.empty()) return shrinker.result;
  shrinker.ShortestFailingSuffix(failing);
  if (!shrinker.result.reproduced) return shrinker.result;
  shrinker.ShrinkActions();
  shrinker.ShrinkPastedTexts();
  return shrinker.result;
}

}  // namespace tessavor::model
