#include "read_side_length.h"

#include "arithmetic_fault.h"

#include <charconv>
#include <string>
#include <system_error>

namespace zirev1 {
namespace {

bool isIgnored(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n';
}
bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

} // namespace

double readSideLength(std::string_view text) {
    // Gather the leading number without the ignored characters, so that from_chars, which is
    // locale-independent and correctly rounded, sees it whole.
    std::string number;
    bool negative = false;
    bool signSeen = false;
    bool pointSeen = false;
    bool digitSeen = false;
    bool integerPartNonZero = false;
    for (const char ch : text) {
        if (isIgnored(ch)) {
            continue;
        }
        if ((ch == '+' || ch == '-') && !signSeen && number.empty()) {
            signSeen = true;
            negative = ch == '-';
        } else if (isDigit(ch)) {
            digitSeen = true;
            integerPartNonZero = integerPartNonZero || (!pointSeen && ch != '0');
            number += ch;
        } else if (ch == '.' && !pointSeen) {
            pointSeen = true;
            number += ch;
        } else {
            break;
        }
    }
    if (!digitSeen) {
        return 0;
    }

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        if (integerPartNonZero) {
            throw ArithmeticFault(FaultKind::Overflow);
        }
        value = 0; // below the smallest subnormal: rounds to zero
    }
    return negative ? -value : value;
}

} // namespace zirev1
