#include "housekeeping.h"

namespace kelvor {

namespace {

constexpr qsizetype kShortestScrolledText = 5;

}  // namespace

QString scrolledDescription(const QString& boxText, const QString& description)
{
    if (boxText.size() < kShortestScrolledText) return description;
    // Never leave half of a surrogate pair at the front.
    const qsizetype drop = boxText.at(0).isHighSurrogate() && boxText.at(1).isLowSurrogate() ? 2 : 1;
    return boxText.mid(drop);
}

Housekeeping::Housekeeping(HousekeepingHost& host, QTimer& tick, QObject* parent)
    : QObject(parent), m_host(host), m_timer(tick)
{
    connect(&m_timer, &QTimer::timeout, this, &Housekeeping::tick);
}

void Housekeeping::documentComplete()
{
    if (!m_timer.isActive()) m_timer.start();
}

void Housekeeping::tick()
{
    m_host.setDescriptionBoxText(scrolledDescription(m_host.descriptionBoxText(), m_host.productDescription()));
    if (m_host.currentTable().isEmpty()) m_host.setCurrentTable(QStringLiteral("jszx"));
}

}  // namespace kelvor
