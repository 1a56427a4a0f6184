#pragma once

#include "picture/CrossingLine.h"

namespace tessmark {

// The smallest k >= 0 with (a k + b) mod m <= top (0 <= a, b, top < m), or -1 when there is none:
// Euclid's algorithm on the laps of a k + b round the modulus, so it costs a few steps per bit of m.
Int128 FirstInWindow(Int128 a, Int128 b, Int128 m, Int128 top);

}  // namespace tessmark
