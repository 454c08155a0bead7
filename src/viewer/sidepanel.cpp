#include "sidepanel.h"

#include <QBoxLayout>
#include <QPushButton>

namespace kelvor {

namespace {

const std::array<const char*, SidePanel::kButtonCount> kDefaultCaptions = {
    "显示文档", "显示文档中的源代码", "打开源代码文件夹", "观看学习视频", "边看边听", "学习论坛",
};

}  // namespace

SidePanel::SidePanel(QWidget* parent) : QWidget(parent), m_layout(new QBoxLayout(QBoxLayout::TopToBottom, this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < kButtonCount; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(kDefaultCaptions[i]), this);
        b->setObjectName(QStringLiteral("Command6(%1)").arg(i));
        b->setEnabled(i == 0);
        connect(b, &QPushButton::clicked, this, [this, i] { emit clicked(i); });
        m_layout->addWidget(b);
        m_buttons[i] = b;
        m_tags << QString();
    }
    m_layout->addStretch();
}

QPushButton* SidePanel::button(int index) const { return isIndex(index) ? m_buttons[index] : nullptr; }

void SidePanel::setCaption(int index, const QString& caption)
{
    if (isIndex(index)) m_buttons[index]->setText(caption);
}

void SidePanel::setButtonEnabled(int index, bool enabled)
{
    if (isIndex(index)) m_buttons[index]->setEnabled(enabled);
}

bool SidePanel::isButtonEnabled(int index) const { return isIndex(index) && m_buttons[index]->isEnabled(); }

QString SidePanel::tag(int index) const { return isIndex(index) ? m_tags[index] : QString(); }

void SidePanel::setTag(int index, const QString& tag)
{
    if (isIndex(index)) m_tags[index] = tag;
}

void SidePanel::setOrientation(Qt::Orientation orientation)
{
    m_layout->setDirection(orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
}

}  // namespace kelvor
