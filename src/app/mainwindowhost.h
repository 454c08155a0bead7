#pragma once

namespace kelvor {

// What the start-up sequence does with the main window: build it on the first
// tick (its initialisation runs to the end, the window stays hidden) and show
// it on the second. The widget side owns the window.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;
    // May throw (std::exception) when the window cannot be built.
    virtual void load() = 0;
    virtual void show() = 0;
};

}  // namespace kelvor
