// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace parlomatic {

class ProfileSearch;
struct SearchEnvironment;

// Points search at the places where the game is installed on this platform;
// each platform has a file of its own.
void searchPlatformPlaces(ProfileSearch& search, const SearchEnvironment& environment);

} // namespace parlomatic
