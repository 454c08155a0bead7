#pragma once

#include <QIcon>
#include <QIdentityProxyModel>

#include <array>

namespace kelvor {

// Shows the catalogue tree's picture index (CatalogueModel::PictureRole) as
// the node's icon, from the tree's list of 14 pictures.
class TreePictureModel : public QIdentityProxyModel {
    Q_OBJECT
public:
    explicit TreePictureModel(QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::array<QIcon, 15> m_pictures;  // by picture index 1–14
};

}  // namespace kelvor
