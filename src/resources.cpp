#include "resources.h"

#include <QtGlobal>

static void initResourcesOutsideNamespace()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(pageassets);
    Q_INIT_RESOURCE(translations);
}

void initPenwickResources()
{
    initResourcesOutsideNamespace();
}
