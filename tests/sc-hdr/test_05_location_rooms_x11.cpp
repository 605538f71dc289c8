// The generated rooms of locations 5 and 6 loaded by the real game under
// Xvfb, as those of locations 3 and 4 are: the loader sent to each location
// in turn, the location loaded from its start scene with every object that
// its plan, cut scenes and mini-games name, its plan's threads built, no
// fault in the log, and each room, the flashback's island among them, seen
// from its first camera showing more than a flat colour.
// ctest: serial
// ctest: timeout 600
#include "LocationRoomsFixture.h"

namespace
{
using LocationRooms = tq::LocationRooms;

TEST_F(LocationRooms, LocationsFiveAndSixLoadFromTheirStartsWithEveryObjectTheirScriptsName)
{
    ASSERT_NO_FATAL_FAILURE(startFirstGame());
    expectLocationsLoad({{5, 7, 35}, {6, 8, 51}});
}
} // namespace
