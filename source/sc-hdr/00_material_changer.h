// The script registered as "00_material_changer.sc": gives one scene object
// one of up to four materials on command (100 + the material's index) and
// keeps the choice in the object-state variable "@mat_num", so that a
// reloaded room or a loaded game shows the same material again.
#pragma once

#include "CodeScript.h"

class sc_00_material_changer : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_material_changer(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    /// One material that the changer can give.
    struct Entry
    {
        String material;
        int submesh = 0; ///< sub-entity index; -1 every sub-entity
    };
    static const int kMaxMaterials = 4;

    void ON_CREATE() override;
    void ON_NOTIFY(int code) override;
    void ON_TIME(int id) override;

    /// Gives the target material i and stores i + 1 in "@mat_num"; an index
    /// outside the list is ignored.
    void change(int i);
    /// The object-state variable of key ("<node>@<key>"), 0 when absent.
    int getMyParamI(const String& prm);
    void setMyParamI(const String& prm, int val);

    Entry material[kMaxMaterials];
    int count = 0;             ///< materials found
    OBJECT_HANDLE target = 0;  ///< the object whose material changes
};
