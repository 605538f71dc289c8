// Every engine and script-API function that the shared scripts, the game
// interface and the locations call, used once here with the argument order
// that the engine gives it.  The file does not compile or link when one of
// them is missing or changes its arguments; the test itself only runs the
// harmless ones on the headless engine.
//
// Where they live:
//   script API             source/script/VirtualScript.h
//     strings, objects, visibility, bones      ScriptApiObjects.cpp
//     options, variables, arrays, visibility   ScriptApiState.cpp
//     names, projections, cursor, profiles     ScriptApiMisc.cpp
//     materials                                ScriptApiMaterials.cpp
//     particles, billboards, sub-entities      ScriptApiParticles.cpp
//     overlays                                 ScriptApiOverlays.cpp
//     render to texture                        ScriptApiRtt.cpp
//     animations                               ScriptApiAnimation.cpp
//     notifications                            ScriptNotify.cpp
//   engine                 source/engine
//     CApplication (Application.h), CObject (Object.h), CAnimatableObject
//     (AnimatableObject.h), CSfxCore (SfxCore.h), Scene (Scene.h), Log (Log.h)
//
// Names the callers use that are another function here:
//   sendToNamedNode(bone, obj), cameraFollowBone(bone, obj)
//                                   -> CVirtualScript::cameraAttachToBone(obj, bone)
//   CSfxCore::cacheVoice            -> CSfxCore::getSoundLength (both exist)
//   CAnimatableObject::setPoint     -> CAnimatableObject::leavePoint
//   the interface's own getObjParamI (a "<node>@prm" variable) gets another
//   name in the interface; CVirtualScript::getObjParamI is the scene parameter
//   the shell                       -> CVirtualScript::shellOpen
//   the overlay manager by name     -> CVirtualScript::overlaySetVisible
//   the random source               -> CVirtualScript::randomInt / randomSeed
#include "AnimatableObject.h"
#include "Application.h"
#include "HeadlessEngine.h"
#include "Input.h"
#include "Log.h"
#include "Object.h"
#include "Scene.h"
#include "SfxCore.h"
#include "TestSupport.h"
#include "VirtualScript.h"

#include <gtest/gtest.h>

namespace
{
typedef CVirtualScript API;

// Never called: it only has to compile and link.
[[maybe_unused]] void everyCall(API& script, CObject* object, CAnimatableObject* walker)
{
    const OBJECT_HANDLE h = 1;
    String s;
    char buffer[64];
    int i = 0;
    int values[4] = {};
    float f = 0.0f;
    vec3 v;
    Ogre::Vector2 p;

    // -- engine core ---------------------------------------------------------
    gApp.findObject("name");
    gApp.findObjectHandle("name");
    gApp.postUnloadScene();
    gApp.postLoadScene("00_interface_start.scene");
    gApp.setCameraByName("cam");
    gApp.setPickMask(2);
    i = gApp.mFrameMs + static_cast<int>(gApp.mGameClock);
    gApp.mHovered = nullptr;
    gApp.mQuit = gApp.mCheats;
    f = gApp.mInput->mCursorX + gApp.mInput->mCursorY;
    gApp.mInput->mLeftDown = gApp.mInput->mKeyDown[1] != 0 && gApp.mInput->cursorOn();
    gApp.mInput->setCursor(true);
    CObject::createTimer(object, 1, -1, nullptr);
    CObject::killTimer(object, 100);
    object->setAnimTime(-2.0f);
    walker->start();
    walker->stop();
    walker->leavePoint(false);
    walker->mPointList.clear();
    CSfxCore::addEnvSound(1, 1, 0);
    CSfxCore::applyVolume(1, 50.0f);
    CSfxCore::getSoundLength("voice");
    CSfxCore::cacheVoice("voice");
    CSfxCore::freeSound(1);
    CSfxCore::playSound(1, 1, 0, 0);
    CSfxCore::stopSound(1);
    CSfxCore::loadSound("sound", 1);
    Log::print("\nYOU WIN !!!");
    Scene::pickObject();

    // -- notifications and names ---------------------------------------------
    API::sendNotify(h, 0, 7);
    API::sendNotifyByName("01_cam_move", 7770, h);
    API::findObjectIndexed("piece_", 3);
    API::getNameNumber(h, "piece_");
    API::parseNameNumbers("05_03_scene", &i, &i);
    API::strAddInt(5, s, 2);
    API::strErase("x", s);
    API::strAssignInt(5, s, 2);
    API::strSubstr(0, s, 2, s);
    API::getObjParamI(h, "prm");
    API::getObjParamS(h, "prm", s);
    API::getObjParamS(h, "prm", buffer, sizeof(buffer));
    API::getObjParamF(h, "prm", f);
    API::setObjParamI(h, "dlg_id_use", 2039);

    // -- visibility, nodes and bones ------------------------------------------
    API::setVisible(h, true);
    API::setVisibleByName("01_az.scene", false);
    API::setVisibleFlags(h, 1, 0x100);
    API::setVisibleFlagsByName("01_dyn.scene", 1, 1);
    API::addNodeRoomFlagsByName("02_dyn.scene");
    API::parseNodeName("02_03_obj");
    API::setAttachedFlag(h, 1);
    API::setAttachedFlagByName("02_az.scene", 1);
    API::setParentByName("Camera", "00_anim_obj_minigame.scene");
    API::nodeReturnToRoot("node");
    API::nodeSetParent("node", "parent");
    API::getPosition(h);
    API::setPosition(h, v);
    API::setScale(h, v);
    API::setPositionRotZ(h, 0, 0, 0, 90);
    API::setOrientationDeg(h, v);
    API::setOrientation(h, API::getOrientation(h));
    {
        Ogre::Quaternion q;
        API::getWorldTransform(h, v, q);
    }
    API::setViewportVisibilityMask(0x800);
    API::lerpVec3(v, v, 0.5f);
    API::eulerDegToQuat(0, 0, 90);
    API::quatToEulerDeg(Ogre::Quaternion::IDENTITY);
    API::worldToScreen(h, p);
    API::projectPoint(v);
    API::screenToPlane(v, v);
    API::screenToPlane2(v, v);
    API::attachObjToBone(h, h, "bone", false);
    API::boneGetWorldPosition(h, "bone");
    API::boneSetManual(h, "bone", true);
    API::bonesSetManual(h, true);
    API::bonesSetManual(h, "bone", v);
    API::boneSetPosition(h, "bone", v);
    API::boneSetOrientationDeg(h, "bone", 0, 0, 0);
    API::cameraAttachToBone(h, "bone");
    API::dumpLights();
    API::setWindowMode(false);

    // -- materials -------------------------------------------------------------
    API::setMaterial(h, -1, "material");
    API::submeshSetVisible(h, "material", false);
    API::materialSetColour("material", 1, 1, 1, 1);
    API::materialSetColour2("material", 1, 1, 1, 1, 1);
    API::materialSetColourAll("material", Ogre::ColourValue::White, 1.0f);
    API::materialBlendColour("material", 0, 0, 1, 1, 1, 3, 0.5f);
    API::materialSetAlpha("material", 0.5f);
    API::materialSetAlpha2("material", 1, 0, 0.5f);
    API::materialSetAlphaAll("material", 0.5f);
    API::materialSetTexturePassUnit("material", 0, 0, "picture.png");
    API::materialSetTextureRotate("material", 0, 45);
    API::materialSetTextureScale("material", 1, 1);
    API::materialSetTextureScale2("material", 0, 0, 1, 1);
    API::materialSetTextureScroll("material", 0, 0);
    API::materialSetTextureScroll2("material", 0, 0, 0, 0);
    API::resourceExists("url.url");
    API::textureUnload("picture.png");

    // -- animation (the anim block) ---------------------------------------------
    API::animPlay(h, "idle", 1, 0);
    API::startLinkedAnimation(h, "skeleton", "idle", 1, 0);
    API::animAddPoint(h, "idle", 0, 0);
    API::animAddPoint(h, "idle", 2, 0, 0);
    API::animSetCyclic(h, true);
    API::animAddTransitionPoint(h, "talk", -1, "lip", 3, 0, 0);
    API::animAddRotatedPoint(h, v, "walk", v, 1, 1, 0, 0);
    API::animSetLayerParam("walk", h, 1);
    API::animGetCurrentLength(h, "idle");
    API::objSetAnimTime(h, -1.0f);
    script.animInterpolateTo(h, v, Ogre::Quaternion::IDENTITY, 2.0f, 1);
    script.animInterpolatePath(h, std::vector<API::InterpolationKey>(), 2.0f);
    API::animInterpolatePath(h, std::vector<API::InterpolationKey>(), 2.0f, -1, 0);
    API::setObjAnimSpeed(h, 1000);
    API::setObjAnimParams(h, 0, 0, 1000, 0);

    // -- particles, billboards, render textures -----------------------------------
    API::particleSetEmitting("cur_new_loc", true);
    API::particleSetVisible("cur_new_loc", true);
    API::particleRestart("smoke", 1.0f);
    API::particleSetRingSize("smoke", 0, 1, 1, 1);
    API::particleSetRate("smoke", 0, 10);
    API::billboardSetVisible("glint", true);
    API::billboardSetSize("glint", 1, 1);
    API::_createRTT("rtt", 256, 256, 32, "cam", 1, 0xFFFFFFFF);
    API::rttRender("rtt");
    API::rttSetAutoUpdated("rtt", false);
    API::rttSetVisibilityMask("rtt", 0x800);
    API::rttSaveToFile("rtt", L"picture_00.jpg", 0xFFFFFFFF);
    API::deleteUserFile(L"picture_00.jpg");

    // -- overlays and texts -----------------------------------------------------
    API::overlayCopyCaption("o", "e", nullptr, "text");
    API::overlayCreateFromTemplate("o", "template", "e", nullptr, &p, &p, 100, "TextArea");
    API::overlayCreatePanel("o", "e", nullptr, "material", &p, &p, 100);
    API::overlayDestroy("o", "e", nullptr);
    API::overlayGetPosition("o", "e", f, f);
    API::overlayGetPosition("o", "e", "c", f, f);
    API::overlayGetSize("o", "e", f, f);
    API::overlayGetSize("o", "e", "c", f, f);
    API::overlaySetCaption("o", "e", nullptr, 10001, -1, 0, nullptr);
    API::overlaySetCaptionText("o", "e", nullptr, "text");
    API::overlaySetColourTop("o", "e", nullptr, 1, 1, 1, 1);
    API::overlaySetColourBottom("o", "e", nullptr, 1, 1, 1, 1);
    API::overlaySetMaterial("o", "e", nullptr, "material");
    API::overlaySetPosition("o", "e", nullptr, 0, 0);
    API::overlaySetCharHeight("o", "e", nullptr, 0.03f);
    API::overlaySetVisible("o", nullptr, nullptr, true);
    API::overlaySetRotate("o", 15.0f);
    API::overlaySetSize("o", "e", nullptr, 1, 1);
    API::overlaySetTextById("o", "e", nullptr, 10001, 40);
    API::overlaySetUV("o", "e", nullptr, 0, 0, 1, 1);
    API::overlaySetZOrder("o", 100);
    API::overlayGetCaption("o", "e", nullptr, s);
    API::overlayGetCaptionLength("o", "e", nullptr);
    API::overlayGetCaptionWidth("o", "e", nullptr, f);
    API::overlayCaptionBackspace("o", "e", nullptr);
    API::overlayAppendTextById("o", "e", nullptr, 10001);
    API::stringLength(10001);
    API::setLoadingText(0.5f);

    // -- cursor, random numbers, the shell ----------------------------------------
    API::setCursorMode(3);
    API::randomInt();
    API::randomSeed(1);
    API::shellOpen("survey\\url.url");

    // -- game state ---------------------------------------------------------------
    API::getVarI("cur_room");
    API::setVarI("cur_room", 1);
    API::getVarS("name", s);
    s = API::getVarS("name");
    API::setVarS("name", "Anna");
    API::getConfigI("game_state");
    API::getConfigF("skip_button_char_size", f);
    API::setConfigI("load_from_save", 0);
    API::getOptionI("SoundVolume", i);
    API::setOptionI("SoundVolume", 80);
    API::saveGameArray(4, 1, 32, values, &i);
    API::loadGameArray(4, 1, 32, values, &i);
    API::isGameEndSet(1, 32);
    API::makeGameArrayKey(1, 32, -1);
    API::saveVisibility(gApp.mSceneMgr->getRootSceneNode());
    API::loadVisibility(gApp.mSceneMgr->getRootSceneNode());
    API::findUser("save_00.sav");
    API::getUserName("save_00.sav", s);
    API::renameUser("save_00.sav", "Anna");
    API::saveGame("save_00.sav");
    API::loadGame("save_00.sav");
    API::clearVars();
    API::getVideoMemory();
}

TEST(ApiCoverage, TheSafeCallsRunOnTheHeadlessEngine)
{
    tq::TempDir dir;
    tq::HeadlessEngine engine;
    // Everything here acts on objects, materials and overlays that do not
    // exist: each call must simply do nothing.
    const OBJECT_HANDLE missing = 5;
    API::setVisible(missing, true);
    API::setVisibleFlags(missing, 1, 1);
    API::setMaterial(missing, -1, "material");
    API::materialSetColour("material", 1, 1, 1, 1);
    API::overlaySetVisible("o", "e", nullptr, true);
    API::particleSetEmitting("cur_new_loc", true);
    API::rttSetAutoUpdated("rtt", false);
    EXPECT_NE(engine.log().find("\nERROR: RTT rtt not found"), std::string::npos);
    EXPECT_EQ(API::getVarI("cur_room"), 0);
}
} // namespace
