#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

namespace kelvor::authoring {

// Pictures of the library, drawn in code. They need a QGuiApplication (fonts).

enum class ScreenKind { Login, MainWindow, Dialog, Report };

struct ScreenTheme {
    QString name;     // "商务蓝"
    QColor primary;   // title bar, buttons
    QColor accent;    // highlights
    QColor surface;   // window body
    QColor text;
};

// A mock user-interface screen of the interface centre.
struct InterfaceScreen {
    ScreenKind kind = ScreenKind::Login;
    QString application;  // "图书管理系统"
    QString caption;      // window title
    ScreenTheme theme;
    QStringList items;    // menu entries, table columns, settings or chart categories
    int variant = 0;      // small layout differences between screens of one kind
};

const QList<ScreenTheme>& screenThemes();

QImage drawInterfaceScreen(const InterfaceScreen& screen);
// The picture shown while no document is open.
QImage drawPlaceholder(const QSize& size, const QString& title, const QString& subtitle);

// JPEG bytes at a fixed quality; the same image always gives the same bytes.
QByteArray jpegBytes(const QImage& image);

}  // namespace kelvor::authoring
