#pragma once

#include <string>
#include <vector>

// The carriers and adjacent channels of one measurement, in Hz from the
// recording's centre, made from the library's arguments.
struct ChannelPlan
{
    struct Carrier
    {
        double centre = 0.0;
        double channelBandwidth = 0.0;  // nominal
        double bandwidth = 0.0;         // measured
    };
    struct Channel
    {
        std::string name;
        int reference = 1;       // carrier number, from 1
        double offset = 0.0;     // from the reference carrier's centre
        double bandwidth = 0.0;
    };

    std::vector<Carrier> carriers;
    std::vector<Channel> channels;
    bool isValid = false;

    // standard: 2 LTE, 3 NR, anything else custom; config: 1 single carrier,
    // 2 multi-carrier, 3 multiple band. customChannels: offset 1, offset 2,
    // bandwidth 1, bandwidth 2; all zero gives the standard's preset (one and two
    // channel bandwidths away, measured over the carrier's transmission bandwidth).
    static ChannelPlan make(int standard, int config, double carrierBandwidth, const double offsets[2],
                            const short codes[2], const short spacings[2], const double customChannels[4]);
};
