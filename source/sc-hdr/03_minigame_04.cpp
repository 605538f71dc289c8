#include "03_minigame_04.h"

#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>
#include <cmath>

namespace
{
const char* const kGame = "03_minigame_04";
const int kLocation = 3;
const int kNumber = 4;
const int kHint = 16004;

enum Sound
{
    kSndWin = 0,
    kSndGrab = 1,
    kSndSlot = 2,
    kSndTable = 3,
};

// The ints of a command.
enum
{
    kColour1 = 0,
    kOp1 = 1,
    kColour2 = 2,
    kOp2 = 3,
    kTableX = 4,
    kTableY = 5,
    kSlot = 6,
};

const int kStart = 0; ///< start light in the saved array
const int kGoal = 45; ///< goal light in the saved array

const float kPlaneDepth = 99.0f;
const float kDragThreshold = 0.1f;
/// A chip nearer than this to a slot in x and y is over it.
const float kSlotReach = 2.0f;

int draw(int n)
{
    return ScriptObject::random(n);
}

bool inRange(int v, int lo, int hi)
{
    return v >= lo && v <= hi;
}
} // namespace

void sc_03_minigame_04::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"01_snd_00", "01_snd_01", "01_snd_02", "01_snd_03", "04_snd_04", "05_snd_05"});
    MiniGame::hideBoard(kGame);
    // The state is kept in memory from the start, so that a save or close
    // that comes before the game is played writes it back unchanged.
    if (!isGameEndSet(kLocation, kNumber))
        genData();
    else
        loadGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_03_minigame_04::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
}

void sc_03_minigame_04::ON_NOTIFY(int param, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
    if (MiniGame::frameCode(*this, param, getOwner(), from))
        return;
    if (param >= 10000 && param < 20000)
        focusWord(param - 10000);
    else if (param >= 20000 && param < 30000)
        unfocusWord();
}

void sc_03_minigame_04::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    if (paused)
        return;
    const float dt = ScriptObject::frameSeconds();
    mouse.read();
    cursor = vec3(mouse.x, mouse.y, kPlaneDepth);
    screenToPlane(cursor, planePoint);
    if (!won)
        dragTick(mouse, planePoint, kDragThreshold);
    moveCmds(dt);
    moveLights(dt);
}

int sc_03_minigame_04::change(int* c, int cl, int cm)
{
    TQ_TRACE(" change(int *c, int cl, int cm)");
    if (!inRange(cl, 0, 2))
        return 0;
    int& v = c[cl];
    switch (cm)
    {
    case 0:
    case 1:
        v += cm + 1;
        if (v >= 3)
        {
            v = 3;
            return 0;
        }
        return 1;
    case 2:
    case 3:
        v -= cm - 1;
        if (v <= 0)
        {
            v = 0;
            return 0;
        }
        return 1;
    case 4:
    {
        // The colour pours into the next one: green into red, red into
        // blue, blue into green.
        int& next = c[(cl + 1) % 3];
        int& other = c[(cl + 2) % 3];
        next += v;
        v = 0;
        int result = 1;
        if (next >= 3)
        {
            next = 3;
            result = 0;
        }
        if (other >= 3)
        {
            other = 3;
            result = 0;
        }
        return result;
    }
    default:
        return 0;
    }
}

void sc_03_minigame_04::genData()
{
    TQ_TRACE(" genData()");
    for (int& v : saved)
        v = 0;
    won = 0;
    for (int k = 0; k < 3; ++k)
        saved[kStart + k] = draw(4);

    // Every draw of a single operation can succeed: a colour at 0 or 1
    // takes +1, one at 2 or 3 takes -1.  Sets of commands are drawn until
    // exactly three of the eight operations pour a colour.
    int pours = 0;
    do
    {
        int light[3] = {saved[kStart], saved[kStart + 1], saved[kStart + 2]};
        pours = 0;
        for (int k = 0; k < kChips; ++k)
        {
            int* cmd = command(k);
            int copy[3];
            do
            {
                cmd[kColour1] = draw(3);
                cmd[kOp1] = draw(5);
                std::copy(light, light + 3, copy);
            } while (change(copy, cmd[kColour1], cmd[kOp1]) == 0);
            std::copy(copy, copy + 3, light);
            int accepted = 0;
            do
            {
                cmd[kColour2] = draw(3);
                cmd[kOp2] = draw(5);
                std::copy(light, light + 3, copy);
                accepted = change(copy, cmd[kColour2], cmd[kOp2]);
            } while (cmd[kColour2] == cmd[kColour1] || accepted == 0);
            std::copy(copy, copy + 3, light);
            // Chips lie left or right of the table's middle band.
            const int side = draw(2);
            cmd[kTableX] = side * 70 + draw(30);
            cmd[kTableY] = draw(100);
            cmd[kSlot] = -1;
            pours += (cmd[kOp1] == 4) + (cmd[kOp2] == 4);
        }
    } while (pours != 3);

    calcLight();
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_03_minigame_04::calcLight()
{
    TQ_TRACE(" calcLight()");
    for (int k = 0; k < 3; ++k)
        panels[0].light[k] = saved[kStart + k];
    for (int j = 1; j <= kChips; ++j)
    {
        std::copy(panels[j - 1].light, panels[j - 1].light + 3, panels[j].light);
        const int* cmd = command(j - 1);
        change(panels[j].light, cmd[kColour1], cmd[kOp1]);
        change(panels[j].light, cmd[kColour2], cmd[kOp2]);
    }
    for (int k = 0; k < 3; ++k)
        saved[kGoal + k] = panels[kChips].light[k];
}

bool sc_03_minigame_04::stateValid() const
{
    TQ_TRACE(" stateValid()");
    for (int k = 0; k < 3; ++k)
        if (!inRange(saved[kStart + k], 0, 3) || !inRange(saved[kGoal + k], 0, 3))
            return false;
    for (int i = 0; i < kChips; ++i)
    {
        const int* cmd = &saved[3 + 9 * i];
        if (!inRange(cmd[kColour1], 0, 2) || !inRange(cmd[kColour2], 0, 2) || !inRange(cmd[kOp1], 0, 4) ||
            !inRange(cmd[kOp2], 0, 4) || !inRange(cmd[kTableX], 0, 100) || !inRange(cmd[kTableY], 0, 100) ||
            !inRange(cmd[kSlot], -1, kChips - 1))
            return false;
    }
    return true;
}

void sc_03_minigame_04::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kSaved, kLocation, kNumber, saved, &won);
    if (!stateValid())
    {
        MiniGameTools::warnDamagedState(kLocation, kNumber);
        genData();
    }
    // A chip carried when the game was left is put down.
    selected = -1;
    drop();
    for (int i = 0; i < kChips; ++i)
    {
        chips[i].slotObject = findObjectIndexed("03_01_game_scheme_", i);
        chips[i].slotPos = getPosition(chips[i].slotObject);
    }
    for (int i = 0; i < kChips; ++i)
    {
        _CHIP& chip = chips[i];
        const int* cmd = command(i);
        chip.chipObject = findObjectIndexed("03_01_game_chip_", i);
        chip.chipMaterial = ScriptObject::indexedKey("03_01_game_chip_", i);
        setMaterial(chip.chipObject, 2, chip.chipMaterial);
        sign(i, 0, cmd[kColour1], cmd[kOp1]);
        sign(i, 1, cmd[kColour2], cmd[kOp2]);
        chip.t = 1.0f;
        chip.zBias = i * 0.01f;
        chip.glow = 0.0f;
        if (cmd[kSlot] == -1)
            getPos(i, chip.to);
        else
            chip.to = chips[cmd[kSlot]].slotPos;
        chip.from = chip.current = chip.to;
        setPosition(chip.chipObject, chip.to);
    }
    for (int j = 0; j < kPanels; ++j)
    {
        _PANEL& panel = panels[j];
        panel.panelObject = findObjectIndexed("03_01_game_panel_", j);
        panel.brightness = 0.0f;
        panel.active = 0;
        panel.greenMaterial = ScriptObject::indexedKey("03_01_game_light_green_", j);
        panel.redMaterial = ScriptObject::indexedKey("03_01_game_light_red_", j);
        panel.blueMaterial = ScriptObject::indexedKey("03_01_game_light_blue_", j);
        const String* materials[3] = {&panel.greenMaterial, &panel.redMaterial, &panel.blueMaterial};
        for (int lamp = 0; lamp < 9; ++lamp)
            setMaterial(panel.panelObject, panel.lampSub[lamp], *materials[lamp / 3]);
    }
    genLight();
    // A second start without a close in between keeps one tick.
    ScriptObject::stopFrameTimer(getOwner(), timerId);
    timerId = ScriptObject::startFrameTimer(getOwner());
}

void sc_03_minigame_04::sign(int c, int sub, int cl, int cm)
{
    TQ_TRACE(" sign(int c, int sub, int cl, int cm)");
    const String material = ScriptObject::indexedKey("03_01_game_cmd_", 2 * c + sub);
    setMaterial(chips[c].chipObject, sub, material);
    String texture = ScriptObject::indexedKey("03_01_game_cmd_", cl, "_");
    strAddInt(cm, texture, 2);
    materialSetTexturePassUnit(material, 0, 0, texture + ".tga");
}

void sc_03_minigame_04::getPos(int i, vec3& p)
{
    TQ_TRACE(" getPos(int i, vec3 &p)");
    const int* cmd = command(i);
    p.x = static_cast<float>(cmd[kTableX] - 50);
    p.y = -7.0f - 0.23f * static_cast<float>(cmd[kTableY]);
    p.z = 0.15f * static_cast<float>(i) - kPlaneDepth;
}

void sc_03_minigame_04::setPos(int i, const vec3& p)
{
    TQ_TRACE(" setPos(int i, vec3 p)");
    int* cmd = command(i);
    const float fx = (p.x + 50.0f) / 100.0f;
    const float fy = (p.y + 7.0f) / -23.0f;
    cmd[kTableX] = static_cast<int>(fx * 100.0f);
    cmd[kTableY] = static_cast<int>(fy * 100.0f);
}

void sc_03_minigame_04::genLight()
{
    TQ_TRACE(" genLight()");
    for (int j = 1; j <= kChips; ++j)
    {
        std::fill(panels[j].light, panels[j].light + 3, 0);
        panels[j].active = 0;
    }
    for (int k = 0; k < 3; ++k)
    {
        panels[0].light[k] = saved[kStart + k];
        panels[kPanels - 1].light[k] = saved[kGoal + k];
    }
    // The chain of lit panels ends at the first empty slot.
    for (int j = 1; j <= kChips; ++j)
    {
        int chip = -1;
        for (int i = 0; i < kChips; ++i)
            if (command(i)[kSlot] == j - 1)
                chip = i;
        if (chip == -1)
            break;
        const int* cmd = command(chip);
        std::copy(panels[j - 1].light, panels[j - 1].light + 3, panels[j].light);
        change(panels[j].light, cmd[kColour1], cmd[kOp1]);
        change(panels[j].light, cmd[kColour2], cmd[kOp2]);
        panels[j].active = 1;
    }
    for (_PANEL& panel : panels)
    {
        // A panel fading out keeps the lamps it faded with; one that a chip
        // lights shows its new light at once, even before it went dark.
        if (panel.brightness > 0.0f && !panel.active)
            continue;
        const String* materials[3] = {&panel.greenMaterial, &panel.redMaterial, &panel.blueMaterial};
        for (int colour = 0; colour < 3; ++colour)
            for (int n = 0; n < 3; ++n)
                setMaterial(panel.panelObject, panel.lampSub[colour * 3 + n],
                            n < panel.light[colour] ? *materials[colour] : String("00_empty"));
    }
    const _PANEL& last = panels[kChips];
    if (last.active && std::equal(last.light, last.light + 3, &saved[kGoal]))
        win();
}

void sc_03_minigame_04::win()
{
    TQ_TRACE(" win()");
    sounds.play(kSndWin);
    MiniGame::announceWin(getOwner());
    won = 1;
}

void sc_03_minigame_04::focusWord(int i)
{
    TQ_TRACE(" focusWord(int i)");
    // A piece numbered past the chips has no chip to carry.
    focused = inRange(i, 0, kChips - 1) ? i : -1;
}

void sc_03_minigame_04::unfocusWord()
{
    TQ_TRACE(" unfocusWord()");
    focused = -1;
}

void sc_03_minigame_04::select()
{
    TQ_TRACE(" select()");
    if (focused == -1)
        return;
    sounds.play(kSndGrab);
    selected = focused;
    grab(planePoint);
    _CHIP& chip = chips[selected];
    grabOffset = vec3(chip.current.x - planePoint.x, chip.current.y - planePoint.y, 1.0f);
    chip.t = 1.0f;
    command(selected)[kSlot] = -1;
    genLight();
}

void sc_03_minigame_04::deselect()
{
    TQ_TRACE(" deselect()");
    _CHIP& chip = chips[selected];
    bool taken = false;
    for (int i = 0; i < kChips; ++i)
        taken = taken || command(i)[kSlot] == slotUnder;
    const vec3 at = getPosition(chip.chipObject);
    if (slotUnder != -1 && !taken)
    {
        sounds.play(kSndSlot);
        command(selected)[kSlot] = slotUnder;
        chip.to = chips[slotUnder].slotPos;
    }
    else
    {
        // Onto the table, off its middle band.
        sounds.play(kSndTable);
        chip.to = at;
        chip.to.x = std::max(-50.0f, std::min(50.0f, chip.to.x));
        chip.to.y = std::max(-30.0f, std::min(-7.0f, chip.to.y));
        if (chip.to.x > -17.0f && chip.to.x < 0.0f)
            chip.to.x = -17.0f;
        else if (chip.to.x > 0.0f && chip.to.x < 17.0f)
            chip.to.x = 17.0f;
        setPos(selected, chip.to);
    }
    chip.from = at;
    chip.to.z = 0.15f * static_cast<float>(selected) - kPlaneDepth;
    chip.t = 0.0f;
    selected = -1;
    drop();
    genLight();
}

void sc_03_minigame_04::moveCmds(float inc)
{
    TQ_TRACE(" moveCmds(float inc)");
    slotUnder = -1;
    if (selected != -1)
    {
        _CHIP& carried = chips[selected];
        carried.to = planePoint + grabOffset;
        carried.t = 1.0f;
        for (int k = 0; k < kChips; ++k)
            if (std::fabs(carried.to.x - chips[k].slotPos.x) < kSlotReach &&
                std::fabs(carried.to.y - chips[k].slotPos.y) < kSlotReach)
                slotUnder = k;
    }
    for (int i = 0; i < kChips; ++i)
    {
        _CHIP& chip = chips[i];
        if (i == focused)
            chip.glow = std::min(1.0f, chip.glow + inc * 5.0f);
        else
            chip.glow = std::max(0.0f, chip.glow - inc);
        materialSetColour2(chip.chipMaterial, 1, chip.glow, chip.glow, chip.glow, 1);
    }
    for (_CHIP& chip : chips)
    {
        if (chip.t < 1.0f)
        {
            chip.current = MiniGame::interp(chip.from, chip.to, MiniGameTools::easeOut(chip.t));
            chip.t += inc * 3.0f;
        }
        else
            chip.current = chip.to;
        chip.current.z += chip.zBias;
        setPosition(chip.chipObject, chip.current);
    }
}

void sc_03_minigame_04::moveLights(float inc)
{
    TQ_TRACE(" moveLights(float inc)");
    // The start and goal panels keep their materials' own colour.
    for (int j = 1; j <= kChips; ++j)
    {
        _PANEL& panel = panels[j];
        const float step = panel.active ? 2.0f * inc : -2.0f * inc;
        panel.brightness = std::max(0.0f, std::min(1.0f, panel.brightness + step));
        const float b = panel.brightness;
        materialSetColour(panel.greenMaterial, b, b, b, 1);
        materialSetColour(panel.redMaterial, b, b, b, 1);
        materialSetColour(panel.blueMaterial, b, b, b, 1);
    }
}

void sc_03_minigame_04::startGame(OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    MiniGame::showBoard(kGame);
    initGame();
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_03_minigame_04::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timerId);
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
    MiniGame::putBoardAway(kGame);
}

void sc_03_minigame_04::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_03_minigame_04::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}
