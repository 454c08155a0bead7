#include "settings/coolsys.h"
#include "settings/optionfile.h"
#include "settings/viewsettings.h"

#include "settingsfiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>

using namespace kelvor;

namespace {

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

TEST(FailedWriteTest, OldSettingsFileSurvivesAWriteThatFails)
{
    struct Case {
        const char* name;
        QByteArray old;
        std::function<bool(const QString& path)> write;
    };
    const std::vector<Case> cases = {
        {"option.htm", "1\r\n", [](const QString& p) { return writeOptionFile(p, false); }},
        {"coolsys.ini", "\r\nkept\r\n", [](const QString& p) { return writeCoolsys(p, {"a long new entry"}); }},
        {"rcontrolmt.ini", "1\r\n0\r\n0\r\n",
         [](const QString& p) { return ViewSettingsFile(p).store(RecordPosition::Hidden); }},
    };
    for (const Case& k : cases) {
        test::SettingsFolder folder;
        const QString path = folder.put(k.name, k.old);
        bool written = true;
        {
            FullDisk full;
            written = k.write(path);
        }
        EXPECT_FALSE(written) << k.name;
        EXPECT_EQ(folder.contentOf(k.name), k.old) << k.name;
        EXPECT_EQ(folder.entries(), QStringList{k.name}) << "temporary file left behind";
    }
}

}  // namespace
