#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>

class QBoxLayout;
class QPushButton;

namespace kelvor {

// The six document buttons beside the document (Command6(0) … Command6(5)).
// Each button carries a text of its own (its tag) that the record opener
// fills from the opened record. Buttons 1–5 start disabled.
class SidePanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kButtonCount = 6;

    explicit SidePanel(QWidget* parent = nullptr);

    QPushButton* button(int index) const;
    void setCaption(int index, const QString& caption);
    void setButtonEnabled(int index, bool enabled);
    bool isButtonEnabled(int index) const;
    QString tag(int index) const;
    void setTag(int index, const QString& tag);
    void setOrientation(Qt::Orientation orientation);

signals:
    void clicked(int index);

private:
    static bool isIndex(int index) { return index >= 0 && index < kButtonCount; }

    std::array<QPushButton*, kButtonCount> m_buttons{};
    QStringList m_tags;
    QBoxLayout* m_layout = nullptr;
};

}  // namespace kelvor
