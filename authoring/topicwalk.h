#pragma once

#include "centreauthor.h"
#include "snippets.h"

#include <functional>

namespace kelvor::authoring {

// The technology, example and video centres file a language section's topics
// alike: one folder per topic group under `sectionFolder`; a group of four or
// more keeps its last two topics one level deeper, in a folder named
// `deeperFolder`, and the section's first such folder also gets the
// "coming soon" folder. `addTopic` adds the topic's record under `parent`.
void fileSectionTopics(CentreAuthor& centre, const LanguageSection& section, const QString& sectionFolder,
                       const QString& deeperFolder,
                       const std::function<void(const QString& parent, const Snippet& topic)>& addTopic);

}  // namespace kelvor::authoring
