#include "00_sky.h"

#include "Application.h"
#include "Object.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <OgreEntity.h>

namespace
{
const char* const kEnabled = "00_sky@enabled";
const char* const kSkyMaterials[] = {"01_nebo", "01_fon"};
} // namespace

void sc_00_sky::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    if (getVarI(kEnabled) == 1)
        startFrameTimer();
}

void sc_00_sky::ON_NOTIFY(int /*code*/)
{
    TQ_TRACE(" ON_NOTIFY(int code)");
    startFrameTimer();
    setVarI(kEnabled, 1);
}

void sc_00_sky::startFrameTimer()
{
    // Every further code would add a timer and step the lightning once more
    // per frame: one runs at most.
    if (timer == 0)
        timer = ScriptObject::startFrameTimer(getOwner());
}

void sc_00_sky::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    CObject* own = ScriptObject::of(getOwner());
    Ogre::Entity* entity = own ? own->getEntity() : nullptr;
    if (!entity || !entity->isVisible())
        return;
    const float now = static_cast<float>(gApp.mGameClock);

    if (now > flashEnd)
    {
        --burst;
        flashDuration = static_cast<float>(200 + ScriptObject::random(100));
        pause = 0;
        if (burst <= 0)
        {
            burst = 2 + ScriptObject::random(2);
            thunder = 1;
            pause = 10000;
        }
        flashStart = now + static_cast<float>(pause);
        flashEnd = flashStart + flashDuration;
    }

    if (now > flashStart && now < flashEnd)
    {
        if (thunder != 0)
        {
            sendNotifyByName("00_movies", 1001 + ScriptObject::random(3), 0);
            thunder = 0;
        }
        const float x = (flashEnd - now) / flashDuration;
        brightness = 0.5f + 0.5f * 4.0f * x * (1.0f - x);
    }
    else if (brightness > 0.0f)
        brightness -= ScriptObject::frameSeconds();

    for (const char* material : kSkyMaterials)
        materialBlendColour(material, 1, 0, brightness, brightness, brightness, 1);
}
