#pragma once

#include <QFrame>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace kelvor {

// The advanced panel `Frame8(0)` of the query panel: the three view option
// groups and the buttons "在结果中查询", "全部数据" and "关闭". Created hidden;
// "高级" opens it. Its buttons are shown and hidden one by one with it.
class AdvancedPanel : public QFrame {
    Q_OBJECT
public:
    explicit AdvancedPanel(QWidget* parent = nullptr);

    QPushButton* inResultsButton() const { return m_inResults; }  // Command13, never enabled
    QPushButton* allDataButton() const { return m_allData; }      // Command18
    QPushButton* closeButton() const { return m_close; }          // Command19

    // "查询结果包含关键字设置": Option1 "显示位置", Option2 "不显示位置".
    QRadioButton* showPositionOption() const { return m_showPosition; }
    QRadioButton* hidePositionOption() const { return m_hidePosition; }
    // "设置范围选择": Option8 captioned with the current centre, Option9 "所有中心".
    QRadioButton* currentCentreOption() const { return m_currentCentre; }
    QRadioButton* allCentresOption() const { return m_allCentres; }
    // "设置查询字段": Option4(0) "标题字段", Option4(1) "所有字段".
    QRadioButton* titleFieldOption() const { return m_titleField; }
    QRadioButton* allFieldsOption() const { return m_allFields; }

private:
    QGroupBox* makeGroup(const QString& objectName, const QString& caption, QRadioButton*& first,
                         const QString& firstName, const QString& firstCaption, QRadioButton*& second,
                         const QString& secondName, const QString& secondCaption);
    QPushButton* makeButton(const QString& objectName, const QString& caption);

    QPushButton* m_inResults = nullptr;
    QPushButton* m_allData = nullptr;
    QPushButton* m_close = nullptr;
    QRadioButton* m_showPosition = nullptr;
    QRadioButton* m_hidePosition = nullptr;
    QRadioButton* m_currentCentre = nullptr;
    QRadioButton* m_allCentres = nullptr;
    QRadioButton* m_titleField = nullptr;
    QRadioButton* m_allFields = nullptr;
};

}  // namespace kelvor
