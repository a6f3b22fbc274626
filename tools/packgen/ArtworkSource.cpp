#include "ArtworkSource.h"

#include "artwork/ArtworkPainter.h"

// Every image of the pack is drawn by the artwork painter from the display classes'
// geometry; nothing is read from assetsDir yet.
std::vector<RawEntry> buildArtwork(const std::string&)
{
    std::vector<RawEntry> entries;
    for (ArtworkPainter::Image& image : ArtworkPainter::paintAll())
        entries.push_back({image.id, std::move(image.png)});
    return entries;
}
