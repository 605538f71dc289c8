// A location's walkthrough as data: the player's actions in order, one a
// line, as a person would play them ("camera 3", "pick 01_az_otvertka",
// "use 101 01_az_vint_01", "skip").  "#" starts a comment.  The automated
// player (GamePlayer) performs the steps on the running game.
#pragma once

#include <string>
#include <vector>

namespace tq
{
/// One action of a walkthrough.
struct WalkStep
{
    int line = 0;                   ///< line number in its file
    std::string verb;
    std::vector<std::string> args;
    int budget = 0;                 ///< frames the step may take; 0: the verb's own
    std::string text;               ///< the line as written, for messages
};

class Walkthrough
{
public:
    /// Reads a walkthrough file; false with the reason in error.
    bool load(const std::string& path);
    /// Reads walkthrough text; name is used in messages.
    bool parse(const std::string& text, const std::string& name);

    /// Where a step stands, for messages: "01.txt:12 'pick 01_az_fomka'".
    std::string where(const WalkStep& step) const;
    /// The index of the step "mark <label>"; -1 when there is none.
    int markIndex(const std::string& label) const;

    std::string name;
    std::vector<WalkStep> steps;
    std::string error;
};
} // namespace tq
