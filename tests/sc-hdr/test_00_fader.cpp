// The view fader: which codes start a fade, its two phases counted in
// frames with the cut and the answers, a long frame, a restarted fade, and a
// scene without the camera mover.
#include "00_fader.h"
#include "HeadlessEngine.h"
#include "TestSupport.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>

#include <gtest/gtest.h>

#include <memory>

namespace
{
using tq::HeadlessEngine;
using tq::RecordingScript;

/// 125 ms frames: phase 0 rises 0.25 a frame, phase 1 falls 0.125.
const float kFrame = 0.125f;

class Fader : public ::testing::Test
{
protected:
    void SetUp() override
    {
        engine.reset(new HeadlessEngine());
        // Texture names on materials need a texture manager; OGRE's own
        // one loads nothing, which is all the names need here.  It stays
        // until the program ends, after the materials that name textures.
        new Ogre::DefaultTextureManager();
        Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().create("interf/faderRtt", "General");
        m->getTechnique(0)->getPass(0)->createTextureUnitState();
    }

    /// The fader, with or without a camera mover in the scene.
    void makeFader(bool withMover = true)
    {
        if (withMover)
            mover = engine->addRecorder("01_cam_move");
        requester = engine->addRecorder("requester");
        other = engine->addRecorder("other");
        fader = engine->addObject("00_fader", "00_fader.sc");
        engine->frame(kFrame);
        RecordingScript::calls().clear();
    }

    /// The notifications with sender of a recorder: "code,sender".
    static std::vector<std::string> answers(const std::string& label)
    {
        std::vector<std::string> result;
        for (const std::string& call : RecordingScript::callsOf(label))
            if (call.find(',') != std::string::npos)
                result.push_back(call.substr(10, call.size() - 11));
        return result;
    }
    std::string from(int code, CObject* sender) const
    {
        return std::to_string(code) + "," + std::to_string(sender ? sender->getHandle() : 0);
    }
    static float alpha()
    {
        Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().getByName("interf/faderRtt");
        return m->getTechnique(0)->getPass(0)->getTextureUnitState(0)->getAlphaBlendMode().alphaArg2;
    }

    tq::TempDir dir;
    std::unique_ptr<HeadlessEngine> engine;
    CObject* mover = nullptr;
    CObject* requester = nullptr;
    CObject* other = nullptr;
    CObject* fader = nullptr;
};

TEST_F(Fader, OnlyCodes5000To5999StartAFade)
{
    makeFader();
    for (int code : {4999, 6000, 100, 5000, 5999})
    {
        SCOPED_TRACE(code);
        RecordingScript::calls().clear();
        engine->notify(fader, code, requester);
        engine->frames(30, kFrame);
        const bool fades = code >= 5000 && code < 6000;
        EXPECT_EQ(answers("01_cam_move"), fades ? std::vector<std::string>{from(code, nullptr)}
                                               : std::vector<std::string>());
        EXPECT_EQ(answers("requester"), fades ? (std::vector<std::string>{from(100, fader), from(code, fader)})
                                              : std::vector<std::string>());
    }
}

TEST_F(Fader, OpaqueInHalfASecondThenCutThenClearInOneSecond)
{
    makeFader();
    engine->notify(fader, 5103, requester);
    // Handled in frame 1; from frame 2 alpha rises 0.25 a frame and passes
    // 1.0 in frame 6, where the cut runs at once and the same step falls
    // to 0.875.
    engine->frames(5, kFrame);
    EXPECT_EQ(alpha(), 1.0f);
    EXPECT_TRUE(answers("01_cam_move").empty());
    engine->frame(kFrame);
    EXPECT_EQ(answers("01_cam_move"), std::vector<std::string>{from(5103, nullptr)});
    EXPECT_EQ(alpha(), 0.875f);
    EXPECT_TRUE(answers("requester").empty());
    engine->frame(kFrame);
    EXPECT_EQ(answers("requester"), std::vector<std::string>{from(100, fader)});
    // Down 0.125 a frame: 0.75 now, below 0 seven frames on.
    engine->frames(6, kFrame);
    EXPECT_EQ(alpha(), 0.0f);
    engine->frame(kFrame);
    EXPECT_LT(alpha(), 0.0f);
    engine->frame(kFrame);
    EXPECT_EQ(answers("requester"), (std::vector<std::string>{from(100, fader), from(5103, fader)}));
    engine->frames(10, kFrame);
    EXPECT_EQ(answers("requester").size(), 2u);
    EXPECT_EQ(answers("01_cam_move").size(), 1u);
}

TEST_F(Fader, OneLongFrameCutsAndUncoversInTheSameCall)
{
    makeFader();
    engine->notify(fader, 5000, requester);
    engine->frame(kFrame);
    engine->frame(0.75f);
    EXPECT_EQ(answers("01_cam_move"), std::vector<std::string>{from(5000, nullptr)});
    EXPECT_EQ(alpha(), 0.25f);
    engine->frame(1.5f);
    engine->frame(kFrame);
    EXPECT_EQ(answers("requester"), (std::vector<std::string>{from(100, fader), from(5000, fader)}));
}

TEST_F(Fader, ARequestDuringAFadeRestartsItForTheNewRequester)
{
    makeFader();
    engine->notify(fader, 5101, requester);
    engine->frames(3, kFrame);
    engine->notify(fader, 5202, other);
    // The running timer steps in the frame of the restart; from there the
    // fade takes as long as a fresh one: one timer, not two.
    engine->frames(4, kFrame);
    EXPECT_TRUE(answers("01_cam_move").empty());
    engine->frame(kFrame);
    EXPECT_EQ(answers("01_cam_move"), std::vector<std::string>{from(5202, nullptr)});
    engine->frames(12, kFrame);
    EXPECT_TRUE(answers("requester").empty());
    EXPECT_EQ(answers("other"), (std::vector<std::string>{from(100, fader), from(5202, fader)}));
}

TEST_F(Fader, WithoutCameraMoverTheFadeStillAnswers)
{
    makeFader(false);
    EXPECT_NE(engine->log().find("\nWARNING: Can't find object [01_cam_move] by name!"), std::string::npos);
    engine->notify(fader, 5301, requester);
    engine->frames(20, kFrame);
    EXPECT_EQ(answers("requester"), (std::vector<std::string>{from(100, fader), from(5301, fader)}));
}

TEST_F(Fader, RoomMasks)
{
    makeFader();
    sc_00_fader* script = HeadlessEngine::scriptOf<sc_00_fader>(fader);
    ASSERT_NE(script, nullptr);
    EXPECT_EQ(script->getMask(1), 1u);
    EXPECT_EQ(script->getMask(3), 4u);
    EXPECT_EQ(script->getMask(32), 0x80000000u);
    // No room yet: the whole scene rather than a shift out of range.
    EXPECT_EQ(script->getMask(0), 0xFFFFFFFFu);
}
} // namespace
