#include "spectrum/exact_oscillator.h"

#include <cmath>

#include "spectrum/sdof_response.h"

namespace tremblo {

namespace {

// 4 x 4 matrices in extended precision.
struct Matrix4 {
    long double m[4][4] = {};
};

Matrix4 Multiply(const Matrix4& a, const Matrix4& b) {
    Matrix4 r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            long double sum = 0;
            for (int k = 0; k < 4; ++k) sum += a.m[i][k] * b.m[k][j];
            r.m[i][j] = sum;
        }
    return r;
}

long double MaxNorm(const Matrix4& a) {
    long double worst = 0;
    for (const auto& row : a.m) {
        long double sum = 0;
        for (long double v : row) sum += std::fabs(v);
        if (sum > worst) worst = sum;
    }
    return worst;
}

// exp(a) by scaling, a Taylor series and squaring.
Matrix4 Exponential(Matrix4 a) {
    int squarings = 0;
    while (MaxNorm(a) > 0.25L && squarings < 200) {
        for (auto& row : a.m)
            for (long double& v : row) v *= 0.5L;
        ++squarings;
    }
    Matrix4 sum, term;
    for (int i = 0; i < 4; ++i) sum.m[i][i] = term.m[i][i] = 1;
    for (int n = 1; n <= 40; ++n) {
        term = Multiply(term, a);
        for (auto& row : term.m)
            for (long double& v : row) v /= n;
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) sum.m[i][j] += term.m[i][j];
        if (MaxNorm(term) < 1e-24L) break;
    }
    for (int s = 0; s < squarings; ++s) sum = Multiply(sum, sum);
    return sum;
}

}  // namespace

// In the scaled state (w x, v, g / w, g' / w^2), g' constant over the step,
// the equations read y' = w N y with N = [[0, 1, 0, 0], [-1, -2h, -1, 0],
// [0, 0, 0, 1], [0, 0, 0, 0]], whatever the period; E = exp(w dt N) moves the
// state over a step, and with g' = (g1 - g0) / dt the coefficients follow.
ExactCoefficients MakeExactCoefficients(double dt, double period, double damping) {
    const long double omega = static_cast<long double>(TWO_PI) / period;
    const long double h = damping;
    const long double theta = omega * static_cast<long double>(dt);
    Matrix4 n;
    n.m[0][1] = theta;
    n.m[1][0] = -theta;
    n.m[1][1] = -2 * h * theta;
    n.m[1][2] = -theta;
    n.m[2][3] = theta;
    const Matrix4 e = Exponential(n);
    ExactCoefficients k;
    const long double b1x = e.m[0][3] / (theta * omega * omega);
    const long double b1v = e.m[1][3] / (theta * omega);
    k.a11 = static_cast<double>(e.m[0][0]);
    k.a12 = static_cast<double>(e.m[0][1] / omega);
    k.a21 = static_cast<double>(e.m[1][0] * omega);
    k.a22 = static_cast<double>(e.m[1][1]);
    k.b0x = static_cast<double>(e.m[0][2] / (omega * omega) - b1x);
    k.b1x = static_cast<double>(b1x);
    k.b0v = static_cast<double>(e.m[1][2] / omega - b1v);
    k.b1v = static_cast<double>(b1v);
    k.twoHOmega = static_cast<double>(2 * h * omega);
    k.omega2 = static_cast<double>(omega * omega);
    return k;
}

}  // namespace tremblo
