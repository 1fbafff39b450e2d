#pragma once

#include "FakePlatform.h"
#include "app/Program.h"
#include "gui/DrawingWindow.h"
#include "gui/MainWindow.h"

#include <gtest/gtest.h>
#include <memory>

namespace kovex::test {

// A started program with its main window shown.
class ViewTest : public testing::Test {
  protected:
    void SetUp() override {
        fake.dialogs.unqueuedAnswer = true;
        program.start();
        window = std::make_unique<MainWindow>(program);
        window->show();
    }

    template <class T> T* widget(const QString& name) const {
        auto* found = qobject_cast<T*>(window->controlWidget(name));
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    FakePlatform fake;
    Program program{fake.platform()};
    std::unique_ptr<MainWindow> window;
};

} // namespace kovex::test
