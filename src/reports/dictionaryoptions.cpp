#include "dictionaryoptions.h"

namespace kelvor::reports {

const std::vector<DictionaryOption>& dictionaryOptions()
{
    static const std::vector<DictionaryOption> all = {
        {0, QStringLiteral("技术词典"), true, true, true},     {1, QStringLiteral("实例词典"), true, true, true},
        {2, QStringLiteral("项目词典"), true, true, true},     {3, QStringLiteral("方案词典"), true, true, true},
        {4, QStringLiteral("界面词典"), true, true, true},     {5, QStringLiteral("视频词典"), true, true, true},
        {6, QStringLiteral("个人资源"), false, false, false},  {7, QStringLiteral("辅助词典"), false, false, false},
        {8, QStringLiteral("本词典"), false, true, true},      {91, QStringLiteral("英语词典"), true, false, false},
        {101, QStringLiteral("白宝箱"), true, false, false},   {111, QStringLiteral("工具集"), true, false, false},
        {121, QStringLiteral("源码"), true, false, false},     {131, QStringLiteral("入门训练"), true, false, false},
        {141, QStringLiteral("入门学习"), true, false, false},
    };
    return all;
}

QString rangePanelCaption() { return QStringLiteral("选择查询范围"); }
QString typePanelCaption() { return QStringLiteral("选择内容所属类型"); }

DictionaryChoice::DictionaryChoice()
{
    for (const DictionaryOption& o : dictionaryOptions()) m_states.push_back({o.index, o.initiallyOn, o.enabled});
}

bool DictionaryChoice::isOn(int index) const
{
    for (const State& s : m_states)
        if (s.index == index) return s.on;
    return false;
}

bool DictionaryChoice::isEnabled(int index) const
{
    for (const State& s : m_states)
        if (s.index == index) return s.enabled;
    return false;
}

bool DictionaryChoice::click(int index)
{
    for (State& s : m_states) {
        if (s.index != index) continue;
        if (!s.enabled) return s.on;
        // The technology dictionary is always searched.
        s.on = index == 0 ? true : !s.on;
        return s.on;
    }
    return false;
}

std::array<bool, 6> DictionaryChoice::centreOptions() const
{
    std::array<bool, 6> on{};
    for (int i = 0; i < 6; ++i) on[std::size_t(i)] = isOn(i);
    return on;
}

const std::array<QString, 12>& toolLabelCaptions()
{
    static const std::array<QString, 12> captions = {
        QStringLiteral("SQL 词典"), QStringLiteral("UML 词典"), QStringLiteral("术语词典"),
        QStringLiteral("英语词典"), QStringLiteral("工程词典"), QStringLiteral("SQL Server   词  典"),
        QStringLiteral("软件测试"), QStringLiteral("编码规范"), QStringLiteral("澄溪讲堂"),
        QStringLiteral("开发心得"), QStringLiteral("资源管理"), QStringLiteral("实用工具"),
    };
    return captions;
}

}  // namespace kelvor::reports
