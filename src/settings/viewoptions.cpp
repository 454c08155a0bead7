#include "viewoptions.h"

namespace kelvor {

void ViewOptions::load()
{
    m_loaded = false;
    if (const auto read = m_file.read()) apply(*read);
    m_loaded = true;
}

void ViewOptions::apply(const ViewSelection& selection)
{
    m_selection = selection;
    m_range = settingLetter(selection.range);
    m_position = settingLetter(selection.position);
    m_field = settingLetter(selection.field);
}

void ViewOptions::choose(SearchRange range)
{
    if (!m_loaded) return;
    m_selection.range = range;
    m_range = settingLetter(range);
    m_file.store(range);
}

void ViewOptions::choose(RecordPosition position)
{
    if (!m_loaded) return;
    m_selection.position = position;
    m_position = settingLetter(position);
    m_file.store(position);
}

void ViewOptions::choose(SearchField field)
{
    if (!m_loaded) return;
    m_selection.field = field;
    m_field = settingLetter(field);
    m_file.store(field);
}

}  // namespace kelvor
