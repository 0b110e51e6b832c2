// Reading a player's description of a track (MPRIS metadata: a map of names to values of whatever types the
// player chose) into a PlayerTrack. Apart from players.h so that only the platform sees the bus's types.
#pragma once

#include <sdbus-c++/sdbus-c++.h>

#include <map>
#include <string>

#include "platform/players.h"

// Values of the wrong type or out of range are taken as not given.
PlayerTrack PlayersTrackFromMetadata(const std::map<std::string, sdbus::Variant>& myData);
