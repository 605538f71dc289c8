#include "04_minigame_22.h"

#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>
#include <cmath>

namespace
{
const int kHint = 16022;
/// Depth of one slider step.
const float kStep = 6.0f;
/// Texture scroll of one slider picture.
const float kPictureStep = 0.191f;
/// Texture scroll of one digit on a strip of four.
const float kDigitStep = 0.25f;

enum Sound
{
    kPlateSound,
    kSolvedSound,
    kLeverSound,
    kCodeSound
};

float cosEase(float a)
{
    return (1.0f - std::cos(3.1415f * a)) / 2.0f;
}

String numbered(const char* base, int n)
{
    return ScriptObject::indexedKey(base, n);
}

/// Hides the piece and marks it as taken for the game interface.
void retire(OBJECT_HANDLE piece)
{
    if (!piece)
        return;
    CVirtualScript::setVisible(piece, false);
    ScriptObject::setObjectState(piece, "picked", 1);
}
} // namespace

void sc_04_minigame_22::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    sounds.load({"22_snd_00", "22_snd_01", "22_snd_02", "01_snd_00"});
    if (!isGameEndSet(4, 22))
        genData();
    init();
    timer = ScriptObject::startFrameTimer(getOwner());
}

void sc_04_minigame_22::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
}

void sc_04_minigame_22::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    if (id == 0 || id != timer)
        return;
    dt = ScriptObject::frameSeconds();
    butProcess();
}

void sc_04_minigame_22::ON_NOTIFY(int code, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    if (code == 2500)
        win();
    else if (MiniGame::frameCode(*this, code, getOwner(), from))
        return;
    // Lever releases and the pieces' focus codes mean nothing here.
    else if (code >= 30000 && code < 40000)
        click(code - 30000);
    else if (code >= 50000 && code < 60000)
        click2(code - 50000);
}

void sc_04_minigame_22::startGame(OBJECT_HANDLE from)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    requester = from;
    if (MiniGame::hintsInGames())
        showHint();
    active = 1;
    // Solved before the frame started the game: the code's fade already
    // told only the journal, and the frame would wait for ever.  A fade
    // still under way tells the frame itself when it ends.
    if (state == kBoxOpen || (state == kCodeShown && fade >= 1.0f))
        MiniGame::announceWin(getOwner());
}

void sc_04_minigame_22::quitGame()
{
    TQ_TRACE(" quitGame()");
    active = 0;
}

void sc_04_minigame_22::saveGame()
{
    TQ_TRACE(" saveGame()");
    save();
}

void sc_04_minigame_22::save()
{
    TQ_TRACE(" save()");
    saveGameArray(kSaved, 4, 22, data, &state);
}

void sc_04_minigame_22::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}

void sc_04_minigame_22::genData()
{
    TQ_TRACE(" genData()");
    std::fill(std::begin(data), std::end(data), 0);
    state = kUnsolved;
    for (int w = 0; w < kSliders; ++w)
        position(w) = ScriptObject::random(kSliders);
    for (int w = 0; w < kSliders; ++w)
        solution(w) = w;
    for (int i = 0; i < 20; ++i)
    {
        const int a = ScriptObject::random(kSliders);
        const int b = ScriptObject::random(kSliders);
        if (a != b)
            std::swap(solution(a), solution(b));
    }
    for (int d = 0; d < kPlates; ++d)
        digit(d) = ScriptObject::random(3) + 1;
    save();
}

void sc_04_minigame_22::init()
{
    TQ_TRACE(" init()");
    loadGameArray(kSaved, 4, 22, data, &state);
    // A damaged save must neither index past the sliders' steps nor leave a
    // code the plates can never show.
    if (state < kUnsolved || state > kBoxOpen)
    {
        Log::print("\nWARNING: saved value [%s] = %d is out of range, %d taken instead",
                   makeGameArrayKey(4, 22, -1).c_str(), state, kUnsolved);
        state = kUnsolved;
    }
    for (int w = 0; w < kSliders; ++w)
    {
        Puzzle::repair(4, 22, data, w, 0, 4, 0);
        Puzzle::repair(4, 22, data, kSolutions + w, 0, 4, w);
    }
    for (int d = 0; d < kPlates; ++d)
    {
        Puzzle::repair(4, 22, data, kCode + d, 1, 3, 1);
        Puzzle::repair(4, 22, data, kBox + d, 0, 3, 0);
    }

    for (int w = 0; w < kSliders; ++w)
    {
        Slider& s = sliders[w];
        s.slider = gApp.findObjectHandle(numbered("04_06_generator_koda_", w + 1));
        s.lever = gApp.findObjectHandle(numbered("04_06_az_generator_koda_", w));
        s.base = s.slider ? getPosition(s.slider) : vec3::ZERO;
        s.start = s.current = s.target = kStep * position(w);
        s.progress = 0.0f;
        s.moving = 0;
        materialSetTextureScroll("04_generator_koda/04_art" + std::to_string(w + 1), 0.0f,
                                 kPictureStep * solution(w));
        placeSlider(s);
    }
    for (int d = 0; d < kPlates; ++d)
    {
        Plate& p = plates[d];
        p.door = gApp.findObjectHandle(numbered("04_05_az_KodLarec_Door_", d));
        p.sign = "04_generator_koda/04_znak" + std::to_string(d + 1);
        p.plate = numbered("04_KodLarec/code_", d + 1);
        materialSetTextureScroll(p.sign, 0.0f, state != kUnsolved ? kDigitStep * digit(d) : 0.0f);
        p.start = p.current = p.target = kDigitStep * box(d);
        p.progress = 0.0f;
        p.moving = 0;
        materialSetTextureScroll(p.plate, 0.0f, p.current);
    }
}

void sc_04_minigame_22::placeSlider(const Slider& s)
{
    TQ_TRACE(" placeSlider(const Slider& s)");
    if (s.slider)
        setPosition(s.slider, s.base - vec3(0.0f, 0.0f, s.current));
}

void sc_04_minigame_22::click(int w)
{
    TQ_TRACE(" click(int w)");
    if (w < 0 || w >= kSliders)
        return;
    sounds.play(kLeverSound);
    if (--position(w) < 0)
        position(w) = 4;
    Slider& s = sliders[w];
    s.start = s.current;
    s.target = kStep * position(w);
    s.progress = 0.0f;
    s.moving = 1;
    save();
}

void sc_04_minigame_22::check()
{
    TQ_TRACE(" check()");
    bool solved = true;
    for (int w = 0; w < kSliders; ++w)
        if (position(w) != solution(w) || sliders[w].moving)
            solved = false;
    if (solved)
        end();
    save();
}

void sc_04_minigame_22::end()
{
    TQ_TRACE(" end()");
    sounds.play(kSolvedSound);
    state = kCodeShown;
    save();
    for (const Slider& s : sliders)
        retire(s.lever);
}

void sc_04_minigame_22::click2(int d)
{
    TQ_TRACE(" click2(int d)");
    if (d < 0 || d >= kPlates)
        return;
    sounds.play(kPlateSound);
    Plate& p = plates[d];
    ++box(d);
    p.start = p.current;
    p.target = kDigitStep * box(d);
    p.progress = 0.0f;
    p.moving = 1;
    if (box(d) == 4)
    {
        // The strip runs on past its last digit to its first.
        box(d) = 0;
        p.target -= 1.0f;
        p.start -= 1.0f;
        p.current -= 1.0f;
    }
}

void sc_04_minigame_22::check2()
{
    TQ_TRACE(" check2()");
    bool open = true;
    for (int d = 0; d < kPlates; ++d)
        if (box(d) != digit(d) || plates[d].moving)
            open = false;
    if (open)
        end2();
    save();
}

void sc_04_minigame_22::end2()
{
    TQ_TRACE(" end2()");
    state = kBoxOpen;
    save();
    sendNotifyByName("04_05_az_KodLarec_msz", 100, getOwner());
    for (const Plate& p : plates)
        retire(p.door);
}

void sc_04_minigame_22::win()
{
    TQ_TRACE(" win()");
    for (int w = 0; w < kSliders; ++w)
    {
        Slider& s = sliders[w];
        position(w) = solution(w);
        s.start = s.current;
        s.target = kStep * solution(w);
        s.progress = 0.0f;
        s.moving = 1;
    }
    save();
}

void sc_04_minigame_22::butProcess()
{
    TQ_TRACE(" butProcess()");
    if (state == kCodeShown && fade < 1.0f)
    {
        fade += 0.5f * dt;
        // Steps that land exactly on 1 end the fade too, or it would never
        // end at all.
        if (fade >= 1.0f)
        {
            fade = 1.0f;
            sendNotifyByName("journal", 2000, 0);
            if (active)
            {
                MiniGame::announceWin(getOwner());
                sounds.play(kCodeSound);
            }
        }
        const float f = Puzzle::easeCubic(fade);
        for (int d = 0; d < kPlates; ++d)
            materialSetTextureScroll(plates[d].sign, 0.0f, f * kDigitStep * digit(d));
    }
    if (state == kUnsolved)
    {
        for (Slider& s : sliders)
        {
            if (!s.moving)
                continue;
            s.progress += dt;
            if (s.progress >= 1.0f)
            {
                s.progress = 1.0f;
                s.moving = 0;
                check();
            }
            s.current = Puzzle::interp(s.start, s.target, cosEase(s.progress));
        }
        for (const Slider& s : sliders)
            placeSlider(s);
    }
    if (state != kBoxOpen)
    {
        for (Plate& p : plates)
        {
            if (!p.moving)
                continue;
            p.progress += dt;
            if (p.progress >= 1.0f)
            {
                p.progress = 1.0f;
                p.moving = 0;
                check2();
            }
            p.current = Puzzle::interp(p.start, p.target, Puzzle::easeCubic(p.progress));
            materialSetTextureScroll(p.plate, 0.0f, p.current);
        }
    }
}
