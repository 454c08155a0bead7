#pragma once

#include <QString>

#include <array>

namespace kelvor {

// Tags of the side panel's record buttons (`Command6` 1–3). A button with a
// non-empty tag is enabled, one with an empty tag disabled.
struct SidePanelTags {
    QString sourceCode;    // button 1, from `cc`
    QString sourceFolder;  // button 2, from `nycd`
    QString videoPlayer;   // button 3, from `bb`

    QString tag(int button) const;
    bool isEnabled(int button) const { return !tag(button).isEmpty(); }
};

// What the record opener needs from the document area. The catalogue owns
// this interface; the document viewer and the main window implement it.
class DocumentDisplay {
public:
    virtual ~DocumentDisplay() = default;

    virtual void setRecordCode(const QString& code) = 0;        // record-code box `Text16`
    virtual void setSidePanel(const SidePanelTags& tags) = 0;
    virtual void setExampleKeyword(const QString& keyword) = 0; // example-keyword box `Text21`
    // The record's `bz` field; shown only while the notes panel is visible.
    virtual void showNote(const QString& storedNote) = 0;
    // A page or a picture into the document view `WebBrowser1`.
    virtual void loadDocument(const QString& path) = 0;
    // A video-centre record: its player program, started without waiting.
    virtual void startPlayer(const QString& path) = 0;
    // `visibleweb`: collect the source paragraphs of `documentPath` (may be empty).
    virtual void runSourceExtraction(const QString& documentPath) = 0;
    // The opening is over: the reading timer restarts in automatic-scrolling
    // mode, and the highlighter runs again.
    virtual void openingFinished() = 0;
};

}  // namespace kelvor
