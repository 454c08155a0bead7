#pragma once

#include <csignal>
#include <sys/resource.h>

namespace kelvor::test {

// Files of this process may grow to one byte only: every write of a new file
// fails part way, as it would on a full disk (and even for root).
class FullDisk {
public:
    FullDisk()
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = m_saved;
        tiny.rlim_cur = 1;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

}  // namespace kelvor::test
