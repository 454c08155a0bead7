#pragma once

#include <QString>

namespace kelvor {

// Controls of the main window that the centre switch shows, hides, enables
// or captions. Each stands for the control of that objectName; the history
// list `dataList6` and "恢复缩略图" `Command51` are not built, so the switch's
// steps on them do nothing.
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
    HistoryList,         // dataList6
    AutoRun,             // Command91 "自动执行"
    ThumbnailShow,       // Command48 "缩略图显示"
    ThumbnailRestore,    // Command51 "恢复缩略图"
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
