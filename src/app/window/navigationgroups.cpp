#include "navigationgroups.h"

#include <array>

namespace kelvor {

namespace {

using ItemNames = std::array<const char*, kBarItemCount>;

// Slots without a name switch nothing; the bar leaves them blank.
constexpr ItemNames kCentreItems = {"", "技术中心", "视频中心", "实例中心", "项目中心", "方案中心", "界面中心", ""};
constexpr ItemNames kLearningItems = {"从零开始", "入门训练", "进阶提高", "提高训练",
                                      "中级开发", "中级训练", "高级开发", "高级训练"};
constexpr ItemNames kQueryItems = {" 目录 ", "查询中心", " 检索 ", "源码管理", "", "", "工具管理", ""};

const ItemNames& itemsOf(NavigationGroup group)
{
    switch (group) {
    case NavigationGroup::Centre: return kCentreItems;
    case NavigationGroup::Learning: return kLearningItems;
    case NavigationGroup::Query: break;
    }
    return kQueryItems;
}

constexpr std::array<NavigationGroup, 3> kGroups = {NavigationGroup::Centre, NavigationGroup::Learning,
                                                    NavigationGroup::Query};

}  // namespace

QString groupCode(NavigationGroup group) { return QString::number(int(group)); }

std::optional<NavigationGroup> groupFromCode(QStringView code)
{
    for (NavigationGroup g : kGroups)
        if (code == groupCode(g)) return g;
    return std::nullopt;
}

QString groupName(NavigationGroup group)
{
    switch (group) {
    case NavigationGroup::Centre: return QStringLiteral("中心");
    case NavigationGroup::Learning: return QStringLiteral("学习");
    case NavigationGroup::Query: break;
    }
    return QStringLiteral("查询");
}

QString barItemName(NavigationGroup group, int item)
{
    if (item < 0 || item >= kBarItemCount) return {};
    return QString::fromUtf8(itemsOf(group)[size_t(item)]);
}

QString barItemCaption(NavigationGroup group, int item) { return barItemName(group, item).trimmed(); }

bool barItemHasPage(NavigationGroup group, int item) { return !barItemName(group, item).isEmpty(); }

int barBackgroundPicture(NavigationGroup group)
{
    switch (group) {
    case NavigationGroup::Centre: return 812;
    case NavigationGroup::Learning: return 811;
    case NavigationGroup::Query: break;
    }
    return 813;
}

int tabStripPicture(NavigationGroup group)
{
    switch (group) {
    case NavigationGroup::Centre: return 801;
    case NavigationGroup::Learning: return 802;
    case NavigationGroup::Query: break;
    }
    return 803;
}

int overlayPictureBase(NavigationGroup group)
{
    switch (group) {
    case NavigationGroup::Centre: return 920;
    case NavigationGroup::Learning: return 820;
    case NavigationGroup::Query: break;
    }
    return 950;
}

int overlayPicture(NavigationGroup group, int item) { return overlayPictureBase(group) + item; }

std::optional<NumberedPicture> numberedPicture(int number)
{
    for (NavigationGroup g : kGroups) {
        if (number == tabStripPicture(g)) return NumberedPicture{NumberedPicture::Kind::TabStrip, g};
        if (number == barBackgroundPicture(g)) return NumberedPicture{NumberedPicture::Kind::BarBackground, g};
        const int item = number - overlayPictureBase(g);
        if (item >= 0 && item < kBarItemCount) return NumberedPicture{NumberedPicture::Kind::Overlay, g, item};
    }
    return std::nullopt;
}

}  // namespace kelvor
