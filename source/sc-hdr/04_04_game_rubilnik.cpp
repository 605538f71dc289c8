#include "04_04_game_rubilnik.h"

#include "Trace.h"

#include <OgreStringConverter.h>

namespace
{
const CPieceScript::_PIECE_CODES kCodes = {0, 0, 30000, 40000};
/// The cannon puzzle's pulled flags follow its seven other values.
const int kFirstPulledFlag = 7;
const int kRemarkDialog = 4054;
} // namespace

sc_04_04_game_rubilnik::sc_04_04_game_rubilnik(int mostDerived)
    : CPieceScript("04_04_az_rubilnik_", -1, "04_04_az_LazernajaPushka_mg", kCodes)
{
    (void)mostDerived;
}

void sc_04_04_game_rubilnik::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    CPieceScript::ON_CREATE();
    pulledVar = "4_21_variable_" + Ogre::StringConverter::toString(number + kFirstPulledFlag);
}

void sc_04_04_game_rubilnik::ON_LBUTTONDOWN()
{
    TQ_TRACE(" ON_LBUTTONDOWN()");
    if (cannonUsed() && isFree())
        CPieceScript::ON_LBUTTONDOWN();
}

void sc_04_04_game_rubilnik::ON_LBUTTONUP()
{
    TQ_TRACE(" ON_LBUTTONUP()");
    if (!cannonUsed())
    {
        if (getConfigI("is_dialog_start") == 0)
            sendNotifyByName("02_dialogs", kRemarkDialog, 0);
    }
    else if (isFree())
        CPieceScript::ON_LBUTTONUP();
}

int sc_04_04_game_rubilnik::isFree() const
{
    TQ_TRACE(" isFree()");
    return getVarI(pulledVar) == 0 ? 1 : 0;
}

int sc_04_04_game_rubilnik::cannonUsed()
{
    TQ_TRACE(" cannonUsed()");
    return getVarI("04_04_az_LazernajaPushka@used") != 0 ? 1 : 0;
}
