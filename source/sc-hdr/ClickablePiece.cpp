#include "ClickablePiece.h"

#include "Application.h"
#include "Trace.h"

void CClickablePiece::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    if (mKind.prefix)
        number = getNameNumber(getOwner(), mKind.prefix);
    // Looked up this once: a target that appears later is never found, and
    // every code of the piece goes to handle 0, where it is dropped.
    target = gApp.findObjectHandle(mKind.target);
}

void CClickablePiece::ON_LBUTTONDOWN()
{
    TQ_TRACE(" ON_LBUTTONDOWN()");
    send(mKind.press);
}

void CClickablePiece::ON_LBUTTONUP()
{
    TQ_TRACE(" ON_LBUTTONUP()");
    send(mKind.release);
}

void CClickablePiece::ON_NOTIFY(int /*code*/, OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
}

void CClickablePiece::ON_SETFOCUS()
{
    TQ_TRACE(" ON_SETFOCUS()");
    send(mKind.focus);
}

void CClickablePiece::ON_KILLFOCUS()
{
    TQ_TRACE(" ON_KILLFOCUS()");
    send(mKind.unfocus);
}

void CClickablePiece::send(int base)
{
    TQ_TRACE(" send(int base)");
    if (base != kSilent)
        sendNotify(target, 0, number + base);
}
