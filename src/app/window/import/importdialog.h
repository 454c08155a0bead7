#pragma once

#include "importquestions.h"

#include <QPointer>
#include <QWidget>

namespace kelvor {

// The import dialog of the running program: the folder (typed or chosen),
// the centre and the folder title. Unattended runs answer Cancel.
class ImportDialog : public ImportQuestions {
public:
    explicit ImportDialog(QWidget* parent, bool unattended);
    std::optional<ImportChoice> ask(const QStringList& centres) override;

private:
    QPointer<QWidget> m_parent;
    bool m_unattended;
};

}  // namespace kelvor
