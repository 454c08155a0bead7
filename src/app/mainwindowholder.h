#pragma once

#include "mainwindowfactory.h"
#include "mainwindowhost.h"

namespace kelvor {

// Owns the main window for the program's lifetime; builds it with the factory
// when start-up asks for it.
class MainWindowHolder : public MainWindowHost {
public:
    MainWindowHolder(MainWindowFactory factory, MainWindowServices services);
    ~MainWindowHolder() override;

    void load() override;
    void show() override;

    QMainWindow* window() const { return m_window.get(); }

private:
    MainWindowFactory m_factory;
    MainWindowServices m_services;
    std::unique_ptr<QMainWindow> m_window;
};

}  // namespace kelvor
