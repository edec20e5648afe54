// The recording binding table (recording_bindings.cpp): every focus, text and
// press event of every control is recorded, then passed on to the converter
// handler that the program binds, if any. Whoever links the table supplies
// the record: the in-process window tests keep it in memory, a test build of
// the program writes it to a file.
#pragma once

#include <cstdint>
#include <optional>

#include "ui/control_event.h"

namespace tessavor::test {

// Called for each event the table receives, before the program's handler.
void RecordDeliveredEvent(std::uint32_t control, ControlEvent event, EventArguments arguments);

// What the table's LeftButtonDown handlers return; none by default.
extern std::optional<std::int32_t> leftButtonDownReply;

}  // namespace tessavor::test
