#include "app/recovery_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>

#include "app/open_circuit.h"
#include "document/circuit_file.h"

namespace kirvolt {
namespace {

const QString LOCK_NAME = QStringLiteral("session.lock");

// Taken over by a lock file whose process is gone, however recently it was written: only a
// running session keeps its folder.
std::unique_ptr<QLockFile> sessionLockOf(const QString& folder)
{
    auto lock = std::make_unique<QLockFile>(folder + QLatin1Char('/') + LOCK_NAME);
    lock->setStaleLockTime(0);
    return lock;
}

QStringList sourceLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

}  // namespace

void OrphanedSessions::discard()
{
    for (qsizetype i = 0; i < folders.size(); ++i) {
        QDir folder(folders[i]);
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
            if (name != LOCK_NAME) {
                folder.remove(name);
            }
        }
        claims[static_cast<std::size_t>(i)]->unlock();
        QDir().rmdir(folders[i]);
    }
    circuits.clear();
    claims.clear();
    folders.clear();
}

RecoveryStore::RecoveryStore()
    : root(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery"))
{
    session = root + QStringLiteral("/%1-%2")
                         .arg(QCoreApplication::applicationPid())
                         .arg(QDateTime::currentMSecsSinceEpoch());
    QDir().mkpath(session);
    sessionLock = sessionLockOf(session);
    sessionLock->tryLock(0);
    // One thread, so that the writes and removals of a circuit happen in the order asked.
    writer.setMaxThreadCount(1);
}

RecoveryStore::~RecoveryStore()
{
    writer.waitForDone();
    QDir folder(session);
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (name != LOCK_NAME) {
            folder.remove(name);
        }
    }
    sessionLock->unlock();
    QDir().rmdir(session);
}

QString RecoveryStore::circuitFile(int number) const
{
    return session + QStringLiteral("/%1.kvt").arg(number);
}

QString RecoveryStore::sourceFile(int number) const
{
    return session + QStringLiteral("/%1.source").arg(number);
}

void RecoveryStore::watch(OpenCircuit& circuit)
{
    const int number = nextNumber++;
    auto* timer = new QTimer(&circuit);
    timer->setSingleShot(true);
    timer->setInterval(WRITE_DELAY_MS);
    // A change while a write is waiting joins that write, so that editing without pause still
    // reaches the disk every second.
    const auto changed = [timer] {
        if (!timer->isActive()) {
            timer->start();
        }
    };
    connect(&circuit, &OpenCircuit::historyChanged, timer, changed);
    connect(&circuit, &OpenCircuit::viewsUpdated, timer, changed);
    connect(&circuit, &OpenCircuit::savedTo, timer, changed);
    connect(timer, &QTimer::timeout, this, [this, &circuit, number, timer] {
        // An element picked up for moving is out of the list: the write waits until it is back.
        if (circuit.editInProgress()) {
            timer->start();
        } else {
            write(circuit, number);
        }
    });
    connect(&circuit, &QObject::destroyed, this, [this, number] { remove(number); });
}

void RecoveryStore::write(OpenCircuit& circuit, int number)
{
    if (!circuit.doc().IsModified()) {
        remove(number);
        return;
    }
    std::vector<std::uint8_t> bytes = circuitBytes(circuit.doc());
    const QByteArray source = (circuit.pathName() + QLatin1Char('\n') + circuit.title() + QLatin1Char('\n')).toUtf8();
    writer.start([kvt = circuitFile(number), meta = sourceFile(number), bytes = std::move(bytes), source] {
        QSaveFile sourceFile(meta);
        if (sourceFile.open(QIODevice::WriteOnly)) {
            sourceFile.write(source);
            sourceFile.commit();
        }
        writeCircuitBytes(kvt.toStdString(), bytes);
    });
}

void RecoveryStore::remove(int number)
{
    writer.start([kvt = circuitFile(number), meta = sourceFile(number)] {
        QFile::remove(kvt);
        QFile::remove(meta);
    });
}

void RecoveryStore::waitForWrites()
{
    writer.waitForDone();
}

OrphanedSessions RecoveryStore::claimOrphans() const
{
    OrphanedSessions found;
    const QFileInfoList sessions = QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& folder : sessions) {
        const QString path = folder.absoluteFilePath();
        if (path == QFileInfo(session).absoluteFilePath()) {
            continue;
        }
        std::unique_ptr<QLockFile> claim = sessionLockOf(path);
        if (!claim->tryLock(0)) {
            continue;  // still running
        }
        QFileInfoList files = QDir(path).entryInfoList({QStringLiteral("*.kvt")}, QDir::Files);
        std::ranges::sort(files, {}, [](const QFileInfo& file) { return file.completeBaseName().toInt(); });
        for (const QFileInfo& file : files) {
            const QStringList lines = sourceLines(path + QLatin1Char('/') + file.completeBaseName() + QStringLiteral(".source"));
            RecoveredCircuit circuit{file.absoluteFilePath(), lines.value(0), lines.value(1)};
            if (circuit.title.isEmpty()) {
                circuit.title = circuit.savedPath.isEmpty() ? tr("Unsaved circuit") : QFileInfo(circuit.savedPath).fileName();
            }
            found.circuits.push_back(circuit);
        }
        found.claims.push_back(std::move(claim));
        found.folders.append(path);
    }
    return found;
}

}  // namespace kirvolt
