#pragma once

namespace kelvor {

// The highlight option pair `check1(0)` "快速描红" and `check1(1)` "逐渐描红":
// at most one is chosen; with neither chosen the highlighter does nothing.
class HighlightOptions {
public:
    static constexpr int kNone = -1;

    int chosen() const { return m_chosen; }
    bool isChosen(int option) const { return m_chosen == option; }

    // A click on option k itself: k is chosen, the other cleared.
    void optionClicked(int option);
    // A click on the transparent area `Label25(k)` over option k and its
    // caption: toggles k, so that a second click leaves neither chosen.
    void clickAreaClicked(int option);

private:
    static bool isOption(int option) { return option == 0 || option == 1; }
    int m_chosen = 0;
};

}  // namespace kelvor
