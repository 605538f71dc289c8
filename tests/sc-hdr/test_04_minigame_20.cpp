// The keypad of room 04_03 on the headless engine: the codes drawn for a
// new game, showing and hiding the panel for its two uses, typing digits,
// enter with a wrong and with the right code, the window's cross-fade and
// the one report to the close-up zone, and the key highlight; and the
// second use in the story, with the real close-up zone and task engine.
#include "04_minigame_20.h"
#include "PuzzleFixture.h"
#include "StoryInterface.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>
#include <Overlay/OgreOverlay.h>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;
using tq::PuzzleFixture;
using tq::ScriptFixture;

using Panel = sc_04_minigame_20;

const char* const kTemplates = R"(
template container Panel(CounterComment)
{
    metrics_mode relative
}
)";

class CodePanel : public ::testing::Test
{
protected:
    CodePanel() : fx({"20_snd_00", "20_snd_01", "20_snd_02"}) {}

    void SetUp() override
    {
        ScriptFixture::overlayScript(kTemplates);
        ScriptFixture::text(6052, "Add the two numbers");
        ScriptFixture::text(6053, "Type the third number");
        // The test moves the focus itself; the engine's own pick would find
        // nothing under the cursor and take it away again.
        gApp.mPickingOff = true;
        if (!realZone)
            fx.engine->addRecorder("04_03_az_pult_npm");
        fx.engine->addRecorder("interface");
        camera = fx.engine->addObject("Camera");
        Ogre::SceneNode* group = fx.piece("04_minigame_20.scene")->getNode();
        // The room's ten keys with their real pieces: object NN reports
        // NN + 1, so 00..08 type 1..9 and 09 is the enter key.
        for (int i = 0; i < Panel::kKeyObjects; ++i)
        {
            keys[i] = fx.piece(name("04_03_game_but_", i), group, "piece.mesh", "04_03_game_but.sc");
            keys[i]->getNode()->setPosition(2.0f * i, 1.0f, -20.0f);
        }
        for (int i = 0; i < 3; ++i)
            fx.piece(name("04_03_game_pass_", i), group);
        fx.piece("04_03_game_select", group);
        fx.piece("04_03_game_light_00");
        fx.piece("04_03_game_light_01");
        for (int i = 0; i < 10; ++i)
        {
            ScriptFixture::material(name("04_03_game_pass_", i));
            ScriptFixture::material(name("04_03_game_sym_", i));
        }
        for (const char* m : {"00_empty", "04_03_game_sym_enter", "04_03_game_select"})
            ScriptFixture::material(m);
        ScriptFixture::material("04_03_game_window2", 2);
    }

    static std::string name(const char* prefix, int i)
    {
        char text[64];
        std::snprintf(text, sizeof(text), "%s%02d", prefix, i);
        return text;
    }
    /// Saved codes: a = 123, b = 456 (a + b = 579), c = 248.
    static void saveCodes(int typed = 0)
    {
        int data[Panel::kSaved] = {123, 456, typed, 248};
        int end = 0;
        CVirtualScript::saveGameArray(Panel::kSaved, 4, 20, data, &end);
    }
    void create()
    {
        object = fx.engine->addObject("04_minigame_20", "04_minigame_20.sc");
        fx.engine->frame();
        panel = tq::HeadlessEngine::scriptOf<Panel>(object);
        ASSERT_NE(panel, nullptr);
    }
    void show()
    {
        create();
        send(1);
        tq::RecordingScript::calls().clear();
        PuzzleFixture::hush();
    }
    void send(int code)
    {
        fx.engine->notify(object, code);
        fx.engine->frame();
        fx.engine->frame(0.001f); // what the game sent in answer arrives
    }
    /// Presses the keys of these numbers (1..9 digits, 10 enter) on their
    /// objects.
    void type(std::initializer_list<int> numbers)
    {
        for (int number : numbers)
        {
            fx.engine->postButton(keys[number - 1], true);
            fx.engine->frame();
            fx.engine->postButton(keys[number - 1], false);
            fx.engine->frame(0.001f);
        }
    }

    static std::string materialOf(const std::string& object)
    {
        return PuzzleFixture::entityOf(object)->getSubEntity(0)->getMaterialName();
    }
    /// The display, hundreds to units.
    static std::string display()
    {
        return materialOf("04_03_game_pass_02") + " " + materialOf("04_03_game_pass_01") + " " +
               materialOf("04_03_game_pass_00");
    }
    /// The window's picture in a pass, without the file type (that is the
    /// one the resources hold).
    static std::string windowTexture(int pass)
    {
        const std::string picture = ScriptFixture::unit("04_03_game_window2", pass)->getTextureName();
        return picture.substr(0, picture.rfind('.'));
    }
    static Ogre::ColourValue captionColour(const char* element)
    {
        return static_cast<Ogre::TextAreaOverlayElement*>(ScriptFixture::element(element))->getColourTop();
    }

    bool realZone = false; ///< the real close-up zone in place of its spy
    PuzzleFixture fx;
    tq::OverlayScope overlays;
    CObject* camera = nullptr;
    CObject* keys[Panel::kKeyObjects] = {};
    CObject* object = nullptr;
    Panel* panel = nullptr;
};

TEST_F(CodePanel, NewCodesHaveThreeDigitsAndNoZero)
{
    create();
    EXPECT_TRUE(CVirtualScript::isGameEndSet(4, 20));
    for (uint32_t seed : {0u, 3u, 11u, 2024u})
    {
        if (seed)
        {
            CVirtualScript::randomSeed(seed);
            panel->genData();
        }
        const int a = panel->data[Panel::kA], b = panel->data[Panel::kB], c = panel->data[Panel::kC];
        for (int v : {a, b, c})
        {
            EXPECT_GE(v, 100);
            EXPECT_LE(v, 999);
        }
        EXPECT_LT(a + b, 1000);
        for (int v : {a + b, c})
            EXPECT_TRUE(v % 10 != 0 && v / 10 % 10 != 0 && v / 100 != 0) << v;
        EXPECT_EQ(CVirtualScript::getVarI("4_20_variable_3"), c);
    }
    EXPECT_TRUE(Panel::isNull(105));
    EXPECT_TRUE(Panel::isNull(150));
    EXPECT_FALSE(Panel::isNull(999));
}

TEST_F(CodePanel, ShowingAndHidingThePanelForItsTwoUses)
{
    saveCodes();
    create();
    Ogre::Overlay* overlay = Ogre::OverlayManager::getSingleton().getByName("Minigame20Text");
    ASSERT_NE(overlay, nullptr);
    EXPECT_FALSE(overlay->isVisible());
    EXPECT_EQ(overlay->getZOrder(), 150);
    EXPECT_EQ(ScriptFixture::caption("Minigame20Text00"), "Add the two numbers");
    EXPECT_EQ(ScriptFixture::caption("Minigame20Text01"), "Type the third number");
    EXPECT_FLOAT_EQ(ScriptFixture::element("Minigame20TextContainer01")->getTop(), 0.206f);
    EXPECT_FALSE(PuzzleFixture::shown("04_03_game_but_00"));
    // The panel hangs under the camera from the start.
    EXPECT_EQ(gApp.mSceneMgr->getSceneNode("04_minigame_20.scene")->getParent(), camera->getNode());

    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    send(1);
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_TRUE(PuzzleFixture::shown("04_03_game_but_00"));
    EXPECT_FALSE(PuzzleFixture::shown("04_03_game_select"));
    EXPECT_EQ(materialOf("04_03_game_but_04"), "04_03_game_sym_04");
    EXPECT_EQ(materialOf("04_03_game_but_09"), "04_03_game_sym_enter");
    EXPECT_EQ(display(), "00_empty 00_empty 00_empty");
    EXPECT_EQ(windowTexture(0), "04_03_rooms_00");
    EXPECT_EQ(windowTexture(1), "04_03_rooms_01");
    EXPECT_TRUE(PuzzleFixture::shown("04_03_game_light_00"));
    EXPECT_FALSE(PuzzleFixture::shown("04_03_game_light_01"));
    EXPECT_EQ(captionColour("Minigame20Text00"), Ogre::ColourValue(1.0f, 1.0f, 0.8f));
    EXPECT_EQ(captionColour("Minigame20Text01"), Ogre::ColourValue(0.0f, 0.176f, 0.333f));
    EXPECT_EQ(notes("interface"), Calls{note(16042, nullptr)});
    EXPECT_NE(panel->timer, 0);

    send(2);
    EXPECT_FALSE(overlay->isVisible());
    EXPECT_FALSE(PuzzleFixture::shown("04_03_game_but_00"));
    EXPECT_EQ(panel->timer, 0);

    // The second use: the other caption, lights and pictures.
    CVirtualScript::setVarI("04_03_az_pult_npm@second_pass", 1);
    send(1);
    EXPECT_EQ(captionColour("Minigame20Text01"), Ogre::ColourValue(1.0f, 1.0f, 0.8f));
    EXPECT_EQ(captionColour("Minigame20Text00"), Ogre::ColourValue(0.0f, 0.176f, 0.333f));
    EXPECT_EQ(windowTexture(0), "04_03_rooms_01");
    EXPECT_EQ(windowTexture(1), "04_03_rooms_02");
    EXPECT_FALSE(PuzzleFixture::shown("04_03_game_light_00"));
    EXPECT_TRUE(PuzzleFixture::shown("04_03_game_light_01"));
}

TEST_F(CodePanel, DigitsFillTheDisplayAndAFourthIsIgnored)
{
    saveCodes();
    show();
    type({5});
    EXPECT_EQ(display(), "00_empty 00_empty 04_03_game_pass_05");
    EXPECT_TRUE(PuzzleFixture::played("20_snd_00"));
    type({7, 9});
    EXPECT_EQ(display(), "04_03_game_pass_05 04_03_game_pass_07 04_03_game_pass_09");
    EXPECT_EQ(CVirtualScript::getVarI("4_20_variable_2"), 579); // saved at every press
    PuzzleFixture::hush();
    type({1});
    EXPECT_FALSE(PuzzleFixture::played("20_snd_00"));
    EXPECT_EQ(panel->data[Panel::kTyped], 579);
    // Each press logs the number typed before it and both codes.
    EXPECT_NE(fx.engine->log().find("\n579 579 248\n"), std::string::npos);
}

TEST_F(CodePanel, EnterWithAWrongOrPartialCodeEmptiesTheDisplay)
{
    saveCodes();
    show();
    for (std::initializer_list<int> keys : {std::initializer_list<int>{5, 7}, std::initializer_list<int>{2, 4, 8}})
    {
        PuzzleFixture::hush();
        type(keys);
        type({Panel::kEnter});
        EXPECT_TRUE(PuzzleFixture::played("20_snd_02"));
        EXPECT_FALSE(PuzzleFixture::played("20_snd_01"));
        EXPECT_EQ(display(), "00_empty 00_empty 00_empty");
        EXPECT_EQ(panel->ending, 0);
    }
    fx.engine->frames(30, 0.1f);
    EXPECT_EQ(notes("04_03_az_pult_npm"), Calls{});
}

TEST_F(CodePanel, TheRightCodeChangesTheWindowAndReportsOnce)
{
    saveCodes();
    show();
    type({5, 7, 9, Panel::kEnter});
    EXPECT_TRUE(PuzzleFixture::played("20_snd_01"));
    EXPECT_EQ(display(), "00_empty 00_empty 00_empty");
    EXPECT_EQ(panel->ending, 1);
    // Keys pressed during the two seconds of the cross-fade change nothing.
    fx.engine->frames(10, 0.1f);
    EXPECT_NEAR(ScriptFixture::unit("04_03_game_window2", 1)->getColourBlendMode().colourArg2.r,
                panel->endingTime, 1e-5f);
    EXPECT_GT(panel->endingTime, 0.4f);
    type({5, 7, 9, Panel::kEnter});
    EXPECT_EQ(notes("04_03_az_pult_npm"), Calls{});
    fx.engine->frames(15, 0.1f);
    EXPECT_EQ(notes("04_03_az_pult_npm"), Calls{note(555, object)});
    EXPECT_FLOAT_EQ(panel->endingTime, 1.0f);
    EXPECT_FLOAT_EQ(ScriptFixture::unit("04_03_game_window2", 0)->getColourBlendMode().colourArg2.r, 0.0f);
    EXPECT_EQ(CVirtualScript::getVarI("4_20_variable_game_end"), 1);

    // Solved: no further report in this show, and the highlight stays put.
    type({1, Panel::kEnter});
    fx.engine->frames(10, 0.1f);
    send(10003);
    EXPECT_EQ(panel->selectOn, 0);
    EXPECT_EQ(notes("04_03_az_pult_npm").size(), 1u);
}

TEST_F(CodePanel, TheSecondUseAsksForTheThirdNumber)
{
    saveCodes();
    CVirtualScript::setVarI("04_03_az_pult_npm@second_pass", 1);
    show();
    type({5, 7, 9, Panel::kEnter});
    EXPECT_TRUE(PuzzleFixture::played("20_snd_02"));
    EXPECT_EQ(panel->ending, 0);
    type({2, 4, 8, Panel::kEnter});
    EXPECT_TRUE(PuzzleFixture::played("20_snd_01"));
    fx.engine->frames(25, 0.1f);
    EXPECT_EQ(notes("04_03_az_pult_npm"), Calls{note(555, object)});
    // The codes were drawn once: a, b and c are those of the first use.
    EXPECT_EQ(panel->data[Panel::kA] + panel->data[Panel::kB], 579);
}

TEST_F(CodePanel, TheHighlightFollowsTheFocusAndFadesAway)
{
    saveCodes();
    show();
    // The highlight lies over the key under the cursor, not its neighbour.
    fx.engine->hover(keys[4]);
    fx.engine->frame();
    fx.engine->frame(0.001f); // the piece's report arrives
    EXPECT_TRUE(PuzzleFixture::shown("04_03_game_select"));
    EXPECT_TRUE(PuzzleFixture::position("04_03_game_select").positionEquals(vec3(8.0f, 1.0f, -20.0f)));
    fx.engine->frames(3, 0.1f);
    EXPECT_FLOAT_EQ(panel->selectAlpha, 1.0f);
    // The enter key, the last object, has its highlight too.
    fx.engine->hover(keys[9]);
    fx.engine->frame();
    fx.engine->frame(0.001f); // the piece's report arrives
    EXPECT_TRUE(PuzzleFixture::position("04_03_game_select").positionEquals(vec3(18.0f, 1.0f, -20.0f)));

    fx.engine->hover(nullptr);
    fx.engine->frame();
    fx.engine->frame(0.001f);
    send(1400); // paused: the fade stands still
    fx.engine->frames(5, 0.1f);
    EXPECT_GT(panel->selectAlpha, 0.9f);
    send(1500);
    fx.engine->frames(6, 0.1f);
    EXPECT_FLOAT_EQ(panel->selectAlpha, 0.0f);
    EXPECT_FALSE(PuzzleFixture::shown("04_03_game_select"));
}

// The keypad in the story: the real close-up zone "04_03_az_pult_npm" (with
// no fader in the room, so its views cut) and the real in-game interface
// running the plan's two tasks of the second use: set the zone's
// "second_pass", then wait for the close-up game to be solved.
class CodePanelInTheStory : public CodePanel
{
protected:
    CodePanelInTheStory() { realZone = true; }

    void tell()
    {
        // The zone finds the panel and the interface when it is created.
        create();
        sc_00_ginterface* gi = tq::StoryInterface::add(*fx.engine);
        ASSERT_NE(gi, nullptr);
        zone = fx.piece("04_03_az_pult_npm", nullptr, "piece.mesh", "00_near_plane_mini.sc");
        zone->mParams["cam_in_msg"] = "5305";
        zone->mParams["cam_out_msg"] = "5101";
        zone->mParams["minigame_script"] = "04_minigame_20";
        fx.engine->frame();
        gi->threadAdd();
        gi->taskAddSetParam("04_03_az_pult_npm@second_pass", 1);
        gi->taskAddNearPlaneMini("04_03_az_pult_npm", 3, 1, 1);
        gi->taskAddSetParam("pult_solved", 1);
        tq::StoryInterface::play(*fx.engine);
    }

    CObject* zone = nullptr;
};

TEST_F(CodePanelInTheStory, ThePlansSecondPassAsksForTheThirdNumberAndTheThreadGoesOn)
{
    saveCodes();
    tell();
    EXPECT_EQ(CVirtualScript::getVarI("04_03_az_pult_npm@second_pass"), 1);
    // The player goes into the close-up: with no fader the view cuts, with
    // a warning, and the panel shows.
    fx.engine->click(zone);
    fx.engine->frames(3);
    EXPECT_NE(fx.engine->log().find("\nWARNING: 00_near_plane_mini: no 00_fader, code 5305 cuts without a fade"),
              std::string::npos);
    ASSERT_NE(panel->timer, 0);
    EXPECT_TRUE(PuzzleFixture::shown("04_03_game_but_00"));
    EXPECT_EQ(gApp.mPickMask, 2u);

    // The sum of the first use is wrong now; the third number is right.
    type({5, 7, 9, Panel::kEnter});
    EXPECT_TRUE(PuzzleFixture::played("20_snd_02"));
    EXPECT_EQ(panel->ending, 0);
    type({2, 4, 8, Panel::kEnter});
    EXPECT_EQ(panel->ending, 1);
    fx.engine->frames(30, 0.1f);
    // Solved: the interface takes the player back out, the panel is put
    // away and the thread goes on.
    EXPECT_EQ(panel->timer, 0);
    EXPECT_FALSE(PuzzleFixture::shown("04_03_game_but_00"));
    EXPECT_EQ(CVirtualScript::getVarI("pult_solved"), 1);
    EXPECT_EQ(gApp.mPickMask, 1u);
}
} // namespace
