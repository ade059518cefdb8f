#include "widgets/Resources.h"

#include <QtCore/qglobal.h>

// Outside any namespace: the macro declares the generated registration function.
static void RegisterResources() {
    Q_INIT_RESOURCE(resources);
}

void widgets::InitResources() {
    // The resources live in a static library, whose static initialisers a linker may drop.
    static const bool once = (RegisterResources(), true);
    (void)once;
}
