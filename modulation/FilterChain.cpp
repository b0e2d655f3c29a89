#include "FilterChain.h"

#include "FilterCatalogue.h"
#include "Filtration.h"
#include "progressGenerate.h"

#include <algorithm>
#include <omp.h>

namespace {

constexpr int kInitialType = FilterNyquist;
constexpr double kInitialRollOff = 0.7;
constexpr int kInitialTaps = 1024;
constexpr int kInitialOversampling = 4;

// Consecutive outputs handed to one thread at a time (chunk c goes to thread c mod T).
constexpr int kChunkSize = 10;
// Outputs computed together, so that every coefficient load serves five products and
// the independent sums hide the adder latency; two blocks make a chunk.
constexpr int kBlockSize = 5;

// y[n] = Σ x[k]·h[n−k] for n in [first, last); `reversed` holds h back to front so
// that each output is a plain dot product over contiguous memory.
struct Convolution
{
    const double *x;
    const double *reversed;
    int coefficientCount;
    double *y;
    int first;
    int last;
};

double dot(const double *a, const double *b, int count)
{
    double sum = 0.0;
#pragma omp simd reduction(+ : sum)
    for (int i = 0; i < count; ++i)
        sum += a[i] * b[i];
    return sum;
}

// One output; its window [n − count + 1, n] may start before the first sample.
double singleOutput(const Convolution &c, int n)
{
    const int windowStart = n - c.coefficientCount + 1;
    const int skipped = std::max(0, -windowStart);
    return dot(c.x + windowStart + skipped, c.reversed + skipped, c.coefficientCount - skipped);
}

// Outputs n … n+4, whose windows lie wholly inside the signal.
void fiveOutputs(const Convolution &c, int n)
{
    const double *x = c.x + n - c.coefficientCount + 1;
    const double *h = c.reversed;
    double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0, s4 = 0.0;
#pragma omp simd reduction(+ : s0, s1, s2, s3, s4)
    for (int j = 0; j < c.coefficientCount; ++j) {
        s0 += x[j] * h[j];
        s1 += x[j + 1] * h[j];
        s2 += x[j + 2] * h[j];
        s3 += x[j + 3] * h[j];
        s4 += x[j + 4] * h[j];
    }
    c.y[n] = s0;
    c.y[n + 1] = s1;
    c.y[n + 2] = s2;
    c.y[n + 3] = s3;
    c.y[n + 4] = s4;
}

// The stop flag is polled before every block, so a stop takes effect within five
// outputs. `progress` is non-null only on the thread that reports.
void runChunk(const Convolution &c, int begin, int end, const progressGenerate *stopper,
              progressGenerate *progress)
{
    int n = begin;
    while (n < end) {
        if (stopper && stopper->isStopped())
            return;
        const bool wholeBlock = n >= c.coefficientCount - 1 && n + kBlockSize <= end;
        const int count = wholeBlock ? kBlockSize : 1;
        if (wholeBlock)
            fiveOutputs(c, n);
        else
            c.y[n] = singleOutput(c, n);
        for (int i = 0; progress && i < count; ++i)
            progress->update(n + i - c.first);
        n += count;
    }
}

// Chunk c of kChunkSize outputs goes to thread c mod T; thread 0 alone reports its
// position, because the reporter is not thread-safe.
void convolve(const Convolution &c, progressGenerate *progress)
{
    const int outputs = c.last - c.first;
    if (outputs <= 0)
        return;
    if (progress)
        progress->setTotal(outputs);
    const int chunks = (outputs + kChunkSize - 1) / kChunkSize;
#pragma omp parallel
    {
        const int thread = omp_get_thread_num();
        const int threads = omp_get_num_threads();
        progressGenerate *reporter = thread == 0 ? progress : nullptr;
        for (int chunk = thread; chunk < chunks; chunk += threads) {
            if (progress && progress->isStopped())
                break;
            const int begin = c.first + chunk * kChunkSize;
            runChunk(c, begin, std::min(begin + kChunkSize, c.last), progress, reporter);
        }
    }
}

} // namespace

FilterChain::FilterChain()
    : m_type(kInitialType),
      m_filtration(createFiltration(kInitialType)),
      m_params{kInitialRollOff},
      m_taps(kInitialTaps),
      m_oversampling(kInitialOversampling)
{
}

FilterChain::~FilterChain() = default;

void FilterChain::setType(int type, const QVector<double> &params)
{
    if (type != m_type) {
        m_filtration = createFiltration(type);
        m_type = type;
    }
    if (params != m_params)
        m_params = params;
}

void FilterChain::setTaps(int taps)
{
    m_taps = std::max(0, taps);
}

void FilterChain::setOversampling(int oversampling)
{
    m_oversampling = std::max(1, oversampling);
}

QVector<double> FilterChain::coefficients() const
{
    return m_filtration->coefficients(m_taps, m_oversampling, m_params);
}

bool FilterChain::convolveComponent(const IQVector &signal, bool imaginary, std::vector<double> &out)
{
    const int length = signal.size();
    m_component.resize(size_t(length));
    const IQ *samples = signal.constData();
    for (int k = 0; k < length; ++k)
        m_component[size_t(k)] = imaginary ? samples[k].imag() : samples[k].real();
    out.assign(size_t(length), 0.0);

    const int half = m_taps / 2;
    const Convolution c{m_component.data(), m_reversed.data(), int(m_reversed.size()),
                        out.data(), half, length - half};
    convolve(c, m_progress);
    return !(m_progress && m_progress->isStopped());
}

IQVector FilterChain::apply(IQVector &signal)
{
    const QVector<double> h = coefficients();
    if (h.isEmpty())
        return signal;
    m_reversed.assign(h.crbegin(), h.crend());

    const bool finished = convolveComponent(signal, false, m_outI);
    if (m_progress)
        m_progress->nextStage();
    if (finished)
        convolveComponent(signal, true, m_outQ);
    else
        m_outQ.assign(m_outI.size(), 0.0);

    const int length = signal.size();
    for (int n = 0; n < length; ++n)
        signal[n] = IQ(m_outI[size_t(n)], m_outQ[size_t(n)]);
    if (m_taps >= length)
        return {};
    // The first taps/2 outputs are the filter's delay; the tail has no full window.
    signal = signal.mid(m_taps / 2, length - m_taps);
    return signal;
}
