#include "app_fixture.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTest>


namespace kirvolt::testing {

AppFixture::AppFixture()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Nodewerks"));
    QCoreApplication::setApplicationName(QStringLiteral("Kirvolt"));
    QSettings().clear();
    app = std::make_unique<CKirvoltApp>();
    EXPECT_TRUE(app->InitInstance({QStringLiteral("kirvolt")}));
    frame().show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame()));
}

AppFixture::~AppFixture()
{
    for (OpenCircuit* circuit : frame().circuits()) {
        circuit->doc().SetModifiedFlag(false);
    }
    app.reset();
    settle();
}

QAction& AppFixture::action(int id) const
{
    QAction* found = frame().commandAction(id);
    EXPECT_NE(found, nullptr) << id;
    return *found;
}

void AppFixture::trigger(int id) const
{
    QAction& command = action(id);
    EXPECT_TRUE(command.isEnabled()) << id;
    command.trigger();
}

CKirvoltFrame& AppFixture::activeFrame() const
{
    CKirvoltFrame* active = frame().activeFrame();
    EXPECT_NE(active, nullptr);
    return *active;
}

CKirvoltDoc& AppFixture::activeDoc() const
{
    return activeFrame().circuit().doc();
}

void AppFixture::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace kirvolt::testing
