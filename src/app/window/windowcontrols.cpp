#include "windowcontrols.h"

namespace kelvor {

QString objectNameOf(Control control)
{
    switch (control) {
    case Control::TabCatalogue: return QStringLiteral("Command4");
    case Control::TabList: return QStringLiteral("Command8");
    case Control::TabHistory: return QStringLiteral("Command9");
    case Control::TabSettings: return QStringLiteral("Command10");
    case Control::SearchBox: return QStringLiteral("Combo2");
    case Control::SearchButton: return QStringLiteral("Command3");
    case Control::AdvancedButton: return QStringLiteral("Command11");
    case Control::Tree: return QStringLiteral("TreeView1");
    case Control::ResultList: return QStringLiteral("datalist2");
    case Control::ResultScrollBar: return QStringLiteral("HScroll1");
    case Control::HistoryList: return QStringLiteral("dataList6");
    case Control::AutoRun: return QStringLiteral("Command91");
    case Control::ThumbnailShow: return QStringLiteral("Command48");
    case Control::ThumbnailRestore: return QStringLiteral("Command51");
    case Control::BackToQuery: return QStringLiteral("Command25");
    case Control::AdvancedPanel: return QStringLiteral("Frame8(0)");
    case Control::AdvancedInResults: return QStringLiteral("Command13");
    case Control::AdvancedAllData: return QStringLiteral("Command18");
    case Control::AdvancedClose: return QStringLiteral("Command19");
    case Control::ClickRunsOption: return QStringLiteral("Check2(0)");
    case Control::ManualExpandOption: return QStringLiteral("Check3(0)");
    case Control::TitleOnlyOption: return QStringLiteral("titleOnlyOption");
    case Control::ShowPositionOption: return QStringLiteral("showPositionOption");
    case Control::RangeOptionCentre: return QStringLiteral("Option8");
    case Control::QueryCentrePanel: return QStringLiteral("queryCentrePanel");
    case Control::LeftPaneFrame: return QStringLiteral("Frame5");
    case Control::LeftPane: return QStringLiteral("Picture2");
    case Control::Splitter: return QStringLiteral("image1");
    case Control::DocumentArea: return QStringLiteral("Picture1");
    }
    return {};
}

}  // namespace kelvor
