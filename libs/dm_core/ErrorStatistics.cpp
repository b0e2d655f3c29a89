#include "ErrorStatistics.h"

#include <algorithm>
#include <cmath>

namespace {

using Complex = std::complex<double>;
constexpr double kFloorDb = -150.0;
constexpr double kDegrees = 180.0 / M_PI;

double toDb(double powerRatio)
{
    return powerRatio > 0.0 ? std::max(kFloorDb, 10.0 * std::log10(powerRatio)) : kFloorDb;
}

// Solves the n×n complex system a·x = b in place by Gaussian elimination with pivoting.
void solve(Complex a[3][3], Complex b[3], int n)
{
    for (int col = 0; col < n; ++col) {
        int pivot = col;
        for (int row = col + 1; row < n; ++row) {
            if (std::abs(a[row][col]) > std::abs(a[pivot][col]))
                pivot = row;
        }
        std::swap(a[col], a[pivot]);
        std::swap(b[col], b[pivot]);
        if (std::abs(a[col][col]) < 1e-300)
            continue;
        for (int row = 0; row < n; ++row) {
            if (row == col)
                continue;
            const Complex factor = a[row][col] / a[col][col];
            for (int k = col; k < n; ++k)
                a[row][k] -= factor * a[col][k];
            b[row] -= factor * b[col];
        }
    }
    for (int i = 0; i < n; ++i)
        b[i] = std::abs(a[i][i]) < 1e-300 ? Complex() : b[i] / a[i][i];
}

void regressors(Complex ideal, Complex carrier, Complex coarse, Complex r[3])
{
    r[0] = ideal * carrier;
    r[1] = std::conj(coarse);
    r[2] = std::conj(ideal * carrier * coarse * coarse);
}

// The fitted signal and image terms are known only up to a common turn (α·e^{jδ},
// β·e^{−jδ}), because the carrier phase may be referred to any axis. The receiver's
// own I axis is the one whose image α + β is real and positive; δ is found by a few
// fixed-point steps (a contraction while |β| < |α|).
void receiverAxes(Complex signal, Complex image, Complex &iAxis, Complex &qAxis)
{
    const double ratio = std::abs(image) / std::max(1e-300, std::abs(signal));
    const double a = std::arg(signal);
    const double b = std::arg(image);
    double turn = -a;
    for (int step = 0; step < 8; ++step)
        turn = -a - std::asin(std::clamp(ratio * std::sin(b - turn), -1.0, 1.0));
    const Complex alignedSignal = signal * std::polar(1.0, turn);
    const Complex alignedImage = image * std::polar(1.0, -turn);
    iAxis = alignedSignal + alignedImage;
    qAxis = alignedSignal - alignedImage;
}

} // namespace

ErrorStatistics::Model ErrorStatistics::fit(const std::vector<Complex> &samples, const std::vector<Complex> &ideal,
                                            const std::vector<Complex> &carrierPhase,
                                            const std::vector<Complex> &coarsePhase, bool realPoints)
{
    const int n = realPoints ? 2 : 3;
    Complex normal[3][3] = {};
    Complex right[3] = {};
    for (size_t k = 0; k < samples.size(); ++k) {
        Complex r[3];
        regressors(ideal[k], carrierPhase[k], coarsePhase[k], r);
        for (int i = 0; i < n; ++i) {
            right[i] += std::conj(r[i]) * samples[k];
            for (int j = 0; j < n; ++j)
                normal[i][j] += std::conj(r[i]) * r[j];
        }
    }
    solve(normal, right, n);
    return {right[0], realPoints ? Complex() : right[2], right[1]};
}


void ErrorStatistics::measure(const Model &model, const std::vector<Complex> &samples,
                              const std::vector<Complex> &ideal, const std::vector<Complex> &carrierPhase,
                              const std::vector<Complex> &coarsePhase, DataAnalysis &statistics,
                              std::vector<double> &evmPerSymbol)
{
    const size_t count = samples.size();
    double idealPower = 0.0, errorPower = 0.0, residualPower = 0.0, peak = 0.0;
    double magnitudeSquares = 0.0, phaseSquares = 0.0;
    size_t phased = 0;
    evmPerSymbol.resize(count);
    for (size_t k = 0; k < count; ++k) {
        const Complex z = corrected(model, samples[k], carrierPhase[k], coarsePhase[k]);
        const Complex error = z - ideal[k];
        idealPower += std::norm(ideal[k]);
        errorPower += std::norm(error);
        peak = std::max(peak, std::abs(error));
        evmPerSymbol[k] = std::abs(error);
        const double magnitude = std::abs(z) - std::abs(ideal[k]);
        magnitudeSquares += magnitude * magnitude;
        if (std::abs(ideal[k]) > 1e-9) {
            const double phase = std::arg(z * std::conj(ideal[k]));
            phaseSquares += phase * phase;
            ++phased;
        }
        Complex r[3];
        regressors(ideal[k], carrierPhase[k], coarsePhase[k], r);
        const Complex residual = samples[k] - model.signal * r[0] - model.offset * r[1] - model.image * r[2];
        residualPower += std::norm(residual / model.signal);
    }
    const double rmsIdeal = std::sqrt(idealPower / double(std::max<size_t>(1, count)));
    for (double &e : evmPerSymbol)
        e = 100.0 * e / rmsIdeal;
    statistics.mer = toDb(idealPower / errorPower);
    statistics.snr = toDb(idealPower / residualPower);
    statistics.evm = 100.0 * std::sqrt(errorPower / idealPower);
    statistics.evmPeak = 100.0 * peak / rmsIdeal;
    statistics.magnitudeError = toDb(magnitudeSquares / idealPower);
    statistics.phaseError = kDegrees * std::sqrt(phaseSquares / double(std::max<size_t>(1, phased)));
    Complex iAxis, qAxis;
    receiverAxes(model.signal, model.image, iAxis, qAxis);
    statistics.gainImbalance = 20.0 * std::log10(std::abs(iAxis) / std::abs(qAxis));
    statistics.quadratureError = kDegrees * std::arg(qAxis / iAxis);
}
