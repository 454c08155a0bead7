#include "titlemerge.h"

#include <queue>

namespace kelvor {

namespace {

struct Entry {
    QByteArray key;
    QString name;
    QString code;
    size_t source = 0;
    bool keyIsNull = false, nameIsNull = false, codeIsNull = false;
};

bool before(const Entry& a, const Entry& b)
{
    if (int c = a.key.compare(b.key)) return c < 0;
    if (int c = a.name.compare(b.name)) return c < 0;
    return a.code < b.code;
}

bool readNext(Statement& statement, size_t source, Entry& e)
{
    if (!statement.step()) return false;
    const QVariant key = statement.value(0);
    e.key = key.toByteArray();
    e.keyIsNull = key.isNull();
    e.name = statement.text(1);
    e.nameIsNull = e.name.isEmpty() && statement.value(1).isNull();
    e.code = statement.text(2);
    e.codeIsNull = e.code.isEmpty() && statement.value(2).isNull();
    e.source = source;
    return true;
}

}  // namespace

TitleList mergeOrderedTitles(std::vector<Statement>& sources, const std::function<void()>& tick, size_t limit,
                             std::optional<TitleKey>* last)
{
    auto later = [](const Entry& a, const Entry& b) { return before(b, a); };
    std::priority_queue<Entry, std::vector<Entry>, decltype(later)> heads(later);
    for (size_t i = 0; i < sources.size(); ++i) {
        Entry e;
        if (readNext(sources[i], i, e)) heads.push(std::move(e));
    }

    TitleList list;
    size_t sinceTick = 0;
    while (!heads.empty() && list.size() < limit) {
        Entry e = heads.top();
        heads.pop();
        // Equal rows sort next to each other, so comparing with the last kept one suffices.
        const bool duplicate = !list.names.empty() && list.names.back() == e.name && list.codes.back() == e.code;
        if (!duplicate) {
            list.names.push_back(e.name);
            list.codes.push_back(e.code);
            if (last)
                *last = TitleKey{e.keyIsNull ? QVariant() : QVariant(e.key), e.nameIsNull ? QVariant() : QVariant(e.name),
                                 e.codeIsNull ? QVariant() : QVariant(e.code)};
        }
        Entry next;
        if (readNext(sources[e.source], e.source, next)) heads.push(std::move(next));
        if (tick && ++sinceTick == 4096) {
            sinceTick = 0;
            tick();
        }
    }
    return list;
}

}  // namespace kelvor
