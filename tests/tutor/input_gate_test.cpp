#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "tutor/input_gate.h"

namespace kirvolt {

// A main window with a button of its own and a drawing (the open widget), and a step window
// without modality; keys reach the step window only, the pointer the drawing too.
class InputGateTest : public QObject {
    Q_OBJECT

private slots:
    void onlyTheStepAndTheDrawingTakeInputWhileItLives();
};

void InputGateTest::onlyTheStepAndTheDrawingTakeInputWhileItLives()
{
    QWidget main;
    auto* command = new QPushButton(QStringLiteral("Command"), &main);
    auto* drawing = new QPushButton(QStringLiteral("Drawing"), &main);
    auto* layout = new QVBoxLayout(&main);
    layout->addWidget(command);
    layout->addWidget(drawing);
    QDialog step(&main);
    auto* answer = new QPushButton(QStringLiteral("Next"), &step);
    (new QVBoxLayout(&step))->addWidget(answer);
    main.show();
    step.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));

    int commands = 0;
    int drawn = 0;
    int answered = 0;
    connect(command, &QPushButton::clicked, [&commands] { ++commands; });
    connect(drawing, &QPushButton::clicked, [&drawn] { ++drawn; });
    connect(answer, &QPushButton::clicked, [&answered] { ++answered; });
    {
        const InputGate gate({&step, drawing});
        QTest::mouseClick(command, Qt::LeftButton);
        QTest::mouseClick(drawing, Qt::LeftButton);
        QTest::mouseClick(answer, Qt::LeftButton);
        QTest::keyClick(command, Qt::Key_Space);
        QTest::keyClick(drawing, Qt::Key_Space);
        step.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&step));
        answer->setFocus();
        QTest::keyClick(answer, Qt::Key_Space);
        // A message that comes up meanwhile can still be answered.
        QDialog message(&main);
        message.setModal(true);
        auto* ok = new QPushButton(QStringLiteral("OK"), &message);
        connect(ok, &QPushButton::clicked, &message, &QDialog::accept);
        message.show();
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!message.isVisible());
        main.close();
        QCOMPARE(commands, 0);
        QCOMPARE(drawn, 1);
        QCOMPARE(answered, 2);
        QVERIFY(main.isVisible());
    }
    QTest::mouseClick(command, Qt::LeftButton);
    QTest::keyClick(command, Qt::Key_Space);
    QCOMPARE(commands, 2);
}

}  // namespace kirvolt

QTEST_MAIN(kirvolt::InputGateTest)
#include "input_gate_test.moc"
