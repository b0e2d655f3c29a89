#pragma once

#include <QMetaType>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

// One instrument as the acquisition library lists it. The record crosses the
// library boundary by value, so its layout is part of that interface: a 128-byte
// zero-terminated address, the type and the serial number, the busy flag, 200 bytes.
struct DeviceData
{
    static constexpr int kAddressSize = 128;

    char address[kAddressSize] = {};
    std::string type;
    std::string serial;
    bool busy = false;

    // The address is cut to fit, always zero-terminated.
    void setAddress(const std::string &text)
    {
        std::memset(address, 0, sizeof(address));
        std::memcpy(address, text.data(), std::min(text.size(), sizeof(address) - 1));
    }
    std::string addressText() const { return std::string(address, strnlen(address, sizeof(address))); }
};

static_assert(sizeof(void *) != 8 || sizeof(DeviceData) == 200, "the library interface expects 200-byte records");

Q_DECLARE_METATYPE(DeviceData)
Q_DECLARE_METATYPE(std::vector<DeviceData>)
