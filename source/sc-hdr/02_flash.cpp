#include "02_flash.h"

#include "Application.h"
#include "CutScene.h"
#include "ScriptObject.h"
#include "Trace.h"

namespace
{
const char* const kParticles = "02_01_key2_part";
const char* const kFlashScript = "02_01_flash_script";
} // namespace

void sc_02_flash::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    getObjParamS(mOwner, "material", material);
    String name;
    getObjParamS(mOwner, "object", name);
    flashObject = gApp.findObjectHandle(name);
    sound = getObjParamI(mOwner, "sound");
    setVisible(flashObject, false);
    materialSetColour(material, 0.0f, 0.0f, 0.0f);
}

void sc_02_flash::ON_NOTIFY(int param, OBJECT_HANDLE who)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE who)");
    if (param != 100 || flashTimer != 0 || getVarI("02_01_az_Key2_ct@used") != 0)
        return;
    start();
    replyTo = who;
    replyCode = 100;
}

void sc_02_flash::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    time += ScriptObject::frameSeconds();
    if (time < rampUpEnd)
        flashLevel = time / rampUpEnd;
    else if (time < holdEnd)
        flashLevel = 1.0f;
    else if (time < rampDownEnd)
        flashLevel = (rampDownEnd - time) / (rampDownEnd - holdEnd);
    else
        stop();
    materialSetColour(material, flashLevel, flashLevel, flashLevel);
}

void sc_02_flash::start()
{
    TQ_TRACE(" start()");
    flashTimer = ScriptObject::startTimer(mOwner, 1, -1);
    time = 0.0f;
    flashLevel = 0.0f;
    setVisible(flashObject, true);
    particleSetEmitting(kParticles, true);
    particleRestart(kParticles, 0.0f);
    CutScene::showNamed(kFlashScript, true);
    sendNotifyByName("00_movies", sound, 0);
}

void sc_02_flash::stop()
{
    TQ_TRACE(" stop()");
    ScriptObject::stopFrameTimer(mOwner, flashTimer);
    setVisible(flashObject, false);
    sendNotify(replyTo, mOwner, replyCode);
    particleSetEmitting(kParticles, false);
    CutScene::showNamed(kFlashScript, false);
}
