#include "snippets.h"

#include "authoringerror.h"
#include "topicfiles.h"

namespace kelvor::authoring {

const std::vector<Snippet>& snippets()
{
    static const std::vector<Snippet> all = readTopics(builtInContentRoot());
    return all;
}

const std::vector<LanguageSection>& languageSections()
{
    static const std::vector<LanguageSection> all = readSections(builtInContentRoot(), snippets());
    return all;
}

const Snippet& snippetByKey(const QString& key)
{
    for (const Snippet& s : snippets())
        if (s.key == key) return s;
    throw AuthoringError(QStringLiteral("unknown snippet %1").arg(key));
}

}  // namespace kelvor::authoring
