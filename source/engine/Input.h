// The input layer: keyboard and mouse, with the event recorder and player.
#pragma once

#include <string>

namespace Ogre
{
class Root;
}

class CInput
{
public:
    CInput(Ogre::Root* root, int eventMode, const std::string& eventFile);
    ~CInput();

    /// Reads keyboard and mouse, or replays the recorded events that are due.
    void capture();
    /// Clicks are taken only while the cursor is on.
    void setCursor(bool on);
    bool cursorOn() const { return mCursorOn; }

private:
    bool mCursorOn = false;
};
