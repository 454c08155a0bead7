#pragma once

#include "library/schema.h"

#include <map>
#include <vector>

namespace kelvor::authoring {

// Hands out record codes for one centre: level 1 is the centre prefix + two
// digits (from 11, so the learning courses start at 20510111), each deeper
// level the parent's code + four digits. Records come back in code order.
class CatalogueBuilder {
public:
    explicit CatalogueBuilder(QString prefix);

    // `parent` empty means the centre itself (a level-1 entry).
    QString addFolder(const QString& parent, const QString& name);
    // Gives `record` the next code under `parent`, stores it and returns the code.
    QString addDocument(const QString& parent, CentreRecord record);
    // The code the next child of `parent` will get.
    QString nextCode(const QString& parent) const;

    std::vector<CentreRecord> records() const;
    const QString& prefix() const { return m_prefix; }

private:
    QString take(const QString& parent);

    QString m_prefix;
    std::map<QString, int> m_lastChild;
    std::map<QString, CentreRecord> m_records;
};

}  // namespace kelvor::authoring
