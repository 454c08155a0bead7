#pragma once

#include <functional>

class QComboBox;

namespace kelvor {

// Runs `pressed` when Enter is pressed in an editable combo box, and takes the
// key. The keyboard focus sits on the box itself (the line edit inside names
// the box as its focus proxy), and the box hands keys to the line edit by a
// direct call that passes no event filter: a filter on the line edit alone
// never sees a real Enter. Both are watched, so a key sent to either counts once.
void onEnterPressed(QComboBox* box, std::function<void()> pressed);

}  // namespace kelvor
