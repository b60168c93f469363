#include "support/colour_histogram.h"

#include <algorithm>

std::vector<double> colour_histogram(const u8 *rgba, int width, int x0, int y0, int w, int h)
{
    std::vector<double> bins(HISTOGRAM_LEVELS * HISTOGRAM_LEVELS * HISTOGRAM_LEVELS, 0.0);
    for (int y = y0; y < y0 + h; y++)
        for (int x = x0; x < x0 + w; x++) {
            const u8 *p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
            int bin = 0;
            for (int k = 0; k < 3; k++)
                bin = bin * HISTOGRAM_LEVELS + p[k] * HISTOGRAM_LEVELS / 256;
            bins[bin] += 1.0 / (static_cast<double>(w) * h);
        }
    return bins;
}

double histogram_distance(const std::vector<double> &a, const std::vector<double> &b)
{
    double common = 0;
    for (size_t i = 0; i < a.size(); i++)
        common += std::min(a[i], b[i]);
    return 1.0 - common;
}

int histogram_nearest(const std::vector<double> &of, const std::vector<std::vector<double>> &candidates)
{
    int best = -1;
    double nearest = 2.0;
    for (int i = 0; i < static_cast<int>(candidates.size()); i++) {
        double d = histogram_distance(of, candidates[i]);
        if (d < nearest) {
            nearest = d;
            best = i;
        }
    }
    return best;
}
