#include "centreauthor.h"
#include "democentres.h"
#include "snippetpages.h"
#include "topicwalk.h"

namespace kelvor::authoring {

void addVideoCentre(LibraryContent& content)
{
    CentreAuthor centre(content, QStringLiteral("spzx"));
    const QString guide = QStringLiteral("视频中心导览");
    centre.player(QString(), guide, guide + QStringLiteral(" 视频课程的分类与观看方法"), playerProgram(guide),
                  {.link = QStringLiteral("spguide")});
    for (const LanguageSection& section : languageSections()) {
        const QString& link = section.videoLink;
        const QString sectionFolder = centre.folder(QString(), section.videoFolder);
        const QString intro = section.videoFolder + QStringLiteral("：课程介绍");
        centre.player(sectionFolder, intro, intro + QLatin1Char(' ') + section.overview, playerProgram(intro),
                      {.link = link, .jbmc = section.language});
        int lecture = 0;
        fileSectionTopics(centre, section, sectionFolder, QStringLiteral("拓展视频"),
                          [&](const QString& parent, const Snippet& s) {
                              const QString title = QStringLiteral("第 %1 讲 %2").arg(++lecture).arg(s.title);
                              centre.player(parent, title, title + QLatin1Char(' ') + s.intro, playerProgram(title),
                                            {.link = link, .jbmc = s.techKeywords.value(0), .jbnr = s.exampleKeyword});
                          });
    }
    centre.finish();
}

}  // namespace kelvor::authoring
