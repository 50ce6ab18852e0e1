// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target once on each file given (or each file in each folder
// given), without the fuzzing engine: the committed corpus becomes a
// regression test of the ordinary build.

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

int replay(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray bytes = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    int inputs = 0;
    int errors = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(path).isDir()) {
            const QDir dir(path);
            for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
                errors += replay(dir.filePath(name));
                ++inputs;
            }
        } else {
            errors += replay(path);
            ++inputs;
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    return errors == 0 && inputs > 0 ? 0 : 1;
}
