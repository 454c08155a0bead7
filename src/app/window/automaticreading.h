#pragma once

#include <QObject>

#include <functional>

class QPushButton;
class QTimer;

namespace kelvor {

class CatalogueSelection;
class DocumentView;
class WindowSession;
enum class ReadingMode;

// Automatic scrolling ("自动滚动阅读", `Check6`) and automatic execution
// (`Command91` "自动执行"/"停止运行") on the reading timer `Timer2`. The
// reading mode says which of the two a tick does: 0 scrolls the page, 1 steps
// through the catalogue opening one record after another.
class AutomaticReading : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QTimer* timer = nullptr;
        std::function<bool()> scrollOptionOn;  // Check6 "自动滚动阅读"
        QPushButton* runButton = nullptr;   // Command91
        DocumentView* documentView = nullptr;
        CatalogueSelection* catalogue = nullptr;
        WindowSession* session = nullptr;  // holds the window's reading mode
        std::function<void(const QString&)> open;
    };

    explicit AutomaticReading(Parts parts, QObject* parent = nullptr);

    // The option was switched on or off.
    void scrollOptionChanged(bool on);
    // "自动执行" / "停止运行".
    void runClicked();
    void tick();
    // A click on a catalogue node starts scrolling the new page from its top.
    void nodeClicked();

    int scrollPosition() const { return m_position; }

    static QString runCaption();   // "自动执行"
    static QString stopCaption();  // "停止运行"

signals:
    void ticked();

private:
    void setMode(ReadingMode mode);
    void showRunCaption(const QString& caption);
    Parts m_parts;
    int m_position = 0;
};

}  // namespace kelvor
