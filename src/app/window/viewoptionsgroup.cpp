#include "viewoptionsgroup.h"

#include "advancedpanel.h"

#include <QRadioButton>

namespace kelvor {

ViewOptionsGroup::ViewOptionsGroup(ViewSettingsFile file, AdvancedPanel& panel, QObject* parent)
    : QObject(parent), m_options(std::move(file)), m_panel(panel)
{
    // Clicks only: the buttons selected by load() write nothing.
    connect(panel.showPositionOption(), &QRadioButton::clicked, this, [this] { m_options.choose(RecordPosition::Shown); });
    connect(panel.hidePositionOption(), &QRadioButton::clicked, this, [this] { m_options.choose(RecordPosition::Hidden); });
    connect(panel.currentCentreOption(), &QRadioButton::clicked, this, [this] { m_options.choose(SearchRange::CurrentCentre); });
    connect(panel.allCentresOption(), &QRadioButton::clicked, this, [this] { m_options.choose(SearchRange::AllCentres); });
    connect(panel.titleFieldOption(), &QRadioButton::clicked, this, [this] { m_options.choose(SearchField::Title); });
    connect(panel.allFieldsOption(), &QRadioButton::clicked, this, [this] { m_options.choose(SearchField::AllFields); });
}

void ViewOptionsGroup::load()
{
    m_options.load();
    showSelection();
}

void ViewOptionsGroup::showSelection()
{
    const ViewSelection& s = m_options.selection();
    (s.position == RecordPosition::Shown ? m_panel.showPositionOption() : m_panel.hidePositionOption())->setChecked(true);
    (s.range == SearchRange::CurrentCentre ? m_panel.currentCentreOption() : m_panel.allCentresOption())->setChecked(true);
    (s.field == SearchField::Title ? m_panel.titleFieldOption() : m_panel.allFieldsOption())->setChecked(true);
}

}  // namespace kelvor
