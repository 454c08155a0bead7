#pragma once

#include <QString>

#include <optional>

namespace kelvor {

// Message and input boxes. The window uses a Qt implementation; tests use a
// scripted one so that no test ever blocks on a modal box.
class Prompter {
public:
    virtual ~Prompter() = default;
    // A message box without a title and with an OK button.
    virtual void message(const QString& text) = 0;
    // Yes/No question; true for Yes.
    virtual bool confirm(const QString& text) = 0;
    // An input box titled "澄溪宸笺" (unless `title` is given); nothing when cancelled.
    virtual std::optional<QString> input(const QString& prompt, const QString& initial = {},
                                         const QString& title = {}) = 0;
};

}  // namespace kelvor
