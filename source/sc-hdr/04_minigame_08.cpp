#include "04_minigame_08.h"

#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <OgreMath.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

namespace
{
const char* const kGame = "04_minigame_08";
const int kHint = 16008;
const int kN = sc_04_minigame_08::kNodes;
/// The panel's distance in front of the camera.
const float kDepth = 111.066f;
/// Any real chain on the panel is far shorter.
const float kFar = 100000.0f;

enum Sound
{
    kWinSound,
    kGrabSound,
    kAcceptSound,
    kRefuseSound,
    kLimitSound
};

// The shortest open chain through all eleven nodes.  Every chain has a
// middle node (its sixth) from which two paths of five further nodes run;
// a path from s through five nodes is best found with its third node fixed:
// the two nodes before it in their better order (a four-node path with both
// ends fixed) and the two after it in theirs (a three-node path from a fixed
// start).  So the search is exact while it only ever orders pairs.
class ChainSolver
{
public:
    explicit ChainSolver(const float (*d)[kN]) : D(d), p2(kN * kN * kN), p3(kN * kN * kN * kN), p6(kN << kN) {}

    /// The budget; route gets the chain's nodes in order.
    int solve(int route[kN])
    {
        fillPairs();
        fillFixedEnds();
        fillPaths();
        return shortest(route);
    }

private:
    /// A pair of stops in the order that makes its path shorter.
    struct Pair
    {
        float length = kFar;
        int8_t first = -1;
        int8_t second = -1;
    };
    /// A path from a start through five nodes.
    struct Path
    {
        float length = kFar;
        std::array<int8_t, 5> nodes{};
    };

    Pair& pair2(int a, int b, int c) { return p2[(a * kN + b) * kN + c]; }
    Pair& pair3(int a, int x, int b, int c) { return p3[((a * kN + x) * kN + b) * kN + c]; }
    Path& path6(int s, unsigned set) { return p6[(s << kN) | set]; }

    static Pair better(float l1, int b, int c, float l2)
    {
        Pair p;
        // The first order only when strictly shorter.
        if (l1 < l2)
            p.length = l1, p.first = static_cast<int8_t>(b), p.second = static_cast<int8_t>(c);
        else
            p.length = l2, p.first = static_cast<int8_t>(c), p.second = static_cast<int8_t>(b);
        return p;
    }

    // a -> {b, c}
    void fillPairs()
    {
        for (int a = 0; a < kN; ++a)
            for (int b = 0; b < kN; ++b)
                for (int c = b + 1; c < kN; ++c)
                    if (b != a && c != a)
                        pair2(a, b, c) = better(D[a][b] + D[b][c], b, c, D[a][c] + D[c][b]);
    }

    // a -> {b, c} -> x
    void fillFixedEnds()
    {
        for (int a = 0; a < kN; ++a)
            for (int x = 0; x < kN; ++x)
            {
                if (x == a)
                    continue;
                for (int b = 0; b < kN; ++b)
                    for (int c = b + 1; c < kN; ++c)
                        if (b != a && b != x && c != a && c != x)
                            pair3(a, x, b, c) = better(D[a][b] + D[b][c] + D[c][x], b, c,
                                                       D[a][c] + D[c][b] + D[b][x]);
            }
    }

    /// Calls f with every ascending five of the nodes other than skip, in
    /// lexicographic order.
    template <class F>
    static void forFives(int skip, F f)
    {
        int others[kN - 1];
        int n = 0;
        for (int i = 0; i < kN; ++i)
            if (i != skip)
                others[n++] = i;
        int L[5];
        for (int a = 0; a < n; ++a)
            for (int b = a + 1; b < n; ++b)
                for (int c = b + 1; c < n; ++c)
                    for (int d = c + 1; d < n; ++d)
                        for (int e = d + 1; e < n; ++e)
                        {
                            L[0] = others[a], L[1] = others[b], L[2] = others[c], L[3] = others[d];
                            L[4] = others[e];
                            f(L);
                        }
    }

    static unsigned maskOf(const int L[5])
    {
        unsigned m = 0;
        for (int i = 0; i < 5; ++i)
            m |= 1u << L[i];
        return m;
    }

    // s -> {Lj, Lk} -> Li -> {Lm1, Lm2}
    void fillPaths()
    {
        for (int s = 0; s < kN; ++s)
            forFives(s, [&](const int L[5]) {
                Path best;
                for (int i = 0; i < 5; ++i)
                    for (int j = 0; j < 5; ++j)
                    {
                        if (j == i)
                            continue;
                        for (int k = j + 1; k < 5; ++k)
                        {
                            if (k == i)
                                continue;
                            int rest[2];
                            int r = 0;
                            for (int m = 0; m < 5; ++m)
                                if (m != i && m != j && m != k)
                                    rest[r++] = m;
                            const Pair& head = pair3(s, L[i], L[j], L[k]);
                            const Pair& tail = pair2(L[i], L[rest[0]], L[rest[1]]);
                            const float candidate = head.length + tail.length;
                            if (candidate < best.length)
                            {
                                best.length = candidate;
                                best.nodes = {head.first, head.second, static_cast<int8_t>(L[i]), tail.first,
                                              tail.second};
                            }
                        }
                    }
                path6(s, maskOf(L)) = best;
            });
    }

    int shortest(int route[kN])
    {
        float best = kFar;
        const unsigned all = (1u << kN) - 1;
        for (int c = 0; c < kN; ++c)
            forFives(c, [&](const int S[5]) {
                const unsigned s = maskOf(S);
                const unsigned t = all & ~s & ~(1u << c);
                const Path& left = path6(c, s);
                const Path& right = path6(c, t);
                const float candidate = left.length + right.length;
                if (candidate < best)
                {
                    best = candidate;
                    // The left path runs backwards into the middle node.
                    for (int k = 0; k < 5; ++k)
                        route[k] = left.nodes[4 - k];
                    route[5] = c;
                    for (int k = 0; k < 5; ++k)
                        route[6 + k] = right.nodes[k];
                }
            });
        return static_cast<int>(best) + 1;
    }

    const float (*D)[kN];
    std::vector<Pair> p2;
    std::vector<Pair> p3;
    std::vector<Path> p6;
};
} // namespace

void sc_04_minigame_08::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"01_snd_00", "01_snd_01", "01_snd_05", "01_snd_03", "05_snd_02"});
    MiniGame::hideBoard(kGame);
    if (!isGameEndSet(4, 8))
        genData();
}

void sc_04_minigame_08::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
}

void sc_04_minigame_08::ON_NOTIFY(int code, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    if (MiniGame::frameCode(*this, code, getOwner(), from))
        return;
    // The pieces' button codes (30000 and up) are not needed: the game reads
    // the button itself.
    if (code >= 10000 && code < 20000)
        focusbutton(code - 10000);
    else if (code >= 20000 && code < 30000)
        unfocusbutton();
}

void sc_04_minigame_08::startGame(OBJECT_HANDLE from)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    starter = from;
    MiniGame::showBoard(kGame);
    initGame();
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_04_minigame_08::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timer);
    saveGameArray(kSaved, 4, 8, data, &gameEnd);
    MiniGame::putBoardAway(kGame);
}

void sc_04_minigame_08::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kSaved, 4, 8, data, &gameEnd);
}

void sc_04_minigame_08::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}

void sc_04_minigame_08::win()
{
    TQ_TRACE(" win()");
    sounds.play(kWinSound);
    MiniGame::announceWin(getOwner());
    gameEnd = 1;
    hideSvet();
}

// ---------------------------------------------------------------------------
// The board

void sc_04_minigame_08::genData()
{
    TQ_TRACE(" genData()");
    std::fill(std::begin(data), std::end(data), 0);
    gameEnd = 0;
    count = kNodes;
    genLevel();
    for (int i = 0; i < kNodes; ++i)
    {
        nodes[i].node = findObjectIndexed("04_04_game_node_", i);
        nodes[i].pos = getPos(i);
        fillDistances(i);
    }
    find();
    saveGameArray(kSaved, 4, 8, data, &gameEnd);
}

void sc_04_minigame_08::genLevel()
{
    TQ_TRACE(" genLevel()");
    for (int i = 0; i < kNodes; ++i)
    {
        int x = 0;
        int y = 0;
        bool tooClose = true;
        while (tooClose)
        {
            // Nodes 0..8 one in each cell of a 3 x 3 grid, so that the board
            // is spread out; the last two anywhere.
            x = (i % 3) * 33 + ScriptObject::random(33);
            y = (i / 3) * 33 + ScriptObject::random(33);
            if (i > 8)
            {
                x = ScriptObject::random(100);
                y = ScriptObject::random(100);
            }
            tooClose = false;
            for (int j = 0; j < i && !tooClose; ++j)
                tooClose = std::abs(x - data[4 * j]) < 20 && std::abs(y - data[4 * j + 1]) < 20;
        }
        data[4 * i] = x;
        data[4 * i + 1] = y;
        link(i) = -1;
        successor(i) = -1;
    }
}

void sc_04_minigame_08::find()
{
    TQ_TRACE(" find()");
    int route[kN];
    ChainSolver solver(dist);
    data[kBudget] = solver.solve(route);
    for (int k = 0; k + 1 < kN; ++k)
        successor(route[k]) = route[k + 1];
    successor(route[kN - 1]) = -1;
}

vec3 sc_04_minigame_08::getPos(int i) const
{
    const float a = 0.01f * static_cast<float>(data[4 * i]);
    const float b = 0.01f * static_cast<float>(data[4 * i + 1]);
    return vec3(Puzzle::interp(-33.0f, 33.0f, a), Puzzle::interp(-12.0f, 33.0f, b), -kDepth);
}

void sc_04_minigame_08::fillDistances(int i)
{
    for (int j = 0; j < i; ++j)
    {
        const float dx = nodes[i].pos.x - nodes[j].pos.x;
        const float dy = nodes[i].pos.y - nodes[j].pos.y;
        dist[i][j] = dist[j][i] = std::sqrt(dx * dx + dy * dy);
    }
    dist[i][i] = 0.0f;
}

void sc_04_minigame_08::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kSaved, 4, 8, data, &gameEnd);
    // A damaged save must not lead the chain outside the board.
    for (int n = 0; n < kNodes; ++n)
    {
        Puzzle::repair(4, 8, data, 4 * n, 0, 99, 0);
        Puzzle::repair(4, 8, data, 4 * n + 1, 0, 99, 0);
        Puzzle::repair(4, 8, data, 4 * n + 2, -1, kNodes - 1, -1);
        Puzzle::repair(4, 8, data, 4 * n + 3, -1, kNodes - 1, -1);
    }
    Puzzle::repair(4, 8, data, kChainStart, 0, kNodes - 1, 0);
    const bool budgetLost = data[kBudget] < 1;
    Puzzle::repair(4, 8, data, kBudget, 1, INT_MAX, 1);

    initSvet();
    count = kNodes;
    initFlash();
    for (int i = 0; i < kNodes; ++i)
    {
        Node& n = nodes[i];
        n.level = 0.0f;
        n.node = findObjectIndexed("04_04_game_node_", i);
        n.light = findObjectIndexed("04_04_game_node_light_", i);
        n.line = findObjectIndexed("04_04_game_line_", i);
        // Each line and light has its own material, so that each can glow
        // on its own.
        n.lightMaterial = ScriptObject::indexedKey("04_04_game_node_light_", i);
        n.lineMaterial = ScriptObject::indexedKey("04_04_game_line_", i);
        setMaterial(n.light, 0, n.lightMaterial);
        setMaterial(n.line, 0, n.lineMaterial);
        n.pos = getPos(i);
        setPosition(n.node, n.pos);
        setPosition(n.light, n.pos);
        fillDistances(i);
        materialSetColour2(n.lineMaterial, 1, 0.0f, 0.0f, 0.0f, 1);
    }
    if (budgetLost)
        find(); // the board still holds what the budget came from

    gauge = gApp.findObjectHandle("04_04_game_line_fill");
    mode = 0;
    selected = -1;
    clamped = 0;
    setLineLenght(0);
    refreshLine();
    ScriptObject::stopFrameTimer(getOwner(), timer);
    timer = ScriptObject::startFrameTimer(getOwner());
}

// ---------------------------------------------------------------------------
// The chain

void sc_04_minigame_08::refreshLine()
{
    TQ_TRACE(" refreshLine()");
    curLength = 0.0f;
    for (Node& n : nodes)
        n.lit = 0;
    const int start = data[kChainStart];
    // A node met twice ends the walk: only a damaged save holds a ring.
    for (int n = start; n >= 0 && !nodes[n].lit; n = link(n))
    {
        nodes[n].lit = 1;
        if (link(n) >= 0)
            curLength += dist[n][link(n)];
    }
    if (link(start) < 0)
        nodes[start].lit = 0; // a single node is no chain

    int lit = 0;
    for (int n = 0; n < kNodes; ++n)
    {
        if (!nodes[n].lit || link(n) < 0)
        {
            link(n) = -1;
            setVisible(nodes[n].line, false);
        }
        else
            drawLine(n, nodes[n].pos, nodes[link(n)].pos, 10000.0f);
        lit += nodes[n].lit;
    }
    if (lit == kNodes)
        nextLevel();
    setLineLenght(static_cast<int>(curLength * 100.0f));
}

void sc_04_minigame_08::click()
{
    TQ_TRACE(" click()");
    if (mode == 0)
        select();
    else if (mode == 2)
        deselect();
}

void sc_04_minigame_08::select()
{
    TQ_TRACE(" select()");
    if (focused >= 0)
    {
        sounds.play(kGrabSound);
        selected = focused;
        grabX = cursor.x;
        grabY = cursor.y;
        mode = 1;
        // The chain ends at the grabbed node; a node outside it starts a
        // new chain, and the old one goes at the refresh.
        link(selected) = -1;
        if (!nodes[selected].lit)
            data[kChainStart] = selected;
    }
    refreshLine();
}

void sc_04_minigame_08::deselect()
{
    TQ_TRACE(" deselect()");
    const int s = selected;
    const int f = focused;
    // The budget check allows 2.0 of slack: a chain may end a little over
    // the shortest one's length.
    if (s >= 0 && f >= 0 && link(f) < 0 && f != s && curLength + dist[s][f] - 2.0f < data[kBudget])
    {
        link(s) = f;
        sounds.play(kAcceptSound);
        setFlash(s, f);
    }
    else
        sounds.play(kRefuseSound);
    mode = 0;
    selected = -1;
    refreshLine();
}

void sc_04_minigame_08::nextLevel()
{
    TQ_TRACE(" nextLevel()");
    hideFlash();
    win();
}

void sc_04_minigame_08::focusbutton(int i)
{
    TQ_TRACE(" focusbutton(int i)");
    if (i < 0 || i >= kNodes)
        return;
    focused = i;
    if (gameEnd == 0)
        showSvet(i);
}

void sc_04_minigame_08::unfocusbutton()
{
    TQ_TRACE(" unfocusbutton()");
    focused = -1;
    hideSvet();
}

void sc_04_minigame_08::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    if (paused)
        return;
    const float dt = ScriptObject::frameSeconds();
    mouse.read();
    screenToPlane(vec3(mouse.x, mouse.y, kDepth), cursor);
    if (gameEnd == 0)
    {
        if (mouse.pressed())
            click();
        else if (mouse.released() && mode == 2)
            click();
        if (mode == 1 && mouse.buttonNow &&
            (std::fabs(cursor.x - grabX) > 0.1f || std::fabs(cursor.y - grabY) > 0.1f))
            mode = 2;
    }
    moveLine(dt);
    moveFlash(dt);
    svetProcess(dt);
}

// ---------------------------------------------------------------------------
// Drawing

void sc_04_minigame_08::moveLine(float dt)
{
    if (selected >= 0)
    {
        const int drawn =
            drawLine(selected, nodes[selected].pos, cursor, static_cast<float>(data[kBudget]) - curLength);
        setLineLenght(drawn + static_cast<int>(curLength * 100.0f));
    }
    for (Node& n : nodes)
    {
        if (n.lit)
            n.level = std::min(1.0f, n.level + 3.0f * dt);
        else
            n.level = std::max(0.0f, n.level - dt);
        materialSetColour(n.lightMaterial, n.level, n.level, n.level, 1);
    }
}

int sc_04_minigame_08::drawLine(int num, const vec3& p1, const vec3& p2, float max)
{
    const OBJECT_HANDLE line = nodes[num].line;
    setVisible(line, true);
    boneSetManual(line, "line_bone_01", true);
    boneSetPosition(line, "line_bone_01", p1);
    boneSetManual(line, "line_bone_02", true);
    boneSetPosition(line, "line_bone_02", p2);

    const float dx = p1.x - p2.x;
    const float dy = p1.y - p2.y;
    const float full = std::sqrt(dx * dx + dy * dy);
    const float sign = dy > 0.0f ? 1.0f : -1.0f;
    float length = full;
    // A chain may already stand up to 2.0 over the budget: nothing is left
    // to drag then.
    if (max < 0.0f)
        max = 0.0f;
    if (length > max)
    {
        if (!clamped)
            sounds.play(kLimitSound);
        boneSetPosition(line, "line_bone_02", p1 - vec3(dx, dy, 0.0f) * (max / length));
        length = max;
        clamped = 1;
    }
    else
        clamped = 0;

    // A line of no length has no direction and no texture to stretch.
    if (length < 1e-4f)
        return 0;
    materialSetTextureScale(nodes[num].lineMaterial, 5.0f / length, 1.0f);
    // The direction comes from the full distance: a shortened line still
    // points at the cursor.
    const float cosine = std::max(-1.0f, std::min(1.0f, dx / full));
    float angle = Ogre::Radian(std::acos(cosine)).valueDegrees() * sign + 180.0f;
    if (angle > 360.0f)
        angle -= 360.0f;
    boneSetOrientationDeg(line, "line_bone_01", 0.0f, 0.0f, angle);
    boneSetOrientationDeg(line, "line_bone_02", 0.0f, 0.0f, angle);
    return static_cast<int>(length * 100.0f);
}

void sc_04_minigame_08::setLineLenght(int l)
{
    const float budget = static_cast<float>(data[kBudget]) * 100.0f;
    // A chain over the budget shows an empty gauge, not one turned inside
    // out.
    float f = budget > 0.0f ? static_cast<float>(l) / budget : 1.0f;
    f = std::max(0.0f, std::min(0.999f, f));
    const float w = (1.0f - f) * 0.693788f;
    setScale(gauge, vec3(w, 0.0545982f, 1.0f));
    materialSetTextureScale("04_04_game_line_fill", 1.0f / (1.0f - f), 1.0f);
    materialSetTextureScroll("04_04_game_line_fill", -f * 0.3402f, 0.0f);
}

void sc_04_minigame_08::initFlash()
{
    for (int i = 0; i < 2; ++i)
    {
        flash[i] = findObjectIndexed("04_04_game_flash_", i);
        setVisible(flash[i], false);
    }
    flashOn = 0;
    flashTime = 0.0f;
    flashLine = -1;
}

void sc_04_minigame_08::setFlash(int f0, int f1)
{
    TQ_TRACE(" setFlash(int f0, int f1)");
    setVisible(flash[0], true);
    setVisible(flash[1], true);
    setPosition(flash[0], nodes[f0].pos);
    setPosition(flash[1], nodes[f1].pos);
    flashOn = 1;
    flashTime = 0.0f;
    if (flashLine >= 0)
        materialSetColour2(flashLineMaterial, 1, 0.0f, 0.0f, 0.0f, 1);
    flashLine = f0;
    flashLineMaterial = nodes[f0].lineMaterial;
}

void sc_04_minigame_08::hideFlash()
{
    setVisible(flash[0], false);
    setVisible(flash[1], false);
    flashOn = 0;
}

void sc_04_minigame_08::moveFlash(float dt)
{
    if (!flashOn)
        return;
    flashTime += dt;
    if (flashTime > 1.0f)
        hideFlash();
    // Up and back down over the second, brightest in its middle.
    const float c = std::max(0.0f, 4.0f * flashTime * (1.0f - flashTime));
    materialSetColour("04_04_game_flash", c, c, c, 1);
    materialSetColour2(flashLineMaterial, 1, c, c, c, 1);
}

void sc_04_minigame_08::initSvet()
{
    svet = gApp.findObjectHandle("04_04_game_svet");
    svetLevel = 0.0f;
    svetOn = 0;
    setVisible(svet, false);
}

void sc_04_minigame_08::showSvet(int i)
{
    setPosition(svet, nodes[i].pos);
    svetNode = i;
    svetOn = 1;
    setVisible(svet, true);
}

void sc_04_minigame_08::hideSvet()
{
    svetOn = 0;
}

void sc_04_minigame_08::svetProcess(float dt)
{
    if (svetOn)
        svetLevel = std::min(1.0f, svetLevel + 3.0f * dt);
    else if (svetLevel > 0.0f)
    {
        svetLevel -= dt;
        if (svetLevel <= 0.0f)
        {
            svetLevel = 0.0f;
            setVisible(svet, false);
        }
    }
    materialSetColour("04_04_game_svet", svetLevel, svetLevel, svetLevel, 1);
}
