#include "mainwindowholder.h"

#include <stdexcept>

namespace kelvor {

MainWindowHolder::MainWindowHolder(MainWindowFactory factory, MainWindowServices services)
    : m_factory(std::move(factory)), m_services(services)
{
}

MainWindowHolder::~MainWindowHolder() = default;

void MainWindowHolder::load()
{
    if (m_window) return;
    m_window = m_factory(m_services);
    if (!m_window) throw std::runtime_error("the main window could not be built");
}

void MainWindowHolder::show()
{
    if (!m_window) return;
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

}  // namespace kelvor
