#include "aclr_core.h"

#include "ChannelPlan.h"
#include "FftwLibrary.h"
#include "PowerSpectrum.h"

#include <QLibrary>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {
// Levels of a band without power are written as this rather than -infinity.
constexpr double kLowestLevel = -200.0;

double toDb(double power)
{
    return power > 0.0 ? std::max(kLowestLevel, 10.0 * std::log10(power)) : kLowestLevel;
}

// The program plans FFTs in its own threads under its own lock; this library plans
// in the analysis thread. FFTW's threads library makes the one planner safe for both.
void makePlannerThreadSafe()
{
    static const bool isDone = [] {
        QLibrary threads(QStringLiteral("fftw3_threads"), 3);
        using MakeSafe = void (*)();
        if (threads.load()) {
            if (auto makeSafe = reinterpret_cast<MakeSafe>(threads.resolve("fftw_make_planner_thread_safe")))
                makeSafe();
        }
        return true;
    }();
    Q_UNUSED(isDone)
}

FftwLibrary &fftw()
{
    makePlannerThreadSafe();
    static FftwLibrary library(QStringLiteral("fftw3"), 3);
    return library;
}

int blockLength(const double *i, const double *q)
{
    int n = kACLRMaxSamples;
    while (n > 0 && i[n - 1] == 0.0 && q[n - 1] == 0.0)
        --n;
    return n;
}

bool fitsInBand(double low, double high, double fs)
{
    const double tolerance = 1e-9 * fs;
    return low >= -fs / 2 - tolerance && high <= fs / 2 + tolerance;
}

void writeTrace(const PowerSpectrum &spectrum, ACLROutputArray *output)
{
    if (!output || !output->data || !output->size)
        return;
    const int count = std::min(spectrum.length(), output->allocatedSize);
    for (int k = 0; k < count; ++k)
        output->data[k] = toDb(spectrum.bins()[size_t(k)]);
    *output->size = std::max(0, count);
}

void clearResults(ACLRCarrierRecord *carriers, ACLRChannelRecord *table, ACLROutputArray *output)
{
    if (carriers)
        std::memset(static_cast<void *>(carriers), 0, sizeof(ACLRCarrierRecord) * kACLRCarrierRecords);
    if (table)
        std::memset(static_cast<void *>(table), 0, sizeof(ACLRChannelRecord) * kACLRChannelRecords);
    if (output && output->size)
        *output->size = 0;
}

void writeCarriers(const ChannelPlan &plan, const PowerSpectrum &spectrum, double fs, ACLRCarrierRecord *carriers,
                   double levels[2])
{
    for (size_t c = 0; c < plan.carriers.size() && c < size_t(kACLRCarrierRecords); ++c) {
        const ChannelPlan::Carrier &carrier = plan.carriers[c];
        const double low = carrier.centre - carrier.bandwidth / 2, high = carrier.centre + carrier.bandwidth / 2;
        levels[c] = fitsInBand(low, high, fs) ? toDb(spectrum.bandPower(low, high, fs))
                                              : std::numeric_limits<double>::quiet_NaN();
        carriers[c].centre = carrier.centre;
        carriers[c].channelBandwidth = carrier.channelBandwidth;
        carriers[c].bandwidth = carrier.bandwidth;
        carriers[c].level = levels[c];
    }
}

void writeChannels(const ChannelPlan &plan, const PowerSpectrum &spectrum, double fs, const double levels[2],
                   ACLRChannelRecord *table)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (size_t r = 0; r < plan.channels.size() && r < size_t(kACLRChannelRecords); ++r) {
        const ChannelPlan::Channel &channel = plan.channels[r];
        ACLRChannelRecord &row = table[r];
        row.valid = 1;
        std::strncpy(row.name, channel.name.c_str(), sizeof(row.name) - 1);
        row.offset = channel.offset;
        row.bandwidth = channel.bandwidth;
        row.reference = uint8_t(channel.reference);
        const double centre = plan.carriers[size_t(channel.reference - 1)].centre + channel.offset;
        const double low = centre - channel.bandwidth / 2, high = centre + channel.bandwidth / 2;
        const bool fits = fitsInBand(low, high, fs);
        row.dbm = fits ? toDb(spectrum.bandPower(low, high, fs)) : nan;
        row.dbc = row.dbm - levels[channel.reference - 1];
    }
}
}  // namespace

extern "C" void ACLRMeasurement(const double *i, const double *q, double sampleRate, const int32_t *modes,
                                double carrierBandwidth, const double *carrierOffsets, const int16_t *bandwidthCodes,
                                const int16_t *spacings, const double *channels, ACLRCarrierRecord *carriers,
                                ACLRChannelRecord *table, ACLRStatusBlock *status, ACLROutputArray *output)
{
    try {
        clearResults(carriers, table, output);
        ACLRStatusBlock result;
        if (!i || !q || !modes || !carrierOffsets || !bandwidthCodes || !spacings || !channels || !carriers || !table) {
            result.status = ACLRStatusBadParameters;
        } else if (!(sampleRate > 0.0) || !std::isfinite(sampleRate)) {
            result.status = ACLRStatusBadParameters;
        } else {
            const ChannelPlan plan = ChannelPlan::make(modes[0], modes[1], carrierBandwidth, carrierOffsets,
                                                       bandwidthCodes, spacings, channels);
            result.samplesMeasured = blockLength(i, q);
            PowerSpectrum spectrum(fftw());
            if (!plan.isValid) {
                result.status = ACLRStatusBadParameters;
            } else if (!fftw().isAvailable()) {
                result.status = ACLRStatusNoFftw;
            } else if (!spectrum.compute(i, q, result.samplesMeasured)) {
                result.status = ACLRStatusNoSignal;
            } else {
                result.resolutionBandwidth = sampleRate / spectrum.length() * spectrum.noiseBandwidthBins();
                double levels[2] = {0.0, 0.0};
                writeCarriers(plan, spectrum, sampleRate, carriers, levels);
                writeChannels(plan, spectrum, sampleRate, levels, table);
                writeTrace(spectrum, output);
            }
        }
        if (status)
            *status = result;
    } catch (...) {
        // Out of memory: nothing measured.
        clearResults(carriers, table, output);
        if (status)
            status->status = ACLRStatusNoSignal;
    }
}
