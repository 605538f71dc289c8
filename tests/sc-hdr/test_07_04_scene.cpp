// The flashback of location 5: the priest's walk with the gem in his hand,
// the parchment, the billboard on his hand 8.45 s later, the dialog at the
// flight's end and the answer at its end.
#include "07_04_scene.h"
#include "Loc7Fixture.h"
#include "VirtualScript.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;

class PriestFlashback : public tq::Loc7Fixture
{
protected:
    void SetUp() override
    {
        Loc7Fixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "07_papirus", "00_game_interface"});
        Ogre::OverlayManager& om = Ogre::OverlayManager::getSingleton();
        overlay = om.create("CutSceneOverlay");
        container = static_cast<Ogre::OverlayContainer*>(om.createOverlayElement("Panel", "CutSceneContainer"));
        overlay->add2D(container);
        container->hide();
        priest = person("08_priest");
        gem = prop("07_tolvane_anim");
        billboard = prop("07_tolvane_anim_bb");
        self = scene("07_04_scene", "07_04_scene.sc");
        script = tq::HeadlessEngine::scriptOf<sc_07_04_scene>(self);
    }

    void say(int code)
    {
        engine->notify(self, code);
        engine->frames(2, kDt);
    }

    Ogre::Overlay* overlay = nullptr;
    Ogre::OverlayContainer* container = nullptr;
    CAnimatableObject* priest = nullptr;
    CObject *gem = nullptr, *billboard = nullptr, *self = nullptr;
    sc_07_04_scene* script = nullptr;
};

TEST_F(PriestFlashback, CreationHidesTheGemAndItsBillboard)
{
    EXPECT_FALSE(shown(gem));
    EXPECT_FALSE(shown(billboard));
    EXPECT_FALSE(overlay->isVisible());
}

TEST_F(PriestFlashback, WalkWithTheGemThenTheBillboardThenTheDialog)
{
    layers(priest, {"static", "walk"});
    engine->clearLog();
    say(100);
    EXPECT_TRUE(shown(gem));
    EXPECT_EQ(count(engine->log(), boneFailure("08_priest_Bip01_L_Hand", "08_priest")), 1u);
    EXPECT_EQ(notes("01_cam_move"), (Calls{note(5701, self), note(10701, self)}));
    EXPECT_EQ(notes("07_papirus"), Calls{note(100, nullptr)});
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_TRUE(container->isVisible());
    EXPECT_TRUE(shown(priest));
    EXPECT_LT(priest->getNode()->getPosition().distance({28, 3, 4445}), 1e-3f);
    EXPECT_TRUE(asked("08_priest").empty());
    EXPECT_EQ(points(priest), (Calls{"stand", "walk@658,3,4445", "stand"}));
    EXPECT_FALSE(shown(billboard));

    // The flight may end first: the dialog starts with the billboard dark.
    say(10701);
    EXPECT_EQ(notes("02_dialogs"), Calls{note(6060, self)});
    EXPECT_FALSE(shown(billboard));

    // He stands on his first pose until the billboard's time, then walks.
    engine->clearLog();
    engine->frames(64, kDt);
    EXPECT_FALSE(shown(billboard));
    EXPECT_EQ(priest->getCurrentPoint(), 0);
    EXPECT_LT(priest->getNode()->getPosition().distance({28, 3, 4445}), 1e-3f);
    engine->frames(4, kDt);
    EXPECT_TRUE(shown(billboard));
    EXPECT_EQ(priest->getCurrentPoint(), 1);
    EXPECT_EQ(count(engine->log(), boneFailure("08_priest_Bip01_L_Hand", "08_priest")), 1u);
    // 630 units at 100 a second, then the last pose.
    engine->frames(60, kDt);
    // A walker arrives within two frames' steps of his point.
    EXPECT_LT(priest->getNode()->getPosition().distance({658, 3, 4445}), 25.0f);
    EXPECT_EQ(priest->getCurrentPoint(), 2);

    say(6060);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, self)});
}

TEST_F(PriestFlashback, ASecondStartKeepsOnlyTheNewestBillboardTimer)
{
    say(100);
    const int first = script->billboardTimer;
    engine->frames(8, kDt);
    say(100);
    EXPECT_NE(script->billboardTimer, first);
    EXPECT_EQ(points(priest).size(), 3u);
    // The first timer's tick passes without the billboard.
    engine->frames(60, kDt);
    EXPECT_FALSE(shown(billboard));
    engine->frames(10, kDt);
    EXPECT_TRUE(shown(billboard));
}

TEST_F(PriestFlashback, OtherCodesAreIgnored)
{
    for (int code : {1100, 200, 6789, 10702})
        say(code);
    EXPECT_TRUE(tq::RecordingScript::calls().empty());
    EXPECT_FALSE(shown(gem));
}
} // namespace
