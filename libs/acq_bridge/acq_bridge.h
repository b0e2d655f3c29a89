#pragma once

// The acquisition library: loaded by the program at run time with
// QLibrary("acq_bridge") and driven through the plain functions below. It lists
// the instruments it can reach (a simulated signal analyser, always, and every
// SDR that SoapySDR finds) and drives one of them at a time.
//
// Status (getStatus): 0 = ready; -12 after a read = data delivered, input
// overloaded; anything else = the last call failed, with its reason in getError().

#include "DeviceData.h"
#include "DeviceError.h"
#include "Params.h"

#include <QVector>
#include <complex>
#include <vector>

#define ACQ_BRIDGE_EXPORT extern "C" __attribute__((visibility("default")))

namespace AcqStatus {
constexpr int kReady = 0;
constexpr int kNotConnected = -1;
constexpr int kNotFound = -2;
constexpr int kBusy = -3;
constexpr int kStreamFailed = -4;
constexpr int kTimeout = -7;
constexpr int kOverload = -12;
constexpr int kReferenceUnlocked = -30;
constexpr int kSettingsConflict = -221;  // as the SCPI error of that name
constexpr int kDataOutOfRange = -222;
constexpr int kLost = 404;               // the instrument stopped answering
}  // namespace AcqStatus

ACQ_BRIDGE_EXPORT int getStatus();
ACQ_BRIDGE_EXPORT void setConnect(DeviceData device);
ACQ_BRIDGE_EXPORT void setDisconnect();
ACQ_BRIDGE_EXPORT void setParam(Params settings);
ACQ_BRIDGE_EXPORT void setNumPts(int points);
ACQ_BRIDGE_EXPORT std::vector<DeviceData> getDevList();
// which = 0: lower limits, 1: upper limits, 2: the values in force.
ACQ_BRIDGE_EXPORT Params getParameters(int which);
// The errors pending since the last call; reading them clears them.
ACQ_BRIDGE_EXPORT QVector<DeviceError> getError();
// which = 0: fewest points per read, 1: most, 2: the points in force.
ACQ_BRIDGE_EXPORT int getNumPTS(int which);
// Fills samples with one block (in sqrt(mW): a tone of amplitude A is 20 log10(A) dBm),
// or leaves it empty and records why.
ACQ_BRIDGE_EXPORT void getData(QVector<std::complex<double>> *samples);
ACQ_BRIDGE_EXPORT double getCurSampleRate();
ACQ_BRIDGE_EXPORT void setExtSyncState(bool isOn);
ACQ_BRIDGE_EXPORT void setExtSyncFreq(double hz);
