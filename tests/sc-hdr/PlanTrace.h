// The calls a play plan makes, read from the script trace: every builder,
// modifier and thread declaration that the plan calls itself (not those a
// builder calls inside), by kind, and the builder calls of each thread.
#pragma once

#include "Trace.h"

#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace tq
{
struct PlanCensus
{
    std::map<std::string, int> builders;
    std::map<std::string, int> modifiers;
    std::vector<int> threadCalls; ///< builder calls of each thread
};

/// Runs build with the trace on and counts the calls made under the
/// function root.
inline PlanCensus tracePlan(const std::function<void()>& build, const std::string& root)
{
    Trace::gTraceOn = true;
    Trace::gTraceFileOpen = true;
    Trace::gCallDepth = 0;
    Trace::resetLineState();
    Trace::buffer().clear();
    build();
    Trace::gTraceOn = false;
    Trace::gTraceFileOpen = false;

    auto isThread = [](const std::string& f) { return f.rfind("thread", 0) == 0; };
    auto isModifier = [](const std::string& f) {
        return f == "taskAddPikedObj" ||
               (f.rfind("task", 0) == 0 && f.rfind("taskAdd", 0) != 0 && f != "taskInit" && f != "taskStart");
    };
    auto isBuilder = [](const std::string& f) {
        return f.rfind("taskAdd", 0) == 0 && f != "taskAddPikedObj" && f != "taskAddUncover";
    };

    PlanCensus census;
    const std::regex entry(R"(> \((\d+)\) L\(\d+\):\s*(\w+)\()");
    std::istringstream lines(Trace::buffer());
    std::string line;
    int rootDepth = -1;
    int claimedDepth = -1; ///< depth of the call whose inner calls are its own
    std::smatch m;
    while (std::getline(lines, line))
    {
        if (!std::regex_search(line, m, entry))
            continue;
        const int depth = std::stoi(m[1]);
        const std::string f = m[2];
        if (rootDepth < 0)
        {
            if (f == root)
                rootDepth = depth;
            continue;
        }
        if (depth <= rootDepth)
            break;
        if (claimedDepth >= 0 && depth > claimedDepth)
            continue;
        claimedDepth = -1;
        if (isThread(f))
        {
            if (f == "threadAdd")
                census.threadCalls.push_back(0);
            claimedDepth = depth;
        }
        else if (isBuilder(f))
        {
            ++census.builders[f];
            if (!census.threadCalls.empty())
                ++census.threadCalls.back();
            claimedDepth = depth;
        }
        else if (isModifier(f))
        {
            ++census.modifiers[f];
            claimedDepth = depth;
        }
    }
    return census;
}
} // namespace tq
