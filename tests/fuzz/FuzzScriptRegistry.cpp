// The script registry of the fuzz targets that link the engine without the
// game's scripts.  A target makes objects from fuzzed input and destroys
// them without dispatching their queued messages, so a script it binds is
// only made, given its name and owner, and deleted: a plain script does the
// same.  Names that end in ".sc" get one and others none, so that the
// loader's paths for a known and an unknown script both stay reachable.
#include "ScriptRegistry.h"

#include "CodeScript.h"

#include <new>

CVirtualScript* createScriptByName(const std::string& name)
{
    const std::string suffix = ".sc";
    if (name.size() <= suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return nullptr;
    return new (std::nothrow) CodeScript();
}

namespace ScriptRegistry
{
int count()
{
    return 0;
}

const char* nameAt(int)
{
    return nullptr;
}
} // namespace ScriptRegistry
