#include "centreauthor.h"
#include "democentres.h"
#include "snippetpages.h"

namespace kelvor::authoring {

void addVideoCentre(LibraryContent& content)
{
    CentreAuthor centre(content, QStringLiteral("spzx"));
    const QString guide = QStringLiteral("视频中心导览");
    centre.player(QString(), guide, guide + QStringLiteral(" 视频课程的分类与观看方法"), playerProgram(guide),
                  {.link = QStringLiteral("spguide")});
    for (const LanguageSection& section : languageSections()) {
        bool placeholderAdded = false;
        const QString link = text(section.videoLink);
        const QString sectionFolder = centre.folder(QString(), text(section.videoFolder));
        const QString intro = text(section.videoFolder) + QStringLiteral("：课程介绍");
        centre.player(sectionFolder, intro, intro + QLatin1Char(' ') + text(section.overview), playerProgram(intro),
                      {.link = link, .jbmc = text(section.language)});
        int lecture = 0;
        for (const TopicGroup& group : section.groups) {
            const QString groupFolder = centre.folder(sectionFolder, text(group.name));
            const size_t direct = group.keys.size() >= 4 ? group.keys.size() - 2 : group.keys.size();
            QString deeper;
            for (size_t i = 0; i < group.keys.size(); ++i) {
                const Snippet& s = snippetByKey(QString::fromLatin1(group.keys[i]));
                QString parent = groupFolder;
                if (i >= direct) {
                    if (deeper.isEmpty()) deeper = centre.folder(groupFolder, QStringLiteral("拓展视频"));
                    parent = deeper;
                }
                const QString title = QStringLiteral("第 %1 讲 %2").arg(++lecture).arg(text(s.title));
                centre.player(parent, title, title + QLatin1Char(' ') + text(s.intro), playerProgram(title),
                              {.link = link, .jbmc = techKeywordsOf(s).value(0), .jbnr = text(s.exampleKeyword)});
            }
            if (!deeper.isEmpty() && !placeholderAdded) {
                centre.comingSoonFolder(deeper);
                placeholderAdded = true;
            }
        }
    }
    centre.finish();
}

}  // namespace kelvor::authoring
