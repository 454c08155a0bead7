#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kelvor {

// What the user chose for one import of documentation.
struct ImportChoice {
    QString source;   // an HTML folder or a docset
    QString centre;   // the caption of the centre to import into
    QString title;    // the new top-level folder; empty: the source's own name
};

// Asks which documentation to import and where. The window shows a dialog;
// tests answer from a script.
class ImportQuestions {
public:
    virtual ~ImportQuestions() = default;
    // Nothing when the user cancels. `centres` are the captions to offer.
    virtual std::optional<ImportChoice> ask(const QStringList& centres) = 0;
};

}  // namespace kelvor
