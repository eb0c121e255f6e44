#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace kirvolt::testing {

// What the hand does in the tutors' windows: finds a button by its text and clicks it, and
// picks a menu's item on the menu bar with two clicks.

inline QPushButton* buttonNamed(QWidget* window, const QString& text)
{
    for (QPushButton* candidate : window->findChildren<QPushButton*>()) {
        if (candidate->text() == text) {
            return candidate;
        }
    }
    return nullptr;
}

inline void press(QWidget* window, const QString& text)
{
    QPushButton* button = buttonNamed(window, text);
    ASSERT_NE(button, nullptr) << text.toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

inline void clickMenuItem(QMenuBar& bar, const QString& menuTitle, QAction& item)
{
    for (QAction* entry : bar.actions()) {
        if (entry->text().remove(QLatin1Char('&')) == menuTitle) {
            QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.actionGeometry(entry).center());
            QMenu* menu = entry->menu();
            ASSERT_NE(menu, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(&item).center());
            return;
        }
    }
    FAIL() << "no menu " << menuTitle.toStdString();
}

}  // namespace kirvolt::testing
