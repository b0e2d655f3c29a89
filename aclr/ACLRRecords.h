#pragma once

#include <cstddef>
#include <cstdint>

// The records that the program and the aclr_core library exchange. Their layout is
// binding: the library writes them by address and the program reads them back.

// The parameter block of one measurement, 96 bytes, zero before it is filled.
struct ACLRParameterBlock
{
    double sampleRate = 0.0;              // Hz
    int32_t modes[5] = {0, 0, 0, 0, 0};   // standard code, carrier configuration, 0, 2, 10
    int32_t padding = 0;
    double carrierBandwidth = 0.0;        // Hz; the measurement bandwidth of a custom carrier
    double carrierOffsets[2] = {0.0, 0.0};  // Hz from the recording's centre, CC1 and CC2
    int16_t bandwidthCodes[2] = {0, 0};   // channel bandwidths of CC1 and CC2 in units of 100 kHz
    int16_t spacings[2] = {0, 0};         // NR subcarrier spacings of CC1 and CC2 in kHz
    double channels[4] = {0.0, 0.0, 0.0, 0.0};  // offset 1, offset 2, bandwidth 1, bandwidth 2 (Hz); zeros: preset
};
static_assert(sizeof(ACLRParameterBlock) == 96, "the parameter block is 96 bytes");
static_assert(offsetof(ACLRParameterBlock, carrierBandwidth) == 32, "carrier bandwidth at byte 32");
static_assert(offsetof(ACLRParameterBlock, bandwidthCodes) == 56, "bandwidth codes at byte 56");
static_assert(offsetof(ACLRParameterBlock, spacings) == 60, "spacings at byte 60");
static_assert(offsetof(ACLRParameterBlock, channels) == 64, "channel values at byte 64");

// Standard codes (the first mode integer) and carrier configurations (the second).
enum ACLRStandard : int32_t { ACLRStandardCustom = 1, ACLRStandardLTE = 2, ACLRStandardNR = 3 };
enum ACLRCarrierConfig : int32_t { ACLRSingleCarrier = 1, ACLRMultiCarrier = 2, ACLRMultipleBand = 3 };

// One carrier of the carrier block (two of them, 48 bytes each).
struct ACLRCarrierRecord
{
    double centre = 0.0;      // Hz from the recording's centre
    double channelBandwidth = 0.0;  // Hz, the nominal channel bandwidth
    double bandwidth = 0.0;   // Hz, the measurement bandwidth
    double reserved[2] = {0.0, 0.0};
    double level = 0.0;       // dBm
};
static_assert(sizeof(ACLRCarrierRecord) == 48, "a carrier record is 48 bytes");
static_assert(offsetof(ACLRCarrierRecord, bandwidth) == 16, "carrier bandwidth at byte 16");
static_assert(offsetof(ACLRCarrierRecord, level) == 40, "carrier level at byte 40");

// One row of the channel table (eight of them, 48 bytes each).
struct ACLRChannelRecord
{
    uint8_t valid = 0;        // non-zero: the row is present
    char name[7] = {};        // NUL-terminated, at most 6 characters
    double offset = 0.0;      // Hz from the reference carrier's centre
    double bandwidth = 0.0;   // Hz
    uint8_t unused[2] = {};
    uint8_t reference = 0;    // 1: CC1, 2: CC2
    uint8_t unused2[5] = {};
    double dbc = 0.0;         // level relative to the reference carrier; NaN outside the recorded band
    double dbm = 0.0;         // absolute level; NaN outside the recorded band
};
static_assert(sizeof(ACLRChannelRecord) == 48, "a channel record is 48 bytes");
static_assert(offsetof(ACLRChannelRecord, reference) == 26, "reference carrier at byte 26");
static_assert(offsetof(ACLRChannelRecord, dbc) == 32, "first level at byte 32");

constexpr int kACLRCarrierRecords = 2;
constexpr int kACLRChannelRecords = 8;

// The 16-byte block behind the table: how the measurement went.
struct ACLRStatusBlock
{
    int32_t status = 0;          // ACLRStatus
    int32_t samplesMeasured = 0;  // the block without its zero padding
    double resolutionBandwidth = 0.0;  // Hz, the noise bandwidth of one spectrum bin
};
static_assert(sizeof(ACLRStatusBlock) == 16, "the status block is 16 bytes");

enum ACLRStatus : int32_t {
    ACLRStatusOk = 0,
    ACLRStatusNoSignal = 1,        // no samples, or too few for one spectrum
    ACLRStatusBadParameters = 2,   // a rate, bandwidth, code or spacing that means nothing
    ACLRStatusNoFftw = 3,          // the FFTW library could not be loaded
};

// The growable array of doubles that receives the spectrum trace.
struct ACLROutputArray
{
    double *data = nullptr;
    int32_t *size = nullptr;
    int32_t allocatedSize = 0;
    int32_t numDimensions = 1;
    bool canFreeData = false;
};

// The longest block measured, in samples: the sample arrays are this long.
constexpr int kACLRMaxSamples = 1 << 21;
// The output array's capacity, in doubles.
constexpr int kACLROutputCapacity = 10000;
