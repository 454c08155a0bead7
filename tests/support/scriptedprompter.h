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
    std::optional<QString> input(const QString& prompt, const QString& initial, const QString&) override
    {
        questions << prompt;
        inputDefaults << initial;
        if (inputAnswers.empty()) return std::nullopt;
        const bool answered = inputAnswers.front().has_value();
        const QString text = answered ? *inputAnswers.front() : QString();
        inputAnswers.pop_front();
        return answered ? std::optional<QString>(text) : std::nullopt;
    }

    QStringList messages;
    QStringList questions;
    QStringList inputDefaults;  // the text each input box offered
    std::deque<bool> confirmAnswers;
    std::deque<std::optional<QString>> inputAnswers;
};

}  // namespace kelvor::test
