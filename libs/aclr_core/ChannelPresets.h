#pragma once

// 3GPP channel bandwidths and their transmission bandwidths (the measurement
// bandwidth of a carrier and of its adjacent channels).
namespace ChannelPresets {

// E-UTRA (TS 36.104 table 5.6-1): N_RB for 1.4/3/5/10/15/20 MHz, measured over
// N_RB × 180 kHz. codeHundredKHz is the channel bandwidth in 100 kHz (14, 30, ...).
// 0 for a bandwidth that E-UTRA does not define.
int lteResourceBlocks(int codeHundredKHz);
double lteMeasurementBandwidth(int codeHundredKHz);

// NR FR1 (TS 38.104 table 5.3.2-1): N_RB for a channel bandwidth and subcarrier
// spacing (15, 30 or 60 kHz), measured over N_RB × 12 × SCS; 0 where the table has
// no entry.
int nrResourceBlocks(int codeHundredKHz, int spacingKHz);
double nrMeasurementBandwidth(int codeHundredKHz, int spacingKHz);

}  // namespace ChannelPresets
