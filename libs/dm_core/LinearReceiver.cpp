#include "LinearReceiver.h"

#include "ModulationCatalogue.h"

#include <algorithm>
#include <cmath>
#include <omp.h>

namespace {

// Half span of the matched filter in symbols. Root-raised-cosine tails at 12 symbols
// are below −60 dB even at a roll-off of 0.22.
constexpr int kHalfSpanSymbols = 16;
// The acquisition grid: 4 samples per symbol keep the symbol-rate line of |y|² clear of
// its alias; a filter of ±3 symbols is plenty for finding the timing.
constexpr int kGridPerSymbol = 4;
constexpr int kAcquisitionSpanSymbols = 3;
// Phasors are recomputed exactly every so many samples, so that the recursion cannot drift.
constexpr int kPhasorBlock = 256;
constexpr int kTrackingPasses = 2;

using Complex = std::complex<double>;

double meanPower(const std::vector<Complex> &z)
{
    double sum = 0.0;
    for (const Complex &v : z)
        sum += std::norm(v);
    return z.empty() ? 0.0 : sum / double(z.size());
}

int wrapIndex(double steps, int size)
{
    const int index = int(std::lround(steps)) % size;
    return index < 0 ? index + size : index;
}

} // namespace

void LinearReceiver::configure(const DmSettings &settings)
{
    const bool filterChanged = !m_configured || settings.pulse != m_settings.pulse
        || settings.rollOff() != m_settings.rollOff() || settings.samplesPerSymbol() != m_settings.samplesPerSymbol();
    m_settings = settings;
    if (filterChanged) {
        m_filter.design(settings, kHalfSpanSymbols);
        m_interpolate = m_interpolator.design(m_filter.bandEdge());
        if (m_interpolate)
            m_convolver.setTaps(m_filter.sampleAlignedTaps());
    }
    m_constellation.build(settings.modulationId);
    m_configured = true;
}

int LinearReceiver::marginSamples() const
{
    return m_filter.halfTaps() + 2;
}

void LinearReceiver::splitInput(const QVector<Complex> &input)
{
    const size_t size = size_t(input.size());
    m_re.resize(size);
    m_im.resize(size);
    const Complex *x = input.constData();
    for (size_t n = 0; n < size; ++n) {
        m_re[n] = x[n].real();
        m_im[n] = x[n].imag();
    }
}

void LinearReceiver::derotate(double radiansPerSample)
{
    const size_t size = m_re.size();
    m_re2.resize(size);
    m_im2.resize(size);
    const Complex step = std::polar(1.0, -radiansPerSample);
    for (size_t start = 0; start < size; start += kPhasorBlock) {
        Complex phasor = std::polar(1.0, -radiansPerSample * double(start));
        const size_t end = std::min(size, start + kPhasorBlock);
        for (size_t n = start; n < end; ++n) {
            const Complex y = Complex(m_re[n], m_im[n]) * phasor;
            m_re2[n] = y.real();
            m_im2[n] = y.imag();
            phasor *= step;
        }
    }
}

void LinearReceiver::filterDerotated()
{
    if (m_interpolate)
        m_convolver.apply(m_re2.data(), m_im2.data(), int(m_re2.size()), m_yRe, m_yIm);
}

// The matched-filter output of the derotated input at input position t.
LinearReceiver::Complex LinearReceiver::matchedAt(double t) const
{
    const int size = int(m_re2.size());
    return m_interpolate ? m_interpolator.at(m_yRe.data(), m_yIm.data(), size, t)
                         : m_filter.at(m_re2.data(), m_im2.data(), size, t);
}

bool LinearReceiver::acquireTiming(int count, Timing &timing)
{
    const int size = int(m_re.size());
    const double sps = m_settings.samplesPerSymbol();
    const double step = sps / kGridPerSymbol;
    const double start = marginSamples();
    const int limit = int(std::ceil(kAcquisitionSpanSymbols * sps));
    const int points = std::min(int((count + 2) * kGridPerSymbol), int((size - 2 * start) / step));
    if (points < 4 * kGridPerSymbol)
        return false;
    m_grid.resize(size_t(points));
#pragma omp parallel for schedule(static)
    for (int j = 0; j < points; ++j)
        m_grid[size_t(j)] = m_filter.at(m_re.data(), m_im.data(), size, start + j * step, limit);

    SymbolTiming::Estimate estimate;
    if (m_constellation.isOffset()) {
        // y² carries the timing lines only while the carrier stands still over a block,
        // so the coarse offset (fourth power, every second grid point) comes first.
        m_samples.clear();
        for (int j = 0; j < points; j += 2)
            m_samples.push_back(m_grid[size_t(j)]);
        m_offsetCoarse = m_carrier.coarseFrequency(m_samples, 4) / (2 * step);
        m_gridSquare.resize(size_t(points));
        for (int j = 0; j < points; ++j) {
            const Complex y = m_grid[size_t(j)] * std::polar(1.0, -m_offsetCoarse * (start + j * step));
            m_gridSquare[size_t(j)] = y * y;
        }
        estimate = m_timing.fromSquare(m_gridSquare, kGridPerSymbol);
    } else {
        m_gridPower.resize(size_t(points));
        for (int j = 0; j < points; ++j)
            m_gridPower[size_t(j)] = std::norm(m_grid[size_t(j)]);
        estimate = m_timing.fromPower(m_gridPower, kGridPerSymbol);
    }
    timing.first = start + estimate.firstInstant * step;
    timing.period = estimate.symbolPeriod * step;
    return estimate.valid && timing.period > 0.5 * sps && timing.period < 2 * sps;
}

// Samples at the symbol instants (perSymbol 1) or at every half symbol (perSymbol 2).
void LinearReceiver::sampleSymbols(const Timing &timing, int count, int perSymbol)
{
    const int points = count * perSymbol + (perSymbol == 2 ? 2 : 0); // the offset branch reads one symbol more
    m_samples.resize(size_t(points));
#pragma omp parallel for schedule(static)
    for (int k = 0; k < points; ++k)
        m_samples[size_t(k)] = matchedAt(timing.first + k * timing.period / perSymbol);
}

// The matched-filter output at the output oversampling on the final timing; its every
// `oversampling`-th point is a symbol sample, so the final tracking and the corrected
// signal share one filtering pass.
void LinearReceiver::filterOutputGrid(const Timing &timing, int count, int oversampling)
{
    const int points = count * oversampling;
    const double step = timing.period / oversampling;
    m_outputGrid.resize(size_t(points));
#pragma omp parallel for schedule(static)
    for (int j = 0; j < points; ++j)
        m_outputGrid[size_t(j)] = matchedAt(timing.first + j * step);
    m_samples.resize(size_t(count));
    for (int k = 0; k < count; ++k)
        m_samples[size_t(k)] = m_outputGrid[size_t(k) * size_t(oversampling)];
}

// For the coarse carrier estimate the acquisition grid point nearest each symbol
// instant is close enough (within an eighth of a symbol) and costs nothing.
void LinearReceiver::nearestGridSymbols(const Timing &timing, int count)
{
    const double step = m_settings.samplesPerSymbol() / kGridPerSymbol;
    const double start = marginSamples();
    const int last = int(m_grid.size()) - 1;
    m_samples.resize(size_t(count));
    for (int k = 0; k < count; ++k) {
        const int j = std::clamp(int(std::lround((timing.first + k * timing.period - start) / step)), 0, last);
        m_samples[size_t(k)] = m_grid[size_t(j)];
    }
}

void LinearReceiver::decideAll(const std::vector<Complex> &z, int parity)
{
    const size_t count = z.size();
    m_ideal.resize(count);
    m_decided.resize(count);
    for (size_t k = 0; k < count; ++k) {
        const bool odd = (int(k) + parity) % 2 == 1;
        const int s = m_constellation.decide(z[k], odd);
        m_decided[k] = s;
        m_ideal[k] = m_constellation.point(s, odd);
    }
}

double LinearReceiver::decisionError(const std::vector<Complex> &z, int parity)
{
    decideAll(z, parity);
    double error = 0.0;
    for (size_t k = 0; k < z.size(); ++k)
        error += std::norm(z[k] - m_ideal[k]);
    return error;
}

// Rotating schemes alternate between two point sets; which of them the first analysed
// symbol belongs to is whichever fits the samples better.
int LinearReceiver::chooseParity(const std::vector<Complex> &z)
{
    if (!m_constellation.isRotating())
        return 0;
    return decisionError(z, 1) < decisionError(z, 0) ? 1 : 0;
}

void LinearReceiver::buildPhases(const Timing &timing, const Carrier &carrier)
{
    const size_t count = m_samples.size();
    m_carrierTurn.resize(count);
    m_coarseTurn.resize(count);
    Rotator fine(carrier.phase, carrier.perSymbol);
    Rotator coarse(carrier.coarse * timing.first, carrier.coarse * timing.period);
    for (size_t k = 0; k < count; ++k, fine.next(), coarse.next()) {
        m_carrierTurn[k] = fine.value();
        m_coarseTurn[k] = coarse.value();
    }
}

// Decision-directed phase-locked loop from the blind estimate: it follows what is
// left of the carrier offset where the power law is too weak (cross QAM) to pin the
// frequency, so that the decisions it leaves behind are right from end to end.
void LinearReceiver::lockCarrier(const Carrier &carrier, double gain, int parity)
{
    constexpr double kPhaseGain = 0.02;
    constexpr double kFrequencyGain = kPhaseGain * kPhaseGain / 4;
    const size_t count = m_samples.size();
    m_ideal.resize(count);
    m_decided.resize(count);
    double phase = carrier.phase;
    double frequency = carrier.perSymbol;
    for (size_t k = 0; k < count; ++k) {
        const Complex z = m_samples[k] * std::polar(gain, -phase);
        const bool odd = (int(k) + parity) % 2 == 1;
        const int s = m_constellation.decide(z, odd);
        m_decided[k] = s;
        m_ideal[k] = m_constellation.point(s, odd);
        const double error = std::norm(m_ideal[k]) > 1e-12 ? std::arg(z * std::conj(m_ideal[k])) : 0.0;
        frequency += kFrequencyGain * error;
        phase += frequency + kPhaseGain * error;
    }
}

void LinearReceiver::trackCarrier(Carrier &carrier, int &parity, bool acquire)
{
    const int count = int(m_samples.size());
    m_composite.resize(size_t(count));
    if (acquire) {
        const CarrierEstimator::Carrier blind = CarrierEstimator::blockFit(
            m_samples, m_constellation.symmetryOrder(), m_constellation.powerReference());
        carrier.phase = blind.phase;
        carrier.perSymbol = blind.frequency;
        const double gain = std::sqrt(m_constellation.meanPower() / std::max(1e-300, meanPower(m_samples)));
        for (int k = 0; k < count; ++k)
            m_composite[size_t(k)] = m_samples[size_t(k)] * std::polar(gain, -fineCarrierPhase(carrier, k));
        parity = chooseParity(m_composite);
        lockCarrier(carrier, gain, parity);
    } else {
        buildPhases(m_timingUsed, carrier);
        for (int k = 0; k < count; ++k)
            m_composite[size_t(k)] = ErrorStatistics::corrected(m_model, m_samples[size_t(k)],
                                                                m_carrierTurn[size_t(k)], m_coarseTurn[size_t(k)]);
        decideAll(m_composite, parity);
    }
    const int passes = acquire ? kTrackingPasses : 1;
    for (int pass = 0; pass < passes; ++pass) {
        const CarrierEstimator::Carrier aided = CarrierEstimator::decisionFit(m_samples, m_ideal);
        carrier.phase = aided.phase;
        carrier.perSymbol = aided.frequency;
        buildPhases(m_timingUsed, carrier);
        m_model = ErrorStatistics::fit(m_samples, m_ideal, m_carrierTurn, m_coarseTurn, m_constellation.isReal());
        for (int k = 0; k < count; ++k)
            m_composite[size_t(k)] = ErrorStatistics::corrected(m_model, m_samples[size_t(k)],
                                                                m_carrierTurn[size_t(k)], m_coarseTurn[size_t(k)]);
        decideAll(m_composite, parity);
    }
}

// Data-aided timing: the slope of the filter output along each decided symbol's
// expected value says how far its instant is off (a Newton step on the matched-filter
// peak). Block means of those offsets, fitted with a line, correct the first instant
// and the symbol period; the O&M line alone jitters by a few thousandths of a symbol.
bool LinearReceiver::refineTiming(Timing &timing)
{
    constexpr int kBlockSymbols = 128;
    const int count = int(m_ideal.size());
    const double delta = 0.05 * timing.period;
    double sx = 0, sy = 0, sxx = 0, sxy = 0, weight = 0;
    for (int start = 0; start < count; start += kBlockSymbols) {
        const int end = std::min(count, start + kBlockSymbols);
        double slope = 0.0, curvature = 0.0;
        for (int k = start; k < end; ++k) {
            const double t = timing.first + k * timing.period;
            const Complex expected = m_model.signal * m_carrierTurn[size_t(k)] * m_ideal[size_t(k)];
            const Complex early = matchedAt(t - delta);
            const Complex onTime = matchedAt(t);
            const Complex late = matchedAt(t + delta);
            slope += (std::conj(expected) * (late - early)).real();
            curvature += (std::conj(expected) * (late - 2.0 * onTime + early)).real();
        }
        if (curvature >= 0.0)
            continue; // not at a peak: no usable step in this block
        const double offset = -slope * delta / (2 * curvature);
        const double centre = (start + end - 1) / 2.0;
        const double w = end - start;
        sx += w * centre;
        sy += w * offset;
        sxx += w * centre * centre;
        sxy += w * centre * offset;
        weight += w;
    }
    if (weight <= 0.0)
        return false;
    const double det = weight * sxx - sx * sx;
    const double drift = det > 0 ? (weight * sxy - sx * sy) / det : 0.0;
    const double shift = (sy - drift * sx) / weight;
    timing.first += shift;
    timing.period += drift;
    return true;
}

// Offset QPSK: at the half-symbol samples h_n, one branch is clean and the other in
// transition; h_n·(−j)^n turns every clean branch onto the real axis, so its square
// has a line at twice the carrier. The Q branch is then read half a symbol after the
// I branch; which half-symbol grid is I is whichever fits better.
void LinearReceiver::trackOffsetCarrier(Carrier &carrier, int &halfShift)
{
    const int halves = int(m_samples.size());
    const int count = halves / 2 - 1;
    std::vector<Complex> turned(static_cast<size_t>(halves));
    static const Complex kTurns[4] = {1.0, Complex(0, -1), -1.0, Complex(0, 1)};
    for (int n = 0; n < halves; ++n)
        turned[size_t(n)] = m_samples[size_t(n)] * kTurns[n % 4];
    const CarrierEstimator::Carrier blind = CarrierEstimator::blockFit(turned, 2, 1.0);
    carrier.phase = blind.phase;
    carrier.perSymbol = blind.frequency;
    const double gain = std::sqrt(m_constellation.meanPower() / std::max(1e-300, meanPower(m_samples)));
    double bestError = 0.0;
    std::vector<Complex> candidate(static_cast<size_t>(count));
    for (int shift = 0; shift < 2; ++shift) {
        for (int k = 0; k < count; ++k) {
            const int n = 2 * k + shift;
            const double i = (m_samples[size_t(n)] * std::polar(1.0, -fineCarrierPhase(carrier, n))).real();
            const double q = (m_samples[size_t(n + 1)] * std::polar(1.0, -fineCarrierPhase(carrier, n + 1))).imag();
            candidate[size_t(k)] = Complex(i, q);
        }
        std::vector<Complex> scaled(candidate);
        for (Complex &z : scaled)
            z *= gain;
        const double error = decisionError(scaled, 0);
        if (shift == 0 || error < bestError) {
            bestError = error;
            halfShift = shift;
            m_composite = candidate;
        }
    }
    m_carrierTurn.assign(size_t(count), 1.0);
    m_coarseTurn.assign(size_t(count), 1.0);
    std::vector<Complex> scaled(m_composite);
    for (Complex &z : scaled)
        z *= gain;
    decideAll(scaled, 0);
    m_model = ErrorStatistics::fit(m_composite, m_ideal, m_carrierTurn, m_coarseTurn, false);
    for (int k = 0; k < count; ++k)
        scaled[size_t(k)] = ErrorStatistics::corrected(m_model, m_composite[size_t(k)], 1.0, 1.0);
    decideAll(scaled, 0);
    m_model = ErrorStatistics::fit(m_composite, m_ideal, m_carrierTurn, m_coarseTurn, false);
}

// Catalogue values; for the differential schemes the phase step from the previous
// symbol, less the odd-symbol rotation, in units of the scheme's phase step.
void LinearReceiver::symbolValues(QVector<int> &symbols) const
{
    const int count = int(m_decided.size());
    symbols.resize(count);
    if (!m_constellation.isDifferential()) {
        for (int k = 0; k < count; ++k)
            symbols[k] = m_decided[size_t(k)];
        return;
    }
    const int order = m_constellation.size();
    const double step = m_constellation.phaseStep();
    for (int k = 0; k < count; ++k) {
        if (k == 0) {
            symbols[k] = m_decided[0];
            continue;
        }
        const double turn = std::arg(m_ideal[size_t(k)] * std::conj(m_ideal[size_t(k - 1)]));
        symbols[k] = wrapIndex((turn - m_constellation.oddRotation()) / step, order);
    }
}

LinearReceiver::Complex LinearReceiver::offsetComposite(double t, double period, const Carrier &carrier,
                                                        double firstInstant) const
{
    const double half = (t - firstInstant) / (period / 2);
    const Complex i = matchedAt(t) * std::polar(1.0, -(carrier.phase + carrier.perSymbol * half));
    const Complex q = matchedAt(t + period / 2)
        * std::polar(1.0, -(carrier.phase + carrier.perSymbol * (half + 1)));
    return {i.real(), q.imag()};
}

void LinearReceiver::correctedSignal(const Timing &timing, const Carrier &carrier, int halfShift, int oversampling,
                                     QVector<Complex> &out) const
{
    const int count = int(m_ideal.size());
    const int points = count * oversampling;
    out.resize(points);
    Complex *y = out.data();
    const bool offset = m_constellation.isOffset();
    const double gridFirst = timing.first; // where the half-symbol index 0 lies
    const double first = timing.first + (offset ? halfShift * timing.period / 2 : 0.0);
    const double step = timing.period / oversampling;
#pragma omp parallel
    {
        // Contiguous chunks, so that each thread can run its own phasors.
        const int threads = omp_get_num_threads();
        const int chunk = (points + threads - 1) / threads;
        const int begin = std::min(points, omp_get_thread_num() * chunk);
        const int end = std::min(points, begin + chunk);
        Rotator fine(carrier.phase + carrier.perSymbol * begin / oversampling, carrier.perSymbol / oversampling);
        Rotator coarse(carrier.coarse * (first + begin * step), carrier.coarse * step);
        for (int j = begin; j < end; ++j, fine.next(), coarse.next()) {
            const double t = first + j * step;
            if (offset) {
                y[j] = ErrorStatistics::corrected(m_model, offsetComposite(t, timing.period, carrier, gridFirst), 1.0, 1.0);
            } else {
                y[j] = ErrorStatistics::corrected(m_model, m_outputGrid[size_t(j)], fine.value(), coarse.value());
            }
        }
    }
}

double LinearReceiver::meanInputPower(const Timing &timing, int count) const
{
    const int first = std::max(0, int(timing.first));
    const int last = std::min(int(m_re.size()), int(timing.first + count * timing.period));
    double sum = 0.0;
    for (int n = first; n < last; ++n)
        sum += m_re[size_t(n)] * m_re[size_t(n)] + m_im[size_t(n)] * m_im[size_t(n)];
    return last > first ? sum / (last - first) : 0.0;
}

int LinearReceiver::run(const QVector<Complex> &input, int count, int outputOversampling, DmResult &result)
{
    constexpr int kTooFewRecovered = 5;
    splitInput(input);
    m_re2.clear();
    m_im2.clear();
    Timing timing;
    if (!acquireTiming(count, timing))
        return kTooFewRecovered;
    const bool offset = m_constellation.isOffset();
    const double lastNeeded = timing.first + (count + 1) * timing.period + marginSamples();
    if (lastNeeded >= input.size())
        return kTooFewRecovered;
    m_timingUsed = timing;

    Carrier carrier;
    if (offset) {
        carrier.coarse = m_offsetCoarse;
    } else {
        nearestGridSymbols(timing, count);
        carrier.coarse = m_carrier.coarseFrequency(m_samples, m_constellation.symmetryOrder()) / timing.period;
    }
    derotate(carrier.coarse);
    filterDerotated();
    sampleSymbols(timing, count, offset ? 2 : 1);
    int parity = 0;
    int halfShift = 0;
    if (offset) {
        trackOffsetCarrier(carrier, halfShift);
    } else {
        trackCarrier(carrier, parity, true);
        if (refineTiming(timing))
            m_timingUsed = timing;
        filterOutputGrid(timing, count, outputOversampling);
        trackCarrier(carrier, parity, false);
    }

    DataAnalysis &stats = result.statistics;
    stats = DataAnalysis();
    ErrorStatistics::measure(m_model, offset ? m_composite : m_samples, m_ideal, m_carrierTurn, m_coarseTurn, stats, m_evm);
    const double fs = m_settings.sampleRate;
    const double perSample = carrier.perSymbol / (offset ? timing.period / 2 : timing.period);
    stats.freqError = (carrier.coarse + perSample) * fs / (2 * M_PI);
    stats.symbolRate = fs / timing.period;
    stats.reserved6 = (m_settings.samplesPerSymbol() / timing.period - 1.0) * 1e6;
    const double inputPower = meanInputPower(timing, count);
    const double offsetAmplitude = std::abs(m_model.offset) / std::abs(m_filter.dcGain());
    const double offsetPower = offsetAmplitude * offsetAmplitude;
    stats.iqOffset = 10.0 * std::log10(std::max(1e-15, offsetPower / std::max(1e-300, inputPower - offsetPower)));
    const bool qam = modulationFamily(m_settings.modulationId).startsWith(QLatin1String("QAM"));
    const double referencePower = qam ? m_constellation.meanPower() : 1.0;
    stats.power = std::sqrt(referencePower / std::max(1e-300, inputPower));
    if (m_constellation.isReal()) {
        stats.gainImbalance = 0.0;
        stats.quadratureError = 0.0;
    }

    symbolValues(result.symbols);
    result.evmPerSymbol = QVector<double>(m_evm.cbegin(), m_evm.cend());
    result.startSample = int(std::lround(timing.first));
    correctedSignal(timing, carrier, halfShift, outputOversampling, result.corrected);
    return 0;
}
