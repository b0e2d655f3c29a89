// A profile (XML) as the program opens it, then written and read again.

#include "FuzzFile.h"
#include "ParamVectorAnalysis.h"
#include "ProfileStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzFile::application();
    ProfileStore store;
    const QByteArray xml(reinterpret_cast<const char *>(data), int(size));
    if (store.fromXml(xml, QStringLiteral("fuzz.xml")) != ProfileStore::Loaded)
        return 0;
    ParamVectorAnalysis param;
    for (int mode : store.modes()) {
        (void)ProfileStore::splitItems(store.modeText(mode));
        param.parseText(store.modeText(mode), false);
    }
    ProfileStore again;
    if (again.fromXml(store.toXml()) != ProfileStore::Loaded)
        __builtin_trap();  // a profile the program writes must read back
    return 0;
}
