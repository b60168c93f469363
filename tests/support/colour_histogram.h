// colour_histogram.h: a picture's colours counted into coarse bins, to tell whether two
// pictures show the same place though framed differently; used by the stage select's picture
// tests.
#pragma once

#include "base/base.h"

#include <vector>

constexpr int HISTOGRAM_LEVELS = 4;   // per channel

// The share of the pixels of a box of an RGBA picture (`width` pixels a row) in each bin.
std::vector<double> colour_histogram(const u8 *rgba, int width, int x0, int y0, int w, int h);
// 0 for the same spread of colours, 1 for none in common.
double histogram_distance(const std::vector<double> &a, const std::vector<double> &b);
// The index of the histogram nearest to `of` among `candidates`.
int histogram_nearest(const std::vector<double> &of, const std::vector<std::vector<double>> &candidates);
