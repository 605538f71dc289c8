#include "06_10_scene.h"

#include "CutScene.h"
#include "Loc7Scene.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <initializer_list>

namespace
{
const char* const kBlood = "04_villain/odegda_blood";
const char* const kSmoke = "06_07_lord_gun_smoke";
} // namespace

void sc_06_10_scene::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    cam_move = Loc7Scene::find("01_cam_move");
    dialogs = Loc7Scene::find("02_dialogs");
    hero = Loc7Scene::find("01_hero_worker");
    villain = Loc7Scene::find("04_villain");
    lord = Loc7Scene::find("02_lord");
    villain_gun = Loc7Scene::find("06_07_villain_gun");
    lord_gun = Loc7Scene::find("06_07_lord_gun");
    gun_smoke = Loc7Scene::find(kSmoke);
    kristall = Loc7Scene::find("06_07_hero_kristall");
    tolvane_bb = Loc7Scene::find("06_07_tolvane_bb");
    gilza = Loc7Scene::find("06_07_gilza");
    plitka = Loc7Scene::find("06_07_plitka");

    init(villainGunItem, villain_gun, villain, "04_villain_Bip01_R_Hand");
    init(lordGunItem, lord_gun, lord, "02_lord_Bip01_R_Hand");
    init(kristallItem, kristall, hero, "01_hero_Bip01_L_Hand");
    init(tolvaneItem, tolvane_bb, hero, "01_hero_Bip01_L_Hand");
    init(smokeItem, gun_smoke, lord_gun, "06_vzor_bone_02");

    for (OBJECT_HANDLE obj : {lord, lord_gun, villain_gun, kristall, gilza, plitka})
        setVisible(obj, false);
}

void sc_06_10_scene::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    (void)id;
    bloodStep();
}

void sc_06_10_scene::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    switch (code)
    {
    case 100:
        start1();
        break;
    case 200:
        start2();
        break;
    case 6058:
        start3();
        break;
    case 10610:
        start4();
        break;
    case 10611:
        start5();
        break;
    case 10612:
        start6();
        break;
    case 300:
        attachKristal();
        break;
    case 6059:
        stop();
        break;
    default:
        break;
    }
}

void sc_06_10_scene::init(Item& item, OBJECT_HANDLE obj, OBJECT_HANDLE parent, const String& bone)
{
    TQ_TRACE(" init(Item& item, OBJECT_HANDLE obj, OBJECT_HANDLE parent, const String& bone)");
    item.obj = obj;
    item.parent = parent;
    item.bone = bone;
    item.attached = 0;
    setVisible(obj, false);
}

void sc_06_10_scene::attachAndShow(Item& item)
{
    TQ_TRACE(" attachAndShow(Item& item)");
    if (item.attached)
        return;
    Loc7Scene::carry(item.parent, item.obj, item.bone.c_str());
    item.attached = 1;
}

void sc_06_10_scene::detachAndHide(Item& item)
{
    TQ_TRACE(" detachAndHide(Item& item)");
    if (!item.attached)
        return;
    Loc7Scene::putDown(item.parent, item.obj);
    item.attached = 0;
}

void sc_06_10_scene::start1()
{
    TQ_TRACE(" start1()");
    sendNotify(Loc7Scene::find("00_movies"), 0, 6025);
    sendNotify(cam_move, 0, 5721);

    setVisible(hero, true);
    Loc7Scene::place(hero, {4206.0f, 11311.0f, -255.0f, 104.0f});
    Loc7Scene::giveAnimation(hero, "static_01");

    // The villain reports 200 when his walk has brought him in.
    setVisible(villain, true);
    Loc7Scene::place(villain, {4076.0f, 11855.0f, -255.0f, -76.0f});
    Loc7Scene::stopPoints(villain);
    animAddPoint(villain, "static", 0, 0);
    animAddRotatedPoint(villain, vec3(0.0f, 0.0f, -76.0f), "walk_gun", vec3(4157.0f, 11530.0f, -255.0f), 1, 1,
                        getOwner(), 200);
    animAddPoint(villain, "dialog_gun_lev", 0, 0);
    Loc7Scene::startPoints(villain);
    CutScene::nextPoint(villain);

    setVisible(lord, true);
    Loc7Scene::place(lord, {4088.0f, 12004.0f, -255.0f, -76.0f});
    Loc7Scene::stopPoints(lord);
    animAddPoint(lord, "static", 0, 0);
    animAddRotatedPoint(lord, vec3(0.0f, 0.0f, -87.0f), "walk", vec3(4170.0f, 11675.0f, -255.0f), 1, 1, 0, 0);
    animAddPoint(lord, "static", 0, 0);
    Loc7Scene::startPoints(lord);
    CutScene::nextPoint(lord);

    attachAndShow(villainGunItem);
}

void sc_06_10_scene::start2()
{
    TQ_TRACE(" start2()");
    sendNotify(dialogs, getOwner(), 6058);
}

void sc_06_10_scene::start3()
{
    TQ_TRACE(" start3()");
    sendNotify(Loc7Scene::find("00_movies"), 0, 6026);
    sendNotify(cam_move, getOwner(), 10610);
    Loc7Scene::giveAnimation(villain, "gun");
}

void sc_06_10_scene::start4()
{
    TQ_TRACE(" start4()");
    sendNotify(cam_move, 0, 5721);
    sendNotify(cam_move, getOwner(), 10611);
    setVisible(gilza, true);
    startLinkedAnimation(gilza, "06_07_gilza_01_falling.skeleton", "falling", 1, 0);
    setVisible(plitka, true);
}

void sc_06_10_scene::start5()
{
    TQ_TRACE(" start5()");
    setVisible(gilza, false);
    setVisible(plitka, false);
    sendNotify(cam_move, getOwner(), 10612);
    Loc7Scene::giveAnimation(villain, "dead_gun");
    Loc7Scene::giveAnimation(lord, "static_gun");
    attachAndShow(smokeItem);
    particleSetEmitting(kSmoke, true);
    attachAndShow(lordGunItem);
    // A repeated shot must not leave the first blood timer running unseen.
    ScriptObject::stopTimer(getOwner(), bloodTimer);
    bloodTimer = ScriptObject::startFrameTimer(getOwner());
    blood = 0.0f;
    setMaterial(villain, 1, kBlood);
}

void sc_06_10_scene::start6()
{
    TQ_TRACE(" start6()");
    detachAndHide(lordGunItem);
    particleSetEmitting(kSmoke, false);
    Loc7Scene::stopPoints(villain);
    setVisible(villain, false);
    detachAndHide(villainGunItem);
    sendNotify(dialogs, getOwner(), 6059);
}

void sc_06_10_scene::attachKristal()
{
    TQ_TRACE(" attachKristal()");
    attachAndShow(kristallItem);
    attachAndShow(tolvaneItem);
}

void sc_06_10_scene::stop()
{
    TQ_TRACE(" stop()");
    sendNotifyByName("00_game_interface", 100, getOwner());
}

void sc_06_10_scene::bloodStep()
{
    TQ_TRACE(" bloodStep()");
    blood += ScriptObject::frameSeconds() / 3.0f;
    if (blood > 1.0f)
    {
        ScriptObject::stopTimer(getOwner(), bloodTimer);
        bloodTimer = 0;
        blood = 1.0f;
    }
    // White added to the blood pass keeps the clothes clean; the blood
    // shows as the white goes.
    const float c = 1.0f - blood;
    materialBlendColour(kBlood, 1, 0, c, c, c, 0);
}
