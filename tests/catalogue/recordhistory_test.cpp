#include "catalogue/recordhistory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace kelvor {
namespace {

// A history script: "A" opens record A, "<" is back, ">" is forward, "[" and
// "]" set and clear the navigation flag, "N×k" opens k records c1…ck.
struct HistoryCase {
    std::string label;
    std::vector<std::string> steps;
    int size;
    int position;
    std::vector<QString> entries;  // indexes 0…size
    std::vector<int> moves;        // entry each back/forward gave, -1 for none
};

void PrintTo(const HistoryCase& c, std::ostream* os) { *os << c.label; }

std::vector<std::string> numbered(int from, int to)
{
    std::vector<std::string> steps;
    for (int i = from; i <= to; ++i) steps.push_back("c" + std::to_string(i));
    return steps;
}

std::vector<QString> numberedEntries(int from, int to)
{
    std::vector<QString> entries;
    for (int i = from; i <= to; ++i) entries.push_back(QStringLiteral("c%1").arg(i));
    return entries;
}

std::vector<int> countdown(int from, int to)
{
    std::vector<int> v;
    for (int i = from; i >= to; --i) v.push_back(i);
    return v;
}

template <typename T>
std::vector<T> join(std::vector<T> a, const std::vector<T>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<HistoryCase> historyCases()
{
    return {
        {"Empty", {}, 0, 0, {u""_s}, {}},
        {"FirstEntryGoesToIndexOne", {"A"}, 1, 0, {u""_s, u"A"_s}, {}},
        {"RepeatedCodeIsStoredAgain", {"A", "A"}, 2, 0, {u""_s, u"A"_s, u"A"_s}, {}},
        {"ThirtyOpeningsLeaveIndexZeroEmpty", numbered(1, 30), 30, 0, join({u""_s}, numberedEntries(1, 30)), {}},
        {"ThirtyFirstShiftsEveryEntryDown", numbered(1, 31), 30, 0, numberedEntries(1, 31), {}},
        {"ThirtySecondDropsTheOldest", numbered(1, 32), 30, 0, numberedEntries(2, 32), {}},
        {"NavigationFlagKeepsTheHistory", {"A", "[", "B", "]", "C"}, 2, 0, {u""_s, u"A"_s, u"C"_s}, {}},
        {"BackWalksDownToEmptyEntryZeroThenWraps",
         {"A", "B", "C", "<", "<", "<", "<"}, 3, 2, {u""_s, u"A"_s, u"B"_s, u"C"_s}, {2, 1, 0, 2}},
        {"BackWithOneEntryDoesNothing", {"A", "<"}, 1, 0, {u""_s, u"A"_s}, {-1}},
        {"ForwardAtStartDoesNothing", {"A", "B", ">"}, 2, 0, {u""_s, u"A"_s, u"B"_s}, {-1}},
        {"ForwardStopsAtTheNewest", {"A", "B", "C", "<", "<", ">", ">", ">"}, 3, 3, {u""_s, u"A"_s, u"B"_s, u"C"_s},
         {2, 1, 2, 3, -1}},
        {"OpeningAfterBackAppendsAndKeepsThePosition",
         {"A", "B", "C", "<", "D", "<"}, 4, 1, {u""_s, u"A"_s, u"B"_s, u"C"_s, u"D"_s}, {2, 1}},
        {"BackAfterOverflowStartsBelowTheNewest",
         join(numbered(1, 31), {"<", "<"}), 30, 28, numberedEntries(1, 31), {29, 28}},
        {"BackAfterOverflowOpensTheNowFilledEntryZero",
         join(numbered(1, 31), std::vector<std::string>(30, "<")), 30, 0, numberedEntries(1, 31), countdown(29, 0)},
    };
}

class RecordHistoryTable : public testing::TestWithParam<HistoryCase> {};

TEST_P(RecordHistoryTable, FollowsTheScript)
{
    const HistoryCase& c = GetParam();
    RecordHistory history;
    std::vector<int> moves;
    for (const std::string& step : c.steps) {
        if (step == "<") {
            moves.push_back(history.stepBack().value_or(-1));
        } else if (step == ">") {
            moves.push_back(history.stepForward().value_or(-1));
        } else if (step == "[") {
            history.setNavigating(true);
        } else if (step == "]") {
            history.setNavigating(false);
        } else {
            const QString code = QString::fromStdString(step);
            history.add(code, QStringLiteral("title of ") + code);
        }
    }
    EXPECT_EQ(history.size(), c.size);
    EXPECT_EQ(history.position(), c.position);
    EXPECT_EQ(moves, c.moves);
    for (int i = 0; i <= RecordHistory::kLastIndex; ++i) {
        const QString want = size_t(i) < c.entries.size() ? c.entries[size_t(i)] : QString();
        EXPECT_EQ(history.code(i), want) << "entry " << i;
        EXPECT_EQ(history.title(i), want.isEmpty() ? QString() : QStringLiteral("title of ") + want) << "entry " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, RecordHistoryTable, testing::ValuesIn(historyCases()),
                         [](const auto& info) { return info.param.label; });

TEST(RecordHistory, NoEmptyEntryBetweenFilledOnesAtAnyPoint)
{
    RecordHistory history;
    for (int i = 1; i <= 40; ++i) {
        history.add(QStringLiteral("c%1").arg(i), {});
        const int first = i > 30 ? 0 : 1;
        for (int e = first; e <= history.size(); ++e) EXPECT_FALSE(history.code(e).isEmpty()) << i << ":" << e;
        EXPECT_EQ(history.code(history.size()), QStringLiteral("c%1").arg(i));
    }
}

TEST(RecordHistory, OutOfRangeEntriesReadEmpty)
{
    RecordHistory history;
    history.add(u"A"_s, u"a"_s);
    EXPECT_EQ(history.code(-1), QString());
    EXPECT_EQ(history.code(31), QString());
    EXPECT_EQ(history.title(31), QString());
}

}  // namespace
}  // namespace kelvor
