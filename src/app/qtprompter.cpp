#include "qtprompter.h"

#include "console.h"

#include <QInputDialog>
#include <QMessageBox>

namespace kelvor {

QtPrompter::QtPrompter(Mode mode) : m_mode(mode) {}

QtPrompter::Mode QtPrompter::modeFromEnvironment()
{
    return qEnvironmentVariableIntValue("KELVOR_UNATTENDED") == 1 ? Mode::Unattended : Mode::Interactive;
}

void QtPrompter::message(const QString& text)
{
    if (m_mode == Mode::Unattended) {
        printToStderr(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, m_parent);
    box.exec();
}

bool QtPrompter::confirm(const QString& text)
{
    if (m_mode == Mode::Unattended) {
        printToStderr(text);
        return false;
    }
    QMessageBox box(QMessageBox::Question, QString(), text, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtPrompter::input(const QString& prompt, const QString& initial, const QString& title)
{
    if (m_mode == Mode::Unattended) {
        printToStderr(prompt);
        return std::nullopt;
    }
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(title.isEmpty() ? QString::fromUtf8(kInputTitle) : title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

}  // namespace kelvor
