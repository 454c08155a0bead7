#include "console.h"

#include <cstdio>

namespace kelvor {

namespace {
void printLine(std::FILE* stream, const QString& line)
{
    QByteArray bytes = line.toUtf8();
    if (!bytes.endsWith('\n')) bytes.append('\n');
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}
}  // namespace

void printToStderr(const QString& line) { printLine(stderr, line); }
void printToStdout(const QString& line) { printLine(stdout, line); }

}  // namespace kelvor
