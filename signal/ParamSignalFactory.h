#pragma once

#include <functional>
#include <memory>

class ParamSignal;

// Creates the parameter set of a mode by its number. Each standard's folder
// registers its own set at start-up, so the hub never depends on those folders.
// Vector analysis is built in; a mode with no registered set gets a plain
// ParamSignal carrying its mode number.
class ParamSignalFactory
{
public:
    using Creator = std::function<std::unique_ptr<ParamSignal>()>;

    static void registerCreator(int mode, Creator creator);
    static std::unique_ptr<ParamSignal> create(int mode);
};
