#include "view/Artblocks.h"

#include <QResource>

// The blocks as the build wrote them (see view/CMakeLists.txt).
extern "C" const unsigned char wallwright_language_art[];
extern "C" const unsigned char wallwright_rest_of_art[];

void readyArt(ArtBlock block)
{
    static bool languagesReady = false;
    static bool restReady = false;
    bool& ready = block == ArtBlock::Languages ? languagesReady : restReady;
    if (!ready)
        ready = QResource::registerResource(block == ArtBlock::Languages ? wallwright_language_art
                                                                          : wallwright_rest_of_art);
}
