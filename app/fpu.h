// The floating-point state the handlers run in.
#pragma once

namespace tessavor {

// FNINIT: x87 control word 0x037F (64-bit precision, round to nearest, all
// exceptions masked), status cleared, register stack empty. Does nothing on
// a processor without the x87 unit.
void ResetFloatingPointUnit();

}  // namespace tessavor
