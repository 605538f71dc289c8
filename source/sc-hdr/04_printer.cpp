#include "04_printer.h"

#include "Application.h"
#include "ScriptObject.h"
#include "Trace.h"

namespace
{
const char* const kFlashVar = "04_printer@flash";
/// The lamp is the printer's second sub-entity.
const int kLampSub = 1;
/// Cycles per second.
const float kBlinkSpeed = 0.7f;
/// The part of a cycle, from its start, in which the lamp is dark.
const float kDarkPart = 0.2f;
} // namespace

void sc_04_printer::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    printer = gApp.findObjectHandle("04_printer");
    if (getVarI(kFlashVar) != 0)
        start();
}

void sc_04_printer::ON_NOTIFY(int code, OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    if (code == 100)
    {
        setVarI(kFlashVar, 1);
        start();
    }
    else if (code == 200)
    {
        setVarI(kFlashVar, 0);
        stop();
    }
}

void sc_04_printer::start()
{
    TQ_TRACE(" start()");
    // Started twice, the lamp would blink at double speed.
    ScriptObject::stopFrameTimer(getOwner(), timer);
    timer = ScriptObject::startFrameTimer(getOwner());
}

void sc_04_printer::stop()
{
    TQ_TRACE(" stop()");
    ScriptObject::stopFrameTimer(getOwner(), timer);
}

void sc_04_printer::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    if (id != 0 && id == timer)
        blink(ScriptObject::frameSeconds());
}

void sc_04_printer::blink(float dt)
{
    TQ_TRACE(" blink(float dt)");
    if (!printer)
        return;
    phase += kBlinkSpeed * dt;
    if (phase > 1.0f)
    {
        phase -= 1.0f;
        setMaterial(printer, kLampSub, "04_printer/04_printer_lamp_nl");
    }
    if (phase > kDarkPart)
        setMaterial(printer, kLampSub, "04_printer/04_printer_lamp");
}
