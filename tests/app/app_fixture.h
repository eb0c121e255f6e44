#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QString>
#include <QTemporaryDir>

#include <memory>

#include "app/kirvolt_app.h"
#include "app/kirvolt_frame.h"
#include "app/main_frame.h"
#include "app/open_circuit.h"

namespace kirvolt::testing {

// A started application with its first empty circuit, shown on the offscreen platform, and
// with user settings and the shared display settings as after installation.
class AppFixture : public ::testing::Test {
protected:
    AppFixture();
    ~AppFixture() override;

    CMainFrame& frame() const { return app->mainFrame(); }
    QAction& action(int id) const;
    // Triggers a command as a click on its menu item or button would.
    void trigger(int id) const;
    CKirvoltFrame& activeFrame() const;
    CKirvoltDoc& activeDoc() const;
    // Lets closed windows go, as the event loop would.
    static void settle();
    QString tempPath(const QString& name) const { return temp.filePath(name); }

    std::unique_ptr<CKirvoltApp> app;
    QTemporaryDir temp;
};

}  // namespace kirvolt::testing
