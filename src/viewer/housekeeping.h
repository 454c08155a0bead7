#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace kelvor {

// The main-window state the housekeeping tick looks after.
class HousekeepingHost {
public:
    virtual ~HousekeepingHost() = default;
    // The product description box (Text2) and the full description it scrolls through.
    virtual QString descriptionBoxText() const = 0;
    virtual void setDescriptionBoxText(const QString& text) = 0;
    virtual QString productDescription() const = 0;
    virtual QString currentTable() const = 0;
    virtual void setCurrentTable(const QString& table) = 0;
};

// The next text of the description box: one character less while it has 5
// or more, else the whole description again.
QString scrolledDescription(const QString& boxText, const QString& description);

// Reacts to a completed load of the document view and runs the housekeeping
// tick on `tick` (the window's 300 ms Timer4) from the first completed load
// until the end.
class Housekeeping : public QObject {
    Q_OBJECT
public:
    Housekeeping(HousekeepingHost& host, QTimer& tick, QObject* parent = nullptr);

    // The document view finished a load: start the tick (it is never stopped).
    void documentComplete();
    void tick();

private:
    HousekeepingHost& m_host;
    QTimer& m_timer;
};

}  // namespace kelvor
