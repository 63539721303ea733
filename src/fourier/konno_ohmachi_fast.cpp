// The fast Konno-Ohmachi smoothing (see konno_ohmachi.h): the window summed
// directly near each centre, the far part through separable sums.
//
// Beyond the near span, with x = log10(f/f_c) and y = b x,
//   sin^4 y = (3 - 4 cos 2y + cos 4y) / 8,
//   cos 2y = cos 2bL_f cos 2bL_c + sin 2bL_f sin 2bL_c   (L = log10, likewise 4y),
//   1/x^4  = sum_q w_q exp(-s_q |x|),
// so each far sum is a combination of five sums over the frequencies of
// g(f) exp(-s_q |L_f - L_c|), g being the spectrum times 1, cos 2bL_f,
// sin 2bL_f, cos 4bL_f or sin 4bL_f. Running along the grid, those sums are
// decayed by exp(-s_q step) and the next frequency added; at each centre
// they are decayed once more over the near span. The weights (g = 1) and
// every spectrum run in the same pass; the pass from below and the one from
// above run on two threads. The runs use fused multiply-adds where the
// processor has them: their results are bounded, not bit for bit those of
// the definition, and the bound holds either way.
#include <algorithm>
#include <cmath>
#include <vector>

#include "fourier/konno_ohmachi.h"
#include "fourier/konno_ohmachi_kernel.h"

#ifndef TREMBLO_KO_FAST_SHARED
#define TREMBLO_KO_FAST_SHARED
namespace tremblo::ko_detail {

constexpr int kParts = 5;  // 1, cos 2y, sin 2y, cos 4y, sin 4y
// Spectra summed together near the centre; more are taken in turns.
constexpr int kMaxNearSpectra = 4;

// The far sums of one direction, combined: per group (0 the weights, then
// the spectra) and centre, the weighted sum times 8 b^4 and its bound
// sum g/x^4 times b^4.
struct FarSums {
    std::vector<double> value, envelope;  // [group * (M + 1) + k]
};

struct SweepInput {
    int m = 0;                 // frequencies 1 .. m
    int groups = 0;            // 1 + the number of spectra
    const double* logf;        // [j] = log10 j
    const double* c2;          // [j] = cos 2bL_j, likewise s2, c4, s4
    const double* s2;
    const double* c4;
    const double* s4;
    const int* nearBelow;      // [k]: the highest far index below k (0: none)
    const int* nearAbove;      // [k]: the lowest far index above k (m + 1: none)
    const double* columns;     // [j * groups * kParts + row]: g of every row at j
};

}  // namespace tremblo::ko_detail
#endif

#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "fourier/konno_ohmachi_fast.cpp"
#include "hwy/foreach_target.h"  // IWYU pragma: keep
#include "hwy/highway.h"
#include "hwy/contrib/math/math-inl.h"

HWY_BEFORE_NAMESPACE();
namespace tremblo {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;
using ko_detail::FarSums;
using ko_detail::kParts;
using ko_detail::SweepInput;

// running[row][q] = running[row][q] exp(-rate[q] gap) + column[row].
HWY_INLINE void Advance(double* running, int rows, const double* column, double gap) {
    const hn::ScalableTag<double> d;
    const int lanes = static_cast<int>(hn::Lanes(d));
    const KoExponentialSum& sum = InverseFourthPowerSum();
    const auto minusGap = hn::Set(d, -gap);
    for (int q = 0; q < KO_TERMS; q += lanes) {
        const auto decay = hn::Exp(d, hn::Mul(hn::Load(d, sum.rate.data() + q), minusGap));
        for (int r = 0; r < rows; ++r) {
            double* at = running + r * KO_TERMS + q;
            hn::StoreU(hn::MulAdd(hn::LoadU(d, at), decay, hn::Set(d, column[r])), d, at);
        }
    }
}

// The running sums decayed over `gap` and weighted: sum_q w_q exp(-s_q gap) running[row][q].
HWY_INLINE void Evaluate(const double* running, int rows, double gap, double* totals) {
    const hn::ScalableTag<double> d;
    const int lanes = static_cast<int>(hn::Lanes(d));
    const KoExponentialSum& sum = InverseFourthPowerSum();
    alignas(64) double factor[KO_TERMS];
    const auto minusGap = hn::Set(d, -gap);
    for (int q = 0; q < KO_TERMS; q += lanes) {
        const auto decay = hn::Exp(d, hn::Mul(hn::Load(d, sum.rate.data() + q), minusGap));
        hn::Store(hn::Mul(decay, hn::Load(d, sum.weight.data() + q)), d, factor + q);
    }
    for (int r = 0; r < rows; ++r) {
        auto acc = hn::Zero(d);
        for (int q = 0; q < KO_TERMS; q += lanes)
            acc = hn::MulAdd(hn::Load(d, factor + q), hn::LoadU(d, running + r * KO_TERMS + q), acc);
        totals[r] = hn::GetLane(hn::SumOfLanes(d, acc));
    }
}

void Combine(const SweepInput& in, int k, const double* totals, FarSums& out) {
    const std::size_t stride = static_cast<std::size_t>(in.m) + 1;
    for (int g = 0; g < in.groups; ++g) {
        const double* t = totals + g * kParts;
        const std::size_t at = static_cast<std::size_t>(g) * stride + static_cast<std::size_t>(k);
        out.value[at] = 3.0 * t[0] - 4.0 * (in.c2[k] * t[1] + in.s2[k] * t[2]) + (in.c4[k] * t[3] + in.s4[k] * t[4]);
        out.envelope[at] = t[0];
    }
}

// Frequencies below each centre, the centres in rising order.
void SweepFromBelow(const SweepInput& in, FarSums& out) {
    const int rows = in.groups * kParts;
    std::vector<double> running(static_cast<std::size_t>(rows) * KO_TERMS, 0.0), totals(static_cast<std::size_t>(rows));
    int added = 0;
    for (int k = 1; k <= in.m; ++k) {
        const int last = in.nearBelow[k];
        for (; added < last; ++added) {
            const int j = added + 1;
            Advance(running.data(), rows, in.columns + static_cast<std::size_t>(j) * rows,
                    j == 1 ? 0.0 : in.logf[j] - in.logf[j - 1]);
        }
        if (last < 1) continue;  // the sums stay 0
        Evaluate(running.data(), rows, in.logf[k] - in.logf[last], totals.data());
        Combine(in, k, totals.data(), out);
    }
}

// Frequencies above each centre, the centres in falling order.
void SweepFromAbove(const SweepInput& in, FarSums& out) {
    const int rows = in.groups * kParts;
    std::vector<double> running(static_cast<std::size_t>(rows) * KO_TERMS, 0.0), totals(static_cast<std::size_t>(rows));
    int added = in.m + 1;  // the lowest index in the sums
    for (int k = in.m; k >= 1; --k) {
        const int first = in.nearAbove[k];
        for (; added > first; --added) {
            const int j = added - 1;
            Advance(running.data(), rows, in.columns + static_cast<std::size_t>(j) * rows,
                    j == in.m ? 0.0 : in.logf[j + 1] - in.logf[j]);
        }
        if (first > in.m) continue;
        Evaluate(running.data(), rows, in.logf[first] - in.logf[k], totals.data());
        Combine(in, k, totals.data(), out);
    }
}

// The window summed directly over j = begin .. end - 1 around the centre
// at log10 frequency `centre`: sums[0] the weights, sums[1 + s] the
// weighted spectrum s (count spectra, at most kMaxNearSpectra).
void NearSums(const double* logf, double centre, double b, int begin, int end, const double* const* spectra,
              int count, double* sums) {
    const hn::ScalableTag<double> d;
    const int lanes = static_cast<int>(hn::Lanes(d));
    const auto vb = hn::Set(d, b), vc = hn::Set(d, centre), one = hn::Set(d, 1.0);
    const auto c1 = hn::Set(d, -1.0 / 6.0), c2 = hn::Set(d, 1.0 / 120.0), c3 = hn::Set(d, -1.0 / 5040.0),
               c4 = hn::Set(d, 1.0 / 362880.0), c5 = hn::Set(d, -1.0 / 39916800.0);
    hn::Vec<decltype(d)> acc[1 + ko_detail::kMaxNearSpectra];
    for (auto& a : acc) a = hn::Zero(d);
    int j = begin;
    for (; j + lanes <= end; j += lanes) {
        const auto y = hn::Mul(vb, hn::Sub(hn::LoadU(d, logf + j), vc));
        const auto y2 = hn::Mul(y, y);
        // As NearWindow, term for term.
        auto p = hn::Add(c4, hn::Mul(y2, c5));
        p = hn::Add(c3, hn::Mul(y2, p));
        p = hn::Add(c2, hn::Mul(y2, p));
        p = hn::Add(c1, hn::Mul(y2, p));
        const auto sinc = hn::Add(one, hn::Mul(y2, p));
        const auto s2 = hn::Mul(sinc, sinc);
        const auto w = hn::Mul(s2, s2);
        acc[0] = hn::Add(acc[0], w);
        for (int s = 0; s < count; ++s) acc[1 + s] = hn::Add(acc[1 + s], hn::Mul(w, hn::LoadU(d, spectra[s] + j)));
    }
    for (int s = 0; s <= count; ++s) sums[s] = hn::GetLane(hn::SumOfLanes(d, acc[s]));
    for (; j < end; ++j) {
        const double w = NearWindow(b * (logf[j] - centre));
        sums[0] += w;
        for (int s = 0; s < count; ++s) sums[1 + s] += w * spectra[s][j];
    }
}

}  // namespace HWY_NAMESPACE
}  // namespace tremblo
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
#include "compute/parallel_workers.h"

namespace tremblo {

HWY_EXPORT(SweepFromBelow);
HWY_EXPORT(SweepFromAbove);
HWY_EXPORT(NearSums);

namespace {

using ko_detail::FarSums;
using ko_detail::kParts;
using ko_detail::SweepInput;

// The error of the far part, relative to its bound sum of g/x^4: the
// exponential sum's (KO_SUM_ERROR, at most (3 + 5 sqrt 2) / 8 of it through
// the five parts), the trigonometric tables' (their angles reach 10 b, so
// 1e-13 each, times 8 in the sum over 8) and the rounding of the runs.
constexpr double kFarError = 1.3 * KO_SUM_ERROR + 1e-12;
// The near sum's rounding, relative.
constexpr double kNearError = 1e-12;
// A centre is taken when its bound stays below this; 1e-6 is promised.
constexpr double kAccepted = 1e-7;

// The spectra divided by their powers of two (see KoScaleExponent): `spans`
// views them, copies only where the power is not 1.
struct ScaledSpectra {
    std::vector<std::vector<double>> copies;
    std::vector<std::span<const double>> spans;
    std::vector<int> exponents;

    explicit ScaledSpectra(std::span<const std::span<const double>> spectra) {
        copies.reserve(spectra.size());
        for (const std::span<const double>& s : spectra) {
            const int exponent = KoScaleExponent(s);
            exponents.push_back(exponent);
            if (exponent == 0) {
                spans.push_back(s);
                continue;
            }
            std::vector<double>& copy = copies.emplace_back(s.begin(), s.end());
            for (double& v : copy) v = std::ldexp(v, -exponent);
            spans.emplace_back(copy);
        }
    }
    // The results brought back to the spectra's own size.
    void Restore(std::span<const std::span<double>> out) const {
        for (std::size_t s = 0; s < exponents.size(); ++s)
            if (exponents[s] != 0)
                for (std::size_t k = 1; k < out[s].size(); ++k) out[s][k] = std::ldexp(out[s][k], exponents[s]);
    }
};

// Every frequency against the centre k: the definition, for all spectra.
void SumInFull(std::span<const std::span<const double>> spectra, double b, int k,
               std::span<const std::span<double>> out) {
    const std::size_t m = spectra[0].size();
    std::vector<double> num(spectra.size(), 0.0);
    double den = 0.0;
    for (std::size_t j = 1; j < m; ++j) {
        const double w = KonnoOhmachiWeight(static_cast<double>(j), static_cast<double>(k), b);
        den += w;
        for (std::size_t s = 0; s < spectra.size(); ++s) num[s] += w * spectra[s][j];
    }
    for (std::size_t s = 0; s < spectra.size(); ++s) out[s][static_cast<std::size_t>(k)] = num[s] / den;
}

struct Grid {
    std::vector<double> logf, c2, s2, c4, s4;
    std::vector<int> nearBelow, nearAbove;
};

Grid MakeGrid(int m, double b) {
    Grid g;
    const auto size = static_cast<std::size_t>(m) + 2;
    g.logf.assign(size, 0.0);
    g.c2.assign(size, 0.0);
    g.s2.assign(size, 0.0);
    g.c4.assign(size, 0.0);
    g.s4.assign(size, 0.0);
    for (int j = 1; j <= m; ++j) {
        const double l = std::log10(static_cast<double>(j));
        g.logf[static_cast<std::size_t>(j)] = l;
        const double c = std::cos(2.0 * b * l), s = std::sin(2.0 * b * l);
        g.c2[static_cast<std::size_t>(j)] = c;
        g.s2[static_cast<std::size_t>(j)] = s;
        g.c4[static_cast<std::size_t>(j)] = c * c - s * s;
        g.s4[static_cast<std::size_t>(j)] = 2.0 * s * c;
    }
    g.nearBelow.assign(size, 0);
    g.nearAbove.assign(size, m + 1);
    int below = 0;  // the highest index at least the near span below k
    int above = 1;  // the lowest index at least the near span above k
    for (int k = 1; k <= m; ++k) {
        const double lk = g.logf[static_cast<std::size_t>(k)];
        while (below + 1 < k && lk - g.logf[static_cast<std::size_t>(below + 1)] >= KO_NEAR_SPAN) ++below;
        if (above <= k) above = k + 1;
        while (above <= m && g.logf[static_cast<std::size_t>(above)] - lk < KO_NEAR_SPAN) ++above;
        g.nearBelow[static_cast<std::size_t>(k)] = below;
        g.nearAbove[static_cast<std::size_t>(k)] = above;
    }
    return g;
}

// The smoothing of spectra scaled below 1 (results not yet restored).
KonnoOhmachiReport SmoothScaled(std::span<const std::span<const double>> spectra, double b,
                                std::span<const std::span<double>> out, int workers) {
    KonnoOhmachiReport report;
    const int m = static_cast<int>(spectra[0].size()) - 1;
    report.centres = m;
    if (!(b > 0.0 && b <= KO_MAX_FAST_BANDWIDTH) || std::log10(static_cast<double>(std::max(m, 1))) > KO_FAR_SPAN) {
        RunOnWorkers(workers, [&](int w) {
            for (int k = 1 + w; k <= m; k += workers) SumInFull(spectra, b, k, out);
        });
        report.summedInFull = m;
        return report;
    }

    const Grid grid = MakeGrid(m, b);
    const int groups = static_cast<int>(spectra.size()) + 1;
    const int rows = groups * kParts;
    const std::size_t stride = static_cast<std::size_t>(m) + 1;
    std::vector<double> columns((stride + 1) * static_cast<std::size_t>(rows), 0.0);
    for (int j = 1; j <= m; ++j) {
        double* column = columns.data() + static_cast<std::size_t>(j) * rows;
        const auto at = static_cast<std::size_t>(j);
        const double parts[kParts] = {1.0, grid.c2[at], grid.s2[at], grid.c4[at], grid.s4[at]};
        for (int g = 0; g < groups; ++g) {
            const double a = g == 0 ? 1.0 : spectra[static_cast<std::size_t>(g - 1)][at];
            for (int p = 0; p < kParts; ++p) column[g * kParts + p] = a * parts[p];
        }
    }
    const SweepInput input{m, groups, grid.logf.data(), grid.c2.data(), grid.s2.data(), grid.c4.data(),
                           grid.s4.data(), grid.nearBelow.data(), grid.nearAbove.data(), columns.data()};
    FarSums below, above;
    for (FarSums* f : {&below, &above}) {
        f->value.assign(stride * static_cast<std::size_t>(groups), 0.0);
        f->envelope.assign(stride * static_cast<std::size_t>(groups), 0.0);
    }
    RunOnWorkers(std::min(workers, 2), [&](int w) {
        if (w == 0 || workers < 2) HWY_DYNAMIC_DISPATCH(SweepFromBelow)(input, below);
        if (w == 1 || workers < 2) HWY_DYNAMIC_DISPATCH(SweepFromAbove)(input, above);
    });

    const double b4 = b * b * b * b;
    const double valueScale = 1.0 / (8.0 * b4), envelopeScale = 1.0 / b4;
    std::vector<int> fullCounts(static_cast<std::size_t>(workers), 0);
    std::vector<double> largestBounds(static_cast<std::size_t>(workers), 0.0);
    std::vector<const double*> pointers;
    for (const std::span<const double>& spectrum : spectra) pointers.push_back(spectrum.data());
    RunOnWorkers(workers, [&](int w) {
        std::vector<double> near(static_cast<std::size_t>(groups)), sums(1 + ko_detail::kMaxNearSpectra);
        for (int k = 1 + w; k <= m; k += workers) {
            const auto kk = static_cast<std::size_t>(k);
            // At the centre y = 0 and the series gives 1 exactly.
            for (int first = 0; first < groups - 1 || first == 0; first += ko_detail::kMaxNearSpectra) {
                const int count = std::min(groups - 1 - first, ko_detail::kMaxNearSpectra);
                HWY_DYNAMIC_DISPATCH(NearSums)(grid.logf.data(), grid.logf[kk], b, grid.nearBelow[kk] + 1,
                                               grid.nearAbove[kk], pointers.data() + first, count, sums.data());
                near[0] = sums[0];
                for (int s = 0; s < count; ++s) near[static_cast<std::size_t>(first + s + 1)] = sums[static_cast<std::size_t>(s + 1)];
                if (groups == 1) break;
            }
            double bound = 0.0, largest = 0.0;
            bool taken = true;
            double den = 0.0;
            for (int g = 0; g < groups && taken; ++g) {
                const std::size_t at = static_cast<std::size_t>(g) * stride + kk;
                const double value = near[static_cast<std::size_t>(g)] + (below.value[at] + above.value[at]) * valueScale;
                const double error = kFarError * (below.envelope[at] + above.envelope[at]) * envelopeScale +
                                     kNearError * near[static_cast<std::size_t>(g)];
                if (g == 0) den = value;
                if (error == 0.0 && value == 0.0) {  // nothing to sum: 0 exactly
                    if (g > 0) out[static_cast<std::size_t>(g - 1)][kk] = 0.0;
                    continue;
                }
                if (!(value - error > 0.0)) {
                    taken = false;
                    break;
                }
                const double relative = error / (value - error);
                if (g == 0) {
                    bound = relative;
                } else {
                    taken = bound + relative <= kAccepted;
                    largest = std::max(largest, bound + relative);
                    out[static_cast<std::size_t>(g - 1)][kk] = value / den;
                }
            }
            if (!taken) {
                SumInFull(spectra, b, k, out);
                ++fullCounts[static_cast<std::size_t>(w)];
            } else {
                largestBounds[static_cast<std::size_t>(w)] = std::max(largestBounds[static_cast<std::size_t>(w)], largest);
            }
        }
    });
    for (int c : fullCounts) report.summedInFull += c;
    for (double bound : largestBounds) report.largestBound = std::max(report.largestBound, bound);
    return report;
}

}  // namespace

KonnoOhmachiReport SmoothKonnoOhmachi(std::span<const std::span<const double>> spectra, double b,
                                      std::span<const std::span<double>> out, int workers) {
    if (spectra.empty() || spectra[0].empty()) return {};
    for (std::size_t s = 0; s < spectra.size(); ++s) out[s][0] = spectra[s][0];
    const ScaledSpectra scaled(spectra);
    const KonnoOhmachiReport report = SmoothScaled(scaled.spans, b, out, workers <= 0 ? DefaultWorkerCount() : workers);
    scaled.Restore(out);
    return report;
}

}  // namespace tremblo
#endif  // HWY_ONCE
