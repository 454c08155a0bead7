#pragma once

namespace kelvor::thumbnails {

// A folder's records shown as pictures, 16 to a page in 4 columns.
inline constexpr int kPerPage = 16;
inline constexpr int kColumns = 4;

// The index of the last page for a folder of `childCount` records (0 when empty).
int lastPage(int childCount);

// The records of page `page`, as positions among the folder's children;
// empty (first > last) past the end.
struct PageRange {
    int first = 0;
    int last = -1;
};
PageRange pageRange(int page, int childCount);

// The page on show and the enable state of "上一页" and "下一页".
struct Pager {
    int page = 0;
    int lastPage = 0;
    bool previousEnabled = false;
    bool nextEnabled = false;
};
// "缩略图显示": the first page; "下一页" only when there is more than one.
Pager startPaging(int childCount);
Pager previousPage(Pager pager);
Pager nextPage(Pager pager);

// Where cell j of a page lies, in twips, in a document area of the given size.
struct CellGeometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
CellGeometry cellGeometry(int cell, int areaWidth, int areaHeight);

}  // namespace kelvor::thumbnails
