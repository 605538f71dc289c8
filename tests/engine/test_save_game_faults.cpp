// Saved games on a disk that fails now and then: a read error that passes is
// tried again, and one that stays is not taken for a damaged save.  The
// failures come from a pread of this program's own, which the platform
// layer's positioned reads call instead of the C library's.
#include "AppState.h"
#include "Log.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <dlfcn.h>
#include <sys/types.h>
#include <unistd.h>

namespace
{
int gFailingReads = 0; ///< the next this many reads fail with EIO

template <typename Real>
ssize_t failOrRead(const char* name, int fd, void* buffer, size_t count, off_t offset)
{
    if (gFailingReads > 0)
    {
        --gFailingReads;
        errno = EIO;
        return -1;
    }
    static Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, name));
    return real(fd, buffer, count, offset);
}
} // namespace

extern "C" ssize_t pread(int fd, void* buffer, size_t count, off_t offset)
{
    return failOrRead<ssize_t (*)(int, void*, size_t, off_t)>("pread", fd, buffer, count, offset);
}

extern "C" ssize_t pread64(int fd, void* buffer, size_t count, off_t offset)
{
    return failOrRead<ssize_t (*)(int, void*, size_t, off_t)>("pread64", fd, buffer, count, offset);
}

namespace
{
typedef CAppState::VarMap VarMap;

struct ReadCase
{
    const char* label;
    int failingReads;
    int result;        ///< of _mapLoad
    bool readLogLine;  ///< "can't read file"
};

class SaveOnAFailingDisk : public ::testing::TestWithParam<ReadCase>
{
protected:
    void TearDown() override { gFailingReads = 0; }

    tq::TempDir dir;
    CAppState state;
};

TEST_P(SaveOnAFailingDisk, RetriesOnceAndNeverCallsASoundSaveDamaged)
{
    const ReadCase& c = GetParam();
    const VarMap anna{{"name", "Anna"}, {"cur_loc", "3"}};
    ASSERT_TRUE(state.mapSave("save_00.sav", anna));
    const std::string before = tq::readFile(state.getSaveFolderA("save_00.sav", false));

    VarMap map{{"in", "memory"}};
    Log::captureBegin();
    gFailingReads = c.failingReads;
    const int result = state._mapLoad("save_00.sav", map);
    gFailingReads = 0;
    EXPECT_EQ(result, c.result);
    const VarMap untouched{{"in", "memory"}};
    EXPECT_EQ(map, c.result == 1 ? anna : untouched);
    EXPECT_EQ(Log::captured().find("!!! ERROR: CAppState::_mapLoad(): can't read file: ") != std::string::npos,
              c.readLogLine)
        << Log::captured();
    // The check the menu makes at start-up: a save that could not be read
    // is "not there" this time, never "damaged".
    gFailingReads = c.failingReads;
    EXPECT_EQ(state.checkSaveFile("save_00.sav"), c.result);
    gFailingReads = 0;
    EXPECT_EQ(tq::readFile(state.getSaveFolderA("save_00.sav", false)), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveOnAFailingDisk,
                         ::testing::Values(ReadCase{"NoError", 0, 1, false},
                                           ReadCase{"OnePassingError", 1, 1, false},
                                           ReadCase{"ErrorThatStays", 2, 0, true}),
                         [](const ::testing::TestParamInfo<ReadCase>& info) { return info.param.label; });
} // namespace
