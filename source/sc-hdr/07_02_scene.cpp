#include "07_02_scene.h"

#include "CutScene.h"
#include "Loc7Scene.h"
#include "Trace.h"

#include <initializer_list>

void sc_07_02_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    cam_move = Loc7Scene::find("01_cam_move");
    dialogs = Loc7Scene::find("02_dialogs");
    officer = Loc7Scene::find("07_officer");
    marvek = Loc7Scene::find("06_marvek");
    conq = Loc7Scene::find("15_conq");
    conq2 = Loc7Scene::find("15_conq2");
    alebarda = Loc7Scene::find("00_alebarda");
    arkebuza = Loc7Scene::find("00_arkebuza");
    rolik1 = Loc7Scene::find("00_mech_rolik_01");
    rolik2 = Loc7Scene::find("00_mech_rolik_02");
    pushka = Loc7Scene::find("00_pushka");
    for (OBJECT_HANDLE obj : {marvek, officer, conq, conq2, alebarda, arkebuza, rolik1, rolik2, pushka})
        setVisible(obj, false);
}

void sc_07_02_scene::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    (void)id;
}

void sc_07_02_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (!cleared)
    {
        if (code == 100)
            start1();
        else if (code == 10703)
            start2();
        else if (code == 101)
            start3();
        else if (code == 2052)
            stop();
    }
    if (code == mLoaderAnswer)
        clear();
}

void sc_07_02_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotify(Loc7Scene::find("00_sfx_env"), 0, 5001);
    sendNotify(Loc7Scene::find("01_01_scene_ds"), 0, 10142);
    sendNotify(cam_move, 0, 5711);
    sendNotify(cam_move, getOwner(), 10703);

    struct Pose
    {
        OBJECT_HANDLE who;
        Loc7Scene::Placement where;
        OBJECT_HANDLE prop;
        const char* bone;
    };
    const Pose poses[] = {
        {marvek, {6631.0f, -2590.0f, -15.0f, 145.0f}, rolik2, "06_marvek_Bip01_R_Hand"},
        {conq, {6872.0f, -2600.0f, -15.0f, 146.0f}, alebarda, "15_conq_Bip01_R_Hand"},
        {conq2, {6736.0f, -2668.0f, -15.0f, 146.0f}, arkebuza, "15_conq2_Bip01_R_Hand"},
    };
    for (const Pose& pose : poses)
    {
        setVisible(pose.who, true);
        Loc7Scene::place(pose.who, pose.where);
        Loc7Scene::stopPoints(pose.who);
        animAddPoint(pose.who, "static_01", -1, 0, 0);
        Loc7Scene::startPoints(pose.who);
        Loc7Scene::carry(pose.who, pose.prop, pose.bone);
    }
    setVisible(pushka, true);
    sendNotify(Loc7Scene::find("07_papirus"), 0, 100);
}

void sc_07_02_scene::start2()
{
    TQ_TRACE(" start2()");
    sendNotify(Loc7Scene::find("00_movies"), 0, 3035);
    sendNotify(cam_move, 0, 5711);

    // The officer reports 101 when his run has brought him in.
    setVisible(officer, true);
    Loc7Scene::place(officer, {5752.0f, -1982.0f, -15.0f, -34.0f});
    Loc7Scene::stopPoints(officer);
    animAddPoint(officer, "static_01", 1, 0, 0);
    animAddRotatedPoint(officer, vec3(0.0f, 0.0f, -34.0f), "run", vec3(6464.0f, -2476.0f, -15.0f), 1, 1, getOwner(),
                        101);
    animAddPoint(officer, "dialog_02", 1, 0, 0);
    Loc7Scene::startPoints(officer);
    CutScene::nextPoint(officer);
    Loc7Scene::carry(officer, rolik1, "07_officer_Bip01_R_Hand");
}

void sc_07_02_scene::start3()
{
    TQ_TRACE(" start3()");
    sendNotify(dialogs, getOwner(), 2052);
}

void sc_07_02_scene::stop()
{
    TQ_TRACE(" stop()");
    sendNotifyByName("00_game_interface", 100, getOwner());
}

void sc_07_02_scene::clear()
{
    TQ_TRACE(" clear()");
    cleared = 1;
    for (OBJECT_HANDLE obj : {marvek, officer, conq, conq2, pushka})
        setVisible(obj, false);
    Loc7Scene::putDown(conq, alebarda);
    Loc7Scene::putDown(conq2, arkebuza);
    Loc7Scene::putDown(officer, rolik1);
    Loc7Scene::putDown(marvek, rolik2);
    sendNotify(Loc7Scene::find("07_papirus"), 0, 200);
}
