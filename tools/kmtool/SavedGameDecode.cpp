#include "StoreDecoders.h"
#include "ToolError.h"

// The cash game and tournament records hold engine objects; their decoders come
// with the engine's record readers.
void decodeGame(const StoreFile& file, JsonWriter&)
{
    throw ToolError(file.path + ": decoding saved games is not available yet");
}

void decodeTourney(const StoreFile& file, JsonWriter&)
{
    throw ToolError(file.path + ": decoding saved tournaments is not available yet");
}
