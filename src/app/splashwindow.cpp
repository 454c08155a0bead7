#include "splashwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kelvor {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen)
{
    setObjectName(QStringLiteral("splash"));
    setWindowTitle(QStringLiteral("澄溪宸笺"));

    auto* label = new QLabel(QStringLiteral("正在导入数据"), this);
    label->setObjectName(QStringLiteral("splashLabel"));
    label->setAlignment(Qt::AlignCenter);

    m_progress = new QLineEdit(this);
    m_progress->setObjectName(QStringLiteral("progressText"));
    m_progress->setReadOnly(true);
    m_progress->setFocusPolicy(Qt::NoFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(label);
    layout->addWidget(m_progress);
    setFixedSize(320, 110);
}

QString SplashWindow::progressText() const { return m_progress->text(); }

void SplashWindow::setProgressText(const QString& text) { m_progress->setText(text); }

}  // namespace kelvor
