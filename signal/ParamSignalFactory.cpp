#include "ParamSignalFactory.h"

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
    static QHash<int, ParamSignalFactory::Creator> creators{
        {ParamSignal::ModeVA, [] { return std::make_unique<ParamVectorAnalysis>(); }}};
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
