#include "ChannelPlan.h"

#include "ChannelPresets.h"

namespace {
constexpr int kStandardLte = 2;
constexpr int kStandardNr = 3;
constexpr int kSingleCarrier = 1;
constexpr int kMultipleBand = 3;

ChannelPlan::Carrier makeCarrier(int standard, double carrierBandwidth, double offset, int code, int spacing)
{
    ChannelPlan::Carrier carrier;
    carrier.centre = offset;
    if (standard == kStandardLte) {
        carrier.channelBandwidth = code * 1e5;
        carrier.bandwidth = ChannelPresets::lteMeasurementBandwidth(code);
    } else if (standard == kStandardNr) {
        carrier.channelBandwidth = code * 1e5;
        carrier.bandwidth = ChannelPresets::nrMeasurementBandwidth(code, spacing);
    } else {
        carrier.channelBandwidth = carrierBandwidth;
        carrier.bandwidth = carrierBandwidth;
    }
    return carrier;
}

// The adjacent (n = 0, "ADJ") or alternate (n = 1, "ALT") channel of a reference
// carrier on one side, named e.g. "ADJ-L" or, with a suffix, "ALT-U2".
void addChannel(ChannelPlan &plan, int reference, int sign, int n, const double channels[4], const char *suffix)
{
    if (channels[2 + n] <= 0.0)
        return;
    ChannelPlan::Channel channel;
    channel.name = std::string(n == 0 ? "ADJ-" : "ALT-") + (sign < 0 ? "L" : "U") + suffix;
    channel.reference = reference;
    channel.offset = sign * channels[n];
    channel.bandwidth = channels[2 + n];
    plan.channels.push_back(channel);
}
}  // namespace

ChannelPlan ChannelPlan::make(int standard, int config, double carrierBandwidth, const double offsets[2],
                              const short codes[2], const short spacings[2], const double customChannels[4])
{
    ChannelPlan plan;
    const int count = config == kSingleCarrier ? 1 : 2;
    for (int c = 0; c < count; ++c) {
        const Carrier carrier = makeCarrier(standard, carrierBandwidth, offsets[c], codes[c], spacings[c]);
        if (!(carrier.bandwidth > 0.0))
            return plan;
        plan.carriers.push_back(carrier);
    }
    double channels[4] = {customChannels[0], customChannels[1], customChannels[2], customChannels[3]};
    const bool isPreset = channels[2] <= 0.0 && channels[3] <= 0.0;
    if (isPreset) {
        if (standard != kStandardLte && standard != kStandardNr)
            return plan;  // a custom standard without channels measures nothing beside its carrier
        const Carrier &first = plan.carriers.front();
        channels[0] = first.channelBandwidth;
        channels[1] = 2.0 * first.channelBandwidth;
        channels[2] = channels[3] = first.bandwidth;
    }
    // Adjacent channels lie outside the outer carriers: the lower ones below the lower
    // carrier, the upper ones above the upper carrier; in several bands each carrier has both.
    const int lower = plan.carriers.size() > 1 && plan.carriers[1].centre < plan.carriers[0].centre ? 2 : 1;
    const int upper = plan.carriers.size() > 1 ? 3 - lower : 1;
    for (int n = 0; n < 2; ++n) {
        if (config == kMultipleBand) {
            for (int c = 1; c <= int(plan.carriers.size()); ++c) {
                addChannel(plan, c, -1, n, channels, c == 1 ? "1" : "2");
                addChannel(plan, c, +1, n, channels, c == 1 ? "1" : "2");
            }
        } else {
            addChannel(plan, lower, -1, n, channels, "");
            addChannel(plan, upper, +1, n, channels, "");
        }
    }
    plan.isValid = true;
    return plan;
}
