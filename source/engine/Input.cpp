#include "Input.h"

CInput::CInput(Ogre::Root*, int, const std::string&) {}
CInput::~CInput() = default;
void CInput::capture() {}
void CInput::setCursor(bool on)
{
    mCursorOn = on;
}
