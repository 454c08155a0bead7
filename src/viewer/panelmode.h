#pragma once

namespace kelvor {

// Which captions the side panel carries: the default row, the video
// centre's or the interface centre's. Only the default row has a source button.
enum class PanelMode { Default = 1, Video = 2, Interface = 3 };

}  // namespace kelvor
