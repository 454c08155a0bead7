#pragma once

#include <QString>

#include <optional>

namespace kelvor {

// The three view options of the advanced panel. The letters are the
// settings' values as the rest of the window reads them.
enum class SearchRange { CurrentCentre, AllCentres };  // "s": `Option8`, "a": "所有中心"
enum class RecordPosition { Shown, Hidden };           // "v": "显示位置", "n": "不显示位置"
enum class SearchField { Title, AllFields };           // "m": "标题字段", "a": "所有字段"

QString settingLetter(SearchRange range);
QString settingLetter(RecordPosition position);
QString settingLetter(SearchField field);

// Which option button of each group is selected; the defaults are the
// selection the panel starts with.
struct ViewSelection {
    SearchRange range = SearchRange::AllCentres;
    RecordPosition position = RecordPosition::Shown;
    SearchField field = SearchField::AllFields;
    bool operator==(const ViewSelection&) const = default;
};

// The view settings file `rcontrolmt.ini`: three lines, each a number and
// CR LF. Line 1 range (0 current centre, 1 all centres), line 2 position
// (0 shown, 1 hidden), line 3 field (0 title, 1 all fields); any other value,
// an empty or a missing line selects current centre, hidden, all fields.
class ViewSettingsFile {
public:
    explicit ViewSettingsFile(QString path) : m_path(std::move(path)) {}

    // The per-user configuration folder: the choices are the user's view
    // preferences, not library content, and the library folder may be
    // read-only (installed in a system folder, on shared or removable media)
    // and shared by several users, where every click would fail to write.
    static QString defaultPath();

    const QString& path() const { return m_path; }

    // The selection the file holds; nothing when it cannot be read, so the
    // panel keeps its starting selection.
    std::optional<ViewSelection> read() const;

    // Writes `value` as line `line` (0, 1, 2 for lines 1–3) and keeps the
    // other two lines as they are; lines after the third are dropped, an
    // unreadable file counts as three empty lines. False when the line is out
    // of range or the file could not be written (the old one is then kept).
    bool writeLine(int line, qint16 value) const;

    // One option click each: its line and value.
    bool store(SearchRange range) const;
    bool store(RecordPosition position) const;
    bool store(SearchField field) const;

private:
    QString m_path;
};

}  // namespace kelvor
