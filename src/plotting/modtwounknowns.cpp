#include "modtwounknowns.h"

#include "forms/numbers.h"

namespace modTwoUnknowns {

void SolveTwoUnknowns(double &X, const double &A1, const double &A2, double &Y, const double &B1,
                      const double &B2, const double &C1, const double &C2)
{
    using forms::checked;
    using forms::Div;
    const double k = -Div(B1, B2);
    X = Div(checked(C1 + checked(k * C2)), checked(A1 + checked(k * A2)));
    // Y comes from the stored X.
    Y = Div(checked(C1 - checked(A1 * X)), B1);
}

} // namespace modTwoUnknowns
