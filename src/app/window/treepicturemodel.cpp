#include "treepicturemodel.h"

#include "bitmaps.h"

#include "catalogue/cataloguemodel.h"

namespace kelvor {

TreePictureModel::TreePictureModel(QObject* parent) : QIdentityProxyModel(parent)
{
    for (int i = 1; i <= Bitmaps::kTreePictureCount; ++i) m_pictures[size_t(i)] = QIcon(Bitmaps::treePicture(i));
}

QVariant TreePictureModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DecorationRole) return QIdentityProxyModel::data(index, role);
    const int picture = QIdentityProxyModel::data(index, CatalogueModel::PictureRole).toInt();
    if (picture < 1 || picture > Bitmaps::kTreePictureCount) return {};
    return m_pictures[size_t(picture)];
}

}  // namespace kelvor
