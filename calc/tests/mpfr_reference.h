// SPDX-License-Identifier: MIT
#pragma once

#include <mpfr.h>

// MPFR's arctangent, correctly rounded to the nearest double: the reference the arctangent is
// checked against.
namespace zirev1::testing {

class MpfrAtan {
public:
    MpfrAtan() { mpfr_inits2(53, m_x, m_y, static_cast<mpfr_ptr>(nullptr)); }
    ~MpfrAtan() { mpfr_clears(m_x, m_y, static_cast<mpfr_ptr>(nullptr)); }
    MpfrAtan(const MpfrAtan&) = delete;
    MpfrAtan& operator=(const MpfrAtan&) = delete;

    double operator()(double x) {
        mpfr_set_d(m_x, x, MPFR_RNDN);
        // A subnormal x is its own arctangent at 53 bits, so no double rounding arises.
        mpfr_atan(m_y, m_x, MPFR_RNDN);
        return mpfr_get_d(m_y, MPFR_RNDN);
    }

    // atan(x) - approximation, relative to atan(x), at 300 bits.
    double relativeError(double x, double high, double low) {
        mpfr_t exact, approximation;
        mpfr_inits2(300, exact, approximation, static_cast<mpfr_ptr>(nullptr));
        mpfr_set_d(exact, x, MPFR_RNDN);
        mpfr_atan(exact, exact, MPFR_RNDN);
        mpfr_set_d(approximation, high, MPFR_RNDN);
        mpfr_add_d(approximation, approximation, low, MPFR_RNDN);
        mpfr_sub(approximation, approximation, exact, MPFR_RNDN);
        mpfr_div(approximation, approximation, exact, MPFR_RNDN);
        const double error = mpfr_get_d(approximation, MPFR_RNDN);
        mpfr_clears(exact, approximation, static_cast<mpfr_ptr>(nullptr));
        return error;
    }

private:
    mpfr_t m_x;
    mpfr_t m_y;
};

} // namespace zirev1::testing
