#include "PieceScript.h"

#include "Application.h"
#include "Trace.h"

const CPieceScript::_PIECE_CODES CPieceScript::kStandard = {10000, 20000, 30000, 40000};

CPieceScript::CPieceScript(const char* prefix, int shift, const char* targetName, const _PIECE_CODES& codes)
    : mPrefix(prefix), mShift(shift), mTargetName(targetName), mCodes(codes)
{
}

void CPieceScript::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    number = getNameNumber(getOwner(), mPrefix) + mShift;
    // Looked up once: the puzzle's object is loaded with the same room, and
    // a piece without it stays silent.
    target = gApp.findObjectHandle(mTargetName);
}

void CPieceScript::ON_SETFOCUS()
{
    TQ_TRACE(" ON_SETFOCUS()");
    report(mCodes.focus);
}

void CPieceScript::ON_KILLFOCUS()
{
    TQ_TRACE(" ON_KILLFOCUS()");
    report(mCodes.lossOfFocus);
}

void CPieceScript::ON_LBUTTONDOWN()
{
    TQ_TRACE(" ON_LBUTTONDOWN()");
    report(mCodes.down);
}

void CPieceScript::ON_LBUTTONUP()
{
    TQ_TRACE(" ON_LBUTTONUP()");
    report(mCodes.up);
}

void CPieceScript::ON_NOTIFY(int /*code*/, OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
}

void CPieceScript::report(int base) const
{
    TQ_TRACE(" report(int base)");
    if (base != 0)
        sendNotify(target, 0, number + base);
}
