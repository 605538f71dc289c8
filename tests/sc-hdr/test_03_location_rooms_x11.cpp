// The generated rooms of locations 3 and 4 loaded by the real game under
// Xvfb: after a new game the loader is sent to each location in turn; the
// location loads from its start scene without a missing object, resource or
// script fault in the log, its plan builds its play threads, and each room
// seen from its first camera shows more than a flat colour.
// ctest: serial
// ctest: timeout 600
#include "LocationRoomsFixture.h"

namespace
{
using LocationRooms = tq::LocationRooms;

TEST_F(LocationRooms, LocationsThreeAndFourLoadFromTheirStartsWithEveryObjectTheirScriptsName)
{
    ASSERT_NO_FATAL_FAILURE(startFirstGame());
    expectLocationsLoad({{3, 6, 45}, {4, 6, 60}});
}
} // namespace
