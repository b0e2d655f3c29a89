#pragma once

// aclr_core: the adjacent-channel leakage measurement, loaded by the program at run
// time with QLibrary("aclr_core") and driven through the one function below. The
// record layouts are those of ACLRRecords.h. No exception leaves the library.
//
// The measurement: the power spectrum of the block by averaged Blackman-Harris
// FFTs (FFTW 3, loaded at run time as the program loads it), the carrier power
// integrated over its measurement bandwidth and each adjacent channel's power over
// its own (square filter), absolute in dBm (10·log10 of the mean I² + Q², the
// program's power convention) and relative to its reference carrier in dBc.
//
// Presets: LTE (standard 2) carriers are measured over N_RB × 180 kHz, NR (standard
// 3) carriers over N_RB × 12 × SCS (the FR1 N_RB table); their adjacent channels lie
// one and two channel bandwidths away and are measured over the same bandwidth.
// Custom carriers (any other standard) are measured over the carrier bandwidth
// argument. Non-zero channel values replace the preset channels.

#include "ACLRRecords.h"

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define ACLR_CORE_EXPORT __declspec(dllexport)
#else
#define ACLR_CORE_EXPORT __attribute__((visibility("default")))
#endif

// i, q             kACLRMaxSamples doubles each; the block, then zeros (trailing
//                  zero samples are not part of the block)
// sampleRate       Hz
// modes            five int32: standard (2 LTE, 3 NR, other custom), carrier
//                  configuration (1 single carrier, 2 multi-carrier: ADJ/ALT below
//                  the lower and above the upper carrier, 3 multiple band: ADJ/ALT
//                  on both sides of each carrier, named with the carrier's number),
//                  then 0, 2, 10 (unused)
// carrierBandwidth Hz, the measurement bandwidth of custom carriers
// carrierOffsets   two doubles, Hz of CC1 and CC2 from the recording's centre
// bandwidthCodes   two int16, channel bandwidths of CC1 and CC2 in 100 kHz (LTE: 14,
//                  30, 50, 100, 150, 200; NR: 50 .. 1000)
// spacings         two int16, NR subcarrier spacings of CC1 and CC2 in kHz (15, 30, 60)
// channels         four doubles: offset 1, offset 2, bandwidth 1, bandwidth 2 (Hz);
//                  all zero for the standard's preset
// carriers         two ACLRCarrierRecord, written for the carriers measured
// table            eight ACLRChannelRecord; rows ADJ-L, ADJ-U, ALT-L, ALT-U (or per
//                  carrier in several bands), unused rows with valid = 0. A channel
//                  that does not lie wholly inside the recorded band (±sampleRate/2)
//                  is a valid row with NaN levels.
// status           one ACLRStatusBlock
// output           the spectrum trace: one level per bin in dBm, from -Fs/2 up (bin k
//                  at (k - n/2)·Fs/n), at most output->allocatedSize values; *size set
ACLR_CORE_EXPORT void ACLRMeasurement(const double *i, const double *q, double sampleRate, const int32_t *modes,
                                      double carrierBandwidth, const double *carrierOffsets,
                                      const int16_t *bandwidthCodes, const int16_t *spacings, const double *channels,
                                      ACLRCarrierRecord *carriers, ACLRChannelRecord *table, ACLRStatusBlock *status,
                                      ACLROutputArray *output);

#ifdef __cplusplus
}
#endif
