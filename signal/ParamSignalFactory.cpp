#include "ParamSignalFactory.h"

#include "ParamDigitalModulation.h"
#include "ParamSource.h"
#include "ParamVectorAnalysis.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace {
QMutex &registryMutex()  // guards registry()
{
    static QMutex mutex;
    return mutex;
}

QHash<int, ParamSignalFactory::Creator> &registry()
{
    // Modes whose own sets are not registered yet keep the recording's clock and carrier.
    static QHash<int, ParamSignalFactory::Creator> creators{
        {ParamSignal::ModeVA, [] { return std::make_unique<ParamVectorAnalysis>(); }},
        {ParamSignal::ModeDM, [] { return std::make_unique<ParamDigitalModulation>(); }},
        {ParamSignal::Mode5G, [] { return std::make_unique<ParamSource>(ParamSignal::Mode5G); }},
        {ParamSignal::Mode4G, [] { return std::make_unique<ParamSource>(ParamSignal::Mode4G); }},
        {ParamSignal::ModeACLR, [] { return std::make_unique<ParamSource>(ParamSignal::ModeACLR); }}};
    return creators;
}
}  // namespace

void ParamSignalFactory::registerCreator(int mode, Creator creator)
{
    QMutexLocker lock(&registryMutex());
    registry().insert(mode, std::move(creator));
}

std::unique_ptr<ParamSignal> ParamSignalFactory::create(int mode)
{
    Creator creator;
    {
        QMutexLocker lock(&registryMutex());
        creator = registry().value(mode);
    }
    if (creator)
        return creator();
    return std::make_unique<ParamSignal>(mode);
}
