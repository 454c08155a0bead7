#pragma once

#include <QWidget>

class QLineEdit;

namespace kelvor {

// The small window shown while the library is opened and the main window is
// built. It only displays; StartupController drives it.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    QString progressText() const;

public slots:
    void setProgressText(const QString& text);

private:
    QLineEdit* m_progress = nullptr;
};

}  // namespace kelvor
