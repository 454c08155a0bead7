#include "statusstrip.h"

#include "clicklabel.h"
#include "twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace kelvor {

namespace {

// Twips, like every measure of the window.
constexpr int kOptionWidth = 300;
constexpr int kCaptionWidth = 960;
constexpr int kHeight = 360;
constexpr int kGap = 180;
constexpr int kMargin = 120;

QRect pixels(int left, int top, int width, int height)
{
    return TwipsRect{left, top, std::max(0, width), std::max(0, height)}.toPixels();
}

}  // namespace

StatusStrip::StatusStrip(HighlightOptions& options, QWidget* parent) : QWidget(parent), m_state(options)
{
    setObjectName(QStringLiteral("statusStrip"));
    setAccessibleName(QStringLiteral("状态栏"));

    m_description = new QLineEdit(this);
    m_description->setObjectName(QStringLiteral("Text2"));
    m_description->setAccessibleName(QStringLiteral("产品介绍"));
    m_description->setReadOnly(true);
    m_description->setFrame(false);
    m_description->setFocusPolicy(Qt::NoFocus);
    m_description->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; color: #45607a; }"));

    const std::array<const char*, 2> captions = {"快速描红", "逐渐描红"};
    for (int k = 0; k < 2; ++k) {
        auto* option = new QRadioButton(this);
        option->setObjectName(QStringLiteral("check1(%1)").arg(k));
        option->setAccessibleName(QString::fromUtf8(captions[size_t(k)]));
        // The pair's rule lives in HighlightOptions, which also allows neither chosen.
        option->setAutoExclusive(false);
        connect(option, &QRadioButton::clicked, this, [this, k] {
            m_state.optionClicked(k);
            showOptions();
        });
        m_options[size_t(k)] = option;

        auto* caption = new QLabel(QString::fromUtf8(captions[size_t(k)]), this);
        caption->setObjectName(QStringLiteral("Label26(%1)").arg(k));
        caption->setAccessibleName(caption->text());
        m_captions[size_t(k)] = caption;

        auto* area = new ClickLabel(this);
        area->setObjectName(QStringLiteral("Label25(%1)").arg(k));
        area->setAccessibleName(QString::fromUtf8(captions[size_t(k)]));
        area->setToolTip(k == 0 ? QStringLiteral("打开文档时一次标出查询内容") : QStringLiteral("打开文档时逐个标出查询内容"));
        area->setCursor(Qt::PointingHandCursor);
        connect(area, &ClickLabel::clicked, this, [this, k] {
            m_state.clickAreaClicked(k);
            showOptions();
        });
        m_clickAreas[size_t(k)] = area;
    }
    showOptions();
}

void StatusStrip::showOptions()
{
    for (int k = 0; k < 2; ++k) m_options[size_t(k)]->setChecked(m_state.isChosen(k));
}

void StatusStrip::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeControls();
}

void StatusStrip::placeControls()
{
    const int w = twips::fromPixels(width());
    const int y = (twips::fromPixels(height()) - kHeight) / 2;
    const int pairWidth = 2 * (kOptionWidth + kCaptionWidth) + kGap;
    int x = std::max(0, w - pairWidth - kMargin);
    m_description->setGeometry(pixels(kMargin, y, x - 2 * kMargin, kHeight));
    for (int k = 0; k < 2; ++k) {
        m_options[size_t(k)]->setGeometry(pixels(x, y, kOptionWidth, kHeight));
        m_captions[size_t(k)]->setGeometry(pixels(x + kOptionWidth, y, kCaptionWidth, kHeight));
        // The click area covers option and caption and lies on top of both.
        m_clickAreas[size_t(k)]->setGeometry(pixels(x, y, kOptionWidth + kCaptionWidth, kHeight));
        m_clickAreas[size_t(k)]->raise();
        x += kOptionWidth + kCaptionWidth + kGap;
    }
}

QString StatusStrip::descriptionText() const { return m_description->text(); }

void StatusStrip::setDescriptionText(const QString& text) { m_description->setText(text); }

}  // namespace kelvor
