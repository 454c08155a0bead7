#include "highlightoptions.h"

namespace kelvor {

void HighlightOptions::optionClicked(int option)
{
    if (isOption(option)) m_chosen = option;
}

void HighlightOptions::clickAreaClicked(int option)
{
    if (!isOption(option)) return;
    m_chosen = m_chosen == option ? kNone : option;
}

}  // namespace kelvor
