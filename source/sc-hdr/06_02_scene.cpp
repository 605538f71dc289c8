#include "06_02_scene.h"

#include "Application.h"
#include "CutScene.h"
#include "Trace.h"

namespace
{
const CutScene::DialogStep kSteps[] = {
    {200, 6054, 200},
    {201, 6052, 201},
    {202, 6053, 202},
};
} // namespace

void sc_06_02_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    cam_move = gApp.findObjectHandle("01_cam_move");
    dialogs = gApp.findObjectHandle("02_dialogs");
    professor = gApp.findObjectHandle("03_professor");
    hero = gApp.findObjectHandle("01_hero_worker");
    start();
}

void sc_06_02_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (CutScene::playDialogStep(kSteps, code, dialogs, mOwner))
        return;
    if (code == 100)
        start();
    else if (code == mLoaderAnswer)
        clear();
}

void sc_06_02_scene::start()
{
    TQ_TRACE(" start()");
    CutScene::showAt(professor, -191.664f, 216.186f, -0.183f, -48.686f);
    CutScene::stopActor(professor);
    animAddPoint(professor, "static_01", 1, 0, 0);
    animAddPoint(professor, "static_02", 1, 0, 0);
    animAddPoint(professor, "static_01", 2, 0, 0);
    animAddPoint(professor, "static_03", 1, 0, 0);
    animSetCyclic(professor, true);
    CutScene::startActor(professor);
}

void sc_06_02_scene::clear()
{
    TQ_TRACE(" clear()");
    setVisible(hero, false);
    sendNotify(cam_move, 0, 5101);
    start();
}
