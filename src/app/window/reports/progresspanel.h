#pragma once

#include <QFrame>

class QLabel;

namespace kelvor {

// `Frame21`: "请等候,正在查询!!!" with its growing bar `Picture4`. A click or a
// double click on the label or the bar asks to cancel the running query.
class ProgressPanel : public QFrame {
    Q_OBJECT
public:
    explicit ProgressPanel(QWidget* parent);

    // The bar's share of its full width, 0–1.
    void setProgress(double share);
    double progress() const { return m_share; }

signals:
    void cancelRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeBar();

    QLabel* m_label;
    QFrame* m_bar;
    double m_share = 0;
};

}  // namespace kelvor
