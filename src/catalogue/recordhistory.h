#pragma once

#include <QString>

#include <array>
#include <optional>

namespace kelvor {

// The records opened so far, for the toolbar's back and forward. Entries sit
// at indexes 0–30; the newest is at size(). Index 0 stays empty until the
// list has overflowed once, after which every entry shifts down by one and
// the oldest is lost. Lives until the program ends; never saved.
class RecordHistory {
public:
    static constexpr int kLastIndex = 30;

    // Stores an opening, unless back or forward is moving through the history.
    void add(const QString& code, const QString& title);

    int size() const { return m_size; }          // index of the newest entry
    int position() const { return m_position; }  // where back and forward stand
    QString code(int index) const;
    QString title(int index) const;

    // The history navigation flag: set while back or forward opens a record.
    bool isNavigating() const { return m_navigating; }
    void setNavigating(bool navigating) { m_navigating = navigating; }

    // Moves the position and gives the entry to open; nothing when it stays.
    std::optional<int> stepBack();
    std::optional<int> stepForward();

private:
    std::array<QString, kLastIndex + 1> m_codes;
    std::array<QString, kLastIndex + 1> m_titles;
    int m_size = 0;
    int m_position = 0;
    bool m_navigating = false;
};

}  // namespace kelvor
