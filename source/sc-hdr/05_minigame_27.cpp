#include "05_minigame_27.h"

#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"
#include "SfxCore.h"
#include "Trace.h"

#include <cmath>

namespace
{
const char* const kScreenTexture = "05_game_rtt";
const char* const kButtonNames[3] = {"05_02_game_knopka_02", "05_02_game_knopka", "05_02_game_knopka_01"};
const char* const kButtonUp = "orig_05_game/05_game_knopka";
const char* const kButtonDown = "orig_05_game/05_game_knopka_nl";
const char* const kMyLook = "05_02_fish_me";
const char* const kHelpVar = "fish_game_help";
const char* const kOverOption = "fish_game@game_over";
const int kHelpLimit = 5;
const int kFirstTip = 16037;
const int kNoMoreHelp = 16041;

const int kSndButtonA = 0;
const int kSndButtonB = 1;
const int kSndFood = 2;
const int kSndDeath = 3;

/// Gives sub-entity sub of the object the material; a missing object is
/// skipped.
void look(OBJECT_HANDLE obj, int sub, const String& material)
{
    if (obj)
        CVirtualScript::setMaterial(obj, sub, material);
}

/// A random number from 0 to n - 1, drawn anew.
int draw(int n)
{
    return ScriptObject::random(n);
}
} // namespace

void sc_05_minigame_27::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    loadSnd();
    initGame();
    zastavka1();
    zastavka2();
    materialSetTextureScroll("05_02_fish_02_me", 0.0f, -0.1f);
}

void sc_05_minigame_27::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    unloadSnd();
}

void sc_05_minigame_27::loadSnd()
{
    TQ_TRACE(" loadSnd()");
    for (int i = 0; i < 4; ++i)
        sounds[i] = CSfxCore::loadSound(ScriptObject::indexedKey("27_snd_", i), 1);
}

void sc_05_minigame_27::unloadSnd()
{
    TQ_TRACE(" unloadSnd()");
    for (int& id : sounds)
    {
        CSfxCore::freeSound(id);
        id = -1;
    }
}

void sc_05_minigame_27::playSnd(int i)
{
    TQ_TRACE(" playSnd(int i)");
    // Heard only while the player looks at the machine.
    if (getVarI("cur_cam") == 9)
        CSfxCore::playSound(sounds[i], 1, 0, 0);
}

void sc_05_minigame_27::initGame()
{
    TQ_TRACE(" initGame()");
    rttSetAutoUpdated(kScreenTexture, false);
    materialSetTexturePassUnit("orig_05_game/05_game_displei", 0, 0, kScreenTexture);
    setVisibleByName("05_minigame_27.scene", true);

    for (int i = 0; i < 3; ++i)
        buttons[i].handle = gApp.findObjectHandle(kButtonNames[i]);
    me.handle = gApp.findObjectHandle(kMyLook);
    scoreMsg.handle = gApp.findObjectHandle("05_02_fish_msg");
    gameOverMsg.handle = gApp.findObjectHandle("05_02_game_over");
    scoreObject = gApp.findObjectHandle("05_02_score");
    background = gApp.findObjectHandle("05_02_fon");
    backgroundLeft = gApp.findObjectHandle("05_02_fon_left");
    backgroundRight = gApp.findObjectHandle("05_02_fon_right");

    me.pos = vec3(0.0f, -25.0f, -100.0f);
    me.state = 0;
    me.t = 0.0f;
    me.spin = 0.0f;
    me.material = kMyLook;
    look(me.handle, 0, me.material);
    for (Msg* m : {&scoreMsg, &gameOverMsg})
    {
        m->state = 0;
        setVisible(m->handle, false);
    }

    for (int i = 0; i < 5; ++i)
    {
        Fish& f = fish[i];
        f.handle = findObjectIndexed("05_02_fish_", i);
        f.state = 1;
        f.pos = vec3(0.0f, -25.0f + 20.0f * i, -100.0f);
        f.x0 = -100.0f;
        f.y0 = -100.0f;
        f.px = 0.0f;
        f.py = 0.0f;
        f.material = ScriptObject::indexedKey("05_02_fish_05_", i);
    }

    for (Button& b : buttons)
    {
        if (b.handle)
            b.rest = getPosition(b.handle);
        b.press = 0.0f;
        b.held = 0;
    }

    timer = ScriptObject::startFrameTimer(getOwner());
}

void sc_05_minigame_27::ON_NOTIFY(int code, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    (void)from;
    if (code == 100)
    {
        _near();
        return;
    }
    const int n = code % 10000;
    if (code < 20000 || code >= 50000 || n > 2)
        return;
    Button& b = buttons[n];
    if (code < 30000 || code >= 40000)
    {
        // Lost the mouse, or let go.
        look(b.handle, 0, kButtonUp);
        b.held = 0;
        return;
    }
    look(b.handle, 0, kButtonDown);
    b.held = 1;
    playSnd(draw(1000000) % 2 == 0 ? kSndButtonB : kSndButtonA);
}

void sc_05_minigame_27::_near()
{
    TQ_TRACE(" _near()");
    sendNotifyByName("interface", getVarI(kHelpVar) < kHelpLimit ? kFirstTip : kNoMoreHelp, 0);
}

void sc_05_minigame_27::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    (void)id;
    dt = ScriptObject::frameSeconds() * 3.0f;
    buttonProcess();
    if (!playing)
    {
        if (buttons[1].held)
            startGame();
        return;
    }
    fishsProcess();
    msgProcess(scoreMsg);
    msgProcess(gameOverMsg);
    if (me.state == 0)
        return;
    // The player's fish is gone: the points fade, then "game over" fades in
    // and out, and the machine goes back to its attract screen.
    if (scoreMsg.state == 3)
        game_over();
    if (gameOverMsg.state == 2 && gameOverMsg.t == 0.0f)
        zastavka1();
    if (gameOverMsg.state == 3)
        zastavka2();
}

void sc_05_minigame_27::buttonProcess()
{
    TQ_TRACE(" buttonProcess()");
    for (Button& b : buttons)
    {
        b.press += (b.held ? 6.0f : -6.0f) * dt;
        if (b.press < 0.0f)
            b.press = 0.0f;
        if (b.press > 1.0f)
            b.press = 1.0f;
        if (b.handle)
            setPosition(b.handle, b.rest + vec3(-0.3f, 0.1f, -2.4f) * b.press);
    }
}

float sc_05_minigame_27::len(const Fish& a, const Fish& b)
{
    TQ_TRACE(" len(const Fish &a, const Fish &b)");
    const float dx = a.pos.x - b.pos.x;
    const float dy = a.pos.y - b.pos.y;
    return dy * dy + dx * dx;
}

void sc_05_minigame_27::fishsProcess()
{
    TQ_TRACE(" fishsProcess()");
    if (buttons[0].held && me.pos.x < 40.0f)
        me.pos.x += 20.0f * dt;
    if (buttons[2].held && me.pos.x > -40.0f)
        me.pos.x -= 20.0f * dt;

    for (int i = 0; i < 5; ++i)
    {
        Fish& f = fish[i];
        // Chasers speed up towards the player and slow down away from it;
        // food fish do the opposite.
        float factor = 1.0f;
        const float d = (f.pos.x - me.pos.x) * f.vx;
        if (d < 0.0f)
            factor = 1.0f + f.attraction;
        else if (d > 0.0f)
            factor = 1.0f - f.attraction;
        f.pos.y -= (5.0f + 0.005f * score) * dt;
        f.pos.x += factor * f.vx * dt;
        if ((f.pos.x > 40.0f && f.vx > 0.0f) || (f.pos.x < -40.0f && f.vx < 0.0f))
            f.vx = -f.vx;

        if (len(f, me) < 100.0f && f.state == 0 && me.state == 0)
        {
            switch (f.kind)
            {
            case 4:
                fishAngel(f);
                break;
            case 0:
            case 3:
                fishEaten(me);
                break;
            case 2:
                fishCatch(me, i);
                break;
            case 1:
                fishBoom(me);
                break;
            default:
                break;
            }
        }
        if (f.pos.y < -50.0f)
            newFish(i);
    }
    for (Fish& f : fish)
        fishProcess(f);
    fishProcess(me);
}

void sc_05_minigame_27::newFish(int i)
{
    TQ_TRACE(" newFish(int i)");
    if (me.state == 0)
    {
        score += 5;
        setScore(score);
    }
    Fish& f = fish[i];
    f.pos.y = 50.0f;
    f.vx = 0.0f;
    f.attraction = 0.0f;
    f.state = 0;
    f.spin = 0.0f;
    f.spinSpeed = 0.0f;
    f.kind = draw(5);
    const char* material = "05_02_fish_00";
    switch (f.kind)
    {
    case 0:
        f.vx = static_cast<float>(draw(5) - 2);
        f.pos.x = static_cast<float>(draw(80) - 40);
        break;
    case 1:
        f.spinSpeed = static_cast<float>(draw(6) - 3);
        f.pos.x = static_cast<float>(draw(80) - 40);
        material = "05_02_fish_01";
        break;
    case 2:
        f.pos.x = static_cast<float>(draw(80) - 40);
        material = "05_02_fish_02";
        break;
    case 3:
        f.attraction = 0.5f;
        f.vx = static_cast<float>(draw(11) - 5);
        f.pos.x = static_cast<float>(draw(80) - 40);
        material = "05_02_fish_03";
        break;
    default:
        f.attraction = -0.5f;
        f.vx = static_cast<float>(draw(7) - 3);
        f.pos.x = static_cast<float>(draw(80) - 40);
        material = f.vx < 0.0f ? "05_02_fish_04_mir" : "05_02_fish_04";
        break;
    }
    look(f.handle, 0, material);
}

void sc_05_minigame_27::fishProcess(Fish& f)
{
    TQ_TRACE(" fishProcess(Fish &f)");
    if (f.state == 0)
        setPosition(f.handle, f.pos);
    else
    {
        f.t += dt;
        setPosition(f.handle, vec3(f.x0 + f.px * f.t + f.pw * std::sin(f.t), f.y0 + (f.py + f.pa * f.t) * f.t, -98.0f));
        // A fish on its way out fades over the last ten units of its fall.
        materialSetAlpha(f.material, f.pos.y >= -40.0f ? 1.0f : (f.pos.y + 50.0f) / 10.0f);
    }
    f.spin += f.spinSpeed;
    setOrientationDeg(f.handle, vec3(0.0f, 0.0f, f.spin));
}

void sc_05_minigame_27::fishAngel(Fish& f)
{
    TQ_TRACE(" fishAngel(Fish &f)");
    playSnd(kSndFood);
    score += score <= 1000 ? 100 : 50;
    setScore(score);
    f.state = 1;
    f.t = 0.0f;
    f.x0 = me.pos.x;
    f.y0 = me.pos.y;
    f.px = 0.0f;
    f.py = 10.0f;
    f.pa = 0.0f;
    f.pw = static_cast<float>(draw(11) - 5);
    f.spin = 0.0f;
    look(f.handle, 0, f.material);
    msgShow(scoreMsg, f.pos, 1, 1.0f);
}

void sc_05_minigame_27::fishEaten(Fish& f)
{
    TQ_TRACE(" fishEaten(Fish &f)");
    playSnd(kSndDeath);
    setScore(score);
    f.state = 1;
    f.pw = 0.0f;
    f.t = 0.0f;
    f.x0 = me.pos.x;
    f.y0 = me.pos.y;
    f.px = static_cast<float>(draw(11) - 5);
    f.py = static_cast<float>(draw(5) + 5);
    f.spinSpeed = static_cast<float>(draw(20) - 10);
    f.spin = 0.0f;
    f.pa = -2.0f;
    f.material = "05_02_fish_07";
    look(f.handle, 0, f.material);
    setConfigI(kOverOption, 1);
    sendNotifyByName("00_movies", 100, 0);
    msgShow(scoreMsg, me.pos, 1, 1.0f);
}

void sc_05_minigame_27::fishCatch(Fish& f, int i)
{
    TQ_TRACE(" fishCatch(Fish &f, int i)");
    playSnd(kSndDeath);
    setVisible(f.handle, false);
    f.state = 1;
    look(fish[i].handle, 0, "05_02_fish_02_me");
    setConfigI(kOverOption, 1);
    sendNotifyByName("00_movies", 100, 0);
    msgShow(scoreMsg, me.pos, 1, 1.0f);
}

void sc_05_minigame_27::fishBoom(Fish& f)
{
    TQ_TRACE(" fishBoom(Fish &f)");
    playSnd(kSndDeath);
    f.pw = 0.0f;
    f.state = 2;
    f.t = 0.0f;
    f.x0 = me.pos.x;
    f.y0 = me.pos.y;
    f.px = static_cast<float>(draw(11) - 5);
    f.py = -2.0f;
    f.spinSpeed = 5.0f;
    f.spin = 0.0f;
    f.pa = -2.0f;
    f.material = kMyLook;
    look(f.handle, 0, f.material);
    setConfigI(kOverOption, 1);
    sendNotifyByName("00_movies", 100, 0);
    msgShow(scoreMsg, me.pos, 1, 1.0f);
}

void sc_05_minigame_27::msgShow(Msg& m, vec3 v, int i, float spd)
{
    TQ_TRACE(" msgShow(Msg &m, vec3 v, int i, float spd)");
    m.speed = spd;
    m.state = 1;
    m.t = 0.0f;
    setVisible(m.handle, true);
    setPosition(m.handle, v);
    if (i == 1)
    {
        m.material = "05_02_fish_06";
        m.scaleFrom = 1.0f;
        m.scaleTo = 2.0f;
        m.scaling = 1;
    }
    else if (i == 3)
    {
        m.material = "05_02_game_over";
        m.scaling = 0;
    }
    look(m.handle, 0, m.material);
    materialSetAlpha(m.material, 0.0f);
}

void sc_05_minigame_27::msgProcess(Msg& m)
{
    TQ_TRACE(" msgProcess(Msg &m)");
    if (m.state == 2)
    {
        m.t += dt * m.speed;
        materialSetAlpha(m.material, 1.0f - m.t);
        if (m.t > 1.0f)
        {
            m.state = 3;
            setVisible(m.handle, false);
        }
        if (m.scaling)
            setScale(m.handle, vec3(interp(m.scaleTo, m.scaleFrom, m.t)));
    }
    else if (m.state == 1)
    {
        m.t += dt * m.speed;
        materialSetAlpha(m.material, m.t);
        if (m.t > 1.0f)
        {
            m.state = 2;
            m.t = 0.0f;
        }
        if (m.scaling)
            setScale(m.handle, vec3(interp(m.scaleFrom, m.scaleTo, m.t)));
    }
}

void sc_05_minigame_27::game_over()
{
    TQ_TRACE(" game_over()");
    scoreMsg.state = 0;
    Log::print("\n\nGAME OVER");
    msgShow(gameOverMsg, vec3(0.0f, 0.0f, -100.0f), 3, 0.2f);
    if (score >= 3000)
        giveHelp(3);
    else if (score >= 2000)
        giveHelp(2);
    else if (score >= 1000)
        giveHelp(1);
}

void sc_05_minigame_27::giveHelp(int num)
{
    TQ_TRACE(" giveHelp(int num)");
    const int help = getVarI(kHelpVar);
    if (help < kHelpLimit)
    {
        sendNotifyByName("interface", kFirstTip + num, 0);
        sendNotifyByName("00_game_interface", 900 + num, 0);
        setVarI(kHelpVar, help + num);
    }
    else
        sendNotifyByName("interface", kNoMoreHelp, 0);
}

void sc_05_minigame_27::setScore(int s)
{
    TQ_TRACE(" setScore(int s)");
    setNum(0, s / 1000 % 10);
    setNum(1, s / 100 % 10);
    setNum(2, s / 10 % 10);
    setNum(3, s % 10);
}

void sc_05_minigame_27::setNum(int pos, int s)
{
    TQ_TRACE(" setNum(int pos, int s)");
    look(scoreObject, pos, ScriptObject::indexedKey("05_02_score_", s));
}

void sc_05_minigame_27::startGame()
{
    TQ_TRACE(" startGame()");
    look(background, 0, "05_02_fon");
    setVisible(backgroundLeft, true);
    setVisible(backgroundRight, true);
    for (const Fish& f : fish)
        setVisible(f.handle, true);
    setVisible(me.handle, true);
    setVisible(scoreObject, true);
    score = 0;
    setScore(score);

    me.pos = vec3(0.0f, -25.0f, -100.0f);
    me.state = 0;
    me.t = 0.0f;
    me.spin = 0.0f;
    // A fish that ate the player last time set it spinning.
    me.spinSpeed = 0.0f;
    me.material = kMyLook;
    look(me.handle, 0, me.material);
    for (Msg* m : {&scoreMsg, &gameOverMsg})
    {
        setVisible(m->handle, false);
        m->state = 0;
    }
    // The fish wait off screen and come in one after another as their
    // count-down (their y) runs below -50.
    for (int i = 0; i < 5; ++i)
    {
        Fish& f = fish[i];
        f.state = 1;
        f.pos = vec3(0.0f, -25.0f + 20.0f * i, -100.0f);
        f.x0 = -100.0f;
        f.y0 = -100.0f;
        f.px = 0.0f;
        f.py = 0.0f;
    }
    playing = 1;
}

void sc_05_minigame_27::zastavka1()
{
    TQ_TRACE(" zastavka1()");
    for (const Fish& f : fish)
        setVisible(f.handle, false);
    setVisible(backgroundLeft, false);
    setVisible(backgroundRight, false);
    setVisible(me.handle, false);
    setVisible(scoreMsg.handle, false);
    setVisible(scoreObject, false);
    setVisible(background, false);
}

void sc_05_minigame_27::zastavka2()
{
    TQ_TRACE(" zastavka2()");
    setConfigI(kOverOption, 0);
    sendNotifyByName("00_movies", 100, 0);
    look(background, 0, "05_02_fon2");
    setVisible(background, true);
    setVisible(gameOverMsg.handle, false);
    playing = 0;
}

float sc_05_minigame_27::interp(float x1, float x2, float a)
{
    TQ_TRACE(" interp(float x1, float x2, float a)");
    return x2 * a + (1.0f - a) * x1;
}
