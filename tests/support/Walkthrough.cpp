#include "Walkthrough.h"

#include "TestSupport.h"

#include <sstream>

namespace tq
{
namespace
{
/// The verbs a walkthrough knows and how many arguments each takes.
struct VerbRow
{
    const char* verb;
    size_t args;
};
const VerbRow kVerbs[] = {
    {"click", 1},   // click a scene object
    {"pick", 1},    // click an object that goes into the inventory
    {"use", 2},     // drag an item (id) from the inventory onto an object
    {"element", 1}, // click an overlay element
    {"turn", 1},    // the turn arrow "left" or "right"
    {"camera", 1},  // go to this camera of the room: turn, or fly into a close-up
    {"room", 1},    // go through the exit that leads to this room
    {"back", 0},    // the back button of a close-up
    {"skip", 0},    // the skip button of a cut scene or a mini-game
    {"dialog", 0},  // wait for the dialog under way to end
    {"journal", 0}, // open the journal, look, close it
    {"read", 1},    // read the document an overlay shower shows, click it away
    {"wait", 2},    // wait until a game variable has a value
    {"mark", 1},    // a named place in the walkthrough; does nothing
};
} // namespace

bool Walkthrough::load(const std::string& path)
{
    const std::string text = readFile(path);
    if (text.empty())
    {
        error = "cannot read walkthrough " + path;
        return false;
    }
    const size_t slash = path.find_last_of('/');
    return parse(text, slash == std::string::npos ? path : path.substr(slash + 1));
}

bool Walkthrough::parse(const std::string& text, const std::string& fileName)
{
    name = fileName;
    steps.clear();
    error.clear();
    std::istringstream lines(text);
    std::string raw;
    int number = 0;
    while (std::getline(lines, raw))
    {
        ++number;
        std::string line = raw.substr(0, raw.find('#'));
        std::istringstream words(line);
        WalkStep step;
        step.line = number;
        std::string word;
        while (words >> word)
        {
            if (word.compare(0, 7, "budget=") == 0)
                step.budget = std::atoi(word.c_str() + 7);
            else if (step.verb.empty())
                step.verb = word;
            else
                step.args.push_back(word);
        }
        if (step.verb.empty())
            continue;
        const size_t end = line.find_last_not_of(" \t\r");
        step.text = line.substr(line.find_first_not_of(" \t"), end + 1 - line.find_first_not_of(" \t"));
        const VerbRow* row = nullptr;
        for (const VerbRow& r : kVerbs)
            if (step.verb == r.verb)
                row = &r;
        if (!row)
        {
            error = where(step) + ": unknown action '" + step.verb + "'";
            return false;
        }
        if (step.args.size() != row->args)
        {
            error = where(step) + ": '" + step.verb + "' takes " + std::to_string(row->args) + " argument(s)";
            return false;
        }
        steps.push_back(step);
    }
    return true;
}

std::string Walkthrough::where(const WalkStep& step) const
{
    return name + ":" + std::to_string(step.line) + " '" + step.text + "'";
}

int Walkthrough::markIndex(const std::string& label) const
{
    for (size_t i = 0; i < steps.size(); ++i)
        if (steps[i].verb == "mark" && steps[i].args[0] == label)
            return static_cast<int>(i);
    return -1;
}
} // namespace tq
