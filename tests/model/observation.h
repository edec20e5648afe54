// What the walk compares after every action: the three texts byte for byte,
// the selections, the converter's two flags, which box has the focus, and
// the events raised with what each handler saw. Built from the model here;
// the Windows side reads the same from the real window.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/model/model_window.h"

namespace tessavor::model {

struct Observation {
  std::array<std::string, BoxCount> texts;
  // Start and end in characters; none where the model leaves the caret
  // uncertain.
  std::array<std::optional<std::pair<std::size_t, std::size_t>>, BoxCount> selections;
  std::int32_t centimetreBoxFocused = 0;
  std::int32_t pixelBoxFocused = 0;
  std::optional<std::size_t> focus;  // none: no box has the focus
  std::vector<ModelEvent> events;
};

Observation Expected(const ModelWindow& window);

// One line per difference, "" when the real window matches. A selection is
// compared only where the expected one is known.
std::string Differences(const Observation& expected, const Observation& actual);

// A byte string with non-printable bytes escaped, for messages.
std::string Printable(const std::string& bytes);

}  // namespace tessavor::model
