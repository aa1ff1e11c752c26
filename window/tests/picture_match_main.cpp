// SPDX-License-Identifier: MIT
// Whether two pictures, as binary PPM files, agree up to antialiasing (picture_match.h):
//   picture_match FIRST.ppm SECOND.ppm
// prints what it measured; exits 0 when they agree, 1 when not, 2 when a file cannot be read.
#include "picture_match.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: picture_match FIRST.ppm SECOND.ppm\n";
        return 2;
    }
    std::optional<zirev1::Raster> pictures[2];
    for (int at = 0; at < 2; ++at) {
        std::ifstream file(argv[at + 1], std::ios::binary);
        pictures[at] = zirev1::readPpm(file);
        if (!pictures[at]) {
            std::cerr << "picture_match: " << argv[at + 1] << " is not a binary PPM picture\n";
            return 2;
        }
    }
    const zirev1::MatchTolerance tolerance;
    const zirev1::PictureMatch match = zirev1::matchPictures(*pictures[0], *pictures[1], tolerance);
    std::cout << "sizes " << pictures[0]->width << 'x' << pictures[0]->height << ' '
              << pictures[1]->width << 'x' << pictures[1]->height << "; ink " << match.ink[0] << ' '
              << match.ink[1] << "; unmatched " << match.unmatched[0] << ' ' << match.unmatched[1]
              << "; far share " << match.farShare << '\n';
    return match.agrees(tolerance) ? 0 : 1;
}
