// The in-game interface's menus on the headless engine: the buttons built
// from their table at their places, menus fading and sliding in and out, a
// button acting on the release of the left button over it, the highlight
// under the cursor, scene clicks switched off over a button, the actions
// of the buttons, the turn arrows kept away where the view cannot turn,
// and the back button leaving a close-up.
#include "GInterfaceFixture.h"

#include "Log.h"
#include "TestSupport.h"

#include <Overlay/OgreTextAreaOverlayElement.h>

#include <gtest/gtest.h>

namespace
{
using tq::Told;
using GI = sc_00_ginterface;

class Menus : public tq::GInterfaceFixture
{
protected:
    void SetUp() override
    {
        GInterfaceFixture::SetUp();
        spies({"00_loader", "00_hint", "01_cam_move", "interface", "journal", "00_pauser", "00_minigame_starter",
               "zone", "tutorial"});
    }
    /// Play started and the mouse handed to the player.
    void play()
    {
        start();
        notify(555);
        notify(550);
        ticks(12); // the menus have come in
        forgetTold();
    }
};

TEST_F(Menus, ButtonsAreBuiltAtTheirPlaces)
{
    material("00_ginterface/menuitems/left");
    material("00_ginterface/menuitems/notebook_icon");
    CVirtualScript::setConfigI("skip_button_char_size", 0); // absent: not applied
    start();
    EXPECT_EQ(CVirtualScript::getConfigI("menu_02"), 1);
    EXPECT_EQ(CVirtualScript::getConfigI("menu_03"), 0);
    gi->menuShowAll(0);
    gi->menuShow(2);
    ticks(12);
    const struct
    {
        const char* element;
        float x, y, w, h;
    } cases[] = {
        {"__GameInterface__MenuItem_04", 0, 640, 128, 128},        // the journal
        {"__GameInterfaceFx__MenuItemFx_04", 0, 680, 108, 88},    // its highlight
        {"__GameInterfaceNum__MenuItem_03", 982, 687, 40, 40},     // the hint count
        {"__GameInterfaceRot__MenuItem_00", -10, 256, 64, 256},    // turn left
        {"__GameInterfaceBorder__MenuItem_04", 32, 0, 960, 16},    // the top border
        {"__GameInterfaceInventory__MenuItem_12", 218, 640, 588, 128}, // the bar
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.element);
        Ogre::OverlayElement* e = element(c.element);
        ASSERT_NE(e, nullptr);
        EXPECT_NEAR(e->getWidth(), c.w / 1024.0f, 1e-5f);
        EXPECT_NEAR(e->getHeight(), c.h / 768.0f, 1e-5f);
        EXPECT_NEAR(e->getLeft(), c.x / 1024.0f, 1e-5f);
        EXPECT_NEAR(e->getTop(), c.y / 768.0f, 1e-5f);
    }
    EXPECT_EQ(element("__GameInterface__MenuItem_04")->getMaterialName(), "00_ginterface/menuitems/notebook_icon");
    // The arrow's picture is turned to point left.
    EXPECT_NE(unit("00_ginterface/menuitems/left")->getTextureRotate(), Ogre::Radian(0));

    // Slots and their counters lie along the bar, the slots slid out.
    const GI::__MENU_ITEM& slot3 = gi->menus[3].items[3];
    EXPECT_NEAR(slot3.main.pos0.x, 201.0f / 1024.0f, 1e-6f);
    EXPECT_EQ(slot3.disabled, 1);
    EXPECT_NEAR(slot3.ampY, 0.09765625f, 1e-7f);
    EXPECT_NEAR(gi->menus[3].items[16].main.pos0.x, 213.0f / 1024.0f, 1e-6f);

    // The skip and instruction buttons carry their texts; the instruction's
    // character size has its default.
    EXPECT_NE(element("__GameInterfaceInventory__MenuItemBt_24"), nullptr);
    EXPECT_NE(element("__GameInterfaceInventory__MenuItemBt2_24"), nullptr);
    EXPECT_NE(engine.log().find("Setting text_char_height to __GameInterface __GameInterface__MenuItemBt_06 to 0.05"),
              std::string::npos);
    EXPECT_EQ(engine.log().find("MenuItemBt_24 to"), std::string::npos);
}

TEST_F(Menus, MenusFadeAndSlideInAndOut)
{
    start();
    ticks(1);
    EXPECT_EQ(gi->menus[1].state, 2);
    EXPECT_TRUE(shown("__GameInterfaceRot__MenuItem_00"));
    gi->menuHide(1);
    EXPECT_EQ(CVirtualScript::getConfigI("menu_01"), 0);
    ticks(5); // a quarter second: half way out
    EXPECT_NEAR(gi->menus[1].alpha, 0.5f, 1e-4f);
    const GI::___OVERLAY& left = gi->menus[1].items[0].main;
    EXPECT_NEAR(left.pos.x, 0.5f * left.pos0.x + 0.5f * -left.size0.x, 1e-5f);
    ticks(6);
    EXPECT_EQ(gi->menus[1].state, 0);
    EXPECT_FALSE(shown("__GameInterfaceRot__MenuItem_00"));

    // The inventory bar slides down but stays.
    gi->menuShow(3, 1);
    ticks(1);
    gi->menuHide(3);
    ticks(11);
    EXPECT_TRUE(shown("__GameInterfaceInventory__MenuItem_12"));
    EXPECT_NEAR(gi->menus[3].items[12].main.pos.y, 640.0f / 768.0f + 0.09765625f, 1e-5f);

    // In the first room of location 2 the view cannot turn: no arrows.
    CVirtualScript::setVarI("cur_loc", 2);
    CVirtualScript::setVarI("cur_room", 1);
    gi->menuShow(1);
    ticks(2);
    EXPECT_EQ(gi->menus[1].state, 0);
}

TEST_F(Menus, AButtonActsWhenTheButtonIsLetGoOverIt)
{
    play();
    const float arrowX = 0.02f, arrowY = 0.5f, awayX = 0.5f, awayY = 0.5f;
    struct Case
    {
        const char* label;
        float pressX, pressY, releaseX, releaseY;
        bool acts;
    };
    const Case cases[] = {
        {"press and release on it", arrowX, arrowY, arrowX, arrowY, true},
        {"released elsewhere", arrowX, arrowY, awayX, awayY, false},
        {"pressed elsewhere", awayX, awayY, arrowX, arrowY, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.label);
        mouse(c.pressX, c.pressY, true);
        EXPECT_TRUE(told("01_cam_move").empty()); // not on the press
        mouse(c.releaseX, c.releaseY, false);
        engine.frames(1);
        EXPECT_EQ(told("01_cam_move"), c.acts ? Told{"7770 from 00_game_interface"} : Told{});
        if (c.acts)
        {
            EXPECT_EQ(gi->interfaceActive, 0); // held until the turn ends
            notify(7770, spy("01_cam_move"));
            EXPECT_EQ(gi->interfaceActive, 1);
        }
        mouse(awayX, awayY, false);
    }
}

TEST_F(Menus, OverAButtonTheSceneTakesNoClicksAndTheHighlightComes)
{
    material("00_ginterface/menuitems/left_fx");
    play();
    watchCursor();
    mouse(0.02f, 0.5f, false);
    EXPECT_EQ(cursor(), "off");
    EXPECT_EQ(gi->hoverMid, 1);
    EXPECT_TRUE(shown("__GameInterfaceRotFx__MenuItemFx_00"));
    ticks(4); // 6 a second: full after a sixth of a second
    EXPECT_EQ(gi->menus[1].items[0].hoverState, 2);
    EXPECT_FLOAT_EQ(unit("00_ginterface/menuitems/left_fx")->getColourBlendMode().colourArg2.r, 1.0f);
    EXPECT_EQ(told("00_hint"), (Told{"2010 from 00_game_interface"}));

    engine.clearLog();
    mouse(0.5f, 0.5f, false);
    EXPECT_EQ(cursor(), "on");
    EXPECT_EQ(gi->menus[1].items[0].hoverState, 3);
    ticks(25); // 1 a second down
    EXPECT_EQ(gi->menus[1].items[0].hoverState, 0);
    EXPECT_FALSE(shown("__GameInterfaceRotFx__MenuItemFx_00"));
    EXPECT_EQ(told("00_hint"), (Told{"100 from 00_game_interface"}));

    // An empty inventory slot neither lights up nor acts.
    gi->menuShow(3, 1);
    ticks(2);
    const GI::___OVERLAY& slot = gi->menus[3].items[0].main;
    mouse(slot.scrPos.x + slot.scrSize.x / 2, slot.scrPos.y + slot.scrSize.y / 2, false);
    EXPECT_EQ(gi->hoverMid, -1);
}

TEST_F(Menus, ButtonsActOnlyWhenTheirMomentHasCome)
{
    play();
    CObject* journal = spy("journal");
    CObject* iface = spy("interface");
    struct Case
    {
        const char* label;
        int mid, id, playMode, active;
        int skipLocked;
        const char* ending;
        const char* to;
        Told told;
        Told starter;
        CObject* holder;
    };
    const Case cases[] = {
        {"journal", 0, 4, 1, 1, 0, nullptr, "journal", {"101 from 00_game_interface"}, {}, journal},
        {"journal in a mini-game", 0, 4, 2, 1, 0, nullptr, "journal", {"101 from 00_game_interface"}, {"1400"},
         journal},
        {"journal while a game ends", 0, 4, 1, 1, 0, "minigame_ending", "journal", {}, {}, nullptr},
        {"journal while held", 0, 4, 1, 0, 0, nullptr, "journal", {}, {}, nullptr},
        {"in-game menu", 0, 0, 1, 1, 0, nullptr, "interface", {"99 from 00_game_interface"}, {}, iface},
        {"in-game menu in a dialog", 0, 0, 1, 1, 0, "is_dialog_start", "interface", {}, {}, nullptr},
        {"skip a cut scene", 3, 24, 3, 1, 0, nullptr, "interface", {"92 from 00_game_interface"}, {}, nullptr},
        {"skip a mini-game", 3, 24, 2, 1, 0, nullptr, "interface", {"90 from 00_game_interface"},
         {"1400 from 00_game_interface"}, iface},
        {"skip before it is charged", 3, 24, 2, 1, 1, nullptr, "interface", {}, {}, nullptr},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.label);
        gi->activateGinterface();
        gi->playMode = c.playMode;
        gi->interfaceActive = c.active;
        gi->skipLocked = c.skipLocked;
        CVirtualScript::setConfigI("minigame_ending", 0);
        CVirtualScript::setConfigI("is_dialog_start", 0);
        if (c.ending)
            CVirtualScript::setConfigI(c.ending, 1);
        forgetTold();
        gi->menuItemOnPress(c.mid, c.id);
        engine.frames(2);
        EXPECT_EQ(told(c.to), c.told);
        EXPECT_EQ(told("00_minigame_starter"), c.starter);
        EXPECT_EQ(gi->holdObject, c.holder ? h(c.holder) : static_cast<OBJECT_HANDLE>(-1));
    }
    // The journal and the in-game menu pause and keep the inventory still.
    gi->activateGinterface();
    gi->playMode = 1;
    CVirtualScript::setConfigI("is_dialog_start", 0);
    forgetTold();
    gi->menuItemOnPress(0, 4);
    engine.frames(1);
    EXPECT_EQ(told("00_pauser"), (Told{"1"}));
    EXPECT_EQ(gi->inventoryDisabled, 1);
    EXPECT_EQ(gi->tutorialTasks[8], 1);
}

TEST_F(Menus, TheBackButtonLeavesTheCloseUp)
{
    play();
    CObject* zone = spy("zone");
    notify(300, zone);
    EXPECT_EQ(told("zone"), (Told{"2 from 00_game_interface"}));
    EXPECT_EQ(gi->menus[3].items[GI::ID_BACK].showState, 1);
    EXPECT_EQ(gi->menus[1].state, 3);
    EXPECT_EQ(CVirtualScript::getVarS("near_plane_obj"), "zone");
    notify(2, zone);

    gi->menuItemOnPress(3, GI::ID_BACK);
    engine.frames(2);
    EXPECT_EQ(told("zone"), (Told{"1 from 00_game_interface"}));
    EXPECT_EQ(gi->nearPlaneObj, 0u);
    EXPECT_EQ(CVirtualScript::getVarS("near_plane_obj"), "");
    EXPECT_EQ(gi->menus[1].state, 1);
    EXPECT_EQ(gi->menus[3].items[GI::ID_BACK].showState, 3);
    EXPECT_EQ(gi->interfaceActive, 0);
    notify(1, zone);
    EXPECT_EQ(gi->interfaceActive, 1);

    // Leaving the solved disc drawer keeps the arrows away.
    CObject* drawer = prop("02_03_az_room_stol_diski_door_npm");
    notify(303, drawer);
    notify(2, drawer);
    ticks(12);
    EXPECT_EQ(gi->menus[3].state, 0);
    notify(999);
    EXPECT_EQ(gi->menus[1].state, 0);
    EXPECT_EQ(gi->menus[3].state, 1);
    EXPECT_EQ(gi->nearPlaneMini, 0u);

    // While the camera flies the back button waits.
    notify(300, zone);
    notify(2, zone);
    CVirtualScript::setVarI("is_camera_moving", 1);
    forgetTold();
    gi->menuBackButtonClick(0);
    engine.frames(2);
    EXPECT_TRUE(told("zone").empty());
}
} // namespace

namespace
{
// The skip and instruction buttons write their captions in their own fonts:
// without a font a text area draws nothing.  (Fonts cannot load without a
// render system, so here each text asks for its font by name, and the game's
// data defines them.)
TEST_F(Menus, TheSkipAndInstructionTextsHaveTheirFontsAndCaptions)
{
    gApp.mStrings.load("00113", "Skip");
    gApp.mStrings.load("00129", "Instructions");
    start();
    auto text = [](const GI::___OVERLAY& ov) {
        return static_cast<Ogre::TextAreaOverlayElement*>(element(ov.sPan2));
    };
    const GI::__MENU_ITEM& skip = gi->menus[3].items[GI::ID_SKIP];
    const GI::__MENU_ITEM& instruction = gi->menus[0].items[GI::ID_INSTRUCTION];
    ASSERT_NE(text(skip.text), nullptr);
    EXPECT_EQ(text(skip.text)->getCaption().asUTF8(), "Skip");
    EXPECT_EQ(text(skip.text2)->getCaption().asUTF8(), "Skip");
    EXPECT_EQ(text(instruction.text)->getCaption().asUTF8(), "Instructions");
    EXPECT_EQ(text(instruction.text2)->getCaption().asUTF8(), "Instructions");
    EXPECT_TRUE(text(skip.text2)->isVisible());

    const std::string fontDefs =
        tq::readFile(std::string(TQ_TEST_SOURCE_DIR) + "/../data/game/media/00_ginterface_buttons.fontdef");
    for (const char* font : {"00_skip_button", "00_skip_button2", "00_instruction_button", "00_instruction_button2"})
    {
        SCOPED_TRACE(font);
        EXPECT_NE(engine.log().find("no font [" + std::string(font) + "]"), std::string::npos);
        EXPECT_NE(fontDefs.find("font " + std::string(font) + "\n"), std::string::npos);
    }
}
} // namespace
