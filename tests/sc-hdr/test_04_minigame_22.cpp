// The code generator of room 04_06 and the code box of room 04_05 on the
// headless engine: a new game's board, levers pulling sliders a step back
// (0 round to 4) over a second, the code fading onto the signs once the
// sliders match (with the frame's win only when started through it), the
// box plates turning one way round and opening the door zone, the skip,
// reloads and a damaged save.
#include "04_minigame_22.h"
#include "PuzzleFixture.h"
#include "ResultDisplay.h"
#include "SpyNotes.h"

#include <OgreTextureUnitState.h>
#include <Overlay/OgreOverlay.h>

#include <set>
#include <vector>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;
using tq::PuzzleFixture;
using tq::ScriptFixture;

using Generator = sc_04_minigame_22;

class CodeGenerator : public ::testing::Test
{
protected:
    CodeGenerator() : fx({"22_snd_00", "22_snd_01", "22_snd_02", "01_snd_00"}) {}

    void SetUp() override
    {
        for (const char* spy : {"journal", "00_minigame_starter", "interface", "04_05_az_KodLarec_msz"})
            fx.engine->addRecorder(spy);
        if (realFrame)
            addResultDisplay();
        else
            fx.engine->addRecorder("00_minigame_interf");
        starter = fx.engine->addRecorder("starter");
        for (int w = 0; w < Generator::kSliders; ++w)
        {
            CObject* s = fx.piece(name("04_06_generator_koda_", w + 1));
            s->getNode()->setPosition(10.0f * w, 5.0f, -20.0f);
            fx.piece(name("04_06_az_generator_koda_", w));
            ScriptFixture::material("04_generator_koda/04_art" + std::to_string(w + 1));
        }
        for (int d = 0; d < Generator::kPlates; ++d)
        {
            fx.piece(name("04_05_az_KodLarec_Door_", d));
            ScriptFixture::material("04_generator_koda/04_znak" + std::to_string(d + 1));
            ScriptFixture::material(name("04_KodLarec/code_", d + 1));
        }
    }

    /// The real result display of the mini-game frame in place of the spy.
    void addResultDisplay()
    {
        overlays.reset(new tq::OverlayScope());
        tq::ResultDisplay::add(*fx.engine);
    }

    static std::string name(const char* prefix, int i)
    {
        char text[96];
        std::snprintf(text, sizeof(text), "%s%02d", prefix, i);
        return text;
    }
    /// A saved game: slider positions and solutions, the code, the box.
    static void saveBoard(const std::vector<int>& positions, const std::vector<int>& solutions,
                          const std::vector<int>& code, const std::vector<int>& box, int state = 0)
    {
        int data[Generator::kSaved] = {};
        for (int w = 0; w < Generator::kSliders; ++w)
        {
            data[w] = positions[w];
            data[Generator::kSolutions + w] = solutions[w];
        }
        for (int d = 0; d < Generator::kPlates; ++d)
        {
            data[Generator::kCode + d] = code[d];
            data[Generator::kBox + d] = box[d];
        }
        CVirtualScript::saveGameArray(Generator::kSaved, 4, 22, data, &state);
    }
    static int saved(int index) { return CVirtualScript::getVarI(CVirtualScript::makeGameArrayKey(4, 22, index)); }

    void create()
    {
        object = fx.engine->addObject("04_06_az_generator_koda_mg", "04_minigame_22.sc");
        fx.engine->frame();
        game = tq::HeadlessEngine::scriptOf<Generator>(object);
        ASSERT_NE(game, nullptr);
        tq::RecordingScript::calls().clear();
        PuzzleFixture::hush();
    }
    void tell(int code, CObject* from = nullptr)
    {
        fx.engine->notify(object, code, from);
        fx.engine->frame(0.002f);
        fx.engine->frame(0.002f); // what the game sent in answer arrives
    }
    /// The slider's depth below its place in the scene.
    static float depth(int w) { return -20.0f - PuzzleFixture::position(name("04_06_generator_koda_", w + 1)).z; }
    static float sign(int d)
    {
        return ScriptFixture::unit("04_generator_koda/04_znak" + std::to_string(d + 1))->getTextureVScroll();
    }
    static float plate(int d) { return ScriptFixture::unit(name("04_KodLarec/code_", d + 1))->getTextureVScroll(); }

    bool realFrame = false; ///< the frame's real result display in place of the spy
    std::unique_ptr<tq::OverlayScope> overlays;
    PuzzleFixture fx;
    CObject* starter = nullptr;
    CObject* object = nullptr;
    Generator* game = nullptr;
};

const std::vector<int> kCode = {1, 2, 3, 1, 2, 3, 1};
const std::vector<int> kSolutions = {2, 0, 4, 1, 3};

TEST_F(CodeGenerator, ANewGameDrawsSlidersASolutionOrderAndACode)
{
    create();
    ASSERT_TRUE(CVirtualScript::isGameEndSet(4, 22));
    std::set<int> solutions;
    for (int w = 0; w < Generator::kSliders; ++w)
    {
        EXPECT_GE(saved(w), 0);
        EXPECT_LE(saved(w), 4);
        solutions.insert(saved(Generator::kSolutions + w));
        EXPECT_NEAR(depth(w), 6.0f * saved(w), 1e-4f);
        EXPECT_NEAR(ScriptFixture::unit("04_generator_koda/04_art" + std::to_string(w + 1))->getTextureVScroll(),
                    0.191f * saved(Generator::kSolutions + w), 1e-5f);
    }
    EXPECT_EQ(solutions, (std::set<int>{0, 1, 2, 3, 4}));
    for (int d = 0; d < Generator::kPlates; ++d)
    {
        EXPECT_GE(saved(Generator::kCode + d), 1);
        EXPECT_LE(saved(Generator::kCode + d), 3);
        EXPECT_EQ(saved(Generator::kBox + d), 0);
        EXPECT_FLOAT_EQ(sign(d), 0.0f); // no code before the sliders match
    }
    EXPECT_EQ(game->state, 0);
}

TEST_F(CodeGenerator, ALeverPullsItsSliderAStepBackOverASecond)
{
    saveBoard({3, 0, 4, 1, 4}, kSolutions, kCode, {0, 0, 0, 0, 0, 0, 0});
    create();
    tell(30000);
    EXPECT_TRUE(PuzzleFixture::played("22_snd_02"));
    EXPECT_EQ(saved(0), 2); // saved at once
    fx.engine->frame(0.496f); // half way: the cosine ease is at its middle
    EXPECT_NEAR(depth(0), 15.0f, 0.05f);
    fx.engine->frame(0.6f);
    EXPECT_NEAR(depth(0), 12.0f, 1e-4f);

    // From 0 the slider runs the whole way back up to 4.
    tell(30001);
    fx.engine->frames(2, 0.6f);
    EXPECT_EQ(saved(1), 4);
    EXPECT_NEAR(depth(1), 24.0f, 1e-4f);

    // Pulled again while moving, it sets off from where it is.
    tell(30004);
    fx.engine->frame(0.496f); // 4 -> 3: at 21
    tell(30004);
    fx.engine->frame(0.496f); // on from 21 to 12
    EXPECT_NEAR(depth(4), 16.5f, 0.05f);
    fx.engine->frame(0.6f);
    EXPECT_NEAR(depth(4), 12.0f, 1e-4f);

    // Releases, focus and unknown levers move nothing.
    const float before = depth(2);
    for (int code : {40002, 10002, 20002, 30005, 30099})
        tell(code);
    fx.engine->frame(1.1f);
    EXPECT_EQ(depth(2), before);
    EXPECT_EQ(saved(2), 4);
    EXPECT_EQ(game->state, 0);
}

TEST_F(CodeGenerator, MatchingSlidersShowTheCodeAndTellTheFrameWhenStartedThroughIt)
{
    saveBoard({2, 0, 4, 1, 4}, kSolutions, kCode, {0, 0, 0, 0, 0, 0, 0});
    create();
    tell(1200, starter);
    tell(30004);
    fx.engine->frame(0.9f);
    EXPECT_EQ(game->state, 0); // not before the slider is at rest
    fx.engine->frame(0.2f);
    EXPECT_EQ(game->state, 1);
    EXPECT_EQ(CVirtualScript::getVarI(CVirtualScript::makeGameArrayKey(4, 22, -1)), 1);
    EXPECT_TRUE(PuzzleFixture::played("22_snd_01"));
    for (int w = 0; w < Generator::kSliders; ++w)
    {
        const std::string lever = name("04_06_az_generator_koda_", w);
        EXPECT_FALSE(PuzzleFixture::shown(lever));
        EXPECT_EQ(CVirtualScript::getVarI(lever + "@picked"), 1);
    }

    fx.engine->frame(1.0f); // half of the fade
    EXPECT_NEAR(sign(2), Puzzle::easeCubic(0.5f) * 0.75f, 1e-4f);
    EXPECT_TRUE(notes("journal").empty());
    fx.engine->frames(2, 0.6f);
    fx.engine->frame(0.002f); // the notices arrive
    EXPECT_NEAR(sign(2), 0.9999f * 0.75f, 1e-4f);
    EXPECT_NEAR(sign(0), 0.9999f * 0.25f, 1e-4f);
    EXPECT_EQ(notes("journal"), Calls{note(2000, nullptr)});
    EXPECT_EQ(notes("00_minigame_interf"), Calls{note(1100, object)});
    EXPECT_TRUE(PuzzleFixture::played("01_snd_00"));
    fx.engine->frames(2, 0.6f);
    EXPECT_EQ(notes("journal").size(), 1u);

    tell(1100);
    EXPECT_EQ(notes("00_minigame_starter"), Calls{note(1200, object)});
}

TEST_F(CodeGenerator, SolvedWithoutTheFrameOnlyTheJournalHears)
{
    saveBoard({2, 0, 4, 1, 4}, kSolutions, kCode, {0, 0, 0, 0, 0, 0, 0});
    create();
    tell(1200);
    tell(1300); // started and left again: not active
    tell(30004);
    fx.engine->frames(6, 0.9f); // a second to slide, two to fade the code in
    fx.engine->frame(0.002f);
    EXPECT_EQ(game->state, 1);
    EXPECT_EQ(notes("journal"), Calls{note(2000, nullptr)});
    EXPECT_TRUE(notes("00_minigame_interf").empty());
    EXPECT_FALSE(PuzzleFixture::played("01_snd_00"));
}

TEST_F(CodeGenerator, TheSkipSlidesEverySliderHomeAndEndsTheGenerator)
{
    saveBoard({0, 1, 2, 3, 4}, kSolutions, kCode, {0, 0, 0, 0, 0, 0, 0});
    create();
    tell(2500);
    for (int w = 0; w < Generator::kSliders; ++w)
        EXPECT_EQ(saved(w), kSolutions[w]);
    fx.engine->frame(1.1f);
    for (int w = 0; w < Generator::kSliders; ++w)
        EXPECT_NEAR(depth(w), 6.0f * kSolutions[w], 1e-4f);
    EXPECT_EQ(game->state, 1);
}

TEST_F(CodeGenerator, BoxPlatesTurnOneWayRoundAndOpenTheDoorEvenBeforeTheCode)
{
    saveBoard({0, 0, 0, 0, 0}, kSolutions, kCode, {1, 2, 3, 3, 2, 3, 1});
    create();
    EXPECT_NEAR(plate(2), 0.75f, 1e-6f);

    // Plate 3 from its last digit runs on to the first: down from 0.75 - 1.
    tell(50003);
    EXPECT_TRUE(PuzzleFixture::played("22_snd_00"));
    fx.engine->frame(0.496f); // the ease overshoots a little at first
    EXPECT_NEAR(plate(3), -0.25f + 0.25f * Puzzle::easeCubic(0.5f), 0.005f);
    fx.engine->frame(0.6f);
    EXPECT_NEAR(plate(3), 0.0f, 1e-4f); // digit 0 is not the code's 1
    EXPECT_EQ(game->state, 0);
    EXPECT_TRUE(notes("04_05_az_KodLarec_msz").empty());

    tell(50003);
    fx.engine->frame(1.1f);
    fx.engine->frame(0.002f);
    EXPECT_NEAR(plate(3), 0.25f, 1e-3f);
    EXPECT_EQ(game->state, 2);
    EXPECT_EQ(CVirtualScript::getVarI(CVirtualScript::makeGameArrayKey(4, 22, -1)), 2);
    EXPECT_EQ(notes("04_05_az_KodLarec_msz"), Calls{note(100, object)});
    for (int d = 0; d < Generator::kPlates; ++d)
    {
        const std::string door = name("04_05_az_KodLarec_Door_", d);
        EXPECT_FALSE(PuzzleFixture::shown(door));
        EXPECT_EQ(CVirtualScript::getVarI(door + "@picked"), 1);
    }

    // The box is open: the sliders and plates stand still.
    tell(30000);
    tell(50000);
    fx.engine->frame(1.1f);
    EXPECT_NEAR(depth(0), 0.0f, 1e-4f);
    EXPECT_NEAR(plate(0), 0.25f, 1e-4f);
    EXPECT_EQ(notes("04_05_az_KodLarec_msz").size(), 1u);
}

TEST_F(CodeGenerator, ASavedSolvedGeneratorShowsItsCodeAndFadesItInAgain)
{
    saveBoard({2, 0, 4, 1, 3}, kSolutions, kCode, {0, 0, 0, 0, 0, 0, 0}, 1);
    create();
    EXPECT_NEAR(sign(1), 0.5f, 1e-6f); // at once, before the fade's first step
    fx.engine->frames(7, 0.5f); // steps of a quarter land exactly on the fade's end
    EXPECT_EQ(game->state, 1);
    EXPECT_FLOAT_EQ(game->fade, 1.0f);
    EXPECT_EQ(notes("journal"), Calls{note(2000, nullptr)});
    EXPECT_TRUE(notes("00_minigame_interf").empty());
}

TEST_F(CodeGenerator, ADamagedSaveIsMendedWithAWarning)
{
    saveBoard({9, 0, 4, 1, -2}, {2, 0, 7, 1, 3}, {1, 2, 3, 0, 2, 3, 1}, {0, 0, 5, 0, 0, 0, 0}, 6);
    create();
    const std::string log = fx.engine->log();
    EXPECT_NE(log.find("[4_22_variable_0] = 9 is out of range"), std::string::npos);
    EXPECT_NE(log.find("[4_22_variable_game_end] = 6 is out of range"), std::string::npos);
    EXPECT_EQ(game->state, 0);
    EXPECT_NEAR(depth(0), 0.0f, 1e-4f);
    EXPECT_NEAR(depth(4), 0.0f, 1e-4f);
    tell(30000);
    fx.engine->frame(1.1f);
    EXPECT_NEAR(depth(0), 24.0f, 1e-4f);
}

// With the frame's real result display.
class CodeGeneratorInFrame : public CodeGenerator
{
protected:
    CodeGeneratorInFrame() { realFrame = true; }
};

TEST_F(CodeGeneratorInFrame, AGeneratorSolvedBeforeTheFrameStartedItStillEndsTheGame)
{
    saveBoard({2, 0, 4, 1, 4}, kSolutions, kCode, {0, 0, 0, 0, 0, 0, 0});
    create();
    tell(30004); // solved in the room, outside the frame
    fx.engine->frames(6, 0.9f);
    ASSERT_EQ(game->state, 1);
    EXPECT_TRUE(notes("00_minigame_starter").empty());
    // The frame starts the game now: the win is told at once, the result
    // is shown and echoed, and the game asks the starter to end.
    tell(1200, starter);
    EXPECT_NE(fx.engine->log().find("\nYOU WIN !!!"), std::string::npos);
    fx.engine->frames(80, 0.1f);
    EXPECT_EQ(notes("00_minigame_starter"), Calls{note(1200, object)});
}
} // namespace
