#include "03_minigame_16.h"

#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>
#include <cmath>

namespace
{
const int kLocation = 3;
const int kNumber = 16;
const int kHint = 16033;
const int kOpen = 200;
const int kOpeningVoice = 3027;
const char* const kOpenVar = "03_05_libraryshkaf@open";
/// The books' object names count from 16.
const int kFirstName = 16;
/// The cabinet rises by this much, then slides aside by that much.
const float kRise = 100.0f;
const float kSlide = 318.0f;
/// A picked book slides this far out.
const float kPullOut = 10.0f;
const int kShuffles = 20;

enum Sound
{
    kSndWin = 0,
    kSndBook = 1,
};

float cosFunc(float x)
{
    return (1.0f - std::cos(x * 3.1415f)) * 0.5f;
}
} // namespace

void sc_03_minigame_16::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    initSvet();
    initSvet2();
    sounds.load({"01_snd_00", "02_31"});
    if (!isGameEndSet(kLocation, kNumber))
        genData();
    init();
    home = getPosition(getOwner());
    if (getVarI(kOpenVar) != 0)
    {
        setPosition(getOwner(), home + vec3(kSlide, kRise, 0.0f));
        // Open already: a later request is answered without a new opening.
        openT = 1.0f;
    }
}

void sc_03_minigame_16::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
}

void sc_03_minigame_16::ON_NOTIFY(int param, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
    // The shelf stands in the room: nothing to pause.
    if (param == MiniGame::kPause || param == MiniGame::kResume)
        return;
    if (MiniGame::frameCode(*this, param, getOwner(), from))
        return;
    if (param == kOpen)
    {
        sendNotifyByName("00_movies", kOpeningVoice, 0);
        if (openTimer == 0)
            openTimer = ScriptObject::startFrameTimer(getOwner());
        requester = from;
        setVarI(kOpenVar, 1);
    }
    else if (param >= 10000 && param < 20000)
        focusBook(param - 10000);
    else if (param >= 20000 && param < 30000)
        unfocusBook();
}

void sc_03_minigame_16::ON_TIME(int param)
{
    TQ_TRACE(" ON_TIME(int param)");
    const float dt = ScriptObject::frameSeconds();
    if (param != 0 && param == frameTimer)
    {
        mouse.read();
        if (mouse.pressed() && !won)
            click();
        if (!won)
            bookProcess(dt);
        svetProcess(dt);
        svet2Process(dt);
    }
    if (param != 0 && param == openTimer)
        openProcess(dt);
}

void sc_03_minigame_16::genData()
{
    TQ_TRACE(" genData()");
    std::fill(saved, saved + kSaved, 0);
    won = 0;
    for (int k = 0; k < kEntries; ++k)
    {
        int book = 0;
        bool taken = true;
        while (taken)
        {
            book = ScriptObject::random(kBooks);
            taken = false;
            for (int e = 0; e < k; ++e)
                taken = taken || saved[3 * e] == book;
        }
        const int colour = ScriptObject::random(5) + 1;
        saved[3 * k] = book;
        saved[3 * k + 1] = colour;
        saved[3 * k + 2] = colour;
    }
    for (int n = 0; n < kShuffles; ++n)
    {
        const int a = ScriptObject::random(kEntries);
        const int b = ScriptObject::random(kEntries);
        if (a != b)
            std::swap(saved[3 * a + 2], saved[3 * b + 2]);
    }
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

bool sc_03_minigame_16::stateValid() const
{
    TQ_TRACE(" stateValid()");
    bool seen[kBooks] = {};
    for (int e = 0; e < kEntries; ++e)
    {
        const int book = saved[3 * e];
        if (book < 0 || book >= kBooks || seen[book])
            return false;
        seen[book] = true;
        for (int c : {saved[3 * e + 1], saved[3 * e + 2]})
            if (c < 1 || c > 5)
                return false;
    }
    return true;
}

void sc_03_minigame_16::init()
{
    TQ_TRACE(" init()");
    loadGameArray(kSaved, kLocation, kNumber, saved, &won);
    if (!stateValid())
    {
        MiniGameTools::warnDamagedState(kLocation, kNumber);
        genData();
    }
    for (int k = 0; k < kBooks; ++k)
    {
        _BOOK& book = books[k];
        book.left = findObjectIndexed("03_05_superkniga_left_", k + kFirstName);
        book.right = findObjectIndexed("03_05_superkniga_right_", k + kFirstName);
        book.picked = 0;
        book.colour = 0;
        book.pull = 0.0f;
        book.rest = book.shown = getPosition(book.left);
        if (book.left != 0)
            book.orientation = getOrientation(book.left);
    }
    for (int e = 0; e < kEntries; ++e)
    {
        _BOOK& book = books[saved[3 * e]];
        setColor(book.left, saved[3 * e + 2]);
        setColor(book.right, saved[3 * e + 1]);
        book.colour = saved[3 * e + 2];
    }
}

void sc_03_minigame_16::initSvet()
{
    TQ_TRACE(" initSvet()");
    shelfLight = findObjectIndexed("03_knigi_svet_", 1);
    setVisible(shelfLight, false);
    shelfPulse = 0.0f;
}

void sc_03_minigame_16::initSvet2()
{
    TQ_TRACE(" initSvet2()");
    bookLight = findObjectIndexed("03_knigi_svet_", 2);
    setVisible(bookLight, false);
    bookLightLevel = 0.0f;
    bookLightOn = 0;
}

void sc_03_minigame_16::setColor(OBJECT_HANDLE obj, int c)
{
    TQ_TRACE(" setColor(OBJECT_HANDLE obj, int c)");
    setMaterial(obj, 0, c == 0 ? String("03_superkniga") : ScriptObject::indexedKey("03_superkniga_", c));
}

void sc_03_minigame_16::click()
{
    TQ_TRACE(" click()");
    if (focused == -1 || books[focused].colour == 0)
        return;
    if (second != -1)
        return; // a swap is under way
    sounds.play(kSndBook);
    if (first == -1)
    {
        first = focused;
        books[first].picked = 1;
    }
    else if (focused == first)
    {
        books[first].picked = 0;
        first = -1;
    }
    else
    {
        second = focused;
        books[second].picked = 1;
    }
}

void sc_03_minigame_16::change()
{
    TQ_TRACE(" change()");
    std::swap(books[first].colour, books[second].colour);
    for (int s : {first, second})
    {
        setColor(books[s].left, books[s].colour);
        const int e = find(s);
        if (e != -1)
            saved[3 * e + 2] = books[s].colour;
        books[s].picked = 0;
    }
    first = second = -1;
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

bool sc_03_minigame_16::check() const
{
    TQ_TRACE(" check()");
    for (int e = 0; e < kEntries; ++e)
        if (saved[3 * e + 2] != saved[3 * e + 1])
            return false;
    return true;
}

int sc_03_minigame_16::find(int s) const
{
    TQ_TRACE(" find(int s)");
    for (int e = 0; e < kEntries; ++e)
        if (saved[3 * e] == s)
            return e;
    return -1;
}

void sc_03_minigame_16::finish()
{
    TQ_TRACE(" finish()");
    MiniGame::announceWin(getOwner());
}

void sc_03_minigame_16::focusBook(int i)
{
    TQ_TRACE(" focusBook(int i)");
    focused = i >= 0 && i < kBooks ? i : -1;
    if (focused != -1 && books[focused].colour != 0 && !won)
        showSvet2(focused);
}

void sc_03_minigame_16::unfocusBook()
{
    TQ_TRACE(" unfocusBook()");
    focused = -1;
    bookLightOn = 0;
}

void sc_03_minigame_16::showSvet2(int i)
{
    TQ_TRACE(" showSvet2(int i)");
    bookLightBook = i;
    bookLightOn = 1;
    setVisible(bookLight, true);
    setOrientation(bookLight, books[i].orientation);
}

void sc_03_minigame_16::hideSvet2()
{
    TQ_TRACE(" hideSvet2()");
    bookLightOn = 0;
}

void sc_03_minigame_16::bookProcess(float inc)
{
    TQ_TRACE(" bookProcess(float inc)");
    // Right colours count only once every book is back in place.
    bool done = check();
    for (int k = 0; k < kBooks; ++k)
    {
        _BOOK& book = books[k];
        if (book.picked)
        {
            book.pull += 2.0f * inc;
            if (book.pull >= 1.0f)
            {
                book.pull = 1.0f;
                if (k == second)
                    change();
            }
        }
        else
            book.pull = std::max(0.0f, book.pull - 2.0f * inc);
        book.shown = book.rest + vec3(0.0f, -kPullOut * book.pull, 0.0f);
        setPosition(book.left, book.shown);
        if (book.pull > 0.0f)
            done = false;
    }
    if (done)
    {
        sounds.play(kSndWin);
        finish();
        won = 1;
        // The win is kept at once: the frame closes the game without a save,
        // and a room left before the next save would forget it.
        saveGame();
        hideSvet2();
    }
}

void sc_03_minigame_16::svetProcess(float inc)
{
    TQ_TRACE(" svetProcess(float inc)");
    // After a win the pulse runs out and the light stays off.
    if (won && shelfPulse <= 0.0f)
    {
        setVisible(shelfLight, false);
        return;
    }
    shelfPulse += inc / 5.0f;
    if (shelfPulse >= 1.0f)
    {
        shelfPulse = 0.0f;
        if (won)
            setVisible(shelfLight, false);
    }
    const float a = cosFunc(2.0f * shelfPulse);
    materialSetColour(shelfLightMaterial, a, a, a, 1);
}

void sc_03_minigame_16::svet2Process(float inc)
{
    TQ_TRACE(" svet2Process(float inc)");
    if (bookLightOn)
    {
        bookLightLevel = std::min(1.0f, bookLightLevel + 3.0f * inc);
        setPosition(bookLight, books[bookLightBook].shown);
    }
    else
    {
        bookLightLevel -= inc;
        if (bookLightLevel <= 0.0f)
        {
            bookLightLevel = 0.0f;
            setVisible(bookLight, false);
        }
    }
    materialSetColour(bookLightMaterial, bookLightLevel, bookLightLevel, bookLightLevel, 1);
}

void sc_03_minigame_16::openProcess(float inc)
{
    TQ_TRACE(" openProcess(float inc)");
    openT += inc * 0.2f;
    if (openT < 0.5f)
        setPosition(getOwner(), home + vec3(0.0f, kRise * MiniGame::cubeFunc(openT / 0.5f), 0.0f));
    else if (openT < 1.0f)
        setPosition(getOwner(), home + vec3(kSlide * cosFunc((openT - 0.5f) / 0.5f), kRise, 0.0f));
    else
    {
        sendNotify(requester, getOwner(), kOpen);
        ScriptObject::stopFrameTimer(getOwner(), openTimer);
    }
}

void sc_03_minigame_16::startGame(OBJECT_HANDLE from)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    requester = from;
    if (MiniGame::hintsInGames())
        showHint();
    if (frameTimer == 0)
        frameTimer = ScriptObject::startFrameTimer(getOwner());
    setVisible(shelfLight, true);
}

void sc_03_minigame_16::quitGame()
{
    TQ_TRACE(" quitGame()");
    setVisible(shelfLight, false);
    setVisible(bookLight, false);
    ScriptObject::stopFrameTimer(getOwner(), frameTimer);
    saveGame();
}

void sc_03_minigame_16::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_03_minigame_16::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}
