// The factory that the set-up registers; apart from the archive itself so
// that tools and fuzzers can use the archive without the application.
#include "Application.h"
#include "DataArchive.h"

Ogre::ArchiveFactory* createDataArchiveFactory()
{
    CDataArchive::sLoadLog = gApp.mLog;
    return new CDataArchiveFactory();
}
