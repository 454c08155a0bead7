#include "coolsys.h"

#include "settingsfile.h"

#include "library/gbk.h"

namespace kelvor {

bool writeCoolsys(const QString& path, const QStringList& listTexts)
{
    QString content;
    for (const QString& text : listTexts)
        if (!text.isEmpty()) content += QStringLiteral("\r\n") + text;
    content += QStringLiteral("\r\n");
    return settings::replaceFile(path, gbk::encode(content));
}

}  // namespace kelvor
