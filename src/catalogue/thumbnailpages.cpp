#include "thumbnailpages.h"

#include <algorithm>

namespace kelvor::thumbnails {

namespace {

constexpr int kFirstLeft = 100;
constexpr int kFirstTop = 700;
constexpr int kColumnGap = 50;
constexpr int kRowGap = 200;

}  // namespace

int lastPage(int childCount) { return childCount > 0 ? (childCount - 1) / kPerPage : 0; }

PageRange pageRange(int page, int childCount)
{
    if (page < 0) return {};
    const int first = page * kPerPage;
    const int last = std::min(first + kPerPage, childCount) - 1;
    return {first, last};
}

Pager startPaging(int childCount)
{
    const int last = lastPage(childCount);
    return {0, last, false, last > 0};
}

Pager previousPage(Pager pager)
{
    if (pager.page >= 2) return {pager.page - 1, pager.lastPage, true, true};
    return {0, pager.lastPage, false, true};
}

Pager nextPage(Pager pager)
{
    const int page = pager.page + 1;
    return {page, pager.lastPage, true, page < pager.lastPage};
}

CellGeometry cellGeometry(int cell, int areaWidth, int areaHeight)
{
    const int width = areaWidth / 4 - 100;
    const int height = areaHeight / 4 - 500;
    const int row = (cell + 4) / 4 - 1;
    return {(width + kColumnGap) * (cell % kColumns) + kFirstLeft, row * (height + kRowGap) + kFirstTop, width,
            height};
}

}  // namespace kelvor::thumbnails
