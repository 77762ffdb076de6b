// Runs a fuzz target's function over kept inputs: every file in the folders and files given.
// A crash or a failed property ends the run, as it would under the fuzzer.
#include <QDir>
#include <QDirIterator>
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
        return 0;
    }
    const QByteArray bytes = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                           size_t(bytes.size()));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    int inputs = 0;
    int unread = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        if (!QFileInfo(path).isDir()) {
            inputs += replay(path);
            continue;
        }
        QDirIterator files(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const int read = replay(files.next());
            inputs += read;
            unread += 1 - read;
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    return inputs > 0 && unread == 0 ? 0 : 1;
}
