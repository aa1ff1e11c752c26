// SPDX-License-Identifier: MIT
#pragma once

namespace zirev1 {

// The sign (-1, 0 or +1) of x² + y² − z² for positive finite sides read as decimals: each double
// is rounded to 15 significant digits, which gives back the number typed whenever it had at most
// 15, and the squares of those decimals are summed exactly. The doubles' own squares would not
// do: 0.3 and 0.4 are not exact in binary, and their exact squares miss 0.25 by about 1e-17.
//
//   compareDecimalSquares(3, 4, 5)          ->  0
//   compareDecimalSquares(0.3, 0.4, 0.5)    ->  0
//   compareDecimalSquares(1, 1, 1.41421356) -> +1   (1.41421356² = 1.9999999932878736)
//   compareDecimalSquares(2, 3, 4)          -> -1
int compareDecimalSquares(double x, double y, double z);

} // namespace zirev1
