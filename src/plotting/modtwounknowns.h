#pragma once
// Two linear equations in two unknowns, for the dichromat's colour match:
//   A1 X + B1 Y = C1
//   A2 X + B2 Y = C2

namespace modTwoUnknowns {

// Eliminates Y and solves for X, then finds Y from the first equation. No
// pivoting: B2 = 0, a singular system and B1 = 0 each raise DivisionByZero
// even where the system has a solution, and an overflowing step raises
// Overflow. An unknown is written only once it has been computed, so X
// already holds its value when the failure comes with Y.
void SolveTwoUnknowns(double &X, const double &A1, const double &A2, double &Y, const double &B1,
                      const double &B2, const double &C1, const double &C2);

} // namespace modTwoUnknowns
