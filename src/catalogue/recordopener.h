#pragma once

#include "cataloguetree.h"
#include "documentdisplay.h"
#include "recordhistory.h"

#include "library/centres.h"
#include "library/sharedconnection.h"

namespace kelvor {

enum class OpenOutcome {
    Nothing,         // empty code: only the record-code box changed
    NoCentre,        // the code's first six characters name no centre
    DatabaseFailed,  // the content database or the record query failed; nothing changed
    NotFound,        // no record with that code; the history still got it
    Opened,
};

// `gototree`: opens a record by its code, whichever control asks for it.
// Owns the history of openings and what the last opening left behind.
class RecordOpener {
public:
    RecordOpener(SharedConnection& connection, DocumentDisplay& display);

    OpenOutcome gototree(const QString& code);

    // Callers set the title of the record they are about to open; the
    // history keeps it beside the code.
    void setCurrentTitle(const QString& title) { m_currentTitle = title; }
    QString currentTitle() const { return m_currentTitle; }

    // A click on a catalogue node: record nodes ("l", "m", "n") open their
    // record; other nodes only become the current node. True when opened.
    bool openNode(const CatalogueNode& node);
    QString currentNodeKey() const { return m_currentNodeKey; }
    QString currentCode() const { return m_currentCode; }
    // The record on show: the code the last opening found, whoever asked
    // for it (the tree, back and forward, a favourite, a note).
    QString shownCode() const { return m_shownCode; }
    // The main keywords of the record on show: `jbmc` (navigation) and `jbnr` (example).
    QString shownNavigationKeyword() const { return m_shownNavigationKeyword; }
    QString shownExampleKeyword() const { return m_shownExampleKeyword; }

    QString currentCentrePrefix() const { return m_currentCentrePrefix; }
    QString currentDocumentPath() const { return m_currentDocumentPath; }

    // The toolbar's back and forward: they move through the history without
    // adding to it.
    OpenOutcome back();
    OpenOutcome forward();

    RecordHistory& history() { return m_history; }
    const RecordHistory& history() const { return m_history; }

private:
    OpenOutcome openFromHistory(std::optional<int> entry);
    void showDocument(const QString& code, const QString& link, DocumentKind kind);

    SharedConnection& m_connection;
    DocumentDisplay& m_display;
    RecordHistory m_history;
    QString m_currentTitle;
    QString m_currentNodeKey;
    QString m_currentCode;
    QString m_shownCode;
    QString m_shownNavigationKeyword;
    QString m_shownExampleKeyword;
    QString m_currentCentrePrefix;
    QString m_currentDocumentPath;
};

}  // namespace kelvor
