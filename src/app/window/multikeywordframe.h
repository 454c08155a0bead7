#pragma once

#include <QGroupBox>

#include <array>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kelvor {

// The frame " 多关键字查询" of the query centre: three keyword boxes joined by
// two "或" / "与" option pairs, and a button "查询". The frame is offered as
// the query centre shows it; neither the button nor the options act.
class MultiKeywordFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit MultiKeywordFrame(QWidget* parent = nullptr);

    QLineEdit* keywordBox(int index) const { return m_keywords[size_t(index)]; }
    // Pair `pair` (0: between boxes 1 and 2, 1: between boxes 2 and 3); `orOption` picks "或" or "与".
    QRadioButton* joinOption(int pair, bool orOption) const;
    QPushButton* queryButton() const { return m_query; }

private:
    std::array<QLineEdit*, 3> m_keywords{};
    std::array<QRadioButton*, 4> m_joins{};
    QPushButton* m_query = nullptr;
};

}  // namespace kelvor
