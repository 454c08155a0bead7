#include "housekeeping.h"

namespace kelvor {

namespace {

constexpr int kTickMs = 300;
constexpr qsizetype kShortestScrolledText = 5;

}  // namespace

QString scrolledDescription(const QString& boxText, const QString& description)
{
    if (boxText.size() < kShortestScrolledText) return description;
    // Never leave half of a surrogate pair at the front.
    const qsizetype drop = boxText.at(0).isHighSurrogate() && boxText.at(1).isLowSurrogate() ? 2 : 1;
    return boxText.mid(drop);
}

Housekeeping::Housekeeping(HousekeepingHost& host, QObject* parent) : QObject(parent), m_host(host)
{
    m_timer.setObjectName(QStringLiteral("Timer4"));
    m_timer.setInterval(kTickMs);
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
