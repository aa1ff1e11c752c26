// SPDX-License-Identifier: MIT
#include "triangle_solution.h"

#include "correctly_rounded_atan.h"

#include <cmath>

namespace zirev1 {
namespace {

// Runs the steps in order and keeps the first fault met: every step is rounded to double before
// the next uses it, and a step whose result leaves the double range is an overflow. Inputs are
// finite here, so an infinite result can only come from overflow. Steps after a fault still run
// on whatever they get, but their results are never returned.
class Steps {
public:
    double checked(double stepResult) {
        if (std::isinf(stepResult)) {
            fail(FaultKind::Overflow);
        }
        return stepResult;
    }

    // A zero divisor is a division by zero even when the numerator has underflowed to zero as
    // well (0/0): for sides too small for the products, both underflow together, and what the
    // user needs to hear is that the divisor vanished.
    double checkedQuotient(double numerator, double divisor) {
        if (divisor == 0) {
            fail(FaultKind::DivisionByZero);
        }
        return checked(numerator / divisor);
    }

    const std::optional<FaultKind>& fault() const { return m_fault; }

private:
    void fail(FaultKind kind) {
        if (!m_fault) {
            m_fault = kind;
        }
    }

    std::optional<FaultKind> m_fault;
};

// (b + a) + c held with a wider exponent range, then halved: the sum itself never overflows, only
// p may. When the plain sum overflows, at least one side is near the top of the range, so halving
// the sides first is exact (or, for a subnormal side, far below the sum's last bit) and rounds the
// same way as the wide sum would.
double semiPerimeter(Steps& steps, double a, double b, double c) {
    const double sum = (b + a) + c;
    if (std::isfinite(sum)) {
        return sum / 2;
    }
    return steps.checked((b / 2 + a / 2) + c / 2);
}

double tanHalfAngle(Steps& steps, double p, double pMinusOpposite, double pMinusFirst,
                    double pMinusSecond) {
    const double numerator = steps.checked(pMinusFirst * pMinusSecond);
    const double divisor = steps.checked(p * pMinusOpposite);
    return std::sqrt(steps.checkedQuotient(numerator, divisor));
}

} // namespace

ValidityTerms validityTerms(double a, double b, double c) {
    Steps steps;
    const double p = semiPerimeter(steps, a, b, c);
    return {p, {p - a, p - b, p - c}};
}

Checked<std::optional<TriangleSolution>> solveTriangle(double a, double b, double c) {
    if (std::isinf(a) || std::isinf(b) || std::isinf(c)) {
        return FaultKind::Overflow;
    }
    Steps steps;
    TriangleSolution s;
    s.a = a;
    s.b = b;
    s.c = c;
    s.p = semiPerimeter(steps, a, b, c);
    if (steps.fault()) {
        return *steps.fault();
    }

    // p - a, p - b, p - c, tested in order, stopping at the first failure; a NaN side fails
    // here too.
    double differences[3];
    const double sides[3] = {a, b, c};
    for (int i = 0; i < 3; ++i) {
        differences[i] = steps.checked(s.p - sides[i]);
        if (steps.fault()) {
            return *steps.fault();
        }
        if (!(differences[i] > 0)) {
            return std::nullopt;
        }
    }
    const auto [pa, pb, pc] = differences;

    s.tanHalfAlpha = tanHalfAngle(steps, s.p, pa, pb, pc);
    s.tanHalfBeta = tanHalfAngle(steps, s.p, pb, pa, pc);
    s.tanHalfGamma = tanHalfAngle(steps, s.p, pc, pa, pb);
    if (steps.fault()) {
        return *steps.fault();
    }

    // Each angle from its own tangent, never as pi minus the other two: twice the half angle,
    // as a sum.
    const auto halfAngles = correctlyRoundedAtan3({s.tanHalfAlpha, s.tanHalfBeta, s.tanHalfGamma});
    s.alpha = halfAngles[0] + halfAngles[0];
    s.beta = halfAngles[1] + halfAngles[1];
    s.gamma = halfAngles[2] + halfAngles[2];

    const double heron = steps.checked(steps.checked(steps.checked(s.p * pa) * pb) * pc);
    s.area = std::sqrt(heron);
    s.altitude = steps.checked(s.area + s.area) / a;
    s.perimeter = steps.checked(s.p * 2);
    if (steps.fault()) {
        return *steps.fault();
    }
    return s;
}

} // namespace zirev1
