// SPDX-License-Identifier: GPL-3.0-or-later
#include "locate/SearchPlaces.h"

#include "locate/PlatformPlaces.h"
#include "locate/ProfileSearch.h"

#include <QDir>

namespace parlomatic {

SearchEnvironment SearchEnvironment::fromSystem() {
    return {QDir::homePath(), qEnvironmentVariable("WINEPREFIX"), qEnvironmentVariable("LOCALAPPDATA")};
}

QList<FoundProfile> findProfiles(const SearchEnvironment& environment) {
    ProfileSearch search;
    searchPlatformPlaces(search, environment);
    return search.results();
}

} // namespace parlomatic
