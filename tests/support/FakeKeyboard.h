// A keyboard for tests that hands the input layer key events the way OIS's
// buffered keyboard does: from inside the capture of a frame, in the order
// they were typed.  Attached to a CInput in place of its device.
#pragma once

#include <ois/OISKeyboard.h>

#include <string>
#include <utility>
#include <vector>

class CInput;

namespace tq
{
class FakeKeyboard : public OIS::Keyboard
{
public:
    /// Takes the place of the input's keyboard until destroyed.
    explicit FakeKeyboard(CInput& input);
    ~FakeKeyboard() override;

    /// Events for the next capture: a press, a release, or both.
    void press(OIS::KeyCode key);
    void release(OIS::KeyCode key);
    void tap(OIS::KeyCode key);

    // -- OIS::Keyboard ------------------------------------------------------
    /// Delivers the events gathered since the last capture.
    void capture() override;
    void setBuffered(bool) override {}
    OIS::Interface* queryInterface(OIS::Interface::IType) override { return nullptr; }
    void _initialize() override {}
    bool isKeyDown(OIS::KeyCode key) const override;
    const std::string& getAsString(OIS::KeyCode) override { return mName; }
    void copyKeyStates(char keys[256]) const override;

private:
    CInput& mInput;
    std::vector<std::pair<OIS::KeyCode, bool>> mEvents;
    char mDown[256] = {};
    std::string mName;
};
} // namespace tq
