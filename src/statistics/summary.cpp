#include "statistics/summary.h"

#include "conventions/numbers.h"

namespace zentaro::statistics {

Summary summarize(double n, double sx, double sxx)
{
    Summary s;
    s.variance = Divide(Sub(Mul(sxx, n), Mul(sx, sx)), Mul(n, n));
    if (s.variance < 0)
        s.variance = 0;
    s.sd = Sqrt(s.variance);
    s.mean = Divide(sx, n);
    return s;
}

} // namespace zentaro::statistics
