#include "FakeKeyboard.h"

#include "Input.h"

#include <cstring>

namespace tq
{
FakeKeyboard::FakeKeyboard(CInput& input) : OIS::Keyboard("fake", true, 0, nullptr), mInput(input)
{
    mInput.mKeyboard = this;
    setEventCallback(&mInput);
}

FakeKeyboard::~FakeKeyboard()
{
    if (mInput.mKeyboard == this)
        mInput.mKeyboard = nullptr;
}

void FakeKeyboard::press(OIS::KeyCode key)
{
    mEvents.emplace_back(key, true);
}

void FakeKeyboard::release(OIS::KeyCode key)
{
    mEvents.emplace_back(key, false);
}

void FakeKeyboard::tap(OIS::KeyCode key)
{
    press(key);
    release(key);
}

void FakeKeyboard::capture()
{
    std::vector<std::pair<OIS::KeyCode, bool>> events;
    events.swap(mEvents);
    for (const auto& [key, down] : events)
    {
        mDown[key & 0xFF] = down ? 1 : 0;
        const OIS::KeyEvent event(this, key, 0);
        if (!mListener)
            continue;
        if (down)
            mListener->keyPressed(event);
        else
            mListener->keyReleased(event);
    }
}

bool FakeKeyboard::isKeyDown(OIS::KeyCode key) const
{
    return mDown[key & 0xFF] != 0;
}

void FakeKeyboard::copyKeyStates(char keys[256]) const
{
    std::memcpy(keys, mDown, sizeof(mDown));
}
} // namespace tq
