#pragma once

#include "catalogue/documentdisplay.h"

#include <QStringList>

namespace kelvor::test {

// Writes down every call the record opener makes, in order.
class RecordingDisplay : public DocumentDisplay {
public:
    QStringList calls;
    SidePanelTags panel;

    void setRecordCode(const QString& code) override { calls << QStringLiteral("code:") + code; }
    void setSidePanel(const SidePanelTags& tags) override
    {
        panel = tags;
        calls << QStringLiteral("panel:") + tags.sourceCode + u'|' + tags.sourceFolder + u'|' + tags.videoPlayer;
    }
    void setExampleKeyword(const QString& keyword) override { calls << QStringLiteral("keyword:") + keyword; }
    void showNote(const QString& storedNote) override { calls << QStringLiteral("note:") + storedNote; }
    void loadDocument(const QString& path) override { calls << QStringLiteral("load:") + path; }
    void startPlayer(const QString& path) override { calls << QStringLiteral("player:") + path; }
    void runSourceExtraction(const QString& documentPath) override
    {
        calls << QStringLiteral("extract:") + documentPath;
    }
    void openingFinished() override { calls << QStringLiteral("finished"); }

    QStringList takeCalls()
    {
        QStringList taken = calls;
        calls.clear();
        return taken;
    }
};

}  // namespace kelvor::test
