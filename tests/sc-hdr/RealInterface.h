// The real "interface" (the menu script 00_interface) for the tests of the
// scripts that talk to it: its tip window answers a tip with the code on the
// click that closes it and with the code + 10000 once it has faded out.  The
// game's own menu overlay is parsed without fonts and materials (they need a
// render system), and its texts are loaded.  The test provides the overlay
// system and the input layer.
#pragma once

#include "Application.h"
#include "HeadlessEngine.h"
#include "Input.h"
#include "TestSupport.h"
#include "VirtualScript.h"

#include <OgreDataStream.h>
#include <Overlay/OgreOverlayManager.h>

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <sstream>
#include <string>

namespace tq
{
class RealInterface
{
public:
    /// Loads the menu overlay and texts and adds the object "interface"
    /// with its script, started as in a mini-game (game_state 1..15) or a
    /// location (100); its create message is queued.
    static CObject* add(HeadlessEngine& engine, int gameState)
    {
        const std::string media = std::string(TQ_TEST_SOURCE_DIR) + "/../data/game/media/";
        std::istringstream in(readFile(media + "00_interface.overlay"));
        std::string text, line;
        while (std::getline(in, line))
            if (line.find("font_name") == std::string::npos && line.find("material") == std::string::npos)
                text += line + "\n";
        Ogre::DataStreamPtr stream(new Ogre::MemoryDataStream(&text[0], text.size(), false, true));
        Ogre::OverlayManager::getSingleton().parseScript(stream, "General");

        TiXmlDocument doc;
        EXPECT_TRUE(doc.LoadFile((media + "00_interface_texts.scene").c_str()));
        if (const TiXmlElement* root = doc.RootElement())
            if (const TiXmlElement* table = root->FirstChildElement("strings_table"))
                for (const TiXmlElement* str = table->FirstChildElement("str"); str;
                     str = str->NextSiblingElement("str"))
                    gApp.mStrings.load(str->Attribute("id"), Ogre::UTFString(std::string(
                                                                 str->FirstChildElement("en")->Attribute("data"))));

        gApp.mAppState.mOptions["game_state"].value = std::to_string(gameState);
        return engine.addObject("interface", "00_interface.sc");
    }

    /// The player clicks anywhere while a tip is up: a press on one frame,
    /// the release on the next.
    static void click(HeadlessEngine& engine)
    {
        gApp.mInput->mLeftDown = true;
        engine.frame();
        gApp.mInput->mLeftDown = false;
        engine.frame();
    }

    /// Frames enough for a menu to fade in or out (1 s and 0.5 s).
    static void settle(HeadlessEngine& engine) { engine.frames(12, 0.1f); }
};
} // namespace tq
