#include "ui/UiResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace; a helper keeps it there.
static void registerIcons()
{
    Q_INIT_RESOURCE(icons);
    Q_INIT_RESOURCE(about);
}

void initUiResources()
{
    static const bool registered = (registerIcons(), true);
    Q_UNUSED(registered)
}
