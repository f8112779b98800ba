#include "OperationsSweep.h"

#include <QDirIterator>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Every write the kernel sees below a folder, however the file was opened
// (Qt, the C library, a plain system call): inotify reports a file closed
// after it was opened for writing even when nothing was written to it, and
// anything created, deleted, renamed, truncated or changed in its mode. A
// folder the program would make is reported by its parent's creation event.
class FolderWrites {
public:
    explicit FolderWrites(const QString &root) : root_(root)
    {
        fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (fd_ < 0)
            qFatal("inotify_init1: %s", strerror(errno));
        watch(root);
        QDirIterator folders(root, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
        while (folders.hasNext())
            watch(folders.next());
    }
    ~FolderWrites() { ::close(fd_); }
    FolderWrites(const FolderWrites &) = delete;
    FolderWrites &operator=(const FolderWrites &) = delete;

    // The writes since the last call, each as "path EVENT" relative to the root, in order.
    QStringList take()
    {
        QStringList writes;
        alignas(inotify_event) char buffer[64 * (sizeof(inotify_event) + NAME_MAX + 1)];
        for (;;) {
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && errno == EAGAIN)
                return writes;
            if (n <= 0)
                qFatal("reading inotify events: %s", strerror(errno));
            for (ssize_t at = 0; at < n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                if (event->mask & IN_Q_OVERFLOW)
                    qFatal("inotify queue overflow: writes were missed");
                if (!(event->mask & IN_IGNORED)) {
                    QString name = folders_.at(event->wd);
                    if (event->len > 0)
                        name += QLatin1Char('/') + QString::fromLocal8Bit(event->name);
                    writes += name.mid(root_.size() + 1) + QLatin1Char(' ') + eventName(event->mask);
                }
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
    }

private:
    static constexpr std::uint32_t Writes = IN_CLOSE_WRITE | IN_MODIFY | IN_CREATE | IN_DELETE | IN_MOVED_FROM |
                                            IN_MOVED_TO | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;

    void watch(const QString &folder)
    {
        const int wd = inotify_add_watch(fd_, QFile::encodeName(folder).constData(), Writes);
        if (wd < 0)
            qFatal("inotify_add_watch %s: %s", qPrintable(folder), strerror(errno));
        folders_[wd] = folder;
    }
    static QString eventName(std::uint32_t mask)
    {
        static const std::pair<std::uint32_t, const char *> names[] = {
            {IN_CLOSE_WRITE, "closed after writing"}, {IN_MODIFY, "modified"}, {IN_CREATE, "created"},
            {IN_DELETE, "deleted"}, {IN_MOVED_FROM, "moved away"}, {IN_MOVED_TO, "moved in"},
            {IN_ATTRIB, "attributes changed"}, {IN_DELETE_SELF, "deleted"}, {IN_MOVE_SELF, "moved"}};
        QStringList found;
        for (const auto &[bit, name] : names)
            if (mask & bit)
                found += QLatin1String(name);
        return found.join(QLatin1Char('+'));
    }

    QString root_;
    int fd_ = -1;
    std::map<int, QString> folders_;
};

// The files below `root` this process holds open for writing; a file never
// closed makes no close event.
QStringList openForWriting(const QString &root)
{
    QStringList files;
    QDirIterator descriptors(QStringLiteral("/proc/self/fd"), QDir::Files | QDir::System);
    while (descriptors.hasNext()) {
        const QFileInfo descriptor(descriptors.next());
        const QString target = descriptor.symLinkTarget();
        if (!target.startsWith(root + QLatin1Char('/')))
            continue;
        QFile info(QStringLiteral("/proc/self/fdinfo/") + descriptor.fileName());
        if (!info.open(QIODevice::ReadOnly))
            continue; // closed since it was listed
        for (const QByteArray &line : info.readAll().split('\n'))
            if (line.startsWith("flags:") && (line.mid(6).trimmed().toInt(nullptr, 8) & O_ACCMODE) != O_RDONLY)
                files += target;
    }
    return files;
}

// The writes that are allowed: the working file, made and written over.
QStringList outsideTheWorkingFile(const QStringList &writes)
{
    QStringList others;
    for (const QString &write : writes)
        if (write != QLatin1String("origine2.txt created") && write != QLatin1String("origine2.txt modified") &&
            write != QLatin1String("origine2.txt closed after writing"))
            others += write;
    return others;
}

} // namespace

// The program writes nothing in its folder but its working file, on sound
// files and on bad ones, through every operation.
class ProgramFolderWritesTest : public OperationsTest {
    Q_OBJECT

private slots:
    void init() { writeFolderWithoutProgram(); }
    void cleanup() { program.reset(); }

    void nothingButTheWorkingFileIsOpenedForWriting()
    {
        // Each step turns the test folder's files into the next kind of bad input, then runs
        // the program on them from its start to its end.
        const QList<std::pair<const char *, std::function<void()>>> inputs = {
            {"sound files", [] {}},
            {"binary dictionaries", [this] {
                 for (const char *file : {"dizionari/italiano_inglese.txt", "dizionari/inglese_italiano.txt"})
                     writeFile(path(file), binaryBytes(1 << 14, 11));
             }},
            {"LF-only catalogue", [this] { writeFile(path("tutti_i_dizionari.txt"), std::string("a.txt\nb.txt\n")); }},
            {"folders for files", [this] {
                 for (const char *file : {"tutti_i_dizionari.txt", "dizionari/italiano_inglese.txt"}) {
                     QVERIFY(QFile::remove(path(file)));
                     QVERIFY(QDir(path({})).mkdir(file));
                 }
             }},
            {"no dictionary folder", [this] { QVERIFY(QDir(path("dizionari")).removeRecursively()); }},
        };
        bool wroteTheWorkingFile = false;
        for (const auto &[name, makeBad] : inputs) {
            makeBad();
            FolderWrites writes(folder->path());
            messageBoxesShownBy([this] {
                startProgram();
                showWindow();
            });
            runEveryOperation();
            if (selector()->findText(QStringLiteral("italiano_inglese.txt")) >= 0)
                pick(QStringLiteral("italiano_inglese.txt"));
            program.reset();
            QCOMPARE(openForWriting(folder->path()), QStringList());
            const QStringList seen = writes.take();
            QVERIFY2(outsideTheWorkingFile(seen).isEmpty(),
                     qPrintable(QLatin1String(name) + QLatin1String(": ") + outsideTheWorkingFile(seen).join(", ")));
            wroteTheWorkingFile = wroteTheWorkingFile || seen.contains(QLatin1String("origine2.txt closed after writing"));
        }
        // The watch sees what it must: the text operations wrote the working file.
        QVERIFY(wroteTheWorkingFile);
    }
};

QTEST_MAIN(ProgramFolderWritesTest)
#include "ProgramFolderWritesTest.moc"
