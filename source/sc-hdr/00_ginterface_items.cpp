// Small services of the in-game interface around inventory items: the bonus
// item (a hidden extra that, once collected, gives three more hints and
// lets a waiting task go on), the change of one item into another in its
// slot, the clearing of a slot's saved variables, the held and rest tests,
// and the item pictures: each item is a picture of a small 3D object
// ("inv_" + a word) rendered to a texture.
#include "00_ginterface.h"

#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

namespace
{
String slotKey(int i, const char* suffix)
{
    return ScriptObject::indexedKey("item_", i, suffix);
}

/// The id zero-filled to three digits: item 101 gives "101", 42 "042".
String threeDigits(int id)
{
    String s;
    CVirtualScript::strAddInt(id, s, 3);
    return s;
}
} // namespace

// ---------------------------------------------------------------------------
// The bonus

void sc_00_ginterface::bonusSetId(int id)
{
    TQ_TRACE(" bonusSetId(int id)");
    bonusId = id;
    setVarI("bonus_id", id);
}

void sc_00_ginterface::bonusBonus()
{
    TQ_TRACE(" bonusBonus()");
    setVarI("bonus_picked_" + threeDigits(bonusItemId), 1);
    const int hints = getVarI("help_num") + 3;
    setVarI("help_num", hints);
    deactivateWhile(gApp.findObjectHandle("interface"), 15002, 1);
    counterSetCount(kHintCounter, hints, 0.0f);
    counterVisible(kHintCounter, 1);
    bonusTime = 0.0f;
}

void sc_00_ginterface::bonus_next_task()
{
    TQ_TRACE(" bonus_next_task()");
    if (bonusThread >= 0 && bonusThread < static_cast<int>(threads.size()))
    {
        _PLAY_THREAD& t = threads[bonusThread];
        if (t.cur_task >= 0 && t.cur_task < t.task_count())
            threadNext(t, 0);
    }
    // Every thread sees that the bonus was collected.
    gameOnNotify(0, 0);
}

void sc_00_ginterface::startBonusTimer(int i, int time, int item_id)
{
    TQ_TRACE(" startBonusTimer(int i, int time, int item_id)");
    (void)time;
    deactivateWhile(gApp.findObjectHandle("interface"), 15000, 1);
    bonusItemId = item_id;
    bonusSetId(i);
    setVarI("bonus_item_id", bonusItemId);
}

// ---------------------------------------------------------------------------
// Items in their slots

void sc_00_ginterface::changeItem(int old_id, int new_id)
{
    TQ_TRACE(" changeItem(int old_id, int new_id)");
    for (int i = 0; i < kSlots; ++i)
    {
        _ITEM& it = slots[i];
        if (!it.used || it.id != old_id)
            continue;
        it.id = new_id;
        ovSetMaterial(it.picture, "00_ginterface/item/" + threeDigits(new_id));
        setVarI(slotKey(i, "_id"), new_id);
        return;
    }
}

void sc_00_ginterface::ereaseItem(int i)
{
    TQ_TRACE(" ereaseItem(int i)");
    for (const char* suffix : {"_id", "_num", "_ready_to_use", "_need_counter"})
        setVarI(slotKey(i, suffix), 0);
}

int sc_00_ginterface::existItem(int id) const
{
    for (const _ITEM& it : slots)
        if (it.id == id)
            return 1;
    return 0;
}

int sc_00_ginterface::checkMoveOk(const _ITEM& it) const
{
    (void)it;
    for (int i = 0; i < kSlots; ++i)
    {
        if (!slots[i].used)
            continue;
        const __MENU_ITEM& button = menus[3].items[i];
        if (button.disabled || button.shift > 0.0f)
            return 0;
    }
    return 1;
}

// ---------------------------------------------------------------------------
// Item pictures

void sc_00_ginterface::addRttTexture(const String& name, const String& object, const String& material, int id)
{
    TQ_TRACE(" addRttTexture(const String &name, const String &object, const String &material, int id)");
    if (rttCount >= kPictures)
    {
        Log::print("\nERROR: 00_ginterface: no room for picture [%s]", name.c_str());
        return;
    }
    rttRecord& r = pictures[rttCount];
    r = rttRecord();
    r.name = name;
    r.mat = material;
    r.obj = gApp.findObjectHandle(object);
    r.id = id;
    r.sub = 1;
    if (r.obj != 0)
        r.orientation = getOrientation(r.obj);
    ++rttCount;
}

void sc_00_ginterface::addRttTask(int id, const String& name)
{
    TQ_TRACE(" addRttTask(int id, const String &name)");
    const String base = "00_inv_" + threeDigits(id);
    // The black outline of an item still to be found, then its own picture.
    addRttTexture(base + "_00_rtt", name, name + "_black", 0);
    addRttTexture(base + "_01_rtt", name, name, id);
}

void sc_00_ginterface::addRttTask2(int id, const String& name, int sub)
{
    TQ_TRACE(" addRttTask2(int id, const String &name, int sub)");
    addRttTask(id, name);
    for (int i = rttCount - 2; i < rttCount; ++i)
        if (i >= 0)
            pictures[i].sub = sub;
}

void sc_00_ginterface::setRttTextureSubmaterial(int s)
{
    TQ_TRACE(" setRttTextureSubmaterial(int s)");
    if (rttCount > 0)
        pictures[rttCount - 1].sub = s;
}

void sc_00_ginterface::rttRender(int n)
{
    TQ_TRACE(" rttRender(int n)");
    for (int i = 0; i < rttCount; ++i)
        setVisible(pictures[i].obj, false);
    rttRecord& r = pictures[n];
    setVisible(r.obj, true);
    if (r.obj != 0)
        setMaterial(r.obj, -1, r.mat);
    CVirtualScript::rttRender(r.name);
    r.rendered = 1;
}

void sc_00_ginterface::rttRenderAll()
{
    TQ_TRACE(" rttRenderAll()");
    for (int i = 0; i < rttCount; ++i)
    {
        pictures[i].rendered = 0;
        rttSetAutoUpdated(pictures[i].name, false);
    }
}

void sc_00_ginterface::rttTextureProcess()
{
    rttBusy = 1;
    bool drawn = false;
    for (int i = 0; i < rttCount; ++i)
    {
        if (pictures[i].rendered)
            continue;
        rttRender(i);
        rttBusy = 0;
        drawn = true;
    }
    // The loader's window may close once every picture is drawn.
    if (!rttAllNotified && !drawn)
    {
        rttAllNotified = 1;
        sendNotifyByName("00_loader", 1111, 0);
    }
}

void sc_00_ginterface::rttRenderIdOn(int id)
{
    TQ_TRACE(" rttRenderIdOn(int id)");
    for (int i = 0; i < rttCount; ++i)
    {
        const bool on = pictures[i].id == id;
        rttSetAutoUpdated(pictures[i].name, on);
        setVisible(pictures[i].obj, on);
    }
}

void sc_00_ginterface::rttRenderIdOff()
{
    TQ_TRACE(" rttRenderIdOff()");
    rttRenderIdOn(-1);
}

void sc_00_ginterface::rttRenderIdRotate(int id, float a, int st)
{
    (void)st;
    for (int i = 0; i < rttCount; ++i)
    {
        rttRecord& r = pictures[i];
        if (r.id != id)
            continue;
        r.angle += a;
        setRttOrientation(r.obj, r.orientation, r.angle);
    }
}

void sc_00_ginterface::setRttOrientation(OBJECT_HANDLE object3d, const Ogre::Quaternion& ori, float a)
{
    // The picture turns about its upright axis.
    setOrientation(object3d, ori * Ogre::Quaternion(Ogre::Radian(a), Ogre::Vector3::UNIT_Y));
}
