// The .scene loader's front, document sections, nodes and game objects,
// value readers, targets and the scene-info store, on the headless engine.
#include "SceneTestSupport.h"

#include "AnimatableObject.h"
#include "Hero.h"
#include "Object.h"
#include "dsi/dotSceneLoaderImpl-0.2.0.h"

#include <OgreException.h>
#include <OgreResourceGroupManager.h>

#include <tinyxml.h>

namespace
{
using tq::SceneTest;

// The targets of the queued create records, as node names, in queue order.
std::vector<std::string> createdInOrder()
{
    std::vector<std::string> names;
    for (const CMessage& msg : gApp.mMessages)
        if (msg.type == MSG_CREATE && msg.target)
            names.push_back(msg.target->getNode()->getName());
    return names;
}

CObject* objectOf(Ogre::SceneNode* node)
{
    return dynamic_cast<CObject*>(node->getListener());
}

// ---------------------------------------------------------------------------
// Front

TEST_F(SceneTest, ProgressTextsComeInDocumentOrder)
{
    load(nodes("<node name=\"a\"><node name=\"b\"/></node>"));
    const std::vector<std::string> expected = {"parsing string",     "parsing aliases", "parsing includes",
                                               "parsing environment", "parsing nodes",   "parsing node 'a'",
                                               "parsing node 'b'",    "parsing externals", "done loading"};
    EXPECT_EQ(progress.texts, expected);
}

TEST_F(SceneTest, MissingOrUnknownVersionIsParsedAfterWarnings)
{
    struct Case
    {
        const char* root;
        std::vector<std::string> warnings;
    };
    const std::string front =
        "dsi::WARNING->.scene file does not have a versionFormat attribute, will default/trye with the newest...";
    const Case cases[] = {
        {"<scene>", {front, "dsi::WARNING->.scene file does not have a versionFormat attribute, will default to 0.2.0..."}},
        {"<scene formatVersion=\"0.3\">",
         {front, "dsi::WARNING->.scene file versionFormat attribute is not 0.2.0, will try to parse anyway..."}},
        {"<scene formatVersion=\"0.2.0\">", {}},
    };
    int index = 0;
    for (const Case& c : cases)
    {
        ogreLog->lines.clear();
        const std::string name = "n" + std::to_string(index++);
        load(std::string(c.root) + "<nodes><node name=\"" + name + "\"/></nodes></scene>", name + ".scene");
        EXPECT_EQ(ogreLog->starting("dsi::"), c.warnings) << c.root;
        EXPECT_TRUE(gApp.mSceneMgr->hasSceneNode(name)) << c.root;
    }
}

TEST_F(SceneTest, SameListenerTwiceIsRefused)
{
    dsi::dotSceneLoader loader;
    tq::RecordingListener listener;
    loader.addProgressListener(&listener);
    try
    {
        loader.addProgressListener(&listener);
        FAIL() << "no exception";
    }
    catch (const Ogre::ItemIdentityException& e)
    {
        EXPECT_EQ(e.getDescription(), "the specified progressListener is already in the list");
    }
}

TEST_F(SceneTest, OnlyOneLoaderIsCurrentAndItsStoreIsEmptyAfterwards)
{
    EXPECT_EQ(dsi::dotSceneLoader::current(), nullptr);
    {
        dsi::dotSceneLoader loader;
        EXPECT_EQ(dsi::dotSceneLoader::current(), &loader);
        write("w.scene", nodes("<foo/>"));
        loader.load("w.scene", "General", gApp.mSceneMgr, nullptr);
        EXPECT_EQ(dsi::dotSceneInfo::mLogLines.size(), 1u);
    }
    EXPECT_EQ(dsi::dotSceneLoader::current(), nullptr);
    EXPECT_TRUE(dsi::dotSceneInfo::mLogLines.empty());
    // The line still reached OGRE's log, at the normal level.
    ASSERT_EQ(ogreLog->starting("dsi::").size(), 1u);
}

TEST_F(SceneTest, BrokenDocumentsThrowTheLoadersException)
{
    const std::string prefix = "something went wrong while loading the .scene u specified :( : \n";
    const char* texts[] = {"<scene><nodes></scene>", "<!-- nothing but a comment -->", ""};
    int index = 0;
    for (const char* text : texts)
    {
        const std::string name = "broken" + std::to_string(index++) + ".scene";
        write(name, text);
        try
        {
            loadFile(name);
            FAIL() << "no exception for [" << text << "]";
        }
        catch (const Ogre::InternalErrorException& e)
        {
            EXPECT_EQ(e.getDescription().compare(0, prefix.size(), prefix), 0) << e.getDescription();
        }
    }
}

TEST_F(SceneTest, TextEndingInsideACharacterIsRefusedFromDiskAndFromAPack)
{
    // TinyXML steps over a character's bytes without looking for the end of
    // the text: this one used to make it read past its buffer.
    const std::string cut = std::string("<?xml version=\"1.0\"?>\n<scene a=\"0.5") + '\xE3';
    const std::string expected = "something went wrong while loading the .scene u specified :( : \n"
                                 "The document ends inside a character.";
    ASSERT_EQ(system("mkdir res"), 0);
    write("cut.scene", cut);
    write("res/packedcut.scene", cut);
    Ogre::ResourceGroupManager::getSingleton().addResourceLocation(dir.file("res"), "FileSystem", "Other");
    for (const char* name : {"cut.scene", "packedcut.scene"})
    {
        try
        {
            loadFile(name);
            FAIL() << "no exception for " << name;
        }
        catch (const Ogre::InternalErrorException& e)
        {
            EXPECT_EQ(e.getDescription(), expected) << name;
        }
    }
    // A whole character at the very end is no reason to refuse, and line
    // ends of any kind read as XML reads them.
    load("<scene formatVersion=\"0.2.0\">\r\n<nodes><node name=\"n\xC3\xA9\"/></nodes>\r</scene>\xC3\xA9");
    EXPECT_TRUE(gApp.mSceneMgr->hasSceneNode("n\xC3\xA9"));
}

TEST_F(SceneTest, ParseErrorsNameTheFileLineAndColumn)
{
    write("broken.scene", "<scene>\n<nodes>\n  <node name=\"a\">\n</scene>");
    try
    {
        loadFile("broken.scene");
        FAIL() << "no exception";
    }
    catch (const Ogre::InternalErrorException& e)
    {
        EXPECT_NE(e.getDescription().find("(broken.scene, line "), std::string::npos) << e.getDescription();
        EXPECT_NE(e.getDescription().find(", column "), std::string::npos) << e.getDescription();
    }
}

TEST_F(SceneTest, AFailingNodeAndAnUnknownScriptAreLoggedWithFileAndNodeAndTheRestLoads)
{
    // The second "twin" cannot be made: OGRE refuses a second node of a name.
    load(nodes("<node name=\"twin\"/>\n<node name=\"twin\"><node name=\"inside\"/></node>\n"
               "<node name=\"typo\" script=\"00_mgs.sc\"/>\n<node name=\"after\" script=\"00_msg.sc\"/>"));
    EXPECT_TRUE(gApp.mSceneMgr->hasSceneNode("after"));
    EXPECT_TRUE(gApp.mSceneMgr->hasSceneNode("typo"));
    ASSERT_NE(objectOf(gApp.mSceneMgr->getSceneNode("after"))->getScript(), nullptr);
    EXPECT_EQ(ogreLog->starting("dsi::ERROR->test.scene: node 'twin' (line 2) failed, the scene goes on without it: ")
                  .size(),
              1u);
    EXPECT_TRUE(ogreLog->has("dsi::ERROR->test.scene: node 'typo' (line 3) names the script '00_mgs.sc', which is "
                             "unknown or did not start; the node has no script"));
}

TEST_F(SceneTest, MissingFileThrowsOgresNotFound)
{
    EXPECT_THROW(loadFile("nowhere.scene"), Ogre::FileNotFoundException);
}

TEST_F(SceneTest, FileOnlyInTheResourceGroupsIsReadFromThere)
{
    ASSERT_EQ(system("mkdir res"), 0);
    // A UTF-8 signature in front of the document is allowed.
    write("res/packed.scene", "\xEF\xBB\xBF" + nodes("<node name=\"fromGroup\"/>"));
    write("res/empty.scene", "");
    Ogre::ResourceGroupManager::getSingleton().addResourceLocation(dir.file("res"), "FileSystem", "Other");
    Ogre::ResourceGroupManager::getSingleton().initialiseResourceGroup("Other");
    loadFile("packed.scene");
    EXPECT_TRUE(gApp.mSceneMgr->hasSceneNode("fromGroup"));
    try
    {
        loadFile("empty.scene");
        FAIL() << "no exception";
    }
    catch (const Ogre::InternalErrorException& e)
    {
        EXPECT_EQ(e.getDescription(), "something went wrong while loading the .scene u specified :(");
    }
}

// ---------------------------------------------------------------------------
// Sections

TEST_F(SceneTest, StringTablePicksTheLanguageThenFallsBack)
{
    load("<scene formatVersion=\"0.2.0\"><strings_table lang=\"en\" lang2=\"de\">"
         "<str id=\"10001\"><en data=\"Door\"/><de data=\"Tuer\"/></str>"
         "<str id=\"10002\"><de data=\"Schluessel\"/></str>"
         "<str id=\"10003\"><fr data=\"Clef\"/></str>"
         "<str id=\"10004\"/>"
         "<str><en data=\"no id\"/></str>"
         "<str id=\"10005\"><en data=\"Two\\nlines\"/></str>"
         "</strings_table><strings_table lang=\"de\"><str id=\"10006\"><de data=\"second table\"/></str>"
         "</strings_table></scene>");
    EXPECT_EQ(gApp.mStrings.find("10001").asUTF8(), "Door");
    EXPECT_EQ(gApp.mStrings.find("10002").asUTF8(), "Schluessel");
    EXPECT_EQ(gApp.mStrings.find("10003").asUTF8(), "Clef");
    EXPECT_EQ(gApp.mStrings.find("10004").asUTF8(), "string not found!");
    EXPECT_EQ(gApp.mStrings.find("10005").asUTF8(), "Two\nlines");
    EXPECT_EQ(gApp.mStrings.find("10006").asUTF8(), "string not found!");
    const std::string log = Log::captured();
    EXPECT_NE(log.find("\nWARNING: Can't find string '10002' for language 'en' (use 'de' language)."), std::string::npos);
    EXPECT_NE(log.find("\nWARNING: Can't find string '10003' for language 'en' (use 'fr' language)."), std::string::npos);
    EXPECT_NE(log.find("\nERROR: Can't find string '10004' in any languages."), std::string::npos);
    EXPECT_EQ(log.find("10001"), std::string::npos);
}

TEST_F(SceneTest, StringThatIsNoUtf8IsSkipped)
{
    load("<scene formatVersion=\"0.2.0\"><strings_table lang=\"en\"><str id=\"1\"><en data=\"\xC3\x28\"/></str>"
         "<str id=\"2\"><en data=\"fine\"/></str></strings_table><nodes><node name=\"after\"/></nodes></scene>");
    EXPECT_NE(Log::captured().find("\nERROR: String '1' is not valid UTF-8, skipped."), std::string::npos);
    EXPECT_EQ(gApp.mStrings.find("2").asUTF8(), "fine");
    EXPECT_TRUE(gApp.mSceneMgr->hasSceneNode("after"));
}

TEST_F(SceneTest, StringTableWithoutLanguageWarnsAndUsesAnyText)
{
    load("<scene formatVersion=\"0.2.0\"><strings_table><str id=\"7\"><en data=\"Seven\"/></str>"
         "</strings_table></scene>");
    EXPECT_NE(Log::captured().find("\nWARNING: No language assigned in string table"), std::string::npos);
    EXPECT_EQ(gApp.mStrings.find("7").asUTF8(), "Seven");
}

TEST_F(SceneTest, AliasesCollectOverScenesAndTheFirstPatternWins)
{
    load("<scene formatVersion=\"0.2.0\"><script_aliases><alias pattern=\"01_*\" script=\"00_msg.sc\"/>"
         "<alias pattern=\"lonely\"/><other pattern=\"x\" script=\"y\"/></script_aliases></scene>",
         "a.scene");
    load("<scene formatVersion=\"0.2.0\"><script_aliases><alias pattern=\"01_*\" script=\"00_exit.sc\"/>"
         "</script_aliases></scene>",
         "b.scene");
    const std::map<std::string, std::string>& aliases = CObject::scriptAliases();
    ASSERT_EQ(aliases.count("01_*"), 1u);
    EXPECT_EQ(aliases.at("01_*"), "00_msg.sc");
    EXPECT_EQ(aliases.count("lonely"), 0u);
    EXPECT_EQ(aliases.count("x"), 0u);
}

TEST_F(SceneTest, IncludedFilesComeFirstAndObjectsKeepTheirOwnFileName)
{
    write("inner.scene", nodes("<node name=\"inner\" script=\"00_msg.sc\"/>"));
    load("<scene formatVersion=\"0.2.0\"><includes><include name=\"inner.scene\"/><include/>"
         "<bogus name=\"x\"/></includes>"
         "<nodes><node name=\"outer\" script=\"00_msg.sc\"><node name=\"child\" script=\"00_msg.sc\"/></node>"
         "</nodes></scene>",
         "outer.scene");
    EXPECT_EQ(createdInOrder(), (std::vector<std::string>{"inner", "outer", "child"}));
    EXPECT_EQ(objectOf(node("inner"))->mSceneFile, "inner.scene");
    EXPECT_EQ(objectOf(node("outer"))->mSceneFile, "outer.scene");
    EXPECT_EQ(objectOf(node("child"))->mSceneFile, "outer.scene");
    EXPECT_TRUE(ogreLog->has("dsi::WARNING->Unknown XMLNode of type 'bogus' encountered while reading 'nodes', "
                             "skipping this node."));

    // The included file's whole sequence sits inside the including one's.
    const std::vector<std::string>& t = progress.texts;
    auto at = [&](const std::string& text, size_t from) {
        for (size_t i = from; i < t.size(); ++i)
            if (t[i] == text)
                return i;
        return t.size();
    };
    const size_t loading = at("loading 'inner.scene'", 0);
    ASSERT_LT(loading, t.size());
    const size_t innerDone = at("done loading", loading);
    EXPECT_LT(at("parsing node 'inner'", loading), innerDone);
    EXPECT_LT(innerDone, at("parsing environment", innerDone));
}

TEST_F(SceneTest, IncludeCyclesAreRefusedWithTheCycleNamed)
{
    struct Case
    {
        const char* start;
        const char* cycle;
    };
    write("self.scene", "<scene formatVersion=\"0.2.0\"><includes><include name=\"self.scene\"/></includes></scene>");
    write("ping.scene", "<scene formatVersion=\"0.2.0\"><includes><include name=\"pong.scene\"/></includes></scene>");
    write("pong.scene", "<scene formatVersion=\"0.2.0\"><includes><include name=\"ping.scene\"/></includes></scene>");
    const Case cases[] = {{"self.scene", "self.scene -> self.scene"},
                          {"ping.scene", "ping.scene -> pong.scene -> ping.scene"}};
    for (const Case& c : cases)
    {
        try
        {
            loadFile(c.start);
            FAIL() << "no exception for " << c.start;
        }
        catch (const Ogre::InternalErrorException& e)
        {
            EXPECT_NE(e.getDescription().find(c.cycle), std::string::npos) << e.getDescription();
        }
    }
}

TEST_F(SceneTest, EnvironmentSetsAmbientAndShadows)
{
    struct Case
    {
        const char* enable;
        Ogre::ShadowTechnique technique;
    };
    const Case cases[] = {{"1", Ogre::SHADOWTYPE_TEXTURE_MODULATIVE},
                          {"true", Ogre::SHADOWTYPE_NONE}, // read as the integer 0
                          {"0", Ogre::SHADOWTYPE_NONE}};
    int index = 0;
    for (const Case& c : cases)
    {
        load(std::string("<scene formatVersion=\"0.2.0\"><environment><colourAmbient r=\"0.5\" g=\"0.25\" b=\"0.125\"/>"
                         "<shadows enable=\"") +
                 c.enable + "\" textureSize=\"256\"><color r=\"0.1\" g=\"0.2\" b=\"0.3\"/></shadows>"
                            "</environment></scene>",
             "env" + std::to_string(index++) + ".scene");
        EXPECT_EQ(gApp.mSceneMgr->getShadowTechnique(), c.technique) << c.enable;
    }
    EXPECT_EQ(gApp.mSceneMgr->getAmbientLight(), Ogre::ColourValue(0.5f, 0.25f, 0.125f, 1.0f));
    EXPECT_EQ(gApp.mSceneMgr->getShadowColour(), Ogre::ColourValue(0.1f, 0.2f, 0.3f, 1.0f));
}

TEST_F(SceneTest, SkyKindsReplaceEachOtherAndFailuresSwitchThemOff)
{
    load("<scene formatVersion=\"0.2.0\"><environment><skyDome/></environment></scene>", "dome.scene", true);
    EXPECT_TRUE(gApp.mSceneMgr->isSkyDomeEnabled());
    // The store is reset with the loader; a second loader keeps it open to look.
    {
        dsi::dotSceneLoader loader;
        write("box.scene", "<scene formatVersion=\"0.2.0\"><environment><skyBox drawFirst=\"true\"/></environment></scene>");
        loader.load("box.scene", "General", gApp.mSceneMgr, nullptr, nullptr, false, false, true);
        EXPECT_TRUE(gApp.mSceneMgr->isSkyBoxEnabled());
        EXPECT_FALSE(gApp.mSceneMgr->isSkyDomeEnabled());
        EXPECT_TRUE(dsi::dotSceneInfo::mSkyBox.enabled);
        EXPECT_FALSE(dsi::dotSceneInfo::mSkyDome.enabled);
        EXPECT_EQ(dsi::dotSceneInfo::mSkyBox.material, "BaseWhite");
        EXPECT_EQ(dsi::dotSceneInfo::mSkyBox.distance, 5000.0f);
        EXPECT_TRUE(dsi::dotSceneInfo::mSkyBox.drawFirst);
    }
    load("<scene formatVersion=\"0.2.0\"><environment><skyPlane material=\"no_such_material\"/></environment></scene>",
         "plane.scene");
    EXPECT_TRUE(ogreLog->has("dsi::ERROR->something went wrong while seting skyPlane :("));
    EXPECT_FALSE(gApp.mSceneMgr->isSkyPlaneEnabled());
    EXPECT_FALSE(gApp.mSceneMgr->isSkyBoxEnabled());
}

TEST_F(SceneTest, FogModesAndTheirErrors)
{
    load("<scene formatVersion=\"0.2.0\"><environment><fog mode=\"linear\" linearStart=\"10\" linearEnd=\"50\">"
         "<colourDiffuse r=\"1\" g=\"0\" b=\"0\"/></fog></environment></scene>",
         "fog1.scene");
    EXPECT_EQ(gApp.mSceneMgr->getFogMode(), Ogre::FOG_LINEAR);
    EXPECT_EQ(gApp.mSceneMgr->getFogStart(), 10.0f);
    EXPECT_EQ(gApp.mSceneMgr->getFogEnd(), 50.0f);
    EXPECT_EQ(gApp.mSceneMgr->getFogColour(), Ogre::ColourValue::Red);

    load("<scene formatVersion=\"0.2.0\"><environment><fog mode=\"thick\"/></environment></scene>", "fog2.scene");
    EXPECT_TRUE(ogreLog->has("dsi::WARNING->invalid fog mode attribute : 'thick', skipped !!!"));
    EXPECT_EQ(gApp.mSceneMgr->getFogMode(), Ogre::FOG_LINEAR);

    load("<scene formatVersion=\"0.2.0\"><environment><fog/></environment></scene>", "fog3.scene");
    EXPECT_EQ(gApp.mSceneMgr->getFogMode(), Ogre::FOG_NONE);
}

TEST_F(SceneTest, ExternalsChangeNothingWithoutTheirFlag)
{
    load("<scene formatVersion=\"0.2.0\"><externals><item type=\"material\"><file name=\"a.material\"/></item>"
         "<item type=\"sound\"/><thing/></externals></scene>");
    EXPECT_EQ(ogreLog->starting("dsi::"),
              (std::vector<std::string>{"dsi::WARNING->Unknown XMLNode of type 'thing' encountered while reading "
                                        "'external'->'item', will skip this node..."}));
}

// ---------------------------------------------------------------------------
// Nodes and game objects

TEST_F(SceneTest, NodeTypeChoosesTheObjectAndScriptQueuesTheCreate)
{
    load(nodes("<node name=\"hero\" type=\"T_HERO_OBJ\" script=\"00_msg.sc\"/>"
               "<node name=\"anim\" type=\"T_ANIM_OBJ\"/>"
               "<node name=\"lower\" type=\"t_hero_obj\"/>"
               "<node name=\"plain\" script=\"00_msg.sc\"/>"
               "<node name=\"bare\"/>"));
    EXPECT_NE(dynamic_cast<CHero*>(objectOf(node("hero"))), nullptr);
    EXPECT_NE(dynamic_cast<CAnimatableObject*>(objectOf(node("anim"))), nullptr);
    EXPECT_EQ(dynamic_cast<CAnimatableObject*>(objectOf(node("lower"))), nullptr);
    EXPECT_EQ(dynamic_cast<CAnimatableObject*>(objectOf(node("plain"))), nullptr);
    for (const char* name : {"hero", "anim", "lower", "plain", "bare"})
    {
        CObject* object = objectOf(node(name));
        ASSERT_NE(object, nullptr) << name;
        EXPECT_EQ(object->getNode(), node(name));
        EXPECT_EQ(object->mSceneFile, "test.scene");
    }
    EXPECT_NE(objectOf(node("hero"))->getScript(), nullptr);
    EXPECT_EQ(objectOf(node("bare"))->getScript(), nullptr);
    EXPECT_EQ(createdInOrder(), (std::vector<std::string>{"hero", "plain"}));
    // The node owns the object: destroying it ends the object.
    const int before = gObjectCollector.count();
    gApp.mSceneMgr->destroySceneNode("bare");
    EXPECT_EQ(gObjectCollector.count(), before - 1);
}

TEST_F(SceneTest, AnimationsGoToAnimatedObjectsOnly)
{
    load(nodes("<node name=\"plain\"><animations><animation skeleton=\"s.skeleton\" anim_name=\"idle\"/>"
               "</animations></node>"
               "<node name=\"anim\" type=\"T_ANIM_OBJ\"><animations><animation skeleton=\"s.skeleton\" "
               "anim_name=\"idle\" rot_speed=\"1\"/><animation anim_name=\"no_skeleton\"/></animations></node>"));
    EXPECT_TRUE(ogreLog->has("dsi::WARNING->animation 'idle' on 'plain', which is no animated object, will skip it..."));
    CAnimatableObject* anim = dynamic_cast<CAnimatableObject*>(objectOf(node("anim")));
    ASSERT_NE(anim, nullptr);
    EXPECT_TRUE(anim->mLayers.empty()); // no entity, no skeleton: nothing to link
}

TEST_F(SceneTest, UnnamedElementsCountOnAcrossScenes)
{
    load(nodes("<node/>"), "one.scene");
    load(nodes("<node><light/></node>"), "two.scene");
    EXPECT_TRUE(gApp.mSceneMgr->hasSceneNode("dseAutoName0"));
    EXPECT_TRUE(gApp.mSceneMgr->hasSceneNode("dseAutoName1"));
    EXPECT_TRUE(gApp.mSceneMgr->hasLight("dseAutoName2"));
}

TEST_F(SceneTest, NodeTransformAndTheSectionsOwnTransform)
{
    load("<scene formatVersion=\"0.2.0\"><nodes><position x=\"0\" y=\"0\" z=\"5\"/>"
         "<node name=\"n\"><position x=\"1\" y=\"2\" z=\"3\"/><position x=\"4\" y=\"5\" z=\"6\"/>"
         "<rotation qw=\"0\" qx=\"0\" qy=\"0\" qz=\"1\"/><scale x=\"2\" y=\"2\" z=\"2\"/></node>"
         "<mystery/></nodes></scene>");
    Ogre::SceneNode* n = node("n");
    EXPECT_EQ(n->getPosition(), Ogre::Vector3(4, 5, 6));
    EXPECT_EQ(n->getOrientation(), Ogre::Quaternion(0, 0, 0, 1));
    EXPECT_EQ(n->getScale(), Ogre::Vector3(2, 2, 2));
    EXPECT_EQ(n->getParentSceneNode(), gApp.mSceneMgr->getRootSceneNode());
    EXPECT_EQ(gApp.mSceneMgr->getRootSceneNode()->getInitialPosition(), Ogre::Vector3(0, 0, 5));
    EXPECT_TRUE(ogreLog->has(
        "dsi::WARNING->Unknown XMLNode of type 'mystery' encountered while reading 'nodes', skipping this node."));
}

TEST_F(SceneTest, ParamsKeepTheFirstValueOfAName)
{
    load(nodes("<node name=\"n\"><params><param name=\"speed\" value=\"2\"/><param name=\"speed\" value=\"3\"/>"
               "<param name=\"novalue\"/><param value=\"noname\"/><other name=\"o\" value=\"1\"/>"
               "<param name=\"empty\" value=\"\"/></params></node>"));
    const std::map<std::string, std::string> expected = {{"speed", "2"}, {"empty", ""}};
    EXPECT_EQ(objectOf(node("n"))->mParams, expected);
}

TEST_F(SceneTest, CreatesRunDepthFirstWithParentsBeforeChildren)
{
    load(nodes("<node name=\"a\" script=\"00_msg.sc\"><node name=\"a1\" script=\"00_msg.sc\">"
               "<node name=\"a11\" script=\"00_msg.sc\"/></node><params><param name=\"p\" value=\"1\"/></params>"
               "<node name=\"a2\" script=\"00_msg.sc\"/></node><node name=\"b\" script=\"00_msg.sc\"/>"));
    EXPECT_EQ(createdInOrder(), (std::vector<std::string>{"a", "a1", "a11", "a2", "b"}));
    EXPECT_EQ(objectOf(node("a"))->mParams.at("p"), "1");
}

// ---------------------------------------------------------------------------
// Value readers

struct ValueCase
{
    const char* xml;
    Ogre::Quaternion expected;
};

TiXmlElement* parse(TiXmlDocument& document, const char* xml)
{
    document.Parse(xml);
    return document.RootElement();
}

TEST(SceneValues, ColourVectorAndScaleDefaults)
{
    TiXmlDocument d1, d2, d3;
    EXPECT_EQ(dsi::dotSceneLoaderImpl020::parseColour(parse(d1, "<c r=\"0.5\" g=\"0.5\" b=\"0.5\"/>")),
              Ogre::ColourValue(0.5f, 0.5f, 0.5f, 1.0f));
    EXPECT_EQ(dsi::dotSceneLoaderImpl020::parseColour(parse(d2, "<c r=\"1\" g=\"x\" b=\"0\" a=\"0.25\"/>")),
              Ogre::ColourValue(1.0f, 0.0f, 0.0f, 0.25f));
    EXPECT_EQ(dsi::dotSceneLoaderImpl020::parseColour(nullptr), Ogre::ColourValue::White);
    EXPECT_EQ(dsi::dotSceneLoaderImpl020::parseVector3(nullptr), Ogre::Vector3::ZERO);
    EXPECT_EQ(dsi::dotSceneLoaderImpl020::parseScale(nullptr), Ogre::Vector3::UNIT_SCALE);
    EXPECT_EQ(dsi::dotSceneLoaderImpl020::parseScale(parse(d3, "<s x=\"1\" y=\"2\" z=\"3\"/>")), Ogre::Vector3(1, 2, 3));
}

TEST(SceneValues, RotationForms)
{
    const float h = std::sqrt(0.5f);
    const ValueCase cases[] = {
        {"<r qw=\"1\" qx=\"0\" qy=\"0\" qz=\"0\"/>", Ogre::Quaternion::IDENTITY},
        {"<r anglex=\"90\" angley=\"0\" anglez=\"0\"/>", Ogre::Quaternion(h, h, 0, 0)},
        // Qx * Qy: a quarter turn about x, then one about y.
        {"<r anglex=\"90\" angley=\"90\" anglez=\"0\"/>",
         Ogre::Quaternion(h, h, 0, 0) * Ogre::Quaternion(h, 0, h, 0)},
        // The axes form names the x axis only.
        {"<r axisx=\"0\" axisy=\"1\" axisz=\"0\"/>", Ogre::Quaternion(h, 0, 0, h)},
        {"<r something=\"1\"/>", Ogre::Quaternion::IDENTITY},
    };
    for (const ValueCase& c : cases)
    {
        TiXmlDocument document;
        const Ogre::Quaternion q = dsi::dotSceneLoaderImpl020::parseQuaternion(parse(document, c.xml));
        // q and -q are the same turn.
        EXPECT_NEAR(std::fabs(q.Dot(c.expected)), 1.0f, 1e-6f) << c.xml << " gave " << q;
    }
    EXPECT_EQ(dsi::dotSceneLoaderImpl020::parseQuaternion(nullptr), Ogre::Quaternion::IDENTITY);
}

// ---------------------------------------------------------------------------
// Targets

TEST_F(SceneTest, TrackTargetsResolveAfterAllNodes)
{
    load(nodes("<node name=\"watcher\"><trackTarget nodeName=\"later\"><offset x=\"1\" y=\"0\" z=\"0\"/>"
               "</trackTarget><trackTarget nodeName=\"other\"/></node>"
               "<node name=\"lost\"><trackTarget nodeName=\"ghost\"/></node>"
               "<node name=\"unnamed\"><trackTarget/></node>"
               "<node name=\"later\"/><node name=\"other\"/>"));
    EXPECT_EQ(node("watcher")->getAutoTrackTarget(), node("later"));
    EXPECT_EQ(node("watcher")->getAutoTrackOffset(), Ogre::Vector3(1, 0, 0));
    EXPECT_EQ(node("lost")->getAutoTrackTarget(), nullptr);
    EXPECT_TRUE(ogreLog->has("dsi::ERROR->taget sceneNode 'ghost' not found, skiping this target..."));
    EXPECT_TRUE(ogreLog->has(
        "dsi::ERROR->nodeName attribute not found, skiping this target, it's invalid, check your .scene file..."));
}

TEST_F(SceneTest, LookTargetsTurnOnceOrAreRefused)
{
    load(nodes("<node name=\"looker\"><lookTarget><position x=\"0\" y=\"0\" z=\"10\"/></lookTarget></node>"
               "<node name=\"both\"><lookTarget nodeName=\"looker\"><position x=\"1\" y=\"0\" z=\"0\"/></lookTarget></node>"
               "<node name=\"neither\"><lookTarget/></node>"
               "<node name=\"capital\"><lookTarget nodeName=\"looker\" relativeTo=\"World\"/></node>"));
    // -Z, the default local direction, now points at +Z.
    const Ogre::Vector3 facing = node("looker")->getOrientation() * Ogre::Vector3::NEGATIVE_UNIT_Z;
    EXPECT_TRUE(facing.positionEquals(Ogre::Vector3::UNIT_Z, 1e-4f)) << facing;
    EXPECT_EQ(node("both")->getOrientation(), Ogre::Quaternion::IDENTITY);
    EXPECT_TRUE(ogreLog->has("dsi::ERROR->attribute 'nodeName' found and 'position' element is defined, what do u "
                             "mean ??, will skip..."));
    EXPECT_TRUE(ogreLog->has(
        "dsi::ERROR->attribute 'nodeName' not found and no 'position' element is defined, will skip..."));
    EXPECT_TRUE(ogreLog->has("dsi::ERROR->invalid 'relativeTo' attribute found : 'World' check your scene file !!"));
    EXPECT_EQ(progress.texts.back(), "done loading");
}

// ---------------------------------------------------------------------------
// Scene-info store

TEST_F(SceneTest, StoreRecordsObjectsTargetsAndVertices)
{
    tq::makeBoxMesh("box.mesh");
    dsi::dotSceneLoader loader;
    write("info.scene", nodes("<node name=\"t\" isTarget=\"true\"><entity meshFile=\"box.mesh\"/>"
                              "<light name=\"lamp\"/></node><node name=\"notTarget\" isTarget=\"TRUE\"/>"));
    loader.load("info.scene", "General", gApp.mSceneMgr, nullptr, nullptr, false, false, true);
    EXPECT_EQ(dsi::dotSceneInfo::mTargetNodes.size(), 1u);
    EXPECT_EQ(dsi::dotSceneInfo::mTargetNodes.count("t"), 1u);
    EXPECT_EQ(dsi::dotSceneInfo::mVertexCount, 24u);
    EXPECT_EQ(dsi::dotSceneInfo::mAllObjects.count("t"), 1u);
    EXPECT_EQ(dsi::dotSceneInfo::mAllObjects.count("lamp"), 1u);
    // A second record of a name is not taken.
    Ogre::MovableObject* lamp = gApp.mSceneMgr->getLight("lamp");
    dsi::dotSceneInfo::addMovableObject(lamp, Ogre::Vector3(9, 9, 9), Ogre::Quaternion::IDENTITY,
                                        Ogre::Vector3::UNIT_SCALE, false);
    EXPECT_EQ(dsi::dotSceneInfo::mAllObjects.at("lamp")->position, Ogre::Vector3::ZERO);
}
} // namespace
