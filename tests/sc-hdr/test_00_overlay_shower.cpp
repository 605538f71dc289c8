// The document overlay: the two fades through the fader, the overlays shown
// at the black moment with their texts, places and rotation, the journal's
// picture, closing on a new press, the unfolding sheet, and the bound on
// the entries.
#include "00_overlay_shower.h"
#include "HeadlessEngine.h"
#include "SpyNotes.h"
#include "Input.h"
#include "TestSupport.h"

#include <OgreSceneNode.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreTextAreaOverlayElement.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace
{
using tq::RecordingScript;
using tq::Calls;
using tq::note;
using tq::notes;


Ogre::OverlayElement* element(const char* name)
{
    return Ogre::OverlayManager::getSingleton().getOverlayElement(name);
}

Ogre::Overlay* overlay(const char* name)
{
    return Ogre::OverlayManager::getSingleton().getByName(name);
}

class OverlayShower : public ::testing::Test
{
protected:
    void SetUp() override
    {
        gApp.mInput = new CInput(nullptr, -1, std::string());
        // "Paper": a frame with a text and a note; "Stamp": a bare overlay.
        Ogre::OverlayManager& manager = Ogre::OverlayManager::getSingleton();
        Ogre::Overlay* paper = manager.create("Paper");
        auto* frame = static_cast<Ogre::OverlayContainer*>(manager.createOverlayElement("Panel", "PaperFrame"));
        auto* text = manager.createOverlayElement("TextArea", "PaperText");
        auto* remark = manager.createOverlayElement("TextArea", "PaperNote");
        remark->setPosition(0.7f, 0.8f);
        frame->addChild(text);
        frame->addChild(remark);
        paper->add2D(frame);
        Ogre::Overlay* stamp = manager.create("Stamp");
        stamp->add2D(static_cast<Ogre::OverlayContainer*>(manager.createOverlayElement("Panel", "StampFrame")));
        CVirtualScript::setVarI("cur_room", 3);
        CVirtualScript::setVarI("cur_cam", 2);
        CVirtualScript::setVarI("coins", 12);
    }
    void TearDown() override
    {
        delete gApp.mInput;
        gApp.mInput = nullptr;
    }

    /// The spies and the document object with its parameters.
    void build(const std::map<std::string, std::string>& params, bool withFader = true)
    {
        if (withFader)
            fader = engine.addRecorder("00_fader");
        engine.addRecorder("01_cam_move");
        engine.addRecorder("journal");
        engine.addRecorder("00_game_interface");
        requester = engine.addRecorder("requester");
        doc = engine.addObject("doc", "00_overlay_shower.sc");
        doc->mParams = params;
        engine.frame();
        script = tq::HeadlessEngine::scriptOf<sc_00_overlay_shower>(doc);
        RecordingScript::calls().clear();
        engine.clearLog();
    }

    void send(int code, CObject* sender)
    {
        engine.notify(doc, code, sender);
        engine.frames(2);
    }

    void press()
    {
        gApp.mInput->mLeftDown = true;
        engine.frame(0.1f);
        gApp.mInput->mLeftDown = false;
        engine.frame(0.1f);
    }

    tq::TempDir dir;
    tq::HeadlessEngine engine;
    tq::OverlayScope overlays;
    CObject* fader = nullptr;
    CObject* requester = nullptr;
    CObject* doc = nullptr;
    sc_00_overlay_shower* script = nullptr;
};

const std::map<std::string, std::string> kPaper = {
    {"over_00", "Paper"},       {"cont_00", "PaperFrame"}, {"inner_00", "PaperText"}, {"var_00", "coins"},
    {"pos_00_x", "0.2"},        {"pos_00_y", "0.3"},       {"char_00_height", "0.05"}, {"over_01", "Stamp"},
    {"rot_01", "90"},           {"over_02", "Paper"},      {"cont_02", "PaperFrame"}, {"inner_02", "PaperNote"},
    {"pos_02_x", "0"},          {"pos_02_y", "0.5"},
};

TEST_F(OverlayShower, ShowsAtTheFirstBlackAndClosesOnANewPress)
{
    build(kPaper);
    EXPECT_EQ(script->count, 3);
    EXPECT_FALSE(overlay("Paper")->isVisible());

    send(100, requester);
    EXPECT_EQ(notes("00_fader"), Calls{note(5302, doc)});
    EXPECT_FALSE(overlay("Paper")->isVisible());

    send(100, fader);
    EXPECT_TRUE(overlay("Paper")->isVisible());
    EXPECT_TRUE(overlay("Stamp")->isVisible());
    EXPECT_TRUE(element("PaperText")->isVisible());
    String caption;
    CVirtualScript::overlayGetCaption("Paper", "PaperFrame", "PaperText", caption);
    EXPECT_EQ(caption, "12");
    EXPECT_NE(engine.log().find("\nshower <12> 3"), std::string::npos);
    EXPECT_FLOAT_EQ(element("PaperText")->getLeft(), 0.2f);
    EXPECT_FLOAT_EQ(element("PaperText")->getTop(), 0.3f);
    EXPECT_FLOAT_EQ(static_cast<Ogre::TextAreaOverlayElement*>(element("PaperText"))->getCharHeight(), 0.05f);
    EXPECT_NEAR(overlay("Stamp")->getRotate().valueDegrees(), 90.0f, 0.01f);
    // An x of 0 leaves the note where the overlay put it.
    EXPECT_FLOAT_EQ(element("PaperNote")->getLeft(), 0.7f);
    EXPECT_FLOAT_EQ(element("PaperNote")->getTop(), 0.8f);
    EXPECT_EQ(notes("01_cam_move"), Calls{note(601, nullptr)});
    EXPECT_TRUE(notes("journal").empty());

    // The player still holds the button that opened the document.
    gApp.mInput->mLeftDown = true;
    send(5302, fader);
    EXPECT_EQ(notes("journal"), Calls{note(2000, nullptr)});
    engine.frames(5, 0.1f);
    gApp.mInput->mLeftDown = false;
    engine.frames(2, 0.1f);
    EXPECT_EQ(notes("00_fader").size(), 1u);

    press();
    EXPECT_EQ(notes("00_fader"), (Calls{note(5302, doc), note(5302, doc)}));
    EXPECT_EQ(notes("00_game_interface"), Calls{note(800, nullptr)});
    EXPECT_TRUE(overlay("Paper")->isVisible());
    press();
    EXPECT_EQ(notes("00_fader").size(), 2u);

    send(100, fader);
    EXPECT_FALSE(overlay("Paper")->isVisible());
    EXPECT_FALSE(overlay("Stamp")->isVisible());
    EXPECT_EQ(notes("01_cam_move"), (Calls{note(601, nullptr), note(600, nullptr)}));
    EXPECT_TRUE(notes("requester").empty());
    send(5302, fader);
    EXPECT_EQ(notes("requester"), Calls{note(100, doc)});
    EXPECT_EQ(script->phase, 0);
}

TEST_F(OverlayShower, WithoutAFaderTheDocumentComesAndGoesWithAWarning)
{
    build(kPaper, false);
    send(100, requester);
    EXPECT_NE(engine.log().find("\nWARNING: 00_overlay_shower: no 00_fader, the document changes without a fade"),
              std::string::npos);
    EXPECT_TRUE(overlay("Paper")->isVisible());
    EXPECT_EQ(script->phase, 2);
    EXPECT_EQ(notes("journal"), Calls{note(2000, nullptr)});
    engine.frames(2, 0.1f);
    press();
    EXPECT_FALSE(overlay("Paper")->isVisible());
    EXPECT_EQ(notes("00_game_interface"), Calls{note(800, nullptr)});
    EXPECT_EQ(notes("requester"), Calls{note(100, doc)});
    EXPECT_EQ(script->phase, 0);
}

TEST_F(OverlayShower, ASecondRequestWhileOpenIsRefused)
{
    build(kPaper);
    CObject* other = engine.addRecorder("other");
    engine.frame();
    send(100, requester);
    send(100, fader);
    send(5302, fader);
    send(100, other);
    EXPECT_EQ(notes("00_fader").size(), 1u);
    press();
    send(100, fader);
    send(5302, fader);
    EXPECT_EQ(notes("requester"), Calls{note(100, doc)});
    EXPECT_TRUE(notes("other").empty());
}

TEST_F(OverlayShower, UnfoldingSheetHoldsTheDocumentForOneSecond)
{
    CObject* sheet = engine.addObject("03_doc2_fail");
    build({{"over_00", "Stamp"}, {"super_effect", "1"}});
    send(100, requester);
    send(100, fader);
    send(5302, fader);
    EXPECT_TRUE(notes("journal").empty());

    engine.frames(2, 0.1f);
    EXPECT_GT(script->t, 0.3f);
    EXPECT_NEAR(sheet->getNode()->getScale().y, sc_00_overlay_shower::cubeFunc(script->t), 1e-4f);
    EXPECT_EQ(sheet->getNode()->getScale().x, 1.0f);
    press();
    EXPECT_EQ(notes("00_fader").size(), 1u);
    engine.frames(8, 0.1f);
    EXPECT_GE(script->step, 2);
    EXPECT_EQ(notes("journal"), Calls{note(2000, nullptr)});
    press();
    EXPECT_EQ(notes("00_fader").size(), 2u);
}

TEST_F(OverlayShower, KeepsTenEntriesAndWarnsAboutTheRest)
{
    std::map<std::string, std::string> params;
    for (int i = 0; i < 12; ++i)
        params[(i < 10 ? "over_0" : "over_") + std::to_string(i)] = "Stamp";
    build({});
    doc = engine.addObject("doc2", "00_overlay_shower.sc");
    doc->mParams = params;
    engine.frame();
    auto* many = tq::HeadlessEngine::scriptOf<sc_00_overlay_shower>(doc);
    EXPECT_EQ(many->count, 10);
    EXPECT_NE(engine.log().find("more than 10 overlays"), std::string::npos);
    EXPECT_EQ(script->count, 0);
}
} // namespace
