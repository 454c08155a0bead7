#include "textrules.h"

#include <QList>

#include <sqlite3.h>
#include <unicode/ucol.h>
#include <unicode/uscript.h>


namespace kelvor::textrules {

namespace {

// One collator for the process: built once, then only read, which ICU allows
// from any thread.
UCollator* pinyinCollator()
{
    static UCollator* collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        UCollator* c = ucol_open("zh@collation=pinyin", &status);
        if (U_FAILURE(status)) {
            status = U_ZERO_ERROR;
            c = ucol_open("", &status);
        }
        // Secondary strength ignores letter case but keeps accents apart.
        ucol_setStrength(c, UCOL_SECONDARY);
        // Latin titles before Chinese ones, as Chinese users' file lists show them.
        const int32_t order[] = {USCRIPT_LATIN, USCRIPT_HAN};
        status = U_ZERO_ERROR;
        ucol_setReorderCodes(c, order, 2, &status);
        return c;
    }();
    return collator;
}

const UChar* uchars(QStringView s) { return reinterpret_cast<const UChar*>(s.utf16()); }

QList<uint> codePoints(QStringView s) { return s.toUcs4(); }

// Wildcard match over code points with one backtrack point per `%`, which
// keeps long titles linear in practice.
bool matchFolded(const QList<uint>& p, const QList<uint>& t, uint escape)
{
    qsizetype pi = 0, ti = 0, starP = -1, starT = 0;
    while (ti < t.size()) {
        if (pi < p.size()) {
            uint pc = p[pi];
            if (escape && pc == escape && pi + 1 < p.size()) {
                if (p[pi + 1] == t[ti]) {
                    pi += 2;
                    ++ti;
                    continue;
                }
            } else if (pc == '%') {
                starP = ++pi;
                starT = ti;
                continue;
            } else if (pc == '_' || pc == t[ti]) {
                ++pi;
                ++ti;
                continue;
            }
        }
        if (starP < 0) return false;
        pi = starP;
        ti = ++starT;
    }
    while (pi < p.size() && p[pi] == '%') ++pi;
    return pi == p.size();
}

QString argText(sqlite3_value* v)
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? QString::fromUtf8(p, sqlite3_value_bytes(v)) : QString();
}

void likeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    QChar escape;
    if (argc == 3) {
        const QString e = argText(argv[2]);
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e.at(0);
    }
    // SQLite calls like(pattern, text).
    sqlite3_result_int(ctx, like(argText(argv[0]), argText(argv[1]), escape) ? 1 : 0);
}

void lenFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_int64(ctx, argText(argv[0]).toUcs4().size());
}

void rightFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QList<uint> cps = argText(argv[0]).toUcs4();
    const qint64 n = qBound<qint64>(0, sqlite3_value_int64(argv[1]), cps.size());
    const QString r = QString::fromUcs4(reinterpret_cast<const char32_t*>(cps.constData() + cps.size() - n), n);
    const QByteArray utf8 = r.toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void foldFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QByteArray utf8 = fold(argText(argv[0])).toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void sortKeyFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QByteArray key = sortKey(argText(argv[0]));
    sqlite3_result_blob(ctx, key.constData(), int(key.size()), SQLITE_TRANSIENT);
}

int collate(void*, int na, const void* a, int nb, const void* b)
{
    const UCollationResult r = ucol_strcoll(pinyinCollator(), static_cast<const UChar*>(a), na / 2,
                                            static_cast<const UChar*>(b), nb / 2);
    return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
}

}  // namespace

QString fold(QStringView text) { return text.toString().toCaseFolded(); }

bool like(QStringView pattern, QStringView text, QChar escape)
{
    return matchFolded(codePoints(fold(pattern)), codePoints(fold(text)),
                       escape.isNull() ? 0u : fold(QString(escape)).at(0).unicode());
}

QString likeLiteral(QStringView text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\' || c == u'%' || c == u'_') escaped += u'\\';
        escaped += c;
    }
    return escaped;
}

int compare(QStringView a, QStringView b)
{
    const UCollationResult r = ucol_strcoll(pinyinCollator(), uchars(a), int32_t(a.size()), uchars(b), int32_t(b.size()));
    return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
}

QByteArray sortKey(QStringView text)
{
    UCollator* c = pinyinCollator();
    QByteArray key(qMax<qsizetype>(64, text.size() * 4 + 16), Qt::Uninitialized);
    int32_t n = ucol_getSortKey(c, uchars(text), int32_t(text.size()), reinterpret_cast<uint8_t*>(key.data()),
                                int32_t(key.size()));
    if (n > key.size()) {
        key.resize(n);
        n = ucol_getSortKey(c, uchars(text), int32_t(text.size()), reinterpret_cast<uint8_t*>(key.data()), n);
    }
    // Drop the terminating zero so keys compare as plain byte strings.
    key.resize(n > 0 ? n - 1 : 0);
    return key;
}

void registerOn(sqlite3* db)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr);
    sqlite3_create_function(db, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr);
    sqlite3_create_function(db, "len", 1, flags, nullptr, lenFunction, nullptr, nullptr);
    sqlite3_create_function(db, "right", 2, flags, nullptr, rightFunction, nullptr, nullptr);
    sqlite3_create_function(db, "fold", 1, flags, nullptr, foldFunction, nullptr, nullptr);
    sqlite3_create_function(db, "pinyin_key", 1, flags, nullptr, sortKeyFunction, nullptr, nullptr);
    sqlite3_create_collation_v2(db, kCollation, SQLITE_UTF16, nullptr, collate, nullptr);
}

}  // namespace kelvor::textrules
