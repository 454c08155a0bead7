#pragma once

#include "highlightoptions.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QRadioButton;

namespace kelvor {

class ClickLabel;

// The strip under the working frame: the product description `Text2` and
// the highlight option pair `check1(0)`/`check1(1)` with their captions
// `Label26` and the click areas `Label25` laid over option and caption.
class StatusStrip : public QWidget {
    Q_OBJECT
public:
    StatusStrip(HighlightOptions& options, QWidget* parent = nullptr);

    QLineEdit* descriptionBox() const { return m_description; }
    // The product description `Text2` shows and scrolls through.
    QString descriptionText() const;
    void setDescriptionText(const QString& text);
    QRadioButton* option(int index) const { return m_options[size_t(index)]; }
    ClickLabel* clickArea(int index) const { return m_clickAreas[size_t(index)]; }

    // Shows the options as the highlight option state has them.
    void showOptions();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeControls();

    HighlightOptions& m_state;
    QLineEdit* m_description = nullptr;
    std::array<QRadioButton*, 2> m_options{};
    std::array<QWidget*, 2> m_captions{};
    std::array<ClickLabel*, 2> m_clickAreas{};
};

}  // namespace kelvor
