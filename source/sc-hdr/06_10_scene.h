// The script registered as "06_10_scene.sc": the finale of location 6.  On
// 100 from the game interface the villain walks in with his gun and the
// lord follows; dialog 6058, the villain's shot (a shell case falls onto a
// floor tile), the lord's answer, blood spreading on the villain's clothes,
// the villain gone, then dialog 6059, during which the crystal and the
// green gem come into the hero's hand; its end is reported to the game
// interface.
#pragma once

#include "CodeScript.h"

class sc_06_10_scene : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_10_scene(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    /// A prop carried on a bone of another object.
    struct Item
    {
        OBJECT_HANDLE obj = 0;
        OBJECT_HANDLE parent = 0; ///< whose skeleton holds the bone
        int attached = 0;         ///< 1 while shown on its bone
        String bone;
    };

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    void init(Item& item, OBJECT_HANDLE obj, OBJECT_HANDLE parent, const String& bone);
    void attachAndShow(Item& item);
    void detachAndHide(Item& item);

    void start1();
    void start2();
    void start3();
    void start4();
    void start5();
    void start6();
    void attachKristal();
    void stop();
    /// One step of the blood spreading over 3 s.
    void bloodStep();

    OBJECT_HANDLE cam_move = 0;
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE hero = 0;
    OBJECT_HANDLE villain = 0;
    OBJECT_HANDLE lord = 0;
    OBJECT_HANDLE villain_gun = 0;
    OBJECT_HANDLE lord_gun = 0;
    OBJECT_HANDLE gun_smoke = 0;
    OBJECT_HANDLE kristall = 0;
    OBJECT_HANDLE tolvane_bb = 0;
    OBJECT_HANDLE gilza = 0;
    OBJECT_HANDLE plitka = 0;
    Item villainGunItem;
    Item lordGunItem;
    Item kristallItem;
    Item tolvaneItem;
    Item smokeItem;
    int bloodTimer = 0;
    float blood = 0.0f; ///< 0 clean to 1 soaked
};
