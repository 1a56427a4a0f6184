#include "picture/ResidueWindow.h"

namespace tessmark {

Int128 FirstInWindow(Int128 a, Int128 b, Int128 m, Int128 top) {
  if (b <= top) return 0;
  if (a == 0) return -1;
  // Otherwise a k + b first lands in the window on some lap t >= 1: the first t for which
  // t m - b ... t m - b + top holds a multiple of a, which is (t m - b + top) mod a <= top.
  Int128 lap = 1;
  if (top < a - 1) {
    const Int128 step = m % a;
    const Int128 more = FirstInWindow(step, (step + ((top - b) % a + a) % a) % a, a, top);
    if (more < 0) return -1;
    lap += more;
  }
  return (lap * m - b + a - 1) / a;
}

}  // namespace tessmark
