#include "importdialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace kelvor {

ImportDialog::ImportDialog(QWidget* parent, bool unattended) : m_parent(parent), m_unattended(unattended) {}

std::optional<ImportChoice> ImportDialog::ask(const QStringList& centres)
{
    if (m_unattended) return std::nullopt;
    QDialog dialog(m_parent);
    dialog.setWindowTitle(QStringLiteral("导入文档"));
    auto* form = new QFormLayout(&dialog);

    auto* source = new QLineEdit(&dialog);
    source->setObjectName(QStringLiteral("importSource"));
    source->setPlaceholderText(QStringLiteral("HTML 文档文件夹或 docset"));
    auto* browse = new QPushButton(QStringLiteral("浏览…"), &dialog);
    QObject::connect(browse, &QPushButton::clicked, &dialog, [&dialog, source] {
        const QString folder =
            QFileDialog::getExistingDirectory(&dialog, QStringLiteral("选择要导入的文档文件夹"), source->text());
        if (!folder.isEmpty()) source->setText(folder);
    });
    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(source, 1);
    sourceRow->addWidget(browse);
    form->addRow(QStringLiteral("文档文件夹："), sourceRow);

    auto* centre = new QComboBox(&dialog);
    centre->setObjectName(QStringLiteral("importCentre"));
    centre->addItems(centres);
    form->addRow(QStringLiteral("导入到："), centre);

    auto* title = new QLineEdit(&dialog);
    title->setObjectName(QStringLiteral("importTitle"));
    title->setPlaceholderText(QStringLiteral("留空则用文档自己的名称"));
    form->addRow(QStringLiteral("文件夹名称："), title);

    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* start = buttons->addButton(QStringLiteral("导入"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    start->setEnabled(false);
    QObject::connect(source, &QLineEdit::textChanged, start,
                     [start](const QString& text) { start->setEnabled(!text.trimmed().isEmpty()); });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return ImportChoice{source->text().trimmed(), centre->currentText(), title->text().trimmed()};
}

}  // namespace kelvor
