#include "recovery_child.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTest>

#include <cstdio>
#include <cstring>

#include "app/kirvolt_app.h"
#include "app/kirvolt_frame.h"
#include "app/main_frame.h"
#include "app/open_circuit.h"
#include "circuit_pointer.h"
#include "editing/command_ids.h"
#include "modal_answerer.h"
#include "view/circuit_view.h"

namespace kirvolt::testing {
namespace {

bool recoveryFileWritten()
{
    const QString root = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
    for (const QString& session : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!QDir(root + QLatin1Char('/') + session).entryList({QStringLiteral("*.kvt")}, QDir::Files).isEmpty()) {
            return true;
        }
    }
    return false;
}

int editUntilKilled(CKirvoltApp& app)
{
    CKirvoltView& view = *app.mainFrame().activeFrame()->circuitView();
    app.mainFrame().commandAction(ID_DRAW_RESISTOR)->trigger();
    const CircuitPointer hand(view);
    hand.click(hand.grid(10, 10));
    QElapsedTimer waited;
    waited.start();
    while (!recoveryFileWritten() && waited.elapsed() < 10000) {
        QTest::qWait(50);
    }
    std::printf(recoveryFileWritten() ? "written\n" : "not written\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

void printOpenCircuits(const CKirvoltApp& app)
{
    for (OpenCircuit* circuit : app.mainFrame().circuits()) {
        std::printf("%s%s:", qPrintable(circuit->title()), circuit->doc().IsModified() ? "*" : "");
        for (const auto& element : circuit->doc().components) {
            if (!element->name.empty()) {
                std::printf(" %s@%d,%d", element->name.c_str(), element->gridPosition.x, element->gridPosition.y);
            }
        }
        std::printf("\n");
        circuit->doc().SetModifiedFlag(false);
    }
}

}  // namespace

int runRecoveryChild(const char* role)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Nodewerks"));
    QCoreApplication::setApplicationName(QStringLiteral("Kirvolt"));
    const bool editing = std::strcmp(role, "edit") == 0;
    ModalAnswerer answerer(std::strcmp(role, "accept") == 0 ? QMessageBox::Yes : QMessageBox::No);
    CKirvoltApp app;
    if (!app.InitInstance({QStringLiteral("kirvolt")})) {
        return 2;
    }
    app.mainFrame().show();
    if (!QTest::qWaitForWindowExposed(&app.mainFrame())) {
        return 2;
    }
    if (editing) {
        return editUntilKilled(app);
    }
    for (const QString& text : answerer.texts) {
        std::printf("asked: %s\n", qPrintable(text));
    }
    printOpenCircuits(app);
    return 0;
}

}  // namespace kirvolt::testing
