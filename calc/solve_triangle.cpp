#include "triangle_solution.h"

#include "arithmetic_fault.h"
#include "correctly_rounded_atan.h"

#include <cmath>

namespace zirev1 {
namespace {

// Every step is rounded to double before the next uses it; a step whose result leaves the double
// range is an overflow. Inputs are finite here, so an infinite result can only come from overflow.
double checked(double stepResult) {
    if (std::isinf(stepResult)) {
        throw ArithmeticFault(FaultKind::Overflow);
    }
    return stepResult;
}

// (b + a) + c held with a wider exponent range, then halved: the sum itself never overflows, only
// p may. When the plain sum overflows, at least one side is near the top of the range, so halving
// the sides first is exact (or, for a subnormal side, far below the sum's last bit) and rounds the
// same way as the wide sum would.
double semiPerimeter(double a, double b, double c) {
    const double sum = (b + a) + c;
    if (std::isfinite(sum)) {
        return sum / 2;
    }
    return checked((b / 2 + a / 2) + c / 2);
}

// A zero divisor is a division by zero even when the numerator has underflowed to zero as well
// (0/0): for sides too small for the products, both underflow together, and what the user needs
// to hear is that the divisor vanished.
double checkedQuotient(double numerator, double divisor) {
    if (divisor == 0) {
        throw ArithmeticFault(FaultKind::DivisionByZero);
    }
    return checked(numerator / divisor);
}

double tanHalfAngle(double p, double pMinusOpposite, double pMinusFirst, double pMinusSecond) {
    const double numerator = checked(pMinusFirst * pMinusSecond);
    const double divisor = checked(p * pMinusOpposite);
    return std::sqrt(checkedQuotient(numerator, divisor));
}

} // namespace

std::optional<TriangleSolution> solveTriangle(double a, double b, double c) {
    if (std::isinf(a) || std::isinf(b) || std::isinf(c)) {
        throw ArithmeticFault(FaultKind::Overflow);
    }
    TriangleSolution s;
    s.a = a;
    s.b = b;
    s.c = c;
    s.p = semiPerimeter(a, b, c);

    // Tested in order, stopping at the first failure; a NaN side fails here too.
    const double pa = checked(s.p - a);
    if (!(pa > 0)) {
        return std::nullopt;
    }
    const double pb = checked(s.p - b);
    if (!(pb > 0)) {
        return std::nullopt;
    }
    const double pc = checked(s.p - c);
    if (!(pc > 0)) {
        return std::nullopt;
    }

    s.tanHalfAlpha = tanHalfAngle(s.p, pa, pb, pc);
    s.tanHalfBeta = tanHalfAngle(s.p, pb, pa, pc);
    s.tanHalfGamma = tanHalfAngle(s.p, pc, pa, pb);

    // Each angle from its own tangent, never as pi minus the other two: twice the half angle,
    // as a sum.
    const auto halfAngles = correctlyRoundedAtan3({s.tanHalfAlpha, s.tanHalfBeta, s.tanHalfGamma});
    s.alpha = halfAngles[0] + halfAngles[0];
    s.beta = halfAngles[1] + halfAngles[1];
    s.gamma = halfAngles[2] + halfAngles[2];

    const double heron = checked(checked(checked(s.p * pa) * pb) * pc);
    s.area = std::sqrt(heron);
    s.altitude = checked(s.area + s.area) / a;
    s.perimeter = checked(s.p * 2);
    return s;
}

} // namespace zirev1
