#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <memory>
#include <vector>

namespace kirvolt {

class OpenCircuit;

// A circuit that a session left behind with unsaved changes.
struct RecoveredCircuit {
    QString circuitFile;  // the circuit as it was, in circuit-file bytes
    QString savedPath;    // where the user had saved it, empty when never saved
    QString title;
};

// The recovery files of sessions that ended without closing their circuits. While an object
// lives, the sessions are claimed: no other Kirvolt starting now offers them too.
class OrphanedSessions {
public:
    std::vector<RecoveredCircuit> circuits;

    // Removes the sessions' files: what was reopened is kept by this session from now on.
    void discard();

private:
    friend class RecoveryStore;
    std::vector<std::unique_ptr<QLockFile>> claims;
    QStringList folders;
};

// Keeps every modified circuit written to a recovery file in the per-user data folder, so
// that a crash or a killed program loses no work: about a second after a change, from a copy
// of the circuit's bytes taken on the GUI thread, by a writer thread of its own, atomically as
// saves are. A circuit that is saved, or closed, loses its recovery file; a session that ends
// cleanly removes its folder. Each session holds a lock file, so that the folders of sessions
// still running are told from those of sessions that died.
class RecoveryStore : public QObject {
    Q_OBJECT

public:
    RecoveryStore();
    ~RecoveryStore() override;

    // Writes the circuit from now on whenever it changes while modified.
    void watch(OpenCircuit& circuit);

    // Claims what dead sessions left behind.
    OrphanedSessions claimOrphans() const;

    // Blocks until every write and removal asked for so far is done.
    void waitForWrites();

    // How long after a change its circuit is written.
    static constexpr int WRITE_DELAY_MS = 1000;

private:
    void scheduleWrite(OpenCircuit& circuit, int number);
    void write(OpenCircuit& circuit, int number);
    void remove(int number);
    QString circuitFile(int number) const;
    QString sourceFile(int number) const;

    QString root;
    QString session;
    std::unique_ptr<QLockFile> sessionLock;
    QThreadPool writer;
    int nextNumber = 1;
};

}  // namespace kirvolt
