#include "DataArchive.h"

Ogre::ArchiveFactory* createDataArchiveFactory()
{
    return nullptr;
}
