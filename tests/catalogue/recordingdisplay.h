#pragma once

#include "catalogue/documentdisplay.h"

#include <QStringList>

namespace kelvor::test {

// Writes down every call the record opener makes, in order.
class RecordingDisplay : public DocumentDisplay {
public:
    QStringList calls;
    SidePanelTags panel;

    void setRecordCode(const QString& code) override { calls << "code:" + code; }
    void setSidePanel(const SidePanelTags& tags) override
    {
        panel = tags;
        calls << "panel:" + tags.sourceCode + "|" + tags.sourceFolder + "|" + tags.videoPlayer;
    }
    void setExampleKeyword(const QString& keyword) override { calls << "keyword:" + keyword; }
    void showNote(const QString& storedNote) override { calls << "note:" + storedNote; }
    void loadDocument(const QString& path) override { calls << "load:" + path; }
    void startPlayer(const QString& path) override { calls << "player:" + path; }
    void runSourceExtraction(const QString& documentPath) override { calls << "extract:" + documentPath; }
    void openingFinished() override { calls << "finished"; }

    QStringList takeCalls()
    {
        QStringList taken = calls;
        calls.clear();
        return taken;
    }
};

}  // namespace kelvor::test
