// What the converter needs from whoever owns the three boxes. The window
// defines these in ui/; the in-memory host defines them for tests and the
// command-line converter. Exactly one of them is linked into a program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessavor {

// The box's whole text as the caller's own copy, or none when it is empty.
// Reading delivers no event.
std::optional<std::string> ReadControlText(std::uint32_t window, std::uint32_t control);

// Replaces the box's text with a copy of `text`, then delivers exactly one
// TextChanged for the box before returning, also when the text is unchanged.
void WriteControlText(std::uint32_t window, std::uint32_t control, std::string_view text);

}  // namespace tessavor
