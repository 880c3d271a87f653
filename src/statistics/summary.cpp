#include "statistics/summary.h"

#include "conventions/numbers.h"
#include "conventions/step_text.h"

namespace zentaro::statistics {

Summary summarize(double n, double sx, double sxx, Working working)
{
    Summary s;
    const double nsxx = Mul(sxx, n);
    const double sx2 = Mul(sx, sx);
    const double n2 = Mul(n, n);
    s.variance = Divide(Sub(nsxx, sx2), n2);
    working.step([&] {
        return "variance = (nΣx² − (Σx)²) ÷ n² = (" + Plain(n) + " × " + Factor(sxx) + " − " + Factor(sx) + "²) ÷ " +
               Plain(n) + "² = (" + SignedSum({nsxx, -sx2}) + ") ÷ " + Plain(n2) + Equals(s.variance);
    });
    if (s.variance < 0) {
        s.variance = 0;
        working.step("a variance cannot be below 0; only rounding put it there: variance = 0");
    }
    s.sd = Sqrt(s.variance);
    working.step([&] { return "SD = √variance = √" + Plain(s.variance) + Equals(s.sd); });
    s.mean = Divide(sx, n);
    working.step([&] { return "mean = Σx ÷ n = " + Plain(sx) + " ÷ " + Plain(n) + Equals(s.mean); });
    return s;
}

} // namespace zentaro::statistics
