#include "01_minigame_01.h"

#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <cmath>

namespace
{
const char* const kGame = "01_minigame_01";
const int kLocation = 1;
const int kNumber = 1;
const int kHint = 16001;
const float kPickRadius = 5.0f;

// Sounds by index: 0 solved, 1 a node picked, 2 dropped on a node, 3
// dropped on empty space, 5 a new match ("01_snd_04" is never played).
const int kSndWin = 0;
const int kSndPick = 1;
const int kSndDropOnNode = 2;
const int kSndDropAway = 3;
const int kSndMatch = 5;

// Focus codes of the two families of node pieces.
const int kFocusUp = 10000;
const int kFocusDown = 15000;
const int kUnfocusUp = 20000;
const int kUnfocusDown = 25000;
const int kCodesEnd = 30000;

String twoDigits(const String& prefix, int n)
{
    String name = prefix;
    CVirtualScript::strAddInt(n, name, 2);
    return name;
}

// Every box of the six ladder rows, as state indices.
bool isBox(int i)
{
    return (i >= 6 && i <= 10) || (i >= 12 && i <= 15) || (i >= 17 && i <= 21) || (i >= 39 && i <= 43) ||
           (i >= 45 && i <= 48) || (i >= 50 && i <= 54);
}

// Rows 2 of both ladders draw their crossing turned.
bool isSecondRow(int i)
{
    return (i >= 12 && i <= 15) || (i >= 45 && i <= 48);
}

void shuffleSymbols(int* symbols)
{
    for (int i = 0; i < 10; ++i)
        symbols[i] = i;
    for (int n = 0; n < 10; ++n)
    {
        const int i = ScriptObject::random(10);
        const int j = ScriptObject::random(10);
        if (i != j)
            std::swap(symbols[i], symbols[j]);
    }
}
} // namespace

void sc_01_minigame_01::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    materialSetTextureRotate("01_01_game_box_cross2", 0, -90.0f);
    sounds.load({"01_snd_00", "01_snd_01", "01_snd_02", "01_snd_03", "01_snd_04", "01_snd_05"});
    MiniGame::hideBoard(kGame);
    if (!isGameEndSet(kLocation, kNumber))
        genData();
}

void sc_01_minigame_01::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.free();
}

void sc_01_minigame_01::ON_NOTIFY(int code, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    if (MiniGame::frameCode(*this, code, getOwner(), from))
        return;
    // The tip window's answers to the hint (its code on the click, the code
    // + 10000 once gone) lie in the nodes' ranges: they are no focus codes.
    if (code == kHint || code == kHint + 10000)
        return;
    // The light follows the pointer over the nodes in every state, paused
    // and solved too.
    if (code >= kFocusUp && code < kFocusDown)
        focusUp(code - kFocusUp);
    else if (code >= kFocusDown && code < kUnfocusUp)
        focusDown(code - kFocusDown);
    else if (code >= kUnfocusUp && code < kUnfocusDown)
        unfocusUp();
    else if (code >= kUnfocusDown && code < kCodesEnd)
        unfocusDown();
}

void sc_01_minigame_01::genData()
{
    TQ_TRACE(" genData()");
    for (int& s : state)
        s = 0;
    solved = 0;
    for (int i = 0; i < kStateSize; ++i)
        if (isBox(i))
            state[i] = ScriptObject::random(2);
    shuffleSymbols(state + kTopSymbols);
    shuffleSymbols(state + kBottomSymbols);
    for (int i = 0; i < kNodes; ++i)
        state[kLinks + i] = -1;
    saveGameArray(kStateSize, kLocation, kNumber, state, &solved);
}

void sc_01_minigame_01::startGame(OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    MiniGame::showBoard(kGame);
    initGame();
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_01_minigame_01::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kStateSize, kLocation, kNumber, state, &solved);
    repairLinks();
    // A node held when the game closed is let go.
    selectedKind = -1;
    selectedIndex = -1;
    drag.state = PuzzleBoard::Drag::kIdle;
    initLight();
    for (int k = 0; k < kBoxes; ++k)
        if (k < 28 || k > 32)
            boxes[k] = findObjectIndexed("01_01_game_box_", k);
    for (int f = 0; f < 2; ++f)
    {
        flashes[f].object = findObjectIndexed("01_01_game_flash_", f);
        setVisible(flashes[f].object, false);
        flashes[f].material = twoDigits("01_01_game_flash_", f);
        setMaterial(flashes[f].object, 0, flashes[f].material);
    }
    for (int i = 0; i < kNodes; ++i)
    {
        upConnectors[i] = findObjectIndexed("01_01_game_up_connect_", i);
        setMaterial(upConnectors[i], 0, twoDigits("01_01_game_connect_", state[kTopSymbols + i]));
        downConnectors[i] = findObjectIndexed("01_01_game_down_connect_", i);
        setMaterial(downConnectors[i], 0, twoDigits("01_01_game_connect_", state[kBottomSymbols + i]));
        upNodes[i].object = findObjectIndexed("01_01_game_up_node_", i);
        upNodes[i].position = getPosition(upNodes[i].object);
        downNodes[i].object = findObjectIndexed("01_01_game_down_node_", i);
        downNodes[i].position = getPosition(downNodes[i].object);
        lines[i].object = findObjectIndexed("01_01_game_line_", i);
        lines[i].material = twoDigits("01_01_game_line_", i);
        setMaterial(lines[i].object, 0, lines[i].material);
        lineSetAlpha(lines[i], 0.0f);
    }
    for (int k = 0; k < kBoxes; ++k)
        if (isBox(k))
        {
            const char* crossing = isSecondRow(k) ? "01_01_game_box_cross2" : "01_01_game_box_cross1";
            setMaterial(boxes[k], 0, state[k] != 0 ? crossing : "01_01_game_box_nocross");
        }
    // A second start without a close in between keeps one tick.
    ScriptObject::stopFrameTimer(getOwner(), timerId);
    timerId = ScriptObject::startFrameTimer(getOwner());
    visibleLine(0, 0);
    updateLine();
    setNodeState();
}

void sc_01_minigame_01::repairLinks()
{
    TQ_TRACE(" repairLinks()");
    bool taken[kNodes] = {};
    for (int u = 0; u < kNodes; ++u)
    {
        int& d = state[kLinks + u];
        if (d == -1)
            continue;
        if (d < 0 || d >= kNodes || taken[d])
        {
            Log::print("\nWARNING: %s: saved link %d of upper node %d dropped", kGame, d, u);
            d = -1;
            continue;
        }
        taken[d] = true;
    }
}

void sc_01_minigame_01::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timerId);
    saveGameArray(kStateSize, kLocation, kNumber, state, &solved);
    MiniGame::putBoardAway(kGame);
}

void sc_01_minigame_01::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kStateSize, kLocation, kNumber, state, &solved);
}

void sc_01_minigame_01::showHint()
{
    TQ_TRACE(" showHint()");
    sendNotifyByName("interface", kHint, getOwner());
}

void sc_01_minigame_01::win()
{
    TQ_TRACE(" win()");
    playSnd(kSndWin);
    MiniGame::announceWin(getOwner());
    solved = 1;
}

void sc_01_minigame_01::check()
{
    TQ_TRACE(" check()");
    int c[kNodes];
    for (int i = 0; i < kNodes; ++i)
        c[i] = state[kBottomSymbols + i];
    cross3(c, kLowerLadder);
    cross4(c);
    cross3(c, kUpperLadder);
    matchCount = 0;
    for (int i = 0; i < kNodes; ++i)
        if (c[i] == state[kTopSymbols + i])
            ++matchCount;
    if (matchCount == kNodes)
        win();
}

void sc_01_minigame_01::cross1(int& c1, int& c2, int box)
{
    TQ_TRACE(" cross1(int &c1, int &c2, int num)");
    if (box != 0)
        std::swap(c1, c2);
}

void sc_01_minigame_01::cross2(int* c, int num, int p) const
{
    TQ_TRACE(" cross2(int *c, int num, int p)");
    for (int k = 0; k < 5 - p; ++k)
        cross1(c[p + 2 * k], c[p + 2 * k + 1], state[num + k]);
}

void sc_01_minigame_01::cross3(int* c, int num) const
{
    TQ_TRACE(" cross3(int *c, int num)");
    cross2(c, num, 0);
    cross2(c, num + 6, 1);
    cross2(c, num + 11, 0);
}

void sc_01_minigame_01::cross4(int* c) const
{
    TQ_TRACE(" cross4(int *c)");
    int old[kNodes];
    for (int i = 0; i < kNodes; ++i)
        old[i] = c[i];
    for (int i = 0; i < kNodes; ++i)
    {
        const int d = state[kLinks + i];
        c[i] = d >= 0 && d < kNodes ? old[d] : -1;
    }
}

void sc_01_minigame_01::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    if (paused)
        return;
    const float dt = ScriptObject::frameSeconds();
    pointer.read();
    if (!solved)
    {
        if (drag.clickDue(pointer.mouse))
            click();
        drag.follow(pointer);
        // The rubber band runs from the held node's end: lower nodes are
        // the far end of a link.
        if (drag.state != PuzzleBoard::Drag::kIdle)
        {
            if (selectedKind == 1)
                drawLine(0, pointer.point, selectedPoint, -1);
            else
                drawLine(0, selectedPoint, pointer.point, -1);
        }
    }
    linesAlphaMove(dt);
    flashMove(dt);
    lightMove(dt);
}

void sc_01_minigame_01::click()
{
    TQ_TRACE(" click()");
    if (drag.state == PuzzleBoard::Drag::kIdle)
        select();
    else if (drag.state == PuzzleBoard::Drag::kDragging)
        deselect();
}

bool sc_01_minigame_01::findNode(int& kind, int& index) const
{
    TQ_TRACE(" findNode(int &n1, int &n2)");
    const Node* rows[2] = {upNodes, downNodes};
    for (int k = 0; k < 2; ++k)
        for (int i = 0; i < kNodes; ++i)
        {
            const vec3& p = rows[k][i].position;
            if (std::fabs(p.x - pointer.point.x) < kPickRadius && std::fabs(p.y - pointer.point.y) < kPickRadius)
            {
                kind = k;
                index = i;
                return true;
            }
        }
    return false;
}

sc_01_minigame_01::Node& sc_01_minigame_01::nodeOf(int kind, int index)
{
    TQ_TRACE(" nodeOf(int kind, int index)");
    return kind == 0 ? upNodes[index] : downNodes[index];
}

void sc_01_minigame_01::select()
{
    TQ_TRACE(" select()");
    int kind = -1;
    int index = -1;
    if (findNode(kind, index))
    {
        Node& clicked = nodeOf(kind, index);
        int heldKind = kind;
        int heldIndex = index;
        if (clicked.linked)
        {
            // Taking a link apart holds its other end.
            if (kind == 0)
            {
                heldKind = 1;
                heldIndex = state[kLinks + index];
                state[kLinks + index] = -1;
            }
            else
            {
                heldKind = 0;
                heldIndex = -1;
                for (int u = 0; u < kNodes; ++u)
                    if (state[kLinks + u] == index)
                        heldIndex = u;
                if (heldIndex != -1)
                    state[kLinks + heldIndex] = -1;
            }
            clicked.linked = 0;
        }
        if (heldIndex >= 0 && heldIndex < kNodes)
        {
            playSnd(kSndPick);
            Node& held = nodeOf(heldKind, heldIndex);
            held.linked = 1;
            selectedKind = heldKind;
            selectedIndex = heldIndex;
            selectedPoint = held.position;
            drag.pressPoint = pointer.point;
            drag.state = PuzzleBoard::Drag::kGrabbed;
            visibleLine(0, 1);
        }
    }
    check();
    updateLine();
}

void sc_01_minigame_01::deselect()
{
    TQ_TRACE(" deselect()");
    Node& held = nodeOf(selectedKind, selectedIndex);
    int kind = -1;
    int index = -1;
    if (findNode(kind, index))
    {
        playSnd(kSndDropOnNode);
        Node& target = nodeOf(kind, index);
        int newLink = -1;
        if (kind != selectedKind && !target.linked)
        {
            target.linked = 1;
            newLink = kind == 0 ? index : selectedIndex;
            state[kLinks + newLink] = kind == 0 ? selectedIndex : index;
        }
        else
            held.linked = 0;
        const int before = matchCount;
        check();
        if (matchCount > before)
        {
            setFlash(target.position, held.position, newLink);
            playSnd(kSndMatch);
        }
    }
    else
    {
        playSnd(kSndDropAway);
        held.linked = 0;
    }
    selectedKind = -1;
    selectedIndex = -1;
    drag.state = PuzzleBoard::Drag::kIdle;
    visibleLine(0, 0);
    updateLine();
}

void sc_01_minigame_01::updateLine()
{
    TQ_TRACE(" updateLine()");
    for (int i = 1; i < kNodes; ++i)
        visibleLine(i, 0);
    // Ten links take lines 1..9 and then line 0, free then since nothing
    // can be held while every node is linked.
    int k = 1;
    for (int u = 0; u < kNodes; ++u)
    {
        const int d = state[kLinks + u];
        if (d < 0 || d >= kNodes)
            continue;
        drawLine(k % kNodes, upNodes[u].position, downNodes[d].position, u);
        visibleLine(k % kNodes, 1);
        ++k;
    }
}

float sc_01_minigame_01::lineAngle(const vec3& p1, const vec3& p2)
{
    TQ_TRACE(" lineAngle(vec3 p1, vec3 p2)");
    vec3 v(p1.x - p2.x, p1.y - p2.y, 0.0f);
    v.normalise();
    float angle = std::fabs(v.x) == 1.0f ? 0.0f : Ogre::Radian(std::acos(v.x)).valueDegrees();
    if (p1.y - p2.y <= 0.0f)
        angle = -angle;
    angle += 180.0f;
    if (angle > 360.0f)
        angle -= 360.0f;
    return angle;
}

void sc_01_minigame_01::drawLine(int num, const vec3& p1, const vec3& p2, int n)
{
    TQ_TRACE(" drawLine(int num, vec3 p1, vec3 p2, int n)");
    Line& line = lines[num];
    line.upNode = n;
    boneSetManual(line.object, "line_bone_01", true);
    boneSetPosition(line.object, "line_bone_01", p1);
    boneSetManual(line.object, "line_bone_02", true);
    boneSetPosition(line.object, "line_bone_02", p2);
    vec3 v(p1.x - p2.x, p1.y - p2.y, 0.0f);
    lineSetScale(v, num);
    const float angle = lineAngle(p1, p2);
    boneSetOrientationDeg(line.object, "line_bone_01", 0.0f, 0.0f, angle);
    boneSetOrientationDeg(line.object, "line_bone_02", 0.0f, 0.0f, angle);
}

void sc_01_minigame_01::lineSetScale(vec3& v, int l)
{
    TQ_TRACE(" lineSetScale(vec3 &n, int l)");
    const float len = v.length();
    // A line of no length (the pointer right on the held node) has no
    // texture to stretch: its last scale stays.
    if (len > 0.0f)
    {
        materialSetTextureScale2(lines[l].material, 0, 0, 20.0f / len, 1.0f);
        materialSetTextureScale2(lines[l].material, 1, 0, 10.0f / len, 1.0f);
    }
    v.normalise();
}

void sc_01_minigame_01::setNodeState()
{
    TQ_TRACE(" setNodeState()");
    for (int i = 0; i < kNodes; ++i)
    {
        upNodes[i].linked = 0;
        downNodes[i].linked = 0;
    }
    for (int u = 0; u < kNodes; ++u)
    {
        const int d = state[kLinks + u];
        if (d < 0 || d >= kNodes)
            continue;
        upNodes[u].linked = 1;
        downNodes[d].linked = 1;
    }
}

void sc_01_minigame_01::visibleLine(int num, int v)
{
    TQ_TRACE(" visibleLine(int num, int v)");
    setVisible(lines[num].object, v != 0);
}

void sc_01_minigame_01::lineSetAlpha(const Line& l, float a)
{
    TQ_TRACE(" lineSetAlpha(Line & l, float a)");
    materialSetColour2(l.material, 1, a, a, a, 1);
}

void sc_01_minigame_01::linesAlphaMove(float /*inc*/)
{
    TQ_TRACE(" linesAlphaMove(float inc)");
    const float b = flashOn ? flashFunc(flashTime) : 0.0f;
    for (const Line& line : lines)
        lineSetAlpha(line, flashOn && line.upNode == flashLine ? b : 0.0f);
}

void sc_01_minigame_01::setFlash(const vec3& pos1, const vec3& pos2, int l)
{
    TQ_TRACE(" setFlash(vec3 pos1, vec3 pos2, int l)");
    setVisible(flashes[0].object, true);
    setPosition(flashes[0].object, pos1);
    setVisible(flashes[1].object, true);
    setPosition(flashes[1].object, pos2);
    flashOn = 1;
    flashTime = 0.0f;
    flashLine = l;
}

float sc_01_minigame_01::flashFunc(float a)
{
    TQ_TRACE(" flashFunc(float a, float *b)");
    if (a < 0.2f)
        return a / 0.2f;
    if (a < 0.8f)
        return 1.0f;
    return 1.0f - (a - 0.8f) / 0.2f;
}

void sc_01_minigame_01::flashMove(float inc)
{
    TQ_TRACE(" flashMove(float inc)");
    // Each of the two flashes moves the clock half a step: a flash lasts
    // about a second.
    for (const Flash& f : flashes)
    {
        if (!flashOn)
            break;
        flashTime += inc * 0.5f;
        const float b = flashFunc(flashTime);
        materialSetColour(f.material, b, b, b);
        if (flashTime > 1.0f)
        {
            flashOn = 0;
            setVisible(flashes[0].object, false);
            setVisible(flashes[1].object, false);
        }
    }
}

void sc_01_minigame_01::initLight()
{
    TQ_TRACE(" initLight()");
    light.object = gApp.findObjectHandle("01_01_game_light");
    light.material = "01_01_game_light";
    light.on = 0;
    light.level = 0.0f;
}

void sc_01_minigame_01::showLight(const vec3& p)
{
    TQ_TRACE(" showLight(vec3 &p)");
    light.position = vec3(p.x, p.y, p.z - 1.0f);
    setPosition(light.object, light.position);
    setVisible(light.object, true);
    light.on = 1;
}

void sc_01_minigame_01::hideLight()
{
    TQ_TRACE(" hideLight()");
    light.on = 0;
}

void sc_01_minigame_01::lightMove(float inc)
{
    TQ_TRACE(" lightMove(float inc)");
    if (light.on)
    {
        light.level += inc;
        if (light.level > 1.0f)
            light.level = 1.0f;
    }
    else if (light.level > 0.0f)
    {
        light.level -= inc;
        if (light.level <= 0.0f)
        {
            setVisible(light.object, false);
            light.level = 0.0f;
        }
    }
    materialSetColour("01_01_game_light", light.level, light.level, light.level);
}

void sc_01_minigame_01::focusUp(int i)
{
    TQ_TRACE(" focusUp(int i)");
    if (i >= 0 && i < kNodes)
        showLight(upNodes[i].position);
}

void sc_01_minigame_01::focusDown(int i)
{
    TQ_TRACE(" focusDown(int i)");
    if (i >= 0 && i < kNodes)
        showLight(downNodes[i].position);
}

void sc_01_minigame_01::unfocusUp()
{
    TQ_TRACE(" unfocusUp()");
    hideLight();
}

void sc_01_minigame_01::unfocusDown()
{
    TQ_TRACE(" unfocusDown()");
    hideLight();
}

void sc_01_minigame_01::playSnd(int i) const
{
    TQ_TRACE(" playSnd(int i)");
    sounds.play(i);
}
