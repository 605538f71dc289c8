#include "07_03_scene.h"

#include "CutScene.h"
#include "Loc7Scene.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <initializer_list>

namespace
{
const char* const kSceneGroup = "07_03_scene.scene";
} // namespace

void sc_07_03_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    cam_move = Loc7Scene::find("01_cam_move");
    dialogs = Loc7Scene::find("02_dialogs");
    conq3 = Loc7Scene::find("15_conq3");
    officer = Loc7Scene::find("07_officer");
    rolik = Loc7Scene::find("00_mech_rolik_01");
    marvek = Loc7Scene::find("06_marvek");
    alebarda = Loc7Scene::find("00_alebarda");
    conq = Loc7Scene::find("15_conq");
    for (OBJECT_HANDLE obj : {conq, alebarda, marvek, rolik, officer, conq3})
        setVisible(obj, false);
    setVisibleByName(kSceneGroup, false);
}

void sc_07_03_scene::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    (void)id;
    if (!cleared)
        start2();
}

void sc_07_03_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (!cleared)
    {
        if (code == 100)
            start1();
        else if (code == 101)
            start3();
        else if (code == 3063)
            stop();
    }
    if (code == mLoaderAnswer)
        clear();
}

void sc_07_03_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotify(Loc7Scene::find("00_sfx_env"), 0, 5012);
    sendNotify(Loc7Scene::find("00_movies"), 0, 4034);
    setVisibleByName(kSceneGroup, true);
    sendNotify(cam_move, getOwner(), 5726);

    struct Pose
    {
        OBJECT_HANDLE who;
        Loc7Scene::Placement where;
        const char* anims[4]; ///< null after the last
    };
    const Pose poses[] = {
        {conq3, {8264.0f, -3290.0f, -12.0f, 90.0f}, {"static_01", "static_02", "static_01", "static_02"}},
        {marvek, {7109.0f, -3488.0f, -15.0f, 18.0f}, {"static_02"}},
        {conq, {6892.0f, -3748.0f, -15.0f, 27.0f}, {"static_01"}},
    };
    for (const Pose& pose : poses)
    {
        setVisible(pose.who, true);
        Loc7Scene::place(pose.who, pose.where);
        Loc7Scene::stopPoints(pose.who);
        for (const char* anim : pose.anims)
            if (anim)
                animAddPoint(pose.who, anim, 1, 0, 0);
        Loc7Scene::startPoints(pose.who);
    }
    Loc7Scene::carry(conq, alebarda, "15_conq_Bip01_R_Hand");
    sendNotify(Loc7Scene::find("07_papirus"), 0, 100);
    walkTimer = ScriptObject::startTimer(getOwner(), 8000, 1);
}

void sc_07_03_scene::start2()
{
    TQ_TRACE(" start2()");
    sendNotify(cam_move, getOwner(), 10704);

    // The officer reports 101 when his walk has brought him to the others.
    setVisible(officer, true);
    Loc7Scene::place(officer, {8590.0f, -3020.0f, -15.0f, -162.0f});
    Loc7Scene::stopPoints(officer);
    animAddPoint(officer, "static_01", 1, 0, 0);
    animAddRotatedPoint(officer, vec3(0.0f, 0.0f, -162.0f), "walk", vec3(7303.0f, -3427.0f, -15.0f), 1, 1,
                        getOwner(), 101);
    animAddPoint(officer, "dialog_02", 1, 0, 0);
    Loc7Scene::startPoints(officer);
    CutScene::nextPoint(officer);
    Loc7Scene::carry(officer, rolik, "07_officer_Bip01_R_Hand");
}

void sc_07_03_scene::start3()
{
    TQ_TRACE(" start3()");
    sendNotify(dialogs, getOwner(), 3063);
}

void sc_07_03_scene::stop()
{
    TQ_TRACE(" stop()");
    sendNotifyByName("00_game_interface", 100, getOwner());
}

void sc_07_03_scene::clear()
{
    TQ_TRACE(" clear()");
    sendNotify(Loc7Scene::find("07_papirus"), 0, 200);
    for (OBJECT_HANDLE obj : {conq, marvek, officer, conq3})
        setVisible(obj, false);
    Loc7Scene::putDown(conq, alebarda);
    Loc7Scene::putDown(officer, rolik);
    setVisibleByName(kSceneGroup, false);
    cleared = 1;
}
