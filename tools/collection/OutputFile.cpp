#include "OutputFile.h"

#include "BuildError.h"
#include "FileKind.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <mutex>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvanel::collection {

namespace {

// Recognisable, so a build removes only what one of its kind left behind.
constexpr QStringView kMarker = u".corvanel-incompleto-";
constexpr qsizetype kSuffixLength = 6;
constexpr QStringView kSuffixLetters =
    u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// Removal on a signal. Ordinary code fills and empties the slots under the
// mutex; the handler only reads armed slots and calls unlink, sigaction and
// raise, which are async-signal-safe.
enum SlotState : int { Free, Filling, Armed };
static_assert(std::atomic<int>::is_always_lock_free);

struct TemporarySlot {
    std::atomic<int> state{Free};
    char path[PATH_MAX]{};
};

constexpr std::array kSignals{SIGINT, SIGTERM, SIGHUP};
std::array<TemporarySlot, 8> temporarySlots;
std::array<struct sigaction, kSignals.size()> previousActions{};
std::array<bool, kSignals.size()> handled{};
std::mutex slotsMutex;
int armedSlots = 0;

extern "C" void removeTemporariesAndResignal(int signal) {
    const int savedErrno = errno;
    for (TemporarySlot& slot : temporarySlots) {
        if (slot.state.load() == Armed) {
            ::unlink(slot.path);
        }
    }
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        if (kSignals[i] == signal) {
            ::sigaction(signal, &previousActions[i], nullptr);
        }
    }
    errno = savedErrno;
    // Ends the process as the signal would have, or runs the handler that
    // was there before.
    ::raise(signal);
}

void installHandlers() {
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        struct sigaction current {};
        ::sigaction(kSignals[i], nullptr, &current);
        // An ignored signal stays ignored (nohup, background jobs).
        handled[i] = (current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_IGN;
        if (handled[i]) {
            struct sigaction ours {};
            ours.sa_handler = removeTemporariesAndResignal;
            sigemptyset(&ours.sa_mask);
            ours.sa_flags = SA_RESTART;
            ::sigaction(kSignals[i], &ours, &previousActions[i]);
        }
    }
}

void restoreHandlers() {
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        struct sigaction current {};
        ::sigaction(kSignals[i], nullptr, &current);
        if (handled[i] && (current.sa_flags & SA_SIGINFO) == 0 &&
            current.sa_handler == removeTemporariesAndResignal) {
            ::sigaction(kSignals[i], &previousActions[i], nullptr);
        }
    }
}

// The slot now watching path, or -1 when none is free: the file is then
// left to the next build to remove.
int arm(const QByteArray& path) {
    if (path.size() >= PATH_MAX) {
        return -1;
    }
    const std::lock_guard lock(slotsMutex);
    for (std::size_t i = 0; i < temporarySlots.size(); ++i) {
        if (temporarySlots[i].state.load() != Free) {
            continue;
        }
        if (armedSlots++ == 0) {
            installHandlers();
        }
        temporarySlots[i].state.store(Filling);
        std::memcpy(temporarySlots[i].path, path.constData(),
                    static_cast<std::size_t>(path.size()) + 1);
        temporarySlots[i].state.store(Armed);
        return static_cast<int>(i);
    }
    return -1;
}

void disarm(int slot) {
    if (slot < 0) {
        return;
    }
    const std::lock_guard lock(slotsMutex);
    temporarySlots[static_cast<std::size_t>(slot)].state.store(Free);
    if (--armedSlots == 0) {
        restoreHandlers();
    }
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A live build holds a lock on its temporary file; the kernel drops it
// when the build dies, however it dies.
void removeIfAbandoned(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int descriptor =
        ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (descriptor < 0) {
        return;
    }
    struct stat opened {};
    struct stat named {};
    if (::fstat(descriptor, &opened) == 0 && S_ISREG(opened.st_mode) &&
        ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 && ::lstat(name.constData(), &named) == 0 &&
        sameFile(opened, named)) {
        ::unlink(name.constData());
    }
    ::close(descriptor);
}

void removeAbandonedTemporaries(const QFileInfo& output) {
    const QString prefix = output.fileName() + kMarker;
    const QDir folder = output.absoluteDir();
    const QStringList names =
        folder.entryList({}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        if (name.size() == prefix.size() + kSuffixLength && name.startsWith(prefix) &&
            std::all_of(name.cbegin() + prefix.size(), name.cend(),
                        [](QChar c) { return kSuffixLetters.contains(c); })) {
            removeIfAbandoned(folder.filePath(name));
        }
    }
}

QString randomSuffix() {
    QString suffix;
    for (qsizetype i = 0; i < kSuffixLength; ++i) {
        suffix += kSuffixLetters.at(
            QRandomGenerator::global()->bounded(static_cast<int>(kSuffixLetters.size())));
    }
    return suffix;
}

}  // namespace

void requireReplaceableOutput(const QString& outputPath) {
    const FileStatus status = fileStatus(outputPath, Links::DoNotFollow);
    if (status.kind == FileKind::Missing || status.kind == FileKind::RegularFile) {
        return;
    }
    throw BuildError(QStringLiteral("a saída \"%1\" %2; --out deve ser um arquivo comum ou um "
                                    "caminho que ainda não existe")
                         .arg(QDir::toNativeSeparators(outputPath), notARegularFile(status)));
}

void requireOutputApartFromInputs(const QString& outputPath, const QString& cataloguePath,
                                  const QString& contentDir) {
    struct stat output {};
    if (::stat(QFile::encodeName(outputPath).constData(), &output) != 0) {
        return;  // nothing there yet that could be an input
    }
    const auto isOutput = [&output](const QString& path) {
        struct stat input {};
        return ::stat(QFile::encodeName(path).constData(), &input) == 0 && sameFile(input, output);
    };
    if (isOutput(cataloguePath)) {
        throw BuildError(QStringLiteral("a saída \"%1\" é o próprio catálogo \"%2\"")
                             .arg(QDir::toNativeSeparators(outputPath),
                                  QDir::toNativeSeparators(cataloguePath)));
    }
    const QDir pages(QDir(contentDir).filePath(QStringLiteral("textos")));
    for (const QString& name : pages.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (isOutput(pages.filePath(name))) {
            throw BuildError(QStringLiteral("a saída \"%1\" é a página \"%2\" do conteúdo")
                                 .arg(QDir::toNativeSeparators(outputPath),
                                      QDir::toNativeSeparators(pages.filePath(name))));
        }
    }
}

OutputFile::OutputFile(const QString& outputPath)
    : shownPath_(QDir::toNativeSeparators(outputPath)),
      outputPath_(QFileInfo(outputPath).absoluteFilePath()) {
    requireReplaceableOutput(outputPath);
    const QFileInfo output(outputPath_);
    if (output.fileName().isEmpty()) {
        throw BuildError(QStringLiteral("a saída \"%1\" não é um nome de arquivo").arg(shownPath_));
    }
    if (!QDir().mkpath(output.absolutePath())) {
        throw BuildError(QStringLiteral("não foi possível criar a pasta \"%1\"")
                             .arg(QDir::toNativeSeparators(output.absolutePath())));
    }
    removeAbandonedTemporaries(output);
    // Beside the output, so the final rename stays on one file system.
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && lock_ < 0; ++attempt) {
        const QString candidate = outputPath_ + kMarker + randomSuffix();
        const QByteArray name = QFile::encodeName(candidate);
        const int descriptor =
            ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (descriptor < 0) {
            error = errno;
            if (error == EEXIST) {
                continue;
            }
            break;
        }
        // Failing here means another build took it for abandoned in the
        // instant before the lock; it is removing it.
        if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            ::close(descriptor);
            continue;
        }
        // A database is readable by all, whatever the umask.
        ::fchmod(descriptor, 0644);
        lock_ = descriptor;
        temporaryPath_ = candidate;
        signalSlot_ = arm(name);
    }
    if (lock_ < 0) {
        throw BuildError(
            QStringLiteral("não foi possível criar um arquivo temporário em \"%1\": %2")
                .arg(QDir::toNativeSeparators(output.absolutePath()), systemErrorText(error)));
    }
}

OutputFile::~OutputFile() {
    if (!temporaryPath_.isEmpty()) {
        ::unlink(QFile::encodeName(temporaryPath_).constData());
    }
    release();
}

void OutputFile::replaceOutput() {
    if (temporaryPath_.isEmpty()) {
        throw BuildError(QStringLiteral("a saída \"%1\" já foi gravada").arg(shownPath_));
    }
    // The output may have become something else while the build ran.
    requireReplaceableOutput(outputPath_);
    if (::rename(QFile::encodeName(temporaryPath_).constData(),
                 QFile::encodeName(outputPath_).constData()) != 0) {
        const int error = errno;
        throw BuildError(QStringLiteral("não foi possível gravar \"%1\": %2")
                             .arg(shownPath_, systemErrorText(error)));
    }
    temporaryPath_.clear();
    release();
}

void OutputFile::release() {
    disarm(std::exchange(signalSlot_, -1));
    if (lock_ >= 0) {
        ::close(std::exchange(lock_, -1));
    }
}

}  // namespace corvanel::collection
