#pragma once

#include "library/prompter.h"

#include <QStringList>

#include <deque>

namespace kelvor::test {

// Records every message and answers questions from a script.
class ScriptedPrompter : public Prompter {
public:
    void message(const QString& text) override { messages << text; }
    bool confirm(const QString& text) override
    {
        questions << text;
        if (confirmAnswers.empty()) return false;
        bool a = confirmAnswers.front();
        confirmAnswers.pop_front();
        return a;
    }
    std::optional<QString> input(const QString& prompt, const QString&, const QString&) override
    {
        questions << prompt;
        if (inputAnswers.empty()) return std::nullopt;
        auto a = inputAnswers.front();
        inputAnswers.pop_front();
        return a;
    }

    QStringList messages;
    QStringList questions;
    std::deque<bool> confirmAnswers;
    std::deque<std::optional<QString>> inputAnswers;
};

}  // namespace kelvor::test
