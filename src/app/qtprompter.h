#pragma once

#include "library/prompter.h"

#include <QPointer>
#include <QWidget>

namespace kelvor {

// Message and input boxes of the running program. Unattended (scripts, CI),
// it prints what it would show on stderr and answers No / Cancel, so that a
// run without a user never waits on a box.
class QtPrompter : public Prompter {
public:
    enum class Mode { Interactive, Unattended };

    explicit QtPrompter(Mode mode = Mode::Interactive);

    // Boxes are centred over this window once it exists.
    void setDialogParent(QWidget* parent) { m_parent = parent; }
    Mode mode() const { return m_mode; }

    // Unattended when the environment variable KELVOR_UNATTENDED is 1.
    static Mode modeFromEnvironment();

    void message(const QString& text) override;
    bool confirm(const QString& text) override;
    std::optional<QString> input(const QString& prompt, const QString& initial = {},
                                 const QString& title = {}) override;

    static constexpr const char* kInputTitle = "澄溪宸笺";

private:
    Mode m_mode;
    QPointer<QWidget> m_parent;
};

}  // namespace kelvor
