#include "BoardPiece.h"

#include "Application.h"
#include "Trace.h"

void CBoardPiece::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    if (mKind.prefix)
        number = getNameNumber(getOwner(), mKind.prefix) - mKind.firstNumber;
    target = gApp.findObjectHandle(mKind.game);
}

void CBoardPiece::report(Event event, OBJECT_HANDLE sender)
{
    TQ_TRACE(" report(Event event, OBJECT_HANDLE sender)");
    sendNotify(target, sender, number + mKind.focusCode + 10000 * static_cast<int>(event));
}

void CBoardPiece::ON_SETFOCUS()
{
    TQ_TRACE(" ON_SETFOCUS()");
    report(kFocus);
}

void CBoardPiece::ON_KILLFOCUS()
{
    TQ_TRACE(" ON_KILLFOCUS()");
    report(kFocusLost);
}

void CBoardPiece::ON_LBUTTONDOWN()
{
    TQ_TRACE(" ON_LBUTTONDOWN()");
    report(kButtonDown);
}

void CBoardPiece::ON_LBUTTONUP()
{
    TQ_TRACE(" ON_LBUTTONUP()");
    report(kButtonUp);
}
