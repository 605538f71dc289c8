#include "03_05_superkniga.h"

sc_03_05_superkniga::sc_03_05_superkniga(int mostDerived)
    : CPieceScript("03_05_superkniga_left_", -16, "03_minigame_16", kStandard)
{
    (void)mostDerived;
}
