#include "ShellResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be called from the global namespace.
static void initShellResourcesOnce()
{
    Q_INIT_RESOURCE(themes);
    Q_INIT_RESOURCE(translations);
}

void ShellResources::init()
{
    static const bool isDone = (initShellResourcesOnce(), true);
    Q_UNUSED(isDone)
}
