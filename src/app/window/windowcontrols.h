#pragma once

#include <QString>

namespace kelvor {

// Controls of the main window that the centre switch shows, hides, enables
// or captions. Each stands for the control of that objectName. The history
// list and "恢复缩略图" belong to their panels, which show them by their own
// flow; the switch only takes them away, with the rest of their panel.
enum class Control {
    TabCatalogue,        // Command4 "目录"
    TabList,             // Command8 "查询"
    TabHistory,          // Command9 "历史"
    TabSettings,         // Command10 "设置"
    SearchBox,           // Combo2
    SearchButton,        // Command3 "搜索"
    AdvancedButton,      // Command11 "高级"
    Tree,                // TreeView1
    ResultList,          // datalist2
    ResultScrollBar,     // HScroll1
    HistoryList,         // dataList6, with its panel Frame99
    AutoRun,             // Command91 "自动执行"
    ThumbnailShow,       // Command48 "缩略图显示"
    ThumbnailRestore,    // Command51 "恢复缩略图", with the thumbnails and their page buttons
    BackToQuery,         // Command25 "返回查询界面"
    AdvancedPanel,       // Frame8(0)
    AdvancedInResults,   // Command13 "在结果中查询"
    AdvancedAllData,     // Command18 "全部数据"
    AdvancedClose,       // Command19 "关闭"
    ClickRunsOption,     // Check2(0) "单击执行 "
    ManualExpandOption,  // Check3(0) "手动展开 "
    TitleOnlyOption,     // "只查询标题 "
    ShowPositionOption,  // "显示记录位置"
    RangeOptionCentre,   // Option8: the range option captioned with the centre
    QueryCentrePanel,    // the query centre's controls
    LeftPaneFrame,       // Frame5, the left pane's main frame
    LeftPane,            // Picture2
    Splitter,            // image1
    DocumentArea,        // Picture1
};

QString objectNameOf(Control control);

}  // namespace kelvor
