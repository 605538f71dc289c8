// The packed archive type "Data".
#pragma once

namespace Ogre
{
class ArchiveFactory;
}

/// The factory of the archive type "Data", owned by the caller.
Ogre::ArchiveFactory* createDataArchiveFactory();
