#pragma once

#include <functional>
#include <memory>

class ParamSignal;

// Creates the parameter set of a mode by its number. Each standard's folder
// registers its own set at start-up, so the hub never depends on those folders.
// Vector analysis and digital modulation are built in; the other modes start with a ParamSource (clock and
// carrier) until their own sets register; any other number gets a plain ParamSignal.
class ParamSignalFactory
{
public:
    using Creator = std::function<std::unique_ptr<ParamSignal>()>;

    static void registerCreator(int mode, Creator creator);
    static std::unique_ptr<ParamSignal> create(int mode);
};
