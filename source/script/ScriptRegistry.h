// The script registry: a new script from its registered file name.
#pragma once

#include <string>

class CVirtualScript;

/// A new script for an exactly matching registered name ("00_fader.sc"),
/// or null for an unknown name or a failed allocation.  The caller owns it;
/// neither init nor setOwner has been called.
CVirtualScript* createScriptByName(const std::string& name);

namespace ScriptRegistry
{
/// Number of registered names.
int count();
/// The i-th registered name, in table order.
const char* nameAt(int index);
} // namespace ScriptRegistry
