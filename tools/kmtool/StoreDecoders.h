#pragma once

#include "JsonWriter.h"
#include "StoreFile.h"

// Record 1 of the store; throws ToolError when it is missing.
ByteArray recordOne(const StoreFile& file);

// The saved cash game and tournament, as "fields" members of the JSON object.
void decodeGame(const StoreFile& file, JsonWriter& json);
void decodeTourney(const StoreFile& file, JsonWriter& json);
