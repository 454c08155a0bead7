#include "cataloguetree.h"

namespace kelvor {

namespace {

size_t keyHash(QByteArrayView keyUtf8) { return qHash(keyUtf8); }

}  // namespace

void CatalogueTree::reserve(int count)
{
    m_nodes.reserve(count);
    m_keys.reserve(count, qsizetype(count) * 14);
    m_texts.reserve(count, qsizetype(count) * 40);
    growKeySlots(count);
}

void CatalogueTree::growKeySlots(qsizetype wanted)
{
    // At most half the slotCount in use keeps the probes short.
    size_t slotCount = 16;
    while (slotCount < size_t(wanted) * 2) slotCount *= 2;
    if (slotCount <= m_keySlots.size()) return;
    m_keySlots.assign(slotCount, -1);
    const size_t mask = slotCount - 1;
    for (int node = 0; node < nodeCount(); ++node) {
        size_t at = keyHash(m_keys.utf8At(node)) & mask;
        while (m_keySlots[at] >= 0) at = (at + 1) & mask;
        m_keySlots[at] = node;
    }
}

// The slot that holds `keyUtf8`'s node, or the free slot where it would go.
int CatalogueTree::findSlot(QByteArrayView keyUtf8) const
{
    const size_t mask = m_keySlots.size() - 1;
    size_t at = keyHash(keyUtf8) & mask;
    while (m_keySlots[at] >= 0 && m_keys.utf8At(m_keySlots[at]) != keyUtf8) at = (at + 1) & mask;
    return int(at);
}

CatalogueTree::AddResult CatalogueTree::add(QStringView key, QStringView text, int picture, int level, int parent)
{
    if (parent != -1 && !contains(parent)) return AddResult::NoSuchParent;
    growKeySlots(qsizetype(m_nodes.size()) + 1);
    m_keys.append(key);
    const int index = nodeCount();
    const int slot = findSlot(m_keys.utf8At(index));
    if (m_keySlots[size_t(slot)] >= 0) {
        m_keys.removeLast();
        return AddResult::DuplicateKey;
    }
    m_keySlots[size_t(slot)] = index;
    m_texts.append(text);

    Slot node;
    node.picture = qint16(picture);
    node.level = qint8(level);
    node.parent = parent;
    if (parent == -1) {
        node.row = int(m_roots.size());
        m_roots.push_back(index);
    } else {
        node.row = m_nodes[parent].childCount++;
    }
    m_nodes.append(node);
    m_childrenLaidOut = false;
    return AddResult::Added;
}

CatalogueNode CatalogueTree::node(int index) const
{
    const Slot& slot = m_nodes[index];
    return CatalogueNode{key(index), text(index), slot.picture, slot.level, slot.parent, slot.row, slot.expanded};
}

QString CatalogueTree::text(int node) const
{
    if (!m_renamed.isEmpty()) {
        const auto renamed = m_renamed.constFind(node);
        if (renamed != m_renamed.cend()) return *renamed;
    }
    return m_texts.at(node);
}

int CatalogueTree::indexOfKey(const QString& key) const
{
    if (m_keySlots.empty()) return -1;
    QByteArray utf8;
    PackedTexts::appendUtf8(utf8, key);
    return m_keySlots[size_t(findSlot(utf8))];
}

void CatalogueTree::layOutChildren() const
{
    m_childStart.assign(m_nodes.size() + 1, 0);
    for (qsizetype i = 0; i < m_nodes.size(); ++i) m_childStart[size_t(i) + 1] = m_childStart[size_t(i)] + m_nodes[i].childCount;
    m_childList.assign(size_t(m_childStart.back()), -1);
    // A node is added after its parent and after its earlier siblings, so
    // walking nodes in index order fills each list in row order.
    for (int i = 0; i < nodeCount(); ++i) {
        const Slot& n = m_nodes[i];
        if (n.parent >= 0) m_childList[size_t(m_childStart[size_t(n.parent)] + n.row)] = i;
    }
    m_childrenLaidOut = true;
}

std::span<const int> CatalogueTree::children(int parent) const
{
    if (parent == -1) return m_roots;
    if (!contains(parent)) return {};
    if (!m_childrenLaidOut) layOutChildren();
    const int begin = m_childStart[size_t(parent)];
    return std::span<const int>(m_childList).subspan(size_t(begin), size_t(m_childStart[size_t(parent) + 1] - begin));
}

int CatalogueTree::firstChild(int node) const
{
    if (!contains(node)) return -1;
    const auto kids = children(node);
    return kids.empty() ? -1 : kids.front();
}

int CatalogueTree::nextSibling(int node) const
{
    if (!contains(node)) return -1;
    const Slot& n = m_nodes[node];
    const auto siblings = children(n.parent);
    return size_t(n.row + 1) < siblings.size() ? siblings[size_t(n.row + 1)] : -1;
}

void CatalogueTree::setExpanded(int node, bool expanded)
{
    if (contains(node)) m_nodes[node].expanded = expanded;
}

void CatalogueTree::setText(int node, const QString& text)
{
    if (contains(node)) m_renamed.insert(node, text);
}

void CatalogueTree::expandAll()
{
    for (auto& n : m_nodes) n.expanded = true;
}

}  // namespace kelvor
