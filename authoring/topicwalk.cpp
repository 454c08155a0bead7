#include "topicwalk.h"

namespace kelvor::authoring {

void fileSectionTopics(CentreAuthor& centre, const LanguageSection& section, const QString& sectionFolder,
                       const QString& deeperFolder,
                       const std::function<void(const QString& parent, const Snippet& topic)>& addTopic)
{
    bool comingSoonAdded = false;
    for (const TopicGroup& group : section.groups) {
        const QString groupFolder = centre.folder(sectionFolder, group.name);
        const qsizetype direct = group.keys.size() >= 4 ? group.keys.size() - 2 : group.keys.size();
        QString deeper;
        for (qsizetype i = 0; i < group.keys.size(); ++i) {
            const Snippet& topic = snippetByKey(group.keys[i]);
            QString parent = groupFolder;
            if (i >= direct) {
                if (deeper.isEmpty()) deeper = centre.folder(groupFolder, deeperFolder);
                parent = deeper;
            }
            addTopic(parent, topic);
        }
        if (!deeper.isEmpty() && !comingSoonAdded) {
            centre.comingSoonFolder(deeper);
            comingSoonAdded = true;
        }
    }
}

}  // namespace kelvor::authoring
